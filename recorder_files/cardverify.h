#pragma once

// plimo-configurator --verify: does each card hold the settings of a preset? Both are
// read with the form's reader over the form's start settings and compared setting by
// setting. Qt Core only; nothing is written.

#include "recorder_files/batchwrite.h"

#include <QString>
#include <QStringList>

class QTextStream;

// The settings in which card differs from preset, the preset's value first:
// "timer 2 start 18:30 (preset) / 19:30 (card)", "loop size 100Mb / disable". Settings
// the recorder does not use (the VAS levels with VAS off, the timers with the timers
// off) are not compared, as config.ini does not hold them either.
QStringList SettingDifferences(const ConfigSettings& preset, const ConfigSettings& card);

enum class CardVerdict { Same, Differs, Failed };

struct CardCheck {
    CardVerdict verdict = CardVerdict::Failed;
    // The line printed for the card: "SAME DIR", "DIFFERS DIR: ...", "FAILED DIR: ...".
    QString text;
    int differences = 0; // what DIFFERS lists, one each
};

// Compares the card folder's config.ini with the preset: what the recorder will do with
// each. A setting one file holds and the other leaves out differs (the recorder keeps its
// own value for it); settings neither holds are not compared. A waiting clock file
// (clockName without time.ok) that is not of about now differs too.
CardCheck VerifyCard(const QString& folder, const PresetRead& preset, const ComboItems& items,
                     const QString& configName, const QString& clockName);

// The whole command: reads the preset and prints one line per card. Returns 0 when every
// card holds the preset, 1 when any differs, 2 when any failed or the preset is at fault.
int VerifyCards(const QString& presetName, const QStringList& cards, const ComboItems& items,
                const QString& configName, const QString& clockName, QTextStream& out);
