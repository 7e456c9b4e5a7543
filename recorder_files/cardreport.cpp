// plimo-configurator --inspect and the window's card report: a card read, never written.
#include "recorder_files/cardreport.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "common/printable.h"
#include "platform/copyplatform.h"
#include "platform/fileplatform.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configwriter.h"
#include "recorder_files/deployment.h"
#include "recorder_files/derived.h"
#include "recorder_files/interruptedwrites.h"
#include "recorder_files/schedulewording.h"
#include "recorder_files/season.h"
#include "recorder_files/wavheader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTextStream>

namespace
{

struct CardText {
    Q_DECLARE_TR_FUNCTIONS(CardReport)
};

// How a file of the card is named in the report: from the card folder on, safe for a
// terminal.
QString Shown(const QString& relative)
{
    return PrintableText(relative);
}

// Measures one recording by its sound; a file whose header cannot be read is counted
// apart, as unreadable.
void AddRecording(const WavInfo& info, qint64 size, const QDateTime& time, const QString& shown,
                  RecordingsSummary& s)
{
    if (!info.ok) {
        s.unreadable << CardText::tr("%1: %2").arg(shown, info.error);
        return;
    }
    ++s.count;
    s.bytes += size;
    s.milliseconds += info.milliseconds;
    if (time.isValid() && (!s.oldest.isValid() || time < s.oldest))
        s.oldest = time;
    if (time.isValid() && (!s.newest.isValid() || time > s.newest))
        s.newest = time;
    if (!info.note.isEmpty())
        s.notes
            << CardText::tr("%1: %2, %3").arg(shown, info.note, PlayingTimeText(info.milliseconds));
    s.times << RecordingTime{time, info.milliseconds, shown, info.headerMilliseconds};
}

// A recording whose name is no valid UTF-8 is named so in the report, its bytes escaped.
WavInfo NamedUndecodable(WavInfo info)
{
    const QString why = CardText::tr("its name is not valid UTF-8");
    info.note = info.note.isEmpty() ? why : info.note + QStringLiteral("; ") + why;
    return info;
}

// Reads a recording's header, opened by the system's bytes without following a link.
WavInfo MeasureCardFile(const QByteArray& fileName, qint64 headBytes)
{
    FileStamp stamp;
    QString reason;
    const int fd = OpenSourceFile(fileName, &stamp, &reason);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            CloseHandle(fd);
        WavInfo failed;
        failed.error = fd < 0 ? reason : file.errorString();
        return failed;
    }
    return MeasureWavFile(file, headBytes);
}

} // namespace

RecordingsSummary SummariseRecordings(const QString& folder, const RecordingBounds& bounds,
                                      const QStringList& ownFiles)
{
    RecordingsSummary summary;
    summary.error = CardFolderProblem(folder, true);
    if (!summary.error.isEmpty())
        return summary;
    CardListing listing = ListCardFiles(CardPathOfFolder(folder), bounds, ownFiles);
    summary.readable = listing.error.isEmpty();
    summary.error = listing.error;
    summary.moreFiles = listing.moreFiles;
    for (const QString& folderLine : std::as_const(listing.unlistable))
        summary.unreadable << folderLine;
    const QByteArray card = QFile::encodeName(CardPathOfFolder(folder));
    for (CardFile& file : listing.files) {
        if (!file.IsRecordingName())
            continue;
        if (file.kind != EntryKind::File) {
            summary.skipped << CardText::tr("%1: skipped: %2").arg(file.Shown(), file.NotAFile());
            continue;
        }
        file.measured = true;
        file.wav = MeasureCardFile(card + file.path, bounds.headBytes);
        if (!file.IsText())
            file.wav = NamedUndecodable(file.wav);
        AddRecording(file.wav, file.size, file.time, file.Shown(), summary);
    }
    summary.files = std::move(listing.files);
    return summary;
}

QString PlayingTimeText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    const qint64 h = seconds / 3600, min = seconds / 60 % 60, sec = seconds % 60;
    QStringList parts;
    if (h > 0)
        parts << CardText::tr("%1 h").arg(h);
    if (h > 0 || min > 0)
        parts << CardText::tr("%1 min").arg(min);
    if (sec > 0 || parts.isEmpty())
        parts << CardText::tr("%1 s").arg(sec);
    return parts.join(QLatin1Char(' '));
}

QString RecordingsText(const RecordingsSummary& s)
{
    QStringList parts;
    if (s.count > 0)
        parts << (s.count == 1 ? CardText::tr("1 recording")
                               : CardText::tr("%1 recordings").arg(s.count))
              << PlayingTimeText(s.milliseconds);
    if (!s.unreadable.isEmpty())
        parts << CardText::tr("%1 unreadable").arg(s.unreadable.size());
    return parts.join(QStringLiteral(", "));
}

namespace
{

void IndentInto(const QString& text, const QString& indent, QStringList& lines)
{
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines << indent + line;
}

// The --check verdict, the lines that did not take effect and the schedule summary of
// the card's config.ini; settings receive what the form would hold after loading it.
// Returns --check's exit code: 0 every line took effect (or there is no config.ini), 1
// not, 2 it cannot be read.
int ConfigSection(const QString& fileName, const QString& name, const ComboItems& items,
                  QStringList& lines, ConfigSettings* settings, bool* present)
{
    *present = InspectFile(fileName).kind != FileKind::Missing;
    if (!*present) {
        lines << CardText::tr("%1: none on the card").arg(name);
        return 0;
    }
    QByteArray bytes;
    const QString error = ReadSmallFile(fileName, MaxConfigFileSize, &bytes);
    if (!error.isEmpty()) {
        lines << CardText::tr("%1: cannot read it: %2").arg(name, error);
        return 2;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QString check;
    QTextStream out(&check);
    const int code = CheckConfigDevice(buffer, out, items, FreeSpacePlan(), false);
    out.flush();
    QStringList checked = check.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines << QStringLiteral("%1: %2").arg(name,
                                          checked.isEmpty() ? QString() : checked.takeFirst());
    IndentInto(checked.join(QLatin1Char('\n')), QStringLiteral("    "), lines);
    *settings = ReadPreset(bytes, items).settings;
    return code;
}

QString FullText(const ConfigSettings* settings, qint64 freeBytes, const QDate& today)
{
    if (!settings)
        return CardText::tr("no config.ini to tell when it is full");
    return FullnessText(MakeSchedule(ScheduleInputOf(*settings)), freeBytes, today);
}

QString ClockText(const QString& folder, const QString& clockName)
{
    const WaitingClock clock = FindWaitingClock(folder, clockName);
    if (clock.waiting) {
        QString text = WaitingClockText(clock, clockName);
        if (clock.time.isValid() && ClockIsStale(clock.time, QDateTime::currentDateTime()))
            text += CardText::tr(", not the time now");
        return text + CardText::tr(" (no %1)").arg(QLatin1String(ClockAcknowledgeName()));
    }
    if (InspectFile(folder + QLatin1String(ClockAcknowledgeName())).kind != FileKind::Missing)
        return CardText::tr("clock set: %1 present").arg(QLatin1String(ClockAcknowledgeName()));
    return CardText::tr("no clock file");
}

void RecordingsSection(const RecordingsSummary& s, QStringList& lines)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    QString line = s.count == 0
                       ? CardText::tr("recordings: none")
                       : CardText::tr("recordings: %1, %2 bytes, playing %3, oldest %4, newest %5")
                             .arg(s.count)
                             .arg(s.bytes)
                             .arg(PlayingTimeText(s.milliseconds), s.oldest.toString(format),
                                  s.newest.toString(format));
    if (!s.unreadable.isEmpty())
        line += CardText::tr("; %1 unreadable").arg(s.unreadable.size());
    lines << line;
    for (const QStringList* list : {&s.unreadable, &s.notes, &s.skipped}) {
        for (const QString& entry : *list)
            lines << QStringLiteral("    ") + entry;
    }
    if (s.moreFiles)
        lines << QStringLiteral("    ") + CardText::tr("more files not counted");
}

// The recordings day by day against the card's schedule (settings null: none known), and
// the card's last write where the record knows the card.
DayByDay DayByDayOf(const QString& card, const RecordingsSummary& recordings,
                    const ConfigSettings* settings, const CardReportOptions& o)
{
    // A collection folder of --collect came back on its date, from the card its folder
    // names: its figures are those --season tells of it.
    CollectionFolder collection;
    DayByDayOptions options;
    if (IsCollectionFolder(card, &collection)) {
        options = CollectionDayOptions(collection, o.recordFile);
    } else {
        options.pickup = o.today;
        options.pickupTime = o.pickupTime;
        if (!o.recordFile.isEmpty())
            options.deployment = LastCardWrite(o.recordFile, CardIdentityOf(card));
    }
    const ScheduleInput schedule = settings ? ScheduleInputOf(*settings) : ScheduleInput();
    return MakeDayByDay(recordings.times, settings ? &schedule : nullptr, options);
}

} // namespace

CardReport InspectCard(const QString& folder, const CardReportOptions& o)
{
    CardReport report;
    const QString card = CardPathOfFolder(folder);
    QStringList lines(CardText::tr("card %1").arg(Shown(folder)));
    report.recordings = SummariseRecordings(folder, o.bounds);
    if (!report.recordings.readable) {
        lines << CardText::tr("cannot read the card folder: %1").arg(report.recordings.error);
        report.text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        report.exitCode = 2;
        return report;
    }
    ConfigSettings settings;
    bool hasConfig = false;
    const int configCode = ConfigSection(card + o.configName, Shown(o.configName), o.items, lines,
                                         &settings, &hasConfig);
    const QStorageInfo volume(card);
    if (volume.isValid()) {
        const qint64 free = volume.bytesAvailable();
        lines << CardText::tr("free space: %1 GB (%2 bytes), %3")
                     .arg(LocaleGigabytes(free, 2, o.locale))
                     .arg(free)
                     .arg(FullText(configCode < 2 && hasConfig ? &settings : nullptr, free,
                                   o.today));
    } else {
        lines << CardText::tr("free space: unknown");
    }
    lines << CardText::tr("clock: %1").arg(ClockText(card, o.clockName));
    lines << InterruptedWriteLines(card, {o.configName, o.clockName});
    RecordingsSection(report.recordings, lines);
    report.days =
        DayByDayOf(card, report.recordings, configCode < 2 && hasConfig ? &settings : nullptr, o);
    lines << DayByDayLines(report.days, o.locale);
    report.text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    report.exitCode =
        configCode == 0 && report.recordings.unreadable.isEmpty() && !report.days.NeedsALook() ? 0
                                                                                               : 1;
    return report;
}

CardReportOptions PreferenceReportOptions()
{
    CardReportOptions options;
    options.configName = PrefText(Preferences.CFGname);
    options.clockName = PrefText(Preferences.TimeName);
    options.items = PreferenceComboItems();
    return options;
}
