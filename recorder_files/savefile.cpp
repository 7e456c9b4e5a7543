#include "recorder_files/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

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

} // namespace

QString WriteFileSafely(const QString& fileName, const QByteArray& bytes)
{
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile() && !target.isDir())
        return WriteInPlace(fileName, bytes);

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
