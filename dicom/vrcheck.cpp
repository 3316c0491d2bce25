#include "dicom/vrcheck.h"

#include <vector>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcvrcs.h"
#include "dcmtk/dcmdata/dcvrda.h"
#include "dcmtk/dcmdata/dcvrpn.h"
#include "dcmtk/dcmdata/dcvrtm.h"
#include "dcmtk/dcmdata/dcvrui.h"
#include "dicom/pacsclient.h"
#include "platform/text.h"
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

// What can be wrong with a value; the phrases are in Phrase.
enum class Fault {
    None,
    NotUtf8,
    Backslash,
    Control,
    TooLong,
    TooManyGroups,
    GroupTooLong,
    TooManyComponents,
    NotPersonName,
    NotAeTitle,
    NotCodeString,
    NotDate,
    NotTime,
    NotUid,
    UnknownVr,
};

struct Problem {
    Fault fault = Fault::None;
    size_t max = 0;  // the most characters, for TooLong and GroupTooLong
};

Problem TextProblem(Vr vr, const std::string& value) {
    bool clean = true;
    const std::u32string text = Decode(value, &clean);
    if (!clean) return {Fault::NotUtf8};
    for (char32_t c : text) {
        if (c == '\\' && vr != Vr::LT) return {Fault::Backslash};
        if (IsControl(c) && !(vr == Vr::LT && IsLineBreakOrTab(c))) return {Fault::Control};
    }
    const size_t max = MaxCharacters(vr);
    if (vr != Vr::PN) return text.size() > max ? Problem{Fault::TooLong, max} : Problem{};
    const std::vector<std::u32string> groups = Split(text, '=');
    if (groups.size() > 3) return {Fault::TooManyGroups};
    for (const std::u32string& group : groups) {
        if (group.size() > max) return {Fault::GroupTooLong, max};
        if (Split(group, '^').size() > 5) return {Fault::TooManyComponents};
    }
    return DcmPersonName::checkStringValue(value.c_str(), "1", kUtf8Charset).good() ? Problem{}
                                                                                    : Problem{Fault::NotPersonName};
}

Problem ProblemOf(Vr vr, const std::string& value) {
    if (value.empty()) return {};
    const auto fault = [](bool fits, Fault otherwise) { return fits ? Problem{} : Problem{otherwise}; };
    switch (vr) {
        case Vr::AE:
            return fault(IsValidAeTitle(value), Fault::NotAeTitle);
        case Vr::CS:
            return fault(value.size() <= 16 && DcmCodeString::checkStringValue(value.c_str(), "1").good(),
                         Fault::NotCodeString);
        case Vr::DA:
            return fault(records::IsValidDate(value), Fault::NotDate);
        case Vr::TM:
            return fault(value.size() <= 16 && DcmTime::checkStringValue(value.c_str(), "1").good(), Fault::NotTime);
        case Vr::UI:
            return fault(value.size() <= 64 && DcmUniqueIdentifier::checkStringValue(value.c_str(), "1").good(),
                         Fault::NotUid);
        case Vr::SH:
        case Vr::LO:
        case Vr::LT:
        case Vr::PN:
            return TextProblem(vr, value);
    }
    return {Fault::UnknownVr};
}

// The problem in words: in the user's language, or in English for the log.
std::string Phrase(const Problem& problem, bool english) {
    const int max = int(problem.max);
    switch (problem.fault) {
        case Fault::None:
            return {};
        case Fault::NotUtf8:
            return english ? "not UTF-8 text" : text::Tr("not UTF-8 text");
        case Fault::Backslash:
            return english ? "contains a backslash" : text::Tr("contains a backslash");
        case Fault::Control:
            return english ? "contains a control character" : text::Tr("contains a control character");
        case Fault::TooLong:
            return english ? "longer than " + std::to_string(max) + " characters"
                           : text::Tr("longer than %n characters", nullptr, max);
        case Fault::TooManyGroups:
            return english ? "more than three name groups" : text::Tr("more than three name groups");
        case Fault::GroupTooLong:
            return english ? "a name group longer than " + std::to_string(max) + " characters"
                           : text::Tr("a name group longer than %n characters", nullptr, max);
        case Fault::TooManyComponents:
            return english ? "more than five name components" : text::Tr("more than five name components");
        case Fault::NotPersonName:
            return english ? "not a person name" : text::Tr("not a person name");
        case Fault::NotAeTitle:
            return english ? "not an AE title" : text::Tr("not an AE title");
        case Fault::NotCodeString:
            return english ? "not a code string" : text::Tr("not a code string");
        case Fault::NotDate:
            return english ? "not a date" : text::Tr("not a date");
        case Fault::NotTime:
            return english ? "not a time" : text::Tr("not a time");
        case Fault::NotUid:
            return english ? "not a UID" : text::Tr("not a UID");
        case Fault::UnknownVr:
            return english ? "an unknown VR" : text::Tr("an unknown VR");
    }
    return {};
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

std::string ValueProblem(Vr vr, const std::string& value) { return Phrase(ProblemOf(vr, value), false); }

std::string ValueProblemForLog(Vr vr, const std::string& value) { return Phrase(ProblemOf(vr, value), true); }

bool FitsVr(Vr vr, const std::string& value) { return ProblemOf(vr, value).fault == Fault::None; }

std::string FitValue(Vr vr, const std::string& value) {
    if (FitsVr(vr, value)) return value;
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
