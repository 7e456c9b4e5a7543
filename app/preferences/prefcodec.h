#pragma once

#include <QString>

class QTextCodec;

// The codec of a CodeTable name: Latin-1 when the name is unknown.
QTextCodec* CodecOfCodeTable(const char* codeTable);

// The codec that turns the 8-bit preference texts (paths, file names, combo items)
// into text and back: the one named by the CodeTable preference.
QTextCodec* PreferenceCodec();

// An 8-bit preference text (size bytes, or up to its terminator) as text.
QString PrefText(const char* text, qsizetype size);
QString PrefText(const char* text);

// The text in the bytes of the CodeTable code page; false when the code page has no code
// for one of its characters.
bool PrefBytes(const QString& text, QByteArray* bytes);

// Stores text into an 8-bit preference of the given capacity (terminator included),
// cutting it to capacity - 1 bytes.
void SetPrefText(char* storage, int capacity, const QString& text);

// Days before which a full card is a warning (the CardFullDays preference, 30 when it is
// empty or no number): the day strip's red, and the warning after a card write.
int CardFullWarningDays();
