#include "tools/common/optionparser.h"

#include <cerrno>
#include <cstdlib>
#include <utility>

#include "platform/text.h"

namespace tooloptions {

namespace {

bool TakesValue(const Option& option) { return option.kind == Kind::Text || option.kind == Kind::Integer; }

std::string Problem(const Option& option) {
    //: %1 a command-line option such as --name
    return option.problem ? option.problem : text::Arg(text::Tr("%1 needs a value"), {option.name});
}

const Option* Find(const Grammar& grammar, const std::string& spelling) {
    for (const Option& option : grammar.options) {
        if (spelling == option.name || (option.alias && spelling == option.alias)) return &option;
    }
    return nullptr;
}

//: %1 what was given on the command line
std::string UnknownOption(const std::string& arg) { return text::Arg(text::Tr("unknown option %1"), {arg}); }

Outcome Failure(const std::string& error) {
    Outcome outcome;
    outcome.status = Outcome::Status::Failed;
    outcome.error = error;
    return outcome;
}

// Hands the value to the option; an error message, or "" when it took it.
std::string Take(const Option& option, const std::string& value) {
    if (option.kind == Kind::Integer) {
        long number = 0;
        if (!ParseInteger(value, option.min, option.max, &number)) return Problem(option);
        if (option.number) option.number(number);
        return std::string();
    }
    std::string error;
    if (option.text && !option.text(value, &error)) return error.empty() ? Problem(option) : error;
    return std::string();
}

}  // namespace

Option FlagOption(const char* name, bool* target, bool value) {
    Option option{name, nullptr, Kind::Flag};
    option.set = [target, value] {
        *target = value;
        return true;
    };
    return option;
}

Option TextOption(const char* name, std::string* target, const char* problem) {
    Option option{name, nullptr, Kind::Text, problem};
    option.text = [target](const std::string& value, std::string*) {
        *target = value;
        return true;
    };
    return option;
}

Option CheckedOption(const char* name, const char* problem, std::function<bool(const std::string& value)> accept) {
    Option option{name, nullptr, Kind::Text, problem};
    option.text = [accept = std::move(accept)](const std::string& value, std::string*) { return accept(value); };
    return option;
}

Option SwitchOption(const char* name, bool* target, const char* problem) {
    return CheckedOption(name, problem, [target](const std::string& value) {
        std::string lower;
        for (char c : value) lower += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        const bool on = lower == "on" || lower == "yes" || lower == "true" || lower == "1";
        const bool off = lower == "off" || lower == "no" || lower == "false" || lower == "0";
        if (on || off) *target = on;
        return on || off;
    });
}

Option IntegerOption(const char* name, long min, long max, const char* problem, std::function<void(long)> number) {
    Option option{name, nullptr, Kind::Integer, problem, min, max};
    option.number = std::move(number);
    return option;
}

bool ParseInteger(const std::string& text, long min, long max, long* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < min || value > max) return false;
    *out = value;
    return true;
}

Outcome Parse(const Grammar& grammar, int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.size() < 2 || arg[0] != '-') {
            if (!grammar.positional) return Failure(UnknownOption(arg));
            if (!grammar.positional(arg)) return Failure(text::Arg(text::Tr("unexpected argument %1"), {arg}));
            continue;
        }
        const Option* option = Find(grammar, arg);
        bool inlineValue = false;
        const size_t equals = arg.find('=');
        if (!option && grammar.inlineValues && equals != std::string::npos) {
            option = Find(grammar, arg.substr(0, equals));
            if (option && !TakesValue(*option)) option = nullptr;
            inlineValue = option != nullptr;
        }
        if (!option) return Failure(UnknownOption(arg));

        switch (option->kind) {
            case Kind::Flag:
                if (option->set && !option->set()) return Failure(Problem(*option));
                break;
            case Kind::Stop: {
                Outcome outcome;
                outcome.status = Outcome::Status::Stopped;
                outcome.stoppedBy = option->name;
                return outcome;
            }
            case Kind::Text:
            case Kind::Integer: {
                if (!inlineValue && i + 1 >= argc) return Failure(Problem(*option));
                const std::string error = Take(*option, inlineValue ? arg.substr(equals + 1) : std::string(argv[++i]));
                if (!error.empty()) return Failure(error);
                break;
            }
        }
    }
    return Outcome();
}

}  // namespace tooloptions
