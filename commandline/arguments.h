#pragma once

// The program's command line: whether it asks for a terminal command (--check, --write,
// --verify, --inspect, --help, --version, or a mistake in any of them) or for the
// window, decided from the arguments alone, before any application object exists, so
// that a terminal without a display gets its answer too.

#include <QString>
#include <QStringList>

// True when the arguments ask for the window: they parse, and none of the terminal's
// options is among them. Qt's own options (-platform, -style ...) are let pass.
bool WantsWindow(const QStringList& arguments);

// The preferences file the arguments name (the first argument that is no option), or
// the default name.
QString PreferencesArgument(const QStringList& arguments);

// Runs the terminal command under a Qt Core application (no display is needed) and
// returns the exit code: an unknown option, a missing value or options that do not
// make one command are told on standard error with exit code 1.
int RunCommandLine(int argc, char** argv);
