#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// The recorder's clock-setting file: "dd.MM.yy" and "hh:mm:ss", each ended by CR LF.
QByteArray ClockFileBytes(const QDate& date, const QTime& time);

// Name of the file the recorder leaves after it has taken the clock setting.
inline const char* ClockAcknowledgeName()
{
    return "time.ok";
}

// The years the clock file's two-digit year can hold.
constexpr int FirstClockYear = 2000;
constexpr int LastClockYear = 2099;

// Why a clock of that date cannot be written (1999 and 2099 would both be written as 99);
// empty when it can.
QString ClockYearProblem(const QDate& date);

// What a save does with the clock files of a card once config.ini is written: a new
// clock file (writeClock), the old time.ok and clock file removed (deleteOldClock).
struct ClockUpdate {
    QString clockName; // TimeName
    bool writeClock = false;
    bool deleteOldClock = false;
    QByteArray clockBytes; // the new clock file, when writeClock
};

struct ClockUpdateResult {
    bool ok = true;
    QString written;       // the clock file written (card path and name), or empty
    QString failedFile;    // card path and name of the file that failed
    bool removing = false; // the failure was removing failedFile, not writing it
    QString error;         // the system's reason
};

// Updates the clock files of the card path (a prefix) in an order that never leaves an
// old clock file without time.ok, which would set the recorder's clock to a stale time at
// its next start: a new clock file replaces the old one first and time.ok goes after it;
// without a new clock, the old clock file goes first and time.ok only after it.
ClockUpdateResult UpdateClockFiles(const QString& cardPath, const ClockUpdate& update);

// Why these names would make a save of a card remove or overwrite a file the same save
// has just written (the card's file system ignores letter case); empty when they are
// fine. writeClock: the clock file is written; deleteOldClock: the old clock files
// (time.ok and the clock file) are removed after config.ini is written.
QString ClockNameClash(const QString& configName, const QString& clockName, bool writeClock,
                       bool deleteOldClock);

// A clock file on the card that the recorder has not taken yet (no time.ok beside it):
// at its next start the recorder sets its clock to the time it holds.
struct WaitingClock {
    bool waiting = false;
    QDateTime time; // invalid when the file holds no date and time the recorder reads
    QString error;  // why the file could not be read
};
WaitingClock FindWaitingClock(const QString& cardPath, const QString& clockName);

// A waiting time more than a day ahead of now or more than an hour behind it: not one
// just written for this card.
bool ClockIsStale(const QDateTime& time, const QDateTime& now);

// "time.ini waiting: 01.01.20 00:00:00, the recorder will set its clock to it".
QString WaitingClockText(const WaitingClock& clock, const QString& clockName);
