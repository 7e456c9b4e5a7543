// Writing a preferences file: one "key value" line per element of every written row.

#include "app/preferences/preferences.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferencevalues.h"
#include "platform/savefile.h"

#include <QCoreApplication>

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
void AppendRow(const PreferenceRow& row, QByteArray* out,
               const QHash<QByteArray, QByteArray>& keptLines)
{
    const auto kept = keptLines.constFind(QByteArray(row.key));
    if (row.lastIndex == 0 && kept != keptLines.constEnd()) {
        *out += "\r\n" + *kept;
        return;
    }
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

int PreferenceFile::Write(const QString& fileName, const QHash<QByteArray, QByteArray>& keptLines)
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
            AppendRow(*row, &out, keptLines);
    }
    out += "\r\n";

    const FileResult written = WriteFileSafely(fileName, out);
    openFailure = written.error;
    if (!written.ok) {
        fail(PrefOpenError);
        return PrefOpenError;
    }
    return code;
}

namespace
{

// The texts of this file, in the translation context PreferenceFile.
struct PreferenceText {
    Q_DECLARE_TR_FUNCTIONS(PreferenceFile)
};

} // namespace

QString WhyPathCannotBeStored(const QString& path)
{
    const PreferenceRow* row = PreferenceTable;
    while (row->kind != 0 && std::strcmp(row->key, "SDpath") != 0)
        ++row;
    QByteArray value;
    if (!PrefBytes(path, &value))
        return PreferenceText::tr("the code page %1 (CodeTable) has no code for a character of it")
            .arg(QLatin1String(Preferences.CodeTable));
    const int check = CheckText(*row, &value);
    if (check == PrefAngleBracket)
        return PreferenceText::tr("it holds \"<\" or \">\"");
    if (check == PrefWildcard)
        return PreferenceText::tr("it holds \"*\" or \"?\"");
    // The padded key, a blank and the quoted path must end before the reader's line limit.
    const qsizetype longest = PreferenceLineLength - 1 - KeyFieldWidth - 3;
    if (check == PrefTextTooLong || value.size() > longest)
        return PreferenceText::tr("it is longer than %1 bytes")
            .arg(qMin<qsizetype>(longest, qsizetype(row->upper)));
    return QString();
}
