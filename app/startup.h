#pragma once

// The program's whole run: preferences, application, main window, event loop,
// preferences written back. Returns the event loop's result.
int RunPlimoConfigurator(int argc, char** argv);
