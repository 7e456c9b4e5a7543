#pragma once

// Restoring the program's default preferences between test cases.

#include "app/preferences/preferences.h"

// Preferences holds its defaults from constant initialisation on, so this copy, made by a
// dynamic initialiser before main(), holds them too.
inline const PreferenceValues StartPreferences = Preferences;

inline void ResetPreferences()
{
    Preferences = StartPreferences;
}
