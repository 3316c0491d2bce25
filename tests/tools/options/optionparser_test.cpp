// The option table the kavimo-* tools parse their command lines with.
#include "tools/common/optionparser.h"

#include <gtest/gtest.h>

namespace {

using tooloptions::Kind;
using tooloptions::Outcome;

// A grammar with one option of each kind, a stop option and positional arguments.
class OptionParser : public ::testing::Test {
protected:
    OptionParser() {
        const tooloptions::Option port = tooloptions::IntegerOption(
            "--port", 0, 65535, "--port needs a port (0..65535)", [this](long n) { ports.push_back(n); });
        tooloptions::Option size{"--size", nullptr, Kind::Text};
        size.text = [this](const std::string& value, std::string* error) {
            if (value.find('x') == std::string::npos) return false;
            if (value == "0x0") *error = "refusing an empty picture";
            return value != "0x0";
        };
        grammar.options = {port,
                           size,
                           tooloptions::TextOption("--name", &name),
                           tooloptions::FlagOption("--quiet", &quiet),
                           tooloptions::SwitchOption("--tls", &tls, "--tls needs on or off"),
                           {"--help", "-h", Kind::Stop}};
        grammar.positional = [this](const std::string& argument) {
            positionals.push_back(argument);
            return argument != "refused";
        };
    }

    Outcome Run(std::vector<const char*> args) {
        args.insert(args.begin(), "tool");
        return tooloptions::Parse(grammar, static_cast<int>(args.size()), args.data());
    }
    std::string Error(std::vector<const char*> args) {
        const Outcome outcome = Run(std::move(args));
        return outcome.status == Outcome::Status::Failed ? outcome.error : "(no failure)";
    }

    tooloptions::Grammar grammar;
    std::vector<long> ports;
    std::string name = "unset";
    bool quiet = false;
    bool tls = false;
    std::vector<std::string> positionals;
};

TEST_F(OptionParser, TakesValuesFlagsAndPositionalsInTheOrderGiven) {
    const Outcome outcome =
        Run({"list", "--port", "0", "--name", "-dash", "--quiet", "-", "x", "--port", "65535", "--name", ""});
    ASSERT_EQ(outcome.status, Outcome::Status::Done) << outcome.error;
    EXPECT_EQ(ports, (std::vector<long>{0, 65535}));  // a repeat reaches the handler again
    EXPECT_EQ(name, "");                              // the last one wins, also when empty
    EXPECT_TRUE(quiet);
    EXPECT_EQ(positionals, (std::vector<std::string>{"list", "-", "x"}));
}

TEST_F(OptionParser, RefusesMissingBadAndUnknownArguments) {
    EXPECT_EQ(Error({"--port"}), "--port needs a port (0..65535)");
    EXPECT_EQ(Error({"--quiet", "--name"}), "--name needs a value");
    for (const char* port : {"65536", "-1", "", "5x", "0x10", "99999999999999999999"}) {
        EXPECT_EQ(Error({"--port", port}), "--port needs a port (0..65535)") << port;
    }
    EXPECT_EQ(Error({"--size", "big"}), "--size needs a value");
    EXPECT_EQ(Error({"--size", "0x0"}), "refusing an empty picture");
    EXPECT_EQ(Error({"--tls", "ON", "--tls", "maybe"}), "--tls needs on or off");
    EXPECT_TRUE(tls);  // "ON" was taken before "maybe" was refused
    EXPECT_EQ(Error({"--tls", "no"}), "(no failure)");
    EXPECT_FALSE(tls);
    EXPECT_EQ(Error({"--bogus", "--port", "1"}), "unknown option --bogus");
    EXPECT_TRUE(ports.empty());  // the walk ended at the first problem
    EXPECT_EQ(Error({"--port=1"}), "unknown option --port=1");
    EXPECT_EQ(Error({"a", "refused", "b"}), "unexpected argument refused");
    EXPECT_EQ(positionals, (std::vector<std::string>{"a", "refused"}));

    grammar.positional = nullptr;
    EXPECT_EQ(Error({"file"}), "unknown option file");
}

TEST_F(OptionParser, InlineValuesOnlyForOptionsThatTakeOne) {
    grammar.inlineValues = true;
    ASSERT_EQ(Run({"--name=a=b", "--port=80", "--port", "81"}).status, Outcome::Status::Done);
    EXPECT_EQ(name, "a=b");
    EXPECT_EQ(ports, (std::vector<long>{80, 81}));
    ASSERT_EQ(Run({"--name="}).status, Outcome::Status::Done);
    EXPECT_EQ(name, "");
    EXPECT_EQ(Error({"--port="}), "--port needs a port (0..65535)");
    EXPECT_EQ(Error({"--quiet=1"}), "unknown option --quiet=1");
    EXPECT_EQ(Error({"--help=x"}), "unknown option --help=x");
    EXPECT_EQ(Error({"--nam=x"}), "unknown option --nam=x");
}

TEST_F(OptionParser, AStopOptionEndsTheWalkWhereItStands) {
    Outcome outcome = Run({"--quiet", "-h", "--bogus", "--port"});
    EXPECT_EQ(outcome.status, Outcome::Status::Stopped);
    EXPECT_EQ(outcome.stoppedBy, "--help");
    EXPECT_TRUE(quiet);
    EXPECT_EQ(Error({"--bogus", "--help"}), "unknown option --bogus");
    // A stop option's spelling as another option's value is that value.
    outcome = Run({"--name", "--help"});
    EXPECT_EQ(outcome.status, Outcome::Status::Done);
    EXPECT_EQ(name, "--help");
}

}  // namespace
