#pragma once

// What the archive says it holds: the recordings each collection folder's recordings.csv
// lists, by card path, size and file time. The user's record of collections
// (collections.csv) names the folders for a card write's warning; a collect looks at its
// card's earlier collection folders beside the new one. Read, never hashed: cheap enough
// to ask before every card write. Qt Core only.

#include "recorder_files/cardfiles.h"

#include <QDate>
#include <QHash>
#include <QString>

// collections.csv beside deployments.csv, in the user's data folder.
QString DefaultCollectionRecord();

// How many recordings (*.wav files) in the card folder no collection folder named in the
// record holds by card path, size and file time (to the second). A record or a folder
// that cannot be read holds nothing. -1 when the card folder cannot be listed.
int UncollectedRecordings(const QString& card, const QString& record = DefaultCollectionRecord());

// A checked copy of a card's recording in one of its earlier collection folders.
struct ArchivedCopy {
    QString folder;    // ARCHIVE/<card>/<yyyy-MM-dd>/
    QDate date;        // the collection's, from its folder's name
    QByteArray name;   // in the folder, the system's bytes, as its SHA256SUMS lists it
    QByteArray sha256; // what SHA256SUMS and recordings.csv say of it
};

// By ArchiveKey: the copies a recording may have, newest collection first.
using ArchivedCopies = QMultiHash<QString, ArchivedCopy>;

// A card file as the lists find it: card path, size and file time (to the second).
QString ArchiveKey(const CardFile& file);

// The copies that the collections of one card dated before `before` hold: the folders
// <yyyy-MM-dd> in cardFolder (ARCHIVE/<card>/), each row of their recordings.csv whose
// copy its SHA256SUMS lists with the same SHA-256 and is there as a file of that size.
ArchivedCopies EarlierCollections(const QString& cardFolder, const QDate& before);
