#include "commandline/archiveindex.h"

#include "commandline/checksums.h"
#include "commandline/verifiedcopy.h"
#include "recorder_files/cardfiles.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/deployment.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>

namespace
{

// The rows of a CSV file written by this program; none when it cannot be read.
QList<QStringList> ReadCsv(const QString& fileName)
{
    QByteArray bytes;
    if (!QFileInfo::exists(fileName) || !ReadSmallFile(fileName, LargestListFile, &bytes).isEmpty())
        return {};
    return CsvRows(bytes);
}

// A recording as recordings.csv has it: its path cell as read back, its size, and its
// time in seconds since 1970.
QString Key(const QString& cell, qint64 bytes, qint64 seconds)
{
    return cell + QLatin1Char('\n') + QString::number(bytes) + QLatin1Char('\n') +
           QString::number(seconds);
}

// A card path as its recordings.csv cell reads back: CsvField's leading "'" on a text a
// spreadsheet would run as a formula stays.
QString CellOf(const QString& path)
{
    return path.isEmpty() || !QStringView(u"=+-@").contains(path.front())
               ? path
               : QLatin1Char('\'') + path;
}

// The values of one column of rows, by its header's name; empty where it has none.
QStringList Column(const QList<QStringList>& rows, const char* name)
{
    const qsizetype at = rows.value(0).indexOf(QLatin1String(name));
    QStringList values;
    for (qsizetype i = 1; at >= 0 && i < rows.size(); ++i)
        values << rows[i].value(at);
    return values;
}

QSet<QString> ArchivedRecordings(const QString& record)
{
    QSet<QString> keys;
    QSet<QString> folders;
    for (const QString& folder : Column(ReadCsv(record), "archive folder"))
        folders.insert(folder);
    for (const QString& folder : std::as_const(folders)) {
        if (folder.isEmpty())
            continue;
        const QList<QStringList> rows = ReadCsv(folder + QLatin1String(RecordingListName));
        const QStringList paths = Column(rows, "card path"), sizes = Column(rows, "bytes"),
                          times = Column(rows, "file time");
        for (qsizetype i = 0; i < paths.size() && i < sizes.size() && i < times.size(); ++i) {
            const QDateTime time = QDateTime::fromString(times[i], Qt::ISODate);
            if (time.isValid())
                keys.insert(Key(paths[i], sizes[i].toLongLong(), time.toSecsSinceEpoch()));
        }
    }
    return keys;
}

} // namespace

QString DefaultCollectionRecord()
{
    return QFileInfo(DefaultDeploymentRecord()).absolutePath() + QStringLiteral("/collections.csv");
}

int UncollectedRecordings(const QString& card, const QString& record)
{
    const CardListing listing = ListCardFiles(card);
    if (!listing.error.isEmpty())
        return -1;
    QSet<QString> archived;
    bool read = false;
    int count = 0;
    for (const CardFile& file : listing.files) {
        if (!file.IsRecordingName() || file.kind != EntryKind::File)
            continue;
        if (!std::exchange(read, true))
            archived = ArchivedRecordings(record);
        if (!archived.contains(Key(CellOf(file.Shown()), file.size, file.time.toSecsSinceEpoch())))
            ++count;
    }
    return count;
}
