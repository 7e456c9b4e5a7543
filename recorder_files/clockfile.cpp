#include "recorder_files/clockfile.h"

#include <QCoreApplication>

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
