#include "recorder_files/configlines.h"

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
    } else if (IsForbidden(c)) {
        StopAt(ReadStop::ForbiddenByte, c);
    } else {
        line += char(c);
        appended = true;
    }
    if (appended && line.size() > MaxConfigLineLength)
        StopAt(ReadStop::LineTooLong, -1);
}

bool ConfigLineReader::Feed(const char* data, qsizetype size,
                            const std::function<void(const ConfigLine&)>& onLine)
{
    for (qsizetype i = 0; i < size && !stopped; ++i, ++position) {
        const uchar c = static_cast<uchar>(data[i]);
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
