#include "platform/savefile.h"

#include "platform/fileplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

SafeWriteMedium Medium{SyncFileAndFolder, DropCachedPages};

namespace
{

// The texts of this file, in the translation context SafeWrite.
struct SafeWriteText {
    Q_DECLARE_TR_FUNCTIONS(SafeWrite)
};

// Writes over the existing file, where a replacement is impossible or would change the
// file, and says what the file holds after a failure.
QString InPlace(const QString& fileName, const QByteArray& bytes)
{
    const InPlaceWrite written = WriteInPlace(fileName, bytes);
    switch (written.left) {
    case InPlaceWrite::Written:
    case InPlaceWrite::Untouched:
        return written.error;
    case InPlaceWrite::PutBack:
        return SafeWriteText::tr("%1; the file holds its old contents again").arg(written.error);
    case InPlaceWrite::Damaged:
        return SafeWriteText::tr("%1; putting the old contents back failed too (%2): the file "
                                 "may be damaged and must be written again")
            .arg(written.error, written.restoreError);
    }
    return written.error;
}

// Why the temporary file did not replace fileName. Qt tells no reason where the link or
// rename that names the temporary file failed (a card pulled meanwhile): then the
// system's last one, or that the folder has gone with its card.
QString CommitFailure(const QSaveFile& file, int error, const QString& fileName)
{
    if (file.error() != QFileDevice::NoError && file.errorString() != QFile().errorString())
        return file.errorString();
    if (!QFileInfo(QFileInfo(fileName).absolutePath()).isDir())
        return SafeWriteText::tr("the card went away");
    return SystemReason(error != 0 ? error : EIO);
}

// Writes through a temporary file that is renamed over the old one (QSaveFile follows
// symbolic links and keeps the mode). *replaceable is false, and nothing is written, when
// the new file could not be given the old one's owner and group. The bytes and the sync
// go through the handle, so that a failure reports the system's reason.
QString WriteReplacing(const QString& fileName, const QByteArray& bytes, bool* replaceable)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const int handle = int(file.handle());
    *replaceable = TakeOverOwner(handle, fileName);
    if (!*replaceable) {
        file.cancelWriting(); // the temporary file goes with file
        return QString();
    }
    QString reason = WriteToHandle(handle, bytes);
    if (reason.isEmpty())
        reason = SyncHandle(handle);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit())
        return CommitFailure(file, errno, fileName);
    return QString();
}

QString Write(const QString& fileName, const FileFacts& target, const QByteArray& bytes)
{
    // A new file would leave the other names behind; a folder the user may not write
    // takes no temporary file.
    if (target.kind == FileKind::Regular && (target.links > 1 || !target.folderWritable))
        return InPlace(fileName, bytes);
    bool replaceable = true;
    QString error = WriteReplacing(fileName, bytes, &replaceable);
    if (!replaceable)
        return InPlace(fileName, bytes);
    return error;
}

// The name QSaveFile gives its temporary file: the file's name, a point and the six
// letters it draws.
bool IsTemporaryNameOf(const QString& name, const QString& target)
{
    constexpr int Drawn = 6;
    if (name.size() != target.size() + 1 + Drawn || !name.startsWith(target + QLatin1Char('.')))
        return false;
    for (qsizetype i = name.size() - Drawn; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    return true;
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
    const QString cannotRead = QStringLiteral("Cannot read the file back: ");
    if (!OpenRegularFileForReading(file, &reason))
        return cannotRead + reason;
    // One byte more than expected tells a longer file from an equal one.
    const QByteArray back = file.read(bytes.size() + 1);
    if (file.error() != QFileDevice::NoError)
        return cannotRead + file.errorString();
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
        error = InPlace(fileName, bytes);
    } else {
        error = Write(fileName, target, bytes);
        if (error.isEmpty()) {
            for (const QString& left : LeftoverTemporaryFiles(fileName))
                QFile::remove(left); // where the folder may not be written, they stay
            error = Verify(fileName, bytes);
        }
    }
    return FileResult{error.isEmpty(), error};
}

QStringList LeftoverTemporaryFiles(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QFileInfo real(info.canonicalFilePath().isEmpty() ? info.absoluteFilePath()
                                                            : info.canonicalFilePath());
    const QString target = real.fileName();
    QStringList left;
    // QDir::System lists broken links too; a match is looked at without following it.
    const QDir folder = real.dir();
    const QStringList names = folder.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QFileInfo entry(folder.filePath(name));
        if (IsTemporaryNameOf(name, target) && !entry.isSymLink() && entry.isFile())
            left << entry.absoluteFilePath();
    }
    return left;
}
