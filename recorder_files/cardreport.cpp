// plimo-configurator --inspect and the window's card report: a card read, never written.
#include "recorder_files/cardreport.h"

#include "common/printable.h"
#include "platform/fileplatform.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configwriter.h"
#include "recorder_files/derived.h"
#include "recorder_files/schedulewording.h"
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

// Reads the header of one recording: the first bytes, more only when the chunks before
// "data" do not fit into them (the usual header is 44 bytes).
void AddRecording(const QFileInfo& entry, const QString& relative, qint64 headBytes,
                  RecordingsSummary& s)
{
    QFile file(entry.filePath());
    QString reason;
    if (!OpenRegularFileForReading(file, &reason)) {
        s.unreadable << CardText::tr("%1: %2").arg(Shown(relative), reason);
        return;
    }
    const qint64 size = file.size();
    ++s.count;
    s.bytes += size;
    const QDateTime time = entry.lastModified();
    if (!s.oldest.isValid() || time < s.oldest)
        s.oldest = time;
    if (!s.newest.isValid() || time > s.newest)
        s.newest = time;
    QByteArray head = file.read(qMin<qint64>(4096, headBytes));
    WavInfo info = ReadWavHeader(head, size);
    if (!info.ok && head.size() == 4096 && headBytes > 4096) {
        head += file.read(headBytes - head.size());
        info = ReadWavHeader(head, size);
    }
    if (file.error() != QFileDevice::NoError)
        s.unreadable << CardText::tr("%1: %2").arg(Shown(relative), file.errorString());
    else if (!info.ok)
        s.unreadable << CardText::tr("%1: %2").arg(Shown(relative), info.error);
    else
        s.milliseconds += info.milliseconds;
}

struct Walk {
    const RecordingBounds& bounds;
    RecordingsSummary& summary;
    int entries = 0;
};

bool IsRecordingName(const QString& name)
{
    return name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

void WalkFolder(Walk& walk, const QDir& dir, const QString& prefix, int depth)
{
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (++walk.entries > walk.bounds.entries) {
            walk.summary.moreFiles = true;
            return;
        }
        const QString relative = prefix + entry.fileName();
        if (entry.isDir() && entry.isSymLink())
            continue; // a link to a folder may lead anywhere, even back here
        if (entry.isDir()) {
            if (depth >= walk.bounds.depth) {
                walk.summary.moreFiles = true;
                continue;
            }
            const QDir sub(entry.filePath());
            if (!sub.isReadable())
                walk.summary.unreadable
                    << CardText::tr("%1/: the folder cannot be read").arg(Shown(relative));
            else
                WalkFolder(walk, sub, relative + QLatin1Char('/'), depth + 1);
            continue;
        }
        if (!IsRecordingName(entry.fileName()))
            continue;
        // The listing knows regular files already; the open checks once more.
        const FileKind kind =
            entry.isFile() ? FileKind::Regular : InspectFile(entry.filePath()).kind;
        if (kind == FileKind::Regular) {
            walk.summary.files << relative;
            AddRecording(entry, relative, walk.bounds.headBytes, walk.summary);
        } else if (kind != FileKind::Missing) // a dangling link is no recording
            walk.summary.skipped
                << CardText::tr("%1: skipped: %2").arg(Shown(relative), NotAFileReason(kind));
    }
}

} // namespace

RecordingsSummary SummariseRecordings(const QString& folder, const RecordingBounds& bounds)
{
    RecordingsSummary summary;
    summary.error = CardFolderProblem(folder, true);
    if (!summary.error.isEmpty())
        return summary;
    summary.readable = true;
    Walk walk{bounds, summary};
    WalkFolder(walk, QDir(folder), QString(), 0);
    return summary;
}

QString PlayingTimeText(qint64 milliseconds)
{
    const qint64 minutes = milliseconds / 60000;
    if (minutes < 60)
        return CardText::tr("%1 min").arg(minutes);
    return CardText::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString RecordingsText(const RecordingsSummary& s)
{
    if (s.count == 0)
        return QString();
    const QString count =
        s.count == 1 ? CardText::tr("1 recording") : CardText::tr("%1 recordings").arg(s.count);
    return CardText::tr("%1, %2").arg(count, PlayingTimeText(s.milliseconds));
}

namespace
{

void IndentInto(const QString& text, const QString& indent, QStringList& lines)
{
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines << indent + line;
}

// The --check verdict and schedule summary of the card's config.ini; settings receive
// what the form would hold after loading it. False when it cannot be read.
bool ConfigSection(const QString& fileName, const QString& name, const ComboItems& items,
                   QStringList& lines, ConfigSettings* settings, bool* present)
{
    *present = InspectFile(fileName).kind != FileKind::Missing;
    if (!*present) {
        lines << CardText::tr("%1: none on the card").arg(name);
        return true;
    }
    QByteArray bytes;
    const QString error = ReadSmallFile(fileName, MaxConfigFileSize, &bytes);
    if (!error.isEmpty()) {
        lines << CardText::tr("%1: cannot read it: %2").arg(name, error);
        return false;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QString check;
    QTextStream out(&check);
    CheckConfigDevice(buffer, out, items, FreeSpacePlan(), false);
    out.flush();
    QStringList checked = check.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines << QStringLiteral("%1: %2").arg(name,
                                          checked.isEmpty() ? QString() : checked.takeFirst());
    IndentInto(checked.join(QLatin1Char('\n')), QStringLiteral("    "), lines);
    *settings = ReadPreset(bytes, items).settings;
    return true;
}

QString FullText(const ConfigSettings* settings, qint64 freeBytes, const QDate& today)
{
    if (!settings)
        return CardText::tr("no config.ini to tell when it is full");
    return FullnessText(MakeSchedule(ScheduleInputOf(*settings)), freeBytes, today);
}

QString ClockText(const QString& folder, const QString& clockName)
{
    const auto present = [&](const QString& name) {
        return InspectFile(folder + name).kind != FileKind::Missing;
    };
    if (present(QString::fromLatin1(ClockAcknowledgeName())))
        return CardText::tr("clock set: %1 present").arg(QLatin1String(ClockAcknowledgeName()));
    if (present(clockName))
        return CardText::tr("%1 waiting: the recorder has not read it yet (no %2)")
            .arg(Shown(clockName), QLatin1String(ClockAcknowledgeName()));
    return CardText::tr("no clock file");
}

void RecordingsSection(const RecordingsSummary& s, QStringList& lines)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    if (s.count == 0)
        lines << CardText::tr("recordings: none");
    else
        lines << CardText::tr("recordings: %1, %2 bytes, playing %3, oldest %4, newest %5")
                     .arg(s.count)
                     .arg(s.bytes)
                     .arg(PlayingTimeText(s.milliseconds), s.oldest.toString(format),
                          s.newest.toString(format));
    for (const QStringList* list : {&s.unreadable, &s.skipped}) {
        for (const QString& line : *list)
            lines << QStringLiteral("    ") + line;
    }
    if (s.moreFiles)
        lines << QStringLiteral("    ") + CardText::tr("more files not counted");
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
    const bool configRead = ConfigSection(card + o.configName, Shown(o.configName), o.items, lines,
                                          &settings, &hasConfig);
    const QStorageInfo volume(card);
    if (volume.isValid()) {
        const qint64 free = volume.bytesAvailable();
        lines << CardText::tr("free space: %1 GB (%2 bytes), %3")
                     .arg(GigabytesText(free, 2))
                     .arg(free)
                     .arg(FullText(configRead && hasConfig ? &settings : nullptr, free, o.today));
    } else {
        lines << CardText::tr("free space: unknown");
    }
    lines << CardText::tr("clock: %1").arg(ClockText(card, o.clockName));
    RecordingsSection(report.recordings, lines);
    report.text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    report.exitCode = configRead && report.recordings.unreadable.isEmpty() ? 0 : 1;
    return report;
}
