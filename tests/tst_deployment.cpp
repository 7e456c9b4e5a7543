// The record of card writes: its CSV, --write and --record run as the program, Save in
// the window; and the window's read-out of the card's recordings and its card report.
#include "app/plimoappwindow.h"
#include "card/cardrecordings.h"
#include "dialogwatch.h"
#include "editor/configeditwindow.h"
#include "formfixture.h"
#include "recorder_files/deployment.h"
#include "testsupport.h"
#include "wavfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

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

private slots:
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << "/media/u/REC01/" << QByteArray("/media/u/REC01/");
        QTest::newRow("comma") << "/media/a,b/" << QByteArray("\"/media/a,b/\"");
        QTest::newRow("quote") << "/media/say \"hi\"/" << QByteArray("\"/media/say \"\"hi\"\"/\"");
        QTest::newRow("line break") << "/media/a\nb/" << QByteArray("\"/media/a\nb/\"");
        QTest::newRow("carriage return") << "a\rb" << QByteArray("\"a\rb\"");
        QTest::newRow("UTF-8") << QString::fromUtf8("/media/Запись/")
                               << QString::fromUtf8("/media/Запись/").toUtf8();
    }
    void field()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QCOMPARE(CsvField(text), field);
        DeploymentRow row;
        row.folder = text;
        QVERIFY(DeploymentLine(row).contains(',' + field + ','));
    }

    void headerOnceAndFailures()
    {
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
        QVERIFY(rows[1].endsWith(",OK,,,," + hash + ",,60,28800000,never,\r"));
        QVERIFY(rows[2].endsWith(",FAILED: no such folder,,,,,,60,28800000,12,\r"));
        const QDateTime at =
            QDateTime::fromString(QString::fromLatin1(rows[1].left(25)), Qt::ISODate);
        QVERIFY(rows[1].at(19) == '+' || rows[1].at(19) == '-'); // the offset is written
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
        QVERIFY(rows[2].contains(",FAILED: no such folder,b/,,,,,60,28800000,,\r"));
        QVERIFY(rows[3].contains(",OK,c/,"));
    }

    // Save in the window adds a row; a record that cannot be written is said in the
    // status line, and the save stands.
    void windowSave()
    {
        QTemporaryDir dir;
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        const QString card = dir.filePath("card") + QLatin1Char('/');
        QVERIFY(QDir().mkpath(card));
        UseFormPreferences(card);
        DialogWatch watch;
        PlimoAppWindow main;
        ConfigEditWindow* form = main.editor();
        form->confirmSaveTarget = [](const QString&) { return true; };
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
        QVERIFY2(rows[1].contains(",not a card: on "), rows[1].constData());
        QVERIFY2(main.statusBar()->currentMessage().contains(". Warning: not a card: on "),
                 qPrintable(main.statusBar()->currentMessage()));
        QVERIFY(QFile::remove(record) && QDir().mkpath(record));
        QVERIFY(QMetaObject::invokeMethod(form, "SaveCurrent"));
        const QString status = main.statusBar()->currentMessage();
        QVERIFY2(status.startsWith("Saved and verified") &&
                     status.contains("Not recorded in " + record + ": It is a folder"),
                 qPrintable(status));
        QCOMPARE(watch.opened, QStringList());
    }

    // The read-out counts the card's recordings off the window's thread; the card
    // report shows the whole report.
    void windowRecordings()
    {
        QTemporaryDir dir;
        const QString card = dir.filePath("card") + QLatin1Char('/');
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
        main.showReport = [&](const QString&, const QString& text) { shown = text; };
        main.statusBar()->findChild<QPushButton*>("card report")->click();
        QTRY_VERIFY(shown.contains("\nrecordings: 2, 480088 bytes, playing 1 h 20 min, "));
    }
};

QTEST_MAIN(DeploymentTest)
#include "tst_deployment.moc"
