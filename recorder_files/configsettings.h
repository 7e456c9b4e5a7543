#pragma once

// The recorder configuration as plain values, and reading a config.ini into them the
// way the form's controls take each line. The form snapshots its controls into a
// ConfigSettings for writing and sets them from one after reading.

#include "app/preferences/comboitems.h"
#include "recorder_files/configgrammar.h"
#include "recorder_files/configlines.h"
#include "recorder_files/recorderfields.h"

#include <functional>

class QIODevice;

struct TimerSettings {
    bool enabled = false;
    int month = 1;  // 0 any month
    int day = 1;    // 0 any day
    int hour = 1;   // -1 any hour
    int minute = 1; // -1 any minute
    int length = 1; // minutes, 0 unlimited
};

bool operator==(const TimerSettings& a, const TimerSettings& b);
inline bool operator!=(const TimerSettings& a, const TimerSettings& b)
{
    return !(a == b);
}

// What the form holds of the recorder configuration, in the controls' units.
struct ConfigSettings {
    int sampleRate = 1; // item index of "sample rate"
    int wavType = 1;    // item index of "wav type"
    bool vasEnabled = false;
    int vasOnLevel = 1;
    int vasOnTime = 1;
    int vasOffLevel = 1;
    int vasOffTime = 1;
    int loopSize = 0; // Mb, 0 = loop writing off
    int limitMax = 0; // Mb, 0 = disable
    int limitMin = 0; // kb, 0 = disable
    bool timersEnabled = false;
    TimerSettings timers[TimerCount];
};

// Equal when the same config.ini would be written and read from both.
bool operator==(const ConfigSettings& a, const ConfigSettings& b);
inline bool operator!=(const ConfigSettings& a, const ConfigSettings& b)
{
    return !(a == b);
}

// The line as a form with these lists takes it: an item a list lacks moves from sets
// to lacking. Every reader (the form, --check, --write) decides with this.
ParsedLine FitToItems(ParsedLine parsed, const ComboItems& items);

// Applies a result to settings the way the form's controls take it: spin values are
// clamped to the controls' ranges and a combo index beyond the item count is ignored.
void ApplyParsedLine(ConfigSettings& settings, const ParsedLine& parsed, int sampleRateItems,
                     int wavTypeItems);

// A setting that a later line of the file sets again: the later line wins.
struct SetAgain {
    int firstLine = 0; // the line that set it before
    int line = 0;      // the line that sets it again
    ConfigAssignment setting;
};

struct ConfigReadResult {
    ReadStopInfo stop;
    qint64 carriageReturns = 0; // in the bytes read up to where the reading stopped
    // Lines of the file up to where the reading stopped, the one it stopped in (an
    // unfinished or too long line, which is not applied) included: the one count that
    // --check and the load report give.
    int lines = 0;
    int linesWithoutEffect = 0; // of them, lines that did not do all they ask
    bool deviceError = false;   // the device failed: settings hold the lines read before
    // Settings the file would hold if saved that no line of it set: they keep the values
    // the settings had before the read.
    QList<ConfigAssignment> notInFile;
    QList<SetAgain> setAgain; // in the order of the lines that set them again
};

// Reads a whole config.ini from device into settings, line by line as the recorder
// does, and stops reading the device where the recorder stops. onLine, when given,
// sees each line with what it sets before it is applied.
ConfigReadResult
ReadConfigSettings(QIODevice& device, ConfigSettings& settings, int sampleRateItems,
                   int wavTypeItems,
                   const std::function<void(const ConfigLine&, const ParsedLine&)>& onLine = {});
