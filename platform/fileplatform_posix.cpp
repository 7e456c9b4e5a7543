// The file operations of fileplatform.h with POSIX calls.
#include "platform/fileplatform.h"

#include "platform/copyplatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The locale whose language the system's messages are given in: English (the C locale)
// unless the window asked for its translation's (UTF-8 locales only).
std::atomic<locale_t> MessagesLocale{nullptr};

} // namespace

QString SystemReason(int error)
{
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t messages = MessagesLocale.load();
    return QString::fromUtf8(::strerror_l(error, messages ? messages : english));
}

bool UseSystemMessagesOf(const QString& language)
{
    const QByteArray name = language.toLatin1();
    locale_t made = nullptr;
    QByteArray global = "C";
    if (!name.isEmpty() && !name.startsWith("en") && name != "C") {
        // The language's own locale where the system has it made; otherwise C.UTF-8,
        // which the system's catalogues translate as LANGUAGE says (the C locale never).
        global = name + ".UTF-8";
        made = ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, global, locale_t(nullptr));
        if (!made) {
            global = "C.UTF-8";
            made = ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, global, locale_t(nullptr));
            if (made)
                qputenv("LANGUAGE", name);
        }
        if (!made)
            global = "C";
    }
    // The locale asked for before stays made: a message of another thread may still use it.
    MessagesLocale.store(made);
    // Qt's own reasons (QFile::errorString) come from the system under the process's locale.
    ::setlocale(LC_MESSAGES, global.constData());
    return made != nullptr;
}

namespace
{

// The reasons shown in the window's warnings, in the translation context FilePlatform.
struct FileText {
    Q_DECLARE_TR_FUNCTIONS(FilePlatform)
};

QString KindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return FileText::tr("It is a folder, not a file");
    if (S_ISFIFO(mode) || S_ISSOCK(mode))
        return FileText::tr("It is a pipe or socket, not a file");
    return FileText::tr("It is a device, not a file");
}

// Opens name with O_NONBLOCK, so that a pipe swapped in after a check cannot make the
// open wait; the descriptor, in blocking mode once fstat agrees, or -1 with *reason.
int OpenCheckedHandle(const QByteArray& name, int flags, bool (*accept)(mode_t), QString* reason,
                      struct stat* st)
{
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        *reason = SystemReason(errno);
        return -1;
    }
    *st = {};
    if (::fstat(fd, st) != 0 || !accept(st->st_mode)) {
        *reason = st->st_mode == 0 ? SystemReason(errno) : KindReason(st->st_mode);
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool IsRegular(mode_t mode)
{
    return S_ISREG(mode);
}

bool IsWritableInPlace(mode_t mode)
{
    return S_ISREG(mode) || S_ISCHR(mode) || S_ISBLK(mode);
}

// The largest file whose old bytes are kept in memory while it is written in place; the
// recorder's files and the preferences are a few kilobytes.
constexpr off_t LargestKeptFile = off_t(64) << 20;

// Writes bytes from the start of the file (or onto a device, from where it stands); 0 or the
// errno.
int WriteAt(int fd, const QByteArray& bytes)
{
    bool positioned = true;
    qint64 done = 0;
    while (done < bytes.size()) {
        const char* data = bytes.constData() + done;
        const size_t left = size_t(bytes.size() - done);
        const ssize_t n =
            positioned ? ::pwrite(fd, data, left, off_t(done)) : ::write(fd, data, left);
        if (n < 0 && errno == ESPIPE && positioned) { // a device without positions
            positioned = false;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

// The whole file of size bytes; 0 or the errno.
int ReadWhole(int fd, off_t size, QByteArray* bytes)
{
    bytes->resize(qsizetype(size));
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes->data() + done, size_t(size - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0) // cut meanwhile: what is there is the old file
            break;
        done += n;
    }
    bytes->resize(qsizetype(done));
    return 0;
}

// What follows the new bytes of a file that shrinks until it is cut: empty lines up to
// the old length (CR LF, a last CR where one byte is left). The files written in place
// are read line by line, and their readers pass over empty lines and read on, so that a
// file left uncut (a pulled card, a kill) holds the new lines and nothing else.
QByteArray ShrinkFiller(qsizetype size)
{
    QByteArray filler;
    filler.reserve(size);
    while (filler.size() + 2 <= size)
        filler += "\r\n";
    if (filler.size() < size)
        filler += '\r';
    return filler;
}

// The new bytes over the old ones: room first (kept beyond the old end, so that the file
// holds its old bytes and nothing else until the one write of the new ones), then the
// bytes, where the file shrinks followed by empty lines over the whole old length, then
// the new length once those are on the medium. *changed once a byte of the file may
// differ. 0 or the errno.
int Overwrite(int fd, const QByteArray& old, const QByteArray& bytes, bool* changed)
{
    if (bytes.size() > old.size()) {
        // Where the file system cannot reserve room, the restore below still holds.
#ifdef FALLOC_FL_KEEP_SIZE
        const int reserved =
            ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) == 0 ? 0 : errno;
#else
        const int reserved = EOPNOTSUPP;
#endif
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL && reserved != ENOSYS)
            return reserved;
    }
    *changed = true;
    const bool shrinks = old.size() > bytes.size();
    const QByteArray filled = shrinks ? bytes + ShrinkFiller(old.size() - bytes.size()) : bytes;
    if (const int error = WriteAt(fd, filled); error != 0)
        return error;
    if (shrinks && (::fsync(fd) != 0 || ::ftruncate(fd, off_t(bytes.size())) != 0))
        return errno;
    return 0;
}

// Puts the old bytes and length back after a failed overwrite; 0 or the errno.
int Restore(int fd, const QByteArray& old, bool changed)
{
    if (changed) {
        if (const int error = WriteAt(fd, old); error != 0)
            return error;
    }
    struct stat st {
    };
    if (::fstat(fd, &st) != 0)
        return errno;
    // A reservation that failed half way may have made the file longer.
    if (st.st_size != off_t(old.size()) && ::ftruncate(fd, off_t(old.size())) != 0)
        return errno;
    if (changed && ::fsync(fd) != 0)
        return errno;
    return 0;
}

// Keeps the old bytes of the regular file open under fd, writes bytes over them and puts
// them back after a failure; the outcome in *result.
void RewriteRegular(int fd, off_t size, const QByteArray& bytes, InPlaceWrite* result)
{
    QByteArray old;
    int error = size > LargestKeptFile ? EFBIG : ReadWhole(fd, size, &old);
    if (error != 0) {
        result->error = SystemReason(error);
        return;
    }
    bool changed = false;
    error = Overwrite(fd, old, bytes, &changed);
    if (error == 0)
        return;
    result->error = SystemReason(error);
    const int restoreError = Restore(fd, old, changed);
    if (restoreError != 0) {
        result->left = InPlaceWrite::Damaged;
        result->restoreError = SystemReason(restoreError);
    } else if (changed) {
        result->left = InPlaceWrite::PutBack;
    }
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
    if (S_ISREG(st.st_mode)) {
        // The folder that holds the file itself, where a symbolic link points elsewhere.
        const QFileInfo info(fileName);
        const QString folder = QFileInfo(info.canonicalFilePath()).absolutePath();
        const bool writable = ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
        return {FileKind::Regular, qint64(st.st_nlink), writable};
    }
    if (S_ISDIR(st.st_mode))
        return {FileKind::Folder, 0};
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))
        return {FileKind::PipeOrSocket, 0};
    return {FileKind::Device, 0};
}

namespace
{

// A regular file's descriptor, opened for reading, or -1 with *reason. The check before the
// open keeps a device from being opened at all (opening some has effects); the check after
// it closes the gap between the two.
int OpenRegularHandle(const QByteArray& name, QString* reason, struct stat* st)
{
    *st = {};
    if (name.isEmpty() || ::stat(name.constData(), st) != 0) {
        *reason = name.isEmpty() ? FileText::tr("No file name") : SystemReason(errno);
        return -1;
    }
    if (!S_ISREG(st->st_mode)) {
        *reason = KindReason(st->st_mode);
        return -1;
    }
    return OpenCheckedHandle(name, O_RDONLY, IsRegular, reason, st);
}

} // namespace

bool OpenRegularFileForReading(QFile& file, QString* reason)
{
    struct stat st {
    };
    const int fd = OpenRegularHandle(QFile::encodeName(file.fileName()), reason, &st);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

bool IdentifyRegularFile(const QByteArray& name, FileIdentity* identity, qint64* size)
{
    struct stat st {
    };
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    *identity = {quint64(st.st_dev), quint64(st.st_ino)};
    *size = qint64(st.st_size);
    return true;
}

RegularFileHandle::~RegularFileHandle()
{
    if (handle >= 0)
        ::close(handle);
}

bool RegularFileHandle::open(const QByteArray& name, QString* reason)
{
    struct stat st {
    };
    handle = OpenRegularHandle(name, reason, &st);
    length = handle < 0 ? 0 : qint64(st.st_size);
    id = {quint64(st.st_dev), quint64(st.st_ino)};
    return handle >= 0;
}

qint64 RegularFileHandle::read(char* into, qint64 most)
{
    qint64 done = 0;
    while (done < most) {
        const ssize_t n = ::read(handle, into + done, size_t(most - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

QString WriteToHandle(int handle, const QByteArray& bytes)
{
    const int error = WriteAt(handle, bytes);
    return error == 0 ? QString() : SystemReason(error);
}

QString SyncHandle(int handle)
{
    return ::fsync(handle) == 0 ? QString() : SystemReason(errno);
}

InPlaceWrite WriteInPlace(const QString& fileName, const QByteArray& bytes)
{
    InPlaceWrite result;
    result.left = InPlaceWrite::Untouched;
    struct stat st {
    };
    const bool regular =
        ::stat(QFile::encodeName(fileName).constData(), &st) == 0 && S_ISREG(st.st_mode);
    // A device is written as it is: there is nothing to keep or to cut.
    const int fd = OpenCheckedHandle(QFile::encodeName(fileName), regular ? O_RDWR : O_WRONLY,
                                     regular ? IsRegular : IsWritableInPlace, &result.error, &st);
    if (fd < 0)
        return result;
    if (S_ISREG(st.st_mode)) {
        RewriteRegular(fd, st.st_size, bytes, &result);
    } else if (const int error = WriteAt(fd, bytes); error != 0) {
        result.error = SystemReason(error);
    }
    if (::close(fd) != 0 && result.error.isEmpty())
        result.error = SystemReason(errno);
    if (result.error.isEmpty())
        result.left = InPlaceWrite::Written;
    return result;
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
    // give up the replacement. Any other failure (an I/O error) would hand the file a
    // new mode: it is written in place instead.
    const mode_t mode = old.st_mode & 07777;
    if ((now.st_mode & 07777) != mode && ::fchmod(handle, mode) != 0)
        return errno == EPERM || errno == EOPNOTSUPP;
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

    return SyncFolder(QFile::encodeName(QFileInfo(file).absolutePath()));
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

namespace
{

// Writes bytes at the end of the file open under fd with O_APPEND (a write that falls
// short is continued, so that the failure that stopped it gives its reason) and onto the
// medium. Cut back to size after a failure. Empty, or the reason.
QString AppendAll(int fd, off_t size, const QByteArray& bytes)
{
    QString reason = AppendToHandle(fd, bytes.constData(), bytes.size());
    if (reason.isEmpty() && ::fdatasync(fd) != 0)
        reason = SystemReason(errno);
    if (!reason.isEmpty())
        (void)::ftruncate(fd, size);
    return reason;
}

} // namespace

QString AppendLocked(const QString& fileName,
                     const std::function<QByteArray(const QByteArray& head, bool lineEnded,
                                                    QString* refusal)>& bytesFor)
{
    QString reason;
    struct stat st {
    };
    const int fd = OpenCheckedHandle(QFile::encodeName(fileName), O_WRONLY | O_APPEND | O_CREAT,
                                     IsRegular, &reason, &st);
    if (fd < 0)
        return reason;
    // The lock is the file's own (a file system without locks has no other writers to
    // wait for); a reading descriptor looks at what the lock keeps still.
    const bool locked = ::flock(fd, LOCK_EX) == 0 || errno == ENOLCK || errno == EOPNOTSUPP;
    const int reader =
        locked ? ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC) : -1;
    if (reader < 0 || ::fstat(fd, &st) != 0)
        reason = SystemReason(errno);
    QByteArray head(qsizetype(qMin<off_t>(st.st_size, 4096)), '\0');
    char last = '\n';
    errno = 0;
    if (reason.isEmpty() &&
        (::pread(reader, head.data(), size_t(head.size()), 0) != ssize_t(head.size()) ||
         (st.st_size > 0 && ::pread(reader, &last, 1, st.st_size - 1) != 1)))
        reason = SystemReason(errno == 0 ? EIO : errno);
    if (reason.isEmpty()) {
        const QByteArray bytes = bytesFor(head, last == '\n', &reason);
        if (const QString failed = bytes.isEmpty() ? QString() : AppendAll(fd, st.st_size, bytes);
            !failed.isEmpty())
            reason = failed;
    }
    if (reader >= 0)
        ::close(reader);
    ::close(fd); // drops the lock
    return reason;
}
