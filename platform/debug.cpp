#include "platform/debug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/logfile.h"

namespace platform {

namespace {
std::mutex g_sinkMutex;
DebugSink g_sink = nullptr;
void* g_context = nullptr;

bool DefaultSinkEnabled() {
    static const bool enabled = std::getenv("KAVIMO_DEBUG") != nullptr;
    return enabled;
}

// The log file named by KAVIMO_LOG_FILE when this copy first writes a line; null without one.
// Never destroyed: threads that end with the process may still write while it exits.
RotatingLogFile* LogFile() {
    static RotatingLogFile* const file = []() -> RotatingLogFile* {
        const char* path = std::getenv("KAVIMO_LOG_FILE");
        if (!path || !*path) return nullptr;
        return new RotatingLogFile(path);
    }();
    return file;
}

DebugLevel LevelOfTag(const char* text) {
    for (const char* tag : {"[WARN]", "[ERROR]", "[ALARM]"}) {
        if (std::strncmp(text, tag, std::strlen(tag)) == 0) return DebugLevel::Warning;
    }
    return DebugLevel::Trace;
}

void Output(DebugLevel level, const char* text) {
    std::lock_guard<std::mutex> guard(g_sinkMutex);
    if (g_sink) {
        g_sink(text, g_context);
        return;
    }
    if (DefaultSinkEnabled()) std::fputs(text, stderr);
    if (level != DebugLevel::Trace || DefaultSinkEnabled()) {
        if (RotatingLogFile* file = LogFile()) {
            // Lines from this program's own code carry no level tag; give warnings one in the file.
            const bool tag = level == DebugLevel::Warning && text[0] != '[';
            file->Append(TimestampedLine((std::string(tag ? "[WARN]" : "") + text).c_str()));
        }
    }
}

void VOutput(DebugLevel level, const char* format, va_list args) {
    char text[4096];
    std::vsnprintf(text, sizeof text, format, args);
    Output(level, text);
}
}  // namespace

DebugSink SetDebugSink(DebugSink sink, void* context) {
    std::lock_guard<std::mutex> guard(g_sinkMutex);
    DebugSink previous = g_sink;
    g_sink = sink;
    g_context = context;
    return previous;
}

void DebugOutput(const char* text) {
    if (!text) return;
    Output(LevelOfTag(text), text);
}

void DebugOutput(DebugLevel level, const char* text) {
    if (!text) return;
    Output(level, text);
}

void DebugVPrintf(const char* format, va_list args) {
    char text[4096];
    std::vsnprintf(text, sizeof text, format, args);
    DebugOutput(text);
}

void DebugPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    DebugVPrintf(format, args);
    va_end(args);
}

void DebugWarning(const char* format, ...) {
    va_list args;
    va_start(args, format);
    VOutput(DebugLevel::Warning, format, args);
    va_end(args);
}

void DebugNotice(const char* format, ...) {
    va_list args;
    va_start(args, format);
    VOutput(DebugLevel::Notice, format, args);
    va_end(args);
}

}  // namespace platform
