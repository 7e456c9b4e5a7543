// The card folder, reload, load from, save as, save and the clock-setting files,
// with the dialogs replaced by seams.
#include "dialogwatch.h"
#include "testsupport.h"

#include "app/plimoappwindow.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "editor/configeditwindow.h"
#include "platform/savefile.h"
#include "preferencedefaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>

class FileCommandsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    const SafeWriteMedium realMedium = Medium;
    QString oldCurrent;
    PlimoAppWindow* main = nullptr;
    ConfigEditWindow* form = nullptr;
    QStringList warnings;

    QString Path(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }
    QString Card() const { return tmp.path() + QLatin1Char('/'); }

    void Invoke(const char* slot) { QVERIFY(QMetaObject::invokeMethod(form, slot)); }

    void SetManualClock()
    {
        form->manualTimeEnable->setChecked(true);
        form->setDate->setDate(QDate(2001, 1, 1));
        form->setTime->setTime(QTime(0, 5, 9));
    }

private slots:
    void init()
    {
        ResetPreferences();
        QVERIFY(tmp.isValid());
        oldCurrent = QDir::currentPath();
        main = new PlimoAppWindow;
        form = main->editor();
        warnings.clear();
        form->showWarning = [this](const QString&, const QString& text) { warnings << text; };
        form->chooseFolder = [] { return QString(); };
        form->chooseOpenFile = [](const QString&, const QString&) { return QString(); };
        form->chooseSaveFile = [](const QString&, const QString&) { return QString(); };
        form->confirmSaveTarget = [](const QString&) { return true; };
    }
    void cleanup()
    {
        Medium = realMedium;
        delete main;
        QDir::setCurrent(oldCurrent);
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.path());
    }

    void cardPathInTheCodePageOfThePreferences_data()
    {
        QTest::addColumn<QByteArray>("codeTable");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CP1251") << QByteArray("CP1251") << QString::fromUtf8("E:/Путь/");
        QTest::newRow("unknown name: Latin-1")
            << QByteArray("no such codec") << QString::fromLatin1("E:/\xcf\xf3\xf2\xfc/");
    }
    void cardPathInTheCodePageOfThePreferences()
    {
        QFETCH(QByteArray, codeTable);
        QFETCH(QString, shown);
        delete main;
        qstrcpy(Preferences.CodeTable, codeTable.constData());
        qstrcpy(Preferences.SDpath, "E:/\xcf\xf3\xf2\xfc/");
        main = new PlimoAppWindow;
        form = main->editor();
        QCOMPARE(form->configFilePath->text(), shown);
        form->configFilePath->setText(shown + QStringLiteral("x"));
        QCOMPARE(QByteArray(Preferences.SDpath), QByteArray("E:/\xcf\xf3\xf2\xfc/x"));
    }

    void saveWritesIntoTheCardFolder_data()
    {
        QTest::addColumn<QString>("cardSuffix");
        QTest::addColumn<QString>("configName");
        QTest::addColumn<QString>("clockName");
        QTest::newRow("folder with separator") << "/"
                                               << "config.ini"
                                               << "time.ini";
        QTest::newRow("prefix without separator") << "/rec"
                                                  << "recconfig.ini"
                                                  << "rectime.ini";
    }
    void saveWritesIntoTheCardFolder()
    {
        QFETCH(QString, cardSuffix);
        QFETCH(QString, configName);
        QFETCH(QString, clockName);
        form->configFilePath->setText(tmp.path() + cardSuffix);
        SetManualClock();
        Invoke("SaveCurrent");
        QVERIFY(warnings.isEmpty());
        QCOMPARE(ReadAll(Path(configName)).left(9), QByteArray("M,8,ulaw\r"));
        QCOMPARE(ReadAll(Path(clockName)), QByteArray("01.01.01\r\n00:05:09\r\n"));
        const QString status = main->statusBar()->currentMessage();
        QVERIFY(status.startsWith(QStringLiteral("Saved and verified: ")));
        QVERIFY(status.contains(Path(configName)));
        QVERIFY(status.contains(Path(clockName)));
        // The result stays past the two seconds of "Ready", until the next action.
        QTest::qWait(2500);
        QCOMPARE(main->statusBar()->currentMessage(), status);
    }

    void emptyCardPathUsesTheWorkingDirectory()
    {
        QDir::setCurrent(tmp.path());
        form->configFilePath->setText(QString());
        Invoke("SaveCurrent");
        QVERIFY(QFile::exists(Path("config.ini")));
        QVERIFY(QFile::exists(Path("time.ini")));
    }

    void clockOptions_data()
    {
        QTest::addColumn<bool>("setTime");
        QTest::addColumn<bool>("deleteOld");
        QTest::addColumn<bool>("okExists");
        QTest::addColumn<QByteArray>("clock");
        QTest::newRow("both") << true << true << false << QByteArray("01.01.01\r\n00:05:09\r\n");
        QTest::newRow("delete only") << false << true << false << QByteArray("<missing>");
        QTest::newRow("set only") << true << false << true
                                  << QByteArray("01.01.01\r\n00:05:09\r\n");
        QTest::newRow("neither") << false << false << true << QByteArray("old clock");
    }
    void clockOptions()
    {
        QFETCH(bool, setTime);
        QFETCH(bool, deleteOld);
        QFETCH(bool, okExists);
        QFETCH(QByteArray, clock);
        WriteAll(Path("time.ok"), "ok");
        WriteAll(Path("time.ini"), "old clock");
        form->configFilePath->setText(Card());
        form->timeSetEnable->setChecked(setTime);
        form->deleteOldTime->setChecked(deleteOld);
        SetManualClock();
        Invoke("SaveCurrent");
        QCOMPARE(QFile::exists(Path("time.ok")), okExists);
        QCOMPARE(ReadAll(Path("time.ini")), clock);
    }

    void otherClockFileName()
    {
        qstrcpy(Preferences.TimeName, "clock.txt");
        WriteAll(Path("time.ok"), "ok");
        WriteAll(Path("time.ini"), "untouched");
        form->configFilePath->setText(Card());
        SetManualClock();
        Invoke("SaveCurrent");
        QVERIFY(!QFile::exists(Path("time.ok")));
        QCOMPARE(ReadAll(Path("time.ini")), QByteArray("untouched"));
        QCOMPARE(ReadAll(Path("clock.txt")), QByteArray("01.01.01\r\n00:05:09\r\n"));
    }

    void clockThatCannotBeWrittenSavesNothing_data()
    {
        QTest::addColumn<QByteArray>("configName");
        QTest::addColumn<QByteArray>("clockName");
        QTest::addColumn<int>("year");
        QTest::newRow("clock named as config.ini, other case")
            << QByteArray("config.ini") << QByteArray("CONFIG.INI") << 2001;
        QTest::newRow("config.ini named time.ok")
            << QByteArray("time.ok") << QByteArray("time.ini") << 2001;
        QTest::newRow("a year the clock file cannot hold")
            << QByteArray("config.ini") << QByteArray("time.ini") << 1999;
    }
    void clockThatCannotBeWrittenSavesNothing()
    {
        QFETCH(QByteArray, configName);
        QFETCH(QByteArray, clockName);
        QFETCH(int, year);
        qstrcpy(Preferences.CFGname, configName.constData());
        qstrcpy(Preferences.TimeName, clockName.constData());
        WriteAll(Path(configName), "old config");
        form->configFilePath->setText(Card());
        SetManualClock();
        form->setDate->setDate(QDate(year, 1, 1));
        Invoke("SaveCurrent");
        QCOMPARE(ReadAll(Path(configName)), QByteArray("old config"));
        QCOMPARE(warnings.size(), 1);
        QVERIFY(!main->statusBar()->currentMessage().startsWith(QStringLiteral("Saved")));
    }

    void cardPathThePreferencesCannotHoldIsSaid_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("said");
        QTest::addColumn<bool>("held"); // the preferences hold it whole, to name it at exit
        QTest::newRow("plain") << QStringLiteral("/media/card/") << false << true;
        QTest::newRow("wildcard") << QStringLiteral("/media/c?rd/") << true << true;
        QTest::newRow("outside CP1251") << QString::fromUtf8("/media/カード/") << true << false;
        QTest::newRow("as long as the storage takes")
            << QString(254, QLatin1Char('p')) << true << true;
    }
    void cardPathThePreferencesCannotHoldIsSaid()
    {
        QFETCH(QString, path);
        QFETCH(bool, said);
        QFETCH(bool, held);
        form->configFilePath->setText(path);
        QCOMPARE(main->statusBar()->currentMessage().contains(QStringLiteral("cannot be kept")),
                 said);
        QCOMPARE(PrefText(Preferences.SDpath) == path, held);
    }

    void typingThePathLoadsOnceTheNameIsComplete()
    {
        WriteAll(Path("config.ini"), "Loop=20\r\n");
        form->configFilePath->clear();
        const QString card = Card();
        for (int i = 1; i <= card.size(); ++i) {
            QCOMPARE(form->loopSize->value(), 0);
            form->configFilePath->setText(card.left(i));
        }
        QCOMPARE(form->loopSize->value(), 20);
        QCOMPARE(QByteArray(Preferences.SDpath), card.toLocal8Bit());
    }

    void reloadReadsTheCardAgainAndRefreshesTheForm()
    {
        form->configFilePath->setText(Card());
        WriteAll(Path("config.ini"), "VAS=on\r\nEvent=all\r\nT1,1.1,8:30,60\r\n");
        Invoke("LoadCurrent");
        QVERIFY(form->vasEnable->isChecked());
        // Enabled states follow what was loaded, without a click.
        QVERIFY(form->vasOnLevel->isEnabled());
        QVERIFY(form->TimerPanels[0].lenght->isEnabled());
        QVERIFY(!form->TimerPanels[1].lenght->isEnabled());
    }

    void loadFromKeepsTheCardPath()
    {
        WriteAll(Path("other.ini"), "M,11,adpcm\r\n");
        form->configFilePath->setText(Card());
        QString start;
        form->chooseOpenFile = [&](const QString& dir, const QString& filter) {
            start = dir;
            Q_UNUSED(filter);
            return Path("other.ini");
        };
        Invoke("LoadFrom");
        QCOMPARE(form->sampleRate->currentIndex(), 2);
        QCOMPARE(form->wavType->currentIndex(), 2);
        QCOMPARE(form->configFilePath->text(), Card());
        Invoke("SaveCurrent");
        QVERIFY(QFile::exists(Path("config.ini")));
        QCOMPARE(ReadAll(Path("other.ini")), QByteArray("M,11,adpcm\r\n"));
    }

    void loadFromAnUnreadableFileWarns()
    {
        QVERIFY(QDir().mkpath(Path("folder.ini")));
        form->chooseOpenFile = [&](const QString&, const QString&) { return Path("folder.ini"); };
        Invoke("LoadFrom");
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(Path("folder.ini")));
    }

    void mainWindowLoad_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("loop");
        QTest::newRow("read") << "other.ini"
                              << "Loaded file " << 60;
        QTest::newRow("cannot be read") << "folder.ini"
                                        << "Cannot read file " << 0;
        QTest::newRow("cancelled") << ""
                                   << "Loading aborted" << 0;
    }
    void mainWindowLoad()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, status);
        QFETCH(int, loop);
        WriteAll(Path("other.ini"), "M,8,uLaw\r\nVAS=off\r\nLoop=60\r\nLimit=*,*\r\nEvent=key\r\n");
        QVERIFY(QDir().mkpath(Path("folder.ini")));
        const QString fileName = chosen.isEmpty() ? QString() : Path(chosen);
        main->chooseFile = [&] { return fileName; };
        QVERIFY(QMetaObject::invokeMethod(main, "load"));
        QCOMPARE(main->statusBar()->currentMessage(), status + fileName);
        QCOMPARE(form->loopSize->value(), loop);
        // The read-outs follow what was loaded.
        QCOMPARE(form->loopTime->text(),
                 loop ? QStringLiteral("02:11:04") : QStringLiteral("disable"));
    }

    void saveAsWritesExactlyTheGivenName()
    {
        QString start;
        form->configFilePath->setText(Card());
        form->chooseSaveFile = [&](const QString& dir, const QString&) {
            start = dir;
            return Path("settings");
        };
        Invoke("SaveAs");
        QCOMPARE(start, Card());
        QVERIFY(QFile::exists(Path("settings")));
        QVERIFY(!QFile::exists(Path("settings.ini")));
        QVERIFY(!QFile::exists(Path("time.ini")));
    }

    void findAddsTheSeparatorAndCancelKeepsThePath()
    {
        WriteAll(Path("config.ini"), "Loop=40\r\n");
        form->chooseFolder = [&] { return tmp.path(); };
        Invoke("FindConfigFile");
        QCOMPARE(form->configFilePath->text(), Card());
        QCOMPARE(form->loopSize->value(), 40);
        form->chooseFolder = [] { return QString(); };
        Invoke("FindConfigFile");
        QCOMPARE(form->configFilePath->text(), Card());
        // The real chooser, cancelled: it offers folders only, config.ini is not listed.
        form->chooseFolder = nullptr;
        bool foldersOnly = false;
        DialogWatch watch([&foldersOnly](QWidget* dialog) {
            auto* chooser = qobject_cast<QFileDialog*>(dialog);
            foldersOnly = chooser && chooser->fileMode() == QFileDialog::Directory &&
                          chooser->testOption(QFileDialog::ShowDirsOnly);
        });
        Invoke("FindConfigFile");
        QCOMPARE(watch.opened, QStringList{"file dialog"});
        QVERIFY(foldersOnly);
        QCOMPARE(form->configFilePath->text(), Card());
    }

    void saveToACardThatCannotBeWritten()
    {
        // A regular file stands where the card folder should be.
        WriteAll(Path("card"), "not a folder");
        form->configFilePath->setText(Path("card/"));
        Invoke("SaveCurrent");
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(Path("card/config.ini")));
        QCOMPARE(ReadAll(Path("card")), QByteArray("not a folder"));
        QVERIFY(!main->statusBar()->currentMessage().startsWith(QStringLiteral("Saved")));
    }

    void failedConfigKeepsTheOldClockFiles()
    {
        QVERIFY(QDir().mkpath(Path("config.ini")));
        WriteAll(Path("time.ok"), "ok");
        WriteAll(Path("time.ini"), "old clock");
        form->configFilePath->setText(Card());
        Invoke("SaveCurrent");
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(ReadAll(Path("time.ok")), QByteArray("ok"));
        QCOMPARE(ReadAll(Path("time.ini")), QByteArray("old clock"));
    }

    void clockFileThatCannotBeWrittenWarns()
    {
        QVERIFY(QDir().mkpath(Path("time.ini")));
        form->configFilePath->setText(Card());
        form->deleteOldTime->setChecked(false);
        Invoke("SaveCurrent");
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(Path("time.ini")));
    }

    void changedBetweenWriteAndReadBackIsReported_data()
    {
        QTest::addColumn<QString>("changed");
        QTest::newRow("config.ini") << "config.ini";
        QTest::newRow("time.ini") << "time.ini";
    }
    void changedBetweenWriteAndReadBackIsReported()
    {
        QFETCH(QString, changed);
        form->configFilePath->setText(Card());
        Medium.sync = [&](const QString& name) {
            if (name.endsWith(changed))
                WriteAll(name, "something else");
            return realMedium.sync(name);
        };
        Invoke("SaveCurrent");
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(Path(changed)));
        QVERIFY(!main->statusBar()->currentMessage().startsWith(QStringLiteral("Saved")));
    }

    void cardThatFillsUpMidWriteKeepsTheOldFile()
    {
        const QByteArray old = "M,6,none\r\nVAS=off\r\nLoop=none\r\nLimit=0,0\r\nEvent=key\r\n";
        WriteAll(Path("config.ini"), old);
        form->configFilePath->setText(Card());
        form->vasEnable->setChecked(true);
        form->timersEnable->setChecked(true);
        const int warned = RunWithFileSizeLimit(20, [this] {
            Invoke("SaveCurrent");
            return int(warnings.size());
        });
        QCOMPARE(warned, 1);
        QCOMPARE(ReadAll(Path("config.ini")), old);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
