#include "recorder_files/deployment.h"

#include "platform/fileplatform.h"
#include "recorder_files/schedule.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <functional>
#include <iterator>

namespace
{

struct DeploymentText {
    Q_DECLARE_TR_FUNCTIONS(Deployment)
};

QString ResultText(const DeploymentRow& r)
{
    return r.error.isEmpty() ? QStringLiteral("OK") : QStringLiteral("FAILED: ") + r.error;
}

QString HashText(const DeploymentRow& r)
{
    return r.config.isEmpty()
               ? QString()
               : QString::fromLatin1(
                     QCryptographicHash::hash(r.config, QCryptographicHash::Sha256).toHex());
}

QString ClockText(const DeploymentRow& r)
{
    return r.clock.isValid() ? r.clock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

QString DaysText(const DeploymentRow& r)
{
    if (!r.freeSpaceKnown)
        return QString();
    return r.daysUntilFull < 0 ? QStringLiteral("never") : QString::number(r.daysUntilFull);
}

// The columns of the record, in order: a new column is one more line at the end (a record
// begun before it keeps its own columns, see RecordColumns).
struct Column {
    const char* name;
    QString (*cell)(const DeploymentRow&);
};
const Column Columns[] = {
    {"time", [](const DeploymentRow& r) { return CsvTimeText(r.at); }},
    {"result", ResultText},
    {"card folder", [](const DeploymentRow& r) { return r.folder; }},
    {"volume label", [](const DeploymentRow& r) { return r.card.label; }},
    {"volume serial", [](const DeploymentRow& r) { return r.card.serial; }},
    {"config.ini SHA-256", HashText},
    {"clock written", ClockText},
    {"minutes a day", [](const DeploymentRow& r) { return QString::number(r.minutesADay); }},
    {"bytes a day", [](const DeploymentRow& r) { return QString::number(r.bytesADay); }},
    {"days until full", DaysText},
    {"absolute card folder", [](const DeploymentRow& r) { return r.absoluteFolder; }},
    {"settings file", [](const DeploymentRow& r) { return r.settingsFile; }},
    {"card", [](const DeploymentRow& r) { return r.isCard; }},
    {"recordings not collected",
     [](const DeploymentRow& r) {
         return r.uncollected < 0 ? QString() : QString::number(r.uncollected);
     }},
};
constexpr int ColumnCount = int(std::size(Columns));
// The columns of the first records written, which every record has.
constexpr int FirstColumns = 10;

// How many of the columns the record whose first bytes are head has: its header is ours,
// or ours without the columns added since it was begun. 0 when it is no record of ours.
int RecordColumns(const QByteArray& head)
{
    const qsizetype end = head.indexOf("\r\n");
    if (end < 0)
        return 0;
    const QByteArrayList names = head.left(end).split(',');
    if (names.size() < FirstColumns || names.size() > ColumnCount)
        return 0;
    for (int i = 0; i < names.size(); ++i) {
        if (names[i] != Columns[i].name)
            return 0;
    }
    return int(names.size());
}

} // namespace

QString CsvTimeText(const QDateTime& at)
{
    const QDateTime local = at.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QLatin1Char(offset < 0 ? '-' : '+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QByteArray CsvLine(const QByteArrayList& fields)
{
    return fields.join(',') + "\r\n";
}

QByteArray CsvField(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    // A spreadsheet runs a cell that starts so as a formula; the quote makes it text.
    if (!bytes.isEmpty() && QByteArrayView("=+-@").contains(bytes.front()))
        bytes.prepend('\'');
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') &&
        !bytes.contains('\n'))
        return bytes;
    return '"' + bytes.replace('"', "\"\"") + '"';
}

QByteArray DeploymentHeader()
{
    QByteArrayList fields;
    for (const Column& column : Columns)
        fields << QByteArray(column.name);
    return CsvLine(fields);
}

QByteArray DeploymentLine(const DeploymentRow& r, int columns)
{
    QByteArrayList fields;
    for (int i = 0; i < (columns < 0 ? ColumnCount : qMin(columns, ColumnCount)); ++i)
        fields << CsvField(Columns[i].cell(r));
    return CsvLine(fields);
}

DeploymentRow DeploymentRowFor(const QString& folder, const ConfigSettings& settings,
                               const QByteArray& config, const QDateTime& clock,
                               const QString& error, const CardIdentity* card)
{
    DeploymentRow row;
    row.error = error;
    row.folder = folder;
    row.absoluteFolder = AbsoluteFolder(folder);
    row.card = card ? *card : CardIdentityOf(folder);
    row.config = config;
    row.clock = clock;
    const Schedule schedule = MakeSchedule(ScheduleInputOf(settings));
    row.minutesADay = schedule.minutes;
    row.bytesADay = schedule.bytes;
    const QStorageInfo volume(folder);
    row.freeSpaceKnown = volume.isValid() && QFileInfo(folder).isDir();
    if (row.freeSpaceKnown)
        row.daysUntilFull = DaysUntilFull(schedule, volume.bytesAvailable(), row.at.date());
    return row;
}

QString AbsoluteFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString DefaultDeploymentRecord()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/deployments.csv");
}

namespace
{

// Whether the CSV text of the file ends inside a quoted field: an odd count of quotes,
// as every quote opens or closes a field or is one of a doubled pair.
bool EndsInsideQuotes(const QString& fileName)
{
    QFile file(fileName);
    qint64 quotes = 0;
    if (file.open(QIODevice::ReadOnly)) {
        for (QByteArray block = file.read(1 << 16); !block.isEmpty(); block = file.read(1 << 16))
            quotes += block.count('"');
    }
    return quotes % 2 != 0;
}

// Appends what bytesFor gives to the CSV file under its lock, creating its folder: the one
// writer of every record of this program. head is the file's start; a row left without its
// line end (by an older version, or a write cut short) is ended first. The reason when it
// could not.
QString
AppendRecord(const QString& fileName,
             const std::function<QByteArray(const QByteArray& head, QString* refusal)>& bytesFor)
{
    const FileKind kind = InspectFile(fileName).kind;
    if (kind != FileKind::Missing && kind != FileKind::Regular)
        return NotAFileReason(kind);
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return DeploymentText::tr("cannot create the folder %1").arg(folder);
    return AppendLocked(fileName, [&](const QByteArray& head, bool lineEnded, QString* refusal) {
        const QByteArray bytes = bytesFor(head, refusal);
        if (head.isEmpty() || bytes.isEmpty())
            return bytes;
        // A last row left inside an open quote would take the new row into its field:
        // the quote is closed and the new row begins on a line of its own.
        if (EndsInsideQuotes(fileName))
            return "\"\r\n" + bytes;
        return (lineEnded ? QByteArray() : QByteArray("\r\n")) + bytes;
    });
}

} // namespace

QString AppendDeployment(const QString& fileName, const DeploymentRow& row)
{
    return AppendRecord(fileName, [&row](const QByteArray& head, QString* refusal) {
        if (head.isEmpty())
            return DeploymentHeader() + DeploymentLine(row);
        const int columns = RecordColumns(head);
        if (columns == 0) {
            *refusal = DeploymentText::tr("its first line is not the header of a record of "
                                          "card writes; nothing is written to it");
            return QByteArray();
        }
        return DeploymentLine(row, columns);
    });
}

QString AppendCsvRow(const QString& fileName, const QByteArray& header,
                     const QByteArrayList& fields)
{
    return AppendRecord(fileName, [&](const QByteArray& head, QString* refusal) {
        if (head.isEmpty())
            return header + CsvLine(fields);
        // A record begun by an earlier version has the first of the columns: its rows too.
        const QByteArray first = head.left(head.indexOf("\r\n"));
        if (!head.contains("\r\n") ||
            !(header.startsWith(first + ',') || header.startsWith(first + "\r\n"))) {
            *refusal = DeploymentText::tr("its first line is not the header of this record; "
                                          "nothing is written to it");
            return QByteArray();
        }
        return CsvLine(fields.mid(0, first.count(',') + 1));
    });
}

QList<QStringList> CsvRows(const QByteArray& text)
{
    QList<QStringList> rows;
    QStringList row;
    QByteArray field;
    bool quoted = false;
    bool any = false; // the row has begun
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        any = true;
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row << QString::fromUtf8(field);
            field.clear();
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r' ? 1 : 0;
            rows << (row << QString::fromUtf8(field));
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (any)
        rows << (row << QString::fromUtf8(field));
    return rows;
}

QDateTime LastCardWrite(const QString& recordFile, const CardIdentity& card,
                        const QDateTime& before)
{
    constexpr qint64 MaxRecordSize = 64 * 1024 * 1024;
    QFile file(recordFile);
    QString reason;
    if (card.serial.isEmpty() || !OpenRegularFileForReading(file, &reason) ||
        file.size() > MaxRecordSize)
        return QDateTime();
    const QList<QStringList> rows = CsvRows(file.readAll());
    const QStringList header = rows.value(0);
    const qsizetype time = header.indexOf(QLatin1String(Columns[0].name));
    const qsizetype result = header.indexOf(QLatin1String(Columns[1].name));
    const qsizetype label = header.indexOf(QLatin1String(Columns[3].name));
    const qsizetype serial = header.indexOf(QLatin1String(Columns[4].name));
    QDateTime last;
    for (qsizetype i = 1; i < rows.size() && qMin(qMin(time, result), qMin(label, serial)) >= 0;
         ++i) {
        const QStringList& row = rows[i];
        if (row.value(result) != QLatin1String("OK") || row.value(serial) != card.serial ||
            row.value(label) != card.label)
            continue;
        const QDateTime at = QDateTime::fromString(row.value(time), Qt::ISODate);
        if (at.isValid() && (!last.isValid() || at > last) && (!before.isValid() || at < before))
            last = at;
    }
    return last.isValid() ? last.toLocalTime() : last;
}
