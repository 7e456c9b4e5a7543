// The yardstick for the benchmark: a bare Qt 6 program that shows an empty main window,
// measured by the same probe as the configurator.
#include "benchprobe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    BenchProbe probe(argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        QMainWindow window;
        window.show();
        probe.arm(&window);
        result = app.exec();
    }
    probe.report();
    return result;
}
