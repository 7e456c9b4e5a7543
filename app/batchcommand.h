#pragma once

// The --write command line: options, preferences, then recorder_files/batchwrite.

class QCommandLineParser;
class QString;
class QTextStream;

// Reads the preferences as the window would start with them, for a job without a window:
// a missing file leaves the defaults, and the file is neither created nor rewritten.
void ReadCommandPreferences(const QString& fileName, QTextStream& err);

// Adds --write, --to, --clock, --no-clock and --keep-old-clock.
void AddBatchOptions(QCommandLineParser& parser);

// True when any of those options was given.
bool BatchOptionsGiven(const QCommandLineParser& parser);

// Runs --write with the preferences file read, never rewritten. Returns the exit code:
// 0 every card written, 1 nothing written (preset, options or names at fault), 2 any
// card failed.
int RunBatchCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                    QTextStream& out, QTextStream& err);
