// What was typed for a patient, beside the fixed record: the record holds a 15-character name, the
// phone and the age as numbers and the sex as female or male, so the whole name, the phone as
// text, the birth date, an "other" or "unknown" sex and an outside Patient ID with its issuer are
// kept in a small UTF-8 text file in the patient's directory. The record files stay as they are;
// readers that know only them see the record, readers that know this file prefer it.
//
//   Name=Maximilian Müller-Lüdenscheidt
//   Phone=+49 (30) 123456
//   BirthDate=19800229
//   Sex=U
//   PatientID=P-0042
//   IssuerOfPatientID=CITY
//   PersonName=Müller-Lüdenscheidt^Maximilian
//
// One "Key=value" line each, every key once, in any order; an empty value means "not given".
// A patient made from the worklist used to keep the worklist's data in Worklist.txt; that file is
// still read when there is no details file. Plain functions without Qt; any thread.
#pragma once

#include <string>

namespace records {

inline constexpr const char* kDetailsFile = "Details.txt";
// The file that kept a worklist patient's identity before the details file; read, never written.
inline constexpr const char* kOldWorklistFile = "Worklist.txt";
// A details file is a few lines; anything larger is not one.
inline constexpr size_t kMaxDetailsBytes = 4096;
// The old worklist file is read whole up to this size (its values were never checked: an ID of
// thousands of characters must come back whole, to be refused where it is used, not cut).
inline constexpr size_t kMaxOldWorklistBytes = 1 << 20;

struct PatientDetails {
    std::string name;        // the whole name as typed, UTF-8
    std::string phone;       // the phone as typed
    std::string birthDate;   // YYYYMMDD, or empty
    std::string sex;         // "M", "F", "O" (other), "U" (unknown), or empty when not given
    std::string patientId;   // an outside Patient ID (the worklist's), or empty
    std::string issuer;      // the Issuer of that Patient ID, or empty
    std::string personName;  // the name as the worklist wrote it (family^given...), or empty
};

// Reads a details file's text. False, with what is wrong in *problem, when the text is not a
// details file: a line without '=', an unknown or repeated key, text that is not UTF-8 or holds
// control characters, a birth date that is not a date, a sex that is not one of M, F, O, U.
bool ParsePatientDetails(const std::string& text, PatientDetails* details, std::string* problem);

// The file's text for the details; line breaks and other control characters in a value become
// spaces, so that a value cannot end its line early.
std::string PatientDetailsText(const PatientDetails& details);

enum class DetailsFound { None, Details, OldWorklist, Damaged };

// The details of a patient directory (host path): the details file when there is one, else what
// an old Worklist.txt holds. Damaged when the details file cannot be read as one (the reason in
// *problem); the caller then goes by the record.
DetailsFound ReadPatientDetails(const std::string& patientHostDir, PatientDetails* details,
                                std::string* problem = nullptr);

// Writes the details file, replacing an earlier one as a whole (records::ReplaceFile). False,
// with the reason, on failure.
bool WritePatientDetails(const std::string& patientHostDir, const PatientDetails& details, std::string* error);

// The order a patient picked from the worklist came with, so that the pictures of its day land on
// it in the clinic's archive. Kept in its own file beside the details file, which readers that
// do not know these keys would refuse whole:
//
//   Date=20261208
//   StudyInstanceUID=1.2.840.113619.2.55.3.604688119.971.1
//   AccessionNumber=ACC-0042
//   RequestedProcedureID=RP-7
//   RequestedProcedureDescription=Intraoral photographs
//   ScheduledProcedureStepID=SPS-7
//   ScheduledProcedureStepDescription=Check-up
//   ReferringPhysicianName=Berg^Anna
//
// The same "Key=value" lines, UTF-8; keys this version does not know are passed over.
inline constexpr const char* kOrderFile = "Order.txt";
inline constexpr size_t kMaxOrderBytes = 8192;

struct PatientOrder {
    std::string date;  // YYYYMMDD: the day whose pictures belong to the order
    std::string studyUid;
    std::string accessionNumber;
    std::string requestedProcedureId;
    std::string requestedProcedureDescription;
    std::string stepId;
    std::string stepDescription;
    std::string referringPhysician;  // a person name (family^given...)

    bool IsEmpty() const {
        return studyUid.empty() && accessionNumber.empty() && requestedProcedureId.empty() && stepId.empty();
    }
};

// Reads an order file's text. False, with what is wrong in *problem, for a line without '=', a
// key given twice, a value that is not UTF-8 or holds control characters, or a date that is not
// one.
bool ParsePatientOrder(const std::string& text, PatientOrder* order, std::string* problem);
std::string PatientOrderText(const PatientOrder& order);

enum class OrderFound { None, Order, Damaged };
OrderFound ReadPatientOrder(const std::string& patientHostDir, PatientOrder* order, std::string* problem = nullptr);
// Writes the order file, replacing an earlier one as a whole; false, with the reason, on failure.
bool WritePatientOrder(const std::string& patientHostDir, const PatientOrder& order, std::string* error);

// True for a YYYYMMDD that names a day of the Gregorian calendar.
bool IsValidDate(const std::string& yyyymmdd);

}  // namespace records
