// --verify: each card's config.ini against a preset, setting by setting, run as the
// program itself on real folders.
#include "recorder_files/cardverify.h"
#include "recorder_files/clockfile.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace
{

const QByteArray Preset = "M,8,uLaw\r\nVAS=off\r\nLoop=100\r\nLimit=0,0\r\nEvent=all\r\n"
                          "T1,*.*,8:0,60\r\nT2,*.*,18:30,30\r\nT3,*,*,*\r\nT4,*,*,*\r\n";

QByteArray Replaced(const char* from, const char* to)
{
    return QByteArray(Preset).replace(from, to);
}

struct Run {
    int code = -1;
    QString out;
};

Run Program(const QStringList& arguments, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(PLIMO_BINARY), arguments);
    Run run;
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.code = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    return run;
}

} // namespace

class CardVerifyTest : public QObject
{
    Q_OBJECT

private slots:
    void card_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("line");
        QTest::newRow("same") << Preset << "SAME card";
        QTest::newRow("same, other spelling")
            << Replaced("T1,*.*,8:0,60", "T1 , * . * , 08 : 00 , 60 ; morning") << "SAME card";
        QTest::newRow("timer start and loop")
            << Replaced("18:30", "19:30").replace("Loop=100", "Loop=none")
            << "DIFFERS card: loop size 100Mb (preset) / disable (card); timer 2 start 18:30 / "
               "19:30";
        QTest::newRow("VAS levels of VAS off are not on the card")
            << Replaced("VAS=off", "VAS=off\r\nVASon=5,5") << "SAME card";
        QTest::newRow("VAS on") << Replaced("VAS=off", "VAS=on\r\nVASon=5,5")
                                << "DIFFERS card: VAS off (preset) / on (card)";
        QTest::newRow("timer off") << Replaced("T2,*.*,18:30,30", "T2,*,*,*")
                                   << "DIFFERS card: timer 2 on (preset) / off (card)";
        QTest::newRow("date and length")
            << Replaced("T1,*.*,8:0,60", "T1,15.6,8:0,0")
            << "DIFFERS card: timer 1 date *.* (preset) / 15.6 (card); timer 1 length 60 min / "
               "unlimited";
        QTest::newRow("timers off") << Replaced("Event=all", "Event=key")
                                    << "DIFFERS card: timers on (preset) / off (card)";
        QTest::newRow("rate and type") << Replaced("M,8,uLaw", "M,11,adpcm")
                                       << "DIFFERS card: sample rate 8000 (preset) / 11050 "
                                          "(card); wav type u-Law / ADPCM";
        QTest::newRow("a line without effect")
            << Preset + "Loop=0\r\n"
            << "DIFFERS card: line 10 'Loop=0': no effect: loop size 0 is not accepted: "
               "Loop=none switches loop writing off";
        QTest::newRow("last line unfinished")
            << Preset + "Loop=100"
            << "DIFFERS card: line 10 'Loop=100': last line has no carriage return and is not "
               "applied";
        QTest::newRow("empty file") << QByteArray()
                                    << "DIFFERS card: not in the card's file: sample rate and "
                                       "type, VAS, loop, limits, timers; no settings in the file";
    }
    void card()
    {
        QFETCH(QByteArray, card);
        QFETCH(QString, line);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("card")));
        QVERIFY(WriteAll(dir.filePath(QStringLiteral("card/config.ini")), card));
        QVERIFY(WriteAll(dir.filePath(QStringLiteral("preset.ini")), Preset));
        const Run run = Program({"--verify", "preset.ini", "--to", "card"}, dir.path());
        QCOMPARE(run.out, line + QLatin1Char('\n'));
        QCOMPARE(run.code, line.startsWith(QLatin1String("SAME")) ? 0 : 1);
    }

    // What the recorder does with a setting its file leaves out is its own: a setting one
    // file holds and the other does not differs; settings neither holds are not compared.
    void leftOut_data()
    {
        QTest::addColumn<QByteArray>("preset");
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("line");
        const QByteArray start = "M,8,ulaw\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=key\r\n";
        QTest::newRow("one-line card")
            << start << QByteArray("Event=key\r\n")
            << "DIFFERS card: not in the card's file: sample rate and type, VAS, loop, limits";
        QTest::newRow("one-line preset")
            << QByteArray("Event=key\r\n") << start
            << "DIFFERS card: not in the preset's file: sample rate and type, VAS, loop, limits";
        QTest::newRow("neither holds") << QByteArray("Loop=none\r\nEvent=key\r\n")
                                       << QByteArray("Event=key\r\nLoop=none\r\n") << "SAME card";
        QTest::newRow("a timer left out") << Preset << Replaced("T2,*.*,18:30,30\r\n", "")
                                          << "DIFFERS card: not in the card's file: timer 2";
        QTest::newRow("timers left out, with a value that differs")
            << Preset << QByteArray("M,8,uLaw\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\n")
            << "DIFFERS card: not in the card's file: timers; loop size 100Mb (preset) / disable "
               "(card)";
        QTest::newRow("VAS off levels left out")
            << QByteArray("VAS=on\r\nVASon=5,5\r\nVASoff=3,3\r\n")
            << QByteArray("VAS=on\r\nVASon=5,5\r\n")
            << "DIFFERS card: not in the card's file: VAS off level and time";
    }
    void leftOut()
    {
        QFETCH(QByteArray, preset);
        QFETCH(QByteArray, card);
        QFETCH(QString, line);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("card")));
        QVERIFY(WriteAll(dir.filePath(QStringLiteral("card/config.ini")), card));
        QVERIFY(WriteAll(dir.filePath(QStringLiteral("preset.ini")), preset));
        const Run run = Program({"--verify", "preset.ini", "--to", "card"}, dir.path());
        QCOMPARE(run.out, line + QLatin1Char('\n'));
        QCOMPARE(run.code, line.startsWith(QLatin1String("SAME")) ? 0 : 1);
    }

    // A clock file the recorder has not taken yet sets its clock at the next start: one
    // not of about now differs, and --inspect says the same of it.
    void clock_data()
    {
        QTest::addColumn<QDateTime>("clock"); // invalid: a file holding no time
        QTest::addColumn<bool>("taken");      // time.ok beside it
        QTest::addColumn<bool>("differs");
        const QDateTime now = QDateTime::currentDateTime();
        const QDateTime old(QDate(2020, 1, 1), QTime(0, 0));
        QTest::newRow("just written") << now << false << false;
        QTest::newRow("20 h ahead") << now.addSecs(20 * 3600) << false << false;
        QTest::newRow("two days ahead") << now.addDays(2) << false << true;
        QTest::newRow("50 min behind") << now.addSecs(-50 * 60) << false << false;
        QTest::newRow("two hours behind") << now.addSecs(-2 * 3600) << false << true;
        QTest::newRow("01.01.20") << old << false << true;
        QTest::newRow("01.01.20, taken") << old << true << false;
        QTest::newRow("no time in it") << QDateTime() << false << true;
    }
    void clock()
    {
        QFETCH(QDateTime, clock);
        QFETCH(bool, taken);
        QFETCH(bool, differs);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("card")));
        QVERIFY(WriteAll(dir.filePath("card/config.ini"), Preset));
        QVERIFY(WriteAll(dir.filePath("preset.ini"), Preset));
        QVERIFY(WriteAll(dir.filePath("card/time.ini"),
                         clock.isValid() ? ClockFileBytes(clock.date(), clock.time()) : "x\r\n"));
        if (taken)
            QVERIFY(WriteAll(dir.filePath("card/time.ok"), ""));
        const QString waiting =
            clock.isValid() ? "time.ini waiting: " + clock.toString("dd.MM.yy HH:mm:ss") +
                                  ", the recorder will set its clock to it"
                            : "time.ini waiting: it holds no date and time the recorder reads";
        const Run run = Program({"--verify", "preset.ini", "--to", "card"}, dir.path());
        QCOMPARE(run.out, differs ? "DIFFERS card: " + waiting + '\n' : QString("SAME card\n"));
        QCOMPARE(run.code, differs ? 1 : 0);
        const QString inspect = Program({"--inspect", "card"}, dir.path()).out;
        const QString line = taken ? "clock: clock set: time.ok present"
                                   : "clock: " + waiting +
                                         (differs && clock.isValid() ? ", not the time now" : "") +
                                         " (no time.ok)";
        QVERIFY2(inspect.split('\n').contains(line), qPrintable(inspect));
    }

    // Three cards, one of them differing, then missing, unreadable and odd ones: the
    // worst decides the exit code; the preferences are read and never written.
    void cards_data()
    {
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("code");
        QTest::newRow("all same") << QStringList{"a", "c"} << "SAME a\nSAME c\n" << 0;
        QTest::newRow("one differs")
            << QStringList{"a", "b", "c"}
            << "SAME a\nDIFFERS b: loop size 100Mb (preset) / disable (card)\nSAME c\n"
            << 1;
        QTest::newRow("no config.ini") << QStringList{"empty"} << "DIFFERS empty: no config.ini\n"
                                       << 1;
        QTest::newRow("missing") << QStringList{"a", "gone", "b"}
                                 << "SAME a\nFAILED gone: no such folder\nDIFFERS b: loop size "
                                    "100Mb (preset) / disable (card)\n"
                                 << 2;
        QTest::newRow("a file") << QStringList{"preset.ini"} << "FAILED preset.ini: not a folder\n"
                                << 2;
        QTest::newRow("a pipe named config.ini")
            << QStringList{"pipe"}
            << "FAILED pipe: cannot read config.ini: It is a pipe or socket, not a file\n"
            << 2;
    }
    void cards()
    {
        QFETCH(QStringList, cards);
        QFETCH(QString, out);
        QFETCH(int, code);
        QTemporaryDir dir;
        QDir root(dir.path());
        for (const char* name : {"a", "b", "c", "empty", "pipe"})
            QVERIFY(root.mkdir(QString::fromLatin1(name)));
        QVERIFY(WriteAll(root.filePath("preset.ini"), Preset));
        QVERIFY(WriteAll(root.filePath("a/config.ini"), Preset));
        QVERIFY(WriteAll(root.filePath("b/config.ini"), Replaced("Loop=100", "Loop=none")));
        QVERIFY(WriteAll(root.filePath("c/config.ini"), Preset));
        QCOMPARE(mkfifo(QFile::encodeName(root.filePath("pipe/config.ini")).constData(), 0644), 0);
        QStringList arguments{"--verify", "preset.ini"};
        for (const QString& card : cards)
            arguments << "--to" << card;
        const Run run = Program(arguments, dir.path());
        QCOMPARE(run.out, out);
        QCOMPARE(run.code, code);
        QVERIFY(!root.exists(QStringLiteral("Plimoplayer.cfg"))); // read, never written
    }

    void unreadableFolderFails()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkdir(QStringLiteral("locked")));
        QVERIFY(WriteAll(root.filePath("locked/config.ini"), Preset));
        QVERIFY(QFile::setPermissions(root.filePath("locked"), QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        const PresetRead preset = ReadPreset(Preset, {});
        const int code = RunInChild(true, [&] {
            const CardCheck check =
                VerifyCard(root.filePath("locked"), preset, {}, QStringLiteral("config.ini"),
                           QStringLiteral("time.ini"));
            return check.text.endsWith(QLatin1String(": the folder cannot be read")) ? 0 : 1;
        });
        QCOMPARE(code, 0);
    }
};

QTEST_GUILESS_MAIN(CardVerifyTest)
#include "tst_cardverify.moc"
