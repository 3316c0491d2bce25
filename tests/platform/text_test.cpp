// The libraries' texts: filled in once, and looked up in the program's translation when it has one.
#include "platform/text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(TextTest, ValuesAreFilledInOncePlaceholdersWithoutValuesStay) {
    // A value that itself holds "%2" (a file name, a patient's name) is not filled in again.
    EXPECT_EQ(text::Arg("%1 of %2 to %3", {"50%2", "7", "%1x"}), "50%2 of 7 to %1x");
    EXPECT_EQ(text::Arg("%2, %1: %4 100%", {"a", "b"}), "b, a: %4 100%");
    EXPECT_EQ(text::Arg("%", {"a"}), "%");
}

TEST(TextTest, TheInstalledLookupAnswersElseTheEnglishTextWithItsCount) {
    EXPECT_EQ(text::Tr("%n pictures waiting, %n in all", nullptr, 3), "3 pictures waiting, 3 in all");
    EXPECT_EQ(text::Tr("no %n here"), "no %n here");
    text::SetLookup([](const char* source, const char* disambiguation, int n) {
        return std::string(std::strcmp(source, "the archive") == 0 ? "l'archive" : source) +
               (disambiguation ? "/" : "") + (n >= 0 ? std::to_string(n) : "");
    });
    EXPECT_EQ(text::Tr("the archive"), "l'archive");
    EXPECT_EQ(text::Tr("other", "x", 2), "other/2");
    text::SetLookup(nullptr);
    EXPECT_EQ(text::Tr("the archive"), "the archive");
}
