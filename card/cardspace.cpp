#include "card/cardspace.h"

#include "card/cardvolumes.h"
#include "recorder_files/derived.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

QString CardFolder(const QString& cardPath)
{
    const int cut =
        qMax(cardPath.lastIndexOf(QLatin1Char('/')), cardPath.lastIndexOf(QLatin1Char('\\')));
    if (cut < 0)
        return QDir::currentPath();
    return cardPath.left(cut + 1);
}

QString RecordingTimeText(qint64 freeBytes, int byteRate)
{
    const qint64 seconds = byteRate > 0 && freeBytes > 0 ? freeBytes / byteRate : 0;
    if (seconds >= 3600)
        return QCoreApplication::translate("PlimoAppWindow", "about %1 h").arg(seconds / 3600);
    return QCoreApplication::translate("PlimoAppWindow", "about %1 min").arg(seconds / 60);
}

QString CardSpaceText(qint64 freeBytes, int byteRate, bool removable, const QString& card)
{
    const QString free = FreeSpaceText(freeBytes);
    const QString time = RecordingTimeText(freeBytes, byteRate);
    const QString rate = QString::number(byteRate);
    // One arg() with every value: a label with a "%" in it stays as it is.
    if (!card.isEmpty())
        return QCoreApplication::translate("PlimoAppWindow", "Card %1: %2 free, %3 at %4 B/s")
            .arg(card, free, time, rate);
    const char* text =
        removable ? QT_TRANSLATE_NOOP("PlimoAppWindow", "Card: %1 free, %2 at %3 B/s")
                  : QT_TRANSLATE_NOOP("PlimoAppWindow", "Folder's disk: %1 free, %2 at %3 B/s");
    return QCoreApplication::translate("PlimoAppWindow", text).arg(free, time, rate);
}

qint64 FreeBytesOfFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return -1;
    const QStorageInfo volume(folder);
    return volume.isValid() ? volume.bytesAvailable() : -1;
}

bool FolderIsOnRemovableDisk(const QString& folder)
{
    const QStorageInfo volume(folder);
    const QString disk = volume.isValid() ? DiskOfDevice(volume.device()) : QString();
    return !disk.isEmpty() && DiskIsRemovable(disk);
}

CardSpaceMonitor::CardSpaceMonitor(QObject* parent)
    : QObject(parent),
      Volume(
          this,
          [this] {
              return [ask = freeBytes, removable = removable](const QString& folder) {
                  const qint64 free = ask(folder);
                  return VolumeAnswer{free, free >= 0 && removable(folder)};
              };
          },
          [this](const VolumeAnswer& answer) { Answered(answer); })
{
}

CardSpaceMonitor::~CardSpaceMonitor() = default;

void CardSpaceMonitor::SetCardPath(const QString& cardPath)
{
    const QString folder = CardFolder(cardPath);
    if (folder == Volume.Folder() && FreeBytes != -2)
        return;
    Volume.SetFolder(folder);
    Volume.Ask();
}

void CardSpaceMonitor::SetByteRate(int byteRate)
{
    if (byteRate == ByteRate)
        return;
    ByteRate = byteRate;
    Show();
}

void CardSpaceMonitor::SetCard(const QString& folder, const QString& card)
{
    CardFolderOf = folder;
    Card = card;
    Show();
}

void CardSpaceMonitor::Refresh()
{
    if (!Volume.Folder().isNull()) // no card path yet
        Volume.Ask();
}

void CardSpaceMonitor::Answered(const VolumeAnswer& answer)
{
    FreeBytes = answer.freeBytes;
    Removable = answer.removable;
    AnsweredFolder = Volume.Folder();
    emit freeBytesChanged(FreeBytes);
    Show();
}

void CardSpaceMonitor::Show()
{
    if (FreeBytes == -2)
        return;
    const QString text =
        FreeBytes < 0
            ? QCoreApplication::translate("PlimoAppWindow", "Card folder not found")
            : CardSpaceText(FreeBytes, ByteRate, Removable,
                            AnsweredFolder == Volume.Folder() && CardFolderOf == Volume.Folder()
                                ? Card
                                : QString());
    if (text == CurrentText)
        return;
    CurrentText = text;
    emit textChanged(text);
}
