/* TEGMO_Decoder: decodes H.264 video frames into planar YUV pictures and AAC or G.711 audio frames
 * into PCM. Plain C interface of 18 functions.
 *
 * Results: 32-bit integers, 1 for success and 0 for failure, or a handle or a count. Every function
 * except the two version functions returns 0 until TEGMO_DEC_Init has succeeded and after the final
 * TEGMO_DEC_Cleanup. A handle is the address of a decoder object, pointer-sized; every call looks it
 * up among the live decoders first, so a stale or made-up handle gives 0 and is never dereferenced.
 *
 * Threads: TEGMO_DEC_Init and TEGMO_DEC_Cleanup are called from one thread, before and after all
 * other use. One decoder is used from one thread at a time, and is not deleted while another thread
 * is inside a call on it. The release functions touch only the record they are given and may be
 * called from any thread.
 *
 * Memory: the planes of a TEGMO_YUV_FRAME and the samples of a TEGMO_PCM_FRAME are allocated by
 * this library and belong to whoever holds the record until it is passed to TEGMO_DEC_ReleaseYUVFrame
 * or TEGMO_DEC_ReleasePCMFrame, which free them and zero the record. They stay valid after their
 * decoder was deleted. */
#ifndef TEGMO_DECODER_H
#define TEGMO_DECODER_H

#include <stddef.h>
#include <stdint.h>

#include "stream/streamframeinfo.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Calling convention of every export and callback: __stdcall on 32-bit Windows, the platform's
 * default elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define TEGMO_API __stdcall
#else
#define TEGMO_API
#endif

/* Visibility of the exports: the library is built with hidden visibility, and only the functions
 * declared here are exported. */
#if defined(_WIN32)
#if defined(TEGMO_DECODER_BUILD)
#define TEGMO_DEC_EXPORT __declspec(dllexport)
#else
#define TEGMO_DEC_EXPORT __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define TEGMO_DEC_EXPORT __attribute__((visibility("default")))
#else
#define TEGMO_DEC_EXPORT
#endif

#if defined(_MSC_VER)
#define TEGMO_ALIGN8_BEGIN __declspec(align(8))
#define TEGMO_ALIGN8_END
#else
#define TEGMO_ALIGN8_BEGIN
#define TEGMO_ALIGN8_END __attribute__((aligned(8)))
#endif

/* Handle of a video or audio decoder (the object's address). 0 is never a valid handle. */
typedef uintptr_t TEGMO_DEC_HANDLE;

/* Version reported by TEGMO_DEC_GetSDKVersion. */
#define TEGMO_DEC_SDK_VERSION 0x00010000

/* Frame kinds of StreamFrameInfo.frameKind. */
#define TEGMO_FRAME_I 0
#define TEGMO_FRAME_P 1
#define TEGMO_FRAME_B 2

/* ---------------------------------------------------------------------------------------------
 * TEGMO_YUV_FRAME: one decoded picture, planar 4:2:0, copied by value by its users.
 *
 * 32-bit layout (64 bytes):           64-bit layout (80 bytes, 8-byte aligned):
 *   0 width        4 height             0 width        4 height
 *   8 strideY     12 strideU            8 strideY     12 strideU
 *  16 strideV     20 format            16 strideV     20 format
 *  24 sizeChanged                      24 sizeChanged 28 padding28 (keeps the pointers aligned)
 *  28 planeY      32 planeV            32 planeY      40 planeV
 *  36 planeU                           48 planeU
 *  40 pts                              56 pts
 *  48 sequence                         64 sequence
 *  49 failCount (unaligned)            65 failCount (unaligned)
 *  53 singleBlock                      69 singleBlock
 *  54..63 reserved                     70..79 reserved
 *
 * Plane layout: with packed output the strides are width, width/2, width/2 and the rows follow each
 * other without gaps; otherwise the codec's own strides are kept. In a single block (singleBlock 1)
 * the planes follow each other in the order Y, V, U (YV12) in one allocation starting at planeY;
 * otherwise each plane is an allocation of its own. planeV holds Cr, planeU holds Cb.
 * Chroma planes have (height + 1) / 2 rows of (width + 1) / 2 samples (for even sizes: height/2 rows
 * of width/2). A 640 x 480 packed single-block picture is one 460800-byte block with planeV at
 * planeY + 307200 and planeU at planeY + 384000.
 * ------------------------------------------------------------------------------------------- */
#pragma pack(push, 1)
typedef TEGMO_ALIGN8_BEGIN struct TEGMO_YUV_FRAME {
    int32_t width;        /* picture width in pixels */
    int32_t height;       /* picture height in pixels */
    int32_t strideY;      /* bytes per row of planeY */
    int32_t strideU;      /* bytes per row of planeU */
    int32_t strideV;      /* bytes per row of planeV (always equal to strideU) */
    uint32_t format;      /* always 0: planar 4:2:0 */
    uint32_t sizeChanged; /* 1 when the size differs from this decoder's previous picture (and for the
                             first picture after the codec was opened), else 0 */
#if UINTPTR_MAX > 0xFFFFFFFFu
    uint32_t padding28; /* 64-bit only; not written */
#endif
    uint8_t* planeY;      /* luma, height rows */
    uint8_t* planeV;      /* Cr */
    uint8_t* planeU;      /* Cb */
    uint64_t pts;         /* timestamp of the input frame this picture was decoded from (0 if none) */
    uint8_t sequence;     /* sequence number of the frame submitted in the call that handed the
                             picture out */
    int32_t failCount;    /* the decoder's count of failed decodes since its first good picture;
                             unaligned: read it by value, never through a pointer or reference */
    uint8_t singleBlock;  /* 1 when all three planes lie in one allocation starting at planeY */
    uint8_t reserved[10]; /* not written by the decoder */
} TEGMO_ALIGN8_END TEGMO_YUV_FRAME;
#pragma pack(pop)

/* ---------------------------------------------------------------------------------------------
 * TEGMO_PCM_FRAME: one decoded piece of audio, 16-bit samples unless an 8-bit G.711 output was asked.
 *
 * 32-bit layout (40 bytes):           64-bit layout (48 bytes):
 *   0 channels      4 sampleRate        0 channels      4 sampleRate
 *   8 dataLength   12 data              8 dataLength   12 padding12
 *  16 timestamp                        16 data
 *  24 tag                              24 timestamp
 *  25..39 reserved                     32 tag
 *                                      33..47 reserved
 * ------------------------------------------------------------------------------------------- */
typedef struct TEGMO_PCM_FRAME {
    uint32_t channels;   /* channel count */
    uint32_t sampleRate; /* samples per second */
    uint32_t dataLength; /* bytes of sample data */
#if UINTPTR_MAX > 0xFFFFFFFFu
    uint32_t padding12; /* 64-bit only; not written */
#endif
    uint8_t* data;        /* sample data, interleaved */
    uint64_t timestamp;   /* from the audio frame description */
    uint8_t tag;          /* byte 24 of the audio frame description, carried unchanged */
    uint8_t reserved[15]; /* not written */
} TEGMO_PCM_FRAME;

/* Encodings of TEGMO_AUDIO_FRAME_INFO.encoding. */
#define TEGMO_AUDIO_G711_ALAW 0
#define TEGMO_AUDIO_G711_ULAW 1
#define TEGMO_AUDIO_PCM 2
#define TEGMO_AUDIO_AAC 6

/* The description of one audio frame (32 bytes, little-endian); only the named fields are read. */
#pragma pack(push, 1)
typedef struct TEGMO_AUDIO_FRAME_INFO {
    uint8_t reserved0;
    uint8_t encoding; /* TEGMO_AUDIO_*; any other value fails */
    uint8_t reserved2;
    uint8_t channelCode; /* G.711 and PCM: channel count - 1; G.711: 0 gives 16-bit output samples,
                            any other value 8-bit output samples */
    uint32_t reserved4;
    uint64_t timestamp;  /* copied to the PCM record */
    uint32_t sampleRate; /* G.711 and PCM: copied to the PCM record */
    uint32_t reserved20;
    uint8_t tag; /* copied to the PCM record */
    uint8_t reserved25[7];
} TEGMO_AUDIO_FRAME_INFO;
#pragma pack(pop)

/* Output callback of a video decoder with a decoding thread: called on that thread for every
 * picture, with the decoder's handle, the picture and the user value given at creation; the result
 * is ignored. The record is valid during the call only; its planes become the callback's, to be
 * released with TEGMO_DEC_ReleaseYUVFrame. */
typedef int32_t(TEGMO_API* TEGMO_DEC_VideoOutputFun)(TEGMO_DEC_HANDLE decoder, TEGMO_YUV_FRAME* frame, void* userValue);

/* ---- life cycle and version --------------------------------------------------------------- */

/* Creates the library's manager on the first call and counts every call; 1, or 0 when the manager
 * cannot be created. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_Init(void);

/* Undoes one TEGMO_DEC_Init; the call that brings the count to 0 destroys every decoder (audio
 * first, then video) and the manager. 1, or 0 when there is no manager. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_Cleanup(void);

/* 0x00010000; works without TEGMO_DEC_Init. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_GetSDKVersion(void);

/* 0; works without TEGMO_DEC_Init. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_GetSDKBuildVersion(void);

/* ---- video ---------------------------------------------------------------------------------- */

/* Creates an H.264 decoder. packedOutput: rows without the codec's spare bytes; sequenceCheck:
 * refuse frames after a sequence gap until the next I-frame; singleBlock: all planes in one
 * allocation (each flag on when non-zero). With an output callback the decoder decodes on a thread
 * of its own (TEGMO_DEC_VideoDecodeAsyn). The handle, or 0 (nothing is left behind). Any thread. */
TEGMO_DEC_EXPORT TEGMO_DEC_HANDLE TEGMO_API TEGMO_DEC_CreateVideoDecoder(int32_t packedOutput, int32_t sequenceCheck,
                                                                         int32_t singleBlock,
                                                                         TEGMO_DEC_VideoOutputFun outputCallback,
                                                                         void* userValue);

/* Stops the decoder's thread, discards its queued frames and pictures, closes the codec and destroys
 * it; 1, or 0 for an unknown handle (and when called from the decoder's own output callback). */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_DeleteVideoDecoder(TEGMO_DEC_HANDLE decoder);

/* Closes and reopens the codec with the creation settings; 1 when reopened, 0 otherwise. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_ResetVideoDecoder(TEGMO_DEC_HANDLE decoder);

/* Decodes one frame in the caller's thread. 1 when a picture was handed out in *frame (release it
 * with TEGMO_DEC_ReleaseYUVFrame), else 0 and *frame holds nothing to release. A null frame pointer
 * gives 0 before anything else. The picture is the next one in display order, so with B-frames it
 * comes from an earlier frame: its pts tells which. When the codec yields several pictures at once
 * (the old stream's last ones at an attribute rebuild) the others wait in the decoder and are handed
 * out by the following calls. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_VideoDecode(TEGMO_DEC_HANDLE decoder, const StreamFrameInfo* info,
                                                         const uint8_t* data, int32_t length, TEGMO_YUV_FRAME* frame);

/* Queues a copy of the frame for the decoder's thread, which hands the pictures to the output
 * callback; 1 when queued, 0 when refused (no callback, sequence gap, dropped B-frame, 50 frames
 * already pending). */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_VideoDecodeAsyn(TEGMO_DEC_HANDLE decoder, const StreamFrameInfo* info,
                                                             const uint8_t* data, int32_t length);

/* Frees the picture's planes and zeroes the whole record; 1 (an all-zero record frees nothing), 0 for
 * a null pointer. Any thread; works also after the final TEGMO_DEC_Cleanup, so that no picture is
 * ever leaked. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_ReleaseYUVFrame(TEGMO_YUV_FRAME* frame);

/* Non-zero flag: refuse B-frames (frame kind 2). Handle 0 sets the default for decoders created
 * later and the flag of every existing decoder; 1, or 0 for an unknown handle. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_ThrowBFrame(TEGMO_DEC_HANDLE decoder, int32_t flag);

/* Number of live video decoders. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_GetVideoDecoderCount(void);

/* ---- audio ---------------------------------------------------------------------------------- */

/* Creates an audio decoder (the argument is not used); the handle, or 0. */
TEGMO_DEC_EXPORT TEGMO_DEC_HANDLE TEGMO_API TEGMO_DEC_CreateAudioDecoder(int32_t unused);

/* Destroys it; 1, or 0 for an unknown handle. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_DeleteAudioDecoder(TEGMO_DEC_HANDLE decoder);

/* Closes its AAC decoder so that the next AAC frame opens a fresh one; 1/0. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_ResetAudioDecoder(TEGMO_DEC_HANDLE decoder);

/* Decodes one audio frame (AAC input may hold several frames back to back) into *frame; 1 when
 * samples were produced (release them with TEGMO_DEC_ReleasePCMFrame), else 0 with no samples
 * attached. A null frame pointer gives 0 before anything else. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_AudioDecode(TEGMO_DEC_HANDLE decoder, const TEGMO_AUDIO_FRAME_INFO* info,
                                                         const uint8_t* data, int32_t length, TEGMO_PCM_FRAME* frame);

/* Frees the samples and zeroes the record; 1, or 0 for a null pointer. Any thread, also after the
 * final TEGMO_DEC_Cleanup. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_ReleasePCMFrame(TEGMO_PCM_FRAME* frame);

/* Number of live audio decoders. */
TEGMO_DEC_EXPORT int32_t TEGMO_API TEGMO_DEC_GetAudioDecoderCount(void);

#ifdef __cplusplus
} /* extern "C" */
#endif

/* ---- layout checks ------------------------------------------------------------------------- */
#ifdef __cplusplus
#define TEGMO_STATIC_ASSERT static_assert
#else
#define TEGMO_STATIC_ASSERT _Static_assert
#endif

#if UINTPTR_MAX > 0xFFFFFFFFu
TEGMO_STATIC_ASSERT(sizeof(TEGMO_YUV_FRAME) == 80, "TEGMO_YUV_FRAME is 80 bytes on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, planeY) == 32, "planeY at 32 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, planeV) == 40, "planeV at 40 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, planeU) == 48, "planeU at 48 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, pts) == 56, "pts at 56 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, sequence) == 64, "sequence at 64 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, failCount) == 65, "failCount at 65 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, singleBlock) == 69, "singleBlock at 69 on 64-bit");
TEGMO_STATIC_ASSERT(sizeof(TEGMO_PCM_FRAME) == 48, "TEGMO_PCM_FRAME is 48 bytes on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_PCM_FRAME, data) == 16, "data at 16 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_PCM_FRAME, timestamp) == 24, "timestamp at 24 on 64-bit");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_PCM_FRAME, tag) == 32, "tag at 32 on 64-bit");
#else
TEGMO_STATIC_ASSERT(sizeof(TEGMO_YUV_FRAME) == 64, "TEGMO_YUV_FRAME is 64 bytes");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, planeY) == 28, "planeY at 28");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, planeV) == 32, "planeV at 32");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, planeU) == 36, "planeU at 36");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, pts) == 40, "pts at 40");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, sequence) == 48, "sequence at 48");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, failCount) == 49, "failCount at 49");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, singleBlock) == 53, "singleBlock at 53");
TEGMO_STATIC_ASSERT(sizeof(TEGMO_PCM_FRAME) == 40, "TEGMO_PCM_FRAME is 40 bytes");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_PCM_FRAME, data) == 12, "data at 12");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_PCM_FRAME, timestamp) == 16, "timestamp at 16");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_PCM_FRAME, tag) == 24, "tag at 24");
#endif
TEGMO_STATIC_ASSERT(offsetof(TEGMO_YUV_FRAME, sizeChanged) == 24, "sizeChanged at 24");
TEGMO_STATIC_ASSERT(sizeof(TEGMO_AUDIO_FRAME_INFO) == 32, "TEGMO_AUDIO_FRAME_INFO is 32 bytes");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_AUDIO_FRAME_INFO, encoding) == 1, "encoding at 1");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_AUDIO_FRAME_INFO, channelCode) == 3, "channel code at 3");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_AUDIO_FRAME_INFO, timestamp) == 8, "timestamp at 8");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_AUDIO_FRAME_INFO, sampleRate) == 16, "sample rate at 16");
TEGMO_STATIC_ASSERT(offsetof(TEGMO_AUDIO_FRAME_INFO, tag) == 24, "tag at 24");
#undef TEGMO_STATIC_ASSERT

#endif /* TEGMO_DECODER_H */
