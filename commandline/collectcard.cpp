#include "commandline/collectcard.h"

#include "commandline/checksums.h"
#include "commandline/verifiedcopy.h"
#include "platform/copyplatform.h"
#include "platform/fileplatform.h"
#include "recorder_files/batchwrite.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/deployment.h"
#include "recorder_files/derived.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CollectCard)
};

// The card's own files that go with its recordings, where they are regular files.
QStringList CardFiles(const QString& card, const CollectOptions& o)
{
    QStringList files;
    for (const QString& name :
         {o.configName, o.clockName, QString::fromLatin1(ClockAcknowledgeName())}) {
        if (InspectFile(card + name).kind == FileKind::Regular && !files.contains(name))
            files << name;
    }
    return files;
}

// True when path is folder or lies inside it (links resolved where they exist).
bool IsInside(const QString& path, const QString& folder)
{
    const auto resolved = [](const QString& p) {
        QFileInfo info(p);
        QString tail;
        while (!info.exists() && info.absolutePath() != info.absoluteFilePath()) {
            tail = QLatin1Char('/') + info.fileName() + tail;
            info = QFileInfo(info.absolutePath());
        }
        const QString at =
            info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
        return QDir::cleanPath(at + tail) + QLatin1Char('/');
    };
    return resolved(path).startsWith(resolved(folder));
}

// A FAT-family volume: what a recorder's card is formatted with. A folder elsewhere (a
// card's copy on a disk) may have its archive beside it.
bool OnCardFileSystem(const QString& folder)
{
    const QByteArray type = QStorageInfo(folder).fileSystemType().toLower();
    for (const char* fat : {"vfat", "msdos", "fat", "exfat", "fuseblk", "fusefat"}) {
        if (type == fat || type.endsWith(QByteArray(".") + fat))
            return true;
    }
    return false;
}

struct Run {
    const QString& card;
    const CollectOptions& o;
    CardCollection& c;
    CollectProgress progress;
    Checksums sums;
};

// Copies one file; false when the rest of the card cannot be collected.
bool CollectFile(Run& run, const QString& relative)
{
    CardCollection& c = run.c;
    const FileCopy copy = CopyVerified(run.card + relative, c.folder, relative, [&](qint64 bytes) {
        run.progress.bytes += bytes;
        return !run.o.progress || run.o.progress(run.progress);
    });
    ++run.progress.files;
    switch (copy.outcome) {
    case FileCopy::AlreadyThere:
        ++c.alreadyThere;
        Q_FALLTHROUGH();
    case FileCopy::Copied:
        ++c.files;
        c.bytes += copy.bytes;
        run.sums.insert(copy.name, copy.sha256);
        if (copy.name != relative)
            c.notes << Text::tr("%1: another file has this name in the archive; %2 as %3")
                           .arg(relative,
                                copy.outcome == FileCopy::Copied ? Text::tr("collected")
                                                                 : Text::tr("already collected"),
                                copy.name);
        return true;
    case FileCopy::Unreadable:
        // A card pulled out takes its folder with it: nothing more can be read.
        if (!CardFolderProblem(run.card, true).isEmpty() || !QDir(run.card).exists()) {
            c.error =
                Text::tr("the card went away while %1 was read: %2").arg(relative, copy.error);
            return false;
        }
        c.unreadable << Text::tr("%1: %2").arg(relative, copy.error);
        return true;
    case FileCopy::ArchiveFailed:
        c.error = Text::tr("cannot collect %1 into the archive: %2").arg(relative, copy.error);
        return false;
    case FileCopy::Cancelled:
        c.cancelled = true;
        return false;
    }
    return false;
}

QByteArray RecordHeader()
{
    return "time,card folder,volume label,volume serial,files,bytes,playing seconds,"
           "first recording,last recording,archive folder,result\r\n";
}

QByteArray RecordLine(const CardCollection& c)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    QString result = QStringLiteral("OK");
    if (!c.error.isEmpty())
        result = QStringLiteral("FAILED: ") + c.error;
    else if (c.cancelled)
        result = QStringLiteral("CANCELLED");
    else if (!c.unreadable.isEmpty())
        result = QStringLiteral("UNREADABLE: ") + c.unreadable.join(QStringLiteral("; "));
    const QByteArrayList fields = {CsvField(CsvTimeText(QDateTime::currentDateTime())),
                                   CsvField(QFileInfo(c.card).absoluteFilePath()),
                                   CsvField(c.identity.label),
                                   CsvField(c.identity.serial),
                                   QByteArray::number(c.files),
                                   QByteArray::number(c.bytes),
                                   QByteArray::number(c.recordings.milliseconds / 1000),
                                   CsvField(c.recordings.oldest.toString(format)),
                                   CsvField(c.recordings.newest.toString(format)),
                                   CsvField(QDir(c.folder).absolutePath() + QLatin1Char('/')),
                                   CsvField(result)};
    return CsvLine(fields);
}

} // namespace

int CardCollection::ExitCode() const
{
    if (!error.isEmpty() || cancelled)
        return 2;
    return unreadable.isEmpty() && !recordings.moreFiles ? 0 : 1;
}

QString CardCollection::Summary() const
{
    const QString done =
        Text::tr("%1 of %2 files collected into %3").arg(files).arg(totalFiles).arg(folder);
    if (!error.isEmpty())
        return folder.isEmpty() ? error : Text::tr("%1; %2").arg(error, done);
    if (cancelled)
        return Text::tr("cancelled; %1").arg(done);
    const QString recorded =
        recordings.count == 0 ? Text::tr("no recordings") : RecordingsText(recordings);
    return Text::tr("%1, %2 GB into %3").arg(recorded, GigabytesText(bytes, 2), folder);
}

QStringList CardCollection::Details() const
{
    QStringList lines;
    if (alreadyThere > 0)
        lines << Text::tr("%1 of %2 files already collected").arg(alreadyThere).arg(totalFiles);
    return lines + notes + unreadable;
}

QString ArchiveProblem(const QString& archive, const QString& card)
{
    if (archive.isEmpty())
        return Text::tr("no archive folder given");
    if (IsInside(archive, card) || (OnSameVolume(archive, card) && OnCardFileSystem(card)))
        return Text::tr("the archive %1 is on the card's own volume: collect onto another disk")
            .arg(archive);
    if (!QDir().mkpath(archive))
        return Text::tr("cannot create the archive folder %1").arg(archive);
    if (!QFileInfo(archive).isDir())
        return Text::tr("the archive %1 is not a folder").arg(archive);
    if (!FolderTakesFiles(archive))
        return Text::tr("cannot write into the archive folder %1").arg(archive);
    return QString();
}

QString CardArchiveName(const CardIdentity& identity, const QString& card)
{
    QStringList parts;
    for (const QString& part : {identity.label.trimmed(), identity.serial.trimmed()}) {
        if (!part.isEmpty())
            parts << part;
    }
    QString name = parts.isEmpty()
                       ? QDir(QDir::cleanPath(QFileInfo(card).absoluteFilePath())).dirName()
                       : parts.join(QLatin1Char('_'));
    for (QChar& ch : name) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QLatin1Char(':') ||
            !ch.isPrint())
            ch = QLatin1Char('_');
    }
    if (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    return name.isEmpty() ? QStringLiteral("card") : name;
}

CardCollection CollectCard(const QString& archive, const QString& cardFolder,
                           const CollectOptions& o)
{
    CardCollection c;
    c.card = cardFolder;
    const QString card = CardPathOfFolder(cardFolder);
    c.error = CardFolderProblem(cardFolder, true);
    if (c.error.isEmpty())
        c.error = ArchiveProblem(archive, card);
    if (!c.error.isEmpty())
        return c;
    c.identity = o.identity ? *o.identity : CardIdentityOf(card);
    c.folder = QDir::cleanPath(archive) + QLatin1Char('/') + CardArchiveName(c.identity, card) +
               QLatin1Char('/') + o.date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('/');
    c.recordings = SummariseRecordings(card, o.bounds);
    const QStringList files = c.recordings.files + CardFiles(card, o);
    Run run{card, o, c, {}, {}};
    run.progress.totalFiles = c.totalFiles = files.size();
    for (const QString& file : files)
        run.progress.totalBytes += QFileInfo(card + file).size();
    if (!QDir().mkpath(c.folder))
        c.error = Text::tr("cannot create the folder %1").arg(c.folder);
    for (const QString& file : files) {
        if (!c.error.isEmpty() || !CollectFile(run, file))
            break;
    }
    if (!run.sums.isEmpty()) {
        const QString error = UpdateChecksumFile(c.folder, run.sums);
        if (!error.isEmpty() && c.error.isEmpty())
            c.error = Text::tr("cannot write SHA256SUMS: %1").arg(error);
    }
    // A sub-folder that could not be listed holds recordings not collected.
    for (const QString& line : std::as_const(c.recordings.unreadable)) {
        if (line.section(QStringLiteral(": "), 0, 0).endsWith(QLatin1Char('/')))
            c.unreadable << line;
    }
    if (c.recordings.moreFiles)
        c.notes << Text::tr("more files than a card report looks at: not all collected");
    if (!o.record.isEmpty())
        c.recordError = AppendCsvRow(o.record, RecordHeader(), RecordLine(c));
    return c;
}

QString DefaultCollectionRecord()
{
    return QFileInfo(DefaultDeploymentRecord()).absolutePath() + QStringLiteral("/collections.csv");
}
