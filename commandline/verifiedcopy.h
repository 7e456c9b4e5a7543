#pragma once

// One file copied from a card into the archive so that the archive only ever holds
// whole, checked copies under their names: hashed (SHA-256) while it is read from the
// card, written under a temporary name, pushed to the disk, read back from there and
// hashed again, and renamed only when both hashes agree. A file of the same name that
// is already there is never replaced.

#include <QByteArray>
#include <QString>

#include <functional>

// Told the bytes read from the card for the copy since the last call; false stops it.
using CopyStep = std::function<bool(qint64 bytes)>;

struct FileCopy {
    enum Outcome { Copied, AlreadyThere, Unreadable, ArchiveFailed, Cancelled };
    Outcome outcome = Unreadable;
    QString name;      // the name it has in the archive, relative to the folder
    QByteArray sha256; // hex digest of the copy
    qint64 bytes = 0;  // its size
    QString error;     // why not (Unreadable, ArchiveFailed)
};

// How much of a file is held in memory at once.
constexpr qint64 CopyChunkBytes = 1 << 20;

// Copies source to folder + relative ("sub/A.WAV"; the folders are made). Where another
// file has that name, the copy is named "sub/A (2).WAV" (the first free number); where
// one of them holds the same bytes, nothing is copied (AlreadyThere).
FileCopy CopyVerified(const QString& source, const QString& folder, const QString& relative,
                      const CopyStep& step);

// The temporary name a copy is written under before it is checked: a hidden name beside
// the real one, the same on every run, so that a rerun starts a cut-off copy afresh.
QString PartialCopyName(const QString& target);

// The SHA-256 of a file in hex, read in chunks; empty with *error when it cannot be read.
QByteArray HashOfFile(const QString& fileName, QString* error, const CopyStep& step = {});
