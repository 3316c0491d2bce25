#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "decoder/audiodecoder.h"
#include "decoder/g711.h"
#include "tests/decoder/decodertest.h"
#include "tests/media/support/logcapture.h"

namespace {

TEGMO_AUDIO_FRAME_INFO MakeInfo(uint8_t encoding, uint8_t channelCode = 0, uint32_t sampleRate = 8000) {
    TEGMO_AUDIO_FRAME_INFO info;
    std::memset(&info, 0, sizeof info);
    info.encoding = encoding;
    info.channelCode = channelCode;
    info.timestamp = 0x0102030405060708ull;
    info.sampleRate = sampleRate;
    info.tag = 0x5C;
    return info;
}

// A PCM record that is released when it goes out of scope.
struct PcmRecord {
    PcmRecord() { std::memset(static_cast<void*>(&frame), 0, sizeof frame); }
    ~PcmRecord() { TEGMO_DEC_ReleasePCMFrame(&frame); }
    PcmRecord(const PcmRecord&) = delete;
    PcmRecord& operator=(const PcmRecord&) = delete;
    std::vector<int16_t> Samples() const {
        std::vector<int16_t> samples(frame.dataLength / 2);
        if (!samples.empty()) std::memcpy(samples.data(), frame.data, samples.size() * 2);
        return samples;
    }
    TEGMO_PCM_FRAME frame;
};

std::vector<uint8_t> Concat(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    std::vector<uint8_t> joined(a);
    joined.insert(joined.end(), b.begin(), b.end());
    return joined;
}

TEST(AudioDecode, G711ExpandsTheEdgeValues) {
    EXPECT_EQ(G711AlawToLinear(0xD5), 8);
    EXPECT_EQ(G711AlawToLinear(0x55), -8);
    EXPECT_EQ(G711AlawToLinear(0xD4), 24);      // mantissa 1, segment 0
    EXPECT_EQ(G711AlawToLinear(0xC5), 264);     // segment 1
    EXPECT_EQ(G711AlawToLinear(0xAA), 32256);   // largest
    EXPECT_EQ(G711AlawToLinear(0x2A), -32256);  // smallest
    EXPECT_EQ(G711UlawToLinear(0xFF), 0);
    EXPECT_EQ(G711UlawToLinear(0x7F), 0);
    EXPECT_EQ(G711UlawToLinear(0xFE), 8);
    EXPECT_EQ(G711UlawToLinear(0x7E), -8);
    EXPECT_EQ(G711UlawToLinear(0x80), 32124);
    EXPECT_EQ(G711UlawToLinear(0x00), -32124);
    // Both laws are monotonic over their positive codes.
    for (int code = 0x81; code <= 0xFF; ++code) {
        EXPECT_LT(G711UlawToLinear(static_cast<uint8_t>(code)), G711UlawToLinear(static_cast<uint8_t>(code - 1)));
    }
}

TEST(AudioDecode, TwoAlawBytesGiveTwoSixteenBitSamples) {
    LibraryScope library;
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateAudioDecoder(0);
    ASSERT_NE(decoder, 0u);
    const TEGMO_AUDIO_FRAME_INFO info = MakeInfo(TEGMO_AUDIO_G711_ALAW, 0, 8000);
    const uint8_t bytes[] = {0xD5, 0x55};
    PcmRecord pcm;
    ASSERT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, bytes, 2, &pcm.frame), 1);
    EXPECT_EQ(pcm.frame.dataLength, 4u);
    EXPECT_EQ(pcm.frame.channels, 1u);
    EXPECT_EQ(pcm.frame.sampleRate, 8000u);
    EXPECT_EQ(pcm.frame.timestamp, 0x0102030405060708ull);
    EXPECT_EQ(pcm.frame.tag, 0x5C);
    EXPECT_EQ(pcm.Samples(), (std::vector<int16_t>{8, -8}));

    const TEGMO_AUDIO_FRAME_INFO ulaw = MakeInfo(TEGMO_AUDIO_G711_ULAW, 0, 16000);
    const uint8_t ulawBytes[] = {0xFF, 0x7F, 0x80};
    PcmRecord ulawPcm;
    ASSERT_EQ(TEGMO_DEC_AudioDecode(decoder, &ulaw, ulawBytes, 3, &ulawPcm.frame), 1);
    EXPECT_EQ(ulawPcm.Samples(), (std::vector<int16_t>{0, 0, 32124}));
    EXPECT_EQ(ulawPcm.frame.sampleRate, 16000u);
}

TEST(AudioDecode, G711WithNonZeroChannelCodeGivesEightBitSamples) {
    LibraryScope library;
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateAudioDecoder(0);
    const TEGMO_AUDIO_FRAME_INFO info = MakeInfo(TEGMO_AUDIO_G711_ALAW, 1, 8000);
    const uint8_t bytes[] = {0xD5, 0xAA, 0x2A, 0x55};
    PcmRecord pcm;
    ASSERT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, bytes, 4, &pcm.frame), 1);
    EXPECT_EQ(pcm.frame.channels, 2u);
    ASSERT_EQ(pcm.frame.dataLength, 4u);
    // Unsigned 8-bit PCM: silence at 128, the loudest codes near the ends.
    EXPECT_EQ(pcm.frame.data[0], 128);
    EXPECT_EQ(pcm.frame.data[1], 254);
    EXPECT_EQ(pcm.frame.data[2], 2);
    EXPECT_EQ(pcm.frame.data[3], 127);
}

TEST(AudioDecode, PcmIsCopiedAndOtherEncodingsFail) {
    LibraryScope library;
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateAudioDecoder(0);
    const TEGMO_AUDIO_FRAME_INFO info = MakeInfo(TEGMO_AUDIO_PCM, 1, 44100);
    const uint8_t bytes[] = {1, 2, 3, 4, 5, 6};
    PcmRecord pcm;
    ASSERT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, bytes, 6, &pcm.frame), 1);
    EXPECT_EQ(pcm.frame.channels, 2u);
    EXPECT_EQ(pcm.frame.sampleRate, 44100u);
    ASSERT_EQ(pcm.frame.dataLength, 6u);
    EXPECT_EQ(std::memcmp(pcm.frame.data, bytes, 6), 0);
    EXPECT_NE(pcm.frame.data, bytes);

    for (uint8_t encoding : {3, 4, 5, 7, 255}) {
        const TEGMO_AUDIO_FRAME_INFO other = MakeInfo(encoding);
        PcmRecord failed;
        EXPECT_EQ(TEGMO_DEC_AudioDecode(decoder, &other, bytes, 6, &failed.frame), 0);
        EXPECT_EQ(failed.frame.data, nullptr);
        EXPECT_EQ(failed.frame.dataLength, 0u);
        EXPECT_EQ(failed.frame.timestamp, info.timestamp);  // copied before the encoding is looked at
    }
    PcmRecord empty;
    EXPECT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, bytes, 0, &empty.frame), 0);
    EXPECT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, bytes, -4, &empty.frame), 0);
    EXPECT_EQ(empty.frame.data, nullptr);
    EXPECT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, nullptr, 4, &empty.frame), 0);
    EXPECT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, bytes, 4, nullptr), 0);
}

double Rms(const std::vector<int16_t>& samples) {
    double sum = 0;
    for (int16_t s : samples) sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

TEST(AudioDecode, AacInputWithTwoFramesGivesOneRecordWithBoth) {
    LibraryScope library;
    testmedia::AacOptions options;
    options.sampleRate = 48000;
    options.channels = 2;
    options.bitRate = 96000;
    options.frameCount = 5;
    const auto frames = testmedia::EncodeAacAdts(options);
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateAudioDecoder(0);
    const TEGMO_AUDIO_FRAME_INFO info = MakeInfo(TEGMO_AUDIO_AAC);

    PcmRecord primer;  // FAAD2 gives no samples for its very first frame
    EXPECT_EQ(
        TEGMO_DEC_AudioDecode(decoder, &info, frames[0].data(), static_cast<int32_t>(frames[0].size()), &primer.frame),
        0);
    EXPECT_EQ(primer.frame.data, nullptr);

    const auto pair = Concat(frames[2], frames[3]);
    PcmRecord pcm;
    PcmRecord single;
    ASSERT_EQ(
        TEGMO_DEC_AudioDecode(decoder, &info, frames[1].data(), static_cast<int32_t>(frames[1].size()), &single.frame),
        1);
    ASSERT_EQ(TEGMO_DEC_AudioDecode(decoder, &info, pair.data(), static_cast<int32_t>(pair.size()), &pcm.frame), 1);
    EXPECT_EQ(single.frame.dataLength, 1024u * 2 * 2);
    EXPECT_EQ(pcm.frame.dataLength, 2 * single.frame.dataLength);
    EXPECT_EQ(pcm.frame.channels, 2u);
    EXPECT_EQ(pcm.frame.sampleRate, 48000u);
    EXPECT_EQ(pcm.frame.timestamp, info.timestamp);
    // The tone is there (encoded at half scale: RMS about 0.35 of full scale).
    EXPECT_GT(Rms(pcm.Samples()), 6000.0);
    EXPECT_LT(Rms(pcm.Samples()), 16000.0);
}

TEST(AudioDecode, SixConsecutiveAacErrorsCloseFaad2AndTheSeventhFrameReopensIt) {
    LogCapture capture;
    testmedia::AacOptions options;
    options.frameCount = 4;
    const auto frames = testmedia::EncodeAacAdts(options);
    const TEGMO_AUDIO_FRAME_INFO info = MakeInfo(TEGMO_AUDIO_AAC);
    CAudioDecoder decoder;
    TEGMO_PCM_FRAME pcm{};
    auto decode = [&](const std::vector<uint8_t>& bytes) {
        const int32_t result = decoder.Decode(&info, bytes.data(), static_cast<int32_t>(bytes.size()), &pcm);
        CAudioDecoder::ReleaseFrame(&pcm);
        return result;
    };
    decode(frames[0]);
    decode(frames[1]);
    ASSERT_TRUE(decoder.HasAacDecoder());

    const std::vector<uint8_t> garbage(200, 0x11);  // no ADTS sync word anywhere
    for (int error = 1; error <= 5; ++error) {
        EXPECT_EQ(decode(garbage), 0);
        EXPECT_TRUE(decoder.HasAacDecoder()) << "after error " << error;
    }
    EXPECT_EQ(capture.CountPrefix("[WARN]NeAACDecDecode() error 5 time -> NeAACDecClose"), 0);
    EXPECT_EQ(decode(garbage), 0);
    EXPECT_FALSE(decoder.HasAacDecoder());
    EXPECT_EQ(capture.CountPrefix("[ERROR]NeAACDecDecode() error="), 6);
    EXPECT_EQ(capture.Count("[WARN]NeAACDecDecode() error 5 time -> NeAACDecClose\n"), 1);

    decode(frames[2]);  // the seventh frame opens a fresh decoder
    EXPECT_TRUE(decoder.HasAacDecoder());
    EXPECT_EQ(decoder.GetAacErrorCount(), 0);
    EXPECT_EQ(decode(frames[3]), 1);
}

TEST(AudioDecode, FailedInitialisationClosesTheAacDecoderAtOnce) {
    LogCapture capture;
    const TEGMO_AUDIO_FRAME_INFO info = MakeInfo(TEGMO_AUDIO_AAC);
    CAudioDecoder decoder;
    TEGMO_PCM_FRAME pcm{};
    // An ADTS sync word with an impossible header: FAAD2 cannot be initialised from it (and would
    // crash if asked to decode with the half-made handle).
    std::vector<uint8_t> broken = {0xFF, 0xFF, 0xFF, 0x00, 0xA4, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01};
    broken.resize(64, 0xFF);
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(decoder.Decode(&info, broken.data(), static_cast<int32_t>(broken.size()), &pcm), 0);
        EXPECT_FALSE(decoder.HasAacDecoder());
        EXPECT_EQ(pcm.data, nullptr);
    }
    EXPECT_EQ(capture.Count("[ERROR]NeAACDecInit() false\n"), 2);

    const auto frames = testmedia::EncodeAacAdts(testmedia::AacOptions{});
    decoder.Decode(&info, frames[0].data(), static_cast<int32_t>(frames[0].size()), &pcm);
    EXPECT_TRUE(decoder.HasAacDecoder());
    ASSERT_EQ(decoder.Decode(&info, frames[1].data(), static_cast<int32_t>(frames[1].size()), &pcm), 1);
    CAudioDecoder::ReleaseFrame(&pcm);
}

TEST(AudioDecode, ResetClosesTheAacDecoderAndKeepsTheErrorCount) {
    LibraryScope library;
    const auto frames = testmedia::EncodeAacAdts(testmedia::AacOptions{});
    const TEGMO_AUDIO_FRAME_INFO info = MakeInfo(TEGMO_AUDIO_AAC);
    auto* decoder = new CAudioDecoder;
    TEGMO_PCM_FRAME pcm{};
    decoder->Decode(&info, frames[0].data(), static_cast<int32_t>(frames[0].size()), &pcm);
    const std::vector<uint8_t> garbage(100, 0x22);
    decoder->Decode(&info, garbage.data(), 100, &pcm);
    ASSERT_EQ(decoder->GetAacErrorCount(), 1);
    decoder->Reset();
    EXPECT_FALSE(decoder->HasAacDecoder());
    EXPECT_EQ(decoder->GetAacErrorCount(), 1);
    delete decoder;

    TEGMO_DEC_HANDLE handle = TEGMO_DEC_CreateAudioDecoder(0);
    PcmRecord record;
    TEGMO_DEC_AudioDecode(handle, &info, frames[0].data(), static_cast<int32_t>(frames[0].size()), &record.frame);
    EXPECT_EQ(TEGMO_DEC_ResetAudioDecoder(handle), 1);
}

}  // namespace
