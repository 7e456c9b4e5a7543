// Every file-changing call of a save failed in turn (libplimofault.so): afterwards the
// card holds each file's old or new bytes, never a cut file, a temporary file or an old
// clock file without time.ok, and the failure is told with the system's reason. Killed
// before and after every such call: each file holds its old or new bytes, or the new ones
// and empty lines where it was written in place; the next write removes the temporary
// files a kill left.
#include "faultinject.h"
#include "formfixture.h"
#include "testsupport.h"

#include "editor/configeditwindow.h"
#include "platform/savefile.h"
#include "recorder_files/batchwrite.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configwriter.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeEdit>
#include <QtTest>
#include <cstring>
#include <sys/stat.h>

namespace
{

constexpr uid_t Nobody = 65534;
const QByteArray Missing = "<missing>"; // what ReadAll gives for a file that is not there
const QByteArray Preset = "M,11,adpcm\r\nVAS=on\r\nVASon=5,30\r\nEvent=all\r\nT2,15.6,8:30,60\r\n";
const QDateTime PresetClock(QDate(2026, 12, 8), QTime(6, 0));

enum class Job { Save, SaveWithoutClock, Write, Preferences };
enum class Setup { Plain, HardLink, LockedFolder, FatCard };

// What a job run in a child process told: 0 for success, 2 for a failure with message.
struct Outcome {
    bool died = true;
    bool killed = false; // by the library, at its point
    QString broken;      // what is wrong beyond the card
    int code = 0;
    long calls = 0;     // file-changing calls counted
    QString failedCall; // the call failed, or empty
    QString message;
    bool cardGone = false; // every call failed from the point on: leftovers may stay
};

// Runs job in a child process (as nobody when asked) that fails count file-changing
// calls from the failAt-th on (0: none).
Outcome RunArmed(bool asNobody, long failAt, const std::function<int(QString*)>& job,
                 long count = 1, FaultKill kill = FaultKill::No)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(fds[0]);
        alarm(5);
        if (asNobody && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(99);
        QString message;
        if (kill == FaultKill::No)
            FaultArm(failAt, count);
        else
            FaultArmKill(failAt, kill);
        const int code = job(&message);
        const QByteArray report = QByteArray::number(code) + '\n' +
                                  QByteArray::number(FaultCalls()) + '\n' + FaultFailedCall() +
                                  '\n' + message.toUtf8();
        FaultDisarm();
        const bool sent =
            ::write(fds[1], report.constData(), size_t(report.size())) == report.size();
        _exit(sent ? 0 : 98);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, int(n));
    ::close(fds[0]);
    int status = 0;
    Outcome o;
    const bool waited = pid > 0 && waitpid(pid, &status, 0) == pid;
    if (waited && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
        o.died = false;
        o.killed = true;
        return o;
    }
    if (!waited || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return o;
    const QList<QByteArray> lines = report.split('\n');
    o.died = lines.size() < 4;
    if (!o.died) {
        o.code = lines[0].toInt();
        o.calls = lines[1].toLong();
        o.failedCall = QString::fromLatin1(lines[2]);
        o.message =
            QString::fromUtf8(report.mid(lines[0].size() + lines[1].size() + lines[2].size() + 3));
    }
    return o;
}

// Runs the program itself: --write of preset to card with the library preloaded,
// failing (or killing it at) the failAt-th call (0: none); the rows go to record.
Outcome RunProgram(const QString& preset, const QString& card, const QString& record, long failAt,
                   FaultKill kill, long count = 1)
{
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", PLIMO_FAULT_LIBRARY);
    environment.insert("PLIMO_FAULT_AT", QString::number(failAt));
    environment.insert("PLIMO_FAULT_TRACE", "1");
    environment.insert("PLIMO_FAULT_COUNT", QString::number(count));
    if (kill != FaultKill::No)
        environment.insert("PLIMO_FAULT_KILL", kill == FaultKill::Before ? "before" : "after");
    // The sanitizers' runtime wants to come first; the library hands every call on to it.
    environment.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");
    run.setProcessEnvironment(environment);
    run.start(PLIMO_BINARY, {"--write", preset, "--to", card, "--clock",
                             PresetClock.toString("yyyy-MM-dd HH:mm:ss"), "--record", record,
                             "no-preferences.cfg"});
    Outcome o;
    if (!run.waitForFinished(10000))
        return o;
    if (run.exitStatus() != QProcess::NormalExit) {
        // Killed at its point, not crashed on the way there.
        const QByteArray trace = run.readAllStandardError();
        o.died = kill == FaultKill::No ||
                 !trace.contains("fault point " + QByteArray::number(failAt) + ": ");
        o.killed = !o.died;
        return o;
    }
    o.died = false;
    o.cardGone = failAt > 0 && count > 1;
    o.code = run.exitCode();
    o.message = QString::fromLocal8Bit(run.readAllStandardOutput());
    o.calls = run.readAllStandardError().count("fault point ");
    return o;
}

// A preset's config.ini as the form would write it.
QByteArray PresetBytes()
{
    return FormatConfig(ReadPreset(Preset, ComboItems()).settings);
}

} // namespace

Q_DECLARE_METATYPE(Job)
Q_DECLARE_METATYPE(Setup)

class FaultSweepTest : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;
    QString Path(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }
    QString Card() const { return Path("card/"); }

    // The files of the card folder: bytes before the job and after a whole job.
    struct Bytes {
        QByteArray old, now;
    };
    QMap<QString, Bytes> files;
    QString linked; // the file of the card that has a second name, other.ini

    // Puts the old files on the card.
    void Prepare(Setup setup)
    {
        QDir(Card()).removeRecursively(); // a FAT card's root stays, emptied
        QFile::remove(Path("other.ini"));
        QVERIFY(QDir().mkpath(Card()));
        for (auto f = files.cbegin(); f != files.cend(); ++f) {
            const QByteArray name = QFile::encodeName(Card() + f.key());
            if (f->old == Missing)
                continue;
            QVERIFY(WriteAll(Card() + f.key(), f->old));
            if (setup == Setup::LockedFolder)
                QCOMPARE(chown(name.constData(), Nobody, Nobody), 0);
        }
        if (setup == Setup::HardLink)
            QCOMPARE(link(QFile::encodeName(Card() + linked).constData(),
                          QFile::encodeName(Path("other.ini")).constData()),
                     0);
    }

    // What is wrong with the card after run; empty when nothing. A kill may leave a file
    // written in place as the new bytes and empty lines up to the old length, and the
    // temporary files of the safe write.
    QString Problem(const Outcome& run, Job job) const
    {
        if (run.died)
            return QStringLiteral("the job died or hung");
        if (!run.broken.isEmpty())
            return run.broken;
        const QString reason = QString::fromLocal8Bit(std::strerror(EIO));
        if (!run.killed && run.code != 0 && !run.message.contains(reason))
            return QStringLiteral("failure told without the system's reason: ") + run.message;
        if (!run.killed && run.code != 0 && run.code != 2)
            return QStringLiteral("exit code %1, not 2").arg(run.code);
        if (!run.killed && run.code == 0 && job == Job::Write && !run.message.startsWith("OK "))
            return QStringLiteral("success told as: ") + run.message;
        QStringList ours;
        for (auto f = files.cbegin(); f != files.cend(); ++f) {
            const QByteArray bytes = ReadAll(Card() + f.key());
            const QByteArray filler = bytes.mid(f->now.size());
            const bool filled = run.killed && f->now != Missing && bytes.startsWith(f->now) &&
                                bytes.size() == f->old.size() &&
                                filler.count('\r') + filler.count('\n') == filler.size();
            if (bytes != f->now && ((run.code == 0 && !run.killed) || bytes != f->old) && !filled)
                return QStringLiteral("%1 holds %2")
                    .arg(f.key(), QString::fromLatin1(bytes.toHex()));
            ours << f.key();
            if (run.killed || run.cardGone)
                ours << LeftoverTemporaryFiles(Card() + f.key()).replaceInStrings(Card(), "");
        }
        if (!linked.isEmpty() && ReadAll(Path("other.ini")) != ReadAll(Card() + linked))
            return QStringLiteral("the second name of %1 holds other bytes").arg(linked);
        const QStringList left = QDir(Card()).entryList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : left) {
            if (!ours.contains(name))
                return QStringLiteral("%1 left on the card").arg(name);
        }
        const auto clock = files.constFind(QStringLiteral("time.ini"));
        if (clock != files.cend() && files.contains(QStringLiteral("time.ok")) &&
            ReadAll(Card() + "time.ini") == clock->old && !QFile::exists(Card() + "time.ok"))
            return QStringLiteral("the old time.ini without time.ok");
        return QString();
    }

    // A FAT file system image mounted with fusefat as the card folder; unmounted with it.
    struct FatMount {
        QTemporaryDir images;
        QString mount;
        ~FatMount()
        {
            if (!mount.isEmpty())
                QProcess::execute("fusermount", {"-u", mount});
        }
    };
    bool MountFatCard(FatMount* fat)
    {
        QDir(Card()).removeRecursively();
        const QString image = fat->images.filePath("card.img");
        if (!QDir().mkpath(Card()) || QProcess::execute("mkfs.vfat", {"-C", image, "1024"}) != 0 ||
            QProcess::execute("fusefat", {"-o", "rw+", image, Card()}) != 0)
            return false;
        fat->mount = Card();
        return true;
    }

    // Fails, or kills, every call of the job of the row in its setup.
    void SweepJob(bool kills)
    {
        QFETCH(Job, job);
        QFETCH(Setup, setup);
        FatMount fat;
        if (setup == Setup::FatCard && !MountFatCard(&fat))
            QSKIP("no FAT card here: mkfs.vfat or FUSE is missing");
        std::unique_ptr<ConfigEditWindow> form;
        std::function<int(QString*)> run;
        PrepareJob(job, setup, &form, &run);
        Sweep(job, kills, [&](long point, FaultKill kill) {
            if (point >= 0)
                Prepare(setup);
            return RunArmed(setup == Setup::LockedFolder, qMax(point, 0L), run, 1, kill);
        });
    }

    // The old and new files of job in setup, and run: the job itself.
    void PrepareJob(Job job, Setup setup, std::unique_ptr<ConfigEditWindow>* form,
                    std::function<int(QString*)>* run)
    {
        // In place (hard link, locked folder), the file shrinks in one set-up and grows in
        // the other.
        const bool oldLonger = setup != Setup::LockedFolder;
        // The old file's tail is a setting of its own: left behind the new bytes, it would
        // switch timer 4 on (or, in the preferences, be read as a line).
        const QByteArray padding =
            oldLonger ? QByteArray(300, ';') + "\r\nT4,18.9,11:55,600\r\n" : QByteArray();
        UseFormPreferences(Card());
        Preferences.SetTime = job == Job::SaveWithoutClock ? 0 : 1;
        files.clear();
        const char* main = job == Job::Preferences ? "Plimoplayer.cfg" : "config.ini";
        linked = setup == Setup::HardLink ? main : "";
        if (job == Job::Preferences) {
            QVERIFY(PreferenceFile(PreferenceTable).Write(Path("expected.cfg")) == 0);
            const QByteArray now = ReadAll(Path("expected.cfg"));
            files[main] = {oldLonger ? padding + now : "ToolTip 1\r\n", now};
            *run = [this](QString* message) {
                PreferenceFile file(PreferenceTable);
                const bool written = file.Write(Card() + "Plimoplayer.cfg") == 0;
                *message = file.OpenFailure();
                return written ? 0 : 2;
            };
            Prepare(setup);
            return;
        }
        files[main] = {oldLonger ? PresetBytes() + padding : "VAS=on\r\n", PresetBytes()};
        files["time.ini"] = {ClockFileBytes(QDate(2020, 1, 1), QTime(12, 0)),
                             ClockFileBytes(PresetClock.date(), PresetClock.time())};
        if (job == Job::SaveWithoutClock)
            files["time.ini"].now = Missing;
        if (setup != Setup::LockedFolder) // nobody may not remove it from that folder
            files["time.ok"] = {QByteArray(), Missing};
        Prepare(setup);
        if (job == Job::Write) {
            QVERIFY(WriteAll(Path("preset.ini"), Preset));
            *run = [this](QString* message) {
                BatchOptions options;
                options.clock = PresetClock;
                QTextStream out(message);
                return WriteCards(Path("preset.ini"), {Card()}, ComboItems(), options, out);
            };
            return;
        }
        // Save: the form loads the old config.ini and shows the preset's clock.
        *form = std::make_unique<ConfigEditWindow>(nullptr, "config edit");
        ConfigEditWindow* f = form->get();
        f->confirmSaveTarget = [](const QString&) { return true; };
        f->manualTimeEnable->setChecked(true);
        f->setDate->setDate(PresetClock.date());
        f->setTime->setTime(PresetClock.time());
        files[main].now = FormatConfig(f->Settings());
        *run = [f](QString* message) {
            f->showWarning = [message](const QString&, const QString& text) { *message = text; };
            QMetaObject::invokeMethod(f, "SaveCurrent");
            return message->isEmpty() ? 0 : 2;
        };
    }

    // Runs the job once to count its calls, then failing each call in turn (or killing
    // the job before and after each), then once more without a fault; runAt(N, kill)
    // prepares the card and runs it failing (killing at) call N. After a kill that left
    // temporary files, the next whole job removes them.
    void Sweep(Job job, bool kills, const std::function<Outcome(long, FaultKill)>& runAt)
    {
        const Outcome count = runAt(0, FaultKill::No);
        QVERIFY2(count.code == 0 && Problem(count, job).isEmpty(), qPrintable(count.message));
        QVERIFY(count.calls > 0);
        int told = 0, leftovers = 0;
        const QList<FaultKill> modes =
            kills ? QList{FaultKill::Before, FaultKill::After} : QList{FaultKill::No};
        for (long point = 1; point <= count.calls; ++point) {
            for (const FaultKill mode : modes) {
                const Outcome failed = runAt(point, mode);
                const QString problem =
                    failed.killed || !kills ? Problem(failed, job) : QStringLiteral("not killed");
                QVERIFY2(problem.isEmpty(),
                         qPrintable(QStringLiteral("%1 at call %2 (%3): %4; %5")
                                        .arg(kills ? "kill" : "fault")
                                        .arg(point)
                                        .arg(failed.failedCall, problem, failed.message)));
                told += failed.code != 0;
                if (kills && HasLeftovers()) {
                    ++leftovers;
                    AfterKill(job, runAt);
                    if (QTest::currentTestFailed())
                        return;
                }
            }
        }
        if (kills)
            qInfo("%lld kill points, %d left temporary files that the next write removed",
                  qint64(count.calls * modes.size()), leftovers);
        else
            qInfo("%ld injection points, %d failures told, %ld recovered from", count.calls, told,
                  count.calls - told);
        const Outcome whole = runAt(0, FaultKill::No);
        QCOMPARE(whole.code, 0);
        for (auto f = files.cbegin(); f != files.cend(); ++f)
            QCOMPARE(ReadAll(Card() + f.key()), f->now);
    }

    bool HasLeftovers() const
    {
        for (auto f = files.cbegin(); f != files.cend(); ++f) {
            if (!LeftoverTemporaryFiles(Card() + f.key()).isEmpty())
                return true;
        }
        return false;
    }

    // The job once more on the card a kill left: it removes the temporary files.
    void AfterKill(Job job, const std::function<Outcome(long, FaultKill)>& runAt)
    {
        const Outcome again = runAt(-1, FaultKill::No);
        QVERIFY2(again.code == 0 && Problem(again, job).isEmpty(),
                 qPrintable(Problem(again, job) + again.message));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(chmod(QFile::encodeName(tmp.path()).constData(), 0755), 0);
        OwnMountNamespace(); // a FAT card left by a killed run would be everyone's otherwise
    }

    void everyCallFails_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<Setup>("setup");
        const std::pair<const char*, Job> jobs[] = {{"save", Job::Save},
                                                    {"save without clock", Job::SaveWithoutClock},
                                                    {"--write", Job::Write},
                                                    {"preferences", Job::Preferences}};
        const std::pair<const char*, Setup> setups[] = {
            {"plain folder", Setup::Plain},
            {"hard link", Setup::HardLink},
            {"folder only root may write", Setup::LockedFolder},
            {"FAT card", Setup::FatCard}};
        for (const auto& [jobName, job] : jobs) {
            for (const auto& [setupName, setup] : setups) {
                // Only root may remove the old clock file from that folder.
                if (job != Job::SaveWithoutClock || setup != Setup::LockedFolder)
                    QTest::addRow("%s, %s", jobName, setupName) << job << setup;
            }
        }
    }
    void everyCallFails() { SweepJob(false); }

    // Killed before and after every file-changing call, on the same paths.
    void everyCallKilled_data() { everyCallFails_data(); }
    void everyCallKilled() { SweepJob(true); }

    // The built program with the library preloaded, every call failed in turn: --write
    // exits 2 and prints the system's reason; killed at every call, it leaves the card as
    // above. The record of card writes stays whole rows either way. A card pulled fails
    // every call from its point on: the reason is the system's all the same.
    void programSweep_data()
    {
        QTest::addColumn<bool>("kills");
        QTest::addColumn<long>("count"); // calls failed from each point on
        QTest::newRow("I/O errors") << false << 1L;
        QTest::newRow("kills") << true << 1L;
        QTest::newRow("card pulled") << false << 1000L;
    }
    void programSweep()
    {
        QFETCH(bool, kills);
        QFETCH(long, count);
        files = {{"config.ini", {"VAS=on\r\n", PresetBytes()}},
                 {"time.ini",
                  {ClockFileBytes(QDate(2020, 1, 1), QTime(12, 0)),
                   ClockFileBytes(PresetClock.date(), PresetClock.time())}},
                 {"time.ok", {QByteArray(), Missing}}};
        linked.clear();
        QVERIFY(WriteAll(Path("preset.ini"), Preset));
        const QString record = Path("record.csv");
        QFile::remove(record);
        Sweep(Job::Write, kills, [&](long point, FaultKill kill) {
            if (point >= 0)
                Prepare(Setup::Plain);
            Outcome o =
                RunProgram(Path("preset.ini"), Card(), record, qMax(point, 0L), kill, count);
            // A disk that fails every call cannot cut a half row back: the record's rows
            // are looked at where calls fail one at a time.
            const QByteArray rows = o.cardGone ? QByteArray() : ReadAll(record);
            const QList<QByteArray> lines = rows.split('\n');
            for (const QByteArray& line : lines.mid(0, lines.size() - 1)) {
                if (!line.endsWith('\r') || line.count(',') != lines[0].count(','))
                    o.broken = QStringLiteral("the record holds a broken row: ") + line;
            }
            if (!rows.isEmpty() && rows != Missing && !rows.endsWith("\r\n"))
                o.broken = QStringLiteral("the record ends in half a row");
            return o;
        });
    }

    // A folder named time.ini can be neither replaced nor removed: time.ok stays, so the
    // recorder never takes a clock from it.
    void clockFileThatIsAFolder_data()
    {
        QTest::addColumn<bool>("writeClock");
        QTest::newRow("new clock") << true;
        QTest::newRow("old clock removed only") << false;
    }
    void clockFileThatIsAFolder()
    {
        QFETCH(bool, writeClock);
        QDir(Card()).removeRecursively();
        QVERIFY(QDir().mkpath(Card() + "time.ini/inside"));
        QVERIFY(WriteAll(Card() + "time.ok", QByteArray()));
        const ClockUpdateResult result =
            UpdateClockFiles(Card(), {"time.ini", writeClock, true, "01.01.26\r\n00:00:00\r\n"});
        QVERIFY(!result.ok);
        QCOMPARE(result.failedFile, Card() + "time.ini");
        QVERIFY(!result.error.isEmpty());
        QVERIFY(QFile::exists(Card() + "time.ok"));
    }

    // A file with a second name is written in place: a write that fails half way puts
    // the old bytes back, and says so; where that fails too, the file is said to be
    // damaged.
    void inPlaceFailureIsTold_data()
    {
        QTest::addColumn<long>("failing"); // calls failed from the first write on
        QTest::addColumn<QString>("told");
        QTest::newRow("the write") << 1L << "; the file holds its old contents again";
        QTest::newRow("the write and the put-back")
            << 100L
            << "; putting the old contents back failed too (Input/output error): the file "
               "may be damaged and must be written again";
    }
    void inPlaceFailureIsTold()
    {
        QFETCH(long, failing);
        QFETCH(QString, told);
        const QByteArray old = PresetBytes() + QByteArray(300, ';');
        files = {{"config.ini", {old, old}}};
        linked = "config.ini";
        Prepare(Setup::HardLink);
        // Call 1 opens the file, call 2 writes it.
        const Outcome run = RunArmed(
            false, 2,
            [&](QString* message) {
                const FileResult written = WriteFileSafely(Card() + "config.ini", "VAS=on\r\n");
                *message = written.error;
                return written.ok ? 0 : 2;
            },
            failing);
        QCOMPARE(run.failedCall, QStringLiteral("pwrite"));
        QCOMPARE(run.message, QString::fromLocal8Bit(std::strerror(EIO)) + told);
        if (failing == 1)
            QCOMPARE(ReadAll(Card() + "config.ini"), old);
        QCOMPARE(ReadAll(Path("other.ini")), ReadAll(Card() + "config.ini"));
    }
};

QTEST_MAIN(FaultSweepTest)
#include "tst_faultsweep.moc"
