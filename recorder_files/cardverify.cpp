#include "recorder_files/cardverify.h"

#include "common/printable.h"
#include "platform/fileplatform.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configwriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>
#include <bitset>

namespace
{

struct VerifyText {
    Q_DECLARE_TR_FUNCTIONS(CardVerify)
};

QString OnOff(bool on)
{
    return on ? VerifyText::tr("on") : VerifyText::tr("off");
}

QString SizeText(int value, const char* unit)
{
    return value == 0 ? VerifyText::tr("disable") : QString::number(value) + QLatin1String(unit);
}

QString RateText(int item)
{
    return item >= 0 && item < SampleRateCount ? QString::number(SampleRates[item].samplesPerSecond)
                                               : VerifyText::tr("item %1").arg(item);
}

QString TypeText(int item)
{
    return item >= 0 && item < WavTypeCount ? QString::fromLatin1(WavTypes[item].title)
                                            : VerifyText::tr("item %1").arg(item);
}

QString FieldText(ConfigField field, int value, int width = 0)
{
    return QString::fromLatin1(TimerFieldText(field, value, width));
}

QString DateText(const TimerSettings& t)
{
    return FieldText(ConfigField::TimerDay, t.day) + QLatin1Char('.') +
           FieldText(ConfigField::TimerMonth, t.month);
}

QString StartText(const TimerSettings& t)
{
    return FieldText(ConfigField::TimerHour, t.hour) + QLatin1Char(':') +
           FieldText(ConfigField::TimerMinute, t.minute, 2);
}

QString LengthText(const TimerSettings& t)
{
    return t.length == 0 ? VerifyText::tr("unlimited") : VerifyText::tr("%1 min").arg(t.length);
}

struct Differences {
    QStringList list;
    void Add(const QString& name, const QString& preset, const QString& card)
    {
        if (preset == card)
            return;
        // The first difference says which value is which; the others follow its order.
        if (list.isEmpty())
            list << VerifyText::tr("%1 %2 (preset) / %3 (card)").arg(name, preset, card);
        else
            list << VerifyText::tr("%1 %2 / %3").arg(name, preset, card);
    }
};

void TimerDifferences(const ConfigSettings& p, const ConfigSettings& c, Differences& d)
{
    for (int i = 0; i < TimerCount; ++i) {
        const TimerSettings& a = p.timers[i];
        const TimerSettings& b = c.timers[i];
        const QString timer = VerifyText::tr("timer %1").arg(i + 1);
        d.Add(timer, OnOff(a.enabled), OnOff(b.enabled));
        if (!a.enabled || !b.enabled)
            continue;
        d.Add(VerifyText::tr("timer %1 date").arg(i + 1), DateText(a), DateText(b));
        d.Add(VerifyText::tr("timer %1 start").arg(i + 1), StartText(a), StartText(b));
        d.Add(VerifyText::tr("timer %1 length").arg(i + 1), LengthText(a), LengthText(b));
    }
}

} // namespace

QStringList SettingDifferences(const ConfigSettings& p, const ConfigSettings& c)
{
    Differences d;
    d.Add(VerifyText::tr("sample rate"), RateText(WrittenSampleRateIndex(p.sampleRate)),
          RateText(WrittenSampleRateIndex(c.sampleRate)));
    d.Add(VerifyText::tr("wav type"), TypeText(WrittenWavTypeIndex(p.wavType)),
          TypeText(WrittenWavTypeIndex(c.wavType)));
    d.Add(VerifyText::tr("VAS"), OnOff(p.vasEnabled), OnOff(c.vasEnabled));
    if (p.vasEnabled && c.vasEnabled) {
        d.Add(VerifyText::tr("VAS on level"), QString::number(p.vasOnLevel),
              QString::number(c.vasOnLevel));
        d.Add(VerifyText::tr("VAS on time"), QString::number(p.vasOnTime),
              QString::number(c.vasOnTime));
        d.Add(VerifyText::tr("VAS off level"), QString::number(p.vasOffLevel),
              QString::number(c.vasOffLevel));
        d.Add(VerifyText::tr("VAS off time"), QString::number(p.vasOffTime),
              QString::number(c.vasOffTime));
    }
    d.Add(VerifyText::tr("loop size"), SizeText(p.loopSize, "Mb"), SizeText(c.loopSize, "Mb"));
    d.Add(VerifyText::tr("limit max"), SizeText(p.limitMax, "Mb"), SizeText(c.limitMax, "Mb"));
    d.Add(VerifyText::tr("limit min"), SizeText(p.limitMin, "kb"), SizeText(c.limitMin, "kb"));
    d.Add(VerifyText::tr("timers"), OnOff(p.timersEnabled), OnOff(c.timersEnabled));
    if (p.timersEnabled && c.timersEnabled)
        TimerDifferences(p, c, d);
    return d.list;
}

namespace
{

// The settings one line of config.ini sets together, as --verify names them: the first
// SimpleGroups, then one per timer.
constexpr const char* GroupNames[] = {QT_TRANSLATE_NOOP("CardVerify", "sample rate and type"),
                                      QT_TRANSLATE_NOOP("CardVerify", "VAS"),
                                      QT_TRANSLATE_NOOP("CardVerify", "VAS on level and time"),
                                      QT_TRANSLATE_NOOP("CardVerify", "VAS off level and time"),
                                      QT_TRANSLATE_NOOP("CardVerify", "loop"),
                                      QT_TRANSLATE_NOOP("CardVerify", "limits"),
                                      QT_TRANSLATE_NOOP("CardVerify", "timers")};
constexpr int SimpleGroups = int(std::size(GroupNames));
constexpr int GroupCount = SimpleGroups + TimerCount;
using Groups = std::bitset<GroupCount>;

int GroupOf(const ConfigAssignment& a)
{
    switch (a.field) {
    case ConfigField::SampleRate:
    case ConfigField::WavType:
        return 0;
    case ConfigField::VasEnable:
        return 1;
    case ConfigField::VasOnLevel:
    case ConfigField::VasOnTime:
        return 2;
    case ConfigField::VasOffLevel:
    case ConfigField::VasOffTime:
        return 3;
    case ConfigField::LoopSize:
        return 4;
    case ConfigField::LimitMax:
    case ConfigField::LimitMin:
        return 5;
    case ConfigField::TimersEnable:
        return 6;
    default:
        return SimpleGroups + std::clamp(a.panel, 0, TimerCount - 1);
    }
}

QString GroupName(int group)
{
    return group < SimpleGroups ? VerifyText::tr(GroupNames[group])
                                : VerifyText::tr("timer %1").arg(group - SimpleGroups + 1);
}

// The groups a file's settings would be written with, and of them those no line set.
Groups GroupsOf(const QList<ConfigAssignment>& assignments)
{
    Groups groups;
    for (const ConfigAssignment& a : assignments)
        groups.set(std::size_t(GroupOf(a)));
    return groups;
}

// Gives to the values of a group of from; the VAS levels go with VAS, the timers with
// "timers", as the recorder reads them only under those.
void CopyGroup(ConfigSettings& to, const ConfigSettings& from, int group)
{
    switch (group) {
    case 0:
        to.sampleRate = from.sampleRate;
        to.wavType = from.wavType;
        return;
    case 1:
        to.vasEnabled = from.vasEnabled;
        CopyGroup(to, from, 2);
        CopyGroup(to, from, 3);
        return;
    case 2:
        to.vasOnLevel = from.vasOnLevel;
        to.vasOnTime = from.vasOnTime;
        return;
    case 3:
        to.vasOffLevel = from.vasOffLevel;
        to.vasOffTime = from.vasOffTime;
        return;
    case 4:
        to.loopSize = from.loopSize;
        return;
    case 5:
        to.limitMax = from.limitMax;
        to.limitMin = from.limitMin;
        return;
    case 6:
        to.timersEnabled = from.timersEnabled;
        for (int i = 0; i < TimerCount; ++i)
            CopyGroup(to, from, SimpleGroups + i);
        return;
    default:
        to.timers[group - SimpleGroups] = from.timers[group - SimpleGroups];
    }
}

// A setting one file holds and the other leaves out differs: the recorder keeps its own
// value where its file holds none. Settings neither file holds are not compared: *card
// takes the preset's values for every setting one of them leaves out.
QStringList HeldDifferences(const PresetRead& preset, const PresetRead& read, ConfigSettings* card)
{
    const Groups both =
        GroupsOf(WrittenSettings(preset.settings)) & GroupsOf(WrittenSettings(read.settings));
    const Groups presetLacks = both & GroupsOf(preset.notInFile);
    const Groups cardLacks = both & GroupsOf(read.notInFile);
    QStringList notInCard, notInPreset;
    for (int g = 0; g < GroupCount; ++g) {
        if (cardLacks[g] && !presetLacks[g])
            notInCard << GroupName(g);
        if (presetLacks[g] && !cardLacks[g])
            notInPreset << GroupName(g);
        if (cardLacks[g] || presetLacks[g])
            CopyGroup(*card, preset.settings, g);
    }
    QStringList lines;
    if (!notInCard.isEmpty())
        lines << VerifyText::tr("not in the card's file: %1")
                     .arg(notInCard.join(QStringLiteral(", ")));
    if (!notInPreset.isEmpty())
        lines << VerifyText::tr("not in the preset's file: %1")
                     .arg(notInPreset.join(QStringLiteral(", ")));
    return lines;
}

QString Quoted(const QByteArray& line)
{
    return QLatin1Char('\'') + PrintableText(QString::fromLatin1(line), true) + QLatin1Char('\'');
}

// Reads the card's file as the form would, over its start settings; the lines that
// did not do all they ask, and why the reading ended early, go to *lines.
PresetRead ReadCardConfig(const QByteArray& bytes, const ComboItems& items, QStringList* lines)
{
    PresetRead card;
    card.settings = FormStartSettings(items);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto note = [&](const ConfigLine& line, const ParsedLine& parsed) {
        if (!TookEffect(parsed))
            *lines << VerifyText::tr("line %1 %2: %3")
                          .arg(line.number)
                          .arg(Quoted(line.text), ExplainConfigLine(parsed));
    };
    const ConfigReadResult read =
        ReadConfigSettings(buffer, card.settings, items.sampleRates, items.wavTypes, note);
    card.notInFile = read.notInFile;
    for (const QString& why : ExplainReadStop(read.stop, read.carriageReturns))
        *lines << (read.stop.pending.isEmpty() ? why
                                               : VerifyText::tr("line %1 %2: %3")
                                                     .arg(read.stop.lineNumber)
                                                     .arg(Quoted(read.stop.pending), why));
    if (read.lines == 0 && read.stop.pending.isEmpty())
        *lines << VerifyText::tr("no settings in the file");
    return card;
}

} // namespace

CardCheck VerifyCard(const QString& folder, const PresetRead& preset, const ComboItems& items,
                     const QString& configName, const QString& clockName)
{
    const QString shown = PrintableText(folder);
    const QString card = CardPathOfFolder(folder);
    QString failure = CardFolderProblem(folder, true);
    if (!failure.isEmpty())
        return {CardVerdict::Failed, QStringLiteral("FAILED %1: %2").arg(shown, failure)};
    QStringList differences;
    const QString fileName = card + configName;
    if (InspectFile(fileName).kind == FileKind::Missing) {
        differences << VerifyText::tr("no %1").arg(PrintableText(configName));
    } else {
        QByteArray bytes;
        failure = ReadSmallFile(fileName, MaxConfigFileSize, &bytes);
        if (!failure.isEmpty())
            return {
                CardVerdict::Failed,
                QStringLiteral("FAILED %1: ").arg(shown) +
                    VerifyText::tr("cannot read %1: %2").arg(PrintableText(configName), failure)};
        QStringList lines;
        const PresetRead read = ReadCardConfig(bytes, items, &lines);
        ConfigSettings settings = read.settings;
        differences << HeldDifferences(preset, read, &settings);
        differences << SettingDifferences(preset.settings, settings) << lines;
    }
    // A clock file just written is what the preset's write leaves; an old one would set
    // the recorder's clock back at its next start.
    const WaitingClock clock = FindWaitingClock(card, clockName);
    if (clock.waiting &&
        (!clock.time.isValid() || ClockIsStale(clock.time, QDateTime::currentDateTime())))
        differences << WaitingClockText(clock, clockName);
    if (differences.isEmpty())
        return {CardVerdict::Same, QStringLiteral("SAME %1").arg(shown)};
    return {CardVerdict::Differs,
            QStringLiteral("DIFFERS %1: %2").arg(shown, differences.join(QStringLiteral("; "))),
            int(differences.size())};
}

int VerifyCards(const QString& presetName, const QStringList& cards, const ComboItems& items,
                const QString& configName, const QString& clockName, QTextStream& out)
{
    QByteArray bytes;
    if (const QString error = ReadSmallFile(presetName, MaxConfigFileSize, &bytes);
        !error.isEmpty()) {
        out << VerifyText::tr("cannot read the preset %1: %2").arg(PrintableText(presetName), error)
            << '\n';
        return 2;
    }
    const PresetRead preset = ReadPreset(bytes, items);
    if (!preset.ok) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        CheckConfigDevice(buffer, out, items);
        out << VerifyText::tr("nothing compared: every line of %1 must take effect")
                   .arg(PrintableText(presetName))
            << '\n';
        return 2;
    }
    int result = 0;
    for (const QString& card : cards) {
        const CardCheck check = VerifyCard(card, preset, items, configName, clockName);
        out << check.text << '\n';
        out.flush();
        if (check.verdict == CardVerdict::Failed)
            result = 2;
        else if (check.verdict == CardVerdict::Differs && result == 0)
            result = 1;
    }
    return result;
}
