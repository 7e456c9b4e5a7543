#pragma once

// Which volume a card folder is on, for the record of card writes. The one place that
// asks the system: today QStorageInfo and the system's list of volume serials.

#include <QString>

struct CardIdentity {
    QString label;  // the volume's label, empty when it has none
    QString serial; // the file system's serial (a FAT card's "1234-ABCD"), empty when unknown
};

CardIdentity CardIdentityOf(const QString& folder);
