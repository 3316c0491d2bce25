// Against DCMTK's storescp on 127.0.0.1: an archive that takes pictures only uncompressed (its
// default presentation contexts) and one that takes them only as JPEG both store every picture,
// each in the form it takes, labelled as its pixels are; and the association names kavimo.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcxfer.h"
#include "dicom/pacsclient.h"
#include "dicom/pictureobject.h"
#include "dicom/uids.h"
#include "dicomtestsupport.h"
#include "orthanc.h"

namespace {

using namespace dicom;

// storescp on a free loopback port, writing what it receives and its debug log into a folder.
class StoreScp {
public:
    explicit StoreScp(std::string dir) : m_dir(std::move(dir)) { std::filesystem::create_directories(Received()); }
    ~StoreScp() { Stop(); }

    // `extra`: further options (a configuration file and its profile).
    bool Start(const std::vector<std::string>& extra) {
        m_port = dicomtest::FreeLoopbackPort();
        std::vector<std::string> args = {"storescp", "-d", "-aet", "STORESCP", "-od", Received()};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(std::to_string(m_port));
        m_pid = ::fork();
        if (m_pid == 0) {
            const std::string log = Log();
            std::FILE* out = std::freopen(log.c_str(), "w", stdout);
            if (out) ::dup2(::fileno(out), 2);
            std::vector<char*> argv;
            for (std::string& arg : args) argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execvp("storescp", argv.data());
            ::_exit(127);
        }
        for (int i = 0; i < 100; ++i) {
            if (Answers()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    void Stop() {
        if (m_pid <= 0) return;
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

    PacsAddress Address() const {
        PacsAddress address;
        address.calledAet = "STORESCP";
        address.host = "127.0.0.1";
        address.port = m_port;
        return address;
    }
    std::string Received() const { return m_dir + "/received"; }
    std::string Log() const { return m_dir + "/storescp.log"; }

private:
    bool Answers() const {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(uint16_t(m_port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return ok;
    }

    std::string m_dir;
    int m_port = 0;
    pid_t m_pid = -1;
};

std::string Text(DcmItem* item, const DcmTagKey& tag) {
    OFString value;
    item->findAndGetOFStringArray(tag, value);
    return value.c_str();
}

class StoreScpTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (dicomtest::RunCommand("command -v storescp").status != 0) GTEST_SKIP() << "storescp (dcmtk) is missing";
        m_source.installationId = "6f1c2a9e-0b3d-4e5f-8a7b-1c2d3e4f5a6b";
        m_source.patient.patientId = "P1";
        m_source.patient.patientName = "Doe^Jane";
    }

    // Sends one picture per JPEG over one association; the results in order.
    std::vector<PacsClient::StoreResult> Send(const PacsAddress& address, const std::vector<std::string>& jpegs,
                                              std::vector<std::string>* instances) {
        std::vector<PacsClient::StoreResult> results;
        PacsClient client;
        std::string error;
        EXPECT_TRUE(client.Open(address, &error)) << error;
        for (size_t i = 0; i < jpegs.size(); ++i) {
            m_source.hostPath = m_drive.Root() + "/picture" + std::to_string(i) + ".jpg";
            dicomtest::WriteFile(m_source.hostPath, jpegs[i]);
            const std::unique_ptr<PictureObject> object = PictureObject::Build(m_source, &error);
            EXPECT_NE(object, nullptr) << error;
            if (!object) continue;
            instances->push_back(object->SopInstanceUid());
            results.push_back(client.Store(*object, &error));
            EXPECT_EQ(results.back(), PacsClient::StoreResult::Stored) << error;
        }
        client.Close();
        return results;
    }

    // The file storescp wrote for an instance.
    std::unique_ptr<DcmFileFormat> Received(const StoreScp& scp, const std::string& instance) {
        for (const auto& entry : std::filesystem::directory_iterator(scp.Received())) {
            auto file = std::make_unique<DcmFileFormat>();
            if (file->loadFile(entry.path().c_str()).good() &&
                Text(file->getDataset(), DCM_SOPInstanceUID) == instance) {
                return file;
            }
        }
        return nullptr;
    }

    dicomtest::TempDrive m_drive;
    PictureSource m_source;
};

TEST_F(StoreScpTest, ArchiveTakingOnlyUncompressedPicturesStoresEveryPictureDecoded) {
    StoreScp scp(m_drive.Root() + "/scp");
    ASSERT_TRUE(scp.Start({})) << dicomtest::ReadFile(scp.Log());
    // A baseline picture (kept as JPEG) and a 4:4:4 one (decoded already).
    const std::vector<std::string> jpegs = {dicomtest::MakeJpeg(64, 48, 1, false),
                                            dicomtest::MakeJpegSampled(64, 48, 2, 1, 1, false)};
    std::vector<std::string> instances;
    Send(scp.Address(), jpegs, &instances);
    ASSERT_EQ(instances.size(), 2u);
    for (size_t i = 0; i < jpegs.size(); ++i) {
        SCOPED_TRACE(i);
        const std::unique_ptr<DcmFileFormat> file = Received(scp, instances[i]);
        ASSERT_NE(file, nullptr);
        DcmDataset* dataset = file->getDataset();
        const E_TransferSyntax syntax = dataset->getOriginalXfer();
        EXPECT_TRUE(syntax == EXS_LittleEndianExplicit || syntax == EXS_LittleEndianImplicit) << syntax;
        EXPECT_EQ(Text(dataset, DCM_PhotometricInterpretation), "RGB");
        int width = 0, height = 0;
        const std::vector<unsigned char> expected = dicomtest::DecodeJpeg(jpegs[i], &width, &height);
        const Uint8* pixels = nullptr;
        unsigned long count = 0;
        ASSERT_TRUE(dataset->findAndGetUint8Array(DCM_PixelData, pixels, &count).good());
        ASSERT_EQ(count, expected.size());
        EXPECT_EQ(std::vector<unsigned char>(pixels, pixels + count), expected);
    }
    // The association named kavimo, not the toolkit it is built with.
    scp.Stop();
    const std::string log = dicomtest::ReadFile(scp.Log());
    EXPECT_NE(log.find("Their Implementation Class UID:    " + ImplementationClassUid()), std::string::npos) << log;
    EXPECT_NE(log.find("Their Implementation Version Name: " + ImplementationVersionName()), std::string::npos) << log;
}

TEST_F(StoreScpTest, ArchiveTakingOnlyJpegStoresEveryPictureAsJpeg) {
    const std::string config = m_drive.Root() + "/jpegonly.cfg";
    dicomtest::WriteFile(config,
                         "[[TransferSyntaxes]]\n"
                         "[JpegOnly]\nTransferSyntax1 = 1.2.840.10008.1.2.4.50\n"
                         "[Uncompressed]\nTransferSyntax1 = 1.2.840.10008.1.2.1\n"
                         "[[PresentationContexts]]\n"
                         "[Pictures]\n"
                         "PresentationContext1 = 1.2.840.10008.5.1.4.1.1.77.1.4\\JpegOnly\n"
                         "PresentationContext2 = 1.2.840.10008.1.1\\Uncompressed\n"
                         "[[Profiles]]\n"
                         "[Jpeg]\nPresentationContexts = Pictures\n");
    StoreScp scp(m_drive.Root() + "/scp");
    ASSERT_TRUE(scp.Start({"-xf", config, "Jpeg"})) << dicomtest::ReadFile(scp.Log());
    const std::vector<std::string> jpegs = {dicomtest::MakeJpeg(64, 48, 1, false),
                                            dicomtest::MakeJpegSampled(64, 48, 2, 1, 1, false)};
    std::vector<std::string> instances;
    Send(scp.Address(), jpegs, &instances);
    ASSERT_EQ(instances.size(), 2u);
    for (size_t i = 0; i < jpegs.size(); ++i) {
        SCOPED_TRACE(i);
        const std::unique_ptr<DcmFileFormat> file = Received(scp, instances[i]);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->getDataset()->getOriginalXfer(), EXS_JPEGProcess1);
        EXPECT_EQ(Text(file->getDataset(), DCM_PhotometricInterpretation), "YBR_FULL_422");
    }
}

}  // namespace
