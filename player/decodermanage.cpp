#include "player/decodermanage.h"

#include <SDL.h>

#include "media/support/debuglog.h"
#include "player/sdlvideo.h"
#include "player/yuv2rgb.h"

using tegmo_player::CDecoderManage;

std::atomic<CDecoderManage*> g_pDecoderManage{nullptr};

CDecoderManage::CDecoderManage() : m_defaultConf(DefaultDebugConf()) {
    // Without an X server only play objects without a back-end work; the back-ends try again.
    StartSdlVideo();
}

CDecoderManage::~CDecoderManage() {
    m_capture.Stop();
    m_audioPlays.DeleteAll();
    m_videoPlays.DeleteAll();
    FreeYUV2RGB();
    // A display thread that did not stop in time may still hold SDL objects: SDL stays up for it.
    if (LiveDisplayThreads() > 0) {
        g_DebugLog.Format("[WARN]CDecoderManage: %d display thread(s) still running, SDL left running\n",
                          LiveDisplayThreads());
        return;
    }
    std::lock_guard<std::mutex> guard(SdlGlobalLock());
    SDL_Quit();
}

void CDecoderManage::SetReleaseYUV(TEGMO_PLAY_ReleaseYUVFun callback, void* user) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_releaseYUV = callback;
    m_releaseYUVUser = user;
}

TEGMO_PLAY_HANDLE CDecoderManage::CreateVideoPlay(TEGMO_PLAY_WINDOW window, uint32_t renderMode) {
    std::lock_guard<std::mutex> createGuard(m_createLock);
    VideoPlayEntry* existing = m_videoPlays.FindPtrObjectIf(
        [window](const VideoPlayEntry& entry) { return entry.Play()->Window() == window; });
    if (existing) {
        g_DebugLog.Format("[TIP]已存在句柄\n");
        return reinterpret_cast<TEGMO_PLAY_HANDLE>(existing);
    }

    CVideoPlay::Settings settings;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        settings.conf = m_defaultConf;
        settings.release = m_releaseYUV;
        settings.releaseUser = m_releaseYUVUser;
    }
    std::shared_ptr<CVideoPlay> play = CVideoPlay::Create(window, renderMode, settings);
    if (!play) return 0;
    VideoPlayEntry* entry = new VideoPlayEntry(std::move(play));
    m_videoPlays.AddPtrObject(entry);
    return reinterpret_cast<TEGMO_PLAY_HANDLE>(entry);
}

int32_t CDecoderManage::DeleteVideoPlay(TEGMO_PLAY_HANDLE handle) {
    return m_videoPlays.DeletePtrObject(reinterpret_cast<const void*>(handle)) ? 1 : 0;
}

std::shared_ptr<CVideoPlay> CDecoderManage::FindVideoPlay(TEGMO_PLAY_HANDLE handle) const {
    if (handle == 0) return nullptr;
    VideoPlayEntry* entry = m_videoPlays.FindPtrObject(reinterpret_cast<const void*>(handle));
    return entry ? entry->Play() : nullptr;
}

void CDecoderManage::SetDefaultConf(const TEGMO_PLAY_DEBUG_CONF& conf) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_defaultConf = conf;
    }
    m_videoPlays.ForEachObject([&conf](VideoPlayEntry& entry) { entry.Play()->ApplyConf(conf); });
}

TEGMO_PLAY_DEBUG_CONF CDecoderManage::DefaultConf() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_defaultConf;
}

void CDecoderManage::SetReleasePCM(TEGMO_PLAY_ReleasePCMFun callback, void* user) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_releasePCM = callback;
    m_releasePCMUser = user;
}

TEGMO_PLAY_HANDLE CDecoderManage::CreateAudioPlay() {
    TEGMO_PLAY_ReleasePCMFun release;
    void* user;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        release = m_releasePCM;
        user = m_releasePCMUser;
    }
    CAudioPlay* play = new CAudioPlay(release, user);
    m_audioPlays.AddPtrObject(play);
    return reinterpret_cast<TEGMO_PLAY_HANDLE>(play);
}

int32_t CDecoderManage::DeleteAudioPlay(TEGMO_PLAY_HANDLE handle) {
    return m_audioPlays.DeletePtrObject(reinterpret_cast<const void*>(handle)) ? 1 : 0;
}

CAudioPlay* CDecoderManage::FindAudioPlay(TEGMO_PLAY_HANDLE handle) const {
    if (handle == 0) return nullptr;
    return m_audioPlays.FindPtrObject(reinterpret_cast<const void*>(handle));
}
