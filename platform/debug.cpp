#include "platform/debug.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace platform {

namespace {
std::mutex g_sinkMutex;
DebugSink g_sink = nullptr;
void* g_context = nullptr;

bool DefaultSinkEnabled() {
    static const bool enabled = std::getenv("KAVIMO_DEBUG") != nullptr;
    return enabled;
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
    std::lock_guard<std::mutex> guard(g_sinkMutex);
    if (g_sink) {
        g_sink(text, g_context);
    } else if (DefaultSinkEnabled()) {
        std::fputs(text, stderr);
    }
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

}  // namespace platform
