// plimo-configurator --check: golden explanations and exit codes over files covering
// every outcome of the reader, and the explanation of single lines.
#include "testsupport.h"

#include "recorder_files/configcheck.h"
#include "recorder_files/configgrammar.h"

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace
{

QString CheckDir()
{
    return QStringLiteral(PLIMO_SOURCE_DIR "/tests/golden/config/check/");
}

int Check(const QString& fileName, QString* output)
{
    output->clear();
    QTextStream out(output);
    return CheckConfigFile(fileName, out);
}

// Translates the "line N:" heading of --check as it is told to, and nothing else.
class HeadingTranslator : public QTranslator
{
public:
    explicit HeadingTranslator(const QString& heading) : heading(heading) {}
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QByteArrayView(source) == "line %1: %2" ? heading : QString();
    }

private:
    const QString heading;
};

} // namespace

class ConfigCheckTest : public QObject
{
    Q_OBJECT

private slots:
    // The same words whether the file comes whole or through the reader in pieces. First:
    // a reading that does not stop at the end fails here at once.
    void deviceMatchesFile()
    {
        const QByteArray bytes = ReadAll(CheckDir() + QStringLiteral("broken.ini"));
        BoundedReadBuffer buffer(bytes, 100);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QString output;
        QTextStream out(&output);
        QCOMPARE(CheckConfigDevice(buffer, out), 1);
        QCOMPARE(output, QString::fromLatin1(ReadAll(CheckDir() + QStringLiteral("broken.out"))));
    }

    void golden_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("every line takes effect") << "good" << 0;
        QTest::newRow("folded blanks and comments") << "folded" << 0;
        QTest::newRow("every kind of ignored line") << "broken" << 1;
        QTest::newRow("control byte inside a line") << "forbidden_byte" << 1;
        QTest::newRow("control byte at a line start") << "forbidden_at_line_start" << 1;
        QTest::newRow("line of 126 characters") << "too_long" << 1;
        QTest::newRow("line feeds only") << "lf_only" << 1;
        QTest::newRow("line feeds only, too long") << "lf_only_long" << 1;
        QTest::newRow("too long, carriage return after the stop") << "lf_then_cr" << 1;
        QTest::newRow("empty file") << "empty" << 1;
        QTest::newRow("comments only") << "comments_only" << 1;
        QTest::newRow("settings set again") << "set_again" << 0;
    }
    void golden()
    {
        QFETCH(QString, name);
        QFETCH(int, exitCode);
        QString output;
        QCOMPARE(Check(CheckDir() + name + QStringLiteral(".ini"), &output), exitCode);
        const QByteArray expected = ReadAll(CheckDir() + name + QStringLiteral(".out"));
        QCOMPARE(output, QString::fromLatin1(expected));
    }

    void cannotRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "missing.ini";
        QTest::newRow("a folder") << "folder";
    }
    void cannotRead()
    {
        QFETCH(QString, name);
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("folder")));
        const QString file = tmp.path() + QLatin1Char('/') + name;
        QString output;
        QCOMPARE(Check(file, &output), 2);
        QVERIFY2(output.startsWith(QStringLiteral("cannot read ") + file + QStringLiteral(": ")),
                 qPrintable(output));
    }

    void explainLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("loop") << QByteArray("Loop=20") << "sets loop size to 20 Mb";
        QTest::newRow("loop none") << QByteArray("Loop=none") << "switches loop writing off";
        // Item 0 is a sample rate like any other, not the number 0.
        QTest::newRow("sample rate item 0")
            << QByteArray("M,6,uLaw")
            << "sets sample rate to 6000 samples per second (item 0) and "
               "wav type to u-Law (item 1)";
        QTest::newRow("limits") << QByteArray("Limit=5,100")
                                << "sets limit max to 5 Mb and limit min to 100 kb";
        QTest::newRow("timer on") << QByteArray("T2,15.6,8:30,60")
                                  << "switches timer 2 on: 15.6 8:30, 60 min";
        QTest::newRow("timer any hour")
            << QByteArray("T4,1.*,*:5,*") << "switches timer 4 on: 1.* *:05, unlimited";
        QTest::newRow("timer off") << QByteArray("T3,*,*,*") << "switches timer 3 off";
        QTest::newRow("VAS") << QByteArray("VASoff=3,4")
                             << "sets VAS off level to 3 and VAS off time to 4";
        QTest::newRow("unknown keyword")
            << QByteArray("Volume=3") << "no effect: unknown keyword 'Volume'";
        QTest::newRow("T and a letter")
            << QByteArray("TA,1.1,8:00,10") << "no effect: unknown keyword 'TA'";
        QTest::newRow("lower case")
            << QByteArray("loop=20") << "no effect: lower-case 'loop': keywords are case-sensitive";
        QTest::newRow("mixed case")
            << QByteArray("VASON=1,1")
            << "no effect: 'VASON' is not 'VASon': keywords are case-sensitive";
        QTest::newRow("above limit")
            << QByteArray("Limit=5000,1") << "no effect: value 5000 above 4095 for limit max";
        QTest::newRow("timer 5") << QByteArray("T5,1.1,1:1,1")
                                 << "no effect: timer 5 does not exist";
        QTest::newRow("day 32") << QByteArray("T2,32.1,8:0,5")
                                << "day 32 out of range: timer 2 switched off";
        QTest::newRow("malformed")
            << QByteArray("VASon=5")
            << "no effect: cannot read '5' at column 7, expected VASon=level,time";
        // Words of the line are shown as they stand, even where they look like "%1".
        QTest::newRow("percent sign")
            << QByteArray("VAS:%1x")
            << "no effect: cannot read ':%1x' at column 4, expected VAS=on or VAS=off";
        QTest::newRow("line ends early") << QByteArray("T1,1.1,8:30,")
                                         << "no effect: the line ends at column 13, expected "
                                            "Tn,day.month,hour:minute,length";
    }
    void explainLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        QCOMPARE(ExplainConfigLine(ParseConfigLine(line)), text);
    }

    // Each line's heading is filled in as the translation orders its number and text, and
    // the line's own words are never taken for placeholders.
    void lineHeading_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("first");
        QTest::newRow("untranslated") << QString() << QByteArray("VAS:%1x") << "line 1: VAS:%1x";
        QTest::newRow("in order") << "строка %1: %2" << QByteArray("VAS:%2") << "строка 1: VAS:%2";
        QTest::newRow("the other way round")
            << "%2 (line %1)" << QByteArray("VAS:%1x") << "VAS:%1x (line 1)";
        QTest::newRow("beyond ASCII")
            << "строка %1: %2" << QByteArray("VAS=\xe9") << "строка 1: VAS=\\xe9";
    }
    void lineHeading()
    {
        QFETCH(QString, heading);
        QFETCH(QByteArray, line);
        QFETCH(QString, first);
        QBuffer buffer;
        buffer.setData(line + "\r\n");
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        // Installed only where no check can return before it is removed again.
        HeadingTranslator translator(heading);
        if (!heading.isEmpty())
            QCoreApplication::installTranslator(&translator);
        QString output;
        QTextStream out(&output);
        CheckConfigDevice(buffer, out);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(output.section(QLatin1Char('\n'), 0, 0), first);
    }

    // The command line gives the same report and exit code.
    void commandLine()
    {
        QProcess process;
        process.start(QStringLiteral(PLIMO_BINARY),
                      {QStringLiteral("--check"), CheckDir() + QStringLiteral("broken.ini")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardOutput(),
                 ReadAll(CheckDir() + QStringLiteral("broken.out")));
    }
};

QTEST_GUILESS_MAIN(ConfigCheckTest)
#include "tst_configcheck.moc"
