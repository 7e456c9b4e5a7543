// The card read-out: free space and recording time, asked without blocking the window.
#include "app/plimoappwindow.h"
#include "app/preferences/preferences.h"
#include "card/cardspace.h"
#include "editor/configeditwindow.h"
#include "preferencedefaults.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

class CardSpaceTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetPreferences(); }

    void text_data()
    {
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<int>("byteRate");
        QTest::addColumn<QString>("text");
        // One figure with the day strip: two decimals. Without a removable volume (no card
        // path: the working folder's disk) it is no card.
        QTest::newRow("not removable") << Q_INT64_C(84110000000) << -8000
                                       << "Folder's disk: 84.11 GB free, about 2920 h at 8000 B/s";
        QTest::newRow("example") << Q_INT64_C(3710000000) << 8000
                                 << "Card: 3.71 GB free, about 128 h at 8000 B/s";
        QTest::newRow("nothing free")
            << Q_INT64_C(0) << 8000 << "Card: 0.00 GB free, about 0 min at 8000 B/s";
        QTest::newRow("under an hour")
            << Q_INT64_C(28799999) << 8000 << "Card: 0.03 GB free, about 59 min at 8000 B/s";
        QTest::newRow("slowest rate")
            << Q_INT64_C(1000000000) << 3000 << "Card: 1.00 GB free, about 92 h at 3000 B/s";
        QTest::newRow("fastest rate")
            << Q_INT64_C(1000000000) << 32000 << "Card: 1.00 GB free, about 8 h at 32000 B/s";
        QTest::newRow("huge volume") << Q_INT64_C(9000000000000000000) << 3000
                                     << "Card: 9000000000.00 GB free, about 833333333333 h at "
                                        "3000 B/s";
        // The figure as the window's language writes it (the row's name is the locale).
        QTest::newRow("ru_RU") << Q_INT64_C(70000000) << 8000
                               << "Card: 0,07 GB free, about 2 h at 8000 B/s";
        QTest::newRow("en_US") << Q_INT64_C(9000000000000) << 8000
                               << "Card: 9000.00 GB free, about 312500 h at 8000 B/s";
    }
    void text()
    {
        QFETCH(qint64, freeBytes);
        QFETCH(int, byteRate);
        QFETCH(QString, text);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        QLocale::setDefault(tag.contains(QLatin1Char('_')) ? QLocale(tag) : QLocale::c());
        // A negative rate in the table: the same rate on a volume that is not removable.
        QCOMPARE(CardSpaceText(freeBytes, qAbs(byteRate), byteRate > 0), text);
        QLocale::setDefault(QLocale::c());
    }

    void folder_data()
    {
        QTest::addColumn<QString>("cardPath");
        QTest::addColumn<QString>("folder");
        QTest::newRow("folder") << "/media/card/"
                                << "/media/card/";
        QTest::newRow("prefix") << "/media/card/rec"
                                << "/media/card/";
        QTest::newRow("drive") << "E:\\rec"
                               << "E:\\";
        QTest::newRow("empty") << "" << QDir::currentPath();
    }
    void folder()
    {
        QFETCH(QString, cardPath);
        QFETCH(QString, folder);
        QCOMPARE(CardFolder(cardPath), folder);
    }

    void missingFolderIsSaid()
    {
        QTemporaryDir dir;
        CardSpaceMonitor monitor;
        monitor.SetCardPath(dir.path() + QStringLiteral("/gone/"));
        QTRY_COMPARE(monitor.Text(), QStringLiteral("Card folder not found"));
        monitor.SetCardPath(dir.path() + QLatin1Char('/'));
        QTRY_VERIFY(monitor.Text().startsWith(QStringLiteral("Folder's disk: ")));
    }

    void slowCardDoesNotBlockAndNewestPathWins()
    {
        QSemaphore release;
        CardSpaceMonitor monitor;
        monitor.removable = [](const QString&) { return true; };
        monitor.freeBytes = [&](const QString& folder) {
            if (folder == QStringLiteral("/slow/"))
                release.acquire();
            return folder == QStringLiteral("/fast/") ? Q_INT64_C(2000000000) : Q_INT64_C(0);
        };
        monitor.SetCardPath(QStringLiteral("/slow/x"));
        monitor.SetCardPath(QStringLiteral("/fast/x"));
        // The event loop goes on while the worker waits on the slow card.
        bool ticked = false;
        QTimer::singleShot(10, [&] { ticked = true; });
        QTRY_VERIFY(ticked);
        QCOMPARE(monitor.Text(), QString());
        release.release();
        QTRY_COMPARE(monitor.Text(), QStringLiteral("Card: 2.00 GB free, about 69 h at 8000 B/s"));
    }

    void cardThatNeverAnswersHoldsNothing()
    {
        auto gate = std::make_shared<QSemaphore>();
        auto* monitor = new CardSpaceMonitor;
        monitor->freeBytes = [gate](const QString&) {
            gate->acquire();
            return Q_INT64_C(1000000000);
        };
        monitor->SetCardPath(QStringLiteral("/stuck/x"));
        delete monitor;
        // At exit the application waits for its thread pool: nothing may be left in it.
        QVERIFY(QThreadPool::globalInstance()->waitForDone(200));
        // The answer that comes after the monitor is gone finds nothing to touch.
        gate->release();
        QTest::qWait(50);
    }

    void mainWindowFollowsByteRateAndPath()
    {
        QTemporaryDir dir;
        PlimoAppWindow window;
        window.cardSpace()->freeBytes = [](const QString&) { return Q_INT64_C(1000000000); };
        window.cardSpace()->removable = [](const QString&) { return true; };
        ConfigEditWindow* form = window.editor();
        form->configFilePath->setText(dir.path() + QLatin1Char('/'));
        QTRY_COMPARE(window.cardSpaceLabel()->text(),
                     QStringLiteral("Card: 1.00 GB free, about 34 h at 8000 B/s"));
        // Shown whole in the status line, not cut to its first letters.
        window.show();
        QTRY_VERIFY(window.cardSpaceLabel()->width() >=
                    window.cardSpaceLabel()->sizeHint().width());
        form->wavType->setCurrentIndex(0); // none: 2 x 8000
        QTRY_COMPARE(window.cardSpaceLabel()->text(),
                     QStringLiteral("Card: 1.00 GB free, about 17 h at 16000 B/s"));
    }
};

QTEST_MAIN(CardSpaceTest)
#include "tst_cardspace.moc"
