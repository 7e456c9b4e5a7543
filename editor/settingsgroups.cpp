// The settings groups of the form's first two columns: WAV format, VAS, clock, timers
// switch, loop writing and file limits.
#include "editor/configeditwindow.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "editor/comboutil.h"
#include "editor/formparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>

namespace
{

// Fills a combo box from an 8-bit preference list: items up to the first empty entry,
// at most eight, then the fallback item made current (ignored when the list is shorter).
QComboBox* NewListCombo(QWidget* parent, ConfigField field, const char (*list)[8])
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(Field(field).objectName));
    box->setEditable(false);
    for (int entry = 0; entry < PreferenceListItems(list); ++entry) {
        // The entry may fill all eight bytes when the file was hand-edited.
        QByteArray text(list[entry], int(qstrnlen(list[entry], 8)));
        box->insertItem(entry, PrefText(text.constData()));
    }
    SetCurrentItem(box, FallbackItem);
    return box;
}

} // namespace

void ConfigEditWindow::BuildFormatGroup(QVBoxLayout* column)
{
    QGridLayout* grid = AddSettingsGroup(this, column, tr("WAV file format setting"));
    QWidget* group = grid->parentWidget();
    grid->setColumnStretch(0, 100);

    wavType = NewListCombo(group, ConfigField::WavType, Preferences.HMode);
    connect(wavType, &QComboBox::activated, this, &ConfigEditWindow::UpdateInfo);
    AddCaptionRow(grid, 0, wavType, tr("WAV compess  type"),
                  tr("Set compression mode for *.wav files"), 100);

    sampleRate = NewListCombo(group, ConfigField::SampleRate, Preferences.HSample);
    connect(sampleRate, &QComboBox::activated, this, &ConfigEditWindow::UpdateInfo);
    AddCaptionRow(grid, 2, sampleRate, tr("Sample rate"), tr("Set sample rate for *.wav files"),
                  100);

    bitRate = NewReadout(group, "bit rate");
    AddCaptionRow(grid, 4, bitRate, tr("Bytes per second"), tr("Result byte rate stream"), 0,
                  Qt::AlignRight);
    grid->setColumnStretch(2, 100);
}

void ConfigEditWindow::BuildVasGroup(QVBoxLayout* column)
{
    QGridLayout* grid = AddSettingsGroup(this, column, tr("VAS mode setting"));

    vasEnable = new QCheckBox(QString(), grid->parentWidget());
    vasEnable->setChecked(false);
    connect(vasEnable, &QCheckBox::clicked, this, &ConfigEditWindow::UpdateEnable);
    AddCaptionRow(grid, 0, vasEnable, tr("VAS mode enable"),
                  tr("Enable/disable begin writing as voice activated"), 100);

    struct VasRow {
        QSpinBox** member;
        ConfigField field;
        const char* caption;
        const char* tip;
    };
    const VasRow vasRows[] = {
        {&vasOnLevel, ConfigField::VasOnLevel, QT_TR_NOOP("VAS on level"),
         QT_TR_NOOP("Level as voice activated writing begin")},
        {&vasOnTime, ConfigField::VasOnTime, QT_TR_NOOP("VAS on time"),
         QT_TR_NOOP("Time wait as voice activated writing begin")},
        {&vasOffLevel, ConfigField::VasOffLevel, QT_TR_NOOP("VAS off level"),
         QT_TR_NOOP("Level as voice activated writing stop")},
        {&vasOffTime, ConfigField::VasOffTime, QT_TR_NOOP("VAS off time"),
         QT_TR_NOOP("Time wait as voice activated writing stop")},
    };
    int row = 2;
    for (const VasRow& vas : vasRows) {
        *vas.member = AddSpinRow(grid, row, vas.field, 1, tr(vas.caption), tr(vas.tip));
        row += 2;
    }
}

void ConfigEditWindow::BuildClockGroup(QVBoxLayout* column)
{
    QGridLayout* grid = AddSettingsGroup(this, column, tr("Current time setting"));
    QWidget* group = grid->parentWidget();

    timeSetEnable = new QCheckBox(group);
    timeSetEnable->setChecked(Preferences.SetTime != 0);
    connect(timeSetEnable, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    AddCaptionRow(grid, 0, timeSetEnable, tr("Enable time set"),
                  tr("Enable write to SD time set file"), 100);

    deleteOldTime = new QCheckBox(group);
    deleteOldTime->setChecked(Preferences.DelOldTime != 0);
    connect(deleteOldTime, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    AddCaptionRow(grid, 2, deleteOldTime, tr("Delete old time set file"),
                  tr("Delete old time set file <time.cfg> and <time.ok> from SD"), 100);

    manualTimeEnable = new QCheckBox(group);
    manualTimeEnable->setChecked(Preferences.ManualTime != 0);
    connect(manualTimeEnable, &QCheckBox::stateChanged, this, &ConfigEditWindow::UpdateConfig);
    AddCaptionRow(grid, 4, manualTimeEnable, tr("Enable manual time setting"),
                  tr("Enable manual time setting as dialog"), 100);

    // The clock editors hold whole seconds: that is what the clock-setting file carries.
    // Their formats are fixed, not the locale's, which drops the seconds (ru_RU "HH:mm",
    // en_US "h:mm AP") that the file gets anyway. The date keeps the file's day-first
    // order with four year digits: a two-digit year typed into the editor would land in
    // the 1900s.
    const QDateTime now = clockNow();
    setTime = new ClockTimeEdit(group);
    setTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    setTime->setEnabled(Preferences.ManualTime != 0);
    setTime->setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    AddCaptionRow(grid, 6, setTime, tr("Set time "),
                  tr("Time will writing to <time.ini> file to SD"));

    setDate = new QDateEdit(group);
    setDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setDate->setEnabled(Preferences.ManualTime != 0);
    setDate->setDate(now.date());
    AddCaptionRow(grid, 7, setDate, tr("Set date "),
                  tr("Date will writing to <time.ini> file to SD"));
}

void ConfigEditWindow::BuildTimersSwitch(QVBoxLayout* column)
{
    QGridLayout* grid = AddSettingsGroup(this, column, tr("Timers enable"));

    timersEnable = new QCheckBox(grid->parentWidget());
    timersEnable->setChecked(false);
    connect(timersEnable, &QCheckBox::clicked, this, &ConfigEditWindow::UpdateEnable);
    AddCaptionRow(grid, 0, timersEnable, tr("Start at timers enable"),
                  tr("Enable begin writing as timers event"), 100, {}, Qt::AlignLeft);
    grid->setColumnStretch(2, 100);
}

void ConfigEditWindow::BuildLoopGroup(QVBoxLayout* column)
{
    QGridLayout* grid = AddSettingsGroup(this, column, tr("Loop write setting"));
    grid->setColumnMinimumWidth(2, 2);

    loopSize = AddSizeRow(grid, 0, ConfigField::LoopSize, tr("Mb"), tr("Loop size"),
                          tr("File size for loop writing"));

    loopTime = NewReadout(grid->parentWidget(), "loop time");
    AddCaptionRow(grid, 2, loopTime, tr("Loop time"), tr("Time loop writing"), 0, Qt::AlignRight);
}

void ConfigEditWindow::BuildLimitGroup(QVBoxLayout* column)
{
    QGridLayout* grid = AddSettingsGroup(this, column, tr("File limit setting"));
    QWidget* group = grid->parentWidget();
    grid->setRowStretch(0, 100);

    limitMin = AddSizeRow(grid, 1, ConfigField::LimitMin, tr("kb"), tr("Limit min size"),
                          tr("File smaller this size will deleted"));

    limitMinTime = NewReadout(group, "limit min time");
    AddCaptionRow(grid, 3, limitMinTime, tr("Limit min time"),
                  tr("Play time for file minimal size"), 100);
    grid->setRowStretch(5, 100);

    limitMax = AddSizeRow(grid, 6, ConfigField::LimitMax, tr("Mb"), tr("Limit max size"),
                          tr("Writing file this size will stopped."));

    limitMaxTime = NewReadout(group, "limit max time");
    AddCaptionRow(grid, 8, limitMaxTime, tr("Limit max time"),
                  tr("Play time for file maximal size"));
    grid->setRowStretch(9, 100);
}

QSpinBox* ConfigEditWindow::AddSizeRow(QGridLayout* grid, int row, ConfigField field,
                                       const QString& suffix, const QString& caption,
                                       const QString& tip)
{
    QSpinBox* spin = AddSpinRow(grid, row, field, Field(field).special, caption, tip);
    spin->setSpecialValueText(tr("disable"));
    spin->setSuffix(suffix);
    connect(spin, &QSpinBox::valueChanged, this, &ConfigEditWindow::UpdateInfo);
    return spin;
}
