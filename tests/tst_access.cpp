// How the user reaches the form: completed clicks, Return and shortcuts on the buttons,
// names a screen reader reads, a screen smaller than the form.
#include "testsupport.h"

#include "app/plimoappwindow.h"
#include "editor/configeditwindow.h"
#include "preferencedefaults.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
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
        ConfigEditWindow::slotTrace = nullptr;
        delete main;
        QFile::remove(card.filePath(QStringLiteral("config.ini")));
    }

    void buttonsActOnACompletedPress_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("slot"); // runs, or none when empty
        const struct {
            const char* button;
            const char* slot;
            QKeySequence keys;
        } buttons[] = {
            {"find", "FindConfigFile", {}},
            {"about", "About", QKeySequence(Qt::Key_F1)},
            {"load from", "LoadFrom", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"save as", "SaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
            {"reload", "LoadCurrent", QKeySequence(Qt::Key_F5)},
            {"save", "SaveCurrent", QKeySequence(Qt::CTRL | Qt::Key_S)},
        };
        for (const auto& b : buttons) {
            for (const char* gesture : {"click", "slide off", "Return", "Enter", "shortcut"}) {
                const bool cancelled = !qstrcmp(gesture, "slide off");
                if (!qstrcmp(gesture, "shortcut") && b.keys.isEmpty())
                    continue;
                QTest::addRow("%s: %s", b.button, gesture)
                    << QString::fromLatin1(b.button) << QString::fromLatin1(gesture) << b.keys
                    << (cancelled ? QString() : QString::fromLatin1(b.slot));
            }
        }
    }
    void buttonsActOnACompletedPress()
    {
        QFETCH(QString, button);
        QFETCH(QString, gesture);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, slot);
        QStringList trace;
        ConfigEditWindow::slotTrace = [&trace](const char* s) { trace << QString::fromLatin1(s); };
        // The About box is modal: close it once it shows.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        closer.start(20);
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main));

        auto* pushButton = form->findChild<QPushButton*>(button);
        QVERIFY(pushButton);
        if (gesture == QLatin1String("click")) {
            QTest::mouseClick(pushButton, Qt::LeftButton);
        } else if (gesture == QLatin1String("slide off")) {
            const QPoint outside(pushButton->width() + 20, pushButton->height() / 2);
            QTest::mousePress(pushButton, Qt::LeftButton);
            QTest::mouseMove(pushButton, outside);
            QTest::mouseRelease(pushButton, Qt::LeftButton, {}, outside);
        } else if (gesture == QLatin1String("shortcut")) {
            // Typing in the path field does not stop the keys.
            form->configFilePath->setFocus();
            QTest::keySequence(form->configFilePath, keys);
        } else {
            pushButton->setFocus();
            QTest::keyClick(pushButton,
                            gesture == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Enter);
        }
        for (const char* name :
             {"FindConfigFile", "About", "LoadFrom", "SaveAs", "LoadCurrent", "SaveCurrent"})
            QVERIFY2(trace.contains(QLatin1String(name)) == (slot == QLatin1String(name)),
                     qPrintable(trace.join(' ')));
        QCOMPARE(QFile::exists(card.filePath(QStringLiteral("config.ini"))),
                 slot == QLatin1String("SaveCurrent"));
    }

    void everyControlHasItsOwnSpokenName()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QHash<QString, QString> seen; // what a screen reader reads -> which control
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const QWidget* parent = w->parentWidget();
            const bool inner = qobject_cast<const QAbstractSpinBox*>(parent) ||
                               qobject_cast<const QComboBox*>(parent);
            if (inner || !w->isVisible() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            const QString id = QString::fromLatin1(w->metaObject()->className()) +
                               QLatin1Char(' ') + w->objectName();
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(reader, qPrintable(id));
            // On Linux Qt names a combo box by its current item and gives its caption as a
            // relation; the name it declares is what readers elsewhere read.
            const QString name =
                qobject_cast<QComboBox*>(w) ? w->accessibleName() : reader->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(id));
            QVERIFY2(!seen.contains(name),
                     qPrintable(name + " names " + id + " and " + seen[name]));
            seen.insert(name, id);
        }
        for (const char* name : {"Timer 2 hour", "Timer 4 enable", "VAS on level", "Set time",
                                 "Enable time set", "Sample rate", "About", "Save"})
            QVERIFY2(seen.contains(QLatin1String(name)), name);
    }

    // The whole window, status line included, with the window manager's frame on the
    // screen; a form too large scrolls instead.
    void formFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("1366x768 laptop") << QSize(1366, 768) << QMargins() << true;
        QTest::newRow("1024x600 netbook") << QSize(1024, 600) << QMargins() << true;
        QTest::newRow("1024x600 under a window manager")
            << QSize(1024, 600) << QMargins(1, 24, 1, 1) << true;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QMargins(1, 24, 1, 1) << false;
    }
    void formFitsTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QMargins, frame);
        QFETCH(bool, scrolls);
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main)); // fitted to the real screen by now
        // Moved from a large screen, then fitted to this one.
        main->FitToScreen(QRect(0, 0, 4000, 3000), frame);
        QCOMPARE(main->centralWidget(), form);
        main->FitToScreen(QRect(QPoint(0, 0), screen), frame);
        QApplication::processEvents();
        auto* scroll = qobject_cast<QScrollArea*>(main->centralWidget());
        QCOMPARE(scroll != nullptr, scrolls);
        if (!scrolls) {
            QCOMPARE(main->centralWidget(), form);
            return;
        }
        const QSize framed = main->size().grownBy(frame);
        QVERIFY2(framed.width() <= screen.width() && framed.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(framed.width()).arg(framed.height())));
        QVERIFY(main->minimumSizeHint().grownBy(frame).height() <= screen.height());
        auto* save = form->findChild<QPushButton*>(QStringLiteral("save"));
        scroll->ensureWidgetVisible(save);
        const QRect inView(save->mapTo(scroll->viewport(), QPoint(0, 0)), save->size());
        QVERIFY(scroll->viewport()->rect().contains(inView));
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
