// Placeholder until the preferences module lands.
#include "app/preferences.h"

#include <cstring>

PreferenceValues Preferences;
QString ErrorText;
const PreferenceRow PreferenceTable[] = {{"", 0, 0, 0, nullptr, nullptr, 0, 0}};

void ResetPreferences()
{
    std::memset(&Preferences, 0, sizeof Preferences);
}

struct PreferenceFile::Private {
};
PreferenceFile::PreferenceFile(const PreferenceRow*) : d(new Private) {}
PreferenceFile::~PreferenceFile()
{
    delete d;
}
int PreferenceFile::Read(const QString&)
{
    return 1;
}
int PreferenceFile::Write(const QString&)
{
    return 1;
}
