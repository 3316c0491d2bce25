#include "media/support/debuglog.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>

#include "platform/debug.h"
#include "platform/filemode.h"

CDebugLog g_DebugLog;

CDebugLog::CDebugLog() = default;

CDebugLog::~CDebugLog() { CloseFile(); }

void CDebugLog::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CDebugLog::FormatV(const char* format, va_list args) {
    // Formatted on the caller's stack, so that threads logging at the same time never share a buffer.
    char text[kBufferSize];
    int length = std::vsnprintf(text, sizeof text, format, args);
    if (length < 0) return;

    bool debugger;
    bool console;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        debugger = m_bDebugger;
        console = m_bConsole;
    }
    if (debugger) platform::DebugOutput(text);
    if (console) WritePrefixed(stdout, text);

    std::lock_guard<std::mutex> guard(m_lock);
    if (m_bFile && m_pFile) {
        WritePrefixed(m_pFile, text);
        std::fflush(m_pFile);
    }
}

void CDebugLog::WritePrefixed(std::FILE* stream, const char* text) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::fprintf(stream, "[%04d-%02d-%02d %02d:%02d:%02d]%s", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                 local.tm_hour, local.tm_min, local.tm_sec, text);
}

void CDebugLog::SetDebuggerSink(bool on) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_bDebugger = on;
}

void CDebugLog::SetConsoleSink(bool on) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_bConsole = on;
}

bool CDebugLog::OpenFile(const char* path) {
    if (!path) return false;
    // Never through a link planted in the log's place; the log names patients, so it gets the
    // data's mode and group.
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, platform::NewFileMode());
    if (fd < 0) return false;
    platform::GiveDataGroup(fd);
    std::FILE* file = ::fdopen(fd, "a");
    if (!file) {
        ::close(fd);
        return false;
    }
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFile) std::fclose(m_pFile);
    m_pFile = file;
    m_bFile = true;
    return true;
}

void CDebugLog::CloseFile() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFile) std::fclose(m_pFile);
    m_pFile = nullptr;
    m_bFile = false;
}

bool CDebugLog::IsDebuggerSinkOn() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_bDebugger;
}

bool CDebugLog::IsConsoleSinkOn() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_bConsole;
}

bool CDebugLog::IsFileSinkOn() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_bFile;
}
