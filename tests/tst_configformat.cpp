// The config.ini writer and line grammar without widgets: golden bytes, the folding of
// bytes into lines, what each line sets, and the round trip of the plain settings.
#include "testsupport.h"

#include "configreading.h"
#include "recorder_files/configwriter.h"

#include <QRandomGenerator>
#include <QtTest>

Q_DECLARE_METATYPE(ConfigSettings)

namespace
{

QByteArray Golden(const char* name)
{
    return ReadAll(QStringLiteral(PLIMO_SOURCE_DIR "/tests/golden/config/") + QLatin1String(name));
}

const char* IssueName(LineIssue issue)
{
    switch (issue) {
    case LineIssue::None:
        return "None";
    case LineIssue::IgnoredTail:
        return "IgnoredTail";
    case LineIssue::UnknownKeyword:
        return "UnknownKeyword";
    case LineIssue::WrongCase:
        return "WrongCase";
    case LineIssue::UnknownValue:
        return "UnknownValue";
    case LineIssue::Malformed:
        return "Malformed";
    case LineIssue::ValueAboveLimit:
        return "ValueAboveLimit";
    case LineIssue::LoopZero:
        return "LoopZero";
    case LineIssue::UnknownRateCode:
        return "UnknownRateCode";
    case LineIssue::TimerDoesNotExist:
        return "TimerDoesNotExist";
    case LineIssue::NotUsed:
        return "NotUsed";
    case LineIssue::UnknownWavType:
        return "UnknownWavType";
    case LineIssue::TimerOutOfRange:
        return "TimerOutOfRange";
    case LineIssue::TimerAllUnspecified:
        return "TimerAllUnspecified";
    }
    return "?";
}

const char* StopName(ReadStop stop)
{
    switch (stop) {
    case ReadStop::EndOfFile:
        return "EndOfFile";
    case ReadStop::UnfinishedLine:
        return "UnfinishedLine";
    case ReadStop::ForbiddenByte:
        return "ForbiddenByte";
    case ReadStop::LineTooLong:
        return "LineTooLong";
    }
    return "?";
}

// "loop=20 t2.enable=1 ..." for comparing what a line sets.
QString Describe(const LineAssignments& sets)
{
    static const char* const names[] = {
        "rate",       "type", "vas",      "vasOnLevel", "vasOnTime", "vasOffLevel",
        "vasOffTime", "loop", "limitMax", "limitMin",   "timers",    "enable",
        "month",      "day",  "hour",     "minute",     "length"};
    QStringList parts;
    for (const ConfigAssignment& a : sets) {
        const int field = int(a.field);
        QString name = QLatin1String(names[field]);
        if (a.field >= ConfigField::TimerEnable)
            name = QStringLiteral("t%1.").arg(a.panel + 1) + name;
        parts << name + QLatin1Char('=') + QString::number(a.value);
    }
    return parts.join(QLatin1Char(' '));
}

QString DescribeLines(const QList<ConfigLine>& lines)
{
    QStringList parts;
    for (const ConfigLine& line : lines)
        parts << QString::fromLatin1(line.text) + QLatin1Char('@') + QString::number(line.number);
    return parts.join(QLatin1Char('|'));
}

ConfigSettings ExampleSettings()
{
    ConfigSettings s; // the form's initial state: rate item 1, type item 1
    s.vasEnabled = true;
    s.timersEnabled = true;
    s.timers[1] = {true, 6, 15, 8, 30, 60};
    s.timers[2] = {true, 0, 0, 7, 0, 0};
    return s;
}

// A random state the form's controls can hold.
ConfigSettings RandomSettings(QRandomGenerator& rng, int rateItems, int typeItems)
{
    ConfigSettings s;
    s.sampleRate = rng.bounded(rateItems);
    s.wavType = rng.bounded(typeItems);
    s.vasEnabled = rng.bounded(2);
    s.vasOnLevel = rng.bounded(100);
    s.vasOnTime = rng.bounded(100);
    s.vasOffLevel = rng.bounded(100);
    s.vasOffTime = rng.bounded(100);
    s.loopSize = rng.bounded(4) == 0 ? 0 : rng.bounded(4096);
    s.limitMax = rng.bounded(4) == 0 ? 0 : rng.bounded(4096);
    s.limitMin = rng.bounded(4) == 0 ? 0 : rng.bounded(16384);
    s.timersEnabled = rng.bounded(3) != 0;
    for (TimerSettings& t : s.timers) {
        t.enabled = rng.bounded(3) != 0;
        // Special values (any, unlimited) often, so the "*" fields are covered.
        t.month = rng.bounded(3) == 0 ? 0 : rng.bounded(13);
        t.day = rng.bounded(3) == 0 ? 0 : rng.bounded(32);
        t.hour = rng.bounded(3) == 0 ? -1 : rng.bounded(-1, 24);
        t.minute = rng.bounded(3) == 0 ? -1 : rng.bounded(-1, 60);
        t.length = rng.bounded(3) == 0 ? 0 : rng.bounded(10000);
    }
    return s;
}

} // namespace

class ConfigFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void writer_data()
    {
        QTest::addColumn<ConfigSettings>("settings");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("complete example") << ExampleSettings() << Golden("example.ini");

        // VAS values and timer panels are set up but switched off: none of them is written.
        ConfigSettings off = ExampleSettings();
        off.vasEnabled = false;
        off.vasOnLevel = 42;
        off.timersEnabled = false;
        QTest::newRow("VAS off, timers off") << off << Golden("vas_off_timers_off.ini");

        ConfigSettings special;
        special.sampleRate = 2;
        special.wavType = 2;
        special.vasEnabled = true;
        special.vasOnLevel = 99;
        special.vasOnTime = 0;
        special.vasOffLevel = 0;
        special.vasOffTime = 99;
        special.loopSize = 4095;
        special.limitMax = 4095;
        special.limitMin = 16383;
        special.timersEnabled = true;
        special.timers[0] = {true, 0, 0, -1, -1, 0};
        special.timers[1] = {true, 12, 31, 0, 0, 9999};
        special.timers[2] = {true, 0, 1, -1, 59, 1};
        special.timers[3] = {true, 1, 0, 23, -1, 0};
        QTest::newRow("special fields") << special << Golden("special_fields.ini");

        ConfigSettings s;
        s.sampleRate = 3;
        s.wavType = 0;
        s.loopSize = 20;
        s.limitMax = 5;
        s.limitMin = 100;
        QTest::newRow("rate 16, loop 20, limits 5 Mb and 100 kb")
            << s << QByteArray("M,16,none\r\nVAS=off\r\nLoop=20\r\nLimit=5,100\r\nEvent=key\r\n");

        s = ConfigSettings();
        s.sampleRate = 4;
        s.wavType = 3;
        QTest::newRow("indexes without code fall back to item 1")
            << s << QByteArray("M,8,ulaw\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=key\r\n");

        s = ConfigSettings();
        s.sampleRate = -1;
        s.wavType = -1;
        QTest::newRow("empty combo boxes fall back to item 1")
            << s << QByteArray("M,8,ulaw\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=key\r\n");

        s = ExampleSettings();
        s.vasEnabled = false;
        s.timers[0] = {false, 3, 3, 3, 3, 3};
        s.timers[1] = {false, 6, 15, 8, 30, 60};
        s.timers[2] = {false, 0, 0, -1, -1, 0};
        QTest::newRow("switched-off panels whatever they hold")
            << s
            << QByteArray("M,8,ulaw\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=all\r\n"
                          "T1,*,*,*\r\nT2,*,*,*\r\nT3,*,*,*\r\nT4,*,*,*\r\n");
    }
    void writer()
    {
        QFETCH(ConfigSettings, settings);
        QFETCH(QByteArray, expected);
        QVERIFY(!expected.startsWith("<missing>"));
        QCOMPARE(FormatConfig(settings), expected);
    }

    void split_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<int>("stopOffset");
        QTest::addColumn<int>("stopLine");
        QTest::addColumn<QByteArray>("pending");

        const QByteArray x125(125, 'X');
        const QByteArray x126(126, 'X');

        QTest::newRow("CR LF lines")
            << QByteArray("M,8,none\r\nLoop=20\r\n") << "M,8,none@1|Loop=20@2"
            << "EndOfFile" << 19 << 3 << QByteArray();
        QTest::newRow("CR alone ends a line")
            << QByteArray("Loop=1\rLoop=2\r") << "Loop=1@1|Loop=2@2"
            << "EndOfFile" << 14 << 3 << QByteArray();
        QTest::newRow("blanks around separators vanish")
            << QByteArray("  VAS = on \r\nT1, 1.1, 8 : 30, 60\r\n\tLoop\t=\t20\t\r\n")
            << "VAS=on@1|T1,1.1,8:30,60@2|Loop=20@3"
            << "EndOfFile" << 47 << 4 << QByteArray();
        QTest::newRow("runs of blanks fold to one") << QByteArray("a  \t\n b\r\n") << "a b@1"
                                                    << "EndOfFile" << 9 << 2 << QByteArray();
        QTest::newRow("empty and blank lines are skipped")
            << QByteArray("\r\n \t\r\n\r\nLoop=20\r\n") << "Loop=20@4"
            << "EndOfFile" << 17 << 5 << QByteArray();
        QTest::newRow("comment lines")
            << QByteArray("; settings\r\n  ;x\r\nLoop=20\r\n") << "Loop=20@3"
            << "EndOfFile" << 27 << 4 << QByteArray();
        QTest::newRow("trailing comment") << QByteArray("Loop=20 ; twenty\r\n") << "Loop=20@1"
                                          << "EndOfFile" << 18 << 2 << QByteArray();
        QTest::newRow("control bytes inside a comment are skipped")
            << QByteArray("; a\x07\x01"
                          "b\r\nLoop=20 ;\x02\r\n")
            << "Loop=20@2"
            << "EndOfFile" << 20 << 3 << QByteArray();
        QTest::newRow("byte 127 and high bytes are text")
            << QByteArray("A\x7f\x80\xff\r\n") << QString::fromLatin1("A\x7f\x80\xff@1")
            << "EndOfFile" << 6 << 2 << QByteArray();
        QTest::newRow("line of 125 characters is applied")
            << x125 + "\r\nLoop=20\r\n"
            << QString::fromLatin1(x125) + "@1|Loop=20@2"
            << "EndOfFile" << 136 << 3 << QByteArray();
        QTest::newRow("line of 126 characters stops the reading")
            << "Loop=1\r\n" + x126 + "\r\nLoop=2\r\n"
            << "Loop=1@1"
            << "LineTooLong" << 8 + 125 << 2 << x126;
        QTest::newRow("a blank as 126th character stops the reading")
            << x125 + " \r\n"
            << ""
            << "LineTooLong" << 125 << 1 << x125 + ' ';
        QTest::newRow("a separator replacing a blank adds nothing")
            << QByteArray(124, 'X') + " =\r\n"
            << QString(124, QLatin1Char('X')) + "=@1"
            << "EndOfFile" << 128 << 2 << QByteArray();
        QTest::newRow("forbidden byte mid-file")
            << QByteArray("Loop=1\r\nLo\x07op=2\r\nLoop=3\r\n") << "Loop=1@1"
            << "ForbiddenByte" << 10 << 2 << QByteArray("Lo");
        QTest::newRow("forbidden byte at a line start")
            << QByteArray("Loop=1\r\n\x1fLoop=2\r\n") << "Loop=1@1"
            << "ForbiddenByte" << 8 << 2 << QByteArray();
        QTest::newRow("NUL byte") << QByteArray("Loop=1\r\n\0\r\n", 11) << "Loop=1@1"
                                  << "ForbiddenByte" << 8 << 2 << QByteArray();
        QTest::newRow("last line without carriage return")
            << QByteArray("Loop=1\r\nLoop=2") << "Loop=1@1"
            << "UnfinishedLine" << 14 << 2 << QByteArray("Loop=2");
        QTest::newRow("last line with a comment but no carriage return")
            << QByteArray("Loop=1\r\nLoop=2 ; two") << "Loop=1@1"
            << "UnfinishedLine" << 20 << 2 << QByteArray("Loop=2");
        QTest::newRow("comment line at the end without carriage return")
            << QByteArray("Loop=1\r\n; end") << "Loop=1@1"
            << "EndOfFile" << 13 << 2 << QByteArray();
        QTest::newRow("line feeds only: one unfinished line")
            << QByteArray("M,8,none\nVAS=on\nLoop=20\n") << ""
            << "UnfinishedLine" << 24 << 1 << QByteArray("M,8,none VAS=on Loop=20 ");
        QByteArray longLf;
        for (int i = 0; i < 20; ++i)
            longLf += "Loop=20\n";
        QTest::newRow("line feeds only: too long") << longLf << ""
                                                   << "LineTooLong" << 125 << 1 << QByteArray();
        QTest::newRow("empty file") << QByteArray() << ""
                                    << "EndOfFile" << 0 << 1 << QByteArray();
    }
    void split()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lines);
        QFETCH(QString, stop);
        QFETCH(int, stopOffset);
        QFETCH(int, stopLine);
        QFETCH(QByteArray, pending);

        const ConfigLines whole = SplitConfigLines(bytes);
        QCOMPARE(DescribeLines(whole.lines), lines);
        QCOMPARE(QLatin1String(StopName(whole.stop.reason)), stop);
        if (whole.stop.reason == ReadStop::LineTooLong && pending.isEmpty()) {
            QCOMPARE(whole.stop.pending.size(), MaxConfigLineLength + 1);
        } else {
            QCOMPARE(whole.stop.pending, pending);
        }
        QCOMPARE(whole.stop.offset, qint64(stopOffset));
        QCOMPARE(whole.stop.lineNumber, stopLine);
        if (whole.stop.reason == ReadStop::ForbiddenByte)
            QCOMPARE(whole.stop.byte, int(uchar(bytes.at(stopOffset))));

        // Fed a byte at a time, the reader gives the same lines and the same stop.
        ConfigLineReader reader;
        QList<ConfigLine> pieces;
        for (char c : bytes)
            reader.Feed(&c, 1, [&](const ConfigLine& line) { pieces.append(line); });
        const ReadStopInfo& end = reader.Finish();
        QCOMPARE(DescribeLines(pieces), lines);
        QCOMPARE(end.reason, whole.stop.reason);
        QCOMPARE(end.offset, whole.stop.offset);
        for (int i = 0; i < pieces.size(); ++i)
            QCOMPARE(pieces[i].offset, whole.lines[i].offset);

        // A receiver that keeps no line (as the program's own reading) leaves the reader its
        // buffer for the next line: the same texts and the same text left pending.
        ConfigLineReader reusing;
        QList<ConfigLine> copies;
        reusing.Feed(bytes.constData(), bytes.size(), [&](const ConfigLine& line) {
            copies.append(
                {QByteArray(line.text.constData(), line.text.size()), line.number, line.offset});
        });
        QCOMPARE(DescribeLines(copies), lines);
        QCOMPARE(reusing.Finish().pending, whole.stop.pending);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("sets");
        QTest::addColumn<QString>("issue");

        // E
        QTest::newRow("Event=key") << QByteArray("Event=key") << "timers=0"
                                   << "None";
        QTest::newRow("Event=all") << QByteArray("Event=all") << "timers=1"
                                   << "None";
        QTest::newRow("Event=timer") << QByteArray("Event=timer") << "timers=1"
                                     << "None";
        QTest::newRow("Event=KEY") << QByteArray("Event=KEY") << ""
                                   << "UnknownValue";
        QTest::newRow("Event=all x") << QByteArray("Event=all x") << ""
                                     << "UnknownValue";
        QTest::newRow("event=all") << QByteArray("event=all") << ""
                                   << "WrongCase";
        QTest::newRow("EVENT=all") << QByteArray("EVENT=all") << ""
                                   << "WrongCase";
        QTest::newRow("Events=all") << QByteArray("Events=all") << ""
                                    << "UnknownKeyword";
        // L
        QTest::newRow("Loop=none") << QByteArray("Loop=none") << "loop=0"
                                   << "None";
        QTest::newRow("Loop=20") << QByteArray("Loop=20") << "loop=20"
                                 << "None";
        QTest::newRow("Loop=4095") << QByteArray("Loop=4095") << "loop=4095"
                                   << "None";
        QTest::newRow("Loop=20x") << QByteArray("Loop=20x") << "loop=20"
                                  << "IgnoredTail";
        QTest::newRow("Loop=0") << QByteArray("Loop=0") << ""
                                << "LoopZero";
        QTest::newRow("Loop=5000") << QByteArray("Loop=5000") << ""
                                   << "ValueAboveLimit";
        QTest::newRow("Loop=") << QByteArray("Loop=") << ""
                               << "UnknownValue";
        QTest::newRow("Loop=None") << QByteArray("Loop=None") << ""
                                   << "UnknownValue";
        QTest::newRow("loop=20") << QByteArray("loop=20") << ""
                                 << "WrongCase";
        QTest::newRow("LOOP=20") << QByteArray("LOOP=20") << ""
                                 << "WrongCase";
        QTest::newRow("Loop 20") << QByteArray("Loop 20") << ""
                                 << "Malformed";
        QTest::newRow("Limit=*,*") << QByteArray("Limit=*,*") << "limitMax=0 limitMin=0"
                                   << "None";
        QTest::newRow("Limit=100,200") << QByteArray("Limit=100,200") << "limitMax=100 limitMin=200"
                                       << "None";
        QTest::newRow("Limit=0,0 as written for disable")
            << QByteArray("Limit=0,0") << "limitMax=0 limitMin=0"
            << "None";
        QTest::newRow("Limit=0,*") << QByteArray("Limit=0,*") << "limitMax=0 limitMin=0"
                                   << "None";
        QTest::newRow("Limit=4095,16383")
            << QByteArray("Limit=4095,16383") << "limitMax=4095 limitMin=16383"
            << "None";
        QTest::newRow("Limit=007,1") << QByteArray("Limit=007,1") << "limitMax=7 limitMin=1"
                                     << "None";
        QTest::newRow("Limit=5000,1") << QByteArray("Limit=5000,1") << ""
                                      << "ValueAboveLimit";
        QTest::newRow("Limit=1,16384") << QByteArray("Limit=1,16384") << ""
                                       << "ValueAboveLimit";
        QTest::newRow("Limit=00,1") << QByteArray("Limit=00,1") << ""
                                    << "Malformed";
        QTest::newRow("Limit=123456,1") << QByteArray("Limit=123456,1") << ""
                                        << "Malformed";
        QTest::newRow("Limit=1,2x") << QByteArray("Limit=1,2x") << ""
                                    << "Malformed";
        QTest::newRow("Limit=1") << QByteArray("Limit=1") << ""
                                 << "Malformed";
        QTest::newRow("Limit=**,1") << QByteArray("Limit=**,1") << ""
                                    << "Malformed";
        QTest::newRow("Lx") << QByteArray("Lx") << ""
                            << "UnknownKeyword";
        // M
        QTest::newRow("M,8,ulaw as written") << QByteArray("M,8,ulaw") << "rate=1 type=1"
                                             << "None";
        QTest::newRow("M,8,uLaw") << QByteArray("M,8,uLaw") << "rate=1 type=1"
                                  << "None";
        QTest::newRow("M,6,none") << QByteArray("M,6,none") << "rate=0 type=0"
                                  << "None";
        QTest::newRow("M,11,adpcm") << QByteArray("M,11,adpcm") << "rate=2 type=2"
                                    << "None";
        QTest::newRow("M,16,none") << QByteArray("M,16,none") << "rate=3 type=0"
                                   << "None";
        QTest::newRow("M,8,ULAW sets the rate only") << QByteArray("M,8,ULAW") << "rate=1"
                                                     << "UnknownWavType";
        QTest::newRow("M,8, sets the rate only") << QByteArray("M,8,") << "rate=1"
                                                 << "UnknownWavType";
        QTest::newRow("M,08,none: type word looked for at position 4")
            << QByteArray("M,08,none") << "rate=1"
            << "UnknownWavType";
        QTest::newRow("M,7,none") << QByteArray("M,7,none") << ""
                                  << "UnknownRateCode";
        QTest::newRow("M,116,none") << QByteArray("M,116,none") << ""
                                    << "UnknownRateCode";
        QTest::newRow("M,8") << QByteArray("M,8") << ""
                             << "UnknownRateCode";
        QTest::newRow("M8,none") << QByteArray("M8,none") << ""
                                 << "UnknownKeyword";
        QTest::newRow("m,8,none") << QByteArray("m,8,none") << ""
                                  << "WrongCase";
        // T
        QTest::newRow("T1,*,*,* switches timer 1 off") << QByteArray("T1,*,*,*") << "t1.enable=0"
                                                       << "None";
        QTest::newRow("T2,15.6,8:30,60")
            << QByteArray("T2,15.6,8:30,60")
            << "t2.enable=1 t2.month=6 t2.day=15 t2.hour=8 t2.minute=30 t2.length=60"
            << "None";
        QTest::newRow("T3,*.*,7:0,*")
            << QByteArray("T3,*.*,7:0,*")
            << "t3.enable=1 t3.month=-1 t3.day=-1 t3.hour=7 t3.minute=0 t3.length=0"
            << "None";
        QTest::newRow("T2,31.12,23:59,9999")
            << QByteArray("T2,31.12,23:59,9999")
            << "t2.enable=1 t2.month=12 t2.day=31 t2.hour=23 t2.minute=59 t2.length=9999"
            << "None";
        QTest::newRow("T4,31.12,0:0,1")
            << QByteArray("T4,31.12,0:0,1")
            << "t4.enable=1 t4.month=12 t4.day=31 t4.hour=0 t4.minute=0 t4.length=1"
            << "None";
        QTest::newRow("T2,32.1,8:0,5") << QByteArray("T2,32.1,8:0,5") << "t2.enable=0"
                                       << "TimerOutOfRange";
        QTest::newRow("month 13") << QByteArray("T2,1.13,8:0,5") << "t2.enable=0"
                                  << "TimerOutOfRange";
        QTest::newRow("hour 24") << QByteArray("T2,1.1,24:0,5") << "t2.enable=0"
                                 << "TimerOutOfRange";
        QTest::newRow("minute 60") << QByteArray("T2,1.1,8:60,5") << "t2.enable=0"
                                   << "TimerOutOfRange";
        QTest::newRow("T3,0.0,*:*,10")
            << QByteArray("T3,0.0,*:*,10")
            << "t3.enable=1 t3.month=0 t3.day=0 t3.hour=-1 t3.minute=-1 t3.length=10"
            << "None";
        QTest::newRow("T1,*.*,*:*,* reads as off") << QByteArray("T1,*.*,*:*,*") << "t1.enable=0"
                                                   << "TimerAllUnspecified";
        QTest::newRow("short date") << QByteArray("T1,*,8:30,5")
                                    << "t1.enable=1 t1.month=-1 t1.day=-1 t1.hour=8 "
                                       "t1.minute=30 t1.length=5"
                                    << "None";
        QTest::newRow("short time") << QByteArray("T1,1.2,*,5")
                                    << "t1.enable=1 t1.month=2 t1.day=1 t1.hour=-1 "
                                       "t1.minute=-1 t1.length=5"
                                    << "None";
        QTest::newRow("length of five digits")
            << QByteArray("T1,1.1,8:30,12345")
            << "t1.enable=1 t1.month=1 t1.day=1 t1.hour=8 t1.minute=30 t1.length=1234"
            << "IgnoredTail";
        QTest::newRow("T5,1.1,1:1,1") << QByteArray("T5,1.1,1:1,1") << ""
                                      << "TimerDoesNotExist";
        QTest::newRow("T9,*,*,*") << QByteArray("T9,*,*,*") << ""
                                  << "TimerDoesNotExist";
        QTest::newRow("T0,1.1,1:1,1") << QByteArray("T0,1.1,1:1,1") << ""
                                      << "TimerDoesNotExist";
        QTest::newRow("T10,1.1,1:1,1") << QByteArray("T10,1.1,1:1,1") << ""
                                       << "TimerDoesNotExist";
        QTest::newRow("no length") << QByteArray("T1,1.1,8:30") << ""
                                   << "Malformed";
        QTest::newRow("text after *") << QByteArray("T1,1.1,8:30,*x") << ""
                                      << "Malformed";
        QTest::newRow("three-digit day") << QByteArray("T1,123.1,1:1,1") << ""
                                         << "Malformed";
        QTest::newRow("day without month") << QByteArray("T1,5,8:30,1") << ""
                                           << "Malformed";
        QTest::newRow("Tune=") << QByteArray("Tune=440") << ""
                               << "NotUsed";
        QTest::newRow("Timer1") << QByteArray("Timer1=1") << ""
                                << "UnknownKeyword";
        QTest::newRow("t1,*,*,*") << QByteArray("t1,*,*,*") << ""
                                  << "WrongCase";
        // V
        QTest::newRow("VAS=on") << QByteArray("VAS=on") << "vas=1"
                                << "None";
        QTest::newRow("VAS=off") << QByteArray("VAS=off") << "vas=0"
                                 << "None";
        QTest::newRow("VAS=ON") << QByteArray("VAS=ON") << ""
                                << "UnknownValue";
        QTest::newRow("VASon=5,30") << QByteArray("VASon=5,30") << "vasOnLevel=5 vasOnTime=30"
                                    << "None";
        QTest::newRow("VASoff=0,99") << QByteArray("VASoff=0,99") << "vasOffLevel=0 vasOffTime=99"
                                     << "None";
        QTest::newRow("VASon=5,300") << QByteArray("VASon=5,300") << ""
                                     << "ValueAboveLimit";
        QTest::newRow("VASoff=100,5") << QByteArray("VASoff=100,5") << ""
                                      << "ValueAboveLimit";
        QTest::newRow("VASon=5") << QByteArray("VASon=5") << ""
                                 << "Malformed";
        QTest::newRow("VASon=5,3x") << QByteArray("VASon=5,3x") << ""
                                    << "Malformed";
        QTest::newRow("vas=on") << QByteArray("vas=on") << ""
                                << "WrongCase";
        QTest::newRow("VASON=1,1") << QByteArray("VASON=1,1") << ""
                                   << "WrongCase";
        QTest::newRow("VOLUME=1") << QByteArray("VOLUME=1") << ""
                                  << "UnknownKeyword";
        QTest::newRow("VASx=1") << QByteArray("VASx=1") << ""
                                << "UnknownKeyword";
        // every other first character
        QTest::newRow("S=1") << QByteArray("S=1") << ""
                             << "UnknownKeyword";
        QTest::newRow("=on") << QByteArray("=on") << ""
                             << "UnknownKeyword";
    }
    void parse()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, sets);
        QFETCH(QString, issue);
        const ParsedLine parsed = ParseConfigLine(line);
        QCOMPARE(Describe(parsed.sets), sets);
        QCOMPARE(QLatin1String(IssueName(parsed.issue)), issue);
    }

    void parseDetails_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("limit");

        QTest::newRow("loop above")
            << QByteArray("Loop=5000") << QByteArray("loop size") << 5000 << 4095;
        QTest::newRow("limit max above")
            << QByteArray("Limit=5000,1") << QByteArray("limit max") << 5000 << 4095;
        QTest::newRow("limit min above")
            << QByteArray("Limit=1,20000") << QByteArray("limit min") << 20000 << 16383;
        QTest::newRow("VAS time above")
            << QByteArray("VASon=5,300") << QByteArray("VAS on time") << 300 << 99;
        QTest::newRow("day 32") << QByteArray("T2,32.1,8:0,5") << QByteArray("day") << 32 << 31;
        QTest::newRow("timer 5") << QByteArray("T5,1.1,1:1,1") << QByteArray("5") << 5 << 0;
        QTest::newRow("lower-case loop") << QByteArray("loop=20") << QByteArray("loop") << 0 << 0;
        QTest::newRow("tail") << QByteArray("Loop=20x") << QByteArray("x") << 0 << 0;
        QTest::newRow("wav type") << QByteArray("M,8,ULAW") << QByteArray("ULAW") << 0 << 0;
    }
    void parseDetails()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, word);
        QFETCH(int, value);
        QFETCH(int, limit);
        const ParsedLine parsed = ParseConfigLine(line);
        QCOMPARE(parsed.word, word);
        QCOMPARE(parsed.value, value);
        QCOMPARE(parsed.limit, limit);
    }

    void readTwoDigits_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<char>("terminator");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");

        QTest::newRow("one digit") << QByteArray("5,") << ',' << true << 5;
        QTest::newRow("two digits") << QByteArray("59:") << ':' << true << 59;
        QTest::newRow("leading zero") << QByteArray("07.") << '.' << true << 7;
        QTest::newRow("three digits") << QByteArray("123,") << ',' << false << 0;
        QTest::newRow("sign") << QByteArray("-1,") << ',' << false << 0;
        QTest::newRow("terminator missing") << QByteArray("5") << ',' << false << 0;
        QTest::newRow("wrong terminator") << QByteArray("5:") << ',' << false << 0;
        QTest::newRow("end of line") << QByteArray("42") << '\0' << true << 42;
        QTest::newRow("more after end") << QByteArray("42,") << '\0' << false << 0;
        QTest::newRow("empty") << QByteArray() << '\0' << false << 0;
    }
    void readTwoDigits()
    {
        QFETCH(QByteArray, text);
        QFETCH(char, terminator);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const NumberRead got = ReadTwoDigits(text, 0, terminator);
        QCOMPARE(got.digits != 0, ok);
        if (ok)
            QCOMPARE(got.value, value);
    }

    void readNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("digits");
        QTest::newRow("digits then text") << QByteArray("20x") << 20 << 2;
        QTest::newRow("at most five digits") << QByteArray("1234567") << 12345 << 5;
        QTest::newRow("no digit") << QByteArray("x1") << 0 << 0;
        QTest::newRow("past the end") << QByteArray() << 0 << 0;
    }
    void readNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QFETCH(int, digits);
        const NumberRead n = ReadNumber(text, 0);
        QCOMPARE(n.value, value);
        QCOMPARE(n.digits, digits);
    }

    // Every line the writer produces takes effect, and reading the file into the
    // initial state gives back what was written.
    void roundTrip()
    {
        QRandomGenerator rng(20240604);
        int checked = 0;
        for (int i = 0; i < 3000; ++i) {
            const int rateItems = 1 + rng.bounded(8);
            const int typeItems = 1 + rng.bounded(8);
            ConfigSettings s = RandomSettings(rng, rateItems, typeItems);
            if (HasUnreadableTimer(s))
                continue;
            // The written index (after the fall-back) must exist for it to come back.
            if (WrittenSampleRateIndex(s.sampleRate) >= rateItems ||
                WrittenWavTypeIndex(s.wavType) >= typeItems)
                continue;
            const QByteArray bytes = FormatConfig(s);
            const ConfigLines read = SplitConfigLines(bytes);
            QCOMPARE(read.stop.reason, ReadStop::EndOfFile);
            ConfigSettings back;
            back.sampleRate = 0;
            back.wavType = 0;
            for (const ConfigLine& line : read.lines) {
                const ParsedLine parsed = ParseConfigLine(line.text);
                QVERIFY2(TookEffect(parsed), line.text.constData());
                ApplyParsedLine(back, parsed, rateItems, typeItems);
            }
            QCOMPARE(FormatConfig(back), bytes);
            ++checked;
        }
        QVERIFY(checked > 1000);
    }
};

QTEST_GUILESS_MAIN(ConfigFormatTest)
#include "tst_configformat.moc"
