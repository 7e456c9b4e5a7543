#include "commandline/verifiedcopy.h"

#include "commandline/sha256.h"

#include "platform/copyplatform.h"
#include "platform/fileplatform.h"
#include "platform/folderplatform.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <atomic>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(VerifiedCopy)
};

// The most bytes of one name in a folder of the archive (ext4, XFS, Btrfs, tmpfs, NTFS
// take 255); a card's FAT takes 255 characters, which may be more bytes.
constexpr qsizetype LongestName = 255;

// "sub/A.WAV", "sub/A (2).WAV", "sub/A (3).WAV" ...; a file name too long for the archive
// is cut before its extension (at a character's start) to fit.
// Where the extension of the path's file name begins (its end where there is none).
qsizetype ExtensionAt(const QByteArray& relative)
{
    const qsizetype slash = relative.lastIndexOf('/');
    const qsizetype dot = relative.lastIndexOf('.');
    return dot > slash + 1 ? dot : relative.size();
}

QByteArray Candidate(const QByteArray& relative, int number)
{
    const qsizetype slash = relative.lastIndexOf('/');
    const qsizetype at = ExtensionAt(relative);
    const QByteArray suffix = number < 2 ? QByteArray() : " (" + QByteArray::number(number) + ')';
    const QByteArray extension = relative.mid(at).left(LongestName / 2);
    qsizetype end = qMin(at, slash + 1 + LongestName - suffix.size() - extension.size());
    while (end < at && end > slash + 1 && (relative.at(end) & 0xC0) == 0x80)
        --end; // not inside a UTF-8 character
    return relative.left(end) + suffix + extension;
}

bool IsOwnName(const QByteArray& relative)
{
    return relative == ChecksumFileName || relative == RecordingListName;
}

QByteArray FolderOf(const QByteArray& path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

// Reads the open handle to its end in chunks of buffer, each handed to use (which returns
// false to stop); the bytes read, or -1 with the reason in *error.
qint64 ReadChunks(int handle, QByteArray& buffer, QString* error,
                  const std::function<bool(const char*, qint64)>& use)
{
    qint64 total = 0;
    for (;;) {
        const qint64 n = ReadFromHandle(handle, buffer.data(), buffer.size(), error);
        if (n <= 0)
            return n < 0 ? -1 : total;
        total += n;
        if (!use(buffer.constData(), n))
            return total;
    }
}

QByteArray HashOfHandle(int handle, QByteArray& buffer, QString* error)
{
    Sha256 hash;
    const qint64 read = ReadChunks(handle, buffer, error, [&](const char* data, qint64 n) {
        hash.AddData(data, n);
        return true;
    });
    return read < 0 ? QByteArray() : hash.HexResult();
}

// The first candidate from number on that is free or holds the same bytes as the source
// open under handle (hashed on first need, *sourceHash).
int FirstFreeOrSame(const QByteArray& folder, const QByteArray& relative, int handle, qint64 size,
                    int number, QByteArray* sourceHash, bool* same, QString* error)
{
    QByteArray buffer; // made on first need: most names are free
    for (;; ++number) {
        const QByteArray name = Candidate(relative, number);
        FolderEntry there;
        if (IsOwnName(name))
            continue;
        if (!LookAt(folder + name, &there))
            return number;
        if (there.kind != EntryKind::File || there.size != size)
            continue;
        if (sourceHash->isEmpty()) {
            buffer.resize(CopyChunkBytes);
            *sourceHash = HashOfHandle(handle, buffer, error);
            if (sourceHash->isEmpty())
                return number;
        }
        QString ignored;
        if (HashOfFile(folder + name, &ignored) == *sourceHash) {
            *same = true;
            return number;
        }
    }
}

// A name for the copy under way beside its target that no other process uses.
int CreatePartial(const QByteArray& targetFolder, QByteArray* partial, QString* error)
{
    static std::atomic<int> counter{0};
    for (;;) {
        *partial = targetFolder + '.' + QByteArray::number(ProcessId()) + '.' +
                   QByteArray::number(++counter) + ".collecting";
        bool exists = false;
        const int fd = CreateFileForCopy(*partial, &exists, error);
        if (fd >= 0 || !exists)
            return fd;
    }
}

// Writes the source open under source into the partial copy open under fd, hashing what
// is read; the hash, or empty with the outcome and reason set in *copy.
QByteArray WritePartial(int source, int fd, const FileStamp& before, const CopyStep& step,
                        FileCopy* copy)
{
    QByteArray buffer(int(CopyChunkBytes), Qt::Uninitialized);
    Sha256 hash;
    QString readError, writeError;
    bool stopped = false;
    const qint64 read = ReadChunks(source, buffer, &readError, [&](const char* data, qint64 n) {
        hash.AddData(data, n);
        writeError = AppendToHandle(fd, data, n);
        StartWriteBack(fd, copy->bytes, n);
        copy->bytes += n;
        stopped = writeError.isEmpty() && step && !step(n);
        // A file that keeps growing is not followed to its end.
        return writeError.isEmpty() && !stopped && copy->bytes <= before.size;
    });
    if (read < 0) {
        copy->error = readError;
        return QByteArray();
    }
    if (!writeError.isEmpty() || stopped) {
        copy->outcome = stopped ? FileCopy::Cancelled : FileCopy::ArchiveFailed;
        copy->error = writeError;
        return QByteArray();
    }
    if (copy->bytes != before.size || StampOfHandle(source) != before) {
        copy->outcome = FileCopy::Changed;
        copy->error = Text::tr("changed while it was copied; collect again");
        return QByteArray();
    }
    copy->outcome = FileCopy::ArchiveFailed;
    copy->error = SetHandleTime(fd, before.modified);
    if (copy->error.isEmpty())
        copy->error = SyncHandle(fd);
    if (!copy->error.isEmpty())
        return QByteArray();
    // What the disk gives back, not what the system still holds in memory.
    RereadFromMedium(fd);
    const QByteArray written = hash.HexResult();
    QString readBack;
    if (HashOfHandle(fd, buffer, &readBack) != written) {
        copy->error = readBack.isEmpty()
                          ? Text::tr("the copy read back from the archive differs from the card")
                          : readBack;
        return QByteArray();
    }
    return written;
}

// Names the checked copy at partial by the first free candidate from number on.
QString Publish(const QByteArray& partial, const QByteArray& folder, const QByteArray& relative,
                int number, FileCopy* copy)
{
    for (;; ++number) {
        bool exists = false;
        const QByteArray name = Candidate(relative, number);
        if (IsOwnName(name))
            continue;
        if (const QString error = RenameWithoutReplacing(partial, folder + name, &exists);
            !error.isEmpty())
            return error;
        if (!exists) {
            copy->name = name;
            return SyncFolder(FolderOf(folder + name));
        }
    }
}

// Copies the source open under source, stamped before, to the first free name from
// number on.
void CopyOpen(int source, const FileStamp& before, const QByteArray& folder,
              const QByteArray& relative, int number, const CopyStep& step, FileCopy* copy)
{
    const QByteArray targetFolder = FolderOf(folder + Candidate(relative, number));
    copy->outcome = FileCopy::ArchiveFailed;
    if (const QString error = MakeFolders(targetFolder); !error.isEmpty()) {
        copy->error = Text::tr("cannot create the folder %1: %2")
                          .arg(QString::fromLocal8Bit(targetFolder), error);
        return;
    }
    QByteArray partial;
    const int fd = CreatePartial(targetFolder, &partial, &copy->error);
    if (fd < 0)
        return;
    copy->outcome = FileCopy::Unreadable;
    copy->sha256 = WritePartial(source, fd, before, step, copy);
    const QString closed = CloseHandle(fd);
    if (!copy->sha256.isEmpty() && !closed.isEmpty()) {
        copy->outcome = FileCopy::ArchiveFailed;
        copy->error = closed;
    } else if (!copy->sha256.isEmpty()) {
        copy->error = Publish(partial, folder, relative, number, copy);
        copy->outcome = copy->error.isEmpty() ? FileCopy::Copied : FileCopy::ArchiveFailed;
    }
    if (copy->outcome != FileCopy::Copied) {
        copy->sha256.clear();
        RemoveFile(partial);
    }
}

} // namespace

bool IsPartialCopyName(const QByteArray& name)
{
    static const QRegularExpression partial(QStringLiteral("(^|/)\\.\\d+\\.\\d+\\.collecting$"));
    return partial.match(QString::fromLatin1(name)).hasMatch();
}

QByteArray HashOfFile(const QByteArray& fileName, QString* error)
{
    FileStamp stamp;
    const int fd = OpenSourceFile(fileName, &stamp, error);
    if (fd < 0)
        return QByteArray();
    QByteArray buffer(int(CopyChunkBytes), Qt::Uninitialized);
    const QByteArray hash = HashOfHandle(fd, buffer, error);
    CloseHandle(fd);
    return hash;
}

FileCopy CopyVerified(const QByteArray& source, const QByteArray& folder,
                      const QByteArray& relative, const CopyStep& step,
                      const QByteArrayList& archived)
{
    FileCopy copy;
    FileStamp before;
    const int card = OpenSourceFile(source, &before, &copy.error);
    if (card < 0)
        return copy;
    copy.modified = before.modified;
    bool same = false;
    const int number =
        FirstFreeOrSame(folder, relative, card, before.size, 1, &copy.sha256, &same, &copy.error);
    if (!same && !archived.isEmpty() && copy.sha256.isEmpty() && copy.error.isEmpty()) {
        QByteArray buffer(int(CopyChunkBytes), Qt::Uninitialized);
        copy.sha256 = HashOfHandle(card, buffer, &copy.error);
    }
    if (!copy.error.isEmpty()) {
        CloseHandle(card);
        return copy;
    }
    if (!same && archived.contains(copy.sha256)) {
        copy.outcome = FileCopy::Archived;
        copy.bytes = before.size;
    } else if (same) {
        copy.outcome = FileCopy::AlreadyThere;
        copy.name = Candidate(relative, number);
        copy.bytes = before.size;
    } else {
        RewindHandle(card); // where it was hashed
        copy.sha256.clear();
        CopyOpen(card, before, folder, relative, number, step, &copy);
    }
    CloseHandle(card);
    copy.shortened =
        !copy.name.isEmpty() && !copy.name.startsWith(relative.left(ExtensionAt(relative)));
    return copy;
}
