// The schedule of the timers: a typical day, date-bound extras, days until the card is
// full, and the day bar and read-outs under the form.
#include "app/plimoappwindow.h"
#include "app/preferences/preferences.h"
#include "card/cardspace.h"
#include "configreading.h"
#include "editor/configeditwindow.h"
#include "editor/daybar.h"
#include "formfixture.h"
#include "recorder_files/derived.h"
#include "recorder_files/schedulewording.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Settings from config.ini lines, read the way the recorder reads them.
ConfigSettings FromLines(const QString& text)
{
    ConfigSettings settings;
    for (const ConfigLine& line : SplitConfigLines(text.toLatin1() + "\r\n").lines)
        ApplyParsedLine(settings, ParseConfigLine(line.text), SampleRateCount, WavTypeCount);
    return settings;
}

QColor PixelAt(const QImage& image, const DayBar* bar, int minute)
{
    const QPoint p =
        bar->mapTo(bar->window(), QPoint(bar->MinuteX(minute), bar->BarRect().center().y()));
    return image.pixelColor(p * image.devicePixelRatio());
}

// Timers 1 and 2 on, every day at 8:00 and at 9:00 for an hour, as the user clicks them.
void SetTwoDailyHours(ConfigEditWindow* form)
{
    form->timersEnable->click();
    for (int i : {0, 1}) {
        TimerPanel& p = form->TimerPanels[i];
        p.timerEnable->click();
        p.day->setValue(0);
        p.month->setValue(0);
        p.hour->setValue(8 + i);
        p.minut->setValue(0);
        p.lenght->setValue(60);
    }
}

} // namespace

class ScheduleTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { UseFormPreferences(QString()); }

    void day_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<int>("overlap");
        QTest::addColumn<int>("firings"); // of timer 1
        QTest::addColumn<QString>("notes");
        const QString on = QStringLiteral("M,8,ulaw\r\nEvent=all\r\n");
        QTest::newRow("two writes")
            << on + "T1,*.*,8:30,60\r\nT2,*.*,18:0,30" << 90 << Q_INT64_C(43200000) << 0 << 1 << "";
        QTest::newRow("overlap") << on + "T1,*.*,8:30,60\r\nT2,*.*,9:0,60" << 90
                                 << Q_INT64_C(43200000) << 30 << 1
                                 << "timers 1, 2 overlap for 30 min a day";
        QTest::newRow("every hour")
            << on + "T1,*.*,*:30,10" << 240 << Q_INT64_C(115200000) << 0 << 24 << "";
        QTest::newRow("unlimited") << on + "T1,*.*,22:0,*" << 120 << Q_INT64_C(57600000) << 0 << 1
                                   << "an unlimited write time is counted up to midnight";
        QTest::newRow("past midnight")
            << on + "T1,*.*,23:30,60\r\nT2,*.*,0:0,10" << 60 << Q_INT64_C(28800000) << 10 << 1
            << "timers 1, 2 overlap for 10 min a day";
        QTest::newRow("15 June only")
            << on + "T1,15.6,8:30,60" << 0 << Q_INT64_C(0) << 0 << 1 << "plus 60 min on 15 June";
        QTest::newRow("date inside a daily write")
            << on + "T1,15.6,8:30,60\r\nT2,*.*,8:0,120" << 120 << Q_INT64_C(57600000) << 0 << 1
            << "plus 0 min on 15 June, writes overlap there for 60 min";
        QTest::newRow("day 31 of June") << on + "T1,31.6,8:0,60" << 0 << Q_INT64_C(0) << 0 << 1
                                        << "timer 1 never fires: 31 June does not exist";
        QTest::newRow("29 February") << on + "T1,29.2,8:0,60" << 0 << Q_INT64_C(0) << 0 << 1
                                     << "plus 60 min on 29 February (leap years only)";
        QTest::newRow("timers off")
            << "M,8,ulaw\r\nEvent=key\r\nT1,*.*,8:0,60" << 0 << Q_INT64_C(0) << 0 << 0 << "";
        // Two patterns over the same minutes are counted once where they meet.
        QTest::newRow("June and 15 June")
            << on + "T1,*.6,8:0,60\r\nT2,15.6,8:0,60" << 0 << Q_INT64_C(0) << 0 << 1
            << "plus 60 min on every day in June\n"
               "plus 60 min in all on 15 June, where timers 1, 2 fire together, writes overlap "
               "there for 60 min";
        // A date-bound write runs on into the next date, not onto the same morning.
        QTest::newRow("15 June past midnight")
            << on + "T1,15.6,23:0,120\r\nT2,15.6,0:0,60" << 0 << Q_INT64_C(0) << 0 << 1
            << "plus 180 min on 15 June";
        QTest::newRow("into its own next firing")
            << on + "T1,*.*,8:0,1500" << 1440 << Q_INT64_C(691200000) << 60 << 1
            << "timer 1 fires again while it writes: 60 min a day overlap";
        // Which timers the note names when timer 1 is not among them.
        QTest::newRow("timers 2 and 3 overlap")
            << on + "T2,*.*,8:30,60\r\nT3,*.*,9:0,60" << 90 << Q_INT64_C(43200000) << 30 << 0
            << "timers 2, 3 overlap for 30 min a day";
        QTest::newRow("every hour into the next hour's write")
            << on + "T1,*.*,*:0,90" << 1440 << Q_INT64_C(691200000) << 720 << 24
            << "timer 1 fires again while it writes: 720 min a day overlap";
        QTest::newRow("every hour, writes of 9999 min")
            << on + "T1,*.*,*:45,9999" << 1440 << Q_INT64_C(691200000) << 1440 << 24
            << "timer 1 fires again while it writes: 1440 min a day overlap";
        QTest::newRow("timer 2 into its own next firing")
            << on + "T2,*.*,8:0,1500" << 1440 << Q_INT64_C(691200000) << 60 << 0
            << "timer 2 fires again while it writes: 60 min a day overlap";
        // Every rate and type the form offers: one hour a day.
        QTest::newRow("16-bit PCM at 8000") << "M,8,none\r\nEvent=all\r\nT1,*.*,8:0,60" << 60
                                            << Q_INT64_C(57600000) << 0 << 1 << "";
        QTest::newRow("u-Law at 11050") << "M,11,ulaw\r\nEvent=all\r\nT1,*.*,8:0,60" << 60
                                        << Q_INT64_C(39780000) << 0 << 1 << "";
        QTest::newRow("ADPCM at 16000") << "M,16,adpcm\r\nEvent=all\r\nT1,*.*,8:0,60" << 60
                                        << Q_INT64_C(28800000) << 0 << 1 << "";
        QTest::newRow("ADPCM at 6000, VAS")
            << "M,6,adpcm\r\nVAS=on\r\nEvent=all\r\nT3,*.*,12:0,60" << 60 << Q_INT64_C(10800000)
            << 0 << 0 << "VAS on: at most this much, the recorder writes only while it hears sound";
    }
    void day()
    {
        QFETCH(QString, lines);
        QFETCH(int, minutes);
        QFETCH(qint64, bytes);
        QFETCH(int, overlap);
        QFETCH(int, firings);
        QFETCH(QString, notes);
        const Schedule s = MakeSchedule(ScheduleInputOf(FromLines(lines)));
        QCOMPARE(s.minutes, minutes);
        QCOMPARE(s.bytes, bytes);
        QCOMPARE(s.overlapMinutes, overlap);
        QCOMPARE(s.firings[0], firings);
        const QStringList words = ScheduleLines(
            s, [](int, qint64 b) { return QString::number(b); }, QLocale::c());
        QCOMPARE(words.mid(1).join(QLatin1Char('\n')), notes);
    }

    void daysUntilFull_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<int>("days");
        const QString on = QStringLiteral("M,8,ulaw\r\nEvent=all\r\n");
        // 43,200,000 bytes a day: 14.2 GB last 328 whole days.
        QTest::newRow("daily") << on + "T1,*.*,8:30,60\r\nT2,*.*,18:0,30" << Q_INT64_C(14200000000)
                               << 328;
        QTest::newRow("not a day")
            << on + "T1,*.*,8:30,60\r\nT2,*.*,18:0,30" << Q_INT64_C(43199999) << 0;
        // From 1 June: 14 daily hours fit, the 15th with its extra hour does not.
        QTest::newRow("extra on 15 June")
            << on + "T1,*.*,8:0,60\r\nT2,15.6,20:0,60" << Q_INT64_C(28800000 * 15) << 14;
        // 28,800,000 bytes on the 1st of each month: 1 June, July and August fit, September
        // does not.
        QTest::newRow("1st of every month")
            << on + "T1,1.*,8:0,60" << Q_INT64_C(100000000) << 30 + 31 + 31;
        // Every day of January only: ten of them fit, 1 to 10 January 2026.
        QTest::newRow("every day in January") << on + "T1,*.1,8:0,60" << Q_INT64_C(300000000)
                                              << 30 + 31 + 31 + 30 + 31 + 30 + 31 + 10;
        QTest::newRow("loop writing") << on + "Loop=20\r\nT1,*.*,8:0,60" << Q_INT64_C(1000) << -1;
        QTest::newRow("nothing written") << on + "T1,31.6,8:0,60" << Q_INT64_C(1000) << -1;
        QTest::newRow("ten years") << on + "T1,*.*,8:0,1" << Q_INT64_C(1) << 0;
        // The calendar: 30 days of June fit, 15 June counted once; the next June is 365
        // days on.
        QTest::newRow("June and 15 June")
            << on + "T1,*.6,8:0,60\r\nT2,15.6,8:0,60" << Q_INT64_C(28800000 * 30) << 365;
        // From 15 June: its first hour fits, the hour after midnight does not.
        QTest::newRow("date-bound past midnight")
            << on + "T1,15.6,23:0,120" << Q_INT64_C(28800000) << 1;
        // Nothing fired before 1 June runs on into it: one hour on the first day, two after.
        QTest::newRow("daily past midnight") << on + "T1,*.*,23:0,120" << Q_INT64_C(28800000) << 1;
        QTest::newRow("beyond ten years")
            << on + "T1,*.*,8:0,1" << Q_INT64_C(480000) * 3653 << ScheduleHorizonDays;
    }
    void daysUntilFull()
    {
        QFETCH(QString, lines);
        QFETCH(qint64, freeBytes);
        QFETCH(int, days);
        const Schedule s = MakeSchedule(ScheduleInputOf(FromLines(lines)));
        const QDate from(2025, 6, lines.contains(QLatin1String("T1,15.6")) ? 15 : 1);
        QCOMPARE(DaysUntilFull(s, freeBytes, from), days);
    }

    // --free SIZE: bytes, or powers of 1000 and 1024 as cards and systems count.
    void byteSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("bytes") << "79560000" << Q_INT64_C(79560000);
        QTest::newRow("GB") << "2GB" << Q_INT64_C(2000000000);
        QTest::newRow("kB with a blank") << "1.5 kB" << Q_INT64_C(1500);
        QTest::newRow("MiB") << "3MiB" << Q_INT64_C(3145728);
        QTest::newRow("GiB") << "0.5GiB" << Q_INT64_C(536870912);
        QTest::newRow("fraction of a byte") << "1.5" << Q_INT64_C(-1);
        QTest::newRow("unknown unit") << "2gb" << Q_INT64_C(-1);
        QTest::newRow("negative") << "-2GB" << Q_INT64_C(-1);
    }
    void byteSize()
    {
        QFETCH(QString, text);
        QFETCH(qint64, bytes);
        QCOMPARE(ParseByteSize(text), bytes);
    }

    // The wording --check --free and the day strip share.
    void fullText_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("text");
        const QString on = QStringLiteral("M,8,ulaw\r\nEvent=all\r\n");
        QTest::newRow("full") << on + "T1,*.6,8:0,60\r\nT2,15.6,8:0,60"
                              << "with 0.86 GB free from 2025-06-01: full after 365 days (on "
                                 "2026-06-01)";
        QTest::newRow("never") << on + "T1,31.6,8:0,60"
                               << "with 0.86 GB free from 2025-06-01: never full";
        QTest::newRow("ten years") << on + "T1,29.2,8:0,1"
                                   << "with 0.86 GB free from 2025-06-01: not full within 3653 "
                                      "days (ten years)";
    }
    void fullText()
    {
        QFETCH(QString, lines);
        QFETCH(QString, text);
        const Schedule s = MakeSchedule(ScheduleInputOf(FromLines(lines)));
        const qint64 free = Q_INT64_C(28800000) * 30;
        QCOMPARE(CardFullText(s, free, FreeSpaceText(free), QDate(2025, 6, 1)), text);
    }

    // A check box alone, with no figure changed after it, changes the strip.
    void stripFollowsCheckBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("said"); // in the total or the notes
        QTest::newRow("timer 1 off") << "timer 1"
                                     << "records 60 min a day";
        QTest::newRow("timers off") << "timers"
                                    << "timers off";
        QTest::newRow("VAS on") << "VAS"
                                << "VAS on";
    }
    void stripFollowsCheckBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, said);
        ConfigEditWindow form(nullptr, "config edit");
        auto* strip = form.findChild<ScheduleStrip*>();
        QVERIFY(strip);
        SetTwoDailyHours(&form);
        QTRY_VERIFY(strip->TotalLabel()->text().startsWith(QLatin1String("records 120 min")));
        QCheckBox* check = box == QLatin1String("timer 1")  ? form.TimerPanels[0].timerEnable
                           : box == QLatin1String("timers") ? form.timersEnable
                                                            : form.vasEnable;
        check->click();
        const auto shown = [strip] {
            return strip->TotalLabel()->text() + QLatin1Char('\n') + strip->NotesLabel()->text();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(shown().contains(said), qPrintable(shown()), 1000);
    }

    // Red is for what calls for a change: an overlap, never the notes that only inform
    // (VAS, loop writing, an unlimited write time), overlap or not.
    void stripRedForOverlapsOnly_data()
    {
        QTest::addColumn<int>("secondHour"); // timer 2's start; 8 overlaps timer 1
        QTest::addColumn<QString>("warning");
        QTest::newRow("overlap") << 8 << "timers 1, 2 overlap for 60 min a day";
        QTest::newRow("no overlap") << 9 << "";
    }
    void stripRedForOverlapsOnly()
    {
        QFETCH(int, secondHour);
        QFETCH(QString, warning);
        ConfigEditWindow form(nullptr, "config edit");
        auto* strip = form.findChild<ScheduleStrip*>();
        QVERIFY(strip);
        SetTwoDailyHours(&form);
        form.TimerPanels[1].hour->setValue(secondHour);
        form.TimerPanels[1].lenght->setValue(0); // unlimited
        form.vasEnable->click();
        form.loopSize->setValue(100);
        const auto notes = [strip] { return strip->NotesLabel()->text(); };
        QTRY_VERIFY2(notes().contains("VAS on") && notes().contains("loop writing") &&
                         notes().contains("unlimited"),
                     qPrintable(notes()));
        QCOMPARE(strip->WarningsLabel()->text(), warning);
        const auto colour = [](QLabel* label) {
            return label->palette().color(QPalette::WindowText);
        };
        QCOMPARE(colour(strip->NotesLabel()), colour(strip->TotalLabel()));
        QVERIFY(colour(strip->WarningsLabel()) != colour(strip->TotalLabel()));
    }

    // The bar and its read-outs follow the form's timer panels, in the form's size unit.
    void strip_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("free"); // as the language writes it; the form's "Mb" stays
        QTest::newRow("US") << "en_US"
                            << "records 120 min a day, 54.93Mb a day"
                            << "14.20";
        QTest::newRow("Russian") << "ru_RU"
                                 << "records 120 min a day, 54.93Mb a day"
                                 << "14,20";
    }
    void strip()
    {
        QFETCH(QString, locale);
        QFETCH(QString, total);
        QLocale::setDefault(QLocale(locale));
        PlimoAppWindow window;
        window.show();
        // Once shown the window fits itself to the (small offscreen) screen: larger after.
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.resize(1366, 768);
        ConfigEditWindow* form = window.editor();
        auto* strip = form->findChild<ScheduleStrip*>();
        QVERIFY(strip);
        strip->today = QDate(2025, 6, 1);
        SetTwoDailyHours(form);
        // The free space comes from the main window's card read-out.
        QTemporaryDir card;
        window.cardSpace()->freeBytes = [](const QString&) { return Q_INT64_C(14200000000); };
        form->configFilePath->setText(card.path() + QLatin1Char('/'));
        QTRY_COMPARE(strip->TotalLabel()->text(), total);
        QFETCH(QString, free);
        QTRY_COMPARE(strip->FullLabel()->text(),
                     QStringLiteral("with %1 GB free from 2025-06-01: full after 246 days (on "
                                    "2026-02-02)")
                         .arg(free));

        const QImage image = window.grab().toImage();
        const QColor empty = PixelAt(image, strip->Bar(), 12 * 60);
        for (int minute : {8 * 60 + 1, 9 * 60, 9 * 60 + 58})
            QVERIFY2(PixelAt(image, strip->Bar(), minute) != empty,
                     qPrintable(QString::number(minute)));
        // The window still fits a 1366x768 screen.
        // It takes the room beside the timer panels: the window grows no taller.
        QWidget* lastPanel = form->TimerPanels[3].lenght->parentWidget();
        QVERIFY(strip->mapTo(form, strip->rect().bottomLeft()).y() <=
                lastPanel->mapTo(form, lastPanel->rect().bottomLeft()).y());

        // The same hour twice overlaps: its minutes turn the overlap colour and warn.
        form->TimerPanels[1].hour->setValue(8);
        QTRY_VERIFY(strip->WarningsLabel()->text().contains(QLatin1String("overlap")));
        const QImage overlap = strip->Bar()->grab().toImage();
        QVERIFY(overlap.pixelColor(strip->Bar()->MinuteX(8 * 60 + 30),
                                   strip->Bar()->BarRect().center().y()) !=
                PixelAt(image, strip->Bar(), 8 * 60 + 30));

        // For the README: with a timer bound to a date as well.
        if (qEnvironmentVariableIsSet("PLIMO_SCREENSHOT") && locale == QLatin1String("en_US")) {
            TimerPanel& p = form->TimerPanels[2];
            p.timerEnable->click();
            p.day->setValue(15);
            p.month->setValue(6);
            p.hour->setValue(18);
            p.minut->setValue(0);
            p.lenght->setValue(60);
            QTest::qWait(100);
            window.grab().save(qEnvironmentVariable("PLIMO_SCREENSHOT"));
        }
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(ScheduleTest)
#include "tst_schedule.moc"
