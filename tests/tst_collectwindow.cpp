// The window's Collect recordings... on a 1024x600 netbook screen: the choice to clear the
// card, made afresh each time, and a result that keeps its OK button on the screen however
// many files it names.
#include "app/collectwindow.h"
#include "app/plimoappwindow.h"
#include "editor/configeditwindow.h"
#include "formfixture.h"
#include "testsupport.h"
#include "wavfiles.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

class CollectWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1024, 600));
        qputenv("XDG_DATA_HOME", QFile::encodeName(Dir.filePath(QStringLiteral("data"))));
    }

    // The result names every file kept or not collected; the list scrolls inside the
    // dialog, the summary wraps, and OK stays on the screen.
    void resultFitsTheScreen_data()
    {
        QTest::addColumn<int>("named"); // files named in the details
        QTest::addColumn<bool>("cleared");
        QTest::newRow("all collected") << 0 << false;
        QTest::newRow("cleared, 3 kept") << 3 << true;
        QTest::newRow("400 not collected") << 400 << false;
        QTest::newRow("cleared, 400 kept") << 400 << true;
    }
    void resultFitsTheScreen()
    {
        QFETCH(int, named);
        QFETCH(bool, cleared);
        CardCollection c;
        c.card = QStringLiteral("/media/user/REC01/");
        c.folder = QStringLiteral("/home/user/archive/") + QString(60, QLatin1Char('a')) +
                   QStringLiteral("/REC01_1A2B-3C4D/2026-12-08/");
        c.recordings.count = 400;
        c.files.resize(400);
        c.copied = {400 - named, 400 * 1000000, 0};
        c.cleared.asked = cleared;
        for (int i = 0; i < named; ++i)
            (cleared ? c.cleared.stayed : c.unreadable)
                << QStringLiteral("REC/A%1.WAV: changed on the card since it was copied; kept")
                       .arg(i, 4, 10, QLatin1Char('0'));
        std::unique_ptr<QDialog> dialog(NewCollectionDialog(nullptr, QStringLiteral("REC01"), c));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QRect screen = dialog->screen()->availableGeometry();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        const QRect button(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        QVERIFY2(screen.contains(button), qPrintable(QStringLiteral("OK at %1,%2 %3x%4")
                                                         .arg(button.x())
                                                         .arg(button.y())
                                                         .arg(button.width())
                                                         .arg(button.height())));
        QVERIFY(screen.contains(dialog->frameGeometry()));
        auto* details = dialog->findChild<QPlainTextEdit*>(QStringLiteral("collect details"));
        QCOMPARE(details != nullptr, named > 0);
        if (named > 3)
            QVERIFY(details->verticalScrollBar()->maximum() > 0);
        const QString figures = dialog->findChild<QLabel*>("collect figures")->text();
        QVERIFY2(figures.contains(cleared ? "Cleared from the card: 0 of 400 recordings"
                                          : "Kept on the card: everything"),
                 qPrintable(figures));
    }

    // The choice that deletes is made each time: the box is unticked whenever the folder
    // dialog opens. Ticked, the copied recordings leave the card and the result says so;
    // left, the card keeps them.
    void clearIsChosenEachTime()
    {
        const QString card = Dir.filePath(QStringLiteral("card/"));
        const QString archive = Dir.filePath(QStringLiteral("archive"));
        QVERIFY(QDir().mkpath(card + "REC") && QDir().mkpath(archive));
        QVERIFY(WriteAll(card + "REC/A.WAV", WavBytes(7, 100, 100 * 60)));
        QVERIFY(WriteAll(card + "config.ini", "[Config]\r\n"));
        UseFormPreferences(Dir.filePath(QStringLiteral("elsewhere/")));
        PlimoAppWindow main;
        main.editor()->configFilePath->setText(card);
        QString shown;
        main.showCollected = [&](const QString&, const QString& text) { shown = text; };
        QList<bool> tickedWhenOpened;
        bool tick = true;
        QTimer answer; // answers the folder dialog as a user would
        connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "archive folder")
                return;
            auto* clear = dialog->findChild<QCheckBox*>(QStringLiteral("clear card"));
            tickedWhenOpened << clear->isChecked();
            clear->setChecked(tick);
            dialog->setDirectory(archive);
            static_cast<QDialog*>(dialog)->accept(); // as the Choose button does
        });
        answer.start(10);
        auto* collect = main.statusBar()->findChild<QPushButton*>("collect recordings");
        collect->click();
        QVERIFY2(shown.contains("; cleared 1 recordings, 0.00 GB\n"), qPrintable(shown));
        QVERIFY2(shown.contains("\nKept on the card: 1 of 2 files"), qPrintable(shown));
        QVERIFY(!QFileInfo::exists(card + "REC/A.WAV"));
        QVERIFY(QFileInfo::exists(card + "config.ini"));

        QVERIFY(WriteAll(card + "REC/B.WAV", WavBytes(7, 100, 100 * 60)));
        tick = false;
        collect->click();
        QVERIFY2(shown.contains("\nKept on the card: everything"), qPrintable(shown));
        QVERIFY(QFileInfo::exists(card + "REC/B.WAV"));
        QCOMPARE(tickedWhenOpened, (QList<bool>{false, false}));
    }
};

// A netbook's screen, set before the application starts.
int main(int argc, char** argv)
{
    QTemporaryDir screens;
    const QString config = screens.filePath(QStringLiteral("screen.json"));
    WriteAll(config, "{ \"screens\": [ { \"name\": \"netbook\", \"x\": 0, \"y\": 0, "
                     "\"width\": 1024, \"height\": 600, \"logicalDpi\": 96, "
                     "\"logicalBaseDpi\": 96, \"dpr\": 1 } ] }");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    // Qt's folder dialog keeps its history in the user's settings: this test's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(screens.path()));
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    CollectWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_collectwindow.moc"
