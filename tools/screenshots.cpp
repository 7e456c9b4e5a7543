// Makes the README's pictures: ./build.sh shots. Everything that could differ between two
// runs is fixed: Qt's offscreen platform with one 1920x1080 screen, the Fusion style, the
// clock, the locale, the card's folder and files, its free space and the cards the picker
// finds. Two runs on one machine give the same bytes.
//
// usage: plimo_shots OUTPUT_FOLDER RUSSIAN_QM_FILE
#include "app/cardsview.h"
#include "app/collectwindow.h"
#include "app/plimoappwindow.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "app/startup.h"
#include "card/cardspace.h"
#include "editor/cardpicker.h"
#include "editor/configeditwindow.h"
#include "editor/daybar.h"
#include "editor/daychart.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/configwriter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QtEndian>

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{

const QDateTime ShotClock(QDate(2026, 12, 8), QTime(9, 30, 15));
const qint64 ShotFreeBytes = Q_INT64_C(14200000000);
const QString ShotFolder = QStringLiteral("/tmp/plimo-shots");

// A card as the recorder's owner would prepare it: two daily timers, one on a date, and
// three lines the recorder ignores.
const QByteArray ShotConfig = "M,8,ulaw\r\nVAS=on\r\nVASon=5,30\r\nVASoff=5,30\r\nLoop=40\r\n"
                              "Limit=0,0\r\nEvent=all\r\nT1,*.*,8:0,60\r\nT2,*.*,8:30,60\r\n"
                              "T3,15.6,18:0,60\r\nT4,*,*,*\r\nloop=20\r\nT5,1.1,1:1,1\r\n"
                              "Limit=5000,1\r\n";

bool WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The offscreen platform with one screen of a fixed size and no window frames.
void FixScreen()
{
    const QString config = ShotFolder + QStringLiteral("/screen.json");
    WriteFile(config, "{ \"windowFrameMargins\": false, \"screens\": [ { \"name\": \"shots\", "
                      "\"x\": 0, \"y\": 0, \"width\": 1920, \"height\": 1080, "
                      "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    // Qt's folder dialog keeps its history and last folder in the user's settings, which
    // other programs change: the shots' own, empty on every run.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ShotFolder + QStringLiteral("/config")));
    // The picker lists the cards given below, not the ones this machine's disk service
    // (UDisks2) knows.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/plimo-shots-bus");
}

// A main window on the card path with every outside answer fixed, shown and idle.
PlimoAppWindow* OpenWindow(const QString& cardPath, int width = 0)
{
    SetPrefText(Preferences.SDpath, int(sizeof Preferences.SDpath), cardPath);
    auto* window = new PlimoAppWindow;
    window->cardSpace()->freeBytes = [](const QString&) { return ShotFreeBytes; };
    auto* picker = window->editor()->findChild<CardPicker*>();
    picker->mayHoldCards = [] { return true; };
    picker->findCards = [] {
        return QList<CardVolume>{{ShotFolder + QStringLiteral("/card"), QStringLiteral("REC"),
                                  Q_INT64_C(15931539456), ShotFreeBytes, true}};
    };
    auto* strip = window->editor()->findChild<ScheduleStrip*>();
    strip->today = ShotClock.date();
    strip->Update();
    if (width > 0)
        window->resize(width, window->sizeHint().height());
    window->show();
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "the window was not activated\n");
    // The card read-out and the picker answer from their threads.
    QTest::qWait(300);
    return window;
}

bool Save(const QImage& image, const QString& folder, const char* name)
{
    const QString file = folder + QLatin1Char('/') + QLatin1String(name);
    if (!image.convertToFormat(QImage::Format_RGB32).save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// A widget's picture once it holds still for three looks in a row: layouts settle and
// threads answer later on a busy machine.
QImage SettledGrab(QWidget* widget)
{
    QImage image;
    for (int i = 0, still = 0; i < 100 && still < 3; ++i) {
        QTest::qWait(20);
        const QImage now = widget->grab().toImage();
        still = now == image ? still + 1 : 0;
        image = now;
    }
    return image;
}

// The window with a title bar drawn above it (the offscreen platform has none), and a
// dialog over its middle.
QImage WithTitle(QWidget* window, const QImage& dialog = QImage())
{
    const QImage body = SettledGrab(window);
    const int bar = 28;
    QImage image(body.width(), body.height() + bar, QImage::Format_RGB32);
    image.fill(QColor(0x30, 0x34, 0x3a));
    QPainter painter(&image);
    painter.drawImage(0, bar, body);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : "");
    painter.drawText(QRect(8, 0, image.width() - 16, bar), Qt::AlignVCenter,
                     QStringLiteral("Window title: ") + title);
    if (!dialog.isNull()) {
        const QPoint at((image.width() - dialog.width()) / 2, bar + body.height() / 3);
        painter.fillRect(QRect(at, dialog.size()).adjusted(-1, -1, 1, 1), Qt::black);
        painter.drawImage(at, dialog);
    }
    return image;
}

// The unsaved-edits question that Reload asks, over the window that asks it.
QImage UnsavedQuestion(PlimoAppWindow* window)
{
    QImage shot;
    ConfigEditWindow* form = window->editor();
    form->loopSize->setValue(60);
    QTimer::singleShot(0, window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QImage dialog = SettledGrab(box);
        // The question's caption, drawn as a window manager would.
        QImage framed(dialog.width(), dialog.height() + 24, QImage::Format_RGB32);
        framed.fill(QColor(0x30, 0x34, 0x3a));
        QPainter painter(&framed);
        painter.drawImage(0, 24, dialog);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(6, 0, framed.width() - 12, 24), Qt::AlignVCenter,
                         box->windowTitle());
        painter.end();
        shot = WithTitle(window, framed);
        box->button(QMessageBox::Cancel)->click();
    });
    QMetaObject::invokeMethod(form, "LoadCurrent");
    return shot;
}

// A u-Law recording of the given minutes at 8000 Hz, as the recorder writes it, closed
// by the recorder at `closed`. Its sound is a hole in the file: megabytes that take no room.
bool WriteRecording(const QString& name, int minutes, const QDateTime& closed)
{
    const auto le = [](quint32 v, int size) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b.left(size);
    };
    const quint32 rate = 8000;
    const QByteArray fmt = le(7, 2) + le(1, 2) + le(rate, 4) + le(rate, 4) + le(1, 2) + le(8, 2);
    const quint32 bytes = quint32(minutes) * 60 * rate;
    const QByteArray head = "RIFF" + le(4 + 8 + fmt.size() + 8 + bytes, 4) + "WAVEfmt " +
                            le(fmt.size(), 4) + fmt + "data" + le(bytes, 4);
    QFile file(name);
    return QDir().mkpath(QFileInfo(name).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(head) == head.size() && file.resize(head.size() + bytes) &&
           file.setFileTime(closed, QFileDevice::FileModificationTime);
}

// A recorder back from three months in the field with ShotConfig: every morning from
// 8:00 to 9:30, less on quiet days (VAS), a week without recordings in October, one
// recording made before its clock was set, and none in the last week before the card
// came back.
bool WriteShotRecordings(const QString& card)
{
    bool ok = WriteRecording(card + QStringLiteral("REC/OLD.WAV"), 3,
                             QDateTime(QDate(2000, 1, 1), QTime(0, 4)));
    for (QDate day(2026, 9, 1); day <= QDate(2026, 11, 30); day = day.addDays(1)) {
        if (day >= QDate(2026, 10, 13) && day <= QDate(2026, 10, 19))
            continue;
        const int minutes = 90 - (day.dayOfYear() * 37) % 45;
        ok &= WriteRecording(card + day.toString(QStringLiteral("'REC/'MM/'D'dd'.WAV'")), minutes,
                             QDateTime(day, QTime(8, 0)).addSecs(minutes * 60));
    }
    return ok;
}

// The card report of the card, on the shots' clock, in a dialog of the given size; its
// free space is the shots' own. A null picture when its recordings measure nothing.
QImage CardReportShot(QWidget* window, const QString& card, const QSize& size)
{
    CardReportOptions options = PreferenceReportOptions();
    options.today = ShotClock.date();
    options.pickupTime = ShotClock.time();
    options.locale = QLocale();
    CardReport shown = InspectCard(card, options);
    if (shown.recordings.milliseconds <= 0) {
        std::fprintf(stderr, "the card report's recordings measure nothing\n");
        return QImage();
    }
    shown.text.replace(QRegularExpression(QStringLiteral("\nfree space: [^\n]*")),
                       QStringLiteral("\nfree space: %1 GB (%2 bytes)")
                           .arg(double(ShotFreeBytes) / 1e9, 0, 'f', 2)
                           .arg(ShotFreeBytes));
    QDialog* dialog = NewCardReportDialog(window, QStringLiteral("Card report"), shown);
    dialog->resize(size);
    dialog->show();
    // Wrapped notes settle their height over a few layout passes.
    const QImage image = SettledGrab(dialog);
    delete dialog;
    return image;
}

// A 1024x600 netbook: the load report, typed path and all, ends in "…" in the status line.
QImage SmallScreen(const QString& card)
{
    PlimoAppWindow* window = OpenWindow(ShotFolder + QStringLiteral("/empty/"));
    window->FitToScreen(QRect(0, 0, 1024, 600), QMargins(1, 24, 1, 1));
    window->editor()->configFilePath->setText(card);
    QTest::qWait(300); // the card read-out answers from its thread
    const QImage image = SettledGrab(window);
    delete window;
    return image;
}

// Four cards in the readers as Cards shows them just verified against the form: two the
// same, one with recordings, one changed by hand, one without config.ini; the dialog at
// the size a screen of that size gives it.
QImage CardsShot(const QSize& screen)
{
    PlimoAppWindow* window = OpenWindow(ShotFolder + QStringLiteral("/empty/"));
    const QByteArray form = FormatConfig(window->editor()->Settings());
    QList<CardVolume> cards;
    for (int i = 1; i <= 4; ++i) {
        const QString folder = ShotFolder + QStringLiteral("/cards/rec0%1").arg(i);
        QDir().mkpath(folder);
        if (i < 4)
            WriteFile(folder + QStringLiteral("/config.ini"), i == 3 ? form + "Loop=40\r\n" : form);
        cards << CardVolume{folder, QStringLiteral("REC0%1").arg(i), Q_INT64_C(15931539456),
                            ShotFreeBytes - i * Q_INT64_C(1300000000), i < 4};
    }
    for (int day = 1; day <= 12; ++day)
        WriteRecording(cards[1].rootPath + QStringLiteral("/REC/D%1.WAV").arg(day), 45 + day,
                       QDateTime(QDate(2026, 11, day), QTime(9, 0)));
    auto* picker = window->editor()->findChild<CardPicker*>();
    picker->findCards = [cards] { return cards; };
    picker->Refresh();
    CardsView* view = window->cards();
    view->resize(screen - QSize(40, 60));
    view->show();
    for (int i = 0; i < 100 && view->Rows()->topLevelItemCount() < 4; ++i)
        QTest::qWait(50);
    view->TickAll(true);
    QSignalSpy done(view, &CardsView::actionDone);
    view->Run(CardsView::Action::Verify);
    if (done.isEmpty())
        done.wait(10000);
    // Each card's figures are asked again once its job ends: the picture waits for them.
    for (int i = 0; i < 400 && (i < 2 || view->Asking()); ++i)
        QTest::qWait(25);
    const QImage image = SettledGrab(view);
    delete window;
    QDir(ShotFolder + QStringLiteral("/cards")).removeRecursively();
    return image;
}

// Collect recordings... on a 1024x600 netbook: the folder dialog with the clear choice
// ticked, then the result of collecting a small card into an archive beside it: its
// recordings cleared, the link on it named and kept.
QList<QImage> CollectShots()
{
    const QString card = ShotFolder + QStringLiteral("/small/");
    for (int i = 1; i <= 5; ++i)
        WriteRecording(card + QStringLiteral("REC/A000%1.WAV").arg(i), 1,
                       QDateTime(QDate(2026, 11, 20 + i), QTime(9, 0)));
    WriteFile(card + QStringLiteral("config.ini"), ShotConfig);
    QFile::link(QStringLiteral("A0001.WAV"), card + QStringLiteral("REC/LINK.WAV"));
    PlimoAppWindow* window = OpenWindow(card);
    window->FitToScreen(QRect(0, 0, 1024, 600), QMargins(1, 24, 1, 1));
    QImage asked;
    QTimer answer; // until the dialog is up
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !answer.isActive())
            return;
        answer.stop();
        dialog->setViewMode(QFileDialog::List); // no file times: the same on every run
        dialog->setDirectory(ShotFolder);
        dialog->resize(1024 - 40, 600 - 60);
        auto* clear = dialog->findChild<QCheckBox*>(QStringLiteral("clear card"));
        clear->setChecked(true);
        // The folders are listed by a thread of the dialog's own: all three, however busy.
        const auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
        for (int i = 0; i < 100 && list->model()->rowCount(list->rootIndex()) < 3; ++i)
            QTest::qWait(50);
        // The dialog puts the focus in the folder's line as it is shown, and on a busy
        // machine its cursor stays drawn after the focus has moved on while the dialog was
        // not yet active. The focus goes there and back once the dialog is up, so that the
        // line draws no cursor, until the box keeps the focus through the picture.
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        for (int i = 0; i < 20; ++i) {
            edit->setFocus();
            QTest::qWait(50);
            clear->setFocus();
            asked = SettledGrab(dialog);
            if (clear->hasFocus())
                break;
        }
        QDir().mkpath(ShotFolder + QStringLiteral("/archive"));
        dialog->setDirectory(ShotFolder + QStringLiteral("/archive"));
        static_cast<QDialog*>(dialog)->accept();
    });
    answer.start(50);
    const ArchiveChoice choice = ChooseCollectArchive(window);
    CollectOptions options = WindowCollectOptions(choice);
    options.date = ShotClock.date();
    options.record.clear();
    options.identity = CardIdentity{QStringLiteral("REC05"), QStringLiteral("1A2B-0005")};
    const CardCollection c = CollectCard(choice.folder, card, options);
    QDialog* dialog = NewCollectionDialog(window, QStringLiteral("Collect recordings"), c);
    dialog->show();
    const QImage result = SettledGrab(dialog);
    delete dialog;
    delete window;
    QDir(card).removeRecursively();
    return {asked, result};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER RUSSIAN_QM_FILE\n", argv[0]);
        return 2;
    }
    // Both named from where the tool was started.
    const QString out = QFileInfo(QFile::decodeName(argv[1])).absoluteFilePath();
    const QString russian = QFileInfo(QFile::decodeName(argv[2])).absoluteFilePath();
    // The pictures show the fixed folder's name: two runs at once (two checkouts' suites)
    // take turns rather than empty each other's card.
    const int lock = ::open("/tmp/plimo-shots.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lock < 0 || ::flock(lock, LOCK_EX) != 0) {
        std::perror("/tmp/plimo-shots.lock");
        return 1;
    }
    QDir(ShotFolder).removeRecursively();
    QDir().mkpath(ShotFolder + QStringLiteral("/card"));
    QDir().mkpath(ShotFolder + QStringLiteral("/empty"));
    FixScreen();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication app(argc, argv);
    QDir::setCurrent(ShotFolder);
    const QString card = ShotFolder + QStringLiteral("/card/");
    if (!WriteFile(card + QStringLiteral("config.ini"), ShotConfig))
        return 1;
    ConfigEditWindow::clockNow = [] { return ShotClock; };
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Preferences.ManualTime = 0;
    bool ok = true;

    PlimoAppWindow* window = OpenWindow(ShotFolder + QStringLiteral("/empty/"));
    ok &= Save(SettledGrab(window), out, "form.png");
    delete window;

    window = OpenWindow(card, 1366);
    ok &= Save(SettledGrab(window), out, "schedule.png");
    delete window;

    window = OpenWindow(card);
    ok &= Save(UnsavedQuestion(window), out, "modified.png");
    delete window;

    ok &= WriteShotRecordings(card);
    window = OpenWindow(card);
    ok &= Save(CardReportShot(window, card, QSize(1366 - 40, 768 - 60)), out, "card_report.png");
    delete window;
    QDir(card + QStringLiteral("REC")).removeRecursively(); // the other pictures show none

    // A 1366x768 laptop with a window manager's title bar, scrolled down to Save.
    window = OpenWindow(card);
    window->FitToScreen(QRect(0, 0, 1366, 768), QMargins(1, 24, 1, 1));
    QTest::qWait(50);

    if (auto* scroll = qobject_cast<QScrollArea*>(window->centralWidget()))
        scroll->ensureWidgetVisible(window->editor()->findChild<QPushButton*>("save"));
    QTest::qWait(50);
    ok &= Save(SettledGrab(window), out, "scrolled_1366x768.png");
    delete window;

    ok &= Save(SmallScreen(card), out, "status_1024x600.png");
    ok &= Save(CardsShot(QSize(1366, 768)), out, "cards_1366x768.png");
    ok &= Save(CardsShot(QSize(1024, 600)), out, "cards_1024x600.png");
    const QList<QImage> collect = CollectShots();
    ok &= Save(collect.value(0), out, "collect_1024x600.png");
    ok &= Save(collect.value(1), out, "collect_result_1024x600.png");

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    SetPrefText(Preferences.Language, int(sizeof Preferences.Language), russian);
    InstallTranslation(app, [&ok](const QString&, const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        ok = false;
    });
    window = OpenWindow(card);
    ok &= Save(SettledGrab(window), out, "form_ru.png");
    delete window;
    ok &= WriteShotRecordings(card);
    window = OpenWindow(card);
    ok &= Save(CardReportShot(window, card, QSize(1024 - 40, 600 - 60)), out,
               "card_report_1024x600_ru.png");
    delete window;
    QDir(card + QStringLiteral("REC")).removeRecursively(); // the other pictures show none
    ok &= Save(SmallScreen(card), out, "status_1024x600_ru.png");
    ok &= Save(CardsShot(QSize(1366, 768)), out, "cards_1366x768_ru.png");
    ok &= Save(CardsShot(QSize(1024, 600)), out, "cards_1024x600_ru.png");

    QDir(ShotFolder).removeRecursively();
    return ok ? 0 : 1;
}
