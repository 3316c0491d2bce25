#include "platform/dirlist.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

TEST(Wildcard, MatchesWithoutCaseAndBacktracks) {
    EXPECT_TRUE(platform::WildcardMatch("*.jpg", "A.JPG"));
    EXPECT_TRUE(platform::WildcardMatch("*.jpg", "a.b.jpg"));
    EXPECT_FALSE(platform::WildcardMatch("*.jpg", "c.jpeg"));
    EXPECT_FALSE(platform::WildcardMatch("*.jpg", "jpg"));
    EXPECT_TRUE(platform::WildcardMatch("UID*", "uid20170801102233"));
    EXPECT_TRUE(platform::WildcardMatch("a?c*.x", "abcdddd.x"));
    EXPECT_FALSE(platform::WildcardMatch("a?c", "ac"));
    EXPECT_TRUE(platform::WildcardMatch("*.*", "README"));
    EXPECT_TRUE(platform::WildcardMatch("*a*b", "xxaxxaxb"));
}

TEST(ListDirectory, FiltersSortsWithoutCaseAndDescribesEntries) {
    char tmpl[] = "/tmp/kavimo-dir-XXXXXX";
    std::string dir = ::mkdtemp(tmpl);
    for (const char* name : {"b.Png", "a.JPG", "C.jpg", ".d.jpg", "c.jpeg"}) {
        std::ofstream(dir + "/" + name) << "12345";
    }
    ASSERT_EQ(::mkdir((dir + "/sub.jpg").c_str(), 0755), 0);

    auto jpgs = platform::ListDirectory(dir, "*.jpg");
    ASSERT_EQ(jpgs.size(), 4u);
    EXPECT_EQ(jpgs[0].name, ".d.jpg");
    EXPECT_TRUE(jpgs[0].hidden);
    EXPECT_EQ(jpgs[1].name, "a.JPG");
    EXPECT_EQ(jpgs[1].size, 5u);
    EXPECT_FALSE(jpgs[1].isDirectory);
    EXPECT_EQ(jpgs[2].name, "C.jpg");
    EXPECT_EQ(jpgs[3].name, "sub.jpg");
    EXPECT_TRUE(jpgs[3].isDirectory);

    EXPECT_TRUE(jpgs[1].statusRead);
    EXPECT_EQ(jpgs[1].createdNs, platform::StatFile(dir + "/a.JPG").createdNs);

    // Only the type: a link to a directory still counts as one, a dangling link as a file.
    ASSERT_EQ(::symlink((dir + "/sub.jpg").c_str(), (dir + "/link.jpg").c_str()), 0);
    ASSERT_EQ(::symlink((dir + "/gone").c_str(), (dir + "/dangling.jpg").c_str()), 0);
    auto types = platform::ListDirectory(dir, "*.jpg", platform::DirDetail::TypeOnly);
    ASSERT_EQ(types.size(), 6u);
    EXPECT_EQ(types[1].name, "a.JPG");
    EXPECT_FALSE(types[1].isDirectory);
    EXPECT_EQ(types[1].size, 0u);  // not read
    EXPECT_EQ(types[3].name, "dangling.jpg");
    EXPECT_FALSE(types[3].isDirectory);
    EXPECT_EQ(types[4].name, "link.jpg");
    EXPECT_TRUE(types[4].isDirectory);
    EXPECT_TRUE(types[5].isDirectory);
    ::unlink((dir + "/link.jpg").c_str());
    ::unlink((dir + "/dangling.jpg").c_str());

    auto all = platform::ListDirectory(dir);
    EXPECT_EQ(all.size(), 6u);
    EXPECT_TRUE(platform::ListDirectory(dir + "/missing").empty());

    auto info = platform::StatFile(dir + "/a.JPG");
    EXPECT_TRUE(info.exists);
    EXPECT_EQ(info.size, 5u);
    EXPECT_GT(info.createdNs, 0);
    EXPECT_FALSE(platform::StatFile(dir + "/nothing").exists);

    EXPECT_TRUE(platform::MakeDirectories(dir + "/x/y/z"));
    EXPECT_TRUE(platform::StatFile(dir + "/x/y/z").isDirectory);
    std::system(("rm -rf '" + dir + "'").c_str());
}

// A long listing reads its statuses on two threads; each entry must still get its own.
TEST(ListDirectory, LongListingGivesEveryEntryItsOwnStatus) {
    char tmpl[] = "/tmp/kavimo-dir-XXXXXX";
    std::string dir = ::mkdtemp(tmpl);
    constexpr int kFiles = 3000;
    for (int i = 0; i < kFiles; ++i) {
        std::ofstream(dir + "/" + std::to_string(100000 + i) + ".jpg") << std::string(size_t(i % 97), 'x');
    }
    ASSERT_EQ(::mkdir((dir + "/123456.jpg").c_str(), 0755), 0);
    const auto entries = platform::ListDirectory(dir, "*.jpg");
    ASSERT_EQ(entries.size(), size_t(kFiles + 1));
    for (int i = 0; i < kFiles; ++i) {
        const platform::DirEntry& e = entries[size_t(i)];
        ASSERT_EQ(e.name, std::to_string(100000 + i) + ".jpg");
        EXPECT_TRUE(e.statusRead);
        EXPECT_FALSE(e.isDirectory);
        EXPECT_EQ(e.size, uint64_t(i % 97)) << e.name;
    }
    EXPECT_TRUE(entries.back().isDirectory);
    std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace
