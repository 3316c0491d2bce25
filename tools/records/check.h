#pragma once

namespace recordtool {

// Checks the work directory, printing one line per finding and a summary. Returns the exit
// status: 0 clean (warnings allowed), 1 problems found, 2 no work directory.
int RunCheck();

}  // namespace recordtool
