// The recordings of a card day by day against the minutes its schedule writes.
#include "recorder_files/daybyday.h"

#include <QCoreApplication>

namespace
{

struct DayText {
    Q_DECLARE_TR_FUNCTIONS(DayByDay)
};

bool ClockWasSet(const QDateTime& time)
{
    return time.date().year() > UnsetClockYear;
}

// When a recording began: its length before its file time.
QDateTime StartOf(const RecordingTime& r)
{
    return r.time.addMSecs(-qMax<qint64>(r.milliseconds, 0));
}

// The first and last day the recordings with a set clock touch, at most maxDays apart
// (the last ones kept).
void SpanOf(const QList<RecordingTime>& recordings, int maxDays, QDate* first, QDate* last)
{
    for (const RecordingTime& r : recordings) {
        if (!r.time.isValid() || !ClockWasSet(r.time))
            continue;
        const QDate start = StartOf(r).date();
        if (!first->isValid() || start < *first)
            *first = start;
        if (!last->isValid() || r.time.date() > *last)
            *last = r.time.date();
    }
    if (first->isValid() && first->daysTo(*last) >= maxDays)
        *first = last->addDays(1 - maxDays);
}

// Adds a recording's milliseconds to the days it ran on, split at midnight.
void Spread(const RecordingTime& r, QList<DayFigures>& days)
{
    const QDate first = days.first().date;
    const QDateTime from(first, QTime(0, 0));
    QDateTime at = qMax(StartOf(r), from);
    while (at < r.time) {
        const QDateTime midnight(at.date().addDays(1), QTime(0, 0));
        const QDateTime until = qMin(midnight, r.time);
        days[first.daysTo(at.date())].recordedMilliseconds += at.msecsTo(until);
        at = until;
    }
}

// Runs of days without recordings where the schedule writes.
QList<RecordingGap> GapsOf(const QList<DayFigures>& days)
{
    QList<RecordingGap> gaps;
    RecordingGap gap;
    int scheduledDays = 0;
    const auto close = [&] {
        if (gap.from.isValid()) {
            if (scheduledDays != gap.from.daysTo(gap.to) + 1)
                gap.minutesADay = -1;
            gaps << gap;
        }
        gap = RecordingGap();
        scheduledDays = 0;
    };
    for (const DayFigures& day : days) {
        if (day.recordedMilliseconds > 0 || day.recordings > 0) {
            close();
            continue;
        }
        if (day.scheduledMinutes <= 0)
            continue;
        if (!gap.from.isValid()) {
            gap.from = day.date;
            gap.minutesADay = day.scheduledMinutes;
        } else if (gap.minutesADay != day.scheduledMinutes) {
            gap.minutesADay = -1;
        }
        gap.to = day.date;
        gap.minutes += day.scheduledMinutes;
        ++scheduledDays;
    }
    close();
    return gaps;
}

// The findings about the clock and the record, recording by recording.
void CountClocks(const QList<RecordingTime>& recordings, const DayByDayOptions& o, DayByDay& d)
{
    for (const RecordingTime& r : recordings) {
        if (!r.time.isValid())
            continue;
        const QDate date = r.time.date();
        if (!ClockWasSet(r.time)) {
            ++d.unsetClock;
            if (!d.unsetFirst.isValid() || date < d.unsetFirst)
                d.unsetFirst = date;
            if (!d.unsetLast.isValid() || date > d.unsetLast)
                d.unsetLast = date;
            continue;
        }
        if (o.today.isValid() && date > o.today)
            ++d.ahead;
        if (o.lastWrite.isValid())
            ++(r.time < o.lastWrite ? d.beforeWrite : d.afterWrite);
        if (!d.days.isEmpty() && date < d.days.first().date)
            ++d.leftOut;
    }
}

QString RecordingsCount(int count)
{
    return count == 1 ? DayText::tr("1 recording") : DayText::tr("%1 recordings").arg(count);
}

QString MinutesText(int minutes)
{
    return DayText::tr("%1 min").arg(minutes);
}

QString TimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

DayByDay MakeDayByDay(const QList<RecordingTime>& recordings, const ScheduleInput* schedule,
                      const DayByDayOptions& o)
{
    DayByDay d;
    d.scheduleKnown = schedule != nullptr;
    d.vasEnabled = schedule && schedule->timersEnabled && schedule->vasEnabled;
    d.lastWrite = o.lastWrite;
    QDate first, last;
    SpanOf(recordings, qMax(o.maxDays, 1), &first, &last);
    if (first.isValid()) {
        const int count = int(first.daysTo(last)) + 1;
        const QList<int> scheduled =
            schedule ? ScheduledMinutesByDay(*schedule, first, count) : QList<int>(count, -1);
        for (int i = 0; i < count; ++i)
            d.days << DayFigures{first.addDays(i), 0, 0, scheduled[i]};
        for (const RecordingTime& r : recordings) {
            if (!r.time.isValid() || !ClockWasSet(r.time) || r.time.date() < first)
                continue;
            ++d.days[first.daysTo(r.time.date())].recordings;
            Spread(r, d.days);
        }
        d.gaps = GapsOf(d.days);
    }
    CountClocks(recordings, o, d);
    return d;
}

QStringList DayByDayNotes(const DayByDay& d, const QLocale& locale)
{
    QStringList notes;
    const bool oneYear =
        d.days.isEmpty() || d.days.first().date.year() == d.days.last().date.year();
    const auto date = [&](const QDate& day, bool withYear) {
        return locale.toString(day,
                               withYear ? QStringLiteral("d MMMM yyyy") : QStringLiteral("d MMMM"));
    };
    const QString stopped = DayText::tr("(the recorder stopped: battery, card full?)");
    for (const RecordingGap& gap : d.gaps) {
        const QString from = date(gap.from, !oneYear);
        if (gap.from == gap.to)
            notes << DayText::tr("no recordings on %1, where the schedule writes %2 %3")
                         .arg(from, MinutesText(gap.minutes), stopped);
        else if (gap.minutesADay >= 0)
            notes << DayText::tr("no recordings from %1 to %2, where the schedule writes %3 a "
                                 "day %4")
                         .arg(from, date(gap.to, !oneYear), MinutesText(gap.minutesADay), stopped);
        else
            notes << DayText::tr("no recordings from %1 to %2, where the schedule writes %3 in "
                                 "all %4")
                         .arg(from, date(gap.to, !oneYear), MinutesText(gap.minutes), stopped);
    }
    if (d.unsetClock > 0) {
        const QString dates =
            d.unsetFirst == d.unsetLast
                ? date(d.unsetFirst, true)
                : DayText::tr("%1 to %2").arg(date(d.unsetFirst, true), date(d.unsetLast, true));
        notes << DayText::tr("recordings dated %1: the recorder's clock was not set (%2)")
                     .arg(dates, RecordingsCount(d.unsetClock));
    }
    if (d.ahead > 0)
        notes << DayText::tr("recordings dated after today: the recorder's clock was wrong (%1)")
                     .arg(RecordingsCount(d.ahead));
    if (d.beforeWrite > 0)
        notes << DayText::tr("recordings from before the card's last write in the record (%1): "
                             "left on the card from before, or the recorder's clock was wrong "
                             "(%2)")
                     .arg(TimeText(d.lastWrite), RecordingsCount(d.beforeWrite));
    return notes;
}

QStringList DayByDayLines(const DayByDay& d, const QLocale& locale)
{
    QStringList lines;
    if (!d.days.isEmpty()) {
        lines << DayText::tr("day by day: date, recorded, scheduled");
        for (const DayFigures& day : d.days)
            lines << QStringLiteral("    %1 %2 %3")
                         .arg(day.date.toString(Qt::ISODate))
                         .arg(MinutesText(day.RecordedMinutes()), 10)
                         .arg(day.scheduledMinutes < 0 ? QStringLiteral("-")
                                                       : MinutesText(day.scheduledMinutes),
                              10);
    } else if (d.unsetClock > 0) {
        lines << DayText::tr("day by day: no recordings with the clock set");
    }
    if (d.leftOut > 0)
        lines << QStringLiteral("    ") +
                     DayText::tr("%1 before %2 left out: the table shows %3 days")
                         .arg(RecordingsCount(d.leftOut), d.days.first().date.toString(Qt::ISODate))
                         .arg(d.days.size());
    if (d.vasEnabled)
        lines << QStringLiteral("    ") +
                     DayText::tr("VAS on: the recorder writes only while it hears sound, the "
                                 "scheduled minutes are the most it writes");
    if (d.lastWrite.isValid())
        lines << QStringLiteral("    ") +
                     DayText::tr("recordings after the card's last write in the record (%1): %2 "
                                 "of %3")
                         .arg(TimeText(d.lastWrite))
                         .arg(d.afterWrite)
                         .arg(d.afterWrite + d.beforeWrite);
    const QStringList notes = DayByDayNotes(d, locale);
    if (!notes.isEmpty())
        lines << DayText::tr("needs a look:");
    for (const QString& note : notes)
        lines << QStringLiteral("    ") + note;
    return lines;
}
