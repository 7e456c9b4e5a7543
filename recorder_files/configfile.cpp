// Placeholder until the config.ini writer and reader land.
#include "editor/configeditwindow.h"

FileResult ConfigEditWindow::WriteConfig(const QString&)
{
    return {};
}
FileResult ConfigEditWindow::ReadConfig(const QString&)
{
    return {};
}
