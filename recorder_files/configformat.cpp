#include "recorder_files/configformat.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// Writing

int WrittenSampleRateIndex(int index)
{
    return index >= 0 && index <= 3 ? index : 1;
}

int WrittenWavTypeIndex(int index)
{
    return index >= 0 && index <= 2 ? index : 1;
}

namespace
{

QByteArray Num(int value)
{
    return QByteArray::number(value);
}

// "*" stands for the special value of a timer field (any day, any hour, unlimited).
QByteArray FieldOrAny(int value, int firstReal)
{
    return value < firstReal ? QByteArray("*") : Num(value);
}

} // namespace

bool HasUnreadableTimer(const ConfigSettings& s)
{
    if (!s.timersEnabled)
        return false;
    for (const TimerSettings& t : s.timers) {
        if (t.enabled && t.day < 1 && t.month < 1 && t.hour < 0 && t.minute < 0)
            return true;
    }
    return false;
}

QByteArray FormatConfig(const ConfigSettings& s)
{
    static const char* const rateCodes[] = {"6", "8", "11", "16"};
    static const char* const typeWords[] = {"none", "ulaw", "adpcm"};

    QByteArray out;
    out += "M,";
    out += rateCodes[WrittenSampleRateIndex(s.sampleRate)];
    out += ",";
    out += typeWords[WrittenWavTypeIndex(s.wavType)];
    out += "\r\n";

    if (s.vasEnabled) {
        out += "VAS=on\r\n";
        out += "VASon=" + Num(s.vasOnLevel) + "," + Num(s.vasOnTime) + "\r\n";
        out += "VASoff=" + Num(s.vasOffLevel) + "," + Num(s.vasOffTime) + "\r\n";
    } else {
        out += "VAS=off\r\n";
    }

    if (s.loopSize == 0)
        out += "Loop=none\r\n";
    else
        out += "Loop=" + Num(s.loopSize) + "\r\n";

    // The maximum (Mb) comes first, the minimum (kb) second.
    out += "Limit=" + Num(s.limitMax) + "," + Num(s.limitMin) + "\r\n";

    if (!s.timersEnabled) {
        out += "Event=key\r\n";
        return out;
    }
    out += "Event=all\r\n";
    for (int i = 0; i < 4; ++i) {
        const TimerSettings& t = s.timers[i];
        out += "T" + Num(i + 1) + ",";
        if (!t.enabled) {
            out += "*,*,*\r\n";
            continue;
        }
        out += FieldOrAny(t.day, 1) + "." + FieldOrAny(t.month, 1) + ",";
        out += FieldOrAny(t.hour, 0) + ":" + FieldOrAny(t.minute, 0) + ",";
        out += FieldOrAny(t.length, 1) + "\r\n";
    }
    return out;
}

// ---------------------------------------------------------------------------
// Reading: bytes into normalised lines

namespace
{

bool IsBlank(uchar c)
{
    return c == 9 || c == 10 || c == 32;
}

bool IsForbidden(uchar c)
{
    return c <= 8 || c == 11 || c == 12 || (c >= 14 && c <= 31);
}

bool IsSeparator(char c)
{
    return c == '.' || c == ',' || c == ':' || c == '=';
}

} // namespace

void ConfigLineReader::StopAt(ReadStop reason, int byte)
{
    stopped = true;
    stop.reason = reason;
    stop.offset = position;
    stop.byte = byte;
    stop.lineNumber = lineNumber;
    stop.pending = line;
}

bool ConfigLineReader::Feed(const char* data, qsizetype size,
                            const std::function<void(const ConfigLine&)>& onLine)
{
    for (qsizetype i = 0; i < size && !stopped; ++i, ++position) {
        const uchar c = static_cast<uchar>(data[i]);
        if (c == 13)
            ++carriageReturns;
        switch (state) {
        case State::LineStart:
            if (c == 13) {
                ++lineNumber;
            } else if (c == ';') {
                state = State::CommentAtStart;
            } else if (IsForbidden(c)) {
                StopAt(ReadStop::ForbiddenByte, c);
            } else if (!IsBlank(c)) {
                line = QByteArray(1, char(c));
                lineOffset = position;
                state = State::InLine;
            }
            break;
        case State::InLine: {
            bool appended = false;
            if (IsBlank(c)) {
                if (line.back() != ' ' && !IsSeparator(line.back())) {
                    line += ' ';
                    appended = true;
                }
            } else if (IsSeparator(char(c))) {
                if (line.back() == ' ') {
                    line.back() = char(c);
                } else {
                    line += char(c);
                    appended = true;
                }
            } else if (c == 13 || c == ';') {
                if (line.back() == ' ')
                    line.chop(1);
                if (c == ';') {
                    state = State::CommentInLine;
                } else {
                    onLine(ConfigLine{line, lineNumber, lineOffset});
                    line.clear();
                    ++lineNumber;
                    state = State::LineStart;
                }
            } else if (IsForbidden(c)) {
                StopAt(ReadStop::ForbiddenByte, c);
            } else {
                line += char(c);
                appended = true;
            }
            if (appended && line.size() > MaxConfigLineLength)
                StopAt(ReadStop::LineTooLong, -1);
            break;
        }
        case State::CommentAtStart:
            if (c == 13) {
                ++lineNumber;
                state = State::LineStart;
            }
            break;
        case State::CommentInLine:
            if (c == 13) {
                onLine(ConfigLine{line, lineNumber, lineOffset});
                line.clear();
                ++lineNumber;
                state = State::LineStart;
            }
            break;
        }
    }
    return !stopped;
}

const ReadStopInfo& ConfigLineReader::Finish()
{
    if (!stopped) {
        const bool inLine = state == State::InLine || state == State::CommentInLine;
        StopAt(inLine ? ReadStop::UnfinishedLine : ReadStop::EndOfFile, -1);
    }
    return stop;
}

ConfigLines SplitConfigLines(const QByteArray& bytes)
{
    ConfigLines result;
    ConfigLineReader reader;
    reader.Feed(bytes.constData(), bytes.size(),
                [&](const ConfigLine& line) { result.lines.append(line); });
    result.stop = reader.Finish();
    return result;
}

// ---------------------------------------------------------------------------
// Reading: one line into what it sets

namespace
{

char At(const QByteArray& line, int pos)
{
    return pos >= 0 && pos < line.size() ? line.at(pos) : '\0';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsTerminator(const QByteArray& line, int pos, char terminator)
{
    if (terminator == '\0')
        return pos >= line.size();
    return At(line, pos) == terminator;
}

// ReadTwoDigits that also tells how many digits it used (0 when it failed).
int TwoDigits(const QByteArray& line, int pos, char terminator, int* value)
{
    if (!IsDigit(At(line, pos)))
        return 0;
    const int first = At(line, pos) - '0';
    if (IsTerminator(line, pos + 1, terminator)) {
        *value = first;
        return 1;
    }
    if (IsDigit(At(line, pos + 1)) && IsTerminator(line, pos + 2, terminator)) {
        *value = first * 10 + (At(line, pos + 1) - '0');
        return 2;
    }
    return 0;
}

struct Keyword {
    const char* name;
    const char* form;
};

const Keyword Keywords[] = {
    {"M", "M,rate,type"},
    {"VAS", "VAS=on or VAS=off"},
    {"VASon", "VASon=level,time"},
    {"VASoff", "VASoff=level,time"},
    {"Loop", "Loop=none or Loop=size"},
    {"Limit", "Limit=max,min"},
    {"Event", "Event=key, Event=all or Event=timer"},
    {"Tune", "Tune="},
};

const char TimerForm[] = "Tn,day.month,hour:minute,length";

QByteArray KeywordOf(const QByteArray& line)
{
    int end = 0;
    while (end < line.size() && !IsSeparator(line.at(end)) && line.at(end) != ' ')
        ++end;
    return line.left(end);
}

ParsedLine Issue(LineIssue issue, const QByteArray& word = QByteArray(),
                 const QByteArray& expected = QByteArray(), int value = 0, int limit = 0)
{
    ParsedLine p;
    p.issue = issue;
    p.word = word;
    p.expected = expected;
    p.value = value;
    p.limit = limit;
    return p;
}

ParsedLine Malformed(const QByteArray& line, const char* form, int column)
{
    return Issue(LineIssue::Malformed, line.mid(column), form, column);
}

// A line that none of the keyword rules took: tell a wrong spelling from an unknown word.
ParsedLine KeywordProblem(const QByteArray& line)
{
    const QByteArray word = KeywordOf(line);
    const bool timer = word.size() >= 2 && (word.at(0) == 'T' || word.at(0) == 't') &&
                       std::all_of(word.begin() + 1, word.end(), IsDigit);
    if (timer) {
        if (word.at(0) == 't')
            return Issue(LineIssue::WrongCase, word, "T" + word.mid(1));
        return Malformed(line, TimerForm, word.size());
    }
    for (const Keyword& k : Keywords) {
        if (word == k.name)
            return Malformed(line, k.form, word.size());
        if (word.compare(k.name, Qt::CaseInsensitive) == 0)
            return Issue(LineIssue::WrongCase, word, k.name);
    }
    return Issue(LineIssue::UnknownKeyword, word.isEmpty() ? line.left(1) : word);
}

ParsedLine Sets(std::initializer_list<ConfigAssignment> sets)
{
    ParsedLine p;
    p.sets = sets;
    return p;
}

ParsedLine ParseEvent(const QByteArray& line)
{
    if (line == "Event=key")
        return Sets({{ConfigField::TimersEnable, 0, 0}});
    if (line == "Event=all" || line == "Event=timer")
        return Sets({{ConfigField::TimersEnable, 0, 1}});
    if (line.startsWith("Event="))
        return Issue(LineIssue::UnknownValue, line.mid(6), "key, all or timer");
    return KeywordProblem(line);
}

ParsedLine ParseLoop(const QByteArray& line)
{
    if (line == "Loop=none")
        return Sets({{ConfigField::LoopSize, 0, 0}});
    const NumberRead n = ReadNumber(line, 5);
    if (n.digits == 0)
        return Issue(LineIssue::UnknownValue, line.mid(5), "none or a size from 1 to 4095");
    if (n.value == 0)
        return Issue(LineIssue::LoopZero);
    if (n.value > 4095)
        return Issue(LineIssue::ValueAboveLimit, "loop size", QByteArray(), n.value, 4095);
    ParsedLine p = Sets({{ConfigField::LoopSize, 0, n.value}});
    if (5 + n.digits < line.size()) {
        p.issue = LineIssue::IgnoredTail;
        p.word = line.mid(5 + n.digits);
    }
    return p;
}

// One limit field: "*" or the digit 0 for no limit, or one to five digits.
bool LimitField(const QByteArray& line, int* pos, int* value)
{
    if (At(line, *pos) == '*') {
        *value = 0;
        *pos += 1;
        return true;
    }
    const NumberRead n = ReadNumber(line, *pos);
    if (n.digits == 0 || (n.value == 0 && n.digits > 1))
        return false;
    *value = n.value;
    *pos += n.digits;
    return true;
}

ParsedLine ParseLimit(const QByteArray& line)
{
    const char form[] = "Limit=max,min";
    int pos = 6;
    int max = 0;
    int min = 0;
    if (!LimitField(line, &pos, &max))
        return Malformed(line, form, pos);
    if (At(line, pos) != ',')
        return Malformed(line, form, pos);
    ++pos;
    if (!LimitField(line, &pos, &min))
        return Malformed(line, form, pos);
    if (pos != line.size())
        return Malformed(line, form, pos);
    if (max > 4095)
        return Issue(LineIssue::ValueAboveLimit, "limit max", QByteArray(), max, 4095);
    if (min > 16383)
        return Issue(LineIssue::ValueAboveLimit, "limit min", QByteArray(), min, 16383);
    return Sets({{ConfigField::LimitMax, 0, max}, {ConfigField::LimitMin, 0, min}});
}

ParsedLine ParseL(const QByteArray& line)
{
    if (line.startsWith("Loop="))
        return ParseLoop(line);
    if (line.startsWith("Limit="))
        return ParseLimit(line);
    return KeywordProblem(line);
}

ParsedLine ParseM(const QByteArray& line)
{
    if (At(line, 1) != ',')
        return KeywordProblem(line);
    int code = 0;
    if (TwoDigits(line, 2, ',', &code) == 0 ||
        (code != 6 && code != 8 && code != 11 && code != 16)) {
        int end = line.indexOf(',', 2);
        return Issue(LineIssue::UnknownRateCode, line.mid(2, end < 0 ? -1 : end - 2),
                     "6, 8, 11 or 16");
    }
    const int rate = code == 6 ? 0 : code == 8 ? 1 : code == 11 ? 2 : 3;
    ParsedLine p = Sets({{ConfigField::SampleRate, 0, rate}});
    // The type word stands where a one-digit (6, 8) or two-digit (11, 16) code ends.
    const QByteArray word = line.mid(code < 10 ? 4 : 5);
    int type = -1;
    if (word == "none")
        type = 0;
    else if (word == "uLaw" || word == "ulaw") // the writer writes "ulaw"
        type = 1;
    else if (word == "adpcm")
        type = 2;
    if (type < 0) {
        p.issue = LineIssue::UnknownWavType;
        p.word = word;
        p.expected = "none, ulaw or adpcm";
    } else {
        p.sets.append({ConfigField::WavType, 0, type});
    }
    return p;
}

// A two-digit VAS figure that failed: too many digits, or not a number at all.
ParsedLine VasFigureProblem(const QByteArray& line, int pos, const char* what, const char* form)
{
    const NumberRead n = ReadNumber(line, pos);
    if (n.digits > 2 && (pos + n.digits == line.size() || At(line, pos + n.digits) == ','))
        return Issue(LineIssue::ValueAboveLimit, what, QByteArray(), n.value, 99);
    return Malformed(line, form, pos);
}

ParsedLine ParseV(const QByteArray& line)
{
    if (At(line, 1) != 'A' || At(line, 2) != 'S')
        return KeywordProblem(line);
    if (line == "VAS=on")
        return Sets({{ConfigField::VasEnable, 0, 1}});
    if (line == "VAS=off")
        return Sets({{ConfigField::VasEnable, 0, 0}});
    if (line.startsWith("VAS="))
        return Issue(LineIssue::UnknownValue, line.mid(4), "on or off");

    const bool on = line.startsWith("VASon=");
    if (!on && !line.startsWith("VASoff="))
        return KeywordProblem(line);
    const char* form = on ? "VASon=level,time" : "VASoff=level,time";
    const int pos = on ? 6 : 7;
    int level = 0;
    const int digits = TwoDigits(line, pos, ',', &level);
    if (digits == 0)
        return VasFigureProblem(line, pos, on ? "VAS on level" : "VAS off level", form);
    int time = 0;
    if (TwoDigits(line, pos + digits + 1, '\0', &time) == 0)
        return VasFigureProblem(line, pos + digits + 1, on ? "VAS on time" : "VAS off time", form);
    if (on)
        return Sets({{ConfigField::VasOnLevel, 0, level}, {ConfigField::VasOnTime, 0, time}});
    return Sets({{ConfigField::VasOffLevel, 0, level}, {ConfigField::VasOffTime, 0, time}});
}

// A day, month, hour or minute field: "*" or one or two digits before the terminator.
bool TimerField(const QByteArray& line, int pos, char terminator, int* value)
{
    if (At(line, pos) == '*') {
        *value = Unspecified;
        return true;
    }
    return TwoDigits(line, pos, terminator, value) != 0;
}

ParsedLine ParseT(const QByteArray& line)
{
    if (line.startsWith("Tune="))
        return Issue(LineIssue::NotUsed, "Tune");
    const char c1 = At(line, 1);
    if (!IsDigit(c1) || c1 == '0' || At(line, 2) != ',') {
        int end = 1;
        while (IsDigit(At(line, end)))
            ++end;
        if (end > 1 && At(line, end) == ',')
            return Issue(LineIssue::TimerDoesNotExist, line.mid(1, end - 1), QByteArray(),
                         line.mid(1, end - 1).toInt());
        return KeywordProblem(line);
    }
    const int n = c1 - '0';
    if (n > 4)
        return Issue(LineIssue::TimerDoesNotExist, line.mid(1, 1), QByteArray(), n);

    int day = Unspecified;
    int month = Unspecified;
    int hour = Unspecified;
    int minute = Unspecified;
    int length = 0;
    int p = 3;
    if (!TimerField(line, p, '.', &day))
        return Malformed(line, TimerForm, p);
    p = At(line, 4) == ',' || At(line, 4) == '.' ? 5 : 6;

    const bool shortDate = At(line, p - 1) == ','; // the date was a single "*"
    if (!shortDate) {
        if (!TimerField(line, p, ',', &month))
            return Malformed(line, TimerForm, p);
        p += At(line, p + 1) == ',' ? 2 : 3;
    }

    if (!TimerField(line, p, ':', &hour))
        return Malformed(line, TimerForm, p);
    p += At(line, p + 1) == ',' || At(line, p + 1) == ':' ? 2 : 3;

    const bool shortTime = At(line, p - 1) == ','; // the time was a single "*"
    if (!shortTime) {
        if (!TimerField(line, p, ',', &minute))
            return Malformed(line, TimerForm, p);
        p += At(line, p + 1) == ',' ? 2 : 3;
    }

    QByteArray tail;
    if (At(line, p) == '*') {
        if (p + 1 != line.size())
            return Malformed(line, TimerForm, p + 1);
        length = 0;
    } else {
        const NumberRead len = ReadNumber(line, p, 4);
        if (len.digits == 0)
            return Malformed(line, TimerForm, p);
        length = len.value;
        tail = line.mid(p + len.digits);
    }

    ParsedLine result = SetTimerEvent(n - 1, day, month, hour, minute, length);
    // "T1,*,*,*" is how a switched-off timer is written: switching it off is what it asks.
    if (result.issue == LineIssue::TimerAllUnspecified && shortDate && shortTime)
        result.issue = LineIssue::None;
    if (result.issue == LineIssue::None && !tail.isEmpty()) {
        result.issue = LineIssue::IgnoredTail;
        result.word = tail;
    }
    return result;
}

} // namespace

bool TookEffect(const ParsedLine& parsed)
{
    return parsed.issue == LineIssue::None || parsed.issue == LineIssue::IgnoredTail;
}

bool ReadTwoDigits(const QByteArray& line, int pos, char terminator, int* value)
{
    return TwoDigits(line, pos, terminator, value) != 0;
}

NumberRead ReadNumber(const QByteArray& line, int pos, int maxDigits)
{
    NumberRead n;
    while (n.digits < maxDigits && IsDigit(At(line, pos + n.digits))) {
        n.value = n.value * 10 + (At(line, pos + n.digits) - '0');
        ++n.digits;
    }
    return n;
}

ParsedLine SetTimerEvent(int index, int day, int month, int hour, int minute, int length)
{
    ParsedLine p;
    p.panel = index;
    if (index < 0 || index > 3) {
        p.issue = LineIssue::TimerDoesNotExist;
        p.value = index + 1;
        p.word = QByteArray::number(index + 1);
        return p;
    }
    if (day == Unspecified && month == Unspecified && hour == Unspecified &&
        minute == Unspecified) {
        p.sets = {{ConfigField::TimerEnable, index, 0}};
        p.issue = LineIssue::TimerAllUnspecified;
        return p;
    }
    const struct {
        const char* name;
        int value;
        int limit;
    } fields[] = {
        {"day", day, 31}, {"month", month, 12}, {"hour", hour, 23}, {"minute", minute, 59}};
    for (const auto& f : fields) {
        if (f.value > f.limit) {
            p.sets = {{ConfigField::TimerEnable, index, 0}};
            p.issue = LineIssue::TimerOutOfRange;
            p.word = f.name;
            p.value = f.value;
            p.limit = f.limit;
            return p;
        }
    }
    p.sets = {{ConfigField::TimerEnable, index, 1},      {ConfigField::TimerMonth, index, month},
              {ConfigField::TimerDay, index, day},       {ConfigField::TimerHour, index, hour},
              {ConfigField::TimerMinute, index, minute}, {ConfigField::TimerLength, index, length}};
    return p;
}

ParsedLine ParseConfigLine(const QByteArray& line)
{
    switch (At(line, 0)) {
    case 'E':
        return ParseEvent(line);
    case 'L':
        return ParseL(line);
    case 'M':
        return ParseM(line);
    case 'T':
        return ParseT(line);
    case 'V':
        return ParseV(line);
    default:
        return KeywordProblem(line);
    }
}

void ApplyParsedLine(ConfigSettings& s, const ParsedLine& parsed, int sampleRateItems,
                     int wavTypeItems)
{
    for (const ConfigAssignment& a : parsed.sets) {
        TimerSettings& t = s.timers[std::clamp(a.panel, 0, 3)];
        auto clamp = [&](int lo, int hi) { return std::clamp(a.value, lo, hi); };
        switch (a.field) {
        case ConfigField::SampleRate:
            if (a.value >= 0 && a.value < sampleRateItems)
                s.sampleRate = a.value;
            break;
        case ConfigField::WavType:
            if (a.value >= 0 && a.value < wavTypeItems)
                s.wavType = a.value;
            break;
        case ConfigField::VasEnable:
            s.vasEnabled = a.value != 0;
            break;
        case ConfigField::VasOnLevel:
            s.vasOnLevel = clamp(0, 99);
            break;
        case ConfigField::VasOnTime:
            s.vasOnTime = clamp(0, 99);
            break;
        case ConfigField::VasOffLevel:
            s.vasOffLevel = clamp(0, 99);
            break;
        case ConfigField::VasOffTime:
            s.vasOffTime = clamp(0, 99);
            break;
        case ConfigField::LoopSize:
            s.loopSize = clamp(0, 4095);
            break;
        case ConfigField::LimitMax:
            s.limitMax = clamp(0, 4095);
            break;
        case ConfigField::LimitMin:
            s.limitMin = clamp(0, 16383);
            break;
        case ConfigField::TimersEnable:
            s.timersEnabled = a.value != 0;
            break;
        case ConfigField::TimerEnable:
            t.enabled = a.value != 0;
            break;
        case ConfigField::TimerMonth:
            t.month = clamp(0, 12);
            break;
        case ConfigField::TimerDay:
            t.day = clamp(0, 31);
            break;
        case ConfigField::TimerHour:
            t.hour = clamp(-1, 23);
            break;
        case ConfigField::TimerMinute:
            t.minute = clamp(-1, 59);
            break;
        case ConfigField::TimerLength:
            t.length = clamp(0, 9999);
            break;
        }
    }
}
