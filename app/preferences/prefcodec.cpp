#include "app/preferences/prefcodec.h"

#include "app/preferences/preferences.h"

#include <QHash>
#include <QMutex>
#include <QTextCodec>
#include <algorithm>
#include <cstring>

namespace
{

// Code pages that give each printable ASCII character its ASCII code, as their names are
// usually written (the lookup ignores case). Latin-1 stands in for an unknown name, and
// keeps ASCII too.
const char* const AsciiCodeTables[] = {
    "CP1250",       "CP1251",       "CP1252",       "CP1253",       "CP1254",       "CP1255",
    "CP1256",       "CP1257",       "CP1258",       "windows-1250", "windows-1251", "windows-1252",
    "windows-1253", "windows-1254", "windows-1255", "windows-1256", "windows-1257", "windows-1258",
    "ISO-8859-1",   "ISO-8859-2",   "ISO-8859-5",   "ISO-8859-15",  "KOI8-R",       "KOI8-U",
    "CP866",        "IBM866",       "UTF-8",        "latin1"};

bool CodeTableKeepsAscii()
{
    for (const char* name : AsciiCodeTables) {
        if (qstricmp(name, Preferences.CodeTable) == 0)
            return true;
    }
    return false;
}

// A byte (a char, negative above 0x7f) or a UTF-16 unit.
bool IsPrintableAscii(int c)
{
    return c >= 0x20 && c <= 0x7e;
}

} // namespace

QTextCodec* CodecOfCodeTable(const char* codeTable)
{
    // Qt keeps the codecs it found, but a name it does not know goes to ICU again on every
    // lookup (an error message in an unknown code page is composed on every read). The
    // answers are kept here, a few dozen names at most.
    static QMutex mutex;
    static QHash<QByteArray, QTextCodec*> known;
    const QMutexLocker lock(&mutex);
    const QByteArray name(codeTable);
    if (QTextCodec* codec = known.value(name))
        return codec;
    QTextCodec* codec = QTextCodec::codecForName(name);
    if (!codec)
        codec = QTextCodec::codecForName("ISO-8859-1");
    if (known.size() >= 64)
        known.clear();
    known.insert(name, codec);
    return codec;
}

QTextCodec* PreferenceCodec()
{
    // Looked up again only when CodeTable changes (a lookup can be slow and noisy).
    static QByteArray name;
    static QTextCodec* codec = nullptr;
    if (!codec || name != Preferences.CodeTable) {
        name = Preferences.CodeTable;
        codec = CodecOfCodeTable(name.constData());
    }
    return codec;
}

// Names, paths and list items are mostly plain ASCII: those skip the codec, whose library
// (ICU) then need not be loaded at all.
QString PrefText(const char* text, qsizetype size)
{
    if (std::all_of(text, text + size, IsPrintableAscii) && CodeTableKeepsAscii())
        return QString::fromLatin1(text, size);
    return PreferenceCodec()->toUnicode(text, int(size));
}

QString PrefText(const char* text)
{
    return PrefText(text, qsizetype(std::strlen(text)));
}

bool PrefBytes(const QString& text, QByteArray* bytes)
{
    const auto ascii = [](QChar c) { return IsPrintableAscii(c.unicode()); };
    if (std::all_of(text.cbegin(), text.cend(), ascii) && CodeTableKeepsAscii()) {
        *bytes = text.toLatin1();
        return true;
    }
    QTextCodec* codec = PreferenceCodec();
    *bytes = codec->fromUnicode(text);
    return codec->canEncode(text);
}

void SetPrefText(char* storage, int capacity, const QString& text)
{
    QByteArray bytes;
    PrefBytes(text, &bytes);
    int length = qMin(int(bytes.size()), capacity - 1);
    std::memcpy(storage, bytes.constData(), size_t(length));
    storage[length] = '\0';
}

int CardFullWarningDays()
{
    bool ok = false;
    const int days = QByteArray(Preferences.CardFullDays).trimmed().toInt(&ok);
    return ok && days >= 0 ? days : 30;
}
