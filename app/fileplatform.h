#pragma once

// The few file operations Qt does not offer: what a name stands for without opening
// it, opening that never waits on a pipe, keeping a replaced file's owner, and pushing
// a written file out to its medium. fileplatform_posix.cpp implements them with POSIX
// calls; a Windows build supplies the same functions (GetFileType on the opened handle,
// FlushFileBuffers on the file and its volume, and an open with FILE_FLAG_NO_BUFFERING,
// which makes the system write out and forget the file's cached data).

#include <QString>

class QFile;

enum class FileKind { Missing, Regular, Folder, Device, PipeOrSocket };

// What a name stands for, symbolic links followed; found without opening it.
struct FileFacts {
    FileKind kind = FileKind::Missing;
    qint64 links = 0; // names of a regular file (hard links)
};

FileFacts InspectFile(const QString& fileName);

// Why a name of that kind is not read or replaced as a file ("It is a folder, ...").
QString NotAFileReason(FileKind kind);

// Opens file (its name already set) for reading if it is a regular file. Anything else
// (pipe, socket, device, folder) is refused with a reason in *reason, found without an
// open that could wait for a writer.
bool OpenRegularFileForReading(QFile& file, QString* reason);

// Opens an existing regular file or device for writing in place, truncating a regular
// file. A pipe or socket is refused, without waiting for a reader.
bool OpenExistingForWriting(QFile& file, QString* reason);

// Gives the new file open under handle the owner, group and mode of the file it is
// about to replace. False when the process may not: replacing would then hand the file
// to this user.
bool TakeOverOwner(int handle, const QString& replacedFile);

// Forces the file's bytes and its folder's entry for it onto the medium; an empty
// string, or the system's reason for failing.
QString SyncFileAndFolder(const QString& fileName);

// Makes the next read of the file come from the medium rather than from memory (call it
// after SyncFileAndFolder: only pages already written out can be dropped).
void DropCachedPages(const QString& fileName);
