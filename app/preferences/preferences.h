#pragma once

#include "app/preferences/comboitems.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>

// The program's own settings, read from and written to the preferences file by one
// table-driven reader and writer.

// Value kinds of a PreferenceTable row; 0 ends the table.
enum PreferenceKind : uint32_t {
    KindEnd = 1,
    KindInclude = 2,
    KindBoolean = 3,
    KindCharacter = 4,
    KindInteger = 5,
    KindReal = 6,
    KindText = 7,
    KindRecord = 8,
    KindCallback = 9,
    KindLabel = 10,
};

enum PreferenceFlag : uint32_t {
    SkipEmptyElements = 0x1,
    Unsigned = 0x2,
    UpperCase = 0x4,
    LowerCase = 0x8,
    NoWildcards = 0x20,
    NoAngleBrackets = 0x40,
    Enumerated = 0x100,
    ValueOptional = 0x200,
    NotWritten = 0x2000,
    NotRead = 0x4000,
};

struct PreferenceRow {
    const char* key;    // up to 15 characters, matched without regard to case
    uint32_t kind;      // PreferenceKind, 0 ends the table
    double lower;       // smallest value or shortest text; index of the last list entry
    double upper;       // largest value or longest text (storage of one element is upper + 1)
    void* storage;      // the value, or the first array element
    const void* list;   // allowed values of an Enumerated row: const double* for the number
                        // kinds, const char* const* for Text
    uint32_t lastIndex; // 0 for a single value, n for elements 0..n
    uint32_t flags;     // PreferenceFlag bits
};

// The preference values. Texts are 8-bit, in the code page named by CodeTable.
struct PreferenceValues {
    int32_t Debug;
    char CodeTable[33];
    char Language[255];
    char SDpath[255];
    char CFGname[255];
    char TimeName[255];
    char HSample[8][8];
    char HMode[8][8];
    int32_t SizeX;
    int32_t SizeY;
    int32_t ToolTip;
    int32_t SetTime;
    int32_t DelOldTime;
    int32_t ManualTime;
    int32_t ShiftTime;
    char CardFullDays[5]; // days; empty: 30
};

extern PreferenceValues Preferences;

// Items of a combo box filled from a preference list (HSample, HMode): the entries up to
// the first empty one, at most eight.
int PreferenceListItems(const char (*list)[8]);
// How many items the form's "sample rate" and "wav type" boxes hold with the
// preferences' HSample and HMode: what every reader of a config.ini decides with.
ComboItems PreferenceComboItems();
extern const PreferenceRow PreferenceTable[];

// The message of the last error of a read or write, at most 255 characters.
extern QString ErrorText;

// Result codes of a read or write; PreferenceMessage() gives the message of each.
enum PreferenceResult : int {
    PrefNoError = 0,
    PrefOpenError = 1,
    PrefReadError = 2,
    PrefLineTooLong = 3,
    PrefUnknownKey = 4,
    PrefBadBoolean = 5,
    PrefNoDigits = 6,
    PrefTooLarge = 7,
    PrefTooSmall = 8,
    PrefBadDigit = 9,
    PrefBadQuoting = 10,
    PrefAngleBracket = 11,
    PrefWildcard = 12,
    PrefTextTooLong = 13,
    PrefTextTooShort = 14,
    PrefIndexRange = 15,
    PrefBadIndex = 16, // index text longer than PreferenceIndexLength
    PrefNoBracket = 17,
    PrefUnknownKind = 18,
    PrefUnknownFieldKind = 19,
    PrefNoValue = 20,
    PrefOutOfRange = 21,
    PrefNotANumberKind = 22,
    PrefBadDiscrete = 23,
    PrefMissingField = 24,
    PrefNotInList = 25,
    PrefNoFunction = 26,
    PrefBadKeyName = 27,
    PrefBadFieldTable = 28,
    PrefTooManyFields = 29,
    PrefSystemError = 30, // Include nested too deep, a cycle, or too much included
};

// Include files nest at most this deep (the file named on the command line is depth 0).
constexpr int PreferenceIncludeDepth = 16;
// One read takes in at most this many included files and this many bytes of them.
constexpr int PreferenceIncludeFiles = 1024;
constexpr qint64 PreferenceIncludeBytes = 16 * 1024 * 1024;
// The longest index text between "[" and "]".
constexpr int PreferenceIndexLength = 39;

// The message of a result code ("" for 0 and for unknown codes).
QString PreferenceMessage(int code);

// Converts a number token (sign, radix marker X/0X/H, O/0O, B/0B, D/0D, digits) to a signed
// 32-bit value. Returns 0, or PrefNoDigits, PrefBadDigit, or PrefOutOfRange for a value
// that does not fit; *value is set only on success.
int ConvertPreferenceNumber(const char* text, int length, int32_t* value);

// One read or one write of a preferences file over a key table.
// Both return 0 on success or the code of the last error met.
class PreferenceFile
{
public:
    explicit PreferenceFile(const PreferenceRow* table) : table(table) {}

    int Read(const QString& fileName);
    // keptLines: for a key named there, that line is written as it is in place of the
    // key's value (a line the last read refused, kept for the user to mend).
    int Write(const QString& fileName, const QHash<QByteArray, QByteArray>& keptLines = {});

    // After Read: whether the file named to it was opened (false: missing, unreadable,
    // not a regular file). OpenFailure: why the last Read could not open that file, or
    // why the last Write failed.
    bool Opened() const { return opened; }
    QString OpenFailure() const { return openFailure; }
    // After Read: the lines refused for single-value keys that no later line set, by
    // key as the table spells it, without their comments.
    const QHash<QByteArray, QByteArray>& RefusedLines() const { return refusedLines; }
    // After Read: whether the file named to it reads as a preferences file: it holds no
    // line but comments and blank ones, or at least one line names a key of the table (or
    // Include, End), whether or not its value was taken.
    bool ReadsAsPreferences() const { return lines == 0 || keyLines > 0; }

private:
    const PreferenceRow* table;
    bool opened = false;
    QString openFailure;
    QHash<QByteArray, QByteArray> refusedLines;
    int lines = 0;    // lines other than blank lines and comments
    int keyLines = 0; // of them, lines that name a key
};

// Why a card path cannot be stored in the preferences file so that the next start reads
// it back (a character the CodeTable code page lacks, "<", ">", "*", "?", or a line
// longer than the reader takes); empty when it can.
QString WhyPathCannotBeStored(const QString& path);
