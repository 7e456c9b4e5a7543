// WriteConfig and ReadConfig: the form's controls to and from config.ini.

#include "editor/comboutil.h"
#include "editor/configeditwindow.h"
#include "editor/daybar.h"
#include "recorder_files/configformat.h"
#include "recorder_files/savefile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QSpinBox>

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
    for (int i = 0; i < 4; ++i) {
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

namespace
{

// Check boxes are set without clicked(), combo boxes without activated(int); spin
// boxes emit valueChanged(int) as usual and clamp an unspecified field (-1) to their
// minimum.
void Apply(ConfigEditWindow& w, const ConfigAssignment& a)
{
    const TimerPanel& panel = w.TimerPanels[a.panel >= 0 && a.panel < 4 ? a.panel : 0];
    switch (a.field) {
    case ConfigField::SampleRate:
        SetCurrentItem(w.sampleRate, a.value);
        break;
    case ConfigField::WavType:
        SetCurrentItem(w.wavType, a.value);
        break;
    case ConfigField::VasEnable:
        w.vasEnable->setChecked(a.value != 0);
        break;
    case ConfigField::VasOnLevel:
        w.vasOnLevel->setValue(a.value);
        break;
    case ConfigField::VasOnTime:
        w.vasOnTime->setValue(a.value);
        break;
    case ConfigField::VasOffLevel:
        w.vasOffLevel->setValue(a.value);
        break;
    case ConfigField::VasOffTime:
        w.vasOffTime->setValue(a.value);
        break;
    case ConfigField::LoopSize:
        w.loopSize->setValue(a.value);
        break;
    case ConfigField::LimitMax:
        w.limitMax->setValue(a.value);
        break;
    case ConfigField::LimitMin:
        w.limitMin->setValue(a.value);
        break;
    case ConfigField::TimersEnable:
        w.timersEnable->setChecked(a.value != 0);
        break;
    case ConfigField::TimerEnable:
        panel.timerEnable->setChecked(a.value != 0);
        break;
    case ConfigField::TimerMonth:
        panel.month->setValue(a.value);
        break;
    case ConfigField::TimerDay:
        panel.day->setValue(a.value);
        break;
    case ConfigField::TimerHour:
        panel.hour->setValue(a.value);
        break;
    case ConfigField::TimerMinute:
        panel.minut->setValue(a.value);
        break;
    case ConfigField::TimerLength:
        panel.lenght->setValue(a.value);
        break;
    }
}

} // namespace

FileResult ConfigEditWindow::WriteConfig(const QString& fileName)
{
    const ConfigSettings settings = Snapshot(*this);
    const QString error = WriteFileSafely(fileName, FormatConfig(settings));
    if (!error.isEmpty())
        return {false, error};
    // A selection without a code was written as item 1: the combo box now shows the
    // item whose code the file holds.
    if (WrittenSampleRateIndex(settings.sampleRate) != settings.sampleRate)
        SetCurrentItem(sampleRate, 1);
    if (WrittenWavTypeIndex(settings.wavType) != settings.wavType)
        SetCurrentItem(wavType, 1);
    return {true, QString()};
}

FileResult ConfigEditWindow::ReadConfig(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};

    ConfigLineReader reader;
    const auto applyLine = [this](const ConfigLine& line) {
        for (const ConfigAssignment& a : ParseConfigLine(line.text).sets)
            Apply(*this, a);
    };
    char buffer[16384];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0)
            return {false, file.errorString()}; // what was applied before stays
        if (got == 0 || !reader.Feed(buffer, got, applyLine))
            break;
    }
    reader.Finish();
    return {true, QString()};
}
