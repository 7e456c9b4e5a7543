#pragma once

// What the preferences reader and writer share: how the elements of a row are stored,
// which values a row accepts, and the grammar of the value after a key.

#include "app/preferences/preferences.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstring>

namespace PreferenceSyntax
{

constexpr int TokenLimit = 40;            // characters of one number or Boolean token
constexpr int ErrorTextLimit = 255;       // characters of ErrorText
constexpr int PreferenceLineLength = 256; // bytes looked at for one line, line end included

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The upper case of each byte: ASCII letters change, the rest stay. Looked up, not worked
// out, since finding a line's key compares it with the first letter of every key.
inline constexpr std::array<char, 256> UpperBytes = [] {
    std::array<char, 256> upper{};
    for (int c = 0; c < 256; ++c)
        upper[std::size_t(c)] = char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return upper;
}();

inline char Upper(char c)
{
    return UpperBytes[static_cast<unsigned char>(c)];
}

inline char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

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

// Size in bytes of one element of a row's storage.
size_t ElementSize(const PreferenceRow& row);
// The storage of element index of a row.
char* Element(const PreferenceRow& row, uint32_t index);

// Checks a value of a number row (Integer, Real, Character) against its range or list.
int CheckNumber(const PreferenceRow& row, double value);
// Removes the enclosing double quotes of a Text value and checks it against the row.
int CheckText(const PreferenceRow& row, QByteArray* value);

// Takes the value after the key of a Boolean, Character, Integer, Real or Text row (with
// the "[index]" of an array row) and stores it. Returns 0 or the error code; nothing is
// stored on an error.
int StoreValue(const PreferenceRow& row, Cursor c);

// Cuts a text to the ErrorText limit without splitting a surrogate pair.
QString CutToErrorLimit(QString text);

} // namespace PreferenceSyntax
