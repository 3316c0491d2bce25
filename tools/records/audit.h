// kavimo-records audit: the work directory's audit trail, one event per line.
#pragma once

#include <string>

namespace recordtool {

// True for YYYYMMDD (eight digits).
bool IsDate(const std::string& text);

// Prints the audit trail's events, from the local day `since` (YYYYMMDD; empty: all) on. Returns
// the exit status: 0, or 1 when the trail cannot be read.
int ShowAuditTrail(const std::string& since);

}  // namespace recordtool
