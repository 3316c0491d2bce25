// The command lines of the kavimo-* tools: a table of options, each naming the option, the kind of
// value it takes and where the value goes, walked over argv in one place.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tooloptions {

// What an option takes, and what the parser does when it meets it.
enum class Kind {
    Flag,     // no value: `set` runs
    Stop,     // no value: parsing ends here (--help, --version)
    Text,     // one value: `text` takes it
    Integer,  // one decimal value within [min, max]: `number` takes it
};

struct Option {
    const char* name;   // "--cmd-port"
    const char* alias;  // a second spelling ("-h"), or nullptr
    Kind kind;
    // The message when the value is missing or refused (also when `set` or `text` refuses);
    // nullptr: "<name> needs a value".
    const char* problem = nullptr;
    long min = 0;  // Integer's range
    long max = 0;
    std::function<bool()> set = nullptr;  // Flag; false refuses the option
    // Text; false refuses the value. A message written to *error replaces `problem`.
    std::function<bool(const std::string& value, std::string* error)> text = nullptr;
    std::function<void(long)> number = nullptr;  // Integer, once the value is in range
};

// A Flag that sets *target to `value`.
Option FlagOption(const char* name, bool* target, bool value = true);
// A Text option that copies its value into *target (any value, also an empty one).
Option TextOption(const char* name, std::string* target, const char* problem = nullptr);
// A Text option whose value `accept` checks and stores; false refuses it with `problem`.
Option CheckedOption(const char* name, const char* problem, std::function<bool(const std::string& value)> accept);
// A Text option taking on or off (also yes/no, true/false, 1/0) into *target; anything else is
// refused with `problem`.
Option SwitchOption(const char* name, bool* target, const char* problem);
// An Integer option within [min, max].
Option IntegerOption(const char* name, long min, long max, const char* problem, std::function<void(long)> number);

struct Grammar {
    std::vector<Option> options;
    // Also "--name=VALUE" for the options that take a value.
    bool inlineValues = false;
    // Takes an argument that is no option ("-" alone, or anything not starting with '-'), in
    // order; false refuses it. Without it every such argument is an unknown option.
    std::function<bool(const std::string& argument)> positional;
};

struct Outcome {
    enum class Status { Done, Stopped, Failed };
    Status status = Status::Done;
    std::string stoppedBy;  // Stopped: the option's name (not its alias)
    std::string error;      // Failed: what is wrong, e.g. "--fps needs 1..120"
};

// Walks argv[1..argc) once, left to right: each option's value is taken where it is met (a later
// repeat overrides it or adds to it, as its handler does), the first problem ends the walk.
Outcome Parse(const Grammar& grammar, int argc, const char* const* argv);

// A whole decimal number within [min, max] (strtol's spelling: leading blanks and a sign allowed,
// nothing after the digits).
bool ParseInteger(const std::string& text, long min, long max, long* out);

}  // namespace tooloptions
