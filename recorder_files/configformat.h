#pragma once

// The recorder's config.ini: its writer and its line grammar as plain functions,
// without widgets. The form (configfile.cpp) snapshots its controls into a
// ConfigSettings for writing and applies ParsedLine results when reading.

#include "recorder_files/recorderfields.h"

#include <QByteArray>
#include <QList>
#include <functional>

// ---------------------------------------------------------------------------
// Writing

struct TimerSettings {
    bool enabled = false;
    int month = 1;  // 1..12, 0 any month
    int day = 1;    // 1..31, 0 any day
    int hour = 1;   // 0..23, -1 any hour
    int minute = 1; // 0..59, -1 any minute
    int length = 1; // minutes 1..9999, 0 unlimited
};

// What the form holds of the recorder configuration, in the controls' units.
struct ConfigSettings {
    int sampleRate = 1; // item index of "sample rate"
    int wavType = 1;    // item index of "wav type"
    bool vasEnabled = false;
    int vasOnLevel = 1;
    int vasOnTime = 1;
    int vasOffLevel = 1;
    int vasOffTime = 1;
    int loopSize = 0; // Mb, 0 = loop writing off
    int limitMax = 0; // Mb, 0 = disable
    int limitMin = 0; // kb, 0 = disable
    bool timersEnabled = false;
    TimerSettings timers[4];
};

// The item index the writer uses: a sample-rate index without a code (not 0..3) and a
// wav-type index without a word (not 0..2) fall back to item 1.
int WrittenSampleRateIndex(int index);
int WrittenWavTypeIndex(int index);

// The complete file, byte for byte: fixed line order, "\r\n" after every line.
QByteArray FormatConfig(const ConfigSettings& settings);

// The one state the file cannot carry: an enabled timer whose day, month, hour and
// minute all stand at "any" is written T<n>,*.*,*:*,... and the recorder reads it as
// switched off.
bool HasUnreadableTimer(const ConfigSettings& settings);

// ---------------------------------------------------------------------------
// Reading: bytes into normalised lines

constexpr int MaxConfigLineLength = 125; // one character more stops the reading

struct ConfigLine {
    QByteArray text;   // after folding blanks and removing comments
    int number = 0;    // 1 + carriage returns before the line's first byte
    qint64 offset = 0; // byte offset of the line's first character
};

enum class ReadStop {
    EndOfFile,      // at a line start, or inside a comment that no line text precedes
    UnfinishedLine, // end of file inside a line (or its comment): that line is not applied
    ForbiddenByte,  // a control byte: the rest of the file is ignored
    LineTooLong,    // the line reached 126 characters: the rest of the file is ignored
};

struct ReadStopInfo {
    ReadStop reason = ReadStop::EndOfFile;
    qint64 offset = 0;  // offset of the forbidden byte, or of the byte that made the line too long
    int byte = -1;      // the forbidden byte
    int lineNumber = 0; // line in which the reading stopped
    QByteArray pending; // the line text not applied (unfinished or too long)
};

// Turns the bytes of a configuration file into lines the way the recorder does:
// blanks (tab, line feed, space) fold, blanks next to ".", ",", ":", "=" vanish, ";"
// starts a comment up to the next carriage return, the carriage return is the only
// line end, a control byte or a line of 126 characters stops the reading and an
// unfinished last line is not applied. Feed the file in pieces of any size.
class ConfigLineReader
{
public:
    // Feeds bytes; onLine runs for each finished, non-empty line. Returns false
    // once the reading has stopped (later calls do nothing).
    bool Feed(const char* data, qsizetype size,
              const std::function<void(const ConfigLine&)>& onLine);
    // The end of the file; returns why and where the reading ended.
    const ReadStopInfo& Finish();

    bool Stopped() const { return stopped; }
    const ReadStopInfo& Stop() const { return stop; }
    qint64 BytesRead() const { return position; }
    qint64 CarriageReturns() const { return carriageReturns; }

private:
    enum class State { LineStart, InLine, CommentAtStart, CommentInLine };
    void StopAt(ReadStop reason, int byte);

    State state = State::LineStart;
    QByteArray line;
    qint64 lineOffset = 0;
    int lineNumber = 1;
    qint64 position = 0;
    qint64 carriageReturns = 0;
    bool stopped = false;
    ReadStopInfo stop;
};

struct ConfigLines {
    QList<ConfigLine> lines;
    ReadStopInfo stop;
};

// The whole reading of a file held in memory.
ConfigLines SplitConfigLines(const QByteArray& bytes);

// ---------------------------------------------------------------------------
// Reading: one line into what it sets

// ConfigField: the fields of the recorder, one table in recorderfields.h.

struct ConfigAssignment {
    ConfigField field;
    int panel; // timer panel 0..3, 0 for the other fields
    int value;
    bool operator==(const ConfigAssignment& o) const
    {
        return field == o.field && panel == o.panel && value == o.value;
    }
};

// Why a line has no effect, or only part of the effect it asks for.
enum class LineIssue {
    None,
    // the line is applied in full, something after its value is ignored (word)
    IgnoredTail,
    // no effect at all
    UnknownKeyword,    // word: the keyword
    WrongCase,         // word: as written, expected: the keyword's spelling
    UnknownValue,      // word: the value, expected: the values the keyword takes
    Malformed,         // expected: the line's form; value: column where reading failed
    ValueAboveLimit,   // value above limit (word: what the value is)
    LoopZero,          // Loop=0
    UnknownRateCode,   // word: the code as written
    TimerDoesNotExist, // value: the timer number
    NotUsed,           // Tune=: accepted and ignored
    // partly applied
    UnknownWavType,     // word: the type word; the sample rate is set
    TimerOutOfRange,    // word: field, value, limit; panel: timer switched off
    TimerAllUnspecified // enabled timer with every date and time field "*": switched off
};

struct ParsedLine {
    QList<ConfigAssignment> sets; // in the order the controls are set
    LineIssue issue = LineIssue::None;
    QByteArray word;
    QByteArray expected;
    int value = 0;
    int limit = 0;
    int panel = 0;
};

// True when the line does everything it asks for.
bool TookEffect(const ParsedLine& parsed);

// One or two digits at pos followed by the terminator ('\0' = end of the line).
bool ReadTwoDigits(const QByteArray& line, int pos, char terminator, int* value);

struct NumberRead {
    int value = 0;
    int digits = 0; // 0 when pos holds no digit
};
// The leading decimal digits at pos, at most maxDigits of them.
NumberRead ReadNumber(const QByteArray& line, int pos, int maxDigits = 5);

constexpr int Unspecified = -1; // a timer field given as "*"

// Range-checks one timer line and gives what it sets (index = timer number - 1).
ParsedLine SetTimerEvent(int index, int day, int month, int hour, int minute, int length);

// What one normalised line sets. Keywords are case-sensitive.
ParsedLine ParseConfigLine(const QByteArray& line);

// Applies a result to settings the way the form's controls take it: spin values are
// clamped to the controls' ranges and a combo index beyond the item count is ignored.
void ApplyParsedLine(ConfigSettings& settings, const ParsedLine& parsed, int sampleRateItems,
                     int wavTypeItems);
