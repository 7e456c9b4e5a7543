#include "recorder_files/configwriter.h"

#include "common/decimal.h"

int WrittenSampleRateIndex(int index)
{
    return index >= 0 && index < SampleRateCount ? index : FallbackItem;
}

int WrittenWavTypeIndex(int index)
{
    return index >= 0 && index < WavTypeCount ? index : FallbackItem;
}

namespace
{

// Appends value in decimal, with zeros in front up to width characters; no text is made
// on the way.
void AppendNumber(QByteArray& out, int value, int width = 0)
{
    const Decimal number(value);
    const QLatin1String digits = number.text();
    for (qsizetype pad = width - digits.size(); pad > 0; --pad)
        out += '0';
    out += QByteArrayView(digits.data(), digits.size());
}

// Appends a line's two numbers, "a,b".
void AppendPair(QByteArray& out, int a, int b)
{
    AppendNumber(out, a);
    out += ',';
    AppendNumber(out, b);
}

// Appends the timer's line to out.
void AppendTimerLine(QByteArray& out, int index, const TimerSettings& t)
{
    out += 'T';
    AppendNumber(out, index + 1);
    out += ',';
    if (!t.enabled) {
        out += "*,*,*\r\n";
        return;
    }
    AppendTimerField(out, ConfigField::TimerDay, t.day);
    out += '.';
    AppendTimerField(out, ConfigField::TimerMonth, t.month);
    out += ',';
    AppendTimerField(out, ConfigField::TimerHour, t.hour);
    out += ':';
    AppendTimerField(out, ConfigField::TimerMinute, t.minute);
    out += ',';
    AppendTimerField(out, ConfigField::TimerLength, t.length);
    out += "\r\n";
}

} // namespace

void AppendTimerField(QByteArray& out, ConfigField field, int value, int width)
{
    if (value <= Field(field).special)
        out += '*';
    else
        AppendNumber(out, value, width);
}

QByteArray TimerFieldText(ConfigField field, int value, int width)
{
    QByteArray text;
    AppendTimerField(text, field, value, width);
    return text;
}

QByteArray FormatConfig(const ConfigSettings& s)
{
    QByteArray out;
    out.reserve(256); // a file with every timer written is about 200 bytes
    out += "M,";
    out += SampleRates[WrittenSampleRateIndex(s.sampleRate)].code;
    out += ",";
    out += WavTypes[WrittenWavTypeIndex(s.wavType)].word;
    out += "\r\n";

    if (s.vasEnabled) {
        out += "VAS=on\r\n";
        out += "VASon=";
        AppendPair(out, s.vasOnLevel, s.vasOnTime);
        out += "\r\n";
        out += "VASoff=";
        AppendPair(out, s.vasOffLevel, s.vasOffTime);
        out += "\r\n";
    } else {
        out += "VAS=off\r\n";
    }

    if (s.loopSize == 0) {
        out += "Loop=none\r\n";
    } else {
        out += "Loop=";
        AppendNumber(out, s.loopSize);
        out += "\r\n";
    }

    // The maximum (Mb) comes first, the minimum (kb) second.
    out += "Limit=";
    AppendPair(out, s.limitMax, s.limitMin);
    out += "\r\n";

    if (!s.timersEnabled) {
        out += "Event=key\r\n";
        return out;
    }
    out += "Event=all\r\n";
    for (int i = 0; i < TimerCount; ++i)
        AppendTimerLine(out, i, s.timers[i]);
    return out;
}

QList<ConfigAssignment> WrittenSettings(const ConfigSettings& s)
{
    QList<ConfigAssignment> written;
    written.reserve(ConfigFieldCount * TimerCount); // room for every setting the file holds
    written << ConfigAssignment{ConfigField::SampleRate, 0, s.sampleRate}
            << ConfigAssignment{ConfigField::WavType, 0, s.wavType}
            << ConfigAssignment{ConfigField::VasEnable, 0, int(s.vasEnabled)};
    if (s.vasEnabled)
        written << ConfigAssignment{ConfigField::VasOnLevel, 0, s.vasOnLevel}
                << ConfigAssignment{ConfigField::VasOnTime, 0, s.vasOnTime}
                << ConfigAssignment{ConfigField::VasOffLevel, 0, s.vasOffLevel}
                << ConfigAssignment{ConfigField::VasOffTime, 0, s.vasOffTime};
    written << ConfigAssignment{ConfigField::LoopSize, 0, s.loopSize}
            << ConfigAssignment{ConfigField::LimitMax, 0, s.limitMax}
            << ConfigAssignment{ConfigField::LimitMin, 0, s.limitMin}
            << ConfigAssignment{ConfigField::TimersEnable, 0, int(s.timersEnabled)};
    for (int i = 0; s.timersEnabled && i < TimerCount; ++i) {
        const TimerSettings& t = s.timers[i];
        written << ConfigAssignment{ConfigField::TimerEnable, i, int(t.enabled)};
        if (t.enabled)
            written << ConfigAssignment{ConfigField::TimerMonth, i, t.month}
                    << ConfigAssignment{ConfigField::TimerDay, i, t.day}
                    << ConfigAssignment{ConfigField::TimerHour, i, t.hour}
                    << ConfigAssignment{ConfigField::TimerMinute, i, t.minute}
                    << ConfigAssignment{ConfigField::TimerLength, i, t.length};
    }
    return written;
}

QList<int> TimersNotRun(const ConfigSettings& s)
{
    QList<int> notRun;
    if (!s.timersEnabled)
        return notRun;
    const auto any = [](ConfigField field, int value) { return value <= Field(field).special; };
    for (int i = 0; i < TimerCount; ++i) {
        const TimerSettings& t = s.timers[i];
        if (t.enabled && any(ConfigField::TimerDay, t.day) &&
            any(ConfigField::TimerMonth, t.month) && any(ConfigField::TimerHour, t.hour) &&
            any(ConfigField::TimerMinute, t.minute))
            notRun << i;
    }
    return notRun;
}
