// The fixed-size records of the patient database and the layout of the work directory.
//
// Every record file is a plain concatenation of these records, little-endian, with no header:
//
//   d:\DentalWorkDir\UserList.fdb                    _USER_INFO x patient count (derived copy)
//   d:\DentalWorkDir\Hospital.fdb                    hospital name, UTF-16LE, no terminator
//   d:\DentalWorkDir\UID<uid>\UserInfoBackup.fdb     the patient's own _USER_INFO (authoritative)
//   d:\DentalWorkDir\UID<uid>\DiagList.fdb           _DIAG_ITEM x diagCount
//   d:\DentalWorkDir\UID<uid>\DisePicList.fdb        _DISE_PIC x picCount
//   d:\DentalWorkDir\UID<uid>\*.jpg                  the patient's pictures
//
// Beside them, not a record file: UID<uid>\Details.txt, what was typed for the patient that the
// record cannot hold (records/patientdetails.h).
//
// The structs are written to and read from the files byte for byte, so their layout is pinned
// below with static_asserts; they are plain data and may be zero-initialised with `= {}`.
#pragma once

#include <cstddef>
#include <cstdint>

#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The record files are little-endian and are read and written as memory images."
#endif

// Patient record, 1032 bytes.
struct _USER_INFO {
    uint64_t uid;               // YYYYMMDDhhmmss of the patient's creation in local time
    char16_t name[16];          // UTF-16, NUL-terminated, at most 15 characters
    int32_t sex;                // 0 female, anything else male
    int32_t age;                // years
    int32_t diagCount;          // records in DiagList.fdb
    int32_t picCount;           // records in DisePicList.fdb
    int64_t phone;              // the phone number as an integer
    char dirPath[128];          // "d:\DentalWorkDir\UID<uid>", 8-bit, NUL-terminated
    char16_t description[350];  // latest diagnosis, UTF-16, NUL-terminated, at most 349 characters
    uint8_t reserved1[8];       // zeroed whenever the description is set
    uint8_t reserved2[132];     // not interpreted
};

// Diagnosis record, 1032 bytes.
struct _DIAG_ITEM {
    uint8_t reserved1[20];   // not interpreted
    char16_t text[350];      // UTF-16 diagnosis text, NUL-terminated
    uint8_t reserved2[312];  // not interpreted
};

// Picture record, 152 bytes.
struct _DISE_PIC {
    uint64_t uid;       // the owning patient
    int32_t kind;       // given by the caller (always 0 in this system)
    uint16_t year;      // creation time of the picture file, local time
    uint8_t month;      // 1-12
    uint8_t day;        // 1-31
    uint8_t dayOfWeek;  // 1-7, 1 = Sunday
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    char path[128];      // logical path of the picture file, UTF-8, NUL-terminated (<= 127 bytes)
    uint8_t padding[4];  // not interpreted
};

static_assert(sizeof(_USER_INFO) == 1032, "_USER_INFO is 1032 bytes");
static_assert(offsetof(_USER_INFO, uid) == 0x000, "_USER_INFO.uid");
static_assert(offsetof(_USER_INFO, name) == 0x008, "_USER_INFO.name");
static_assert(offsetof(_USER_INFO, sex) == 0x028, "_USER_INFO.sex");
static_assert(offsetof(_USER_INFO, age) == 0x02C, "_USER_INFO.age");
static_assert(offsetof(_USER_INFO, diagCount) == 0x030, "_USER_INFO.diagCount");
static_assert(offsetof(_USER_INFO, picCount) == 0x034, "_USER_INFO.picCount");
static_assert(offsetof(_USER_INFO, phone) == 0x038, "_USER_INFO.phone");
static_assert(offsetof(_USER_INFO, dirPath) == 0x040, "_USER_INFO.dirPath");
static_assert(offsetof(_USER_INFO, description) == 0x0C0, "_USER_INFO.description");
static_assert(offsetof(_USER_INFO, reserved1) == 0x37C, "_USER_INFO.reserved1");
static_assert(offsetof(_USER_INFO, reserved2) == 0x384, "_USER_INFO.reserved2");
static_assert(sizeof(_USER_INFO::description) == 700, "description is 700 bytes");

static_assert(sizeof(_DIAG_ITEM) == 1032, "_DIAG_ITEM is 1032 bytes");
static_assert(offsetof(_DIAG_ITEM, reserved1) == 0x000, "_DIAG_ITEM.reserved1");
static_assert(offsetof(_DIAG_ITEM, text) == 0x014, "_DIAG_ITEM.text");
static_assert(offsetof(_DIAG_ITEM, reserved2) == 0x2D0, "_DIAG_ITEM.reserved2");

static_assert(sizeof(_DISE_PIC) == 152, "_DISE_PIC is 152 bytes");
static_assert(offsetof(_DISE_PIC, uid) == 0x00, "_DISE_PIC.uid");
static_assert(offsetof(_DISE_PIC, kind) == 0x08, "_DISE_PIC.kind");
static_assert(offsetof(_DISE_PIC, year) == 0x0C, "_DISE_PIC.year");
static_assert(offsetof(_DISE_PIC, month) == 0x0E, "_DISE_PIC.month");
static_assert(offsetof(_DISE_PIC, day) == 0x0F, "_DISE_PIC.day");
static_assert(offsetof(_DISE_PIC, dayOfWeek) == 0x10, "_DISE_PIC.dayOfWeek");
static_assert(offsetof(_DISE_PIC, hour) == 0x11, "_DISE_PIC.hour");
static_assert(offsetof(_DISE_PIC, minute) == 0x12, "_DISE_PIC.minute");
static_assert(offsetof(_DISE_PIC, second) == 0x13, "_DISE_PIC.second");
static_assert(offsetof(_DISE_PIC, path) == 0x14, "_DISE_PIC.path");
static_assert(offsetof(_DISE_PIC, padding) == 0x94, "_DISE_PIC.padding");

namespace records {

// The work directory and its files, as logical paths of the d: drive.
inline constexpr const char* kWorkDir = "d:\\DentalWorkDir";
inline constexpr const char* kUserListFile = "UserList.fdb";
inline constexpr const char* kHospitalFile = "Hospital.fdb";
inline constexpr const char* kUserBackupFile = "UserInfoBackup.fdb";
inline constexpr const char* kDiagListFile = "DiagList.fdb";
inline constexpr const char* kPictureListFile = "DisePicList.fdb";
// The lock file that keeps a second kavimo out of the work directory (not a record file).
inline constexpr const char* kWorkDirLockFile = "kavimo.lock";

// Caption of every message the records store shows.
inline constexpr const char* kMessageCaption = "Oral image acquisition system";

// At most this many patients are kept.
inline constexpr int kMaxPatients = 1001;

// Longest text that the fixed fields hold, terminator not counted.
inline constexpr size_t kMaxNameUnits = 15;
inline constexpr size_t kMaxDescriptionUnits = 349;
inline constexpr size_t kMaxDirPathBytes = 127;
inline constexpr size_t kMaxPicturePathBytes = 127;

// Hospital.fdb is read up to this many bytes.
inline constexpr size_t kHospitalReadBytes = 128;

// The patient created together with the work directory.
inline constexpr uint64_t kDefaultPatientUid = 20170801102233ull;

}  // namespace records
