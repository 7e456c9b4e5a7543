#include "app/globals.h"

QString StartDirectory;
QString VersionText = QStringLiteral("v1.4");
QString PreferencesFileName = QStringLiteral("Plimoplayer.cfg");
