// The yardstick for the benchmark: a bare Qt 6 program that shows an empty main window,
// measured by the same probe as the configurator. With --label the window shows one line of
// text instead, which is what it costs to bring up the font system at all. With --clock it
// shows a disabled time editor that follows the computer's clock, set once a second by a
// plain timer: what a plain Qt window showing the running seconds costs while idle.
#include "benchprobe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTime>
#include <QTimeEdit>
#include <QTimer>

#include <cstring>

int main(int argc, char** argv)
{
    BenchProbe probe(argc, argv);
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    const bool withClock = argc > 1 && std::strcmp(argv[1], "--clock") == 0;
    int result = 0;
    {
        QApplication app(argc, argv);
        QMainWindow window;
        if (withLabel)
            window.setCentralWidget(new QLabel(QStringLiteral("Plimo player configurator")));
        QTimer tick;
        if (withClock) {
            auto* clock = new QTimeEdit(QTime::currentTime());
            clock->setDisplayFormat(QStringLiteral("HH:mm:ss"));
            clock->setEnabled(false);
            window.setCentralWidget(clock);
            QObject::connect(&tick, &QTimer::timeout, clock,
                             [clock] { clock->setTime(QTime::currentTime()); });
            tick.start(1000);
        }
        window.show();
        probe.arm(&window);
        result = app.exec();
    }
    probe.report();
    return result;
}
