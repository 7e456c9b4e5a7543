#include <QtTest>

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "preferencedefaults.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextCodec>
#include <cstring>

namespace
{

// The value of one preference as the bytes it holds ("SizeX", "HSample[3]").
QByteArray Field(const QString& name)
{
    const PreferenceValues& p = Preferences;
    const QHash<QString, int32_t> numbers = {
        {"Debug", p.Debug},           {"SizeX", p.SizeX},         {"SizeY", p.SizeY},
        {"ToolTip", p.ToolTip},       {"SetTime", p.SetTime},     {"DelOldTime", p.DelOldTime},
        {"ManualTime", p.ManualTime}, {"ShiftTime", p.ShiftTime},
    };
    if (numbers.contains(name))
        return QByteArray::number(numbers.value(name));
    const QHash<QString, const char*> texts = {
        {"CodeTable", p.CodeTable}, {"Language", p.Language}, {"SDpath", p.SDpath},
        {"CFGname", p.CFGname},     {"TimeName", p.TimeName},
    };
    if (texts.contains(name))
        return QByteArray(texts.value(name));
    const int open = name.indexOf('[');
    const int index = name.mid(open + 1, name.size() - open - 2).toInt();
    if (name.startsWith("HSample["))
        return QByteArray(p.HSample[index]);
    if (name.startsWith("HMode["))
        return QByteArray(p.HMode[index]);
    return "<unknown field>";
}

int ReadFile(const QString& name)
{
    PreferenceFile file(PreferenceTable);
    return file.Read(name);
}

int ReadBytes(const QByteArray& bytes, const QString& name = "t.cfg")
{
    if (!WriteAll(name, bytes))
        return -1;
    return ReadFile(name);
}

int WriteFile(const QString& name)
{
    PreferenceFile file(PreferenceTable);
    return file.Write(name);
}

// The file the writer puts out with the default values.
QByteArray DefaultFile()
{
    const char* lines[] = {
        "CodeTable         \"CP1251\"",
        "Language          \"\"",
        "SDpath            \"\"",
        "CFGname           \"config.ini\"",
        "TimeName          \"time.ini\"",
        "HSample[0]        \"6000\"",
        "HSample[1]        \"8000\"",
        "HSample[2]        \"11050\"",
        "HSample[3]        \"\"",
        "HSample[4]        \"\"",
        "HSample[5]        \"\"",
        "HSample[6]        \"\"",
        "HSample[7]        \"\"",
        "HMode[0]          \"none\"",
        "HMode[1]          \"u-Law\"",
        "HMode[2]          \"ADPCM\"",
        "HMode[3]          \"\"",
        "HMode[4]          \"\"",
        "HMode[5]          \"\"",
        "HMode[6]          \"\"",
        "HMode[7]          \"\"",
        "SizeX             0",
        "SizeY             0",
        "ToolTip           1",
        "SetTime           1",
        "DelOldTime        1",
        "ManualTime        0",
        "ShiftTime         0",
    };
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray("\r\n") + line;
    return bytes + "\r\n";
}

// A table of the kinds and flags the program's own table does not use.
struct ExtraValues {
    uint8_t flag;
    char letter;
    char ascii;
    float real;
    int32_t level;
    int32_t secret;
    char mode[9];
    char shout[9];
    char whisper[9];
    char names[3][5];
    int32_t counts[4];
    char record[8];
    char shortText[5];
};
ExtraValues Extra;
const double Levels[] = {1, 5, 10};
const char* const Modes[] = {"fast", "slow"};

const PreferenceRow ExtraTable[] = {
    {"Flag", KindBoolean, 0, 1, &Extra.flag, nullptr, 0, 0},
    {"Letter", KindCharacter, -128, 127, &Extra.letter, nullptr, 0, 0},
    {"Ascii", KindCharacter, 32, 126, &Extra.ascii, nullptr, 0, Unsigned},
    {"Real", KindReal, -1000, 1000, &Extra.real, nullptr, 0, 0},
    {"Level", KindInteger, 2, 0, &Extra.level, Levels, 0, Enumerated},
    {"Secret", KindInteger, 0, 100, &Extra.secret, nullptr, 0, NotRead},
    {"Mode", KindText, 1, 8, Extra.mode, Modes, 0, Enumerated},
    {"Shout", KindText, 0, 8, Extra.shout, nullptr, 0, UpperCase},
    {"Whisper", KindText, 0, 8, Extra.whisper, nullptr, 0, LowerCase},
    {"Names", KindText, 0, 4, Extra.names, nullptr, 2, SkipEmptyElements},
    {"Counts", KindInteger, -50, 50, Extra.counts, nullptr, 3, 0},
    {"Record", KindRecord, 0, 8, Extra.record, nullptr, 0, ValueOptional},
    {"Short", KindText, 2, 4, Extra.shortText, nullptr, 0, NotWritten},
    {"", 0, 0, 0, nullptr, nullptr, 0, 0},
};

void ResetExtra()
{
    std::memset(&Extra, 0, sizeof Extra);
    Extra.level = 5;
    Extra.ascii = 'a';
    std::strcpy(Extra.mode, "fast");
}

} // namespace

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaultsBeforeReading();
    void defaultFileIsByteExact();
    void lineForms_data();
    void lineForms();
    void lineEnds_data();
    void lineEnds();
    void numberConversion_data();
    void numberConversion();
    void errorText_data();
    void errorText();
    void errorTextCutAt255_data();
    void errorTextCutAt255();
    void include_data();
    void include();
    void includeNesting_data();
    void includeNesting();
    void badInput_data();
    void badInput();
    void roundTrip();
    void longCardPathKeepsTheKeysAfterIt();
    void otherKindsRead_data();
    void otherKindsRead();
    void otherKindsWrite();
    void writerLeavesOutFailingValues();
    void failedWrite_data();
    void failedWrite();
    void fullCardKeepsOldFile();
    void cardPathThatCannotBeStored_data();
    void cardPathThatCannotBeStored();
    void asciiTextInEveryCodeTable_data();
    void asciiTextInEveryCodeTable();

private:
    QTemporaryDir dir;
};

void PreferencesTest::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(QDir::setCurrent(dir.path()));
}

void PreferencesTest::init()
{
    ResetPreferences();
    ResetExtra();
}

void PreferencesTest::defaultsBeforeReading()
{
    // Change everything, then check that the reset restores the defaults.
    std::memset(&Preferences, 0x55, sizeof Preferences);
    ResetPreferences();
    QCOMPARE(Field("CodeTable"), QByteArray("CP1251"));
    QCOMPARE(Field("CFGname"), QByteArray("config.ini"));
    QCOMPARE(Field("TimeName"), QByteArray("time.ini"));
    QCOMPARE(Field("HSample[2]"), QByteArray("11050"));
    QCOMPARE(Field("HSample[3]"), QByteArray(""));
    QCOMPARE(Field("HMode[1]"), QByteArray("u-Law"));
    QCOMPARE(Field("ToolTip"), QByteArray("1"));
    QCOMPARE(Field("ShiftTime"), QByteArray("0"));
}

void PreferencesTest::defaultFileIsByteExact()
{
    QCOMPARE(WriteFile("default.cfg"), 0);
    QCOMPARE(ReadAll("default.cfg"), DefaultFile());
    QVERIFY(ErrorText.isEmpty());
}

void PreferencesTest::lineForms_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("value");

    const QByteArray long255(255 - 7, 'x');
    // clang-format off
    QTest::newRow("empty file") << QByteArray() << 0 << "SizeX" << QByteArray("0");
    QTest::newRow("blank lines and comments")
        << QByteArray("; a comment\r\n\r\n  \t \r\n   SizeX 5 ; five\r\n") << 0 << "SizeX" << QByteArray("5");
    QTest::newRow("lower case key =") << QByteArray("sizex=800") << 0 << "SizeX" << QByteArray("800");
    QTest::newRow("upper case key") << QByteArray("SIZEX 800") << 0 << "SizeX" << QByteArray("800");
    QTest::newRow("= and hex") << QByteArray("SizeX = 0x320") << 0 << "SizeX" << QByteArray("800");
    QTest::newRow("text after token") << QByteArray("SizeX 800 pixels") << 0 << "SizeX" << QByteArray("800");
    QTest::newRow("comma ends token") << QByteArray("SizeX 12,5") << 0 << "SizeX" << QByteArray("12");
    QTest::newRow("tab separator") << QByteArray("SizeX\t800") << 0 << "SizeX" << QByteArray("800");
    QTest::newRow("twice takes later") << QByteArray("SizeX 5\nSizeX 6") << 0 << "SizeX" << QByteArray("6");
    QTest::newRow("above bound 7") << QByteArray("SizeX 2001") << 7 << "SizeX" << QByteArray("0");
    QTest::newRow("upper bound") << QByteArray("SizeX 2000") << 0 << "SizeX" << QByteArray("2000");
    QTest::newRow("negative unsigned 21") << QByteArray("SizeX -1") << 21 << "SizeX" << QByteArray("0");
    QTest::newRow("key alone 20") << QByteArray("SizeX") << 20 << "SizeX" << QByteArray("0");
    QTest::newRow("= only 6") << QByteArray("SizeX =") << 6 << "SizeX" << QByteArray("0");
    QTest::newRow("letters 9") << QByteArray("SizeX abc") << 9 << "SizeX" << QByteArray("0");
    QTest::newRow("double = 9") << QByteArray("SizeX == 5") << 9 << "SizeX" << QByteArray("0");
    QTest::newRow("overflow 21") << QByteArray("SizeX 4294968096") << 21 << "SizeX" << QByteArray("0");
    QTest::newRow("overflow hex 21") << QByteArray("SizeX 0x100000320") << 21 << "SizeX" << QByteArray("0");
    QTest::newRow("int max above bound") << QByteArray("ShiftTime 2147483647") << 7 << "ShiftTime" << QByteArray("0");
    QTest::newRow("int min unsigned") << QByteArray("ShiftTime -2147483648") << 21 << "ShiftTime" << QByteArray("0");
    QTest::newRow("unknown key 4") << QByteArray("SizeZ 5") << 4 << "SizeX" << QByteArray("0");
    QTest::newRow("key run on 4") << QByteArray("SizeXY 5") << 4 << "SizeX" << QByteArray("0");
    QTest::newRow("integer TRUE 9") << QByteArray("ToolTip TRUE") << 9 << "ToolTip" << QByteArray("1");
    QTest::newRow("tool tip off") << QByteArray("ToolTip 0") << 0 << "ToolTip" << QByteArray("0");
    QTest::newRow("debug read") << QByteArray("Debug 9") << 0 << "Debug" << QByteArray("9");
    QTest::newRow("debug 10") << QByteArray("Debug 10") << 7 << "Debug" << QByteArray("0");
    QTest::newRow("error does not stop")
        << QByteArray("SizeX 9999\nSizeY 5\n") << 7 << "SizeY" << QByteArray("5");
    QTest::newRow("last error counts")
        << QByteArray("SizeX 9999\nSizeY abc\nSizeX 3") << 9 << "SizeX" << QByteArray("3");
    QTest::newRow("NUL ends the line") << QByteArray("SizeX 5\0 junk", 13) << 0 << "SizeX" << QByteArray("5");

    QTest::newRow("text plain") << QByteArray("Language ru.qm") << 0 << "Language" << QByteArray("ru.qm");
    QTest::newRow("text quoted") << QByteArray("Language \"ru.qm\"") << 0 << "Language" << QByteArray("ru.qm");
    QTest::newRow("text = kept") << QByteArray("Language = ru.qm") << 0 << "Language" << QByteArray("= ru.qm");
    QTest::newRow("text =, no blank") << QByteArray("Language=ru.qm") << 0 << "Language" << QByteArray("=ru.qm");
    QTest::newRow("text inner blanks") << QByteArray("SDpath  E:\\my card\\  ") << 0 << "SDpath" << QByteArray("E:\\my card\\");
    QTest::newRow("text quotes inside") << QByteArray("SDpath a\"b\"c") << 0 << "SDpath" << QByteArray("a\"b\"c");
    QTest::newRow("text empty quoted") << QByteArray("CFGname \"\"") << 0 << "CFGname" << QByteArray("");
    QTest::newRow("quoted ; kept") << QByteArray("SDpath \"E:\\a;b\"") << 0 << "SDpath" << QByteArray("E:\\a;b");
    QTest::newRow("bare ; comment") << QByteArray("SDpath E:\\a;b") << 0 << "SDpath" << QByteArray("E:\\a");
    QTest::newRow("open quote 10") << QByteArray("Language \"ru.qm") << 10 << "Language" << QByteArray("");
    QTest::newRow("lone quote 10") << QByteArray("Language \"") << 10 << "Language" << QByteArray("");
    QTest::newRow("wildcard 12") << QByteArray("CFGname conf*.ini") << 12 << "CFGname" << QByteArray("config.ini");
    QTest::newRow("question 12") << QByteArray("TimeName t?.ini") << 12 << "TimeName" << QByteArray("time.ini");
    QTest::newRow("angle 11") << QByteArray("SDpath a<b") << 11 << "SDpath" << QByteArray("");
    QTest::newRow("angle > 11") << QByteArray("Language a>b") << 11 << "Language" << QByteArray("");
    QTest::newRow("code table 32") << QByteArray("CodeTable ") + QByteArray(32, 'c') << 0 << "CodeTable" << QByteArray(32, 'c');
    QTest::newRow("code table 33") << QByteArray("CodeTable ") + QByteArray(33, 'c') << 13 << "CodeTable" << QByteArray("CP1251");
    QTest::newRow("text key alone 20") << QByteArray("Language") << 20 << "Language" << QByteArray("");
    QTest::newRow("255 character line") << QByteArray("SDpath") + ' ' + long255 << 0 << "SDpath" << long255;
    QTest::newRow("longest line")
        << QByteArray("SDpath \"") + QByteArray(246, 'p') + '"' << 0 << "SDpath" << QByteArray(246, 'p');

    QTest::newRow("index") << QByteArray("HSample[3] 16000") << 0 << "HSample[3]" << QByteArray("16000");
    QTest::newRow("index blanks =") << QByteArray("HSample [ 3] = 16000") << 0 << "HSample[3]" << QByteArray("16000");
    QTest::newRow("index hex") << QByteArray("hsample[0x3] 16000") << 0 << "HSample[3]" << QByteArray("16000");
    QTest::newRow("index binary") << QByteArray("HMode[11b] abc") << 0 << "HMode[3]" << QByteArray("abc");
    QTest::newRow("index quoted") << QByteArray("HMode[7] \"a b\"") << 0 << "HMode[7]" << QByteArray("a b");
    QTest::newRow("index empty value") << QByteArray("HMode[0]") << 0 << "HMode[0]" << QByteArray("");
    QTest::newRow("blank before ] 9") << QByteArray("HSample[3 ] 16000") << 9 << "HSample[3]" << QByteArray("");
    QTest::newRow("no index 17") << QByteArray("HSample 16000") << 17 << "HSample[0]" << QByteArray("6000");
    QTest::newRow("no ] 17") << QByteArray("HSample[3 16000") << 17 << "HSample[3]" << QByteArray("");
    QTest::newRow("index 8 is 15") << QByteArray("HSample[8] 1") << 15 << "HSample[7]" << QByteArray("");
    QTest::newRow("index -1 is 15") << QByteArray("HSample[-1] 1") << 15 << "HSample[0]" << QByteArray("6000");
    QTest::newRow("index overflow 15") << QByteArray("HSample[99999999999] 1") << 15 << "HSample[0]" << QByteArray("6000");
    QTest::newRow("empty index 6") << QByteArray("HSample[] 1") << 6 << "HSample[0]" << QByteArray("6000");
    QTest::newRow("index 39 characters") << QByteArray("HSample[") + QByteArray(38, '0') + "3] 9" << 0 << "HSample[3]" << QByteArray("9");
    QTest::newRow("index 40 characters 16") << QByteArray("HSample[") + QByteArray(39, '0') + "3] 9" << 16 << "HSample[3]" << QByteArray("");
    QTest::newRow("index 200 characters 16") << QByteArray("HSample[") + QByteArray(200, '7') + "] 9" << 16 << "HSample[7]" << QByteArray("");
    QTest::newRow("element 7 characters") << QByteArray("HMode[5] 1234567") << 0 << "HMode[5]" << QByteArray("1234567");
    QTest::newRow("element 8 characters 13") << QByteArray("HMode[5] 12345678") << 13 << "HMode[5]" << QByteArray("");

    QTest::newRow("End stops") << QByteArray("SizeX 1\nEnd\nSizeX 2\n") << 0 << "SizeX" << QByteArray("1");
    QTest::newRow("End with text") << QByteArray("SizeX 1\nend of it\nSizeX 2\n") << 0 << "SizeX" << QByteArray("1");
    QTest::newRow("Endx unknown 4") << QByteArray("SizeX 1\nEndx\nSizeX 2\n") << 4 << "SizeX" << QByteArray("2");
    QTest::newRow("End keeps earlier error") << QByteArray("SizeX 9999\nEnd\n") << 7 << "SizeX" << QByteArray("0");

    QTest::newRow("256 character line 3")
        << QByteArray("SizeX 7\n") + QByteArray(256, 'a') + "\nSizeY 9\n" << 3 << "SizeX" << QByteArray("7");
    QTest::newRow("256 character line: the lines after it still apply")
        << QByteArray("SizeX 7\n") + QByteArray(256, 'a') + "\nSizeY 9\n" << 3 << "SizeY" << QByteArray("9");
    QTest::newRow("600 character line is passed over whole")
        << QByteArray(600, 'a') + "\r\nSizeY 9\r\n" << 3 << "SizeY" << QByteArray("9");
    QTest::newRow("256 characters at end of file 3")
        << QByteArray("SizeX 7\n") + QByteArray(256, 'a') << 3 << "SizeX" << QByteArray("7");
    QTest::newRow("255 character comment line")
        << QByteArray(";") + QByteArray(254, 'a') + "\nSizeY 9" << 0 << "SizeY" << QByteArray("9");
    // clang-format on
}

void PreferencesTest::lineForms()
{
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    QFETCH(QString, field);
    QFETCH(QByteArray, value);

    if (field == "SDpath" || field == "Language")
        QCOMPARE(Field(field), QByteArray()); // the defaults of the fields above
    QCOMPARE(ReadBytes(content), code);
    QCOMPARE(Field(field), value);
    QCOMPARE(ErrorText.isEmpty(), code == 0);
}

void PreferencesTest::lineEnds_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("errorLine");

    QTest::newRow("CR LF") << QByteArray("SizeX 5\r\nSizeY 6\r\nx\r\n") << 3;
    QTest::newRow("LF") << QByteArray("SizeX 5\nSizeY 6\nx\n") << 3;
    QTest::newRow("CR") << QByteArray("SizeX 5\rSizeY 6\rx\r") << 3;
    QTest::newRow("mixed, no final end") << QByteArray("SizeX 5\rSizeY 6\nx") << 3;
    // A line end followed by an LF is one line end, so the empty line is not counted.
    QTest::newRow("LF LF") << QByteArray("SizeX 5\n\nSizeY 6\r\nx") << 3;
    QTest::newRow("CR LF CR LF") << QByteArray("SizeX 5\r\n\r\nSizeY 6\r\nx") << 4;
    QTest::newRow("CR CR") << QByteArray("SizeX 5\r\rSizeY 6\nx") << 4;
}

void PreferencesTest::lineEnds()
{
    QFETCH(QByteArray, content);
    QFETCH(int, errorLine);

    QCOMPARE(ReadBytes(content), 4);
    QCOMPARE(Preferences.SizeX, 5);
    QCOMPARE(Preferences.SizeY, 6);
    QVERIFY2(ErrorText.endsWith(QString("\nв строке %1\nx").arg(errorLine)), qPrintable(ErrorText));
}

void PreferencesTest::numberConversion_data()
{
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");

    // clang-format off
    QTest::newRow("decimal") << QByteArray("800") << 0 << 800;
    QTest::newRow("plus") << QByteArray("+800") << 0 << 800;
    QTest::newRow("minus") << QByteArray("-800") << 0 << -800;
    QTest::newRow("minus blank") << QByteArray("- 8") << 0 << -8;
    QTest::newRow("leading blanks") << QByteArray("  8") << 0 << 8;
    QTest::newRow("X") << QByteArray("X1f") << 0 << 31;
    QTest::newRow("0X") << QByteArray("0x1F") << 0 << 31;
    QTest::newRow("H") << QByteArray("1fh") << 0 << 31;
    QTest::newRow("O") << QByteArray("o17") << 0 << 15;
    QTest::newRow("0O") << QByteArray("0o17") << 0 << 15;
    QTest::newRow("last O") << QByteArray("17o") << 0 << 15;
    QTest::newRow("B") << QByteArray("b101") << 0 << 5;
    QTest::newRow("0B") << QByteArray("0b101") << 0 << 5;
    QTest::newRow("last B") << QByteArray("101b") << 0 << 5;
    QTest::newRow("1B binary") << QByteArray("1B") << 0 << 1;
    QTest::newRow("1BH hex") << QByteArray("1BH") << 0 << 27;
    QTest::newRow("D") << QByteArray("d99") << 0 << 99;
    QTest::newRow("0D") << QByteArray("0d99") << 0 << 99;
    QTest::newRow("last D") << QByteArray("99d") << 0 << 99;
    QTest::newRow("zero") << QByteArray("0") << 0 << 0;
    QTest::newRow("int max") << QByteArray("2147483647") << 0 << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << 0 << int(-2147483647 - 1);
    QTest::newRow("hex int max") << QByteArray("7FFFFFFFh") << 0 << 2147483647;
    QTest::newRow("empty 6") << QByteArray("") << 6 << 0;
    QTest::newRow("sign only 6") << QByteArray("-") << 6 << 0;
    QTest::newRow("marker only 6") << QByteArray("0x") << 6 << 0;
    QTest::newRow("H only 6") << QByteArray("h") << 6 << 0;
    QTest::newRow("letter 9") << QByteArray("abc") << 9 << 0;
    QTest::newRow("hex letter in decimal 9") << QByteArray("1A") << 9 << 0;
    QTest::newRow("8 in octal 9") << QByteArray("18o") << 9 << 0;
    QTest::newRow("2 in binary 9") << QByteArray("0b12") << 9 << 0;
    QTest::newRow("G in hex 9") << QByteArray("0x1G") << 9 << 0;
    QTest::newRow("trailing blank 9") << QByteArray("3 ") << 9 << 0;
    QTest::newRow("two signs 9") << QByteArray("--3") << 9 << 0;
    QTest::newRow("int max + 1 is 21") << QByteArray("2147483648") << 21 << 0;
    QTest::newRow("int min - 1 is 21") << QByteArray("-2147483649") << 21 << 0;
    QTest::newRow("wraps to 800 is 21") << QByteArray("4294968096") << 21 << 0;
    QTest::newRow("40 digits 21") << QByteArray(40, '9') << 21 << 0;
    QTest::newRow("bad digit after overflow 9") << QByteArray(30, '9') + "z" << 9 << 0;
    // clang-format on
}

void PreferencesTest::numberConversion()
{
    QFETCH(QByteArray, token);
    QFETCH(int, code);
    QFETCH(int, value);

    int32_t result = 12345;
    QCOMPARE(ConvertPreferenceNumber(token.constData(), int(token.size()), &result), code);
    QCOMPARE(result, code == 0 ? value : 12345);
}

void PreferencesTest::errorText_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bound") << QByteArray("SizeX 1\n  SizeX 9999  ; big\n") << 7
                           << "Большое значение параметра в файле\nt.cfg\nв строке 2\nSizeX 9999";
    QTest::newRow("unknown key") << QByteArray("Foo 1") << 4
                                 << "Ошибка команды в файле\nt.cfg\nв строке 1\nFoo 1";
    // The second LF belongs to the first line end, so ToolTip stands in line 3.
    QTest::newRow("no value")
        << QByteArray("\n\n\nToolTip") << 20
        << "Отсутствует разделитель команды в файле\nt.cfg\nв строке 3\nToolTip";
    QTest::newRow("range") << QByteArray("SizeY -5") << 21
                           << "Значение параметра превышает диапазон типа в файле\nt.cfg\nв строке "
                              "1\nSizeY -5";
    QTest::newRow("Windows-1251 line") << QByteArray("SDpath \xcf\xf3\xf2\xfc<") << 11
                                       << "Ошибка задания пути-имени в файле\nt.cfg\nв строке "
                                          "1\nSDpath Путь<";
    QTest::newRow("code page of the moment")
        << QByteArray("SDpath \xcf\xf3\xf2\xfc<\nCodeTable UTF-8") << 11
        << "Ошибка задания пути-имени в файле\nt.cfg\nв строке 1\nSDpath Путь<";
    QTest::newRow("unknown code page is Latin-1")
        << QByteArray("CodeTable no-such-page\nSDpath \xe9<") << 11
        << "Ошибка задания пути-имени в файле\nt.cfg\nв строке 2\nSDpath \u00e9<";
    QTest::newRow("control bytes shown escaped")
        << QByteArray("SizeX \x1b[2J\x7f") << 9
        << "Ошибка параметра в файле\nt.cfg\nв строке 1\nSizeX \\x1b[2J\\x7f";
    QTest::newRow("line too long")
        << QByteArray(300, 'z') << 3
        << ("Очень много символов в файле\nt.cfg\nв строке 1\n" + QString(256, 'z')).left(255);
    QTest::newRow("index text") << QByteArray("HMode[") + QByteArray(45, '1') + "] x" << 16
                                << "Ошибка индекса в файле\nt.cfg\nв строке 1\nHMode[" +
                                       QString(45, '1') + "] x";
    QTest::newRow("later success keeps message")
        << QByteArray("SizeX abc\nSizeX 5\n") << 9
        << "Ошибка параметра в файле\nt.cfg\nв строке 1\nSizeX abc";
}

void PreferencesTest::errorText()
{
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    QFETCH(QString, expected);

    QCOMPARE(ReadBytes(content), code);
    QCOMPARE(ErrorText, expected);
    QVERIFY(ErrorText.size() <= 255);
}

void PreferencesTest::errorTextCutAt255_data()
{
    QTest::addColumn<int>("nameLength");
    // The cut falls on every position within a character of two UTF-16 units.
    for (int length = 120; length <= 124; ++length)
        QTest::newRow(qPrintable(QString::number(length))) << length;
}

void PreferencesTest::errorTextCutAt255()
{
    QFETCH(int, nameLength);

    const QString name = QString(nameLength - 4, 'n') + ".cfg";
    QByteArray emoji("\xf0\x9f\x98\x80"); // one character, two UTF-16 units
    QByteArray line = "SizeX " + emoji.repeated(60);
    QCOMPARE(ReadBytes("CodeTable UTF-8\n" + line, name), 9);
    const QString full =
        "Ошибка параметра в файле\n" + name + "\nв строке 2\n" + QString::fromUtf8(line);
    QVERIFY(full.size() > 256);
    QVERIFY(ErrorText.size() == 255 || ErrorText.size() == 254);
    QVERIFY(full.startsWith(ErrorText));
    QVERIFY(!ErrorText.back().isHighSurrogate());
    QVERIFY(ErrorText.toUtf8() == full.left(ErrorText.size()).toUtf8());

    // An open failure is cut the same way.
    const QString missing = QString(300, 'm');
    QCOMPARE(ReadFile(missing), 1);
    QCOMPARE(ErrorText, ("Ошибка открытия файла\n" + missing).left(255));
}

void PreferencesTest::include_data()
{
    QTest::addColumn<QByteArray>("outer");
    QTest::addColumn<QByteArray>("inner");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("sizeX");
    QTest::addColumn<int>("sizeY");
    QTest::addColumn<QString>("error");

    // clang-format off
    QTest::newRow("read at this point")
        << QByteArray("SizeX 1\nSizeY 1\nInclude inc.cfg\nSizeY 3\n") << QByteArray("SizeX 7\nSizeY 8\n")
        << 0 << 7 << 3 << "";
    QTest::newRow("quoted name")
        << QByteArray("Include \"inc.cfg\"") << QByteArray("SizeX 7") << 0 << 7 << 0 << "";
    QTest::newRow("End ends only the included file")
        << QByteArray("Include inc.cfg\nSizeY 3\n") << QByteArray("SizeX 7\nEnd\nSizeX 9") << 0 << 7 << 3 << "";
    QTest::newRow("missing file is code 1, outer read on")
        << QByteArray("Include nothere.cfg\nSizeY 3\n") << QByteArray() << 1 << 0 << 3
        << "Ошибка открытия файла\nnothere.cfg";
    QTest::newRow("inner error passed out")
        << QByteArray("Include inc.cfg\nSizeY 3\n") << QByteArray("\nSizeX abc") << 9 << 0 << 3
        << "Ошибка параметра в файле\ninc.cfg\nв строке 2\nSizeX abc";
    QTest::newRow("outer error after inner error")
        << QByteArray("Include inc.cfg\nSizeY 3000\n") << QByteArray("SizeX abc") << 7 << 0 << 0
        << "Большое значение параметра в файле\nt.cfg\nв строке 2\nSizeY 3000";
    QTest::newRow("clean include keeps outer message")
        << QByteArray("SizeY 3000\nInclude inc.cfg\n") << QByteArray("SizeX 4") << 7 << 4 << 0
        << "Большое значение параметра в файле\nt.cfg\nв строке 1\nSizeY 3000";
    QTest::newRow("angle bracket name 11, message unchanged")
        << QByteArray("Include <inc.cfg>\nSizeY 3\n") << QByteArray("SizeX 7") << 11 << 0 << 3 << "";
    QTest::newRow("wildcard name 12")
        << QByteArray("Include *.cfg\n") << QByteArray("SizeX 7") << 12 << 0 << 0 << "";
    QTest::newRow("open quote 10")
        << QByteArray("Include \"inc.cfg\n") << QByteArray("SizeX 7") << 10 << 0 << 0 << "";
    QTest::newRow("Include alone 20")
        << QByteArray("Include\n") << QByteArray() << 20 << 0 << 0
        << "Отсутствует разделитель команды в файле\nt.cfg\nв строке 1\nInclude";
    QTest::newRow("empty name is code 1")
        << QByteArray("Include \"\"\nSizeX 2") << QByteArray() << 1 << 2 << 0
        << "Ошибка открытия файла\n";
    QTest::newRow("folder is code 1")
        << QByteArray("Include .\nSizeX 2") << QByteArray() << 1 << 2 << 0
        << "Ошибка открытия файла\n.";
    QTest::newRow("device is code 1")
        << QByteArray("Include /dev/zero\nSizeX 2") << QByteArray() << 1 << 2 << 0
        << "Ошибка открытия файла\n/dev/zero";
    QTest::newRow("includes itself")
        << QByteArray("SizeY 2\nInclude t.cfg\nSizeX 3\n") << QByteArray() << 30 << 3 << 2
        << "Системная ошибка\nt.cfg\nв строке 2\nInclude t.cfg";
    QTest::newRow("included file includes itself")
        << QByteArray("Include inc.cfg\nSizeY 2") << QByteArray("Include ./inc.cfg\nSizeX 7") << 30 << 7 << 2
        << "Системная ошибка\ninc.cfg\nв строке 1\nInclude ./inc.cfg";
    QTest::newRow("cycle of two files")
        << QByteArray("Include inc.cfg\nSizeY 2") << QByteArray("SizeX 7\nInclude t.cfg") << 30 << 7 << 2
        << "Системная ошибка\ninc.cfg\nв строке 2\nInclude t.cfg";
    QTest::newRow("too many included files")
        << QByteArray("Include inc.cfg\n").repeated(PreferenceIncludeFiles + 5) << QByteArray("SizeX 7")
        << 30 << 7 << 0
        << QString("Системная ошибка\nt.cfg\nв строке %1\nInclude inc.cfg").arg(PreferenceIncludeFiles + 5);
    // clang-format on
}

void PreferencesTest::include()
{
    QFETCH(QByteArray, outer);
    QFETCH(QByteArray, inner);
    QFETCH(int, code);
    QFETCH(int, sizeX);
    QFETCH(int, sizeY);
    QFETCH(QString, error);

    QVERIFY(WriteAll("inc.cfg", inner));
    QCOMPARE(ReadBytes(outer), code);
    QCOMPARE(Preferences.SizeX, sizeX);
    QCOMPARE(Preferences.SizeY, sizeY);
    QCOMPARE(ErrorText, error);
}

void PreferencesTest::includeNesting_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("code");

    // The first file of a chain reads the second, and so on; the last sets SizeX.
    QTest::newRow("16 levels") << PreferenceIncludeDepth + 1 << 0;
    QTest::newRow("17 levels") << PreferenceIncludeDepth + 2 << 30;
    QTest::newRow("1,000 levels") << 1001 << 30;
}

void PreferencesTest::includeNesting()
{
    QFETCH(int, files);
    QFETCH(int, code);

    QDir().mkpath("chain");
    for (int i = 0; i + 1 < files; ++i)
        QVERIFY(WriteAll(
            QString("chain/%1.cfg").arg(i),
            QString("SizeY %1\nInclude chain/%2.cfg\n").arg(i % 2000).arg(i + 1).toUtf8()));
    QVERIFY(WriteAll(QString("chain/%1.cfg").arg(files - 1), "SizeX 42\n"));
    QCOMPARE(ReadFile("chain/0.cfg"), code);
    QCOMPARE(Preferences.SizeX, code == 0 ? 42 : 0);
    QCOMPARE(Preferences.SizeY, code == 0 ? files - 2 : PreferenceIncludeDepth);
    if (code == 30)
        QVERIFY2(ErrorText.startsWith(QString("Системная ошибка\nchain/%1.cfg\nв строке 2\n")
                                          .arg(PreferenceIncludeDepth)),
                 qPrintable(ErrorText));
}

void PreferencesTest::badInput_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("sizeX");

    QByteArray binary(1 << 20, '\0');
    quint32 seed = 12345;
    for (char& c : binary) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 24);
    }
    QByteArray printable;
    for (int i = 0; i < 2000; ++i)
        printable += "SizeX 1\r\n; a comment line of some length\r\nHMode[1] abc\r\n";

    // clang-format off
    QTest::newRow("10 MB of good lines")
        << QByteArray("SizeX 3\r\n").repeated(10 * 1024 * 1024 / 9) << 0 << 3;
    QTest::newRow("10 MB of bad lines")
        << QByteArray("SizeX 3\nSizeZ 1\n").repeated(10 * 1024 * 1024 / 16) << 4 << 3;
    QTest::newRow("10 MB in one line") << QByteArray(10 * 1024 * 1024, 'a') << 3 << 0;
    QTest::newRow("10,000 character line")
        << QByteArray("SizeX 5\n") + QByteArray(10000, 'q') + "\nSizeX 6\n" << 3 << 6;
    QTest::newRow("10,000 character value")
        << QByteArray("SizeX 5\nSDpath ") + QByteArray(10000, 'q') << 3 << 5;
    QTest::newRow("NUL bytes") << QByteArray(100000, '\0') << 3 << 0;
    QTest::newRow("NUL lines") << QByteArray("\0\n", 2).repeated(100000) << 0 << 0;
    QTest::newRow("NUL in key") << QByteArray("Size\0X 5\nSizeX 7", 16) << 4 << 7;
    QTest::newRow("binary then line")
        << QByteArray("\x01\x02\xff\xfe\n\x80\x81;\"\n[[[]]]\nSizeX 8\n") << 4 << 8;
    QTest::newRow("1 MB binary") << binary << -1 << -1;
    QTest::newRow("blank and quote soup")
        << QByteArray("  \t\"\";\"\";;\"\n\"\"\"\n=\n[\n]\n,\n").repeated(1000) << 4 << 0;
    QTest::newRow("10 MB repeated mixed") << printable.repeated(10 * 1024 * 1024 / printable.size()) << 0 << 1;
    // clang-format on
}

void PreferencesTest::badInput()
{
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    QFETCH(int, sizeX);

    const int result = ReadBytes(content);
    if (code >= 0)
        QCOMPARE(result, code);
    else
        QVERIFY(result > 0 && result <= 30);
    if (sizeX >= 0)
        QCOMPARE(Preferences.SizeX, sizeX);
    QVERIFY(ErrorText.size() <= 255);
    QCOMPARE(ErrorText.isEmpty(), result == 0);
}

void PreferencesTest::roundTrip()
{
    PreferenceValues& p = Preferences;
    p.Debug = 7;
    std::strcpy(p.CodeTable, "KOI8-R");
    // The longest Text value whose written line still fits the reader's 255 characters.
    std::strcpy(p.Language, QByteArray(255 - 17 - 1 - 2, 'L').constData());
    std::strcpy(p.SDpath, "E:\\card path;with=signs ");
    std::strcpy(p.CFGname, "conf.ini");
    std::strcpy(p.TimeName, "  time.txt");
    for (int i = 0; i < 8; ++i) {
        std::strcpy(p.HSample[i], QByteArray::number(1000000 + i).constData());
        std::strcpy(p.HMode[i], i == 4 ? "" : QByteArray("m ;").append(char('0' + i)).constData());
    }
    p.SizeX = 2000;
    p.SizeY = 1;
    p.ToolTip = 0;
    p.SetTime = 0;
    p.DelOldTime = 0;
    p.ManualTime = 1;
    p.ShiftTime = 999;
    const PreferenceValues written = p;

    QCOMPARE(WriteFile("round.cfg"), 0);
    ResetPreferences();
    QCOMPARE(ReadFile("round.cfg"), 0);
    QVERIFY(ErrorText.isEmpty());

    QCOMPARE(p.Debug, 0); // never written
    p.Debug = written.Debug;
    QCOMPARE(QByteArray(p.Language), QByteArray(written.Language));
    QCOMPARE(QByteArray(p.SDpath), QByteArray(written.SDpath));
    QCOMPARE(QByteArray(p.TimeName), QByteArray(written.TimeName));
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(QByteArray(p.HSample[i]), QByteArray(written.HSample[i]));
        QCOMPARE(QByteArray(p.HMode[i]), QByteArray(written.HMode[i]));
    }
    QCOMPARE(std::memcmp(&p, &written, sizeof p), 0);

    // And written again, the file is the same.
    QCOMPARE(WriteFile("again.cfg"), 0);
    QCOMPARE(ReadAll("again.cfg"), ReadAll("round.cfg"));
}

void PreferencesTest::longCardPathKeepsTheKeysAfterIt()
{
    // The longest card path makes a written line longer than the reader takes: that
    // line is refused, and nothing written after it is lost.
    std::strcpy(Preferences.SDpath, QByteArray(254, 'p').constData());
    Preferences.ToolTip = 0;
    std::strcpy(Preferences.HMode[3], "mp3");
    QCOMPARE(WriteFile("long.cfg"), 0);
    ResetPreferences();
    QCOMPARE(ReadFile("long.cfg"), 3);
    QCOMPARE(QByteArray(Preferences.SDpath), QByteArray());
    QCOMPARE(Preferences.ToolTip, 0);
    QCOMPARE(QByteArray(Preferences.HMode[3]), QByteArray("mp3"));
    QVERIFY(ErrorText.contains(QString::fromUtf8("в строке 4\n")));
}

void PreferencesTest::otherKindsRead_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("value");

    // clang-format off
    for (const char* word : {"yes", "TRUE", "1", "On"})
        QTest::newRow(qPrintable(QString("Boolean ") + word)) << QByteArray("Flag ") + word << 0 << "flag" << QByteArray("1");
    QTest::newRow("Boolean = no") << QByteArray("Flag = no") << 0 << "flag" << QByteArray("0");
    QTest::newRow("Boolean false") << QByteArray("flag false") << 0 << "flag" << QByteArray("0");
    QTest::newRow("Boolean off") << QByteArray("Flag OFF") << 0 << "flag" << QByteArray("0");
    QTest::newRow("Boolean 2 is 5") << QByteArray("Flag 2") << 5 << "flag" << QByteArray("0");
    QTest::newRow("Boolean yess is 5") << QByteArray("Flag yess") << 5 << "flag" << QByteArray("0");
    QTest::newRow("Boolean alone 20") << QByteArray("Flag") << 20 << "flag" << QByteArray("0");
    QTest::newRow("Character bare") << QByteArray("Letter z") << 0 << "letter" << QByteArray("z");
    QTest::newRow("Character single quotes") << QByteArray("Letter 'q'") << 0 << "letter" << QByteArray("q");
    QTest::newRow("Character double quotes") << QByteArray("Letter \";\"") << 0 << "letter" << QByteArray(";");
    QTest::newRow("Character two 10") << QByteArray("Letter ab") << 10 << "letter" << QByteArray("");
    QTest::newRow("Character mixed quotes 10") << QByteArray("Letter 'a\"") << 10 << "letter" << QByteArray("");
    QTest::newRow("Character = is the character") << QByteArray("Letter =") << 0 << "letter" << QByteArray("=");
    QTest::newRow("Character unsigned 8-bit 21") << QByteArray("Ascii \xe9") << 21 << "ascii" << QByteArray("a");
    QTest::newRow("Character below bound 8") << QByteArray("Ascii '\x01'") << 8 << "ascii" << QByteArray("a");
    QTest::newRow("Character in bounds") << QByteArray("Ascii ~") << 0 << "ascii" << QByteArray("~");
    QTest::newRow("Real") << QByteArray("Real 12.5") << 0 << "real" << QByteArray("12.5");
    QTest::newRow("Real = exponent") << QByteArray("Real = -1.5e2") << 0 << "real" << QByteArray("-150");
    QTest::newRow("Real not a number is 0") << QByteArray("Real abc") << 0 << "real" << QByteArray("0");
    QTest::newRow("Real prefix") << QByteArray("Real 7.25kg") << 0 << "real" << QByteArray("7.25");
    QTest::newRow("Real above bound 7") << QByteArray("Real 1000.5") << 7 << "real" << QByteArray("0");
    QTest::newRow("Real below bound 8") << QByteArray("Real -1001") << 8 << "real" << QByteArray("0");
    QTest::newRow("Real beyond 32 bits 21") << QByteArray("Real 3e9") << 21 << "real" << QByteArray("0");
    QTest::newRow("Real huge 21") << QByteArray("Real 1e999") << 21 << "real" << QByteArray("0");
    QTest::newRow("Real infinity 21") << QByteArray("Real inf") << 21 << "real" << QByteArray("0");
    QTest::newRow("Real NaN 21") << QByteArray("Real nan") << 21 << "real" << QByteArray("0");
    QTest::newRow("Enumerated number") << QByteArray("Level 10") << 0 << "level" << QByteArray("10");
    QTest::newRow("Enumerated number not listed 25") << QByteArray("Level 3") << 25 << "level" << QByteArray("5");
    QTest::newRow("Enumerated number above bounds") << QByteArray("Level 1") << 0 << "level" << QByteArray("1");
    QTest::newRow("Enumerated text") << QByteArray("Mode slow") << 0 << "mode" << QByteArray("slow");
    QTest::newRow("Enumerated text case 25") << QByteArray("Mode SLOW") << 25 << "mode" << QByteArray("fast");
    QTest::newRow("NotRead ignored") << QByteArray("Secret 5") << 0 << "secret" << QByteArray("0");
    QTest::newRow("NotRead alone ignored") << QByteArray("Secret") << 0 << "secret" << QByteArray("0");
    QTest::newRow("UpperCase") << QByteArray("Shout abc\xe9") << 0 << "shout" << QByteArray("ABC\xe9");
    QTest::newRow("LowerCase") << QByteArray("Whisper \"AbC\"") << 0 << "whisper" << QByteArray("abc");
    QTest::newRow("Enumerated text empty 25") << QByteArray("Mode \"\"") << 25 << "mode" << QByteArray("fast");
    QTest::newRow("Text shorter than bound 14") << QByteArray("Short a") << 14 << "short" << QByteArray("");
    QTest::newRow("Text at lower bound") << QByteArray("Short ab") << 0 << "short" << QByteArray("ab");
    QTest::newRow("Integer array") << QByteArray("Counts[2] = -7") << 0 << "counts2" << QByteArray("-7");
    QTest::newRow("Integer array below 8") << QByteArray("Counts[1] -51") << 8 << "counts1" << QByteArray("0");
    QTest::newRow("Record unsupported 18") << QByteArray("Record a b") << 18 << "flag" << QByteArray("0");
    QTest::newRow("Record alone 18") << QByteArray("Record") << 18 << "flag" << QByteArray("0");
    // clang-format on
}

void PreferencesTest::otherKindsRead()
{
    QFETCH(QByteArray, line);
    QFETCH(int, code);
    QFETCH(QString, field);
    QFETCH(QByteArray, value);

    QVERIFY(WriteAll("extra.cfg", line));
    PreferenceFile file(ExtraTable);
    QCOMPARE(file.Read("extra.cfg"), code);
    const QHash<QString, QString> fields = {
        {"flag", QString::number(Extra.flag)},
        {"letter", QString::fromLatin1(&Extra.letter, Extra.letter ? 1 : 0)},
        {"ascii", QString::fromLatin1(&Extra.ascii, 1)},
        {"real", QString::number(double(Extra.real))},
        {"level", QString::number(Extra.level)},
        {"secret", QString::number(Extra.secret)},
        {"mode", QString::fromLatin1(Extra.mode)},
        {"shout", QString::fromLatin1(Extra.shout)},
        {"whisper", QString::fromLatin1(Extra.whisper)},
        {"short", QString::fromLatin1(Extra.shortText)},
        {"counts1", QString::number(Extra.counts[1])},
        {"counts2", QString::number(Extra.counts[2])},
    };
    QCOMPARE(fields.value(field).toLatin1(), value);
}

void PreferencesTest::otherKindsWrite()
{
    Extra.flag = 1;
    Extra.letter = '#';
    Extra.real = 1.0f / 3.0f;
    Extra.level = 10;
    Extra.secret = 4;
    std::strcpy(Extra.shout, "UP");
    std::strcpy(Extra.names[1], "abcd");
    Extra.counts[0] = -50;
    Extra.counts[3] = 51; // above its bound: left out

    PreferenceFile file(ExtraTable);
    QCOMPARE(file.Write("extra.cfg"), 18); // the Record row
    QCOMPARE(ErrorText, "Неопределенная ошибка обработки в файле\nextra.cfg");
    const QByteArray expected = "\r\nFlag              Yes"
                                "\r\nLetter            #"
                                "\r\nAscii             a"
                                "\r\nReal              0.3333333433"
                                "\r\nLevel             10"
                                "\r\nSecret            4"
                                "\r\nMode              \"fast\""
                                "\r\nShout             \"UP\""
                                "\r\nWhisper           \"\""
                                "\r\nNames[1]          \"abcd\""
                                "\r\nCounts[0]         -50"
                                "\r\nCounts[1]         0"
                                "\r\nCounts[2]         0"
                                "\r\n";
    QCOMPARE(ReadAll("extra.cfg"), expected);

    // What was written reads back.
    ResetExtra();
    Extra.real = 0;
    QCOMPARE(file.Read("extra.cfg"), 0);
    QCOMPARE(Extra.flag, uint8_t(1));
    QCOMPARE(Extra.letter, '#');
    QCOMPARE(Extra.real, 1.0f / 3.0f);
    QCOMPARE(Extra.level, 10);
    QCOMPARE(Extra.secret, 0);
    QCOMPARE(QByteArray(Extra.names[1]), QByteArray("abcd"));
    QCOMPARE(Extra.counts[0], -50);

    Extra.flag = 0;
    const PreferenceRow two[] = {ExtraTable[0], {"", 0, 0, 0, nullptr, nullptr, 0, 0}};
    PreferenceFile small(two);
    QCOMPARE(small.Write("flag.cfg"), 0);
    QCOMPARE(ReadAll("flag.cfg"), QByteArray("\r\nFlag              No \r\n"));
}

void PreferencesTest::writerLeavesOutFailingValues()
{
    int32_t value = 5;
    char longName[32] = "x";
    const PreferenceRow table[] = {
        {"AVeryLongKey14", KindInteger, 0, 9, &value, nullptr, 0, 0},
        {"Key13Letters_", KindInteger, 0, 9, &value, nullptr, 0, 0},
        {"", KindText, 0, 30, longName, nullptr, 0, 0},
        {"Array", KindText, 0, 30, longName, nullptr, 0, 0},
        {"", 0, 0, 0, nullptr, nullptr, 0, 0},
    };
    PreferenceFile file(table);
    QCOMPARE(file.Write("keys.cfg"), 27);
    QCOMPARE(ReadAll("keys.cfg"),
             QByteArray("\r\nKey13Letters_     5\r\nArray             \"x\"\r\n"));

    Preferences.SizeX = 2001;
    Preferences.SizeY = -1;
    Preferences.ShiftTime = 1000;
    QCOMPARE(WriteFile("bad.cfg"), 0);
    QByteArray expected = DefaultFile();
    expected.replace("\r\nSizeX             0", "");
    expected.replace("\r\nSizeY             0", "");
    expected.replace("\r\nShiftTime         0", "");
    QCOMPARE(ReadAll("bad.cfg"), expected);
}

void PreferencesTest::failedWrite_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("folder");

    QTest::newRow("folder where the file should be") << "wfolder"
                                                     << "wfolder" << true;
    QTest::newRow("file where the folder should be") << "wfile/prefs.cfg"
                                                     << "wfile" << false;
    QTest::newRow("folder that does not exist") << "nowhere/prefs.cfg"
                                                << "" << false;
}

void PreferencesTest::failedWrite()
{
    QFETCH(QString, name);
    QFETCH(QString, blocker);
    QFETCH(bool, folder);

    if (folder)
        QVERIFY(QDir().mkpath(blocker + "/inside"));
    else if (!blocker.isEmpty())
        QVERIFY(WriteAll(blocker, "old content"));
    QCOMPARE(WriteFile(name), 1);
    QCOMPARE(ErrorText, "Ошибка открытия файла\n" + name);
    if (folder)
        QVERIFY(QFileInfo(blocker + "/inside").isDir());
    else if (!blocker.isEmpty())
        QCOMPARE(ReadAll(blocker), QByteArray("old content"));
}

void PreferencesTest::fullCardKeepsOldFile()
{
    QVERIFY(WriteAll("full.cfg", "SizeX 5\r\n"));
    const int result = RunWithFileSizeLimit(100, [] {
        const int code = WriteFile("full.cfg");
        return code == 1 && ErrorText == "Ошибка открытия файла\nfull.cfg" ? 0 : 10 + code;
    });
    QCOMPARE(result, 0);
    QCOMPARE(ReadAll("full.cfg"), QByteArray("SizeX 5\r\n"));
}

void PreferencesTest::cardPathThatCannotBeStored_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("storable");
    QTest::newRow("plain") << "/media/card/" << true;
    QTest::newRow("Cyrillic in CP1251") << QString::fromUtf8("E:/Путь/") << true;
    QTest::newRow("outside the code page") << QString::fromUtf8("/media/カード/") << false;
    QTest::newRow("question mark") << "/media/c?rd/" << false;
    QTest::newRow("star") << "/media/c*rd/" << false;
    QTest::newRow("angle bracket") << "/media/<card>/" << false;
    for (int length : {200, 235, 236, 254, 300})
        QTest::addRow("%d characters", length) << QString(length, 'p') << (length <= 235);
}

// A path is storable exactly when the file written with it gives it back.
void PreferencesTest::cardPathThatCannotBeStored()
{
    QFETCH(QString, path);
    QFETCH(bool, storable);
    QCOMPARE(WhyPathCannotBeStored(path).isEmpty(), storable);
    SetPrefText(Preferences.SDpath, int(sizeof Preferences.SDpath), path);
    QCOMPARE(WriteFile("path.cfg"), 0);
    ResetPreferences();
    ReadFile("path.cfg");
    QCOMPARE(PrefText(Preferences.SDpath) == path, storable);
}

// Plain ASCII texts skip the codec: they must come out as the code page's own codec gives
// them, in every code page the toolkit knows, whatever the spelling of its name.
void PreferencesTest::asciiTextInEveryCodeTable_data()
{
    QTest::addColumn<QByteArray>("codeTable");
    QList<QByteArray> names = QTextCodec::availableCodecs();
    names << "cp1251"
          << "WINDOWS-1251"
          << "iso-8859-5"
          << "koi8-r"
          << "utf-8"
          << "LATIN1"
          << "no-such-page"
          << "";
    for (const QByteArray& name : std::as_const(names)) {
        if (name.size() < int(sizeof Preferences.CodeTable))
            QTest::newRow(name.constData()) << name;
    }
}

void PreferencesTest::asciiTextInEveryCodeTable()
{
    QFETCH(QByteArray, codeTable);
    std::strcpy(Preferences.CodeTable, codeTable.constData());
    QByteArray bytes;
    for (char c = 0x20; c < 0x7f; ++c)
        bytes += c;
    QTextCodec* codec = CodecOfCodeTable(codeTable.constData());
    QCOMPARE(PrefText(bytes.constData()), codec->toUnicode(bytes));
    const QString text = QString::fromLatin1(bytes);
    QByteArray stored;
    QCOMPARE(PrefBytes(text, &stored), codec->canEncode(text));
    QCOMPARE(stored, codec->fromUnicode(text));
}

QTEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
