#include "dicom/vrcheck.h"

#include <vector>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcvrcs.h"
#include "dcmtk/dcmdata/dcvrda.h"
#include "dcmtk/dcmdata/dcvrpn.h"
#include "dcmtk/dcmdata/dcvrtm.h"
#include "dcmtk/dcmdata/dcvrui.h"
#include "dicom/pacsclient.h"
#include "records/patientdetails.h"
#include "records/textconv.h"

namespace dicom {
namespace {

constexpr const char* kUtf8Charset = "ISO_IR 192";
constexpr char32_t kReplacement = 0xFFFD;

// The code points of a text; malformed sequences become U+FFFD (one per offending byte), and
// *clean says whether there were none.
std::u32string Decode(const std::string& text, bool* clean) {
    std::u32string out;
    *clean = true;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        char32_t code = 0;
        const size_t length = records::DecodeUtf8At(p, end, &code);
        if (length == 0) {
            *clean = false;
            out += kReplacement;
            ++p;
            continue;
        }
        out += code;
        p += length;
    }
    return out;
}

void AppendUtf8(std::string* out, char32_t c) {
    if (c < 0x80) {
        *out += char(c);
    } else if (c < 0x800) {
        *out += char(0xc0 | (c >> 6));
        *out += char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        *out += char(0xe0 | (c >> 12));
        *out += char(0x80 | ((c >> 6) & 0x3f));
        *out += char(0x80 | (c & 0x3f));
    } else {
        *out += char(0xf0 | (c >> 18));
        *out += char(0x80 | ((c >> 12) & 0x3f));
        *out += char(0x80 | ((c >> 6) & 0x3f));
        *out += char(0x80 | (c & 0x3f));
    }
}

std::string Encode(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) AppendUtf8(&out, c);
    return out;
}

bool IsControl(char32_t c) { return c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0); }

bool IsLineBreakOrTab(char32_t c) { return c == '\n' || c == '\r' || c == '\t' || c == '\f'; }

// The most characters a value (or, for PN, one group) of the VR may have; 0: no text VR.
size_t MaxCharacters(Vr vr) {
    switch (vr) {
        case Vr::SH:
            return 16;
        case Vr::LO:
        case Vr::PN:
            return 64;
        case Vr::LT:
            return 10240;
        default:
            return 0;
    }
}

std::u32string Trimmed(const std::u32string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return text.substr(begin, end - begin);
}

std::vector<std::u32string> Split(const std::u32string& text, char32_t separator) {
    std::vector<std::u32string> parts(1);
    for (char32_t c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string TooLong(size_t max) { return "is longer than " + std::to_string(max) + " characters"; }

std::string TextProblem(Vr vr, const std::string& value) {
    bool clean = true;
    const std::u32string text = Decode(value, &clean);
    if (!clean) return "is not UTF-8 text";
    for (char32_t c : text) {
        if (c == '\\' && vr != Vr::LT) return "holds a backslash";
        if (IsControl(c) && !(vr == Vr::LT && IsLineBreakOrTab(c))) return "holds a control character";
    }
    const size_t max = MaxCharacters(vr);
    if (vr != Vr::PN) return text.size() > max ? TooLong(max) : std::string();
    const std::vector<std::u32string> groups = Split(text, '=');
    if (groups.size() > 3) return "has more than three name groups";
    for (const std::u32string& group : groups) {
        if (group.size() > max) return "has a name group " + TooLong(max).substr(3);
        if (Split(group, '^').size() > 5) return "has more than five name components";
    }
    return DcmPersonName::checkStringValue(value.c_str(), "1", kUtf8Charset).good() ? std::string()
                                                                                    : "is not a person name";
}

std::u32string FitText(Vr vr, std::u32string text) {
    for (char32_t& c : text) {
        if ((c == '\\' && vr != Vr::LT) || (IsControl(c) && !(vr == Vr::LT && IsLineBreakOrTab(c)))) c = ' ';
    }
    const size_t max = MaxCharacters(vr);
    if (vr != Vr::PN) return Trimmed(Trimmed(text).substr(0, max));
    std::vector<std::u32string> groups = Split(text, '=');
    groups.resize(std::min<size_t>(groups.size(), 3));
    std::u32string name;
    for (size_t g = 0; g < groups.size(); ++g) {
        std::vector<std::u32string> components = Split(groups[g], '^');
        while (components.size() > 5) {
            components[4] += U' ' + components[5];
            components.erase(components.begin() + 5);
        }
        std::u32string group;
        for (size_t i = 0; i < components.size(); ++i) {
            if (i > 0) group += '^';
            group += Trimmed(components[i]);
        }
        if (g > 0) name += '=';
        name += group.substr(0, max);
    }
    // Components or groups left empty at the end carry nothing.
    while (!name.empty() && (name.back() == '^' || name.back() == '=' || name.back() == ' ')) name.pop_back();
    return name;
}

}  // namespace

bool IsUtf8(const std::string& text) {
    bool clean = true;
    Decode(text, &clean);
    return clean;
}

const char* VrName(Vr vr) {
    static const char* const kNames[] = {"AE", "CS", "DA", "TM", "UI", "SH", "LO", "LT", "PN"};
    return kNames[static_cast<int>(vr)];
}

std::string ValueProblem(Vr vr, const std::string& value) {
    if (value.empty()) return {};
    switch (vr) {
        case Vr::AE:
            return IsValidAeTitle(value) ? std::string() : "is not an AE title";
        case Vr::CS:
            return value.size() <= 16 && DcmCodeString::checkStringValue(value.c_str(), "1").good()
                       ? std::string()
                       : "is not a code string";
        case Vr::DA:
            return records::IsValidDate(value) ? std::string() : "is not a date";
        case Vr::TM:
            return value.size() <= 16 && DcmTime::checkStringValue(value.c_str(), "1").good() ? std::string()
                                                                                              : "is not a time";
        case Vr::UI:
            return value.size() <= 64 && DcmUniqueIdentifier::checkStringValue(value.c_str(), "1").good()
                       ? std::string()
                       : "is not a UID";
        case Vr::SH:
        case Vr::LO:
        case Vr::LT:
        case Vr::PN:
            return TextProblem(vr, value);
    }
    return "is of an unknown VR";
}

std::string FitValue(Vr vr, const std::string& value) {
    if (ValueProblem(vr, value).empty()) return value;
    switch (vr) {
        case Vr::SH:
        case Vr::LO:
        case Vr::LT:
        case Vr::PN: {
            bool clean = true;
            return Encode(FitText(vr, Decode(value, &clean)));
        }
        default:
            return {};
    }
}

}  // namespace dicom
