#pragma once

// The recorder's settings, each written once: its name, its range and the value that
// stands for "any", "unlimited" or "disable". The form's controls, the config.ini
// grammar, the clamp of a read value and --check all take their numbers from here.

#include <cstddef>

enum class ConfigField {
    SampleRate, // item index 0..3
    WavType,    // item index 0..2
    VasEnable,  // 0 or 1
    VasOnLevel,
    VasOnTime,
    VasOffLevel,
    VasOffTime,
    LoopSize,
    LimitMax,
    LimitMin,
    TimersEnable, // 0 or 1
    TimerEnable,  // panel 0..3, 0 or 1
    TimerMonth,   // panel 0..3; -1 unspecified, clamped by the control
    TimerDay,
    TimerHour,
    TimerMinute,
    TimerLength,
};

struct FieldSpec {
    ConfigField field;
    const char* objectName; // the control's object name ("minut", "lenght" as they stand)
    const char* word;       // how --check and the reader's messages name it
    int minimum;            // the control's lowest value
    int maximum;            // the largest value the recorder takes
    int step;               // the spin box's single step
    int special;            // the value that means any / unlimited / disable
};

// One row per ConfigField, in the enum's order.
inline constexpr FieldSpec RecorderFields[] = {
    {ConfigField::SampleRate, "sample rate", "sample rate", 0, 3, 1, -2},
    {ConfigField::WavType, "wav type", "wav type", 0, 2, 1, -2},
    {ConfigField::VasEnable, "", "VAS", 0, 1, 1, -2},
    {ConfigField::VasOnLevel, "VAS on level", "VAS on level", 0, 99, 1, -2},
    {ConfigField::VasOnTime, "VAS on time", "VAS on time", 0, 99, 1, -2},
    {ConfigField::VasOffLevel, "VAS off level", "VAS off level", 0, 99, 1, -2},
    {ConfigField::VasOffTime, "VAS off time", "VAS off time", 0, 99, 1, -2},
    {ConfigField::LoopSize, "loop size", "loop size", 0, 4095, 20, 0},
    {ConfigField::LimitMax, "limit max", "limit max", 0, 4095, 5, 0},
    {ConfigField::LimitMin, "limit min", "limit min", 0, 16383, 20, 0},
    {ConfigField::TimersEnable, "", "timers", 0, 1, 1, -2},
    {ConfigField::TimerEnable, "", "timer", 0, 1, 1, -2},
    {ConfigField::TimerMonth, "month", "month", 0, 12, 1, 0},
    {ConfigField::TimerDay, "day", "day", 0, 31, 1, 0},
    {ConfigField::TimerHour, "hour", "hour", -1, 23, 1, -1},
    {ConfigField::TimerMinute, "minut", "minute", -1, 59, 1, -1},
    {ConfigField::TimerLength, "lenght", "length", 0, 9999, 1, 0},
};

constexpr bool FieldRowsInOrder()
{
    for (std::size_t i = 0; i < sizeof RecorderFields / sizeof RecorderFields[0]; ++i) {
        if (static_cast<std::size_t>(RecorderFields[i].field) != i)
            return false;
    }
    return true;
}
static_assert(FieldRowsInOrder(), "RecorderFields must follow the order of ConfigField");
inline constexpr int ConfigFieldCount = int(sizeof RecorderFields / sizeof RecorderFields[0]);

constexpr const FieldSpec& Field(ConfigField field)
{
    return RecorderFields[static_cast<std::size_t>(field)];
}

// The sample rates of "sample rate", by item index, with the code config.ini gives them.
struct SampleRateSpec {
    const char* code;
    int samplesPerSecond;
};
inline constexpr SampleRateSpec SampleRates[] = {
    {"6", 6000}, {"8", 8000}, {"11", 11050}, {"16", 16000}};
inline constexpr int SampleRateCount = int(sizeof SampleRates / sizeof SampleRates[0]);

// The compressions of "wav type", by item index: the word config.ini gives them and the
// bytes per second at a sample rate R, as (R * numerator) / denominator.
struct WavTypeSpec {
    const char* word;
    const char* title; // how --check names it
    int numerator;
    int denominator;
    const char* alsoRead = nullptr; // a second spelling the reader takes (the recorder's own)
};
inline constexpr WavTypeSpec WavTypes[] = {
    {"none", "none", 2, 1}, {"ulaw", "u-Law", 1, 1, "uLaw"}, {"adpcm", "ADPCM", 1, 2}};
inline constexpr int WavTypeCount = int(sizeof WavTypes / sizeof WavTypes[0]);

// The item a selection without a code or word falls back to, in the form and the writer.
inline constexpr int FallbackItem = 1;

inline constexpr int TimerCount = 4;
