#pragma once

#include <functional>

class QMainWindow;

// Optional hooks into the run, for the benchmark build only; the shipped program
// passes none.
struct StartupHooks {
    // Called once the main window is shown, before the event loop starts.
    std::function<void(QMainWindow*)> afterShow;
};

// The program's whole run: preferences, application, main window, event loop,
// preferences written back. Returns the event loop's result.
int RunPlimoConfigurator(int argc, char** argv, const StartupHooks* hooks = nullptr);
