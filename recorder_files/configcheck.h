#pragma once

#include "recorder_files/schedulewording.h"

#include <QString>
#include <QStringList>

class QIODevice;
class QTextStream;
struct ComboItems;
struct ConfigAssignment;
struct ParsedLine;
struct ReadStopInfo;
struct SetAgain;

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

// The same over an open device (the file, or bytes in a buffer). Without explainLines
// only the verdict and the schedule summary are written.
int CheckConfigDevice(QIODevice& device, QTextStream& out, const ComboItems& items,
                      const FreeSpacePlan& plan = FreeSpacePlan(), bool explainLines = true);
int CheckConfigDevice(QIODevice& device, QTextStream& out);

// What one parsed line does, in words ("sets loop size to 20 Mb", "no effect: ...").
QString ExplainConfigLine(const ParsedLine& parsed);

// The settings a loaded file does not hold, with the values they keep, one a line after
// a heading; empty when there are none.
QString DescribeNotInFile(const QList<ConfigAssignment>& kept);

// The settings later lines set again, one line for each pair of lines: "line 3 sets the
// loop size; line 7 sets it again".
QStringList DescribeSetAgain(const QList<SetAgain>& again);

// Why the reading ended early, one message a line (none when it reached the end of
// the file normally). carriageReturns: how many the whole file holds.
QStringList ExplainReadStop(const ReadStopInfo& stop, qint64 carriageReturns);
