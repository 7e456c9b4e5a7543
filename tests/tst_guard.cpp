// The guard around the form's edits: the question before edits are replaced, where
// Save writes, what a load did, and timers the recorder will not run.
#include "dialogwatch.h"
#include "testsupport.h"

#include "app/plimoappwindow.h"
#include "app/statusline.h"
#include "editor/configeditwindow.h"
#include "editor/filestatus.h"
#include "formfixture.h"
#include "recorder_files/configcheck.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>
#include <memory>

using Answer = ConfigEditWindow::UnsavedAnswer;
Q_DECLARE_METATYPE(Answer)

class GuardTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString oldCurrent;
    PlimoAppWindow* main = nullptr;
    ConfigEditWindow* form = nullptr;
    QStringList questions, warnings, details;
    std::unique_ptr<DialogWatch> dialogs; // every question goes through a seam

    QString Path(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }
    // The loop size written in card/config.ini.
    int LoopOnCard() const
    {
        const QByteArray bytes = ReadAll(Path("card/config.ini"));
        const int at = bytes.indexOf("Loop=") + 5;
        return at < 5 ? -1 : bytes.mid(at, bytes.indexOf('\r', at) - at).toInt();
    }
    QString Status() const { return main->statusBar()->currentMessage(); }
    void Invoke(QObject* target, const char* slot)
    {
        QVERIFY(QMetaObject::invokeMethod(target, slot));
    }
    // A fresh main window whose form starts on the card path.
    void Open(const QString& card)
    {
        delete main;
        UseFormPreferences(card);
        main = new PlimoAppWindow;
        main->setAttribute(Qt::WA_DeleteOnClose, false);
        main->show();
        form = main->editor();
        form->showWarning = [this](const QString&, const QString& text) { warnings << text; };
        form->showDetails = [this](const QString&, const QString& text) { details << text; };
    }
    // A load as the user starts it; "path load" types the card path, "start-up" starts
    // the program on it.
    void Load(const QString& action)
    {
        if (action == QLatin1String("start-up"))
            return Open(Path("card/"));
        if (action == QLatin1String("reload"))
            Invoke(form, "LoadCurrent");
        else if (action == QLatin1String("load from"))
            Invoke(form, "LoadFrom");
        else if (action == QLatin1String("main load"))
            Invoke(main, "load");
        else
            form->configFilePath->setText(Path("card/"));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        QVERIFY(tmp.isValid());
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(tmp.path());
        QVERIFY(QDir().mkpath(Path("card")) && QDir().mkpath(Path("empty")));
        QVERIFY(WriteAll(Path("card/config.ini"), "Loop=60\r\n"));
        QVERIFY(WriteAll(Path("other.ini"), "Loop=80\r\n"));
        questions.clear();
        warnings.clear();
        details.clear();
        dialogs = std::make_unique<DialogWatch>();
        Open(Path("empty/"));
        form->chooseOpenFile = [this](const QString&, const QString&) { return Path("other.ini"); };
        main->chooseFile = [this] { return Path("other.ini"); };
    }
    void cleanup()
    {
        const QStringList opened = dialogs->opened;
        dialogs.reset();
        delete main;
        main = nullptr;
        QDir::setCurrent(oldCurrent);
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.path());
        QVERIFY2(opened.isEmpty(), qPrintable("a dialog opened: " + opened.join(", ")));
    }

    // Each action that replaces or drops the form's settings, with and without edits,
    // and each answer to the question.
    void unsavedEdits_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("start"); // card path before the action
        QTest::addColumn<bool>("edited");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("done");  // closed, or a file loaded
        QTest::addColumn<int>("onCard"); // Loop= of card/config.ini afterwards
        QTest::addColumn<int>("inForm"); // "loop size" afterwards (-1: window closed)
        const auto row = [](const char* name, const char* action, const char* start, bool edited,
                            Answer answer, bool asked, bool done, int onCard, int inForm) {
            QTest::newRow(name) << QString::fromLatin1(action) << QString::fromLatin1(start)
                                << edited << answer << asked << done << onCard << inForm;
        };
        const Answer save = Answer::Save, discard = Answer::Discard, cancel = Answer::Cancel;
        row("close, no edits", "close", "card/", false, cancel, false, true, 60, -1);
        row("close, save", "close", "card/", true, save, true, true, 40, -1);
        row("close, discard", "close", "card/", true, discard, true, true, 60, -1);
        row("close, cancel", "close", "card/", true, cancel, true, false, 60, 40);
        row("close, save fails", "close", "missing/", true, save, true, false, 60, 40);
        row("reload, no edits", "reload", "card/", false, cancel, false, true, 60, 60);
        row("reload, save", "reload", "card/", true, save, true, true, 40, 40);
        row("reload, discard", "reload", "card/", true, discard, true, true, 60, 60);
        row("reload, cancel", "reload", "card/", true, cancel, true, false, 60, 40);
        row("load from, no edits", "load from", "card/", false, cancel, false, true, 60, 80);
        row("load from, save", "load from", "card/", true, save, true, true, 40, 80);
        row("load from, discard", "load from", "card/", true, discard, true, true, 60, 80);
        row("load from, cancel", "load from", "card/", true, cancel, true, false, 60, 40);
        row("main load, no edits", "main load", "card/", false, cancel, false, true, 60, 80);
        row("main load, cancel", "main load", "card/", true, cancel, true, false, 60, 40);
        // The path already names the new card when the question comes: Save writes there.
        row("path load, no edits", "path load", "empty/", false, cancel, false, true, 60, 60);
        row("path load, save", "path load", "empty/", true, save, true, true, 40, 40);
        row("path load, discard", "path load", "empty/", true, discard, true, true, 60, 60);
        row("path load, cancel", "path load", "empty/", true, cancel, true, false, 60, 40);
    }
    void unsavedEdits()
    {
        QFETCH(QString, action);
        QFETCH(QString, start);
        QFETCH(bool, edited);
        QFETCH(Answer, answer);
        form->configFilePath->setText(Path(start));
        QVERIFY(!main->isWindowModified());
        const int before = form->loopSize->value();
        form->loopSize->setValue(40);
        form->loopSize->setValue(before); // undone by hand: nothing to ask about
        QVERIFY(!main->isWindowModified());
        if (edited)
            form->loopSize->setValue(40);
        QCOMPARE(main->isWindowModified(), edited);
        form->askUnsaved = [&](const QString& text) {
            questions << text;
            return answer;
        };
        main->statusBar()->clearMessage();

        bool done = false;
        if (action == QLatin1String("close")) {
            done = main->close();
        } else {
            Load(action);
            done = Status().startsWith(QLatin1String("Loaded file "));
        }
        QTEST(!questions.isEmpty(), "asked");
        QVERIFY(questions.size() <= 1);
        QTEST(done, "done");
        QTEST(LoopOnCard(), "onCard");
        QFETCH(int, inForm);
        if (inForm >= 0) {
            QCOMPARE(form->loopSize->value(), inForm);
            QCOMPARE(main->isWindowModified(), !done);
        }
        if (action == QLatin1String("path load")) // Cancel too keeps the path as typed
            QCOMPARE(form->configFilePath->text(), Path("card/"));
    }

    // The files Save writes for each form of the card path.
    void saveTarget_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<int>("where");
        QTest::addColumn<QStringList>("files"); // in the working folder
        QTest::newRow("empty: the working folder")
            << "" << true << int(SaveWhere::WorkingFolder) << QStringList{"config.ini", "time.ini"};
        QTest::newRow("prefix that names no folder")
            << "rec" << false << int(SaveWhere::AsNamed) << QStringList{"recconfig.ini"};
        QTest::newRow("folder with separator") << "card/" << true << int(SaveWhere::AsNamed)
                                               << QStringList{"card/config.ini", "card/time.ini"};
        QTest::newRow("folder without separator") << "card" << true << int(SaveWhere::BesideFolder)
                                                  << QStringList{"cardconfig.ini", "cardtime.ini"};
        QTest::newRow("absolute folder without separator")
            << "<tmp>/card" << false << int(SaveWhere::BesideFolder)
            << QStringList{"cardconfig.ini"};
    }
    void saveTarget()
    {
        QFETCH(QString, card);
        QFETCH(bool, clock);
        QFETCH(QStringList, files);
        card.replace(QLatin1String("<tmp>"), tmp.path());
        const SaveTarget target = SaveTargetFor(card, QStringLiteral("config.ini"),
                                                QStringLiteral("time.ini"), clock, tmp.path());
        QTEST(int(target.where), "where");
        const bool asNamed = target.where == SaveWhere::AsNamed;
        QStringList expected;
        for (const QString& file : files)
            expected << Path(file);
        QCOMPARE(target.files, expected);
        for (const QString& file : expected)
            QVERIFY2(target.text.contains(QDir::toNativeSeparators(file)), qPrintable(target.text));
        QCOMPARE(target.question.isEmpty(), asNamed);
        QCOMPARE(target.text.startsWith(QLatin1String("Save writes: ")), asNamed);
    }

    // "Save writes" follows the path and the clock option; writing beside a folder is
    // asked once, and a No writes nothing.
    void saveBesideAFolderAsksOnce()
    {
        QStringList asked;
        bool yes = false;
        form->confirmSaveTarget = [&](const QString& text) {
            asked << text;
            return yes;
        };
        form->configFilePath->setText(Path("card"));
        QVERIFY(form->saveTarget->text().contains(Path("cardtime.ini")));
        form->timeSetEnable->setChecked(false);
        QCOMPARE(form->saveTarget->text(),
                 SaveTargetFor(Path("card"), QStringLiteral("config.ini"),
                               QStringLiteral("time.ini"), false, tmp.path())
                     .text);
        Invoke(form, "SaveCurrent");
        QCOMPARE(asked.size(), 1);
        QVERIFY(!QFile::exists(Path("cardconfig.ini")));
        yes = true;
        Invoke(form, "SaveCurrent");
        QVERIFY(QFile::exists(Path("cardconfig.ini")));
        Invoke(form, "SaveCurrent");
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked[0].contains(Path("cardconfig.ini")));
    }

    // The real question: Enter answers No, so nothing is written beside the folder.
    void saveBesideAFolderDefaultsToNo()
    {
        form->confirmSaveTarget = nullptr;
        form->configFilePath->setText(Path("card"));
        bool asked = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = true;
            QTest::keyClick(box, Qt::Key_Return);
        });
        Invoke(form, "SaveCurrent");
        QVERIFY(asked);
        QVERIFY(!QFile::exists(Path("cardconfig.ini")));
    }

    // After every kind of load: a lasting status, with details when a line had no effect.
    void loadReport_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("bytes"); // empty: a file that cannot be read
        QTest::addColumn<QString>("status");
        QTest::newRow("load from, every line")
            << "load from"
            << QByteArray("M,8,uLaw\r\nVAS=off\r\nLoop=60\r\nLimit=*,*\r\nEvent=key\r\n")
            << "Loaded file %1";
        // A file sets only what it names; Save writes the rest as the form holds it.
        QTest::newRow("load from, one line")
            << "load from" << QByteArray("Loop=60\r\n")
            << "Loaded file %1: 6 settings are not in the file and keep the form's values";
        QTest::newRow("reload, 3 of 11")
            << "reload"
            << QByteArray("M,8,uLaw\r\nVAS=on\r\nVASon=5,30\r\nVASoff=5,30\r\nLoop=20\r\n"
                          "Limit=*,*\r\nEvent=key\r\nT1,*,*,*\r\nloop=20\r\nLoop=0\r\n"
                          "Loop=5000\r\n")
            << "Loaded file %1: 3 of 11 lines had no effect";
        QTest::newRow("path load, line feeds only")
            << "path load" << QByteArray("Loop=60\nVAS=on\n")
            << "Loaded file %1: 1 of 1 lines had no effect; the last line has no line end and was "
               "not read; 7 settings are not in the file and keep the form's values";
        QTest::newRow("main load, control byte")
            << "main load" << QByteArray("Loop=60\r\nx\x01y\r\nLoop=70\r\n")
            << "Loaded file %1: 1 of 2 lines had no effect; the reading stopped in line 2, the "
               "rest "
               "was ignored; 6 settings are not in the file and keep the form's values";
        QTest::newRow("start-up, 1 of 2")
            << "start-up" << QByteArray("Loop=60\r\nloop=20\r\n")
            << "Loaded file %1: 1 of 2 lines had no effect; 6 settings are not in the file and "
               "keep the form's values";
        QTest::newRow("reload, cannot be read")
            << "reload" << QByteArray() << "Cannot read file %1";
    }
    void loadReport()
    {
        QFETCH(QString, action);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, status);
        const QString file = Path("card/config.ini");
        QFile::remove(file);
        if (bytes.isEmpty()) // exists, but reading it fails
            QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), file));
        else
            QVERIFY(WriteAll(file, bytes));
        form->chooseOpenFile = [&](const QString&, const QString&) { return file; };
        main->chooseFile = [&] { return file; };
        if (action != QLatin1String("path load") && action != QLatin1String("start-up"))
            form->configFilePath->setText(Path("card/"));
        main->statusBar()->clearMessage();
        Load(action);

        auto* button = main->statusBar()->findChild<QPushButton*>(QStringLiteral("load details"));
        const bool withDetails = status.contains(QLatin1Char(':'));
        QCOMPARE(button && !button->isHidden(), withDetails);
        if (withDetails)
            QTest::qWait(2200); // lasting: no time-out takes it away
        QCOMPARE(Status(), status.arg(file));
        if (!withDetails)
            return;
        button->click();
        QString check;
        QTextStream out(&check);
        CheckConfigFile(file, out);
        out.flush();
        // The report whole, the explanation --check gives, then the settings the file
        // does not hold.
        QCOMPARE(details.size(), 1);
        QVERIFY(details[0].startsWith(status.arg(file) + QStringLiteral("\n\n") + check));
        QCOMPARE(details[0].contains(QLatin1String("\nNot in the file, these settings keep the "
                                                   "form's values (Save writes them):\n    ")),
                 status.contains(QLatin1String("not in the file")));
        main->statusBar()->showMessage(QStringLiteral("other"));
        QVERIFY(button->isHidden());
    }

    // A message longer than the status line has room for ends in "…", whole in the tool
    // tip, on a 1024 pixels wide screen.
    void longMessageElided()
    {
        main->resize(1024, 600);
        const QString message = QStringLiteral("Loaded file %1: 1 of 10 lines had no effect")
                                    .arg(Path(QStringLiteral("a/very/long/path/")).repeated(6));
        main->statusBar()->showMessage(message);
        auto* line = qobject_cast<StatusLine*>(main->statusBar());
        QVERIFY(line);
        QVERIFY2(line->ShownMessage().endsWith(QChar(0x2026)), qPrintable(line->ShownMessage()));
        QVERIFY(line->fontMetrics().horizontalAdvance(line->ShownMessage()) < 1024);
        QCOMPARE(line->toolTip(), message);
        QCOMPARE(Status(), message);
    }

    // The bytes stay T2,*.*,*:*,...; the user is told the recorder will not run timer 2
    // until a field names a time.
    void timerTheRecorderWillNotRun()
    {
        form->configFilePath->setText(Path("card/"));
        form->timersEnable->setChecked(true);
        const TimerPanel& panel = form->TimerPanels[1];
        panel.timerEnable->setChecked(true);
        for (QSpinBox* spin : {panel.day, panel.month, panel.hour, panel.minut})
            spin->setValue(spin->minimum());
        auto* title = qobject_cast<QGroupBox*>(panel.timerEnable->parentWidget());
        auto* first = qobject_cast<QGroupBox*>(form->TimerPanels[0].timerEnable->parentWidget());
        QVERIFY(title->title().endsWith(NotRunTitleSuffix()));
        QVERIFY(!first->title().endsWith(NotRunTitleSuffix()));
        Invoke(form, "SaveCurrent");
        QVERIFY(ReadAll(Path("card/config.ini")).contains("\r\nT2,*.*,*:*,1\r\n"));
        QTest::qWait(2200);
        QVERIFY2(Status().startsWith(QLatin1String("Saved and verified: ")), qPrintable(Status()));
        QVERIFY2(Status().contains(QLatin1String("Not run by the recorder: Timer 2 (")),
                 qPrintable(Status()));
        panel.hour->setValue(8);
        QCOMPARE(title->title(), first->title().replace(QLatin1Char('1'), QLatin1Char('2')));
    }
};

QTEST_MAIN(GuardTest)
#include "tst_guard.moc"
