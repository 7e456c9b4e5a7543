#pragma once

// The keywords of config.ini with the forms of their lines, and the results the
// grammar gives for a line that has no effect: what was wrong and what was expected.

#include "recorder_files/configgrammar.h"

extern const char TimerLineForm[]; // "Tn,day.month,hour:minute,length"

// A result with an issue and nothing set.
ParsedLine WithIssue(LineIssue issue, const QByteArray& word = QByteArray(),
                     const QByteArray& expected = QByteArray(), int value = 0, int limit = 0);

// The reading failed at column: the rest of the line could not be read as form.
ParsedLine Malformed(const QByteArray& line, const char* form, int column);

// A value above the field's largest.
ParsedLine AboveLimit(ConfigField field, int value);

// A line that none of the keyword rules took: a wrong spelling, an unknown word, or a
// known keyword whose line has the wrong form.
ParsedLine KeywordProblem(const QByteArray& line);

// The rate codes and the type words config.ini takes, as "6, 8, 11 or 16".
QByteArray RateCodeList();
QByteArray TypeWordList();
