#pragma once

// Which mounted volumes are memory cards: plain rules over what the system tells about a
// mount, and the list the card picker shows.

#include <QByteArray>
#include <QList>
#include <QStorageInfo>
#include <QString>
#include <QStringList>
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

// What the system's disk service (UDisks2) tells of a file system and of its drive.
struct DiskDrive {
    bool removable = false;      // the drive's medium can be taken out
    bool mediaRemovable = false; // (a card reader is often only this one)
    QString connectionBus;       // "usb", "sdio", "" ...
    bool canPowerOff = false;
    bool ejectable = false; // the medium can be pushed out by the drive (Drive.Eject)
};

// Whether the program can take the drive's card out itself (power the drive off or eject
// the medium); false for an SD slot inside the computer: there the card is only unmounted.
bool DriveCanRelease(const DiskDrive& drive);

struct DiskVolume {
    QString object;     // the block's D-Bus object path
    QString device;     // "/dev/sdb1"
    QString fileSystem; // "vfat", "exfat", "ntfs", "ext4" ...
    QString label;      // the volume's name, "REC01"
    QString serial;     // a FAT volume's ID, "1A2B-3C4D"
    QStringList mountPoints;
    bool hintSystem = false; // the system's own (internal) disk
    bool hintIgnore = false; // not to be shown to the user
    qint64 size = 0;
    QString driveObject; // the drive's D-Bus object path, empty without one
    DiskDrive drive;
};

// A card: FAT or exFAT, mounted, on a drive whose medium comes out (or a card reader on
// USB or SD), and not one the system keeps for itself or hides, nor one mounted where the
// system keeps its own files (an eMMC that UDisks2 counts as "sdio" holding /).
bool IsCardDisk(const DiskVolume& volume);

// The mount point among mountPoints that holds path (the longest that is path or one of
// its parents); empty when none does. Only the text is compared: no volume is asked.
QString MountRootOf(const QString& path, const QStringList& mountPoints);

// The volume mounted at root (a volume root, as QStorageInfo::rootPath() gives it) among
// volumes, only cards where cardsOnly, or nullptr.
const DiskVolume* DiskMountedAt(const QList<DiskVolume>& volumes, const QString& root,
                                bool cardsOnly = false);
// The card mounted at root among volumes, or nullptr.
const DiskVolume* CardDiskAt(const QList<DiskVolume>& volumes, const QString& root);
// The card that holds folder among volumes: the one mounted at the folder's volume root
// (asks the volume, QStorageInfo), or nullptr.
const DiskVolume* CardDiskOfFolder(const QList<DiskVolume>& volumes, const QString& folder);

// The picker's lines for the cards the disk service knows: size and free space asked of
// each mount point (may take long on a slow volume: off the GUI thread).
QList<CardVolume> CardVolumesOf(const QList<DiskVolume>& cards, const QString& configName);

// The name a card goes by in messages: its label, else its mount point's last part.
QString CardName(const DiskVolume& card);

// "REC01 (1A2B-3C4D)": a card's label and serial as the window names the card; either
// alone when the other is empty.
QString CardIdentityText(const QString& label, const QString& serial);

// What ejecting a card came to.
struct EjectResult {
    bool ok = false;
    QString card;               // CardName of the card
    QString error;              // why it cannot be removed (the disk service's reason)
    bool unmountedOnly = false; // ok, but the drive cannot release it: take the card out
};

// The line that tells how ejecting the card of folder went, as --write --eject prints it:
// "EJECTED DIR REC01", "EJECTED DIR REC02: unmounted; take the card out" or
// "NOT EJECTED DIR: reason".
QString EjectLine(const QString& folder, const EjectResult& result);
