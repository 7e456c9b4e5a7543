#include "app/plimoappwindow.h"

#include "app/cardrecordings.h"
#include "app/cardspace.h"
#include "app/globals.h"
#include "app/prefcodec.h"
#include "app/preferences.h"
#include "editor/configeditwindow.h"
#include "editor/daybar.h"
#include "editor/formparts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
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
    WatchCardRecordings();
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
    connect(CardSpace, &CardSpaceMonitor::freeBytesChanged, Editor->findChild<ScheduleStrip*>(),
            &ScheduleStrip::SetFreeBytes);
}

void PlimoAppWindow::WatchCardRecordings()
{
    auto* label = new QLabel(statusBar());
    label->setObjectName(QStringLiteral("card recordings"));
    statusBar()->addPermanentWidget(label);
    auto* report = new QPushButton(tr("Card report..."), statusBar());
    report->setObjectName(QStringLiteral("card report"));
    report->setToolTip(tr("What is on the card: config.ini, free space, clock file and "
                          "recordings"));
    statusBar()->addPermanentWidget(report);
    connect(report, &QPushButton::clicked, this, &PlimoAppWindow::ShowCardReport);
    ReportAsker = new CardReportAsker(this);
    CardRecordings = new CardRecordingsMonitor(this);
    connect(CardRecordings, &CardRecordingsMonitor::textChanged, label,
            [label](const QString& text) {
                label->setText(text);
                label->setMinimumWidth(label->sizeHint().width());
            });
    connect(Editor->configFilePath, &QLineEdit::textChanged, CardRecordings,
            &CardRecordingsMonitor::SetCardPath);
    CardRecordings->SetCardPath(Editor->CardPath());
}

void PlimoAppWindow::ShowCardReport()
{
    CardReportOptions options;
    options.configName = PrefText(Preferences.CFGname);
    options.clockName = PrefText(Preferences.TimeName);
    options.items = {Editor->sampleRate->count(), Editor->wavType->count()};
    const QString folder = CardFolder(Editor->CardPath());
    ReportAsker->Ask(folder, options, [this, folder](const CardReport& report) {
        const QString title = tr("Card report of %1").arg(folder);
        if (showReport)
            showReport(title, report.text);
        else
            ShowTextDialog(this, title, report.text);
    });
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
