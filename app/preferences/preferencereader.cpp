// Reading a preferences file: lines of at most 256 bytes, comments, keys looked up without
// regard to case, Include of further files, and the message of the last error.

#include "app/preferences/preferences.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferencevalues.h"
#include "common/printable.h"
#include "platform/fileplatform.h"

#include <QFile>
#include <QStringList>
#include <QTextCodec>

using namespace PreferenceSyntax;

namespace
{

// Keywords looked up before the key table; they are never written.
const PreferenceRow BuiltinKeywords[] = {
    {"End", KindEnd, 0, 0, nullptr, nullptr, 0, ValueOptional},
    {"Include", KindInclude, 0, 256, nullptr, nullptr, 0, NoAngleBrackets | NoWildcards},
    {"", 0, 0, 0, nullptr, nullptr, 0, 0},
};

constexpr int LineLimit = PreferenceLineLength;

// The last error met during one read (the outermost one with all its includes), composed
// into ErrorText when the read ends.
struct PendingError {
    bool set = false;
    bool withLine = false;
    int code = 0;
    QString fileName;
    int line = 0;
    QByteArray text;
    char codeTable[sizeof Preferences.CodeTable]; // the code page of the line's text
};

QString ComposeError(const PendingError& error)
{
    // The file name and the line come from the user's files: their control characters
    // are shown escaped, never sent to the terminal that shows the message.
    QString text = PreferenceMessage(error.code) + PrintableText(error.fileName);
    if (error.withLine) {
        text += QString::fromUtf8("\nв строке ") + QString::number(error.line) + QLatin1Char('\n');
        if (text.size() < ErrorTextLimit) {
            QTextCodec* codec = CodecOfCodeTable(error.codeTable);
            text += PrintableText(codec->toUnicode(error.text.constData(), int(error.text.size())));
        }
    }
    return CutToErrorLimit(text);
}

// The regular file an Include's name stands for.
struct NamedFile {
    bool regular = false;
    FileIdentity identity;
    qint64 size = 0;
};

// State shared by a read and every file it includes.
struct ReadSession {
    // The files being read, outermost first: an Include of one of them is a cycle.
    QList<FileIdentity> openFiles;
    // The names Includes gave, looked up once a read: a file that includes one name on
    // many lines, each included file doing the same, asks for it thousands of times.
    QHash<QByteArray, NamedFile> namedFiles;
    bool outerOpened = false;
    QString outerOpenFailure;
    QHash<QByteArray, QByteArray> refusedLines; // key -> line, single-value rows
    int includedFiles = 0;
    qint64 includedBytes = 0;
    PendingError error;
    // Of the file named to the read: lines other than blanks and comments, and those
    // of them that name a key.
    int outerLines = 0;
    int outerKeyLines = 0;
};

// Hands out the lines of a file. The file is read in large blocks; a line end is looked for
// in the next 256 bytes, and a line without one there is too long.
class LineSplitter
{
public:
    enum Outcome { Line, TooLong, ReadFailed, Finished };

    explicit LineSplitter(RegularFileHandle& file) : file(file), length(file.size()) {}

    // The next line without its line end (CR, LF, CR LF or LF LF), or the first 256 bytes of a
    // line that is too long; the rest of such a line is passed over. *begin stays valid
    // until the next call.
    Outcome next(const char** begin, int* size)
    {
        while (position < length) {
            if (!fill())
                return ReadFailed;
            const qint64 available = bufferStart + buffer.size() - position;
            if (available <= 0)
                break;
            const char* start = buffer.constData() + (position - bufferStart);
            const qint64 window = qMin<qint64>(available, LineLimit);
            qint64 lineEnd = -1;
            const qint64 after = FindLineEnd(start, available, window, &lineEnd);
            if (skippingLongLine) {
                position += after < 0 ? window : after;
                skippingLongLine = after < 0;
                continue;
            }
            *begin = start;
            if (after < 0) {
                skippingLongLine = true;
                position += window;
                *size = LineLimit;
                return TooLong;
            }
            position += after;
            *size = int(lineEnd);
            return Line;
        }
        return Finished;
    }

private:
    // Makes the buffer hold position .. position + 256 (and one byte more for an LF).
    bool fill()
    {
        constexpr qint64 BlockSize = 1 << 16;
        if (fileEnded || bufferStart + buffer.size() >= qMin(length, position + LineLimit + 1))
            return true;
        buffer.remove(0, int(position - bufferStart));
        bufferStart = position;
        const qint64 want = qMin(BlockSize, length - (bufferStart + buffer.size()));
        const int old = int(buffer.size());
        buffer.resize(old + int(want));
        const qint64 got = file.read(buffer.data() + old, want);
        if (got < 0) {
            buffer.resize(old);
            return false;
        }
        buffer.resize(old + int(got));
        if (got < want)
            fileEnded = true; // the file shrank while being read
        return true;
    }

    // Sets *lineEnd to the length of the line at start and returns the offset of the line
    // after it, or -1 when no line end lies within the window.
    static qint64 FindLineEnd(const char* start, qint64 available, qint64 window, qint64* lineEnd)
    {
        for (qint64 i = 0; i < window; ++i) {
            if (start[i] == '\r' || start[i] == '\n') {
                *lineEnd = i;
                // A line end and the LF after it count as one (so do two LFs).
                return i + 1 < available && start[i + 1] == '\n' ? i + 2 : i + 1;
            }
        }
        if (window < LineLimit) {
            *lineEnd = window; // the last line of the file, without a line end
            return window;
        }
        return -1;
    }

    RegularFileHandle& file;
    const qint64 length;
    QByteArray buffer;
    qint64 bufferStart = 0; // file offset of buffer[0]
    qint64 position = 0;
    bool fileEnded = false;
    bool skippingLongLine = false;
};

// The text of a line that counts: a NUL byte ends it, ";" outside double quotes starts a
// comment, blanks and tabs at both ends are dropped.
Cursor CleanLine(const char* start, int size)
{
    int cut = 0;
    bool quoted = false;
    while (cut < size && start[cut] != '\0' && (quoted || start[cut] != ';')) {
        if (start[cut] == '"')
            quoted = !quoted;
        ++cut;
    }
    while (cut > 0 && IsBlank(start[cut - 1]))
        --cut;
    int first = 0;
    while (first < cut && IsBlank(start[first]))
        ++first;
    return Cursor{start + first, start + cut};
}

// The row whose key starts the line, keywords first; null when there is none.
const PreferenceRow* FindRow(const PreferenceRow* table, const Cursor& c)
{
    const char first = Upper(*c.at);
    for (const PreferenceRow* rows : {BuiltinKeywords, table}) {
        for (const PreferenceRow* row = rows; row->kind != 0; ++row) {
            if (Upper(row->key[0]) != first)
                continue;
            const size_t keyLength = std::strlen(row->key);
            if (keyLength == 0 || size_t(c.end - c.at) < keyLength)
                continue;
            size_t i = 0;
            while (i < keyLength && Upper(c.at[i]) == Upper(row->key[i]))
                ++i;
            if (i < keyLength)
                continue;
            const char after = c.at + keyLength < c.end ? c.at[keyLength] : '\0';
            if (after == '\0' || IsBlank(after) || after == '=' || after == '[')
                return row;
        }
    }
    return nullptr;
}

// One file of a read: the file named on the command line, or one it includes.
class FileReader
{
public:
    FileReader(const PreferenceRow* table, ReadSession* session, int depth)
        : table(table), session(session), depth(depth)
    {
    }

    // Applies every line of the file; returns 0 or the code of the last error met.
    int read(const QString& name);
    // The error of a file that cannot be opened, for a name known to stand for none.
    int refuse(const QString& name)
    {
        fileName = name;
        openError(PrefOpenError);
        return code;
    }

private:
    void applyLine(Cursor c, bool* endOfFile);
    int applyValue(const PreferenceRow& row, Cursor c, bool* endOfFile);
    int include(const PreferenceRow& row, Cursor c);
    void lineError(int errorCode, QByteArrayView text);
    void openError(int errorCode);
    QByteArrayView line() const { return QByteArrayView(current.at, current.end - current.at); }

    const PreferenceRow* const table;
    ReadSession* const session;
    const int depth;
    int code = PrefNoError;
    QString fileName;
    int lineNumber = 0;
    Cursor current{nullptr, nullptr}; // the cleaned line being applied
};

int FileReader::read(const QString& name)
{
    fileName = name;
    // Only regular files are read: a pipe or device could block or never end.
    RegularFileHandle file;
    QString reason;
    if (!file.open(QFile::encodeName(name), &reason)) {
        if (depth == 0)
            session->outerOpenFailure = reason;
        openError(PrefOpenError);
        return code;
    }
    session->outerOpened = session->outerOpened || depth == 0;
    session->openFiles.append(file.identity());
    LineSplitter lines(file);
    const char* start = nullptr;
    int size = 0;
    for (bool endOfFile = false; !endOfFile;) {
        const LineSplitter::Outcome outcome = lines.next(&start, &size);
        if (outcome == LineSplitter::Finished)
            break;
        if (outcome == LineSplitter::ReadFailed) {
            lineError(PrefReadError, QByteArrayView());
            break;
        }
        ++lineNumber;
        if (outcome == LineSplitter::TooLong) {
            // A line longer than the buffer is refused, but the lines after it still
            // count: the writer itself makes such a line from a long text value, and
            // stopping here would lose every key written after it.
            lineError(PrefLineTooLong, QByteArrayView(start, size));
            session->outerLines += depth == 0 ? 1 : 0;
            continue;
        }
        current = CleanLine(start, size);
        if (current.atEnd())
            continue;
        session->outerLines += depth == 0 ? 1 : 0;
        applyLine(current, &endOfFile);
    }
    session->openFiles.removeLast();
    return code;
}

void FileReader::applyLine(Cursor c, bool* endOfFile)
{
    const PreferenceRow* found = FindRow(table, c);
    if (!found) {
        lineError(PrefUnknownKey, line());
        return;
    }
    session->outerKeyLines += depth == 0 ? 1 : 0;
    c.at += std::strlen(found->key);
    const int result = applyValue(*found, c, endOfFile);
    if (result != PrefNoError)
        code = result;
}

// Applies the value after the key; returns an error code that has not yet been recorded
// with its line (0 when there is none or it has been recorded).
int FileReader::applyValue(const PreferenceRow& row, Cursor c, bool* endOfFile)
{
    if (row.flags & NotRead)
        return PrefNoError;
    if (c.atEnd() && !(row.flags & ValueOptional)) {
        lineError(PrefNoValue, line());
        return PrefNoError;
    }
    c.skipBlanks();
    if (row.kind == KindEnd) {
        *endOfFile = true;
        return PrefNoError;
    }
    if (row.kind == KindInclude)
        return include(row, c);
    const int result = StoreValue(row, c);
    if (result != PrefNoError)
        lineError(result, line());
    // The keys are the table's own text, which lasts as long as the program.
    const QByteArray key = QByteArray::fromRawData(row.key, qsizetype(std::strlen(row.key)));
    if (row.lastIndex == 0 && result != PrefNoError)
        session->refusedLines.insert(key, line().toByteArray());
    else if (row.lastIndex == 0)
        session->refusedLines.remove(key);
    return PrefNoError;
}

int FileReader::include(const PreferenceRow& row, Cursor c)
{
    QByteArray value(c.at, int(c.end - c.at));
    const int check = CheckText(row, &value);
    if (check != PrefNoError)
        return check; // the code only; ErrorText keeps the last message

    const QString name = PrefText(value.constData(), value.size());
    if (depth + 1 > PreferenceIncludeDepth || session->includedFiles >= PreferenceIncludeFiles) {
        lineError(PrefSystemError, line());
        return PrefNoError;
    }
    const QByteArray systemName = QFile::encodeName(name);
    auto named = session->namedFiles.find(systemName);
    if (named == session->namedFiles.end()) {
        NamedFile file;
        file.regular = IdentifyRegularFile(systemName, &file.identity, &file.size);
        named = session->namedFiles.insert(systemName, file);
    }
    // Identities, not names: a file reached again through a link is a cycle too.
    const bool cycle = named->regular && session->openFiles.contains(named->identity);
    if (cycle || named->size > PreferenceIncludeBytes - session->includedBytes) {
        lineError(PrefSystemError, line());
        return PrefNoError;
    }
    session->includedFiles += 1;
    session->includedBytes += named->size;

    // A name that stands for no regular file fails as its open would, without trying.
    FileReader inner(table, session, depth + 1);
    const int innerCode = named->regular ? inner.read(name) : inner.refuse(name);
    if (innerCode != PrefNoError)
        code = innerCode;
    return PrefNoError;
}

void FileReader::lineError(int errorCode, QByteArrayView text)
{
    code = errorCode;
    PendingError& e = session->error;
    e.set = true;
    e.withLine = true;
    e.code = errorCode;
    e.fileName = fileName;
    e.line = lineNumber;
    e.text.resize(0); // the room of the last error's line serves this one
    e.text.append(text);
    std::memcpy(e.codeTable, Preferences.CodeTable, sizeof e.codeTable);
    e.codeTable[sizeof e.codeTable - 1] = '\0';
}

void FileReader::openError(int errorCode)
{
    code = errorCode;
    PendingError& e = session->error;
    e.set = true;
    e.withLine = false;
    e.code = errorCode;
    e.fileName = fileName;
    e.line = 0;
    e.text.clear();
}

} // namespace

int PreferenceFile::Read(const QString& fileName)
{
    ErrorText.clear();
    ReadSession session;
    const int code = FileReader(table, &session, 0).read(fileName);
    opened = session.outerOpened;
    openFailure = session.outerOpenFailure;
    refusedLines = session.refusedLines;
    lines = session.outerLines;
    keyLines = session.outerKeyLines;
    if (session.error.set)
        ErrorText = ComposeError(session.error);
    return code;
}
