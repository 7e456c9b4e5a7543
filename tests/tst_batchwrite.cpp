// plimo-configurator --write PRESET --to CARD...: the built program on temporary card
// folders, each card compared with what the form saves after loading the same preset.
#include "editor/configeditwindow.h"
#include "formfixture.h"
#include "recorder_files/clockfile.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QByteArray HandWritten = "  M , 11 , adpcm ; a comment\r\nVAS = on\r\nVASon=5,30\r\n"
                               "Event=all\r\nT2,15.6,8:30,60\r\nLoop=20\r\n";

// What the form writes after loading preset under the preferences prefs.
QByteArray FormBytes(const QString& folder, const QByteArray& preset, const QByteArray& prefs)
{
    UseFormPreferences(folder + QStringLiteral("/empty/"));
    WriteAll(folder + QStringLiteral("/form.cfg"), prefs);
    PreferenceFile(PreferenceTable).Read(folder + QStringLiteral("/form.cfg"));
    WriteAll(folder + QStringLiteral("/form-preset.ini"), preset);
    ConfigEditWindow form(nullptr, "config edit");
    if (!form.LoadFile(folder + QStringLiteral("/form-preset.ini")).ok ||
        !form.WriteConfig(folder + QStringLiteral("/form-config.ini")).ok)
        return "<form failed>";
    return ReadAll(folder + QStringLiteral("/form-config.ini"));
}

} // namespace

class BatchWriteTest : public QObject
{
    Q_OBJECT

private slots:
    void writeCards_data()
    {
        QTest::addColumn<QByteArray>("preset");
        QTest::addColumn<QByteArray>("prefs");
        QTest::addColumn<QStringList>("cards"); // "file:x" a file, "missing:x" nothing
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>(
            "lines"); // the output, or what it holds when nothing is written
        QTest::addColumn<QByteArray>("clock"); // "" no clock file, "now", or its bytes
        QTest::addColumn<bool>("ackRemoved");  // time.ok gone from the written cards

        const QByteArray fixed = ClockFileBytes(QDate(2026, 12, 8), QTime(6, 0));
        QTest::newRow("two cards")
            << HandWritten << QByteArray() << QStringList{"a", "b/"} << QStringList() << 0
            << QStringList{"OK a/ config.ini time.ini", "OK b/ config.ini time.ini"}
            << QByteArray("now") << true;
        QTest::newRow("file in place of the folder")
            << HandWritten << QByteArray() << QStringList{"file:x", "b"} << QStringList() << 2
            << QStringList{"FAILED x/: not a folder", "OK b/ config.ini time.ini"}
            << QByteArray("now") << true;
        QTest::newRow("missing folder")
            << HandWritten << QByteArray() << QStringList{"missing:gone"} << QStringList() << 2
            << QStringList{"FAILED gone/: no such folder"} << QByteArray() << false;
        QTest::newRow("LF-only preset")
            << QByteArray("VAS=on\nLoop=20\n") << QByteArray() << QStringList{"a"} << QStringList()
            << 1 << QStringList{"no carriage return at all", "nothing written"} << QByteArray()
            << false;
        QTest::newRow("empty preset")
            << QByteArray() << QByteArray() << QStringList{"a"} << QStringList() << 1
            << QStringList{"nothing written"} << QByteArray() << false;
        QTest::newRow("comments only") << QByteArray("; a preset\r\n  ; with nothing in it\r\n")
                                       << QByteArray() << QStringList{"a"} << QStringList() << 1
                                       << QStringList{"nothing written"} << QByteArray() << false;
        QTest::newRow("preset of 1 MiB")
            << ConfigOfSize(1 << 20) << QByteArray() << QStringList{"a"} << QStringList() << 0
            << QStringList{"OK a/ config.ini time.ini"} << QByteArray("now") << true;
        QTest::newRow("preset of 1 MiB and a byte")
            << ConfigOfSize((1 << 20) + 1) << QByteArray() << QStringList{"a"} << QStringList() << 1
            << QStringList{"larger than 1048576 bytes"} << QByteArray() << false;
        QTest::newRow("fixed clock, old clock kept")
            << HandWritten << QByteArray() << QStringList{"a"}
            << QStringList{"--clock", "2026-12-08 06:00:00", "--keep-old-clock"} << 0
            << QStringList{"OK a/ config.ini time.ini"} << fixed << false;
        QTest::newRow("no clock, preferences' names and short list")
            << QByteArray("M,11,none\r\n") << QByteArray("TimeName clock.ini\nHSample[2] \"\"\n")
            << QStringList{"a"} << QStringList{"--no-clock"} << 0 << QStringList{"OK a/ config.ini"}
            << QByteArray() << true;
        QTest::newRow("clock file named as the config file")
            << HandWritten << QByteArray("TimeName CONFIG.INI\n") << QStringList{"a"}
            << QStringList() << 1 << QStringList{"nothing written"} << QByteArray() << false;
        QTest::newRow("same folder twice")
            << HandWritten << QByteArray() << QStringList{"a", "./a"} << QStringList() << 2
            << QStringList{"OK a/ config.ini time.ini",
                           "FAILED ./a/: the same folder as a/, given already"}
            << QByteArray("now") << true;
    }

    void writeCards()
    {
        QFETCH(QByteArray, preset);
        QFETCH(QByteArray, prefs);
        QFETCH(QStringList, cards);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, clock);
        QFETCH(bool, ackRemoved);

        QTemporaryDir tmp;
        QDir dir(tmp.path());
        WriteAll(dir.filePath("preset.ini"), preset);
        WriteAll(dir.filePath("my.cfg"), prefs);
        QStringList arguments{"--write", "preset.ini"};
        for (const QString& card : cards) {
            const QString name = card.section(QLatin1Char(':'), -1);
            if (card.startsWith("file:"))
                WriteAll(dir.filePath(name), "not a folder");
            else if (!card.startsWith("missing:") && dir.mkpath(name))
                WriteAll(dir.filePath(name + "/time.ok"), "");
            arguments << "--to" << name;
        }
        QProcess run;
        run.setWorkingDirectory(tmp.path());
        run.start(QStringLiteral(PLIMO_BINARY), arguments + options + QStringList{"my.cfg"});
        QVERIFY(run.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(run.readAllStandardOutput());
        QCOMPARE(run.exitCode(), exitCode);

        if (exitCode == 1) {
            for (const QString& said : lines)
                QVERIFY2(out.contains(said), qPrintable(out));
            QVERIFY(!QFile::exists(dir.filePath("a/config.ini")));
        } else {
            QCOMPARE(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), lines);
        }
        QCOMPARE(ReadAll(dir.filePath("my.cfg")), prefs); // read, never rewritten
        QVERIFY(!QFile::exists(dir.filePath("Plimoplayer.cfg")));

        const QByteArray expected = FormBytes(tmp.path(), preset, prefs);
        const QString clockName = prefs.contains("clock.ini") ? "clock.ini" : "time.ini";
        for (const QString& line : lines) {
            if (!line.startsWith("OK "))
                continue;
            const QString card = dir.filePath(line.section(QLatin1Char(' '), 1, 1));
            QCOMPARE(ReadAll(card + "config.ini"), expected);
            QCOMPARE(QFile::exists(card + "time.ok"), !ackRemoved);
            const QByteArray written = ReadAll(card + clockName);
            if (clock.isEmpty())
                QCOMPARE(written, QByteArray("<missing>"));
            else if (clock == "now") // today's date, some time of it
                QCOMPARE(written.left(10),
                         ClockFileBytes(QDate::currentDate(), QTime(0, 0)).left(10));
            else
                QCOMPARE(written, clock);
        }
    }
};

QTEST_MAIN(BatchWriteTest)
#include "tst_batchwrite.moc"
