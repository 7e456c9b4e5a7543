#include "recorder_files/configsettings.h"

#include "recorder_files/configwriter.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <iterator>

namespace
{

// Sets the member of settings that holds a spin box or check box field the way the
// control takes the value: a spin box clamps it to its range.
void Store(ConfigSettings& s, ConfigField field, int panel, int value)
{
    TimerSettings& t = s.timers[panel];
    // In the order of ConfigField; the combo boxes are set by item index instead.
    bool* const checkBoxes[] = {nullptr,          nullptr,    &s.vasEnabled, nullptr, nullptr,
                                nullptr,          nullptr,    nullptr,       nullptr, nullptr,
                                &s.timersEnabled, &t.enabled, nullptr,       nullptr, nullptr,
                                nullptr,          nullptr};
    int* const spinBoxes[] = {
        nullptr,       nullptr,     nullptr,     &s.vasOnLevel, &s.vasOnTime, &s.vasOffLevel,
        &s.vasOffTime, &s.loopSize, &s.limitMax, &s.limitMin,   nullptr,      nullptr,
        &t.month,      &t.day,      &t.hour,     &t.minute,     &t.length};
    static_assert(std::size(checkBoxes) == ConfigFieldCount &&
                  std::size(spinBoxes) == ConfigFieldCount);
    const std::size_t i = std::size_t(field);
    if (checkBoxes[i])
        *checkBoxes[i] = value != 0;
    else if (spinBoxes[i])
        *spinBoxes[i] = std::clamp(value, Field(field).minimum, Field(field).maximum);
}

// A combo box takes an item index it has and ignores any other.
void SetItem(int& item, int value, int items)
{
    if (value >= 0 && value < items)
        item = value;
}

} // namespace

bool operator==(const TimerSettings& a, const TimerSettings& b)
{
    return a.enabled == b.enabled && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.length == b.length;
}

bool operator==(const ConfigSettings& a, const ConfigSettings& b)
{
    return a.sampleRate == b.sampleRate && a.wavType == b.wavType && a.vasEnabled == b.vasEnabled &&
           a.vasOnLevel == b.vasOnLevel && a.vasOnTime == b.vasOnTime &&
           a.vasOffLevel == b.vasOffLevel && a.vasOffTime == b.vasOffTime &&
           a.loopSize == b.loopSize && a.limitMax == b.limitMax && a.limitMin == b.limitMin &&
           a.timersEnabled == b.timersEnabled &&
           std::equal(std::begin(a.timers), std::end(a.timers), std::begin(b.timers));
}

ParsedLine FitToItems(ParsedLine parsed, const ComboItems& items)
{
    for (qsizetype i = 0; i < parsed.sets.size();) {
        const ConfigAssignment& a = parsed.sets[i];
        const int count = a.field == ConfigField::SampleRate ? items.sampleRates
                          : a.field == ConfigField::WavType  ? items.wavTypes
                                                             : -1;
        if (count >= 0 && (a.value < 0 || a.value >= count)) {
            parsed.lacking.append(a);
            parsed.sets.remove(i);
        } else {
            ++i;
        }
    }
    return parsed;
}

void ApplyParsedLine(ConfigSettings& s, const ParsedLine& parsed, int sampleRateItems,
                     int wavTypeItems)
{
    for (const ConfigAssignment& a : parsed.sets) {
        if (a.field == ConfigField::SampleRate)
            SetItem(s.sampleRate, a.value, sampleRateItems);
        else if (a.field == ConfigField::WavType)
            SetItem(s.wavType, a.value, wavTypeItems);
        else
            Store(s, a.field, std::clamp(a.panel, 0, TimerCount - 1), a.value);
    }
}

ConfigReadResult
ReadConfigSettings(QIODevice& device, ConfigSettings& settings, int sampleRateItems,
                   int wavTypeItems,
                   const std::function<void(const ConfigLine&, const ParsedLine&)>& onLine)
{
    ConfigReadResult result;
    ConfigLineReader reader;
    // The line that last set each setting (field x TimerCount + panel), 0 for none.
    std::array<int, std::size_t(ConfigFieldCount * TimerCount)> setBy{};
    const auto slot = [](const ConfigAssignment& a) {
        return std::size_t(a.field) * TimerCount +
               std::size_t(std::clamp(a.panel, 0, TimerCount - 1));
    };
    const auto apply = [&](const ConfigLine& line) {
        const ParsedLine parsed =
            FitToItems(ParseConfigLine(line.text), {sampleRateItems, wavTypeItems});
        ++result.lines;
        if (!TookEffect(parsed))
            ++result.linesWithoutEffect;
        if (onLine)
            onLine(line, parsed);
        ApplyParsedLine(settings, parsed, sampleRateItems, wavTypeItems);
        for (const ConfigAssignment& a : parsed.sets) {
            if (setBy[slot(a)] != 0)
                result.setAgain << SetAgain{setBy[slot(a)], line.number, a};
            setBy[slot(a)] = line.number;
        }
    };
    char buffer[16384];
    for (;;) {
        const qint64 got = device.read(buffer, sizeof buffer);
        if (got < 0)
            result.deviceError = true;
        if (got <= 0 || !reader.Feed(buffer, got, apply))
            break;
    }
    result.stop = reader.Finish();
    result.carriageReturns = reader.CarriageReturns();
    if (!result.stop.pending.isEmpty()) { // read as a line, never applied
        ++result.lines;
        ++result.linesWithoutEffect;
    }
    const QList<ConfigAssignment> written = WrittenSettings(settings);
    result.notInFile.reserve(written.size()); // one allocation, not one each time it grows
    for (const ConfigAssignment& a : written) {
        if (setBy[slot(a)] == 0)
            result.notInFile << a;
    }
    return result;
}
