#include "commandline/batchcommand.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "card/cardtarget.h"
#include "commandline/archiveindex.h"
#include "common/printable.h"
#include "recorder_files/batchwrite.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/cardverify.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/deployment.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTextStream>

namespace
{

const char* const ClockFormat = "yyyy-MM-dd HH:mm:ss";

// The texts are written Text::tr("...") so that lupdate finds them.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BatchCommand)
};

QString Name(const char* name)
{
    return QString::fromLatin1(name);
}

// The options over SetTime and DelOldTime; false (reason in *error) when they contradict.
bool ClockOptions(const QCommandLineParser& parser, BatchOptions& o, QString* error)
{
    o.writeClock = Preferences.SetTime != 0;
    o.deleteOldClock = Preferences.DelOldTime != 0 && !parser.isSet(Name("keep-old-clock"));
    if (parser.isSet(Name("no-clock"))) {
        if (parser.isSet(Name("clock"))) {
            *error = Text::tr("--clock and --no-clock exclude each other");
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
        *error = Text::tr("--clock takes now or a time as %1, not %2")
                     .arg(QLatin1String(ClockFormat), when);
        return false;
    }
    if (const QString problem = ClockYearProblem(o.clock.date()); !problem.isEmpty()) {
        *error = QStringLiteral("--clock %1: %2").arg(when, problem);
        return false;
    }
    return true;
}

// One line per folder (EjectLine); true when every card came out.
bool EjectWritten(const QStringList& folders, const CardEjector& eject, QTextStream& out)
{
    const QList<EjectResult> results = eject(folders);
    bool all = results.size() == folders.size();
    for (int i = 0; i < folders.size() && i < results.size(); ++i) {
        all = all && results.at(i).ok;
        out << EjectLine(folders.at(i), results.at(i)) << '\n';
        out.flush();
    }
    return all;
}

} // namespace

void ReadCommandPreferences(const QString& fileName, QTextStream& err)
{
    if (!QFile::exists(fileName))
        return;
    PreferenceFile file(PreferenceTable);
    if (file.Read(fileName) == 0)
        return;
    // The reader's own words are in the preferences file's language: an English line
    // first says what failed.
    err << QCoreApplication::applicationName() << ": "
        << (file.Opened() ? QStringLiteral("the preferences file %1 has a line that is not "
                                           "taken; the rest of it is read:")
                                .arg(PrintableText(fileName))
                          : QStringLiteral("cannot read the preferences file %1: %2; the "
                                           "defaults are used")
                                .arg(PrintableText(fileName), file.OpenFailure()))
        << '\n';
    if (file.Opened())
        err << ErrorText << '\n';
}

void AddBatchOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {Name("write"),
         Text::tr("Write the configuration saved in <preset> (a config.ini) to every --to folder, "
                  "as \"save\" would; no window is opened."),
         Name("preset")},
        {Name("to"), Text::tr("A card folder to write to; may be given many times."),
         Name("folder")},
        {Name("clock"),
         Text::tr("Write the clock file with this time: now, or \"%1\" (default: as SetTime says, "
                  "with the time of each write).")
             .arg(QLatin1String(ClockFormat)),
         Name("time")},
        {Name("no-clock"), Text::tr("Write no clock file.")},
        {Name("keep-old-clock"),
         Text::tr("Leave the old clock files (time.ok and TimeName) alone.")},
        {Name("eject"),
         Text::tr("Once every card is written, unmount and power off each card written and "
                  "verified, so that it can be taken out.")},
        {Name("record"),
         Text::tr(
             "Append the rows of this --write to <file> instead of deployments.csv in the "
             "user's data folder; with --inspect and --season, the card's last write is looked "
             "up there."),
         Name("file")},
        {Name("verify"),
         Text::tr("Compare the config.ini of every --to folder with <preset>, setting by setting; "
                  "nothing is written."),
         Name("preset")},
        {Name("inspect"),
         Text::tr("Report what is on the card in <folder>: config.ini, free space, clock file and "
                  "recordings."),
         Name("folder")},
    });
}

bool BatchOptionsGiven(const QCommandLineParser& parser)
{
    for (const char* name : {"write", "to", "clock", "no-clock", "keep-old-clock", "eject",
                             "record", "verify", "inspect"}) {
        if (parser.isSet(Name(name)))
            return true;
    }
    return false;
}

namespace
{

// What is wrong with a folder just written: no card, a card full too soon, or recordings
// on it that no collection holds.
QStringList TargetWarnings(const QString& folder, const CardTarget& target,
                           const DeploymentRow& row)
{
    const qint64 free = row.freeSpaceKnown ? QStorageInfo(folder).bytesAvailable() : 0;
    const int days = row.freeSpaceKnown ? row.daysUntilFull : -1;
    QStringList warnings = CardWriteWarnings(target, days, CardFullWarningDays(), free);
    if (row.uncollected > 0)
        warnings << Text::tr("%1 recordings not collected").arg(row.uncollected);
    QStringList lines;
    for (const QString& warning : std::as_const(warnings))
        lines << QStringLiteral("WARNING ") + PrintableText(folder) + QStringLiteral(": ") +
                     PrintableText(warning);
    return lines;
}

} // namespace

CardWritten WriteAndRecordCard(const QString& folder, const PreparedWrite& prepared,
                               const CardWriteContext& context)
{
    CardWritten w = WriteOneCard(folder, prepared);
    const bool configWritten = w.result.written.contains(prepared.options.configName);
    DeploymentRow row = DeploymentRowFor(
        w.folder, w.settings, configWritten ? w.config : QByteArray(), w.clock,
        w.result.ok ? QString() : w.result.error, context.identity ? &*context.identity : nullptr);
    row.settingsFile = context.settingsFile;
    const CardTarget target = CardTargetOf(w.folder, context.disks ? context.disks() : nullptr);
    row.isCard = CardTargetRecord(target);
    row.uncollected = UncollectedRecordings(w.folder);
    if (w.result.ok)
        w.lines << TargetWarnings(w.folder, target, row);
    w.recordError = AppendDeployment(context.recordFile, row);
    return w;
}

namespace
{

int RunWrite(const QCommandLineParser& parser, const QStringList& cards, QTextStream& out,
             QTextStream& err, const CardEjector& eject, const DiskSource& disks, QString* error)
{
    BatchOptions options;
    if (!ClockOptions(parser, options, error))
        return -1;
    options.configName = PrefText(Preferences.CFGname);
    options.clockName = PrefText(Preferences.TimeName);
    CardWriteContext context;
    context.recordFile =
        parser.isSet(Name("record")) ? parser.value(Name("record")) : DefaultDeploymentRecord();
    context.settingsFile = QFileInfo(parser.value(Name("write"))).absoluteFilePath();
    context.disks = disks;
    QStringList written; // the folders written and verified, to eject
    const auto writeOne = [&](const QString& folder, const PreparedWrite& prepared) {
        const CardWritten card = WriteAndRecordCard(folder, prepared, context);
        if (!card.recordError.isEmpty()) {
            err << QCoreApplication::applicationName() << ": "
                << Text::tr("%1 not recorded in %2: %3")
                       .arg(PrintableText(folder), PrintableText(context.recordFile),
                            card.recordError)
                << '\n';
            err.flush();
        }
        if (card.result.ok)
            written << card.folder;
        return card;
    };
    const int result = WriteCards(parser.value(Name("write")), cards, PreferenceComboItems(),
                                  options, out, writeOne);
    if (!parser.isSet(Name("eject")) || written.isEmpty() || !eject)
        return result;
    return EjectWritten(written, eject, out) ? result : 2;
}

int RunInspect(const QCommandLineParser& parser, QTextStream& out)
{
    CardReportOptions options = PreferenceReportOptions();
    options.recordFile =
        parser.isSet(Name("record")) ? parser.value(Name("record")) : DefaultDeploymentRecord();
    const CardReport report = InspectCard(parser.value(Name("inspect")), options);
    out << report.text;
    return report.exitCode;
}

} // namespace

QString CommandError(const QCommandLineParser& parser)
{
    int commands = 0;
    for (const char* name : {"check", "write", "verify", "inspect"})
        commands += parser.isSet(Name(name)) ? 1 : 0;
    const bool writing = parser.isSet(Name("write"));
    if (commands > 1)
        return Text::tr("--check, --write, --verify and --inspect exclude each other");
    if (!writing && (parser.isSet(Name("clock")) || parser.isSet(Name("no-clock")) ||
                     parser.isSet(Name("keep-old-clock")) || parser.isSet(Name("eject"))))
        return Text::tr("--clock, --no-clock, --keep-old-clock and --eject go with --write");
    if (!writing && parser.isSet(Name("record")) && !parser.isSet(Name("inspect")))
        return Text::tr("--record goes with --write or --inspect");
    if (parser.isSet(Name("to")) && !writing && !parser.isSet(Name("verify")))
        return Text::tr("--to goes with --write or --verify");
    if ((writing || parser.isSet(Name("verify"))) && parser.values(Name("to")).isEmpty())
        return Text::tr("--write and --verify need at least one --to folder");
    return QString();
}

int RunBatchCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                    QTextStream& out, QTextStream& err, const CardEjector& eject,
                    const DiskSource& disks)
{
    QString error = CommandError(parser);
    const QStringList cards = parser.values(Name("to"));
    ReadCommandPreferences(preferencesFile, err);
    if (error.isEmpty() && parser.isSet(Name("inspect")))
        return RunInspect(parser, out);
    if (error.isEmpty() && parser.isSet(Name("verify")))
        return VerifyCards(parser.value(Name("verify")), cards, PreferenceComboItems(),
                           PrefText(Preferences.CFGname), PrefText(Preferences.TimeName), out);
    if (error.isEmpty()) {
        const int result = RunWrite(parser, cards, out, err, eject, disks, &error);
        if (result >= 0)
            return result;
    }
    err << QCoreApplication::applicationName() << ": " << error << '\n';
    return 1; // a mistaken command line: nothing written, nothing read
}
