// The calls of copyplatform.h with POSIX calls.
#include "platform/copyplatform.h"

#include "platform/fileplatform.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
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

FileStamp StampOf(const struct stat& st)
{
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

volatile sig_atomic_t caughtSignal = 0;

void Caught(int signal)
{
    caughtSignal = signal;
}

} // namespace

int OpenSourceFile(const QByteArray& name, FileStamp* stamp, QString* reason)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {
    };
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        *reason = SystemReason(errno);
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason =
            NotAFileReason(S_ISDIR(st.st_mode)                            ? FileKind::Folder
                           : S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) ? FileKind::PipeOrSocket
                                                                          : FileKind::Device);
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *stamp = StampOf(st);
    return fd;
}

FileStamp StampOfHandle(int handle)
{
    struct stat st {
    };
    return ::fstat(handle, &st) == 0 ? StampOf(st) : FileStamp{};
}

qint64 ReadFromHandle(int handle, char* data, qint64 size, QString* reason)
{
    for (;;) {
        const ssize_t n = ::read(handle, data, size_t(size));
        if (n >= 0)
            return n;
        if (errno != EINTR) {
            *reason = SystemReason(errno);
            return -1;
        }
    }
}

int CreateFileForCopy(const QByteArray& name, bool* exists, QString* reason)
{
    const int fd =
        ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    *exists = fd < 0 && errno == EEXIST;
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

QString SetHandleTime(int handle, qint64 modified)
{
    const struct timespec times[2] = {{0, UTIME_OMIT},
                                      {time_t(modified / 1000000000), long(modified % 1000000000)}};
    return ::futimens(handle, times) == 0 ? QString() : SystemReason(errno);
}

void RereadFromMedium(int handle)
{
    (void)::posix_fadvise(handle, 0, 0, POSIX_FADV_DONTNEED);
    (void)::lseek(handle, 0, SEEK_SET);
}

void RewindHandle(int handle)
{
    (void)::lseek(handle, 0, SEEK_SET);
}

QString CloseHandle(int handle)
{
    return ::close(handle) == 0 ? QString() : SystemReason(errno);
}

QString RenameWithoutReplacing(const QByteArray& from, const QByteArray& to, bool* exists)
{
    *exists = false;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return QString();
    if (errno == EEXIST) {
        *exists = true;
        return QString();
    }
    if (errno != EINVAL && errno != ENOSYS)
        return SystemReason(errno);
    // A file system without the flag (FUSE): a second name, then the first one goes.
    if (::link(from.constData(), to.constData()) != 0) {
        *exists = errno == EEXIST;
        if (*exists || (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP))
            return *exists ? QString() : SystemReason(errno);
        // Nor links (FAT): looked at first, then renamed.
        struct stat st {
        };
        *exists = ::lstat(to.constData(), &st) == 0;
        if (*exists)
            return QString();
        return ::rename(from.constData(), to.constData()) == 0 ? QString() : SystemReason(errno);
    }
    return ::unlink(from.constData()) == 0 ? QString() : SystemReason(errno);
}

QString SyncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return QString(); // a folder we may not read: its entries are the system's to write
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL; // EINVAL: cannot sync folders
    const int error = errno;
    ::close(fd);
    return synced ? QString() : SystemReason(error);
}

QString MakeFolders(const QByteArray& folder)
{
    struct stat st {
    };
    if (folder.isEmpty() || ::stat(folder.constData(), &st) == 0)
        return folder.isEmpty() || S_ISDIR(st.st_mode) ? QString() : SystemReason(ENOTDIR);
    const qsizetype slash = folder.lastIndexOf('/', folder.endsWith('/') ? -2 : -1);
    if (slash > 0)
        if (const QString up = MakeFolders(folder.left(slash)); !up.isEmpty())
            return up;
    if (::mkdir(folder.constData(), 0755) == 0 || errno == EEXIST)
        return QString();
    return SystemReason(errno);
}

bool RemoveFile(const QByteArray& name)
{
    return ::unlink(name.constData()) == 0;
}

int LockFolder(const QByteArray& folder, const std::function<void()>& waiting, QString* reason)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *reason = SystemReason(errno);
        return -1;
    }
    // A file system without locks (some FUSE ones) is used as it is: the copies' names
    // are each process's own even so.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno == ENOLCK || errno == EOPNOTSUPP ||
        errno == ENOSYS)
        return fd;
    if (errno == EWOULDBLOCK && waiting)
        waiting();
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR || caughtSignal != 0) {
            *reason = SystemReason(errno);
            ::close(fd);
            return -1;
        }
    }
    return fd;
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

void CatchStopSignals()
{
    struct sigaction action {
    };
    action.sa_handler = Caught;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a wait for the collection folder's lock ends with the signal.
    for (const int signal : {SIGINT, SIGTERM})
        ::sigaction(signal, &action, nullptr);
}

int StopSignal()
{
    return caughtSignal;
}

qint64 ProcessId()
{
    return qint64(::getpid());
}
