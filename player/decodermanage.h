// The player library's manager: the lists of live video and audio play objects behind the handles,
// the callbacks and defaults that new objects take over, and the audio capture part. One per
// process, created by the first TEGMO_PLAY_Init and destroyed by the last TEGMO_PLAY_Cleanup.
//
// Threads: the manager pointer and the reference count are changed only by Init and Cleanup, which
// the application calls from one thread before and after all other use. The lists have their own
// locks; the callbacks and defaults are guarded by m_lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "media/support/ptrvectortemplate.h"
#include "player/TEGMO_Player.h"
#include "player/audioplay.h"
#include "player/soundcardrecord.h"
#include "player/videoplay.h"

// The list entry of one video play object; its address is the object's handle. Destroying the entry
// destroys the play object (see CVideoPlay::Shutdown).
class VideoPlayEntry {
public:
    explicit VideoPlayEntry(std::shared_ptr<CVideoPlay> play) : m_play(std::move(play)) {}
    ~VideoPlayEntry() { m_play->Shutdown(); }
    VideoPlayEntry(const VideoPlayEntry&) = delete;
    VideoPlayEntry& operator=(const VideoPlayEntry&) = delete;

    const std::shared_ptr<CVideoPlay>& Play() const { return m_play; }

private:
    std::shared_ptr<CVideoPlay> m_play;
};

namespace tegmo_player {

class CDecoderManage {
public:
    // Starts SDL's video subsystem (its result is ignored: without a display only render modes
    // other than 0 and 1 work).
    CDecoderManage();
    // Stops the capture, destroys every audio and then every video play object, frees the snapshot
    // tables and shuts SDL down.
    ~CDecoderManage();
    CDecoderManage(const CDecoderManage&) = delete;
    CDecoderManage& operator=(const CDecoderManage&) = delete;

    // Video.
    void SetReleaseYUV(TEGMO_PLAY_ReleaseYUVFun callback, void* user);
    TEGMO_PLAY_HANDLE CreateVideoPlay(TEGMO_PLAY_WINDOW window, uint32_t renderMode);
    int32_t DeleteVideoPlay(TEGMO_PLAY_HANDLE handle);
    // The play object of a handle, or null; never dereferences an unknown handle.
    std::shared_ptr<CVideoPlay> FindVideoPlay(TEGMO_PLAY_HANDLE handle) const;
    int32_t VideoPlayCount() const { return m_videoPlays.GetCount(); }
    void SetDefaultConf(const TEGMO_PLAY_DEBUG_CONF& conf);
    TEGMO_PLAY_DEBUG_CONF DefaultConf() const;

    // Audio.
    void SetReleasePCM(TEGMO_PLAY_ReleasePCMFun callback, void* user);
    TEGMO_PLAY_HANDLE CreateAudioPlay();
    int32_t DeleteAudioPlay(TEGMO_PLAY_HANDLE handle);
    CAudioPlay* FindAudioPlay(TEGMO_PLAY_HANDLE handle) const;
    int32_t AudioPlayCount() const { return m_audioPlays.GetCount(); }
    CAudioCapture& Capture() { return m_capture; }

    uint32_t m_refCount = 0;

private:
    CPtrVectorTemplate<VideoPlayEntry> m_videoPlays;
    CPtrVectorTemplate<CAudioPlay> m_audioPlays;
    CAudioCapture m_capture;

    mutable std::mutex m_lock;  // guards the fields below
    TEGMO_PLAY_ReleaseYUVFun m_releaseYUV = nullptr;
    void* m_releaseYUVUser = nullptr;
    TEGMO_PLAY_ReleasePCMFun m_releasePCM = nullptr;
    void* m_releasePCMUser = nullptr;
    TEGMO_PLAY_DEBUG_CONF m_defaultConf;

    std::mutex m_createLock;  // one creation at a time, so that a window never gets two objects
};

}  // namespace tegmo_player

// The library's manager, or null before TEGMO_PLAY_Init and after the final TEGMO_PLAY_Cleanup.
extern std::atomic<tegmo_player::CDecoderManage*> g_pDecoderManage;
