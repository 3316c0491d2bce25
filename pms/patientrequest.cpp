#include "pms/patientrequest.h"

#include <cctype>
#include <tuple>

#include "platform/text.h"
#include "records/patientdetails.h"
#include "records/textconv.h"

namespace pms {
namespace {

// The number of characters of well-formed UTF-8 text without control characters; -1 when the
// text is not that.
long CleanUtf8Length(const std::string& text) {
    long chars = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        char32_t code = 0;
        const size_t length = records::DecodeUtf8At(p, end, &code);
        if (length == 0 || code < 0x20 || code == 0x7f || (code >= 0x80 && code < 0xa0)) return -1;
        p += length;
        ++chars;
    }
    return chars;
}

std::string Lower(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool AllDigits(const std::string& text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

// The fields whose text is checked, each with its own sentences so that they read whole in any
// language.
enum class Field { PatientId, LastName, FirstName, Phone };

std::string FieldProblem(Field field, const std::string& value, size_t maxChars) {
    const long chars = CleanUtf8Length(value);
    if (chars < 0) {
        switch (field) {
            case Field::PatientId:
                return text::Tr("the patient ID holds a control character or is not UTF-8 text");
            case Field::LastName:
                return text::Tr("the last name holds a control character or is not UTF-8 text");
            case Field::FirstName:
                return text::Tr("the first name holds a control character or is not UTF-8 text");
            case Field::Phone:
                return text::Tr("the phone holds a control character or is not UTF-8 text");
        }
    }
    if (size_t(chars) > maxChars) {
        const int limit = int(maxChars);
        switch (field) {
            case Field::PatientId:
                return text::Tr("the patient ID is longer than %n characters", nullptr, limit);
            case Field::LastName:
                return text::Tr("the last name is longer than %n characters", nullptr, limit);
            case Field::FirstName:
                return text::Tr("the first name is longer than %n characters", nullptr, limit);
            case Field::Phone:
                return text::Tr("the phone is longer than %n characters", nullptr, limit);
        }
    }
    return std::string();
}

bool OnlySpaces(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

bool SexLetterOf(const std::string& text, std::string* letter) {
    const std::string word = Lower(text);
    static const struct {
        const char* word;
        const char* letter;
    } kWords[] = {
        {"", ""},   {"m", "M"},     {"male", "M"}, {"f", "F"}, {"female", "F"}, {"w", "F"},
        {"o", "O"}, {"other", "O"}, {"d", "O"},    {"x", "O"}, {"u", "U"},      {"unknown", "U"},
    };
    for (const auto& known : kWords) {
        if (word == known.word) {
            *letter = known.letter;
            return true;
        }
    }
    return false;
}

bool BirthDateOf(const std::string& text, std::string* yyyymmdd) {
    std::string date;
    if (text.empty()) {
        yyyymmdd->clear();
        return true;
    }
    if (text.size() == 8) {
        date = text;
    } else if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        date = text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
    } else if (text.size() == 10 && text[2] == '.' && text[5] == '.') {
        date = text.substr(6, 4) + text.substr(3, 2) + text.substr(0, 2);
    } else {
        return false;
    }
    if (!AllDigits(date) || !records::IsValidDate(date)) return false;
    *yyyymmdd = date;
    return true;
}

std::string RequestProblem(const PatientRequest& request, const std::string& today) {
    if (request.patientId.empty() || OnlySpaces(request.patientId)) return text::Tr("the patient ID is missing");
    if (request.patientId.find_first_of("/\\") != std::string::npos) {
        return text::Arg(text::Tr("the patient ID \"%1\" holds a path character ('/' or '\\')"), {request.patientId});
    }
    for (const auto& [field, value, limit] :
         {std::tuple<Field, const std::string&, size_t>{Field::PatientId, request.patientId, kMaxIdChars},
          {Field::LastName, request.lastName, kMaxTextChars},
          {Field::FirstName, request.firstName, kMaxTextChars},
          {Field::Phone, request.phone, kMaxTextChars}}) {
        std::string problem = FieldProblem(field, value, limit);
        if (!problem.empty()) return problem;
    }
    if (request.lastName.empty() || OnlySpaces(request.lastName)) return text::Tr("the last name is missing");
    std::string checked;
    if (!BirthDateOf(request.birthDate, &checked) || checked != request.birthDate) {
        return text::Arg(text::Tr("the birth date \"%1\" is not a date (YYYYMMDD)"), {request.birthDate});
    }
    if (!request.birthDate.empty() && request.birthDate > today) {
        return text::Arg(text::Tr("the birth date %1 lies in the future"), {request.birthDate});
    }
    if (!SexLetterOf(request.sex, &checked) || checked != request.sex) {
        return text::Arg(text::Tr("the sex \"%1\" is not M, F, O or U"), {request.sex});
    }
    return std::string();
}

std::string DisplayName(const PatientRequest& request) {
    return request.firstName.empty() ? request.lastName : request.lastName + ", " + request.firstName;
}

std::string PersonName(const PatientRequest& request) {
    auto component = [](std::string text) {
        for (char& c : text) {
            if (c == '^' || c == '=' || c == '\\') c = ' ';
        }
        return text;
    };
    std::string name = component(request.lastName);
    if (!request.firstName.empty()) name += "^" + component(request.firstName);
    return name;
}

int AgeOn(const std::string& birthDate, const std::string& day) {
    if (birthDate.size() != 8 || day.size() != 8 || !AllDigits(birthDate) || !AllDigits(day)) return 0;
    const int years = std::stoi(day.substr(0, 4)) - std::stoi(birthDate.substr(0, 4));
    const bool hadBirthday = day.substr(4) >= birthDate.substr(4);
    const int age = hadBirthday ? years : years - 1;
    return age < 0 ? 0 : age;
}

namespace {

constexpr const char* kHandoverHead = "kavimo-patient 1";

struct HandoverKey {
    const char* name;
    std::string PatientRequest::*field;
};
constexpr HandoverKey kHandoverKeys[] = {
    {"PatientID", &PatientRequest::patientId},
    {"LastName", &PatientRequest::lastName},
    {"FirstName", &PatientRequest::firstName},
    {"BirthDate", &PatientRequest::birthDate},
    {"Sex", &PatientRequest::sex},
    {"Phone", &PatientRequest::phone},
};

}  // namespace

bool IsValidMmoid(const std::string& mmoid) {
    if (mmoid.empty() || mmoid.size() > 64 || mmoid[0] == '.') return false;
    for (char c : mmoid) {
        const bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
                        c == '-' || c == '.';
        if (!ok) return false;
    }
    return true;
}

std::string HandoverText(const PatientRequest& request, const std::vector<std::string>& show) {
    std::string text = std::string(kHandoverHead) + "\n";
    for (const HandoverKey& key : kHandoverKeys) {
        std::string value = request.*key.field;
        for (char& c : value) {
            if (c == '\n' || c == '\r') c = ' ';
        }
        text += std::string(key.name) + "=" + value + "\n";
    }
    std::string shown;
    for (const std::string& name : show) shown += (shown.empty() ? "" : ",") + name;
    return text + "Show=" + shown + "\nend\n";
}

bool ParseHandover(const std::string& text, PatientRequest* request, std::vector<std::string>* show,
                   std::string* problem) {
    auto fail = [problem](const std::string& why) {
        *problem = why;
        return false;
    };
    if (text.size() > kMaxHandoverBytes) return fail(text::Tr("the message is too long"));
    PatientRequest read;
    std::vector<std::string> shown;
    bool seen[sizeof kHandoverKeys / sizeof kHandoverKeys[0]] = {};
    bool seenShow = false;
    size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) break;
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != kHandoverHead)
                return fail(text::Arg(text::Tr("the message does not start with \"%1\""), {kHandoverHead}));
            continue;
        }
        if (line == "end") {
            if (start != text.size()) return fail(text::Tr("text follows the end line"));
            if (!seen[0]) return fail(text::Tr("the message holds no PatientID"));
            *request = read;
            *show = shown;
            return true;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            return fail(text::Arg(text::Tr("line %1 holds no '='"), {std::to_string(lineNumber)}));
        const std::string name = line.substr(0, equals);
        if (name == "Show") {
            if (seenShow) return fail(text::Arg(text::Tr("the key \"%1\" is repeated"), {"Show"}));
            seenShow = true;
            const std::string list = line.substr(equals + 1);
            for (size_t from = 0; from < list.size();) {
                size_t comma = list.find(',', from);
                if (comma == std::string::npos) comma = list.size();
                const std::string mmoid = list.substr(from, comma - from);
                if (!IsValidMmoid(mmoid))
                    return fail(text::Arg(text::Tr("\"%1\" is not the name of a picture"), {mmoid}));
                shown.push_back(mmoid);
                from = comma + 1;
            }
            continue;
        }
        size_t k = 0;
        while (k < sizeof kHandoverKeys / sizeof kHandoverKeys[0] && name != kHandoverKeys[k].name) ++k;
        if (k == sizeof kHandoverKeys / sizeof kHandoverKeys[0])
            return fail(text::Arg(text::Tr("unknown key \"%1\""), {name}));
        if (seen[k]) return fail(text::Arg(text::Tr("the key \"%1\" is repeated"), {name}));
        seen[k] = true;
        read.*kHandoverKeys[k].field = line.substr(equals + 1);
    }
    return fail(text::Tr("the message has no end line"));
}

}  // namespace pms
