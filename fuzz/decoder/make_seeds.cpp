// Writes the seed corpus of decoder_fuzzer:
//   decoder_fuzz_seeds <directory>
// Each seed is a short run of the simulated camera's H.264 pictures (small sizes, key frame
// first) in the fuzzer's framing: a selector byte (the frame kind), a two-byte length, the bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/camsim/h264source.h"

namespace {

bool WriteSeed(const std::filesystem::path& file, int width, int height, int frames) {
    std::string error;
    auto source = camsim::MakeTestPatternSource(width, height, 25, 5, 200, &error);
    if (!source) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    std::vector<char> seed;
    for (int i = 0; i < frames; ++i) {
        camsim::AccessUnit unit;
        if (!source->Next(&unit) || unit.data.size() > 0xFFFF) return false;
        seed.push_back(char(unit.keyFrame ? 0 : 1));
        seed.push_back(char(unit.data.size() & 0xFF));
        seed.push_back(char(unit.data.size() >> 8));
        seed.insert(seed.end(), unit.data.begin(), unit.data.end());
    }
    std::ofstream out(file, std::ios::binary);
    out.write(seed.data(), std::streamsize(seed.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    const bool ok = WriteSeed(dir / "seed_32x32", 32, 32, 3) && WriteSeed(dir / "seed_64x48", 64, 48, 7) &&
                    WriteSeed(dir / "seed_16x16", 16, 16, 12);
    return ok ? 0 : 1;
}
