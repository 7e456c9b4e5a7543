#pragma once

#include <QString>
#include <QStringView>

// Text that is safe to show on a terminal: every control character (C0, DEL, C1) is
// shown as \xNN, so that a stray escape sequence in a file cannot clear the screen or
// move the cursor. With asciiOnly, every character outside printable ASCII is shown so
// too (\xNN up to U+00FF, \uNNNN above): the bytes of a file read as Latin-1 come out
// one escape a byte.
QString PrintableText(QStringView text, bool asciiOnly = false);
QString PrintableText(QLatin1String text, bool asciiOnly = false);
