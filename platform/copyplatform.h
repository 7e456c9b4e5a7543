#pragma once

// The system calls of a verified copy (collect/), every name given as the system's bytes
// (a card's names need not be valid UTF-8): a card file opened without following a link
// or waiting on a pipe, with its size and time to tell whether it changed while it was
// read; a new file made under a name nobody else uses; a rename that never replaces; the
// collection folder's lock; which volume a path is on; and the stop signals.
// copyplatform_posix.cpp implements them with POSIX calls.

#include <QByteArray>
#include <QString>

#include <functional>

// A file's size and modification time (nanoseconds since 1970, UTC) as the system holds
// them: a copy is good only if they are the same after it as before.
struct FileStamp {
    qint64 size = -1;
    qint64 modified = 0;
    bool operator==(const FileStamp& o) const { return size == o.size && modified == o.modified; }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

// Opens a regular file for reading, never through a symbolic link and never waiting for a
// pipe's writer; the handle with its stamp in *stamp, or -1 with the reason.
int OpenSourceFile(const QByteArray& name, FileStamp* stamp, QString* reason);

// The stamp of an open file; size -1 when it cannot be looked at.
FileStamp StampOfHandle(int handle);

// Reads up to size bytes; the number read, 0 at the end, or -1 with the system's reason.
qint64 ReadFromHandle(int handle, char* data, qint64 size, QString* reason);

// Creates name for writing and reading back, failing where anything has that name
// already (a link included); the handle, or -1 with the system's reason and *exists set
// where the name was taken. Close it with CloseHandle.
int CreateFileForCopy(const QByteArray& name, bool* exists, QString* reason);

// Writes size bytes at the handle's position, all of them; empty, or the system's reason.
QString AppendToHandle(int handle, const char* data, qint64 size);

// Starts writing the given bytes of the file out to its medium without waiting, so that
// the sync at the end of a long copy finds little left to do.
void StartWriteBack(int handle, qint64 offset, qint64 size);

// Gives the file open under handle the modification time (nanoseconds since 1970, UTC);
// empty, or the system's reason.
QString SetHandleTime(int handle, qint64 modified);

// Forgets the file's cached pages (written out already) and goes back to its start, so
// that what is read next comes from the medium.
void RereadFromMedium(int handle);

// Goes back to the start of the open file.
void RewindHandle(int handle);

// Closes a handle; empty, or the system's reason (a close can report a failed write).
QString CloseHandle(int handle);

// Renames from to to unless to exists: then *exists is set and nothing changes. Empty,
// or the system's reason.
QString RenameWithoutReplacing(const QByteArray& from, const QByteArray& to, bool* exists);

// Forces the folder's entries onto the medium; empty, or the system's reason.
QString SyncFolder(const QByteArray& folder);

// Makes folder and the folders above it where missing; empty, or the system's reason.
QString MakeFolders(const QByteArray& folder);

// Removes a file (never a folder); false when it could not.
bool RemoveFile(const QByteArray& name);

// Takes the folder's exclusive lock (held until CloseHandle of the handle returned, or
// the process ends); where another process holds it, calls waiting once and waits. The
// handle (a file system that has no locks lends none), or -1 with the system's reason (a
// stop signal ends the wait).
int LockFolder(const QByteArray& folder, const std::function<void()>& waiting, QString* reason);

// True when both paths (or the nearest existing folder above each) are on one volume.
bool OnSameVolume(const QString& a, const QString& b);

// True when this user may make new files in the folder (read-only mounts included).
bool FolderTakesFiles(const QString& folder);

// True when standard output goes to a terminal (a progress line may rewrite itself).
bool OutputIsTerminal();

// From now on SIGINT and SIGTERM only set a mark that StopSignal reads, so that a long
// job can finish or drop the file under way and say where it stopped.
void CatchStopSignals();
// The signal caught (SIGINT 2, SIGTERM 15), or 0.
int StopSignal();
// This process's id, which makes names of its own.
qint64 ProcessId();
