// CkavimoApp: the application object. It reads the configuration, prepares the process and runs
// the main window modally; the process ends when that run ends.
#pragma once

#include <QString>

// The log file of this run: KAVIMO_LOG_FILE, else $XDG_STATE_HOME/kavimo/kavimo.log; empty (no log
// file) without a home directory.
QString LogFilePath();

class CkavimoApp {
public:
    // Runs the program; returns the process's exit code.
    int Run(int argc, char** argv);
};
