// --season of an archive that --collect filled: three cards over two months, one with a
// gap, one with a clock not set and a short day, one collected twice in the field.
#include "app/collectwindow.h"
#include "app/seasonwindow.h"
#include "commandline/collectcard.h"
#include "commandline/seasonpicture.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/deployment.h"
#include "recorder_files/season.h"
#include "testsupport.h"
#include "wavfiles.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QDate Back(2026, 8, 1);
const QByteArray Config = "Event=all\r\nT1,*.*,5:0,60\r\n"; // 60 min a day from 5:00

// A card of the test and what the test made it record: minutes by the day they end.
struct TestCard {
    CardIdentity identity;
    QDate written; // at 4:00, before the day's timer
    QList<QDate> collected;
    QMap<QDate, int> minutes; // recordings at 6:00, the timer's end
    int unsetClock = 0;       // recordings dated 2000-01-01
};

bool Record(const QString& card, const QString& name, const QDateTime& end, int minutes)
{
    const QString file = card + "/REC/" + name;
    QFile wav(file);
    return QDir().mkpath(card + "/REC") && WriteAll(file, WavBytes(7, 100, 100 * 60 * minutes)) &&
           wav.open(QIODevice::ReadWrite) &&
           wav.setFileTime(end, QFileDevice::FileModificationTime);
}

// Records the card's days up to day and collects it into the archive as on day at 9:00.
bool CollectUpTo(const TestCard& c, const QString& card, const QString& archive, const QDate& day)
{
    for (auto it = c.minutes.cbegin(); it != c.minutes.cend() && it.key() <= day; ++it) {
        if (!Record(card, it.key().toString("MMdd") + ".WAV", QDateTime(it.key(), QTime(6, 0)),
                    it.value()))
            return false;
    }
    for (int i = 0; i < c.unsetClock; ++i) {
        if (!Record(card, QString("OLD%1.WAV").arg(i), QDateTime(QDate(2000, 1, 1), QTime(1, i)),
                    5))
            return false;
    }
    if (!WriteAll(card + "/config.ini", Config))
        return false;
    CollectOptions options;
    options.identity = c.identity;
    options.date = day;
    const CardCollection done = CollectCard(archive, card, options);
    QFile list(done.folder + "recordings.csv");
    return done.ExitCode() == 0 && list.open(QIODevice::ReadWrite) &&
           list.setFileTime(QDateTime(day, QTime(9, 0)), QFileDevice::FileModificationTime);
}

QList<TestCard> Cards()
{
    QList<TestCard> cards = {{{"REC01", "1A2B-3C4D"}, {2026, 6, 1}, {Back}, {}, 0},
                             {{"REC02", "5E6F-7A8B"}, {2026, 6, 5}, {Back}, {}, 3},
                             {{"REC03", "9C0D-1E2F"}, {2026, 6, 10}, {{2026, 7, 1}, Back}, {}, 0}};
    for (TestCard& c : cards) {
        for (QDate day = c.written; day <= Back; day = day.addDays(1))
            c.minutes[day] = 60;
    }
    for (QDate day(2026, 6, 20); day <= QDate(2026, 6, 24); day = day.addDays(1))
        cards[0].minutes.remove(day); // the gap
    cards[1].minutes[QDate(2026, 7, 15)] = 20;
    return cards;
}

// The archive of the cards and the record of their writes.
bool MakeArchive(const QString& root, const QList<TestCard>& cards)
{
    QByteArray record = DeploymentHeader();
    for (const TestCard& c : cards) {
        DeploymentRow row;
        row.card = c.identity;
        row.at = QDateTime(c.written, QTime(4, 0));
        record += DeploymentLine(row);
        const QString card = root + "/cards/" + c.identity.label;
        for (const QDate& day : c.collected) {
            if (!CollectUpTo(c, card, root + "/archive", day))
                return false;
        }
    }
    return WriteAll(root + "/deployments.csv", record);
}

QString Date(const QDate& day)
{
    return day.toString("yyyy-MM-dd");
}

} // namespace

class TestSeason : public QObject
{
    Q_OBJECT

    QTemporaryDir Root;
    QList<TestCard> TheCards = Cards();

    QProcess* Run(const QString& archive)
    {
        auto* season = new QProcess(this);
        season->start(PLIMO_BINARY,
                      {"--season", archive, "--record", Root.filePath("deployments.csv")});
        season->waitForFinished(60000);
        return season;
    }

private slots:
    void initTestCase() { QVERIFY(MakeArchive(Root.path(), TheCards)); }

    // season.csv's rows against the days the test recorded; the exit code and the lines.
    void tables()
    {
        QProcess* season = Run(Root.filePath("archive"));
        const QStringList lines =
            QString(season->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(season->exitCode(), 1); // a gap, a clock not set
        QVERIFY2(
            lines.filter(QRegularExpression("^LOOK REC01_1A2B-3C4D: 2026-06-01 to 2026-08-01, "
                                            "57 of 62 days recorded, 57 h 0 min, 5 days without "
                                            "recordings, 0 recordings from a clock set wrong$"))
                    .size() == 1,
            qPrintable(lines.join('\n')));
        QVERIFY(lines
                    .filter(QRegularExpression(
                        "^LOOK REC02_5E6F-7A8B: .*, 3 recordings from a clock set wrong$"))
                    .size() == 1);
        QVERIFY(lines
                    .filter(QRegularExpression(
                        "^OK REC03_9C0D-1E2F: 2026-06-10 to 2026-08-01, 53 of 53 days"))
                    .size() == 1);
        QVERIFY(lines
                    .filter(QRegularExpression(
                        "^season .*: 3 deployments, 2 need a look; 168 of 173 days recorded"))
                    .size() == 1);

        const QList<QStringList> rows = CsvRows(ReadAll(Root.filePath("archive/season.csv")));
        QStringList expected;
        for (const TestCard& c : TheCards) {
            const QString card = c.identity.label + "_" + c.identity.serial;
            for (QDate day = c.written; day <= Back; day = day.addDays(1)) {
                const int minutes = c.minutes.value(day);
                QStringList notes;
                if (day == c.written && c.unsetClock > 0)
                    notes << QString("%1 recordings from a clock set wrong").arg(c.unsetClock);
                if (minutes == 0)
                    notes << "no recordings where the schedule writes";
                expected << QStringList{card,
                                        c.identity.label,
                                        c.identity.serial,
                                        Date(day),
                                        QString::number(minutes),
                                        "60",
                                        minutes ? "1" : "0",
                                        notes.join("; ")}
                                .join(',');
            }
        }
        QStringList got;
        for (const QStringList& row : rows.mid(1))
            got << row.join(',');
        QCOMPARE(rows.value(0).join(','), QString("card,label,serial,date,minutes recorded,minutes "
                                                  "scheduled,recordings,note"));
        QCOMPARE(got, expected);

        // camtrapR's layout: a station, its camera, set up, retrieved, the days not working.
        const QByteArray table = ReadAll(Root.filePath("archive/deployments-table.csv"));
        QCOMPARE(table,
                 QByteArray("Station,Camera,Setup_date,Retrieval_date,Problem1_from,Problem1_to\r\n"
                            "REC01,1A2B-3C4D,2026-06-01,2026-08-01,2026-06-20,2026-06-24\r\n"
                            "REC02,5E6F-7A8B,2026-06-05,2026-08-01,,\r\n"
                            "REC03,9C0D-1E2F,2026-06-10,2026-08-01,,\r\n"));
    }

    // One folder holding the files of every collection of the card's deployment, with their
    // times, as its last collection folder is named: a later collect copies only what
    // earlier ones do not hold.
    QString Whole(const SeasonCard& card)
    {
        const QString last = QDir::cleanPath(card.collections.last());
        if (card.collections.size() == 1)
            return last;
        const QString from = QFileInfo(last).path(), name = QFileInfo(from).fileName();
        const QString whole = Root.filePath("whole/" + name + "/" + QFileInfo(last).fileName());
        QDir().mkpath(whole);
        QFile::copy(from + "/.plimo-card", Root.filePath("whole/" + name + "/.plimo-card"));
        for (const QString& folder : card.collections) {
            QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                const QString to = whole + "/" + QDir(folder).relativeFilePath(file);
                QDir().mkpath(QFileInfo(to).path());
                QFile::remove(to);
                QFile copy(to);
                if (!QFile::copy(file, to) || !copy.open(QIODevice::ReadWrite) ||
                    !copy.setFileTime(QFileInfo(file).lastModified(),
                                      QFileDevice::FileModificationTime))
                    return QString();
            }
        }
        return whole;
    }

    // A collection folder's day by day is the one --inspect gives of it (of every
    // collection of its deployment).
    void sameAsInspect()
    {
        SeasonOptions options;
        options.recordFile = Root.filePath("deployments.csv");
        const Season season = ReadSeason(Root.filePath("archive"), options);
        QCOMPARE(season.cards.size(), 3);
        for (const SeasonCard& card : season.cards) {
            CardReportOptions inspect;
            inspect.recordFile = options.recordFile;
            const QString whole = Whole(card);
            QVERIFY(!whole.isEmpty());
            const DayByDay days = InspectCard(whole, inspect).days;
            QCOMPARE(days.days.size(), card.days.days.size());
            for (qsizetype i = 0; i < days.days.size(); ++i) {
                QCOMPARE(days.days[i].date, card.days.days[i].date);
                QCOMPARE(days.days[i].recordedMilliseconds, card.days.days[i].recordedMilliseconds);
                QCOMPARE(days.days[i].scheduledMinutes, card.days.days[i].scheduledMinutes);
            }
            QCOMPARE(DayByDayNotes(days), DayByDayNotes(card.days));
        }
    }

    // season.png: each cell's colour at known days.
    void picture_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("recorded") << 0 << QDate(2026, 6, 19) << DayColour(DayState::Full);
        QTest::newRow("the gap") << 0 << QDate(2026, 6, 21) << DayColour(DayState::None);
        QTest::newRow("a short day") << 1 << QDate(2026, 7, 15) << DayColour(DayState::Partly);
        QTest::newRow("not yet out") << 1 << QDate(2026, 6, 2) << NotDeployedColour();
        QTest::newRow("collected twice") << 2 << QDate(2026, 7, 20) << DayColour(DayState::Full);
    }
    void picture()
    {
        QFETCH(int, card);
        QFETCH(QDate, day);
        QFETCH(QColor, colour);
        const QImage image(Root.filePath("archive/season.png"));
        QVERIFY(!image.isNull());
        SeasonPicture layout; // the cells' places, from the season's first day
        layout.first = QDate(2026, 6, 1);
        layout.days = 62;
        const QRect cell = layout.Cell(card, day);
        QCOMPARE(image.pixelColor(cell.center()), colour);
        QCOMPARE(image.pixelColor(cell.topLeft()), colour);
    }

    // A disk that fails every write: each file of the season is named FAILED with the
    // system's reason, exit 2, and the season.csv of the run before stays whole.
    void failedWrite()
    {
        const QByteArray before = ReadAll(Root.filePath("archive/season.csv"));
        QVERIFY(!before.isEmpty());
        QProcess season;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", PLIMO_FAULT_LIBRARY);
        env.insert("PLIMO_FAULT_AT", "1");
        env.insert("PLIMO_FAULT_COUNT", "100000");
        env.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");
        season.setProcessEnvironment(env);
        season.start(PLIMO_BINARY, {"--season", Root.filePath("archive"), "--record",
                                    Root.filePath("deployments.csv")});
        QVERIFY(season.waitForFinished(60000));
        const QString out = season.readAllStandardOutput();
        QCOMPARE(season.exitCode(), 2);
        for (const char* name : {"season.csv", "deployments-table.csv", "season.png"})
            QVERIFY2(
                out.contains(
                    QString("FAILED %1: Input/output error").arg(Root.filePath("archive/") + name)),
                qPrintable(out));
        QVERIFY(!out.contains("wrote "));
        QCOMPARE(ReadAll(Root.filePath("archive/season.csv")), before);
    }

    // Season... of the window: read on a worker, a tool tip per cell, a click on a row
    // opens the report of the card's last collection.
    void window()
    {
        ChooseArchiveFolder = [this](QWidget*) { return Root.filePath("archive"); };
        QStringList opened;
        ShowSeason(nullptr, [&opened](const QString& folder) { opened << folder; });
        QDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            dialog = w->objectName() == "season" ? qobject_cast<QDialog*>(w) : dialog;
        QVERIFY(dialog);
        auto* view = dialog->findChild<SeasonView*>();
        SeasonPicture layout;
        layout.first = QDate(2026, 6, 1);
        layout.days = 62;
        const QPoint gap = layout.Cell(0, QDate(2026, 6, 21)).center();
        QVERIFY2(view->ToolTipAt(gap).contains("0 min recorded, 60 min scheduled, 0 recordings"),
                 qPrintable(view->ToolTipAt(gap)));
        QVERIFY(view->ToolTipAt(layout.Cell(1, QDate(2026, 6, 2)).center()).endsWith("not out"));
        QTest::mouseClick(view, Qt::LeftButton, {}, layout.Cell(2, QDate(2026, 7, 2)).center());
        QCOMPARE(opened, QStringList{Root.filePath("archive/REC03_9C0D-1E2F/2026-08-01/")});
        dialog->close();
    }

    // An archive without collections is told plainly, and nothing is written into it.
    void notAnArchive_data()
    {
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << ""
                               << "holds no collection";
        QTest::newRow("foreign") << "notes.txt,photos/2026-06-01/a.jpg"
                                 << "holds no collection";
        QTest::newRow("missing") << "-"
                                 << "no folder";
    }
    void notAnArchive()
    {
        QFETCH(QString, files);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString archive = dir.filePath("archive");
        for (const QString& file : files.split(',', Qt::SkipEmptyParts)) {
            if (file != "-")
                QVERIFY(QDir().mkpath(QFileInfo(archive + "/" + file).path()) &&
                        WriteAll(archive + "/" + file, "x"));
        }
        if (files.isEmpty())
            QVERIFY(QDir().mkpath(archive));
        QProcess* season = Run(archive);
        QCOMPARE(season->exitCode(), 2);
        const QString out = season->readAllStandardOutput();
        QVERIFY2(out.startsWith("FAILED ") && out.contains(line), qPrintable(out));
        QVERIFY(!QFileInfo::exists(archive + "/season.csv"));
    }
};

QTEST_MAIN(TestSeason)
#include "tst_season.moc"
