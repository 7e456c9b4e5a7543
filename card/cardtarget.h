#pragma once

// Whether a folder written to is a card the recorder reads, and if not why: the one rule
// of --write, the window's Save and the record of card writes.

#include "card/cardvolumes.h"

#include <QString>
#include <QStringList>

struct CardTarget {
    bool known = false;    // the folder's volume could be asked (false: no such folder)
    bool card = false;     // on a card
    QString root;          // the mount point of the folder's volume
    QString name;          // the card's name (CardName), when on a card
    QString problem;       // why the recorder will not read the folder; empty when it will
    QString recordProblem; // the same in English, for the record of card writes
};

// The volume of folder (QStorageInfo) decides, told apart as the disk service tells it
// (disks, when it answered: a volume it knows at that mount point is a card only when
// IsCardDisk says so) or else by the mount table and the kernel's removable flag
// (IsCardVolume). A card's sub-folder has a problem too: the recorder reads the top one.
CardTarget CardTargetOf(const QString& folder, const QList<DiskVolume>* disks);

// The record's word on the target: "yes" for a card's top folder, else its problem;
// empty when not known.
QString CardTargetRecord(const CardTarget& target);

// What to say after a folder was written: the problem of the target, and that the card is
// full after daysUntilFull days (the day strip's red threshold, warningDays, not reached)
// with freeBytes free. daysUntilFull < 0: never full, or not known.
QStringList CardWriteWarnings(const CardTarget& target, int daysUntilFull, int warningDays,
                              qint64 freeBytes);
