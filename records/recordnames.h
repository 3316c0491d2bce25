// Numbers and names made from the local time: patient identifiers (UIDs), the patient directory
// names and the picture file names. The time is passed in so that callers and tests can use a
// fixed one; the *Now functions read the clock.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

struct _USER_INFO;

namespace records {

// year * 10^10 + month * 10^8 + day * 10^6 + hour * 10^4 + minute * 100 + second of a broken-down
// local time (tm_year counts from 1900, tm_mon from 0). 2017-08-01 10:22:33 gives 20170801102233.
uint64_t LocalTimeNumber(const std::tm& local);

// The same number for a time value, converted to local time.
uint64_t LocalTimeNumber(std::time_t t);

// The same number for the current local time.
uint64_t LocalTimeNumberNow();

// A new patient's UID is the local time of its creation.
inline uint64_t MakeUid(std::time_t t) { return LocalTimeNumber(t); }
inline uint64_t MakeUidNow() { return LocalTimeNumberNow(); }

// "UID%lld": how a UID is shown and how its directory is named.
std::string UidText(uint64_t uid);

// The logical directory of a patient: "d:\DentalWorkDir\UID<uid>".
std::string PatientDirPath(uint64_t uid);

// The logical path of a file in the work directory: "d:\DentalWorkDir\<name>".
std::string WorkDirFile(const std::string& name);

// The patient directory held in a record's dirPath (8-bit text up to its NUL).
std::string RecordDirPath(const _USER_INFO& user);

// "%lld.jpg" of a local time number.
std::string PictureFileName(uint64_t localTimeNumber);
inline std::string PictureFileName(const std::tm& local) { return PictureFileName(LocalTimeNumber(local)); }
inline std::string PictureFileNameNow() { return PictureFileName(LocalTimeNumberNow()); }

// A picture's full logical path: the patient directory, "\", the time-stamped name.
std::string PicturePath(const std::string& patientDir, uint64_t localTimeNumber);

// The path of a picture taken now for a patient: its record's dirPath, "\", the current time's
// name. This is how captured pictures are named.
std::string PicturePathNow(const _USER_INFO& user);

}  // namespace records
