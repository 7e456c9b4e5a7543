#include "app/plimoappwindow.h"

#include "common/cardidentity.h"

#include "app/cardsview.h"
#include "app/collectwindow.h"
#include "app/preferences/globals.h"
#include "app/seasonwindow.h"
#include "app/statusline.h"
#include "card/cardrecordings.h"
#include "card/cardspace.h"
#include "editor/cardpicker.h"
#include "editor/configeditwindow.h"
#include "editor/daybar.h"
#include "editor/daychart.h"
#include "editor/formparts.h"
#include "recorder_files/deployment.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include "images/appicon.xpm"

PlimoAppWindow::PlimoAppWindow() : QMainWindow(nullptr)
{
    setObjectName(QStringLiteral("Plimo main window"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Latin and Cyrillic letters need no shaping: without it Qt lays a text out from the
    // font's glyphs and advances directly, instead of through HarfBuzz, which took a seventh
    // of the start-up for the form's texts. Scripts that need shaping are shaped all the same.
    // Set before the first child, which inherits it.
    QFont unshaped;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    setFont(unshaped);
    const QPixmap icon(appicon_xpm);
    // "[*]" is where Qt shows the mark of a form with unsaved edits.
    setWindowTitle(QStringLiteral("  ") + tr("Plimo player configurator") + QStringLiteral("  ") +
                   VersionText + QStringLiteral("[*]"));
    setWindowIcon(icon);
    // Before the form, which reports its first load there.
    setStatusBar(new StatusLine(this));
    Editor = new ConfigEditWindow(this, "config edit");
    Editor->setFocus();
    setCentralWidget(Editor);
    // The status line fills its own background, the window's colour beneath it: its
    // messages and read-outs change without the window being painted again beneath them.
    statusBar()->setAutoFillBackground(true);
    // A card loaded at start has said what took effect: that report stays.
    if (statusBar()->currentMessage().isEmpty())
        statusBar()->showMessage(tr("Ready"), 2000);
    WatchCardSpace();
    WatchCardRecordings();
    AddCardsButton();
    FitToScreen(screen()->availableGeometry(), Frame());

    chooseFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(),
                                            tr("Config files (*.ini);;All files (*.*)"));
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
    // Free space changes when files are written: after a save, and whatever another
    // program wrote while the window was in the background (asked on activation).
    Editor->onSaved = [this] {
        CardSpace->Refresh();
        if (auto* picker = Editor->findChild<CardPicker*>())
            picker->Refresh(); // the card now holds the configuration file
    };
    if (auto* picker = Editor->findChild<CardPicker*>()) {
        connect(picker, &CardPicker::mountsChanged, CardSpace, &CardSpaceMonitor::Refresh);
        connect(picker, &CardPicker::cardOfPathChanged, CardSpace, &CardSpaceMonitor::SetCard);
        // The record of a save names the card as the disk service knows it.
        SetCardIdentitySource([picker = QPointer<CardPicker>(picker)](const QString& folder) {
            const DiskVolume card = picker ? picker->CardOfFolder(folder) : DiskVolume();
            return CardIdentity{card.label, card.serial};
        });
    }
    connect(CardSpace, &CardSpaceMonitor::freeBytesChanged, Editor->findChild<ScheduleStrip*>(),
            &ScheduleStrip::SetFreeBytes);
}

void PlimoAppWindow::WatchCardRecordings()
{
    auto* label = new QLabel(statusBar());
    label->setObjectName(QStringLiteral("card recordings"));
    statusBar()->addPermanentWidget(label);
    const auto button = [this](const QString& text, const char* name, const QString& tip) {
        auto* b = new QPushButton(text, statusBar());
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        statusBar()->addPermanentWidget(b);
        return b;
    };
    connect(button(tr("Card report..."), "card report",
                   tr("What is on the card: config.ini, free space, clock file and "
                      "recordings")),
            &QPushButton::clicked, this, &PlimoAppWindow::ShowCardReport);
    connect(button(tr("Collect recordings..."), "collect recordings",
                   tr("Copy the card's recordings and files, each copy checked, into an "
                      "archive folder; the card is only read")),
            &QPushButton::clicked, this, [this] {
                CollectRecordingsOfCard(this, CardFolder(Editor->CardPath()), showCollected);
            });
    connect(button(tr("Season..."), "season",
                   tr("Every card of an archive day by day: which recorders worked on "
                      "which days")),
            &QPushButton::clicked, this, [this] {
                ShowSeason(this,
                           [this](const QString& collection) { ShowCardReportOf(collection); });
            });
    ReportAsker = new CardReportAsker(this);
    CardRecordings = new CardRecordingsMonitor(this);
    connect(CardRecordings, &CardRecordingsMonitor::textChanged, label,
            [label](const QString& text) {
                label->setText(text);
                label->setMinimumWidth(label->sizeHint().width());
            });
    connect(Editor->configFilePath, &QLineEdit::textChanged, CardRecordings,
            &CardRecordingsMonitor::SetCardPath);
    // A card pulled or put in under the same path: counted again, as its free space is.
    if (auto* picker = Editor->findChild<CardPicker*>())
        connect(picker, &CardPicker::mountsChanged, CardRecordings,
                &CardRecordingsMonitor::Refresh);
}

void PlimoAppWindow::AddCardsButton()
{
    auto* picker = Editor->findChild<CardPicker*>();
    QWidget* eject = picker ? picker->EjectButton() : nullptr;
    auto* row = eject ? qobject_cast<QBoxLayout*>(eject->parentWidget()->layout()) : nullptr;
    if (!row)
        return;
    auto* button = new QPushButton(tr("Car&ds..."), eject->parentWidget());
    button->setObjectName(QStringLiteral("cards button"));
    button->setToolTip(tr("Every card in the readers: write, verify, collect and eject many "
                          "cards at once"));
    row->insertWidget(row->indexOf(eject) + 1, button);
    QWidget::setTabOrder(eject, button);
    connect(button, &QPushButton::clicked, this, [this] {
        CardsView* view = cards();
        view->show();
        view->raise();
        view->activateWindow();
    });
}

CardsView* PlimoAppWindow::cards()
{
    if (!Cards) {
        Cards = new CardsView(Editor, Editor->findChild<CardPicker*>(), this);
        // The form's size: a card row reads whole on a small screen too.
        Cards->resize(size().boundedTo(screen()->availableGeometry().size()) * 9 / 10);
    }
    return Cards;
}

void PlimoAppWindow::ShowCardReport()
{
    ShowCardReportOf(CardFolder(Editor->CardPath()));
}

void PlimoAppWindow::ShowCardReportOf(const QString& folder)
{
    CardReportOptions options = PreferenceReportOptions();
    options.locale = QLocale();
    options.recordFile = DefaultDeploymentRecord();
    ReportAsker->Ask(folder, options, [this, folder](const CardReport& report) {
        const QString title = tr("Card report of %1").arg(folder);
        if (showReport)
            showReport(title, report);
        else
            ShowCardReportDialog(this, title, report);
    });
}

QMargins PlimoAppWindow::Frame() const
{
    const QWindow* handle = windowHandle();
    if (handle && handle->isVisible() && !handle->frameMargins().isNull())
        return handle->frameMargins();
    // Not framed yet: a title bar and thin borders, as most window managers draw them.
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return QMargins(border, title + border, border, border);
}

void PlimoAppWindow::FitToScreen(const QRect& available, const QMargins& frame)
{
    const QRect room = available.marginsRemoved(frame);
    auto* scroll = qobject_cast<QScrollArea*>(centralWidget());
    const QSize form = Editor->minimumSizeHint();
    const int statusHeight = statusBar()->sizeHint().height();
    const bool fits = form.width() <= room.width() && form.height() + statusHeight <= room.height();
    if (fits) {
        if (scroll) {
            scroll->takeWidget();
            setCentralWidget(Editor); // the scroll area goes
        }
        // The form fits squeezed, but not at the size it asks for.
        const QSize size = isVisible() ? this->size() : sizeHint();
        if (size.boundedTo(room.size()) != size)
            resize(size.boundedTo(room.size()));
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
        // The minimum size that the form gave the window goes now, not at the next layout.
        layout()->activate();
    }
    // The scroll area alone would ask for a fraction of the form: ask for the whole form
    // and room for the vertical scroll bar, as much as the screen gives.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const QSize wanted(Editor->sizeHint().width() + scrollBar,
                       Editor->sizeHint().height() + statusHeight);
    resize(wanted.boundedTo(room.size()));
}

void PlimoAppWindow::FitFramed()
{
    const QRect available = screen()->availableGeometry();
    FitToScreen(available, Frame());
    // Where the window manager put the window, the status line may still be below the
    // screen's edge: move the frame up and left as far as needed, not further.
    const QRect framed = frameGeometry();
    QPoint at = framed.topLeft();
    at.setX(qMax(available.left(), qMin(at.x(), available.right() + 1 - framed.width())));
    at.setY(qMax(available.top(), qMin(at.y(), available.bottom() + 1 - framed.height())));
    if (at != framed.topLeft())
        move(at);
}

void PlimoAppWindow::StartQuestions()
{
    Editor->onCardChanged();
    CardRecordings->SetCardPath(Editor->CardPath());
    if (auto* picker = Editor->findChild<CardPicker*>())
        picker->Refresh();
}

bool PlimoAppWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && !Painted) {
        Painted = true;
        QTimer::singleShot(0, this, &PlimoAppWindow::StartQuestions);
    } else if (event->type() == QEvent::WindowActivate) {
        // The window manager has framed the window by the time it activates it.
        if (!Framed) {
            Framed = true;
            FitFramed();
        }
        if (Painted)
            CardSpace->Refresh();
    }
    return QMainWindow::event(event);
}

void PlimoAppWindow::closeEvent(QCloseEvent* event)
{
    if (Cards && Cards->Busy() && !ClosingAfterCards) {
        // The cards not begun are left; those under way finish whole, then the window
        // closes. Asked again meanwhile, it closes at once.
        ClosingAfterCards = true;
        Cards->Cancel();
        if (Cards->Busy()) {
            connect(Cards, &CardsView::actionDone, this, &QWidget::close, Qt::SingleShotConnection);
            statusBar()->showMessage(tr("Closing once the cards under way are done..."));
            event->ignore();
            return;
        }
    }
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
