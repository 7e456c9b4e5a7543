// The editor form: its constructor and the builders of the path row, the columns and
// the button bar. The settings groups are in settingsgroups.cpp, the timer panels in
// timerpanel.cpp.
#include "editor/configeditwindow.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "editor/cardpicker.h"
#include "editor/daybar.h"
#include "editor/formparts.h"
#include "editor/tooltipswitch.h"
#include "recorder_files/derived.h"
#include "recorder_files/recorderfields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "images/about.xpm"
#include "images/disk.xpm"
#include "images/folder.xpm"

std::function<void(const char*)> ConfigEditWindow::slotTrace;
std::function<QDateTime()> ConfigEditWindow::clockNow = [] { return QDateTime::currentDateTime(); };

static_assert(sizeof ConfigEditWindow::TimerPanels / sizeof(TimerPanel) == TimerCount,
              "one panel per timer of the recorder");

ConfigEditWindow::ConfigEditWindow(QWidget* parent, const char* name) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    QVBoxLayout* mainLayout = BuildMainLayout();
    BuildPathRow(mainLayout);
    BuildSaveTargetLine(mainLayout);
    const Columns columns = BuildColumns(mainLayout);
    BuildFormatGroup(columns.first);
    BuildVasGroup(columns.first);
    BuildClockGroup(columns.first);
    BuildTimersSwitch(columns.second);
    BuildLoopGroup(columns.second);
    BuildLimitGroup(columns.second);
    for (int index = 0; index < TimerCount; ++index)
        AddTimerPanel(columns.third, index);
    BuildButtonBar(mainLayout);
    CardPicker::Attach(this);
    ScheduleStrip::Attach(this);
    WatchEdits();

    // Apply the stored card path, then bring enabling and read-outs up to date.
    ChangePath(configFilePath->text());
    UpdateEnable();
    UpdateInfo(0);
    StartClock();
    ReportCardChanges();
    MarkUnmodified(); // the read-outs may have moved a combo box to its fall-back item
}

QString ConfigEditWindow::CardPath() const
{
    return configFilePath->text();
}

int ConfigEditWindow::ByteRate() const
{
    return ByteRateForIndexes(sampleRate->currentIndex(), wavType->currentIndex()).byteRate;
}

QVBoxLayout* ConfigEditWindow::BuildMainLayout()
{
    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(6, 6, 6, 6);
    mainLayout->setSpacing(8);
    mainLayout->addSpacing(6);
    return mainLayout;
}

void ConfigEditWindow::BuildPathRow(QVBoxLayout* mainLayout)
{
    QGroupBox* pathGroup = NewFormGroupBox(tr("Config file path"), this);
    auto* pathStrip = new QHBoxLayout(pathGroup);
    auto* topRow = new QHBoxLayout();
    mainLayout->addLayout(topRow);
    topRow->addWidget(pathGroup, 0, Qt::AlignVCenter);

    configFilePath = new QLineEdit(pathGroup);
    configFilePath->setObjectName(QStringLiteral("config file path"));
    pathStrip->addWidget(configFilePath);
    configFilePath->setText(PrefText(Preferences.SDpath));
    configFilePath->setToolTip(tr("Path to SD flash card"));
    configFilePath->setAccessibleName(pathGroup->title());
    connect(configFilePath, &QLineEdit::textChanged, this, &ConfigEditWindow::ChangePath);

    auto* find = new QPushButton(tr("find"), pathGroup);
    find->setObjectName(QStringLiteral("find"));
    pathStrip->addWidget(find);
    find->setToolTip(tr("Find SD flash card"));
    MakeKeyboardButton(find);
    connect(find, &QPushButton::clicked, this, &ConfigEditWindow::FindConfigFile);

    auto* about = new QPushButton(QIcon(QPixmap(about_xpm)), QString(), this);
    about->setObjectName(QStringLiteral("about"));
    about->setIconSize(QSize(24, 24));
    about->setFixedSize(38, 38);
    topRow->addWidget(about, 0, Qt::AlignVCenter);
    about->setToolTip(tr("About this programm"));
    about->setAccessibleName(tr("About"));
    MakeKeyboardButton(about);
    AddShortcut(about, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    connect(about, &QPushButton::clicked, this, &ConfigEditWindow::About);
}

ConfigEditWindow::Columns ConfigEditWindow::BuildColumns(QVBoxLayout* mainLayout)
{
    mainLayout->addSpacing(6);
    auto* columnRow = new QHBoxLayout();
    mainLayout->addLayout(columnRow);
    Columns columns{new QVBoxLayout(), new QVBoxLayout(), new QVBoxLayout()};
    for (QVBoxLayout* column : {columns.first, columns.second, columns.third})
        columnRow->addLayout(column);
    return columns;
}

void ConfigEditWindow::BuildButtonBar(QVBoxLayout* mainLayout)
{
    QGroupBox* buttonBar = NewFormGroupBox(QString(), this);
    mainLayout->addWidget(buttonBar, 0);
    auto* buttons = new QHBoxLayout(buttonBar);
    buttons->setContentsMargins(6, 6, 6, 6);
    buttons->setSpacing(4);

    // The tool-tip switch stays hidden: the preference alone turns the tips on or off.
    enableToolTip = new QCheckBox(tr("enable tool tip"), buttonBar);
    buttons->addStretch(20);
    buttons->addWidget(enableToolTip, 100, Qt::AlignLeft);
    enableToolTip->setToolTip(tr("Help tool tips enable"));
    buttons->addStretch(500);
    enableToolTip->setChecked(Preferences.ToolTip != 0);
    SetToolTipsGloballyEnabled(Preferences.ToolTip != 0);
    connect(enableToolTip, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    enableToolTip->hide();

    AddFileButtons(buttonBar, buttons);
}

void ConfigEditWindow::AddFileButtons(QGroupBox* bar, QHBoxLayout* buttons)
{
    struct FileButton {
        const char* name;
        const char* const* picture; // XPM data, or none
        const char* text;
        const char* tip;
        void (ConfigEditWindow::*slot)();
        int stretchAfter;
        QKeySequence::StandardKey key;
        QKeyCombination usualKey; // where the platform's standard key has no binding
    };
    const FileButton fileButtons[] = {
        {"load from", folder_xpm, QT_TR_NOOP("Load from"),
         QT_TR_NOOP("Load config file from any path and file name"), &ConfigEditWindow::LoadFrom,
         100, QKeySequence::Open, Qt::CTRL | Qt::Key_O},
        {"save as", nullptr, QT_TR_NOOP("Save as"),
         QT_TR_NOOP("Save config file to any path and file name"), &ConfigEditWindow::SaveAs, 100,
         QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {"reload", nullptr, QT_TR_NOOP("Reload"),
         QT_TR_NOOP("Load config file from setting SD card path"), &ConfigEditWindow::LoadCurrent,
         100, QKeySequence::Refresh, QKeyCombination(Qt::Key_F5)},
        {"save", disk_xpm, QT_TR_NOOP("Save"),
         QT_TR_NOOP("Write config file to setting SD card path"), &ConfigEditWindow::SaveCurrent,
         30, QKeySequence::Save, Qt::CTRL | Qt::Key_S},
    };
    for (const FileButton& entry : fileButtons) {
        // A picture keeps two blanks between itself and the text.
        auto* button = entry.picture ? new QPushButton(QIcon(QPixmap(entry.picture)),
                                                       QStringLiteral("  ") + tr(entry.text), bar)
                                     : new QPushButton(tr(entry.text), bar);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setToolTip(tr(entry.tip));
        button->setAccessibleName(tr(entry.text));
        MakeKeyboardButton(button);
        AddShortcut(button, entry.key, QKeySequence(entry.usualKey));
        // A press that slides off the button before release is cancelled: act on the
        // completed click only.
        connect(button, &QPushButton::clicked, this, entry.slot);
        buttons->addWidget(button, 100);
        buttons->addStretch(entry.stretchAfter);
    }
}

void ConfigEditWindow::StartClock()
{
    Clock = new QTimer(this);
    Clock->setSingleShot(true);
    Clock->setTimerType(Qt::PreciseTimer);
    connect(Clock, &QTimer::timeout, this, &ConfigEditWindow::Periodic);
    window()->installEventFilter(this); // hidden, minimised, shown again
    ScheduleTick(clockNow().time());
}

void ConfigEditWindow::ScheduleTick(const QTime& now)
{
    if (ClockPaused)
        return;
    // A few milliseconds into the next second, so the tick never lands just before it.
    Clock->start(1000 - now.msec() + 3);
}

bool ConfigEditWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window())
        return QWidget::eventFilter(watched, event);
    const auto pause = [this](bool pause) {
        if (pause == ClockPaused)
            return;
        ClockPaused = pause;
        if (pause)
            Clock->stop();
        else
            Periodic(); // shows the time at once, then wakes each second again
    };
    switch (event->type()) {
    case QEvent::Hide:
        pause(true);
        break;
    case QEvent::Show:
        pause(window()->isMinimized());
        break;
    case QEvent::WindowStateChange:
        pause(window()->isMinimized() || !window()->isVisible());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ConfigEditWindow::ReportCardChanges()
{
    const auto report = [this] {
        if (onCardChanged)
            onCardChanged();
    };
    // Programmatic changes (a loaded file) count too, not only the user's choice.
    connect(configFilePath, &QLineEdit::textChanged, this, report);
    connect(sampleRate, &QComboBox::currentIndexChanged, this, report);
    connect(wavType, &QComboBox::currentIndexChanged, this, report);
}
