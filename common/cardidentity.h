#pragma once

// Which volume a card folder is on, for the record of card writes. The disk service
// (UDisks2) is asked first where the program has set it as the source; otherwise, or when
// it knows no card there, QStorageInfo and the system's list of volume serials answer.

#include <QString>

#include <functional>

struct CardIdentity {
    QString label;  // the volume's label, empty when it has none
    QString serial; // the file system's serial (a FAT card's "1234-ABCD"), empty when unknown
};

CardIdentity CardIdentityOf(const QString& folder);

// The label and serial of the volume that holds folder as QStorageInfo and the system's
// list of volume serials tell them, the disk service not asked.
CardIdentity VolumeIdentityOf(const QString& folder);

// The first source of label and serial (the program sets the disk service here); an
// empty answer falls back to the volume as QStorageInfo sees it. Unset with {}.
using CardIdentitySource = std::function<CardIdentity(const QString& folder)>;
void SetCardIdentitySource(CardIdentitySource source);
