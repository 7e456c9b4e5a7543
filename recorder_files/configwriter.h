#pragma once

// The recorder's config.ini as the program writes it.

#include "recorder_files/configsettings.h"

#include <QByteArray>
#include <QList>

// The item index the writer uses: an index without a code or word in the recorder's
// tables falls back to FallbackItem.
int WrittenSampleRateIndex(int index);
int WrittenWavTypeIndex(int index);

// A timer field as config.ini and --check show it: "*" for the field's special value
// (any day, any hour, unlimited), otherwise the number, zero-padded to width digits.
QByteArray TimerFieldText(ConfigField field, int value, int width = 0);
// The same text appended to out.
void AppendTimerField(QByteArray& out, ConfigField field, int value, int width = 0);

// The complete file, byte for byte: fixed line order, "\r\n" after every line.
QByteArray FormatConfig(const ConfigSettings& settings);

// The settings the file FormatConfig gives holds, each with its value: the VAS levels
// only with VAS on, the timers only with the timers on, a timer's fields only when it is
// switched on.
QList<ConfigAssignment> WrittenSettings(const ConfigSettings& settings);

// The timers (index 0 to TimerCount - 1) that are switched on in the form but that the
// recorder will not run: with day, month, hour and minute all at "any" the line reads
// T<n>,*.*,*:*,<length>, which the recorder takes for a switched-off timer.
QList<int> TimersNotRun(const ConfigSettings& settings);
