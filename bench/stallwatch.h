#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The window's longest stall: the longest gap between the ticks of a 1 ms timer, that is,
// how long the event loop was kept from running it.
class StallWatch
{
public:
    StallWatch()
    {
        Tick.setInterval(1);
        QObject::connect(&Tick, &QTimer::timeout, [this] {
            const qint64 now = Clock.nsecsElapsed();
            Longest = qMax(Longest, now - Last);
            Last = now;
        });
    }
    void Start()
    {
        Clock.start();
        Last = 0;
        Tick.start();
    }
    qint64 ElapsedMs() const { return Clock.elapsed(); }
    double LongestMs() const { return Longest / 1e6; }

private:
    QElapsedTimer Clock;
    QTimer Tick;
    qint64 Last = 0, Longest = 0;
};
