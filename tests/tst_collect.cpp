// --collect on real cards: a FAT image mounted with fusefat, WAV files made here and
// dated as a recorder dates them. Faults are made to happen: a full tmpfs under the
// archive, a card pulled mid-copy, a read that fails, a byte changed on its way to the
// disk, the process killed at every file-changing call. After each the archive holds
// only whole copies under their names, `sha256sum -c` passes, and a rerun completes it.
#include "commandline/checksums.h"
#include "commandline/collectcard.h"
#include "commandline/verifiedcopy.h"
#include "recorder_files/deployment.h"
#include "testsupport.h"
#include "wavfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace
{

// A recording whose name fits the card (255 bytes) but not the hidden partial copy's name.

struct Run {
    int code = -1;
    QString out;
    long points = 0; // file-changing calls, where counted
};

// The program's --collect of card into archive, with the fault library's settings.
Run Collect(const QString& archive, const QStringList& cards,
            const QMap<QString, QString>& faults = {}, QProcess* started = nullptr,
            const QStringList& more = {})
{
    QProcess local;
    QProcess& run = started ? *started : local;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!faults.isEmpty()) {
        environment.insert("LD_PRELOAD", PLIMO_FAULT_LIBRARY);
        environment.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");
    }
    for (auto it = faults.cbegin(); it != faults.cend(); ++it)
        environment.insert(it.key(), it.value());
    run.setProcessEnvironment(environment);
    QStringList arguments = {"--collect", archive};
    for (const QString& card : cards)
        arguments << "--from" << card;
    run.start(PLIMO_BINARY, arguments << more << "no-preferences.cfg");
    Run r;
    if (started)
        return r;
    if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit)
        return r;
    r.code = run.exitCode();
    r.out = QString::fromLocal8Bit(run.readAllStandardOutput());
    r.points = run.readAllStandardError().count("fault point ");
    return r;
}

// Every file under folder, relative, with its bytes' hash; hidden partial copies apart.
QMap<QString, QByteArray> Files(const QString& folder, bool partials = false)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName().endsWith(".collecting") != partials)
            continue;
        files.insert(QDir(folder).relativeFilePath(path),
                     QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256));
    }
    return files;
}

// Where `sha256sum -c` of the folder's SHA256SUMS fails, what it says; else empty.
QString ChecksumFault(const QString& folder)
{
    QProcess check;
    check.setWorkingDirectory(folder);
    check.start("sha256sum", {"-c", "--quiet", "--strict", "SHA256SUMS"});
    if (!check.waitForFinished() || check.exitCode() != 0)
        return "sha256sum -c fails in " + folder + ": " + check.readAllStandardOutput();
    return QString();
}

// What is wrong with the archive against the card's files: a file under a name that is
// not the card's file of that name (the collection folder is ARCHIVE/<card>/<date>/), or
// a failing sha256sum -c; empty when all is well. With complete, one collection holds
// every card file and its SHA256SUMS.
// The fault library's settings among a row's faults, {} standing for the row's folder.
QMap<QString, QString> FaultEnvironment(const QStringList& faults, const QString& folder)
{
    QMap<QString, QString> environment;
    for (const QString& setting : faults) {
        if (setting.startsWith("PLIMO"))
            environment.insert(setting.section('=', 0, 0),
                               setting.section('=', 1).replace("{}", folder));
    }
    return environment;
}

QString ArchiveFault(const QString& archive, const QMap<QString, QByteArray>& card, bool complete)
{
    QMap<QString, QMap<QString, QByteArray>> collections;
    const QMap<QString, QByteArray> all = Files(archive);
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        const QString folder = it.key().section('/', 0, 1), name = it.key().section('/', 2);
        if (name.isEmpty())
            continue; // the card's mark beside its collections
        collections[folder];
        if (name == "SHA256SUMS" || name == "recordings.csv")
            continue;
        if (card.value(name) != it.value())
            return it.key() + " is no copy of the card's file of that name";
        collections[folder].insert(name, it.value());
    }
    for (auto it = collections.cbegin(); it != collections.cend(); ++it) {
        const QString folder = archive + "/" + it.key();
        if (complete &&
            (it.value().keys() != card.keys() || !all.contains(it.key() + "/SHA256SUMS")))
            return QString("%1 of %2 files collected, or no SHA256SUMS")
                .arg(it.value().size())
                .arg(card.size());
        if (QFileInfo::exists(folder + "/SHA256SUMS") && !ChecksumFault(folder).isEmpty())
            return ChecksumFault(folder);
    }
    if (complete && collections.size() != 1)
        return QString("%1 collection folders").arg(collections.size());
    return QString();
}

// The recordings of the card, with their hashes.
QMap<QString, QByteArray> Recordings(const QMap<QString, QByteArray>& files)
{
    QMap<QString, QByteArray> recordings;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (it.key().endsWith(".wav", Qt::CaseInsensitive))
            recordings.insert(it.key(), it.value());
    }
    return recordings;
}

// Whatever went wrong, every recording is on the card as it was or has a verified copy
// in the archive; everything that is no recording stays on the card. Empty when so.
QString LostRecording(const QString& card, const QString& archive,
                      const QMap<QString, QByteArray>& before)
{
    const QMap<QString, QByteArray> now = Files(card), archived = Files(archive);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (now.value(it.key()) == it.value())
            continue;
        if (now.contains(it.key()))
            return it.key() + " changed on the card";
        if (!Recordings(before).contains(it.key()))
            return it.key() + " left the card, and it is no recording";
        const auto copy =
            std::find_if(archived.keyValueBegin(), archived.keyValueEnd(), [&](const auto& entry) {
                return entry.first.section('/', 2) == it.key() && entry.second == it.value();
            });
        if (copy == archived.keyValueEnd())
            return it.key() + " left the card without a copy in the archive";
    }
    return ArchiveFault(archive, before, false);
}

} // namespace

class CollectTest : public QObject
{
    Q_OBJECT

    TestFolder dir;
    bool ownMounts = false;
    QString Path(const QString& name) const { return dir.filePath(name); }

    // The recordings a recorder leaves: PCM, u-Law, IMA ADPCM, one unfinished (its
    // header claims more than was written), one broken, in sub-folders, dated a few
    // days apart, with config.ini, time.ok and field notes. Returns the files with their
    // hashes.
    QMap<QString, QByteArray> MakeCard(const QString& card, int bigBytes = 0)
    {
        const QDateTime day(QDate(2026, 6, 14), QTime(8, 0));
        const QList<QPair<QString, QByteArray>> files = {
            {"REC/A0001.WAV", WavBytes(1, 16000, 64000)},
            {"REC/2026/B0002.wav", WavBytes(7, 8000, 24000)},
            {"REC/2026/C0003.Wav", WavBytes(0x11, 4055, 8110)},
            {"D0004.WAV", WavBytes(1, 16000, 1000, {}, 320000)},
            {"E0005.WAV", "not a recording"},
            {"config.ini", "M,8,uLaw\r\nEvent=all\r\n"},
            {"time.ok", ""},
            {"NOTES/site.txt", "field notes come along"}};
        QMap<QString, QByteArray> all;
        for (int i = 0; i < files.size(); ++i) {
            const QString name = card + "/" + files[i].first;
            QDir().mkpath(QFileInfo(name).path());
            QByteArray bytes = files[i].second;
            if (i == 0 && bigBytes > 0)
                bytes = WavBytes(1, 16000, bigBytes);
            WriteAll(name, bytes);
            QFile file(name);
            file.open(QIODevice::ReadWrite);
            file.setFileTime(day.addDays(i * 3), QFileDevice::FileModificationTime);
            all.insert(files[i].first, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
        }
        return all;
    }

    // A FAT card image mounted with fusefat at mount; the daemon runs in daemon.
    bool MountFat(const QString& image, const QString& mount, QProcess* daemon,
                  const QString& options = "rw+")
    {
        QDir().mkpath(mount);
        if (!QFileInfo::exists(image) &&
            QProcess::execute("mkfs.vfat", {"-C", "-n", "REC01", image, "65536"}) != 0)
            return false;
        // Its messages go nowhere: a full pipe would stop it, and every call on the card.
        daemon->setStandardOutputFile(QProcess::nullDevice());
        daemon->setStandardErrorFile(QProcess::nullDevice());
        daemon->start("fusefat", {"-f", "-o", options, image, mount});
        for (int i = 0; i < 100; ++i) {
            if (QStorageInfo(mount).rootPath() == QDir(mount).absolutePath())
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    void Unmount(const QString& mount, QProcess* daemon)
    {
        QProcess::execute("fusermount", {"-u", "-z", mount});
        daemon->waitForFinished(5000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("data")));
        // Mounts of our own, seen by no one else and gone with the test.
        ownMounts = OwnMountNamespace();
    }

    void collectsRealCard()
    {
        if (!ownMounts)
            QSKIP("no mount namespace of our own here");
        QProcess daemon;
        const QString card = Path("fat"), image = Path("card.img");
        if (!MountFat(image, card, &daemon))
            QSKIP("no FAT card here: mkfs.vfat or FUSE is missing");
        MakeCard(card);
        const QMap<QString, QByteArray> cardBefore = Files(card);
        Unmount(card, &daemon);
        // Read-only from now on: a collect that wrote to the card would fail.
        QVERIFY(MountFat(image, card, &daemon, "ro"));
        const Run first = Collect(Path("archive"), {card});
        const Run again = Collect(Path("archive"), {card});
        const QMap<QString, QByteArray> after = Files(card);
        Unmount(card, &daemon);
        QCOMPARE(first.code, 0);
        QVERIFY2(first.out.startsWith("COLLECTED " + card +
                                      ": 4 recordings, 9 s, 1 unreadable, 0.00 GB into " +
                                      Path("archive") + "/"),
                 qPrintable(first.out));
        QCOMPARE(after, cardBefore);
        // fusefat shows the volume label as an empty file: a file of the card like any other.
        QCOMPARE(ArchiveFault(Path("archive"), cardBefore, true), QString());
        QCOMPARE(again.code, 0);
        QVERIFY2(again.out.contains("    9 of 9 files already collected"), qPrintable(again.out));
        QCOMPARE(Files(Path("archive")).size(), cardBefore.size() + 3); // the lists, the mark
        QDirIterator record(Path("data"), {"collections.csv"}, QDir::Files,
                            QDirIterator::Subdirectories);
        QVERIFY(record.hasNext());
        const QList<QByteArray> rows = ReadAll(record.next()).split('\n');
        QCOMPARE(rows.size(), 4); // the header, a row a run, and the end of the last line
        QVERIFY(rows.first().startsWith("time,card folder,volume label"));
        QVERIFY(rows.at(rows.size() - 2).contains(",0,0,0,9,")); // nothing copied, 9 there
    }

    // A file of the same name with other bytes stays; the card's copy gets a number.
    void keepsOtherFiles()
    {
        const QString card = Path("keep/card"), archive = Path("keep/archive");
        const QMap<QString, QByteArray> files = MakeCard(card);
        const QString folder = archive + "/card/" + QDate::currentDate().toString(Qt::ISODate);
        QDir().mkpath(folder + "/REC");
        WriteAll(folder + "/REC/A0001.WAV", "an older recording");
        const Run run = Collect(archive, {card});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("    REC/A0001.WAV: another file has this name in the archive; "
                                  "collected as REC/A0001 (2).WAV"),
                 qPrintable(run.out));
        QCOMPARE(ReadAll(folder + "/REC/A0001.WAV"), QByteArray("an older recording"));
        QCOMPARE(ReadAll(folder + "/REC/A0001 (2).WAV"), ReadAll(card + "/REC/A0001.WAV"));
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("reason");
        QTest::newRow("archive inside the card") << "refuse/card/archive"
                                                 << "refuse/card"
                                                 << "is on the card's own volume";
        QTest::newRow("archive under a file") << "refuse/file/archive"
                                              << "refuse/card"
                                              << "cannot create the archive folder";
        QTest::newRow("card is a file") << "refuse/archive"
                                        << "refuse/file"
                                        << "not a folder";
        QTest::newRow("no card") << "refuse/archive"
                                 << "refuse/none"
                                 << "no such folder";
        QTest::newRow("read-only archive") << "refuse/readonly"
                                           << "refuse/card"
                                           << "cannot write into the archive";
        QTest::newRow("archive through a bind mount of the card") << "bind/archive"
                                                                  << "refuse/card"
                                                                  << "is on the card's own volume";
        QTest::newRow("archive on the card's volume") << "fat/elsewhere"
                                                      << "fat/REC"
                                                      << "is on the card's own volume";
    }
    void refuses()
    {
        QFETCH(QString, archive);
        QFETCH(QString, card);
        QFETCH(QString, reason);
        MakeCard(Path("refuse/card"));
        WriteAll(Path("refuse/file"), "a file");
        QProcess daemon;
        if (archive.startsWith("fat") &&
            (!ownMounts || !MountFat(Path("refuse.img"), Path("fat"), &daemon)))
            QSKIP("no FAT card here");
        if (archive.startsWith("fat"))
            MakeCard(Path("fat"));
        if (archive.contains("readonly")) {
            if (!ownMounts)
                QSKIP("no mount namespace of our own here");
            QDir().mkpath(Path("refuse/readonly"));
            QCOMPARE(mount("tmpfs", QFile::encodeName(Path("refuse/readonly")).constData(), "tmpfs",
                           MS_RDONLY, "size=1m"),
                     0);
        }
        if (archive.startsWith("bind")) {
            if (!ownMounts)
                QSKIP("no mount namespace of our own here");
            QDir().mkpath(Path("bind"));
            QCOMPARE(mount(QFile::encodeName(Path(card)).constData(),
                           QFile::encodeName(Path("bind")).constData(), nullptr, MS_BIND, nullptr),
                     0);
        }
        const QMap<QString, QByteArray> before = Files(Path(""));
        const Run run = Collect(Path(archive), {Path(card)});
        const QMap<QString, QByteArray> after = Files(Path(""));
        if (archive.contains("readonly"))
            umount(QFile::encodeName(Path("refuse/readonly")).constData());
        if (archive.startsWith("bind"))
            umount(QFile::encodeName(Path("bind")).constData());
        if (archive.startsWith("fat"))
            Unmount(Path("fat"), &daemon);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.out.startsWith("FAILED " + Path(card) + ": ") && run.out.contains(reason),
                 qPrintable(run.out));
        QCOMPARE(after, before);
        QVERIFY(archive.contains("readonly") || !QFileInfo::exists(Path(archive)));
    }

    // Each fault leaves only whole copies under their names; the rerun completes the
    // collection.
    void faults_data()
    {
        QTest::addColumn<QStringList>("faults"); // the fault library's, {} is the test's folder
        QTest::addColumn<int>("code");           // -1: any
        QTest::addColumn<QString>("told");
        const QStringList cFails = {"PLIMO_FAULT_UNDER={}/card/REC/2026/C0003.Wav",
                                    "PLIMO_FAULT_READ_AT=1", "PLIMO_FAULT_READ_COUNT=1000"};
        QTest::newRow("bad sectors in one file")
            << cFails << 1 << "    REC/2026/C0003.Wav: Input/output error";
        for (int n : {2, 5, 9})
            QTest::newRow(qPrintable(QString("read %1 of the card fails").arg(n)))
                << QStringList{"PLIMO_FAULT_UNDER={}/card",
                               QString("PLIMO_FAULT_READ_AT=%1").arg(n)}
                << -1 << "";
        QTest::newRow("byte flipped on write")
            << QStringList{"PLIMO_FAULT_UNDER={}/archive", "PLIMO_FAULT_FLIP_AT=3"} << 2
            << "FAILED {}/card: cannot collect NOTES/site.txt into the archive: the copy read "
               "back from the archive differs from the card; 2 of 8 files collected into";
        QTest::newRow("full archive") << QStringList{"tmpfs"} << 2 << "No space left on device";
        QTest::newRow("card pulled") << QStringList{"pull"} << 2 << "the card went away after";
        // Unmounted under the collect: the files not yet opened vanish with it.
        QTest::newRow("card unmounted")
            << QStringList{"pull", "unmount"} << 2 << "the card went away after";
        // The archive cannot create a copy: the system's reason, not a cancel.
        // Call 12 is the first copy's creation, after the card's mark in the archive.
        QTest::newRow("copy cannot be created")
            << QStringList{"PLIMO_FAULT_AT=12", "PLIMO_FAULT_COUNT=1000"} << 2
            << "into the archive: Input/output error; 0 of ";
        // Between two collects into one folder the user deletes one recording from the card
        // and the archive, another from the card only: SHA256SUMS keeps the line of the one
        // still archived and drops the other's.
        QTest::newRow("second collect after deletions")
            << QStringList{"deleted"} << 0 << "COLLECTED {}/card: ";
    }
    void faults()
    {
        QFETCH(QStringList, faults);
        QFETCH(int, code);
        QFETCH(QString, told);
        const QString folder = Path(QString("faults/") + QTest::currentDataTag());
        const QString card = folder + "/card", archive = folder + "/archive";
        told.replace("{}", folder);
        const QMap<QString, QString> environment = FaultEnvironment(faults, folder);
        const bool tmpfs = faults.contains("tmpfs"), pull = faults.contains("pull");
        QProcess daemon;
        if ((tmpfs || pull) && !ownMounts)
            QSKIP("no mount namespace of our own here");
        QDir().mkpath(archive);
        if (tmpfs)
            QCOMPARE(
                mount("tmpfs", QFile::encodeName(archive).constData(), "tmpfs", 0, "size=256k"), 0);
        if (pull && !MountFat(folder + ".img", card, &daemon))
            QSKIP("no FAT card here");
        MakeCard(card, pull ? 8 << 20 : 600000);
        QMap<QString, QByteArray> cardBefore = Files(card);
        Run run;
        if (pull) {
            QProcess collect;
            Collect(archive, {card}, {}, &collect);
            // The card comes out as soon as the first copy is under way.
            for (int i = 0; i < 2000 && Files(archive, true).isEmpty(); ++i)
                QThread::msleep(2);
            if (faults.contains("unmount"))
                QProcess::execute("fusermount", {"-u", "-z", card});
            else
                daemon.kill();
            QVERIFY(collect.waitForFinished(20000));
            run = {collect.exitCode(), QString::fromLocal8Bit(collect.readAllStandardOutput())};
            Unmount(card, &daemon);
        } else {
            run = Collect(archive, {card}, environment);
        }
        if (code >= 0)
            QCOMPARE(run.code, code);
        QVERIFY2(run.out.contains(told), qPrintable(run.out));
        QCOMPARE(ArchiveFault(archive, cardBefore, false), QString());
        // What the user changes on the card and in the archive before the rerun.
        QMap<QString, QByteArray> archived = cardBefore;
        if (faults.contains("deleted")) {
            const QString collection =
                archive + "/card/" + QDate::currentDate().toString(Qt::ISODate);
            QVERIFY(QFile::remove(card + "/REC/A0001.WAV") && QFile::remove(card + "/D0004.WAV") &&
                    QFile::remove(collection + "/D0004.WAV"));
            archived.remove("D0004.WAV");
            cardBefore = Files(card);
        }
        // The card back in, the disk emptied: the rerun finishes the collection.
        if (tmpfs)
            QCOMPARE(mount("tmpfs", QFile::encodeName(archive).constData(), "tmpfs", MS_REMOUNT,
                           "size=8m"),
                     0);
        if (pull)
            QVERIFY(MountFat(folder + ".img", card, &daemon));
        const Run rerun = Collect(archive, {card});
        const QString fault = ArchiveFault(archive, archived, true);
        const QMap<QString, QByteArray> after = Files(card);
        if (pull)
            Unmount(card, &daemon);
        if (tmpfs)
            umount(QFile::encodeName(archive).constData());
        QCOMPARE(after, cardBefore);
        QCOMPARE(rerun.code, 0);
        QCOMPARE(fault, QString());
        QVERIFY(pull || Files(archive, true).isEmpty());
    }

    // Killed at each file-changing call in turn: whole copies only, and a rerun completes.
    void killedAtEveryCall()
    {
        const QString card = Path("kill/card");
        const QMap<QString, QByteArray> files = MakeCard(card);
        const Run counted = Collect(Path("kill/count"), {card},
                                    {{"PLIMO_FAULT_AT", "0"}, {"PLIMO_FAULT_TRACE", "1"}});
        QCOMPARE(counted.code, 0);
        QVERIFY(counted.points > 20);
        qInfo("%ld kill points", counted.points);
        for (long point = 1; point <= counted.points; ++point) {
            const QString archive = Path(QString("kill/%1").arg(point));
            const Run killed = Collect(
                archive, {card},
                {{"PLIMO_FAULT_AT", QString::number(point)}, {"PLIMO_FAULT_KILL", "before"}});
            QCOMPARE(killed.code, -1);
            const QString fault = ArchiveFault(archive, files, false);
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QString("killed at %1: %2").arg(point).arg(fault)));
            const Run rerun = Collect(archive, {card});
            QCOMPARE(rerun.code, 0);
            QCOMPARE(ArchiveFault(archive, files, true), QString());
            QVERIFY(Files(archive, true).isEmpty());
        }
    }

    // --clear: the recordings with verified copies leave the card, nothing else does; a
    // collect that failed, or a card that cannot be written, keeps everything.
    void clears_data()
    {
        QTest::addColumn<QStringList>("faults"); // the fault library's; tmpfs; read-only
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QStringList>("kept"); // recordings still on the card
        const QStringList all = {"D0004.WAV", "E0005.WAV", "REC/2026/B0002.wav",
                                 "REC/2026/C0003.Wav", "REC/A0001.WAV"};
        QTest::newRow("all collected")
            << QStringList() << 0
            << "COLLECTED {}/card: 4 recordings, 42 s, 1 unreadable, 0.00 GB into {}/archive/card/"
               "{date}/; cleared 5 recordings, 0.00 GB\n"
            << QStringList();
        QTest::newRow("bad sectors in one recording")
            << QStringList{"PLIMO_FAULT_UNDER={}/card/REC/2026/C0003.Wav", "PLIMO_FAULT_READ_AT=1",
                           "PLIMO_FAULT_READ_COUNT=1000"}
            << 1 << "; cleared 4 recordings, 0.00 GB\n    REC/2026/C0003.Wav: Input/output error"
            << QStringList{"REC/2026/C0003.Wav"};
        QTest::newRow("full archive")
            << QStringList{"tmpfs"} << 2 << "No space left on device" << all;
        QTest::newRow("read-only card")
            << QStringList{"read-only"} << 2
            << "FAILED {}/card: 8 of 8 files collected into {}/archive/card/{date}/; the card "
               "cannot be written: cleared nothing\n"
            << all;
    }
    void clears()
    {
        QFETCH(QStringList, faults);
        QFETCH(int, code);
        QFETCH(QString, told);
        QFETCH(QStringList, kept);
        const QString folder = Path(QString("clear/") + QTest::currentDataTag());
        const QString card = folder + "/card", archive = folder + "/archive";
        told.replace("{}", folder).replace("{date}", QDate::currentDate().toString(Qt::ISODate));
        const QMap<QString, QString> environment = FaultEnvironment(faults, folder);
        const bool tmpfs = faults.contains("tmpfs"), readOnly = faults.contains("read-only");
        if ((tmpfs || readOnly) && !ownMounts)
            QSKIP("no mount namespace of our own here");
        QDir().mkpath(archive);
        QDir().mkpath(card);
        if (tmpfs)
            QCOMPARE(
                mount("tmpfs", QFile::encodeName(archive).constData(), "tmpfs", 0, "size=256k"), 0);
        if (readOnly)
            QCOMPARE(mount("tmpfs", QFile::encodeName(card).constData(), "tmpfs", 0, "size=8m"), 0);
        const QMap<QString, QByteArray> before = MakeCard(card, 600000);
        if (readOnly)
            QCOMPARE(mount("none", QFile::encodeName(card).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr),
                     0);
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder + "/data"));
        const Run run = Collect(archive, {card}, environment, nullptr, {"--clear"});
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("data")));
        const QMap<QString, QByteArray> after = Files(card);
        const QString lost = LostRecording(card, archive, before);
        for (const char* mounted : {"archive", "card"})
            umount(QFile::encodeName(folder + "/" + mounted).constData());
        QCOMPARE(run.code, code);
        QVERIFY2(run.out.contains(told), qPrintable(run.out));
        QCOMPARE(lost, QString());
        QCOMPARE(Recordings(after).keys(), kept);
        QCOMPARE(after.size(), before.size() - Recordings(before).size() + kept.size());
        const QList<QStringList> rows =
            CsvRows(ReadAll(folder + "/data/plimo-configurator/collections.csv"));
        QCOMPARE(rows.value(0).mid(16, 2), QStringList({"recordings cleared", "bytes cleared"}));
        QCOMPARE(rows.value(1).value(16), QString::number(5 - kept.size()));
    }

    // A recording that changed on the card after its copy was made, or whose copy in the
    // archive changed before the clear, stays on the card and is named.
    void keepsWhatChanged_data()
    {
        QTest::addColumn<bool>("onCard"); // the card file changes, else the archived copy
        QTest::newRow("card file changed after its copy") << true;
        QTest::newRow("archived copy changed before the clear") << false;
    }
    void keepsWhatChanged()
    {
        QFETCH(bool, onCard);
        const QString folder = Path(QString("changedclear/%1").arg(onCard));
        const QString card = folder + "/card", archive = folder + "/archive";
        MakeCard(card, 600000);
        CollectOptions options;
        options.clear = true;
        QString changed; // the recording whose copy was made first
        options.progress = [&](const CollectProgress&) {
            const QMap<QString, QByteArray> copies = Recordings(Files(archive));
            if (changed.isEmpty() && !copies.isEmpty()) {
                changed = copies.firstKey().section('/', 2);
                QFile file((onCard ? card + "/"
                                   : archive + "/card/" +
                                         QDate::currentDate().toString(Qt::ISODate) + "/") +
                           changed);
                file.open(QIODevice::ReadWrite);
                file.seek(100);
                file.write("x");
            }
            return true;
        };
        const CardCollection c = CollectCard(archive, card, options);
        QVERIFY(!changed.isEmpty());
        QCOMPARE(c.ExitCode(), 1);
        QCOMPARE(c.cleared.files, 4);
        QCOMPARE(c.cleared.stayed.size(), 1);
        const QString why = onCard ? ": changed on the card since it was copied; kept on the card"
                                   : " differs from it; kept on the card";
        QVERIFY2(c.cleared.stayed[0].startsWith(changed) && c.cleared.stayed[0].endsWith(why),
                 qPrintable(c.cleared.stayed[0]));
        QVERIFY(QFileInfo::exists(card + "/" + changed));
    }

    // Killed at each file-changing call of a collect with --clear: no recording is lost
    // (each is on the card or has a verified copy), and a rerun clears the rest; also where
    // an earlier collection holds the recordings and the clear checks against it.
    void clearKilledAtEveryCall_data()
    {
        QTest::addColumn<bool>("earlier");
        QTest::newRow("collected now") << false;
        QTest::newRow("already in the archive") << true;
    }
    void clearKilledAtEveryCall()
    {
        QFETCH(bool, earlier);
        const QString base = Path(QString("clearkill/%1").arg(earlier));
        const auto makeCard = [&](const QString& at) {
            const QMap<QString, QByteArray> made = MakeCard(at + "/card");
            CollectOptions before;
            before.date = QDate::currentDate().addDays(-30);
            if (earlier)
                CollectCard(at + "/archive", at + "/card", before);
            return made;
        };
        const QMap<QString, QByteArray> files = makeCard(base + "/count");
        const Run counted =
            Collect(base + "/count/archive", {base + "/count/card"},
                    {{"PLIMO_FAULT_AT", "0"}, {"PLIMO_FAULT_TRACE", "1"}}, nullptr, {"--clear"});
        QCOMPARE(counted.code, 0);
        QVERIFY(counted.points > (earlier ? 10 : 25));
        const QString archived = "\n    5 already in the archive (collected " +
                                 QDate::currentDate().addDays(-30).toString(Qt::ISODate) + ")\n";
        QVERIFY2(counted.out.contains(archived) == earlier, qPrintable(counted.out));
        qInfo("%ld kill points", counted.points);
        for (long point = 1; point <= counted.points; ++point) {
            const QString card = QString("%1/%2/card").arg(base).arg(point);
            const QString archive = QString("%1/%2/archive").arg(base).arg(point);
            makeCard(QString("%1/%2").arg(base).arg(point));
            const Run killed = Collect(
                archive, {card},
                {{"PLIMO_FAULT_AT", QString::number(point)}, {"PLIMO_FAULT_KILL", "before"}},
                nullptr, {"--clear"});
            QCOMPARE(killed.code, -1);
            const QString lost = LostRecording(card, archive, files);
            QVERIFY2(lost.isEmpty(), qPrintable(QString("killed at %1: %2").arg(point).arg(lost)));
            const Run rerun = Collect(archive, {card}, {}, nullptr, {"--clear"});
            QCOMPARE(rerun.code, 0);
            QCOMPARE(ArchiveFault(archive, files, !earlier), QString());
            QVERIFY(Recordings(Files(card)).isEmpty());
            QCOMPARE(Files(card).size(), files.size() - Recordings(files).size());
        }
    }

    // --write warns of recordings on the card that no collection in the record holds (by
    // name, size and time), and the record of card writes counts them.
    void warnsOfUncollected_data()
    {
        QTest::addColumn<QString>("before"); // what happens to the card before the write
        QTest::addColumn<int>("uncollected");
        QTest::newRow("never collected") << "" << 5;
        QTest::newRow("collected") << "collect" << 0;
        QTest::newRow("a recording made since") << "collect,record" << 1;
        QTest::newRow("a recording's time changed since") << "collect,touch" << 1;
        QTest::newRow("collected, then cleared") << "collect --clear" << 0;
    }
    void warnsOfUncollected()
    {
        QFETCH(QString, before);
        QFETCH(int, uncollected);
        const QString folder = Path(QString("uncollected/") + QTest::currentDataTag());
        const QString card = folder + "/card";
        MakeCard(card);
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder + "/data"));
        if (before.startsWith("collect"))
            QCOMPARE(Collect(folder + "/archive", {card}, {}, nullptr,
                             before.contains("--clear") ? QStringList{"--clear"} : QStringList())
                         .code,
                     0);
        if (before.contains("record"))
            WriteAll(card + "/REC/F0006.WAV", WavBytes(1, 8000, 8000));
        if (before.contains("touch")) {
            QFile file(card + "/D0004.WAV");
            QVERIFY(
                file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
        }
        WriteAll(folder + "/preset.ini", "M,8,uLaw\r\nEvent=all\r\nT1,*.*,8:0,60\r\n");
        QProcess write;
        write.start(PLIMO_BINARY,
                    {"--write", folder + "/preset.ini", "--to", card, "no-preferences.cfg"});
        QVERIFY(write.waitForFinished(30000));
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("data")));
        const QString out = write.readAllStandardOutput();
        QCOMPARE(write.exitCode(), 0);
        const QString warning =
            QString("WARNING %1/: %2 recordings not collected\n").arg(card).arg(uncollected);
        QVERIFY2(out.contains(warning) == (uncollected > 0), qPrintable(out));
        const QList<QStringList> rows =
            CsvRows(ReadAll(folder + "/data/plimo-configurator/deployments.csv"));
        QCOMPARE(rows.value(0).last(), "recordings not collected");
        QCOMPARE(rows.value(1).last(), QString::number(uncollected));
    }

    // A sub-folder the user may not list is named, and the card ends with 1.
    void unlistableFolder()
    {
        const QString card = Path("locked/card"), archive = Path("locked/archive");
        MakeCard(card);
        QDir().mkpath(archive);
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
        QFile::setPermissions(Path("locked"), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(archive, QFileDevice::Permissions(0x7777));
        QFile::setPermissions(card + "/REC/2026", QFileDevice::Permissions());
        const int code = RunInChild(true, [&] {
            const CardCollection c = CollectCard(archive, card);
            return c.unreadable == QStringList("REC/2026/: the folder cannot be read") &&
                           c.Collected() == 6
                       ? c.ExitCode()
                       : 10;
        });
        QFile::setPermissions(card + "/REC/2026", QFileDevice::Permissions(0x7700));
        QCOMPARE(code, 1);
    }

    // Every name on a card is collected byte for byte, or named and left: links are
    // never followed, a pipe is never opened, the program's own temporaries stay behind.
    void everyFileCollectedOrNamed_data()
    {
        QTest::addColumn<QByteArray>("name"); // on the card
        QTest::addColumn<QString>("kind");    // file, link:TARGET, fifo
        QTest::addColumn<QByteArray>("copy"); // its name in the collection; empty: none
        QTest::addColumn<QString>("told");    // a line of the output
        const QString none;
        QTest::newRow("name not UTF-8")
            << QByteArray("R\xe9.WAV") << "file" << QByteArray("R\xe9.WAV") << none;
        QTest::newRow("folder not UTF-8")
            << QByteArray("DIR\xff/R1.WAV") << "file" << QByteArray("DIR\xff/R1.WAV") << none;
        QTest::newRow("the recorder's log")
            << QByteArray("LOG/rec.log") << "file" << QByteArray("LOG/rec.log") << none;
        QTest::newRow("a link out of the card")
            << QByteArray("shadow.wav") << "link:/etc/passwd" << QByteArray()
            << "    shadow.wav: a link, not collected";
        QTest::newRow("a link loop") << QByteArray("REC/loop") << "link:.." << QByteArray()
                                     << "    REC/loop: a link, not collected";
        QTest::newRow("a pipe") << QByteArray("x.wav") << "fifo" << QByteArray()
                                << "    x.wav: a pipe or socket, not collected";
        QTest::newRow("named like the checksums")
            << QByteArray("SHA256SUMS") << "file" << QByteArray("SHA256SUMS (2)")
            << "    SHA256SUMS: another file has this name in the archive; collected as "
               "SHA256SUMS (2)";
        QTest::newRow("named like a copy under way") << QByteArray(".4711.1.collecting") << "file"
                                                     << QByteArray(".4711.1.collecting") << none;
        QTest::newRow("a write's temporary")
            << QByteArray("config.ini.aBcDeF") << "file" << QByteArray() << none;
    }
    void everyFileCollectedOrNamed()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, copy);
        QFETCH(QString, told);
        const QString folder = Path(QString("odd/") + QTest::currentDataTag());
        const QString card = folder + "/card", archive = folder + "/archive";
        MakeCard(card);
        const QByteArray path = QFile::encodeName(card) + '/' + name;
        QDir().mkpath(QFile::decodeName(path.left(path.lastIndexOf('/'))));
        if (kind == "file") {
            QVERIFY(::mkdir(path.left(path.lastIndexOf('/')).constData(), 0755) == 0 ||
                    errno == EEXIST);
            FILE* f = std::fopen(path.constData(), "wb");
            QVERIFY(f && std::fputs("odd bytes\n", f) >= 0 && std::fclose(f) == 0);
            const struct timespec times[2] = {{1781000000, 0}, {1781000000, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0644), 0);
        } else {
            QCOMPARE(::symlink(QFile::encodeName(kind.mid(5)).constData(), path.constData()), 0);
        }
        const Run run = Collect(archive, {card});
        const Run again = Collect(archive, {card});
        const QString collection = archive + "/card/" + QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.startsWith("COLLECTED ") && run.out.contains(told), qPrintable(run.out));
        QCOMPARE(again.code, 0);
        QCOMPARE(ChecksumFault(collection), QString());
        if (copy == name)
            QCOMPARE(ArchiveFault(archive, Files(card), false), QString());
        const QByteArray there = QFile::encodeName(collection) + '/' + copy;
        struct stat left {
        };
        if (copy.isEmpty()) { // nothing of that name, nor anything else of its own
            QVERIFY(::lstat((QFile::encodeName(collection) + '/' + name).constData(), &left) != 0);
            QCOMPARE(Files(collection).size(), MakeCard(folder + "/plain").size() + 2);
            return;
        }
        struct stat original {
        }, copied{};
        QCOMPARE(::stat(path.constData(), &original), 0);
        QCOMPARE(::stat(there.constData(), &copied), 0);
        QCOMPARE(copied.st_mtim.tv_sec, original.st_mtim.tv_sec); // the card file's time
        QVERIFY(ReadAll(collection + "/SHA256SUMS").contains("  " + copy + "\n"));
        QVERIFY(ReadAll(collection + "/recordings.csv").count('\n') >= 10);
    }

    // A file that changes while it is copied is not put in place under its name.
    void changedWhileCopied_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("cut short") << "cut";
        QTest::newRow("grown") << "grow";
        QTest::newRow("touched") << "touch";
    }
    void changedWhileCopied()
    {
        QFETCH(QString, change);
        const QString card = Path("changed/" + change), archive = card + "-archive/";
        QDir().mkpath(card);
        WriteAll(card + "/R.WAV", QByteArray(3 * CopyChunkBytes + 5, 'r'));
        const FileCopy copy =
            CopyVerified(QFile::encodeName(card + "/R.WAV"), QFile::encodeName(archive), "R.WAV",
                         [&, changed = false](qint64) mutable {
                             QFile file(card + "/R.WAV");
                             if (std::exchange(changed, true))
                                 return true;
                             if (change == "cut")
                                 return file.resize(CopyChunkBytes);
                             if (change == "grow")
                                 return file.open(QIODevice::Append) && file.write("more") == 4;
                             return file.open(QIODevice::ReadWrite) &&
                                    file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                                     QFileDevice::FileModificationTime);
                         });
        QCOMPARE(copy.outcome, FileCopy::Changed);
        QCOMPARE(copy.error, QString("changed while it was copied; collect again"));
        QVERIFY(QDir(archive).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A name that takes a number too long for the archive is cut to fit, and said.
    void nameTooLong()
    {
        const QString card = Path("long/card"), archive = Path("long/archive/");
        const QByteArray name = QByteArray(249, 'a') + "\xd0\xaf.WAV"; // 255 bytes, "Я" last
        QDir().mkpath(card);
        QDir().mkpath(archive);
        QVERIFY(WriteAll(archive + QFile::decodeName(name), "another recording"));
        WriteAll(card + "/" + QFile::decodeName(name), "the card's recording");
        const FileCopy copy = CopyVerified(QFile::encodeName(card) + "/" + name,
                                           QFile::encodeName(archive), name, {});
        QCOMPARE(copy.outcome, FileCopy::Copied);
        QVERIFY2(copy.shortened, copy.name.constData());
        QCOMPARE(copy.name, QByteArray(247, 'a') + " (2).WAV"); // 255 bytes
        QCOMPARE(ReadAll(archive + QFile::decodeName(copy.name)), "the card's recording");
    }

    // Two cards of the same name never share a folder, on this run or the next.
    void twoCardsNamedAlike()
    {
        const QString first = Path("alike/a/card"), second = Path("alike/b/card");
        const QString archive = Path("alike/archive");
        MakeCard(first);
        MakeCard(second);
        QVERIFY(WriteAll(second + "/REC/A0001.WAV", WavBytes(1, 16000, 32000)));
        const Run run = Collect(archive, {first, second});
        const Run again = Collect(archive, {second, first});
        const QString date = "/" + QDate::currentDate().toString(Qt::ISODate) + "/";
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("into " + archive + "/card" + date + "\n") &&
                     run.out.contains("into " + archive + "/card (2)" + date + "\n") &&
                     run.out.contains("    another card has the name card in the archive: this "
                                      "one is card (2)\n"),
                 qPrintable(run.out));
        QCOMPARE(again.code, 0);
        QCOMPARE(again.out.count("    8 of 8 files already collected"), 2);
        QCOMPARE(ReadAll(archive + "/card (2)" + date + "REC/A0001.WAV"),
                 ReadAll(second + "/REC/A0001.WAV"));
        QCOMPARE(ChecksumFault(archive + "/card" + date), QString());
        QCOMPARE(ChecksumFault(archive + "/card (2)" + date), QString());
    }

    // Two collects of one card at once: one waits for the other, neither breaks the
    // other's copies; the same card given twice is collected once.
    void twoAtOnce()
    {
        const QString card = Path("twice/card"), archive = Path("twice/archive");
        MakeCard(card, 4 << 20);
        QProcess first, second;
        const QMap<QString, QString> slow = {{"PLIMO_FAULT_SLOW", "20"}};
        Collect(archive, {card}, slow, &first);
        Collect(archive, {card, card + "/", card + "/REC/.."}, slow, &second);
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        const QString out = first.readAllStandardOutput() + second.readAllStandardOutput();
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(out.contains("waiting: another collect of this card into "), qPrintable(out));
        QCOMPARE(out.count("SKIPPED " + card), 2);
        QVERIFY2(out.contains(": the same card as " + card + "\n"), qPrintable(out));
        QCOMPARE(ArchiveFault(archive, Files(card), true), QString());
        QVERIFY(Files(archive, true).isEmpty());
    }

    // Ctrl-C or a TERM: the copies verified so far get their SHA256SUMS, a STOPPED row,
    // and the rerun finishes.
    void stopped_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }
    void stopped()
    {
        QFETCH(int, signal);
        const QString folder = Path(QString("stopped/") + QTest::currentDataTag());
        const QString card = folder + "/card", archive = folder + "/archive";
        MakeCard(card, 4 << 20);
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder + "/data"));
        QProcess collect;
        Collect(archive, {card}, {{"PLIMO_FAULT_SLOW", "100"}}, &collect);
        // Stopped once a few files are in; the big recording is on its way.
        for (int i = 0; i < 5000 && Files(archive).size() < 3; ++i)
            QThread::msleep(2);
        ::kill(pid_t(collect.processId()), signal);
        QVERIFY(collect.waitForFinished(20000));
        const QString out = collect.readAllStandardOutput();
        const QByteArray record = ReadAll(folder + "/data/plimo-configurator/collections.csv");
        const Run rerun = Collect(archive, {card});
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path("data")));
        QCOMPARE(collect.exitCode(), 128 + signal);
        QVERIFY2(out.startsWith("STOPPED " + card + ": stopped: ") &&
                     out.contains(" files collected; run the same command again to finish"),
                 qPrintable(out));
        QVERIFY2(record.contains(",STOPPED,0,0,0,\r\n"), record.constData());
        QCOMPARE(rerun.code, 0);
        QCOMPARE(ArchiveFault(archive, Files(card), true), QString());
    }

    // A later day's collect copies only what an earlier collection of the card does not
    // hold (card path, size, time and the card's bytes hashed now); --clear then clears
    // against the earlier copies too, re-reading each.
    void archived_data()
    {
        QTest::addColumn<QString>("between"); // what happens after the first collect
        QTest::addColumn<int>("days");        // the second collect's date after the first
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QStringList>("copied"); // recordings copied by the second collect
        QTest::addColumn<QStringList>("told");   // its lines below the card's line
        QTest::addColumn<QStringList>("kept");   // recordings on the card after it
        const QString day1 = "5 already in the archive (collected 2026-11-20)";
        const QString fewer = "4 already in the archive (collected 2026-11-20)";
        const QStringList all = {"D0004.WAV", "E0005.WAV", "REC/2026/B0002.wav",
                                 "REC/2026/C0003.Wav", "REC/A0001.WAV"};
        QTest::newRow("a new recording") << "record" << 18 << false << QStringList{"REC/F0006.WAV"}
                                         << QStringList{day1} << all + QStringList{"REC/F0006.WAV"};
        QTest::newRow("record of an earlier version")
            << "record,old record" << 18 << false << QStringList{"REC/F0006.WAV"}
            << QStringList{day1} << all + QStringList{"REC/F0006.WAV"};
        QTest::newRow("bytes changed, same size and time")
            << "flip card" << 18 << false << QStringList{"D0004.WAV"} << QStringList{fewer} << all;
        QTest::newRow("earlier copy deleted")
            << "delete copy" << 18 << false << QStringList{"REC/A0001.WAV"} << QStringList{fewer}
            << all;
        QTest::newRow("earlier copy cut short")
            << "cut copy" << 18 << false << QStringList{"REC/2026/B0002.wav"} << QStringList{fewer}
            << all;
        QTest::newRow("two earlier collections")
            << "record,collect" << 18 << false << QStringList()
            << QStringList{"6 already in the archive (collected between 2026-11-20 and "
                           "2026-11-27)"}
            << all + QStringList{"REC/F0006.WAV"};
        QTest::newRow("a name a spreadsheet would run")
            << "odd name" << 18 << false << QStringList()
            << QStringList{"6 already in the archive (collected 2026-11-20)"}
            << QStringList{"-0007.WAV"} + all;
        QTest::newRow("the same day again") << "" << 0 << false << QStringList()
                                            << QStringList{"8 of 8 files already collected"} << all;
        QTest::newRow("--clear") << "record" << 18 << true << QStringList{"REC/F0006.WAV"}
                                 << QStringList{day1} << QStringList();
        QTest::newRow("--clear, an earlier copy changed since")
            << "flip copy" << 18 << true << QStringList() << QStringList{day1, "{copy} differs"}
            << QStringList{"REC/A0001.WAV"};
    }
    void archived()
    {
        QFETCH(QString, between);
        QFETCH(int, days);
        QFETCH(bool, clear);
        QFETCH(QStringList, copied);
        QFETCH(QStringList, told);
        QFETCH(QStringList, kept);
        const QString folder = Path(QString("archived/") + QTest::currentDataTag());
        const QString card = folder + "/card", archive = folder + "/archive";
        const QString firstCopy = archive + "/card/2026-11-20/REC/A0001.WAV";
        MakeCard(card);
        if (between.contains("odd name"))
            WriteAll(card + "/-0007.WAV", WavBytes(1, 8000, 8000));
        CollectOptions options;
        options.date = QDate(2026, 11, 20);
        QCOMPARE(CollectCard(archive, card, options).ExitCode(), 0);
        // A byte flipped, the file's time kept.
        const auto flip = [](const QString& name) {
            QFile file(name);
            const QDateTime time = QFileInfo(name).lastModified();
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(100) && file.write("x") == 1);
            QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        };
        if (between.contains("record"))
            WriteAll(card + "/REC/F0006.WAV", WavBytes(1, 8000, 8000));
        if (between.contains("collect")) {
            CollectOptions middle;
            middle.date = QDate(2026, 11, 27);
            QCOMPARE(CollectCard(archive, card, middle).ExitCode(), 0);
        }
        if (between.contains("flip card"))
            flip(card + "/D0004.WAV");
        if (between.contains("flip copy"))
            flip(firstCopy);
        if (between.contains("delete copy"))
            QVERIFY(QFile::remove(firstCopy));
        if (between.contains("cut copy"))
            QVERIFY(QFile::resize(archive + "/card/2026-11-20/REC/2026/B0002.wav", 1000));
        options.date = options.date.addDays(days);
        options.record = folder + "/collections.csv";
        if (between.contains("old record"))
            WriteAll(options.record, "time,card folder,volume label,volume serial,files copied,"
                                     "bytes copied,playing seconds copied,files already collected,"
                                     "bytes already collected,playing seconds already collected,"
                                     "card files,card bytes,card playing seconds,first recording,"
                                     "last recording,archive folder,recordings cleared,bytes "
                                     "cleared,result\r\n");
        options.clear = clear;
        const CardCollection c = CollectCard(archive, card, options);
        QStringList copiedNow;
        for (const CollectedFile& file : c.files) {
            if (file.verified && !file.alreadyThere && file.card.IsRecordingName())
                copiedNow << file.card.Shown();
        }
        QCOMPARE(copiedNow, copied);
        told.replaceInStrings("{copy} differs", "REC/A0001.WAV: its copy " + firstCopy +
                                                    " differs from it; kept on the card");
        QCOMPARE(c.Details(), told);
        QCOMPARE(c.Verdict(), kept.isEmpty() || !clear ? "COLLECTED" : "INCOMPLETE");
        QCOMPARE(Recordings(Files(card)).keys(), kept);
        // The new folder holds only what was copied into it, and sha256sum -c passes.
        if (days > 0)
            QCOMPARE(Recordings(Files(c.folder)).keys(), copied);
        QCOMPARE(ChecksumFault(c.folder), QString());
        const QList<QStringList> rows = CsvRows(ReadAll(options.record));
        const qsizetype at = rows.value(0).indexOf("files already archived");
        QCOMPARE(at < 0, between.contains("old record"));
        QCOMPARE(rows.value(1).size(), at < 0 ? 19 : 23);
        QCOMPARE(rows.value(1).value(7), days == 0 ? "8" : "0");
        const QString dates = days == 0                     ? ""
                              : between.contains("collect") ? "2026-11-20 2026-11-27"
                                                            : "2026-11-20";
        if (at >= 0)
            QCOMPARE(rows.value(1).mid(at, 1) + rows.value(1).mid(at + 3),
                     QStringList({QString::number(c.archived.files), dates}));
        QCOMPARE(c.archived.files, days == 0 ? 0 : told.value(0).section(' ', 0, 0).toInt());
    }

    // The record: a row's figures of one kind each; the first recording by the set clock;
    // the collection folder tells the same day by day as the card.
    void recordOfTheRun()
    {
        const QString card = Path("record/card"), archive = Path("record/archive");
        const QString data = Path("record/data");
        MakeCard(card);
        QFile unset(card + "/REC/Z0000.WAV"); // written before the clock was set
        QVERIFY(unset.open(QIODevice::WriteOnly) && unset.write(WavBytes(1, 16000, 16000)) &&
                unset.flush());
        QVERIFY(unset.setFileTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0)),
                                  QFileDevice::FileModificationTime));
        unset.close();
        CollectOptions options;
        options.record = data + "/collections.csv";
        const CardCollection first = CollectCard(archive, card, options);
        QFile::remove(first.folder + "REC/A0001.WAV");
        const CardCollection second = CollectCard(archive, card, options);
        const QList<QStringList> rows = CsvRows(ReadAll(options.record));
        QCOMPARE(rows.size(), 3);
        const QStringList& row = rows[2];
        QCOMPARE(row[1], QDir(card).absolutePath() + "/");
        QCOMPARE(row.mid(4, 3), QStringList({"1", "64044", "4"})); // copied again
        QCOMPARE(row.mid(7, 1), QStringList({"8"}));               // already there
        QCOMPARE(row[10], "9");                                    // on the card
        QVERIFY2(row[13].startsWith("2026-06-14T08:00:00"), qPrintable(row[13]));
        QVERIFY2(row[14].startsWith("2026-06-23T08:00:00"), qPrintable(row[14]));
        QCOMPARE(row[15], first.folder);
        QCOMPARE(row.mid(16, 3), QStringList({"0", "0", "OK"})); // nothing cleared
        const QString onCard = InspectCard(card).text, collected = InspectCard(first.folder).text;
        QCOMPARE(collected.mid(collected.indexOf("recordings:")),
                 onCard.mid(onCard.indexOf("recordings:")));
    }

    // SHA256SUMS lines are what sha256sum itself writes for the same names, and read back.
    void checksumLines_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("plain") << QByteArray("REC/A0001.WAV");
        QTest::newRow("not UTF-8") << QByteArray("R\xe9.WAV");
        QTest::newRow("a backslash") << QByteArray("a\\b.wav");
        QTest::newRow("a line break") << QByteArray("a\nb.wav");
    }
    void checksumLines()
    {
        QFETCH(QByteArray, name);
        const QString folder = Path(QString("sums/") + QTest::currentDataTag());
        QDir().mkpath(folder + "/REC");
        const QByteArray path = QFile::encodeName(folder) + '/' + name;
        FILE* f = std::fopen(path.constData(), "wb");
        QVERIFY(f && std::fputs("bytes", f) >= 0 && std::fclose(f) == 0);
        QProcess sum;
        sum.setWorkingDirectory(folder);
        // Named by find, as bytes: a name that is no UTF-8 has no QString.
        sum.start("sh", {"-c", "find . -type f -printf '%P\\0' | xargs -0 sha256sum"});
        QVERIFY(sum.waitForFinished());
        const QByteArray expected = sum.readAllStandardOutput();
        QString error;
        const Checksums sums = {{name, HashOfFile(path, &error)}};
        QCOMPARE(ChecksumLines(sums), expected);
        QCOMPARE(ParseChecksums(expected), sums);
    }

    // The one walk of a card: every name as its bytes, links and pipes told apart and not
    // followed, folders below the bound and a write's temporaries left out.
    void cardWalk()
    {
        const QString card = Path("walk/card");
        MakeCard(card);
        const QByteArray at = QFile::encodeName(card) + '/';
        QCOMPARE(::symlink("/etc", (at + "etc").constData()), 0);
        QCOMPARE(::symlink("REC/A0001.WAV", (at + "A.wav").constData()), 0);
        QCOMPARE(::mkfifo((at + "p.wav").constData(), 0644), 0);
        QVERIFY(WriteAll(card + "/config.ini.aBcDeF", "left by a write"));
        QVERIFY(WriteAll(card + "/config.ini.aBcDe", "not one of them"));
        FILE* f = std::fopen((at + "R\xe9.WAV").constData(), "wb");
        QVERIFY(f && std::fclose(f) == 0);
        RecordingBounds bounds;
        bounds.depth = 1; // REC/2026/ is not entered
        const CardListing listing = ListCardFiles(card, bounds);
        QStringList found;
        for (const CardFile& file : listing.files)
            found << file.Shown() + (file.NotAFile().isEmpty() ? "" : ": " + file.NotAFile());
        QCOMPARE(found, QStringList({"A.wav: a link, not followed", "D0004.WAV", "E0005.WAV",
                                     "NOTES/site.txt", "REC/A0001.WAV", "R\\xe9.WAV", "config.ini",
                                     "config.ini.aBcDe", "etc: a link, not followed",
                                     "p.wav: It is a pipe or socket, not a file", "time.ok"}));
        QVERIFY(listing.moreFiles);
        QVERIFY(listing.error.isEmpty());
    }

    // A command line that is no collect: told, exit code 2, nothing made.
    void misuse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("told");
        QTest::newRow("no card") << QStringList() << "--collect needs at least one --from card";
        QTest::newRow("with --write") << QStringList{"--from", "card", "--write", "p.ini"}
                                      << "--collect goes with --from only, not with --write";
        QTest::newRow("with --free") << QStringList{"--from", "card", "--free", "2GB"}
                                     << "--collect goes with --from only, not with --free";
        QTest::newRow("--clear without --collect")
            << QStringList{"--clear"} << "--clear goes with --collect only";
    }
    void misuse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, told);
        QProcess run;
        const QStringList collect = {"--collect", Path("misuse")};
        run.start(PLIMO_BINARY, arguments.contains("--clear") ? arguments : collect + arguments);
        QVERIFY(run.waitForFinished());
        QCOMPARE(run.exitCode(), 1); // a usage error
        QVERIFY2(run.readAllStandardError().contains(told.toUtf8()), qPrintable(told));
        QVERIFY(!QFileInfo::exists(Path("misuse")));
    }

    void archiveName_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("name");
        QTest::newRow("label and serial") << "REC01"
                                          << "1A2B-3C4D"
                                          << "REC01_1A2B-3C4D";
        QTest::newRow("serial only") << ""
                                     << "1A2B-3C4D"
                                     << "1A2B-3C4D";
        QTest::newRow("neither: the folder's name") << ""
                                                    << ""
                                                    << "card";
        QTest::newRow("no way out of the archive") << "../a/b"
                                                   << ""
                                                   << "_._a_b";
    }
    void archiveName()
    {
        QFETCH(QString, label);
        QFETCH(QString, serial);
        QFETCH(QString, name);
        QCOMPARE(CardArchiveName({label, serial}, Path("name/card/")), name);
    }
};

QTEST_GUILESS_MAIN(CollectTest)
#include "tst_collect.moc"
