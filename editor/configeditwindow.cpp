// Placeholder until the form lands.
#include "editor/configeditwindow.h"

std::function<void(const char*)> ConfigEditWindow::slotTrace;

ConfigEditWindow::ConfigEditWindow(QWidget* parent, const char* name) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
}
void ConfigEditWindow::AddTimerPanel(QVBoxLayout*, int) {}
void ConfigEditWindow::UpdateEnable() {}
void ConfigEditWindow::UpdateInfo(int) {}
void ConfigEditWindow::UpdateConfig(int) {}
void ConfigEditWindow::Periodic() {}
void ConfigEditWindow::About() {}
