// One "Timer %d" panel of the editor form: switch, wake-up pattern, write time, file size.
#include "editor/configeditwindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

// minimumText is shown at the lowest value: "allways" (any) or "unlimited".
QSpinBox* NewPanelSpinBox(QWidget* parent, const char* name, int minimum, int maximum,
                          const QString& minimumText, const QString& tip)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(1);
    spin->setValue(1);
    spin->setSpecialValueText(minimumText);
    spin->setToolTip(tip);
    return spin;
}

} // namespace

void ConfigEditWindow::AddTimerPanel(QVBoxLayout* column, int index)
{
    TimerPanel& panel = TimerPanels[index];

    const QString title = QString::asprintf(tr("Timer %d").toUtf8().constData(), index + 1);
    auto* group = new QGroupBox(title, this);
    column->addWidget(group, 0);

    auto* box = new QVBoxLayout(group);
    box->setContentsMargins(6, 6, 6, 6);
    box->setSpacing(4);
    box->addSpacing(16);
    box->addStretch(100);

    panel.lenght = NewPanelSpinBox(group, "lenght", 0, 9999, tr("unlimited"),
                                   tr("Time writing as this timer event"));
    panel.month =
        NewPanelSpinBox(group, "month", 0, 12, tr("allways"), tr("Month as timer event wakeup"));
    panel.day =
        NewPanelSpinBox(group, "day", 0, 31, tr("allways"), tr("Day as timer event wakeup"));
    panel.hour =
        NewPanelSpinBox(group, "hour", -1, 23, tr("allways"), tr("Hour as timer event wakeup"));
    panel.minut =
        NewPanelSpinBox(group, "minut", -1, 59, tr("allways"), tr("Minute as timer event wakeup"));

    // Upper grid: switch, write time and the file size it gives.
    auto* upper = new QGridLayout();
    box->addLayout(upper);

    panel.timerEnable = new QCheckBox(group);
    panel.timerEnable->setChecked(false);
    panel.timerEnable->setToolTip(tr("Enable events from this timer"));
    upper->addWidget(panel.timerEnable, 0, 0);
    upper->addWidget(new QLabel(tr("Timer enable"), group), 0, 1);
    upper->addWidget(panel.lenght, 0, 3, Qt::AlignRight);
    upper->addWidget(new QLabel(tr("Write time"), group), 0, 5, Qt::AlignRight);

    panel.fileSize = new QLabel(QStringLiteral("1234"), group);
    panel.fileSize->setScaledContents(false);
    panel.fileSize->setToolTip(tr("Lenght file writing as this timer event"));
    upper->addWidget(panel.fileSize, 2, 3, Qt::AlignRight);
    upper->addWidget(new QLabel(tr("File lenght"), group), 2, 5);

    upper->setColumnStretch(2, 100);
    upper->setColumnMinimumWidth(2, 30);
    upper->setColumnMinimumWidth(4, 10);
    upper->setRowStretch(1, 100);
    upper->setRowMinimumHeight(1, 8);
    upper->setRowStretch(3, 8);

    // Lower grid: the wake-up pattern, day left of month.
    auto* lower = new QGridLayout();
    box->addLayout(lower);
    lower->setRowMinimumHeight(0, 4);
    lower->setColumnMinimumWidth(1, 4);
    lower->setColumnMinimumWidth(3, 4);
    lower->setColumnMinimumWidth(5, 4);
    lower->addWidget(new QLabel(tr("Day"), group), 1, 0, Qt::AlignHCenter);
    lower->addWidget(new QLabel(tr("Month"), group), 1, 2, Qt::AlignHCenter);
    lower->addWidget(new QLabel(tr("Hour"), group), 1, 4, Qt::AlignHCenter);
    lower->addWidget(new QLabel(tr("Minute"), group), 1, 6, Qt::AlignHCenter);
    lower->addWidget(panel.day, 2, 0);
    lower->addWidget(panel.month, 2, 2);
    lower->addWidget(panel.hour, 2, 4);
    lower->addWidget(panel.minut, 2, 6);

    box->addStretch(100);

    connect(panel.timerEnable, &QCheckBox::clicked, this, &ConfigEditWindow::UpdateEnable);
    connect(panel.lenght, &QSpinBox::valueChanged, this, &ConfigEditWindow::UpdateInfo);
}
