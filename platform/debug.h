// The process-wide debug trace. Components write diagnostic lines here; what happens to them is
// decided by whoever installed a sink: tests capture them, the application may log them. With no
// sink installed, lines go to standard error when KAVIMO_DEBUG is set and are dropped otherwise,
// as they would be with no debugger attached.
#pragma once

#include <cstdarg>

namespace platform {

using DebugSink = void (*)(const char* text, void* context);

// Installs a sink (null restores the default). Thread-safe; returns the previous sink.
DebugSink SetDebugSink(DebugSink sink, void* context);

// Hands one piece of text to the sink unchanged (no newline is added).
void DebugOutput(const char* text);

// printf-style DebugOutput; the text is formatted into a bounded buffer (longer texts are cut).
void DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void DebugVPrintf(const char* format, va_list args);

}  // namespace platform
