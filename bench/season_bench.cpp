// --season of an archive of 30 cards, 20,000 recordings in all over 180 days, read from the
// collection folders' recordings.csv with a warm cache (one run before the timed ones):
// the cards day by day, season.csv, deployments-table.csv and season.png made. Prints
// season_ms=<median of 5 runs>.
#include "commandline/seasonpicture.h"
#include "recorder_files/deployment.h"
#include "recorder_files/season.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace
{

constexpr int Cards = 30, Recordings = 20000, Days = 180;
const QDate First(2026, 4, 1);

bool Write(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return QDir().mkpath(QFileInfo(fileName).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

// A card's collection folder as --collect leaves it: config.ini and recordings.csv.
bool MakeCard(const QString& archive, int card, QByteArray& record)
{
    const CardIdentity identity{QStringLiteral("REC%1").arg(card, 2, 10, QChar('0')),
                                QStringLiteral("1A2B-%1").arg(card, 4, 10, QChar('0'))};
    const QString folder = archive + QStringLiteral("/%1_%2/%3/")
                                         .arg(identity.label, identity.serial,
                                              First.addDays(Days).toString(Qt::ISODate));
    QByteArray list =
        "card path,bytes,sha256,file time,playing seconds,format,notes,collected as\r\n";
    const int count = Recordings / Cards + (card < Recordings % Cards ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const QDateTime end(First.addDays(i * Days / count), QTime(5 + i % 4, 0));
        const QString name = QStringLiteral("REC/R%1.WAV").arg(i, 5, 10, QChar('0'));
        list += CsvLine({CsvField(name), "480044", QByteArray(64, 'a'), CsvField(CsvTimeText(end)),
                         "3600.000", "u-Law", QByteArray(), CsvField(name)});
    }
    DeploymentRow row;
    row.card = identity;
    row.at = QDateTime(First, QTime(3, 0));
    record += DeploymentLine(row);
    return Write(folder + QStringLiteral("config.ini"),
                 "Event=all\r\nT1,*.*,4:0,60\r\nT2,*.*,6:0,60\r\nT3,*.*,8:0,60\r\n") &&
           Write(folder + QStringLiteral("recordings.csv"), list);
}

int SeasonOnce(const QString& archive, const SeasonOptions& options)
{
    const Season season = ReadSeason(archive, options);
    const QByteArray table = SeasonTable(season) + DeploymentTable(season);
    const SeasonPicture picture = DrawSeason(season);
    int recordings = 0;
    for (const SeasonCard& card : season.cards)
        recordings += card.recordings;
    return table.isEmpty() || picture.image.isNull() ? -1 : recordings;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir root;
    const QString archive = root.filePath(QStringLiteral("archive"));
    QByteArray record = DeploymentHeader();
    for (int card = 0; card < Cards; ++card) {
        if (!MakeCard(archive, card, record))
            return 1;
    }
    SeasonOptions options;
    options.recordFile = root.filePath(QStringLiteral("deployments.csv"));
    if (!Write(options.recordFile, record) || SeasonOnce(archive, options) != Recordings)
        return 2; // also warms the cache
    QList<double> runs;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        SeasonOnce(archive, options);
        runs << timer.nsecsElapsed() / 1e6;
    }
    std::sort(runs.begin(), runs.end());
    std::printf("season_cards=%d season_recordings=%d season_ms=%.1f\n", Cards, Recordings,
                runs[2]);
    return 0;
}
