// The archive over TLS: Orthanc on 127.0.0.1 speaking only TLS, with certificates from
// authorities the test makes with openssl. kavimo must store only when the archive's certificate
// chains to the CA it was given and names the host it reached, and must send nothing otherwise.
#include <arpa/inet.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

#include "dicom/outbox.h"
#include "dicomtestsupport.h"
#include "orthanc.h"

namespace {

using namespace dicomtest;
using ::testing::HasSubstr;

constexpr uint64_t kUid = 20240101080000ull;

// The authorities and certificates every test here uses, made once: "clinic" signs the archive's
// certificate (for 127.0.0.1 only) and kavimo's; "stranger" is an authority nobody asked for.
class TlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char dir[] = "/tmp/kavimo-tls-XXXXXX";
        dir_ = ::mkdtemp(dir);
        clinic_ = new TestCa(dir_, "clinic");
        stranger_ = new TestCa(dir_, "stranger");
        ready_ = clinic_->Ok() && stranger_->Ok() && clinic_->Issue("archive", "IP:127.0.0.1") &&
                 clinic_->Issue("workstation", "DNS:workstation");
    }
    static void TearDownTestSuite() {
        delete clinic_;
        delete stranger_;
        RunCommand("rm -rf '" + dir_ + "'");
    }
    void SetUp() override { ASSERT_TRUE(ready_) << clinic_->Error() << stranger_->Error(); }

    static OrthancTls ArchiveTls(bool clientCertificateRequired) {
        OrthancTls tls;
        tls.certFile = clinic_->CertFile("archive");
        tls.keyFile = clinic_->KeyFile("archive");
        tls.trustedFile = clinic_->File();
        tls.clientCertificateRequired = clientCertificateRequired;
        return tls;
    }

    CommandResult Tool(const std::string& arguments) {
        return RunCommand("'" + std::string(KAVIMO_RECORDS_TOOL) + "' --drive-d '" + drive_.Root() + "' " + arguments);
    }

    static std::string dir_;
    static TestCa* clinic_;
    static TestCa* stranger_;
    static bool ready_;
    TempDrive drive_;
};

std::string TlsTest::dir_;
TestCa* TlsTest::clinic_ = nullptr;
TestCa* TlsTest::stranger_ = nullptr;
bool TlsTest::ready_ = false;

TEST_F(TlsTest, StoresOnlyWhenTheArchivesCertificateIsTrustedAndNamesItsHost) {
    OrthancServer server(ArchiveTls(false));
    std::string error;
    ASSERT_TRUE(server.Start(&error)) << error;
    const std::vector<std::string> paths = drive_.AddPatient(
        kUid, u"Åsa Öberg", 0, 29, {{20240102090000ull, MakeJpeg(96, 96, 1, false)}}, u"Riverside Dental");
    const std::string send =
        "send-dicom " + std::to_string(kUid) + " --pacs " + server.AddressText() + " --pacs-tls on";

    // A CA that did not sign the archive's certificate: refused before anything is sent.
    const CommandResult stranger = Tool(send + " --pacs-tls-ca '" + stranger_->File() + "'");
    EXPECT_EQ(stranger.status, 1) << stranger.output;
    EXPECT_THAT(stranger.output, HasSubstr("the archive's certificate is not trusted: "));
    EXPECT_THAT(stranger.output, HasSubstr("0 of 1 picture stored"));
    EXPECT_TRUE(server.Instances().empty());

    // The right CA, but the archive reached by a name its certificate does not carry.
    dicom::PacsAddress byName = server.Address();
    byName.host = "localhost";
    EXPECT_FALSE(dicom::EchoPacs(byName, &error));
    EXPECT_THAT(error, HasSubstr("the archive's certificate is not trusted: hostname mismatch"));

    // The CA that signed it: stored, the patient's name as it was written.
    const CommandResult trusted = Tool(send + " --pacs-tls-ca '" + clinic_->File() + "'");
    ASSERT_EQ(trusted.status, 0) << trusted.output;
    EXPECT_THAT(trusted.output, HasSubstr("1 of 1 picture stored"));
    const std::vector<std::string> ids = server.Instances();
    ASSERT_EQ(ids.size(), 1u);
    const std::string tags = server.Get("/instances/" + ids[0] + "/simplified-tags");
    EXPECT_EQ(JsonValue(tags, "PatientName"), "Åsa Öberg");
    EXPECT_THAT(trusted.output, HasSubstr("stored as " + JsonValue(tags, "SOPInstanceUID")));

    // The outbox, which sends kavimo's pictures, goes the same way.
    server.Clear();
    std::mutex mutex;
    std::condition_variable changed;
    dicom::PacsOutbox::Progress last;
    dicom::PacsOutbox outbox(drive_.Work() + "/" + dicom::kOutboxFile, [&](const dicom::PacsOutbox::Progress& now) {
        std::lock_guard<std::mutex> lock(mutex);
        last = now;
        changed.notify_all();
    });
    outbox.SetAddress(server.Address());
    outbox.Start();
    ASSERT_TRUE(outbox.Enqueue(kUid, paths, &error)) << error;
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(
            changed.wait_for(lock, std::chrono::seconds(30), [&] { return last.finished && last.pending == 0; }));
        EXPECT_EQ(last.sent, 1u) << last.lastError;
    }
    outbox.Stop();
    EXPECT_EQ(server.Instances().size(), 1u);
}

TEST_F(TlsTest, ArchiveThatAsksForACertificateTakesKavimosOwn) {
    OrthancTls tls = ArchiveTls(true);
    tls.kavimoCertFile = clinic_->CertFile("workstation");
    tls.kavimoKeyFile = clinic_->KeyFile("workstation");
    OrthancServer server(tls);
    std::string error;
    ASSERT_TRUE(server.Start(&error)) << error;  // it checks the connection with kavimo's certificate
    EXPECT_TRUE(dicom::EchoPacs(server.Address(), &error)) << error;

    dicom::PacsAddress without = server.Address();
    without.tls.certFile.clear();
    without.tls.keyFile.clear();
    EXPECT_FALSE(dicom::EchoPacs(without, &error));
    EXPECT_THAT(error, HasSubstr("it may ask for kavimo's own TLS certificate"));
}

// A port on 127.0.0.1 that listens and never says a word: the kernel completes the connections
// it is asked for, nobody reads them.
class SilentListener {
public:
    SilentListener() {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in local = {};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof local;
        if (::bind(m_socket, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0 && ::listen(m_socket, 4) == 0 &&
            ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&local), &length) == 0) {
            m_port = ntohs(local.sin_port);
        }
    }
    ~SilentListener() {
        for (int peer : m_peers) ::close(peer);
        ::close(m_socket);
    }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    int Port() const { return m_port; }
    // Whether a connection has come, without waiting for one. It is kept open, unanswered.
    bool Accepted() {
        const int peer = ::accept4(m_socket, nullptr, nullptr, SOCK_NONBLOCK);
        if (peer < 0) return false;
        m_peers.push_back(peer);
        return true;
    }

private:
    int m_socket = -1;
    int m_port = 0;
    std::vector<int> m_peers;
};

TEST_F(TlsTest, SettingsThatCannotBeUsedNameTheirFileAndConnectNowhere) {
    SilentListener listener;
    ASSERT_GT(listener.Port(), 0);
    dicom::PacsAddress base;
    base.calledAet = "ARCHIVE";
    base.host = "127.0.0.1";
    base.port = listener.Port();
    base.tls.enabled = true;
    base.tls.caFile = clinic_->File();

    const std::string missing = dir_ + "/missing.pem";
    const std::string garbage = dir_ + "/garbage.pem";
    WriteFile(garbage, "not a certificate\n");
    struct Case {
        const char* what;
        dicom::PacsTls tls;
        std::string message;
    };
    const dicom::PacsTls good = base.tls;
    auto with = [&good](auto change) {
        dicom::PacsTls tls = good;
        change(tls);
        return tls;
    };
    const std::vector<Case> cases = {
        {"no CA", with([](dicom::PacsTls& t) { t.caFile.clear(); }), "no CA certificate file"},
        {"missing CA", with([&](dicom::PacsTls& t) { t.caFile = missing; }),
         "cannot read the CA certificate file " + missing + ": No such file"},
        {"CA not PEM", with([&](dicom::PacsTls& t) { t.caFile = garbage; }),
         "the CA certificate file " + garbage + " holds no PEM certificate"},
        {"key not PEM", with([&](dicom::PacsTls& t) {
             t.certFile = clinic_->CertFile("workstation");
             t.keyFile = garbage;
         }),
         "kavimo's key file " + garbage + " holds no unencrypted PEM private key"},
        {"certificate without key", with([&](dicom::PacsTls& t) { t.certFile = clinic_->CertFile("workstation"); }),
         "certificate file is set without its key file"},
        {"key of another certificate", with([&](dicom::PacsTls& t) {
             t.certFile = clinic_->CertFile("workstation");
             t.keyFile = clinic_->KeyFile("archive");
         }),
         "kavimo's key file " + clinic_->KeyFile("archive") + " does not belong to the certificate"},
    };
    for (const Case& c : cases) {
        dicom::PacsAddress address = base;
        address.tls = c.tls;
        std::string error;
        EXPECT_FALSE(dicom::EchoPacs(address, &error)) << c.what;
        EXPECT_THAT(error, HasSubstr(c.message)) << c.what;
        EXPECT_FALSE(listener.Accepted()) << c.what;
    }

    // The tool refuses TLS files with TLS off rather than sending in the clear.
    const CommandResult off = Tool("worklist --pacs ARCHIVE@127.0.0.1:" + std::to_string(base.port) +
                                   " --pacs-tls-ca '" + clinic_->File() + "'");
    EXPECT_EQ(off.status, 2) << off.output;
    EXPECT_THAT(off.output, HasSubstr("need --pacs-tls on"));
    EXPECT_FALSE(listener.Accepted());
}

TEST_F(TlsTest, ArchiveSilentInTheHandshakeIsLeftAtTheTimeoutOrAtAbort) {
    SilentListener listener;
    ASSERT_GT(listener.Port(), 0);
    dicom::PacsAddress address;
    address.calledAet = "ARCHIVE";
    address.host = "127.0.0.1";
    address.port = listener.Port();
    address.tls.enabled = true;
    address.tls.caFile = clinic_->File();

    dicom::PacsClient timed;
    timed.SetTimeouts(1, 1);
    std::string error;
    EXPECT_FALSE(timed.Open(address, &error));
    EXPECT_THAT(error, HasSubstr("did not finish the TLS handshake in time"));
    EXPECT_TRUE(listener.Accepted());

    // With a long timeout, Abort from another thread ends the wait.
    dicom::PacsClient waiting;
    waiting.SetTimeouts(600, 600);
    std::string abortError;
    std::thread opener([&] { EXPECT_FALSE(waiting.Open(address, &abortError)); });
    while (!listener.Accepted()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // into the handshake
    waiting.Abort();
    opener.join();
    EXPECT_EQ(abortError, "cancelled");
}

}  // namespace
