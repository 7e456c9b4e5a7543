#pragma once

// The card commands --write, --verify and --inspect: options, preferences, then
// recorder_files/batchwrite, cardverify and cardreport.

#include "card/cardvolumes.h"
#include "common/cardidentity.h"
#include "recorder_files/batchwrite.h"

#include <functional>
#include <optional>

class QCommandLineParser;
class QString;
class QTextStream;

// Reads the preferences as the window would start with them, for a job without a window:
// a missing file leaves the defaults, and the file is neither created nor rewritten.
void ReadCommandPreferences(const QString& fileName, QTextStream& err);

// Takes out safely the cards that hold the folders: one result per folder, in order
// (the disk service's EjectCardsOfFolders in the program).
using CardEjector = std::function<QList<EjectResult>(const QStringList& folders)>;

// What the disk service tells of the volumes (asked once, when first needed); null when
// it does not answer.
using DiskSource = std::function<const QList<DiskVolume>*()>;

// What the record of a card write needs besides the card: the same for every card of a
// run.
struct CardWriteContext {
    QString recordFile;   // deployments.csv, or --record's
    QString settingsFile; // the preset, or the form's settings file
    DiskSource disks;     // which volumes are cards, for the warnings and the record
    // The card's label and serial where the caller knows them (the window asks the disk
    // service on its own thread); otherwise CardIdentityOf is asked.
    std::optional<CardIdentity> identity;
};

// One card of --write and of the window's Cards: WriteOneCard, then for a card written
// "WARNING DIR: why" for a folder the recorder will not read (CardTargetOf) and for a card
// full before CardFullDays, then the card's row in the record (recordError when it cannot
// be written: the card's result stays).
CardWritten WriteAndRecordCard(const QString& folder, const PreparedWrite& prepared,
                               const CardWriteContext& context);

// Adds --write, --to, --clock, --no-clock, --keep-old-clock, --eject, --record, --verify
// and --inspect.
void AddBatchOptions(QCommandLineParser& parser);

// True when any of those options was given.
bool BatchOptionsGiven(const QCommandLineParser& parser);

// Why the options given do not make one command (--check among them); empty when they do.
QString CommandError(const QCommandLineParser& parser);

// Runs the command with the preferences file read, never rewritten. Returns the exit
// code. --write: 0 every card written (and, with --eject, ejected), 1 nothing written
// (preset, options or names at fault), 2 any card failed or stayed in; with --eject each
// card written and verified is then ejected through eject. Options that do not make one
// command: 1 for every command. --verify: 0 every card the
// same, 1 any differs, 2 any failed. --inspect: 0 all readable, 1 a recording or
// config.ini unreadable, 2 the folder unreadable.
// After each card written, a line "WARNING <folder>: <why>" for a folder the recorder
// will not read (CardTargetOf, with disks) and for a card full before CardFullDays.
int RunBatchCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                    QTextStream& out, QTextStream& err, const CardEjector& eject = {},
                    const DiskSource& disks = {});
