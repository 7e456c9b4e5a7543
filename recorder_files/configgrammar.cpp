#include "recorder_files/configgrammar.h"

#include "recorder_files/configkeywords.h"

#include <cstdlib>

namespace
{

char At(const QByteArray& line, int pos)
{
    return pos >= 0 && pos < line.size() ? line.at(pos) : '\0';
}

bool IsTerminator(const QByteArray& line, int pos, char terminator)
{
    if (terminator == '\0')
        return pos >= line.size();
    return At(line, pos) == terminator;
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
        return WithIssue(LineIssue::UnknownValue, line.mid(6), "key, all or timer");
    return KeywordProblem(line);
}

ParsedLine ParseLoop(const QByteArray& line)
{
    if (line == "Loop=none")
        return Sets({{ConfigField::LoopSize, 0, 0}});
    const int maximum = Field(ConfigField::LoopSize).maximum;
    const NumberRead n = ReadNumber(line, 5);
    if (n.digits == 0)
        return WithIssue(LineIssue::UnknownValue, line.mid(5),
                         "none or a size from 1 to " + QByteArray::number(maximum));
    if (n.value == 0)
        return WithIssue(LineIssue::LoopZero);
    if (n.value > maximum)
        return AboveLimit(ConfigField::LoopSize, n.value);
    ParsedLine p = Sets({{ConfigField::LoopSize, 0, n.value}});
    if (5 + n.digits < line.size()) {
        p.issue = LineIssue::IgnoredTail;
        p.word = line.mid(5 + n.digits);
    }
    return p;
}

// One limit field: "*" or the digit 0 for no limit, or one to five digits.
bool ReadLimitField(const QByteArray& line, int* pos, int* value)
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
    if (!ReadLimitField(line, &pos, &max))
        return Malformed(line, form, pos);
    if (At(line, pos) != ',')
        return Malformed(line, form, pos);
    ++pos;
    if (!ReadLimitField(line, &pos, &min))
        return Malformed(line, form, pos);
    if (pos != line.size())
        return Malformed(line, form, pos);
    if (max > Field(ConfigField::LimitMax).maximum)
        return AboveLimit(ConfigField::LimitMax, max);
    if (min > Field(ConfigField::LimitMin).maximum)
        return AboveLimit(ConfigField::LimitMin, min);
    return Sets({{ConfigField::LimitMax, 0, max}, {ConfigField::LimitMin, 0, min}});
}

ParsedLine ParseLoopOrLimit(const QByteArray& line)
{
    if (line.startsWith("Loop="))
        return ParseLoop(line);
    if (line.startsWith("Limit="))
        return ParseLimit(line);
    return KeywordProblem(line);
}

// The item index of the sample rate whose code has the value, or -1.
int SampleRateWithCode(int code)
{
    for (int i = 0; i < SampleRateCount; ++i) {
        if (std::atoi(SampleRates[i].code) == code)
            return i;
    }
    return -1;
}

// The item index of the WAV type the word names, or -1.
int WavTypeWithWord(const QByteArray& word)
{
    for (int i = 0; i < WavTypeCount; ++i) {
        if (word == WavTypes[i].word || (WavTypes[i].alsoRead && word == WavTypes[i].alsoRead))
            return i;
    }
    return -1;
}

// "M,rate,type": the sample rate by its code, then the WAV type by its word.
ParsedLine ParseSampleRateAndType(const QByteArray& line)
{
    if (At(line, 1) != ',')
        return KeywordProblem(line);
    const NumberRead code = ReadTwoDigits(line, 2, ',');
    const int rate = code.digits == 0 ? -1 : SampleRateWithCode(code.value);
    if (rate < 0) {
        const int end = line.indexOf(',', 2);
        return WithIssue(LineIssue::UnknownRateCode, line.mid(2, end < 0 ? -1 : end - 2),
                         RateCodeList());
    }
    ParsedLine p = Sets({{ConfigField::SampleRate, 0, rate}});
    // The type word stands where the code ends as it is written, whatever digits were used.
    const QByteArray word = line.mid(3 + int(qstrlen(SampleRates[rate].code)));
    const int type = WavTypeWithWord(word);
    if (type < 0) {
        p.issue = LineIssue::UnknownWavType;
        p.word = word;
        p.expected = TypeWordList();
    } else {
        p.sets.append({ConfigField::WavType, 0, type});
    }
    return p;
}

// A two-digit VAS figure that failed: too many digits, or not a number at all.
ParsedLine VasFigureProblem(const QByteArray& line, int pos, ConfigField field, const char* form)
{
    const NumberRead n = ReadNumber(line, pos);
    if (n.digits > 2 && (pos + n.digits == line.size() || At(line, pos + n.digits) == ','))
        return AboveLimit(field, n.value);
    return Malformed(line, form, pos);
}

ParsedLine ParseVas(const QByteArray& line)
{
    if (At(line, 1) != 'A' || At(line, 2) != 'S')
        return KeywordProblem(line);
    if (line == "VAS=on")
        return Sets({{ConfigField::VasEnable, 0, 1}});
    if (line == "VAS=off")
        return Sets({{ConfigField::VasEnable, 0, 0}});
    if (line.startsWith("VAS="))
        return WithIssue(LineIssue::UnknownValue, line.mid(4), "on or off");

    const bool on = line.startsWith("VASon=");
    if (!on && !line.startsWith("VASoff="))
        return KeywordProblem(line);
    const char* form = on ? "VASon=level,time" : "VASoff=level,time";
    const ConfigField levelField = on ? ConfigField::VasOnLevel : ConfigField::VasOffLevel;
    const ConfigField timeField = on ? ConfigField::VasOnTime : ConfigField::VasOffTime;
    const int pos = on ? 6 : 7;
    const NumberRead level = ReadTwoDigits(line, pos, ',');
    if (level.digits == 0)
        return VasFigureProblem(line, pos, levelField, form);
    const int timePos = pos + level.digits + 1;
    const NumberRead time = ReadTwoDigits(line, timePos, '\0');
    if (time.digits == 0)
        return VasFigureProblem(line, timePos, timeField, form);
    return Sets({{levelField, 0, level.value}, {timeField, 0, time.value}});
}

// A day, month, hour or minute field: "*" or one or two digits before the terminator.
bool ReadTimerField(const QByteArray& line, int pos, char terminator, int* value)
{
    if (At(line, pos) == '*') {
        *value = Unspecified;
        return true;
    }
    const NumberRead n = ReadTwoDigits(line, pos, terminator);
    *value = n.value;
    return n.digits != 0;
}

struct TimerFields {
    int day = Unspecified;
    int month = Unspecified;
    int hour = Unspecified;
    int minute = Unspecified;
    int length = 0;
    bool shortDate = false; // the date was a single "*"
    bool shortTime = false; // the time was a single "*"
    QByteArray tail;        // what follows the length's digits
};

// The fields after "Tn,". Returns the column where the reading failed, or -1.
int ReadTimerFields(const QByteArray& line, TimerFields& f)
{
    int p = 3;
    if (!ReadTimerField(line, p, '.', &f.day))
        return p;
    p = At(line, 4) == ',' || At(line, 4) == '.' ? 5 : 6;

    f.shortDate = At(line, p - 1) == ',';
    if (!f.shortDate) {
        if (!ReadTimerField(line, p, ',', &f.month))
            return p;
        p += At(line, p + 1) == ',' ? 2 : 3;
    }

    if (!ReadTimerField(line, p, ':', &f.hour))
        return p;
    p += At(line, p + 1) == ',' || At(line, p + 1) == ':' ? 2 : 3;

    f.shortTime = At(line, p - 1) == ',';
    if (!f.shortTime) {
        if (!ReadTimerField(line, p, ',', &f.minute))
            return p;
        p += At(line, p + 1) == ',' ? 2 : 3;
    }

    if (At(line, p) == '*')
        return p + 1 == line.size() ? -1 : p + 1;
    const NumberRead length = ReadNumber(line, p, 4); // four digits at most
    if (length.digits == 0)
        return p;
    f.length = length.value;
    f.tail = line.mid(p + length.digits);
    return -1;
}

ParsedLine ParseTimerOrTune(const QByteArray& line)
{
    if (line.startsWith("Tune="))
        return WithIssue(LineIssue::NotUsed, "Tune");
    const char c1 = At(line, 1);
    if (!IsDigit(c1) || c1 == '0' || At(line, 2) != ',') {
        int end = 1;
        while (IsDigit(At(line, end)))
            ++end;
        if (end > 1 && At(line, end) == ',')
            return WithIssue(LineIssue::TimerDoesNotExist, line.mid(1, end - 1), QByteArray(),
                             line.mid(1, end - 1).toInt());
        return KeywordProblem(line);
    }
    const int n = c1 - '0';
    if (n > TimerCount)
        return WithIssue(LineIssue::TimerDoesNotExist, line.mid(1, 1), QByteArray(), n);

    TimerFields f;
    const int failedAt = ReadTimerFields(line, f);
    if (failedAt >= 0)
        return Malformed(line, TimerLineForm, failedAt);
    ParsedLine result = SetTimerEvent(n - 1, f.day, f.month, f.hour, f.minute, f.length);
    // "T1,*,*,*" is how a switched-off timer is written: switching it off is what it asks.
    if (result.issue == LineIssue::TimerAllUnspecified && f.shortDate && f.shortTime)
        result.issue = LineIssue::None;
    if (result.issue == LineIssue::None && !f.tail.isEmpty()) {
        result.issue = LineIssue::IgnoredTail;
        result.word = f.tail;
    }
    return result;
}

} // namespace

bool TookEffect(const ParsedLine& parsed)
{
    return (parsed.issue == LineIssue::None || parsed.issue == LineIssue::IgnoredTail) &&
           parsed.lacking.isEmpty();
}

NumberRead ReadTwoDigits(const QByteArray& line, int pos, char terminator)
{
    if (!IsDigit(At(line, pos)))
        return {};
    const int first = At(line, pos) - '0';
    if (IsTerminator(line, pos + 1, terminator))
        return {first, 1};
    if (IsDigit(At(line, pos + 1)) && IsTerminator(line, pos + 2, terminator))
        return {first * 10 + (At(line, pos + 1) - '0'), 2};
    return {};
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
    if (index < 0 || index >= TimerCount) {
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
        ConfigField field;
        int value;
    } fields[] = {{ConfigField::TimerDay, day},
                  {ConfigField::TimerMonth, month},
                  {ConfigField::TimerHour, hour},
                  {ConfigField::TimerMinute, minute}};
    for (const auto& f : fields) {
        if (f.value > Field(f.field).maximum) {
            p.sets = {{ConfigField::TimerEnable, index, 0}};
            p.issue = LineIssue::TimerOutOfRange;
            p.word = Field(f.field).word;
            p.value = f.value;
            p.limit = Field(f.field).maximum;
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
        return ParseLoopOrLimit(line);
    case 'M':
        return ParseSampleRateAndType(line);
    case 'T':
        return ParseTimerOrTune(line);
    case 'V':
        return ParseVas(line);
    default:
        return KeywordProblem(line);
    }
}
