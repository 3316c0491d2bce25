// Arbitrary bytes as the outbox's queue file: whatever the file holds, reading it must not crash,
// every entry read must be one the sender can use, and the queue as written back must read the
// same again.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dicom/outbox.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<dicom::OutboxEntry> entries;
    dicom::ParseOutboxText(text, &entries);
    Check(entries.size() <= size / 3 + 1, "more entries than lines could hold");
    std::string written;
    for (size_t i = 0; i < entries.size(); ++i) {
        const dicom::OutboxEntry& entry = entries[i];
        Check(!entry.logicalPath.empty(), "an entry without a picture");
        Check(entry.logicalPath.find('\n') == std::string::npos, "a picture path across lines");
        Check(std::find(entries.begin(), entries.begin() + long(i), entry) == entries.begin() + long(i),
              "a picture queued twice");
        written += std::to_string(entry.uid) + '\t' + entry.logicalPath + '\n';
    }
    std::vector<dicom::OutboxEntry> again;
    dicom::ParseOutboxText(written, &again);
    Check(again == entries, "the queue reads differently once written back");
    return 0;
}
