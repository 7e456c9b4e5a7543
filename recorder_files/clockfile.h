#pragma once

#include <QByteArray>
#include <QDate>
#include <QTime>

// The recorder's clock-setting file: "dd.MM.yy" and "hh:mm:ss", each ended by CR LF.
QByteArray ClockFileBytes(const QDate& date, const QTime& time);

// Name of the file the recorder leaves after it has taken the clock setting.
inline const char* ClockAcknowledgeName()
{
    return "time.ok";
}
