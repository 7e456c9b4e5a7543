#include "app/globals.h"

#include "app/version.h"

QString StartDirectory;
QString VersionText = QString::fromLatin1(PlimoVersionText);
QString PreferencesFileName = QString::fromLatin1(DefaultPreferencesFileName);
