#include "app/cardvolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

namespace
{

// File systems a recorder card carries (FAT, exFAT, also through FUSE drivers).
bool CardFileSystem(const QByteArray& type)
{
    static const char* const types[] = {"vfat",    "msdos",      "fat",          "exfat",
                                        "fuseblk", "fuse.exfat", "fuse.fusefat", "umsdos"};
    for (const char* t : types) {
        if (type == t)
            return true;
    }
    return false;
}

// Where the system keeps its own files; a card is never mounted there.
bool SystemMountPoint(const QString& path)
{
    static const char* const exact[] = {"/",     "/boot", "/efi", "/usr", "/var",
                                        "/home", "/opt",  "/srv", "/tmp"};
    for (const char* p : exact) {
        if (path == QLatin1String(p))
            return true;
    }
    static const char* const under[] = {"/boot/", "/proc/", "/sys/", "/dev/",
                                        "/snap/", "/usr/",  "/var/"};
    for (const char* p : under) {
        if (path.startsWith(QLatin1String(p)))
            return true;
    }
    // /run holds runtime state, except /run/media where desktops mount removable media.
    return (path == QLatin1String("/run") || path.startsWith(QLatin1String("/run/"))) &&
           !path.startsWith(QLatin1String("/run/media/"));
}

} // namespace

bool IsCardVolume(const VolumeFacts& v)
{
    // Network shares (nfs, cifs, sshfs ...) and pseudo file systems (tmpfs, proc,
    // overlay, squashfs ...) fail the file-system test; loop devices hold images.
    if (!CardFileSystem(v.fileSystem) || v.device.startsWith("/dev/loop"))
        return false;
    return v.removable && !SystemMountPoint(QDir::cleanPath(v.mountPoint));
}

QString DiskOfDevice(const QByteArray& device)
{
    static const QRegularExpression partition(QStringLiteral(
        "^/dev/(?:((?:mmcblk|nvme\\d+n|loop)\\d+)(?:p\\d+)?|([a-z]+?d[a-z]+)\\d*)$"));
    const QRegularExpressionMatch m = partition.match(QString::fromLatin1(device));
    if (!m.hasMatch())
        return QString();
    return m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
}

bool DiskIsRemovable(const QString& disk, const QString& sysBlock)
{
    if (disk.isEmpty())
        return false;
    if (disk.startsWith(QLatin1String("mmcblk")))
        return true;
    QFile flag(sysBlock + QLatin1Char('/') + disk + QStringLiteral("/removable"));
    if (flag.open(QIODevice::ReadOnly) && flag.read(1) == "1")
        return true;
    // A card reader on USB may call its medium fixed; its sysfs path runs through usb.
    const QString target = QFileInfo(sysBlock + QLatin1Char('/') + disk).canonicalFilePath();
    return target.contains(QLatin1String("/usb"));
}

bool MountTableMayHoldCards(const QByteArray& table)
{
    // Each line: device, mount point, file-system type, options, two numbers.
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 2 && CardFileSystem(fields.at(2)))
            return true;
    }
    return false;
}

namespace
{

// The picker's line of a mounted volume; label empty: the mount point's last part.
CardVolume CardVolumeAt(const QStorageInfo& volume, const QString& label, const QString& configName)
{
    CardVolume card;
    card.rootPath = volume.rootPath();
    card.label = label.isEmpty() ? QFileInfo(card.rootPath).fileName() : label;
    card.bytesTotal = volume.bytesTotal();
    card.bytesFree = volume.bytesAvailable();
    card.hasConfig = QFileInfo::exists(QDir(card.rootPath).filePath(configName));
    return card;
}

} // namespace

QList<CardVolume> CardVolumesAmong(const QList<QStorageInfo>& volumes, const QString& configName,
                                   const std::function<bool(const QByteArray& device)>& removable)
{
    QList<CardVolume> cards;
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        VolumeFacts facts{volume.rootPath(), volume.fileSystemType(), volume.device(), false};
        facts.removable = removable(facts.device);
        if (IsCardVolume(facts))
            cards << CardVolumeAt(volume, volume.name(), configName);
    }
    return cards;
}

QList<CardVolume> FindCardVolumes(const QString& configName)
{
    return CardVolumesAmong(
        QStorageInfo::mountedVolumes(), configName,
        [](const QByteArray& device) { return DiskIsRemovable(DiskOfDevice(device)); });
}

bool IsCardDisk(const DiskVolume& v)
{
    if (v.fileSystem != QLatin1String("vfat") && v.fileSystem != QLatin1String("exfat"))
        return false;
    const DiskDrive& d = v.drive;
    const bool removable = d.removable || d.mediaRemovable ||
                           d.connectionBus == QLatin1String("usb") ||
                           d.connectionBus == QLatin1String("sdio");
    return !v.mountPoints.isEmpty() && !v.driveObject.isEmpty() && removable && !v.hintSystem &&
           !v.hintIgnore;
}

QString MountRootOf(const QString& path, const QStringList& mountPoints)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    QString root;
    for (const QString& point : mountPoints) {
        const QString mount = QDir::cleanPath(point);
        const bool holds = clean == mount || mount == QLatin1String("/") ||
                           clean.startsWith(mount + QLatin1Char('/'));
        if (holds && mount.size() > root.size())
            root = mount;
    }
    return root;
}

const DiskVolume* CardDiskAt(const QList<DiskVolume>& volumes, const QString& root)
{
    if (root.isEmpty())
        return nullptr;
    const QString clean = QDir::cleanPath(root);
    for (const DiskVolume& volume : volumes) {
        for (const QString& point : volume.mountPoints) {
            if (IsCardDisk(volume) && QDir::cleanPath(point) == clean)
                return &volume;
        }
    }
    return nullptr;
}

const DiskVolume* CardDiskOfFolder(const QList<DiskVolume>& volumes, const QString& folder)
{
    return CardDiskAt(volumes, QStorageInfo(folder).rootPath());
}

QList<CardVolume> CardVolumesOf(const QList<DiskVolume>& cards, const QString& configName)
{
    QList<CardVolume> lines;
    for (const DiskVolume& card : cards) {
        const QStorageInfo volume(card.mountPoints.value(0));
        if (volume.isValid() && volume.isReady())
            lines << CardVolumeAt(volume, card.label, configName);
    }
    return lines;
}

QString CardIdentityText(const QString& label, const QString& serial)
{
    if (label.isEmpty() || serial.isEmpty())
        return label + serial;
    return label + QStringLiteral(" (") + serial + QLatin1Char(')');
}

QString CardName(const DiskVolume& card)
{
    return card.label.isEmpty() ? QFileInfo(card.mountPoints.value(0)).fileName() : card.label;
}
