// One "Timer %d" panel of the editor form: switch, wake-up pattern, write time, file size.
#include "editor/configeditwindow.h"

#include "editor/formparts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

// minimumText is shown at the field's lowest value: "allways" (any) or "unlimited".
QSpinBox* NewPanelSpinBox(QWidget* parent, ConfigField field, const QString& minimumText,
                          const QString& tip)
{
    QSpinBox* spin = NewFieldSpinBox(parent, field);
    spin->setValue(1);
    spin->setSpecialValueText(minimumText);
    spin->setToolTip(tip);
    return spin;
}

// A caption label of a panel field, its buddy.
QLabel* Caption(const QString& text, QWidget* field)
{
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

// The panel's captions repeat in every panel: a screen reader reads the panel's number too.
void NameFields(const TimerPanel& panel, int number)
{
    const std::pair<QWidget*, const char*> names[] = {
        {panel.timerEnable, QT_TRANSLATE_NOOP("ConfigEditWindow", "Timer %1 enable")},
        {panel.lenght, QT_TRANSLATE_NOOP("ConfigEditWindow", "Timer %1 write time")},
        {panel.day, QT_TRANSLATE_NOOP("ConfigEditWindow", "Timer %1 day")},
        {panel.month, QT_TRANSLATE_NOOP("ConfigEditWindow", "Timer %1 month")},
        {panel.hour, QT_TRANSLATE_NOOP("ConfigEditWindow", "Timer %1 hour")},
        {panel.minut, QT_TRANSLATE_NOOP("ConfigEditWindow", "Timer %1 minute")},
    };
    for (const auto& [field, name] : names)
        field->setAccessibleName(ConfigEditWindow::tr(name).arg(number));
}

// Upper grid: switch, write time and the file size it gives.
void AddSwitchGrid(QVBoxLayout* box, TimerPanel& panel)
{
    QWidget* group = box->parentWidget();
    auto* upper = new QGridLayout();
    box->addLayout(upper);

    panel.timerEnable = new QCheckBox(group);
    panel.timerEnable->setChecked(false);
    panel.timerEnable->setToolTip(ConfigEditWindow::tr("Enable events from this timer"));
    upper->addWidget(panel.timerEnable, 0, 0);
    upper->addWidget(Caption(ConfigEditWindow::tr("Timer enable"), panel.timerEnable), 0, 1);
    upper->addWidget(panel.lenght, 0, 3, Qt::AlignRight);
    upper->addWidget(Caption(ConfigEditWindow::tr("Write time"), panel.lenght), 0, 5,
                     Qt::AlignRight);

    panel.fileSize = new QLabel(QStringLiteral("1234"), group);
    panel.fileSize->setScaledContents(false);
    panel.fileSize->setToolTip(ConfigEditWindow::tr("Lenght file writing as this timer event"));
    upper->addWidget(panel.fileSize, 2, 3, Qt::AlignRight);
    upper->addWidget(new QLabel(ConfigEditWindow::tr("File lenght"), group), 2, 5);

    upper->setColumnStretch(2, 100);
    upper->setColumnMinimumWidth(2, 30);
    upper->setColumnMinimumWidth(4, 10);
    upper->setRowStretch(1, 100);
    upper->setRowMinimumHeight(1, 8);
    upper->setRowStretch(3, 8);
}

// Lower grid: the wake-up pattern, day left of month.
void AddWakeUpGrid(QVBoxLayout* box, const TimerPanel& panel)
{
    auto* lower = new QGridLayout();
    box->addLayout(lower);
    lower->setRowMinimumHeight(0, 4);
    lower->setColumnMinimumWidth(1, 4);
    lower->setColumnMinimumWidth(3, 4);
    lower->setColumnMinimumWidth(5, 4);
    const char* const captions[] = {QT_TRANSLATE_NOOP("ConfigEditWindow", "Day"),
                                    QT_TRANSLATE_NOOP("ConfigEditWindow", "Month"),
                                    QT_TRANSLATE_NOOP("ConfigEditWindow", "Hour"),
                                    QT_TRANSLATE_NOOP("ConfigEditWindow", "Minute")};
    QSpinBox* const fields[] = {panel.day, panel.month, panel.hour, panel.minut};
    for (int i = 0; i < 4; ++i)
        lower->addWidget(Caption(ConfigEditWindow::tr(captions[i]), fields[i]), 1, 2 * i,
                         Qt::AlignHCenter);
    for (int i = 0; i < 4; ++i)
        lower->addWidget(fields[i], 2, 2 * i);
}

} // namespace

void ConfigEditWindow::AddTimerPanel(QVBoxLayout* column, int index)
{
    TimerPanel& panel = TimerPanels[index];

    const QString title = QString::asprintf(tr("Timer %d").toUtf8().constData(), index + 1);
    QVBoxLayout* box = AddGroupFrame(this, column, title, PanelTitleSpace);
    box->addStretch(100);

    QWidget* group = box->parentWidget();
    panel.lenght = NewPanelSpinBox(group, ConfigField::TimerLength, tr("unlimited"),
                                   tr("Time writing as this timer event"));
    panel.month = NewPanelSpinBox(group, ConfigField::TimerMonth, tr("allways"),
                                  tr("Month as timer event wakeup"));
    panel.day = NewPanelSpinBox(group, ConfigField::TimerDay, tr("allways"),
                                tr("Day as timer event wakeup"));
    panel.hour = NewPanelSpinBox(group, ConfigField::TimerHour, tr("allways"),
                                 tr("Hour as timer event wakeup"));
    panel.minut = NewPanelSpinBox(group, ConfigField::TimerMinute, tr("allways"),
                                  tr("Minute as timer event wakeup"));

    AddSwitchGrid(box, panel);
    AddWakeUpGrid(box, panel);
    NameFields(panel, index + 1);
    box->addStretch(100);

    connect(panel.timerEnable, &QCheckBox::clicked, this, &ConfigEditWindow::UpdateEnable);
    connect(panel.lenght, &QSpinBox::valueChanged, this, &ConfigEditWindow::UpdateInfo);
}
