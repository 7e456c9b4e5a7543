#pragma once

// Collecting a card that comes back from the field: every file of the card (the one walk
// of its files, ListCardFiles) copied, verified and given its time on the card, into
// ARCHIVE/<card>/<date>/ with a SHA256SUMS file and a recordings.csv, and one row in
// collections.csv. Links and special files are named, never followed or opened. Nothing
// on the card changes; nothing in the archive is replaced. Qt Core only.

#include "commandline/archiveindex.h"
#include "commandline/clearcard.h"
#include "common/cardidentity.h"
#include "recorder_files/cardreport.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct CollectProgress {
    qint64 bytes = 0, totalBytes = 0; // read from the card for the copies
    int files = 0, totalFiles = 0;    // done, of the card's
};

struct CollectOptions {
    QString configName = QStringLiteral("config.ini"); // CFGname
    QString clockName = QStringLiteral("time.ini");    // TimeName
    QDate date = QDate::currentDate();                 // names the collection folder
    RecordingBounds bounds;                            // as the card report looks
    QString record;                                    // collections.csv; empty: none
    // The card's label and serial where asked already (the window asks on its own
    // thread); otherwise CardIdentityOf is asked.
    std::optional<CardIdentity> identity;
    // Told as the copy goes on; false cancels (the files verified so far stay).
    std::function<bool(const CollectProgress&)> progress;
    // Told once when another collect of the card holds its collection folder and this
    // one waits for it.
    std::function<void(const QString&)> waiting;
    // Once the collect has not failed, the recordings whose copies are verified leave the
    // card (ClearCollectedRecordings).
    bool clear = false;
};

// One file of the card and what became of it: what SHA256SUMS, recordings.csv and the
// run's figures are made from (and what a later clear of the card may trust).
struct CollectedFile {
    CardFile card;             // its path on the card (bytes), kind, size, time, measure
    QByteArray name;           // in the collection folder; empty when not collected
    QByteArray sha256;         // of the checked copy
    bool verified = false;     // a checked copy in the archive (CopyFolder) holds its bytes
    bool alreadyThere = false; // that copy was made by an earlier collect
    QString problem;           // why not collected: "a link, not collected", "Input/output error"
    // Where the copy is in an earlier collection folder of the card (ARCHIVE/<card>/<date>/,
    // the card file's bytes hashed now equal to it): that folder; empty for the collection
    // folder's own.
    QString archivedIn;
    // The collection folder that holds the copy (ending in "/").
    QString CopyFolder(const QString& collectionFolder) const;
};

// Files, bytes and playing time of one kind (copied now, already there, on the card).
struct CollectFigures {
    int files = 0;
    qint64 bytes = 0;
    qint64 milliseconds = 0;
    void Add(const CardFile& file);
};

struct CardCollection {
    QString card;                                // the card folder as given
    CardIdentity identity;                       // its volume's label and serial
    QString folder;                              // the collection folder, ARCHIVE/<card>/<date>/
    RecordingsSummary recordings;                // the walk of the card, its recordings measured
    QList<CollectedFile> files;                  // every file of the card, in the walk's order
    CollectFigures copied, alreadyThere, onCard; // this run, earlier runs, the card
    // Of alreadyThere, the recordings whose copies are in earlier collection folders (not
    // copied again), and the dates of those collections.
    CollectFigures archived;
    QList<QDate> archivedOn;
    QStringList notes;      // "A.WAV: another file has this name; collected as A (2).WAV"
    QStringList unreadable; // "sub/B.WAV: Input/output error": not collected
    QString error;          // the card or the archive failed: the rest was not collected
    bool cancelled = false;
    int stopSignal = 0;   // SIGINT or SIGTERM stopped it
    QString recordError;  // collections.csv could not be written
    CardClearing cleared; // what --clear removed from the card, and what stayed

    int Collected() const { return copied.files + alreadyThere.files; }
    // Of alreadyThere, the copies in this collection folder (made by an earlier run today).
    CollectFigures InThisFolder() const;
    int TotalFiles() const { return int(files.size()); }
    // 0 all collected (and cleared where asked), 1 a file could not be read or changed or
    // stayed on the card, 2 the card or the archive failed (or the collect was cancelled, or
    // the card could not be cleared), 128 + the signal that stopped it.
    int ExitCode() const;
    // COLLECTED (all of it), INCOMPLETE (files named below were not), FAILED, STOPPED.
    QString Verdict() const;
    // "132 recordings, 41 h 20 min, 2.10 GB into ARCHIVE/REC01_1A2B-3C4D/2026-12-08/" or
    // the reason; with --clear, what was cleared.
    QString Summary() const;
    QString CollectedSummary() const; // the same without the clearing
    // The lines below it: how many were collected before (into the collection folder, or
    // already in the archive), the notes, the unreadable, the recordings kept on the card.
    QStringList Details() const;
};

// Why the archive cannot take the card's files, or empty: inside the card (whatever path
// leads there), on the card's volume, cannot be created, cannot be written. The archive
// folder is made when it is missing.
QString ArchiveProblem(const QString& archive, const QString& card);

// The name of the card's folder in the archive: "REC01_1A2B-3C4D" from the volume's label
// and serial, else the card folder's own name; safe as a folder name.
QString CardArchiveName(const CardIdentity& identity, const QString& card);

CardCollection CollectCard(const QString& archive, const QString& card,
                           const CollectOptions& options = {});
