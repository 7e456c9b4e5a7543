// The schedule in words: the sentences of --check, the card report and the day strip.
#include "recorder_files/schedulewording.h"

#include "common/decimal.h"
#include "recorder_files/derived.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace
{

// The texts of this file, in the translation context Schedule.
struct ScheduleText {
    Q_DECLARE_TR_FUNCTIONS(Schedule)
};

QString TimerList(int mask)
{
    QString numbers;
    for (int t = 0; t < TimerCount; ++t) {
        if (!(mask & (1 << t)))
            continue;
        if (!numbers.isEmpty())
            numbers += QLatin1String(", ");
        numbers += Decimal(t + 1).text();
    }
    return numbers;
}

QString ExtraText(const DateExtra& e, const QLocale& locale)
{
    const QString when = DatePatternText(e.day, e.month, locale);
    if (e.datesInYear == 0 && e.datesInLeapYear == 0)
        return ScheduleText::tr("timer %1 never fires: %2 does not exist")
            .arg(TimerList(e.timers), when);
    QString text = e.patterns > 1
                       ? ScheduleText::tr("plus %1 min in all on %2, where timers %3 "
                                          "fire together")
                             .arg(Decimal(e.minutes).text(), when, TimerList(e.timers))
                       : ScheduleText::tr("plus %1 min on %2").arg(Decimal(e.minutes).text(), when);
    if (e.datesInYear == 0)
        text += ScheduleText::tr(" (leap years only)");
    if (e.overlapMinutes > 0)
        text += ScheduleText::tr(", writes overlap there for %1 min")
                    .arg(Decimal(e.overlapMinutes).text());
    return text;
}

} // namespace

QString DatePatternText(int day, int month, const QLocale& locale)
{
    const QString monthName = month > 0 ? locale.standaloneMonthName(month) : QString();
    if (day > 0 && month > 0)
        return ScheduleText::tr("%1 %2").arg(Decimal(day).text(), locale.monthName(month));
    if (day > 0)
        return ScheduleText::tr("day %1 of every month").arg(Decimal(day).text());
    return ScheduleText::tr("every day in %1").arg(monthName);
}

QStringList ScheduleLines(const Schedule& s,
                          const std::function<QString(int minutes, qint64 bytes)>& sizeText,
                          const QLocale& locale, QList<int>* needsAction)
{
    QStringList lines;
    const auto warn = [&] {
        if (needsAction)
            *needsAction << int(lines.size() - 1);
    };
    if (!s.input.timersEnabled) {
        lines << ScheduleText::tr("timers off: the recorder writes when its key is pressed");
        return lines;
    }
    lines << ScheduleText::tr("records %1 min a day, %2 a day")
                 .arg(Decimal(s.minutes).text(), sizeText(s.minutes, s.bytes));
    for (const DateExtra& e : s.extras) {
        lines << ExtraText(e, locale);
        if (e.overlapMinutes > 0)
            warn();
    }
    if (s.unlimited)
        lines << ScheduleText::tr("an unlimited write time is counted up to midnight");
    const int overlapping = s.typical.OverlapTimers();
    if (s.overlapMinutes > 0 && (overlapping & (overlapping - 1)) == 0)
        lines << ScheduleText::tr("timer %1 fires again while it writes: %2 min a day overlap")
                     .arg(TimerList(overlapping), Decimal(s.overlapMinutes).text());
    else if (s.overlapMinutes > 0)
        lines << ScheduleText::tr("timers %1 overlap for %2 min a day")
                     .arg(TimerList(overlapping), Decimal(s.overlapMinutes).text());
    if (s.overlapMinutes > 0)
        warn();
    if (s.input.vasEnabled)
        lines << ScheduleText::tr(
            "VAS on: at most this much, the recorder writes only while it hears sound");
    if (s.input.loopSizeMb > 0)
        lines << ScheduleText::tr(
                     "loop writing: the recorder writes over its oldest sound once %1 Mb are "
                     "full, the card does not fill up")
                     .arg(Decimal(s.input.loopSizeMb).text());
    return lines;
}

QString FullnessText(const Schedule& s, qint64 freeBytes, const QDate& from, int* daysUntilFull)
{
    if (daysUntilFull)
        *daysUntilFull = -1;
    if (!s.input.timersEnabled)
        return ScheduleText::tr("the timers are off, the key decides when it fills");
    const int days = DaysUntilFull(s, freeBytes, from, ScheduleHorizonDays);
    if (daysUntilFull)
        *daysUntilFull = days;
    if (days < 0)
        return ScheduleText::tr("never full");
    if (days >= ScheduleHorizonDays)
        return ScheduleText::tr("not full within %1 days (ten years)").arg(ScheduleHorizonDays);
    return ScheduleText::tr("full after %1 days (on %2)")
        .arg(Decimal(days).text(), from.addDays(days).toString(QStringLiteral("yyyy-MM-dd")));
}

QString CardFullText(const Schedule& s, qint64 freeBytes, const QString& freeText,
                     const QDate& from, int* daysUntilFull)
{
    const QString with = ScheduleText::tr("with %1 free from %2")
                             .arg(freeText, from.toString(QStringLiteral("yyyy-MM-dd")));
    return with + QStringLiteral(": ") + FullnessText(s, freeBytes, from, daysUntilFull);
}

qint64 ParseByteSize(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*(|kB|MB|GB|KiB|MiB|GiB)\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return -1;
    const QString unit = match.captured(2);
    const QString number = match.captured(1);
    if (unit.isEmpty()) { // whole bytes only
        bool ok = false;
        const qint64 bytes = number.toLongLong(&ok);
        return ok ? bytes : -1;
    }
    const int power = 1 + int(QStringLiteral("KMG").indexOf(unit.at(0).toUpper()));
    const double base = unit.endsWith(QLatin1String("iB")) ? 1024.0 : 1000.0;
    const double bytes = number.toDouble() * std::pow(base, power);
    return bytes < 9e18 ? qint64(bytes) : -1;
}

void WriteScheduleSummary(const ConfigSettings& settings, QTextStream& out,
                          const FreeSpacePlan& plan)
{
    const Schedule schedule = MakeSchedule(ScheduleInputOf(settings));
    const int rate = schedule.input.byteRate;
    // The form's megabytes with the exact bytes beside them.
    const QStringList lines = ScheduleLines(
        schedule,
        [rate](int minutes, qint64 bytes) {
            return ScheduleText::tr("%1 (%2 bytes)")
                .arg(FileSizeText(minutes, rate, ScheduleText::tr("Mb")), Decimal(bytes).text());
        },
        QLocale::c());
    out << ScheduleText::tr("schedule at %1 bytes per second:").arg(Decimal(rate).text()) << '\n';
    for (const QString& line : lines)
        out << QLatin1String("    ") << line << '\n';
    if (plan.freeBytes >= 0)
        out << QLatin1String("    ")
            << CardFullText(schedule, plan.freeBytes, plan.freeText, plan.from) << '\n';
    out.flush();
}
