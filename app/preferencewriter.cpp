// Writing a preferences file: one "key value" line per element of every written row.

#include "app/preferences.h"

#include "app/preferencevalues.h"
#include "app/savefile.h"

using namespace PreferenceSyntax;

namespace
{

constexpr int KeyFieldWidth = 17; // the writer pads the key field to this width
constexpr int MaxWrittenKey = 13; // longest key name the writer puts out

// The value text of one element; false when the element is not written (a number outside
// its row's range, an empty text of a SkipEmptyElements row).
bool FormatElement(const PreferenceRow& row, uint32_t index, QByteArray* value)
{
    const char* element = Element(row, index);
    switch (row.kind) {
    case KindInteger: {
        int32_t number;
        std::memcpy(&number, element, sizeof number);
        if (CheckNumber(row, number) != PrefNoError)
            return false;
        *value = QByteArray::number(number);
        return true;
    }
    case KindReal: {
        float number;
        std::memcpy(&number, element, sizeof number);
        if (CheckNumber(row, double(number)) != PrefNoError)
            return false;
        *value = QByteArray::number(double(number), 'g', 10);
        return true;
    }
    case KindBoolean:
        *value = *element ? "Yes" : "No ";
        return true;
    case KindCharacter:
        *value = QByteArray(element, 1);
        return true;
    default: {
        const size_t length = strnlen(element, ElementSize(row));
        if (length == 0 && (row.flags & SkipEmptyElements))
            return false;
        *value = '"' + QByteArray(element, int(length)) + '"';
        return true;
    }
    }
}

// The lines of one row, each with the line end before it.
void AppendRow(const PreferenceRow& row, QByteArray* out)
{
    for (uint32_t index = 0; index <= row.lastIndex; ++index) {
        QByteArray value;
        if (!FormatElement(row, index, &value))
            continue;
        QByteArray keyField(row.key);
        if (row.lastIndex > 0)
            keyField += '[' + QByteArray::number(index) + ']';
        if (keyField.size() < KeyFieldWidth)
            keyField.append(KeyFieldWidth - keyField.size(), ' ');
        *out += "\r\n" + keyField + ' ' + value;
    }
}

} // namespace

int PreferenceFile::Write(const QString& fileName)
{
    ErrorText.clear();
    int code = PrefNoError;
    const auto fail = [&](int errorCode) {
        code = errorCode;
        ErrorText = CutToErrorLimit(PreferenceMessage(errorCode) + fileName);
    };

    QByteArray out;
    for (const PreferenceRow* row = table; row->kind != 0; ++row) {
        if (row->flags & NotWritten)
            continue;
        const size_t keyLength = std::strlen(row->key);
        if (keyLength == 0 || keyLength > size_t(MaxWrittenKey))
            fail(PrefBadKeyName);
        else if (row->kind == KindEnd || row->kind == KindInclude)
            continue;
        else if (row->kind < KindBoolean || row->kind > KindText)
            fail(PrefUnknownKind);
        else
            AppendRow(*row, &out);
    }
    out += "\r\n";

    if (!WriteFileSafely(fileName, out).ok) {
        fail(PrefOpenError);
        return PrefOpenError;
    }
    return code;
}
