#include "decoder/audiodecoder.h"

#include <neaacdec.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "decoder/g711.h"
#include "media/support/debuglog.h"

CAudioDecoder::CAudioDecoder() : m_DecPCMBuf(new (std::nothrow) uint8_t[kPcmBufferSize]) {
    if (!m_DecPCMBuf) g_DebugLog.Format("[ERROR]Audio DecPCMBuf new return false\n");
}

CAudioDecoder::~CAudioDecoder() { CloseAac(); }

void CAudioDecoder::CloseAac() {
    if (m_hAacDecoder) NeAACDecClose(static_cast<NeAACDecHandle>(m_hAacDecoder));
    m_hAacDecoder = nullptr;
}

void CAudioDecoder::Reset() { CloseAac(); }

void CAudioDecoder::ReleaseFrame(TEGMO_PCM_FRAME* frame) {
    std::free(frame->data);
    std::memset(static_cast<void*>(frame), 0, sizeof *frame);
}

int32_t CAudioDecoder::Decode(const TEGMO_AUDIO_FRAME_INFO* info, const uint8_t* data, int32_t length,
                              TEGMO_PCM_FRAME* frame) {
    if (!frame || !info || !data || length == 0) return 0;
    frame->tag = info->tag;
    frame->timestamp = info->timestamp;
    frame->dataLength = 0;
    frame->data = nullptr;
    if (length < 0) return 0;

    switch (info->encoding) {
        case TEGMO_AUDIO_PCM: {
            auto* samples = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(length)));
            if (!samples) return 0;
            std::memcpy(samples, data, static_cast<size_t>(length));
            frame->data = samples;
            frame->dataLength = static_cast<uint32_t>(length);
            frame->channels = info->channelCode + 1u;
            frame->sampleRate = info->sampleRate;
            return 1;
        }
        case TEGMO_AUDIO_G711_ALAW:
        case TEGMO_AUDIO_G711_ULAW:
            return DecodeG711(*info, data, length, frame) ? 1 : 0;
        case TEGMO_AUDIO_AAC:
            return DecodeAac(data, length, frame) ? 1 : 0;
        default:
            return 0;
    }
}

bool CAudioDecoder::DecodeG711(const TEGMO_AUDIO_FRAME_INFO& info, const uint8_t* data, int32_t length,
                               TEGMO_PCM_FRAME* frame) {
    const bool alaw = info.encoding == TEGMO_AUDIO_G711_ALAW;
    const bool wide = info.channelCode == 0;  // 16-bit output samples, else 8-bit
    const size_t count = static_cast<size_t>(length);
    auto* samples = static_cast<uint8_t*>(std::malloc(wide ? 2 * count : count));
    if (!samples) return false;
    for (size_t i = 0; i < count; ++i) {
        const int16_t value = alaw ? G711AlawToLinear(data[i]) : G711UlawToLinear(data[i]);
        if (wide) {
            std::memcpy(samples + 2 * i, &value, 2);  // little-endian host
        } else {
            samples[i] = LinearToUnsigned8(value);
        }
    }
    frame->data = samples;
    frame->dataLength = static_cast<uint32_t>(wide ? 2 * count : count);
    frame->channels = info.channelCode + 1u;
    frame->sampleRate = info.sampleRate;
    return true;
}

bool CAudioDecoder::DecodeAac(const uint8_t* data, int32_t length, TEGMO_PCM_FRAME* frame) {
    if (!m_DecPCMBuf) return false;
    auto* input = const_cast<unsigned char*>(data);
    unsigned long remaining = static_cast<unsigned long>(length);
    size_t produced = 0;

    if (!m_hAacDecoder) {
        NeAACDecHandle handle = NeAACDecOpen();
        if (!handle) return false;
        m_hAacDecoder = handle;
        unsigned long sampleRate = 0;
        unsigned char channels = 0;
        long headerBytes = NeAACDecInit(handle, input, remaining, &sampleRate, &channels);
        if (headerBytes < 0) {
            g_DebugLog.Format("[ERROR]NeAACDecInit() false\n");
            // FAAD2 must never decode with a handle whose initialisation failed (it crashes on
            // that): the next AAC frame opens and initialises a fresh one.
            CloseAac();
            return false;
        }
        // An ADIF header is consumed by the initialisation; ADTS frames are left in place.
        if (static_cast<unsigned long>(headerBytes) >= remaining) return false;
        input += headerBytes;
        remaining -= static_cast<unsigned long>(headerBytes);
    }

    auto handle = static_cast<NeAACDecHandle>(m_hAacDecoder);
    while (remaining > 0) {
        NeAACDecFrameInfo info;
        std::memset(&info, 0, sizeof info);
        void* samples = NeAACDecDecode(handle, &info, input, remaining);
        if (info.error != 0) {
            g_DebugLog.Format("[ERROR]NeAACDecDecode() error=%d\n", info.error);
            ++m_aacErrorCount;
            if (m_aacErrorCount >= kAacErrorsBeforeClose && m_hAacDecoder) {
                g_DebugLog.Format("[WARN]NeAACDecDecode() error 5 time -> NeAACDecClose\n");
                CloseAac();
            }
            return false;
        }
        if (!samples) {
            g_DebugLog.Format("[ERROR]NeAACDecDecode() return NULL\n");
            return false;
        }
        m_aacErrorCount = 0;
        const size_t bytes = 2 * static_cast<size_t>(info.samples);
        if (produced + bytes > kPcmBufferSize) {
            g_DebugLog.Format("[ERROR]预留1024X1024的PCMBUF长度不够\n");
            return false;
        }
        std::memcpy(m_DecPCMBuf.get() + produced, samples, bytes);
        produced += bytes;
        frame->channels = info.channels;
        frame->sampleRate = static_cast<uint32_t>(info.samplerate);
        // A frame that consumed nothing (or claims more than is left) ends the input.
        if (info.bytesconsumed == 0 || info.bytesconsumed > remaining) break;
        input += info.bytesconsumed;
        remaining -= info.bytesconsumed;
    }

    if (produced == 0) return false;
    auto* pcm = static_cast<uint8_t*>(std::malloc(produced));
    if (!pcm) return false;
    std::memcpy(pcm, m_DecPCMBuf.get(), produced);
    frame->data = pcm;
    frame->dataLength = static_cast<uint32_t>(produced);
    return true;
}
