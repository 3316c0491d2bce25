// Captures the lines written to the platform debug sink while it is alive. It sees what CDebugLog
// writes in the same image only: a shared library has its own copy of the platform layer, so tests
// that check log lines link the library's code in (as decoder_tests does with kavimo_decoder_objects).
#pragma once

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "platform/debug.h"

class LogCapture {
public:
    LogCapture() { m_previous = platform::SetDebugSink(&LogCapture::Sink, this); }
    ~LogCapture() { platform::SetDebugSink(m_previous, nullptr); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> Lines() const {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_lines;
    }
    // How many captured lines equal `line` exactly.
    int Count(const std::string& line) const {
        std::lock_guard<std::mutex> guard(m_lock);
        return static_cast<int>(std::count(m_lines.begin(), m_lines.end(), line));
    }
    // How many captured lines start with `prefix`.
    int CountPrefix(const std::string& prefix) const {
        std::lock_guard<std::mutex> guard(m_lock);
        return static_cast<int>(std::count_if(m_lines.begin(), m_lines.end(), [&](const std::string& line) {
            return line.compare(0, prefix.size(), prefix) == 0;
        }));
    }
    void Clear() {
        std::lock_guard<std::mutex> guard(m_lock);
        m_lines.clear();
    }

private:
    static void Sink(const char* text, void* context) {
        auto* self = static_cast<LogCapture*>(context);
        std::lock_guard<std::mutex> guard(self->m_lock);
        self->m_lines.emplace_back(text);
    }

    mutable std::mutex m_lock;
    std::vector<std::string> m_lines;
    platform::DebugSink m_previous = nullptr;
};
