#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "media/support/debuglog.h"
#include "tests/media/support/logcapture.h"

namespace {

TEST(DebugLog, DebuggerSinkReceivesFormattedTextUnchanged) {
    LogCapture capture;
    CDebugLog log;
    log.Format("[TIP][%" KAVIMO_LOG_ADDR "]DisplayThread() entry\n", KAVIMO_LOG_ADDR_ARG(&log));
    log.Format("[TEST]发生丢帧, 等I帧\n");
    ASSERT_EQ(capture.Lines().size(), 2u);
    EXPECT_EQ(capture.Lines()[0],
              "[TIP][" + std::to_string(reinterpret_cast<intptr_t>(&log)) + "]DisplayThread() entry\n");
    EXPECT_EQ(capture.Lines()[1], "[TEST]发生丢帧, 等I帧\n");  // UTF-8 bytes pass through
}

TEST(DebugLog, LongTextIsCutToTheBuffer) {
    LogCapture capture;
    CDebugLog log;
    log.Format("[WARN]%s\n", std::string(3000, 'x').c_str());
    ASSERT_EQ(capture.Lines().size(), 1u);
    EXPECT_EQ(capture.Lines()[0].size(), CDebugLog::kBufferSize - 1);
    EXPECT_EQ(capture.Lines()[0].compare(0, 7, "[WARN]x"), 0);
}

TEST(DebugLog, SwitchedOffDebuggerSinkReceivesNothing) {
    LogCapture capture;
    CDebugLog log;
    EXPECT_TRUE(log.IsDebuggerSinkOn());
    EXPECT_FALSE(log.IsConsoleSinkOn());
    EXPECT_FALSE(log.IsFileSinkOn());
    log.SetDebuggerSink(false);
    log.Format("[TIP]hidden\n");
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(DebugLog, ConsoleAndFileSinksPrefixLocalDateAndTime) {
    const std::regex stamped(R"(^\[\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\]\[ERROR\]disk full\n$)");
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kavimo_debuglog_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                      std::to_string(reinterpret_cast<uintptr_t>(&stamped)));
    std::filesystem::create_directories(dir);
    const auto path = dir / "log.txt";

    LogCapture capture;
    CDebugLog log;
    log.SetConsoleSink(true);
    ASSERT_TRUE(log.OpenFile(path.c_str()));
    testing::internal::CaptureStdout();
    log.Format("[ERROR]%s\n", "disk full");
    std::fflush(stdout);
    const std::string console = testing::internal::GetCapturedStdout();
    log.CloseFile();
    log.Format("[ERROR]not in the file\n");

    EXPECT_TRUE(std::regex_match(console, stamped)) << console;
    std::ifstream file(path);
    const std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(std::regex_match(written, stamped)) << written;
    ASSERT_EQ(capture.Lines().size(), 2u);
    EXPECT_EQ(capture.Lines()[0], "[ERROR]disk full\n");  // the debugger sink has no time stamp
    EXPECT_FALSE(log.OpenFile((dir / "missing" / "log.txt").c_str()));
    std::filesystem::remove_all(dir);
}

}  // namespace
