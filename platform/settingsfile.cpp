#include "platform/settingsfile.h"

#include <cctype>
#include <cstdlib>
#include <fstream>

#include "platform/paths.h"

namespace platform {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

void AppendUtf8(unsigned code, std::string* out) {
    if (code < 0x80) {
        out->push_back(char(code));
    } else if (code < 0x800) {
        out->push_back(char(0xC0 | (code >> 6)));
        out->push_back(char(0x80 | (code & 0x3F)));
    } else {
        out->push_back(char(0xE0 | (code >> 12)));
        out->push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(char(0x80 | (code & 0x3F)));
    }
}

// A value as written: quoted parts keep their blanks, escapes are undone, and an unquoted
// ';' starts a comment.
std::string Unescaped(const std::string& raw) {
    std::string out;
    bool quoted = false;
    bool wasQuoted = false;
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            wasQuoted = true;
        } else if (c == ';' && !quoted) {
            break;
        } else if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw[++i];
            if (e == 'n') {
                out.push_back('\n');
            } else if (e == 't') {
                out.push_back('\t');
            } else if (e == 'r') {
                out.push_back('\r');
            } else if (e == 'x') {
                unsigned code = 0;
                size_t digits = 0;
                while (i + 1 < raw.size() && digits < 4 && std::isxdigit(static_cast<unsigned char>(raw[i + 1]))) {
                    const char h = raw[++i];
                    code = code * 16 + unsigned(std::isdigit(static_cast<unsigned char>(h))
                                                    ? h - '0'
                                                    : std::tolower(static_cast<unsigned char>(h)) - 'a' + 10);
                    ++digits;
                }
                AppendUtf8(code, &out);
            } else {
                out.push_back(e);  // \\, \", \;, \,
            }
        } else {
            out.push_back(c);
        }
    }
    return wasQuoted ? out : Trimmed(out);
}

}  // namespace

std::string DefaultSettingsFilePath() {
    const std::string base = XdgBaseDirectory("XDG_CONFIG_HOME", "/.config");
    return base.empty() ? std::string() : base + "/kavimo/kavimo.ini";
}

std::string SettingsFilePath() {
    if (const char* chosen = std::getenv("KAVIMO_CONFIG"); chosen && *chosen) return chosen;
    return DefaultSettingsFilePath();
}

bool ReadSettingsValue(const std::string& path, const std::string& key, std::string* value) {
    const size_t slash = key.find('/');
    const std::string group = slash == std::string::npos ? "General" : key.substr(0, slash);
    const std::string name = slash == std::string::npos ? key : key.substr(slash + 1);
    std::ifstream file(path);
    if (path.empty() || !file) return false;
    std::string line;
    std::string current = "General";
    bool found = false;
    while (std::getline(file, line)) {
        const std::string text = Trimmed(line);
        if (text.empty() || text[0] == ';' || text[0] == '#') continue;
        if (text.front() == '[' && text.back() == ']') {
            current = text.substr(1, text.size() - 2);
            continue;
        }
        const size_t equals = text.find('=');
        if (equals == std::string::npos || current != group || Trimmed(text.substr(0, equals)) != name) continue;
        *value = Unescaped(Trimmed(text.substr(equals + 1)));
        found = true;  // a later line of the same key wins, as in Qt
    }
    return found;
}

}  // namespace platform
