// An X server for the end-to-end tests: a private Xvfb started for this test program (listening on
// a local socket only, stopped at its end), else the one DISPLAY names when it answers.
#pragma once

#include <string>

// Makes sure an X server can be reached and DISPLAY names it. False, with the reason, when there
// is none and none can be started.
bool EnsureXServer(std::string* reason);
