// The timers of a config.ini over a day and over the days until the card is full.
#include "recorder_files/schedule.h"

#include "recorder_files/derived.h"

#include <QtAlgorithms>
#include <algorithm>
#include <cmath>
#include <memory>

namespace
{

bool IsAny(ConfigField field, int value)
{
    return value == Field(field).special;
}

bool DateBound(const TimerSettings& t)
{
    return !IsAny(ConfigField::TimerDay, t.day) || !IsAny(ConfigField::TimerMonth, t.month);
}

bool Fires(const TimerSettings& t, const QDate& date)
{
    return (IsAny(ConfigField::TimerDay, t.day) || date.day() == t.day) &&
           (IsAny(ConfigField::TimerMonth, t.month) || date.month() == t.month);
}

// A write of 9999 minutes from 23:59 runs into the seventh day after its start.
constexpr int SpillDays = 8;
constexpr int DayWords = int(std::tuple_size<DayBits>::value);

// What the firings of one timer on one day write, on that day (k = 0) and the days after.
// Bits, so that a day is put together a word of 64 minutes at a time.
struct TimerDays {
    std::array<DayBits, SpillDays> once{};  // minutes written
    std::array<DayBits, SpillDays> twice{}; // minutes more than one firing writes
    int spill = 0;                          // the days it writes on: nothing from day k = spill on
};

// Sets the minutes [from, to), counted from the firing day's midnight, a word at a time.
void SetMinutes(std::array<DayBits, SpillDays>& days, int from, int to)
{
    while (from < to) {
        const int k = from / MinutesPerDay, minute = from % MinutesPerDay;
        const int bit = minute % 64;
        const int n = std::min({to - from, 64 - bit, (k + 1) * MinutesPerDay - from});
        const quint64 ones = n == 64 ? ~quint64(0) : (quint64(1) << n) - 1;
        days[k][minute / 64] |= ones << bit;
        from += n;
    }
}

void WritesOfOneDay(const TimerSettings& t, TimerDays& days)
{
    const bool anyHour = IsAny(ConfigField::TimerHour, t.hour);
    const bool anyMinute = IsAny(ConfigField::TimerMinute, t.minute);
    const bool unlimited = t.length == Field(ConfigField::TimerLength).special;
    const int length = std::clamp(t.length, 0, Field(ConfigField::TimerLength).maximum);
    // The firings in time order; an hour or minute no clock shows never fires. Every write
    // lasts as long, so their ends come in the same order.
    std::array<int, MinutesPerDay> starts;
    int count = 0;
    for (int hour = anyHour ? 0 : t.hour; hour <= (anyHour ? 23 : t.hour) && hour < 24; ++hour) {
        for (int minute = anyMinute ? 0 : t.minute;
             minute <= (anyMinute ? 59 : t.minute) && minute < 60; ++minute) {
            if (hour >= 0 && minute >= 0)
                starts[count++] = hour * 60 + minute;
        }
    }
    const auto endOf = [&](int i) { return unlimited ? MinutesPerDay : starts[i] + length; };
    // The writes running change only at a start or an end. A stretch of one write or more,
    // and one of two or more, is set whole when it ends: a timer firing every minute sets
    // a few stretches, not one a minute.
    int running = 0;
    int onceFrom = 0;
    int twiceFrom = 0;
    for (int i = 0, j = 0; j < count;) {
        const int at = i < count ? std::min(starts[i], endOf(j)) : endOf(j);
        const int before = running;
        for (; i < count && starts[i] == at; ++i)
            ++running;
        for (; j < count && endOf(j) == at; ++j)
            --running;
        if (before == 0 && running > 0)
            onceFrom = at;
        if (before <= 1 && running > 1)
            twiceFrom = at;
        if (before > 1 && running <= 1)
            SetMinutes(days.twice, twiceFrom, at);
        if (before > 0 && running == 0) {
            SetMinutes(days.once, onceFrom, at);
            days.spill = std::max(days.spill, (at - 1) / MinutesPerDay + 1);
        }
    }
}

// The writes of every timer in use; index by timer, empty for one not in use.
std::array<std::unique_ptr<TimerDays>, TimerCount> WritesOfTimers(const ScheduleInput& input)
{
    std::array<std::unique_ptr<TimerDays>, TimerCount> all;
    for (int t = 0; input.timersEnabled && t < TimerCount; ++t) {
        if (input.timers[t].enabled) {
            all[t] = std::make_unique<TimerDays>();
            WritesOfOneDay(input.timers[t], *all[t]);
        }
    }
    return all;
}

// One day of the calendar: each timer that fired k days before it (bit k of fired[t])
// adds its writes of day k.
DayCover CoverOf(const std::array<std::unique_ptr<TimerDays>, TimerCount>& writes,
                 const std::array<int, TimerCount>& fired)
{
    DayCover cover;
    for (int t = 0; t < TimerCount; ++t) {
        for (int k = 0; writes[t] && k < writes[t]->spill; ++k) {
            if (!(fired[t] & (1 << k)))
                continue;
            for (int w = 0; w < DayWords; ++w) {
                const quint64 once = writes[t]->once[k][w];
                cover.twice[w] |= writes[t]->twice[k][w] | (cover.once[w] & once);
                cover.once[w] |= once;
                cover.byTimer[t][w] |= once;
            }
        }
    }
    return cover;
}

// The date patterns of the timers bound to a date, each with the timers that have it.
struct DatePattern {
    int day = 0;
    int month = 0;
    int timers = 0;
};

QList<DatePattern> DatePatterns(const ScheduleInput& input)
{
    QList<DatePattern> patterns;
    for (int t = 0; input.timersEnabled && t < TimerCount; ++t) {
        const TimerSettings& timer = input.timers[t];
        if (!timer.enabled || !DateBound(timer))
            continue;
        auto same = std::find_if(patterns.begin(), patterns.end(), [&](const DatePattern& p) {
            return p.day == timer.day && p.month == timer.month;
        });
        if (same != patterns.end())
            same->timers |= 1 << t;
        else
            patterns << DatePattern{timer.day, timer.month, 1 << t};
    }
    return patterns;
}

// A common year and a leap year: every combination of date patterns that can fall on
// one date falls on one of their dates.
constexpr int CommonYear = 2027;
constexpr int LeapYear = 2028;

// How many dates of a common year and of a leap year each set of date patterns matches
// exactly (bit j: pattern j), counted once a schedule.
struct DateMasks {
    std::array<int, 1 << TimerCount> inCommonYear{};
    std::array<int, 1 << TimerCount> inLeapYear{};
};

DateMasks PatternsOnDates(const QList<DatePattern>& patterns)
{
    DateMasks d;
    for (int year : {CommonYear, LeapYear}) {
        auto& count = year == CommonYear ? d.inCommonYear : d.inLeapYear;
        for (int month = 1; month <= 12; ++month) {
            const int days = QDate(year, month, 1).daysInMonth();
            // The patterns of every day of the month, and those of the days they name (a
            // day the month lacks is none of its dates).
            int everyDay = 0;
            std::array<int, TimerCount> dayOf{};
            std::array<int, TimerCount> dayMask{};
            int named = 0;
            for (qsizetype j = 0; j < patterns.size(); ++j) {
                const DatePattern& p = patterns[j];
                if (p.month != 0 && p.month != month)
                    continue;
                if (p.day == 0) {
                    everyDay |= 1 << j;
                    continue;
                }
                if (p.day < 1 || p.day > days)
                    continue;
                int k = 0;
                while (k < named && dayOf[k] != p.day)
                    ++k;
                named = std::max(named, k + 1);
                dayOf[k] = p.day;
                dayMask[k] |= 1 << j;
            }
            count[everyDay] += days - named;
            for (int k = 0; k < named; ++k)
                count[everyDay | dayMask[k]] += 1;
        }
    }
    return d;
}

bool MatchesSomeDate(const DateMasks& dates, int pattern)
{
    for (int set = 0; set < int(dates.inLeapYear.size()); ++set) {
        if ((set & (1 << pattern)) && dates.inLeapYear[set] > 0)
            return true;
    }
    return false;
}

// What one class of dates adds to a typical day: the dates on which exactly the patterns
// in `set` match, with their timers firing on one such date while the daily timers run
// as always. The days after it count too, for writes that run on.
DateExtra ExtraOf(const Schedule& s, const QList<DatePattern>& patterns, const DateMasks& dates,
                  int set, const std::array<std::unique_ptr<TimerDays>, TimerCount>& writes)
{
    DateExtra e;
    e.datesInYear = dates.inCommonYear[set];
    e.datesInLeapYear = dates.inLeapYear[set];
    for (qsizetype j = 0; j < patterns.size(); ++j) {
        if (!(set & (1 << j)))
            continue;
        e.timers |= patterns[j].timers;
        e.day = std::max(e.day, patterns[j].day);
        e.month = std::max(e.month, patterns[j].month);
    }
    if (e.datesInYear == 0 && e.datesInLeapYear == 0)
        return e;
    // The date's own day and the days its writes run on into.
    for (int k = 0; k < SpillDays; ++k) {
        std::array<int, TimerCount> fired{};
        for (int t = 0; t < TimerCount; ++t) {
            if (!s.input.timers[t].enabled)
                continue;
            if (!DateBound(s.input.timers[t]))
                fired[t] = (1 << SpillDays) - 1;
            else if (e.timers & (1 << t))
                fired[t] = 1 << k;
        }
        const DayCover day = CoverOf(writes, fired);
        const int overlap = day.OverlapMinutes();
        e.minutes += day.Minutes() - s.minutes;
        e.overlapMinutes += overlap - s.overlapMinutes;
        if (overlap > 0)
            e.overlapTimersMask |= day.OverlapTimers();
    }
    return e;
}

// Whether the patterns in `set` can meet on one date: days and months agree or are "any".
bool CanMeet(const QList<DatePattern>& patterns, int set)
{
    int day = 0;
    int month = 0;
    for (qsizetype j = 0; j < patterns.size(); ++j) {
        if (!(set & (1 << j)))
            continue;
        if ((patterns[j].day && day && patterns[j].day != day) ||
            (patterns[j].month && month && patterns[j].month != month))
            return false;
        day = std::max(day, patterns[j].day);
        month = std::max(month, patterns[j].month);
    }
    return true;
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

namespace
{

int Count(const DayBits& bits)
{
    int n = 0;
    for (quint64 word : bits)
        n += qPopulationCount(word);
    return n;
}

bool Has(const DayBits& bits, int minute)
{
    return bits[minute / 64] & (quint64(1) << (minute % 64));
}

} // namespace

int DayCover::Minutes() const
{
    return Count(once);
}

int DayCover::OverlapMinutes() const
{
    return Count(twice);
}

int DayCover::OverlapTimers() const
{
    int mask = 0;
    for (int t = 0; t < TimerCount; ++t) {
        for (int w = 0; w < DayWords; ++w) {
            if (byTimer[t][w] & twice[w])
                mask |= 1 << t;
        }
    }
    return mask;
}

int DayCover::WritesAt(int minute) const
{
    return Has(twice, minute) ? 2 : Has(once, minute) ? 1 : 0;
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
    const auto writes = WritesOfTimers(input);
    // A typical day: the daily timers fired on it and on each day before.
    std::array<int, TimerCount> daily{};
    for (int t = 0; t < TimerCount; ++t) {
        const TimerSettings& timer = input.timers[t];
        if (!timer.enabled)
            continue;
        s.firings[t] = FiringsPerDay(timer);
        s.unlimited |= timer.length == Field(ConfigField::TimerLength).special;
        if (!DateBound(timer))
            daily[t] = (1 << SpillDays) - 1;
    }
    s.typical = CoverOf(writes, daily);
    s.minutes = s.typical.Minutes();
    s.bytes = qint64(s.minutes) * 60 * input.byteRate;
    s.overlapMinutes = s.typical.OverlapMinutes();
    s.overlapTimers = s.typical.OverlapTimers();

    // One extra for each set of date patterns that meets on some dates, and a note for a
    // pattern that matches no date at all.
    const QList<DatePattern> patterns = DatePatterns(input);
    const DateMasks dates = PatternsOnDates(patterns);
    for (int set = 1; set < (1 << patterns.size()); ++set) {
        if (!CanMeet(patterns, set))
            continue;
        DateExtra e = ExtraOf(s, patterns, dates, set, writes);
        e.patterns = qPopulationCount(quint32(set));
        const bool never = e.datesInYear == 0 && e.datesInLeapYear == 0;
        // A pattern whose dates all belong to a set of more patterns is told there; one
        // that matches no date at all is told as never firing.
        if (never &&
            (e.patterns > 1 || MatchesSomeDate(dates, qCountTrailingZeroBits(quint32(set)))))
            continue;
        s.overlapTimers |= e.overlapTimersMask;
        s.extras << e;
    }
    return s;
}

namespace
{

// Moves the firings of each timer on one day: bit k of fired[t] is set when timer t
// fired k days before date (date's own firing included). The minutes written on date.
DayBits BitsOfNextDay(const std::array<std::unique_ptr<TimerDays>, TimerCount>& writes,
                      const ScheduleInput& input, const QDate& date,
                      std::array<int, TimerCount>& fired)
{
    DayBits bits{};
    for (int t = 0; t < TimerCount; ++t) {
        if (!writes[t])
            continue;
        fired[t] = ((fired[t] << 1) | int(Fires(input.timers[t], date))) & ((1 << SpillDays) - 1);
        for (int k = 0; k < SpillDays; ++k) {
            if (!(fired[t] & (1 << k)))
                continue;
            for (int w = 0; w < DayWords; ++w)
                bits[w] |= writes[t]->once[k][w];
        }
    }
    return bits;
}

int MinutesOfNextDay(const std::array<std::unique_ptr<TimerDays>, TimerCount>& writes,
                     const ScheduleInput& input, const QDate& date,
                     std::array<int, TimerCount>& fired)
{
    return Count(BitsOfNextDay(writes, input, date, fired));
}

} // namespace

int DaysUntilFull(const Schedule& s, qint64 freeBytes, const QDate& from, int horizonDays)
{
    if (!s.input.timersEnabled || s.input.byteRate <= 0 || s.input.loopSizeMb > 0 ||
        !from.isValid())
        return -1;
    const auto writes = WritesOfTimers(s.input);
    // Nothing fired before from.
    std::array<int, TimerCount> fired{};
    const qint64 bytesPerMinute = qint64(60) * s.input.byteRate;
    qint64 used = 0;
    QDate date = from;
    for (int day = 0; day < horizonDays; ++day, date = date.addDays(1)) {
        used += MinutesOfNextDay(writes, s.input, date, fired) * bytesPerMinute;
        if (used > freeBytes)
            return day;
    }
    return used > 0 ? horizonDays : -1;
}

QList<DayMinutes> ScheduledDays(const ScheduleInput& input, const QDate& from, int days)
{
    QList<DayMinutes> minutes(qMax(days, 0));
    if (!input.timersEnabled || !from.isValid())
        return minutes;
    const auto writes = WritesOfTimers(input);
    std::array<int, TimerCount> fired{};
    // The days before from fire too: their writes run on into it.
    for (QDate date = from.addDays(1 - SpillDays); date < from; date = date.addDays(1))
        BitsOfNextDay(writes, input, date, fired);
    for (int day = 0; day < minutes.size(); ++day) {
        const DayBits bits = BitsOfNextDay(writes, input, from.addDays(day), fired);
        for (int m = 0; m < MinutesPerDay; ++m)
            minutes[day][m] = (bits[m / 64] >> (m % 64)) & 1;
    }
    return minutes;
}

QList<int> ScheduledMinutesByDay(const ScheduleInput& input, const QDate& from, int days)
{
    QList<int> minutes;
    for (const DayMinutes& day : ScheduledDays(input, from, days))
        minutes << int(day.count());
    return minutes;
}

int ScheduledMinutesOn(const ScheduleInput& input, const QDate& date)
{
    return ScheduledMinutesByDay(input, date, 1).value(0);
}
