// WriteConfig and ReadConfig: the form's controls to and from config.ini.

#include "editor/comboutil.h"
#include "editor/configeditwindow.h"
#include "platform/fileplatform.h"
#include "platform/savefile.h"
#include "recorder_files/configwriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QSpinBox>

namespace
{

ConfigSettings Snapshot(const ConfigEditWindow& w)
{
    ConfigSettings s;
    s.sampleRate = w.sampleRate->currentIndex();
    s.wavType = w.wavType->currentIndex();
    s.vasEnabled = w.vasEnable->isChecked();
    s.vasOnLevel = w.vasOnLevel->value();
    s.vasOnTime = w.vasOnTime->value();
    s.vasOffLevel = w.vasOffLevel->value();
    s.vasOffTime = w.vasOffTime->value();
    s.loopSize = w.loopSize->value();
    s.limitMax = w.limitMax->value();
    s.limitMin = w.limitMin->value();
    s.timersEnabled = w.timersEnable->isChecked();
    for (int i = 0; i < TimerCount; ++i) {
        const TimerPanel& panel = w.TimerPanels[i];
        TimerSettings& t = s.timers[i];
        t.enabled = panel.timerEnable->isChecked();
        t.month = panel.month->value();
        t.day = panel.day->value();
        t.hour = panel.hour->value();
        t.minute = panel.minut->value();
        t.length = panel.lenght->value();
    }
    return s;
}

// Sets every control once to its value in s. Combo boxes first, without activated(int),
// so that the read-outs the spin boxes refresh see the final items; check boxes
// without clicked(); spin boxes emit valueChanged(int) as usual when the value changes.
void Show(ConfigEditWindow& w, const ConfigSettings& s)
{
    SetCurrentItem(w.sampleRate, s.sampleRate);
    SetCurrentItem(w.wavType, s.wavType);
    w.vasEnable->setChecked(s.vasEnabled);
    w.timersEnable->setChecked(s.timersEnabled);
    for (int i = 0; i < TimerCount; ++i)
        w.TimerPanels[i].timerEnable->setChecked(s.timers[i].enabled);
    w.vasOnLevel->setValue(s.vasOnLevel);
    w.vasOnTime->setValue(s.vasOnTime);
    w.vasOffLevel->setValue(s.vasOffLevel);
    w.vasOffTime->setValue(s.vasOffTime);
    w.loopSize->setValue(s.loopSize);
    w.limitMax->setValue(s.limitMax);
    w.limitMin->setValue(s.limitMin);
    for (int i = 0; i < TimerCount; ++i) {
        const TimerPanel& panel = w.TimerPanels[i];
        const TimerSettings& t = s.timers[i];
        panel.month->setValue(t.month);
        panel.day->setValue(t.day);
        panel.hour->setValue(t.hour);
        panel.minut->setValue(t.minute);
        panel.lenght->setValue(t.length);
    }
}

} // namespace

ConfigSettings ConfigEditWindow::Settings() const
{
    return Snapshot(*this);
}

FileResult ConfigEditWindow::WriteConfig(const QString& fileName)
{
    const ConfigSettings settings = Snapshot(*this);
    FileResult written = WriteFileSafely(fileName, FormatConfig(settings));
    if (!written.ok)
        return written;
    // A selection without a code was written as item 1: the combo box now shows the
    // item whose code the file holds.
    if (WrittenSampleRateIndex(settings.sampleRate) != settings.sampleRate)
        SetCurrentItem(sampleRate, 1);
    if (WrittenWavTypeIndex(settings.wavType) != settings.wavType)
        SetCurrentItem(wavType, 1);
    return {true, QString()};
}

FileResult ConfigEditWindow::ReadConfig(const QString& fileName, ConfigReadResult* report)
{
    QFile file(fileName);
    QString reason;
    if (!OpenRegularFileForReading(file, &reason))
        return {false, reason};
    if (file.size() > MaxConfigFileSize)
        return {false, tr("larger than %1 bytes, not a config.ini").arg(MaxConfigFileSize)};

    // The whole file is read into a snapshot of the controls first: each control is then
    // set once, instead of once a line with every read-out refreshed each time.
    ConfigSettings settings = Snapshot(*this);
    const ConfigReadResult read =
        ReadConfigSettings(file, settings, sampleRate->count(), wavType->count());
    Show(*this, settings); // after a read error too: the lines read before stay applied
    if (report)
        *report = read;
    if (read.deviceError)
        return {false, file.errorString()};
    return {true, QString()};
}
