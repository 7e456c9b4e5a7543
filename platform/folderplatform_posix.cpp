// The calls of folderplatform.h with POSIX calls.
#include "platform/folderplatform.h"

#include "platform/fileplatform.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

EntryKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    if (S_ISLNK(mode))
        return EntryKind::Link;
    if (S_ISFIFO(mode) || S_ISSOCK(mode))
        return EntryKind::PipeOrSocket;
    return EntryKind::Device;
}

qint64 Milliseconds(const struct timespec& at)
{
    return qint64(at.tv_sec) * 1000 + at.tv_nsec / 1000000;
}

} // namespace

QList<FolderEntry> ListFolder(const QByteArray& folder, QString* reason)
{
    QList<FolderEntry> entries;
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        *reason = SystemReason(errno);
        if (fd >= 0)
            ::close(fd);
        return entries;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat st {
        };
        // A name gone since the listing (or one the system cannot look at) is left out.
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        entries.append({name, KindOf(st.st_mode), S_ISREG(st.st_mode) ? qint64(st.st_size) : 0,
                        Milliseconds(st.st_mtim)});
        errno = 0;
    }
    if (errno != 0)
        *reason = SystemReason(errno);
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

bool LookAt(const QByteArray& path, FolderEntry* entry)
{
    struct stat st {
    };
    if (path.isEmpty() || ::lstat(path.constData(), &st) != 0)
        return false;
    *entry = {QByteArray(), KindOf(st.st_mode), S_ISREG(st.st_mode) ? qint64(st.st_size) : 0,
              Milliseconds(st.st_mtim)};
    return true;
}

NodeIdentity IdentityOf(const QByteArray& path)
{
    struct stat st {
    };
    if (path.isEmpty() || ::stat(path.constData(), &st) != 0)
        return {};
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

QList<NodeIdentity> IdentitiesUpFrom(const QByteArray& path)
{
    // The nearest part of the path that exists, then its folders by "..": the way up
    // the system takes, not the one the path's text shows.
    QByteArray at = path.isEmpty() ? QByteArray(".") : path;
    while (!IdentityOf(at).IsKnown() && at != "/" && at != ".")
        at = at.contains('/') ? at.left(std::max<qsizetype>(at.lastIndexOf('/'), 1))
                              : QByteArray(".");
    QList<NodeIdentity> found;
    for (NodeIdentity here = IdentityOf(at); here.IsKnown() && !found.contains(here);
         here = IdentityOf(at += "/.."))
        found << here;
    return found;
}
