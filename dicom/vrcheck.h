// The rules of DICOM's value representations, for every value kavimo writes into an object or
// takes from the worklist. Objects declare ISO_IR 192, so texts are UTF-8 and lengths count
// characters. Plain functions without Qt; any thread.
#pragma once

#include <string>

namespace dicom {

enum class Vr {
    AE,  // application entity: 1 to 16 printable ASCII characters, no backslash
    CS,  // code string: up to 16 of A-Z, 0-9, space and underscore
    DA,  // date: YYYYMMDD, a day of the calendar
    TM,  // time: HH[MM[SS[.F...]]]
    UI,  // unique identifier: up to 64 digits and dots
    SH,  // short string: up to 16 characters
    LO,  // long string: up to 64 characters
    LT,  // long text: up to 10240 characters, line breaks allowed
    PN,  // person name: up to three groups (alphabetic=ideographic=phonetic) of up to five
         // components (family^given^middle^prefix^suffix), each group up to 64 characters
};

// Why a single value does not fit its VR, in the user's language, as a phrase that reads alone
// ("longer than 64 characters", "contains a backslash", "not a date"); empty when it fits. Texts
// must be well-formed UTF-8 without control characters (line breaks and tabs only in LT); a
// backslash, which would split the value into several, is refused everywhere but in LT. An empty
// value always fits.
std::string ValueProblem(Vr vr, const std::string& value);

// The same phrase in English, for the log.
std::string ValueProblemForLog(Vr vr, const std::string& value);

// Whether the value fits its VR: ValueProblem is empty.
bool FitsVr(Vr vr, const std::string& value);

// A text made to fit its VR: malformed UTF-8 becomes U+FFFD, control characters and backslashes
// become spaces, a name keeps its first three groups and puts the components past the fifth into
// the fifth, and what is too long is cut after the last whole character that fits; spaces at
// either end go. DA, TM, UI, AE and CS cannot be mended: a value of theirs that does not fit
// becomes empty.
std::string FitValue(Vr vr, const std::string& value);

// Well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool IsUtf8(const std::string& text);

// The name of the VR ("LO"), for messages.
const char* VrName(Vr vr);

}  // namespace dicom
