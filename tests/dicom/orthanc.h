// A real archive for the tests: Orthanc on 127.0.0.1 with its storage in a temporary directory,
// free DICOM and HTTP ports, remote access off and the worklist plugin reading a folder the test
// fills. Stopped (and its storage removed) when the object goes away.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "dicom/pacsclient.h"

namespace dicomtest {

// A port the kernel has just handed out on 127.0.0.1 (and that we let go again).
int FreeLoopbackPort();

class OrthancServer {
public:
    static constexpr const char* kAet = "ARCHIVE";

    OrthancServer();
    ~OrthancServer();

    // Starts Orthanc (again, on the same ports and storage) and waits until both its REST API
    // and its DICOM port answer. False, with the log's end in *error, when it does not come up.
    bool Start(std::string* error);
    void Stop();
    // Ends it at once, as a power cut or a crash would.
    void Kill();
    bool Running() const { return m_pid > 0; }

    dicom::PacsAddress Address() const;  // ARCHIVE@127.0.0.1:port, calling KAVIMO
    std::string AddressText() const { return Address().Text(); }
    std::string WorklistDir() const { return m_dir + "/worklists"; }
    std::string Dir() const { return m_dir; }

    // GET on the REST API; the body, or empty on failure.
    std::string Get(const std::string& path) const;
    // DELETE of every instance, for a clean start of a test.
    void Clear() const;
    // The IDs of the stored instances.
    std::vector<std::string> Instances() const;

private:
    std::string m_dir;
    int m_dicomPort = 0;
    int m_httpPort = 0;
    pid_t m_pid = -1;
};

// The quoted strings of a JSON array of strings (["a","b"]).
std::vector<std::string> JsonStrings(const std::string& json);
// The string value of "key" in a flat JSON object; empty when absent.
std::string JsonValue(const std::string& json, const std::string& key);

// Runs a shell command; its standard output and error together, and its exit status.
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult RunCommand(const std::string& command);

}  // namespace dicomtest
