// Arbitrary bytes as a patient's worklist file: reading it must not crash, a patient read has an
// ID and single-line values that read the same once written back, and the values go through the
// conversions an object's attributes are made with.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dicom/patient.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

bool OneLine(const std::string& value) { return value.find('\n') == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    dicom::WorklistPatient patient;
    if (!dicom::ParseWorklistText(text, &patient)) return 0;
    Check(!patient.patientId.empty(), "a worklist patient without an ID");
    Check(OneLine(patient.patientId) && OneLine(patient.patientName) && OneLine(patient.birthDate) &&
              OneLine(patient.sex),
          "a value across lines");
    const std::string written = "PatientID=" + patient.patientId + "\nPatientName=" + patient.patientName +
                                "\nPatientBirthDate=" + patient.birthDate + "\nPatientSex=" + patient.sex + "\n";
    dicom::WorklistPatient again;
    Check(dicom::ParseWorklistText(written, &again), "the patient is lost once written back");
    Check(again.patientId == patient.patientId && again.patientName == patient.patientName &&
              again.birthDate == patient.birthDate && again.sex == patient.sex,
          "the patient reads differently once written back");

    const std::string name = dicom::PersonNameFromText(patient.patientName);
    Check(name.find_first_of("^=\\\n") == std::string::npos, "a person name that splits");
    const int age = dicom::AgeOn(patient.birthDate, "20240229");
    Check(age >= -1, "a negative age");
    if (age >= 0 && age <= 999) Check(dicom::AgeString(age).size() == 4, "an age string of the wrong length");
    return 0;
}
