#include "app/preferences/globals.h"

#include "app/preferences/version.h"

QString StartDirectory;
QString VersionText = QString::fromLatin1(PlimoVersionText);
QString PreferencesFileName = QString::fromLatin1(DefaultPreferencesFileName);
