#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Outcome of writing or reading one file; error is the system's reason when ok is false.
struct FileResult {
    bool ok = false;
    QString error;
};

// Writes bytes to a file through a temporary file that replaces the old one only
// when every byte has reached the disk, so a full or pulled card keeps the old file.
// The file is then read back and compared with the bytes meant for it.
FileResult WriteFileSafely(const QString& fileName, const QByteArray& bytes);

// Called with the file name between the write and the read-back (tests change the
// file there to see a mismatch reported).
extern std::function<void(const QString&)> AfterSafeWriteHook;
