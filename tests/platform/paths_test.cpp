#include "platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/logfile.h"

namespace {

class DriveRootTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kavimo-paths-XXXXXX";
        root_ = ::mkdtemp(tmpl);
        platform::SetDriveRoot(root_);
    }
    void TearDown() override {
        platform::SetDriveRoot("");
        std::system(("rm -rf '" + root_ + "'").c_str());
    }
    std::string root_;
};

TEST(LogicalPath, NormalisesSeparatorsDotsAndDriveCase) {
    std::string out;
    ASSERT_TRUE(platform::NormalizeLogicalPath("D:/DentalWorkDir\\\\UID1\\.\\a.jpg", &out));
    EXPECT_EQ(out, "d:\\DentalWorkDir\\UID1\\a.jpg");
    ASSERT_TRUE(platform::NormalizeLogicalPath("d:\\DentalWorkDir\\UID1\\..\\UID2", &out));
    EXPECT_EQ(out, "d:\\DentalWorkDir\\UID2");
    ASSERT_TRUE(platform::NormalizeLogicalPath("d:\\", &out));
    EXPECT_EQ(out, "d:\\");
}

TEST(LogicalPath, RefusesOtherDrivesAndClimbingAboveTheRoot) {
    std::string out = "x";
    EXPECT_FALSE(platform::NormalizeLogicalPath("c:\\Windows", &out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(platform::NormalizeLogicalPath("d:\\..\\etc\\passwd", &out));
    EXPECT_FALSE(platform::NormalizeLogicalPath("d:\\DentalWorkDir\\..\\..\\x", &out));
    EXPECT_FALSE(platform::NormalizeLogicalPath("/etc/passwd", &out));
    EXPECT_FALSE(platform::MapLogicalPath("d:\\..", &out));
    EXPECT_TRUE(out.empty());
}

TEST(LogicalPath, WithinDirectoryIsDecidedOnWholeNamesWithoutCase) {
    EXPECT_TRUE(platform::IsWithinLogicalDir("d:\\DentalWorkDir\\UID1", "d:\\dentalworkdir\\uid1\\a.jpg"));
    EXPECT_TRUE(platform::IsWithinLogicalDir("d:\\DentalWorkDir\\UID1", "d:\\DentalWorkDir\\UID1"));
    EXPECT_FALSE(platform::IsWithinLogicalDir("d:\\DentalWorkDir\\UID1", "d:\\DentalWorkDir\\UID12\\a.jpg"));
    EXPECT_FALSE(platform::IsWithinLogicalDir("d:\\DentalWorkDir\\UID1", "d:\\DentalWorkDir\\UID1\\..\\UID2"));
    EXPECT_TRUE(platform::IsWithinLogicalDir("d:\\", "d:\\anything"));
    EXPECT_FALSE(platform::IsWithinLogicalDir("d:\\DentalWorkDir", "c:\\DentalWorkDir\\x"));
    EXPECT_EQ(platform::JoinLogical("d:\\DentalWorkDir", "UID1"), "d:\\DentalWorkDir\\UID1");
    EXPECT_EQ(platform::JoinLogical("d:\\", "x"), "d:\\x");
}

TEST_F(DriveRootTest, MapsUnderTheRootAndFindsExistingNamesWithoutCase) {
    ASSERT_EQ(::mkdir((root_ + "/DentalWorkDir").c_str(), 0755), 0);
    std::ofstream(root_ + "/DentalWorkDir/Photo.JPG") << "x";

    EXPECT_EQ(platform::HostPath("d:\\DentalWorkDir\\UserList.fdb"), root_ + "/DentalWorkDir/UserList.fdb");
    EXPECT_EQ(platform::HostPath("d:\\dentalworkdir\\photo.jpg"), root_ + "/DentalWorkDir/Photo.JPG");
    EXPECT_EQ(platform::HostPath("d:\\"), root_);
    EXPECT_EQ(platform::HostPath("D:/DentalWorkDir/./New/../x.bmp"), root_ + "/DentalWorkDir/x.bmp");
}

TEST(DriveRoot, DefaultsToXdgDataHomeAndHonoursTheEnvironment) {
    platform::SetDriveRoot("");
    ::setenv("XDG_DATA_HOME", "/tmp/xdg-test", 1);
    ::unsetenv("KAVIMO_DRIVE_D");
    EXPECT_EQ(platform::DriveRoot(), "/tmp/xdg-test/kavimo/d");
    ::setenv("KAVIMO_DRIVE_D", "/srv/clinic/d/", 1);
    EXPECT_EQ(platform::DriveRoot(), "/srv/clinic/d");
    platform::SetDriveRoot("/opt/d");
    EXPECT_EQ(platform::DriveRoot(), "/opt/d");
    platform::SetDriveRoot("");
    ::unsetenv("KAVIMO_DRIVE_D");
    ::unsetenv("XDG_DATA_HOME");
}

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    void Set(const char* name, const char* value) {
        Remember(name);
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->set) {
                ::setenv(it->name.c_str(), it->value.c_str(), 1);
            } else {
                ::unsetenv(it->name.c_str());
            }
        }
    }

private:
    struct Saved {
        std::string name;
        bool set;
        std::string value;
    };
    void Remember(const char* name) {
        const char* value = std::getenv(name);
        saved_.push_back({name, value != nullptr, value ? value : ""});
    }
    std::vector<Saved> saved_;
};

TEST(DriveRoot, WithoutAHomeThereIsNoDefaultToFallBackOn) {
    platform::SetDriveRoot("");
    ScopedEnvironment env;
    env.Set("HOME", nullptr);
    env.Set("KAVIMO_DRIVE_D", nullptr);
    env.Set("XDG_DATA_HOME", nullptr);
    env.Set("XDG_STATE_HOME", nullptr);
    EXPECT_EQ(platform::DriveRoot(), "");
    EXPECT_NE(platform::DriveRootProblem().find("HOME is not set"), std::string::npos);
    // No path maps anywhere, least of all to the top of the file system.
    std::string host = "x";
    EXPECT_FALSE(platform::MapLogicalPath("d:\\DentalWorkDir\\UserList.fdb", &host));
    EXPECT_EQ(host, "");
    EXPECT_EQ(platform::DefaultLogFilePath(), "");

    // A relative HOME is no home either; a folder given for the d: drive is enough.
    env.Set("HOME", "home/tester");
    EXPECT_EQ(platform::DriveRoot(), "");
    env.Set("KAVIMO_DRIVE_D", "/srv/clinic/d");
    EXPECT_EQ(platform::DriveRoot(), "/srv/clinic/d");
    EXPECT_EQ(platform::DriveRootProblem(), "");
}

TEST(DriveRoot, RelativeXdgDirectoriesCountAsUnset) {
    platform::SetDriveRoot("");
    ScopedEnvironment env;
    env.Set("HOME", "/home/tester");
    env.Set("KAVIMO_DRIVE_D", nullptr);
    env.Set("XDG_DATA_HOME", "relative/data");
    env.Set("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(platform::DriveRoot(), "/home/tester/.local/share/kavimo/d");
    EXPECT_EQ(platform::DefaultLogFilePath(), "/home/tester/.local/state/kavimo/kavimo.log");
    EXPECT_EQ(platform::XdgBaseDirectory("XDG_CONFIG_HOME", "/.config"), "/home/tester/.config");
    env.Set("XDG_CONFIG_HOME", "./config");
    EXPECT_EQ(platform::XdgBaseDirectory("XDG_CONFIG_HOME", "/.config"), "/home/tester/.config");
    env.Set("XDG_CONFIG_HOME", "/etc/xdg-test");
    EXPECT_EQ(platform::XdgBaseDirectory("XDG_CONFIG_HOME", "/.config"), "/etc/xdg-test");
}

}  // namespace
