// A real archive for the tests: Orthanc on 127.0.0.1 with its storage in a temporary directory,
// free DICOM and HTTP ports, remote access off and the worklist plugin reading a folder the test
// fills; optionally speaking only TLS on its DICOM port. Stopped (and its storage removed) when
// the object goes away.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "dicom/pacsclient.h"

namespace dicomtest {

// A port the kernel has just handed out on 127.0.0.1 (and that we let go again).
int FreeLoopbackPort();

// A certificate authority of the test's own, made with the openssl command in a directory, and
// the certificates it signs. Each file is <dir>/<name>.pem with its key in <dir>/<name>.key.
class TestCa {
public:
    // Makes the authority's own certificate, <dir>/<name>.pem; Ok() tells whether it worked.
    TestCa(std::string dir, std::string name);
    bool Ok() const { return m_ok; }
    const std::string& Error() const { return m_error; }
    std::string File() const { return m_dir + "/" + m_name + ".pem"; }

    // Signs a new certificate <name>.pem (key <name>.key) whose subject alternative names are
    // `altNames` ("IP:127.0.0.1"); false with openssl's words in Error() when it cannot.
    bool Issue(const std::string& name, const std::string& altNames);
    std::string CertFile(const std::string& name) const { return m_dir + "/" + name + ".pem"; }
    std::string KeyFile(const std::string& name) const { return m_dir + "/" + name + ".key"; }

private:
    bool Run(const std::string& command);

    std::string m_dir;
    std::string m_name;
    bool m_ok = false;
    std::string m_error;
};

// Orthanc's DICOM TLS: its certificate and key, and the CA file it checks kavimo's certificate
// against (it asks for one only when clientCertificateRequired). Address() trusts trustedFile
// and shows kavimo's certificate when one is given.
struct OrthancTls {
    std::string certFile;
    std::string keyFile;
    std::string trustedFile;
    bool clientCertificateRequired = false;
    std::string kavimoCertFile;
    std::string kavimoKeyFile;
};

class OrthancServer {
public:
    static constexpr const char* kAet = "ARCHIVE";

    OrthancServer();
    // Speaking only TLS; Address() then asks for TLS and trusts tls.trustedFile.
    explicit OrthancServer(const OrthancTls& tls);
    ~OrthancServer();

    // Starts Orthanc (again, on the same ports and storage) and waits until both its REST API
    // and its DICOM port answer. False, with the log's end in *error, when it does not come up.
    bool Start(std::string* error);
    void Stop();
    // Ends it at once, as a power cut or a crash would.
    void Kill();
    bool Running() const { return m_pid > 0; }

    dicom::PacsAddress Address() const;  // ARCHIVE@127.0.0.1:port, calling KAVIMO (over TLS when it speaks TLS)
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
    OrthancTls m_tls;
    bool m_usesTls = false;
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
