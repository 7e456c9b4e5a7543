// libFuzzer target: config.ini bytes -> lines -> what each line sets -> --check.
// Checks the reader's own promises besides memory safety: lines are folded as
// described, parsed values stay inside the controls' ranges, and a file the writer
// produced from any state the reader reached reads back to the same bytes.
// The reader and the explainer are compiled into this target itself; the linker then takes
// nothing from the library's copy.
#include "recorder_files/configcheck.cpp"
#include "recorder_files/configgrammar.cpp"
#include "recorder_files/configkeywords.cpp"
#include "recorder_files/configlines.cpp"
#include "recorder_files/configsettings.cpp"
#include "recorder_files/configwriter.cpp"
#include "tests/configreading.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

void Check(bool condition)
{
    if (!condition)
        abort();
}

bool IsFoldSeparator(char c)
{
    return c == '.' || c == ',' || c == ':' || c == '=';
}

void CheckLine(const ConfigLine& line)
{
    const QByteArray& t = line.text;
    Check(!t.isEmpty() && t.size() <= MaxConfigLineLength);
    Check(t.front() != ' ' && t.back() != ' ');
    for (qsizetype i = 0; i < t.size(); ++i) {
        const uchar c = uchar(t.at(i));
        Check(c >= 32 && c != ';');
        if (c == ' ') {
            Check(t.at(i + 1) != ' ' && !IsFoldSeparator(t.at(i + 1)));
            Check(!IsFoldSeparator(t.at(i - 1)));
        }
    }
}

void CheckParsed(const ParsedLine& p, const ComboItems& items)
{
    if (!TookEffect(p)) {
        // An item the preferences' lists lack is left out; the rest of a line that is
        // otherwise read in full still takes effect.
        const bool partly = p.issue == LineIssue::UnknownWavType ||
                            p.issue == LineIssue::TimerOutOfRange ||
                            p.issue == LineIssue::TimerAllUnspecified ||
                            (!p.lacking.isEmpty() &&
                             (p.issue == LineIssue::None || p.issue == LineIssue::IgnoredTail));
        Check(partly || p.sets.isEmpty());
    }
    for (const ConfigAssignment& a : p.lacking) {
        const int count = a.field == ConfigField::SampleRate ? items.sampleRates
                          : a.field == ConfigField::WavType  ? items.wavTypes
                                                             : -1;
        Check(count >= 0 && (a.value < 0 || a.value >= count));
    }
    for (const ConfigAssignment& a : p.sets) {
        auto in = [&](int lo, int hi) { Check(a.value >= lo && a.value <= hi); };
        if (a.field >= ConfigField::TimerEnable)
            Check(a.panel >= 0 && a.panel <= 3);
        switch (a.field) {
        case ConfigField::SampleRate:
            in(0, 3);
            break;
        case ConfigField::WavType:
            in(0, 2);
            break;
        case ConfigField::VasEnable:
        case ConfigField::TimersEnable:
        case ConfigField::TimerEnable:
            in(0, 1);
            break;
        case ConfigField::VasOnLevel:
        case ConfigField::VasOnTime:
        case ConfigField::VasOffLevel:
        case ConfigField::VasOffTime:
            in(0, 99);
            break;
        case ConfigField::LoopSize:
        case ConfigField::LimitMax:
            in(0, 4095);
            break;
        case ConfigField::LimitMin:
            in(0, 16383);
            break;
        case ConfigField::TimerMonth:
            in(-1, 12);
            break;
        case ConfigField::TimerDay:
            in(-1, 31);
            break;
        case ConfigField::TimerHour:
            in(-1, 23);
            break;
        case ConfigField::TimerMinute:
            in(-1, 59);
            break;
        case ConfigField::TimerLength:
            in(0, 9999);
            break;
        }
    }
}

ConfigSettings ReadInto(ConfigSettings s, const QByteArray& bytes)
{
    ReadConfigLines(bytes, [&](const ConfigLine& line) {
        ApplyParsedLine(s, ParseConfigLine(line.text), 3, 3);
    });
    return s;
}

// The file the writer makes of state, read into the initial state and written again, is
// the same file.
bool ReadsBack(const ConfigSettings& state)
{
    const QByteArray written = FormatConfig(state);
    return FormatConfig(ReadInto(ConfigSettings(), written)) == written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // The file read in pieces (sizes from the first byte) ... Its lines are kept one after the
    // other, with where each ends and its number: no line is copied on its own.
    ConfigLineReader reader;
    QByteArray pieceText;
    pieceText.reserve(bytes.size());
    struct PieceEnd {
        qsizetype end;
        int number;
    };
    std::vector<PieceEnd> pieces;
    pieces.reserve(size_t(bytes.count('\r')) + 1);
    const qsizetype step = size > 0 ? 1 + data[0] % 7 : 1;
    for (qsizetype at = 0; at < bytes.size(); at += step)
        reader.Feed(bytes.constData() + at, std::min(step, bytes.size() - at),
                    [&](const ConfigLine& line) {
                        pieceText += line.text;
                        pieces.push_back({pieceText.size(), line.number});
                    });
    const ReadStopInfo& stop = reader.Finish();
    Check(stop.offset >= 0 && stop.offset <= bytes.size());
    if (stop.reason == ReadStop::ForbiddenByte)
        Check(uchar(bytes.at(stop.offset)) == stop.byte);
    if (stop.reason == ReadStop::LineTooLong)
        Check(stop.pending.size() == MaxConfigLineLength + 1);

    // ... and as --check reads it whole agree, line by line; --check's reading keeps the
    // reader's promises and it exits accordingly.
    ConfigSettings state;
    int failed = stop.pending.isEmpty() ? 0 : 1;
    size_t seen = 0;
    ConfigReadResult read;
    ConfigCheckTap tap;
    tap.read = &read;
    tap.line = [&](const ConfigLine& line, const ParsedLine& parsed) {
        Check(seen < pieces.size());
        const qsizetype from = seen == 0 ? 0 : pieces[seen - 1].end;
        Check(QByteArrayView(line.text) ==
                  QByteArrayView(pieceText).sliced(from, pieces[seen].end - from) &&
              line.number == pieces[seen].number);
        ++seen;
        Check(line.offset >= 0 && line.offset < bytes.size());
        CheckLine(line);
        CheckParsed(parsed, ComboItems());
        if (!TookEffect(parsed))
            ++failed;
        ApplyParsedLine(state, parsed, 3, 3);
    };
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    static QString report; // its room kept from one input to the next
    report.resize(0);
    QTextStream out(&report);
    const int code = CheckConfigDevice(buffer, out, ComboItems(), FreeSpacePlan(), true, tap);
    Check(seen == pieces.size());
    Check(read.stop.reason == stop.reason && read.stop.offset == stop.offset);
    const bool restIgnored =
        stop.reason == ReadStop::ForbiddenByte || stop.reason == ReadStop::LineTooLong;
    const bool setsNothing = pieces.empty() && stop.pending.isEmpty();
    Check(code == (failed == 0 && !restIgnored && !setsNothing ? 0 : 1));
    Check(report.endsWith(QLatin1Char('\n')));

    // What the reader reached, written and read back into the initial state, gives
    // the same file again. Most inputs leave the initial state as it was: its file, the
    // same bytes each time, is read back once.
    static const ConfigSettings initial;
    static const bool initialReadsBack = ReadsBack(initial);
    Check(initialReadsBack);
    if (!HasUnreadableTimer(state) && state != initial)
        Check(ReadsBack(state));
    return 0;
}
