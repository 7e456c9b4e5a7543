#pragma once

// A folder's entries as the system names them: bytes, not text (a card may hold names
// that are no valid UTF-8, which Qt's own listings leave out), each looked at without
// following a symbolic link, so that a link is told apart from what it points to and a
// pipe or device is never opened. And which folder a path is, by device and inode, so
// that two paths to one folder (a bind mount, a link) are known as one.
// folderplatform_posix.cpp implements them with POSIX calls.

#include <QByteArray>
#include <QList>
#include <QString>

enum class EntryKind { File, Folder, Link, PipeOrSocket, Device };

struct FolderEntry {
    QByteArray name; // the system's bytes
    EntryKind kind = EntryKind::File;
    qint64 size = 0;     // of a regular file
    qint64 modified = 0; // modification time, milliseconds since 1970 (UTC)
};

// The entries of folder ("." and ".." left out), sorted by their bytes; empty with the
// system's reason in *reason when the folder cannot be listed.
QList<FolderEntry> ListFolder(const QByteArray& folder, QString* reason);

// The entry at path, looked at without following a link (its name is left empty); false
// when there is none.
bool LookAt(const QByteArray& path, FolderEntry* entry);

// A folder or file as the system knows it, whatever path leads there.
struct NodeIdentity {
    quint64 device = 0, inode = 0;
    bool IsKnown() const { return device != 0 || inode != 0; }
    bool operator==(const NodeIdentity& o) const { return device == o.device && inode == o.inode; }
    bool operator!=(const NodeIdentity& o) const { return !(*this == o); }
};

// Links followed; unknown when the path cannot be looked at (a pulled card).
NodeIdentity IdentityOf(const QByteArray& path);

// The identities of path (where it exists) and of every folder above it up to "/".
QList<NodeIdentity> IdentitiesUpFrom(const QByteArray& path);
