// The process-wide debug trace. Components write diagnostic lines here; what happens to them is
// decided by whoever installed a sink: tests capture them, the application may log them. With no
// sink installed, lines go to standard error when KAVIMO_DEBUG is set and are dropped otherwise,
// as they would be with no debugger attached.
//
// The log file: when the environment names one in KAVIMO_LOG_FILE (kavimo sets it at start-up,
// before anything is traced), lines also go there with a timestamp, through the default path only
// (an installed sink takes them all): warnings and notices always, the rest of the trace only
// with KAVIMO_DEBUG. Every copy of this code (each shared library has its own) reads the same
// environment, so the media libraries' warnings reach the same file.
#pragma once

#include <cstdarg>

namespace platform {

using DebugSink = void (*)(const char* text, void* context);

// How much a line matters. Warnings: something failed or was refused. Notices: the few lines
// that frame a run (start, end) and what the user is told in a message box. Trace: everything
// else, as often as per frame.
enum class DebugLevel { Trace, Notice, Warning };

// Installs a sink (null restores the default). Thread-safe; returns the previous sink.
DebugSink SetDebugSink(DebugSink sink, void* context);

// Hands one piece of text to the sink unchanged (no newline is added). A text that begins with
// the media libraries' "[WARN]", "[ERROR]" or "[ALARM]" tag is a warning, any other is trace.
void DebugOutput(const char* text);
void DebugOutput(DebugLevel level, const char* text);

// printf-style DebugOutput; the text is formatted into a bounded buffer (longer texts are cut).
void DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void DebugVPrintf(const char* format, va_list args);
// The same at warning and notice level.
void DebugWarning(const char* format, ...) __attribute__((format(printf, 1, 2)));
void DebugNotice(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
