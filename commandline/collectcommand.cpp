#include "commandline/collectcommand.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "commandline/batchcommand.h"
#include "commandline/collectcard.h"
#include "platform/copyplatform.h"
#include "platform/folderplatform.h"

#include <QFile>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CollectCommand)
};

QString Name(const char* name)
{
    return QString::fromLatin1(name);
}

// "\r  312 MB of 2100 MB, 12 of 132 files, 35.2 MB/s", rewritten at most five times a
// second.
class ProgressLine
{
public:
    explicit ProgressLine(QTextStream& out) : Out(out) { Clock.start(); }
    bool Show(const CollectProgress& p)
    {
        if (Clock.elapsed() - Shown < 200 && p.bytes < p.totalBytes)
            return true;
        Shown = Clock.elapsed();
        const double seconds = qMax<qint64>(Clock.elapsed(), 1) / 1000.0;
        const QString line = QStringLiteral("%1 MB of %2 MB, %3 of %4 files, %5 MB/s")
                                 .arg(p.bytes / 1000000)
                                 .arg(p.totalBytes / 1000000)
                                 .arg(p.files)
                                 .arg(p.totalFiles)
                                 .arg(p.bytes / 1e6 / seconds, 0, 'f', 1);
        Out << '\r' << line.leftJustified(Width) << Qt::flush;
        Width = qMax(Width, int(line.size()));
        return true;
    }
    void Clear()
    {
        if (Width > 0)
            Out << '\r' << QString(Width, QLatin1Char(' ')) << '\r' << Qt::flush;
        Width = 0;
    }

private:
    QTextStream& Out;
    QElapsedTimer Clock;
    qint64 Shown = -1000;
    int Width = 0;
};

void Tell(const CardCollection& c, QTextStream& out, QTextStream& err)
{
    out << CollectedLine(c) << '\n';
    for (const QString& line : c.Details())
        out << "    " << line << '\n';
    out.flush();
    if (!c.recordError.isEmpty())
        err << QCoreApplication::applicationName() << ": "
            << Text::tr("%1 not recorded: %2").arg(c.card, c.recordError) << '\n';
    err.flush();
}

// The card given before whose folder is the same as card's (another path to it), or
// empty; card is added to seen.
QString SameCardAs(const QString& card, QList<QPair<NodeIdentity, QString>>& seen)
{
    const NodeIdentity id = IdentityOf(QFile::encodeName(card));
    for (const auto& [other, name] : std::as_const(seen)) {
        if (id.IsKnown() && id == other)
            return name;
    }
    seen.append({id, card});
    return QString();
}

} // namespace

QString CollectedLine(const CardCollection& c)
{
    return c.Verdict() + QLatin1Char(' ') + c.card + QStringLiteral(": ") + c.Summary();
}

void AddCollectOption(QCommandLineParser& parser)
{
    parser.addOption({Name("collect"),
                      Text::tr("Copy the recordings and every other file of each --from "
                               "card folder into <archive>/<card>/<date>/, each copy read back "
                               "and checked against its SHA-256; recordings an earlier "
                               "collection of the card holds (the same bytes) are not copied "
                               "again. The card is only read."),
                      Name("archive")});
}

QString CollectUsageError(const QCommandLineParser& parser)
{
    for (const char* other : {"check", "free", "write", "to", "clock", "no-clock", "keep-old-clock",
                              "eject", "record", "verify", "inspect"}) {
        if (parser.isSet(Name(other)))
            return Text::tr("--collect goes with --from only, not with --%1")
                .arg(QLatin1String(other));
    }
    if (parser.values(Name("from")).isEmpty())
        return Text::tr("--collect needs at least one --from card folder");
    return QString();
}

int RunCollectCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                      QTextStream& out, QTextStream& err)
{
    if (const QString error = CollectUsageError(parser); !error.isEmpty()) {
        err << QCoreApplication::applicationName() << ": " << error << '\n';
        return 1;
    }
    ReadCommandPreferences(preferencesFile, err);
    CollectOptions options;
    options.configName = PrefText(Preferences.CFGname);
    options.clockName = PrefText(Preferences.TimeName);
    options.record = DefaultCollectionRecord();
    options.clear = parser.isSet(Name("clear"));
    ProgressLine progress(out);
    if (OutputIsTerminal())
        options.progress = [&progress](const CollectProgress& p) { return progress.Show(p); };
    options.waiting = [&](const QString& line) {
        progress.Clear();
        out << line << Qt::endl;
    };
    CatchStopSignals();
    int result = 0;
    QList<QPair<NodeIdentity, QString>> seen;
    for (const QString& card : parser.values(Name("from"))) {
        if (const QString same = SameCardAs(card, seen); !same.isEmpty()) {
            out << "SKIPPED " << card << ": " << Text::tr("the same card as %1").arg(same)
                << Qt::endl;
            continue;
        }
        const CardCollection c = CollectCard(parser.value(Name("collect")), card, options);
        progress.Clear();
        Tell(c, out, err);
        result = qMax(result, c.ExitCode());
        if (c.stopSignal != 0)
            return c.ExitCode();
    }
    return result;
}
