// Arbitrary bytes as a transfer file and as a hand-over message. Whatever is taken must be
// written back as text that reads again to the same thing, an answer must stay ISO-8859-1 text,
// and nothing taken may name a file outside its folder.
//
// Input: byte 0 even: the rest is a transfer file; odd: a hand-over message.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "pms/patientrequest.h"
#include "pms/transferfile.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void FuzzTransfer(const std::string& bytes) {
    pms::IniText file;
    std::string problem;
    if (!file.Parse(bytes, &problem)) return;
    const std::string text = file.Latin1Text();
    pms::IniText again;
    Check(again.Parse(text, &problem), "a file read is written back readable");
    Check(again.Latin1Text() == text, "a file written back reads as itself");

    pms::TransferRequest request;
    if (pms::ReadTransferRequest(file, "20261208", &request, &problem)) {
        Check(pms::RequestProblem(request.patient, "20261208").empty(), "a request taken has a sound patient");
        for (const std::string& mmoid : request.pictures) {
            Check(pms::IsValidMmoid(mmoid), "a chosen picture names no path");
        }
    }
    // The answer's text comes from kavimo but carries the system's words back.
    pms::SetAnswer(&file, pms::kTransferPatientRefused, bytes.substr(0, 80));
    pms::SetPictureList(&file, {pms::PictureEntry{"1", "1.jpg", "20261208", "101010", "11,12", ""}});
    const std::string answer = file.Latin1Text();
    for (char ch : answer) {
        const unsigned char c = static_cast<unsigned char>(ch);
        Check(c >= 0x20 ? c != 0x7f && (c < 0x80 || c >= 0xa0) : c == '\t' || c == '\r' || c == '\n',
              "an answer is ISO-8859-1 text");
    }
    Check(answer.find("READY=1") != std::string::npos, "the answer is there");
}

void FuzzHandover(const std::string& bytes) {
    pms::PatientRequest request;
    std::vector<std::string> show;
    std::string problem;
    if (!pms::ParseHandover(bytes, &request, &show, &problem)) return;
    for (const std::string& mmoid : show) Check(pms::IsValidMmoid(mmoid), "a picture shown names no path");
    if (!pms::RequestProblem(request, "20261208").empty()) return;
    pms::PatientRequest again;
    std::vector<std::string> showAgain;
    Check(pms::ParseHandover(pms::HandoverText(request, show), &again, &showAgain, &problem), "a message round-trips");
    Check(again.patientId == request.patientId && again.lastName == request.lastName &&
              again.firstName == request.firstName && again.birthDate == request.birthDate &&
              again.sex == request.sex && again.phone == request.phone && showAgain == show,
          "a message reads as it was written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        FuzzTransfer(bytes);
    } else {
        FuzzHandover(bytes);
    }
    return 0;
}
