// Sending pictures to the archive: 100 pictures of 1280 x 720 go to a local Orthanc, through
// kavimo's sender (reading each JPEG, building its object, storing it over one association) and,
// in the same run and alternating with it, through DCMTK's storescu sending the same objects
// from files. Prints pictures per second of each and their ratio. Everything stays on 127.0.0.1.
//
//   dicom_bench [pictures] [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dicom/pacsclient.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "tests/dicom/dicomtestsupport.h"
#include "tests/dicom/orthanc.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int pictures = argc > 1 ? std::atoi(argv[1]) : 100;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    constexpr uint64_t kUid = 20240101080000ull;

    dicomtest::TempDrive drive;
    std::vector<std::pair<uint64_t, std::string>> list;
    for (int i = 0; i < pictures; ++i) {
        list.push_back({20240102090000ull + uint64_t(i), dicomtest::MakeJpeg(1280, 720, i + 1, false)});
    }
    drive.AddPatient(kUid, u"Bench Patient", 1, 40, list, u"Bench Clinic");

    dicomtest::OrthancServer server;
    std::string error;
    if (!server.Start(&error)) {
        std::fprintf(stderr, "dicom_bench: %s\n", error.c_str());
        return 1;
    }
    dicom::PatientPictures patient;
    if (!dicom::LoadPatientPictures(kUid, &patient, &error)) {
        std::fprintf(stderr, "dicom_bench: %s\n", error.c_str());
        return 1;
    }
    // storescu's input: the same objects as files.
    const std::string files = drive.Root() + "/objects";
    std::filesystem::create_directories(files);
    for (const dicom::PictureSource& source : patient.pictures) {
        const auto object = dicom::PictureObject::Build(source, &error);
        if (!object || !object->WriteFile(files + "/" + source.name + ".dcm", &error)) {
            std::fprintf(stderr, "dicom_bench: %s\n", error.c_str());
            return 1;
        }
    }
    const dicom::PacsAddress address = server.Address();
    const std::string storescu = "storescu -xy -aet KAVIMO -aec " + address.calledAet + " 127.0.0.1 " +
                                 std::to_string(address.port) + " '" + files + "'/*.dcm";

    std::vector<double> ours, theirs;
    for (int round = 0; round < rounds; ++round) {
        for (int side = 0; side < 2; ++side) {
            const bool kavimoFirst = round % 2 == 0;
            const bool kavimo = (side == 0) == kavimoFirst;
            server.Clear();
            const Clock::time_point start = Clock::now();
            size_t stored = 0;
            if (kavimo) {
                dicom::PacsClient client;
                if (!client.Open(address, &error)) {
                    std::fprintf(stderr, "dicom_bench: %s\n", error.c_str());
                    return 1;
                }
                for (const dicom::PictureSource& source : patient.pictures) {
                    const auto object = dicom::PictureObject::Build(source, &error);
                    if (object && client.Store(*object, &error) == dicom::PacsClient::StoreResult::Stored) ++stored;
                }
                client.Close();
            } else {
                const dicomtest::CommandResult run = dicomtest::RunCommand(storescu);
                if (run.status == 0)
                    stored = size_t(pictures);
                else
                    std::fprintf(stderr, "dicom_bench: storescu failed:\n%s\n", run.output.c_str());
            }
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            if (stored != size_t(pictures) || server.Instances().size() != size_t(pictures)) {
                std::fprintf(stderr, "dicom_bench: %s stored %zu of %d\n", kavimo ? "kavimo" : "storescu", stored,
                             pictures);
                return 1;
            }
            (kavimo ? ours : theirs).push_back(pictures / seconds);
        }
    }
    const double kavimoRate = Median(ours), storescuRate = Median(theirs);
    std::printf("Sending %d pictures of 1280 x 720 to a local Orthanc, median of %d rounds:\n", pictures, rounds);
    std::printf("  kavimo (build + store)  %8.1f pictures/s\n", kavimoRate);
    std::printf("  storescu (files)        %8.1f pictures/s\n", storescuRate);
    std::printf("  ratio kavimo/storescu   %8.2f (target >= 0.9)\n", kavimoRate / storescuRate);
    return 0;
}
