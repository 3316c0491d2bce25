// DCMTK's own log: quiet (errors only) unless KAVIMO_DEBUG=1 asks for the trace, in which case
// it tells everything it does. Our callers get every failure as a message of their own.
#pragma once

namespace dicom {

// Sets the level once per process; later calls do nothing.
void ConfigureDcmtkLog();

}  // namespace dicom
