#include "recorder_files/configwriter.h"

int WrittenSampleRateIndex(int index)
{
    return index >= 0 && index < SampleRateCount ? index : FallbackItem;
}

int WrittenWavTypeIndex(int index)
{
    return index >= 0 && index < WavTypeCount ? index : FallbackItem;
}

QByteArray TimerFieldText(ConfigField field, int value, int width)
{
    if (value <= Field(field).special)
        return QByteArray("*");
    return QByteArray::number(value).rightJustified(width, '0');
}

namespace
{

QByteArray Num(int value)
{
    return QByteArray::number(value);
}

// Appends the timer's line to out.
void AppendTimerLine(QByteArray& out, int index, const TimerSettings& t)
{
    out += 'T';
    out += Num(index + 1);
    out += ',';
    if (!t.enabled) {
        out += "*,*,*\r\n";
        return;
    }
    out += TimerFieldText(ConfigField::TimerDay, t.day);
    out += '.';
    out += TimerFieldText(ConfigField::TimerMonth, t.month);
    out += ',';
    out += TimerFieldText(ConfigField::TimerHour, t.hour);
    out += ':';
    out += TimerFieldText(ConfigField::TimerMinute, t.minute);
    out += ',';
    out += TimerFieldText(ConfigField::TimerLength, t.length);
    out += "\r\n";
}

} // namespace

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

    if (!s.timersEnabled)
        return out + "Event=key\r\n";
    out += "Event=all\r\n";
    for (int i = 0; i < TimerCount; ++i)
        AppendTimerLine(out, i, s.timers[i]);
    return out;
}

QList<ConfigAssignment> WrittenSettings(const ConfigSettings& s)
{
    QList<ConfigAssignment> written{{ConfigField::SampleRate, 0, s.sampleRate},
                                    {ConfigField::WavType, 0, s.wavType},
                                    {ConfigField::VasEnable, 0, int(s.vasEnabled)}};
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
