#pragma once

// The system calls of a verified copy (collect/): a new file made without following a
// planted link, a rename that never replaces, which volume a path is on, and whether a
// folder takes new files. copyplatform_posix.cpp implements them with POSIX calls.

#include <QString>

// Creates (or empties) fileName for writing, never through a symbolic link; the handle,
// or -1 with the system's reason in *reason. Close it with CloseHandle.
int CreateFileForCopy(const QString& fileName, QString* reason);

// Writes size bytes at the handle's position, all of them; empty, or the system's reason.
QString AppendToHandle(int handle, const char* data, qint64 size);

// Starts writing the given bytes of the file out to its medium without waiting, so that
// the sync at the end of a long copy finds little left to do.
void StartWriteBack(int handle, qint64 offset, qint64 size);

// Closes a handle; empty, or the system's reason (a close can report a failed write).
QString CloseHandle(int handle);

// Renames from to to unless to exists: then *exists is set and nothing changes. Empty,
// or the system's reason.
QString RenameWithoutReplacing(const QString& from, const QString& to, bool* exists);

// True when both paths (or the nearest existing folder above each) are on one volume.
bool OnSameVolume(const QString& a, const QString& b);

// True when this user may make new files in the folder (read-only mounts included).
bool FolderTakesFiles(const QString& folder);

// True when standard output goes to a terminal (a progress line may rewrite itself).
bool OutputIsTerminal();
