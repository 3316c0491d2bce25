// The teeth and views of the pictures: the file beside the records, how it follows a picture into
// the trash and back and through a rebuild, and the notations it is shown in.
#include "records/toothtags.h"

#include <cstring>

#include "platform/text.h"
#include "records/recordfile.h"
#include "recordtest.h"

namespace recordtest {
namespace {

using records::PictureTags;
using records::ToothNotation;
using records::ToothTags;
using records::View;

constexpr uint64_t kUid1 = 20240101080000ULL;

int Mode(const std::string& hostPath) {
    struct stat st;
    return ::stat(hostPath.c_str(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

std::string RecordFilesOf(const std::string& patientDir) {
    return ReadBytes(patientDir + "/UserInfoBackup.fdb") + "|" + ReadBytes(patientDir + "/DisePicList.fdb") + "|" +
           ReadBytes(patientDir + "/DiagList.fdb");
}

TEST_F(RecordsTest, TeethFollowAPictureThroughTheTrashAndLeaveTheRecordsAsTheyWere) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    ASSERT_EQ(store_.SelectUser(1), 1);
    const std::string dir = PatientHost(kUid1);
    MakePicture(kUid1, "20240101090000.jpg", "first");
    MakePicture(kUid1, "20240101090001.jpg", "second");
    ASSERT_EQ(store_.RebuildPictures(), 1);
    const std::string records = RecordFilesOf(dir);
    const std::string userList = ReadBytes(UserListHost());

    // Written and read back; the record files do not change by a byte.
    std::string error;
    ASSERT_TRUE(records::SetPictureTags(dir, "20240101090001.jpg", {{21, 11, 21}, View::Frontal}, &error)) << error;
    ASSERT_TRUE(records::SetPictureTags(dir, "20240101090000.jpg", {{55}, View::None}, &error)) << error;
    EXPECT_EQ(ReadBytes(dir + "/Teeth.txt"),
              "kavimo-teeth 1\n20240101090000.jpg\t55\t\n20240101090001.jpg\t11,21\tfrontal\n");
    EXPECT_EQ(Mode(dir + "/Teeth.txt"), 0600);
    ToothTags::Found found = ToothTags::Found::None;
    const ToothTags read = ToothTags::Load(dir, &found);
    EXPECT_EQ(found, ToothTags::Found::Read);
    EXPECT_EQ(read.TagsOf("20240101090001.jpg"), (PictureTags{{11, 21}, View::Frontal}));
    EXPECT_EQ(RecordFilesOf(dir), records);
    EXPECT_EQ(ReadBytes(UserListHost()), userList);
    // A rewrite cut short leaves its temporary file, which the next start removes.
    WriteBytes(dir + "/.Teeth.txt.a1B2c3", "kavimo-teeth 1\n");
    store_.RemoveInterruptedRewrites();
    EXPECT_FALSE(Exists(dir + "/.Teeth.txt.a1B2c3"));
    EXPECT_TRUE(Exists(dir + "/Teeth.txt"));

    // The deleted picture takes its teeth into the trash; restored under a new name (its own is
    // taken meanwhile), it has them again, and the new picture of the old name has none.
    ASSERT_EQ(store_.DeletePicture(1), 1);
    store_.Flush();
    EXPECT_TRUE(ToothTags::Load(dir).TagsOf("20240101090001.jpg").Empty());
    EXPECT_EQ(ToothTags::Load(dir).TagsOf("20240101090000.jpg"), (PictureTags{{55}, View::None}));
    MakePicture(kUid1, "20240101090001.jpg", "new");
    const std::vector<records::TrashEntry> deleted = store_.DeletedPictures();
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(store_.RestorePictures({deleted[0].id}), 1);
    const ToothTags restored = ToothTags::Load(dir);
    EXPECT_EQ(restored.TagsOf("20240101090001_1.jpg"), (PictureTags{{11, 21}, View::Frontal}));
    EXPECT_TRUE(restored.TagsOf("20240101090001.jpg").Empty());

    // A picture deleted by other means loses its teeth at the next rebuild, so that a later
    // picture of that name does not inherit them; the others keep theirs.
    ASSERT_EQ(::unlink((dir + "/20240101090000.jpg").c_str()), 0);
    ASSERT_EQ(store_.RebuildPictures(), 1);
    EXPECT_EQ(ToothTags::Load(dir).Pictures().size(), 1u);
    EXPECT_EQ(ToothTags::Load(dir).TagsOf("20240101090001_1.jpg"), (PictureTags{{11, 21}, View::Frontal}));
}

TEST_F(RecordsTest, ADamagedTeethFileIsReportedAndNeverWrittenOver) {
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    const std::string dir = PatientHost(kUid1);
    const std::string damaged[] = {
        "",                                            // empty
        "kavimo-teeth 2\n",                            // another format
        "kavimo-teeth 1\nx.jpg\t19\t\n",               // not a tooth
        "kavimo-teeth 1\nx.jpg\t21,11\t\n",            // not in order
        "kavimo-teeth 1\nx.jpg\t11\tsideways\n",       // not a view
        "kavimo-teeth 1\nx.jpg\t11\t\nx.jpg\t12\t\n",  // twice
        "kavimo-teeth 1\nx.jpg\t\t\n",                 // nothing
        "kavimo-teeth 1\n../x.jpg\t11\t\n",            // a path
        "kavimo-teeth 1\nx.jpg\t11\n",                 // a field short
    };
    for (const std::string& text : damaged) {
        WriteBytes(dir + "/Teeth.txt", text);
        ToothTags::Found found = ToothTags::Found::None;
        std::string problem;
        EXPECT_TRUE(ToothTags::Load(dir, &found, &problem).Empty()) << text;
        EXPECT_EQ(found, ToothTags::Found::Damaged) << text;
        EXPECT_FALSE(problem.empty()) << text;
        std::string error;
        EXPECT_FALSE(records::SetPictureTags(dir, "y.jpg", {{11}, View::None}, &error)) << text;
        EXPECT_EQ(ReadBytes(dir + "/Teeth.txt"), text);
    }
}

// A stand-in language that moves the pieces about, as a translation may; removed however the test ends.
struct StandInLanguage {
    StandInLanguage() {
        text::SetLookup([](const char* source, const char*, int n) {
            static const std::pair<const char*, const char*> kWords[] = {
                {"line %1: %2", "%2 (Zeile %1)"},
                {"%1 is given twice", "doppelt: %1"},
                {"not three tab-separated fields", "nicht drei Felder"},
                {"%1 is damaged (%2); it is left as it is", "%1 bleibt, wie sie ist: %2"},
                {"Left buccal", "Bukkal links"},
            };
            std::string found = source;
            for (const auto& [english, translated] : kWords) {
                if (std::strcmp(source, english) == 0) found = translated;
            }
            return n < 0 ? found : found + "/" + std::to_string(n);
        });
    }
    ~StandInLanguage() { text::SetLookup(nullptr); }
};

TEST_F(RecordsTest, TeethFileProblemsAreWholeSentencesOfTheUsersLanguage) {
    const StandInLanguage language;
    store_.PrepareWorkDir();
    store_.Load();
    ASSERT_EQ(store_.AddUser(MakeUser(kUid1, u"Alice", 1)), 1);
    const std::string dir = PatientHost(kUid1);
    // The pieces are translated alone and joined in the translation's order; a picture's name that
    // holds a placeholder is taken as it is.
    const std::pair<std::string, std::string> cases[] = {
        {"kavimo-teeth 1\nx.jpg\t11\n", "nicht drei Felder (Zeile 2)"},
        {"kavimo-teeth 1\na%2.jpg\t11\t\na%2.jpg\t12\t\n", "doppelt: a%2.jpg (Zeile 3)"},
    };
    for (const auto& [content, said] : cases) {
        WriteBytes(dir + "/Teeth.txt", content);
        std::string problem;
        ToothTags::Load(dir, nullptr, &problem);
        EXPECT_EQ(problem, said);
    }
    std::string error;
    EXPECT_FALSE(records::SetPictureTags(dir, "y.jpg", {{11}, View::None}, &error));
    EXPECT_EQ(error, "Teeth.txt bleibt, wie sie ist: doppelt: a%2.jpg (Zeile 3)");
    EXPECT_EQ(records::ViewLabel(View::LeftBuccal), "Bukkal links");
    EXPECT_STREQ(records::ViewName(View::LeftBuccal), "left-buccal");
}

TEST(ComparePairing, FindsTheLatestEarlierPictureOfTheSameTooth) {
    ToothTags tags;
    ASSERT_TRUE(tags.Set("a.jpg", {{21}, View::None}));         // 2024, tooth 21
    ASSERT_TRUE(tags.Set("b.jpg", {{11, 21}, View::Frontal}));  // 2025, teeth 11 and 21
    ASSERT_TRUE(tags.Set("c.jpg", {{36}, View::None}));         // later in 2025, another tooth
    ASSERT_TRUE(tags.Set("d.jpg", {{21}, View::None}));         // 2026, shown
    ASSERT_TRUE(tags.Set("e.jpg", {{21}, View::None}));         // after the shown one
    // The list is in name order, not in time order: the times decide.
    const std::vector<records::DatedPicture> pictures = {
        {"e.jpg", 20270101120000}, {"a.jpg", 20240301090000}, {"d.jpg", 20260105100000},
        {"c.jpg", 20251201080000}, {"b.jpg", 20250610113000}, {"f.jpg", 20251220080000},
    };
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, pictures, 2), 4);   // d: b, not the later c or f
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, pictures, 4), 1);   // b: a shares tooth 21
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, pictures, 1), -1);  // a: nothing before it
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, pictures, 3), -1);  // c: no earlier 36
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, pictures, 5), -1);  // f: no teeth
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, pictures, 9), -1);
    // Two taken in the same second: the one listed first counts as the earlier.
    const std::vector<records::DatedPicture> same = {{"a.jpg", 20240301090000}, {"d.jpg", 20240301090000}};
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, same, 1), 0);
    EXPECT_EQ(records::EarlierPictureOfSameTooth(tags, same, 0), -1);
}

TEST(ToothNotation, ConvertsEveryQuadrantLikeTheCharts) {
    struct Row {
        int fdi;
        const char* universal;
        const char* palmer;
    };
    // The corners and middles of each quadrant, permanent and deciduous.
    const Row rows[] = {
        {18, "1", "UR8"},  {11, "8", "UR1"},  {21, "9", "UL1"},  {28, "16", "UL8"}, {38, "17", "LL8"},
        {31, "24", "LL1"}, {41, "25", "LR1"}, {48, "32", "LR8"}, {36, "19", "LL6"}, {14, "5", "UR4"},
        {55, "A", "URE"},  {51, "E", "URA"},  {61, "F", "ULA"},  {65, "J", "ULE"},  {75, "K", "LLE"},
        {71, "O", "LLA"},  {81, "P", "LRA"},  {85, "T", "LRE"},  {63, "H", "ULC"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(records::ToothName(row.fdi, ToothNotation::Fdi), std::to_string(row.fdi));
        EXPECT_EQ(records::ToothName(row.fdi, ToothNotation::Universal), row.universal) << row.fdi;
        EXPECT_EQ(records::ToothName(row.fdi, ToothNotation::Palmer), row.palmer) << row.fdi;
    }
    for (int notANumber : {0, 10, 19, 49, 50, 56, 90, 99}) {
        EXPECT_EQ(records::ToothName(notANumber, ToothNotation::Universal), "") << notANumber;
    }
    std::vector<int> teeth;
    std::string problem;
    EXPECT_TRUE(records::ParseFdiTeeth("21, 11 21", &teeth, &problem));
    EXPECT_EQ(teeth, (std::vector<int>{11, 21}));
    EXPECT_FALSE(records::ParseFdiTeeth("11,19", &teeth, &problem));
    EXPECT_FALSE(records::ParseFdiTeeth("011", &teeth, &problem));
}

}  // namespace
}  // namespace recordtest
