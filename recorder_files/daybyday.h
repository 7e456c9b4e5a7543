#pragma once

// What a recorder did in the field against what its config.ini told it: day by day from
// the card's deployment to the day it came back, the minutes recorded and the minutes the
// schedule writes, and what needs a look. Qt Core only: a plain function of the recordings
// (their file times and playing times), the schedule, the deployment and the pickup day,
// the same for a card and for a collection folder.
//
// Everything is counted on the recorder's own clock. The recorder sets it once from
// time.ini and knows no summer time; it dates its files and runs its timers on it. A time
// given here is taken as that clock read it: its date and time of day as they stand,
// whatever the QDateTime's zone, and no zone's rules come between two times. A recording
// ends at its file time and began its playing time before, on the same clock, across
// midnight where it ran over.

#include "recorder_files/schedule.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QStringList>

struct RecordingTime {
    QDateTime time;          // the file's modification time
    qint64 milliseconds = 0; // its playing time, measured by its sound
    QString file;            // as the report names it
    // What its header's data size claims; more than milliseconds when sound is missing.
    qint64 headerMilliseconds = 0;
};

struct DayFigures {
    QDate date;
    qint64 recordedMilliseconds = 0;
    int recordings = 0; // that end on this day
    // -1: no schedule known. The deployment day counts what it writes after the card's
    // write, the pickup day what it writes before the card came back (where known).
    int scheduledMinutes = -1;
    QStringList files; // the recordings that end on this day

    int RecordedMinutes() const { return int((recordedMilliseconds + 30000) / 60000); }
};

// Days in a row without recordings where the schedule writes (from, to: the first and
// last of them that it writes on; to is the pickup day when none came after).
struct RecordingGap {
    QDate from, to;
    int minutes = 0;          // the schedule writes in all on those days
    int minutesADay = -1;     // the same on every one of the days; -1 when they differ
    bool untilPickup = false; // no recordings after it: the recorder stopped early
};

// Recordings a finding names: how many, the days they are dated, the first few files.
struct NamedRecordings {
    int count = 0;
    QDate first, last;
    QStringList files; // at most MaxNamedFiles

    void Add(const QDate& date, const QString& file);
};
constexpr int MaxNamedFiles = 3;

// A day whose recordings fall below half of what the schedule writes.
struct ShortDay {
    QDate date;
    int recorded = 0;  // minutes
    int scheduled = 0; // minutes
};

struct DayByDayOptions {
    // The day the card came back, the table's last day: today for a card, the collection's
    // date for a collection folder.
    QDate pickup = QDate::currentDate();
    QTime pickupTime;     // when on that day (a card read now); invalid: not known
    QDateTime deployment; // the card's last write in the record; invalid when not known
    int maxDays = 1000;   // the table covers the last days up to this many
};

struct DayByDay {
    // From the deployment (else the first recording) to the pickup; empty when neither
    // the record nor a recording tells when the card went out.
    QList<DayFigures> days;
    bool scheduleKnown = false;
    bool timersEnabled = false;
    bool vasEnabled = false; // the schedule's figures are upper bounds
    int loopSizeMb = 0;      // loop writing: old sound written over
    QDate pickup;
    QDateTime deployment; // on the recorder's clock
    QList<RecordingGap> gaps;
    NamedRecordings unsetClock;       // dated in the year 2000 or before
    NamedRecordings beforeDeployment; // a set clock, before the card's last write
    NamedRecordings ahead;            // after the pickup day
    int leftOut = 0;                  // before the table's first day (more days than it holds)
    int counted = 0;                  // in the table
    NamedRecordings outsideTimers;    // no timer's write covers them (timers on)
    NamedRecordings shorterThanHeader;
    QStringList shorterDetails; // "REC/A.WAV (header 3 min, sound 1 min)", at most MaxNamedFiles
    QList<ShortDay> belowHalf;  // with VAS off

    bool NeedsALook() const;
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
