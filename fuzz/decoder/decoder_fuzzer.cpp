// Feeds arbitrary bytes to the video and audio decoders as the camera's frames would arrive: the
// input is cut into frames by a one-byte selector and a two-byte length in front of each.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "decoder/TEGMO_Decoder.h"

namespace {

struct Decoders {
    Decoders() {
        TEGMO_DEC_Init();
        video = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
        unpacked = TEGMO_DEC_CreateVideoDecoder(0, 0, 0, nullptr, nullptr);
        audio = TEGMO_DEC_CreateAudioDecoder(0);
    }
    TEGMO_DEC_HANDLE video;
    TEGMO_DEC_HANDLE unpacked;
    TEGMO_DEC_HANDLE audio;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Decoders decoders;
    static uint8_t sequence = 0;
    while (size >= 3) {
        const uint8_t selector = data[0];
        size_t length = static_cast<size_t>(data[1]) | static_cast<size_t>(data[2]) << 8;
        data += 3;
        size -= 3;
        if (length > size) length = size;
        if (selector & 0x80) {
            TEGMO_AUDIO_FRAME_INFO info;
            std::memset(&info, 0, sizeof info);
            const uint8_t encodings[] = {TEGMO_AUDIO_G711_ALAW, TEGMO_AUDIO_G711_ULAW, TEGMO_AUDIO_PCM,
                                         TEGMO_AUDIO_AAC};
            info.encoding = encodings[selector & 3];
            info.channelCode = (selector >> 2) & 1;
            info.sampleRate = 8000;
            TEGMO_PCM_FRAME pcm;
            std::memset(&pcm, 0, sizeof pcm);
            if (TEGMO_DEC_AudioDecode(decoders.audio, &info, data, static_cast<int32_t>(length), &pcm)) {
                TEGMO_DEC_ReleasePCMFrame(&pcm);
            }
        } else {
            StreamFrameInfo info;
            std::memset(&info, 0, sizeof info);
            info.frameKind = selector & 3;
            info.attribute = (selector >> 2) & 1;
            info.sequence = (selector & 0x40) ? static_cast<uint8_t>(sequence + 2) : static_cast<uint8_t>(sequence + 1);
            sequence = info.sequence;
            info.timestamp = sequence;
            TEGMO_YUV_FRAME frame;
            std::memset(&frame, 0, sizeof frame);
            const TEGMO_DEC_HANDLE decoder = (selector & 0x20) ? decoders.unpacked : decoders.video;
            if (TEGMO_DEC_VideoDecode(decoder, &info, data, static_cast<int32_t>(length), &frame)) {
                TEGMO_DEC_ReleaseYUVFrame(&frame);
            }
        }
        data += length;
        size -= length;
    }
    return 0;
}
