// How the user reaches the form: completed clicks, Return and shortcuts on the buttons,
// names a screen reader reads, a screen smaller than the form.
#include "testsupport.h"

#include "app/plimoappwindow.h"
#include "editor/configeditwindow.h"
#include "preferencedefaults.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

class AccessTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir card;
    PlimoAppWindow* main = nullptr;
    ConfigEditWindow* form = nullptr;

private slots:
    void init()
    {
        ResetPreferences();
        main = new PlimoAppWindow;
        form = main->editor();
        form->showWarning = [](const QString&, const QString&) {};
        form->chooseFolder = [] { return QString(); };
        form->chooseOpenFile = [](const QString&, const QString&) { return QString(); };
        form->chooseSaveFile = [](const QString&, const QString&) { return QString(); };
        form->configFilePath->setText(card.path() + QLatin1Char('/'));
    }
    void cleanup()
    {
        delete main;
        QFile::remove(card.filePath(QStringLiteral("config.ini")));
    }

    void formFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("1366x768 laptop") << QSize(1366, 768) << true;
        QTest::newRow("1024x600 netbook") << QSize(1024, 600) << true;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << false;
    }
    void formFitsTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, scrolls);
        // Moved from a large screen, then fitted to this one.
        main->FitToScreen(QRect(0, 0, 4000, 3000));
        QCOMPARE(main->centralWidget(), form);
        main->FitToScreen(QRect(QPoint(0, 0), screen));
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        auto* scroll = qobject_cast<QScrollArea*>(main->centralWidget());
        QCOMPARE(scroll != nullptr, scrolls);
        if (!scrolls) {
            QCOMPARE(main->centralWidget(), form);
            return;
        }
        QVERIFY(main->width() <= screen.width() && main->height() <= screen.height());
        QVERIFY(main->minimumSizeHint().height() <= screen.height());
        auto* save = form->findChild<QPushButton*>(QStringLiteral("save"));
        scroll->ensureWidgetVisible(save);
        const QRect inView(save->mapTo(scroll->viewport(), QPoint(0, 0)), save->size());
        QVERIFY(scroll->viewport()->rect().contains(inView));
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
