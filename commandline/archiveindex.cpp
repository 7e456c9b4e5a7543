#include "commandline/archiveindex.h"

#include "commandline/checksums.h"
#include "commandline/verifiedcopy.h"
#include "platform/folderplatform.h"
#include "recorder_files/cardfiles.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/deployment.h"

#include <QDateTime>
#include <QFile>
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

// One row of a collection folder's recordings.csv.
struct ListedRecording {
    QString key; // as ArchiveKey makes it
    qint64 bytes = 0;
    QByteArray sha256;
    QString collectedAs; // the copy's name in the folder, as its cell reads back
};

// The rows of the folder's recordings.csv (folder ends in "/") with a valid file time.
QList<ListedRecording> ListedRecordings(const QString& folder)
{
    const QList<QStringList> rows = ReadCsv(folder + QLatin1String(RecordingListName));
    const QStringList paths = Column(rows, "card path"), sizes = Column(rows, "bytes"),
                      times = Column(rows, "file time"), sums = Column(rows, "sha256"),
                      names = Column(rows, "collected as");
    QList<ListedRecording> listed;
    for (qsizetype i = 0; i < paths.size() && i < sizes.size() && i < times.size(); ++i) {
        const QDateTime time = QDateTime::fromString(times[i], Qt::ISODate);
        const qint64 bytes = sizes[i].toLongLong();
        if (time.isValid())
            listed.append({Key(paths[i], bytes, time.toSecsSinceEpoch()), bytes,
                           sums.value(i).toLatin1(), names.value(i)});
    }
    return listed;
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
        for (const ListedRecording& listed : ListedRecordings(folder))
            keys.insert(listed.key);
    }
    return keys;
}

// The copies one collection folder (ending in "/") holds as its lists say.
void AddCopiesOf(const QString& folder, const QDate& date, ArchivedCopies& copies)
{
    const Checksums sums = ReadChecksumFile(folder);
    QHash<QString, QByteArray> names; // as recordings.csv reads back -> the system's bytes
    for (auto it = sums.cbegin(); it != sums.cend(); ++it)
        names.insert(CellOf(ShownName(it.key())), it.key());
    for (const ListedRecording& listed : ListedRecordings(folder)) {
        const QByteArray name = names.value(listed.collectedAs);
        FolderEntry entry;
        if (!name.isEmpty() && sums.value(name) == listed.sha256 &&
            LookAt(QFile::encodeName(folder) + name, &entry) && entry.kind == EntryKind::File &&
            entry.size == listed.bytes)
            copies.insert(listed.key, {folder, date, name, listed.sha256});
    }
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
        if (!archived.contains(ArchiveKey(file)))
            ++count;
    }
    return count;
}

QString ArchiveKey(const CardFile& file)
{
    return Key(CellOf(file.Shown()), file.size, file.time.toSecsSinceEpoch());
}

ArchivedCopies EarlierCollections(const QString& cardFolder, const QDate& before)
{
    QList<QPair<QDate, QByteArray>> dated;
    QString reason;
    for (const FolderEntry& entry : ListFolder(QFile::encodeName(cardFolder), &reason)) {
        const QDate date = QDate::fromString(QString::fromLatin1(entry.name), u"yyyy-MM-dd");
        if (entry.kind == EntryKind::Folder && date.isValid() && date < before)
            dated.append({date, entry.name});
    }
    // QMultiHash gives the copies of a key last inserted first: the oldest go in first.
    std::sort(dated.begin(), dated.end());
    ArchivedCopies copies;
    for (const auto& [date, name] : std::as_const(dated))
        AddCopiesOf(cardFolder + QFile::decodeName(name) + QLatin1Char('/'), date, copies);
    return copies;
}
