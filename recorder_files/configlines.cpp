#include "recorder_files/configlines.h"

#include <cstring>

namespace
{

bool IsBlank(uchar c)
{
    return c == 9 || c == 10 || c == 32;
}

bool IsForbidden(uchar c)
{
    return c <= 8 || c == 11 || c == 12 || (c >= 14 && c <= 31);
}

// The bytes a line takes as they are: not blank, separator, carriage return, comment or
// control byte. A line is mostly these, read a run at a time.
struct ByteSet {
    bool has[256] = {};
};
constexpr ByteSet PlainBytes = [] {
    ByteSet plain;
    for (int c = 33; c < 256; ++c)
        plain.has[c] = !IsSeparator(char(c)) && c != ';';
    return plain;
}();

qsizetype PlainRun(const char* data, qsizetype size)
{
    qsizetype n = 0;
    while (n < size && PlainBytes.has[uchar(data[n])])
        ++n;
    return n;
}

} // namespace

void ConfigLineReader::StopAt(ReadStop reason, int byte)
{
    stopped = true;
    stop.reason = reason;
    stop.offset = position;
    stop.byte = byte;
    stop.lineNumber = lineNumber;
    stop.pending = line;
}

void ConfigLineReader::EndLine(const std::function<void(const ConfigLine&)>& onLine)
{
    onLine(ConfigLine{line, lineNumber, lineOffset});
    // The buffer has room for the longest line and serves the next one, unless the
    // receiver kept this one: reading a file allocates nothing a line.
    if (line.isDetached())
        line.resize(0);
    else
        line = QByteArray();
    ++lineNumber;
    state = State::LineStart;
}

void ConfigLineReader::TakeInLine(uchar c, const std::function<void(const ConfigLine&)>& onLine)
{
    bool appended = false;
    if (IsBlank(c)) {
        if (line.back() != ' ' && !IsSeparator(line.back())) {
            line += ' ';
            appended = true;
        }
    } else if (IsSeparator(char(c))) {
        if (line.back() == ' ') {
            line.back() = char(c);
        } else {
            line += char(c);
            appended = true;
        }
    } else if (c == 13 || c == ';') {
        if (line.back() == ' ')
            line.chop(1);
        if (c == ';')
            state = State::CommentInLine;
        else
            EndLine(onLine);
    } else { // a control byte: Feed takes the plain ones a run at a time
        StopAt(ReadStop::ForbiddenByte, c);
    }
    if (appended && line.size() > MaxConfigLineLength)
        StopAt(ReadStop::LineTooLong, -1);
}

bool ConfigLineReader::Feed(const char* data, qsizetype size,
                            const std::function<void(const ConfigLine&)>& onLine)
{
    for (qsizetype i = 0; i < size && !stopped; ++i, ++position) {
        const uchar c = static_cast<uchar>(data[i]);
        if (state == State::InLine && PlainBytes.has[c]) {
            // Up to the byte that makes the line too long.
            const qsizetype take =
                std::min(PlainRun(data + i, size - i), MaxConfigLineLength + 1 - line.size());
            // Into the room reserved at the line's start: no allocation, no general insert.
            const qsizetype at = line.size();
            line.resize(at + take);
            std::memcpy(line.data() + at, data + i, size_t(take));
            i += take - 1;
            position += take - 1;
            if (line.size() > MaxConfigLineLength)
                StopAt(ReadStop::LineTooLong, -1);
            continue;
        }
        if ((state == State::CommentAtStart || state == State::CommentInLine) && c != 13) {
            // A comment ends at the next carriage return; what it holds is not read.
            const void* end = std::memchr(data + i, 13, size_t(size - i));
            const qsizetype skip = (end ? static_cast<const char*>(end) : data + size) - data - i;
            i += skip - 1;
            position += skip - 1;
            continue;
        }
        if (c == 13)
            ++carriageReturns;
        switch (state) {
        case State::LineStart:
            if (c == 13) {
                ++lineNumber;
            } else if (c == ';') {
                state = State::CommentAtStart;
            } else if (IsForbidden(c)) {
                StopAt(ReadStop::ForbiddenByte, c);
            } else if (!IsBlank(c)) {
                if (line.capacity() <= MaxConfigLineLength)
                    line.reserve(MaxConfigLineLength + 1);
                line.resize(0);
                line += char(c);
                lineOffset = position;
                state = State::InLine;
            }
            break;
        case State::InLine:
            TakeInLine(c, onLine);
            break;
        case State::CommentAtStart:
            if (c == 13) {
                ++lineNumber;
                state = State::LineStart;
            }
            break;
        case State::CommentInLine:
            if (c == 13)
                EndLine(onLine);
            break;
        }
    }
    return !stopped;
}

const ReadStopInfo& ConfigLineReader::Finish()
{
    if (!stopped) {
        const bool inLine = state == State::InLine || state == State::CommentInLine;
        StopAt(inLine ? ReadStop::UnfinishedLine : ReadStop::EndOfFile, -1);
    }
    return stop;
}
