#pragma once

// The grammar of one config.ini line: what a normalised line sets, or why it has
// no effect. Plain functions on bytes, without widgets.

#include "recorder_files/recorderfields.h"

#include <QByteArray>
#include <QList>
#include <QVarLengthArray>

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

// What one line sets: a timer's line, the most, six settings. Held in the line's result
// itself: reading a file allocates nothing for them.
using LineAssignments = QVarLengthArray<ConfigAssignment, 6>;

struct ParsedLine {
    LineAssignments sets; // in the order the controls are set
    // Items the line selects that the form's lists (the preferences' HSample, HMode) do
    // not have: the combo box ignores them, nothing is set.
    LineAssignments lacking;
    LineIssue issue = LineIssue::None;
    QByteArray word;
    QByteArray expected;
    int value = 0;
    int limit = 0;
    int panel = 0;
};

// True when the line does everything it asks for, the items it selects included.
bool TookEffect(const ParsedLine& parsed);

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct NumberRead {
    int value = 0;
    int digits = 0; // 0 when nothing was read
};

// One or two digits at pos followed by the terminator ('\0' = end of the line); no
// digits read when anything else stands there (a third digit, a sign, no terminator).
NumberRead ReadTwoDigits(const QByteArray& line, int pos, char terminator);

// The leading decimal digits at pos, at most maxDigits of them.
NumberRead ReadNumber(const QByteArray& line, int pos, int maxDigits = 5);

constexpr int Unspecified = -1; // a timer field given as "*"

// Range-checks one timer line and gives what it sets (index = timer number - 1).
ParsedLine SetTimerEvent(int index, int day, int month, int hour, int minute, int length);

// What one normalised line sets. Keywords are case-sensitive.
ParsedLine ParseConfigLine(const QByteArray& line);
