// CkavimoApp: the application object. It reads the configuration, prepares the process and runs
// the main window modally; the process ends when that run ends.
#pragma once

class CkavimoApp {
public:
    // Runs the program; returns the process's exit code.
    int Run(int argc, char** argv);
};
