#include "card/cardvolumes.h"

#include "common/printable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

namespace
{

// The length of the run of bytes of text from position at that pass test.
template <typename Test> qsizetype RunFrom(const QByteArray& text, qsizetype at, Test test)
{
    qsizetype end = at;
    while (end < text.size() && test(text.at(end)))
        ++end;
    return end - at;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

// mmcblk0p1, nvme0n1p2, loop3: the disk's name and number, then "p" and the partition's.
QByteArray NumberedDisk(const QByteArray& name)
{
    qsizetype at = 0;
    if (name.startsWith("mmcblk")) {
        at = 6;
    } else if (name.startsWith("loop")) {
        at = 4;
    } else if (name.startsWith("nvme")) {
        const qsizetype controller = RunFrom(name, 4, IsDigit);
        if (controller == 0 || name.mid(4 + controller, 1) != "n")
            return {};
        at = 4 + controller + 1;
    } else {
        return {};
    }
    const qsizetype number = RunFrom(name, at, IsDigit);
    const qsizetype end = at + number;
    if (number == 0)
        return {};
    if (end == name.size())
        return name;
    const qsizetype partition = RunFrom(name, end + 1, IsDigit);
    if (name.at(end) == 'p' && partition > 0 && end + 1 + partition == name.size())
        return name.left(end);
    return {};
}

// sdb1, vda, xvdc2: letters with a "d" between them, then the partition's number.
QByteArray LetteredDisk(const QByteArray& name)
{
    const qsizetype letters = RunFrom(name, 0, IsLower);
    if (letters + RunFrom(name, letters, IsDigit) != name.size())
        return {};
    const qsizetype d = name.indexOf('d', 1);
    return d > 0 && d < letters - 1 ? name.left(letters) : QByteArray();
}

} // namespace

QString DiskOfDevice(const QByteArray& device)
{
    // Parsed by hand: a regular expression would bring in its engine for these few names.
    if (!device.startsWith("/dev/"))
        return QString();
    const QByteArray name = device.mid(5);
    const QByteArray numbered = NumberedDisk(name);
    return QString::fromLatin1(numbered.isEmpty() ? LetteredDisk(name) : numbered);
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
    for (const QString& point : v.mountPoints) {
        if (SystemMountPoint(QDir::cleanPath(point)))
            return false;
    }
    return !v.mountPoints.isEmpty() && !v.driveObject.isEmpty() && removable && !v.hintSystem &&
           !v.hintIgnore;
}

bool DriveCanRelease(const DiskDrive& drive)
{
    return drive.canPowerOff || drive.ejectable;
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

const DiskVolume* DiskMountedAt(const QList<DiskVolume>& volumes, const QString& root,
                                bool cardsOnly)
{
    if (root.isEmpty())
        return nullptr;
    const QString clean = QDir::cleanPath(root);
    for (const DiskVolume& volume : volumes) {
        for (const QString& point : volume.mountPoints) {
            if ((!cardsOnly || IsCardDisk(volume)) && QDir::cleanPath(point) == clean)
                return &volume;
        }
    }
    return nullptr;
}

const DiskVolume* CardDiskAt(const QList<DiskVolume>& volumes, const QString& root)
{
    return DiskMountedAt(volumes, root, true);
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

QString EjectLine(const QString& folder, const EjectResult& result)
{
    if (!result.ok)
        return QStringLiteral("NOT EJECTED %1: %2")
            .arg(PrintableText(folder), PrintableText(result.error));
    return QStringLiteral("EJECTED %1 %2%3")
        .arg(PrintableText(folder), PrintableText(result.card),
             result.unmountedOnly ? QStringLiteral(": unmounted; take the card out") : QString());
}
