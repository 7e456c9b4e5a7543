// The program's command line: --check, --help, --version, and Qt's own options beside
// the preferences file argument.
#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// standardOutput: a file that takes the program's standard output instead of the test;
// environment: in place of the test's own.
Run RunProgram(const QStringList& arguments, const QString& folder = QString(),
               const QString& standardOutput = QString(),
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput);
    process.start(QStringLiteral(PLIMO_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString Path(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }

private slots:
    void check_data()
    {
        QTest::addColumn<QStringList>("qtOptions");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("said");
        QTest::addColumn<qint64>("size");            // > 0: the file made that long (sparse)
        QTest::addColumn<QString>("standardOutput"); // a file instead of the test
        const QByteArray good = "M,8,ulaw\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=key\r\n";
        QTest::newRow("every line takes effect")
            << QStringList() << good << 0 << QByteArray() << qint64(0) << QString();
        QTest::newRow("with Qt's options")
            << QStringList{"-platform", "offscreen", "-style", "fusion"} << good << 0
            << QByteArray() << qint64(0) << QString();
        QTest::newRow("a line without effect")
            << QStringList() << QByteArray("Loop=5000\r\n") << 1
            << QByteArray("value 5000 above 4095") << qint64(0) << QString();
        QTest::newRow("reading stops")
            << QStringList() << QByteArray("VAS=on\r\n\x07Loop=20\r\n") << 1
            << QByteArray("byte 0x07 at offset 8: reading stops here") << qint64(0) << QString();
        QTest::newRow("good lines beyond any config.ini")
            << QStringList() << good.repeated(30000) << 2 << QByteArray("not a config.ini")
            << qint64(0) << QString();
        QTest::newRow("1 MiB, the most a config.ini holds")
            << QStringList() << ConfigOfSize(1 << 20) << 0 << QByteArray() << qint64(0)
            << QString();
        QTest::newRow("1 MiB and a byte")
            << QStringList() << ConfigOfSize((1 << 20) + 1) << 2 << QByteArray("not a config.ini")
            << qint64(0) << QString();
        QTest::newRow("sparse 200 MB")
            << QStringList() << QByteArray() << 2 << QByteArray("not a config.ini")
            << qint64(200 << 20) << QString();
        // A deployment planned before the card is in: the day strip's words and count.
        const QByteArray june = "M,8,ulaw\r\nEvent=all\r\nT1,*.6,8:0,60\r\nT2,15.6,8:0,60\r\n";
        QTest::newRow("free space from a date")
            << QStringList{"--free", "2GB", "--from", "2027-06-01"} << june << 0
            << QByteArray(
                   "    with 2GB free from 2027-06-01: full after 740 days (on 2029-06-10)\n")
            << qint64(0) << QString();
        QTest::newRow("free space in an unknown unit")
            << QStringList{"--free", "2gb"} << june << 1 << QByteArray() << qint64(0) << QString();
        QTest::newRow("explanation lost on a full disk")
            << QStringList() << good << 2 << QByteArray() << qint64(0)
            << QStringLiteral("/dev/full");
    }
    void check()
    {
        QFETCH(QStringList, qtOptions);
        QFETCH(QByteArray, content);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, said);
        QFETCH(qint64, size);
        QFETCH(QString, standardOutput);
        WriteAll(Path("config.ini"), content);
        if (size > 0)
            QVERIFY(QFile::resize(Path("config.ini"), size));
        const Run run =
            RunProgram(qtOptions + QStringList{QStringLiteral("--check"), Path("config.ini")},
                       QString(), standardOutput);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.contains(said), run.out.constData());
        // Checking a file needs no preferences file and writes none.
        QVERIFY(!QFile::exists(Path("Plimoplayer.cfg")));
    }

    void checkOfAFileThatCannotBeRead()
    {
        const Run run = RunProgram({QStringLiteral("--check"), Path("missing.ini")}, tmp.path());
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(Path("Plimoplayer.cfg")));
    }

    // The command line in a terminal without a display: a mistaken one is told in one
    // line, exit 1, and nothing is read or written; a preferences file that cannot be
    // read is said in English before the command runs.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("said");
        QTest::addColumn<QStringList>("environment"); // NAME=value, beyond a terminal's own
        const auto row = [](const char* name, const QStringList& arguments, const char* said) {
            QTest::newRow(name) << arguments << 1 << QByteArray(said) << QStringList();
        };
        row("misspelt command", {"--inspekt", "d"}, "Unknown option 'inspekt'");
        row("misspelt check", {"-chek", "f"}, "Unknown option 'chek'");
        row("missing value", {"--write"}, "Missing value after '--write'");
        row("forgot --write", {"field.ini", "--to", "card/"},
            "did you mean --write field.ini --to card/?");
        row("two commands", {"--write", "x", "--verify", "x", "--to", "d"}, "exclude each other");
        row("check and inspect", {"--check", "f", "--inspect", "d"}, "exclude each other");
        row("--free alone", {"--free", "2GB"}, "--free goes with --check");
        row("--free with --write", {"--write", "x", "--to", "d", "--free", "2GB"},
            "--free goes with --check");
        row("--eject without --write", {"--eject"}, "go with --write");
        row("--to alone", {"--to", "d"}, "--to goes with --write or --verify");
        row("two preferences files", {"a.cfg", "b.cfg"}, "one preferences file at most");
        row("two after --", {"--", "a.cfg", "b.cfg"}, "one preferences file at most");
        row("--collect twice", {"--collect", "a", "--collect", "b", "--from", "c"},
            "--collect given 2 times (a, b): give it once");
        row("--record twice", {"--write", "p", "--to", "c", "--record", "r1", "--record", "r2"},
            "--record given 2 times");
        row("--clock twice",
            {"--write", "p", "--to", "c", "--clock", "now", "--clock", "2026-01-01 00:00:00"},
            "--clock given 2 times");
        row("--check twice", {"--check=a", "--check", "b"}, "--check given 2 times");
        row("two dates",
            {"--check", "a", "--free", "2GB", "--from", "2027-01-01", "--from", "2028-01-01"},
            "--from given 2 times");
        row("empty --inspect", {"--inspect", ""}, "--inspect has an empty value");
        row("--season with --from", {"--season", "a", "--from", "c"},
            "--season goes with --record only, not with --from");
        row("--season twice", {"--season", "a", "--season", "b"}, "--season given 2 times");
        row("empty --from", {"--collect", "x", "--from", ""}, "--from has an empty value");
        row("empty --to=", {"--write", "p", "--to="}, "--to has an empty value");
        row("option as a value", {"--write", "p.ini", "--to", "--to", "c1"},
            "--to has no value: --to follows it");
        row("option= as a value", {"--verify", "--record=r", "--to", "c"},
            "--verify has no value: --record=r follows it");
        // The reader's own text is Russian: an English line says what failed first.
        QTest::newRow("preferences file a folder")
            << QStringList{"--check", "missing.ini", "/"} << 2
            << QByteArray("plimo-configurator: cannot read the preferences file /: It is a "
                          "folder, not a file; the defaults are used\n")
            << QStringList();
        // The system's words stay English on a Russian desktop: the first file-changing
        // call fails.
        QTest::newRow("system's reason on a Russian desktop")
            << QStringList{"--write", PLIMO_SOURCE_DIR "/tests/golden/config/example.ini", "--to",
                           ".", "--no-clock"}
            << 2 << QByteArray("cannot write config.ini: Input/output error")
            << QStringList{"LANGUAGE=ru", "LD_PRELOAD=" PLIMO_FAULT_LIBRARY, "PLIMO_FAULT_AT=1",
                           "ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0"};
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, said);
        QFETCH(QStringList, environment);
        QProcessEnvironment terminal = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            terminal.remove(QString::fromLatin1(name));
        for (const QString& variable : environment)
            terminal.insert(variable.section('=', 0, 0), variable.section('=', 1));
        const QTemporaryDir folder;
        const Run run = RunProgram(arguments, folder.path(), QString(), terminal);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.err + run.out).contains(said), (run.err + run.out).constData());
        QVERIFY(QDir(folder.path()).isEmpty());
        if (exitCode != 1)
            return;
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.out.isEmpty());
    }

    void versionAndHelp()
    {
        Run run = RunProgram({QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.trimmed(), QByteArray("plimo-configurator v1.4"));
        run = RunProgram({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("--check <file>"));
        QVERIFY(run.out.contains("[preferences]"));
        // The exit codes of every command, as scripts need them.
        for (const char* said : {"Exit codes:", "window     0", "--check    0", "2 the file cannot",
                                 "--write    0", "2 a card failed", "unknown option"})
            QVERIFY2(run.out.contains(said), said);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
