// The calls of copyplatform.h with POSIX calls.
#include "platform/copyplatform.h"

#include "platform/fileplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QByteArray Name(const QString& fileName)
{
    return QFile::encodeName(fileName);
}

// The device of path, or of the nearest folder above it that exists; 0 when none does.
dev_t DeviceOf(const QString& path)
{
    QString at = QFileInfo(path).absoluteFilePath();
    for (;;) {
        struct stat st {
        };
        if (::stat(Name(at).constData(), &st) == 0)
            return st.st_dev;
        const QString up = QFileInfo(at).absolutePath();
        if (up == at)
            return 0;
        at = up;
    }
}

} // namespace

int CreateFileForCopy(const QString& fileName, QString* reason)
{
    const int fd = ::open(Name(fileName).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        *reason = SystemReason(errno);
    return fd;
}

QString AppendToHandle(int handle, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(handle, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return SystemReason(n < 0 ? errno : EIO);
        data += n;
        size -= n;
    }
    return QString();
}

void StartWriteBack(int handle, qint64 offset, qint64 size)
{
    (void)::sync_file_range(handle, off64_t(offset), off64_t(size), SYNC_FILE_RANGE_WRITE);
}

QString CloseHandle(int handle)
{
    return ::close(handle) == 0 ? QString() : SystemReason(errno);
}

QString RenameWithoutReplacing(const QString& from, const QString& to, bool* exists)
{
    *exists = false;
    if (::renameat2(AT_FDCWD, Name(from).constData(), AT_FDCWD, Name(to).constData(),
                    RENAME_NOREPLACE) == 0)
        return QString();
    if (errno == EEXIST) {
        *exists = true;
        return QString();
    }
    if (errno != EINVAL && errno != ENOSYS)
        return SystemReason(errno);
    // A file system without the flag (FUSE): a second name, then the first one goes.
    if (::link(Name(from).constData(), Name(to).constData()) != 0) {
        *exists = errno == EEXIST;
        if (*exists || (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP))
            return *exists ? QString() : SystemReason(errno);
        // Nor links (FAT): looked at first, then renamed.
        struct stat st {
        };
        *exists = ::lstat(Name(to).constData(), &st) == 0;
        if (*exists)
            return QString();
        return ::rename(Name(from).constData(), Name(to).constData()) == 0 ? QString()
                                                                           : SystemReason(errno);
    }
    return ::unlink(Name(from).constData()) == 0 ? QString() : SystemReason(errno);
}

bool OnSameVolume(const QString& a, const QString& b)
{
    const dev_t first = DeviceOf(a);
    return first != 0 && first == DeviceOf(b);
}

bool FolderTakesFiles(const QString& folder)
{
    return ::access(Name(folder).constData(), W_OK | X_OK) == 0;
}

bool OutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}
