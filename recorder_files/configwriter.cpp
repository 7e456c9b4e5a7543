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

QByteArray TimerLine(int index, const TimerSettings& t)
{
    QByteArray out = "T" + Num(index + 1) + ",";
    if (!t.enabled)
        return out + "*,*,*\r\n";
    out += TimerFieldText(ConfigField::TimerDay, t.day) + "." +
           TimerFieldText(ConfigField::TimerMonth, t.month) + ",";
    out += TimerFieldText(ConfigField::TimerHour, t.hour) + ":" +
           TimerFieldText(ConfigField::TimerMinute, t.minute) + ",";
    out += TimerFieldText(ConfigField::TimerLength, t.length) + "\r\n";
    return out;
}

} // namespace

QByteArray FormatConfig(const ConfigSettings& s)
{
    QByteArray out;
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
        out += TimerLine(i, s.timers[i]);
    return out;
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
