// The record of card writes: its CSV, --write and --record run as the program, Save in
// the window; and the window's read-out of the card's recordings and its card report.
#include "app/collectwindow.h"
#include "app/plimoappwindow.h"
#include "app/preferences/preferences.h"
#include "app/startup.h"
#include "card/cardrecordings.h"
#include "dialogwatch.h"
#include "editor/configeditwindow.h"
#include "editor/daychart.h"
#include "formfixture.h"
#include "platform/fileplatform.h"
#include "recorder_files/deployment.h"
#include "testsupport.h"
#include "wavfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <cstring>
#include <ctime>

namespace
{

const QByteArray Preset = "M,8,uLaw\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=all\r\n"
                          "T1,*.*,8:0,60\r\nT2,*,*,*\r\nT3,*,*,*\r\nT4,*,*,*\r\n";

QList<QByteArray> Rows(const QString& fileName)
{
    QList<QByteArray> rows = ReadAll(fileName).split('\n');
    if (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

} // namespace

class DeploymentTest : public QObject
{
    Q_OBJECT

    bool ownMounts = false;
    QTemporaryDir dataHome; // the records the window keeps (collections.csv ...)

private slots:
    // Cards mounted by the tests are seen by no other process.
    void initTestCase()
    {
        ownMounts = OwnMountNamespace();
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.filePath("data")));
    }

    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << "/media/u/REC01/" << QByteArray("/media/u/REC01/");
        QTest::newRow("comma") << "/media/a,b/" << QByteArray("\"/media/a,b/\"");
        QTest::newRow("quote") << "/media/say \"hi\"/" << QByteArray("\"/media/say \"\"hi\"\"/\"");
        QTest::newRow("line break") << "/media/a\nb/" << QByteArray("\"/media/a\nb/\"");
        QTest::newRow("carriage return") << "a\rb" << QByteArray("\"a\rb\"");
        QTest::newRow("formula") << "=HYPERLINK(\"x\")" << QByteArray("\"'=HYPERLINK(\"\"x\"\")\"");
        QTest::newRow("label starting with @") << "@REC" << QByteArray("'@REC");
        QTest::newRow("UTF-8") << QString::fromUtf8("/media/Запись/")
                               << QString::fromUtf8("/media/Запись/").toUtf8();
        // A spreadsheet would run these as formulas.
        QTest::newRow("=") << "=HYPERLINK(\"x\")" << QByteArray("\"'=HYPERLINK(\"\"x\"\")\"");
        QTest::newRow("+") << "+1" << QByteArray("'+1");
        QTest::newRow("-") << "-2+3" << QByteArray("'-2+3");
        QTest::newRow("@") << "@SUM(A1),x" << QByteArray("\"'@SUM(A1),x\"");
    }
    void field()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QCOMPARE(CsvField(text), field);
        DeploymentRow row;
        row.folder = text;
        QVERIFY(DeploymentLine(row).contains(',' + field + ','));
        // Read back: the field comes back whole, and of two writes to the card the later is
        // its last, whatever the neighbouring fields (absolute folder, settings file) hold.
        QTemporaryDir dir;
        const QString record = dir.filePath("deployments.csv");
        row.absoluteFolder = row.settingsFile = text;
        row.card = {"REC01", "1A2B-3C4D"};
        row.at = QDateTime(QDate(2026, 12, 1), QTime(10, 0));
        QCOMPARE(AppendDeployment(record, row), QString());
        row.at = row.at.addDays(1);
        QCOMPARE(AppendDeployment(record, row), QString());
        QCOMPARE(LastCardWrite(record, row.card), row.at);
        const QList<QStringList> rows = CsvRows(ReadAll(record));
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[2].value(2) == text || rows[2].value(2) == "'" + text,
                 qPrintable(rows[2].value(2)));
    }

    // The time of a row is local with its offset, in half-hour zones and west of UTC too.
    void headerOnceAndFailures_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("offset");
        QTest::newRow("UTC") << QByteArray("UTC") << QByteArray("+00:00");
        QTest::newRow("India") << QByteArray("Asia/Kolkata") << QByteArray("+05:30");
        QTest::newRow("Marquesas") << QByteArray("Pacific/Marquesas") << QByteArray("-09:30");
    }
    void headerOnceAndFailures()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, offset);
        const QByteArray oldZone = qgetenv("TZ");
        auto restore = qScopeGuard([&] {
            if (oldZone.isNull())
                qunsetenv("TZ");
            else
                qputenv("TZ", oldZone);
            tzset();
        });
        qputenv("TZ", zone);
        tzset();
        QTemporaryDir dir;
        const QString record = dir.filePath("sub/deployments.csv");
        DeploymentRow row;
        row.config = Preset;
        row.minutesADay = 60;
        row.bytesADay = 28800000;
        row.freeSpaceKnown = true;
        QCOMPARE(AppendDeployment(record, row), QString());
        row.error = QStringLiteral("no such folder");
        row.config.clear();
        row.daysUntilFull = 12;
        QCOMPARE(AppendDeployment(record, row), QString());
        const QList<QByteArray> rows = Rows(record);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0] + '\n', DeploymentHeader());
        const QByteArray hash =
            QCryptographicHash::hash(Preset, QCryptographicHash::Sha256).toHex();
        QVERIFY(rows[1].endsWith(",OK,,,," + hash + ",,60,28800000,never,,,,\r"));
        QVERIFY(rows[2].endsWith(",FAILED: no such folder,,,,,,60,28800000,12,,,,\r"));
        const QRegularExpression time(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d,"));
        QVERIFY2(time.match(QString::fromLatin1(rows[1])).hasMatch(), rows[1].constData());
        QCOMPARE(rows[1].mid(19, 6), offset);
        const QDateTime at =
            QDateTime::fromString(QString::fromLatin1(rows[1].left(25)), Qt::ISODate);
        QVERIFY(at.isValid());
        QVERIFY(qAbs(at.secsTo(QDateTime::currentDateTime())) < 60);
        // A record that cannot be written says why.
        QVERIFY(QDir().mkpath(dir.filePath("folder.csv")));
        QCOMPARE(AppendDeployment(dir.filePath("folder.csv"), row),
                 QStringLiteral("It is a folder, not a file"));
    }

    // --write over three cards, one missing: a row each, in the --record file or in the
    // user's data folder; a record that cannot be written fails no card.
    void writeRecords_data()
    {
        QTest::addColumn<QString>("record"); // empty: the default place
        QTest::addColumn<bool>("recorded");
        QTest::newRow("--record") << "rec.csv" << true;
        QTest::newRow("user's data folder") << "" << true;
        QTest::newRow("record is a folder") << "a" << false;
    }
    void writeRecords()
    {
        QFETCH(QString, record);
        QFETCH(bool, recorded);
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkdir("a") && root.mkdir("c"));
        QVERIFY(WriteAll(root.filePath("preset.ini"), Preset));
        QStringList arguments{"--write", "preset.ini", "--to", "a",       "--to",
                              "b",       "--to",       "c",    "--clock", "2026-12-07 10:00:00"};
        if (!record.isEmpty())
            arguments << "--record" << record;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", root.filePath("data"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(PLIMO_BINARY), arguments);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2); // b failed; the record decides nothing
        QVERIFY(ReadAll(root.filePath("a/config.ini")) == ReadAll(root.filePath("c/config.ini")));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(err.contains("not recorded in"), !recorded);
        if (!recorded)
            return;
        const QString file = record.isEmpty()
                                 ? root.filePath("data/plimo-configurator/deployments.csv")
                                 : root.filePath(record);
        const QList<QByteArray> rows = Rows(file);
        QCOMPARE(rows.size(), 4);
        const QByteArray hash = QCryptographicHash::hash(ReadAll(root.filePath("a/config.ini")),
                                                         QCryptographicHash::Sha256)
                                    .toHex();
        QVERIFY(rows[1].contains(",OK,a/,"));
        QVERIFY(rows[1].contains(hash + ",2026-12-07 10:00:00,60,28800000,"));
        // The folders as given and absolute, the preset, and whether the folder is a card.
        const QByteArray real = QFileInfo(dir.path()).canonicalFilePath().toUtf8();
        const QByteArray preset = root.absoluteFilePath("preset.ini").toUtf8();
        QVERIFY(rows[1].contains("," + real + "/a/," + preset + ",not a card: on "));
        QVERIFY(rows[2].contains(",FAILED: no such folder,b/,,,,,60,28800000,," + real + "/b/," +
                                 preset + ",,\r")); // nothing counted on no card
        QVERIFY(rows[3].contains(",OK,c/,"));
    }

    // Save in the window adds a row; a record that cannot be written is said in the
    // status line, and the save stands. The record's words are English whatever the
    // window's language.
    void windowSave_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("warning"); // in the status line
        QTest::newRow("English") << QString() << ". Warning: not a card: on ";
        QTest::newRow("Russian") << QFileInfo(PLIMO_BINARY).dir().filePath("plimo_ru.qm")
                                 << QString::fromUtf8("не карта: на ");
    }
    void windowSave()
    {
        QFETCH(QString, translation);
        QFETCH(QString, warning);
        QTranslator translator;
        QVERIFY(translation.isEmpty() || translator.load(translation));
        QCoreApplication::installTranslator(&translator);
        QTemporaryDir dir;
        const QByteArray dataHomeBefore = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHomeBefore); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        const QString card = dir.filePath("card") + QLatin1Char('/');
        QVERIFY(QDir().mkpath(card));
        UseFormPreferences(card);
        DialogWatch watch;
        PlimoAppWindow main;
        ConfigEditWindow* form = main.editor();
        form->confirmSaveTarget = [](const QString&) { return true; };
        const QString preset = dir.filePath("summer.ini");
        QVERIFY(WriteAll(preset, Preset));
        QVERIFY(form->LoadFile(preset).ok);
        QVERIFY(QMetaObject::invokeMethod(form, "SaveCurrent"));
        const QString record = DefaultDeploymentRecord();
        QVERIFY(record.startsWith(dir.filePath("data")));
        QList<QByteArray> rows = Rows(record);
        QCOMPARE(rows.size(), 2);
        const QByteArray hash =
            QCryptographicHash::hash(ReadAll(card + "config.ini"), QCryptographicHash::Sha256)
                .toHex();
        QVERIFY(rows[1].contains(",OK," + card.toUtf8() + ","));
        QVERIFY(rows[1].contains(hash));
        // A folder on the computer's disk: written, and said so in the message and the row.
        QVERIFY2(rows[1].contains("," + preset.toUtf8() + ",not a card: on "), rows[1].constData());
        QVERIFY2(main.statusBar()->currentMessage().contains(warning),
                 qPrintable(main.statusBar()->currentMessage()));
        if (!translation.isEmpty())
            return;
        QVERIFY(QFile::remove(record) && QDir().mkpath(record));
        QVERIFY(QMetaObject::invokeMethod(form, "SaveCurrent"));
        const QString status = main.statusBar()->currentMessage();
        QVERIFY2(status.startsWith("Saved and verified") &&
                     status.contains("Not recorded in " + record + ": It is a folder"),
                 qPrintable(status));
        QCOMPARE(watch.opened, QStringList());
    }

    // A row is appended only to a record of ours: a foreign CSV is left alone and said to
    // be, a record begun by an earlier version gets its own columns, a half row left by
    // one is ended first.
    void appendsOnlyToItsRecord_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("before"); // what stands before the new row
        QTest::addColumn<int>("columns");
        const QByteArray header = DeploymentHeader();
        const QByteArray first = header.split(',').mid(0, 10).join(',') + "\r\n";
        const QString foreign = QStringLiteral("its first line is not the header of a record of "
                                               "card writes; nothing is written to it");
        const int all = int(header.count(',')) + 1;
        QTest::newRow("ours") << header << QString() << header << all;
        QTest::newRow("first columns only") << first << QString() << first << 10;
        QTest::newRow("half a row") << header + "2026" << QString() << header + "2026\r\n" << all;
        QTest::newRow("row ending in an open quote")
            << header + "2026,\"a\r\nb\r\n"
            << QString() << header + "2026,\"a\r\nb\r\n\"\r\n"
            << all;
        QTest::newRow("open quote, no line end")
            << header + "2026,\"a \"\"b\"\" c" << QString() << header + "2026,\"a \"\"b\"\" c\"\r\n"
            << all;
        QTest::newRow("foreign CSV")
            << QByteArray("name,amount\r\nrent,-500\r\n") << foreign << QByteArray() << 0;
        QTest::newRow("header with more columns") << header.chopped(2) + ",mine\r\n"
                                                  << foreign << QByteArray() << 0;
        QTest::newRow("no line end") << QByteArray("time,result") << foreign << QByteArray() << 0;
    }
    void appendsOnlyToItsRecord()
    {
        QFETCH(QByteArray, start);
        QFETCH(QString, error);
        QFETCH(QByteArray, before);
        QFETCH(int, columns);
        QTemporaryDir dir;
        const QString record = dir.filePath("deployments.csv");
        QVERIFY(WriteAll(record, start));
        DeploymentRow row;
        row.folder = QStringLiteral("a/");
        QCOMPARE(AppendDeployment(record, row), error);
        const QByteArray now = ReadAll(record);
        if (!error.isEmpty()) {
            QCOMPARE(now, start);
            return;
        }
        QVERIFY(now.startsWith(before));
        const QByteArray added = now.mid(before.size());
        QVERIFY(added.endsWith("\r\n") && added.count("\r\n") == 1);
        QCOMPARE(added.count(',') + 1, columns);
        // Read back, the new row is a row of its own.
        const QList<QStringList> rows = CsvRows(now);
        QCOMPARE(rows.size(), CsvRows(before).size() + 1);
        QCOMPARE(rows.last().size(), columns);
    }

    // The record on a disk that is full: no half row, the system's reason, the card
    // written all the same; once there is room again the next row is whole. A tmpfs of
    // its own, in a mount namespace of its own.
    void fullDiskUnderTheRecord()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkdir("card") && root.mkdir("disk"));
        QVERIFY(WriteAll(root.filePath("preset.ini"), Preset));
        // A record that ends a few bytes before its page is full: the next row needs a page.
        QByteArray start = DeploymentHeader();
        DeploymentRow row;
        while (start.size() < 3000)
            start += DeploymentLine(row);
        row.folder = QString(4096 - 40 - start.size() - DeploymentLine(row).size(), 'x');
        start += DeploymentLine(row);
        QCOMPARE(start.size(), 4096 - 40);
        QVERIFY(WriteAll(root.filePath("start.csv"), start));
        const QString write = QStringLiteral("'%1' --write preset.ini --to card --clock now "
                                             "--record disk/deployments.csv")
                                  .arg(PLIMO_BINARY);
        const QString script = "mount -t tmpfs -o size=64k plimorecord disk || exit 77\n"
                               "cp start.csv disk/deployments.csv\n"
                               "dd if=/dev/zero of=disk/fill bs=4096 2>/dev/null\n" +
                               write +
                               " 2>full.err; echo $? >full.code\n"
                               "cp disk/deployments.csv full.csv\n"
                               "rm disk/fill\n" +
                               write + " 2>room.err\ncp disk/deployments.csv room.csv\n";
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start("unshare", {"-m", "--propagation", "private", "sh", "-c", script});
        QVERIFY(p.waitForFinished(20000));
        if (p.exitCode() == 77)
            QSKIP("cannot mount a tmpfs here");
        QCOMPARE(ReadAll(root.filePath("full.code")), QByteArray("0\n"));
        QVERIFY(ReadAll(root.filePath("card/config.ini")).startsWith("M,8,"));
        const QString told = QString::fromLocal8Bit(ReadAll(root.filePath("full.err")));
        QVERIFY2(told.contains(": " + QString::fromLocal8Bit(std::strerror(ENOSPC))),
                 qPrintable(told));
        QCOMPARE(ReadAll(root.filePath("full.csv")), start);
        const QByteArray room = ReadAll(root.filePath("room.csv"));
        QVERIFY(room.startsWith(start));
        const QByteArray added = room.mid(start.size());
        QVERIFY(added.endsWith("\r\n") && added.count("\r\n") == 1);
        QCOMPARE(added.count(','), DeploymentHeader().count(','));
    }

    // Two --write started together onto a new record, the first slowed down between its
    // look at the record and its row: one header, and a whole row each.
    void twoWritersAtOnce()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkdir("a") && root.mkdir("b"));
        QVERIFY(WriteAll(root.filePath("preset.ini"), Preset));
        QProcess writers[2];
        for (int i = 0; i < 2; ++i) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            if (i == 0) {
                env.insert("LD_PRELOAD", PLIMO_FAULT_LIBRARY);
                env.insert("PLIMO_FAULT_SLOW", "3000"); // every write to a file waits 3 s
                env.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");
            }
            writers[i].setProcessEnvironment(env);
            writers[i].setWorkingDirectory(dir.path());
            writers[i].start(PLIMO_BINARY, {"--write", "preset.ini", "--to", i == 0 ? "a" : "b",
                                            "--clock", "now", "--record", "rec.csv"});
            QVERIFY(writers[i].waitForStarted());
            if (i == 0)
                QTest::qWait(1000); // the first has looked at the record and waits to write
        }
        for (QProcess& writer : writers) {
            QVERIFY(writer.waitForFinished(20000));
            QCOMPARE(writer.exitCode(), 0);
            QCOMPARE(writer.readAllStandardError(), QByteArray());
        }
        const QList<QByteArray> rows = Rows(root.filePath("rec.csv"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0] + '\n', DeploymentHeader());
        for (const QByteArray& row : rows)
            QCOMPARE(row.count(','), rows[0].count(','));
    }

    // The read-out counts the card's recordings off the window's thread; the card
    // report shows the whole report. A card pulled leaves no count behind: the card is
    // a tmpfs of the test's own mount namespace, unmounted.
    void windowRecordings()
    {
        QTemporaryDir dir;
        const QString card = dir.filePath("card") + QLatin1Char('/');
        QVERIFY(QDir().mkpath(card));
        const bool mounted = ownMounts && mount("plimocard", QFile::encodeName(card).constData(),
                                                "tmpfs", 0, "size=1m") == 0;
        QVERIFY(QDir().mkpath(card + "REC"));
        QVERIFY(WriteAll(card + "REC/A.WAV", WavBytes(7, 100, 100 * 3000)));
        QVERIFY(WriteAll(card + "REC/B.WAV", WavBytes(7, 100, 100 * 1800)));
        UseFormPreferences(dir.filePath("elsewhere/"));
        DialogWatch watch;
        PlimoAppWindow main;
        auto* label = main.statusBar()->findChild<QLabel*>("card recordings");
        QVERIFY(label);
        // No card path: the working folder is no card, whatever it holds.
        const QString home = QDir::currentPath();
        QDir::setCurrent(card + "REC");
        main.editor()->configFilePath->setText(QString());
        QTest::qWait(1000);
        QDir::setCurrent(home);
        QCOMPARE(label->text(), QString());
        main.editor()->configFilePath->setText(card);
        QTRY_COMPARE(label->text(), QStringLiteral("2 recordings, 1 h 20 min"));
        QString shown;
        main.showReport = [&](const QString&, const CardReport& report) { shown = report.text; };
        main.statusBar()->findChild<QPushButton*>("card report")->click();
        QTRY_VERIFY(shown.contains("\nrecordings: 2, 480088 bytes, playing 1 h 20 min, "));
        if (!mounted)
            QSKIP("no mount namespace of the test's own: the card cannot be pulled");
        QCOMPARE(umount(QFile::encodeName(card).constData()), 0);
        QTRY_COMPARE(label->text(), QString());
    }

    // Card report... draws the recordings day by day beside the text of the report, the
    // days without recordings in the warning colour, up to today; its dates follow the
    // user's locale, a day's tip names its recordings.
    void cardReportPicture_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("label"); // under the first day
        QTest::addColumn<QString>("month"); // in the tip and the note
        QTest::addColumn<QString>("point"); // of the free space in gigabytes
        QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates) << "M/d"
                            << "d MMMM"
                            << ".";
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << "dd.MM"
                                 << "d MMMM"
                                 << ",";
    }
    void cardReportPicture()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, label);
        QFETCH(QString, month);
        QFETCH(QString, point);
        QTemporaryDir dir;
        const QString card = dir.filePath("card") + QLatin1Char('/');
        QVERIFY(QDir().mkpath(card + "REC"));
        QVERIFY(WriteAll(card + "config.ini", Preset));
        // Four days and today, 8:00 to 9:00 as the timer writes: a week between.
        const QDate first = QDate::currentDate().addDays(-11);
        for (int day : {0, 1, 2, 3, 11}) {
            QFile file(card + QString("REC/%1.WAV").arg(day));
            const QByteArray wav = WavBytes(7, 100, 100 * 3600);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size());
            QVERIFY(file.setFileTime(QDateTime(first.addDays(day), QTime(9, 0)),
                                     QFileDevice::FileModificationTime));
        }
        QLocale::setDefault(locale);
        const auto back = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        UseFormPreferences(card);
        DayByDay days;
        QString text;
        QImage picture;
        DialogWatch watch([&](QWidget* dialog) {
            auto* chart = dialog->findChild<DayChart*>("day chart");
            auto* view = dialog->findChild<QPlainTextEdit*>();
            if (!chart || !view)
                return;
            days = chart->Days();
            text = view->toPlainText();
            picture = chart->grab().toImage();
            QCOMPARE(chart->DateLabel(0), locale.toString(first, label));
            QCOMPARE(chart->DayText(0), locale.toString(first, month + " yyyy") +
                                            ": 60 min recorded, 60 min scheduled\nREC/0.WAV");
            for (int i = 0; i < days.days.size(); ++i)
                QCOMPARE(chart->IsGapDay(i), i >= 4 && i <= 10);
            const QRect gap = chart->DayRect(4);
            const QRect full = chart->DayRect(0);
            QCOMPARE(picture.pixelColor(gap.center().x(), gap.bottom() - 1), DayChart::GapColour);
            QCOMPARE(picture.pixelColor(full.left(), full.bottom() - 8), DayChart::RecordedColour);
        });
        PlimoAppWindow main;
        main.statusBar()->findChild<QPushButton*>("card report")->click();
        QTRY_COMPARE(watch.opened, QStringList{"card report"});
        QCOMPARE(days.days.size(), 12);
        QCOMPARE(days.days.first().date, first);
        const QString note = "no recordings from " + locale.toString(first.addDays(4), month) +
                             " to " + locale.toString(first.addDays(10), month) +
                             ", where the schedule writes 60 min a day";
        QVERIFY2(text.contains("\n    " + note), qPrintable(text));
        // The form's numbers and the report's are written alike.
        const QRegularExpression free("\nfree space: \\d+" + QRegularExpression::escape(point) +
                                      "\\d\\d GB \\(\\d+ bytes\\)");
        QVERIFY2(free.match(text).hasMatch(), qPrintable(text));
    }

    // The picture's scale follows the larger of the schedule and the most recorded in a
    // day, with one kind of label: a 5-minute schedule tells 4 minutes from 5.
    void chartScale_data()
    {
        QTest::addColumn<int>("scheduled");
        QTest::addColumn<int>("recorded");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("apart"); // pixels at least between recorded and a minute less
        QTest::newRow("5 min") << 5 << 4 << QStringList{"0 min", "1 min", "2 min", "3 min",
                                                        "4 min", "5 min", "6 min"}
                               << 20;
        QTest::newRow("90 min") << 90 << 60
                                << QStringList{"0 min", "30 min", "60 min", "90 min", "120 min"}
                                << 1;
        QTest::newRow("recorded more than the schedule")
            << 240 << 300 << QStringList{"0 h", "1 h", "2 h", "3 h", "4 h", "5 h", "6 h"} << 0;
    }
    void chartScale()
    {
        QFETCH(int, scheduled);
        QFETCH(int, recorded);
        QFETCH(QStringList, labels);
        QFETCH(int, apart);
        DayByDay days;
        for (int minutes : {recorded, scheduled})
            days.days << DayFigures{QDate(2026, 12, 1).addDays(int(days.days.size())),
                                    minutes * 60000LL,
                                    1,
                                    scheduled,
                                    {}};
        DayChart chart;
        chart.SetDays(days);
        chart.resize(chart.sizeHint());
        QCOMPARE(chart.AxisLabels(), labels);
        QVERIFY(chart.MinutesY(recorded - 1) - chart.MinutesY(recorded) >= apart);
        QVERIFY(chart.MinutesY(qMax(recorded, scheduled)) > chart.DayRect(0).top());
    }

    // A leap year of days fits the card report on a 1366x768 laptop without scrolling,
    // its date labels apart.
    void cardReportYear()
    {
        CardReport report;
        for (int i = 0; i < 366; ++i)
            report.days.days << DayFigures{QDate(2028, 1, 1).addDays(i), 3600000, 1, 90, {}};
        QScopedPointer<QDialog> dialog(NewCardReportDialog(nullptr, "year", report));
        dialog->resize(1366 - 40, 768 - 60);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        auto* chart = dialog->findChild<DayChart*>("day chart");
        auto* scroll = dialog->findChild<QScrollArea*>();
        QVERIFY(chart && scroll);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        QVERIFY(chart->DayRect(365).right() < scroll->viewport()->width());
        int labels = 0;
        int free = 0; // where the next label may start
        for (int i = 0; i < 366; ++i) {
            const QString label = chart->DateLabel(i);
            if (label.isEmpty())
                continue;
            QVERIFY2(chart->DayRect(i).left() >= free, qPrintable(label));
            free = chart->DayRect(i).left() + chart->fontMetrics().horizontalAdvance(label) + 2;
            ++labels;
        }
        QVERIFY(labels >= 12);
    }

    // On a 1024x600 netbook the card report keeps to the screen, however long its
    // findings: they wrap, and the text keeps room for lines of its own.
    void cardReportSmallScreen()
    {
        CardReport report;
        report.text = QString("line\n").repeated(40);
        for (int i = 0; i < 30; ++i)
            report.days.days << DayFigures{QDate(2026, 11, 1).addDays(i), 0, 0, 90, {}};
        for (int i = 0; i < 3; ++i)
            report.days.gaps << RecordingGap{QDate(2026, 11, 1 + 10 * i),
                                             QDate(2026, 11, 9 + 10 * i), 810, 90, false};
        for (int i = 0; i < 40; ++i)
            report.days.unsetClock.Add(QDate(2000, 1, 1),
                                       QString("REC/A/LONG/FOLDER/%1.WAV").arg(i));
        QScopedPointer<QDialog> dialog(NewCardReportDialog(nullptr, "netbook", report));
        dialog->resize(1024 - 40, 600 - 60);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        QCOMPARE(dialog->size(), QSize(1024 - 40, 600 - 60));
        auto* view = dialog->findChild<QPlainTextEdit*>();
        QVERIFY(view->viewport()->height() >= 5 * view->fontMetrics().lineSpacing());
    }

    // "Collect recordings..." copies the card of the path into the folder asked for, off
    // the window's thread; cancelled, it keeps the copies verified and removes the one
    // under way.
    void windowCollect_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("full"); // the archive a small tmpfs of its own
        QTest::newRow("collected, Russian")
            << "ru_RU" << false << "2 recordings, 1 h 20 min, " << false;
        QTest::newRow("collected, US") << "en_US" << false << "2 recordings, 1 h 20 min, " << false;
        QTest::newRow("cancelled") << "en_US" << true << "cancelled; " << false;
        // The system's reason in the window's language, where the system has its words.
        QTest::newRow("archive full, Russian window")
            << "ru_RU" << false << QString::fromUtf8("На устройстве не осталось свободного места")
            << true;
    }
    void windowCollect()
    {
        QFETCH(QString, locale);
        QFETCH(bool, cancel);
        QFETCH(QString, told);
        QFETCH(bool, full);
        QLocale::setDefault(QLocale(locale));
        QTemporaryDir dir;
        const QString archive = dir.filePath("archive");
        if (full) {
            if (!ownMounts || !QDir().mkpath(archive) ||
                mount("plimoarchive", QFile::encodeName(archive).constData(), "tmpfs", 0,
                      "size=64k") != 0)
                QSKIP("no mount namespace of the test's own");
            qstrcpy(Preferences.Language,
                    qPrintable(QFileInfo(PLIMO_BINARY).dir().filePath("plimo_ru.qm")));
            QVERIFY(InstallTranslation(*qApp, {}));
        }
        const auto back = qScopeGuard([&] {
            qDeleteAll(qApp->findChildren<QTranslator*>());
            UseSystemMessagesOf(QString());
            Preferences.Language[0] = 0;
            umount(QFile::encodeName(archive).constData());
        });
        const QString card = dir.filePath("card") + QLatin1Char('/');
        QVERIFY(QDir().mkpath(card + "REC"));
        QVERIFY(WriteAll(card + "REC/A.WAV", WavBytes(7, 100, 100 * 3000)));
        QVERIFY(WriteAll(card + "REC/B.WAV", WavBytes(7, 100, 100 * 1800)));
        if (cancel) { // one large enough to be under way when the dialog is cancelled
            QFile big(card + "REC/C.WAV");
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(256) << 20));
        }
        UseFormPreferences(dir.filePath("elsewhere/"));
        ChooseCollectArchive = [&](QWidget*) { return archive; };
        PlimoAppWindow main;
        // Cancelled once the large file is under way (the two small ones are less than
        // two steps of the thousand).
        QTimer canceller;
        connect(&canceller, &QTimer::timeout, [&] {
            auto* progress = main.findChild<QProgressDialog*>("collect progress");
            if (cancel && progress && progress->value() >= 2)
                progress->findChild<QPushButton*>()->click();
        });
        canceller.start(1);
        main.editor()->configFilePath->setText(card);
        QString shown;
        main.showCollected = [&](const QString&, const QString& text) { shown = text; };
        main.statusBar()->findChild<QPushButton*>("collect recordings")->click();
        QLocale::setDefault(QLocale::c());
        const QString folder =
            archive + "/card/" + QDate::currentDate().toString(Qt::ISODate) + "/";
        if (full) {
            QVERIFY2(shown.contains(told), qPrintable(shown));
            return;
        }
        QVERIFY2(shown.startsWith(told), qPrintable(shown));
        QVERIFY2(cancel || shown.section('\n', 0, 0).endsWith(" GB into " + folder),
                 qPrintable(shown));
        QCOMPARE(ReadAll(folder + "REC/B.WAV"), ReadAll(card + "REC/B.WAV"));
        const QStringList left = QDir(folder + "REC").entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList({"A.WAV", "B.WAV"}));
    }
};

QTEST_MAIN(DeploymentTest)
#include "tst_deployment.moc"
