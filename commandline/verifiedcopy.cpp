#include "commandline/verifiedcopy.h"

#include "commandline/sha256.h"

#include "platform/copyplatform.h"
#include "platform/fileplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(VerifiedCopy)
};

// "sub/A.WAV", "sub/A (2).WAV", "sub/A (3).WAV" ...
QString Candidate(const QString& relative, int number)
{
    if (number < 2)
        return relative;
    const int slash = relative.lastIndexOf(QLatin1Char('/'));
    const int dot = relative.lastIndexOf(QLatin1Char('.'));
    const int at = dot > slash + 1 ? dot : relative.size();
    return relative.left(at) + QStringLiteral(" (%1)").arg(number) + relative.mid(at);
}

// Reads the open file to its end in chunks, each handed to use; empty or the reason.
QString ReadChunks(QFile& file, const std::function<QString(const QByteArray&)>& use)
{
    QByteArray chunk(int(CopyChunkBytes), Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0)
            return file.errorString();
        if (n == 0)
            return QString();
        if (const QString error = use(QByteArray::fromRawData(chunk.constData(), int(n)));
            !error.isEmpty())
            return error;
    }
}

QString Stopped()
{
    return QStringLiteral("stopped");
}

// Writes source under partial, hashing what is read; the hash, or empty with the
// reason in *readError (the card) or *writeError (the archive), or cancelled.
QByteArray WritePartial(QFile& source, const QString& partial, const CopyStep& step,
                        QString* readError, QString* writeError)
{
    const int fd = CreateFileForCopy(partial, writeError);
    if (fd < 0)
        return QByteArray();
    Sha256 hash;
    qint64 written = 0;
    const QString read = ReadChunks(source, [&](const QByteArray& chunk) {
        hash.AddData(chunk.constData(), chunk.size());
        *writeError = AppendToHandle(fd, chunk.constData(), chunk.size());
        StartWriteBack(fd, written, chunk.size());
        written += chunk.size();
        if (!writeError->isEmpty() || (step && !step(chunk.size())))
            return Stopped();
        return QString();
    });
    if (read != Stopped())
        *readError = read;
    if (writeError->isEmpty() && readError->isEmpty() && read.isEmpty())
        *writeError = SyncHandle(fd);
    const QString closed = CloseHandle(fd);
    if (writeError->isEmpty() && readError->isEmpty())
        *writeError = closed;
    if (!read.isEmpty() || !writeError->isEmpty())
        return QByteArray();
    return hash.HexResult();
}

// The first name from number on that is free or holds the same bytes as the source
// (whose hash *sourceHash is found on first need).
int FirstFreeOrSame(const QString& folder, const QString& relative, const QString& source,
                    qint64 size, int number, QByteArray* sourceHash, bool* same, QString* readError)
{
    for (;; ++number) {
        const QFileInfo there(folder + Candidate(relative, number));
        if (!there.exists() && !there.isSymLink())
            return number;
        if (!there.isFile() || there.size() != size)
            continue;
        if (sourceHash->isEmpty()) {
            *sourceHash = HashOfFile(source, readError);
            if (sourceHash->isEmpty())
                return number;
        }
        QString ignored;
        if (HashOfFile(there.filePath(), &ignored) == *sourceHash) {
            *same = true;
            return number;
        }
    }
}

} // namespace

QString PartialCopyName(const QString& target)
{
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".collecting");
}

QByteArray HashOfFile(const QString& fileName, QString* error, const CopyStep& step)
{
    QFile file(fileName);
    if (!OpenRegularFileForReading(file, error))
        return QByteArray();
    Sha256 hash;
    const QString read = ReadChunks(file, [&](const QByteArray& chunk) {
        hash.AddData(chunk.constData(), chunk.size());
        return step && !step(0) ? Stopped() : QString();
    });
    *error = read;
    return read.isEmpty() ? hash.HexResult() : QByteArray();
}

namespace
{

// Names the checked copy at partial by the first free candidate from number on.
QString Publish(const QString& partial, const QString& folder, const QString& relative, int number,
                FileCopy* copy)
{
    for (;; ++number) {
        bool exists = false;
        const QString target = folder + Candidate(relative, number);
        if (const QString error = RenameWithoutReplacing(partial, target, &exists);
            !error.isEmpty())
            return error;
        if (!exists) {
            copy->name = Candidate(relative, number);
            return SyncFileAndFolder(target);
        }
    }
}

} // namespace

FileCopy CopyVerified(const QString& source, const QString& folder, const QString& relative,
                      const CopyStep& step)
{
    FileCopy copy;
    QFile card(source);
    if (!OpenRegularFileForReading(card, &copy.error))
        return copy;
    copy.bytes = card.size();
    QByteArray cardHash;
    bool same = false;
    const int number =
        FirstFreeOrSame(folder, relative, source, copy.bytes, 1, &cardHash, &same, &copy.error);
    if (!copy.error.isEmpty())
        return copy;
    if (same) {
        copy.outcome = FileCopy::AlreadyThere;
        copy.name = Candidate(relative, number);
        copy.sha256 = cardHash;
        return copy;
    }
    const QString target = folder + Candidate(relative, number);
    const QString partial = PartialCopyName(target);
    if (!QDir().mkpath(QFileInfo(target).path())) {
        copy.outcome = FileCopy::ArchiveFailed;
        copy.error = Text::tr("cannot create the folder %1").arg(QFileInfo(target).path());
        return copy;
    }
    card.seek(0);
    QString writeError;
    copy.sha256 = WritePartial(card, partial, step, &copy.error, &writeError);
    if (copy.sha256.isEmpty()) {
        QFile::remove(partial);
        if (!writeError.isEmpty()) {
            copy.outcome = FileCopy::ArchiveFailed;
            copy.error = writeError;
        } else if (copy.error.isEmpty()) {
            copy.outcome = FileCopy::Cancelled;
        }
        return copy;
    }
    // What the disk gives back, not what the system still holds in memory.
    DropCachedPages(partial);
    QString readBack;
    if (HashOfFile(partial, &readBack) != copy.sha256) {
        QFile::remove(partial);
        copy.outcome = FileCopy::ArchiveFailed;
        copy.error = readBack.isEmpty()
                         ? Text::tr("the copy read back from the archive differs from the card")
                         : readBack;
        return copy;
    }
    copy.error = Publish(partial, folder, relative, number, &copy);
    copy.outcome = copy.error.isEmpty() ? FileCopy::Copied : FileCopy::ArchiveFailed;
    if (!copy.error.isEmpty())
        QFile::remove(partial);
    return copy;
}
