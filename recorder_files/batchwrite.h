#pragma once

// Writing one saved configuration to many cards from the command line: the preset is
// read with the form's reader into the settings the form would hold, and each card
// gets what "save" would write there. Qt Core only.

#include "recorder_files/configsettings.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;

// The item the form shows at start for a list of that many items: item 1, or the only
// one, or none (-1).
int FormStartItem(int items);

// The settings of a freshly built form.
ConfigSettings FormStartSettings(const ComboItems& items);

struct PresetRead {
    bool ok = false; // every line took effect and the whole file was read
    ConfigSettings settings;
    QList<ConfigAssignment> notInFile; // settings no line of the file sets
};

// Reads a preset's bytes line by line over the form's start settings, as loading it
// into the form would.
PresetRead ReadPreset(const QByteArray& bytes, const ComboItems& items);

struct BatchOptions {
    QString configName = QStringLiteral("config.ini"); // CFGname
    QString clockName = QStringLiteral("time.ini");    // TimeName
    bool deleteOldClock = true;                        // DelOldTime
    bool writeClock = true;                            // SetTime
    QDateTime clock; // what the clock file holds; invalid: the moment of each card's write
};

// A --to argument as a card path: a folder, so a missing separator is added.
QString CardPathOfFolder(const QString& argument);

// The folder a --to or --inspect argument names: "card/" of a file named card is that
// file, not a missing folder.
QFileInfo CardFolderInfo(const QString& folder);

// Why a card folder cannot be used, or empty: an empty name, no such folder, not a
// folder, and where it is to be read (mustRead), a folder that cannot be read. The one
// rule of Save's --write, --verify and the recordings walk.
QString CardFolderProblem(const QString& folder, bool mustRead);

// The reason a write of bytes into folder failed, with "the card is full" added when the
// folder's volume has less room than that (a full FAT card says "Operation not
// permitted" through some drivers).
QString FullCardReason(const QString& error, const QString& folder, qint64 bytes);

struct CardResult {
    bool ok = false;
    QStringList written; // file names, in the order written
    QString error;       // why the card failed
};

// What "save" does in one card folder: config.ini, the old clock files removed, a
// fresh clock file; every write read back and compared.
CardResult WriteCard(const QString& folder, const QByteArray& config, const BatchOptions& options);

// One card's write as it ended, for the record of card writes.
struct CardWritten {
    QString folder;
    CardResult result;
    ConfigSettings settings; // what the preset gives
    QByteArray config;       // the config.ini bytes meant for the card
    QDateTime clock;         // what the clock file holds when it was written
    // What the command line prints for the card: "OK DIR config.ini time.ini" or
    // "FAILED DIR: reason", then any "WARNING DIR: why".
    QStringList lines;
    QString recordError; // the record of card writes could not take the card's row
};

// What every card of one run gets: the settings, their config.ini bytes, the options.
struct PreparedWrite {
    ConfigSettings settings;
    QByteArray config;
    BatchOptions options;
};

// The preset read, checked and made into the bytes to write, with options; false with
// the reason printed (a preset that cannot be read or has a line without effect, clock
// files named as config.ini).
bool PrepareWrite(const QString& presetName, const ComboItems& items, const BatchOptions& options,
                  QTextStream& out, PreparedWrite* prepared);

// Why nothing may be written with these options: clock files named as config.ini, a
// clock the clock file cannot hold; empty when they can be used.
QString WriteOptionsProblem(const BatchOptions& options);

// Writes one card as the run prepared it; the clock, when the run gives none, is the
// moment of this card's write. The result and its line in lines.
CardWritten WriteOneCard(const QString& folder, const PreparedWrite& prepared);

// Writes one card: WriteOneCard, or the caller's own that adds to it.
using CardWriter = std::function<CardWritten(const QString& folder, const PreparedWrite& prepared)>;

// The whole command: reads the preset, writes every card in order through writeOne and
// prints each card's lines. Returns 0 when every card was written, 1 when nothing was
// written because the preset or the names are at fault (the reason printed), 2 when any
// card failed.
int WriteCards(const QString& presetName, const QStringList& cards, const ComboItems& items,
               const BatchOptions& options, QTextStream& out,
               const CardWriter& writeOne = WriteOneCard);
