// Shared helpers of the DICOM tests: a temporary d: drive with a patient and JPEG pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dicomtest {

// Writes a width x height colour JPEG (JFIF header included) with a pattern varied by `seed`.
// `progressive` writes a progressive JPEG instead of baseline.
std::string MakeJpeg(int width, int height, int seed, bool progressive);

// A baseline JPEG whose luma is sampled h x v times its chroma (1 x 1: 4:4:4, 2 x 1: 4:2:2,
// 2 x 2: 4:2:0), or with `rgb` whose components are R, G and B (Adobe transform 0).
std::string MakeJpegSampled(int width, int height, int seed, int h, int v, bool rgb);

// A small valid JPEG whose frame header claims 60000 x 60000 pixels, its SOF marker set to
// `sofMarker` (0xC0 baseline, 0xC1 extended sequential): a picture made to exhaust the memory.
std::string MakeOversizedJpeg(unsigned char sofMarker);

// The JPEG with its APPn segments taken out: what an object keeps of a baseline JPEG.
std::string WithoutAppSegments(const std::string& jpeg);

// Decodes a JPEG to 8-bit RGB.
std::vector<unsigned char> DecodeJpeg(const std::string& jpeg, int* width, int* height);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A temporary d: drive (set as the drive root) with a work directory.
class TempDrive {
public:
    TempDrive();
    ~TempDrive();
    const std::string& Root() const { return m_root; }
    std::string Work() const { return m_root + "/DentalWorkDir"; }
    std::string PatientDir(uint64_t uid) const;

    // Adds a patient and its pictures (file names <stamp>.jpg) through the records store, with
    // the hospital name. Returns the pictures' logical paths.
    std::vector<std::string> AddPatient(uint64_t uid, const std::u16string& name, int sex, int age,
                                        const std::vector<std::pair<uint64_t, std::string>>& pictures,
                                        const std::u16string& hospital);

private:
    std::string m_root;
};

}  // namespace dicomtest
