#include "app/startup.h"

#include "app/plimoappwindow.h"
#include "app/preferences/globals.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "app/preferences/preferencevalues.h"
#include "app/preferences/version.h"
#include "commandline/arguments.h"
#include "common/printable.h"
#include "platform/fileplatform.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configlines.h"
#include "recorder_files/configsettings.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStatusBar>
#include <QTranslator>
#include <cstdio>

namespace
{

void SayOnStandardError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// The texts are written Text::tr("...") so that lupdate finds them.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

const PreferenceRow* RowOfKey(const QByteArray& key)
{
    for (const PreferenceRow* row = PreferenceTable; row->kind != 0; ++row) {
        if (key == row->key)
            return row;
    }
    return nullptr;
}

QByteArray StoredValue(const PreferenceRow& row)
{
    return QByteArray(PreferenceSyntax::Element(row, 0), int(PreferenceSyntax::ElementSize(row)));
}

// Whether at least one line of the file takes effect in a config.ini.
bool ReadsAsConfig(const QString& fileName)
{
    QByteArray bytes;
    if (!ReadSmallFile(fileName, MaxConfigFileSize, &bytes).isEmpty() ||
        bytes.size() > MaxConfigFileSize)
        return false;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ConfigSettings settings;
    const ConfigReadResult read = ReadConfigSettings(buffer, settings, 8, 8);
    return read.lines > read.linesWithoutEffect;
}

} // namespace

int ReadStartupPreferences(const QString& fileName, StartupPreferences* state)
{
    PreferenceFile file(PreferenceTable);
    const int code = file.Read(fileName);
    const bool exists = QFileInfo::exists(fileName) || QFileInfo(fileName).isSymLink();
    // A file that is not there yet is no fault worth a word; anything else is told
    // on standard error, so that a mistyped line can be found. ErrorText shows the
    // characters of the file escaped.
    StartupPreferences read;
    read.code = code;
    // A preset, a recording or any other file named by mistake is read without effect
    // and must never be replaced by the preferences at exit.
    read.notPreferences = file.Opened() && !file.ReadsAsPreferences();
    read.looksLikeConfig = read.notPreferences && ReadsAsConfig(fileName);
    read.writeAtExit = !read.notPreferences;
    if (code != 0 && exists && !read.notPreferences)
        SayOnStandardError(ErrorText);
    if (!file.Opened() && exists) {
        // The user's settings are in there: never replace them with the defaults.
        read.writeAtExit = false;
        SayOnStandardError(Text::tr("Cannot read the preferences file %1: %2. Starting with the "
                                    "defaults; the file is left unchanged.")
                               .arg(PrintableText(fileName), file.OpenFailure()));
    }
    for (auto line = file.RefusedLines().cbegin(); line != file.RefusedLines().cend(); ++line) {
        if (const PreferenceRow* row = RowOfKey(line.key()))
            read.refusedLines.insert(line.key(), {line.value(), StoredValue(*row)});
    }
    read.cardPath = QByteArray(Preferences.SDpath);
    const QString clash =
        ClockNameClash(PrefText(Preferences.CFGname), PrefText(Preferences.TimeName),
                       Preferences.SetTime != 0, Preferences.DelOldTime != 0);
    if (!clash.isEmpty())
        SayOnStandardError(
            Text::tr("%1: %2. Save refuses to write the card until the names differ.")
                .arg(PrintableText(fileName), clash));
    if (code == PrefOpenError && read.writeAtExit) {
        // Missing file: create it at once with what we have. An Include of a
        // missing file lands here too, and the rewrite drops that line.
        WritePreferences(fileName, read);
    }
    if (state)
        *state = read;
    return code;
}

QString StartupNotice(const QString& fileName, const StartupPreferences& start)
{
    if (!start.notPreferences)
        return QString();
    QString notice = Text::tr("%1 is no preferences file: it is left as it is, and the "
                              "preferences of this run will not be saved")
                         .arg(PrintableText(fileName));
    if (start.looksLikeConfig)
        notice += QStringLiteral(". ") + Text::tr("To open a config.ini, use Load from, or "
                                                  "--check in a terminal");
    return notice;
}

bool WritePreferences(const QString& fileName, const StartupPreferences& start)
{
    if (!start.writeAtExit)
        return true;
    // A line refused at start stays as it was, unless the user has set that value since.
    QHash<QByteArray, QByteArray> kept;
    for (auto line = start.refusedLines.cbegin(); line != start.refusedLines.cend(); ++line) {
        const PreferenceRow* row = RowOfKey(line.key());
        if (row && StoredValue(*row) == line.value().second)
            kept.insert(line.key(), line.value().first);
    }
    const QString cardPath = PrefText(Preferences.SDpath);
    if (const QString why = WhyPathCannotBeStored(cardPath); !why.isEmpty()) {
        SayOnStandardError(Text::tr("The card path %1 cannot be kept in the preferences file: %2. "
                                    "The path stored before is kept.")
                               .arg(PrintableText(cardPath), why));
        qstrncpy(Preferences.SDpath, start.cardPath.constData(), sizeof Preferences.SDpath);
    }
    PreferenceFile file(PreferenceTable);
    if (file.Write(fileName, kept) == PrefOpenError) {
        SayOnStandardError(Text::tr("Cannot write the preferences file %1: %2")
                               .arg(PrintableText(fileName), file.OpenFailure()));
        return false;
    }
    return true;
}

namespace
{

// Qt's own texts (the file and message dialogs, standard buttons) in the language of
// our translation, from the translations Qt installs (Debian: qt6-translations-l10n).
void InstallQtTranslation(QApplication& app, const QString& language)
{
    if (language.isEmpty())
        return;
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace

QTranslator* InstallTranslation(QApplication& app,
                                const std::function<void(const QString&, const QString&)>& warn)
{
    const QString language = PrefText(Preferences.Language);
    if (language.isEmpty())
        return nullptr;
    if (!QFile::exists(language)) {
        warn(QStringLiteral("File error"),
             QStringLiteral("Cannot find language file<") + language + QStringLiteral(">\n"));
        return nullptr;
    }
    auto* translator = new QTranslator(&app);
    if (translator->load(language, QStringLiteral("."))) {
        // Qt's own texts first, so that ours win where both know a text.
        InstallQtTranslation(app, translator->language());
        app.installTranslator(translator);
        // The numbers the window adds (free space, card sizes) as the language writes them,
        // and the system's reasons (a full disk, a pulled card) in its words.
        if (!translator->language().isEmpty())
            QLocale::setDefault(QLocale(translator->language()));
        UseSystemMessagesOf(translator->language());
    }
    return translator;
}

QMainWindow* CreateMainWindow()
{
    auto* window = new PlimoAppWindow;
    if (Preferences.SizeX != 0)
        window->setMaximumWidth(Preferences.SizeX);
    if (Preferences.SizeY != 0)
        window->setMaximumHeight(Preferences.SizeY);
    return window;
}

int RunPlimoConfigurator(int argc, char** argv, const StartupHooks* hooks)
{
    StartDirectory = QDir::currentPath();
    VersionText = QString::fromLatin1(PlimoVersionText);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Decided before any application object exists: the window's would need a display.
    if (!WantsWindow(arguments))
        return RunCommandLine(argc, argv);

    // The application object takes its own options (-platform, -style ...) when it is
    // created; our one argument is the first one left after that.
    QApplication app(argc, argv);
    app.setApplicationVersion(VersionText);
    PreferencesFileName = PreferencesArgument(QCoreApplication::arguments());

    StartupPreferences preferences;
    ReadStartupPreferences(PreferencesFileName, &preferences);
    UseSystemMessagesOf(QString()); // the translation's language, if any, from here on
    InstallTranslation(app, [](const QString& caption, const QString& text) {
        QMessageBox::warning(nullptr, caption, text);
    });

    QMainWindow* window = CreateMainWindow();
    if (const QString notice = StartupNotice(PreferencesFileName, preferences); !notice.isEmpty()) {
        // Said once, after what the form said at its start (the load of the card).
        QString said = window->statusBar()->currentMessage();
        if (said == QCoreApplication::translate("PlimoAppWindow", "Ready"))
            said.clear();
        window->statusBar()->showMessage(
            said.isEmpty() ? notice : notice + QStringLiteral(". ") + said, 0);
    }
    window->show();
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    if (hooks && hooks->afterShow)
        hooks->afterShow(window);
    const int result = app.exec();

    // A failed write is told on standard error; the exit code stays the event loop's.
    WritePreferences(PreferencesFileName, preferences);
    return result;
}
