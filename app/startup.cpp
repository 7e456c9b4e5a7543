#include "app/startup.h"

#include "app/plimoappwindow.h"
#include "app/preferences/globals.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "app/preferences/preferencevalues.h"
#include "app/preferences/version.h"
#include "card/udisks.h"
#include "collect/collectcommand.h"
#include "commandline/batchcommand.h"
#include "common/cardidentity.h"
#include "common/printable.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configsettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <optional>

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

} // namespace

int ReadStartupPreferences(const QString& fileName, StartupPreferences* state)
{
    PreferenceFile file(PreferenceTable);
    const int code = file.Read(fileName);
    const bool exists = QFileInfo::exists(fileName) || QFileInfo(fileName).isSymLink();
    // A file that is not there yet is no fault worth a word; anything else is told
    // on standard error, so that a mistyped line can be found. ErrorText shows the
    // characters of the file escaped.
    if (code != 0 && exists)
        SayOnStandardError(ErrorText);
    StartupPreferences read;
    read.code = code;
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

namespace
{

bool WantsConsoleOnly(int argc, char** argv)
{
    // The parser takes -name as --name; "--" ends the options.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* a = argv[i];
        if (a[0] != '-')
            continue;
        a += a[1] == '-' ? 2 : 1;
        const size_t length = std::strcspn(a, "=");
        for (const char* name : {"check", "free", "from", "help", "h", "?", "help-all", "version",
                                 "v", "write", "to", "clock", "no-clock", "keep-old-clock", "eject",
                                 "record", "verify", "inspect", "collect"}) {
            if (length == std::strlen(name) && !std::strncmp(a, name, length))
                return true;
        }
    }
    return false;
}

QString PreferencesArgument(const QCommandLineParser& parser)
{
    const QStringList arguments = parser.positionalArguments();
    return arguments.isEmpty() ? QString::fromLatin1(DefaultPreferencesFileName)
                               : arguments.constFirst();
}

void SetUpParser(QCommandLineParser& parser, QCommandLineOption& check)
{
    // Without a window the application object takes none of Qt's own options: accept
    // the usual ones (-platform offscreen, -style fusion ...) and let them pass.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
                             "stylesheet", "display", "geometry", "qwindowgeometry", "title",
                             "qwindowtitle", "qwindowicon", "session", "name"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "widgetcount"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    parser.setApplicationDescription(QStringLiteral(
        "Plimo player configurator: edits the config.ini of the voice recorder.\n"
        "Without --check, --write, --verify, --inspect or --collect it opens the window.\n"
        "\n"
        "Exit codes:\n"
        "  window     0 when the window is closed\n"
        "  --check    0 every line took effect, 1 a line had no effect,\n"
        "             2 the file cannot be read\n"
        "  --write    0 every card written, 1 nothing written (the preset, an option\n"
        "             or the preferences are at fault), 2 a card failed\n"
        "  --verify   0 every card holds the preset, 1 a card differs, 2 a card failed\n"
        "  --inspect  0 all readable, 1 a recording or config.ini cannot be read,\n"
        "             2 the folder cannot be read\n"
        "  --collect  0 every card collected, 1 a file could not be read (the rest\n"
        "             collected), 2 a card or the archive failed\n"
        "  --help, --version  0; an unknown option or a missing value: 1"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(check);
    parser.addOptions({
        {QStringLiteral("free"),
         QStringLiteral("With --check: the card's free space, in bytes or with kB, MB, GB "
                        "(powers of 1000) or KiB, MiB, GiB; the summary ends with the day the "
                        "card is full."),
         QStringLiteral("size")},
        {QStringLiteral("from"),
         QStringLiteral("With --free: the first day of recording, as YYYY-MM-DD (default: "
                        "today). With --collect: a card folder; may be given many times."),
         QStringLiteral("date|card")},
    });
    AddBatchOptions(parser);
    AddCollectOption(parser);
    parser.addPositionalArgument(QStringLiteral("preferences"),
                                 QStringLiteral("Preferences file (default %1).")
                                     .arg(QLatin1String(DefaultPreferencesFileName)),
                                 QStringLiteral("[preferences]"));
}

// --free and --from of --check; false (reason in *error) when they are no size or date.
bool FreeSpaceOptions(const QCommandLineParser& parser, FreeSpacePlan* plan, QString* error)
{
    const QString free = QStringLiteral("free");
    const QString from = QStringLiteral("from");
    if (!parser.isSet(free) && !parser.isSet(from))
        return true;
    if (!parser.isSet(QStringLiteral("check")) || !parser.isSet(free)) {
        *error = QCoreApplication::translate("ConfigCheck", "--free goes with --check, --from "
                                                            "with --free");
        return false;
    }
    plan->freeText = parser.value(free);
    plan->freeBytes = ParseByteSize(plan->freeText);
    plan->from = parser.isSet(from)
                     ? QDate::fromString(parser.value(from), QStringLiteral("yyyy-MM-dd"))
                     : QDate::currentDate();
    if (plan->freeBytes < 0)
        *error = QCoreApplication::translate("ConfigCheck", "--free takes bytes or a number "
                                                            "with kB, MB, GB, KiB, MiB or GiB, "
                                                            "not %1")
                     .arg(plan->freeText);
    else if (!plan->from.isValid())
        *error =
            QCoreApplication::translate("ConfigCheck", "--from takes a date as YYYY-MM-DD, not %1")
                .arg(parser.value(from));
    return error->isEmpty();
}

// --check, --write, --verify, --inspect, --help and --version need no window and no
// display.
int RunConsole(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    app.setApplicationVersion(VersionText);
    QCommandLineParser parser;
    QCommandLineOption check(QStringLiteral("check"),
                             QStringLiteral("Explain line by line how the recorder reads <file>."),
                             QStringLiteral("file"));
    SetUpParser(parser, check);
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int result = 0;
    const bool collect = parser.isSet(QStringLiteral("collect"));
    if (collect || BatchOptionsGiven(parser)) {
        // The record of each card names it as the disk service knows it: asked once a
        // run, so that a service that does not answer costs its time limit once, not once
        // a card.
        std::optional<QList<DiskVolume>> disks;
        SetCardIdentitySource([&disks](const QString& folder) {
            if (!disks)
                disks = UDisksVolumes();
            const DiskVolume* card = CardDiskOfFolder(*disks, folder);
            return card ? CardIdentity{card->label, card->serial} : CardIdentity();
        });
        result = collect ? RunCollectCommand(parser, PreferencesArgument(parser), out, err)
                         : RunBatchCommand(parser, PreferencesArgument(parser), out, err,
                                           EjectCardsOfFolders);
        SetCardIdentitySource({});
    } else {
        // The lines are read as the window would read them: with its lists of items.
        ReadCommandPreferences(PreferencesArgument(parser), err);
        FreeSpacePlan plan;
        QString error;
        if (FreeSpaceOptions(parser, &plan, &error)) {
            result = CheckConfigFile(parser.value(check), out, PreferenceComboItems(), plan);
        } else {
            err << QCoreApplication::applicationName() << ": " << error << '\n';
            result = 2;
        }
    }
    // An explanation or report that did not reach its reader (a full disk, a closed
    // pipe) is a failure, whatever it says.
    out.flush();
    return out.status() == QTextStream::Ok ? result : 2;
}

} // namespace

int RunPlimoConfigurator(int argc, char** argv, const StartupHooks* hooks)
{
    StartDirectory = QDir::currentPath();
    VersionText = QString::fromLatin1(PlimoVersionText);
    if (WantsConsoleOnly(argc, argv))
        return RunConsole(argc, argv);

    // The application object takes its own options (-platform, -style ...) when it is
    // created; our one argument is the first one left after that.
    QApplication app(argc, argv);
    app.setApplicationVersion(VersionText);
    QCommandLineParser parser;
    QCommandLineOption check(QStringLiteral("check"), QString(), QStringLiteral("file"));
    SetUpParser(parser, check);
    parser.process(app);
    PreferencesFileName = PreferencesArgument(parser);

    StartupPreferences preferences;
    ReadStartupPreferences(PreferencesFileName, &preferences);
    InstallTranslation(app, [](const QString& caption, const QString& text) {
        QMessageBox::warning(nullptr, caption, text);
    });

    QMainWindow* window = CreateMainWindow();
    window->show();
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    if (hooks && hooks->afterShow)
        hooks->afterShow(window);
    const int result = app.exec();

    // A failed write is told on standard error; the exit code stays the event loop's.
    WritePreferences(PreferencesFileName, preferences);
    return result;
}
