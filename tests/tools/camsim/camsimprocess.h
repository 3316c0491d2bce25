// Runs kavimo-camsim as a child process with pipes on its standard input and output, as the
// application's demo mode and the end-to-end tests do.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace camlinktest {

class CamsimProcess {
public:
    CamsimProcess() = default;
    ~CamsimProcess() { Stop(); }

    // Starts the simulator with the arguments; false when it cannot be started.
    bool Start(const std::vector<std::string>& args) {
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0) return false;
        if (::pipe2(out, O_CLOEXEC) != 0) return false;
        m_pid = ::fork();
        if (m_pid < 0) return false;
        if (m_pid == 0) {
            ::dup2(in[0], STDIN_FILENO);
            ::dup2(out[1], STDOUT_FILENO);
            std::vector<char*> argv;
            std::string program = KAVIMO_CAMSIM_PATH;
            argv.push_back(const_cast<char*>(program.c_str()));
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        m_stdin = in[1];
        m_stdout = out[0];
        return true;
    }

    // The next line of standard output within the time-out ("" when none came or it ended).
    std::string ReadLine(int timeoutMs = 5000) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            size_t end = m_buffer.find('\n');
            if (end != std::string::npos) {
                std::string line = m_buffer.substr(0, end);
                m_buffer.erase(0, end + 1);
                m_lines.push_back(line);
                return line;
            }
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                    .count();
            if (left <= 0 || m_stdout < 0) return "";
            pollfd p{m_stdout, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
            char chunk[4096];
            ssize_t n = ::read(m_stdout, chunk, sizeof chunk);
            if (n <= 0) {
                ::close(m_stdout);
                m_stdout = -1;
                return "";
            }
            m_buffer.append(chunk, static_cast<size_t>(n));
        }
    }

    // Reads lines until one starts with `prefix`; that line, or "" after the time-out.
    std::string WaitForLine(const std::string& prefix, int timeoutMs = 5000) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                    .count();
            if (left <= 0) return "";
            std::string line = ReadLine(static_cast<int>(left));
            if (line.rfind(prefix, 0) == 0) return line;
            if (line.empty() && m_stdout < 0) return "";
        }
    }

    // key=value pairs of a line.
    static std::map<std::string, std::string> Fields(const std::string& line) {
        std::map<std::string, std::string> fields;
        std::istringstream in(line);
        for (std::string word; in >> word;) {
            size_t eq = word.find('=');
            if (eq != std::string::npos) fields[word.substr(0, eq)] = word.substr(eq + 1);
        }
        return fields;
    }

    bool Send(const std::string& command) {
        std::string line = command + "\n";
        return m_stdin >= 0 && ::write(m_stdin, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    }

    void CloseStdin() {
        if (m_stdin >= 0) ::close(m_stdin);
        m_stdin = -1;
    }

    // Waits for the process to end; its exit code, or -1 when it had to be killed.
    int Wait(int timeoutMs = 5000) {
        if (m_pid <= 0) return m_exitCode;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        int status = 0;
        while (::waitpid(m_pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, &status, 0);
                m_pid = -1;
                return m_exitCode = -1;
            }
            ::usleep(5000);
        }
        m_pid = -1;
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return m_exitCode;
    }

    void Terminate() {
        if (m_pid > 0) ::kill(m_pid, SIGTERM);
    }

    void Stop() {
        CloseStdin();
        Terminate();
        Wait();
        if (m_stdout >= 0) ::close(m_stdout);
        m_stdout = -1;
    }

private:
    pid_t m_pid = -1;
    int m_stdin = -1;
    int m_stdout = -1;
    int m_exitCode = -1;
    std::string m_buffer;
    std::vector<std::string> m_lines;
};

}  // namespace camlinktest
