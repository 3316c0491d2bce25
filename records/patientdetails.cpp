#include "records/patientdetails.h"

#include <cstring>

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
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            why = where + "no '='";
            return false;
        }
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        size_t k = 0;
        while (k < sizeof kKeys / sizeof kKeys[0] && name != kKeys[k].name) ++k;
        if (k == sizeof kKeys / sizeof kKeys[0]) {
            why = where + "unknown key \"" + name + "\"";
            return false;
        }
        if (seen[k]) {
            why = where + name + " given twice";
            return false;
        }
        seen[k] = true;
        if (!IsCleanUtf8(value)) {
            why = where + name + " is not UTF-8 text";
            return false;
        }
        read.*kKeys[k].field = value;
        return true;
    });
    if (whole && !read.birthDate.empty() && !IsValidDate(read.birthDate)) why = "BirthDate is not a YYYYMMDD date";
    if (whole && !read.sex.empty() && read.sex != "M" && read.sex != "F" && read.sex != "O" && read.sex != "U") {
        why = "Sex is not one of M, F, O, U";
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
            if (problem) *problem = "cannot be read";
            return DetailsFound::Damaged;
        }
        if (text.size() > kMaxDetailsBytes) {
            if (problem) *problem = "larger than " + std::to_string(kMaxDetailsBytes) + " bytes";
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
    if (error) *error = std::string("cannot write ") + kDetailsFile + ": " + std::strerror(errorNumber);
    return false;
}

bool ParsePatientOrder(const std::string& text, PatientOrder* order, std::string* problem) {
    PatientOrder read;
    bool seen[sizeof kOrderKeys / sizeof kOrderKeys[0]] = {};
    std::string why;
    int lineNumber = 0;
    ForEachLine(text, [&](const std::string& line) {
        ++lineNumber;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            why = where + "no '='";
            return false;
        }
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (!IsCleanUtf8(value)) {
            why = where + name + " is not UTF-8 text";
            return false;
        }
        for (size_t k = 0; k < sizeof kOrderKeys / sizeof kOrderKeys[0]; ++k) {
            if (name != kOrderKeys[k].name) continue;
            if (seen[k]) {
                why = where + name + " given twice";
                return false;
            }
            seen[k] = true;
            read.*kOrderKeys[k].field = value;
        }
        return true;
    });
    if (why.empty() && !read.date.empty() && !IsValidDate(read.date)) why = "Date is not a YYYYMMDD date";
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
        if (problem) *problem = "cannot be read, or larger than " + std::to_string(kMaxOrderBytes) + " bytes";
        return OrderFound::Damaged;
    }
    return ParsePatientOrder(text, order, problem) ? OrderFound::Order : OrderFound::Damaged;
}

bool WritePatientOrder(const std::string& patientHostDir, const PatientOrder& order, std::string* error) {
    const std::string text = PatientOrderText(order);
    int errorNumber = 0;
    if (ReplaceFile(patientHostDir + "/" + kOrderFile, text.data(), text.size(), &errorNumber)) return true;
    if (error) *error = std::string("cannot write ") + kOrderFile + ": " + std::strerror(errorNumber);
    return false;
}

}  // namespace records
