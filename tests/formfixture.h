#pragma once

// Preferences for building an editor form in a test: the program's defaults with a
// card folder that holds no configuration file.

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "preferencedefaults.h"

#include <QString>
#include <cstring>

inline void SetList(char (*list)[8], std::initializer_list<const char*> entries)
{
    std::memset(list, 0, 8 * 8);
    int i = 0;
    for (const char* entry : entries)
        std::strncpy(list[i++], entry, 7);
}

inline void UseFormPreferences(const QString& cardPath)
{
    ResetPreferences();
    std::strcpy(Preferences.CodeTable, "CP1251");
    std::strcpy(Preferences.CFGname, "config.ini");
    std::strcpy(Preferences.TimeName, "time.ini");
    SetPrefText(Preferences.SDpath, int(sizeof Preferences.SDpath), cardPath);
    SetList(Preferences.HMode, {"none", "u-Law", "ADPCM"});
    SetList(Preferences.HSample, {"6000", "8000", "11050"});
    Preferences.ToolTip = 1;
    Preferences.SetTime = 1;
    Preferences.DelOldTime = 1;
    Preferences.ManualTime = 0;
}
