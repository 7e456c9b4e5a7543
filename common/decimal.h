#pragma once

#include <QLatin1String>
#include <QtGlobal>

#include <charconv>

// A number's decimal digits, held where the number is written: Decimal(n).text() reads as
// QString::number(n) does, without a string of its own. The readers' explanations fill
// thousands of numbers into their sentences.
class Decimal
{
public:
    explicit Decimal(qint64 value)
        : length(int(std::to_chars(digits, digits + sizeof digits, value).ptr - digits))
    {
    }
    QLatin1String text() const { return QLatin1String(digits, length); }

private:
    char digits[24];
    const int length;
};
