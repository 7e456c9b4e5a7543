#include "app/cardidentity.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace
{

// The serial of a block device from the links the system keeps in /dev/disk/by-uuid
// (for FAT the volume serial, for other file systems their UUID).
QString SerialOfDevice(const QByteArray& device)
{
    if (!device.startsWith("/dev/"))
        return QString();
    const QString target = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath();
    const QDir byUuid(QStringLiteral("/dev/disk/by-uuid"));
    const QFileInfoList links = byUuid.entryInfoList(QDir::System | QDir::Files);
    for (const QFileInfo& link : links) {
        if (!target.isEmpty() && link.canonicalFilePath() == target)
            return link.fileName();
    }
    return QString();
}

} // namespace

CardIdentity CardIdentityOf(const QString& folder)
{
    const QStorageInfo volume(folder);
    if (!volume.isValid())
        return {};
    return {volume.name(), SerialOfDevice(volume.device())};
}
