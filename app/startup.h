#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QApplication;
class QMainWindow;
class QTranslator;

// Optional hooks into the run, for the benchmark build only; the shipped program
// passes none.
struct StartupHooks {
    // Called once the main window is shown, before the event loop starts.
    std::function<void(QMainWindow*)> afterShow;
};

// The program's whole run: preferences, application, main window, event loop,
// preferences written back. Returns the event loop's result.
int RunPlimoConfigurator(int argc, char** argv, const StartupHooks* hooks = nullptr);

// The steps of the run, each usable on its own.

// Reads the preferences file; creates it with the current values when it cannot be
// opened. A faulty line is reported on standard error, never in a window. Returns
// the reader's result code.
int ReadStartupPreferences(const QString& fileName);

// Installs the translation named by the Language preference. A missing file is
// reported through warn(caption, text); returns the installed translator or null.
QTranslator* InstallTranslation(QApplication& app,
                                const std::function<void(const QString&, const QString&)>& warn);

// Creates the main window with the size limits of SizeX and SizeY.
QMainWindow* CreateMainWindow();
