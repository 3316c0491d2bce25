// The shared library as the application links it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "decoder/TEGMO_Decoder.h"
#include "tests/decoder/testmedia.h"

namespace {

std::vector<std::string> DynamicSymbols(const std::string& library) {
    const std::string command = "nm -D --defined-only '" + library + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<std::string> names;
    if (!pipe) return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get())) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SharedLibrary, ExportsExactlyTheEighteenFunctions) {
    std::vector<std::string> expected = {
        "TEGMO_DEC_AudioDecode",        "TEGMO_DEC_Cleanup",
        "TEGMO_DEC_CreateAudioDecoder", "TEGMO_DEC_CreateVideoDecoder",
        "TEGMO_DEC_DeleteAudioDecoder", "TEGMO_DEC_DeleteVideoDecoder",
        "TEGMO_DEC_GetAudioDecoderCount", "TEGMO_DEC_GetSDKBuildVersion",
        "TEGMO_DEC_GetSDKVersion",      "TEGMO_DEC_GetVideoDecoderCount",
        "TEGMO_DEC_Init",               "TEGMO_DEC_ReleasePCMFrame",
        "TEGMO_DEC_ReleaseYUVFrame",    "TEGMO_DEC_ResetAudioDecoder",
        "TEGMO_DEC_ResetVideoDecoder",  "TEGMO_DEC_ThrowBFrame",
        "TEGMO_DEC_VideoDecode",        "TEGMO_DEC_VideoDecodeAsyn",
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(DynamicSymbols(TEGMO_DECODER_LIBRARY_PATH), expected);
}

TEST(SharedLibrary, DecodesAPictureAsTheApplicationDoes) {
    testmedia::H264Options options;
    options.width = 640;
    options.height = 480;
    options.frameCount = 2;
    const auto stream = testmedia::EncodeH264(options);

    ASSERT_EQ(TEGMO_DEC_Init(), 1);
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    ASSERT_NE(decoder, 0u);
    for (uint8_t i = 0; i < 2; ++i) {
        StreamFrameInfo info = testmedia::MakeFrameInfo(stream[i], static_cast<uint8_t>(i + 1), 1000u + i);
        TEGMO_YUV_FRAME frame{};
        ASSERT_EQ(TEGMO_DEC_VideoDecode(decoder, &info, stream[i].data.data(),
                                        static_cast<int32_t>(stream[i].data.size()), &frame),
                  1);
        EXPECT_EQ(frame.width, 640);
        EXPECT_EQ(frame.planeU - frame.planeY, 384000);
        EXPECT_EQ(frame.pts, 1000u + i);
        EXPECT_EQ(frame.sizeChanged, i == 0 ? 1u : 0u);
        EXPECT_LT(testmedia::LumaDifference(i, 640, 480, frame.planeY, frame.strideY), 4.0);
        EXPECT_EQ(TEGMO_DEC_ReleaseYUVFrame(&frame), 1);
    }
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);
    EXPECT_EQ(TEGMO_DEC_Cleanup(), 1);
}

}  // namespace
