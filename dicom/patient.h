// The patient as the archive sees it: the attributes made from a kavimo record and, for a
// patient picked from the worklist, what the worklist said about them.
#pragma once

#include <cstdint>
#include <string>

struct _USER_INFO;

namespace records {
struct PatientDetails;
}

namespace dicom {

// What the worklist gave for a patient. kavimo keeps it in a small file of its own in the
// patient's directory, so that the record files stay as they are.
struct WorklistPatient {
    std::string patientId;
    std::string patientName;  // as the worklist wrote it (family^given...)
    std::string birthDate;    // YYYYMMDD or empty
    std::string sex;          // F, M, O or empty
    std::string issuer;       // Issuer of Patient ID, or empty when the worklist gave none
};

// The file in the patient's directory that held the worklist's data before the patient's details
// file took it in (records/patientdetails.h); still read when a patient has no details file.
inline constexpr const char* kWorklistFile = "Worklist.txt";

// Reads the worklist file of a patient directory (host path). False when there is none or it
// holds no Patient ID.
bool ReadWorklistFile(const std::string& patientHostDir, WorklistPatient* patient);

// The worklist file's text, as Read reads it: "Key=value" lines. False when it holds no
// Patient ID.
bool ParseWorklistText(const std::string& text, WorklistPatient* patient);

// Writes the file, replacing any earlier one as a whole. False (with the reason) on failure.
bool WriteWorklistFile(const std::string& patientHostDir, const WorklistPatient& patient, std::string* error);

// The patient attributes of an object, as DICOM text (UTF-8).
struct PatientAttributes {
    std::string patientId;
    std::string issuer;  // of the Patient ID; empty when unknown
    std::string patientName;
    std::string birthDate;
    std::string sex;
    std::string age;
};

// The attributes of a record's patient; where the patient's details (records/patientdetails.h)
// give an outside ID, a name, a birth date or a sex, those are used instead. kavimo's own Patient
// ID (the record's UID) carries `ownIssuer`; an outside ID carries its own issuer, or none. An
// unknown sex is left empty, as Patient's Sex has it; "other" is O.
PatientAttributes MakePatientAttributes(const _USER_INFO& user, const records::PatientDetails* details,
                                        const std::string& ownIssuer);

// A kavimo name as a person name: the whole name in the family-name component. Characters that
// would split it into components or values are replaced by spaces.
std::string PersonNameFromText(const std::string& utf8Name);

// "NNNY" for an age in years; empty when the age is not between 0 and 999.
std::string AgeString(int years);

// Whole years between a birth date (YYYYMMDD) and a day (YYYYMMDD); -1 when either is not a
// valid date or the birth date lies after the day.
int AgeOn(const std::string& birthDate, const std::string& day);

}  // namespace dicom
