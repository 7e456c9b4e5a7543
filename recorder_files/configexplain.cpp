// The reader's results in words: what a line sets, why a line has no effect, what a file
// leaves out, the lines set again, why the reading stopped.
#include "recorder_files/configexplain.h"

#include "common/decimal.h"
#include "common/printable.h"
#include "recorder_files/configwriter.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

namespace
{

bool IsPrintableAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

} // namespace

QString PrintableLine(const QByteArray& bytes)
{
    // Most lines are printable ASCII already: those need no second copy.
    if (IsPrintableAscii(bytes))
        return QString::fromLatin1(bytes);
    return PrintableText(QLatin1String(bytes), true);
}

void WritePrintableLine(QTextStream& out, const QByteArray& bytes)
{
    if (IsPrintableAscii(bytes))
        out << QLatin1String(bytes);
    else
        out << PrintableText(QLatin1String(bytes), true);
}

namespace
{

// The texts are written Text::tr("...") so that lupdate finds them.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigCheck)
};

QString Quoted(const QByteArray& bytes)
{
    if (!IsPrintableAscii(bytes))
        return QLatin1Char('\'') + PrintableText(QLatin1String(bytes), true) + QLatin1Char('\'');
    QString quoted;
    quoted.reserve(bytes.size() + 2);
    quoted += QLatin1Char('\'');
    quoted += QLatin1String(bytes);
    quoted += QLatin1Char('\'');
    return quoted;
}

QString SampleRateText(int index)
{
    if (index < 0 || index >= SampleRateCount)
        return QString::number(index);
    return Text::tr("%1 samples per second (item %2)")
        .arg(Decimal(SampleRates[index].samplesPerSecond).text(), Decimal(index).text());
}

QString WavTypeText(int index)
{
    if (index < 0 || index >= WavTypeCount)
        return QString::number(index);
    return Text::tr("%1 (item %2)")
        .arg(QLatin1String(WavTypes[index].title), Decimal(index).text());
}

QString SizeText(int value, const char* unit)
{
    if (value == 0)
        return Text::tr("disable");
    return QString::number(value) + QLatin1Char(' ') + QLatin1String(unit);
}

QString TimerField(ConfigField field, int value, int width = 0)
{
    return QString::fromLatin1(TimerFieldText(field, value, width));
}

QString OnOff(int value)
{
    return value != 0 ? Text::tr("on") : Text::tr("off");
}

// One assignment in words, as a line that sets it alone would tell it.
QString DescribeOne(const ConfigAssignment& a)
{
    switch (a.field) {
    case ConfigField::SampleRate:
        return Text::tr("sets sample rate to %1").arg(SampleRateText(a.value));
    case ConfigField::WavType:
        return Text::tr("sets wav type to %1").arg(WavTypeText(a.value));
    case ConfigField::VasEnable:
        return Text::tr("switches VAS %1").arg(OnOff(a.value));
    case ConfigField::VasOnLevel:
        return Text::tr("sets VAS on level to %1").arg(Decimal(a.value).text());
    case ConfigField::VasOffLevel:
        return Text::tr("sets VAS off level to %1").arg(Decimal(a.value).text());
    case ConfigField::VasOnTime:
        return Text::tr("sets VAS on time to %1").arg(Decimal(a.value).text());
    case ConfigField::VasOffTime:
        return Text::tr("sets VAS off time to %1").arg(Decimal(a.value).text());
    case ConfigField::LoopSize:
        return a.value == 0 ? Text::tr("switches loop writing off")
                            : Text::tr("sets loop size to %1 Mb").arg(Decimal(a.value).text());
    case ConfigField::LimitMax:
        return Text::tr("sets limit max to %1").arg(SizeText(a.value, "Mb"));
    case ConfigField::LimitMin:
        return Text::tr("sets limit min to %1").arg(SizeText(a.value, "kb"));
    case ConfigField::TimersEnable:
        return Text::tr("switches timers %1").arg(OnOff(a.value));
    case ConfigField::TimerEnable:
        return Text::tr("switches timer %1 %2").arg(Decimal(a.panel + 1).text(), OnOff(a.value));
    default: // month, day, hour, minute, length of a timer
        return Text::tr("sets timer %1 %2 to %3")
            .arg(Decimal(a.panel + 1).text(), QLatin1String(Field(a.field).word),
                 Decimal(a.value).text());
    }
}

// Two assignments that one line always sets together, in words; empty when a and b
// are no such pair.
QString DescribePair(const ConfigAssignment& a, const ConfigAssignment& b)
{
    if (a.field == ConfigField::SampleRate && b.field == ConfigField::WavType)
        return Text::tr("sets sample rate to %1 and wav type to %2")
            .arg(SampleRateText(a.value), WavTypeText(b.value));
    if (a.field == ConfigField::VasOnLevel && b.field == ConfigField::VasOnTime)
        return Text::tr("sets VAS on level to %1 and VAS on time to %2")
            .arg(Decimal(a.value).text(), Decimal(b.value).text());
    if (a.field == ConfigField::VasOffLevel && b.field == ConfigField::VasOffTime)
        return Text::tr("sets VAS off level to %1 and VAS off time to %2")
            .arg(Decimal(a.value).text(), Decimal(b.value).text());
    if (a.field == ConfigField::LimitMax && b.field == ConfigField::LimitMin)
        return Text::tr("sets limit max to %1 and limit min to %2")
            .arg(SizeText(a.value, "Mb"), SizeText(b.value, "kb"));
    return QString();
}

// A timer switched on comes with its five fields, in the order the controls are set:
// month, day, hour, minute, length. Empty when sets[i] does not start such a group.
QString DescribeTimerOn(const LineAssignments& sets, qsizetype i)
{
    const ConfigAssignment& a = sets[i];
    if (a.field != ConfigField::TimerEnable || a.value == 0 || i + 5 >= sets.size() ||
        sets[i + 1].field != ConfigField::TimerMonth ||
        sets[i + 5].field != ConfigField::TimerLength)
        return QString();
    const int month = sets[i + 1].value;
    const int day = sets[i + 2].value;
    const int hour = sets[i + 3].value;
    const int minute = sets[i + 4].value;
    const int length = sets[i + 5].value;
    QByteArray when;
    when.reserve(16);
    AppendTimerField(when, ConfigField::TimerDay, day);
    when += '.';
    AppendTimerField(when, ConfigField::TimerMonth, month);
    when += ' ';
    AppendTimerField(when, ConfigField::TimerHour, hour);
    when += ':';
    AppendTimerField(when, ConfigField::TimerMinute, minute, 2);
    const QString lasting =
        length == 0 ? Text::tr("unlimited") : Text::tr("%1 min").arg(Decimal(length).text());
    return Text::tr("switches timer %1 on: %2, %3")
        .arg(Decimal(a.panel + 1).text(), QLatin1String(when), lasting);
}

// The assignments of one line in words; those that one line always sets together are
// told together.
QString DescribeSets(const LineAssignments& sets)
{
    QString all;
    for (qsizetype i = 0; i < sets.size(); ++i) {
        QString text = DescribeTimerOn(sets, i);
        if (!text.isEmpty()) {
            i += 5;
        } else if (i + 1 < sets.size() && !(text = DescribePair(sets[i], sets[i + 1])).isEmpty()) {
            i += 1;
        } else {
            text = DescribeOne(sets[i]);
        }
        if (all.isEmpty())
            all = std::move(text);
        else
            all += QStringLiteral(", ") + text;
    }
    return all;
}

QString WhyNoEffect(const ParsedLine& p)
{
    switch (p.issue) {
    case LineIssue::UnknownKeyword:
        return Text::tr("unknown keyword %1").arg(Quoted(p.word));
    case LineIssue::WrongCase:
        if (p.word == p.word.toLower())
            return Text::tr("lower-case %1: keywords are case-sensitive").arg(Quoted(p.word));
        return Text::tr("%1 is not %2: keywords are case-sensitive")
            .arg(Quoted(p.word), Quoted(p.expected));
    case LineIssue::UnknownValue:
        return Text::tr("unknown value %1: expected %2")
            .arg(Quoted(p.word), QLatin1String(p.expected));
    case LineIssue::Malformed: {
        const QString where =
            p.word.isEmpty()
                ? Text::tr("the line ends at column %1").arg(Decimal(p.value + 1).text())
                : Text::tr("cannot read %1 at column %2")
                      .arg(Quoted(p.word), Decimal(p.value + 1).text());
        return Text::tr("%1, expected %2").arg(where, QLatin1String(p.expected));
    }
    case LineIssue::ValueAboveLimit:
        return Text::tr("value %1 above %2 for %3")
            .arg(Decimal(p.value).text(), Decimal(p.limit).text(), QLatin1String(p.word));
    case LineIssue::LoopZero:
        return Text::tr("loop size 0 is not accepted: Loop=none switches loop writing off");
    case LineIssue::UnknownRateCode:
        return Text::tr("unknown sample-rate code %1: expected %2")
            .arg(Quoted(p.word), QLatin1String(p.expected));
    case LineIssue::TimerDoesNotExist:
        return Text::tr("timer %1 does not exist").arg(QLatin1String(p.word));
    case LineIssue::NotUsed:
        return Text::tr("%1 lines are ignored").arg(Quoted(p.word));
    default:
        return QString();
    }
}

} // namespace

namespace
{

// The line without what the form's lists lack.
QString ExplainParsed(const ParsedLine& p)
{
    QString sets = DescribeSets(p.sets);
    switch (p.issue) {
    case LineIssue::None:
        return sets;
    case LineIssue::IgnoredTail:
        return Text::tr("%1; %2 after the number is ignored").arg(sets, Quoted(p.word));
    case LineIssue::UnknownWavType:
        return Text::tr("%1; wav type unchanged: unknown type word %2, expected %3")
            .arg(sets, Quoted(p.word), QLatin1String(p.expected));
    case LineIssue::TimerOutOfRange:
        return Text::tr("%1 %2 out of range: timer %3 switched off")
            .arg(QLatin1String(p.word), Decimal(p.value).text(), Decimal(p.panel + 1).text());
    case LineIssue::TimerAllUnspecified:
        return Text::tr("every date and time field is '*': timer %1 switched off")
            .arg(Decimal(p.panel + 1).text());
    default:
        return Text::tr("no effect: %1").arg(WhyNoEffect(p));
    }
}

// Why an item the line selects is not taken: the combo box has no such item.
QString WhyItemLacks(const ConfigAssignment& a)
{
    if (a.field == ConfigField::SampleRate)
        return Text::tr("the sample-rate list of the preferences (HSample) has no item %1")
            .arg(Decimal(a.value).text());
    return Text::tr("the WAV-type list of the preferences (HMode) has no item %1")
        .arg(Decimal(a.value).text());
}

} // namespace

QString ExplainConfigLine(const ParsedLine& p)
{
    if (p.lacking.isEmpty())
        return ExplainParsed(p);
    QStringList why;
    for (const ConfigAssignment& a : p.lacking)
        why << WhyItemLacks(a);
    if (p.sets.isEmpty()) { // the "M" line, with neither of its items taken
        if (p.issue == LineIssue::UnknownWavType)
            why << Text::tr("unknown type word %1, expected %2")
                       .arg(Quoted(p.word), QLatin1String(p.expected));
        return Text::tr("no effect: %1").arg(why.join(QStringLiteral("; ")));
    }
    QStringList parts(ExplainParsed(p));
    for (const ConfigAssignment& a : p.lacking)
        parts << Text::tr("%1 unchanged: %2")
                     .arg(QLatin1String(Field(a.field).word), WhyItemLacks(a));
    return parts.join(QStringLiteral("; "));
}

QString DescribeNotInFile(const QList<ConfigAssignment>& kept)
{
    if (kept.isEmpty())
        return QString();
    QString text = Text::tr("Not in the file, these settings keep the form's values (Save writes "
                            "them):") +
                   QLatin1Char('\n');
    for (const ConfigAssignment& a : kept) {
        const QString word = QLatin1String(Field(a.field).word);
        QString name = word;
        QString value = QString::number(a.value);
        switch (a.field) {
        case ConfigField::SampleRate:
            value = SampleRateText(a.value);
            break;
        case ConfigField::WavType:
            value = WavTypeText(a.value);
            break;
        case ConfigField::VasEnable:
        case ConfigField::TimersEnable:
            value = OnOff(a.value);
            break;
        case ConfigField::LoopSize:
        case ConfigField::LimitMax:
            value = SizeText(a.value, "Mb");
            break;
        case ConfigField::LimitMin:
            value = SizeText(a.value, "kb");
            break;
        case ConfigField::TimerEnable:
            name = Text::tr("timer %1").arg(Decimal(a.panel + 1).text());
            value = OnOff(a.value);
            break;
        case ConfigField::TimerMonth:
        case ConfigField::TimerDay:
        case ConfigField::TimerHour:
        case ConfigField::TimerMinute:
        case ConfigField::TimerLength:
            name = Text::tr("timer %1 %2").arg(Decimal(a.panel + 1).text(), word);
            value = TimerField(a.field, a.value);
            break;
        default:
            break;
        }
        text += QStringLiteral("    ") + Text::tr("%1: %2").arg(name, value) + QLatin1Char('\n');
    }
    return text;
}

QStringList DescribeSetAgain(const QList<SetAgain>& again)
{
    QStringList lines;
    for (qsizetype i = 0; i < again.size();) {
        const SetAgain& pair = again[i];
        QStringList names;
        for (;
             i < again.size() && again[i].firstLine == pair.firstLine && again[i].line == pair.line;
             ++i) {
            const ConfigAssignment& a = again[i].setting;
            const QString name = a.field >= ConfigField::TimerEnable
                                     ? Text::tr("timer %1").arg(Decimal(a.panel + 1).text())
                                     : Text::tr("the %1").arg(QLatin1String(Field(a.field).word));
            if (!names.contains(name))
                names << name;
        }
        lines << (names.size() == 1 ? Text::tr("line %1 sets %2; line %3 sets it again")
                                    : Text::tr("line %1 sets %2; line %3 sets them again"))
                     .arg(Decimal(pair.firstLine).text(), names.join(Text::tr(" and ")),
                          Decimal(pair.line).text());
    }
    return lines;
}

QStringList ExplainReadStop(const ReadStopInfo& stop, qint64 carriageReturns)
{
    QStringList lines;
    const bool oneLine = carriageReturns == 0 && (stop.reason == ReadStop::LineTooLong ||
                                                  stop.reason == ReadStop::UnfinishedLine);
    if (oneLine)
        lines << Text::tr("no carriage return at all: the file is read as one line");
    switch (stop.reason) {
    case ReadStop::EndOfFile:
        break;
    case ReadStop::UnfinishedLine:
        lines << Text::tr("last line has no carriage return and is not applied");
        break;
    case ReadStop::ForbiddenByte:
        lines << Text::tr("byte 0x%1 at offset %2: reading stops here, the rest of the file is "
                          "ignored")
                     .arg(stop.byte, 2, 16, QLatin1Char('0'))
                     .arg(Decimal(stop.offset).text());
        break;
    case ReadStop::LineTooLong:
        lines << Text::tr("line of %1 characters: reading stops here, the rest of the file is "
                          "ignored")
                     .arg(stop.pending.size());
        break;
    }
    return lines;
}
