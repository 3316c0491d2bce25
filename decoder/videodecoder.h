// One H.264 video decoder behind a TEGMO_DEC handle: libavcodec's H.264 decoder plus the stream's
// own rules (sequence gaps, attribute changes, B-frame refusal) and the copy of every picture into
// buffers that are handed to the caller in a TEGMO_YUV_FRAME.
//
// Threads: the synchronous decode runs in the caller's thread, one thread at a time. With an output
// callback the decoder also owns a decoding thread (VDecThread): submissions from any one thread go
// through VDecFrameList. The codec and the picture state are used under m_codecLock, so a
// synchronous decode on a decoder with a running thread waits its turn instead of racing it; the
// output callback runs outside that lock. Open, Close and the destructor are called while no decode
// is in progress (or from the output callback); they stop the thread and wait for it, so the object
// is never freed while its thread runs.
//
// Several pictures from one packet: libavcodec may hand out more than one picture for one packet,
// above all when the codec is drained before an attribute rebuild (the old stream's delayed
// pictures come out together with the new stream's first one). The synchronous decode hands out one
// picture per call; the others stay queued inside the decoder, in display order, and are handed out
// first by the following calls (a call whose own frame yields nothing then still delivers one).
// The decoding thread delivers every picture at once. Pictures still queued when the codec is closed
// (delete, reset) are discarded with a log line giving their number.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "decoder/TEGMO_Decoder.h"
#include "media/support/framelisttemplate.h"

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

class CVideoDecoder {
public:
    // Pictures the decoder keeps between calls at most; beyond that the oldest is dropped and logged.
    static constexpr int kPendingCapacity = 8;
    // Submissions pending for VDecThread at most.
    static constexpr uint32_t kMaxQueuedFrames = 50;
    // How long stopping waits for VDecThread before it warns (it then still waits for the thread).
    static constexpr int kStopWaitMs = 3000;
    static constexpr int kStopPollMs = 10;

    CVideoDecoder(bool packedOutput, bool sequenceCheck, bool singleBlock, TEGMO_DEC_VideoOutputFun outputCallback,
                  void* userValue);
    virtual ~CVideoDecoder();
    CVideoDecoder(const CVideoDecoder&) = delete;
    CVideoDecoder& operator=(const CVideoDecoder&) = delete;

    // Closes, then opens the codec with the creation settings and starts VDecThread when there is an
    // output callback; false when the codec cannot be opened (the decoder then stays closed).
    bool Open();
    // Stops VDecThread, discards queued frames and pictures, closes the codec.
    void Close();

    // TEGMO_DEC_VideoDecode: 1 when a picture was handed out in *frame.
    int32_t Decode(const StreamFrameInfo* info, const uint8_t* data, int32_t length, TEGMO_YUV_FRAME* frame);
    // TEGMO_DEC_VideoDecodeAsyn: 1 when the frame was queued for VDecThread.
    int32_t DecodeAsync(const StreamFrameInfo* info, const uint8_t* data, int32_t length);

    void SetDropBFrames(int32_t flag) { m_dropBFrames.store(flag); }
    int32_t GetDropBFrames() const { return m_dropBFrames.load(); }

    // Copies one decoded picture into *frame as laid down in TEGMO_Decoder.h; false (with nothing
    // allocated) when the picture's strides or format are unusable or memory runs out.
    bool HandleYUV(const AVFrame* picture, uint8_t sequence, TEGMO_YUV_FRAME* frame);

    // TEGMO_DEC_ReleaseYUVFrame: frees the planes, zeroes the record.
    static void ReleaseFrame(TEGMO_YUV_FRAME* frame);

    bool IsOpen() const { return m_opened.load(); }
    bool IsDecodingThreadRunning() const { return m_threadAlive.load(); }
    // True on VDecThread itself (e.g. inside the output callback).
    bool IsDecodingThread() const;
    int32_t GetFailCount() const { return m_failCount; }
    int GetPendingPictureCount() const { return m_pendingCount; }
    uint32_t GetQueuedFrameCount() const { return m_VDecFrameList.GetCount(); }

private:
    // One submission waiting for VDecThread: the frame description and a private copy of its bytes.
    struct QueuedFrame {
        StreamFrameInfo info;
        uint8_t* data;
        int32_t length;
    };
    static void FreeQueuedFrame(QueuedFrame* entry, void* user);

    bool OpenCodec();
    void CloseCodec();
    // Drains the open codec (its delayed pictures join the pending ones) and opens it again.
    bool RebuildCodec();
    // Sequence rule of both decode modes; false when the frame is refused.
    bool AcceptSequence(const StreamFrameInfo& info);
    // One packet through the codec; the pictures it yields join the pending ones. False when the
    // codec refused the packet.
    bool DecodeFrame(const StreamFrameInfo& info, const uint8_t* data, int32_t length);
    void CheckAttribute(const StreamFrameInfo& info);
    void ReceivePictures();
    void DiscardPendingPictures();
    // Hands the oldest pending picture out; false when there is none or the copy failed.
    bool TakePendingPicture(uint8_t sequence, TEGMO_YUV_FRAME* frame);
    void LogDecodeFalse(const StreamFrameInfo& info, int32_t length, int gotPicture);
    void CountFailure() {
        if (m_failCount != -1) ++m_failCount;
    }

    bool StartVDecThread();
    void StopVDecThread();
    void VDecThread();

    // Creation settings.
    const bool m_packedOutput;
    const bool m_sequenceCheck;
    const bool m_singleBlock;
    const TEGMO_DEC_VideoOutputFun m_outputCallback;
    void* const m_userValue;

    std::atomic<bool> m_opened{false};
    int32_t m_lastWidth = 0;
    int32_t m_lastHeight = 0;

    AVCodecContext* m_context = nullptr;
    AVPacket* m_packet = nullptr;
    // The reusable picture objects: a small FIFO of decoded pictures not yet handed out.
    AVFrame* m_pictures[kPendingCapacity] = {};
    AVFrame* m_received = nullptr;  // receives from the codec before joining the pending FIFO
    int m_pendingHead = 0;
    int m_pendingCount = 0;
    uint64_t m_droppedPictures = 0;

    uint8_t m_lastAttribute = 0;
    std::atomic<int32_t> m_dropBFrames{0};
    uint8_t m_lastSequence = 0;
    int32_t m_failCount = -1;

    std::mutex m_codecLock;  // the codec, the pending pictures and the picture state
    CFrameListTemplate<QueuedFrame> m_VDecFrameList;
    std::atomic<bool> m_threadRunning{false};   // VDecThread loops while set
    std::atomic<bool> m_threadAlive{false};     // set at start, cleared by the thread as its last act
    std::atomic<std::thread::id> m_threadId{};  // VDecThread's id while it runs
    std::thread m_thread;
    std::mutex m_wakeLock;
    std::condition_variable m_wake;  // a submission arrived, or the thread is asked to stop
};
