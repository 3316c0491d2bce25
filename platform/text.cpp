#include "platform/text.h"

#include <atomic>

namespace text {
namespace {

std::atomic<Lookup> g_lookup{nullptr};

}  // namespace

void SetLookup(Lookup lookup) { g_lookup.store(lookup); }

std::string Tr(const char* source, const char* disambiguation, int n) {
    const Lookup lookup = g_lookup.load();
    if (lookup) return lookup(source, disambiguation, n);
    std::string result = source ? source : "";
    if (n < 0) return result;
    const std::string count = std::to_string(n);
    for (size_t at = result.find("%n"); at != std::string::npos; at = result.find("%n", at + count.size())) {
        result.replace(at, 2, count);
    }
    return result;
}

std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string result;
    result.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t index = size_t(pattern[i + 1] - '1');
            if (index < values.size()) {
                result.append(*(values.begin() + index));
                ++i;
                continue;
            }
        }
        result.push_back(c);
    }
    return result;
}

}  // namespace text
