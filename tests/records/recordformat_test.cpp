// Byte layouts of the three record types, the time-derived names and the text conversions.
#include <ctime>

#include "records/recordtypes.h"
#include "recordtest.h"

namespace {

using namespace recordtest;

// A byte image built field by field from the documented offsets, independent of the structs.
class Layout {
public:
    explicit Layout(size_t size) : m_bytes(size, '\0') {}
    void Put(size_t offset, uint64_t value, size_t width) {
        for (size_t i = 0; i < width; ++i) m_bytes.at(offset + i) = char((value >> (8 * i)) & 0xFF);
    }
    void PutUtf16(size_t offset, const std::u16string& text) {
        for (size_t i = 0; i < text.size(); ++i) Put(offset + 2 * i, text[i], 2);
    }
    void PutText(size_t offset, const std::string& text) {
        for (size_t i = 0; i < text.size(); ++i) m_bytes.at(offset + i) = text[i];
    }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

template <typename T>
std::string Image(const T& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

TEST(RecordLayout, PatientRecordFieldsLandAtTheirOffsets) {
    _USER_INFO user = {};
    user.uid = 20240315093005ull;
    records::SetFieldText(user.name, u"Zoë Ångström");
    user.sex = 1;
    user.age = -7;
    user.diagCount = 0x01020304;
    user.picCount = 0x0A0B0C0D;
    user.phone = -12345678901ll;
    records::SetFieldText(user.dirPath, "d:\\DentalWorkDir\\UID20240315093005");
    records::SetFieldText(user.description, u"caries 36");
    user.reserved1[7] = 0x5A;
    user.reserved2[131] = 0xA5;

    Layout expected(1032);
    expected.Put(0x000, 20240315093005ull, 8);
    expected.PutUtf16(0x008, u"Zoë Ångström");
    expected.Put(0x028, 1, 4);
    expected.Put(0x02C, uint32_t(-7), 4);
    expected.Put(0x030, 0x01020304, 4);
    expected.Put(0x034, 0x0A0B0C0D, 4);
    expected.Put(0x038, uint64_t(-12345678901ll), 8);
    expected.PutText(0x040, "d:\\DentalWorkDir\\UID20240315093005");
    expected.PutUtf16(0x0C0, u"caries 36");
    expected.Put(0x37C + 7, 0x5A, 1);
    expected.Put(0x384 + 131, 0xA5, 1);
    EXPECT_EQ(Image(user), expected.bytes());
}

TEST(RecordLayout, DiagnosisRecordTextSitsAfterTwentyReservedBytes) {
    _DIAG_ITEM item = {};
    item.reserved1[0] = 0x11;
    records::SetFieldText(item.text, u"Pulpitis, tooth 46");
    item.reserved2[311] = 0x22;

    Layout expected(1032);
    expected.Put(0x000, 0x11, 1);
    expected.PutUtf16(0x014, u"Pulpitis, tooth 46");
    expected.Put(0x2D0 + 311, 0x22, 1);
    EXPECT_EQ(Image(item), expected.bytes());
}

TEST(RecordLayout, PictureRecordFieldsLandAtTheirOffsets) {
    _DISE_PIC picture = {};
    picture.uid = 20170801102233ull;
    picture.kind = 0x7F000001;
    picture.year = 2026;
    picture.month = 12;
    picture.day = 6;
    picture.dayOfWeek = 1;
    picture.hour = 19;
    picture.minute = 5;
    picture.second = 7;
    records::SetFieldText(picture.path, "d:\\DentalWorkDir\\UID20170801102233\\20261206190507.jpg");

    Layout expected(152);
    expected.Put(0x00, 20170801102233ull, 8);
    expected.Put(0x08, 0x7F000001, 4);
    expected.Put(0x0C, 2026, 2);
    expected.Put(0x0E, 12, 1);
    expected.Put(0x0F, 6, 1);
    expected.Put(0x10, 1, 1);
    expected.Put(0x11, 19, 1);
    expected.Put(0x12, 5, 1);
    expected.Put(0x13, 7, 1);
    expected.PutText(0x14, "d:\\DentalWorkDir\\UID20170801102233\\20261206190507.jpg");
    EXPECT_EQ(Image(picture), expected.bytes());
}

TEST(RecordNames, TimeNumberUidAndPictureNamesComeFromTheLocalTime) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 6;
    t.tm_hour = 19;
    t.tm_min = 5;
    t.tm_sec = 7;
    EXPECT_EQ(records::LocalTimeNumber(t), 20261206190507ull);
    EXPECT_EQ(records::PictureFileName(t), "20261206190507.jpg");
    EXPECT_EQ(records::UidText(20170801102233ull), "UID20170801102233");
    EXPECT_EQ(records::PatientDirPath(20170801102233ull), "d:\\DentalWorkDir\\UID20170801102233");
    EXPECT_EQ(records::PicturePath("d:\\DentalWorkDir\\UID1", 20240315093005ull),
              "d:\\DentalWorkDir\\UID1\\20240315093005.jpg");

    // A time value goes through local time: compare with localtime_r of the same value.
    std::time_t value = 1700000000;
    std::tm local{};
    ::localtime_r(&value, &local);
    EXPECT_EQ(records::MakeUid(value), records::LocalTimeNumber(local));

    _USER_INFO user = {};
    records::SetFieldText(user.dirPath, "d:\\DentalWorkDir\\UID5");
    const std::string now = records::PicturePathNow(user);
    EXPECT_EQ(now.rfind("d:\\DentalWorkDir\\UID5\\", 0), 0u);
    EXPECT_EQ(now.size(), std::string("d:\\DentalWorkDir\\UID5\\").size() + 18);
}

TEST(TextConversion, RoundTripsAllPlanesAndReplacesMalformedInput) {
    const std::u16string wide = u"Test User 测试 😀 Zoë";
    EXPECT_EQ(records::Utf16ToAnsi(wide), "Test User 测试 😀 Zoë");
    EXPECT_EQ(records::AnsiToUtf16("Test User 测试 😀 Zoë"), wide);
    EXPECT_EQ(RecordStore::AnsiToUtf16(RecordStore::Utf16ToAnsi(wide)), wide);

    // Stray continuation, truncated sequence, overlong encoding, encoded surrogate, > U+10FFFF.
    EXPECT_EQ(records::AnsiToUtf16("a\x80"
                                   "b"),
              u"a\uFFFDb");
    EXPECT_EQ(records::AnsiToUtf16("a\xE2\x82"), u"a\uFFFD");
    EXPECT_EQ(records::AnsiToUtf16("\xC0\xAF"
                                   "x"),
              u"\uFFFD\uFFFDx");
    EXPECT_EQ(records::AnsiToUtf16("\xE0\x80\xAF"), u"\uFFFD");
    EXPECT_EQ(records::AnsiToUtf16("\xED\xA0\x80"), u"\uFFFD");
    EXPECT_EQ(records::AnsiToUtf16("\xF4\x90\x80\x80"), u"\uFFFD");
    EXPECT_EQ(records::AnsiToUtf16(std::string("\xF0\x9F\x98", 3) + "!"), u"\uFFFD!");
    // Unpaired surrogates on the way back.
    EXPECT_EQ(records::Utf16ToAnsi(std::u16string(u"x") + char16_t(0xD83D)), "x\xEF\xBF\xBD");
    EXPECT_EQ(records::Utf16ToAnsi(std::u16string(1, char16_t(0xDE00)) + u"y"), "\xEF\xBF\xBDy");
}

TEST(TextConversion, FixedFieldsAreTerminatedAndNeverSplitAPair) {
    char16_t name[16];
    EXPECT_TRUE(records::SetFieldText(name, u"fifteen chars!!"));
    EXPECT_EQ(records::FieldText(name), u"fifteen chars!!");
    EXPECT_FALSE(records::SetFieldText(name, u"sixteen chars!!!"));
    EXPECT_EQ(records::FieldText(name), u"sixteen chars!!");
    EXPECT_EQ(name[15], 0);
    // The 15th unit would be the first half of an emoji: the pair is dropped whole.
    EXPECT_FALSE(records::SetFieldText(name, u"12345678901234😀"));
    EXPECT_EQ(records::FieldText(name), u"12345678901234");

    // A field without a terminator is read to its end, not beyond.
    char16_t full[4] = {u'a', u'b', u'c', u'd'};
    EXPECT_EQ(records::FieldText(full), u"abcd");

    // 8-bit text that does not fit is refused and the field is left alone.
    char path[8];
    EXPECT_TRUE(records::SetFieldText(path, "1234567"));
    EXPECT_FALSE(records::SetFieldText(path, "12345678"));
    EXPECT_EQ(records::FieldText(path), "1234567");
}

}  // namespace
