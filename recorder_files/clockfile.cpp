#include "recorder_files/clockfile.h"

QByteArray ClockFileBytes(const QDate& date, const QTime& time)
{
    return date.toString(QStringLiteral("dd.MM.yy")).toLatin1() + "\r\n" +
           time.toString(QStringLiteral("hh:mm:ss")).toLatin1() + "\r\n";
}
