#include "dicom/patient.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "dicom/textlines.h"
#include "platform/text.h"
#include "records/patientdetails.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/recordtypes.h"
#include "records/textconv.h"

namespace dicom {
namespace {

// One line of the worklist file: the value without line breaks, which would end it early.
std::string Line(const char* key, const std::string& value) {
    std::string line = key;
    line += '=';
    for (char c : value) line += (c == '\n' || c == '\r') ? ' ' : c;
    line += '\n';
    return line;
}

std::string Trim(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

bool ParseDate(const std::string& text, int* year, int* month, int* day) {
    if (text.size() != 8) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    *year = std::stoi(text.substr(0, 4));
    *month = std::stoi(text.substr(4, 2));
    *day = std::stoi(text.substr(6, 2));
    return *month >= 1 && *month <= 12 && *day >= 1 && *day <= 31;
}

}  // namespace

bool ReadWorklistFile(const std::string& patientHostDir, WorklistPatient* patient) {
    // The whole file or nothing: a cut file would give a cut ID and lose the lines after it.
    std::string text(records::kMaxOldWorklistBytes + 1, '\0');
    int error = 0;
    const ssize_t n = records::ReadFileAt(patientHostDir + "/" + kWorklistFile, &text[0], text.size(), 0, &error);
    if (n <= 0 || size_t(n) > records::kMaxOldWorklistBytes) return false;
    text.resize(size_t(n));
    return ParseWorklistText(text, patient);
}

bool ParseWorklistText(const std::string& text, WorklistPatient* patient) {
    WorklistPatient read;
    TextLines lines(text);
    std::string line;
    while (lines.Next(&line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "PatientID")
            read.patientId = value;
        else if (key == "PatientName")
            read.patientName = value;
        else if (key == "PatientBirthDate")
            read.birthDate = value;
        else if (key == "PatientSex")
            read.sex = value;
        else if (key == "IssuerOfPatientID")
            read.issuer = value;
    }
    if (read.patientId.empty()) return false;
    *patient = read;
    return true;
}

bool WriteWorklistFile(const std::string& patientHostDir, const WorklistPatient& patient, std::string* error) {
    const std::string text = Line("PatientID", patient.patientId) + Line("PatientName", patient.patientName) +
                             Line("PatientBirthDate", patient.birthDate) + Line("PatientSex", patient.sex) +
                             Line("IssuerOfPatientID", patient.issuer);
    int errorNumber = 0;
    if (records::ReplaceFile(patientHostDir + "/" + kWorklistFile, text.data(), text.size(), &errorNumber)) {
        return true;
    }
    if (error) *error = text::Arg(text::Tr("cannot write %1: %2"), {kWorklistFile, std::strerror(errorNumber)});
    return false;
}

std::string PersonNameFromText(const std::string& utf8Name) {
    std::string name;
    for (char c : utf8Name) {
        const bool splits = c == '^' || c == '=' || c == '\\';
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        name += (splits || control) ? ' ' : c;
    }
    return Trim(name);
}

std::string AgeString(int years) {
    if (years < 0 || years > 999) return {};
    char text[8];
    std::snprintf(text, sizeof text, "%03dY", years);
    return text;
}

int AgeOn(const std::string& birthDate, const std::string& day) {
    int by, bm, bd, y, m, d;
    if (!ParseDate(birthDate, &by, &bm, &bd) || !ParseDate(day, &y, &m, &d)) return -1;
    if (birthDate > day) return -1;
    int age = y - by;
    if (m < bm || (m == bm && d < bd)) --age;
    return age;
}

PatientAttributes MakePatientAttributes(const _USER_INFO& user, const records::PatientDetails* details,
                                        const std::string& ownIssuer) {
    PatientAttributes attributes;
    attributes.patientId = std::to_string(user.uid);
    attributes.issuer = ownIssuer;
    attributes.patientName = PersonNameFromText(records::Utf16ToAnsi(records::FieldText(user.name)));
    attributes.sex = user.sex == 0 ? "F" : "M";
    attributes.age = AgeString(user.age);
    if (!details) return attributes;
    if (!details->patientId.empty()) {
        attributes.patientId = details->patientId;
        attributes.issuer = details->issuer;
    }
    if (!details->personName.empty())
        attributes.patientName = details->personName;
    else if (!details->name.empty())
        attributes.patientName = PersonNameFromText(details->name);
    attributes.birthDate = details->birthDate;
    if (details->sex == "F" || details->sex == "M" || details->sex == "O")
        attributes.sex = details->sex;
    else if (details->sex == "U")
        attributes.sex.clear();
    return attributes;
}

}  // namespace dicom
