#pragma once

// One file copied from a card into the archive so that the archive only ever holds
// whole, checked copies under their names: hashed (SHA-256) while it is read from the
// card, written under a temporary name of this process's own, pushed to the disk, read
// back from there and hashed again, given the card file's time, and renamed only when
// both hashes agree and the card file is as it was when the copy began. A file of the
// same name that is already there is never replaced. Names are the system's bytes.

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <functional>

// Told the bytes read from the card for the copy since the last call; false stops it.
using CopyStep = std::function<bool(qint64 bytes)>;

struct FileCopy {
    enum Outcome { Copied, AlreadyThere, Archived, Unreadable, Changed, ArchiveFailed, Cancelled };
    Outcome outcome = Unreadable;
    QByteArray name;        // the name it has in the archive, relative to the folder
    QByteArray sha256;      // hex digest of the copy
    qint64 bytes = 0;       // its size
    qint64 modified = 0;    // the card file's modification time (ns since 1970), the copy's too
    QString error;          // why not (Unreadable, ArchiveFailed)
    bool shortened = false; // its name was too long for the archive and was cut
};

// How much of a file is held in memory at once.
constexpr qint64 CopyChunkBytes = 1 << 20;

// The files a collection folder holds of its own, whose names a card's file never takes.
constexpr char ChecksumFileName[] = "SHA256SUMS";
constexpr char RecordingListName[] = "recordings.csv";

// Copies source to folder + relative ("sub/A.WAV"; the folders are made; folder ends in
// "/"). Where another file has that name (or it is one of the collection folder's own),
// the copy is named "sub/A (2).WAV" (the first free number); where one of them holds the
// same bytes, nothing is copied (AlreadyThere). A file name longer than the archive takes
// is cut to fit before its extension (shortened). Where the source's SHA-256 (read before
// the copy) is one of archived, the hashes of its copies elsewhere, nothing is copied
// either (Archived, with sha256 the source's).
FileCopy CopyVerified(const QByteArray& source, const QByteArray& folder,
                      const QByteArray& relative, const CopyStep& step,
                      const QByteArrayList& archived = {});

// True for the name of a temporary copy ("sub/.4711.3.collecting"), which only a copy
// under way or one stopped by a kill leaves.
bool IsPartialCopyName(const QByteArray& name);

// The SHA-256 of a regular file in hex (never through a link), read in chunks; empty with
// *error when it cannot be read.
QByteArray HashOfFile(const QByteArray& fileName, QString* error);
