#include "commandline/collectcard.h"

#include "commandline/checksums.h"
#include "commandline/verifiedcopy.h"
#include "platform/copyplatform.h"
#include "platform/fileplatform.h"
#include "platform/folderplatform.h"
#include "platform/savefile.h"
#include "recorder_files/batchwrite.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/deployment.h"
#include "recorder_files/derived.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CollectCard)
};

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
    QByteArray card;   // the card folder, ending in "/"
    NodeIdentity root; // its identity when the collect began
    const CollectOptions& o;
    CardCollection& c;
    CollectProgress progress;
    Checksums sums;         // of the copies in the collection folder
    ArchivedCopies earlier; // of the card's recordings in its earlier collections
};

// True while the card folder is the one the collect began with and can be listed: a
// pulled card leaves an empty mount point, or one that answers nothing.
bool CardIsThere(const Run& run)
{
    QString reason;
    return IdentityOf(run.card) == run.root && (ListFolder(run.card, &reason), reason.isEmpty());
}

QString NotCollected(const CardFile& file)
{
    switch (file.kind) {
    case EntryKind::Link:
        return Text::tr("a link, not collected");
    case EntryKind::PipeOrSocket:
        return Text::tr("a pipe or socket, not collected");
    default:
        return Text::tr("a device, not collected");
    }
}

// Takes in a card recording whose bytes (hashed now, sha256) a copy in an earlier
// collection of the card holds: the newest such copy.
void TakeArchived(Run& run, CollectedFile& file, const QByteArray& sha256)
{
    for (const ArchivedCopy& copy : run.earlier.values(ArchiveKey(file.card))) {
        if (copy.sha256 != sha256)
            continue;
        file.name = copy.name;
        file.sha256 = sha256;
        file.verified = file.alreadyThere = true;
        file.archivedIn = copy.folder;
        run.c.alreadyThere.Add(file.card);
        run.c.archived.Add(file.card);
        if (!run.c.archivedOn.contains(copy.date))
            run.c.archivedOn.append(copy.date);
        return;
    }
}

// Takes in the outcome of one copy; false when the rest of the card cannot be collected.
bool TakeCopy(Run& run, CollectedFile& file, const FileCopy& copy)
{
    CardCollection& c = run.c;
    const QString shown = file.card.Shown();
    switch (copy.outcome) {
    case FileCopy::Archived:
        TakeArchived(run, file, copy.sha256);
        return true;
    case FileCopy::AlreadyThere:
    case FileCopy::Copied:
        file.name = copy.name;
        file.sha256 = copy.sha256;
        file.verified = true;
        file.alreadyThere = copy.outcome == FileCopy::AlreadyThere;
        (file.alreadyThere ? c.alreadyThere : c.copied).Add(file.card);
        run.sums.insert(copy.name, copy.sha256);
        if (copy.name != file.card.path)
            c.notes << (copy.shortened
                            ? Text::tr("%1: the name is too long for the archive; %2 as %3")
                            : Text::tr("%1: another file has this name in the archive; %2 as %3"))
                           .arg(shown,
                                file.alreadyThere ? Text::tr("already collected")
                                                  : Text::tr("collected"),
                                ShownName(copy.name));
        return true;
    case FileCopy::Unreadable:
    case FileCopy::Changed:
        if (!CardIsThere(run)) {
            c.error = Text::tr("the card went away after %1 of %2 files")
                          .arg(c.Collected())
                          .arg(c.TotalFiles());
            return false;
        }
        file.problem = copy.error;
        c.unreadable << Text::tr("%1: %2").arg(shown, copy.error);
        return true;
    case FileCopy::ArchiveFailed:
        c.error = Text::tr("cannot collect %1 into the archive: %2").arg(shown, copy.error);
        return false;
    case FileCopy::Cancelled:
        c.stopSignal = StopSignal();
        c.cancelled = c.stopSignal == 0;
        return false;
    }
    return false;
}

// Copies one file of the card; false when the rest of the card cannot be collected.
bool CollectFile(Run& run, CollectedFile& file)
{
    if (file.card.kind != EntryKind::File) {
        file.problem = NotCollected(file.card);
        run.c.notes << Text::tr("%1: %2").arg(file.card.Shown(), file.problem);
        return true;
    }
    QByteArrayList archived;
    if (file.card.IsRecordingName()) {
        for (const ArchivedCopy& copy : run.earlier.values(ArchiveKey(file.card)))
            archived << copy.sha256;
    }
    const FileCopy copy = CopyVerified(
        run.card + file.card.path, QFile::encodeName(run.c.folder), file.card.path,
        [&](qint64 bytes) {
            run.progress.bytes += bytes;
            return StopSignal() == 0 && (!run.o.progress || run.o.progress(run.progress));
        },
        archived);
    ++run.progress.files;
    return TakeCopy(run, file, copy);
}

QByteArray RecordHeader()
{
    return "time,card folder,volume label,volume serial,files copied,bytes copied,"
           "playing seconds copied,files already collected,bytes already collected,"
           "playing seconds already collected,card files,card bytes,card playing seconds,"
           "first recording,last recording,archive folder,recordings cleared,bytes cleared,"
           "result,files already archived,bytes already archived,"
           "playing seconds already archived,archived on\r\n";
}

QString ResultText(const CardCollection& c)
{
    if (!c.error.isEmpty())
        return QStringLiteral("FAILED: ") + c.error;
    if (c.stopSignal != 0)
        return QStringLiteral("STOPPED");
    if (c.cancelled)
        return QStringLiteral("CANCELLED");
    if (!c.cleared.error.isEmpty())
        return QStringLiteral("FAILED: ") + c.cleared.error;
    if (!c.unreadable.isEmpty() || !c.cleared.stayed.isEmpty())
        return QStringLiteral("INCOMPLETE: ") +
               (c.unreadable + c.cleared.stayed).join(QStringLiteral("; "));
    return QStringLiteral("OK");
}

// The first and last recording by the recorder's clock once it was set: a file time of
// the unset clock (2000 or before) or one after the collect is none.
std::pair<QDateTime, QDateTime> RecordingSpan(const CardCollection& c, const QDateTime& now)
{
    QDateTime first, last;
    for (const CollectedFile& file : c.files) {
        const QDateTime& t = file.card.time;
        if (!file.card.measured || !file.card.wav.ok || t.date().year() <= 2000 || t > now)
            continue;
        if (!first.isValid() || t < first)
            first = t;
        if (!last.isValid() || t > last)
            last = t;
    }
    return {first, last};
}

QByteArrayList FigureFields(const CollectFigures& f)
{
    return {QByteArray::number(f.files), QByteArray::number(f.bytes),
            QByteArray::number(f.milliseconds / 1000)};
}

// "2026-11-20 2026-11-27": the dates of the earlier collections, oldest first.
QStringList ArchivedDates(const CardCollection& c)
{
    QList<QDate> dates = c.archivedOn;
    std::sort(dates.begin(), dates.end());
    QStringList texts;
    for (const QDate& date : std::as_const(dates))
        texts << date.toString(Qt::ISODate);
    return texts;
}

QByteArrayList RecordLine(const CardCollection& c)
{
    const QDateTime now = QDateTime::currentDateTime();
    const auto [first, last] = RecordingSpan(c, now);
    const auto time = [](const QDateTime& t) {
        return t.isValid() ? CsvField(CsvTimeText(t)) : QByteArray();
    };
    QByteArrayList fields = {CsvField(CsvTimeText(now)), CsvField(AbsoluteFolder(c.card)),
                             CsvField(c.identity.label), CsvField(c.identity.serial)};
    fields << FigureFields(c.copied) << FigureFields(c.InThisFolder()) << FigureFields(c.onCard)
           << time(first) << time(last)
           << CsvField(c.folder.isEmpty() ? QString() : AbsoluteFolder(c.folder))
           << QByteArray::number(c.cleared.files) << QByteArray::number(c.cleared.bytes)
           << CsvField(ResultText(c)) << FigureFields(c.archived)
           << CsvField(ArchivedDates(c).join(QLatin1Char(' ')));
    return fields;
}

} // namespace

CollectFigures CardCollection::InThisFolder() const
{
    CollectFigures here = alreadyThere;
    here.files -= archived.files;
    here.bytes -= archived.bytes;
    here.milliseconds -= archived.milliseconds;
    return here;
}

QString CollectedFile::CopyFolder(const QString& collectionFolder) const
{
    return archivedIn.isEmpty() ? collectionFolder : archivedIn;
}

void CollectFigures::Add(const CardFile& file)
{
    ++files;
    bytes += file.size;
    if (file.measured && file.wav.ok)
        milliseconds += file.wav.milliseconds;
}

int CardCollection::ExitCode() const
{
    if (stopSignal != 0)
        return 128 + stopSignal;
    if (!error.isEmpty() || cancelled || !cleared.error.isEmpty())
        return 2;
    return unreadable.isEmpty() && cleared.stayed.isEmpty() && !recordings.moreFiles ? 0 : 1;
}

QString CardCollection::Verdict() const
{
    static const char* const verdicts[] = {"COLLECTED", "INCOMPLETE", "FAILED"};
    return stopSignal != 0 ? QStringLiteral("STOPPED")
                           : QString::fromLatin1(verdicts[qMin(ExitCode(), 2)]);
}

QString CardCollection::Summary() const
{
    const QString collected = CollectedSummary();
    return cleared.asked ? Text::tr("%1; %2").arg(collected, cleared.Summary()) : collected;
}

QString CardCollection::CollectedSummary() const
{
    const QString done =
        Text::tr("%1 of %2 files collected into %3").arg(Collected()).arg(TotalFiles()).arg(folder);
    if (!error.isEmpty())
        return folder.isEmpty() ? error : Text::tr("%1; %2").arg(error, done);
    if (stopSignal != 0)
        return Text::tr("stopped: %1 of %2 files collected; run the same command again to finish")
            .arg(Collected())
            .arg(TotalFiles());
    if (cancelled)
        return Text::tr("cancelled; %1").arg(done);
    if (ExitCode() != 0)
        return done;
    const QString recorded =
        recordings.count == 0 ? Text::tr("no recordings") : RecordingsText(recordings);
    return Text::tr("%1, %2 GB into %3")
        .arg(recorded, GigabytesText(copied.bytes + InThisFolder().bytes, 2), folder);
}

QStringList CardCollection::Details() const
{
    QStringList lines;
    if (const int here = InThisFolder().files; here > 0)
        lines << Text::tr("%1 of %2 files already collected").arg(here).arg(TotalFiles());
    const QStringList dates = ArchivedDates(*this);
    if (archived.files > 0)
        lines << Text::tr("%1 already in the archive (collected %2)")
                     .arg(archived.files)
                     .arg(dates.size() == 1
                              ? dates.first()
                              : Text::tr("between %1 and %2").arg(dates.first(), dates.last()));
    return lines + notes + unreadable + cleared.stayed;
}

QString ArchiveProblem(const QString& archive, const QString& card)
{
    if (archive.isEmpty())
        return Text::tr("no archive folder given");
    // Whatever path leads to the archive (a bind mount of the card, a link), the card's
    // folder is never one of the folders above it.
    const NodeIdentity root = IdentityOf(QFile::encodeName(card));
    if (IdentitiesUpFrom(QFile::encodeName(archive)).contains(root) ||
        (OnSameVolume(archive, card) && OnCardFileSystem(card)))
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

namespace
{

// The temporary copies a collect killed under way left in the collection folder (held
// under its lock: no other collect is writing there), the checked copies of card files
// with such names (listed in SHA256SUMS) apart.
void RemoveLeftPartials(const QByteArray& folder, const QByteArray& prefix, const Checksums& sums)
{
    QString reason;
    for (const FolderEntry& entry : ListFolder(folder + prefix, &reason)) {
        const QByteArray path = prefix + entry.name;
        if (entry.kind == EntryKind::Folder)
            RemoveLeftPartials(folder, path + '/', sums);
        else if (entry.kind == EntryKind::File && IsPartialCopyName(path) && !sums.contains(path))
            RemoveFile(folder + path);
    }
}

QByteArray RecordingsHeader()
{
    return "card path,bytes,sha256,file time,playing seconds,format,notes,collected as\r\n";
}

QByteArray RecordingsRow(const CollectedFile& file)
{
    const CardFile& f = file.card;
    const bool recording = f.measured;
    const QString notes = recording ? (f.wav.ok ? f.wav.note : f.wav.error) : QString();
    return CsvLine({CsvField(f.Shown()), QByteArray::number(f.size), file.sha256,
                    CsvField(CsvTimeText(f.time)),
                    recording && f.wav.ok ? QByteArray::number(f.wav.milliseconds / 1000.0, 'f', 3)
                                          : QByteArray(),
                    recording && f.wav.ok ? CsvField(WavFormatName(f.wav.formatTag)) : QByteArray(),
                    CsvField(notes), CsvField(ShownName(file.name))});
}

// recordings.csv: a row for each checked copy of this run, and the rows of earlier runs
// into the same folder whose copies are still there and were not collected again.
QString WriteRecordingList(const CardCollection& c, const Checksums& sums)
{
    const QString fileName = c.folder + QLatin1String(RecordingListName);
    QSet<QString> now;
    QByteArray rows;
    for (const CollectedFile& file : c.files) {
        if (file.verified && file.archivedIn.isEmpty()) {
            rows += RecordingsRow(file);
            now.insert(ShownName(file.name));
        }
    }
    QByteArray old;
    if (QFileInfo::exists(fileName) && ReadSmallFile(fileName, LargestListFile, &old).isEmpty()) {
        const QList<QStringList> earlier = CsvRows(old);
        for (qsizetype i = 1; i < earlier.size(); ++i) {
            const QStringList& row = earlier[i];
            if (row.size() == 8 && !now.contains(row[7]) && sums.contains(row[7].toUtf8())) {
                QByteArrayList fields;
                for (const QString& field : row)
                    fields << CsvField(field);
                rows += CsvLine(fields);
            }
        }
    }
    const FileResult result = WriteFileSafely(fileName, RecordingsHeader() + rows);
    return result.ok ? QString() : result.error;
}

// SHA256SUMS and recordings.csv for the checked copies; the first failure's reason.
QString WriteFolderLists(CardCollection& c, const Checksums& sums)
{
    if (sums.isEmpty())
        return QString();
    if (const QString error = UpdateChecksumFile(c.folder, sums); !error.isEmpty())
        return Text::tr("cannot write SHA256SUMS: %1").arg(error);
    if (const QString error = WriteRecordingList(c, ReadChecksumFile(c.folder)); !error.isEmpty())
        return Text::tr("cannot write recordings.csv: %1").arg(error);
    return QString();
}

// What tells the card apart in the archive: its label and serial, and where it has no
// serial, its folder.
QByteArray CardMark(const CardIdentity& identity, const QString& card)
{
    const QString folder = identity.serial.isEmpty() ? AbsoluteFolder(card) : QString();
    return (identity.label + QLatin1Char('\n') + identity.serial + QLatin1Char('\n') + folder +
            QLatin1Char('\n'))
        .toUtf8();
}

// The card's own folder in the archive (ending in "/"): ARCHIVE/NAME/, or NAME (2) and on
// where NAME is another card's. Each holds the mark of its card in ".plimo-card"; a folder
// without one (collected before marks, or a kill before it was written) is taken.
QString CardFolderIn(const QString& archive, const QString& name, const QByteArray& mark)
{
    for (int n = 1;; ++n) {
        const QString folder = QDir::cleanPath(archive) + QLatin1Char('/') + name +
                               (n < 2 ? QString() : QStringLiteral(" (%1)").arg(n)) +
                               QLatin1Char('/');
        const QString markFile = folder + QStringLiteral(".plimo-card");
        if (!MakeFolders(QFile::encodeName(folder)).isEmpty())
            return folder; // the copies will say why
        QByteArray there;
        ReadSmallFile(markFile, 4096, &there);
        if (there.isEmpty() && WriteFileSafely(markFile, mark).ok)
            there = mark;
        if (there.isEmpty() || there == mark)
            return folder;
    }
}

// Copies the card's files into the collection folder, held under its lock.
void CollectLocked(Run& run)
{
    CardCollection& c = run.c;
    RemoveLeftPartials(QFile::encodeName(c.folder), QByteArray(), ReadChecksumFile(c.folder));
    for (const CollectedFile& file : std::as_const(c.files)) {
        if (file.card.kind == EntryKind::File)
            run.progress.totalBytes += file.card.size;
    }
    run.progress.totalFiles = c.TotalFiles();
    for (CollectedFile& file : c.files) {
        if (!CollectFile(run, file) || StopSignal() != 0) {
            c.stopSignal = c.error.isEmpty() ? StopSignal() : 0;
            break;
        }
    }
    if (const QString error = WriteFolderLists(c, run.sums); !error.isEmpty() && c.error.isEmpty())
        c.error = error;
}

} // namespace

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
    const QString name = CardArchiveName(c.identity, card);
    c.folder = CardFolderIn(archive, name, CardMark(c.identity, card));
    if (!c.folder.endsWith(QLatin1Char('/') + name + QLatin1Char('/')))
        c.notes << Text::tr("another card has the name %1 in the archive: this one is %2")
                       .arg(name, QDir(c.folder).dirName());
    Run run{QFile::encodeName(card),
            IdentityOf(QFile::encodeName(card)),
            o,
            c,
            {},
            {},
            EarlierCollections(c.folder, o.date)};
    c.folder += o.date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('/');
    c.recordings = SummariseRecordings(card, o.bounds, {o.configName, o.clockName});
    for (const CardFile& file : std::as_const(c.recordings.files)) {
        c.files.append({file, {}, {}, false, false, {}, {}});
        if (file.kind == EntryKind::File)
            c.onCard.Add(file);
    }
    // A sub-folder that could not be listed holds files not collected.
    for (const QString& line : std::as_const(c.recordings.unreadable)) {
        if (line.section(QStringLiteral(": "), 0, 0).endsWith(QLatin1Char('/')))
            c.unreadable << line;
    }
    if (c.recordings.moreFiles)
        c.notes << Text::tr("more files than a card report looks at: not all collected");
    QString error;
    int lock = -1;
    if (error = MakeFolders(QFile::encodeName(c.folder)); error.isEmpty())
        lock = LockFolder(
            QFile::encodeName(c.folder),
            [&] {
                if (o.waiting)
                    o.waiting(Text::tr("waiting: another collect of this card into %1 is under way")
                                  .arg(c.folder));
            },
            &error);
    if (lock < 0 && StopSignal() != 0) {
        c.stopSignal = StopSignal();
    } else if (lock < 0) {
        c.error = Text::tr("cannot use the folder %1: %2").arg(c.folder, error);
    } else {
        CollectLocked(run);
        if (o.clear)
            ClearCollectedRecordings(c, run.card);
        CloseHandle(lock);
    }
    if (!o.record.isEmpty())
        c.recordError = AppendCsvRow(o.record, RecordHeader(), RecordLine(c));
    return c;
}
