// The yardstick for the benchmark: a bare Qt 6 program that shows an empty main window,
// measured by the same probe as the configurator. With --label the window shows one line of
// text instead, which is what it costs to bring up the font system at all.
#include "benchprobe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char** argv)
{
    BenchProbe probe(argc, argv);
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    int result = 0;
    {
        QApplication app(argc, argv);
        QMainWindow window;
        if (withLabel)
            window.setCentralWidget(new QLabel(QStringLiteral("Plimo player configurator")));
        window.show();
        probe.arm(&window);
        result = app.exec();
    }
    probe.report();
    return result;
}
