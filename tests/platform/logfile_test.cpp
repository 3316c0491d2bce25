// The log file: capped with one rotated copy, shared by several writers (each shared library has
// its own copy of the debug trace), and fed only warnings and notices at the default level.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/debug.h"
#include "platform/logfile.h"

namespace {

class TempDir {
public:
    TempDir() {
        char name[] = "/tmp/kavimo-logfile-XXXXXX";
        m_path = ::mkdtemp(name) ? name : "";
    }
    ~TempDir() {
        if (!m_path.empty()) std::system(("rm -rf '" + m_path + "'").c_str());
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

long long Size(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

std::string Numbered(int n) {
    char text[64];
    std::snprintf(text, sizeof text, "line %04d of the log, padded to a fair length\n", n);
    return text;
}

}  // namespace

TEST(RotatingLogFile, StaysUnderItsCapWithOneRotatedCopyAndLosesNoLine) {
    TempDir dir;
    const std::string path = dir.Path() + "/state/kavimo/kavimo.log";  // folders made on first use
    constexpr uint64_t kCap = 1000;
    platform::RotatingLogFile log(path, kCap);
    constexpr int kLines = 200;  // about ten files' worth
    for (int i = 0; i < kLines; ++i) ASSERT_TRUE(log.Append(Numbered(i))) << i;

    EXPECT_LE(Size(path), static_cast<long long>(kCap));
    EXPECT_LE(Size(path + ".1"), static_cast<long long>(kCap));
    EXPECT_FALSE(Exists(path + ".2"));
    // The rotated copy and the file hold the latest lines in order, without a gap between them.
    std::vector<std::string> lines = Lines(path + ".1");
    for (const std::string& line : Lines(path)) lines.push_back(line);
    ASSERT_GT(lines.size(), 20u);
    const int first = kLines - int(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i] + "\n", Numbered(first + int(i)));

    EXPECT_TRUE(std::regex_match(platform::TimestampedLine("[WARN]x\n"),
                                 std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[WARN\]x\n)")));
    EXPECT_EQ(platform::TimestampedLine("no newline").back(), '\n');

    // A log that cannot be made is refused, not a crash, and costs nothing afterwards.
    platform::RotatingLogFile blocked(path + "/under-a-file.log");
    EXPECT_FALSE(blocked.Append("x\n"));
    EXPECT_FALSE(blocked.Append("y\n"));
}

TEST(RotatingLogFile, WritersSharingTheFileFollowARotationAndRotateOnce) {
    TempDir dir;
    const std::string path = dir.Path() + "/kavimo.log";
    constexpr uint64_t kCap = 500;
    platform::RotatingLogFile a(path, kCap);
    platform::RotatingLogFile b(path, kCap);
    ASSERT_TRUE(a.Append("first line, by a\n"));
    ASSERT_TRUE(b.Append("second line, by b\n"));
    int n = 0;
    while (Size(path) + 60 <= static_cast<long long>(kCap)) ASSERT_TRUE(a.Append(Numbered(n++)));

    // b finds the file full and rotates it; a, still holding the old file, must not rotate the
    // new one away as well, and must write into the new file, not the rotated copy.
    ASSERT_TRUE(b.Append(std::string(99, 'b') + "\n"));
    ASSERT_TRUE(a.Append("after the rotation, by a\n"));
    const std::vector<std::string> rotated = Lines(path + ".1");
    ASSERT_FALSE(rotated.empty());
    EXPECT_EQ(rotated.front(), "first line, by a");
    const std::vector<std::string> current = Lines(path);
    ASSERT_EQ(current.size(), 2u);
    EXPECT_EQ(current[1], "after the rotation, by a");
}

TEST(DebugLogFile, TakesWarningsAndNoticesButNoTraceAtTheDefaultLevel) {
    TempDir dir;
    const std::string path = dir.Path() + "/kavimo.log";
    ::setenv("KAVIMO_LOG_FILE", path.c_str(), 1);
    ::unsetenv("KAVIMO_DEBUG");
    platform::SetDebugSink(nullptr, nullptr);

    platform::DebugPrintf("a trace line, as often as per frame\n");
    platform::DebugOutput("[TIP]a library's trace line\n");
    platform::DebugOutput("[WARN]a library's warning\n");
    platform::DebugOutput("[ERROR]a library's error\n");
    platform::DebugWarning("RecordStore: cannot write %s\n", "UserList.fdb");
    platform::DebugNotice("kavimo started\n");

    std::string text;
    for (const std::string& line : Lines(path)) text += line.substr(24) + "\n";  // without the time
    EXPECT_EQ(text,
              "[WARN]a library's warning\n"
              "[ERROR]a library's error\n"
              "[WARN]RecordStore: cannot write UserList.fdb\n"
              "kavimo started\n");
}
