// The keys of the preferences file, the values they hold and their defaults.

#include "app/preferences/preferences.h"

namespace
{

// The defaults; Preferences is constant-initialised from the same values, so it holds them
// before any other static initialiser runs.
constexpr PreferenceValues DefaultPreferences = {
    0,
    "CP1251",
    "",
    "",
    "config.ini",
    "time.ini",
    {"6000", "8000", "11050", "", "", "", "", ""},
    {"none", "u-Law", "ADPCM", "", "", "", "", ""},
    0,
    0,
    1,
    1,
    1,
    0,
    0,
    "",
};

} // namespace

PreferenceValues Preferences = DefaultPreferences;

const PreferenceRow PreferenceTable[] = {
    {"Debug", KindInteger, 0, 9, &Preferences.Debug, nullptr, 0, Unsigned | NotWritten},
    {"CodeTable", KindText, 0, 32, Preferences.CodeTable, nullptr, 0, 0},
    {"Language", KindText, 0, 254, Preferences.Language, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"SDpath", KindText, 0, 254, Preferences.SDpath, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"CFGname", KindText, 0, 254, Preferences.CFGname, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"TimeName", KindText, 0, 254, Preferences.TimeName, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"HSample", KindText, 0, 7, Preferences.HSample, nullptr, 7, 0},
    {"HMode", KindText, 0, 7, Preferences.HMode, nullptr, 7, 0},
    {"SizeX", KindInteger, 0, 2000, &Preferences.SizeX, nullptr, 0, Unsigned},
    {"SizeY", KindInteger, 0, 2000, &Preferences.SizeY, nullptr, 0, Unsigned},
    {"ToolTip", KindInteger, 0, 1, &Preferences.ToolTip, nullptr, 0, Unsigned},
    {"SetTime", KindInteger, 0, 1, &Preferences.SetTime, nullptr, 0, Unsigned},
    {"DelOldTime", KindInteger, 0, 1, &Preferences.DelOldTime, nullptr, 0, Unsigned},
    {"ManualTime", KindInteger, 0, 1, &Preferences.ManualTime, nullptr, 0, Unsigned},
    {"ShiftTime", KindInteger, 0, 999, &Preferences.ShiftTime, nullptr, 0, Unsigned},
    // A warning when the card is full sooner; written only when set, like the file has it.
    {"CardFullDays", KindText, 0, 4, Preferences.CardFullDays, nullptr, 0, SkipEmptyElements},
    {"", 0, 0, 0, nullptr, nullptr, 0, 0},
};

int PreferenceListItems(const char (*list)[8])
{
    int items = 0;
    while (items < 8 && list[items][0] != '\0')
        ++items;
    return items;
}

ComboItems PreferenceComboItems()
{
    return {PreferenceListItems(Preferences.HSample), PreferenceListItems(Preferences.HMode)};
}
