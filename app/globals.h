#pragma once

#include <QString>

// Process-wide values recorded at start-up.
extern QString StartDirectory;      // the working directory at start
extern QString VersionText;         // "v1.4"
extern QString PreferencesFileName; // "Plimoplayer.cfg" or the first argument
