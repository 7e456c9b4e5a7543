#pragma once

// Which mounted volumes are memory cards: plain rules over what the system tells about a
// mount, and the list the card picker shows.

#include <QByteArray>
#include <QList>
#include <QStorageInfo>
#include <QString>
#include <functional>

struct VolumeFacts {
    QString mountPoint;
    QByteArray fileSystem; // "vfat", "exfat", "ext4", "tmpfs", "nfs4" ...
    QByteArray device;     // "/dev/sdb1", "/dev/mmcblk0p1", "server:/export" ...
    bool removable = false;
};

// A card: a FAT-family file system on a removable block device, not mounted where the
// system keeps its own files (/, /boot, /boot/efi ...). Pseudo, network and loop-device
// file systems are never cards.
bool IsCardVolume(const VolumeFacts& volume);

// The whole disk of a partition device: /dev/sdb1 -> sdb, /dev/mmcblk0p1 -> mmcblk0,
// /dev/nvme0n1p2 -> nvme0n1; empty when the device is no block device under /dev.
QString DiskOfDevice(const QByteArray& device);

// Whether the kernel counts the disk as removable media: its removable flag under
// sysBlock (/sys/block/<disk>/removable), an SD slot (mmcblk), or a disk on USB, where
// card readers sit.
bool DiskIsRemovable(const QString& disk, const QString& sysBlock = QStringLiteral("/sys/block"));

struct CardVolume {
    QString rootPath; // the mount point
    QString label;    // the volume's name, or the mount point's last part
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0;
    bool hasConfig = false; // the configuration file name is on it
};

// Whether a mount table (the text of /proc/self/mounts) names any file system a card
// can have; when not, there is no card and no volume needs to be asked.
bool MountTableMayHoldCards(const QByteArray& table);

// The cards among volumes, each marked when configName is on it; removable tells whether
// a volume's device is removable media.
QList<CardVolume> CardVolumesAmong(const QList<QStorageInfo>& volumes, const QString& configName,
                                   const std::function<bool(const QByteArray& device)>& removable);

// The mounted cards, from QStorageInfo::mountedVolumes() and the kernel's removable flag;
// may take long on a slow volume, so call it off the GUI thread.
QList<CardVolume> FindCardVolumes(const QString& configName);
