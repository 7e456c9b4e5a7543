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

namespace
{

struct DeploymentText {
    Q_DECLARE_TR_FUNCTIONS(Deployment)
};

const char* const Columns[] = {"time",          "result",
                               "card folder",   "volume label",
                               "volume serial", "config.ini SHA-256",
                               "clock written", "minutes a day",
                               "bytes a day",   "days until full",
                               "card"};

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

} // namespace

QByteArray CsvField(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') &&
        !bytes.contains('\n'))
        return bytes;
    return '"' + bytes.replace('"', "\"\"") + '"';
}

QByteArray DeploymentHeader()
{
    QByteArrayList fields;
    for (const char* column : Columns)
        fields << QByteArray(column);
    return Line(fields);
}

QByteArray DeploymentLine(const DeploymentRow& r)
{
    const QString result =
        r.error.isEmpty() ? QStringLiteral("OK") : QStringLiteral("FAILED: ") + r.error;
    const QByteArray hash =
        r.config.isEmpty() ? QByteArray()
                           : QCryptographicHash::hash(r.config, QCryptographicHash::Sha256).toHex();
    QString days;
    if (r.freeSpaceKnown)
        days = r.daysUntilFull < 0 ? QStringLiteral("never") : QString::number(r.daysUntilFull);
    const QString clock =
        r.clock.isValid() ? r.clock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
    return Line({CsvField(LocalTimeText(r.at)), CsvField(result), CsvField(r.folder),
                 CsvField(r.card.label), CsvField(r.card.serial), hash, CsvField(clock),
                 QByteArray::number(r.minutesADay), QByteArray::number(r.bytesADay), days.toUtf8(),
                 CsvField(r.isCard)});
}

DeploymentRow DeploymentRowFor(const QString& folder, const ConfigSettings& settings,
                               const QByteArray& config, const QDateTime& clock,
                               const QString& error)
{
    DeploymentRow row;
    row.error = error;
    row.folder = folder;
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
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const QByteArray bytes =
        (file.size() == 0 ? DeploymentHeader() : QByteArray()) + DeploymentLine(row);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}
