// The exported functions of TEGMO_Decoder: each looks its handle up in the manager's lists and hands
// the call to the decoder object. Nothing throws across this border.
#include "decoder/TEGMO_Decoder.h"

#include <atomic>
#include <new>

#include "decoder/decodermanage.h"
#include "media/support/debuglog.h"

using tegmo_decoder::CDecoderManage;

namespace {

std::atomic<CDecoderManage*> g_pDecoderManage{nullptr};

// Runs `body` and turns an escaping exception (only memory exhaustion can raise one) into `failed`.
template <class Result, class Body>
Result Guarded(Result failed, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return failed;
    }
}

CVideoDecoder* FindVideoDecoder(CDecoderManage* manage, TEGMO_DEC_HANDLE handle) {
    if (!manage || handle == 0) return nullptr;
    return manage->m_VideoDecoders.FindPtrObject(reinterpret_cast<const void*>(handle));
}

CAudioDecoder* FindAudioDecoder(CDecoderManage* manage, TEGMO_DEC_HANDLE handle) {
    if (!manage || handle == 0) return nullptr;
    return manage->m_AudioDecoders.FindPtrObject(reinterpret_cast<const void*>(handle));
}

}  // namespace

extern "C" {

int32_t TEGMO_API TEGMO_DEC_Init(void) {
    CDecoderManage* manage = g_pDecoderManage.load();
    if (!manage) {
        manage = new (std::nothrow) CDecoderManage;
        if (!manage) return 0;
        g_pDecoderManage.store(manage);
    }
    const uint32_t count = ++manage->m_refCount;
    if (count > 1) g_DebugLog.Format("[TIP]CDecoderManage RefCount=%u\n", count);
    return 1;
}

int32_t TEGMO_API TEGMO_DEC_Cleanup(void) {
    CDecoderManage* manage = g_pDecoderManage.load();
    if (!manage) return 0;
    if (manage->m_refCount > 0) --manage->m_refCount;
    if (manage->m_refCount > 0) return 1;
    g_pDecoderManage.store(nullptr);
    delete manage;
    return 1;
}

int32_t TEGMO_API TEGMO_DEC_GetSDKVersion(void) { return TEGMO_DEC_SDK_VERSION; }

int32_t TEGMO_API TEGMO_DEC_GetSDKBuildVersion(void) { return 0; }

TEGMO_DEC_HANDLE TEGMO_API TEGMO_DEC_CreateVideoDecoder(int32_t packedOutput, int32_t sequenceCheck,
                                                        int32_t singleBlock, TEGMO_DEC_VideoOutputFun outputCallback,
                                                        void* userValue) {
    CDecoderManage* manage = g_pDecoderManage.load();
    if (!manage) return 0;
    return Guarded<TEGMO_DEC_HANDLE>(0, [&]() -> TEGMO_DEC_HANDLE {
        auto* decoder = new (std::nothrow)
            CVideoDecoder(packedOutput != 0, sequenceCheck != 0, singleBlock != 0, outputCallback, userValue);
        if (!decoder) return 0;
        decoder->SetDropBFrames(manage->m_defaultDropBFrames.load());
        bool added = false;
        try {
            added = decoder->Open() && manage->m_VideoDecoders.AddPtrObject(decoder);
        } catch (...) {}
        if (!added) {
            delete decoder;
            return 0;
        }
        return reinterpret_cast<TEGMO_DEC_HANDLE>(decoder);
    });
}

int32_t TEGMO_API TEGMO_DEC_DeleteVideoDecoder(TEGMO_DEC_HANDLE handle) {
    CDecoderManage* manage = g_pDecoderManage.load();
    CVideoDecoder* decoder = FindVideoDecoder(manage, handle);
    if (!decoder) return 0;
    if (decoder->IsDecodingThread()) {
        // Deleting the decoder from inside its own output callback would free it under its thread.
        g_DebugLog.Format("[WARN][%" KAVIMO_LOG_ADDR "]DeleteVideoDecoder() from its own thread refused\n",
                          KAVIMO_LOG_ADDR_ARG(decoder));
        return 0;
    }
    return manage->m_VideoDecoders.DeletePtrObject(decoder) ? 1 : 0;
}

int32_t TEGMO_API TEGMO_DEC_ResetVideoDecoder(TEGMO_DEC_HANDLE handle) {
    CVideoDecoder* decoder = FindVideoDecoder(g_pDecoderManage.load(), handle);
    if (!decoder) return 0;
    return Guarded<int32_t>(0, [&] { return decoder->Open() ? 1 : 0; });
}

int32_t TEGMO_API TEGMO_DEC_VideoDecode(TEGMO_DEC_HANDLE handle, const StreamFrameInfo* info, const uint8_t* data,
                                        int32_t length, TEGMO_YUV_FRAME* frame) {
    if (!frame) return 0;
    CVideoDecoder* decoder = FindVideoDecoder(g_pDecoderManage.load(), handle);
    if (!decoder) return 0;
    return Guarded<int32_t>(0, [&] { return decoder->Decode(info, data, length, frame); });
}

int32_t TEGMO_API TEGMO_DEC_VideoDecodeAsyn(TEGMO_DEC_HANDLE handle, const StreamFrameInfo* info, const uint8_t* data,
                                            int32_t length) {
    CVideoDecoder* decoder = FindVideoDecoder(g_pDecoderManage.load(), handle);
    if (!decoder) return 0;
    return Guarded<int32_t>(0, [&] { return decoder->DecodeAsync(info, data, length); });
}

int32_t TEGMO_API TEGMO_DEC_ReleaseYUVFrame(TEGMO_YUV_FRAME* frame) {
    // Needs no manager: a picture handed out stays releasable after the final cleanup, so that it is
    // never leaked.
    if (!frame) return 0;
    CVideoDecoder::ReleaseFrame(frame);
    return 1;
}

int32_t TEGMO_API TEGMO_DEC_ThrowBFrame(TEGMO_DEC_HANDLE handle, int32_t flag) {
    CDecoderManage* manage = g_pDecoderManage.load();
    if (!manage) return 0;
    if (handle == 0) {
        manage->m_defaultDropBFrames.store(flag);
        manage->m_VideoDecoders.ForEachObject([flag](CVideoDecoder& decoder) { decoder.SetDropBFrames(flag); });
        return 1;
    }
    CVideoDecoder* decoder = FindVideoDecoder(manage, handle);
    if (!decoder) return 0;
    decoder->SetDropBFrames(flag);
    return 1;
}

int32_t TEGMO_API TEGMO_DEC_GetVideoDecoderCount(void) {
    CDecoderManage* manage = g_pDecoderManage.load();
    return manage ? manage->m_VideoDecoders.GetCount() : 0;
}

TEGMO_DEC_HANDLE TEGMO_API TEGMO_DEC_CreateAudioDecoder(int32_t) {
    CDecoderManage* manage = g_pDecoderManage.load();
    if (!manage) return 0;
    return Guarded<TEGMO_DEC_HANDLE>(0, [&]() -> TEGMO_DEC_HANDLE {
        auto* decoder = new (std::nothrow) CAudioDecoder;
        if (!decoder) return 0;
        bool added = false;
        try {
            added = manage->m_AudioDecoders.AddPtrObject(decoder);
        } catch (...) {}
        if (!added) {
            delete decoder;
            return 0;
        }
        return reinterpret_cast<TEGMO_DEC_HANDLE>(decoder);
    });
}

int32_t TEGMO_API TEGMO_DEC_DeleteAudioDecoder(TEGMO_DEC_HANDLE handle) {
    CDecoderManage* manage = g_pDecoderManage.load();
    if (!manage || handle == 0) return 0;
    return manage->m_AudioDecoders.DeletePtrObject(reinterpret_cast<const void*>(handle)) ? 1 : 0;
}

int32_t TEGMO_API TEGMO_DEC_ResetAudioDecoder(TEGMO_DEC_HANDLE handle) {
    CAudioDecoder* decoder = FindAudioDecoder(g_pDecoderManage.load(), handle);
    if (!decoder) return 0;
    decoder->Reset();
    return 1;
}

int32_t TEGMO_API TEGMO_DEC_AudioDecode(TEGMO_DEC_HANDLE handle, const TEGMO_AUDIO_FRAME_INFO* info,
                                        const uint8_t* data, int32_t length, TEGMO_PCM_FRAME* frame) {
    if (!frame) return 0;
    CAudioDecoder* decoder = FindAudioDecoder(g_pDecoderManage.load(), handle);
    if (!decoder) return 0;
    return Guarded<int32_t>(0, [&] { return decoder->Decode(info, data, length, frame); });
}

int32_t TEGMO_API TEGMO_DEC_ReleasePCMFrame(TEGMO_PCM_FRAME* frame) {
    if (!frame) return 0;
    CAudioDecoder::ReleaseFrame(frame);
    return 1;
}

int32_t TEGMO_API TEGMO_DEC_GetAudioDecoderCount(void) {
    CDecoderManage* manage = g_pDecoderManage.load();
    return manage ? manage->m_AudioDecoders.GetCount() : 0;
}

}  // extern "C"
