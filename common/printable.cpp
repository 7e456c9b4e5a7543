#include "common/printable.h"

QString PrintableText(QStringView text, bool asciiOnly)
{
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7f && u < 0xa0);
        if (!control && (!asciiOnly || u < 0x7f))
            printable += c;
        else if (u <= 0xff)
            printable += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            printable += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
    }
    return printable;
}
