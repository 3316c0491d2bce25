// kavimo-play, run as a program: what its command line answers, and a short run without a camera.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "kavimo_version.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PlayTool : public ::testing::Test {
protected:
    struct Run {
        int status = -1;
        std::string out;
        std::string err;
    };

    void SetUp() override {
        char dir[] = "/tmp/kavimo-play-test-XXXXXX";
        ASSERT_NE(::mkdtemp(dir), nullptr);
        m_dir = dir;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Runs the program in the test's directory with the arguments (quoted as needed).
    Run Play(const std::string& arguments) {
        const std::string command =
            "cd '" + m_dir + "' && LSAN_OPTIONS=suppressions='" KAVIMO_LSAN_SUPPRESSIONS "' '" KAVIMO_PLAY_TOOL "' " +
            arguments + " >out.txt 2>err.txt </dev/null";
        const int status = std::system(command.c_str());
        Run run;
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = ReadFile(m_dir + "/out.txt");
        run.err = ReadFile(m_dir + "/err.txt");
        return run;
    }

    std::string m_dir;
};

TEST_F(PlayTool, AnswersHelpAndVersionAndRefusesAWrongCommandLine) {
    const Run help = Play("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("usage: kavimo-play [options] [FILE.h264]\n"));
    EXPECT_THAT(help.out, HasSubstr("--window-shot FILE.bmp"));
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(Play("-h").out, help.out);

    const Run version = Play("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kavimo-play " KAVIMO_VERSION "\n");

    // A wrong command line prints the usage to standard error, whatever comes after it.
    for (const char* arguments :
         {"--bogus --help", "--fps 0", "--mode 2", "--size", "--size 8x8", "a.h264 b.h264", "-", "--fps=25"}) {
        SCOPED_TRACE(arguments);
        const Run wrong = Play(arguments);
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.out, "");
        EXPECT_EQ(wrong.err, help.out);
    }
    EXPECT_EQ(Play("--help --bogus").status, 0);  // --help acts where it stands
}

TEST_F(PlayTool, AFileThatCannotBeOpenedEndsWithOne) {
    const Run missing = Play("--no-pacing missing.h264");
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, StartsWith("kavimo-play: cannot open missing.h264"));
}

// The test pattern through decoder and player into a window, recorded, then the recording played.
TEST_F(PlayTool, PlaysATestPatternAndItsRecording) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display";
    const Run pattern = Play("--size 176x144 --frames 12 --no-pacing --record r.h264 --shot s.bmp");
    ASSERT_EQ(pattern.status, 0) << pattern.err;
    EXPECT_THAT(pattern.out, HasSubstr("frames: 12 fed, 12 decoded, 12 through the player"));
    EXPECT_THAT(pattern.out, HasSubstr("last frame written to s.bmp"));
    const std::string bmp = ReadFile(m_dir + "/s.bmp");
    ASSERT_EQ(bmp.size(), 54u + 176u * 144u * 3u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    int32_t width = 0, height = 0;
    bmp.copy(reinterpret_cast<char*>(&width), 4, 18);
    bmp.copy(reinterpret_cast<char*>(&height), 4, 22);
    EXPECT_EQ(width, 176);
    EXPECT_EQ(std::abs(height), 144);

    const Run replay = Play("--no-pacing r.h264");
    ASSERT_EQ(replay.status, 0) << replay.err;
    EXPECT_THAT(replay.out, HasSubstr("frames: 12 fed, 12 decoded, 12 through the player"));
}

}  // namespace
