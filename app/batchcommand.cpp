#include "app/batchcommand.h"

#include "app/prefcodec.h"
#include "app/preferences.h"
#include "recorder_files/batchwrite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace
{

const char* const ClockFormat = "yyyy-MM-dd HH:mm:ss";

QString Tr(const char* text)
{
    return QCoreApplication::translate("BatchCommand", text);
}

QString Name(const char* name)
{
    return QString::fromLatin1(name);
}

// Items of a combo box filled from a preference list: up to the first empty entry.
int ListItems(const char (*list)[8])
{
    int items = 0;
    while (items < 8 && list[items][0] != '\0')
        ++items;
    return items;
}

// The preferences as the window would start with them; the file is not created or
// rewritten.
void ReadPreferences(const QString& fileName, QTextStream& err)
{
    if (!QFile::exists(fileName))
        return;
    if (PreferenceFile(PreferenceTable).Read(fileName) != 0)
        err << ErrorText << '\n';
}

// The options over SetTime and DelOldTime; false (reason in *error) when they contradict.
bool ClockOptions(const QCommandLineParser& parser, BatchOptions& o, QString* error)
{
    o.writeClock = Preferences.SetTime != 0;
    o.deleteOldClock = Preferences.DelOldTime != 0 && !parser.isSet(Name("keep-old-clock"));
    if (parser.isSet(Name("no-clock"))) {
        if (parser.isSet(Name("clock"))) {
            *error = Tr("--clock and --no-clock exclude each other");
            return false;
        }
        o.writeClock = false;
        return true;
    }
    if (!parser.isSet(Name("clock")))
        return true;
    o.writeClock = true;
    const QString when = parser.value(Name("clock"));
    if (when == QLatin1String("now"))
        return true;
    o.clock = QDateTime::fromString(when, QLatin1String(ClockFormat));
    if (!o.clock.isValid()) {
        *error =
            Tr("--clock takes now or a time as %1, not %2").arg(QLatin1String(ClockFormat), when);
        return false;
    }
    return true;
}

// One line per folder: "EJECTED <folder> <card>" or "NOT EJECTED <folder>: <reason>".
// True when every card came out.
bool EjectWritten(const QStringList& folders, const CardEjector& eject, QTextStream& out)
{
    const QList<EjectResult> results = eject(folders);
    bool all = results.size() == folders.size();
    for (int i = 0; i < folders.size() && i < results.size(); ++i) {
        const EjectResult& result = results.at(i);
        all = all && result.ok;
        if (result.ok)
            out << "EJECTED " << folders.at(i) << ' ' << result.card << '\n';
        else
            out << "NOT EJECTED " << folders.at(i) << ": " << result.error << '\n';
        out.flush();
    }
    return all;
}

} // namespace

void AddBatchOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {Name("write"),
         Tr("Write the configuration saved in <preset> (a config.ini) to every --to folder, "
            "as \"save\" would; no window is opened."),
         Name("preset")},
        {Name("to"), Tr("A card folder to write to; may be given many times."), Name("folder")},
        {Name("clock"),
         Tr("Write the clock file with this time: now, or \"%1\" (default: as SetTime says, "
            "with the time of each write).")
             .arg(QLatin1String(ClockFormat)),
         Name("time")},
        {Name("no-clock"), Tr("Write no clock file.")},
        {Name("keep-old-clock"), Tr("Leave the old clock files (time.ok and TimeName) alone.")},
        {Name("eject"),
         Tr("Once every card is written, unmount and power off each card written and "
            "verified, so that it can be taken out.")},
    });
}

bool BatchOptionsGiven(const QCommandLineParser& parser)
{
    for (const char* name : {"write", "to", "clock", "no-clock", "keep-old-clock", "eject"}) {
        if (parser.isSet(Name(name)))
            return true;
    }
    return false;
}

int RunBatchCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                    QTextStream& out, QTextStream& err, const CardEjector& eject)
{
    QString error;
    const QStringList cards = parser.values(Name("to"));
    if (!parser.isSet(Name("write")))
        error = Tr("--to, --clock, --no-clock, --keep-old-clock and --eject go with --write");
    else if (parser.isSet(Name("check")))
        error = Tr("--check and --write exclude each other");
    else if (cards.isEmpty())
        error = Tr("--write needs at least one --to folder");
    ReadPreferences(preferencesFile, err);
    BatchOptions options;
    if (error.isEmpty() && ClockOptions(parser, options, &error)) {
        options.configName = PrefText(Preferences.CFGname);
        options.clockName = PrefText(Preferences.TimeName);
        const ComboItems items{ListItems(Preferences.HSample), ListItems(Preferences.HMode)};
        QStringList written;
        const int result =
            WriteCards(parser.value(Name("write")), cards, items, options, out, &written);
        if (!parser.isSet(Name("eject")) || written.isEmpty() || !eject)
            return result;
        return EjectWritten(written, eject, out) ? result : 2;
    }
    err << QCoreApplication::applicationName() << ": " << error << '\n';
    return 1;
}
