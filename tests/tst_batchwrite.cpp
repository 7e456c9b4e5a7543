// plimo-configurator --write PRESET --to CARD...: the built program on temporary card
// folders, each card compared with what the form saves after loading the same preset.
#include "editor/configeditwindow.h"
#include "editor/filestatus.h"
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
        QTest::addColumn<QStringList>("cards"); // "file:x" a file, "missing:x" nothing,
                                                // "link:x" a link to a
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
            << QByteArray("M,8,none\r\n") << QByteArray("TimeName clock.ini\nHSample[2] \"\"\n")
            << QStringList{"a"} << QStringList{"--no-clock"} << 0 << QStringList{"OK a/ config.ini"}
            << QByteArray() << true;
        QTest::newRow("a rate the short list lacks")
            << QByteArray("M,11,none\r\n") << QByteArray("HSample[2] \"\"\n") << QStringList{"a"}
            << QStringList() << 1 << QStringList{"(HSample) has no item 2", "nothing written"}
            << QByteArray() << false;
        QTest::newRow("clock file named as the config file")
            << HandWritten << QByteArray("TimeName CONFIG.INI\n") << QStringList{"a"}
            << QStringList() << 1 << QStringList{"nothing written"} << QByteArray() << false;
        QTest::newRow("one folder named four ways")
            << HandWritten << QByteArray() << QStringList{"a", "a/", "./a", "link:l"}
            << QStringList() << 0
            << QStringList{"OK a/ config.ini time.ini", "SKIPPED a/: the same folder as a/",
                           "SKIPPED ./a/: the same folder as a/",
                           "SKIPPED l/: the same folder as a/"}
            << QByteArray("now") << true;
        QTest::newRow("last year the clock file can hold")
            << HandWritten << QByteArray() << QStringList{"a"}
            << QStringList{"--clock", "2099-12-31 23:59:59"} << 0
            << QStringList{"OK a/ config.ini time.ini"}
            << ClockFileBytes(QDate(2099, 12, 31), QTime(23, 59, 59)) << true;
        QTest::newRow("a year the clock file cannot hold")
            << HandWritten << QByteArray() << QStringList{"a"}
            << QStringList{"--clock", "1999-12-31 23:59:59"} << 1
            << QStringList{"only the years 2000 to 2099"} << QByteArray() << false;
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
            else if (card.startsWith("link:"))
                QVERIFY(QFile::link(QStringLiteral("a"), dir.filePath(name)));
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
            const QString told = out + QString::fromLocal8Bit(run.readAllStandardError());
            for (const QString& said : lines)
                QVERIFY2(told.contains(said), qPrintable(told));
            QVERIFY(!QFile::exists(dir.filePath("a/config.ini")));
        } else {
            // The folders are no cards: cardTargets tests the warnings that says.
            QStringList said = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            said.removeIf([](const QString& line) { return line.startsWith("WARNING "); });
            QCOMPARE(said, lines);
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

    // What --write says of where it wrote, each folder in a tmpfs of its own in a mount
    // namespace of the program's own: a folder that is no card, a card full already or
    // soon, a name that would command the terminal.
    void cardTargets_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fill"); // "": no tmpfs; else its size, then filled
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines"); // % is the temporary folder
        QTest::newRow("plain folder")
            << "a"
            << "" << 0 << QStringList{"OK a/ config.ini", "WARNING a/: not a card"};
        QTest::newRow("volume full already")
            << "m"
            << "64k" << 2
            << QStringList{"FAILED m/: cannot write config.ini: No space left on device; the "
                           "card is full"};
        QTest::newRow("full on the first day")
            << "m"
            << "" << 0
            << QStringList{"OK m/ config.ini", "WARNING m/: not a card: on %/m (tmpfs)",
                           "WARNING m/: full after 0 days with 1.0 MB free"};
        QTest::newRow("escape sequence in the name")
            << "a\x1b[2J"
            << "" << 0 << QStringList{"OK a\\x1b[2J/ config.ini", "WARNING a\\x1b[2J/: not a card"};
    }
    void cardTargets()
    {
        QFETCH(QString, folder);
        QFETCH(QString, fill);
        QTemporaryDir tmp;
        QDir dir(tmp.path());
        QVERIFY(dir.mkpath(folder));
        WriteAll(dir.filePath("preset.ini"), "M,8,ulaw\r\nEvent=all\r\nT1,0.0,8:00,60\r\n");
        const bool mount = folder == QLatin1String("m");
        const QString script =
            QStringLiteral("%1 && exec \"$0\" --write preset.ini --to \"$1\" --no-clock")
                .arg(!mount           ? QStringLiteral("true")
                     : fill.isEmpty() ? QStringLiteral("mount -t tmpfs -o size=1m plimocard m")
                                      : QStringLiteral("mount -t tmpfs -o size=%1 plimocard m && "
                                                       "{ cat /dev/zero > m/old.wav; true; }")
                                            .arg(fill));
        QProcess run;
        run.setWorkingDirectory(tmp.path());
        run.start(QStringLiteral("unshare"), {"-m", "--propagation", "private", "sh", "-c", script,
                                              QStringLiteral(PLIMO_BINARY), folder});
        QVERIFY(run.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(run.readAllStandardOutput());
        QTEST(run.exitCode(), "exitCode");
        QFETCH(QStringList, lines);
        for (QString line : lines)
            QVERIFY2(out.contains(line.replace(QLatin1Char('%'), tmp.path())), qPrintable(out));
        QVERIFY(!out.contains(QLatin1Char('\x1b')));
    }

    // One verdict on one file from every reader: --check, --write and the form's load
    // report, each with the items the preferences' lists give the form.
    void oneVerdict_data()
    {
        QTest::addColumn<QByteArray>("preset");
        QTest::addColumn<QByteArray>("prefs");
        QTest::addColumn<int>("checkExit");
        QTest::addColumn<QString>("checkSays");
        QTest::addColumn<QByteArray>("written"); // by --write; empty: nothing written
        QTest::addColumn<QString>("report");     // the load report after "Loaded file X"
        const QByteArray rest = "VAS=off\r\nLoop=none\r\nLimit=*,*\r\nEvent=key\r\n";
        const QByteArray written = "VAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=key\r\n";
        QTest::newRow("a rate the list lacks")
            << "M,16,none\r\n" + rest << QByteArray() << 1
            << "sets wav type to none (item 0); sample rate unchanged: the sample-rate list of "
               "the preferences (HSample) has no item 3"
            << QByteArray()
            << ": 1 of 5 lines had no effect; 1 setting is not in the file and "
               "keeps the form's value";
        QTest::newRow("a rate the list has")
            << "M,16,none\r\n" + rest << QByteArray("HSample[3] 16000\n") << 0
            << "every line took effect (5 lines)"
            << "M,16,none\r\n" + written << "";
        QTest::newRow("a type the list lacks")
            << "M,11,adpcm\r\n" + rest << QByteArray("HMode[2] \"\"\n") << 1
            << "sets sample rate to 11050 samples per second (item 2); wav type unchanged: the "
               "WAV-type list of the preferences (HMode) has no item 2"
            << QByteArray()
            << ": 1 of 5 lines had no effect; 1 setting is not in the file and "
               "keeps the form's value";
        QTest::newRow("last line without line end")
            << "M,8,none\r\n" + rest + "Loop=20" << QByteArray() << 1
            << "1 of 6 lines did not take effect" << QByteArray()
            << ": 1 of 6 lines had no effect; the last line has no line end and was not read";
        QTest::newRow("one line") << QByteArray("Loop=20\r\n") << QByteArray() << 0
                                  << "every line took effect (1 line)"
                                  << QByteArray("M,8,ulaw\r\nVAS=off\r\nLoop=20\r\nLimit=0,0\r\n"
                                                "Event=key\r\n")
                                  << ": 6 settings are not in the file and keep the form's values";
        QTest::newRow("empty file")
            << QByteArray() << QByteArray() << 1 << "no settings in the file" << QByteArray()
            << ": 7 settings are not in the file and keep the form's values";
    }
    void oneVerdict()
    {
        QFETCH(QByteArray, preset);
        QFETCH(QByteArray, prefs);
        QFETCH(int, checkExit);
        QFETCH(QString, checkSays);
        QFETCH(QByteArray, written);
        QFETCH(QString, report);
        QTemporaryDir tmp;
        QDir dir(tmp.path());
        WriteAll(dir.filePath("preset.ini"), preset);
        WriteAll(dir.filePath("my.cfg"), prefs);
        QVERIFY(dir.mkpath("a"));

        QProcess run;
        run.setWorkingDirectory(tmp.path());
        run.start(QStringLiteral(PLIMO_BINARY), {"--check", "preset.ini", "my.cfg"});
        QVERIFY(run.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(run.readAllStandardOutput());
        QVERIFY2(out.contains(checkSays), qPrintable(out));
        QCOMPARE(run.exitCode(), checkExit);

        run.start(QStringLiteral(PLIMO_BINARY),
                  {"--write", "preset.ini", "--to", "a", "--no-clock", "my.cfg"});
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.exitCode(), written.isEmpty() ? 1 : 0);
        QCOMPARE(ReadAll(dir.filePath("a/config.ini")),
                 written.isEmpty() ? QByteArray("<missing>") : written);

        UseFormPreferences(tmp.path() + QStringLiteral("/empty/"));
        PreferenceFile(PreferenceTable).Read(dir.filePath("my.cfg"));
        ConfigEditWindow form(nullptr, "config edit");
        ConfigReadResult read;
        QVERIFY(form.LoadFile(dir.filePath("preset.ini"), &read).ok);
        QCOMPARE(LoadReportFor("X", read).text, "Loaded file X" + report);
    }
};

QTEST_MAIN(BatchWriteTest)
#include "tst_batchwrite.moc"
