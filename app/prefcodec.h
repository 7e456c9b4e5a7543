#pragma once

#include <QString>

class QTextCodec;

// The codec that turns the 8-bit preference texts (paths, file names, combo items)
// into text and back: the one named by the CodeTable preference, Latin-1 when the
// name is unknown.
QTextCodec* PreferenceCodec();

QString PrefText(const char* text);

// Stores text into an 8-bit preference of the given capacity (terminator included),
// cutting it to capacity - 1 bytes.
void SetPrefText(char* storage, int capacity, const QString& text);
