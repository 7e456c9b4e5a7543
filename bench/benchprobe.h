#pragma once

#include <QMetaObject>
#include <QObject>

class QMainWindow;

// Measuring probe shared by the two benchmark programs, so that both measure alike.
//
// The probe must outlive the event loop.
//
// Options, taken out of the argument list before the program sees it:
//   --quit-after-show   close the window as soon as the event loop is first idle
//   --idle-seconds N    stay idle N seconds after start-up, then close the window
//   --grab FILE         save a picture of the window once the event loop is idle
// PLIMO_BENCH_T0 in the environment: the launch time (CLOCK_REALTIME, nanoseconds) taken by
// the runner just before it started the program; without it start-up counts from main().
//
// At the end, report() prints one line:
//   startup_ms=<launch to idle event loop> peak_rss_kib=<peak resident memory>
//   idle_cpu_ms=<CPU time while idle> idle_wall_ms=<length of the idle period>
//   idle_paints=<paint events of all widgets while idle>
class BenchProbe
{
public:
    BenchProbe(int& argc, char** argv);

    // Call once the window is shown, before the event loop runs.
    void arm(QMainWindow* window);

    void report() const;

private:
    void onIdle(QMainWindow* window);
    void onIdleEnd(QMainWindow* window);

    // Notes the window's first paint event.
    struct PaintWatch : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override;
        bool painted = false;
    };
    // Counts the paint events of every widget while idle; with PLIMO_BENCH_PAINTS set in
    // the environment it names each painted widget on standard error.
    struct PaintCount : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override;
        long count = 0;
        bool name = false;
    };

    PaintWatch firstPaint_;
    PaintCount idlePaints_;
    QMetaObject::Connection idleConnection_;
    bool quitAfterShow_ = false;
    int idleSeconds_ = 0;
    const char* grabFile_ = nullptr;
    long long launchNs_ = 0;

    double startupMs_ = -1;
    long long idleStartCpuNs_ = 0;
    long long idleStartWallNs_ = 0;
    double idleCpuMs_ = -1;
    double idleWallMs_ = -1;
};
