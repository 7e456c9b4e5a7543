#include "app/startup.h"

#include <QApplication>

int RunPlimoConfigurator(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
