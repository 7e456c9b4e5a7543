// The whole run of the program: preferences read or created, translation, window
// size limits, options persisted at exit.
#include "testsupport.h"

#include "app/plimoappwindow.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "app/startup.h"
#include "commandline/sha256.h"
#include "editor/configeditwindow.h"
#include "preferencedefaults.h"
#include "wavfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace
{

QByteArray DefaultPreferences()
{
    return ReadAll(QStringLiteral(PLIMO_SOURCE_DIR "/tests/golden/default.cfg"));
}

// What RunOnce returns when the main window was not shown: a hidden window is never
// closed by its user, so the run is ended at once instead of hanging.
constexpr int WindowNotShown = 97;

// Runs the program in-process with "-platform offscreen" plus extra arguments; atShow
// runs once the window is shown, then the window is closed.
int RunOnce(const QStringList& extra, const std::function<void(QMainWindow*)>& atShow = {})
{
    QList<QByteArray> storage = {"plimo-configurator", "-platform", "offscreen"};
    for (const QString& arg : extra)
        storage << arg.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int argc = int(storage.size());
    StartupHooks hooks;
    bool shown = false;
    hooks.afterShow = [&](QMainWindow* window) {
        shown = window->isVisible();
        if (atShow)
            atShow(window);
        QTimer::singleShot(0, window, [window, shown] {
            if (shown) {
                window->close();
            } else {
                qWarning("the main window was not shown");
                QCoreApplication::exit(WindowNotShown);
            }
        });
    };
    const int result = RunPlimoConfigurator(argc, argv.data(), &hooks);
    return shown ? result : WindowNotShown;
}

// What ReadStartupPreferences prints on standard error.
QByteArray StandardErrorOf(const std::function<void()>& body)
{
    std::fflush(stderr);
    const int saved = dup(2);
    FILE* capture = std::tmpfile();
    dup2(fileno(capture), 2);
    body();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::rewind(capture);
    QByteArray text;
    char buffer[512];
    size_t n;
    // Bounded: a few lines are expected, never more than this.
    for (int reads = 0; reads < 256 && (n = std::fread(buffer, 1, sizeof buffer, capture)) > 0;
         ++reads)
        text.append(buffer, qsizetype(n));
    std::fclose(capture);
    return text;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString oldCurrent;

private slots:
    void init()
    {
        ResetPreferences();
        QVERIFY(dir.isValid());
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void cleanup()
    {
        QDir::setCurrent(oldCurrent);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    void emptyFolderGetsDefaultFileBeforeWindowShows()
    {
        QByteArray atShow;
        QCOMPARE(RunOnce({}, [&](QMainWindow*) { atShow = ReadAll("Plimoplayer.cfg"); }), 0);
        QCOMPARE(atShow, DefaultPreferences());
        QCOMPARE(ReadAll("Plimoplayer.cfg"), DefaultPreferences());
    }

    void argumentLeftAfterQtOptionsNamesTheFile()
    {
        // A name longer than 254 characters is used whole, not cut.
        const QString folder = QString(200, QLatin1Char('f'));
        QVERIFY(QDir().mkdir(folder));
        const QString longName = folder + QLatin1Char('/') + QString(80, QLatin1Char('p'));
        QCOMPARE(RunOnce({QStringLiteral("-style"), QStringLiteral("fusion"), longName}), 0);
        QCOMPARE(ReadAll(longName), DefaultPreferences());
        QVERIFY(!QFile::exists("Plimoplayer.cfg"));
    }

    void windowCaptionStatusAndNoMenus()
    {
        QString caption, status, objectName;
        bool menus = true;
        const int exitCode = RunOnce({}, [&](QMainWindow* window) {
            // The title as shown: "[*]" is the place of the unsaved-edits mark.
            caption = window->windowTitle().remove(QStringLiteral("[*]"));
            status = window->statusBar()->currentMessage();
            objectName = window->objectName();
            menus = window->findChild<QMenuBar*>() || window->findChild<QToolBar*>();
        });
        QCOMPARE(exitCode, 0);
        QCOMPARE(caption, QStringLiteral("  Plimo player configurator  v1.4"));
        QCOMPARE(status, QStringLiteral("Ready"));
        QCOMPARE(objectName, QStringLiteral("Plimo main window"));
        QVERIFY(!menus);
    }

    void optionsChangedInTheFormPersistAtExit()
    {
        const int exitCode = RunOnce({}, [](QMainWindow* window) {
            auto* form = static_cast<PlimoAppWindow*>(window)->editor();
            form->timeSetEnable->setChecked(false);
            form->manualTimeEnable->setChecked(true);
        });
        QCOMPARE(exitCode, 0);
        const QByteArray written = ReadAll("Plimoplayer.cfg");
        QVERIFY(written.contains("\r\nSetTime           0\r\n"));
        QVERIFY(written.contains("\r\nManualTime        1\r\n"));
    }

    void sizeLimits_data()
    {
        QTest::addColumn<int>("sizeX");
        QTest::addColumn<int>("sizeY");
        QTest::addColumn<int>("maxWidth");
        QTest::addColumn<int>("maxHeight");
        QTest::newRow("no limits") << 0 << 0 << QWIDGETSIZE_MAX << QWIDGETSIZE_MAX;
        QTest::newRow("width only") << 640 << 0 << 640 << QWIDGETSIZE_MAX;
        QTest::newRow("both") << 900 << 700 << 900 << 700;
    }
    void sizeLimits()
    {
        QFETCH(int, sizeX);
        QFETCH(int, sizeY);
        QFETCH(int, maxWidth);
        QFETCH(int, maxHeight);
        WriteAll("limits.cfg",
                 QStringLiteral("SizeX %1\nSizeY %2\n").arg(sizeX).arg(sizeY).toLatin1());
        QSize max;
        QCOMPARE(RunOnce({QStringLiteral("limits.cfg")},
                         [&](QMainWindow* w) { max = w->maximumSize(); }),
                 0);
        QCOMPARE(max, QSize(maxWidth, maxHeight));
    }

    void missingFileIsCreatedSilently()
    {
        QByteArray said = StandardErrorOf([] { ReadStartupPreferences("Plimoplayer.cfg"); });
        QCOMPARE(said, QByteArray());
        QCOMPARE(ReadAll("Plimoplayer.cfg"), DefaultPreferences());
    }

    void includeOfMissingFileRewritesAtOnce()
    {
        WriteAll("Plimoplayer.cfg", "SizeX 640\r\nInclude missing.cfg\r\nShiftTime 7\r\n");
        QCOMPARE(ReadStartupPreferences("Plimoplayer.cfg"), 1);
        const QByteArray rewritten = ReadAll("Plimoplayer.cfg");
        QVERIFY(!rewritten.contains("Include"));
        QVERIFY(rewritten.contains("\r\nSizeX             640\r\n"));
        QVERIFY(rewritten.contains("\r\nShiftTime         7\r\n"));
    }

    void faultyLineIsIgnoredAndFileKept()
    {
        const QByteArray text = "SizeX 2001\r\nSizeY 480\r\n";
        WriteAll("Plimoplayer.cfg", text);
        int code = 0;
        const QByteArray said =
            StandardErrorOf([&] { code = ReadStartupPreferences("Plimoplayer.cfg"); });
        QCOMPARE(code, 7);
        // Told on standard error, with the line, so the user can find it.
        QCOMPARE(QString::fromLocal8Bit(said),
                 QString::fromUtf8("Большое значение параметра в файле\nPlimoplayer.cfg\n"
                                   "в строке 1\nSizeX 2001\n"));
        QCOMPARE(Preferences.SizeY, 480);
        QCOMPARE(ReadAll("Plimoplayer.cfg"), text);
    }

    void unreadableFileIsLeftAlone()
    {
        // Only a user who cannot read the file shows the fault: root reads anything.
        const QByteArray text = "SizeX 640\r\nShiftTime 7\r\n";
        WriteAll("Plimoplayer.cfg", text);
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions("Plimoplayer.cfg", QFileDevice::WriteOwner));
        QCOMPARE(chown("Plimoplayer.cfg", 65534, 65534), 0);
        const int result = RunInChild(true, [] {
            StartupPreferences start;
            const QByteArray said = StandardErrorOf([&] {
                ReadStartupPreferences("Plimoplayer.cfg", &start);
                WritePreferences("Plimoplayer.cfg", start);
            });
            return said.contains("Cannot read the preferences file Plimoplayer.cfg") ? 0 : 1;
        });
        QCOMPARE(result, 0);
        QVERIFY(QFile::setPermissions("Plimoplayer.cfg", QFileDevice::ReadOwner));
        QCOMPARE(ReadAll("Plimoplayer.cfg"), text);
    }

    void startAndExit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("setPath"); // set in the form; null: left alone
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QByteArray>("said");
        const QString file = QStringLiteral("Plimoplayer.cfg");
        QTest::newRow("refused card path stays")
            << file << QByteArray("SDpath \"/media/c?rd/\"\r\n") << QString()
            << QByteArray("\r\nSDpath \"/media/c?rd/\"\r\n") << QByteArray("файле");
        QTest::newRow("refused card path replaced by a new one")
            << file << QByteArray("SDpath \"/media/c?rd/\"\r\n") << QStringLiteral("/media/x/")
            << QByteArray("\r\nSDpath            \"/media/x/\"\r\n") << QByteArray();
        QTest::newRow("path the file cannot hold is not written")
            << file << QByteArray("SDpath \"/media/card/\"\r\n") << QStringLiteral("/media/c*rd/")
            << QByteArray("\r\nSDpath            \"/media/card/\"\r\n")
            << QByteArray("cannot be kept in the preferences file");
        QTest::newRow("failed write is told")
            << QStringLiteral("missing/Plimoplayer.cfg") << QByteArray() << QString()
            << QByteArray() << QByteArray("Cannot write the preferences file missing/");
        QTest::newRow("clock file named as config.ini")
            << file << QByteArray("TimeName CONFIG.INI\r\n") << QString()
            << QByteArray("\r\nTimeName          \"CONFIG.INI\"\r\n") << QByteArray("one file");
        QTest::newRow("config.ini named time.ok")
            << file << QByteArray("CFGname time.ok\r\n") << QString()
            << QByteArray("\r\nCFGname           \"time.ok\"\r\n") << QByteArray("time.ok");
    }
    void startAndExit()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(QString, setPath);
        QFETCH(QByteArray, after);
        QFETCH(QByteArray, said);
        if (!before.isNull())
            WriteAll(name, before);
        const QByteArray told = StandardErrorOf([&] {
            StartupPreferences start;
            ReadStartupPreferences(name, &start);
            if (!setPath.isNull())
                SetPrefText(Preferences.SDpath, int(sizeof Preferences.SDpath), setPath);
            WritePreferences(name, start);
        });
        QVERIFY2(told.contains(said), told.constData());
        if (!after.isEmpty())
            QVERIFY2(ReadAll(name).contains(after), ReadAll(name).constData());
    }

    // A file named by mistake is read, never written over at exit; a preferences file is.
    void namedFileKeptUnlessPreferences_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("rewritten");
        QTest::addColumn<QString>("said"); // in the status line at start
        const QString kept = QStringLiteral("is no preferences file");
        QTest::newRow("recording") << WavBytes(1, 16000, 4000) << false << kept;
        QTest::newRow("preset") << QByteArray("M,8,ulaw\r\nVAS=off\r\nLoop=none\r\n") << false
                                << QStringLiteral("To open a config.ini, use Load from");
        QTest::newRow("preferences with a faulty line")
            << QByteArray("SizeX 99999999999\r\nShiftTime 7\r\n") << true << QString();
        QTest::newRow("comments only") << QByteArray("; mine\r\n\r\n") << true << QString();
    }
    void namedFileKeptUnlessPreferences()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, rewritten);
        QFETCH(QString, said);
        const QString name = QStringLiteral("field.ini");
        WriteAll(name, content);
        QString status;
        QCOMPARE(
            RunOnce({name}, [&](QMainWindow* w) { status = w->statusBar()->currentMessage(); }), 0);
        QCOMPARE(ReadAll(name) != content, rewritten);
        if (rewritten)
            QVERIFY(ReadAll(name).contains("ShiftTime"));
        QVERIFY2(said.isEmpty() ? !status.contains(QStringLiteral("preferences"))
                                : status.contains(said),
                 qPrintable(status));
    }

    void doubleDashEndsTheOptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("single dash") << QStringLiteral("-my.cfg");
        QTest::newRow("an option's name") << QStringLiteral("--check");
    }
    void doubleDashEndsTheOptions()
    {
        QFETCH(QString, name);
        QCOMPARE(RunOnce({QStringLiteral("--"), name}), 0);
        QCOMPARE(ReadAll(name), DefaultPreferences());
    }

    void translation_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("empty: nothing") << QByteArray() << QStringList();
        QTest::newRow("missing file warns")
            << QByteArray("ru.qm")
            << QStringList{QStringLiteral("File error"),
                           QStringLiteral("Cannot find language file<ru.qm>\n")};
    }
    void translation()
    {
        QFETCH(QByteArray, language);
        QFETCH(QStringList, warnings);
        qstrcpy(Preferences.Language, language.constData());
        int argc = 1;
        char name[] = "plimo";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QStringList seen;
        QTranslator* translator = InstallTranslation(
            app, [&](const QString& caption, const QString& text) { seen << caption << text; });
        QCOMPARE(seen, warnings);
        QVERIFY(!translator);
    }

    void russianBringsQtsOwnDialogsInRussian()
    {
        const QString qtRussian =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
        if (!QFile::exists(qtRussian))
            QSKIP("Qt's Russian translation is not installed (qt6-translations-l10n)");
        const QString ours = QFileInfo(QStringLiteral(PLIMO_BINARY)).dir().filePath("plimo_ru.qm");
        QVERIFY(QFile::copy(ours, QStringLiteral("ru.qm")));
        qstrcpy(Preferences.Language, "ru.qm");
        int argc = 1;
        char name[] = "plimo";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QVERIFY(InstallTranslation(app, [](const QString&, const QString&) {}));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QString::fromUtf8("Отмена"));
        QCOMPARE(QCoreApplication::translate("ConfigEditWindow", "Save"),
                 QString::fromUtf8("Сохранить"));
    }

    // The window starts without libcrypto, though it links all the program links: the
    // library is loaded when a collect first hashes, with the digests of Qt's own hash.
    void libcryptoOnlyOnceHashing()
    {
        const auto mapped = [] { return ReadAll("/proc/self/maps").contains("/libcrypto.so"); };
        QVERIFY(!mapped());
        const QByteArray data = QByteArray("recording").repeated(100000);
        Sha256 hash;
        hash.AddData(data.constData(), 7);
        hash.AddData(data.constData() + 7, data.size() - 7);
        QCOMPARE(hash.HexResult(),
                 QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
        if (!QFile::exists("/usr/include/openssl/evp.h"))
            QSKIP("built without OpenSSL's headers: Qt's hash alone");
        QVERIFY(mapped());
    }

    // The Russian translation calls the recorder by one word.
    void oneRussianWordForTheRecorder()
    {
        const QString ts = QString::fromUtf8(ReadAll(PLIMO_SOURCE_DIR "/translations/plimo_ru.ts"));
        QVERIFY(ts.contains(QString::fromUtf8("диктофон")));
        QVERIFY(!ts.contains(QString::fromUtf8("рекордер"), Qt::CaseInsensitive));
    }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "tst_startup.moc"
