#pragma once

// What a recorder did in the field against what its config.ini told it: day by day from
// the first recording to the last, the minutes recorded and the minutes the schedule
// writes, and what needs a look (days without recordings where the schedule writes,
// recordings of a clock that was never set, recordings from before the card was last
// written). Qt Core only.
//
// A recording is placed by the file time the recorder gave it (the FAT modification
// time, the recorder's local time when it closed the file): it ends there and began its
// length before, across midnight when it ran over.

#include "recorder_files/schedule.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QStringList>

struct RecordingTime {
    QDateTime time;          // the file's modification time
    qint64 milliseconds = 0; // its measured length
};

struct DayFigures {
    QDate date;
    qint64 recordedMilliseconds = 0;
    int recordings = 0;        // that end on this day
    int scheduledMinutes = -1; // -1: no schedule known

    int RecordedMinutes() const { return int((recordedMilliseconds + 30000) / 60000); }
};

// Days in a row without recordings where the schedule writes (from, to: the first and
// last of them that it writes on).
struct RecordingGap {
    QDate from, to;
    int minutes = 0;      // the schedule writes in all on those days
    int minutesADay = -1; // the same on every one of the days; -1 when they differ
};

struct DayByDayOptions {
    QDate today = QDate::currentDate();
    QDateTime lastWrite; // the card's last write in the record; invalid when not known
    int maxDays = 1000;  // the table covers the last days up to this many
};

struct DayByDay {
    QList<DayFigures> days; // first to last recording with a set clock; empty when none
    bool scheduleKnown = false;
    bool vasEnabled = false; // the schedule's figures are upper bounds
    QList<RecordingGap> gaps;
    int unsetClock = 0;                  // recordings dated in the year 2000 or before
    QDate unsetFirst, unsetLast;         // their dates
    int ahead = 0;                       // dated after today
    int leftOut = 0;                     // before the table's first day (more days than it holds)
    QDateTime lastWrite;                 // the card's last write in the record
    int beforeWrite = 0, afterWrite = 0; // recordings with a set clock either side of it
};

// The recorder's clock starts at 1 January 2000 until it is set.
constexpr int UnsetClockYear = 2000;

// The figures; schedule null when the card has no readable config.ini.
DayByDay MakeDayByDay(const QList<RecordingTime>& recordings, const ScheduleInput* schedule,
                      const DayByDayOptions& options = {});

// The report's lines: the table ("    2026-06-14      0 min     90 min") and, after
// "needs a look:", one line per finding. Dates of the findings are written in locale.
QStringList DayByDayLines(const DayByDay& days, const QLocale& locale = QLocale::c());
// The findings alone, as DayByDayLines writes them.
QStringList DayByDayNotes(const DayByDay& days, const QLocale& locale = QLocale::c());
