// Arbitrary bytes as a patient's worklist file, its details file and its order file: reading them
// must not crash, a patient read has single-line values that read the same once written back, the
// values go through the conversions an object's attributes are made with, and any bytes made to
// fit a VR then fit it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dicom/patient.h"
#include "dicom/vrcheck.h"
#include "records/patientdetails.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

bool OneLine(const std::string& value) { return value.find('\n') == std::string::npos; }

}  // namespace

// The details file: what is read is written back as the same details.
void CheckDetails(const std::string& text) {
    records::PatientDetails details;
    std::string problem;
    if (!records::ParsePatientDetails(text, &details, &problem)) {
        Check(!problem.empty(), "details refused without a reason");
        return;
    }
    records::PatientDetails again;
    Check(records::ParsePatientDetails(records::PatientDetailsText(details), &again, &problem),
          "the details are refused once written back");
    Check(again.name == details.name && again.phone == details.phone && again.birthDate == details.birthDate &&
              again.sex == details.sex && again.patientId == details.patientId && again.issuer == details.issuer &&
              again.personName == details.personName,
          "the details read differently once written back");
    Check(dicom::PersonNameFromText(details.name).find_first_of("^=\\\n") == std::string::npos,
          "a person name that splits");
}

// The order file: what is read is written back as the same order.
void CheckOrder(const std::string& text) {
    records::PatientOrder order;
    std::string problem;
    if (!records::ParsePatientOrder(text, &order, &problem)) {
        Check(!problem.empty(), "an order refused without a reason");
        return;
    }
    records::PatientOrder again;
    Check(records::ParsePatientOrder(records::PatientOrderText(order), &again, &problem),
          "the order is refused once written back");
    Check(records::PatientOrderText(again) == records::PatientOrderText(order),
          "the order reads differently once written back");
}

// A worklist answer's value as it may come: made to fit, it fits.
void CheckValueRules(const std::string& text) {
    for (dicom::Vr vr : {dicom::Vr::AE, dicom::Vr::CS, dicom::Vr::DA, dicom::Vr::TM, dicom::Vr::UI, dicom::Vr::SH,
                         dicom::Vr::LO, dicom::Vr::LT, dicom::Vr::PN}) {
        Check(dicom::ValueProblem(vr, dicom::FitValue(vr, text)).empty(), "a value made to fit does not fit");
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckDetails(text);
    CheckOrder(text);
    CheckValueRules(text);
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
