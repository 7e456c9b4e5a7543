#pragma once

#include "recorder_files/configexplain.h"
#include "recorder_files/configsettings.h"
#include "recorder_files/schedulewording.h"

#include <QString>
#include <QStringList>

class QIODevice;
class QTextStream;

// Reads a whole file of at most limit bytes without waiting on a pipe: empty when
// read, otherwise the reason. bytes holds what was read, limit + 1 bytes of a larger file.
QString ReadSmallFile(const QString& fileName, qint64 limit, QByteArray* bytes);

// Explains line by line how the recorder reads a config.ini: each line as the reader
// saw it after folding blanks, what it sets or why it has no effect, and where and why
// the reading stopped. Returns 0 when every line took effect, 1 when any did not (or
// the reading stopped before the end, or the file sets nothing at all), 2 when the
// file cannot be read. The sample rate and WAV type lines are read as by a form whose
// combo boxes hold items; without items, as the preferences' lists fill them. With a
// plan the summary ends with the day the card is full.
int CheckConfigFile(const QString& fileName, QTextStream& out, const ComboItems& items,
                    const FreeSpacePlan& plan = FreeSpacePlan());
int CheckConfigFile(const QString& fileName, QTextStream& out);

// What a check read, for a caller that looks at the reading as well as the words (the
// fuzz target checks the reader's promises on it rather than reading the bytes again):
// each line with what it sets, as it is read, then the whole result.
struct ConfigCheckTap {
    std::function<void(const ConfigLine&, const ParsedLine&)> line;
    ConfigReadResult* read = nullptr;
};

// The same over an open device (the file, or bytes in a buffer). Without explainLines
// only the verdict and the schedule summary are written.
int CheckConfigDevice(QIODevice& device, QTextStream& out, const ComboItems& items,
                      const FreeSpacePlan& plan = FreeSpacePlan(), bool explainLines = true,
                      const ConfigCheckTap& tap = ConfigCheckTap());
int CheckConfigDevice(QIODevice& device, QTextStream& out);
