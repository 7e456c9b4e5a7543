// Summarising a card's recordings: 10,000 WAV files in 100 folders, headers read, with a
// warm cache (one run before the timed ones). Prints recordings_ms=<median of 5 runs>.
#include "recorder_files/cardreport.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cstdio>

namespace
{

QByteArray Le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A u-Law recording at 8000 bytes a second with a LIST chunk before "fmt ", as some
// recorders write it: 16 KiB of sound.
QByteArray Recording()
{
    const QByteArray fmt = QByteArray::fromHex("07000100401f0000401f000001000800");
    const QByteArray body = "WAVE" + QByteArray("LIST") + Le32(26) + QByteArray(26, 'x') + "fmt " +
                            Le32(16) + fmt + "data" + Le32(16384) + QByteArray(16384, '\x7f');
    return "RIFF" + Le32(body.size()) + body;
}

} // namespace

int main()
{
    constexpr int Folders = 100;
    constexpr int FilesPerFolder = 100;
    QTemporaryDir card;
    const QByteArray bytes = Recording();
    for (int f = 0; f < Folders; ++f) {
        const QString folder = card.path() + QStringLiteral("/REC%1").arg(f, 3, 10, QChar('0'));
        QDir().mkpath(folder);
        for (int i = 0; i < FilesPerFolder; ++i) {
            QFile file(folder + QStringLiteral("/R%1.WAV").arg(i, 4, 10, QChar('0')));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return 1;
        }
    }
    RecordingsSummary summary = SummariseRecordings(card.path()); // warms the cache
    QList<double> runs;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        summary = SummariseRecordings(card.path());
        runs << timer.nsecsElapsed() / 1e6;
    }
    if (summary.count != Folders * FilesPerFolder || !summary.unreadable.isEmpty())
        return 2;
    std::sort(runs.begin(), runs.end());
    std::printf("recordings=%d recordings_ms=%.1f\n", summary.count, runs[2]);
    return 0;
}
