// The shared library as the application links it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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
        "TEGMO_DEC_AudioDecode",
        "TEGMO_DEC_Cleanup",
        "TEGMO_DEC_CreateAudioDecoder",
        "TEGMO_DEC_CreateVideoDecoder",
        "TEGMO_DEC_DeleteAudioDecoder",
        "TEGMO_DEC_DeleteVideoDecoder",
        "TEGMO_DEC_GetAudioDecoderCount",
        "TEGMO_DEC_GetSDKBuildVersion",
        "TEGMO_DEC_GetSDKVersion",
        "TEGMO_DEC_GetVideoDecoderCount",
        "TEGMO_DEC_Init",
        "TEGMO_DEC_ReleasePCMFrame",
        "TEGMO_DEC_ReleaseYUVFrame",
        "TEGMO_DEC_ResetAudioDecoder",
        "TEGMO_DEC_ResetVideoDecoder",
        "TEGMO_DEC_ThrowBFrame",
        "TEGMO_DEC_VideoDecode",
        "TEGMO_DEC_VideoDecodeAsyn",
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

// The library has its own copy of the debug trace: its errors reach the log file the environment
// names, its trace lines stay out of it at the default level.
TEST(SharedLibrary, WritesItsErrorsToTheLogFileTheEnvironmentNames) {
    char dir[] = "/tmp/kavimo-library-log-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string log = std::string(dir) + "/kavimo.log";
    ::setenv("KAVIMO_LOG_FILE", log.c_str(), 1);
    ::unsetenv("KAVIMO_DEBUG");

    ASSERT_EQ(TEGMO_DEC_Init(), 1);
    ASSERT_EQ(TEGMO_DEC_Init(), 1);  // traces "[TIP]CDecoderManage RefCount=2"
    const TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateAudioDecoder(0);
    ASSERT_NE(decoder, 0u);
    TEGMO_AUDIO_FRAME_INFO info{};
    info.encoding = TEGMO_AUDIO_AAC;
    // An ADTS sync word with an impossible header: FAAD2 cannot be initialised from it.
    std::vector<uint8_t> broken = {0xFF, 0xFF, 0xFF, 0x00, 0xA4, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01};
    broken.resize(64, 0xFF);
    TEGMO_PCM_FRAME pcm{};
    EXPECT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, broken.data(), int32_t(broken.size()), &pcm), 0);
    TEGMO_DEC_DeleteAudioDecoder(decoder);
    TEGMO_DEC_Cleanup();
    TEGMO_DEC_Cleanup();

    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    std::system(("rm -rf '" + std::string(dir) + "'").c_str());
    EXPECT_NE(text.str().find(" [ERROR]NeAACDecInit() false\n"), std::string::npos) << text.str();
    EXPECT_EQ(text.str().find("[TIP]"), std::string::npos) << text.str();
}

}  // namespace
