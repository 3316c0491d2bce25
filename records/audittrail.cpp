#include "records/audittrail.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>

#include "platform/debug.h"
#include "platform/filemode.h"
#include "platform/text.h"
#include "records/recordnames.h"
#include "records/textconv.h"

namespace records {

namespace {

std::string ErrorText(const char* what, int error) { return std::string(what) + ": " + std::strerror(error); }

std::string LoginName() {
    const uid_t uid = ::geteuid();
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry = {};
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name) {
        return found->pw_name;
    }
    const char* user = std::getenv("USER");
    return user && *user ? user : "uid " + std::to_string(uid);
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return std::string();
    return name;
}

// --- Writing JSON -------------------------------------------------------------------------------

// The text as a JSON string: quotes, backslashes and control characters escaped, bytes that are
// not UTF-8 replaced by U+FFFD so that the line stays valid JSON.
void AppendJsonString(std::string* out, const std::string& text) {
    const std::string utf8 = Utf16ToAnsi(AnsiToUtf16(text));
    out->push_back('"');
    for (unsigned char c : utf8) {
        switch (c) {
            case '"':
                out->append("\\\"");
                break;
            case '\\':
                out->append("\\\\");
                break;
            case '\n':
                out->append("\\n");
                break;
            case '\r':
                out->append("\\r");
                break;
            case '\t':
                out->append("\\t");
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", c);
                    out->append(escape);
                } else {
                    out->push_back(char(c));
                }
        }
    }
    out->push_back('"');
}

void AppendField(std::string* out, const char* name, const std::string& value) {
    if (out->size() > 1) out->push_back(',');
    AppendJsonString(out, name);
    out->push_back(':');
    AppendJsonString(out, value);
}

// --- Reading JSON: the flat objects this file writes ------------------------------------------

class LineParser {
public:
    explicit LineParser(const std::string& text) : m_text(text) {}

    // Reads {"name":"value",...}; values are strings (other values are refused).
    bool Object(std::vector<std::pair<std::string, std::string>>* fields) {
        SkipSpace();
        if (!Take('{')) return false;
        SkipSpace();
        if (Take('}')) return AtEnd();
        for (;;) {
            std::string name, value;
            SkipSpace();
            if (!String(&name)) return false;
            SkipSpace();
            if (!Take(':')) return false;
            SkipSpace();
            if (!String(&value)) return false;
            fields->emplace_back(std::move(name), std::move(value));
            SkipSpace();
            if (Take('}')) return AtEnd();
            if (!Take(',')) return false;
        }
    }

private:
    bool AtEnd() {
        SkipSpace();
        return m_at == m_text.size();
    }
    void SkipSpace() {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\r')) ++m_at;
    }
    bool Take(char c) {
        if (m_at >= m_text.size() || m_text[m_at] != c) return false;
        ++m_at;
        return true;
    }
    bool Hex4(char16_t* unit) {
        if (m_text.size() - m_at < 4) return false;
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= unsigned(c - 'A' + 10);
            else
                return false;
        }
        *unit = char16_t(value);
        return true;
    }
    // A JSON string; \u escapes (surrogate pairs included) become UTF-8.
    bool String(std::string* out) {
        if (!Take('"')) return false;
        std::u16string units;  // \u escapes waiting to be converted together (pairs)
        auto flush = [&] {
            out->append(Utf16ToAnsi(units));
            units.clear();
        };
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') {
                flush();
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                flush();
                out->push_back(c);
                continue;
            }
            if (m_at >= m_text.size()) return false;
            const char e = m_text[m_at++];
            char16_t unit = 0;
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    flush();
                    out->push_back(e);
                    break;
                case 'n':
                    flush();
                    out->push_back('\n');
                    break;
                case 'r':
                    flush();
                    out->push_back('\r');
                    break;
                case 't':
                    flush();
                    out->push_back('\t');
                    break;
                case 'b':
                    flush();
                    out->push_back('\b');
                    break;
                case 'f':
                    flush();
                    out->push_back('\f');
                    break;
                case 'u':
                    if (!Hex4(&unit)) return false;
                    units.push_back(unit);
                    break;
                default:
                    return false;
            }
        }
        return false;  // no closing quote: a torn line
    }

    const std::string& m_text;
    size_t m_at = 0;
};

bool ParseUidText(const std::string& text, uint64_t* uid) {
    if (text.size() <= 3 || text.compare(0, 3, "UID") != 0 || text.size() > 3 + 19) return false;
    uint64_t value = 0;
    for (size_t i = 3; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + uint64_t(text[i] - '0');
    }
    *uid = value;
    return true;
}

// --- Appending ------------------------------------------------------------------------------------

// Opens the trail for appending (and reading its last byte): created private, never through a link.
int OpenForAppend(const std::string& path, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, platform::NewFileMode());
    if (fd < 0) {
        *error = ErrorText(path.c_str(), errno);
        return -1;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        //: %1 is the audit trail's file
        *error = text::Arg(text::Tr("%1: not a regular file"), {path});
        ::close(fd);
        return -1;
    }
    // A file made by hand, or by another tool with a wider umask, is narrowed too.
    if (st.st_uid == ::geteuid()) {
        const mode_t allowed = platform::AllowedFileMode();
        if ((st.st_mode & 0777 & ~allowed) != 0) ::fchmod(fd, st.st_mode & 0777 & allowed);
        platform::GiveDataGroup(fd);
    }
    return fd;
}

// True when the file ends in the middle of a line (a write cut short by a crash).
bool EndsTorn(int fd) {
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || st.st_size == 0) return false;
    char last = '\n';
    return ::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n';
}

struct GlobalTrail {
    std::mutex lock;
    std::unique_ptr<AuditTrail> trail;
};

GlobalTrail& Global() {
    static GlobalTrail global;
    return global;
}

}  // namespace

AuditTrail::AuditTrail(std::string hostPath) : m_path(std::move(hostPath)) {}

bool AuditTrail::Append(AuditEvent event, std::string* error) {
    if (event.time.empty()) event.time = NowText();
    if (event.user.empty()) event.user = LoginName();
    if (event.host.empty()) event.host = HostName();
    std::string line = FormatLine(event);
    line.push_back('\n');

    const int fd = OpenForAppend(m_path, error);
    if (fd < 0) return false;
    // A line torn by a crash is closed off, so that this one stands on its own line.
    if (EndsTorn(fd)) line.insert(line.begin(), '\n');
    // One write, so that the line is never interleaved with another writer's.
    ssize_t written;
    do {
        written = ::write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    const int writeError = errno;
    ::close(fd);
    if (written == ssize_t(line.size())) return true;
    *error = written < 0
                 ? ErrorText(m_path.c_str(), writeError)
                 : text::Arg(text::Tr("%1: the line was written only in part (the disk may be full)"), {m_path});
    return false;
}

void AuditTrail::SetUp(const std::string& hostPath) {
    GlobalTrail& global = Global();
    std::lock_guard<std::mutex> hold(global.lock);
    global.trail = hostPath.empty() ? nullptr : std::make_unique<AuditTrail>(hostPath);
}

void AuditTrail::Record(const char* event, uint64_t patient, const std::string& file, const std::string& detail,
                        bool success) {
    GlobalTrail& global = Global();
    std::lock_guard<std::mutex> hold(global.lock);
    if (!global.trail) return;
    AuditEvent entry;
    entry.event = event;
    entry.success = success;
    entry.patient = patient;
    entry.file = file;
    entry.detail = detail;
    std::string error;
    if (!global.trail->Append(std::move(entry), &error)) {
        platform::DebugWarning("Audit trail: the %s event was not recorded: %s\n", event, error.c_str());
    }
}

std::string AuditTrail::FormatLine(const AuditEvent& event) {
    std::string line = "{";
    AppendField(&line, "time", event.time);
    AppendField(&line, "event", event.event);
    AppendField(&line, "outcome", event.success ? "success" : "failure");
    AppendField(&line, "user", event.user);
    AppendField(&line, "host", event.host);
    if (event.patient != 0) AppendField(&line, "patient", UidText(event.patient));
    if (!event.file.empty()) AppendField(&line, "file", event.file);
    if (!event.detail.empty()) AppendField(&line, "detail", event.detail);
    line.push_back('}');
    return line;
}

bool AuditTrail::ParseLine(const std::string& line, AuditEvent* event) {
    std::vector<std::pair<std::string, std::string>> fields;
    if (!LineParser(line).Object(&fields)) return false;
    AuditEvent parsed;
    bool hasTime = false, hasEvent = false, hasOutcome = false;
    for (const auto& [name, value] : fields) {
        if (name == "time") {
            parsed.time = value, hasTime = true;
        } else if (name == "event") {
            parsed.event = value, hasEvent = true;
        } else if (name == "outcome") {
            if (value != "success" && value != "failure") return false;
            parsed.success = value == "success", hasOutcome = true;
        } else if (name == "user") {
            parsed.user = value;
        } else if (name == "host") {
            parsed.host = value;
        } else if (name == "patient") {
            if (!ParseUidText(value, &parsed.patient)) return false;
        } else if (name == "file") {
            parsed.file = value;
        } else if (name == "detail") {
            parsed.detail = value;
        }
        // Names added by a later version are passed over.
    }
    if (!hasTime || !hasEvent || !hasOutcome) return false;
    *event = std::move(parsed);
    return true;
}

bool AuditTrail::ReadFile(const std::string& hostPath, std::vector<AuditEvent>* events, size_t* skipped,
                          std::string* error) {
    events->clear();
    *skipped = 0;
    FILE* file = std::fopen(hostPath.c_str(), "rbe");
    if (!file) {
        if (errno == ENOENT) return true;
        *error = ErrorText(hostPath.c_str(), errno);
        return false;
    }
    std::string text;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        //: %1 is the audit trail's file
        *error = text::Arg(text::Tr("%1: cannot be read"), {hostPath});
        return false;
    }
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        // A last line without its newline was cut short: it is never taken, even when it parses.
        if (end == std::string::npos) {
            ++*skipped;
            break;
        }
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        AuditEvent event;
        if (ParseLine(line, &event))
            events->push_back(std::move(event));
        else
            ++*skipped;
    }
    return true;
}

std::string AuditTrail::NowText() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    ::localtime_r(&now, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = local.tm_gmtoff;
    const long minutes = (offset < 0 ? -offset : offset) / 60;
    char zone[48];
    std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return std::string(text) + zone;
}

}  // namespace records
