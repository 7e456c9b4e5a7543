#include "app/plimoappwindow.h"

#include "app/cardspace.h"
#include "app/globals.h"
#include "editor/configeditwindow.h"
#include "editor/daybar.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QStatusBar>

#include "images/appicon.xpm"

PlimoAppWindow::PlimoAppWindow() : QMainWindow(nullptr)
{
    setObjectName(QStringLiteral("Plimo main window"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QPixmap icon(appicon_xpm);
    // "[*]" is where Qt shows the mark of a form with unsaved edits.
    setWindowTitle(QStringLiteral("  ") + tr("Plimo player configurator") + QStringLiteral("  ") +
                   VersionText + QStringLiteral("[*]"));
    setWindowIcon(icon);
    Editor = new ConfigEditWindow(this, "config edit");
    Editor->setFocus();
    setCentralWidget(Editor);
    statusBar()->showMessage(tr("Ready"), 2000);
    WatchCardSpace();

    chooseFile = [this] {
        return QFileDialog::getOpenFileName(
            this, QString(), QString(), QStringLiteral("Config files (*.ini);;All files (*.*)"));
    };
}

void PlimoAppWindow::WatchCardSpace()
{
    CardSpaceLabel = new QLabel(statusBar());
    statusBar()->addPermanentWidget(CardSpaceLabel);
    CardSpace = new CardSpaceMonitor(this);
    connect(CardSpace, &CardSpaceMonitor::textChanged, CardSpaceLabel, [this](const QString& text) {
        CardSpaceLabel->setText(text);
        // The status bar lays its permanent widgets out by their minimum width: a
        // longer text would otherwise be cut to its first letter.
        CardSpaceLabel->setMinimumWidth(CardSpaceLabel->sizeHint().width());
    });
    Editor->onCardChanged = [this] {
        CardSpace->SetByteRate(Editor->ByteRate());
        CardSpace->SetCardPath(Editor->CardPath());
    };
    Editor->onCardChanged();
    connect(CardSpace, &CardSpaceMonitor::freeBytesChanged, Editor->findChild<ScheduleStrip*>(),
            &ScheduleStrip::SetFreeBytes);
}

void PlimoAppWindow::closeEvent(QCloseEvent* event)
{
    if (Editor->MayReplaceEdits())
        event->accept();
    else
        event->ignore();
}

void PlimoAppWindow::open() {}

void PlimoAppWindow::save() {}

void PlimoAppWindow::saveAs() {}

void PlimoAppWindow::load()
{
    const QString fileName = chooseFile();
    if (fileName.isEmpty() || !Editor->MayReplaceEdits()) {
        statusBar()->showMessage(tr("Loading aborted"), 2000);
        return;
    }
    Editor->LoadAndReport(fileName); // says what was loaded, or that it cannot be read
}

void PlimoAppWindow::about()
{
    QMessageBox::about(this, QStringLiteral("Qt Application Example"),
                       QStringLiteral("This debug version of the plimo_dict config file editor"));
}
