#include "recorder_files/season.h"

#include "common/printable.h"
#include "platform/fileplatform.h"
#include "recorder_files/batchwrite.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configlines.h"
#include "recorder_files/deployment.h"
#include "recorder_files/schedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace
{

struct SeasonText {
    Q_DECLARE_TR_FUNCTIONS(Season)
};

// The largest recordings.csv read: a card of a few hundred thousand files.
constexpr qint64 MaxRecordingList = 256 * 1024 * 1024;

QString DateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

// The label and serial --collect named the card's folder after ("REC01_1A2B-3C4D"); a name
// without a FAT serial at its end is a label alone.
CardIdentity IdentityOfName(const QString& name)
{
    static const QRegularExpression serial(
        QStringLiteral("^(.*)_([0-9A-Fa-f]{4}-[0-9A-Fa-f]{4})$"));
    const QRegularExpressionMatch match = serial.match(name);
    if (match.hasMatch())
        return CardIdentity{match.captured(1), match.captured(2)};
    if (QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}$"))
            .match(name)
            .hasMatch())
        return CardIdentity{QString(), name};
    return CardIdentity{name, QString()};
}

// The card a card folder of the archive holds: its mark (".plimo-card": label, serial, one a
// line), else the label and serial its name is made of.
CardIdentity IdentityOfCard(const QString& folder)
{
    QByteArray mark;
    ReadSmallFile(folder + QStringLiteral("/.plimo-card"), 4096, &mark);
    const QStringList lines = QString::fromUtf8(mark).split(QLatin1Char('\n'));
    if (lines.size() >= 3)
        return CardIdentity{lines[0], lines[1]};
    return IdentityOfName(QFileInfo(folder).fileName());
}

// A file time of recordings.csv ("2026-06-14T10:00:00+02:00") as the recorder's clock read
// it: its date and time of day as written.
QDateTime ClockTime(const QString& text)
{
    const QDateTime written = QDateTime::fromString(text, Qt::ISODate);
    return written.isValid() ? QDateTime(written.date(), written.time()) : written;
}

} // namespace

bool IsCollectionFolder(const QString& folder, CollectionFolder* collection)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QFileInfo info(path);
    const QDate date = QDate::fromString(info.fileName(), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() ||
        !QFileInfo(path + QLatin1Char('/') + QLatin1String(RecordingListFile)).isFile())
        return false;
    if (collection) {
        collection->folder = path + QLatin1Char('/');
        collection->card = QFileInfo(info.path()).fileName();
        collection->identity = IdentityOfCard(info.path());
        collection->date = date;
    }
    return true;
}

DayByDayOptions CollectionDayOptions(const CollectionFolder& c, const QString& recordFile)
{
    DayByDayOptions options;
    options.pickup = c.date;
    // The card was in hand by the time its list was written; when it came out of the
    // recorder that day is not known closer.
    const QDateTime listed = QFileInfo(c.folder + QLatin1String(RecordingListFile)).lastModified();
    options.pickupTime = listed.date() == c.date ? listed.time() : QTime();
    if (!recordFile.isEmpty())
        options.deployment = LastCardWrite(recordFile, c.identity, QDateTime(c.date, QTime(0, 0)));
    return options;
}

QList<RecordingTime> ReadRecordingList(const QString& fileName, QString* error)
{
    QByteArray bytes;
    *error = ReadSmallFile(fileName, MaxRecordingList, &bytes);
    if (!error->isEmpty())
        return {};
    const QList<QStringList> rows = CsvRows(bytes);
    const QStringList header = rows.value(0);
    const qsizetype path = header.indexOf(QLatin1String("card path"));
    const qsizetype time = header.indexOf(QLatin1String("file time"));
    const qsizetype playing = header.indexOf(QLatin1String("playing seconds"));
    if (qMin(path, qMin(time, playing)) < 0) {
        *error = SeasonText::tr(
            "no list of recordings: its first line is not the header --collect writes");
        return {};
    }
    QList<RecordingTime> recordings;
    recordings.reserve(rows.size());
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        bool ok = false;
        const double seconds = row.value(playing).toDouble(&ok);
        if (!ok)
            continue; // no recording, or one whose header could not be read
        const qint64 ms = qRound64(seconds * 1000);
        recordings << RecordingTime{ClockTime(row.value(time)), ms, row.value(path), ms};
    }
    return recordings;
}

namespace
{

// One collection folder read: its recordings and schedule.
struct Collected {
    CollectionFolder where;
    DayByDayOptions options;
    QList<RecordingTime> recordings;
    bool scheduleKnown = false;
    ScheduleInput schedule;
    QStringList problems;
};

Collected ReadCollection(const CollectionFolder& where, const SeasonOptions& o)
{
    Collected c{where, CollectionDayOptions(where, o.recordFile), {}, false, {}, {}};
    QString error;
    c.recordings = ReadRecordingList(where.folder + QLatin1String(RecordingListFile), &error);
    if (!error.isEmpty())
        c.problems << SeasonText::tr("%1%2: %3")
                          .arg(where.folder, QLatin1String(RecordingListFile), error);
    const QString config = where.folder + o.configName;
    if (InspectFile(config).kind == FileKind::Missing)
        return c;
    QByteArray bytes;
    error = ReadSmallFile(config, MaxConfigFileSize, &bytes);
    if (!error.isEmpty()) {
        c.problems << SeasonText::tr("%1: %2").arg(config, error);
        return c;
    }
    c.schedule = ScheduleInputOf(ReadPreset(bytes, o.items).settings);
    c.scheduleKnown = true;
    return c;
}

// The collections of one deployment as one: each recording once (by its card path and
// time), the schedule and the pickup of the last.
SeasonCard MakeCard(const QList<Collected>& parts)
{
    const Collected& last = parts.last();
    SeasonCard card{last.where.card, last.where.identity, {}, {}, 0, 0, {}};
    QList<RecordingTime> recordings;
    QSet<QString> seen;
    for (const Collected& part : parts) {
        card.collections << part.where.folder;
        card.problems << part.problems;
        for (const RecordingTime& r : part.recordings) {
            if (parts.size() == 1 || !seen.contains(r.file + r.time.toString(Qt::ISODate))) {
                if (parts.size() > 1)
                    seen.insert(r.file + r.time.toString(Qt::ISODate));
                recordings << r;
                card.milliseconds += r.milliseconds;
            }
        }
    }
    card.recordings = int(recordings.size());
    card.days =
        MakeDayByDay(recordings, last.scheduleKnown ? &last.schedule : nullptr, last.options);
    return card;
}

QStringList SubFolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

Season ReadSeason(const QString& archive, const SeasonOptions& o)
{
    Season season;
    season.archive = QDir::cleanPath(QFileInfo(archive).absoluteFilePath()) + QLatin1Char('/');
    const QFileInfo info(season.archive);
    if (!info.isDir() || !info.isReadable()) {
        season.error = info.exists()
                           ? SeasonText::tr("cannot read the folder %1").arg(PrintableText(archive))
                           : SeasonText::tr("no folder %1").arg(PrintableText(archive));
        return season;
    }
    for (const QString& name : SubFolders(season.archive)) {
        QList<Collected> deployment;
        for (const QString& date : SubFolders(season.archive + name)) {
            CollectionFolder where;
            if (!IsCollectionFolder(season.archive + name + QLatin1Char('/') + date, &where))
                continue;
            Collected c = ReadCollection(where, o);
            if (!deployment.isEmpty() &&
                deployment.last().options.deployment != c.options.deployment) {
                season.cards << MakeCard(deployment);
                deployment.clear();
            }
            deployment << c;
        }
        if (!deployment.isEmpty())
            season.cards << MakeCard(deployment);
    }
    if (season.cards.isEmpty())
        season.error = SeasonText::tr("%1 holds no collection: no folder <card>/<YYYY-MM-DD>/ with "
                                      "a %2, as --collect makes them")
                           .arg(PrintableText(archive), QLatin1String(RecordingListFile));
    return season;
}

int SeasonCard::DaysRecorded() const
{
    return int(std::count_if(days.days.cbegin(), days.days.cend(), [](const DayFigures& d) {
        return d.recordedMilliseconds > 0 || d.recordings > 0;
    }));
}

int SeasonCard::DaysWithout() const
{
    return int(std::count_if(days.days.cbegin(), days.days.cend(), [](const DayFigures& d) {
        return d.recordedMilliseconds == 0 && d.recordings == 0 && d.scheduledMinutes != 0;
    }));
}

int SeasonCard::WrongClock() const
{
    return days.unsetClock.count + days.ahead.count + days.beforeDeployment.count;
}

QString SeasonCard::Station() const
{
    return identity.label.isEmpty() ? card : identity.label;
}

DayState StateOf(const DayFigures& day, const DayByDay& days)
{
    const bool recorded = day.recordedMilliseconds > 0 || day.recordings > 0;
    if (day.scheduledMinutes < 0 || days.vasEnabled)
        return recorded ? DayState::Full : DayState::None;
    if (day.scheduledMinutes == 0)
        return recorded ? DayState::Full : DayState::Idle;
    if (!recorded)
        return DayState::None;
    return day.RecordedMinutes() >= day.scheduledMinutes ? DayState::Full : DayState::Partly;
}

namespace
{

QString CardLine(const SeasonCard& c)
{
    const bool known = !c.days.days.isEmpty();
    QString line = QStringLiteral("%1 %2: ").arg(
        c.NeedsALook() ? QStringLiteral("LOOK") : QStringLiteral("OK"), PrintableText(c.card));
    if (known)
        line += SeasonText::tr("%1 to %2, ")
                    .arg(DateText(c.days.days.first().date), DateText(c.days.pickup));
    line += SeasonText::tr("%1 of %2 days recorded, %3, %4 days without recordings, "
                           "%5 recordings from a clock set wrong")
                .arg(c.DaysRecorded())
                .arg(c.days.days.size())
                .arg(PlayingTimeText(c.milliseconds))
                .arg(c.DaysWithout())
                .arg(c.WrongClock());
    return line;
}

} // namespace

QStringList SeasonLines(const Season& season)
{
    if (!season.error.isEmpty())
        return {SeasonText::tr("FAILED %1: %2").arg(PrintableText(season.archive), season.error)};
    QStringList lines;
    int look = 0, recorded = 0, deployed = 0;
    qint64 ms = 0;
    for (const SeasonCard& c : season.cards) {
        lines << CardLine(c);
        for (const QString& text : c.problems + DayByDayNotes(c.days))
            lines << QStringLiteral("    ") + text;
        look += c.NeedsALook() ? 1 : 0;
        recorded += c.DaysRecorded();
        deployed += int(c.days.days.size());
        ms += c.milliseconds;
    }
    lines << SeasonText::tr("season %1: %2 deployments, %3 need a look; %4 of %5 days recorded, %6")
                 .arg(PrintableText(season.archive), QString::number(season.cards.size()),
                      QString::number(look), QString::number(recorded), QString::number(deployed),
                      PlayingTimeText(ms));
    return lines;
}

int SeasonExitCode(const Season& season)
{
    if (!season.error.isEmpty())
        return 2;
    return std::any_of(season.cards.cbegin(), season.cards.cend(),
                       [](const SeasonCard& c) { return c.NeedsALook(); })
               ? 1
               : 0;
}

namespace
{

QByteArray Number(qint64 n)
{
    return QByteArray::number(n);
}

// A day's note in season.csv: a day without recordings where the schedule writes, and on
// the deployment's first day the recordings its clock dated outside it.
QString DayNote(const SeasonCard& c, qsizetype index)
{
    const DayFigures& day = c.days.days[index];
    QStringList notes;
    if (index == 0 && c.WrongClock() > 0)
        notes << QStringLiteral("%1 recordings from a clock set wrong").arg(c.WrongClock());
    if (day.recordedMilliseconds == 0 && day.recordings == 0 && day.scheduledMinutes > 0)
        notes << QStringLiteral("no recordings where the schedule writes");
    return notes.join(QStringLiteral("; "));
}

} // namespace

QByteArray SeasonTable(const Season& season)
{
    QByteArray text =
        "card,label,serial,date,minutes recorded,minutes scheduled,recordings,note\r\n";
    for (const SeasonCard& c : season.cards) {
        const QByteArrayList card = {CsvField(c.card), CsvField(c.identity.label),
                                     CsvField(c.identity.serial)};
        for (qsizetype i = 0; i < c.days.days.size(); ++i) {
            const DayFigures& day = c.days.days[i];
            text += CsvLine(
                card + QByteArrayList{DateText(day.date).toLatin1(), Number(day.RecordedMinutes()),
                                      day.scheduledMinutes < 0 ? QByteArray()
                                                               : Number(day.scheduledMinutes),
                                      Number(day.recordings), CsvField(DayNote(c, i))});
        }
    }
    return text;
}

QByteArray DeploymentTable(const Season& season)
{
    qsizetype problems = 0;
    for (const SeasonCard& c : season.cards)
        problems = qMax(problems, c.days.gaps.size());
    QByteArrayList header = {"Station", "Camera", "Setup_date", "Retrieval_date"};
    for (qsizetype i = 1; i <= problems; ++i)
        header << "Problem" + Number(i) + "_from"
               << "Problem" + Number(i) + "_to";
    QByteArray text = CsvLine(header);
    for (const SeasonCard& c : season.cards) {
        if (c.days.days.isEmpty())
            continue;
        QByteArrayList row = {CsvField(c.Station()), CsvField(c.identity.serial),
                              DateText(c.days.days.first().date).toLatin1(),
                              DateText(c.days.pickup).toLatin1()};
        for (const RecordingGap& gap : c.days.gaps)
            row << DateText(gap.from).toLatin1() << DateText(gap.to).toLatin1();
        while (row.size() < header.size())
            row << QByteArray();
        text += CsvLine(row);
    }
    return text;
}
