#include "commandline/seasoncommand.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "commandline/batchcommand.h"
#include "commandline/seasonpicture.h"
#include "common/printable.h"
#include "platform/savefile.h"
#include "recorder_files/deployment.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SeasonCommand)
};

QString Name(const char* name)
{
    return QString::fromLatin1(name);
}

QByteArray PngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Writes the season's three files into the archive; the lines telling what failed.
QStringList WriteSeasonFiles(const Season& season)
{
    const std::pair<const char*, QByteArray> files[] = {
        {"season.csv", SeasonTable(season)},
        {"deployments-table.csv", DeploymentTable(season)},
        {"season.png", PngOf(DrawSeason(season).image)}};
    QStringList failed;
    for (const auto& [name, bytes] : files) {
        const QString fileName = season.archive + QLatin1String(name);
        const FileResult result = WriteFileSafely(fileName, bytes);
        if (!result.ok)
            failed << Text::tr("FAILED %1: %2").arg(PrintableText(fileName), result.error);
    }
    return failed;
}

} // namespace

void AddSeasonOption(QCommandLineParser& parser)
{
    parser.addOption({Name("season"),
                      Text::tr("Tell every card of an <archive> filled by --collect day by day "
                               "(from the recordings.csv of its collection folders and the record "
                               "of card writes) and write season.csv, deployments-table.csv and "
                               "season.png into it."),
                      Name("archive")});
}

QString SeasonUsageError(const QCommandLineParser& parser)
{
    for (const char* other : {"check", "free", "from", "write", "to", "clock", "no-clock",
                              "keep-old-clock", "eject", "verify", "inspect", "collect"}) {
        if (parser.isSet(Name(other)))
            return Text::tr("--season goes with --record only, not with --%1")
                .arg(QLatin1String(other));
    }
    return QString();
}

int RunSeasonCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                     QTextStream& out, QTextStream& err)
{
    ReadCommandPreferences(preferencesFile, err);
    SeasonOptions options;
    options.configName = PrefText(Preferences.CFGname);
    options.items = PreferenceComboItems();
    options.recordFile =
        parser.isSet(Name("record")) ? parser.value(Name("record")) : DefaultDeploymentRecord();
    const Season season = ReadSeason(parser.value(Name("season")), options);
    for (const QString& line : SeasonLines(season))
        out << line << '\n';
    if (!season.error.isEmpty())
        return 2;
    const QStringList failed = WriteSeasonFiles(season);
    for (const QString& line : failed)
        out << line << '\n';
    if (failed.isEmpty())
        out << Text::tr("wrote season.csv, deployments-table.csv and season.png into %1")
                   .arg(PrintableText(season.archive))
            << '\n';
    return failed.isEmpty() ? SeasonExitCode(season) : 2;
}
