#include "common/cardidentity.h"

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

CardIdentitySource& Source()
{
    static CardIdentitySource source;
    return source;
}

} // namespace

void SetCardIdentitySource(CardIdentitySource source)
{
    Source() = std::move(source);
}

CardIdentity CardIdentityOf(const QString& folder)
{
    if (Source()) {
        const CardIdentity known = Source()(folder);
        if (!known.label.isEmpty() || !known.serial.isEmpty())
            return known;
    }
    return VolumeIdentityOf(folder);
}

CardIdentity VolumeIdentityOf(const QString& folder)
{
    const QStorageInfo volume(folder);
    if (!volume.isValid())
        return {};
    return {volume.name(), SerialOfDevice(volume.device())};
}
