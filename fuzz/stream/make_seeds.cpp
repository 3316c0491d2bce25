// Writes the seed corpus of the frame fuzzers, made with the stream writer:
//   stream_fuzz_seeds <directory>
// creates <directory>/stream_fuzz_fragmented and <directory>/stream_fuzz_wholeframe. Each seed
// begins with the two bytes the fuzzers read first (ring capacity choice, write-size seed).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "stream/streamwriter.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Builder {
    bool fragmented;
    size_t fragmentPayload;

    Bytes frame(uint8_t type, uint8_t sequence, const Bytes& payload, uint8_t limited = 0,
                std::optional<uint32_t> declared = {}) const {
        stream::OutgoingFrame f;
        f.type = type;
        f.sequence = sequence;
        f.timestamp = 40000ull * sequence;
        f.attribute = 3;
        f.sizeWord1 = 640;
        f.sizeWord2 = 480;
        f.limitedValue = limited;
        f.declaredLength = declared;
        f.payload = payload.data();
        f.payloadSize = payload.size();
        return fragmented ? stream::Fragmented(f, fragmentPayload) : stream::WholeFrame(f);
    }
};

Bytes payload(std::mt19937& rng, size_t n) {
    Bytes b(n);
    for (auto& x : b) x = static_cast<uint8_t>(rng());
    return b;
}

void append(Bytes& to, const Bytes& b) { to.insert(to.end(), b.begin(), b.end()); }

void write(const std::filesystem::path& dir, const std::string& name, uint8_t capacity, uint8_t splitSeed,
           const Bytes& stream) {
    std::ofstream out(dir / name, std::ios::binary);
    out.put(static_cast<char>(capacity));
    out.put(static_cast<char>(splitSeed));
    out.write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
}

void makeSeeds(const std::filesystem::path& dir, bool fragmented) {
    std::filesystem::create_directories(dir);
    std::mt19937 rng(fragmented ? 1 : 7);
    Builder b{fragmented, 200};
    Bytes small = payload(rng, 300);

    write(dir, "one_frame", 0, 1, b.frame(0xA1, 1, small));

    Bytes mixed;
    const uint8_t types[] = {0xA1, 0xA0, 0xA2, 0xA4, 0xA5, 0xA3};
    for (uint8_t i = 0; i < 6; ++i) append(mixed, b.frame(types[i], i, payload(rng, 50 * i)));
    write(dir, "all_types", 0, 2, mixed);

    Bytes garbage = {0x00, 0x00, 0x01, 0xA3, 0x00, 0x00, 0x00, 0x01};
    append(garbage, payload(rng, 100));
    append(garbage, b.frame(0xA0, 9, small));
    write(dir, "garbage_first", 1, 3, garbage);

    Bytes large = b.frame(0xA1, 3, payload(rng, 3000));
    write(dir, "large_small_ring", 2, 4, large);
    write(dir, "large_mid_ring", 1, 5, large);

    if (fragmented) {
        Bytes lost;
        Bytes whole = b.frame(0xA1, 4, payload(rng, 600));        // 3 fragments of 200
        append(lost, Bytes(whole.begin(), whole.begin() + 212));  // fragment 0
        append(lost, Bytes(whole.begin() + 424, whole.end()));    // fragment 2
        append(lost, b.frame(0xA0, 5, small));
        write(dir, "lost_middle_fragment", 0, 6, lost);

        Bytes foreign(whole.begin(), whole.begin() + 212);
        append(foreign, b.frame(0xA0, 6, small));
        write(dir, "foreign_sequence", 0, 7, foreign);

        Bytes limits = b.frame(0xA1, 7, small, 31);
        append(limits, b.frame(0xA1, 8, small, 0, 262145));
        append(limits, b.frame(0xA1, 9, small, 30, 200));
        append(limits, b.frame(0xA1, 10, small, 0, 5000));
        write(dir, "length_limits", 0, 8, limits);

        Builder tiny{true, 3};
        write(dir, "many_fragments", 0, 9, tiny.frame(0xA2, 11, payload(rng, 900)));
    } else {
        Bytes oversize = b.frame(0xA1, 4, small, 0, FRAME_RING_FRAME_BUFFER_SIZE + 1);
        append(oversize, b.frame(0xA0, 5, small));
        write(dir, "oversize_length", 0, 6, oversize);
        Bytes beyondRing = b.frame(0xA1, 6, small, 0, 5000);
        append(beyondRing, b.frame(0xA0, 7, small));
        write(dir, "longer_than_ring", 1, 7, beyondRing);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    std::filesystem::path root = argv[1];
    makeSeeds(root / "stream_fuzz_fragmented", true);
    makeSeeds(root / "stream_fuzz_wholeframe", false);
    return 0;
}
