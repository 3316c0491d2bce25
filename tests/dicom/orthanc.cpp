#include "orthanc.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

namespace dicomtest {

// A port the kernel has just handed out on 127.0.0.1 (and that we let go again).
int FreeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TestCa::TestCa(std::string dir, std::string name) : m_dir(std::move(dir)), m_name(std::move(name)) {
    // RSA 2048: what every TLS profile DCMTK offers accepts.
    m_ok = Run("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=" + m_name + " test CA' -keyout '" +
               KeyFile(m_name) + "' -out '" + File() + "'");
}

bool TestCa::Issue(const std::string& name, const std::string& altNames) {
    const std::string request = m_dir + "/" + name + ".csr";
    const std::string extensions = m_dir + "/" + name + ".ext";
    std::ofstream(extensions) << "subjectAltName=" << altNames << "\n";
    return Run("openssl req -newkey rsa:2048 -nodes -subj '/CN=" + name + "' -keyout '" + KeyFile(name) + "' -out '" +
               request + "'") &&
           Run("openssl x509 -req -days 2 -in '" + request + "' -CA '" + File() + "' -CAkey '" + KeyFile(m_name) +
               "' -set_serial " + std::to_string(std::hash<std::string>()(name) % 1000000 + 1) + " -extfile '" +
               extensions + "' -out '" + CertFile(name) + "'");
}

bool TestCa::Run(const std::string& command) {
    const CommandResult result = RunCommand(command);
    if (result.status != 0) m_error = command + ": " + result.output;
    return result.status == 0;
}

OrthancServer::OrthancServer(const OrthancTls& tls) : OrthancServer() {
    m_tls = tls;
    m_usesTls = true;
    // The same configuration with DICOM TLS on, added before its closing brace.
    std::string config = ReadText(m_dir + "/orthanc.json");
    config.erase(config.rfind('}'));
    while (!config.empty() && std::isspace(static_cast<unsigned char>(config.back()))) config.pop_back();
    config += ",\n  \"DicomTlsEnabled\": true,\n  \"DicomTlsCertificate\": \"" + tls.certFile +
              "\",\n  \"DicomTlsPrivateKey\": \"" + tls.keyFile + "\",\n  \"DicomTlsTrustedCertificates\": \"" +
              tls.trustedFile +
              "\",\n  \"DicomTlsRemoteCertificateRequired\": " + (tls.clientCertificateRequired ? "true" : "false") +
              "\n}\n";
    std::ofstream(m_dir + "/orthanc.json", std::ios::trunc) << config;
}

OrthancServer::OrthancServer() {
    char dir[] = "/tmp/kavimo-orthanc-XXXXXX";
    if (::mkdtemp(dir)) m_dir = dir;
    std::filesystem::create_directories(WorklistDir());
    std::filesystem::create_directories(m_dir + "/storage");
    m_dicomPort = FreeLoopbackPort();
    m_httpPort = FreeLoopbackPort();
    while (m_httpPort == m_dicomPort) m_httpPort = FreeLoopbackPort();
    std::ofstream config(m_dir + "/orthanc.json");
    config << "{\n"
           << "  \"Name\": \"kavimo-test\",\n"
           << "  \"StorageDirectory\": \"" << m_dir << "/storage\",\n"
           << "  \"IndexDirectory\": \"" << m_dir << "/storage\",\n"
           << "  \"HttpServerEnabled\": true,\n"
           << "  \"HttpPort\": " << m_httpPort << ",\n"
           << "  \"RemoteAccessAllowed\": false,\n"
           << "  \"AuthenticationEnabled\": false,\n"
           << "  \"OrthancExplorerEnabled\": false,\n"
           << "  \"WebDavEnabled\": false,\n"
           << "  \"DicomServerEnabled\": true,\n"
           << "  \"DicomAet\": \"" << kAet << "\",\n"
           << "  \"DicomPort\": " << m_dicomPort << ",\n"
           << "  \"DicomCheckCalledAet\": true,\n"
           << "  \"DicomAlwaysAllowEcho\": true,\n"
           << "  \"DicomAlwaysAllowStore\": true,\n"
           << "  \"DicomAlwaysAllowFindWorklist\": true,\n"
           << "  \"DicomModalities\": {},\n"
           << "  \"OrthancPeers\": {},\n"
           << "  \"SaveJobs\": false,\n"
           << "  \"Plugins\": [\"/usr/share/orthanc/plugins/libModalityWorklists.so\"],\n"
           << "  \"Worklists\": { \"Enable\": true, \"Database\": \"" << WorklistDir() << "\" }\n"
           << "}\n";
}

OrthancServer::~OrthancServer() {
    Stop();
    std::error_code ec;
    if (!m_dir.empty()) std::filesystem::remove_all(m_dir, ec);
}

dicom::PacsAddress OrthancServer::Address() const {
    dicom::PacsAddress address;
    address.calledAet = kAet;
    address.host = "127.0.0.1";
    address.port = m_dicomPort;
    if (m_usesTls) {
        address.tls.enabled = true;
        address.tls.caFile = m_tls.trustedFile;
        address.tls.certFile = m_tls.kavimoCertFile;
        address.tls.keyFile = m_tls.kavimoKeyFile;
    }
    return address;
}

bool OrthancServer::Start(std::string* error) {
    if (m_pid > 0) return true;
    const std::string config = m_dir + "/orthanc.json";
    const std::string log = m_dir + "/orthanc.log";
    const pid_t parent = ::getpid();
    m_pid = ::fork();
    if (m_pid == 0) {
        // Orthanc dies with the test program, however that ends.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(1);
        std::FILE* out = std::freopen(log.c_str(), "a", stdout);
        if (out) ::dup2(::fileno(stdout), 2);
        ::execl("/usr/sbin/Orthanc", "Orthanc", config.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            break;
        }
        std::string ignored;
        if (!Get("/system").empty() && dicom::EchoPacs(Address(), &ignored)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const std::string text = ReadText(log);
    if (error)
        *error = "Orthanc did not start; its log ends:\n" + text.substr(text.size() > 3000 ? text.size() - 3000 : 0);
    Stop();
    return false;
}

void OrthancServer::Stop() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

void OrthancServer::Kill() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

std::string OrthancServer::Get(const std::string& path) const {
    const CommandResult result =
        RunCommand("curl -sf --max-time 20 'http://127.0.0.1:" + std::to_string(m_httpPort) + path + "'");
    return result.status == 0 ? result.output : std::string();
}

void OrthancServer::Clear() const {
    for (const std::string& id : JsonStrings(Get("/patients"))) {
        RunCommand("curl -sf --max-time 60 -X DELETE 'http://127.0.0.1:" + std::to_string(m_httpPort) + "/patients/" +
                   id + "'");
    }
}

std::vector<std::string> OrthancServer::Instances() const { return JsonStrings(Get("/instances")); }

std::vector<std::string> JsonStrings(const std::string& json) {
    std::vector<std::string> strings;
    size_t pos = 0;
    while ((pos = json.find('"', pos)) != std::string::npos) {
        const size_t end = json.find('"', pos + 1);
        if (end == std::string::npos) break;
        strings.push_back(json.substr(pos + 1, end - pos - 1));
        pos = end + 1;
    }
    return strings;
}

std::string JsonValue(const std::string& json, const std::string& key) {
    const std::string quoted = "\"" + key + "\"";
    size_t pos = json.find(quoted);
    if (pos == std::string::npos) return {};
    pos = json.find(':', pos + quoted.size());
    if (pos == std::string::npos) return {};
    pos = json.find('"', pos);
    if (pos == std::string::npos) return {};
    std::string value;
    for (size_t i = pos + 1; i < json.size() && json[i] != '"'; ++i) {
        if (json[i] != '\\' || i + 1 >= json.size()) {
            value += json[i];
            continue;
        }
        ++i;
        if (json[i] != 'u' || i + 4 >= json.size()) {
            value += json[i];
            continue;
        }
        // \uXXXX (the archive writes non-ASCII text so); characters of the BMP as UTF-8.
        const unsigned code = unsigned(std::stoul(json.substr(i + 1, 4), nullptr, 16));
        i += 4;
        if (code < 0x80) {
            value += char(code);
        } else if (code < 0x800) {
            value += char(0xC0 | (code >> 6));
            value += char(0x80 | (code & 0x3F));
        } else {
            value += char(0xE0 | (code >> 12));
            value += char(0x80 | ((code >> 6) & 0x3F));
            value += char(0x80 | (code & 0x3F));
        }
    }
    return value;
}

}  // namespace dicomtest
