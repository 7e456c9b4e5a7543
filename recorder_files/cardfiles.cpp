#include "recorder_files/cardfiles.h"

#include "common/printable.h"
#include "platform/fileplatform.h"
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardReport)
};

struct Walk {
    const RecordingBounds& bounds;
    CardListing& listing;
    QSet<QByteArray> leftOut; // the card folder's names that are the program's temporaries
    int entries = 0;
};

void WalkFolder(Walk& walk, const QByteArray& folder, const QByteArray& prefix, int depth)
{
    QString reason;
    const QList<FolderEntry> entries = ListFolder(folder + prefix, &reason);
    if (!reason.isEmpty() && prefix.isEmpty())
        walk.listing.error = reason;
    else if (!reason.isEmpty())
        walk.listing.unlistable << Text::tr("%1: the folder cannot be read").arg(ShownName(prefix));
    for (const FolderEntry& entry : entries) {
        if (++walk.entries > walk.bounds.entries) {
            walk.listing.moreFiles = true;
            return;
        }
        const QByteArray path = prefix + entry.name;
        if (entry.kind == EntryKind::Folder) {
            if (depth >= walk.bounds.depth)
                walk.listing.moreFiles = true;
            else
                WalkFolder(walk, folder, path + '/', depth + 1);
        } else if (!walk.leftOut.contains(path)) {
            CardFile file;
            file.path = path;
            file.kind = entry.kind;
            file.size = entry.size;
            file.time = QDateTime::fromMSecsSinceEpoch(entry.modified);
            walk.listing.files.append(file);
        }
    }
}

} // namespace

bool CardFile::IsRecordingName() const
{
    return path.toLower().endsWith(".wav");
}

bool CardFile::IsText() const
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(path);
    return !utf8.hasError();
}

QString CardFile::Shown() const
{
    return ShownName(path);
}

QString ShownName(const QByteArray& path)
{
    CardFile file;
    file.path = path;
    return file.IsText() ? PrintableText(QString::fromUtf8(path))
                         : PrintableText(QString::fromLatin1(path), true);
}

QString CardFile::NotAFile() const
{
    switch (kind) {
    case EntryKind::File:
    case EntryKind::Folder:
        return QString();
    case EntryKind::Link:
        return Text::tr("a link, not followed");
    case EntryKind::PipeOrSocket:
        return NotAFileReason(FileKind::PipeOrSocket);
    case EntryKind::Device:
        return NotAFileReason(FileKind::Device);
    }
    return QString();
}

CardListing ListCardFiles(const QString& card, const RecordingBounds& bounds,
                          const QStringList& ownFiles)
{
    CardListing listing;
    QByteArray folder = QFile::encodeName(card);
    if (!folder.endsWith('/'))
        folder += '/';
    Walk walk{bounds, listing, {}};
    for (const QString& own : ownFiles) {
        for (const QString& left : LeftoverTemporaryFiles(QFile::decodeName(folder) + own))
            walk.leftOut.insert(QFile::encodeName(QFileInfo(left).fileName()));
    }
    WalkFolder(walk, folder, QByteArray(), 0);
    return listing;
}
