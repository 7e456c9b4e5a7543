#include "app/startup.h"

#include <QApplication>

int RunPlimoConfigurator(int argc, char** argv, const StartupHooks*)
{
    QApplication app(argc, argv);
    return 0;
}
