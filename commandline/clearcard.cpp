#include "commandline/clearcard.h"

#include "commandline/checksums.h"
#include "commandline/collectcard.h"
#include "commandline/verifiedcopy.h"
#include "platform/copyplatform.h"
#include "recorder_files/derived.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClearCard)
};

QByteArray FolderOfPath(const QByteArray& path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

} // namespace

QString CardClearing::Summary() const
{
    const QString done =
        files == 0
            ? Text::tr("cleared nothing")
            : Text::tr("cleared %1 recordings, %2 GB").arg(files).arg(GigabytesText(bytes, 2));
    return error.isEmpty() ? done : Text::tr("%1: %2").arg(error, done);
}

QString ClearProblem(const CardCollection& c, const QByteArray& card, const CollectedFile& file,
                     const Checksums& sums)
{
    QString error;
    if (HashOfFile(card + file.card.path, &error) != file.sha256)
        return error.isEmpty() ? Text::tr("changed on the card since it was copied")
                               : Text::tr("cannot be read again: %1").arg(error);
    const QString folder = file.CopyFolder(c.folder);
    const QString copy = folder + ShownName(file.name);
    if (sums.value(file.name) != file.sha256)
        return Text::tr("%1 is not listed in its SHA256SUMS").arg(copy);
    if (HashOfFile(QFile::encodeName(folder) + file.name, &error) != file.sha256)
        return error.isEmpty() ? Text::tr("its copy %1 differs from it").arg(copy)
                               : Text::tr("its copy %1 cannot be read: %2").arg(copy, error);
    return QString();
}

void ClearCollectedRecordings(CardCollection& c, const QByteArray& card)
{
    CardClearing& cleared = c.cleared;
    cleared.asked = true;
    if (!c.error.isEmpty() || c.cancelled || c.stopSignal != 0)
        return;
    if (!FolderTakesFiles(QFile::decodeName(card))) {
        cleared.error = Text::tr("the card cannot be written");
        return;
    }
    QHash<QString, Checksums> sums; // of each collection folder holding copies
    for (const CollectedFile& file : std::as_const(c.files)) {
        if (StopSignal() != 0) {
            c.stopSignal = StopSignal();
            return;
        }
        if (!file.verified || !file.card.measured)
            continue;
        const QString folder = file.CopyFolder(c.folder);
        if (!sums.contains(folder))
            sums.insert(folder, ReadChecksumFile(folder));
        if (const QString why = ClearProblem(c, card, file, sums.value(folder)); !why.isEmpty()) {
            cleared.stayed << Text::tr("%1: %2; kept on the card").arg(file.card.Shown(), why);
            continue;
        }
        const QByteArray path = card + file.card.path;
        const QString error = RemoveFileSynced(path, FolderOfPath(path));
        if (!error.isEmpty()) {
            cleared.error =
                Text::tr("cannot remove %1 from the card: %2").arg(file.card.Shown(), error);
            return;
        }
        ++cleared.files;
        cleared.bytes += file.card.size;
    }
}
