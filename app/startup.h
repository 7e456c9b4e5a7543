#pragma once

#include <QByteArray>
#include <QHash>
#include <QPair>
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

// What the read at start leaves for the write at exit.
struct StartupPreferences {
    int code = 0;            // the reader's result
    bool writeAtExit = true; // false: the file exists but could not be read, so it holds
                             // settings the program does not know: it is left unchanged
    // Lines refused for a key, with the key's stored value after the read: written back
    // as they were unless the value has changed since.
    QHash<QByteArray, QPair<QByteArray, QByteArray>> refusedLines;
    QByteArray cardPath; // SDpath after the read
    // The file exists but is no preferences file (it holds more than comments, and no line
    // names a preference): it is never written; looksLikeConfig: it reads as a config.ini.
    bool notPreferences = false;
    bool looksLikeConfig = false;
};

// Reads the preferences file; creates it with the current values when it is missing.
// A file that exists but cannot be read is left alone: the defaults are used and the
// reason is told. A faulty line, and names that would make a save remove its own
// config.ini, are reported on standard error, never in a window. Returns the reader's
// result code; state, when given, receives what the write at exit needs.
int ReadStartupPreferences(const QString& fileName, StartupPreferences* state = nullptr);

// What the window's status line says at start about the preferences file: that a file
// which is no preferences file is left alone; empty for a preferences file.
QString StartupNotice(const QString& fileName, const StartupPreferences& start);

// Writes the preferences file at exit (or when it was missing at start): nothing when
// it could not be read at start; refused lines whose value the user left alone stay;
// a card path the file cannot hold is not written (the one read at start stays). A
// failed write is told on standard error; returns false then.
bool WritePreferences(const QString& fileName, const StartupPreferences& start);

// Installs the translation named by the Language preference. A missing file is
// reported through warn(caption, text); returns the installed translator or null.
QTranslator* InstallTranslation(QApplication& app,
                                const std::function<void(const QString&, const QString&)>& warn);

// Creates the main window with the size limits of SizeX and SizeY.
QMainWindow* CreateMainWindow();
