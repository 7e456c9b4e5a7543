#pragma once

// The schedule in words: daily totals, date-bound extras, overlaps and the day the card
// is full, as --check, the card report and the day strip give them.

#include "recorder_files/schedule.h"

class QTextStream;

// When the card is full, in words: "full after 93 days (on 2027-09-02)", "never full"
// (nothing written, or loop writing), "the timers are off, ...". days, when given,
// receives what DaysUntilFull gave (-1 with the timers off).
QString FullnessText(const Schedule& schedule, qint64 freeBytes, const QDate& from,
                     int* days = nullptr);

// "with 2GB free from 2027-06-01: " and FullnessText: the one wording of --check --free
// and the day strip. freeText is the free space as the reader knows it ("2GB", "0.27 GB").
QString CardFullText(const Schedule& schedule, qint64 freeBytes, const QString& freeText,
                     const QDate& from, int* days = nullptr);

// A size as --free takes it: whole bytes, or a number with kB, MB, GB (powers of 1000, as
// cards are labelled) or KiB, MiB, GiB; -1 when the text is none of these.
qint64 ParseByteSize(const QString& text);

// The schedule in words, one sentence a line: daily total first, then date-bound extras,
// overlaps, VAS, loop writing. sizeText turns minutes and bytes into the size wording.
// needsAction, when given, receives the indexes of the lines that call for a change of
// the settings (writes that overlap); the others only inform.
QStringList ScheduleLines(const Schedule& schedule,
                          const std::function<QString(int minutes, qint64 bytes)>& sizeText,
                          const QLocale& locale, QList<int>* needsAction = nullptr);

// "15 June", "the 15th of every month", "every day in June".
QString DatePatternText(int day, int month, const QLocale& locale);

// Free space and the first day to count the days until full from (--check --free).
struct FreeSpacePlan {
    qint64 freeBytes = -1; // -1: no plan
    QString freeText;      // as the user gave it
    QDate from;
};

// The summary that --check ends with: the schedule of the settings a file gives, and with
// a plan the day the card is full.
void WriteScheduleSummary(const ConfigSettings& settings, QTextStream& out,
                          const FreeSpacePlan& plan = FreeSpacePlan());
