// A patient as a practice-management system hands it over: on kavimo's command line, in a
// transfer file, or from a second kavimo to the running one. The data comes from outside and is
// checked before anything is made of it. Plain functions without Qt; any thread.
#pragma once

#include <string>
#include <vector>

namespace pms {

struct PatientRequest {
    std::string patientId;  // the practice-management system's own ID of the patient
    std::string lastName;
    std::string firstName;  // may be empty
    std::string birthDate;  // YYYYMMDD, or empty when not given
    std::string sex;        // "M", "F", "O", "U", or empty when not given
    std::string phone;      // as the system wrote it, or empty
};

// Longest ID and name kavimo takes: what a DICOM Patient ID and a name component can hold.
inline constexpr size_t kMaxIdChars = 64;
inline constexpr size_t kMaxTextChars = 64;

// The sex letter ("M", "F", "O", "U") of the ways systems write a sex: the letters, the English
// words in any case (Male, Female, Other, Unknown), and the German W (weiblich), D (divers) and
// X. Empty text gives "" (not given); false for anything else.
bool SexLetterOf(const std::string& text, std::string* letter);

// A birth date as systems write it: YYYYMMDD, YYYY-MM-DD or DD.MM.YYYY, as YYYYMMDD. Empty text
// gives "". False when the text is none of these forms or not a calendar date.
bool BirthDateOf(const std::string& text, std::string* yyyymmdd);

// Why the request cannot be taken (empty when it can): a missing ID or last name, an ID with a
// path character ('/' or '\'), a control character, text that is not UTF-8 or is too long, a
// birth date after `today` (YYYYMMDD). The fields are expected in the forms above.
std::string RequestProblem(const PatientRequest& request, const std::string& today);

// The whole name as kavimo shows it ("Zhang, Wei", or the last name alone), and as a DICOM
// person name ("Zhang^Wei").
std::string DisplayName(const PatientRequest& request);
std::string PersonName(const PatientRequest& request);

// Whole years from a birth date to a day (both YYYYMMDD); 0 when either is not given.
int AgeOn(const std::string& birthDate, const std::string& day);

// True for the name of a picture (the file's name without ".jpg") as kavimo hands it out: 1 to 64
// letters, digits, '_', '-' or '.', not starting with '.'. Anything else (a path character, a
// control character) is refused before a file is named by it.
bool IsValidMmoid(const std::string& mmoid);

// The message a second kavimo sends to the running one: a first line "kavimo-patient 1", one
// "Key=value" line per field, "Show=" with the pictures to show (comma-separated, or empty), and
// a line "end". The values hold no line breaks once checked.
std::string HandoverText(const PatientRequest& request, const std::vector<std::string>& show);

// Reads such a message (the bytes up to and including "end\n"). False, with the reason, when it
// is not one: a wrong first line, an unknown or repeated key, no end line, a picture name that
// IsValidMmoid refuses. The caller still checks the request with RequestProblem.
bool ParseHandover(const std::string& text, PatientRequest* request, std::vector<std::string>* show,
                   std::string* problem);

// The longest message ParseHandover takes.
inline constexpr size_t kMaxHandoverBytes = 4096;

}  // namespace pms
