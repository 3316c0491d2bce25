// The 32 exports of TEGMO_Player: each looks up the manager and the handle, then calls one method.
// Nothing throws across this border: an exception from inside (memory exhaustion, a size no
// allocation can satisfy) becomes the export's failure value and a log line.
#include <exception>
#include <memory>

#include "media/support/debuglog.h"
#include "player/TEGMO_Player.h"
#include "player/decodermanage.h"
#include "player/yuv2rgb.h"

using tegmo_player::CDecoderManage;

namespace {

CDecoderManage* Manager() { return g_pDecoderManage.load(); }

// Runs `body` and turns an escaping exception into `failed`, logged with the export's name.
template <class Result, class Body>
Result Guarded(const char* name, Result failed, Body body) noexcept {
    try {
        return body();
    } catch (const std::exception& e) {
        g_DebugLog.Format("[ERROR]%s: %s\n", name, e.what());
    } catch (...) {
        g_DebugLog.Format("[ERROR]%s: unknown exception\n", name);
    }
    return failed;
}

// Looks the play object up and runs `call` on it: 0 for an unknown handle or before Init.
template <typename Call>
int32_t WithVideoPlay(TEGMO_PLAY_HANDLE play, Call call) {
    CDecoderManage* manager = Manager();
    if (!manager) return 0;
    std::shared_ptr<CVideoPlay> object = manager->FindVideoPlay(play);
    return object ? int32_t(call(*object)) : 0;
}

}  // namespace

extern "C" {

// ---- life cycle and version ----------------------------------------------------------------

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_Init(void) {
    return Guarded<int32_t>("TEGMO_PLAY_Init", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        if (!manager) {
            manager = new (std::nothrow) CDecoderManage();
            if (!manager) return 0;
            g_pDecoderManage = manager;
        }
        ++manager->m_refCount;
        if (manager->m_refCount > 1) {
            g_DebugLog.Format("[TIP]CDecoderManage RefCount=%d\n", int(manager->m_refCount));
        }
        return 1;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_Cleanup(void) {
    return Guarded<int32_t>("TEGMO_PLAY_Cleanup", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        if (!manager) return 0;
        if (--manager->m_refCount != 0) return 1;
        delete manager;
        g_pDecoderManage = nullptr;
        return 1;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetSDKVersion(void) { return TEGMO_PLAY_SDK_VERSION; }

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetSDKBuildVersion(void) { return 0; }

// ---- video ------------------------------------------------------------------------------------

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RigisterReleaseYUVFun(TEGMO_PLAY_ReleaseYUVFun callback,
                                                                     void* userValue) {
    CDecoderManage* manager = Manager();
    if (!manager) return 0;
    manager->SetReleaseYUV(callback, userValue);
    return 1;
}

TEGMO_PLAY_EXPORT TEGMO_PLAY_HANDLE TEGMO_API TEGMO_PLAY_CreateVideoPlay(TEGMO_PLAY_WINDOW window,
                                                                         uint32_t renderMode) {
    return Guarded<TEGMO_PLAY_HANDLE>("TEGMO_PLAY_CreateVideoPlay", 0, [&]() -> TEGMO_PLAY_HANDLE {
        CDecoderManage* manager = Manager();
        return manager ? manager->CreateVideoPlay(window, renderMode) : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_DeleteVideoPlay(TEGMO_PLAY_HANDLE play) {
    return Guarded<int32_t>("TEGMO_PLAY_DeleteVideoPlay", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        return manager ? manager->DeleteVideoPlay(play) : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoPlay(TEGMO_PLAY_HANDLE play, const TEGMO_YUV_FRAME* frame) {
    return Guarded<int32_t>("TEGMO_PLAY_VideoPlay", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return p.Push(frame); });
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoShot(const TEGMO_YUV_FRAME* frame, const char* path) {
    return Guarded<int32_t>("TEGMO_PLAY_VideoShot", 0, [&]() -> int32_t {
        if (!Manager()) return 0;
        g_DebugLog.Format("[TIP]Shot:%s\n", path ? path : "(null)");
        return WriteBmpFile(frame, path);
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoShotLast(TEGMO_PLAY_HANDLE play, const char* path) {
    return Guarded<int32_t>("TEGMO_PLAY_VideoShotLast", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return p.ShotLast(path); });
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RefreshPlay(TEGMO_PLAY_HANDLE play) {
    return Guarded<int32_t>("TEGMO_PLAY_RefreshPlay", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return p.Refresh(); });
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RigisterDrawFun(TEGMO_PLAY_HANDLE play, TEGMO_PLAY_DrawFun callback,
                                                               void* userValue) {
    return Guarded<int32_t>("TEGMO_PLAY_RigisterDrawFun", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return p.SetDrawFun(callback, userValue); });
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoCtrl(TEGMO_PLAY_HANDLE play, uint32_t command,
                                                         const TEGMO_PLAY_POINT* from, const TEGMO_PLAY_POINT* to) {
    return Guarded<int32_t>("TEGMO_PLAY_VideoCtrl", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return p.VideoCtrl(command, from, to); });
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_IsHaveVideo(TEGMO_PLAY_HANDLE play) {
    return Guarded<int32_t>("TEGMO_PLAY_IsHaveVideo", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return p.HasVideo(); });
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_SetDebugConf(TEGMO_PLAY_HANDLE play, const TEGMO_PLAY_DEBUG_CONF* conf) {
    return Guarded<int32_t>("TEGMO_PLAY_SetDebugConf", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        if (!conf || !manager) return 0;
        if (play == 0) {
            manager->SetDefaultConf(*conf);
            return 1;
        }
        std::shared_ptr<CVideoPlay> object = manager->FindVideoPlay(play);
        return object ? object->ApplyConf(*conf) : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetDebugConf(TEGMO_PLAY_HANDLE play, TEGMO_PLAY_DEBUG_CONF* conf) {
    return Guarded<int32_t>("TEGMO_PLAY_GetDebugConf", 0, [&]() -> int32_t {
        if (!conf) return 0;
        CDecoderManage* manager = Manager();
        if (!manager) return 0;
        if (play == 0) {
            *conf = manager->DefaultConf();
            return 1;
        }
        std::shared_ptr<CVideoPlay> object = manager->FindVideoPlay(play);
        return object ? object->ReadConf(conf) : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetVideoFrameCount(TEGMO_PLAY_HANDLE play) {
    return Guarded<int32_t>("TEGMO_PLAY_GetVideoFrameCount", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return int32_t(p.FrameCount()); });
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetVideoPlayCount(void) {
    return Guarded<int32_t>("TEGMO_PLAY_GetVideoPlayCount", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        return manager ? manager->VideoPlayCount() : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_ResetRefClock(TEGMO_PLAY_HANDLE play) {
    return Guarded<int32_t>("TEGMO_PLAY_ResetRefClock", 0, [&]() -> int32_t {
        return WithVideoPlay(play, [&](CVideoPlay& p) { return p.ResetRefClock(); });
    });
}

// ---- audio ------------------------------------------------------------------------------------

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RigisterReleasePCMFun(TEGMO_PLAY_ReleasePCMFun callback,
                                                                     void* userValue) {
    return Guarded<int32_t>("TEGMO_PLAY_RigisterReleasePCMFun", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        if (!manager) return 0;
        manager->SetReleasePCM(callback, userValue);
        return 1;
    });
}

TEGMO_PLAY_EXPORT TEGMO_PLAY_HANDLE TEGMO_API TEGMO_PLAY_CreateAudioPlay(void) {
    return Guarded<TEGMO_PLAY_HANDLE>("TEGMO_PLAY_CreateAudioPlay", 0, [&]() -> TEGMO_PLAY_HANDLE {
        CDecoderManage* manager = Manager();
        return manager ? manager->CreateAudioPlay() : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_AudioPlay(TEGMO_PLAY_HANDLE play, const TEGMO_PCM_FRAME* frame) {
    return Guarded<int32_t>("TEGMO_PLAY_AudioPlay", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        if (!manager) return 0;
        CAudioPlay* object = manager->FindAudioPlay(play);
        return object ? object->Play(frame) : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_SetVolume(TEGMO_PLAY_HANDLE, int32_t) { return 0; }

TEGMO_PLAY_EXPORT uint16_t TEGMO_API TEGMO_PLAY_GetVolume(TEGMO_PLAY_HANDLE) { return 0; }

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_DeleteAudioPlay(TEGMO_PLAY_HANDLE play) {
    CDecoderManage* manager = Manager();
    return manager ? manager->DeleteAudioPlay(play) : 0;
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetAudioFrameCount(TEGMO_PLAY_HANDLE play) {
    return Guarded<int32_t>("TEGMO_PLAY_GetAudioFrameCount", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        if (!manager) return 0;
        CAudioPlay* object = manager->FindAudioPlay(play);
        return object ? int32_t(object->FrameCount()) : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetAudioPlayCount(void) {
    return Guarded<int32_t>("TEGMO_PLAY_GetAudioPlayCount", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        return manager ? manager->AudioPlayCount() : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_EnumAudioDevice(TEGMO_PLAY_EnumAudioDeviceFun callback, void* context) {
    return Guarded<int32_t>("TEGMO_PLAY_EnumAudioDevice", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        return manager ? manager->Capture().EnumDevices(callback, context) : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_StartAudioCapture(const char* device, uint32_t channels,
                                                                 uint32_t sampleRate, uint32_t chunkBytes,
                                                                 TEGMO_PLAY_AudioCaptureFun callback, void* userValue) {
    return Guarded<int32_t>("TEGMO_PLAY_StartAudioCapture", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        if (!manager) return 0;
        return manager->Capture().Start(device, channels, sampleRate, chunkBytes, callback, userValue);
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_StopAudioCapture(void) {
    return Guarded<int32_t>("TEGMO_PLAY_StopAudioCapture", 0, [&]() -> int32_t {
        CDecoderManage* manager = Manager();
        return manager ? manager->Capture().Stop() : 0;
    });
}

TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_SetAudioFrameBufNum(uint32_t count) {
    return Guarded<int32_t>("TEGMO_PLAY_SetAudioFrameBufNum", 0, [&]() -> int32_t {
        if (!Manager()) return 0;
        SetAudioFrameBufNum(count);
        return 1;
    });
}

TEGMO_PLAY_EXPORT uint32_t TEGMO_API TEGMO_PLAY_GetAudioFrameBufNum(void) {
    return Guarded<uint32_t>("TEGMO_PLAY_GetAudioFrameBufNum", 0,
                             [&]() -> uint32_t { return Manager() ? GetAudioFrameBufNum() : 0; });
}

}  // extern "C"
