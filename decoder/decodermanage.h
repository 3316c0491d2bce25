// The decoder library's single manager: the live video and audio decoders, the default B-frame
// flag for new video decoders and the Init/Cleanup reference count. Created by the first
// TEGMO_DEC_Init, destroyed by the TEGMO_DEC_Cleanup that brings the count back to 0.
//
// Threads: the manager pointer and the count are used by Init and Cleanup only, which run on one
// thread before and after all other use; each list has its own lock (CPtrVectorTemplate).
#pragma once

#include <atomic>
#include <cstdint>

#include "decoder/audiodecoder.h"
#include "decoder/videodecoder.h"
#include "media/support/ptrvectortemplate.h"

namespace tegmo_decoder {

class CDecoderManage {
public:
    CDecoderManage() = default;
    // Destroys every audio decoder, then every video decoder.
    ~CDecoderManage();
    CDecoderManage(const CDecoderManage&) = delete;
    CDecoderManage& operator=(const CDecoderManage&) = delete;

    CPtrVectorTemplate<CVideoDecoder> m_VideoDecoders;
    std::atomic<int32_t> m_defaultDropBFrames{0};
    CPtrVectorTemplate<CAudioDecoder> m_AudioDecoders;
    uint32_t m_refCount = 0;
};

}  // namespace tegmo_decoder
