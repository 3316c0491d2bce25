/* TEGMO_Player: queues decoded YUV pictures per window, paces them by their timestamps on a display
 * thread, draws them into the caller's window, keeps playback statistics, writes snapshots as BMP
 * files, and plays and captures PCM audio. Plain C interface of 32 functions.
 *
 * Results: 32-bit integers, 1 for success and 0 for failure, or a handle or a count. Every function
 * except the two version functions returns 0 until TEGMO_PLAY_Init has succeeded and after the final
 * TEGMO_PLAY_Cleanup. A handle is the address of a player object, pointer-sized; every call looks it
 * up among the live objects first, so a stale or made-up handle gives 0 and is never dereferenced.
 *
 * Windows: a window handle is a native X11 window id. A Qt application binds a native widget:
 *     widget->setAttribute(Qt::WA_NativeWindow);
 *     widget->setAttribute(Qt::WA_PaintOnScreen);
 *     widget->setAttribute(Qt::WA_NoSystemBackground);
 *     TEGMO_PLAY_HANDLE play = TEGMO_PLAY_CreateVideoPlay((TEGMO_PLAY_WINDOW)widget->winId(), 0);
 * once the widget is shown (exposed), does not paint the widget itself while the play object exists,
 * and calls TEGMO_PLAY_DeleteVideoPlay before the widget's native window is destroyed. The player
 * follows the window's size by itself.
 *
 * Threads: TEGMO_PLAY_Init and TEGMO_PLAY_Cleanup are called from one thread, before and after all
 * other use. The other functions may be called from any thread, but a handle must not be deleted
 * while another thread is inside a call on it. Each video play object has a display thread of its
 * own, which owns every SDL object of that play object; the release and draw callbacks run on it.
 *
 * Memory: TEGMO_PLAY_VideoPlay takes a copy of the record; from then on its planes belong to the
 * player until it hands the copy to the release callback (also an all-zero record, and possibly a
 * record it already handed over after the callback zeroed it; both must be harmless). The same holds
 * for TEGMO_PLAY_AudioPlay and the release-PCM callback. */
#ifndef TEGMO_PLAYER_H
#define TEGMO_PLAYER_H

#include <stddef.h>
#include <stdint.h>

/* TEGMO_YUV_FRAME, TEGMO_PCM_FRAME and TEGMO_API come from the decoder library's header. */
#include "decoder/TEGMO_Decoder.h"

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#if defined(TEGMO_PLAYER_BUILD)
#define TEGMO_PLAY_EXPORT __declspec(dllexport)
#else
#define TEGMO_PLAY_EXPORT __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define TEGMO_PLAY_EXPORT __attribute__((visibility("default")))
#else
#define TEGMO_PLAY_EXPORT
#endif

/* Handle of a video or audio play object (the object's address). 0 is never a valid handle; in
 * TEGMO_PLAY_SetDebugConf and TEGMO_PLAY_GetDebugConf it addresses the library-wide defaults. */
typedef uintptr_t TEGMO_PLAY_HANDLE;

/* A native window: the X11 window id of the window the video is drawn into. */
typedef uintptr_t TEGMO_PLAY_WINDOW;

/* Version reported by TEGMO_PLAY_GetSDKVersion. */
#define TEGMO_PLAY_SDK_VERSION 0x00010000

/* Render modes of TEGMO_PLAY_CreateVideoPlay (only the low byte of the argument counts). */
#define TEGMO_PLAY_RENDER_DDRAW 0 /* surface layer with zoom, pan, letterbox bands, draw callback */
#define TEGMO_PLAY_RENDER_SDL 1   /* SDL renderer; needs single-block YV12 records */
/* Any other mode: frames are paced and released without being drawn. */

/* Commands of TEGMO_PLAY_VideoCtrl. */
#define TEGMO_PLAY_CTRL_ZOOM_IN 0
#define TEGMO_PLAY_CTRL_ZOOM_OUT 1
#define TEGMO_PLAY_CTRL_RESET 2
#define TEGMO_PLAY_CTRL_PAN 3

/* A point in window pixels, as TEGMO_PLAY_VideoCtrl takes it. */
typedef struct TEGMO_PLAY_POINT {
    int32_t x;
    int32_t y;
} TEGMO_PLAY_POINT;

/* The display configuration record (28 bytes, little-endian, copied whole). Defaults in brackets. */
#pragma pack(push, 1)
typedef struct TEGMO_PLAY_DEBUG_CONF {
    uint32_t ptsPacing;      /*  0: non-zero paces frames by their pts [1] */
    uint32_t display;        /*  4: non-zero renders frames, zero consumes them undrawn [1] */
    uint32_t statOverlay;    /*  8: non-zero draws the statistics text over the video [0] */
    uint32_t textColor;      /* 12: overlay text colour 0x00BBGGRR [0x00FFFFFF] */
    float zoomStep;          /* 16: zoom step, fraction of half the window width [0.1] */
    uint8_t keepAspect;      /* 20: non-zero letterboxes the video inside the window [1] */
    uint8_t reserved21[3];   /* 21: travels with the record, not interpreted */
    uint32_t queueThreshold; /* 24: queued frames the pacing keeps as latency [0] */
} TEGMO_PLAY_DEBUG_CONF;
#pragma pack(pop)

/* Release of a video frame: called with the player's copy of a record that it no longer needs; the
 * callback frees the planes (TEGMO_DEC_ReleaseYUVFrame, which also zeroes the record). Runs on the
 * display thread, and on the thread that deletes the play object. */
typedef void(TEGMO_API* TEGMO_PLAY_ReleaseYUVFun)(TEGMO_YUV_FRAME* frame, void* userValue);

/* Release of a PCM frame, as above for audio (TEGMO_DEC_ReleasePCMFrame). Runs on the audio thread
 * and on the calling threads of TEGMO_PLAY_AudioPlay and TEGMO_PLAY_DeleteAudioPlay. */
typedef void(TEGMO_API* TEGMO_PLAY_ReleasePCMFun)(TEGMO_PCM_FRAME* frame, void* userValue);

/* Draw callback of a render mode 0 play object: called on the display thread after the video is
 * drawn and before it is shown, with the window, the back-end's SDL_Renderer* as the drawing
 * context, and the user value. */
typedef void(TEGMO_API* TEGMO_PLAY_DrawFun)(TEGMO_PLAY_WINDOW window, void* drawContext, void* userValue);

/* One capture device for TEGMO_PLAY_EnumAudioDevice: device is the name to pass to
 * TEGMO_PLAY_StartAudioCapture (null for the default device), description a text to show, module
 * empty. Return non-zero to go on, zero to stop. */
typedef int32_t(TEGMO_API* TEGMO_PLAY_EnumAudioDeviceFun)(const char* device, const char* description,
                                                          const char* module, void* context);

/* A captured chunk: data and its length in bytes; runs on the capture thread. */
typedef void(TEGMO_API* TEGMO_PLAY_AudioCaptureFun)(const uint8_t* data, uint32_t length, void* userValue);

/* ---- life cycle and version --------------------------------------------------------------- */

/* Creates the library's manager on the first call and counts every call; 1, or 0 when the manager
 * cannot be created. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_Init(void);

/* Undoes one TEGMO_PLAY_Init; the call that brings the count to 0 stops audio capture and destroys
 * every audio and video play object and the manager. 1, or 0 when there is no manager. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_Cleanup(void);

/* 0x00010000; works without TEGMO_PLAY_Init. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetSDKVersion(void);

/* 0; works without TEGMO_PLAY_Init. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetSDKBuildVersion(void);

/* ---- video ---------------------------------------------------------------------------------- */

/* Stores the release callback for video play objects created from now on; 1. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RigisterReleaseYUVFun(TEGMO_PLAY_ReleaseYUVFun callback,
                                                                     void* userValue);

/* The play object bound to the window, created (with its display thread running) when the window has
 * none yet; an existing object is returned whatever mode is asked. 0 when the window cannot be drawn
 * into with the mode (not a window, no X server, no renderer). */
TEGMO_PLAY_EXPORT TEGMO_PLAY_HANDLE TEGMO_API TEGMO_PLAY_CreateVideoPlay(TEGMO_PLAY_WINDOW window, uint32_t renderMode);

/* Stops the display thread (waiting at most 3 s), releases every frame the object holds and destroys
 * it; 1, or 0 for an unknown handle. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_DeleteVideoPlay(TEGMO_PLAY_HANDLE play);

/* Queues a copy of the record for display; 1 when queued (the planes now belong to the player), 0
 * when refused (unknown handle, null record, display thread stopped, 1024 frames queued); a refused
 * record stays the caller's. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoPlay(TEGMO_PLAY_HANDLE play, const TEGMO_YUV_FRAME* frame);

/* Writes the picture as a 24-bit BMP file; 1, or 0 when the record or path is unusable, the width
 * or height is not a multiple of 16, or the file cannot be created. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoShot(const TEGMO_YUV_FRAME* frame, const char* path);

/* Writes the frame the object displayed last as a BMP file; 0 when there is none (also when no
 * release callback was registered before the object was created). */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoShotLast(TEGMO_PLAY_HANDLE play, const char* path);

/* Draws the frame the object displayed last again (on its display thread; the caller waits); 1, or
 * 0 when there is none or display is switched off. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RefreshPlay(TEGMO_PLAY_HANDLE play);

/* Stores the draw callback of the object (render mode 0); 1/0. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RigisterDrawFun(TEGMO_PLAY_HANDLE play, TEGMO_PLAY_DrawFun callback,
                                                               void* userValue);

/* Zoom and pan of a render mode 0 picture: TEGMO_PLAY_CTRL_ZOOM_IN, _ZOOM_OUT, _RESET (points
 * unused), _PAN from the first point to the second. 1, or 0 for other commands, a pan without zoom
 * or between equal points. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_VideoCtrl(TEGMO_PLAY_HANDLE play, uint32_t command,
                                                         const TEGMO_PLAY_POINT* from, const TEGMO_PLAY_POINT* to);

/* 1 when the object drew a frame within the last 2000 ms (or was created within them), else 0. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_IsHaveVideo(TEGMO_PLAY_HANDLE play);

/* Handle 0: sets the defaults and applies them to every existing object; otherwise applies the
 * record to that object. 1, or 0 for a null record or an unknown handle. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_SetDebugConf(TEGMO_PLAY_HANDLE play, const TEGMO_PLAY_DEBUG_CONF* conf);

/* Handle 0: copies the defaults out; otherwise that object's record. 1, or 0 for a null record (also
 * before TEGMO_PLAY_Init) or an unknown handle. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetDebugConf(TEGMO_PLAY_HANDLE play, TEGMO_PLAY_DEBUG_CONF* conf);

/* Frames waiting in the object's queue; 0 for an unknown handle. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetVideoFrameCount(TEGMO_PLAY_HANDLE play);

/* Number of live video play objects. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetVideoPlayCount(void);

/* Makes the display thread re-anchor its clock on the next frame; 1/0. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_ResetRefClock(TEGMO_PLAY_HANDLE play);

/* ---- audio ---------------------------------------------------------------------------------- */

/* Stores the release callback for audio play objects created from now on; 1. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_RigisterReleasePCMFun(TEGMO_PLAY_ReleasePCMFun callback,
                                                                     void* userValue);

/* Creates an audio play object; its handle, or 0. */
TEGMO_PLAY_EXPORT TEGMO_PLAY_HANDLE TEGMO_API TEGMO_PLAY_CreateAudioPlay(void);

/* Queues a copy of the record (16-bit PCM) for playback, opening or rebuilding the output for its
 * format; playback starts once TEGMO_PLAY_GetAudioFrameBufNum() frames are queued. 1 when queued, 0
 * when refused (the record stays the caller's). */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_AudioPlay(TEGMO_PLAY_HANDLE play, const TEGMO_PCM_FRAME* frame);

/* Volume control is not supported: both return 0. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_SetVolume(TEGMO_PLAY_HANDLE play, int32_t volume);
TEGMO_PLAY_EXPORT uint16_t TEGMO_API TEGMO_PLAY_GetVolume(TEGMO_PLAY_HANDLE play);

/* Stops the output, releases every queued frame and destroys the object; 1/0. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_DeleteAudioPlay(TEGMO_PLAY_HANDLE play);

/* Frames waiting in the object's queue; 0 for an unknown handle. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetAudioFrameCount(TEGMO_PLAY_HANDLE play);

/* Number of live audio play objects. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_GetAudioPlayCount(void);

/* Calls the callback for the default capture device (device null) and then for every capture device
 * the system reports; 1, or 0 when the audio system cannot be used. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_EnumAudioDevice(TEGMO_PLAY_EnumAudioDeviceFun callback, void* context);

/* Starts capturing 16-bit PCM from the device (a name from the enumeration, null for the default)
 * and hands it to the callback in chunks of chunkBytes (low 16 bits) on the capture thread; 1/0.
 * A running capture is ended when a second start fails. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_StartAudioCapture(const char* device, uint32_t channels,
                                                                 uint32_t sampleRate, uint32_t chunkBytes,
                                                                 TEGMO_PLAY_AudioCaptureFun callback, void* userValue);

/* Stops the capture (waiting at most 3 s for its thread); 1, also when nothing was running. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_StopAudioCapture(void);

/* Number of frames an audio play object queues before it starts playing (library-wide, 2 at
 * first); set returns 1. */
TEGMO_PLAY_EXPORT int32_t TEGMO_API TEGMO_PLAY_SetAudioFrameBufNum(uint32_t count);
TEGMO_PLAY_EXPORT uint32_t TEGMO_API TEGMO_PLAY_GetAudioFrameBufNum(void);

#ifdef __cplusplus
} /* extern "C" */
#endif

#ifdef __cplusplus
static_assert(sizeof(TEGMO_PLAY_DEBUG_CONF) == 28, "TEGMO_PLAY_DEBUG_CONF is 28 bytes");
static_assert(offsetof(TEGMO_PLAY_DEBUG_CONF, display) == 4, "display at 4");
static_assert(offsetof(TEGMO_PLAY_DEBUG_CONF, statOverlay) == 8, "overlay at 8");
static_assert(offsetof(TEGMO_PLAY_DEBUG_CONF, textColor) == 12, "colour at 12");
static_assert(offsetof(TEGMO_PLAY_DEBUG_CONF, zoomStep) == 16, "zoom step at 16");
static_assert(offsetof(TEGMO_PLAY_DEBUG_CONF, keepAspect) == 20, "keep aspect at 20");
static_assert(offsetof(TEGMO_PLAY_DEBUG_CONF, queueThreshold) == 24, "queue threshold at 24");
static_assert(sizeof(float) == 4, "zoom step is a 32-bit IEEE float");
#else
_Static_assert(sizeof(TEGMO_PLAY_DEBUG_CONF) == 28, "TEGMO_PLAY_DEBUG_CONF is 28 bytes");
_Static_assert(offsetof(TEGMO_PLAY_DEBUG_CONF, queueThreshold) == 24, "queue threshold at 24");
#endif

#endif /* TEGMO_PLAYER_H */
