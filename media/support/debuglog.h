// The log object of a media library. Each library builds in its own `g_DebugLog`, constructed when
// the library is loaded; every message goes to the debugger output (the platform debug sink) and,
// when switched on, to standard output and to an open file with a local date and time prefix.
//
// Messages begin with a level tag ("[TIP]", "[WARN]", "[ERROR]", "[ALARM]", "[TEST]") and name
// objects by address as a decimal number (see KAVIMO_LOG_ADDR). Chinese texts are UTF-8.
//
// Thread safety: Format may be called from any thread at any time; the sink switches may be changed
// concurrently with logging.
#pragma once

#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <mutex>

// printf conversion and argument for an object address printed as a decimal number, pointer-sized
// on every platform:  log.Format("[TIP][%" KAVIMO_LOG_ADDR "]entry\n", KAVIMO_LOG_ADDR_ARG(this));
#define KAVIMO_LOG_ADDR PRIdPTR
#define KAVIMO_LOG_ADDR_ARG(pointer) (static_cast<intptr_t>(reinterpret_cast<uintptr_t>(pointer)))

class CDebugLog {
public:
    // Longest text one message can carry; longer texts are cut to it.
    static constexpr size_t kBufferSize = 1024;

    // Debugger sink on, console and file sinks off.
    CDebugLog();
    ~CDebugLog();
    CDebugLog(const CDebugLog&) = delete;
    CDebugLog& operator=(const CDebugLog&) = delete;

    // Formats the message (cut to kBufferSize - 1 bytes) and hands it to each enabled sink: the
    // debugger sink receives it unchanged, the console and file sinks prefixed with
    // "[YYYY-MM-DD hh:mm:ss]" in local time.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);

    void SetDebuggerSink(bool on);
    void SetConsoleSink(bool on);
    // Opens (appending) the file that receives the messages while the file sink is on; false when it
    // cannot be opened. CloseFile switches the file sink off.
    bool OpenFile(const char* path);
    void CloseFile();

    bool IsDebuggerSinkOn() const;
    bool IsConsoleSinkOn() const;
    bool IsFileSinkOn() const;

private:
    void WritePrefixed(std::FILE* stream, const char* text);

    mutable std::mutex m_lock;  // guards the switches and the file handle
    bool m_bDebugger = true;
    bool m_bConsole = false;
    bool m_bFile = false;
    std::FILE* m_pFile = nullptr;
};

// The log object of the library this code is built into (one per shared library).
extern CDebugLog g_DebugLog;
