#include "dicom/dcmtklog.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/oflog/oflog.h"

namespace dicom {

void ConfigureDcmtkLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        const char* debug = std::getenv("KAVIMO_DEBUG");
        const bool trace = debug && std::strcmp(debug, "1") == 0;
        OFLog::configure(trace ? OFLogger::DEBUG_LOG_LEVEL : OFLogger::FATAL_LOG_LEVEL);
    });
}

}  // namespace dicom
