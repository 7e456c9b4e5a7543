// The grammar of one value of the preferences file: number tokens, "[index]", quoted texts,
// Booleans and characters, and the checks of a value against its row.

#include "app/preferences/preferencevalues.h"

#include <charconv>

namespace PreferenceSyntax
{

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

} // namespace PreferenceSyntax

using namespace PreferenceSyntax;

namespace
{

// Takes the radix marker off a number token: the first rule that applies, in this order.
// Returns the radix, 10 when there is no marker.
int TakeRadixMarker(const char** begin, const char** end)
{
    const char*& p = *begin;
    const char*& e = *end;
    const struct {
        char marker;
        int radix;
    } markers[] = {{'X', 16}, {'H', 16}, {'O', 8}, {'B', 2}, {'D', 10}};
    for (const auto& m : markers) {
        if (p == e)
            break;
        if (m.marker != 'H' && Upper(p[0]) == m.marker)
            p += 1;
        else if (m.marker != 'H' && e - p >= 2 && p[0] == '0' && Upper(p[1]) == m.marker)
            p += 2;
        else if (m.marker != 'X' && Upper(e[-1]) == m.marker)
            e -= 1;
        else
            continue;
        return m.radix;
    }
    return 10;
}

} // namespace

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

    const int radix = TakeRadixMarker(&p, &end);
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

namespace
{

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

int StoreInteger(const PreferenceRow& row, char* storage, Cursor c)
{
    c.skipEquals();
    const Cursor::Token token = c.token(true);
    int32_t value = 0;
    int result = ConvertPreferenceNumber(token.text, token.size, &value);
    if (result == PrefNoError)
        result = CheckNumber(row, value);
    if (result == PrefNoError)
        std::memcpy(storage, &value, sizeof value);
    return result;
}

int StoreText(const PreferenceRow& row, char* storage, Cursor c)
{
    QByteArray value(c.at, int(c.end - c.at));
    const int result = CheckText(row, &value);
    if (result == PrefNoError) {
        std::memcpy(storage, value.constData(), size_t(value.size()));
        storage[value.size()] = '\0';
    }
    return result;
}

int StoreBoolean(char* storage, Cursor c)
{
    c.skipEquals();
    const Cursor::Token token = c.token(true);
    if (token == "YES" || token == "TRUE" || token == "1" || token == "ON")
        *reinterpret_cast<uint8_t*>(storage) = 1;
    else if (token == "NO" || token == "FALSE" || token == "0" || token == "OFF")
        *reinterpret_cast<uint8_t*>(storage) = 0;
    else
        return PrefBadBoolean;
    return PrefNoError;
}

// One character, bare or between two single or two double quotes.
int StoreCharacter(const PreferenceRow& row, char* storage, Cursor c)
{
    const Cursor::Token token = c.token(false);
    char value;
    if (token.size == 1)
        value = token.text[0];
    else if (token.size == 3 && token.text[0] == token.text[2] &&
             (token.text[0] == '\'' || token.text[0] == '"'))
        value = token.text[1];
    else
        return PrefBadQuoting;
    const int result = CheckNumber(row, double(static_cast<signed char>(value)));
    if (result == PrefNoError)
        *storage = value;
    return result;
}

int StoreReal(const PreferenceRow& row, char* storage, Cursor c)
{
    c.skipEquals();
    double value = 0;
    int result = ConvertReal(c.token(true), &value);
    if (result == PrefNoError)
        result = CheckNumber(row, value);
    if (result == PrefNoError) {
        const float stored = float(value);
        std::memcpy(storage, &stored, sizeof stored);
    }
    return result;
}

} // namespace

int PreferenceSyntax::StoreValue(const PreferenceRow& row, Cursor c)
{
    if (row.kind < KindBoolean || row.kind > KindText)
        return PrefUnknownKind; // Record, Callback and Label rows are not supported
    uint32_t index = 0;
    if (row.lastIndex > 0) {
        const int result = TakeIndex(c, row, &index);
        if (result != PrefNoError)
            return result;
    }
    char* storage = Element(row, index);
    switch (row.kind) {
    case KindInteger:
        return StoreInteger(row, storage, c);
    case KindText:
        return StoreText(row, storage, c);
    case KindBoolean:
        return StoreBoolean(storage, c);
    case KindCharacter:
        return StoreCharacter(row, storage, c);
    default:
        return StoreReal(row, storage, c);
    }
}
