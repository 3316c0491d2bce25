// The log file a technician reads: one timestamped line per message, capped in size.
//
// Several writers may append to the same file at once: each media library has its own copy of the
// platform code, and the demo's simulator is another process. Each line is one write() to a file
// opened for appending. When the file would grow past its cap, the writer that notices renames it
// to "<path>.1" (replacing the older copy) and starts a new file; the others see that the path now
// names another file and reopen it, so no line goes into the rotated copy after the rotation.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace platform {

class RotatingLogFile {
public:
    static constexpr uint64_t kDefaultCapBytes = 5 * 1024 * 1024;

    explicit RotatingLogFile(std::string path, uint64_t capBytes = kDefaultCapBytes);
    ~RotatingLogFile();
    RotatingLogFile(const RotatingLogFile&) = delete;
    RotatingLogFile& operator=(const RotatingLogFile&) = delete;

    // Appends the text as it is (the caller ends it with a newline). Creates the file and its
    // folders on first use. False when the file cannot be opened or written; after a failed open
    // the file is not tried again, so a log that cannot be written costs nothing per line.
    bool Append(const std::string& text);

    const std::string& Path() const { return m_path; }

private:
    bool Open();
    void Close();

    std::string m_path;
    uint64_t m_capBytes;
    int m_fd = -1;
    bool m_failed = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

// "YYYY-MM-DD hh:mm:ss.mmm " in local time, then the text, ending with exactly one newline.
std::string TimestampedLine(const char* text);

// Where kavimo writes its log: $XDG_STATE_HOME/kavimo/kavimo.log, or ~/.local/state/kavimo/kavimo.log;
// empty (no log file) without a home directory, rather than a shared folder another account could
// prepare.
std::string DefaultLogFilePath();

}  // namespace platform
