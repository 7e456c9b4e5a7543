#include "card/cardtarget.h"

#include "recorder_files/derived.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace
{

struct TargetText {
    Q_DECLARE_TR_FUNCTIONS(CardTarget)
};

} // namespace

CardTarget CardTargetOf(const QString& folder, const QList<DiskVolume>* disks)
{
    CardTarget target;
    const QFileInfo where(folder);
    const QStorageInfo volume(where.absoluteFilePath());
    if (!where.isDir() || !volume.isValid())
        return target;
    target.known = true;
    target.root = QDir::cleanPath(volume.rootPath());
    const DiskVolume* disk = disks ? DiskMountedAt(*disks, target.root) : nullptr;
    const QByteArray device = volume.device();
    if (disk) {
        target.card = IsCardDisk(*disk);
        target.name = CardName(*disk);
    } else {
        target.card = IsCardVolume(
            {target.root, volume.fileSystemType(), device, DiskIsRemovable(DiskOfDevice(device))});
        target.name = volume.name().isEmpty() ? QFileInfo(target.root).fileName() : volume.name();
    }
    // The record keeps the English words whatever the window's language; the window shows
    // them translated.
    const auto say = [&target](const char* text, const QString& a, const QString& b) {
        const QString english = QString::fromLatin1(text);
        const QString shown = QCoreApplication::translate("CardTarget", text);
        target.recordProblem = b.isNull() ? english.arg(a) : english.arg(a, b);
        target.problem = b.isNull() ? shown.arg(a) : shown.arg(a, b);
    };
    if (!target.card) {
        const bool ownDisk = target.root == QLatin1String("/") ||
                             (device.startsWith("/dev/") && !device.startsWith("/dev/loop"));
        if (ownDisk)
            say(QT_TRANSLATE_NOOP("CardTarget", "not a card: on the computer's own disk (%1)"),
                target.root, QString());
        else
            say(QT_TRANSLATE_NOOP("CardTarget", "not a card: on %1 (%2)"), target.root,
                QString::fromUtf8(volume.fileSystemType()));
    } else if (QDir::cleanPath(where.canonicalFilePath()) != target.root) {
        say(QT_TRANSLATE_NOOP("CardTarget", "a folder inside the card %1 (%2): the recorder "
                                            "reads only the card's top folder"),
            target.name, target.root);
    }
    return target;
}

QString CardTargetRecord(const CardTarget& target)
{
    if (!target.known)
        return QString();
    return target.recordProblem.isEmpty() ? QStringLiteral("yes") : target.recordProblem;
}

QStringList CardWriteWarnings(const CardTarget& target, int daysUntilFull, int warningDays,
                              qint64 freeBytes)
{
    QStringList warnings;
    if (!target.problem.isEmpty())
        warnings << target.problem;
    if (daysUntilFull >= 0 && daysUntilFull < warningDays)
        warnings << TargetText::tr("full after %n days with %1 free", nullptr, daysUntilFull)
                        .arg(freeBytes >= 1000000000
                                 ? GigabytesText(freeBytes, 2) + QStringLiteral(" GB")
                                 : QString::number(double(freeBytes) / 1e6, 'f', 1) +
                                       QStringLiteral(" MB"));
    return warnings;
}
