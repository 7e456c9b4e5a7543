// WriteConfig and ReadConfig on the editor form: golden files from the controls,
// files read into the controls with the signals the form expects, the round trip of
// random form states, and writes that fail without touching the card.
#include "formfixture.h"
#include "testsupport.h"

#include "editor/configeditwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMap>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace
{

QByteArray Golden(const char* name)
{
    return ReadAll(QStringLiteral(PLIMO_SOURCE_DIR "/tests/golden/config/") + QLatin1String(name));
}

// Every setting the file carries, by name.
QMap<QString, int> FormState(const ConfigEditWindow& w)
{
    QMap<QString, int> s;
    s[QStringLiteral("rate")] = w.sampleRate->currentIndex();
    s[QStringLiteral("type")] = w.wavType->currentIndex();
    s[QStringLiteral("vas")] = w.vasEnable->isChecked();
    s[QStringLiteral("vasOnLevel")] = w.vasOnLevel->value();
    s[QStringLiteral("vasOnTime")] = w.vasOnTime->value();
    s[QStringLiteral("vasOffLevel")] = w.vasOffLevel->value();
    s[QStringLiteral("vasOffTime")] = w.vasOffTime->value();
    s[QStringLiteral("loop")] = w.loopSize->value();
    s[QStringLiteral("limitMax")] = w.limitMax->value();
    s[QStringLiteral("limitMin")] = w.limitMin->value();
    s[QStringLiteral("timers")] = w.timersEnable->isChecked();
    for (int i = 0; i < 4; ++i) {
        const TimerPanel& p = w.TimerPanels[i];
        const QString t = QStringLiteral("t%1.").arg(i + 1);
        s[t + QStringLiteral("enable")] = p.timerEnable->isChecked();
        s[t + QStringLiteral("month")] = p.month->value();
        s[t + QStringLiteral("day")] = p.day->value();
        s[t + QStringLiteral("hour")] = p.hour->value();
        s[t + QStringLiteral("minute")] = p.minut->value();
        s[t + QStringLiteral("length")] = p.lenght->value();
    }
    return s;
}

// "key=value ..." of the settings that differ between two states, sorted by key.
QString Changes(const QMap<QString, int>& before, const QMap<QString, int>& after)
{
    QStringList parts;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            parts << it.key() + QLatin1Char('=') + QString::number(it.value());
    }
    return parts.join(QLatin1Char(' '));
}

void SetTimer(const TimerPanel& p, bool on, int day, int month, int hour, int minute, int length)
{
    p.timerEnable->setChecked(on);
    p.day->setValue(day);
    p.month->setValue(month);
    p.hour->setValue(hour);
    p.minut->setValue(minute);
    p.lenght->setValue(length);
}

void RandomState(ConfigEditWindow& w, QRandomGenerator& rng)
{
    w.sampleRate->setCurrentIndex(rng.bounded(w.sampleRate->count()));
    w.wavType->setCurrentIndex(rng.bounded(w.wavType->count()));
    w.vasEnable->setChecked(rng.bounded(2));
    for (QSpinBox* box : {w.vasOnLevel, w.vasOnTime, w.vasOffLevel, w.vasOffTime})
        box->setValue(rng.bounded(100));
    auto value = [&](QSpinBox* box) {
        // the special value (minimum) often, otherwise anything in range
        box->setValue(rng.bounded(3) == 0 ? box->minimum()
                                          : rng.bounded(box->minimum(), box->maximum() + 1));
    };
    value(w.loopSize);
    value(w.limitMax);
    value(w.limitMin);
    w.timersEnable->setChecked(rng.bounded(3) != 0);
    for (const TimerPanel& p : w.TimerPanels) {
        p.timerEnable->setChecked(rng.bounded(3) != 0);
        for (QSpinBox* box : {p.month, p.day, p.hour, p.minut, p.lenght})
            value(box);
    }
}

// An enabled timer whose date and time all stand at "allways" is written T<n>,*.*,*:*,...
// and read back as switched off: the one state the file cannot carry.
bool HasUnreadableTimer(const ConfigEditWindow& w)
{
    if (!w.timersEnable->isChecked())
        return false;
    for (const TimerPanel& p : w.TimerPanels) {
        if (p.timerEnable->isChecked() && p.day->value() < 1 && p.month->value() < 1 &&
            p.hour->value() < 0 && p.minut->value() < 0)
            return true;
    }
    return false;
}

} // namespace

class ConfigFileTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    std::unique_ptr<ConfigEditWindow> w;

    QString Path(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }

    void NewForm()
    {
        w.reset();
        w = std::make_unique<ConfigEditWindow>(nullptr, "config edit");
        w->showWarning = [](const QString&, const QString&) {};
    }

private slots:
    void init()
    {
        QVERIFY(tmp.isValid());
        // The card folder holds no config.ini, so the form starts from its own defaults.
        UseFormPreferences(Path(QStringLiteral("empty-card/")));
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("empty-card")));
        NewForm();
    }
    void cleanup() { w.reset(); }

    void writeGolden_data()
    {
        QTest::addColumn<bool>("vasAndTimers");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("complete example") << true << Golden("example.ini");
        QTest::newRow("VAS off, timers off") << false << Golden("vas_off_timers_off.ini");
    }
    void writeGolden()
    {
        QFETCH(bool, vasAndTimers);
        QFETCH(QByteArray, expected);
        w->vasEnable->setChecked(vasAndTimers);
        w->timersEnable->setChecked(vasAndTimers);
        SetTimer(w->TimerPanels[1], true, 15, 6, 8, 30, 60);
        SetTimer(w->TimerPanels[2], true, 0, 0, 7, 0, 0);
        const QString file = Path(QStringLiteral("golden.ini"));
        const FileResult result = w->WriteConfig(file);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(ReadAll(file), expected);
        // Saving twice without changes gives the same bytes.
        QVERIFY(w->WriteConfig(file).ok);
        QCOMPARE(ReadAll(file), expected);
    }

    // A selection without a code is written as item 1 and the combo box then shows it.
    void writeFallBack()
    {
        SetList(Preferences.HSample, {"6000", "8000", "11050", "16000", "22050"});
        SetList(Preferences.HMode, {"none", "u-Law", "ADPCM", "extra"});
        NewForm();
        const QString file = Path(QStringLiteral("fallback.ini"));

        w->sampleRate->setCurrentIndex(3);
        w->wavType->setCurrentIndex(0);
        QVERIFY(w->WriteConfig(file).ok);
        QVERIFY(ReadAll(file).startsWith("M,16,none\r\n"));

        w->sampleRate->setCurrentIndex(4);
        w->wavType->setCurrentIndex(3);
        // A write that fails leaves the selection alone.
        QVERIFY(!w->WriteConfig(Path(QStringLiteral("no/such/folder/config.ini"))).ok);
        QCOMPARE(w->sampleRate->currentIndex(), 4);
        QCOMPARE(w->wavType->currentIndex(), 3);

        QSignalSpy rateActivated(w->sampleRate, &QComboBox::activated);
        QVERIFY(w->WriteConfig(file).ok);
        QCOMPARE(ReadAll(file), Golden("vas_off_timers_off.ini"));
        QCOMPARE(w->sampleRate->currentIndex(), 1);
        QCOMPARE(w->wavType->currentIndex(), 1);
        QCOMPARE(rateActivated.count(), 0);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("changes");

        const QByteArray x118(118, 'x');
        QTest::newRow("E: Event=all") << QByteArray("Event=all\r\n") << "timers=1";
        QTest::newRow("E: Event=timer then Event=key")
            << QByteArray("Event=timer\r\nEvent=key\r\n") << "";
        QTest::newRow("L: trailing comment") << QByteArray("Loop=20 ; twenty\r\n") << "loop=20";
        QTest::newRow("L: lower case has no effect") << QByteArray("loop=20\r\n") << "";
        QTest::newRow("L: Loop=20x") << QByteArray("Loop=20x\r\n") << "loop=20";
        QTest::newRow("L: Loop=0 and Loop=5000")
            << QByteArray("Loop=40\r\nLoop=0\r\nLoop=5000\r\n") << "loop=40";
        QTest::newRow("L: Loop=none") << QByteArray("Loop=40\r\nLoop=none\r\n") << "";
        QTest::newRow("L: Limit=100,200")
            << QByteArray("Limit=100,200\r\n") << "limitMax=100 limitMin=200";
        QTest::newRow("L: Limit=*,* and Limit=0,0 both disable")
            << QByteArray("Limit=100,200\r\nLimit=*,7\r\nLimit=9,9\r\nLimit=0,0\r\n") << "";
        QTest::newRow("L: Limit=5000,1 sets neither")
            << QByteArray("Limit=5,100\r\nLimit=5000,1\r\n") << "limitMax=5 limitMin=100";
        QTest::newRow("M: as written, ulaw") << QByteArray("M,6,none\r\nM,11,ulaw\r\n") << "rate=2";
        QTest::newRow("M: uLaw") << QByteArray("M,6,none\r\nM,8,uLaw\r\n") << "";
        QTest::newRow("M: bad type word keeps the rate")
            << QByteArray("M,6,none\r\nM,11,ULAW\r\n") << "rate=2 type=0";
        QTest::newRow("M: a rate item the box lacks is ignored")
            << QByteArray("M,16,none\r\n") << "type=0";
        QTest::newRow("M: adpcm") << QByteArray("M,6,adpcm\r\n") << "rate=0 type=2";
        QTest::newRow("T: full line")
            << QByteArray("Event=all\r\nT2,31.12,23:59,9999\r\n")
            << "t2.day=31 t2.enable=1 t2.hour=23 t2.length=9999 t2.minute=59 t2.month=12 "
               "timers=1";
        QTest::newRow("T: out of range switches off, nothing else")
            << QByteArray("T2,5.5,5:5,5\r\nT2,32.1,8:0,9\r\n")
            << "t2.day=5 t2.hour=5 t2.length=5 t2.minute=5 t2.month=5";
        QTest::newRow("T: unspecified fields show allways")
            << QByteArray("T3,*.*,7:0,*\r\n")
            << "t3.day=0 t3.enable=1 t3.hour=7 t3.length=0 t3.minute=0 t3.month=0";
        QTest::newRow("T: 0.0 counts as given")
            << QByteArray("T3,0.0,*:*,10\r\n")
            << "t3.day=0 t3.enable=1 t3.hour=-1 t3.length=10 t3.minute=-1 t3.month=0";
        QTest::newRow("T: T1,*,*,* switches off, keeps the fields")
            << QByteArray("T1,2.2,2:2,2\r\nT1,*,*,*\r\n")
            << "t1.day=2 t1.hour=2 t1.length=2 t1.minute=2 t1.month=2";
        QTest::newRow("T: all fields * reads as off")
            << QByteArray("T1,2.2,2:2,2\r\nT1,*.*,*:*,*\r\n")
            << "t1.day=2 t1.hour=2 t1.length=2 t1.minute=2 t1.month=2";
        QTest::newRow("T: T5 has no effect") << QByteArray("T5,1.1,1:1,1\r\n") << "";
        QTest::newRow("V: blanks around separators")
            << QByteArray("  VAS = on \r\n VASon = 5 , 30\r\n")
            << "vas=1 vasOnLevel=5 vasOnTime=30";
        QTest::newRow("V: VASon=5,300 has no effect") << QByteArray("VASon=5,300\r\n") << "";
        QTest::newRow("V: VASoff")
            << QByteArray("VAS=on\r\nVASoff=0,99\r\n") << "vas=1 vasOffLevel=0 vasOffTime=99";
        QTest::newRow("line of 125 characters is applied") << "Loop=20" + x118 + "\r\nLimit=1,1\r\n"
                                                           << "limitMax=1 limitMin=1 loop=20";
        QTest::newRow("line of 126 characters stops the reading")
            << "Loop=20\r\nLoop=40" + x118 + "x\r\nLimit=1,1\r\n"
            << "loop=20";
        QTest::newRow("forbidden byte mid-file")
            << QByteArray("Loop=20\r\nLim\x07it=1,1\r\nVAS=on\r\n") << "loop=20";
        QTest::newRow("last line without carriage return")
            << QByteArray("Loop=20\r\nVAS=on") << "loop=20";
        QTest::newRow("line feeds only apply nothing")
            << QByteArray("M,6,none\nLoop=20\nVAS=on\n") << "";
        QTest::newRow("any order, later lines win")
            << QByteArray("Loop=40\r\nEvent=all\r\nVAS=on\r\nLoop=20\r\nVAS=off\r\n")
            << "loop=20 timers=1";
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, changes);
        const QString file = Path(QStringLiteral("read.ini"));
        QVERIFY(WriteAll(file, bytes));
        const QMap<QString, int> before = FormState(*w);
        const FileResult result = w->ReadConfig(file);
        QVERIFY(result.ok);
        QCOMPARE(Changes(before, FormState(*w)), changes);
    }

    // Check boxes and combo boxes change without clicked()/activated(); spin boxes emit
    // valueChanged(int).
    void readSignals()
    {
        QSignalSpy vasClicked(w->vasEnable, &QCheckBox::clicked);
        QSignalSpy timersClicked(w->timersEnable, &QCheckBox::clicked);
        QSignalSpy timerClicked(w->TimerPanels[0].timerEnable, &QCheckBox::clicked);
        QSignalSpy rateActivated(w->sampleRate, &QComboBox::activated);
        QSignalSpy typeActivated(w->wavType, &QComboBox::activated);
        QSignalSpy loopChanged(w->loopSize, &QSpinBox::valueChanged);
        QSignalSpy lengthChanged(w->TimerPanels[0].lenght, &QSpinBox::valueChanged);

        const QString file = Path(QStringLiteral("signals.ini"));
        QVERIFY(WriteAll(file, "M,6,none\r\nVAS=on\r\nLoop=20\r\nEvent=all\r\nT1,1.1,1:1,7\r\n"));
        QVERIFY(w->ReadConfig(file).ok);

        QVERIFY(w->vasEnable->isChecked());
        QVERIFY(w->timersEnable->isChecked());
        QVERIFY(w->TimerPanels[0].timerEnable->isChecked());
        QCOMPARE(w->sampleRate->currentIndex(), 0);
        QCOMPARE(w->wavType->currentIndex(), 0);
        QCOMPARE(vasClicked.count(), 0);
        QCOMPARE(timersClicked.count(), 0);
        QCOMPARE(timerClicked.count(), 0);
        QCOMPARE(rateActivated.count(), 0);
        QCOMPARE(typeActivated.count(), 0);
        QCOMPARE(loopChanged.count(), 1);
        QCOMPARE(lengthChanged.count(), 1);
    }

    void readResult_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::newRow("missing file") << "missing.ini" << false;
        QTest::newRow("a folder") << "folder.ini" << false;
        QTest::newRow("below a regular file") << "plain/config.ini" << false;
        QTest::newRow("empty file") << "empty.ini" << true;
        QTest::newRow("larger than any config.ini") << "huge.ini" << false;
        QTest::newRow("1 MiB, the most a config.ini holds") << "mib.ini" << true;
        QTest::newRow("1 MiB and a byte") << "mib+1.ini" << false;
    }
    void readResult()
    {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("folder.ini")));
        QVERIFY(WriteAll(Path(QStringLiteral("plain")), "Loop=20\r\n"));
        QVERIFY(WriteAll(Path(QStringLiteral("empty.ini")), QByteArray()));
        QVERIFY(
            WriteAll(Path(QStringLiteral("huge.ini")), QByteArray("Loop=20\r\n").repeated(200000)));
        QVERIFY(WriteAll(Path(QStringLiteral("mib.ini")), ConfigOfSize(1 << 20)));
        QVERIFY(WriteAll(Path(QStringLiteral("mib+1.ini")), ConfigOfSize((1 << 20) + 1)));
        const QMap<QString, int> before = FormState(*w);
        const FileResult result = w->ReadConfig(Path(name));
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.error.isEmpty(), ok);
        QCOMPARE(FormState(*w), before);
    }

    // Write, read into a fresh form, write again: the same bytes, for random states.
    void roundTrip_data()
    {
        QTest::addColumn<bool>("longLists");
        QTest::newRow("default lists") << false;
        QTest::newRow("eight rates, eight modes (fall-backs)") << true;
    }
    void roundTrip()
    {
        QFETCH(bool, longLists);
        if (longLists) {
            SetList(Preferences.HSample, {"6000", "8000", "11050", "16000", "a", "b", "c", "d"});
            SetList(Preferences.HMode, {"none", "u-Law", "ADPCM", "a", "b", "c", "d", "e"});
        }
        QRandomGenerator rng(longLists ? 4711 : 1234);
        const QString first = Path(QStringLiteral("first.ini"));
        const QString second = Path(QStringLiteral("second.ini"));
        int checked = 0;
        for (int i = 0; i < 150; ++i) {
            NewForm();
            RandomState(*w, rng);
            if (HasUnreadableTimer(*w))
                continue;
            QVERIFY(w->WriteConfig(first).ok);
            NewForm();
            QVERIFY(w->ReadConfig(first).ok);
            QVERIFY(w->WriteConfig(second).ok);
            const QByteArray bytes = ReadAll(first);
            if (ReadAll(second) != bytes)
                QFAIL(bytes.constData());
            ++checked;
        }
        QVERIFY(checked > 60);
    }

    // A write that fails says so, and the file on the card stays as it was.
    void writeFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fillsUp");
        QTest::newRow("regular file where the card folder is") << "card-file/config.ini" << false;
        QTest::newRow("folder where the file is") << "dir-card/config.ini" << false;
        QTest::newRow("card fills up mid-write") << "full-card/config.ini" << true;
    }
    void writeFailures()
    {
        QFETCH(QString, name);
        QFETCH(bool, fillsUp);
        QDir dir(tmp.path());
        QVERIFY(WriteAll(Path(QStringLiteral("card-file")), "not a folder"));
        QVERIFY(dir.mkpath(QStringLiteral("dir-card/config.ini")));
        QVERIFY(dir.mkpath(QStringLiteral("full-card")));
        const QByteArray old("M,6,none\r\n");
        QVERIFY(WriteAll(Path(QStringLiteral("full-card/config.ini")), old));

        w->vasEnable->setChecked(true);
        w->timersEnable->setChecked(true); // about 100 bytes, well beyond the limit
        const QString file = Path(name);
        if (fillsUp) {
            const int code = RunWithFileSizeLimit(40, [&] {
                const FileResult result = w->WriteConfig(file);
                return !result.ok && !result.error.isEmpty() ? 0 : 1;
            });
            QCOMPARE(code, 0);
            QCOMPARE(ReadAll(file), old);
            QStringList left = QDir(Path(QStringLiteral("full-card")))
                                   .entryList(QDir::Files | QDir::Hidden | QDir::System);
            QCOMPARE(left, QStringList{QStringLiteral("config.ini")});
        } else {
            const FileResult result = w->WriteConfig(file);
            QVERIFY(!result.ok);
            QVERIFY(!result.error.isEmpty());
        }
        QCOMPARE(ReadAll(Path(QStringLiteral("card-file"))), QByteArray("not a folder"));
        QVERIFY(QFileInfo(Path(QStringLiteral("dir-card/config.ini"))).isDir());
    }
};

QTEST_MAIN(ConfigFileTest)
#include "tst_configfile.moc"
