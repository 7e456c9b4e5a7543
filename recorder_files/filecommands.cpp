// Placeholder until the file commands land.
#include "editor/configeditwindow.h"

void ConfigEditWindow::LoadCurrent() {}
void ConfigEditWindow::SaveCurrent() {}
void ConfigEditWindow::SaveAs() {}
void ConfigEditWindow::LoadFrom() {}
void ConfigEditWindow::FindConfigFile() {}
void ConfigEditWindow::ChangePath(const QString&) {}
void ConfigEditWindow::ShowStatus(const QString&) {}
void ConfigEditWindow::AfterLoad() {}
void ConfigEditWindow::DeleteClockFiles(const QString&) {}
FileResult ConfigEditWindow::WriteClockFile(const QString&)
{
    return {};
}
