#include "recorder_files/configkeywords.h"

#include "recorder_files/configlines.h"

#include <algorithm>

const char TimerLineForm[] = "Tn,day.month,hour:minute,length";

namespace
{

// "a, b or c"
QByteArray OneOf(const QList<QByteArray>& words)
{
    QByteArray text;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += i + 1 == words.size() ? " or " : ", ";
        text += words[i];
    }
    return text;
}

struct Keyword {
    const char* name;
    const char* form;
};

const Keyword Keywords[] = {
    {"M", "M,rate,type"},
    {"VAS", "VAS=on or VAS=off"},
    {"VASon", "VASon=level,time"},
    {"VASoff", "VASoff=level,time"},
    {"Loop", "Loop=none or Loop=size"},
    {"Limit", "Limit=max,min"},
    {"Event", "Event=key, Event=all or Event=timer"},
    {"Tune", "Tune="},
};

QByteArray KeywordOf(const QByteArray& line)
{
    int end = 0;
    while (end < line.size() && !IsSeparator(line.at(end)) && line.at(end) != ' ')
        ++end;
    return line.left(end);
}

} // namespace

ParsedLine WithIssue(LineIssue issue, const QByteArray& word, const QByteArray& expected, int value,
                     int limit)
{
    ParsedLine p;
    p.issue = issue;
    p.word = word;
    p.expected = expected;
    p.value = value;
    p.limit = limit;
    return p;
}

ParsedLine AboveLimit(ConfigField field, int value)
{
    return WithIssue(LineIssue::ValueAboveLimit, Field(field).word, QByteArray(), value,
                     Field(field).maximum);
}

ParsedLine Malformed(const QByteArray& line, const char* form, int column)
{
    return WithIssue(LineIssue::Malformed, line.mid(column), form, column);
}

// A line that none of the keyword rules took: tell a wrong spelling from an unknown word.
ParsedLine KeywordProblem(const QByteArray& line)
{
    const QByteArray word = KeywordOf(line);
    const bool timer = word.size() >= 2 && (word.at(0) == 'T' || word.at(0) == 't') &&
                       std::all_of(word.begin() + 1, word.end(), IsDigit);
    if (timer) {
        if (word.at(0) == 't')
            return WithIssue(LineIssue::WrongCase, word, "T" + word.mid(1));
        return Malformed(line, TimerLineForm, word.size());
    }
    for (const Keyword& k : Keywords) {
        if (word == k.name)
            return Malformed(line, k.form, word.size());
        if (word.compare(k.name, Qt::CaseInsensitive) == 0)
            return WithIssue(LineIssue::WrongCase, word, k.name);
    }
    return WithIssue(LineIssue::UnknownKeyword, word.isEmpty() ? line.left(1) : word);
}

QByteArray RateCodeList()
{
    static const QByteArray list = [] {
        QList<QByteArray> codes;
        for (const SampleRateSpec& rate : SampleRates)
            codes << rate.code;
        return OneOf(codes);
    }();
    return list;
}

QByteArray TypeWordList()
{
    static const QByteArray list = [] {
        QList<QByteArray> words;
        for (const WavTypeSpec& type : WavTypes)
            words << type.word;
        return OneOf(words);
    }();
    return list;
}
