#include "benchprobe.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

namespace
{

long long ClockNs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Removes argv[i] .. argv[i + n - 1] from the argument list.
void DropArgs(int& argc, char** argv, int i, int n)
{
    for (int k = i; k + n <= argc; ++k)
        argv[k] = argv[k + n];
    argc -= n;
}

} // namespace

bool BenchProbe::PaintWatch::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        painted = true;
    return false;
}

bool BenchProbe::PaintCount::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        ++count;
        if (name)
            std::fprintf(stderr, "paint %s \"%s\"\n", watched->metaObject()->className(),
                         qPrintable(watched->objectName()));
    }
    return false;
}

BenchProbe::BenchProbe(int& argc, char** argv)
{
    const char* t0 = std::getenv("PLIMO_BENCH_T0");
    launchNs_ = t0 && *t0 ? std::atoll(t0) : ClockNs(CLOCK_REALTIME);

    for (int i = 1; i < argc;) {
        if (std::strcmp(argv[i], "--quit-after-show") == 0) {
            quitAfterShow_ = true;
            DropArgs(argc, argv, i, 1);
        } else if (std::strcmp(argv[i], "--idle-seconds") == 0 && i + 1 < argc) {
            idleSeconds_ = std::atoi(argv[i + 1]);
            DropArgs(argc, argv, i, 2);
        } else if (std::strcmp(argv[i], "--grab") == 0 && i + 1 < argc) {
            grabFile_ = argv[i + 1];
            DropArgs(argc, argv, i, 2);
        } else {
            ++i;
        }
    }
}

void BenchProbe::arm(QMainWindow* window)
{
    // Start-up ends the first time the event loop is about to wait for events once the window
    // has been painted and activated: by then the window system has exposed it, layout and
    // paint are done, the repaint in active colours too, and nothing the start-up posted is
    // left. (The loop can be about to wait before the expose or the activation arrives, so
    // waiting alone is not enough.)
    window->installEventFilter(&firstPaint_);
    auto* dispatcher = QAbstractEventDispatcher::instance();
    idleConnection_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, window,
                                       [this, window] {
                                           if (!firstPaint_.painted || !window->isActiveWindow())
                                               return;
                                           QObject::disconnect(idleConnection_);
                                           window->removeEventFilter(&firstPaint_);
                                           onIdle(window);
                                       });
    // A platform that never activates the window would leave the run waiting for ever.
    QTimer::singleShot(30000, window, [this] {
        if (startupMs_ < 0) {
            std::fprintf(stderr, "the window was not painted and activated within 30 s\n");
            std::exit(1);
        }
    });
}

void BenchProbe::onIdle(QMainWindow* window)
{
    startupMs_ = (ClockNs(CLOCK_REALTIME) - launchNs_) / 1e6;
    if (grabFile_ && !window->grab().save(QString::fromLocal8Bit(grabFile_)))
        std::fprintf(stderr, "cannot save %s\n", grabFile_);

    if (idleSeconds_ > 0) {
        idleStartCpuNs_ = ClockNs(CLOCK_PROCESS_CPUTIME_ID);
        idleStartWallNs_ = ClockNs(CLOCK_MONOTONIC);
        idlePaints_.name = std::getenv("PLIMO_BENCH_PAINTS") != nullptr;
        QCoreApplication::instance()->installEventFilter(&idlePaints_);
        QTimer::singleShot(idleSeconds_ * 1000, window, [this, window] { onIdleEnd(window); });
    } else if (quitAfterShow_ || grabFile_) {
        QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
    }
}

void BenchProbe::onIdleEnd(QMainWindow* window)
{
    idleCpuMs_ = (ClockNs(CLOCK_PROCESS_CPUTIME_ID) - idleStartCpuNs_) / 1e6;
    idleWallMs_ = (ClockNs(CLOCK_MONOTONIC) - idleStartWallNs_) / 1e6;
    QCoreApplication::instance()->removeEventFilter(&idlePaints_);
    window->close();
}

void BenchProbe::report() const
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("startup_ms=%.3f peak_rss_kib=%ld idle_cpu_ms=%.3f idle_wall_ms=%.1f "
                "idle_paints=%ld\n",
                startupMs_, usage.ru_maxrss, idleCpuMs_, idleWallMs_, idlePaints_.count);
    std::fflush(stdout);
}
