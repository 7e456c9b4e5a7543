#pragma once

#include <QString>

// The preferences file read and written when no other is named on the command line.
constexpr char DefaultPreferencesFileName[] = "Plimoplayer.cfg";

// Process-wide values recorded at start-up.
extern QString StartDirectory;      // the working directory at start
extern QString VersionText;         // PlimoVersionText of app/preferences/version.h
extern QString PreferencesFileName; // DefaultPreferencesFileName or the first argument
