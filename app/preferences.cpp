#include "app/preferences.h"

#include "app/prefcodec.h"
#include "recorder_files/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextCodec>
#include <charconv>
#include <cmath>
#include <cstring>

namespace
{

// The defaults; Preferences is constant-initialised from the same values, so it holds them
// before any other static initialiser runs.
constexpr PreferenceValues DefaultPreferences = {
    0,
    "CP1251",
    "",
    "",
    "config.ini",
    "time.ini",
    {"6000", "8000", "11050", "", "", "", "", ""},
    {"none", "u-Law", "ADPCM", "", "", "", "", ""},
    0,
    0,
    1,
    1,
    1,
    0,
    0,
    "",
};

} // namespace

PreferenceValues Preferences = DefaultPreferences;
QString ErrorText;

const PreferenceRow PreferenceTable[] = {
    {"Debug", KindInteger, 0, 9, &Preferences.Debug, nullptr, 0, Unsigned | NotWritten},
    {"CodeTable", KindText, 0, 32, Preferences.CodeTable, nullptr, 0, 0},
    {"Language", KindText, 0, 254, Preferences.Language, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"SDpath", KindText, 0, 254, Preferences.SDpath, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"CFGname", KindText, 0, 254, Preferences.CFGname, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"TimeName", KindText, 0, 254, Preferences.TimeName, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"HSample", KindText, 0, 7, Preferences.HSample, nullptr, 7, 0},
    {"HMode", KindText, 0, 7, Preferences.HMode, nullptr, 7, 0},
    {"SizeX", KindInteger, 0, 2000, &Preferences.SizeX, nullptr, 0, Unsigned},
    {"SizeY", KindInteger, 0, 2000, &Preferences.SizeY, nullptr, 0, Unsigned},
    {"ToolTip", KindInteger, 0, 1, &Preferences.ToolTip, nullptr, 0, Unsigned},
    {"SetTime", KindInteger, 0, 1, &Preferences.SetTime, nullptr, 0, Unsigned},
    {"DelOldTime", KindInteger, 0, 1, &Preferences.DelOldTime, nullptr, 0, Unsigned},
    {"ManualTime", KindInteger, 0, 1, &Preferences.ManualTime, nullptr, 0, Unsigned},
    {"ShiftTime", KindInteger, 0, 999, &Preferences.ShiftTime, nullptr, 0, Unsigned},
    // A warning when the card is full sooner; written only when set, like the file has it.
    {"CardFullDays", KindText, 0, 4, Preferences.CardFullDays, nullptr, 0, SkipEmptyElements},
    {"", 0, 0, 0, nullptr, nullptr, 0, 0},
};

void ResetPreferences()
{
    Preferences = DefaultPreferences;
}

namespace
{

// Keywords looked up before the key table; they are never written.
const PreferenceRow BuiltinKeywords[] = {
    {"End", KindEnd, 0, 0, nullptr, nullptr, 0, ValueOptional},
    {"Include", KindInclude, 0, 256, nullptr, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"", 0, 0, 0, nullptr, nullptr, 0, 0},
};

constexpr int LineLimit = 256;    // bytes looked at for one line, line end included
constexpr int TokenLimit = 40;    // characters of one number or Boolean token
constexpr int KeyFieldWidth = 17; // the writer pads the key field to this width
constexpr int MaxWrittenKey = 13; // longest key name the writer puts out
constexpr int ErrorTextLimit = 255;

const char* const Messages[] = {
    "",
    "Ошибка открытия файла\n",
    "Ошибка чтения файла\n",
    "Очень много символов в файле\n",
    "Ошибка команды в файле\n",
    "Неопознанное логическое значение в файле\n",
    "Ошибка параметра в файле\n",
    "Большое значение параметра в файле\n",
    "Малое значение параметра в файле\n",
    "Ошибка параметра в файле\n",
    "Ошибка параметра в файле\n",
    "Ошибка задания пути-имени в файле\n",
    "Ошибка задания имени файла в файле\n",
    "Очень длинная строка параметра в файле\n",
    "Очень короткая строка параметра в файле\n",
    "Очень большой индекс в файле\n",
    "Ошибка индекса в файле\n",
    "В индексе отсутствует скобка в файле\n",
    "Неопределенная ошибка обработки в файле\n",
    "Неопределенная ошибка массива в файле\n",
    "Отсутствует разделитель команды в файле\n",
    "Значение параметра превышает диапазон типа в файле\n",
    "Неопределенная ошибка контроля типа в файле\n",
    "Ошибка дискретных значений параметра в файле\n",
    "Отсутствует обязательный параметр в файле\n",
    "Не допустимое значение параметра в файле\n",
    "Отсутствует функция внешнего вызова в файле\n",
    "Ошибка длинны идентификатора строки\n",
    "Неопределенная ошибка в структуре массива\n",
    "Очень много параметров\n",
    "Системная ошибка\n",
};

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

inline char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Cuts a text to the ErrorText limit without splitting a surrogate pair.
QString CutToLimit(QString text)
{
    if (text.size() > ErrorTextLimit) {
        int length = ErrorTextLimit;
        if (text.at(length - 1).isHighSurrogate())
            --length;
        text.truncate(length);
    }
    return text;
}

// The last error met during one read (the outermost one with all its includes), composed
// into ErrorText when the read ends.
struct PendingError {
    bool set = false;
    bool withLine = false;
    int code = 0;
    QString fileName;
    int line = 0;
    QByteArray text;
    char codeTable[sizeof Preferences.CodeTable]; // the code page of the line's text
};

QString ComposeError(const PendingError& error)
{
    QString text = PreferenceMessage(error.code) + error.fileName;
    if (error.withLine) {
        text += QString::fromUtf8("\nв строке ") + QString::number(error.line) + QLatin1Char('\n');
        if (text.size() < ErrorTextLimit) {
            QTextCodec* codec = QTextCodec::codecForName(QByteArray(error.codeTable));
            if (!codec)
                codec = QTextCodec::codecForName("ISO-8859-1");
            text += codec->toUnicode(error.text.constData(), int(error.text.size()));
        }
    }
    return CutToLimit(text);
}

// State shared by a read and every file it includes.
struct ReadSession {
    QStringList openFiles; // canonical names of the files being read, outermost first
    int includedFiles = 0;
    qint64 includedBytes = 0;
    PendingError error;
};

// The part of a line not yet taken apart.
struct Cursor {
    const char* at;
    const char* end;

    bool atEnd() const { return at >= end; }
    char peek() const { return at < end ? *at : '\0'; }
    void skipBlanks()
    {
        while (at < end && IsBlank(*at))
            ++at;
    }
    // Blanks, one optional "=" and the blanks after it.
    void skipEquals()
    {
        skipBlanks();
        if (peek() == '=') {
            ++at;
            skipBlanks();
        }
    }
    // Characters up to the next blank, tab, "," or the end of the line, at most 40,
    // optionally in upper case.
    struct Token {
        char text[TokenLimit + 1];
        int size;
        bool operator==(const char* word) const { return std::strcmp(text, word) == 0; }
    };
    Token token(bool upperCase)
    {
        Token t;
        t.size = 0;
        while (at < end && !IsBlank(*at) && *at != ',' && t.size < TokenLimit) {
            t.text[t.size++] = upperCase ? Upper(*at) : *at;
            ++at;
        }
        t.text[t.size] = '\0';
        return t;
    }
};

int CheckNumber(const PreferenceRow& row, double value)
{
    switch (row.kind) {
    case KindInteger:
        if ((row.flags & Unsigned) && value < 0)
            return PrefOutOfRange;
        break;
    case KindReal:
        if (!(value <= 2147483647.0 && value >= -2147483648.0))
            return PrefOutOfRange;
        break;
    case KindCharacter:
        if ((row.flags & Unsigned) && (value < 0 || value > 127))
            return PrefOutOfRange;
        break;
    default:
        return PrefNotANumberKind;
    }
    if (row.flags & Enumerated) {
        const auto* list = static_cast<const double*>(row.list);
        if (list && row.lower >= 0) {
            for (int i = 0; i <= int(row.lower); ++i) {
                if (list[i] == value)
                    return PrefNoError;
            }
        }
        return PrefNotInList;
    }
    if (value > row.upper)
        return PrefTooLarge;
    if (value < row.lower)
        return PrefTooSmall;
    return PrefNoError;
}

// Size in bytes of one element of a row's storage.
size_t ElementSize(const PreferenceRow& row)
{
    switch (row.kind) {
    case KindBoolean:
    case KindCharacter:
        return 1;
    case KindInteger:
        return sizeof(int32_t);
    case KindReal:
        return sizeof(float);
    case KindText:
        return size_t(row.upper) + 1;
    default:
        return 0;
    }
}

char* Element(const PreferenceRow& row, uint32_t index)
{
    return static_cast<char*>(row.storage) + size_t(index) * ElementSize(row);
}

// "[" index "]" of an array row, then blanks and one optional "=" with its blanks.
int TakeIndex(Cursor& c, const PreferenceRow& row, uint32_t* index)
{
    c.skipBlanks();
    if (c.peek() != '[')
        return PrefNoBracket;
    ++c.at;
    c.skipBlanks();
    const char* start = c.at;
    const char* close = static_cast<const char*>(std::memchr(start, ']', size_t(c.end - start)));
    if (!close)
        return PrefNoBracket;
    if (close - start > PreferenceIndexLength)
        return PrefBadIndex;
    c.at = close + 1;
    c.skipBlanks();
    int32_t value = 0;
    int code = ConvertPreferenceNumber(start, int(close - start), &value);
    if (code == PrefOutOfRange)
        return PrefIndexRange;
    if (code != PrefNoError)
        return code;
    if (c.peek() == '=') {
        ++c.at;
        c.skipBlanks();
    }
    if (value < 0 || uint32_t(value) > row.lastIndex)
        return PrefIndexRange;
    *index = uint32_t(value);
    return PrefNoError;
}

// Removes the enclosing double quotes of a Text value and checks it against the row.
int CheckText(const PreferenceRow& row, QByteArray* value)
{
    if (value->startsWith('"')) {
        if (value->size() < 2 || !value->endsWith('"'))
            return PrefBadQuoting;
        *value = value->mid(1, value->size() - 2);
    }
    if ((row.flags & NoAngleBrackets) && (value->contains('<') || value->contains('>')))
        return PrefAngleBracket;
    if ((row.flags & NoWildcards) && (value->contains('*') || value->contains('?')))
        return PrefWildcard;
    if (value->size() > row.upper)
        return PrefTextTooLong;
    // An Enumerated row holds the index of its last list entry in the lower bound.
    if (!(row.flags & Enumerated) && value->size() < row.lower)
        return PrefTextTooShort;
    if (row.flags & Enumerated) {
        const auto* list = static_cast<const char* const*>(row.list);
        bool found = false;
        for (int i = 0; list && i <= int(row.lower) && !found; ++i)
            found = list[i] && *value == list[i];
        if (!found)
            return PrefNotInList;
    }
    if (row.flags & UpperCase) {
        for (char& ch : *value)
            ch = Upper(ch);
    } else if (row.flags & LowerCase) {
        for (char& ch : *value)
            ch = Lower(ch);
    }
    return PrefNoError;
}

// A decimal floating-point number from the start of the token; text that is not a number
// gives 0. Returns PrefOutOfRange when the number does not fit a double.
int ConvertReal(const Cursor::Token& token, double* value)
{
    const char* p = token.text;
    const char* end = p + token.size;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    double result = 0;
    auto [rest, ec] = std::from_chars(p, end, result, std::chars_format::general);
    (void)rest;
    if (ec == std::errc::result_out_of_range)
        return PrefOutOfRange;
    if (ec != std::errc())
        result = 0;
    *value = negative ? -result : result;
    return PrefNoError;
}

} // namespace

QString PreferenceMessage(int code)
{
    if (code < 0 || code >= int(sizeof Messages / sizeof Messages[0]))
        return QString();
    return QString::fromUtf8(Messages[code]);
}

int ConvertPreferenceNumber(const char* text, int length, int32_t* value)
{
    const char* p = text;
    const char* end = text + (length > 0 ? length : 0);
    while (p < end && *p == ' ')
        ++p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) {
        negative = *p++ == '-';
        while (p < end && *p == ' ')
            ++p;
    }

    // The radix marker: the first rule that applies, in this order.
    int radix = 10;
    const struct {
        char marker;
        int radix;
    } markers[] = {{'X', 16}, {'H', 16}, {'O', 8}, {'B', 2}, {'D', 10}};
    for (const auto& m : markers) {
        if (p == end)
            break;
        if (m.marker != 'H' && Upper(p[0]) == m.marker) {
            p += 1;
        } else if (m.marker != 'H' && end - p >= 2 && p[0] == '0' && Upper(p[1]) == m.marker) {
            p += 2;
        } else if (m.marker != 'X' && Upper(end[-1]) == m.marker) {
            end -= 1;
        } else {
            continue;
        }
        radix = m.radix;
        break;
    }
    if (p == end)
        return PrefNoDigits;

    uint64_t magnitude = 0;
    bool overflow = false;
    for (; p < end; ++p) {
        const char c = Upper(*p);
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return PrefBadDigit;
        if (digit >= radix)
            return PrefBadDigit;
        if (!overflow) {
            magnitude = magnitude * uint64_t(radix) + uint64_t(digit);
            overflow = magnitude > uint64_t(2147483648u);
        }
    }
    if (overflow || (!negative && magnitude > 2147483647u))
        return PrefOutOfRange;
    *value = negative ? int32_t(-int64_t(magnitude)) : int32_t(magnitude);
    return PrefNoError;
}

struct PreferenceFile::Private {
    const PreferenceRow* table;
    int code = PrefNoError;
    QString fileName;
    ReadSession* session = nullptr;
    int depth = 0;
    int lineNumber = 0;
    QByteArray line() const { return QByteArray(cleanBegin, int(cleanEnd - cleanBegin)); }
    const char* cleanBegin = nullptr; // the cleaned line being applied
    const char* cleanEnd = nullptr;

    explicit Private(const PreferenceRow* t) : table(t) {}

    void lineError(int errorCode, const QByteArray& text)
    {
        code = errorCode;
        PendingError& e = session->error;
        e.set = true;
        e.withLine = true;
        e.code = errorCode;
        e.fileName = fileName;
        e.line = lineNumber;
        e.text = text;
        std::memcpy(e.codeTable, Preferences.CodeTable, sizeof e.codeTable);
        e.codeTable[sizeof e.codeTable - 1] = '\0';
    }
    void openError(int errorCode)
    {
        code = errorCode;
        PendingError& e = session->error;
        e.set = true;
        e.withLine = false;
        e.code = errorCode;
        e.fileName = fileName;
        e.line = 0;
        e.text.clear();
    }

    int readFile(const QString& name);
    bool applyLine(Cursor c, bool* endOfFile);
    int applyValue(const PreferenceRow& row, Cursor c, bool* endOfFile);
    int include(const PreferenceRow& row, Cursor c);
};

PreferenceFile::PreferenceFile(const PreferenceRow* table) : d(new Private(table)) {}

PreferenceFile::~PreferenceFile()
{
    delete d;
}

int PreferenceFile::Read(const QString& fileName)
{
    ErrorText.clear();
    ReadSession session;
    d->session = &session;
    d->depth = 0;
    int code = d->readFile(fileName);
    if (session.error.set)
        ErrorText = ComposeError(session.error);
    d->session = nullptr;
    return code;
}

int PreferenceFile::Private::readFile(const QString& name)
{
    code = PrefNoError;
    fileName = name;
    lineNumber = 0;

    // Only regular files are read: a pipe or device could block or never end.
    const QFileInfo info(name);
    QFile file(name);
    if (name.isEmpty() || (info.exists() && !info.isFile()) || !file.open(QIODevice::ReadOnly)) {
        openError(PrefOpenError);
        return code;
    }
    session->openFiles.append(info.canonicalFilePath());

    // The file is read in large blocks; a line is looked for in the next 256 bytes.
    const qint64 length = file.size();
    constexpr qint64 BlockSize = 1 << 16;
    QByteArray buffer;
    qint64 bufferStart = 0; // file offset of buffer[0]
    qint64 position = 0;
    bool fileEnded = false;
    bool skippingLongLine = false;
    while (position < length) {
        // Make the buffer hold position .. position + 256 (and one byte more for an LF).
        if (!fileEnded && bufferStart + buffer.size() < qMin(length, position + LineLimit + 1)) {
            buffer.remove(0, int(position - bufferStart));
            bufferStart = position;
            const qint64 want = qMin(BlockSize, length - (bufferStart + buffer.size()));
            const int old = int(buffer.size());
            buffer.resize(old + int(want));
            const qint64 got = file.read(buffer.data() + old, want);
            if (got < 0) {
                buffer.resize(old);
                lineError(PrefReadError, QByteArray());
                break;
            }
            buffer.resize(old + int(got));
            if (got < want)
                fileEnded = true; // the file shrank while being read
        }
        const qint64 available = bufferStart + buffer.size() - position;
        if (available <= 0)
            break;
        const char* start = buffer.constData() + (position - bufferStart);
        const qint64 window = qMin<qint64>(available, LineLimit);
        qint64 lineEnd = -1;
        for (qint64 i = 0; i < window; ++i) {
            if (start[i] == '\r' || start[i] == '\n') {
                lineEnd = i;
                break;
            }
        }
        qint64 next;
        if (lineEnd >= 0) {
            next = lineEnd + 1;
            if (next < available && start[next] == '\n')
                ++next;
        } else if (window < LineLimit) {
            lineEnd = window; // the last line of the file, without a line end
            next = window;
        } else {
            next = -1;
        }
        if (skippingLongLine) {
            // The rest of a line that was too long: passed over up to its line end.
            position += next < 0 ? window : next;
            skippingLongLine = next < 0;
            continue;
        }
        ++lineNumber;
        if (next < 0) {
            // A line longer than the buffer is refused, but the lines after it still
            // count: the writer itself makes such a line from a long text value, and
            // stopping here would lose every key written after it.
            lineError(PrefLineTooLong, QByteArray(start, LineLimit));
            skippingLongLine = true;
            position += window;
            continue;
        }
        position += next;

        // Clean the line: a NUL byte ends it, ";" outside double quotes starts a comment,
        // blanks and tabs at both ends are dropped.
        int cut = 0;
        bool quoted = false;
        while (cut < lineEnd && start[cut] != '\0' && (quoted || start[cut] != ';')) {
            if (start[cut] == '"')
                quoted = !quoted;
            ++cut;
        }
        while (cut > 0 && IsBlank(start[cut - 1]))
            --cut;
        int first = 0;
        while (first < cut && IsBlank(start[first]))
            ++first;
        if (first == cut)
            continue;
        cleanBegin = start + first;
        cleanEnd = start + cut;
        bool endOfFile = false;
        applyLine(Cursor{cleanBegin, cleanEnd}, &endOfFile);
        if (endOfFile)
            break;
    }
    session->openFiles.removeLast();
    return code;
}

bool PreferenceFile::Private::applyLine(Cursor c, bool* endOfFile)
{
    const PreferenceRow* found = nullptr;
    for (const PreferenceRow* rows : {BuiltinKeywords, table}) {
        for (const PreferenceRow* row = rows; row->kind != 0 && !found; ++row) {
            if (Upper(row->key[0]) != Upper(*c.at))
                continue;
            const size_t keyLength = std::strlen(row->key);
            if (keyLength == 0 || size_t(c.end - c.at) < keyLength)
                continue;
            size_t i = 0;
            while (i < keyLength && Upper(c.at[i]) == Upper(row->key[i]))
                ++i;
            if (i < keyLength)
                continue;
            const char after = c.at + keyLength < c.end ? c.at[keyLength] : '\0';
            if (after == '\0' || IsBlank(after) || after == '=' || after == '[')
                found = row;
        }
        if (found)
            break;
    }
    if (!found) {
        lineError(PrefUnknownKey, line());
        return false;
    }
    c.at += std::strlen(found->key);
    int result = applyValue(*found, c, endOfFile);
    if (result != PrefNoError) {
        code = result;
        return false;
    }
    return true;
}

// Applies the value after the key; returns an error code that has not yet been recorded
// with its line (0 when there is none or it has been recorded).
int PreferenceFile::Private::applyValue(const PreferenceRow& row, Cursor c, bool* endOfFile)
{
    if (row.flags & NotRead)
        return PrefNoError;
    if (c.atEnd() && !(row.flags & ValueOptional)) {
        lineError(PrefNoValue, line());
        return PrefNoError;
    }
    c.skipBlanks();

    int result = PrefNoError;
    uint32_t index = 0;
    const bool isArray = row.lastIndex > 0;
    switch (row.kind) {
    case KindEnd:
        *endOfFile = true;
        return PrefNoError;
    case KindInclude:
        return include(row, c);
    case KindInteger: {
        if (isArray && (result = TakeIndex(c, row, &index)) != PrefNoError)
            break;
        c.skipEquals();
        const Cursor::Token token = c.token(true);
        int32_t value = 0;
        result = ConvertPreferenceNumber(token.text, token.size, &value);
        if (result == PrefNoError)
            result = CheckNumber(row, value);
        if (result == PrefNoError)
            std::memcpy(Element(row, index), &value, sizeof value);
        break;
    }
    case KindText: {
        if (isArray && (result = TakeIndex(c, row, &index)) != PrefNoError)
            break;
        QByteArray value(c.at, int(c.end - c.at));
        result = CheckText(row, &value);
        if (result == PrefNoError) {
            char* storage = Element(row, index);
            std::memcpy(storage, value.constData(), size_t(value.size()));
            storage[value.size()] = '\0';
        }
        break;
    }
    case KindBoolean: {
        if (isArray && (result = TakeIndex(c, row, &index)) != PrefNoError)
            break;
        c.skipEquals();
        const Cursor::Token token = c.token(true);
        if (token == "YES" || token == "TRUE" || token == "1" || token == "ON")
            *reinterpret_cast<uint8_t*>(Element(row, index)) = 1;
        else if (token == "NO" || token == "FALSE" || token == "0" || token == "OFF")
            *reinterpret_cast<uint8_t*>(Element(row, index)) = 0;
        else
            result = PrefBadBoolean;
        break;
    }
    case KindCharacter: {
        if (isArray && (result = TakeIndex(c, row, &index)) != PrefNoError)
            break;
        const Cursor::Token token = c.token(false);
        char value;
        if (token.size == 1)
            value = token.text[0];
        else if (token.size == 3 && token.text[0] == token.text[2] &&
                 (token.text[0] == '\'' || token.text[0] == '"'))
            value = token.text[1];
        else {
            result = PrefBadQuoting;
            break;
        }
        result = CheckNumber(row, double(static_cast<signed char>(value)));
        if (result == PrefNoError)
            *Element(row, index) = value;
        break;
    }
    case KindReal: {
        if (isArray && (result = TakeIndex(c, row, &index)) != PrefNoError)
            break;
        c.skipEquals();
        double value = 0;
        result = ConvertReal(c.token(true), &value);
        if (result == PrefNoError)
            result = CheckNumber(row, value);
        if (result == PrefNoError) {
            const float stored = float(value);
            std::memcpy(Element(row, index), &stored, sizeof stored);
        }
        break;
    }
    default: // Record, Callback and Label rows are not supported
        result = PrefUnknownKind;
        break;
    }
    if (result != PrefNoError)
        lineError(result, line());
    return PrefNoError;
}

int PreferenceFile::Private::include(const PreferenceRow& row, Cursor c)
{
    QByteArray value(c.at, int(c.end - c.at));
    const int check = CheckText(row, &value);
    if (check != PrefNoError)
        return check; // the code only; ErrorText keeps the last message

    const QString name = PreferenceCodec()->toUnicode(value.constData(), int(value.size()));
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    const bool cycle = !canonical.isEmpty() && session->openFiles.contains(canonical);
    const qint64 size = info.isFile() ? info.size() : 0;
    if (cycle || depth + 1 > PreferenceIncludeDepth ||
        session->includedFiles >= PreferenceIncludeFiles ||
        size > PreferenceIncludeBytes - session->includedBytes) {
        lineError(PrefSystemError, line());
        return PrefNoError;
    }
    session->includedFiles += 1;
    session->includedBytes += size;

    PreferenceFile inner(table);
    inner.d->session = session;
    inner.d->depth = depth + 1;
    const int innerCode = inner.d->readFile(name);
    inner.d->session = nullptr;
    if (innerCode != PrefNoError)
        code = innerCode;
    return PrefNoError;
}

int PreferenceFile::Write(const QString& fileName)
{
    ErrorText.clear();
    d->code = PrefNoError;
    d->fileName = fileName;

    QByteArray out;
    for (const PreferenceRow* row = d->table; row->kind != 0; ++row) {
        if (row->flags & NotWritten)
            continue;
        const size_t keyLength = std::strlen(row->key);
        if (keyLength == 0 || keyLength > size_t(MaxWrittenKey)) {
            d->code = PrefBadKeyName;
            ErrorText = CutToLimit(PreferenceMessage(PrefBadKeyName) + fileName);
            continue;
        }
        if (row->kind == KindEnd || row->kind == KindInclude)
            continue;
        if (row->kind < KindBoolean || row->kind > KindText) {
            d->code = PrefUnknownKind;
            ErrorText = CutToLimit(PreferenceMessage(PrefUnknownKind) + fileName);
            continue;
        }
        for (uint32_t index = 0; index <= row->lastIndex; ++index) {
            const char* element = Element(*row, index);
            QByteArray value;
            switch (row->kind) {
            case KindInteger: {
                int32_t number;
                std::memcpy(&number, element, sizeof number);
                if (CheckNumber(*row, number) != PrefNoError)
                    continue;
                value = QByteArray::number(number);
                break;
            }
            case KindReal: {
                float number;
                std::memcpy(&number, element, sizeof number);
                if (CheckNumber(*row, double(number)) != PrefNoError)
                    continue;
                value = QByteArray::number(double(number), 'g', 10);
                break;
            }
            case KindBoolean:
                value = *element ? "Yes" : "No ";
                break;
            case KindCharacter:
                value = QByteArray(element, 1);
                break;
            case KindText: {
                const size_t length = strnlen(element, ElementSize(*row));
                if (length == 0 && (row->flags & SkipEmptyElements))
                    continue;
                value = '"' + QByteArray(element, int(length)) + '"';
                break;
            }
            }
            QByteArray keyField(row->key);
            if (row->lastIndex > 0)
                keyField += '[' + QByteArray::number(index) + ']';
            if (keyField.size() < KeyFieldWidth)
                keyField.append(KeyFieldWidth - keyField.size(), ' ');
            out += "\r\n" + keyField + ' ' + value;
        }
    }
    out += "\r\n";

    if (!WriteFileSafely(fileName, out).isEmpty()) {
        d->code = PrefOpenError;
        ErrorText = CutToLimit(PreferenceMessage(PrefOpenError) + fileName);
        return PrefOpenError;
    }
    return d->code;
}
