#pragma once

// What the timers of a config.ini mean over a day and for the card, as plain arithmetic.
//
// How the recorder is taken to treat a timer:
// - An enabled timer (with the timers switched on) fires at every minute whose month, day,
//   hour and minute match; a field at "any" matches every value. Hour "any" with minute 30
//   fires 24 times a day, hour and minute "any" fire every minute.
// - Each firing writes `length` minutes from its start. An unlimited write (length 0) is
//   counted up to midnight of the day it starts. A daily write that runs past midnight
//   continues into the next morning, which on a typical day is the same morning.
// - A firing while another write runs is an overlap: the minutes are written once, the
//   overlap is flagged.
// - A timer whose day or month is not "any" writes only on the dates it matches; those
//   minutes are told apart as date-bound extras. Day 31 never matches a 30-day month,
//   day 29 of month 2 matches in leap years only.
// - With VAS on the recorder writes only while it hears sound: the figures are upper
//   bounds. With loop writing on it writes over its oldest sound once the loop is full,
//   so the card does not fill up.

#include "recorder_files/configsettings.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <array>
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

// The minutes the timers with one date pattern add on each date they match.
struct DateExtra {
    int day = 0;            // 1..31, 0 any day
    int month = 0;          // 1..12, 0 any month
    int timers = 0;         // bit n = timer n+1
    int minutes = 0;        // added to a typical day on a matching date
    int overlapMinutes = 0; // more overlap than a typical day has, on such a date
    int datesInYear = 0;    // matching dates in a common year
    int datesInLeapYear = 0;
};

struct Schedule {
    ScheduleInput input;
    DayCover typical; // the timers bound to no date
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

// True when the date matches the day and month of an extra (0 = any).
bool ExtraMatches(const DateExtra& extra, const QDate& date);

// Whole days from `from` on whose writes fit into freeBytes: -1 when nothing is ever
// written (or loop writing keeps the card from filling), horizonDays when they fit longer.
constexpr int ScheduleHorizonDays = 3653; // ten years
int DaysUntilFull(const Schedule& schedule, qint64 freeBytes, const QDate& from,
                  int horizonDays = ScheduleHorizonDays);

// The schedule in words, one sentence a line: daily total first, then date-bound extras,
// overlaps, VAS, loop writing. sizeText turns minutes and bytes into the size wording.
QStringList ScheduleLines(const Schedule& schedule,
                          const std::function<QString(int minutes, qint64 bytes)>& sizeText,
                          const QLocale& locale);

// "15 June", "the 15th of every month", "every day in June".
QString DatePatternText(int day, int month, const QLocale& locale);

// The summary that --check ends with: the schedule of the settings a file gives.
void WriteScheduleSummary(const ConfigSettings& settings, QTextStream& out);
