#pragma once

#include "card/detachedquestion.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// The folder that holds the files of a card path (a plain prefix): everything up to
// the last separator, or the working directory when there is none.
QString CardFolder(const QString& cardPath);

// Whole hours (or minutes below one hour) the recorder can write into freeBytes at
// byteRate bytes per second, as the read-out words it.
QString RecordingTimeText(qint64 freeBytes, int byteRate);

// "Card: 3.71 GB free, about 128 h at 8000 B/s" on a removable volume, "Folder's disk: ..."
// on any other; with the card's name (CardIdentityText) "Card REC01 (1A2B-3C4D): 3.71 GB
// free, ...".
QString CardSpaceText(qint64 freeBytes, int byteRate, bool removable,
                      const QString& card = QString());

// Free space of a folder as seen by the worker: -1 when the folder does not exist.
qint64 FreeBytesOfFolder(const QString& folder);
// Whether the folder lies on a disk the kernel counts as removable media.
bool FolderIsOnRemovableDisk(const QString& folder);

// Keeps the card read-out current. It asks when the card path changes and when told to
// (after a save, when the window is activated, when a volume is mounted or unmounted),
// never on a timer. The volume is asked on a thread of its own so that a
// slow or vanished card never freezes the window; one question at a time, and the
// newest card path wins. Nobody waits for that thread: a card that stopped answering
// neither holds the window nor the program's exit, and an answer that comes after the
// monitor is gone is dropped.
class CardSpaceMonitor : public QObject
{
    Q_OBJECT

public:
    explicit CardSpaceMonitor(QObject* parent = nullptr);
    ~CardSpaceMonitor() override;

    void SetCardPath(const QString& cardPath);
    void SetByteRate(int byteRate);
    // The name of the card that holds folder (a card path's CardFolder), empty when it is
    // on no card the disk service knows. Shown once the free space of that folder is.
    void SetCard(const QString& folder, const QString& card);
    // Asks the volume again: free space changes when files are written (after a save,
    // by another program while the window was in the background, a card swapped).
    void Refresh();
    QString Text() const { return CurrentText; }

    // The functions that ask the volume (tests replace them).
    std::function<qint64(const QString&)> freeBytes = FreeBytesOfFolder;
    std::function<bool(const QString&)> removable = FolderIsOnRemovableDisk;

signals:
    void textChanged(const QString& text);
    void freeBytesChanged(qint64 freeBytes); // -1: the folder does not exist

private:
    struct VolumeAnswer {
        qint64 freeBytes;
        bool removable;
    };
    void Answered(const VolumeAnswer& answer);
    void Show();

    int ByteRate = 8000;
    QString Card; // the name of the card CardFolderOf is on
    QString CardFolderOf;
    QString AnsweredFolder; // the folder FreeBytes is of: the name waits for its figure
    qint64 FreeBytes = -2;  // -2: not known yet
    bool Removable = false;
    QString CurrentText;
    NewestQuestion<VolumeAnswer> Volume; // of the card path's folder
};
