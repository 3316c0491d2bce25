// One audio decoder behind a TEGMO_DEC handle: G.711 A-law and µ-law expansion, 16-bit PCM copy and
// AAC through FAAD2. The decoder keeps a 122880-byte work buffer for AAC output and opens its FAAD2
// handle on the first AAC frame; after six consecutive AAC errors, and at once when the handle cannot
// be initialised from the frame, it closes the handle, so that the next AAC frame starts a fresh one.
//
// Threads: no lock inside; one audio decoder is used from one thread at a time.
#pragma once

#include <cstdint>
#include <memory>

#include "decoder/TEGMO_Decoder.h"

class CAudioDecoder {
public:
    static constexpr size_t kPcmBufferSize = 0x1E000;  // 122880 bytes of AAC output per call at most
    static constexpr int kAacErrorsBeforeClose = 6;

    CAudioDecoder();
    virtual ~CAudioDecoder();
    CAudioDecoder(const CAudioDecoder&) = delete;
    CAudioDecoder& operator=(const CAudioDecoder&) = delete;

    // TEGMO_DEC_AudioDecode: 1 when *frame received samples.
    int32_t Decode(const TEGMO_AUDIO_FRAME_INFO* info, const uint8_t* data, int32_t length, TEGMO_PCM_FRAME* frame);
    // TEGMO_DEC_ResetAudioDecoder: closes the FAAD2 handle; the error count stays.
    void Reset();
    // TEGMO_DEC_ReleasePCMFrame: frees the samples, zeroes the record.
    static void ReleaseFrame(TEGMO_PCM_FRAME* frame);

    bool HasAacDecoder() const { return m_hAacDecoder != nullptr; }
    int32_t GetAacErrorCount() const { return m_aacErrorCount; }

private:
    bool DecodeG711(const TEGMO_AUDIO_FRAME_INFO& info, const uint8_t* data, int32_t length, TEGMO_PCM_FRAME* frame);
    bool DecodeAac(const uint8_t* data, int32_t length, TEGMO_PCM_FRAME* frame);
    void CloseAac();

    void* m_hAacDecoder = nullptr;  // NeAACDecHandle
    int32_t m_aacErrorCount = 0;
    std::unique_ptr<uint8_t[]> m_DecPCMBuf;
};
