#include "app/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::function<void(const QString&)> AfterSafeWriteHook;

namespace
{

// A device or pipe cannot be replaced by a renamed temporary file (and as root a
// rename would replace the device node itself): such targets are written in place.
QString WriteInPlace(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return QString();
}

QString WriteReplacing(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // commit() has been seen to miss a failed last flush: both are checked.
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString Verify(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read the file back: ") + file.errorString();
    // One byte more than expected tells a longer file from an equal one.
    const QByteArray back = file.read(bytes.size() + 1);
    if (back != bytes)
        return QStringLiteral("The file read back differs from what was written");
    return QString();
}

} // namespace

FileResult WriteFileSafely(const QString& fileName, const QByteArray& bytes)
{
    const QFileInfo target(fileName);
    QString error;
    if (target.exists() && !target.isFile() && !target.isDir()) {
        error = WriteInPlace(fileName, bytes); // nothing to read back from a device
    } else {
        error = WriteReplacing(fileName, bytes);
        if (error.isEmpty() && AfterSafeWriteHook)
            AfterSafeWriteHook(fileName);
        if (error.isEmpty())
            error = Verify(fileName, bytes);
    }
    return FileResult{error.isEmpty(), error};
}
