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

#include <iterator>

namespace
{

struct DeploymentText {
    Q_DECLARE_TR_FUNCTIONS(Deployment)
};

QByteArray Line(const QByteArrayList& fields)
{
    return fields.join(',') + "\r\n";
}

// Local time with its offset from UTC: "2026-12-07T16:05:09+01:00", "+00:00" in UTC
// too (Qt would write "Z" there).
QString LocalTimeText(const QDateTime& at)
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
    {"time", [](const DeploymentRow& r) { return LocalTimeText(r.at); }},
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
    return Line(fields);
}

QByteArray DeploymentLine(const DeploymentRow& r, int columns)
{
    QByteArrayList fields;
    for (int i = 0; i < (columns < 0 ? ColumnCount : qMin(columns, ColumnCount)); ++i)
        fields << CsvField(Columns[i].cell(r));
    return Line(fields);
}

DeploymentRow DeploymentRowFor(const QString& folder, const ConfigSettings& settings,
                               const QByteArray& config, const QDateTime& clock,
                               const QString& error)
{
    DeploymentRow row;
    row.error = error;
    row.folder = folder;
    row.absoluteFolder = AbsoluteFolder(folder);
    row.card = CardIdentityOf(folder);
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

QString AppendDeployment(const QString& fileName, const DeploymentRow& row)
{
    const FileKind kind = InspectFile(fileName).kind;
    if (kind != FileKind::Missing && kind != FileKind::Regular)
        return NotAFileReason(kind);
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return DeploymentText::tr("cannot create the folder %1").arg(folder);
    return AppendLocked(fileName, [&row](const QByteArray& head, bool lineEnded, QString* refusal) {
        if (head.isEmpty())
            return DeploymentHeader() + DeploymentLine(row);
        const int columns = RecordColumns(head);
        if (columns == 0) {
            *refusal = DeploymentText::tr("its first line is not the header of a record of card "
                                          "writes; nothing is written to it");
            return QByteArray();
        }
        // A row left without its line end (by an older version) is ended first.
        return (lineEnded ? QByteArray() : QByteArray("\r\n")) + DeploymentLine(row, columns);
    });
}
