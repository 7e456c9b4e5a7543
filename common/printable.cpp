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

// Over the characters of a QStringView or the bytes of a QLatin1String alike.
template <typename View> QString Printable(View text, bool asciiOnly)
{
    QString printable;
    printable.reserve(text.size());
    for (const auto c : text) {
        const char16_t u = QChar(c).unicode();
        const bool control = u < 0x20 || (u >= 0x7f && u < 0xa0);
        if (!control && (!asciiOnly || u < 0x7f))
            printable += QChar(c);
        else
            AppendEscape(printable, u);
    }
    return printable;
}

} // namespace

QString PrintableText(QStringView text, bool asciiOnly)
{
    return Printable(text, asciiOnly);
}

QString PrintableText(QLatin1String text, bool asciiOnly)
{
    return Printable(text, asciiOnly);
}
