// The configurator's own start-up, run with the benchmark probe hooked in once the main
// window is shown. The remaining arguments (the preferences file) go to the program.
#include "app/startup.h"
#include "benchprobe.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    BenchProbe probe(argc, argv);
    StartupHooks hooks;
    hooks.afterShow = [&probe](QMainWindow* window) { probe.arm(window); };
    const int result = RunPlimoConfigurator(argc, argv, &hooks);
    probe.report();
    return result;
}
