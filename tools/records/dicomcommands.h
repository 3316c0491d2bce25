// The archive commands of kavimo-records: DICOM files of a patient's pictures, sending them to
// the archive and reading the worklist.
#pragma once

#include <cstdint>
#include <string>

namespace dicom {
struct PacsTls;
}

namespace recordtool {

// Each returns the tool's exit status.
int ExportDicom(uint64_t uid, const std::string& hostDir);
int SendDicom(uint64_t uid, const std::string& pacs, const std::string& callingAet, const dicom::PacsTls& tls);
int ShowWorklist(const std::string& pacs, const std::string& callingAet, const dicom::PacsTls& tls,
                 const std::string& date);

}  // namespace recordtool
