// The recordings of a card day by day against the minutes its schedule writes.
#include "recorder_files/daybyday.h"

#include <QCoreApplication>

namespace
{

struct DayText {
    Q_DECLARE_TR_FUNCTIONS(DayByDay)
};

constexpr qint64 MinuteMs = 60 * 1000;
constexpr qint64 DayMs = MinutesPerDay * MinuteMs;

// A time as the recorder's clock read it, in milliseconds: its date and time of day as
// they stand, counted as if in UTC, where every day has 24 hours.
qint64 ClockMs(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
}

qint64 ClockMs(const QDateTime& time)
{
    return ClockMs(time.date(), time.time());
}

// A recording on the recorder's clock.
struct Placed {
    const RecordingTime* recording;
    qint64 start, end; // ClockMs
};

// Where the table starts and ends, in days and on the clock.
struct Span {
    QDate first;
    int count = 0;
    qint64 base = 0; // first's midnight

    int DayOf(qint64 ms) const { return int((ms - base) / DayMs); }
};

// Sorts the recordings whose clock was set into those before the deployment, after the
// pickup and the rest, which the table may count.
QList<Placed> Classify(const QList<RecordingTime>& recordings, const DayByDayOptions& o,
                       DayByDay& d)
{
    QList<Placed> rest;
    for (const RecordingTime& r : recordings) {
        if (!r.time.isValid())
            continue;
        const QDate date = r.time.date();
        const qint64 end = ClockMs(r.time);
        if (date.year() <= UnsetClockYear)
            d.unsetClock.Add(date, r.file);
        else if (o.pickup.isValid() && date > o.pickup)
            d.ahead.Add(date, r.file);
        else if (o.deployment.isValid() && end < ClockMs(o.deployment))
            d.beforeDeployment.Add(date, r.file);
        else
            rest << Placed{&r, end - qMax<qint64>(r.milliseconds, 0), end};
    }
    return rest;
}

// From the deployment, else the first recording, to the pickup, at most maxDays.
Span SpanOf(const QList<Placed>& placed, const DayByDayOptions& o)
{
    Span span;
    QDate last = o.pickup;
    for (const Placed& p : placed) {
        const QDate start = QDateTime::fromMSecsSinceEpoch(p.start, Qt::UTC).date();
        if (!span.first.isValid() || start < span.first)
            span.first = start;
        const QDate end = p.recording->time.date();
        if (!last.isValid() || end > last)
            last = end;
    }
    if (o.deployment.isValid())
        span.first = o.deployment.date();
    if (!span.first.isValid() || span.first > last)
        return Span();
    if (span.first.daysTo(last) >= o.maxDays)
        span.first = last.addDays(1 - o.maxDays);
    span.count = int(span.first.daysTo(last)) + 1;
    span.base = ClockMs(span.first, QTime(0, 0));
    return span;
}

// The minutes of day whose start lies at or after from (seconds into the day) and, when
// until is valid, before until.
int MinutesBetween(const DayMinutes& day, const QTime& from, const QTime& until)
{
    const int first = from.isValid() ? (from.msecsSinceStartOfDay() + 59999) / 60000 : 0;
    const int end =
        until.isValid() ? (until.msecsSinceStartOfDay() + 59999) / 60000 : MinutesPerDay;
    int minutes = 0;
    for (int m = first; m < end && m < MinutesPerDay; ++m)
        minutes += day[m] ? 1 : 0;
    return minutes;
}

// The table's days with the minutes the schedule writes; the deployment day from the
// card's write on, the pickup day until the card came back.
void ScheduleDays(const Span& span, const QList<DayMinutes>& cover, const ScheduleInput* schedule,
                  const DayByDayOptions& o, DayByDay& d)
{
    for (int i = 0; i < span.count; ++i) {
        DayFigures day;
        day.date = span.first.addDays(i);
        if (schedule) {
            const bool deployed = o.deployment.isValid() && day.date == o.deployment.date();
            const bool picked = day.date == o.pickup;
            day.scheduledMinutes =
                MinutesBetween(cover[i], deployed ? o.deployment.time() : QTime(),
                               picked ? o.pickupTime : QTime());
        }
        d.days << day;
    }
}

// Adds a recording's milliseconds to the days it ran on, split at midnight.
void Spread(const Placed& p, const Span& span, DayByDay& d)
{
    qint64 at = qMax(p.start, span.base);
    while (at < p.end) {
        const int day = span.DayOf(at);
        const qint64 until = qMin(p.end, span.base + (day + 1) * DayMs);
        d.days[day].recordedMilliseconds += until - at;
        at = until;
    }
    DayFigures& last = d.days[span.DayOf(p.end - (p.end > p.start ? 1 : 0))];
    ++last.recordings;
    last.files << p.recording->file;
}

// Whether a timer's write covers any minute of the recording, give or take a minute for
// the clock's and the file time's rounding.
bool WithinTimers(const Placed& p, const Span& span, const QList<DayMinutes>& cover)
{
    const qint64 first = qMax<qint64>((qMax(p.start, span.base) - span.base) / MinuteMs - 1, 0);
    const qint64 last =
        qMin<qint64>((p.end - span.base) / MinuteMs + 1, qint64(span.count) * MinutesPerDay - 1);
    for (qint64 m = first; m <= last; ++m) {
        if (cover[int(m / MinutesPerDay)][int(m % MinutesPerDay)])
            return true;
    }
    return false;
}

// Runs of days without recordings where the schedule writes; the last run goes on to the
// pickup when no recording came after it.
QList<RecordingGap> GapsOf(const QList<DayFigures>& days)
{
    QList<RecordingGap> gaps;
    RecordingGap gap;
    int scheduledDays = 0;
    const auto close = [&](const QDate& to) {
        if (gap.from.isValid()) {
            gap.untilPickup = to == days.last().date;
            gap.to = to;
            if (scheduledDays != gap.from.daysTo(gap.to) + 1)
                gap.minutesADay = -1;
            gaps << gap;
        }
        gap = RecordingGap();
        scheduledDays = 0;
    };
    for (const DayFigures& day : days) {
        if (day.recordedMilliseconds > 0 || day.recordings > 0) {
            close(gap.to);
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
    if (!days.isEmpty())
        close(days.last().date);
    return gaps;
}

// Days that recorded something, but less than half of what the schedule writes.
QList<ShortDay> BelowHalf(const QList<DayFigures>& days)
{
    QList<ShortDay> found;
    for (const DayFigures& day : days) {
        if (day.recordedMilliseconds > 0 && day.scheduledMinutes > 0 &&
            day.recordedMilliseconds * 2 < qint64(day.scheduledMinutes) * MinuteMs)
            found << ShortDay{day.date, day.RecordedMinutes(), day.scheduledMinutes};
    }
    return found;
}

// Recordings whose header claims more than their sound plays, a second or more.
void FindShorter(const QList<RecordingTime>& recordings, DayByDay& d)
{
    for (const RecordingTime& r : recordings) {
        if (r.headerMilliseconds < r.milliseconds + 1000)
            continue;
        d.shorterThanHeader.Add(r.time.date(), r.file);
        if (d.shorterDetails.size() < MaxNamedFiles)
            d.shorterDetails << DayText::tr("%1 (header %2 s, sound %3 s)")
                                    .arg(r.file, QString::number(r.headerMilliseconds / 1000),
                                         QString::number(r.milliseconds / 1000));
    }
}

} // namespace

void NamedRecordings::Add(const QDate& date, const QString& file)
{
    ++count;
    if (!first.isValid() || date < first)
        first = date;
    if (!last.isValid() || date > last)
        last = date;
    if (files.size() < MaxNamedFiles && !file.isEmpty())
        files << file;
}

bool DayByDay::NeedsALook() const
{
    return !gaps.isEmpty() || unsetClock.count > 0 || beforeDeployment.count > 0 ||
           ahead.count > 0 || outsideTimers.count > 0 || shorterThanHeader.count > 0 ||
           !belowHalf.isEmpty();
}

DayByDay MakeDayByDay(const QList<RecordingTime>& recordings, const ScheduleInput* schedule,
                      const DayByDayOptions& o)
{
    DayByDay d;
    d.scheduleKnown = schedule != nullptr;
    d.timersEnabled = schedule && schedule->timersEnabled;
    d.vasEnabled = d.timersEnabled && schedule->vasEnabled;
    d.loopSizeMb = schedule ? schedule->loopSizeMb : 0;
    d.pickup = o.pickup;
    d.deployment = o.deployment;
    DayByDayOptions options = o;
    options.maxDays = qMax(o.maxDays, 1);
    const QList<Placed> placed = Classify(recordings, options, d);
    const Span span = SpanOf(placed, options);
    const QList<DayMinutes> cover =
        schedule ? ScheduledDays(*schedule, span.first, span.count) : QList<DayMinutes>();
    ScheduleDays(span, cover, schedule, options, d);
    for (const Placed& p : placed) {
        if (span.count == 0 || p.end < span.base || (p.end == span.base && p.start < p.end)) {
            ++d.leftOut;
            continue;
        }
        ++d.counted;
        Spread(p, span, d);
        if (d.timersEnabled && !WithinTimers(p, span, cover))
            d.outsideTimers.Add(p.recording->time.date(), p.recording->file);
    }
    d.gaps = GapsOf(d.days);
    if (schedule && !d.vasEnabled)
        d.belowHalf = BelowHalf(d.days);
    FindShorter(recordings, d);
    return d;
}

namespace
{

QString RecordingsCount(int count)
{
    return count == 1 ? DayText::tr("1 recording") : DayText::tr("%1 recordings").arg(count);
}

QString DaysCount(qint64 count)
{
    return count == 1 ? DayText::tr("1 day") : DayText::tr("%1 days").arg(count);
}

QString MinutesText(int minutes)
{
    return DayText::tr("%1 min").arg(minutes);
}

QString TimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// "2 recordings: REC/A.WAV, REC/B.WAV", "5 recordings: REC/A.WAV, ... and 2 more".
QString FilesText(const NamedRecordings& named)
{
    QString text = RecordingsCount(named.count);
    if (named.files.isEmpty())
        return text;
    text += QStringLiteral(": ") + named.files.join(QStringLiteral(", "));
    if (named.count > named.files.size())
        text += DayText::tr(" and %1 more").arg(named.count - named.files.size());
    return text;
}

struct NoteWriter {
    const DayByDay& d;
    const QLocale& locale;
    bool withYear;

    QString Date(const QDate& day, bool year) const
    {
        return locale.toString(day,
                               year ? QStringLiteral("d MMMM yyyy") : QStringLiteral("d MMMM"));
    }
    QString Date(const QDate& day) const { return Date(day, withYear); }
    QString Dates(const NamedRecordings& named) const
    {
        return named.first == named.last
                   ? Date(named.first, true)
                   : DayText::tr("%1 to %2").arg(Date(named.first, true), Date(named.last, true));
    }
    QString Gap(const RecordingGap& gap) const;
    QString StoppedEarly(const RecordingGap& gap) const;
    QString Short() const;
    QStringList Clocks() const;
};

QString NoteWriter::Gap(const RecordingGap& gap) const
{
    const QString stopped = DayText::tr("(the recorder stopped: battery, card full?)");
    if (gap.untilPickup)
        return StoppedEarly(gap);
    if (gap.from == gap.to)
        return DayText::tr("no recordings on %1, where the schedule writes %2 %3")
            .arg(Date(gap.from), MinutesText(gap.minutes), stopped);
    if (gap.minutesADay >= 0)
        return DayText::tr("no recordings from %1 to %2, where the schedule writes %3 a day %4")
            .arg(Date(gap.from), Date(gap.to), MinutesText(gap.minutesADay), stopped);
    return DayText::tr("no recordings from %1 to %2, where the schedule writes %3 in all %4")
        .arg(Date(gap.from), Date(gap.to), MinutesText(gap.minutes), stopped);
}

QString NoteWriter::StoppedEarly(const RecordingGap& gap) const
{
    const QString early = DayText::tr("the recorder stopped %1 early (battery, card full?)")
                              .arg(DaysCount(gap.from.daysTo(gap.to) + 1));
    const QString writes = gap.minutesADay >= 0
                               ? DayText::tr("%1 a day").arg(MinutesText(gap.minutesADay))
                               : DayText::tr("%1 in all").arg(MinutesText(gap.minutes));
    if (gap.from == gap.to)
        return DayText::tr("no recordings on %1, the day the card came back, where the schedule "
                           "writes %2: %3")
            .arg(Date(gap.from), MinutesText(gap.minutes), early);
    return DayText::tr("no recordings from %1 to %2, the day the card came back, where the "
                       "schedule writes %3: %4")
        .arg(Date(gap.from), Date(gap.to), writes, early);
}

QString NoteWriter::Short() const
{
    QStringList days;
    for (const ShortDay& day : d.belowHalf.mid(0, MaxNamedFiles))
        days << DayText::tr("%1 (%2 of %3)")
                    .arg(Date(day.date), QString::number(day.recorded), MinutesText(day.scheduled));
    QString text = days.join(QStringLiteral(", "));
    if (d.belowHalf.size() > MaxNamedFiles)
        text += DayText::tr(" and %1 more days").arg(d.belowHalf.size() - MaxNamedFiles);
    return DayText::tr("less than half of the schedule recorded, with VAS off, on %1: the "
                       "recorder stopped early (battery, card full?)")
        .arg(text);
}

QStringList NoteWriter::Clocks() const
{
    QStringList notes;
    if (d.unsetClock.count > 0)
        notes << DayText::tr("recordings dated %1: the recorder's clock was not set (%2)")
                     .arg(Dates(d.unsetClock), FilesText(d.unsetClock));
    if (d.ahead.count > 0)
        notes << DayText::tr("recordings dated %1, after the day the card came back (%2): the "
                             "recorder's clock was set ahead (%3)")
                     .arg(Dates(d.ahead), Date(d.pickup, true), FilesText(d.ahead));
    if (d.beforeDeployment.count > 0)
        notes << DayText::tr("recordings from before the card's last write in the record (%1): "
                             "left on the card from before, or the recorder's clock was wrong "
                             "(%2)")
                     .arg(TimeText(d.deployment), FilesText(d.beforeDeployment));
    return notes;
}

} // namespace

QStringList DayByDayNotes(const DayByDay& d, const QLocale& locale)
{
    const bool oneYear =
        d.days.isEmpty() || d.days.first().date.year() == d.days.last().date.year();
    const NoteWriter w{d, locale, !oneYear};
    QStringList notes;
    for (const RecordingGap& gap : d.gaps)
        notes << w.Gap(gap);
    if (!d.belowHalf.isEmpty())
        notes << w.Short();
    notes << w.Clocks();
    if (d.outsideTimers.count > 0)
        notes << DayText::tr("recordings outside every timer's window (%1): started by hand, "
                             "or the recorder's clock was wrong")
                     .arg(FilesText(d.outsideTimers));
    if (d.shorterThanHeader.count > 0) {
        QString files = d.shorterDetails.join(QStringLiteral(", "));
        if (d.shorterThanHeader.count > d.shorterDetails.size())
            files += DayText::tr(" and %1 more")
                         .arg(d.shorterThanHeader.count - d.shorterDetails.size());
        notes << DayText::tr("recordings shorter than their header says, counted by their "
                             "sound: %1: the recorder lost power, or the card was full?")
                     .arg(files);
    }
    return notes;
}

QStringList DayByDayLines(const DayByDay& d, const QLocale& locale)
{
    QStringList lines;
    const QString indent = QStringLiteral("    ");
    if (!d.days.isEmpty()) {
        lines << DayText::tr("day by day: date, recorded, scheduled");
        for (const DayFigures& day : d.days)
            lines << QStringLiteral("    %1 %2 %3")
                         .arg(day.date.toString(Qt::ISODate))
                         .arg(MinutesText(day.RecordedMinutes()), 10)
                         .arg(day.scheduledMinutes < 0 ? QStringLiteral("-")
                                                       : MinutesText(day.scheduledMinutes),
                              10);
    } else if (d.unsetClock.count + d.ahead.count + d.beforeDeployment.count > 0) {
        lines << DayText::tr("day by day: no recordings dated between the deployment and the "
                             "day the card came back");
    }
    if (d.leftOut > 0)
        lines << indent + DayText::tr("%1 before %2 left out: the table shows %3 days")
                              .arg(RecordingsCount(d.leftOut),
                                   d.days.value(0).date.toString(Qt::ISODate))
                              .arg(d.days.size());
    if (d.vasEnabled)
        lines << indent + DayText::tr("VAS on: the recorder writes only while it hears sound, "
                                      "the scheduled minutes are the most it writes");
    if (d.loopSizeMb > 0)
        lines << indent + DayText::tr("loop writing: the recorder writes over its oldest sound "
                                      "once %1 Mb are full, the first days may be gone")
                              .arg(d.loopSizeMb);
    if (d.deployment.isValid())
        lines << indent +
                     DayText::tr("recordings after the card's last write in the record "
                                 "(%1): %2 of %3")
                         .arg(TimeText(d.deployment))
                         .arg(d.counted + d.leftOut + d.ahead.count)
                         .arg(d.counted + d.leftOut + d.ahead.count + d.beforeDeployment.count);
    const QStringList notes = DayByDayNotes(d, locale);
    if (!notes.isEmpty())
        lines << DayText::tr("needs a look:");
    for (const QString& note : notes)
        lines << indent + note;
    return lines;
}
