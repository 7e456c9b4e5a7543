// The form's live behaviour: read-outs, enabling rules, option switches, tool tips,
// the clock fields and the About box.
#include <QtTest>

#include "editor/configeditwindow.h"
#include "editor/tooltipswitch.h"
#include "formfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <memory>

namespace
{

// Counts the tool-tip requests that get through to a widget.
class ToolTipWatcher : public QObject
{
public:
    int seen = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++seen;
        return false;
    }
};

int ToolTipsDelivered(QWidget* widget)
{
    ToolTipWatcher watcher;
    widget->installEventFilter(&watcher);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &help);
    widget->removeEventFilter(&watcher);
    return watcher.seen;
}

} // namespace

class EnablingTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readouts_data();
    void readouts();
    void comboFallBackEmitsNoActivation();
    void spinBoxesRefreshTheReadouts();

    void enablingMatrix_data();
    void enablingMatrix();
    void panelsComeBackAsTheyWere();
    void programmaticCheckDoesNotEnable();

    void updateConfig_data();
    void updateConfig();
    void toolTipsFollowTheSwitch_data();
    void toolTipsFollowTheSwitch();

    void manualTimeKeepsTheUserTime();
    void clockReturnsWhenManualTimeEnds();
    void clockChangesAtMostOncePerSecond();
    void clockSleepsWhileNobodyLooks_data();
    void clockSleepsWhileNobodyLooks();
    void clockTickRepaintsWhatAWholePaintGives_data();
    void clockTickRepaintsWhatAWholePaintGives();

    void aboutBox();

private:
    std::unique_ptr<QTemporaryDir> card;
    std::unique_ptr<ConfigEditWindow> form;
    QStringList trace;
    ConfigEditWindow* Build()
    {
        form = std::make_unique<ConfigEditWindow>(nullptr, "config edit");
        return form.get();
    }
    int Count(const char* slot) const { return int(trace.count(QString::fromLatin1(slot))); }
};

void EnablingTest::init()
{
    card = std::make_unique<QTemporaryDir>();
    UseFormPreferences(card->path() + QLatin1Char('/'));
    trace.clear();
    ConfigEditWindow::slotTrace = [this](const char* slot) { trace << QString::fromLatin1(slot); };
}

void EnablingTest::cleanup()
{
    ConfigEditWindow::slotTrace = nullptr;
    form.reset();
    card.reset();
    SetToolTipsGloballyEnabled(true);
}

// Longer lists than the defaults, so that the fall-backs can be reached.
void EnablingTest::readouts_data()
{
    QTest::addColumn<int>("sampleIndex");
    QTest::addColumn<int>("modeIndex");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("limitMin");
    QTest::addColumn<int>("limitMax");
    QTest::addColumn<int>("lenght");
    QTest::addColumn<int>("sampleAfter");
    QTest::addColumn<int>("modeAfter");
    QTest::addColumn<QString>("bitRate");
    QTest::addColumn<QString>("loopTime");
    QTest::addColumn<QString>("minTime");
    QTest::addColumn<QString>("maxTime");
    QTest::addColumn<QString>("fileSize");

    QTest::newRow("defaults") << 1 << 1 << 0 << 0 << 0 << 1 << 1 << 1 << "8000"
                              << "disable"
                              << "unlimited"
                              << "unlimited"
                              << "0.46Mb";
    QTest::newRow("u-Law 8000, 20 kb") << 1 << 1 << 0 << 20 << 0 << 1 << 1 << 1 << "8000"
                                       << "disable"
                                       << "00:00:02"
                                       << "unlimited"
                                       << "0.46Mb";
    QTest::newRow("ADPCM 6000 at the top of the ranges")
        << 0 << 2 << 4095 << 16383 << 4095 << 9999 << 0 << 2 << "3000"
        << "397:35:06"
        << "01:33:12"
        << "397:35:06"
        << "1716.44Mb";
    QTest::newRow("ADPCM 11050") << 2 << 2 << 0 << 0 << 0 << 1 << 2 << 2 << "5525"
                                 << "disable"
                                 << "unlimited"
                                 << "unlimited"
                                 << "0.32Mb";
    QTest::newRow("none 11050, limit max 4095")
        << 2 << 0 << 0 << 0 << 4095 << 1 << 2 << 0 << "22100"
        << "disable"
        << "unlimited"
        << "53:58:14"
        << "1.26Mb";
    QTest::newRow("none 8000, 256 minutes") << 1 << 0 << 0 << 0 << 0 << 256 << 1 << 0 << "16000"
                                            << "disable"
                                            << "unlimited"
                                            << "unlimited"
                                            << "234.37Mb";
    QTest::newRow("none 8000, 60 minutes") << 1 << 0 << 20 << 0 << 5 << 60 << 1 << 0 << "16000"
                                           << "00:21:50"
                                           << "unlimited"
                                           << "00:05:27"
                                           << "54.93Mb";
    QTest::newRow("fourth rate 16000 from a longer list")
        << 3 << 0 << 1 << 1 << 1 << 0 << 3 << 0 << "32000"
        << "00:00:32"
        << "00:00:00"
        << "00:00:32"
        << "0.00Mb";
    QTest::newRow("fifth rate falls back to 8000")
        << 4 << 0 << 0 << 0 << 0 << 1 << 1 << 0 << "16000"
        << "disable"
        << "unlimited"
        << "unlimited"
        << "0.92Mb";
    QTest::newRow("fourth mode falls back to u-Law")
        << 0 << 3 << 0 << 0 << 0 << 1 << 0 << 1 << "6000"
        << "disable"
        << "unlimited"
        << "unlimited"
        << "0.34Mb";
}

void EnablingTest::readouts()
{
    QFETCH(int, sampleIndex);
    QFETCH(int, modeIndex);
    QFETCH(int, loop);
    QFETCH(int, limitMin);
    QFETCH(int, limitMax);
    QFETCH(int, lenght);
    QFETCH(int, sampleAfter);
    QFETCH(int, modeAfter);
    QFETCH(QString, bitRate);
    QFETCH(QString, loopTime);
    QFETCH(QString, minTime);
    QFETCH(QString, maxTime);
    QFETCH(QString, fileSize);

    SetList(Preferences.HSample, {"6000", "8000", "11050", "16000", "22050"});
    SetList(Preferences.HMode, {"none", "u-Law", "ADPCM", "GSM"});
    ConfigEditWindow* f = Build();
    f->loopSize->setValue(loop);
    f->limitMin->setValue(limitMin);
    f->limitMax->setValue(limitMax);
    for (TimerPanel& panel : f->TimerPanels)
        panel.lenght->setValue(lenght);
    f->sampleRate->setCurrentIndex(sampleIndex);
    f->wavType->setCurrentIndex(modeIndex);
    emit f->wavType->activated(modeIndex);

    QCOMPARE(f->sampleRate->currentIndex(), sampleAfter);
    QCOMPARE(f->wavType->currentIndex(), modeAfter);
    QCOMPARE(f->bitRate->text(), bitRate);
    QCOMPARE(f->loopTime->text(), loopTime);
    QCOMPARE(f->limitMinTime->text(), minTime);
    QCOMPARE(f->limitMaxTime->text(), maxTime);
    for (const TimerPanel& panel : f->TimerPanels)
        QCOMPARE(panel.fileSize->text(), fileSize);
}

void EnablingTest::comboFallBackEmitsNoActivation()
{
    SetList(Preferences.HSample, {"6000", "8000", "11050", "16000", "22050", "44100"});
    ConfigEditWindow* f = Build();
    QSignalSpy activated(f->sampleRate, &QComboBox::activated);
    f->sampleRate->setCurrentIndex(5);
    emit f->sampleRate->activated(5);
    QCOMPARE(activated.count(), 1); // ours only
    QCOMPARE(f->sampleRate->currentIndex(), 1);
    QCOMPARE(Count("UpdateInfo"), 2); // construction, then ours
}

void EnablingTest::spinBoxesRefreshTheReadouts()
{
    ConfigEditWindow* f = Build();
    f->loopSize->setValue(1);
    QCOMPARE(f->loopTime->text(), QStringLiteral("00:02:11"));
    f->limitMin->setValue(16383);
    QCOMPARE(f->limitMinTime->text(), QStringLiteral("00:34:57"));
    f->limitMax->setValue(1);
    QCOMPARE(f->limitMaxTime->text(), QStringLiteral("00:02:11"));
    // One panel's write time: that panel's label follows, the others stay.
    f->TimerPanels[2].lenght->setValue(0);
    QCOMPARE(f->TimerPanels[2].fileSize->text(), QStringLiteral("0.00Mb"));
    QCOMPARE(f->TimerPanels[1].fileSize->text(), QStringLiteral("0.46Mb"));
    // A combo box chosen by program is not an activation: the figures wait.
    f->wavType->setCurrentIndex(0);
    QCOMPARE(f->bitRate->text(), QStringLiteral("8000"));
}

void EnablingTest::enablingMatrix_data()
{
    QTest::addColumn<bool>("timersOn");
    QTest::addColumn<int>("panelsOn"); // bit i: panel i's own switch
    QTest::addColumn<bool>("vasOn");

    QTest::newRow("all off") << false << 0x0 << false;
    QTest::newRow("panels on, timers off") << false << 0xF << false;
    QTest::newRow("timers on, panels off") << true << 0x0 << true;
    QTest::newRow("timers on, panel 2 off") << true << 0xD << false;
    QTest::newRow("timers on, panels 1 and 3") << true << 0x5 << true;
    QTest::newRow("everything on") << true << 0xF << true;
}

void EnablingTest::enablingMatrix()
{
    QFETCH(bool, timersOn);
    QFETCH(int, panelsOn);
    QFETCH(bool, vasOn);

    ConfigEditWindow* f = Build();
    // The user's clicks, in an order that needs the panels switched while enabled.
    f->timersEnable->click();
    for (int i = 0; i < 4; ++i)
        if (panelsOn & (1 << i))
            f->TimerPanels[i].timerEnable->click();
    if (!timersOn)
        f->timersEnable->click();
    if (vasOn)
        f->vasEnable->click();

    for (int i = 0; i < 4; ++i) {
        const TimerPanel& panel = f->TimerPanels[i];
        const bool own = panelsOn & (1 << i);
        QCOMPARE(panel.timerEnable->isChecked(), own);
        QCOMPARE(panel.timerEnable->isEnabled(), timersOn);
        for (QSpinBox* spin : {panel.month, panel.day, panel.hour, panel.minut, panel.lenght})
            QCOMPARE(spin->isEnabled(), timersOn && own);
        QVERIFY(panel.fileSize->isEnabled());
    }
    for (QSpinBox* spin : {f->vasOnLevel, f->vasOnTime, f->vasOffLevel, f->vasOffTime})
        QCOMPARE(spin->isEnabled(), vasOn);
    QVERIFY(f->timersEnable->isEnabled());
    QVERIFY(f->vasEnable->isEnabled());
}

void EnablingTest::panelsComeBackAsTheyWere()
{
    ConfigEditWindow* f = Build();
    f->timersEnable->click();
    f->TimerPanels[0].timerEnable->click();
    f->TimerPanels[3].timerEnable->click();
    f->timersEnable->click(); // off
    for (const TimerPanel& panel : f->TimerPanels)
        QVERIFY(!panel.lenght->isEnabled());
    QVERIFY(f->TimerPanels[0].timerEnable->isChecked());
    f->timersEnable->click(); // on again
    const bool expected[] = {true, false, false, true};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f->TimerPanels[i].minut->isEnabled(), expected[i]);
        QCOMPARE(f->TimerPanels[i].timerEnable->isChecked(), expected[i]);
    }
    // Clicking one panel's switch flips its five fields at once.
    f->TimerPanels[3].timerEnable->click();
    for (QSpinBox* spin : {f->TimerPanels[3].month, f->TimerPanels[3].day, f->TimerPanels[3].hour,
                           f->TimerPanels[3].minut, f->TimerPanels[3].lenght})
        QVERIFY(!spin->isEnabled());
}

void EnablingTest::programmaticCheckDoesNotEnable()
{
    ConfigEditWindow* f = Build();
    f->vasEnable->setChecked(true);
    f->timersEnable->setChecked(true);
    QVERIFY(!f->vasOnLevel->isEnabled());
    QVERIFY(!f->TimerPanels[0].timerEnable->isEnabled());
    QCOMPARE(Count("UpdateEnable"), 1);
}

void EnablingTest::updateConfig_data()
{
    QTest::addColumn<QString>("box");

    QTest::newRow("enable tool tip") << "tool tip";
    QTest::newRow("time set enable") << "set time";
    QTest::newRow("delete old time") << "delete";
    QTest::newRow("manual time enable") << "manual";
}

void EnablingTest::updateConfig()
{
    QFETCH(QString, box);

    ConfigEditWindow* f = Build();
    QCheckBox* check = box == "tool tip"   ? f->enableToolTip
                       : box == "set time" ? f->timeSetEnable
                       : box == "delete"   ? f->deleteOldTime
                                           : f->manualTimeEnable;
    // Values that no check box holds: every run recomputes all four from the boxes.
    Preferences.ToolTip = Preferences.SetTime = Preferences.DelOldTime = Preferences.ManualTime = 7;
    for (int round = 0; round < 2; ++round) {
        check->toggle();
        QCOMPARE(Preferences.ToolTip, f->enableToolTip->isChecked() ? 1 : 0);
        QCOMPARE(Preferences.SetTime, f->timeSetEnable->isChecked() ? 1 : 0);
        QCOMPARE(Preferences.DelOldTime, f->deleteOldTime->isChecked() ? 1 : 0);
        QCOMPARE(Preferences.ManualTime, f->manualTimeEnable->isChecked() ? 1 : 0);
        QCOMPARE(ToolTipsDelivered(f->configFilePath) == 1, f->enableToolTip->isChecked());
        QCOMPARE(f->setTime->isEnabled(), f->manualTimeEnable->isChecked());
        QCOMPARE(f->setDate->isEnabled(), f->manualTimeEnable->isChecked());
    }
    QCOMPARE(Count("UpdateConfig"), 2);
}

void EnablingTest::toolTipsFollowTheSwitch_data()
{
    QTest::addColumn<int>("toolTip");
    QTest::newRow("tips on at start") << 1;
    QTest::newRow("tips off at start") << 0;
}

void EnablingTest::toolTipsFollowTheSwitch()
{
    QFETCH(int, toolTip);
    Preferences.ToolTip = toolTip;
    ConfigEditWindow* f = Build();
    QWidget elsewhere; // a widget outside the form, as the main window's own
    elsewhere.setToolTip(QStringLiteral("elsewhere"));

    QCOMPARE(f->enableToolTip->isChecked(), toolTip != 0);
    QCOMPARE(ToolTipsDelivered(f->limitMin), toolTip);
    QCOMPARE(ToolTipsDelivered(&elsewhere), toolTip);

    f->enableToolTip->setChecked(toolTip == 0);
    QCOMPARE(Preferences.ToolTip, toolTip == 0 ? 1 : 0);
    QCOMPARE(ToolTipsDelivered(f->limitMin), 1 - toolTip);
    QCOMPARE(ToolTipsDelivered(&elsewhere), 1 - toolTip);
}

void EnablingTest::manualTimeKeepsTheUserTime()
{
    ConfigEditWindow* f = Build();
    const QTime shown = f->setTime->time();
    f->manualTimeEnable->setChecked(true);
    QVERIFY(f->setTime->isEnabled());
    QCOMPARE(f->setTime->time(), shown); // starts from the time last shown

    const QTime userTime(10, 11, 12);
    const QDate userDate(2001, 2, 3);
    f->setTime->setTime(userTime);
    f->setDate->setDate(userDate);
    const int ticks = Count("Periodic");
    QTRY_VERIFY(Count("Periodic") >= ticks + 3);
    QCOMPARE(f->setTime->time(), userTime);
    QCOMPARE(f->setDate->date(), userDate);
}

void EnablingTest::clockReturnsWhenManualTimeEnds()
{
    Preferences.ManualTime = 1;
    ConfigEditWindow* f = Build();
    f->setTime->setTime(QTime(3, 4, 5));
    f->setDate->setDate(QDate(2001, 2, 3));
    f->manualTimeEnable->setChecked(false);
    QVERIFY(!f->setTime->isEnabled());
    QVERIFY(!f->setDate->isEnabled());
    // At once, not at the clock's next tick.
    QCOMPARE(f->setDate->date(), QDate::currentDate());
    QVERIFY(qAbs(f->setTime->time().secsTo(QTime::currentTime())) <= 1);
    QCOMPARE(f->setTime->time().msec(), 0);
}

void EnablingTest::clockChangesAtMostOncePerSecond()
{
    ConfigEditWindow* f = Build();
    // When each change happens, and whether it shows the second it happens in.
    QList<QTime> changedAt;
    QList<QTime> shown;
    connect(f->setTime, &QDateTimeEdit::timeChanged, this, [&](QTime time) {
        changedAt << QTime::currentTime();
        shown << time;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    const int ticks = Count("Periodic");
    QTRY_VERIFY_WITH_TIMEOUT(changedAt.size() >= 2, 4000);
    // One wake-up a second, not five.
    QVERIFY2(Count("Periodic") - ticks <= elapsed.elapsed() / 1000 + 1,
             qPrintable(QString::number(Count("Periodic") - ticks)));
    for (int i = 0; i < changedAt.size(); ++i) {
        // Just after the whole second (a loaded machine may be late), showing it.
        QVERIFY2(changedAt[i].msec() < 300, qPrintable(changedAt[i].toString("ss.zzz")));
        QCOMPARE(shown[i].second(), changedAt[i].second());
        QCOMPARE(shown[i].msec(), 0);
    }
}

void EnablingTest::clockSleepsWhileNobodyLooks_data()
{
    QTest::addColumn<bool>("minimise");
    QTest::newRow("hidden") << false;
    QTest::newRow("minimised") << true;
}

// No wake-up while the window is hidden or minimised; the right time at once when it
// comes back.
void EnablingTest::clockSleepsWhileNobodyLooks()
{
    QFETCH(bool, minimise);
    ConfigEditWindow* f = Build();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    if (minimise)
        f->showMinimized();
    else
        f->hide();
    const int ticks = Count("Periodic");
    f->setTime->setTime(QTime(3, 4, 5));
    QTest::qWait(1500);
    QCOMPARE(Count("Periodic"), ticks);
    f->showNormal();
    QTRY_VERIFY(Count("Periodic") > ticks);
    QVERIFY(qAbs(f->setTime->time().secsTo(QTime::currentTime())) <= 1);
}

// Each second repaints the clock editor's text alone on screen: what is there afterwards is
// what painting the whole form again gives, pixel for pixel. Over midnight the editor's
// arrows change too (its earliest time has no step down).
void EnablingTest::clockTickRepaintsWhatAWholePaintGives_data()
{
    QTest::addColumn<bool>("overMidnight");
    QTest::newRow("any second") << false;
    QTest::newRow("over midnight") << true;
}

void EnablingTest::clockTickRepaintsWhatAWholePaintGives()
{
    QFETCH(bool, overMidnight);
    const QDateTime start = QDateTime::currentDateTime();
    const qint64 shift =
        overMidnight ? start.secsTo(QDateTime(start.date().addDays(1), QTime(0, 0))) - 2 : 0;
    const auto realClock = ConfigEditWindow::clockNow;
    const auto restore = qScopeGuard([&] { ConfigEditWindow::clockNow = realClock; });
    ConfigEditWindow::clockNow = [&] { return realClock().addSecs(shift); };
    ConfigEditWindow* f = Build();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    for (int tick = 0; tick < 3; ++tick) {
        const QTime shown = f->setTime->time();
        QTRY_VERIFY_WITH_TIMEOUT(f->setTime->time() != shown, 3000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const QImage onScreen = f->screen()->grabWindow(f->winId()).toImage();
        const QImage whole = f->grab().toImage();
        QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32),
                 whole.convertToFormat(QImage::Format_RGB32));
    }
}

void EnablingTest::aboutBox()
{
    ConfigEditWindow* f = Build();
    QString title;
    QString text;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    auto* about = f->findChild<QPushButton*>("about");
    about->click();
    QCOMPARE(title, QStringLiteral("About Plimo player configurator"));
    const QStringList lines = text.split(QStringLiteral("\n\r"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0],
             QStringLiteral("This programm make or change configuration files as SD based voice "
                            "recorder."));
    QVERIFY(!lines[1].isEmpty());
    QCOMPARE(trace.last(), QStringLiteral("About"));
}

QTEST_MAIN(EnablingTest)
#include "tst_enabling.moc"
