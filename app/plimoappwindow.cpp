#include "app/plimoappwindow.h"

#include "app/cardspace.h"
#include "app/globals.h"
#include "editor/cardpicker.h"
#include "editor/configeditwindow.h"
#include "editor/daybar.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

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
    // A card loaded at start has said what took effect: that report stays.
    if (statusBar()->currentMessage().isEmpty())
        statusBar()->showMessage(tr("Ready"), 2000);
    WatchCardSpace();
    FitToScreen(screen()->availableGeometry());

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
    if (auto* picker = Editor->findChild<CardPicker*>())
        connect(picker, &CardPicker::cardOfPathChanged, CardSpace, &CardSpaceMonitor::SetCard);
    connect(CardSpace, &CardSpaceMonitor::freeBytesChanged, Editor->findChild<ScheduleStrip*>(),
            &ScheduleStrip::SetFreeBytes);
}

void PlimoAppWindow::FitToScreen(const QRect& available)
{
    auto* scroll = qobject_cast<QScrollArea*>(centralWidget());
    const QSize form = Editor->minimumSizeHint();
    const int statusHeight = statusBar()->sizeHint().height();
    const bool fits =
        form.width() <= available.width() && form.height() + statusHeight <= available.height();
    if (fits) {
        if (scroll) {
            scroll->takeWidget();
            setCentralWidget(Editor); // the scroll area goes
        }
        return;
    }
    if (!scroll) {
        takeCentralWidget();
        scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("form scroll area"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(Editor);
        setCentralWidget(scroll);
    }
    // The scroll area alone would ask for a fraction of the form: ask for the whole form
    // and room for the vertical scroll bar, as much as the screen gives.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const QSize wanted(Editor->sizeHint().width() + scrollBar,
                       Editor->sizeHint().height() + statusHeight);
    resize(wanted.boundedTo(available.size()));
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
