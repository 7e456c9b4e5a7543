#pragma once

// The few file operations Qt does not offer: what a name stands for without opening
// it, opening that never waits on a pipe, keeping a replaced file's owner, and pushing
// a written file out to its medium. fileplatform_posix.cpp implements them with POSIX
// calls; a Windows build supplies the same functions (GetFileType on the opened handle,
// FlushFileBuffers on the file and its volume, and an open with FILE_FLAG_NO_BUFFERING,
// which makes the system write out and forget the file's cached data).

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QFile;

enum class FileKind { Missing, Regular, Folder, Device, PipeOrSocket };

// What a name stands for, symbolic links followed; found without opening it.
struct FileFacts {
    FileKind kind = FileKind::Missing;
    qint64 links = 0;           // names of a regular file (hard links)
    bool folderWritable = true; // new names can be made beside it (links followed)
};

FileFacts InspectFile(const QString& fileName);

// Why a name of that kind is not read or replaced as a file ("It is a folder, ...").
QString NotAFileReason(FileKind kind);

// Opens file (its name already set) for reading if it is a regular file. Anything else
// (pipe, socket, device, folder) is refused with a reason in *reason, found without an
// open that could wait for a writer.
bool OpenRegularFileForReading(QFile& file, QString* reason);

// Which file a name stands for: two names of one file (a symbolic link, a hard link) have
// the same identity.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// The identity and size of the regular file a name stands for (links followed); false
// when it stands for none.
bool IdentifyRegularFile(const QByteArray& name, FileIdentity* identity, qint64* size);

// A regular file open for reading, refused and opened as OpenRegularFileForReading does,
// and closed with this object: for a reader that reads in blocks of its own, without the
// buffer and the look-ups a QFile makes for every file.
class RegularFileHandle
{
public:
    RegularFileHandle() = default;
    ~RegularFileHandle();
    RegularFileHandle(const RegularFileHandle&) = delete;
    RegularFileHandle& operator=(const RegularFileHandle&) = delete;

    // name: the system's bytes. False with the reason in *reason.
    bool open(const QByteArray& name, QString* reason);
    qint64 size() const { return length; }
    FileIdentity identity() const { return id; }
    // most bytes from where the last read ended, fewer at the end; -1 on failure.
    qint64 read(char* into, qint64 most);

private:
    int handle = -1;
    qint64 length = 0;
    FileIdentity id;
};

// Writes bytes over an existing regular file or device in place. A regular file is never
// cut first: its old bytes are kept in memory, room for a longer file is reserved before
// a byte changes (a full card fails there), the new bytes go over the old from the start
// in one write, where the file shrinks followed by empty lines (CR LF) up to the old
// length, and the file is cut to the new length once that is on the medium: stopped at
// any moment, the file holds its old bytes, the new ones, or the new ones and empty
// lines. After a failure the old bytes are written back. A pipe or socket is refused,
// without waiting for a reader.
struct InPlaceWrite {
    enum Left { Written, Untouched, PutBack, Damaged };
    Left left = Written;
    QString error;        // why the write failed
    QString restoreError; // why putting the old bytes back failed (Damaged)
};
InPlaceWrite WriteInPlace(const QString& fileName, const QByteArray& bytes);

// The system's words for an errno value ("No space left on device"): English, or in the
// language UseSystemMessagesOf chose.
QString SystemReason(int error);

// Has SystemReason, and Qt's reasons taken from the system, give the system's own
// translated messages in language ("ru_RU", as a translation names its language), where
// the system has them; empty or English: English whatever LANG or LANGUAGE say (the
// terminal's commands, a window without a translation). Sets the process's LC_MESSAGES:
// called at start, before other threads. True when the language's messages were found.
bool UseSystemMessagesOf(const QString& language);

// Writes all bytes to the open handle; empty, or the system's reason for failing.
QString WriteToHandle(int handle, const QByteArray& bytes);

// Forces what was written under handle onto the medium; empty, or the system's reason.
QString SyncHandle(int handle);

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

// Appends to a regular file (created where missing) under an exclusive lock (flock),
// held from before the file is looked at until its new bytes are on the medium, so that
// writers in other processes take turns. bytesFor is given the file's first bytes (up to
// 4096), and whether the file is empty or ends with a line feed; it returns the bytes to
// append, or empty with the reason in *refusal to leave the file alone. The bytes go in
// one write; a write that falls short or fails (a full disk) is cut back to the file's
// old length. Empty, or the reason for writing nothing (the system's where it failed).
QString AppendLocked(const QString& fileName,
                     const std::function<QByteArray(const QByteArray& head, bool lineEnded,
                                                    QString* refusal)>& bytesFor);
