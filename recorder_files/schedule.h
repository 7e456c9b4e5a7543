#pragma once

// What the timers of a config.ini mean over the calendar and for the card, as plain
// arithmetic.
//
// The rule the figures follow:
// - An enabled timer (with the timers switched on) fires at every minute whose month,
//   day, hour and minute match; a field at "allways" matches every value. Hour "allways"
//   with minute 30 fires 24 times a day, hour and minute "allways" every minute. Day 31
//   never matches a 30-day month, day 29 of month 2 matches in leap years only.
// - A firing writes its write time from that minute on, on into the following days. An
//   unlimited write (length 0) ends at midnight of the day it starts.
// - The minutes written are the union of all writes. An overlap is a minute covered by
//   two or more writes, of any timers, the same timer's included.
// - Days until full from a start date: counting from 00:00 of that date, the largest N
//   such that the bytes of the first N days together are at most the free space. Nothing
//   fired before the start date counts.
// - With VAS on the recorder writes only while it hears sound: the figures are upper
//   bounds. With loop writing on it writes over its oldest sound once the loop is full,
//   so the card does not fill up.

#include "recorder_files/configsettings.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <array>
#include <bitset>
#include <functional>

class QTextStream;

constexpr int MinutesPerDay = 24 * 60;

struct ScheduleInput {
    bool timersEnabled = false;
    std::array<TimerSettings, TimerCount> timers{};
    int byteRate = 0; // bytes per second
    bool vasEnabled = false;
    int loopSizeMb = 0; // 0: loop writing off
};

// The input from a configuration; the byte rate from its items, with the fall-back to
// item 1 that the form and the writer apply.
ScheduleInput ScheduleInputOf(const ConfigSettings& settings);

// Minutes of one day: how many writes cover each minute, and which timers (bit n = timer n+1).
struct DayCover {
    std::array<quint8, MinutesPerDay> writes{};
    std::array<quint8, MinutesPerDay> timers{};

    int Minutes() const;        // minutes written
    int OverlapMinutes() const; // minutes covered by more than one write
    int OverlapTimers() const;  // timers having a part in an overlap
};

// What the timers bound to dates add to a typical day on the dates where exactly one set
// of their date patterns matches: the writes of that date and those running on from it
// into the following days, all counted once.
struct DateExtra {
    int day = 0;               // of the dates: 1..31, 0 any day
    int month = 0;             // 1..12, 0 any month
    int timers = 0;            // bit n = timer n+1: the timers firing on those dates
    int patterns = 1;          // date patterns that meet there
    int minutes = 0;           // added to the typical days by the firings of one such date
    int overlapMinutes = 0;    // more overlap than typical days have, by those firings
    int overlapTimersMask = 0; // timers having a part in an overlap there
    int datesInYear = 0;       // such dates in a common year
    int datesInLeapYear = 0;
};

struct Schedule {
    ScheduleInput input;
    DayCover typical; // the timers bound to no date, with what runs on from the day before
    int minutes = 0;  // written on a typical day
    qint64 bytes = 0; // of them
    int overlapMinutes = 0;
    int overlapTimers = 0;                 // on any day, date-bound ones included
    std::array<int, TimerCount> firings{}; // starts a day (on its dates) of each timer in use
    bool unlimited = false;                // an unlimited write is counted up to midnight
    QList<DateExtra> extras;
};

// Starts a day of one timer: 1, 24, 60 or 1440.
int FiringsPerDay(const TimerSettings& timer);

Schedule MakeSchedule(const ScheduleInput& input);

// Days until full, day by day over the calendar from `from` (the rule above): -1 when
// nothing is written within horizonDays (or loop writing keeps the card from filling),
// horizonDays when the writes of all of them fit.
constexpr int ScheduleHorizonDays = 3653; // ten years
int DaysUntilFull(const Schedule& schedule, qint64 freeBytes, const QDate& from,
                  int horizonDays = ScheduleHorizonDays);

// The minutes of a day, from 00:00: set where the timers write.
using DayMinutes = std::bitset<MinutesPerDay>;
// Which minutes the timers write on each of the days from `from` on, writes running on
// from the days before included.
QList<DayMinutes> ScheduledDays(const ScheduleInput& input, const QDate& from, int days);
// The minutes the timers write on each of the days from `from` on, day by day over the
// calendar, writes running on from the days before included (a recorder in the field
// since before `from`).
QList<int> ScheduledMinutesByDay(const ScheduleInput& input, const QDate& from, int days);
// The minutes the timers write on date.
int ScheduledMinutesOn(const ScheduleInput& input, const QDate& date);
