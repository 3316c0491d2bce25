// An X server for the end-to-end tests: the one DISPLAY names when it answers, else a private
// Xvfb started for this test program (listening on a local socket only) and stopped at its end.
#pragma once

#include <string>

// Makes sure an X server can be reached and DISPLAY names it. False, with the reason, when there
// is none and none can be started.
bool EnsureXServer(std::string* reason);
