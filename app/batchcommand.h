#pragma once

// The card commands --write, --verify and --inspect: options, preferences, then
// recorder_files/batchwrite, cardverify and cardreport.

class QCommandLineParser;
class QString;
class QTextStream;

// Adds --write, --to, --clock, --no-clock, --keep-old-clock, --record, --verify and
// --inspect.
void AddBatchOptions(QCommandLineParser& parser);

// True when any of those options was given.
bool BatchOptionsGiven(const QCommandLineParser& parser);

// Runs the command with the preferences file read, never rewritten. Returns the exit
// code. --write: 0 every card written, 1 nothing written (preset, options or names at
// fault), 2 any card failed. --verify: 0 every card the same, 1 any differs, 2 any
// failed. --inspect: 0 all readable, 1 a recording or config.ini unreadable, 2 the
// folder unreadable.
int RunBatchCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                    QTextStream& out, QTextStream& err);
