#pragma once

// The reader's results in words, as --check, --verify, --inspect and the window's Details
// give them.

#include <QList>
#include <QString>
#include <QStringList>

struct ConfigAssignment;
struct ParsedLine;
struct ReadStopInfo;
struct SetAgain;
class QTextStream;

// The line as the reader holds it; bytes outside printable ASCII shown as \xNN.
QString PrintableLine(const QByteArray& bytes);
// The same, written to out.
void WritePrintableLine(QTextStream& out, const QByteArray& bytes);

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
