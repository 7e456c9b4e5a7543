#include "commandline/arguments.h"

#include "app/preferences/globals.h"
#include "app/preferences/preferences.h"
#include "card/udisks.h"
#include "commandline/batchcommand.h"
#include "commandline/collectcommand.h"
#include "commandline/seasoncommand.h"
#include "common/cardidentity.h"
#include "common/printable.h"
#include "platform/fileplatform.h"
#include "recorder_files/configcheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace
{

const char* const CommandOptions[] = {"check",    "free",    "from",    "help",  "clear",
                                      "help-all", "version", "collect", "season"};

// Qt's own options that take a value (-platform offscreen, -style fusion ...): passed on
// to Qt as they are.
const char* const QtValueOptions[] = {"platform",        "platformpluginpath",
                                      "platformtheme",   "plugin",
                                      "style",           "stylesheet",
                                      "display",         "geometry",
                                      "qwindowgeometry", "title",
                                      "qwindowtitle",    "qwindowicon",
                                      "session",         "name"};

// Options that may be given many times, one card folder each (--from only with --collect:
// with --free it is a date).
const char* const RepeatableOptions[] = {"to", "from"};

template <std::size_t N> bool NameIn(const QString& name, const char* const (&names)[N])
{
    return std::any_of(std::begin(names), std::end(names),
                       [&name](const char* n) { return name == QLatin1String(n); });
}

void AddQtOptions(QCommandLineParser& parser)
{
    // Without a window the application object takes none of Qt's own options: accept
    // the usual ones and let them pass.
    for (const char* name : QtValueOptions) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "widgetcount"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
}

void SetUpParser(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddQtOptions(parser);
    parser.setApplicationDescription(QStringLiteral(
        "Plimo player configurator: edits the config.ini of the voice recorder.\n"
        "Without --check, --write, --verify, --inspect, --collect or --season it opens the\n"
        "window.\n"
        "\n"
        "Exit codes:\n"
        "  window     0 when the window is closed\n"
        "  --check    0 every line took effect, 1 a line had no effect,\n"
        "             2 the file cannot be read\n"
        "  --write    0 every card written, 1 nothing written (the preset, an option\n"
        "             or the preferences are at fault), 2 a card failed\n"
        "  --verify   0 every card holds the preset, 1 a card differs, 2 a card failed\n"
        "  --inspect  0 all readable and nothing needs a look, 1 a recording or\n"
        "             config.ini cannot be read, a line of it had no effect, or the day\n"
        "             by day names something that needs a look, 2 the folder cannot be read\n"
        "  --collect  0 every card collected, 1 a file could not be read or changed\n"
        "             (the rest collected) or --clear kept a recording, 2 a card or the\n"
        "             archive failed or --clear could not remove a recording,\n"
        "             130 or 143 stopped by SIGINT or SIGTERM\n"
        "  --season   0 nothing needs a look, 1 a card needs a look, 2 the archive\n"
        "             cannot be read, holds no collection, or a file of the season\n"
        "             cannot be written\n"
        "  --help, --version  0; an unknown option, a missing value or options that\n"
        "             do not go together: 1, with or without a display"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("check"),
         QStringLiteral("Explain line by line how the recorder reads <file>."),
         QStringLiteral("file")},
        {QStringLiteral("free"),
         QStringLiteral("With --check: the card's free space, in bytes or with kB, MB, GB "
                        "(powers of 1000) or KiB, MiB, GiB; the summary ends with the day the "
                        "card is full."),
         QStringLiteral("size")},
        {QStringLiteral("from"),
         QStringLiteral("With --free: the first day of recording, as YYYY-MM-DD (default: "
                        "today). With --collect: a card folder; may be given many times."),
         QStringLiteral("date|card")},
        {QStringLiteral("clear"),
         QStringLiteral("With --collect: once a card's collect has not failed, remove from the "
                        "card each recording whose copy in the archive is verified (the card "
                        "file and the copy read again and their SHA-256 equal); everything else "
                        "stays.")},
    });
    AddBatchOptions(parser);
    AddCollectOption(parser);
    AddSeasonOption(parser);
    parser.addPositionalArgument(QStringLiteral("preferences"),
                                 QStringLiteral("Preferences file (default %1).")
                                     .arg(QLatin1String(DefaultPreferencesFileName)),
                                 QStringLiteral("[preferences]"));
}

// Whether text, given as an option's value, is itself one of the options (--to, -check,
// --record=x): a value forgotten before the next option.
bool NamesAnOption(const QString& text)
{
    if (!text.startsWith(QLatin1Char('-')) || text == QLatin1String("-") ||
        text == QLatin1String("--"))
        return false;
    QCommandLineParser probe;
    SetUpParser(probe);
    probe.parse({QString(), text});
    return probe.unknownOptionNames().isEmpty();
}

// Why the program's own options with a value do not each have one: a value given twice
// (only --to and --from take many), an empty one, or an option where the value belongs.
QString ValueError(const QCommandLineParser& parser)
{
    QStringList seen;
    for (const QString& name : parser.optionNames()) {
        const QStringList values = parser.values(name);
        if (seen.contains(name) || values.isEmpty() || NameIn(name, QtValueOptions))
            continue;
        seen << name;
        const bool many =
            NameIn(name, RepeatableOptions) &&
            (name != QLatin1String("from") || parser.isSet(QStringLiteral("collect")));
        if (values.size() > 1 && !many)
            return QStringLiteral("--%1 given %2 times (%3): give it once")
                .arg(name)
                .arg(values.size())
                .arg(PrintableText(values.join(QStringLiteral(", "))));
        for (const QString& value : values) {
            if (value.isEmpty())
                return QStringLiteral("--%1 has an empty value").arg(name);
            if (NamesAnOption(value))
                return QStringLiteral("--%1 has no value: %2 follows it")
                    .arg(name, PrintableText(value));
        }
    }
    return QString();
}

QString FirstPositional(const QCommandLineParser& parser)
{
    const QStringList arguments = parser.positionalArguments();
    return arguments.isEmpty() ? QString::fromLatin1(DefaultPreferencesFileName)
                               : arguments.constFirst();
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

// Why the options do not make one command; empty when they do.
QString UsageError(const QCommandLineParser& parser, FreeSpacePlan* plan)
{
    if (const QString error = ValueError(parser); !error.isEmpty())
        return error;
    const QStringList positional = parser.positionalArguments();
    const QStringList folders = parser.values(QStringLiteral("to"));
    const bool command =
        parser.isSet(QStringLiteral("write")) || parser.isSet(QStringLiteral("verify"));
    if (!command && !folders.isEmpty() && !positional.isEmpty())
        return QStringLiteral("%1 --to %2: did you mean --write %1 --to %2?")
            .arg(PrintableText(positional.constFirst()), PrintableText(folders.constFirst()));
    if (positional.size() > 1)
        return QStringLiteral("one preferences file at most, not %1 and %2; each card folder "
                              "goes after its own --to")
            .arg(PrintableText(positional.at(0)), PrintableText(positional.at(1)));
    if (parser.isSet(QStringLiteral("collect")))
        return CollectUsageError(parser);
    if (parser.isSet(QStringLiteral("clear")))
        return QStringLiteral("--clear goes with --collect only");
    if (parser.isSet(QStringLiteral("season")))
        return SeasonUsageError(parser);
    if (const QString error = CommandError(parser); !error.isEmpty())
        return error;
    QString error;
    FreeSpaceOptions(parser, plan, &error);
    return error;
}

// Whether the arguments make a --season without a usage error.
bool RunsSeason(const QStringList& arguments)
{
    QCommandLineParser parser;
    SetUpParser(parser);
    FreeSpacePlan plan;
    return parser.parse(arguments) && UsageError(parser, &plan).isEmpty() &&
           parser.isSet(QStringLiteral("season"));
}

} // namespace

bool WantsWindow(const QStringList& arguments)
{
    QCommandLineParser parser;
    SetUpParser(parser);
    FreeSpacePlan plan;
    if (!parser.parse(arguments) || !UsageError(parser, &plan).isEmpty())
        return false; // told by RunCommandLine, with or without a display
    for (const char* name : CommandOptions) {
        if (parser.isSet(QString::fromLatin1(name)))
            return false;
    }
    return !BatchOptionsGiven(parser);
}

QString PreferencesArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    SetUpParser(parser);
    parser.parse(arguments);
    return FirstPositional(parser);
}

int RunCommandLine(int argc, char** argv)
{
    // season.png is drawn with fonts, which want a QGuiApplication: one without a display,
    // made only for a --season that will run (a mistaken command line is told alone).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool season = RunsSeason(arguments);
    if (season)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> made(season ? new QGuiApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QCoreApplication& app = *made;
    app.setApplicationVersion(VersionText);
    UseSystemMessagesOf(QString()); // the terminal is English, whatever the desktop's language
    QCommandLineParser parser;
    SetUpParser(parser);
    parser.process(app); // an unknown option or a missing value: told, exit code 1
    QTextStream out(stdout);
    QTextStream err(stderr);
    FreeSpacePlan plan;
    if (const QString error = UsageError(parser, &plan); !error.isEmpty()) {
        err << QCoreApplication::applicationName() << ": " << error << '\n';
        return 1;
    }
    int result = 0;
    if (parser.isSet(QStringLiteral("season"))) {
        result = RunSeasonCommand(parser, FirstPositional(parser), out, err);
        out.flush();
        return out.status() == QTextStream::Ok ? result : 2;
    }
    const bool collect = parser.isSet(QStringLiteral("collect"));
    if (collect || BatchOptionsGiven(parser)) {
        // The record of each card names it as the disk service knows it: asked once a
        // run, so that a service that does not answer costs its time limit once, not once
        // a card.
        std::optional<QList<DiskVolume>> disks;
        const DiskSource known = [&disks]() -> const QList<DiskVolume>* {
            if (!disks)
                disks = UDisksVolumes();
            return disks->isEmpty() ? nullptr : &*disks;
        };
        SetCardIdentitySource([&known](const QString& folder) {
            const DiskVolume* card = known() ? CardDiskOfFolder(*known(), folder) : nullptr;
            return card ? CardIdentity{card->label, card->serial} : CardIdentity();
        });
        result = collect ? RunCollectCommand(parser, FirstPositional(parser), out, err)
                         : RunBatchCommand(parser, FirstPositional(parser), out, err,
                                           EjectCardsOfFolders, known);
        SetCardIdentitySource({});
    } else {
        // The lines are read as the window would read them: with its lists of items.
        ReadCommandPreferences(FirstPositional(parser), err);
        result = CheckConfigFile(parser.value(QStringLiteral("check")), out, PreferenceComboItems(),
                                 plan);
    }
    // An explanation or report that did not reach its reader (a full disk, a closed
    // pipe) is a failure, whatever it says.
    out.flush();
    return out.status() == QTextStream::Ok ? result : 2;
}
