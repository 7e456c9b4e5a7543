#pragma once

// Collecting a card that comes back from the field: every recording (as the card report
// finds them) and the card's config.ini, time.ini and time.ok copied, verified, into
// ARCHIVE/<card>/<date>/ with a SHA256SUMS file, and one row in collections.csv. Nothing
// on the card changes; nothing in the archive is replaced. Qt Core only.

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
};

struct CardCollection {
    QString card;          // the card folder as given
    CardIdentity identity; // its volume's label and serial
    QString folder;        // the collection folder, ARCHIVE/<card>/<date>/
    RecordingsSummary recordings;
    int files = 0, totalFiles = 0; // in the archive now, of those found
    int alreadyThere = 0;          // of them, collected before
    qint64 bytes = 0;              // of the files in the archive
    QStringList notes;             // "A.WAV: another file has this name; collected as A (2).WAV"
    QStringList unreadable;        // "sub/B.WAV: Input/output error": not collected
    QString error;                 // the card or the archive failed: the rest was not collected
    bool cancelled = false;
    QString recordError; // collections.csv could not be written

    // 0 all collected, 1 a file could not be read, 2 the card or the archive failed.
    int ExitCode() const;
    // "132 recordings, 41 h 20 min, 2.10 GB into ARCHIVE/REC01_1A2B-3C4D/2026-12-08/" or
    // the reason.
    QString Summary() const;
    // The lines below it: how many were collected before, the notes, the unreadable.
    QStringList Details() const;
};

// Why the archive cannot take the card's files, or empty: on the card's volume, cannot
// be created, cannot be written. The archive folder is made when it is missing.
QString ArchiveProblem(const QString& archive, const QString& card);

// The name of the card's folder in the archive: "REC01_1A2B-3C4D" from the volume's label
// and serial, else the card folder's own name; safe as a folder name.
QString CardArchiveName(const CardIdentity& identity, const QString& card);

CardCollection CollectCard(const QString& archive, const QString& card,
                           const CollectOptions& options = {});

// collections.csv beside deployments.csv, in the user's data folder.
QString DefaultCollectionRecord();
