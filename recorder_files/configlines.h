#pragma once

// The recorder's config.ini as a sequence of bytes: how they become lines.

#include <QByteArray>
#include <functional>

constexpr int MaxConfigLineLength = 125; // one character more stops the reading

// The largest config.ini the program reads. The recorder takes lines of at most 125
// characters and a real file, every setting and timer written, is well under 2 kB; a
// file above 1 MiB is some other file (a disk image, a log, /dev/zero ...). Refusing it
// keeps every read short, so the window never freezes on one.
constexpr qint64 MaxConfigFileSize = 1024 * 1024;

// The separators that swallow the blanks next to them; they also end a keyword.
constexpr bool IsSeparator(char c)
{
    return c == '.' || c == ',' || c == ':' || c == '=';
}

struct ConfigLine {
    QByteArray text;   // after folding blanks and removing comments
    int number = 0;    // 1 + carriage returns before the line's first byte
    qint64 offset = 0; // byte offset of the line's first character
};

enum class ReadStop {
    EndOfFile,      // at a line start, or inside a comment that no line text precedes
    UnfinishedLine, // end of file inside a line (or its comment): that line is not applied
    ForbiddenByte,  // a control byte: the rest of the file is ignored
    LineTooLong,    // the line reached 126 characters: the rest of the file is ignored
};

struct ReadStopInfo {
    ReadStop reason = ReadStop::EndOfFile;
    qint64 offset = 0;  // offset of the forbidden byte, or of the byte that made the line too long
    int byte = -1;      // the forbidden byte
    int lineNumber = 0; // line in which the reading stopped
    QByteArray pending; // the line text not applied (unfinished or too long)
};

// Turns the bytes of a configuration file into lines the way the recorder does:
// blanks (tab, line feed, space) fold, blanks next to ".", ",", ":", "=" vanish, ";"
// starts a comment up to the next carriage return, the carriage return is the only
// line end, a control byte or a line of 126 characters stops the reading and an
// unfinished last line is not applied. Feed the file in pieces of any size.
class ConfigLineReader
{
public:
    // Feeds bytes; onLine runs for each finished, non-empty line. Returns false
    // once the reading has stopped (later calls do nothing).
    bool Feed(const char* data, qsizetype size,
              const std::function<void(const ConfigLine&)>& onLine);
    // The end of the file; returns why and where the reading ended.
    const ReadStopInfo& Finish();

    // Carriage returns in the bytes read up to where the reading stopped.
    qint64 CarriageReturns() const { return carriageReturns; }

private:
    enum class State { LineStart, InLine, CommentAtStart, CommentInLine };
    void StopAt(ReadStop reason, int byte);
    // A byte inside a line's text that is not plain (blank, separator, line end, comment or
    // control byte).
    void TakeInLine(uchar c, const std::function<void(const ConfigLine&)>& onLine);
    // The line's carriage return: hands the line on and starts the next.
    void EndLine(const std::function<void(const ConfigLine&)>& onLine);

    State state = State::LineStart;
    QByteArray line;
    qint64 lineOffset = 0;
    int lineNumber = 1;
    qint64 position = 0;
    qint64 carriageReturns = 0;
    bool stopped = false;
    ReadStopInfo stop;
};
