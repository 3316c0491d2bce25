#include "records/recordnames.h"

#include <cstdio>

#include "platform/paths.h"
#include "records/recordtypes.h"
#include "records/textconv.h"

namespace records {

uint64_t LocalTimeNumber(const std::tm& local) {
    const uint64_t year = uint64_t(local.tm_year + 1900);
    return year * 10000000000ull + uint64_t(local.tm_mon + 1) * 100000000ull + uint64_t(local.tm_mday) * 1000000ull +
           uint64_t(local.tm_hour) * 10000ull + uint64_t(local.tm_min) * 100ull + uint64_t(local.tm_sec);
}

uint64_t LocalTimeNumber(std::time_t t) {
    std::tm local{};
    ::localtime_r(&t, &local);
    return LocalTimeNumber(local);
}

uint64_t LocalTimeNumberNow() { return LocalTimeNumber(std::time(nullptr)); }

std::string UidText(uint64_t uid) {
    char text[32];
    std::snprintf(text, sizeof text, "UID%lld", static_cast<long long>(uid));
    return text;
}

std::string PatientDirPath(uint64_t uid) { return platform::JoinLogical(kWorkDir, UidText(uid)); }

std::string WorkDirFile(const std::string& name) { return platform::JoinLogical(kWorkDir, name); }

std::string RecordDirPath(const _USER_INFO& user) { return FieldText(user.dirPath); }

std::string PictureFileName(uint64_t localTimeNumber) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.jpg", static_cast<long long>(localTimeNumber));
    return text;
}

std::string PicturePath(const std::string& patientDir, uint64_t localTimeNumber) {
    return platform::JoinLogical(patientDir, PictureFileName(localTimeNumber));
}

std::string PicturePathNow(const _USER_INFO& user) { return PicturePath(RecordDirPath(user), LocalTimeNumberNow()); }

}  // namespace records
