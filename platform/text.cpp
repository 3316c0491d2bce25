#include "platform/text.h"

#include <libintl.h>
#include <unistd.h>

#include <atomic>
#include <clocale>

namespace text {
namespace {

std::atomic<Lookup> g_lookup{nullptr};

constexpr const char* kDomain = "kavimo";

std::string WithCount(std::string text, int n) {
    if (n < 0) return text;
    const std::string count = std::to_string(n);
    for (size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size())) {
        text.replace(at, 2, count);
    }
    return text;
}

// The catalogs hold the translations' contexts as "context|disambiguation", before the source.
std::string CatalogLookup(const char* source, const char* disambiguation, int n) {
    const std::string key = std::string("text|") + (disambiguation ? disambiguation : "") + '\004' + source;
    const char* found = n >= 0 ? dngettext(kDomain, key.c_str(), key.c_str(), static_cast<unsigned long>(n))
                               : dgettext(kDomain, key.c_str());
    return WithCount(found && key != found ? found : source, n);
}

// share/locale beside the folder of the running program (the build tree has the same layout).
std::string CatalogFolder() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    std::string folder(path, size_t(length));
    for (int up = 0; up < 2; ++up) {
        const size_t slash = folder.rfind('/');
        if (slash == std::string::npos) return std::string();
        folder.erase(slash);
    }
    return folder + "/share/locale";
}

}  // namespace

void UseMessageCatalogs() {
    std::setlocale(LC_MESSAGES, "");
    const std::string folder = CatalogFolder();
    if (folder.empty()) return;
    ::bindtextdomain(kDomain, folder.c_str());
    ::bind_textdomain_codeset(kDomain, "UTF-8");
    SetLookup(CatalogLookup);
}

void SetLookup(Lookup lookup) { g_lookup.store(lookup); }

std::string Tr(const char* source, const char* disambiguation, int n) {
    const Lookup lookup = g_lookup.load();
    if (lookup) return lookup(source, disambiguation, n);
    return WithCount(source ? source : "", n);
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
