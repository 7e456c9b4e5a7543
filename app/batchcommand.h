#pragma once

// The --write command line: options, preferences, then recorder_files/batchwrite.

#include "app/cardvolumes.h"

#include <functional>

class QCommandLineParser;
class QString;
class QTextStream;

// Takes out safely the cards that hold the folders: one result per folder, in order
// (the disk service's EjectCardsOfFolders in the program).
using CardEjector = std::function<QList<EjectResult>(const QStringList& folders)>;

// Adds --write, --to, --clock, --no-clock, --keep-old-clock and --eject.
void AddBatchOptions(QCommandLineParser& parser);

// True when any of those options was given.
bool BatchOptionsGiven(const QCommandLineParser& parser);

// Runs --write with the preferences file read, never rewritten; with --eject, each card
// written and verified is then ejected through eject. Returns the exit code: 0 every
// card written (and ejected), 1 nothing written (preset, options or names at fault), 2
// any card failed or stayed in.
int RunBatchCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                    QTextStream& out, QTextStream& err, const CardEjector& eject = {});
