#pragma once

// Clearing a collected card (--collect ... --clear): the recordings whose copies in the
// archive are verified now leave the card, one at a time, each removal on the card before
// the next; everything else stays. Qt Core only.

#include "commandline/checksums.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct CardCollection;
struct CollectedFile;

struct CardClearing {
    bool asked = false;
    int files = 0;      // recordings removed from the card
    qint64 bytes = 0;   // their size
    QStringList stayed; // "REC/A0001.WAV: changed on the card since it was copied; kept"
    QString error;      // the card could not be cleared: the rest stays

    // "cleared 60 recordings, 0.71 GB" with the reason where it stopped.
    QString Summary() const;
};

// Why file (a recording of c, copied and checked) may not leave the card, or empty: the
// card file read again now and its copy in the archive (in c's collection folder or an
// earlier one of the card), listed in that folder's SHA256SUMS (sums), read again now,
// both hashed to the SHA-256 the collect found.
QString ClearProblem(const CardCollection& c, const QByteArray& card, const CollectedFile& file,
                     const Checksums& sums);

// Removes from the card folder (the system's bytes, ending in "/") the recordings of c
// that ClearProblem lets go, into c.cleared; nothing where c's collect failed, was
// stopped or cancelled, or where the card cannot be written.
void ClearCollectedRecordings(CardCollection& c, const QByteArray& card);
