#include "recorder_files/clockfile.h"

#include "common/printable.h"
#include "platform/fileplatform.h"
#include "platform/savefile.h"
#include "recorder_files/configcheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

QByteArray ClockFileBytes(const QDate& date, const QTime& time)
{
    return date.toString(QStringLiteral("dd.MM.yy")).toLatin1() + "\r\n" +
           time.toString(QStringLiteral("hh:mm:ss")).toLatin1() + "\r\n";
}

namespace
{

// The texts of this file, in the translation context ClockFile.
struct ClockFileText {
    Q_DECLARE_TR_FUNCTIONS(ClockFile)
};

} // namespace

QString ClockYearProblem(const QDate& date)
{
    if (date.year() >= FirstClockYear && date.year() <= LastClockYear)
        return QString();
    return ClockFileText::tr("the clock file holds the year in two digits, so only the years %1 "
                             "to %2 can be written")
        .arg(FirstClockYear)
        .arg(LastClockYear);
}

QString ClockNameClash(const QString& configName, const QString& clockName, bool writeClock,
                       bool deleteOldClock)
{
    const auto same = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    const QString ack = QLatin1String(ClockAcknowledgeName());
    const bool clockTouched = writeClock || deleteOldClock;
    if (configName.isEmpty())
        return ClockFileText::tr("the configuration file name (CFGname) is empty");
    if (clockTouched && clockName.isEmpty())
        return ClockFileText::tr("the clock file name (TimeName) is empty");
    if (clockTouched && same(clockName, configName))
        return ClockFileText::tr(
                   "the clock file %1 (TimeName) and the configuration file %2 (CFGname) are "
                   "one file: saving the clock would remove or overwrite the configuration")
            .arg(clockName, configName);
    if (deleteOldClock && same(ack, configName))
        return ClockFileText::tr(
                   "the configuration file (CFGname) is named %1, which is removed with the old "
                   "clock files")
            .arg(ack);
    return QString();
}

namespace
{

// A file that is not there is no failure; one that stays after removing it is.
QString Remove(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists() || file.remove() || !file.exists())
        return QString();
    return file.errorString();
}

} // namespace

ClockUpdateResult UpdateClockFiles(const QString& cardPath, const ClockUpdate& update)
{
    ClockUpdateResult result;
    const QString clock = cardPath + update.clockName;
    const QString ack = cardPath + QLatin1String(ClockAcknowledgeName());
    const auto failed = [&](const QString& file, bool removing, const QString& error) {
        result.ok = false;
        result.failedFile = file;
        result.removing = removing;
        result.error = error;
        return result;
    };
    if (update.writeClock) {
        const FileResult written = WriteFileSafely(clock, update.clockBytes);
        if (!written.ok)
            return failed(clock, false, written.error);
        result.written = clock;
    }
    if (update.deleteOldClock) {
        const QStringList order = update.writeClock ? QStringList{ack} : QStringList{clock, ack};
        for (const QString& file : order) {
            if (const QString error = Remove(file); !error.isEmpty())
                return failed(file, true, error);
        }
    }
    return result;
}

namespace
{

// The clock file's two lines as written above: "dd.MM.yy" and "hh:mm:ss".
QDateTime ClockFileTime(const QByteArray& bytes)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d\\d)\\.(\\d\\d)\\.(\\d\\d)\r\n(\\d\\d):(\\d\\d):(\\d\\d)\r\n$"));
    const QRegularExpressionMatch m = form.match(QString::fromLatin1(bytes));
    if (!m.hasMatch())
        return QDateTime();
    const auto n = [&](int i) { return m.capturedView(i).toInt(); };
    return QDateTime(QDate(FirstClockYear + n(3), n(2), n(1)), QTime(n(4), n(5), n(6)));
}

} // namespace

WaitingClock FindWaitingClock(const QString& cardPath, const QString& clockName)
{
    WaitingClock clock;
    if (InspectFile(cardPath + QLatin1String(ClockAcknowledgeName())).kind != FileKind::Missing ||
        InspectFile(cardPath + clockName).kind == FileKind::Missing)
        return clock;
    clock.waiting = true;
    QByteArray bytes;
    // A clock file is 20 bytes; anything much larger is no clock file.
    clock.error = ReadSmallFile(cardPath + clockName, 1024, &bytes);
    if (clock.error.isEmpty())
        clock.time = ClockFileTime(bytes);
    return clock;
}

bool ClockIsStale(const QDateTime& time, const QDateTime& now)
{
    return time > now.addDays(1) || time < now.addSecs(-3600);
}

QString WaitingClockText(const WaitingClock& clock, const QString& clockName)
{
    const QString name = PrintableText(clockName);
    if (!clock.error.isEmpty())
        return ClockFileText::tr("%1 waiting: cannot read it: %2").arg(name, clock.error);
    if (!clock.time.isValid())
        return ClockFileText::tr("%1 waiting: it holds no date and time the recorder reads")
            .arg(name);
    return ClockFileText::tr("%1 waiting: %2, the recorder will set its clock to it")
        .arg(name, clock.time.toString(QStringLiteral("dd.MM.yy HH:mm:ss")));
}
