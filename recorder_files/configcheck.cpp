// plimo-configurator --check: the reader's own results, in words.
#include "recorder_files/configcheck.h"

#include "recorder_files/configformat.h"
#include "recorder_files/schedule.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace
{

QString Tr(const char* text)
{
    return QCoreApplication::translate("ConfigCheck", text);
}

// The line as the reader holds it; bytes outside printable ASCII shown as \xNN.
QString Printable(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const uchar u = uchar(c);
        if (u >= 32 && u < 127)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
    }
    return text;
}

QString Quoted(const QByteArray& bytes)
{
    return QLatin1Char('\'') + Printable(bytes) + QLatin1Char('\'');
}

QString SampleRateText(int index)
{
    static const int rates[] = {6000, 8000, 11050, 16000};
    if (index < 0 || index > 3)
        return QString::number(index);
    return Tr("%1 samples per second (item %2)").arg(rates[index]).arg(index);
}

QString WavTypeText(int index)
{
    static const char* const names[] = {"none", "u-Law", "ADPCM"};
    if (index < 0 || index > 2)
        return QString::number(index);
    return Tr("%1 (item %2)").arg(QLatin1String(names[index])).arg(index);
}

QString SizeText(int value, const char* unit)
{
    if (value == 0)
        return Tr("disable");
    return QString::number(value) + QLatin1Char(' ') + QLatin1String(unit);
}

QString AnyOr(int value, int firstReal, bool twoDigits = false)
{
    if (value < firstReal)
        return QStringLiteral("*");
    return twoDigits ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'))
                     : QString::number(value);
}

QString OnOff(int value)
{
    return value != 0 ? Tr("on") : Tr("off");
}

// The assignments of one line in words; pairs that one line always sets together are
// told together.
QString DescribeSets(const QList<ConfigAssignment>& sets)
{
    QStringList parts;
    for (qsizetype i = 0; i < sets.size(); ++i) {
        const ConfigAssignment& a = sets[i];
        const ConfigAssignment* next = i + 1 < sets.size() ? &sets[i + 1] : nullptr;
        switch (a.field) {
        case ConfigField::SampleRate:
            if (next && next->field == ConfigField::WavType) {
                parts << Tr("sets sample rate to %1 and wav type to %2")
                             .arg(SampleRateText(a.value), WavTypeText(next->value));
                ++i;
            } else {
                parts << Tr("sets sample rate to %1").arg(SampleRateText(a.value));
            }
            break;
        case ConfigField::WavType:
            parts << Tr("sets wav type to %1").arg(WavTypeText(a.value));
            break;
        case ConfigField::VasEnable:
            parts << Tr("switches VAS %1").arg(OnOff(a.value));
            break;
        case ConfigField::VasOnLevel:
        case ConfigField::VasOffLevel: {
            const bool on = a.field == ConfigField::VasOnLevel;
            const ConfigField time = on ? ConfigField::VasOnTime : ConfigField::VasOffTime;
            if (next && next->field == time) {
                parts << (on ? Tr("sets VAS on level to %1 and VAS on time to %2")
                             : Tr("sets VAS off level to %1 and VAS off time to %2"))
                             .arg(a.value)
                             .arg(next->value);
                ++i;
            } else {
                parts << (on ? Tr("sets VAS on level to %1") : Tr("sets VAS off level to %1"))
                             .arg(a.value);
            }
            break;
        }
        case ConfigField::VasOnTime:
            parts << Tr("sets VAS on time to %1").arg(a.value);
            break;
        case ConfigField::VasOffTime:
            parts << Tr("sets VAS off time to %1").arg(a.value);
            break;
        case ConfigField::LoopSize:
            parts << (a.value == 0 ? Tr("switches loop writing off")
                                   : Tr("sets loop size to %1 Mb").arg(a.value));
            break;
        case ConfigField::LimitMax:
            if (next && next->field == ConfigField::LimitMin) {
                parts << Tr("sets limit max to %1 and limit min to %2")
                             .arg(SizeText(a.value, "Mb"), SizeText(next->value, "kb"));
                ++i;
            } else {
                parts << Tr("sets limit max to %1").arg(SizeText(a.value, "Mb"));
            }
            break;
        case ConfigField::LimitMin:
            parts << Tr("sets limit min to %1").arg(SizeText(a.value, "kb"));
            break;
        case ConfigField::TimersEnable:
            parts << Tr("switches timers %1").arg(OnOff(a.value));
            break;
        case ConfigField::TimerEnable:
            // A timer switched on comes with its five fields, in the order the
            // controls are set: month, day, hour, minute, length.
            if (a.value != 0 && i + 5 < sets.size() &&
                sets[i + 1].field == ConfigField::TimerMonth &&
                sets[i + 5].field == ConfigField::TimerLength) {
                const int month = sets[i + 1].value;
                const int day = sets[i + 2].value;
                const int hour = sets[i + 3].value;
                const int minute = sets[i + 4].value;
                const int length = sets[i + 5].value;
                const QString when = AnyOr(day, 1) + QLatin1Char('.') + AnyOr(month, 1) +
                                     QLatin1Char(' ') + AnyOr(hour, 0) + QLatin1Char(':') +
                                     AnyOr(minute, 0, true);
                const QString lasting = length == 0 ? Tr("unlimited") : Tr("%1 min").arg(length);
                parts << Tr("switches timer %1 on: %2, %3").arg(a.panel + 1).arg(when, lasting);
                i += 5;
            } else {
                parts << Tr("switches timer %1 %2").arg(a.panel + 1).arg(OnOff(a.value));
            }
            break;
        case ConfigField::TimerMonth:
        case ConfigField::TimerDay:
        case ConfigField::TimerHour:
        case ConfigField::TimerMinute:
        case ConfigField::TimerLength: {
            static const char* const names[] = {"month", "day", "hour", "minute", "length"};
            const int field = int(a.field) - int(ConfigField::TimerMonth);
            parts << Tr("sets timer %1 %2 to %3")
                         .arg(a.panel + 1)
                         .arg(QLatin1String(names[field]))
                         .arg(a.value);
            break;
        }
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString WhyNoEffect(const ParsedLine& p)
{
    switch (p.issue) {
    case LineIssue::UnknownKeyword:
        return Tr("unknown keyword %1").arg(Quoted(p.word));
    case LineIssue::WrongCase:
        if (p.word == p.word.toLower())
            return Tr("lower-case %1: keywords are case-sensitive").arg(Quoted(p.word));
        return Tr("%1 is not %2: keywords are case-sensitive")
            .arg(Quoted(p.word), Quoted(p.expected));
    case LineIssue::UnknownValue:
        return Tr("unknown value %1: expected %2")
            .arg(Quoted(p.word), QString::fromLatin1(p.expected));
    case LineIssue::Malformed: {
        const QString where =
            p.word.isEmpty()
                ? Tr("the line ends at column %1").arg(p.value + 1)
                : Tr("cannot read %1 at column %2").arg(Quoted(p.word)).arg(p.value + 1);
        return Tr("%1, expected %2").arg(where, QString::fromLatin1(p.expected));
    }
    case LineIssue::ValueAboveLimit:
        return Tr("value %1 above %2 for %3")
            .arg(p.value)
            .arg(p.limit)
            .arg(QString::fromLatin1(p.word));
    case LineIssue::LoopZero:
        return Tr("loop size 0 is not accepted: Loop=none switches loop writing off");
    case LineIssue::UnknownRateCode:
        return Tr("unknown sample-rate code %1: expected %2")
            .arg(Quoted(p.word), QString::fromLatin1(p.expected));
    case LineIssue::TimerDoesNotExist:
        return Tr("timer %1 does not exist").arg(QString::fromLatin1(p.word));
    case LineIssue::NotUsed:
        return Tr("%1 lines are ignored").arg(Quoted(p.word));
    default:
        return QString();
    }
}

} // namespace

QString ExplainConfigLine(const ParsedLine& p)
{
    QString sets = DescribeSets(p.sets);
    switch (p.issue) {
    case LineIssue::None:
        return sets;
    case LineIssue::IgnoredTail:
        return Tr("%1; %2 after the number is ignored").arg(sets, Quoted(p.word));
    case LineIssue::UnknownWavType:
        return Tr("%1; wav type unchanged: unknown type word %2, expected %3")
            .arg(sets, Quoted(p.word), QString::fromLatin1(p.expected));
    case LineIssue::TimerOutOfRange:
        return Tr("%1 %2 out of range: timer %3 switched off")
            .arg(QString::fromLatin1(p.word))
            .arg(p.value)
            .arg(p.panel + 1);
    case LineIssue::TimerAllUnspecified:
        return Tr("every date and time field is '*': timer %1 switched off").arg(p.panel + 1);
    default:
        return Tr("no effect: %1").arg(WhyNoEffect(p));
    }
}

QStringList ExplainReadStop(const ReadStopInfo& stop, qint64 carriageReturns)
{
    QStringList lines;
    const bool oneLine = carriageReturns == 0 && (stop.reason == ReadStop::LineTooLong ||
                                                  stop.reason == ReadStop::UnfinishedLine);
    if (oneLine)
        lines << Tr("no carriage return at all: the file is read as one line");
    switch (stop.reason) {
    case ReadStop::EndOfFile:
        break;
    case ReadStop::UnfinishedLine:
        lines << Tr("last line has no carriage return and is not applied");
        break;
    case ReadStop::ForbiddenByte:
        lines << Tr("byte 0x%1 at offset %2: reading stops here, the rest of the file is "
                    "ignored")
                     .arg(stop.byte, 2, 16, QLatin1Char('0'))
                     .arg(stop.offset);
        break;
    case ReadStop::LineTooLong:
        lines << Tr("line of %1 characters: reading stops here, the rest of the file is "
                    "ignored")
                     .arg(stop.pending.size());
        break;
    }
    return lines;
}

int CheckConfigDevice(QIODevice& device, QTextStream& out)
{
    ConfigLineReader reader;
    int lines = 0;
    int failed = 0;
    ConfigSettings settings;
    const auto explain = [&](const ConfigLine& line) {
        const ParsedLine parsed = ParseConfigLine(line.text);
        ApplyParsedLine(settings, parsed, SampleRateCount, WavTypeCount);
        ++lines;
        if (!TookEffect(parsed))
            ++failed;
        out << Tr("line %1: %2").arg(line.number).arg(Printable(line.text)) << '\n'
            << "    " << ExplainConfigLine(parsed) << '\n';
    };

    char buffer[16384];
    qint64 got = 0;
    while ((got = device.read(buffer, sizeof buffer)) > 0) {
        if (!reader.Feed(buffer, got, explain))
            break;
    }
    if (got < 0) {
        out << Tr("cannot read the file: %1").arg(device.errorString()) << '\n';
        out.flush();
        return 2;
    }
    const ReadStopInfo stop = reader.Finish();

    // Whether the file holds a carriage return at all, also beyond where reading stopped.
    qint64 carriageReturns = reader.CarriageReturns();
    while (carriageReturns == 0 && (got = device.read(buffer, sizeof buffer)) > 0)
        carriageReturns = QByteArray::fromRawData(buffer, int(got)).count('\r');

    const QStringList why = ExplainReadStop(stop, carriageReturns);
    if (!stop.pending.isEmpty()) {
        ++lines;
        ++failed;
        out << Tr("line %1: %2").arg(stop.lineNumber).arg(Printable(stop.pending)) << '\n';
        for (const QString& text : why)
            out << "    " << text << '\n';
    } else {
        for (const QString& text : why)
            out << text << '\n';
    }

    const bool restIgnored =
        stop.reason == ReadStop::ForbiddenByte || stop.reason == ReadStop::LineTooLong;
    const QString count = lines == 1 ? Tr("1 line") : Tr("%1 lines").arg(lines);
    if (lines == 0 && !restIgnored)
        out << Tr("no settings in the file") << '\n';
    else if (failed == 0 && !restIgnored)
        out << Tr("every line took effect (%1)").arg(count) << '\n';
    else if (failed == 0)
        out << Tr("every line read took effect (%1); the rest of the file was not read").arg(count)
            << '\n';
    else
        out << Tr("%1 of %2 did not take effect").arg(failed).arg(count) << '\n';
    WriteScheduleSummary(settings, out);
    return failed == 0 && !restIgnored ? 0 : 1;
}

int CheckConfigFile(const QString& fileName, QTextStream& out)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        out << Tr("cannot read %1: %2").arg(fileName, file.errorString()) << '\n';
        out.flush();
        return 2;
    }
    return CheckConfigDevice(file, out);
}
