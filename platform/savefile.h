#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// Outcome of writing or reading one file; error is the system's reason when ok is false.
struct FileResult {
    bool ok = false;
    QString error;
};

// Writes bytes to a file so that the file stays what it was: through a temporary file
// that replaces the old one only when every byte has reached the disk (a full or pulled
// card keeps the old file), or in place where a replacement would change the file's
// owner or split it from its other names, or where the folder may not be written: in
// place the file is never cut first, and a failure puts its old bytes back. A device is
// written in place; a pipe or socket is refused. The file is then pushed to its medium
// and read back from there and compared with the bytes meant for it. Every failure
// carries the system's reason.
// Once the file is written, the temporary files an interrupted write of it left beside
// it (LeftoverTemporaryFiles) are removed.
FileResult WriteFileSafely(const QString& fileName, const QByteArray& bytes);

// The temporary files that a write of fileName stopped before it replaced the file (a
// kill, a power cut, a pulled card) left in the file's folder, symbolic links followed:
// the file's name, a point and six letters ("config.ini.aBcDeF"), regular files only (a
// link or folder of that name is none of ours). Full names, sorted.
QStringList LeftoverTemporaryFiles(const QString& fileName);

// How a written file is pushed to its medium before it is read back: SyncFileAndFolder
// and DropCachedPages of fileplatform.h, called between the write and the read-back;
// tests put a card that fails, forgets or changes the file here.
struct SafeWriteMedium {
    std::function<QString(const QString&)> sync;
    std::function<void(const QString&)> dropCachedPages;
};
extern SafeWriteMedium Medium;
