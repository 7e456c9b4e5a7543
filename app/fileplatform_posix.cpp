// The file operations of fileplatform.h with POSIX calls.
#include "app/fileplatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The reasons shown in the window's warnings, in the translation context FilePlatform.
struct FileText {
    Q_DECLARE_TR_FUNCTIONS(FilePlatform)
};

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString KindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return FileText::tr("It is a folder, not a file");
    if (S_ISFIFO(mode) || S_ISSOCK(mode))
        return FileText::tr("It is a pipe or socket, not a file");
    return FileText::tr("It is a device, not a file");
}

// Opens name with O_NONBLOCK, so that a pipe swapped in after a check cannot make the
// open wait, and hands the descriptor to file in blocking mode once fstat agrees.
bool OpenChecked(QFile& file, int flags, bool (*accept)(mode_t), QString* reason)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = SystemReason(errno);
        return false;
    }
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !accept(st.st_mode)) {
        *reason = st.st_mode == 0 ? SystemReason(errno) : KindReason(st.st_mode);
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if ((flags & O_ACCMODE) != O_RDONLY && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) != 0) {
        *reason = SystemReason(errno);
        ::close(fd);
        return false;
    }
    const QIODevice::OpenMode mode =
        (flags & O_ACCMODE) == O_RDONLY ? QIODevice::ReadOnly : QIODevice::WriteOnly;
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

bool IsRegular(mode_t mode)
{
    return S_ISREG(mode);
}

bool IsWritableInPlace(mode_t mode)
{
    return S_ISREG(mode) || S_ISCHR(mode) || S_ISBLK(mode);
}

} // namespace

QString NotAFileReason(FileKind kind)
{
    switch (kind) {
    case FileKind::Folder:
        return KindReason(S_IFDIR);
    case FileKind::PipeOrSocket:
        return KindReason(S_IFIFO);
    case FileKind::Device:
        return KindReason(S_IFCHR);
    default:
        return QString();
    }
}

FileFacts InspectFile(const QString& fileName)
{
    struct stat st {
    };
    if (fileName.isEmpty() || ::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return {};
    if (S_ISREG(st.st_mode))
        return {FileKind::Regular, qint64(st.st_nlink)};
    if (S_ISDIR(st.st_mode))
        return {FileKind::Folder, 0};
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))
        return {FileKind::PipeOrSocket, 0};
    return {FileKind::Device, 0};
}

bool OpenRegularFileForReading(QFile& file, QString* reason)
{
    // The check before the open keeps a device from being opened at all (opening some
    // has effects); the check after it closes the gap between the two.
    struct stat st {
    };
    const QByteArray name = QFile::encodeName(file.fileName());
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0) {
        *reason = name.isEmpty() ? FileText::tr("No file name") : SystemReason(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = KindReason(st.st_mode);
        return false;
    }
    return OpenChecked(file, O_RDONLY, IsRegular, reason);
}

bool OpenExistingForWriting(QFile& file, QString* reason)
{
    return OpenChecked(file, O_WRONLY, IsWritableInPlace, reason);
}

bool TakeOverOwner(int handle, const QString& replacedFile)
{
    struct stat old {
    }, now{};
    if (::stat(QFile::encodeName(replacedFile).constData(), &old) != 0)
        return errno == ENOENT; // a new file: nothing to take over
    if (::fstat(handle, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(handle, old.st_uid, old.st_gid) != 0)
        return false;
    // The mode is copied once more because a change of owner clears the set-id bits.
    // Where modes cannot be set (FAT) the file system's own mode stands: no reason to
    // give up the replacement.
    const mode_t mode = old.st_mode & 07777;
    if ((now.st_mode & 07777) != mode)
        (void)::fchmod(handle, mode);
    return true;
}

QString SyncFileAndFolder(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString file =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return SystemReason(errno);
    const bool synced = ::fsync(fd) == 0;
    const int fileError = errno;
    ::close(fd);
    if (!synced)
        return SystemReason(fileError);

    const QString folder = QFileInfo(file).absolutePath();
    const int dirFd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return QString(); // a folder we may not read: its entry is the system's to write
    const bool folderSynced = ::fsync(dirFd) == 0 || errno == EINVAL; // EINVAL: cannot sync folders
    const int folderError = errno;
    ::close(dirFd);
    return folderSynced ? QString() : SystemReason(folderError);
}

void DropCachedPages(const QString& fileName)
{
    const int fd =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}
