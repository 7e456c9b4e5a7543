#include "common/printable.h"

namespace
{

// \xhh for a code up to 0xff, else \uhhhh, with lower-case hex digits.
void AppendEscape(QString& text, char16_t u)
{
    const int digits = u <= 0xff ? 2 : 4;
    text += QLatin1Char('\\');
    text += QLatin1Char(digits == 2 ? 'x' : 'u');
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += QLatin1Char("0123456789abcdef"[(u >> shift) & 0xf]);
}

} // namespace

QString PrintableText(QStringView text, bool asciiOnly)
{
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7f && u < 0xa0);
        if (!control && (!asciiOnly || u < 0x7f))
            printable += c;
        else
            AppendEscape(printable, u);
    }
    return printable;
}
