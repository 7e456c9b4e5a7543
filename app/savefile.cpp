#include "app/savefile.h"

#include "app/fileplatform.h"

#include <QFile>
#include <QSaveFile>

SafeWriteMedium Medium{SyncFileAndFolder, DropCachedPages};

namespace
{

// Writes over the existing file, where a replacement is impossible or would change the
// file. A write that fails half way leaves the file cut short: the price of keeping its
// owner and its other names when it cannot be replaced.
QString WriteInPlace(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    QString reason;
    if (!OpenExistingForWriting(file, &reason))
        return reason;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return QString();
}

// Writes through a temporary file that is renamed over the old one (QSaveFile follows
// symbolic links and keeps the mode). In a folder the user may not write, QSaveFile
// writes the file in place instead. *replaceable is false, and nothing is written, when
// the new file could not be given the old one's owner and group.
QString WriteReplacing(const QString& fileName, const QByteArray& bytes, bool* replaceable)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    *replaceable = TakeOverOwner(int(file.handle()), fileName);
    if (!*replaceable) {
        file.cancelWriting(); // the temporary file goes with file
        return QString();
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // commit() has been seen to miss a failed last flush: both are checked. It syncs
    // the temporary file before the rename.
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString Write(const QString& fileName, const FileFacts& target, const QByteArray& bytes)
{
    if (target.kind == FileKind::Regular && target.links > 1)
        return WriteInPlace(fileName, bytes); // a new file would leave the other names behind
    bool replaceable = true;
    QString error = WriteReplacing(fileName, bytes, &replaceable);
    if (!replaceable)
        return WriteInPlace(fileName, bytes);
    return error;
}

// The file read back from the medium, not from memory, and compared.
QString Verify(const QString& fileName, const QByteArray& bytes)
{
    const QString synced = Medium.sync(fileName);
    if (!synced.isEmpty())
        return QStringLiteral("Cannot write the file out to the disk: ") + synced;
    Medium.dropCachedPages(fileName);
    QFile file(fileName);
    QString reason;
    if (!OpenRegularFileForReading(file, &reason))
        return QStringLiteral("Cannot read the file back: ") + reason;
    // One byte more than expected tells a longer file from an equal one.
    const QByteArray back = file.read(bytes.size() + 1);
    if (back != bytes)
        return QStringLiteral("The file read back differs from what was written");
    return QString();
}

} // namespace

FileResult WriteFileSafely(const QString& fileName, const QByteArray& bytes)
{
    const FileFacts target = InspectFile(fileName);
    QString error;
    if (target.kind == FileKind::Folder || target.kind == FileKind::PipeOrSocket) {
        error = NotAFileReason(target.kind); // a pipe would wait for a reader for ever
    } else if (target.kind == FileKind::Device) {
        // Never replaced (as root a rename would replace the device node itself); there
        // is nothing to read back from a device.
        error = WriteInPlace(fileName, bytes);
    } else {
        error = Write(fileName, target, bytes);
        if (error.isEmpty())
            error = Verify(fileName, bytes);
    }
    return FileResult{error.isEmpty(), error};
}
