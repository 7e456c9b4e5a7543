#pragma once

// The --write command line: options, preferences, then recorder_files/batchwrite.

class QCommandLineParser;
class QString;
class QTextStream;

// Adds --write, --to, --clock, --no-clock and --keep-old-clock.
void AddBatchOptions(QCommandLineParser& parser);

// True when any of those options was given.
bool BatchOptionsGiven(const QCommandLineParser& parser);

// Runs --write with the preferences file read, never rewritten. Returns the exit code:
// 0 every card written, 1 nothing written (preset, options or names at fault), 2 any
// card failed.
int RunBatchCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                    QTextStream& out, QTextStream& err);
