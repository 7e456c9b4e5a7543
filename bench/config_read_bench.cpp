// How fast config.ini is read, and how long the window stands still while the form
// loads the largest file it accepts. Prints one line:
//   read_mb_per_s=<ReadConfigSettings over 10 MB of hostile lines, best of 5>
//   load_stall_ms=<longest gap between ticks of a 1 ms timer while the form loads>
#include "app/plimoappwindow.h"
#include "bench/stallwatch.h"
#include "editor/configeditwindow.h"
#include "recorder_files/configsettings.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace
{

// Lines that keep the reader busy without stopping it: blanks that fold away, comments,
// unknown and wrongly cased keywords, timers, settings; the file ends in a control byte.
QByteArray HostileLines(qint64 size)
{
    const QByteArray lines[] = {
        "Loop" + QByteArray(300, ' ') + "=" + QByteArray(300, '\t') + "20\r",
        "; " + QByteArray(400, 'c') + "\r",
        "Nonsense=1\r",
        "loop=20\r",
        "M,8,ulaw\r",
        "VASon = 1 , 1 ; level and time\r\n",
        "T2,15.6,8:30,60\r",
        "T3,*.*,7:0,*\r",
        "T9,1.1,1:1,1\r",
        "Limit=0,0\r",
        "   \t\n\r",
    };
    QByteArray bytes;
    bytes.reserve(size);
    for (int i = 0; bytes.size() + 600 < size; ++i)
        bytes += lines[i % std::size(lines)];
    bytes += QByteArray(size - 2 - bytes.size(), ' ') + "\x01\r";
    return bytes;
}

double ReadSpeed()
{
    const QByteArray bytes = HostileLines(10 * 1000 * 1000);
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ConfigSettings settings;
        QElapsedTimer clock;
        clock.start();
        ReadConfigSettings(buffer, settings, 3, 3);
        best = qMin(best, clock.nsecsElapsed() / 1e9);
    }
    return bytes.size() / 1e6 / best;
}

double LoadStall(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("config.ini"));
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(HostileLines(MaxConfigFileSize)) < 0)
        return -1;
    file.close();
    auto* window = new PlimoAppWindow; // deletes itself when closed
    window->show();
    StallWatch stalls;
    QTimer::singleShot(200, [&] {
        stalls.Start();
        QTimer::singleShot(5, [&] {
            if (!window->editor()->LoadFile(name).ok)
                std::fprintf(stderr, "the form refused the file\n");
        });
        QTimer::singleShot(300, window, &QWidget::close);
    });
    app.exec();
    return stalls.LongestMs();
}

} // namespace

int main(int argc, char** argv)
{
    const double speed = ReadSpeed();
    const double stall = LoadStall(argc, argv);
    std::printf("read_mb_per_s=%.1f load_stall_ms=%.1f\n", speed, stall);
    return stall < 0 ? 1 : 0;
}
