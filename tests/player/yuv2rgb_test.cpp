#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "player/yuv2rgb.h"
#include "playertestsupport.h"

namespace {

struct Bgr {
    int b, g, r;
};

Bgr Convert(uint8_t y, uint8_t u, uint8_t v) {
    uint8_t out[3];
    GetYUV2RGB().ConvertPixel(y, u, v, out);
    return {out[0], out[1], out[2]};
}

TEST(YUV2RGB, TablesHoldTheScaledCoefficients) {
    const CYUV2RGB& t = GetYUV2RGB();
    EXPECT_EQ(t.BlueFromU(0), -2771300);
    EXPECT_EQ(t.BlueFromU(255), 20238 * 255 - 2771300);
    EXPECT_EQ(t.RedFromV(128), 15938 * 128 - 2221300);
    EXPECT_EQ(t.Luma(128), 11644 * 128);
    EXPECT_EQ(t.GreenFromLuma(16), 19837 * 16 - 311710);
}

TEST(YUV2RGB, ConvertsTheDocumentedSamples) {
    Bgr grey = Convert(128, 128, 128);
    EXPECT_EQ(grey.r, 130);  // 1309196 / 10000
    EXPECT_EQ(grey.b, 130);  // 1309596 / 10000
    EXPECT_EQ(grey.g, 131);  // (2227426 - 5094 x 130 - 1942 x 130) / 10000

    Bgr black = Convert(16, 128, 128);
    EXPECT_EQ(black.r, 0);
    EXPECT_EQ(black.g, 0);
    EXPECT_EQ(black.b, 0);

    Bgr white = Convert(235, 128, 128);
    EXPECT_EQ(white.r, 255);
    EXPECT_EQ(white.g, 255);
    EXPECT_EQ(white.b, 255);

    Bgr red = Convert(81, 90, 240);  // the blue sum -6716 truncates to 0
    EXPECT_EQ(red.r, 254);
    EXPECT_EQ(red.g, 0);
    EXPECT_EQ(red.b, 0);
}

// The vector path computes the sums directly and divides in floating point; it must give the
// table formula's result for every luma and chroma value.
TEST(YUV2RGB, RowConversionMatchesTheTablesForEverySample) {
    const CYUV2RGB& tables = GetYUV2RGB();
    constexpr int kWidth = 512;  // every luma value twice under one chroma pair
    std::vector<uint8_t> y(kWidth), u(kWidth / 2), v(kWidth / 2);
    for (int x = 0; x < kWidth; ++x) y[x] = uint8_t(x < 256 ? x : 511 - x);
    std::vector<uint8_t> fast(kWidth * 3), reference(kWidth * 3);
    int mismatches = 0;
    for (int cb = 0; cb < 256; ++cb) {
        for (int cr = 0; cr < 256; ++cr) {
            std::fill(u.begin(), u.end(), uint8_t(cb));
            std::fill(v.begin(), v.end(), uint8_t(cr));
            tables.ConvertRow(y.data(), u.data(), v.data(), kWidth, fast.data());
            tables.ConvertRowWithTables(y.data(), u.data(), v.data(), kWidth, reference.data());
            if (fast != reference) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(YUV2RGB, FrameIsStoredBottomRowFirstInBlueGreenRedOrder) {
    TestPicture picture(16, 16);
    picture.FillRect(0, 0, 16, 8, 81, 90, 240);     // top half red
    picture.FillRect(0, 8, 16, 16, 235, 128, 128);  // bottom half white
    std::vector<uint8_t> bgr(16 * 16 * 3);
    GetYUV2RGB().ConvertFrame(picture.Frame(), bgr.data());
    // Buffer row 0 is the image's bottom row: white.
    EXPECT_EQ(bgr[0], 255);
    EXPECT_EQ(bgr[1], 255);
    EXPECT_EQ(bgr[2], 255);
    // The last buffer row is the image's top row: red, stored B, G, R.
    const size_t top = 15 * 16 * 3;
    EXPECT_EQ(bgr[top + 0], 0);
    EXPECT_EQ(bgr[top + 1], 0);
    EXPECT_EQ(bgr[top + 2], 254);
}

uint32_t Read32(const std::vector<uint8_t>& data, size_t offset) {
    return uint32_t(data[offset]) | uint32_t(data[offset + 1]) << 8 | uint32_t(data[offset + 2]) << 16 |
           uint32_t(data[offset + 3]) << 24;
}

uint16_t Read16(const std::vector<uint8_t>& data, size_t offset) {
    return uint16_t(data[offset] | data[offset + 1] << 8);
}

TEST(Snapshot, A1280x720FrameMakesA2764854ByteFileWithItsHeader) {
    TempDir dir;
    TestPicture picture(1280, 720);
    picture.FillRect(0, 0, 1280, 720, 128, 128, 128);
    const std::string path = dir.Path("shot.bmp");
    ASSERT_EQ(WriteBmpFile(&picture.Frame(), path.c_str()), 1);

    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(data.size(), 2764854u);
    EXPECT_EQ(data[0], 'B');
    EXPECT_EQ(data[1], 'M');
    EXPECT_EQ(Read32(data, 2), 2764854u);
    EXPECT_EQ(Read32(data, 6), 0u);
    EXPECT_EQ(Read32(data, 10), 54u);
    EXPECT_EQ(Read32(data, 14), 40u);
    EXPECT_EQ(Read32(data, 18), 1280u);
    EXPECT_EQ(Read32(data, 22), 720u);
    EXPECT_EQ(Read16(data, 26), 1);
    EXPECT_EQ(Read16(data, 28), 24);
    EXPECT_EQ(Read32(data, 30), 0u);
    EXPECT_EQ(Read32(data, 34), 2764800u);
    for (size_t offset = 38; offset < 54; offset += 4) EXPECT_EQ(Read32(data, offset), 0u);
    // Grey 128 everywhere: B 130, G 131, R 130.
    EXPECT_EQ(data[54], 130);
    EXPECT_EQ(data[55], 131);
    EXPECT_EQ(data[56], 130);
    EXPECT_EQ(data.back(), 130);
}

TEST(Snapshot, SizesNotMultiplesOf16AreRefusedWithoutAFile) {
    TempDir dir;
    LogCapture log;
    TestPicture tall(1280, 721);
    TestPicture narrow(1270, 720);
    const std::string path = dir.Path("refused.bmp");
    EXPECT_EQ(WriteBmpFile(&tall.Frame(), path.c_str()), 0);
    EXPECT_EQ(WriteBmpFile(&narrow.Frame(), path.c_str()), 0);
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(log.Lines().empty());

    TestPicture fine(32, 32);
    EXPECT_EQ(WriteBmpFile(nullptr, path.c_str()), 0);
    EXPECT_EQ(WriteBmpFile(&fine.Frame(), nullptr), 0);
    EXPECT_EQ(WriteBmpFile(&fine.Frame(), ""), 0);
    TEGMO_YUV_FRAME noPlanes = fine.Frame();
    noPlanes.planeU = nullptr;
    EXPECT_EQ(WriteBmpFile(&noPlanes, path.c_str()), 0);
    EXPECT_FALSE(FileExists(path));
}

TEST(Snapshot, UnwritablePathLogsTheWarning) {
    TempDir dir;
    LogCapture log;
    TestPicture picture(32, 32);
    const std::string path = dir.Path("missing/dir/shot.bmp");
    EXPECT_EQ(WriteBmpFile(&picture.Frame(), path.c_str()), 0);
    EXPECT_TRUE(log.Contains("[WARN]Can not create BMP file: " + path + "\n"));
}

}  // namespace
