// The slots that keep the editor form consistent: read-outs, enabling, options, clock.
#include "editor/configeditwindow.h"

#include "app/preferences/preferences.h"
#include "editor/comboutil.h"
#include "editor/tooltipswitch.h"
#include "recorder_files/derived.h"
#include "recorder_files/recorderfields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <QTimeEdit>

void ConfigEditWindow::UpdateEnable()
{
    Trace("UpdateEnable");
    const bool timersOn = timersEnable->isChecked();
    for (TimerPanel& panel : TimerPanels) {
        // A disabled switch keeps its state, so the panel comes back as it was.
        panel.timerEnable->setEnabled(timersOn);
        const bool panelOn = timersOn && panel.timerEnable->isChecked();
        for (QSpinBox* spin : {panel.month, panel.day, panel.hour, panel.minut, panel.lenght})
            spin->setEnabled(panelOn);
    }
    const bool vasOn = vasEnable->isChecked();
    for (QSpinBox* spin : {vasOnLevel, vasOnTime, vasOffLevel, vasOffTime})
        spin->setEnabled(vasOn);
}

void ConfigEditWindow::UpdateInfo(int)
{
    Trace("UpdateInfo");
    const ByteRateInfo rate =
        ByteRateForIndexes(sampleRate->currentIndex(), wavType->currentIndex());
    if (!rate.sampleIndexInTable)
        SetCurrentItem(sampleRate, FallbackItem);
    if (!rate.modeIndexInTable)
        SetCurrentItem(wavType, FallbackItem);
    bitRate->setNum(rate.byteRate);

    limitMinTime->setText(
        PlayTimeText(limitMin->value(), KiloByte, rate.byteRate, tr("unlimited")));
    limitMaxTime->setText(
        PlayTimeText(limitMax->value(), MegaByte, rate.byteRate, tr("unlimited")));
    loopTime->setText(PlayTimeText(loopSize->value(), MegaByte, rate.byteRate, tr("disable")));

    for (TimerPanel& panel : TimerPanels)
        panel.fileSize->setText(FileSizeText(panel.lenght->value(), rate.byteRate, tr("Mb")));
}

void ConfigEditWindow::UpdateConfig(int)
{
    Trace("UpdateConfig");
    Preferences.ToolTip = enableToolTip->isChecked() ? 1 : 0;
    SetToolTipsGloballyEnabled(Preferences.ToolTip != 0);
    Preferences.SetTime = timeSetEnable->isChecked() ? 1 : 0;
    Preferences.DelOldTime = deleteOldTime->isChecked() ? 1 : 0;
    Preferences.ManualTime = manualTimeEnable->isChecked() ? 1 : 0;
    setTime->setEnabled(Preferences.ManualTime == 1);
    setDate->setEnabled(Preferences.ManualTime == 1);
    // Manual time switched off: the computer's clock at once, not at the next second.
    FollowComputerClock(clockNow());
}

void ConfigEditWindow::FollowComputerClock(const QDateTime& now)
{
    // Whole seconds, and only when they differ from what is shown: the window is not
    // repainted more than once a second.
    if (setTime->isEnabled())
        return;
    const QTime shown(now.time().hour(), now.time().minute(), now.time().second());
    if (setTime->time() != shown)
        setTime->Follow(shown);
    if (setDate->date() != now.date())
        setDate->setDate(now.date());
}

void ConfigEditWindow::Periodic()
{
    Trace("Periodic");
    const QDateTime now = clockNow();
    FollowComputerClock(now);
    ScheduleTick(now.time());
}

void ConfigEditWindow::About()
{
    Trace("About");
    QMessageBox::about(this, tr("About Plimo player configurator"),
                       tr("This programm make or change configuration files as SD based voice "
                          "recorder.\n\rWritten by the Plimo configurator developers."));
}
