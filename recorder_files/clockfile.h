#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

// The recorder's clock-setting file: "dd.MM.yy" and "hh:mm:ss", each ended by CR LF.
QByteArray ClockFileBytes(const QDate& date, const QTime& time);

// Name of the file the recorder leaves after it has taken the clock setting.
inline const char* ClockAcknowledgeName()
{
    return "time.ok";
}

// Why these names would make a save of a card remove or overwrite a file the same save
// has just written (the card's file system ignores letter case); empty when they are
// fine. writeClock: the clock file is written; deleteOldClock: the old clock files
// (time.ok and the clock file) are removed after config.ini is written.
QString ClockNameClash(const QString& configName, const QString& clockName, bool writeClock,
                       bool deleteOldClock);
