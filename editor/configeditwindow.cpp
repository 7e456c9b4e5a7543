// The editor form: every control of the recorder configuration, built in one go.
#include "editor/configeditwindow.h"

#include "app/prefcodec.h"
#include "app/preferences.h"
#include "editor/cardpicker.h"
#include "editor/comboutil.h"
#include "editor/daybar.h"
#include "editor/tooltipswitch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "images/about.xpm"
#include "images/disk.xpm"
#include "images/folder.xpm"

std::function<void(const char*)> ConfigEditWindow::slotTrace;

namespace
{

// Fills a combo box from an 8-bit preference list: items up to the first empty entry,
// at most eight, then item 1 made current (ignored when the list is shorter).
void FillCombo(QComboBox* box, const char (*list)[8])
{
    int inserted = 0;
    for (int entry = 0; entry < 8; ++entry) {
        if (list[entry][0] == '\0')
            break;
        // The entry may fill all eight bytes when the file was hand-edited.
        QByteArray text(list[entry], int(qstrnlen(list[entry], 8)));
        box->insertItem(inserted++, PrefText(text.constData()));
    }
    SetCurrentItem(box, 1);
}

// A settings group of the first two columns: titled box, vertical box with room for the
// title, one grid that grows as controls are placed.
QGridLayout* NewSettingsGroup(QWidget* form, QVBoxLayout* column, const QString& title,
                              QGroupBox** groupOut)
{
    auto* group = new QGroupBox(title, form);
    column->addWidget(group, 0);
    auto* box = new QVBoxLayout(group);
    box->setContentsMargins(6, 6, 6, 6);
    box->setSpacing(4);
    box->addSpacing(14);
    auto* grid = new QGridLayout();
    box->addLayout(grid);
    *groupOut = group;
    return grid;
}

QSpinBox* NewSpinBox(QWidget* parent, const char* name, int minimum, int maximum, int step)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    return spin;
}

} // namespace

ConfigEditWindow::ConfigEditWindow(QWidget* parent, const char* name) : QWidget(parent)
{
    // 1. Base and pictures.
    setObjectName(QString::fromLatin1(name));
    const QPixmap aboutPicture(about_xpm);
    const QPixmap folderPicture(folder_xpm);
    const QPixmap diskPicture(disk_xpm);

    // 2. Main layout.
    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(8, 8, 8, 8);
    mainLayout->setSpacing(8);
    mainLayout->setContentsMargins(6, 6, 6, 6);
    mainLayout->addSpacing(6);

    // 3. Top row: card path with "find", and "about".
    auto* pathGroup = new QGroupBox(tr("Config file path"), this);
    auto* pathStrip = new QHBoxLayout(pathGroup);
    auto* topRow = new QHBoxLayout();
    mainLayout->addLayout(topRow);
    topRow->addWidget(pathGroup, 0, Qt::AlignVCenter);

    configFilePath = new QLineEdit(pathGroup);
    configFilePath->setObjectName(QStringLiteral("config file path"));
    pathStrip->addWidget(configFilePath);
    configFilePath->setText(PrefText(Preferences.SDpath));
    configFilePath->setToolTip(tr("Path to SD flash card"));
    connect(configFilePath, &QLineEdit::textChanged, this, &ConfigEditWindow::ChangePath);

    auto* find = new QPushButton(tr("find"), pathGroup);
    find->setObjectName(QStringLiteral("find"));
    pathStrip->addWidget(find);
    find->setToolTip(tr("Find SD flash card"));
    connect(find, &QPushButton::released, this, &ConfigEditWindow::FindConfigFile);

    auto* about = new QPushButton(this);
    about->setObjectName(QStringLiteral("about"));
    about->setIcon(QIcon(aboutPicture));
    about->setIconSize(QSize(24, 24));
    about->setText(QString());
    about->setFixedSize(38, 38);
    topRow->addWidget(about, 0, Qt::AlignVCenter);
    about->setToolTip(tr("About this programm"));
    connect(about, &QPushButton::released, this, &ConfigEditWindow::About);

    // 4. The three columns.
    mainLayout->addSpacing(6);
    auto* columnRow = new QHBoxLayout();
    mainLayout->addLayout(columnRow);
    auto* firstColumn = new QVBoxLayout();
    columnRow->addLayout(firstColumn);
    auto* secondColumn = new QVBoxLayout();
    columnRow->addLayout(secondColumn);
    auto* thirdColumn = new QVBoxLayout();
    columnRow->addLayout(thirdColumn);

    QGroupBox* group = nullptr;
    QGridLayout* grid = nullptr;
    QLabel* label = nullptr;

    // 5a. "WAV file format setting".
    grid = NewSettingsGroup(this, firstColumn, tr("WAV file format setting"), &group);
    grid->setColumnStretch(0, 100);

    wavType = new QComboBox(group);
    wavType->setObjectName(QStringLiteral("wav type"));
    wavType->setEditable(false);
    FillCombo(wavType, Preferences.HMode);
    connect(wavType, &QComboBox::activated, this, &ConfigEditWindow::UpdateInfo);
    grid->addWidget(wavType, 0, 0);
    label = new QLabel(tr("WAV compess  type"), group);
    grid->addWidget(label, 0, 1);
    wavType->setToolTip(tr("Set compression mode for *.wav files"));
    grid->setRowStretch(0, 100);

    sampleRate = new QComboBox(group);
    sampleRate->setObjectName(QStringLiteral("sample rate"));
    sampleRate->setEditable(false);
    FillCombo(sampleRate, Preferences.HSample);
    connect(sampleRate, &QComboBox::activated, this, &ConfigEditWindow::UpdateInfo);
    grid->addWidget(sampleRate, 2, 0);
    label = new QLabel(tr("Sample rate"), group);
    grid->addWidget(label, 2, 1);
    sampleRate->setToolTip(tr("Set sample rate for *.wav files"));
    grid->setRowStretch(2, 100);

    bitRate = new QLabel(QStringLiteral("?"), group);
    bitRate->setObjectName(QStringLiteral("bit rate"));
    grid->addWidget(bitRate, 4, 0, Qt::AlignRight);
    label = new QLabel(tr("Bytes per second"), group);
    grid->addWidget(label, 4, 1);
    bitRate->setToolTip(tr("Result byte rate stream"));
    grid->setColumnStretch(2, 100);

    // 5b. "VAS mode setting".
    grid = NewSettingsGroup(this, firstColumn, tr("VAS mode setting"), &group);

    vasEnable = new QCheckBox(QString(), group);
    vasEnable->setChecked(false);
    connect(vasEnable, &QCheckBox::clicked, this, &ConfigEditWindow::UpdateEnable);
    grid->addWidget(vasEnable, 0, 0);
    label = new QLabel(tr("VAS mode enable"), group);
    grid->addWidget(label, 0, 1);
    vasEnable->setToolTip(tr("Enable/disable begin writing as voice activated"));
    grid->setRowStretch(0, 100);

    struct VasRow {
        QSpinBox** member;
        const char* name;
        const char* label;
        const char* tip;
    };
    const VasRow vasRows[] = {
        {&vasOnLevel, "VAS on level", QT_TR_NOOP("VAS on level"),
         QT_TR_NOOP("Level as voice activated writing begin")},
        {&vasOnTime, "VAS on time", QT_TR_NOOP("VAS on time"),
         QT_TR_NOOP("Time wait as voice activated writing begin")},
        {&vasOffLevel, "VAS off level", QT_TR_NOOP("VAS off level"),
         QT_TR_NOOP("Level as voice activated writing stop")},
        {&vasOffTime, "VAS off time", QT_TR_NOOP("VAS off time"),
         QT_TR_NOOP("Time wait as voice activated writing stop")},
    };
    int row = 2;
    for (const VasRow& vas : vasRows) {
        QSpinBox* spin = NewSpinBox(group, vas.name, 0, 99, 1);
        spin->setValue(1);
        *vas.member = spin;
        grid->addWidget(spin, row, 0);
        label = new QLabel(tr(vas.label), group);
        grid->addWidget(label, row, 1);
        spin->setToolTip(tr(vas.tip));
        grid->setRowStretch(row, 100);
        row += 2;
    }

    // 5c. "Current time setting".
    grid = NewSettingsGroup(this, firstColumn, tr("Current time setting"), &group);

    timeSetEnable = new QCheckBox(group);
    timeSetEnable->setChecked(Preferences.SetTime != 0);
    connect(timeSetEnable, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    grid->addWidget(timeSetEnable, 0, 0);
    label = new QLabel(tr("Enable time set"), group);
    grid->addWidget(label, 0, 1);
    timeSetEnable->setToolTip(tr("Enable write to SD time set file"));
    grid->setRowStretch(0, 100);

    deleteOldTime = new QCheckBox(group);
    deleteOldTime->setChecked(Preferences.DelOldTime != 0);
    connect(deleteOldTime, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    grid->addWidget(deleteOldTime, 2, 0);
    label = new QLabel(tr("Delete old time set file"), group);
    grid->addWidget(label, 2, 1);
    deleteOldTime->setToolTip(tr("Delete old time set file <time.cfg> and <time.ok> from SD"));
    grid->setRowStretch(2, 100);

    manualTimeEnable = new QCheckBox(group);
    manualTimeEnable->setChecked(Preferences.ManualTime != 0);
    connect(manualTimeEnable, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    grid->addWidget(manualTimeEnable, 4, 0);
    label = new QLabel(tr("Enable manual time setting"), group);
    grid->addWidget(label, 4, 1);
    manualTimeEnable->setToolTip(tr("Enable manual time setting as dialog"));
    grid->setRowStretch(4, 100);

    // The clock editors hold whole seconds: that is what the clock-setting file carries.
    const QTime now = QTime::currentTime();
    setTime = new QTimeEdit(group);
    setTime->setEnabled(Preferences.ManualTime != 0);
    setTime->setTime(QTime(now.hour(), now.minute(), now.second()));
    grid->addWidget(setTime, 6, 0);
    label = new QLabel(tr("Set time "), group);
    grid->addWidget(label, 6, 1);
    setTime->setToolTip(tr("Time will writing to <time.ini> file to SD"));

    setDate = new QDateEdit(group);
    setDate->setEnabled(Preferences.ManualTime != 0);
    setDate->setDate(QDate::currentDate());
    grid->addWidget(setDate, 7, 0);
    label = new QLabel(tr("Set date "), group);
    grid->addWidget(label, 7, 1);
    setDate->setToolTip(tr("Date will writing to <time.ini> file to SD"));

    // 5d. "Timers enable".
    grid = NewSettingsGroup(this, secondColumn, tr("Timers enable"), &group);

    timersEnable = new QCheckBox(group);
    timersEnable->setChecked(false);
    connect(timersEnable, &QCheckBox::clicked, this, &ConfigEditWindow::UpdateEnable);
    grid->addWidget(timersEnable, 0, 0);
    label = new QLabel(tr("Start at timers enable"), group);
    grid->addWidget(label, 0, 1, Qt::AlignLeft);
    timersEnable->setToolTip(tr("Enable begin writing as timers event"));
    grid->setRowStretch(0, 100);
    grid->setColumnStretch(2, 100);

    // 5e. "Loop write setting".
    grid = NewSettingsGroup(this, secondColumn, tr("Loop write setting"), &group);
    grid->setColumnMinimumWidth(2, 2);

    loopSize = NewSpinBox(group, "loop size", 0, 4095, 20);
    loopSize->setSpecialValueText(tr("disable"));
    loopSize->setSuffix(tr("Mb"));
    loopSize->setValue(0);
    connect(loopSize, &QSpinBox::valueChanged, this, &ConfigEditWindow::UpdateInfo);
    grid->addWidget(loopSize, 0, 0);
    label = new QLabel(tr("Loop size"), group);
    grid->addWidget(label, 0, 1);
    loopSize->setToolTip(tr("File size for loop writing"));
    grid->setRowStretch(0, 100);

    loopTime = new QLabel(QStringLiteral("?"), group);
    loopTime->setObjectName(QStringLiteral("loop time"));
    grid->addWidget(loopTime, 2, 0, Qt::AlignRight);
    label = new QLabel(tr("Loop time"), group);
    grid->addWidget(label, 2, 1);
    loopTime->setToolTip(tr("Time loop writing"));

    // 5f. "File limit setting".
    grid = NewSettingsGroup(this, secondColumn, tr("File limit setting"), &group);
    grid->setRowStretch(0, 100);

    limitMin = NewSpinBox(group, "limit min", 0, 16383, 20);
    limitMin->setSpecialValueText(tr("disable"));
    limitMin->setSuffix(tr("kb"));
    limitMin->setValue(0);
    connect(limitMin, &QSpinBox::valueChanged, this, &ConfigEditWindow::UpdateInfo);
    grid->addWidget(limitMin, 1, 0);
    label = new QLabel(tr("Limit min size"), group);
    grid->addWidget(label, 1, 1);
    limitMin->setToolTip(tr("File smaller this size will deleted"));
    grid->setRowStretch(1, 100);

    limitMinTime = new QLabel(QStringLiteral("?"), group);
    limitMinTime->setObjectName(QStringLiteral("limit min time"));
    grid->addWidget(limitMinTime, 3, 0);
    label = new QLabel(tr("Limit min time"), group);
    grid->addWidget(label, 3, 1);
    limitMinTime->setToolTip(tr("Play time for file minimal size"));
    grid->setRowStretch(3, 100);
    grid->setRowStretch(5, 100);

    limitMax = NewSpinBox(group, "limit max", 0, 4095, 5);
    limitMax->setSpecialValueText(tr("disable"));
    limitMax->setSuffix(tr("Mb"));
    limitMax->setValue(0);
    connect(limitMax, &QSpinBox::valueChanged, this, &ConfigEditWindow::UpdateInfo);
    grid->addWidget(limitMax, 6, 0);
    label = new QLabel(tr("Limit max size"), group);
    grid->addWidget(label, 6, 1);
    limitMax->setToolTip(tr("Writing file this size will stopped."));
    grid->setRowStretch(6, 100);

    limitMaxTime = new QLabel(QStringLiteral("?"), group);
    limitMaxTime->setObjectName(QStringLiteral("limit max time"));
    grid->addWidget(limitMaxTime, 8, 0);
    label = new QLabel(tr("Limit max time"), group);
    grid->addWidget(label, 8, 1);
    limitMaxTime->setToolTip(tr("Play time for file maximal size"));
    grid->setRowStretch(9, 100);

    // 6. The four timer panels.
    for (int index = 0; index < 4; ++index)
        AddTimerPanel(thirdColumn, index);

    // 7. Button bar.
    auto* buttonBar = new QGroupBox(QString(), this);
    mainLayout->addWidget(buttonBar, 0);
    auto* buttons = new QHBoxLayout(buttonBar);
    buttons->setContentsMargins(6, 6, 6, 6);
    buttons->setSpacing(4);

    enableToolTip = new QCheckBox(tr("enable tool tip"), buttonBar);
    buttons->addStretch(20);
    buttons->addWidget(enableToolTip, 100, Qt::AlignLeft);
    enableToolTip->setToolTip(tr("Help tool tips enable"));
    buttons->addStretch(500);
    enableToolTip->setChecked(Preferences.ToolTip != 0);
    SetToolTipsGloballyEnabled(Preferences.ToolTip != 0);
    connect(enableToolTip, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    enableToolTip->hide();

    // 8. The file buttons.
    auto* loadFrom =
        new QPushButton(QIcon(folderPicture), QStringLiteral("  ") + tr("Load from"), buttonBar);
    loadFrom->setObjectName(QStringLiteral("load from"));
    connect(loadFrom, &QPushButton::released, this, &ConfigEditWindow::LoadFrom);
    loadFrom->setToolTip(tr("Load config file from any path and file name"));
    buttons->addWidget(loadFrom, 100);
    buttons->addStretch(100);

    auto* saveAs = new QPushButton(tr("Save as"), buttonBar);
    saveAs->setObjectName(QStringLiteral("save as"));
    saveAs->setToolTip(tr("Save config file to any path and file name"));
    connect(saveAs, &QPushButton::released, this, &ConfigEditWindow::SaveAs);
    buttons->addWidget(saveAs, 100);
    buttons->addStretch(100);

    auto* reload = new QPushButton(tr("Reload"), buttonBar);
    reload->setObjectName(QStringLiteral("reload"));
    reload->setToolTip(tr("Load config file from setting SD card path"));
    connect(reload, &QPushButton::released, this, &ConfigEditWindow::LoadCurrent);
    buttons->addWidget(reload, 100);
    buttons->addStretch(100);

    auto* save = new QPushButton(QIcon(diskPicture), QStringLiteral("  ") + tr("Save"), buttonBar);
    save->setObjectName(QStringLiteral("save"));
    save->setToolTip(tr("Write config file to setting SD card path"));
    connect(save, &QPushButton::released, this, &ConfigEditWindow::SaveCurrent);
    buttons->addWidget(save, 100);
    buttons->addStretch(30);

    CardPicker::Attach(this);
    ScheduleStrip::Attach(this);

    // 9. Apply the stored card path, then bring enabling and read-outs up to date.
    ChangePath(configFilePath->text());
    UpdateEnable();
    UpdateInfo(0);

    // 10. The clock.
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &ConfigEditWindow::Periodic);
    clock->setSingleShot(false);
    clock->start(200);
}
