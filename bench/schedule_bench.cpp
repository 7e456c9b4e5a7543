// How long the schedule of the heaviest timer files takes over ten years: the summary and
// the days until the card is full, as the day strip and --check --free compute them.
// Prints one line: schedule_ms=<slowest file, best of 5 runs>
#include "recorder_files/schedule.h"

#include <QElapsedTimer>
#include <cstdio>
#include <limits>

namespace
{

// Four timers that fire every minute and write 9999 minutes each, on the given dates.
ScheduleInput Heavy(std::initializer_list<std::pair<int, int>> dates)
{
    ScheduleInput in;
    in.timersEnabled = true;
    in.byteRate = 32000;
    int t = 0;
    for (const auto& [day, month] : dates)
        in.timers[t++] = TimerSettings{true, month, day, -1, -1, 9999};
    return in;
}

double Milliseconds(const ScheduleInput& input)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        const Schedule s = MakeSchedule(input);
        // Never full: every one of the ten years is counted.
        DaysUntilFull(s, std::numeric_limits<qint64>::max(), QDate(2027, 1, 1),
                      ScheduleHorizonDays);
        best = qMin(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main()
{
    const ScheduleInput files[] = {
        Heavy({{0, 0}, {0, 0}, {0, 0}, {0, 0}}),    // daily
        Heavy({{0, 6}, {15, 0}, {15, 6}, {29, 2}}), // four date patterns that meet
        Heavy({{0, 0}, {31, 0}, {0, 2}, {29, 2}}),  // daily and dates
    };
    double slowest = 0;
    for (const ScheduleInput& input : files)
        slowest = qMax(slowest, Milliseconds(input));
    std::printf("schedule_ms=%.1f\n", slowest);
    return 0;
}
