#include "records/patientdetails.h"

#include <cstring>

#include "platform/text.h"
#include "records/recordfile.h"
#include "records/textconv.h"

namespace records {
namespace {

// A key of a "Key=value" file and the field of the record it fills.
template <typename Record>
struct FieldKey {
    const char* name;
    std::string Record::*field;
};
using Key = FieldKey<PatientDetails>;
using OrderKey = FieldKey<PatientOrder>;

constexpr Key kKeys[] = {
    {"Name", &PatientDetails::name},
    {"Phone", &PatientDetails::phone},
    {"BirthDate", &PatientDetails::birthDate},
    {"Sex", &PatientDetails::sex},
    {"PatientID", &PatientDetails::patientId},
    {"IssuerOfPatientID", &PatientDetails::issuer},
    {"PersonName", &PatientDetails::personName},
};

// The keys of the old worklist file, and where their values go. Its sex is left out: the
// record's sex, which the staff may have corrected, has always been the one that counts.
constexpr Key kOldWorklistKeys[] = {
    {"PatientID", &PatientDetails::patientId},
    {"PatientName", &PatientDetails::personName},
    {"PatientBirthDate", &PatientDetails::birthDate},
    {"IssuerOfPatientID", &PatientDetails::issuer},
};

constexpr OrderKey kOrderKeys[] = {
    {"Date", &PatientOrder::date},
    {"StudyInstanceUID", &PatientOrder::studyUid},
    {"AccessionNumber", &PatientOrder::accessionNumber},
    {"RequestedProcedureID", &PatientOrder::requestedProcedureId},
    {"RequestedProcedureDescription", &PatientOrder::requestedProcedureDescription},
    {"ScheduledProcedureStepID", &PatientOrder::stepId},
    {"ScheduledProcedureStepDescription", &PatientOrder::stepDescription},
    {"ReferringPhysicianName", &PatientOrder::referringPhysician},
};

// One "Key=value" line per key, in the keys' order; a control character in a value becomes a
// space, so that a value never breaks its line.
template <typename Keys, typename Record>
std::string KeyValueText(const Keys& keys, const Record& record) {
    std::string text;
    for (const auto& key : keys) {
        text += key.name;
        text += '=';
        for (char c : record.*key.field) {
            const auto u = static_cast<unsigned char>(c);
            text += (u < 0x20 || u == 0x7f) ? ' ' : c;
        }
        text += '\n';
    }
    return text;
}

// Well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF) without control
// characters.
bool IsCleanUtf8(const std::string& text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        char32_t code = 0;
        const size_t length = DecodeUtf8At(p, end, &code);
        if (length == 0 || code < 0x20 || code == 0x7f) return false;
        p += length;
    }
    return true;
}

// Splits the text into its lines: each ends at '\n'; a last line without one counts too.
template <typename Each>
bool ForEachLine(const std::string& text, Each each) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (!each(text.substr(start, end - start))) return false;
        start = end + 1;
    }
    return true;
}

bool ParseOldWorklist(const std::string& text, PatientDetails* details) {
    PatientDetails read;
    ForEachLine(text, [&](const std::string& line) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) return true;
        for (const Key& key : kOldWorklistKeys) {
            if (line.compare(0, equals, key.name) == 0 && std::strlen(key.name) == equals) {
                read.*key.field = line.substr(equals + 1);
            }
        }
        return true;
    });
    if (read.patientId.empty()) return false;
    *details = read;
    return true;
}

// Reads a small file whole; false when it is missing, unreadable or larger than `limit`.
bool ReadSmallFile(const std::string& hostPath, size_t limit, std::string* text) {
    text->assign(limit + 1, '\0');
    int error = 0;
    const ssize_t n = ReadFileAt(hostPath, &(*text)[0], text->size(), 0, &error);
    if (n < 0) return false;
    text->resize(size_t(n));
    return true;
}

// What is wrong with a "Key=value" file, for the user; the keys are the file's own names.
std::string NoEqualsProblem(int lineNumber) {
    //: %1 is a line number of a "Key=value" file
    return text::Arg(text::Tr("line %1: no \"=\""), {std::to_string(lineNumber)});
}

std::string TwiceProblem(int lineNumber, const std::string& key) {
    //: %1 is a line number, %2 a key of a "Key=value" file
    return text::Arg(text::Tr("line %1: %2 given twice"), {std::to_string(lineNumber), key});
}

std::string NotUtf8Problem(int lineNumber, const std::string& key) {
    //: %1 is a line number, %2 a key of a "Key=value" file
    return text::Arg(text::Tr("line %1: %2 is not UTF-8 text"), {std::to_string(lineNumber), key});
}

std::string NotADateProblem(const char* key) {
    //: %1 is a key of a "Key=value" file ("BirthDate", "Date")
    return text::Arg(text::Tr("%1 is not a YYYYMMDD date"), {key});
}

std::string WriteProblem(const char* file, int errorNumber) {
    //: %1 is a file name, %2 the system's reason
    return text::Arg(text::Tr("cannot write %1: %2"), {file, std::strerror(errorNumber)});
}

}  // namespace

bool IsValidDate(const std::string& yyyymmdd) {
    if (yyyymmdd.size() != 8) return false;
    for (char c : yyyymmdd) {
        if (c < '0' || c > '9') return false;
    }
    const int year = std::stoi(yyyymmdd.substr(0, 4));
    const int month = std::stoi(yyyymmdd.substr(4, 2));
    const int day = std::stoi(yyyymmdd.substr(6, 2));
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool ParsePatientDetails(const std::string& text, PatientDetails* details, std::string* problem) {
    PatientDetails read;
    bool seen[sizeof kKeys / sizeof kKeys[0]] = {};
    std::string why;
    int lineNumber = 0;
    const bool whole = ForEachLine(text, [&](const std::string& line) {
        ++lineNumber;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            why = NoEqualsProblem(lineNumber);
            return false;
        }
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        size_t k = 0;
        while (k < sizeof kKeys / sizeof kKeys[0] && name != kKeys[k].name) ++k;
        if (k == sizeof kKeys / sizeof kKeys[0]) {
            //: %1 is a line number, %2 a key of the patient's details file
            why = text::Arg(text::Tr("line %1: unknown key \"%2\""), {std::to_string(lineNumber), name});
            return false;
        }
        if (seen[k]) {
            why = TwiceProblem(lineNumber, name);
            return false;
        }
        seen[k] = true;
        if (!IsCleanUtf8(value)) {
            why = NotUtf8Problem(lineNumber, name);
            return false;
        }
        read.*kKeys[k].field = value;
        return true;
    });
    if (whole && !read.birthDate.empty() && !IsValidDate(read.birthDate)) why = NotADateProblem("BirthDate");
    if (whole && !read.sex.empty() && read.sex != "M" && read.sex != "F" && read.sex != "O" && read.sex != "U") {
        //: %1 is the key of the sex in the patient's details file ("Sex")
        why = text::Arg(text::Tr("%1 is not one of M, F, O, U"), {"Sex"});
    }
    if (!why.empty()) {
        if (problem) *problem = why;
        return false;
    }
    *details = read;
    return true;
}

std::string PatientDetailsText(const PatientDetails& details) { return KeyValueText(kKeys, details); }

DetailsFound ReadPatientDetails(const std::string& patientHostDir, PatientDetails* details, std::string* problem) {
    std::string text;
    const std::string path = patientHostDir + "/" + kDetailsFile;
    if (FileExists(path)) {
        if (!ReadSmallFile(path, kMaxDetailsBytes, &text)) {
            if (problem) *problem = text::Tr("cannot be read");
            return DetailsFound::Damaged;
        }
        if (text.size() > kMaxDetailsBytes) {
            if (problem) *problem = text::Tr("larger than %n bytes", nullptr, int(kMaxDetailsBytes));
            return DetailsFound::Damaged;
        }
        return ParsePatientDetails(text, details, problem) ? DetailsFound::Details : DetailsFound::Damaged;
    }
    // Read whole or not at all: a cut file would give a cut ID and lose the lines after it.
    if (ReadSmallFile(patientHostDir + "/" + kOldWorklistFile, kMaxOldWorklistBytes, &text) &&
        text.size() <= kMaxOldWorklistBytes && ParseOldWorklist(text, details)) {
        return DetailsFound::OldWorklist;
    }
    return DetailsFound::None;
}

bool WritePatientDetails(const std::string& patientHostDir, const PatientDetails& details, std::string* error) {
    const std::string text = PatientDetailsText(details);
    int errorNumber = 0;
    if (ReplaceFile(patientHostDir + "/" + kDetailsFile, text.data(), text.size(), &errorNumber)) return true;
    if (error) *error = WriteProblem(kDetailsFile, errorNumber);
    return false;
}

bool ParsePatientOrder(const std::string& text, PatientOrder* order, std::string* problem) {
    PatientOrder read;
    bool seen[sizeof kOrderKeys / sizeof kOrderKeys[0]] = {};
    std::string why;
    int lineNumber = 0;
    ForEachLine(text, [&](const std::string& line) {
        ++lineNumber;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            why = NoEqualsProblem(lineNumber);
            return false;
        }
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (!IsCleanUtf8(value)) {
            why = NotUtf8Problem(lineNumber, name);
            return false;
        }
        for (size_t k = 0; k < sizeof kOrderKeys / sizeof kOrderKeys[0]; ++k) {
            if (name != kOrderKeys[k].name) continue;
            if (seen[k]) {
                why = TwiceProblem(lineNumber, name);
                return false;
            }
            seen[k] = true;
            read.*kOrderKeys[k].field = value;
        }
        return true;
    });
    if (why.empty() && !read.date.empty() && !IsValidDate(read.date)) why = NotADateProblem("Date");
    if (!why.empty()) {
        if (problem) *problem = why;
        return false;
    }
    *order = read;
    return true;
}

std::string PatientOrderText(const PatientOrder& order) { return KeyValueText(kOrderKeys, order); }

OrderFound ReadPatientOrder(const std::string& patientHostDir, PatientOrder* order, std::string* problem) {
    const std::string path = patientHostDir + "/" + kOrderFile;
    if (!FileExists(path)) return OrderFound::None;
    std::string text;
    if (!ReadSmallFile(path, kMaxOrderBytes, &text) || text.size() > kMaxOrderBytes) {
        if (problem) *problem = text::Tr("cannot be read, or larger than %n bytes", nullptr, int(kMaxOrderBytes));
        return OrderFound::Damaged;
    }
    return ParsePatientOrder(text, order, problem) ? OrderFound::Order : OrderFound::Damaged;
}

bool WritePatientOrder(const std::string& patientHostDir, const PatientOrder& order, std::string* error) {
    const std::string text = PatientOrderText(order);
    int errorNumber = 0;
    if (ReplaceFile(patientHostDir + "/" + kOrderFile, text.data(), text.size(), &errorNumber)) return true;
    if (error) *error = WriteProblem(kOrderFile, errorNumber);
    return false;
}

}  // namespace records
