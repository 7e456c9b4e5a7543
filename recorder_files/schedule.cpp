// The timers of a config.ini over a day and over the days until the card is full.
#include "recorder_files/schedule.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>

namespace
{

// The texts of this file, in the translation context Schedule.
struct ScheduleText {
    Q_DECLARE_TR_FUNCTIONS(Schedule)
};

bool IsAny(ConfigField field, int value)
{
    return value == Field(field).special;
}

bool DateBound(const TimerSettings& t)
{
    return !IsAny(ConfigField::TimerDay, t.day) || !IsAny(ConfigField::TimerMonth, t.month);
}

// Adds every write of one timer on a day it fires.
void AddTimer(DayCover& cover, const TimerSettings& t, int timer)
{
    const bool anyHour = IsAny(ConfigField::TimerHour, t.hour);
    const bool anyMinute = IsAny(ConfigField::TimerMinute, t.minute);
    const bool unlimited = t.length == Field(ConfigField::TimerLength).special;
    for (int hour = anyHour ? 0 : t.hour; hour <= (anyHour ? 23 : t.hour); ++hour) {
        for (int minute = anyMinute ? 0 : t.minute; minute <= (anyMinute ? 59 : t.minute);
             ++minute) {
            const int start = hour * 60 + minute;
            const int length =
                unlimited ? MinutesPerDay - start : std::min(t.length, MinutesPerDay);
            for (int m = start; m < start + length; ++m) {
                quint8& writes = cover.writes[m % MinutesPerDay];
                writes = quint8(std::min(writes + 1, 255));
                cover.timers[m % MinutesPerDay] |= quint8(1 << timer);
            }
        }
    }
}

// Matching dates of a day and month pattern in one year.
int DatesInYear(int day, int month, int year)
{
    int dates = 0;
    for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
        if ((day == 0 || d.day() == day) && (month == 0 || d.month() == month))
            ++dates;
    }
    return dates;
}

QString TimerList(int mask)
{
    QStringList numbers;
    for (int t = 0; t < TimerCount; ++t) {
        if (mask & (1 << t))
            numbers << QString::number(t + 1);
    }
    return numbers.join(QStringLiteral(", "));
}

QString ExtraText(const DateExtra& e, const QLocale& locale)
{
    const QString when = DatePatternText(e.day, e.month, locale);
    if (e.datesInYear == 0 && e.datesInLeapYear == 0)
        return ScheduleText::tr("timer %1 never fires: %2 does not exist")
            .arg(TimerList(e.timers), when);
    QString text = ScheduleText::tr("plus %1 min on %2").arg(e.minutes).arg(when);
    if (e.datesInYear == 0)
        text += ScheduleText::tr(" (leap years only)");
    if (e.overlapMinutes > 0)
        text += ScheduleText::tr(", writes overlap there for %1 min").arg(e.overlapMinutes);
    return text;
}

} // namespace

ScheduleInput ScheduleInputOf(const ConfigSettings& s)
{
    ScheduleInput in;
    in.timersEnabled = s.timersEnabled;
    std::copy(std::begin(s.timers), std::end(s.timers), in.timers.begin());
    const int rate =
        s.sampleRate >= 0 && s.sampleRate < SampleRateCount ? s.sampleRate : FallbackItem;
    const int type = s.wavType >= 0 && s.wavType < WavTypeCount ? s.wavType : FallbackItem;
    in.byteRate =
        SampleRates[rate].samplesPerSecond * WavTypes[type].numerator / WavTypes[type].denominator;
    in.vasEnabled = s.vasEnabled;
    in.loopSizeMb = s.loopSize;
    return in;
}

int DayCover::Minutes() const
{
    return int(std::count_if(writes.begin(), writes.end(), [](quint8 w) { return w > 0; }));
}

int DayCover::OverlapMinutes() const
{
    return int(std::count_if(writes.begin(), writes.end(), [](quint8 w) { return w > 1; }));
}

int DayCover::OverlapTimers() const
{
    int mask = 0;
    for (int m = 0; m < MinutesPerDay; ++m) {
        if (writes[m] > 1)
            mask |= timers[m];
    }
    return mask;
}

int FiringsPerDay(const TimerSettings& t)
{
    return (IsAny(ConfigField::TimerHour, t.hour) ? 24 : 1) *
           (IsAny(ConfigField::TimerMinute, t.minute) ? 60 : 1);
}

Schedule MakeSchedule(const ScheduleInput& input)
{
    Schedule s;
    s.input = input;
    if (!input.timersEnabled)
        return s;
    for (int t = 0; t < TimerCount; ++t) {
        const TimerSettings& timer = input.timers[t];
        if (!timer.enabled)
            continue;
        s.firings[t] = FiringsPerDay(timer);
        s.unlimited |= timer.length == Field(ConfigField::TimerLength).special;
        if (!DateBound(timer))
            AddTimer(s.typical, timer, t);
    }
    s.minutes = s.typical.Minutes();
    s.bytes = qint64(s.minutes) * 60 * input.byteRate;
    s.overlapMinutes = s.typical.OverlapMinutes();
    s.overlapTimers = s.typical.OverlapTimers();

    // One extra per date pattern, with every timer that has it.
    for (int t = 0; t < TimerCount; ++t) {
        const TimerSettings& timer = input.timers[t];
        if (!timer.enabled || !DateBound(timer))
            continue;
        auto same = std::find_if(s.extras.begin(), s.extras.end(), [&](const DateExtra& e) {
            return e.day == timer.day && e.month == timer.month;
        });
        if (same != s.extras.end()) {
            same->timers |= 1 << t;
            continue;
        }
        DateExtra e;
        e.day = timer.day;
        e.month = timer.month;
        e.timers = 1 << t;
        e.datesInYear = DatesInYear(e.day, e.month, 2023);
        e.datesInLeapYear = DatesInYear(e.day, e.month, 2024);
        s.extras << e;
    }
    for (DateExtra& e : s.extras) {
        DayCover date = s.typical;
        for (int t = 0; t < TimerCount; ++t) {
            if (e.timers & (1 << t))
                AddTimer(date, input.timers[t], t);
        }
        e.minutes = date.Minutes() - s.minutes;
        e.overlapMinutes = date.OverlapMinutes() - s.overlapMinutes;
        if (e.datesInLeapYear > 0)
            s.overlapTimers |= date.OverlapTimers();
    }
    return s;
}

bool ExtraMatches(const DateExtra& e, const QDate& date)
{
    return (e.day == 0 || date.day() == e.day) && (e.month == 0 || date.month() == e.month);
}

int DaysUntilFull(const Schedule& s, qint64 freeBytes, const QDate& from, int horizonDays)
{
    const bool writesSometime =
        s.minutes > 0 || std::any_of(s.extras.begin(), s.extras.end(), [](const DateExtra& e) {
            return e.minutes > 0 && e.datesInLeapYear > 0;
        });
    if (!writesSometime || s.input.byteRate <= 0 || s.input.loopSizeMb > 0)
        return -1;
    qint64 used = 0;
    for (int day = 0; day < horizonDays; ++day) {
        const QDate date = from.addDays(day);
        int minutes = s.minutes;
        for (const DateExtra& e : s.extras) {
            if (ExtraMatches(e, date))
                minutes += e.minutes;
        }
        used += qint64(minutes) * 60 * s.input.byteRate;
        if (used > freeBytes)
            return day;
    }
    return horizonDays;
}

QString DatePatternText(int day, int month, const QLocale& locale)
{
    const QString monthName = month > 0 ? locale.standaloneMonthName(month) : QString();
    if (day > 0 && month > 0)
        return ScheduleText::tr("%1 %2").arg(day).arg(locale.monthName(month));
    if (day > 0)
        return ScheduleText::tr("day %1 of every month").arg(day);
    return ScheduleText::tr("every day in %1").arg(monthName);
}

QStringList ScheduleLines(const Schedule& s,
                          const std::function<QString(int minutes, qint64 bytes)>& sizeText,
                          const QLocale& locale)
{
    QStringList lines;
    if (!s.input.timersEnabled) {
        lines << ScheduleText::tr("timers off: the recorder writes when its key is pressed");
        return lines;
    }
    lines << ScheduleText::tr("records %1 min a day, %2 a day")
                 .arg(s.minutes)
                 .arg(sizeText(s.minutes, s.bytes));
    for (const DateExtra& e : s.extras)
        lines << ExtraText(e, locale);
    if (s.unlimited)
        lines << ScheduleText::tr("an unlimited write time is counted up to midnight");
    const int overlapping = s.typical.OverlapTimers();
    if (s.overlapMinutes > 0 && (overlapping & (overlapping - 1)) == 0)
        lines << ScheduleText::tr("timer %1 fires again while it writes: %2 min a day overlap")
                     .arg(TimerList(overlapping))
                     .arg(s.overlapMinutes);
    else if (s.overlapMinutes > 0)
        lines << ScheduleText::tr("timers %1 overlap for %2 min a day")
                     .arg(TimerList(overlapping))
                     .arg(s.overlapMinutes);
    if (s.input.vasEnabled)
        lines << ScheduleText::tr(
            "VAS on: at most this much, the recorder writes only while it hears sound");
    if (s.input.loopSizeMb > 0)
        lines << ScheduleText::tr(
                     "loop writing: the recorder writes over its oldest sound once %1 Mb are "
                     "full, the card does not fill up")
                     .arg(s.input.loopSizeMb);
    return lines;
}

void WriteScheduleSummary(const ConfigSettings& settings, QTextStream& out)
{
    const Schedule schedule = MakeSchedule(ScheduleInputOf(settings));
    const QStringList lines = ScheduleLines(
        schedule, [](int, qint64 bytes) { return ScheduleText::tr("%1 bytes").arg(bytes); },
        QLocale::c());
    out << ScheduleText::tr("schedule at %1 bytes per second:").arg(schedule.input.byteRate)
        << '\n';
    for (const QString& line : lines)
        out << "    " << line << '\n';
    out.flush();
}
