#include "decoder/videodecoder.h"

#include <chrono>
#include <cinttypes>
#include <cstring>
#include <system_error>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libavutil/mem.h>
}

#include "media/support/debuglog.h"

namespace {

bool IsPlanar420(int format) { return format == AV_PIX_FMT_YUV420P || format == AV_PIX_FMT_YUVJ420P; }

}  // namespace

CVideoDecoder::CVideoDecoder(bool packedOutput, bool sequenceCheck, bool singleBlock,
                             TEGMO_DEC_VideoOutputFun outputCallback, void* userValue)
    : m_packedOutput(packedOutput),
      m_sequenceCheck(sequenceCheck),
      m_singleBlock(singleBlock),
      m_outputCallback(outputCallback),
      m_userValue(userValue) {
    for (AVFrame*& picture : m_pictures) picture = av_frame_alloc();
    m_received = av_frame_alloc();
    m_VDecFrameList.SetKeepLast(false);
    // Every entry that leaves the list (decoded, discarded or flushed) frees its copy of the bytes.
    m_VDecFrameList.SetReleaseCallback(&CVideoDecoder::FreeQueuedFrame, nullptr);
}

CVideoDecoder::~CVideoDecoder() {
    Close();
    for (AVFrame*& picture : m_pictures) av_frame_free(&picture);
    av_frame_free(&m_received);
}

void CVideoDecoder::FreeQueuedFrame(QueuedFrame* entry, void*) {
    av_freep(&entry->data);
    entry->length = 0;
}

// ---- open and close ---------------------------------------------------------------------------

bool CVideoDecoder::Open() {
    Close();
    if (!OpenCodec()) return false;
    // A thread that cannot be started now is started by the next submission.
    if (m_outputCallback) StartVDecThread();
    return true;
}

void CVideoDecoder::Close() {
    StopVDecThread();
    m_VDecFrameList.Flush();
    DiscardPendingPictures();
    CloseCodec();
}

bool CVideoDecoder::OpenCodec() {
    CloseCodec();
    m_lastWidth = 0;
    m_lastHeight = 0;
    if (!m_received) return false;
    for (AVFrame* picture : m_pictures) {
        if (!picture) return false;
    }
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    if (!codec) return false;
    m_context = avcodec_alloc_context3(codec);
    m_packet = av_packet_alloc();
    if (!m_context || !m_packet) {
        CloseCodec();
        return false;
    }
    // Frame threading would delay every picture by (threads - 1) frames: a live camera decodes in
    // one thread.
    m_context->thread_count = 1;
    if (avcodec_open2(m_context, codec, nullptr) < 0) {
        CloseCodec();
        return false;
    }
    m_opened.store(true);
    return true;
}

void CVideoDecoder::CloseCodec() {
    avcodec_free_context(&m_context);
    av_packet_free(&m_packet);
    m_opened.store(false);
    m_failCount = -1;
}

bool CVideoDecoder::RebuildCodec() {
    if (m_context) {
        // The old stream's delayed pictures are not lost: they wait with the pending ones.
        if (avcodec_send_packet(m_context, nullptr) >= 0) ReceivePictures();
    }
    return OpenCodec();
}

// ---- decoding -------------------------------------------------------------------------------

bool CVideoDecoder::AcceptSequence(const StreamFrameInfo& info) {
    if (!m_sequenceCheck) return true;
    if (info.sequence != static_cast<uint8_t>(m_lastSequence + 1)) {
        // After a gap only an I-frame can be decoded again; every other frame waits for it.
        if (info.frameKind != TEGMO_FRAME_I) return false;
        g_DebugLog.Format("[TEST]发生丢帧, 等I帧\n");
    }
    m_lastSequence = info.sequence;
    return true;
}

void CVideoDecoder::CheckAttribute(const StreamFrameInfo& info) {
    if (info.attribute == m_lastAttribute) return;
    g_DebugLog.Format("[WARN]视频属性发生更改, 重建视频解码器\n");
    RebuildCodec();
    m_lastAttribute = info.attribute;
}

bool CVideoDecoder::DecodeFrame(const StreamFrameInfo& info, const uint8_t* data, int32_t length) {
    if (!m_context || !m_packet) return false;

    m_packet->data = const_cast<uint8_t*>(data);  // libavcodec copies unowned packet data
    m_packet->size = length;
    // The frame's timestamp rides through the codec's reordering as the packet's pts.
    m_packet->pts = static_cast<int64_t>(info.timestamp);
    int result = avcodec_send_packet(m_context, m_packet);
    if (result == AVERROR(EAGAIN)) {
        // Pictures the codec still holds must leave it before it takes the next packet.
        ReceivePictures();
        result = avcodec_send_packet(m_context, m_packet);
    }
    m_packet->data = nullptr;
    m_packet->size = 0;
    ReceivePictures();
    return result >= 0;
}

void CVideoDecoder::ReceivePictures() {
    while (avcodec_receive_frame(m_context, m_received) >= 0) {
        if (m_pendingCount == kPendingCapacity) {
            av_frame_unref(m_pictures[m_pendingHead]);
            m_pendingHead = (m_pendingHead + 1) % kPendingCapacity;
            --m_pendingCount;
            ++m_droppedPictures;
            g_DebugLog.Format("[WARN][%" KAVIMO_LOG_ADDR "]decoded picture dropped, %" PRIu64 " in all\n",
                              KAVIMO_LOG_ADDR_ARG(this), m_droppedPictures);
        }
        av_frame_move_ref(m_pictures[(m_pendingHead + m_pendingCount) % kPendingCapacity], m_received);
        ++m_pendingCount;
    }
}

void CVideoDecoder::DiscardPendingPictures() {
    if (m_pendingCount > 0) {
        g_DebugLog.Format("[TIP][%" KAVIMO_LOG_ADDR "]%d decoded pictures discarded\n", KAVIMO_LOG_ADDR_ARG(this),
                          m_pendingCount);
    }
    for (AVFrame* picture : m_pictures) {
        if (picture) av_frame_unref(picture);
    }
    if (m_received) av_frame_unref(m_received);
    m_pendingHead = 0;
    m_pendingCount = 0;
}

bool CVideoDecoder::TakePendingPicture(uint8_t sequence, TEGMO_YUV_FRAME* frame) {
    if (m_pendingCount == 0) return false;
    AVFrame* picture = m_pictures[m_pendingHead];
    bool handled = HandleYUV(picture, sequence, frame);
    av_frame_unref(picture);
    m_pendingHead = (m_pendingHead + 1) % kPendingCapacity;
    --m_pendingCount;
    return handled;
}

void CVideoDecoder::LogDecodeFalse(const StreamFrameInfo& info, int32_t length, int gotPicture) {
    g_DebugLog.Format("[TIP]Decode false,got_frame=%d,fno=%d,pts=%" PRIu64 ",frameLen=%d\n", gotPicture, info.sequence,
                      info.timestamp, length);
}

int32_t CVideoDecoder::Decode(const StreamFrameInfo* info, const uint8_t* data, int32_t length,
                              TEGMO_YUV_FRAME* frame) {
    if (!frame) return 0;
    // A decoder with a decoding thread may also be called here: the codec is used by one at a time.
    std::lock_guard<std::mutex> codecGuard(m_codecLock);
    if (!info || !data || length == 0 || !m_context) return 0;
    if (!AcceptSequence(*info)) return 0;
    // The attribute rule comes before the length and B-frame rules, so a refused frame still
    // rebuilds the decoder for the frames after it.
    CheckAttribute(*info);
    if (length < 0) return 0;
    if (m_dropBFrames.load() != 0 && info->frameKind == TEGMO_FRAME_B) return 0;

    frame->pts = info->timestamp;
    DecodeFrame(*info, data, length);
    if (m_pendingCount == 0) {
        CountFailure();
        LogDecodeFalse(*info, length, 0);
        return 0;
    }
    return TakePendingPicture(info->sequence, frame) ? 1 : 0;
}

// ---- picture copy ---------------------------------------------------------------------------

bool CVideoDecoder::HandleYUV(const AVFrame* picture, uint8_t sequence, TEGMO_YUV_FRAME* frame) {
    const int strideY = picture->linesize[0];
    const int strideCb = picture->linesize[1];
    const int strideCr = picture->linesize[2];
    if (strideY <= 0 || strideCb <= 0 || strideCr <= 0 || strideCb != strideCr || strideCb + strideCr != strideY) {
        g_DebugLog.Format("[WARN]HandleYUV(Frame中的linesize不正常(%d,%d,%d) return false)\n", strideY, strideCr,
                          strideCb);
        CountFailure();
        return false;
    }
    const int width = picture->width;
    const int height = picture->height;
    if (!IsPlanar420(picture->format) || width <= 0 || height <= 0 || width > strideY) {
        g_DebugLog.Format("[WARN]HandleYUV(Frame的格式不支持(%d, %dx%d) return false)\n", picture->format, width,
                          height);
        CountFailure();
        return false;
    }

    // Chroma planes of an odd-sized picture keep their last column and row.
    const int chromaWidth = (width + 1) / 2;
    const int chromaHeight = (height + 1) / 2;
    const int outStrideY = m_packedOutput ? width : strideY;
    const int outStrideC = m_packedOutput ? chromaWidth : strideCb;
    const size_t sizeY = static_cast<size_t>(outStrideY) * height;
    const size_t sizeC = static_cast<size_t>(outStrideC) * chromaHeight;

    uint8_t* planeY = nullptr;
    uint8_t* planeV = nullptr;
    uint8_t* planeU = nullptr;
    if (m_singleBlock) {
        planeY = static_cast<uint8_t*>(av_malloc(sizeY + 2 * sizeC));
        if (planeY) {
            planeV = planeY + sizeY;
            planeU = planeV + sizeC;
        }
    } else {
        planeY = static_cast<uint8_t*>(av_malloc(sizeY));
        planeV = static_cast<uint8_t*>(av_malloc(sizeC));
        planeU = static_cast<uint8_t*>(av_malloc(sizeC));
    }
    if (!planeY || !planeV || !planeU) {
        if (m_singleBlock) {
            av_free(planeY);
        } else {
            av_free(planeY);
            av_free(planeV);
            av_free(planeU);
        }
        return false;
    }

    if (m_packedOutput) {
        av_image_copy_plane(planeY, outStrideY, picture->data[0], strideY, width, height);
        av_image_copy_plane(planeV, outStrideC, picture->data[2], strideCr, chromaWidth, chromaHeight);
        av_image_copy_plane(planeU, outStrideC, picture->data[1], strideCb, chromaWidth, chromaHeight);
    } else {
        std::memcpy(planeY, picture->data[0], sizeY);
        std::memcpy(planeV, picture->data[2], sizeC);
        std::memcpy(planeU, picture->data[1], sizeC);
    }

    frame->width = width;
    frame->height = height;
    frame->sizeChanged = (width != m_lastWidth || height != m_lastHeight) ? 1 : 0;
    m_lastWidth = width;
    m_lastHeight = height;
    frame->strideY = outStrideY;
    frame->strideU = outStrideC;
    frame->strideV = outStrideC;
    frame->format = 0;
    frame->sequence = sequence;
    frame->planeY = planeY;
    frame->planeV = planeV;
    frame->planeU = planeU;
    frame->pts = picture->pts == AV_NOPTS_VALUE ? 0 : static_cast<uint64_t>(picture->pts);
    if (m_failCount == -1) m_failCount = 0;
    frame->failCount = m_failCount;
    frame->singleBlock = m_singleBlock ? 1 : 0;
    return true;
}

void CVideoDecoder::ReleaseFrame(TEGMO_YUV_FRAME* frame) {
    if (frame->singleBlock) {
        av_free(frame->planeY);
    } else {
        av_free(frame->planeY);
        av_free(frame->planeV);
        av_free(frame->planeU);
    }
    std::memset(static_cast<void*>(frame), 0, sizeof *frame);
}

// ---- decoding thread --------------------------------------------------------------------------

int32_t CVideoDecoder::DecodeAsync(const StreamFrameInfo* info, const uint8_t* data, int32_t length) {
    if (!info || !data || length <= 0 || !m_opened.load() || !m_outputCallback) return 0;
    if (!AcceptSequence(*info)) return 0;
    if (m_dropBFrames.load() != 0 && info->frameKind == TEGMO_FRAME_B) return 0;
    if (!m_threadAlive.load() && !StartVDecThread()) return 0;

    const uint32_t queued = m_VDecFrameList.GetCount();
    if (queued >= kMaxQueuedFrames) {
        g_DebugLog.Format("[TEST]VDecFrameList Count is %u, too more\n", queued);
        return 0;
    }
    QueuedFrame entry{*info, static_cast<uint8_t*>(av_malloc(static_cast<size_t>(length))), length};
    if (!entry.data) return 0;
    std::memcpy(entry.data, data, static_cast<size_t>(length));
    if (!m_VDecFrameList.PushBack(entry)) {
        av_free(entry.data);
        return 0;
    }
    { std::lock_guard<std::mutex> guard(m_wakeLock); }
    m_wake.notify_one();
    return 1;
}

bool CVideoDecoder::StartVDecThread() {
    if (m_threadAlive.load()) return true;
    if (m_thread.joinable()) m_thread.join();  // a thread that has ended on its own
    m_threadRunning.store(true);
    m_threadAlive.store(true);
    try {
        m_thread = std::thread(&CVideoDecoder::VDecThread, this);
    } catch (const std::system_error&) {
        m_threadRunning.store(false);
        m_threadAlive.store(false);
        return false;
    }
    return true;
}

void CVideoDecoder::StopVDecThread() {
    if (!m_thread.joinable()) return;
    if (IsDecodingThread()) {
        // Called from the output callback: the thread ends after the callback returns.
        m_threadRunning.store(false);
        return;
    }
    m_threadRunning.store(false);
    { std::lock_guard<std::mutex> guard(m_wakeLock); }
    m_wake.notify_all();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStopWaitMs);
    while (m_threadAlive.load() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kStopPollMs));
    }
    if (m_threadAlive.load()) {
        g_DebugLog.Format("[WARN][%" KAVIMO_LOG_ADDR "]StopVDecThread() return false\n", KAVIMO_LOG_ADDR_ARG(this));
    }
    // The thread uses this object until its last act: wait for it even when it is late.
    m_thread.join();
}

bool CVideoDecoder::IsDecodingThread() const { return m_threadId.load() == std::this_thread::get_id(); }

void CVideoDecoder::VDecThread() {
    m_threadId.store(std::this_thread::get_id());
    g_DebugLog.Format("[TIP][%" KAVIMO_LOG_ADDR "]VDecThread() entry\n", KAVIMO_LOG_ADDR_ARG(this));
    while (m_threadRunning.load()) {
        QueuedFrame entry;
        if (!m_VDecFrameList.Peek(&entry)) {
            std::unique_lock<std::mutex> lock(m_wakeLock);
            m_wake.wait_for(lock, std::chrono::milliseconds(10),
                            [this] { return !m_threadRunning.load() || m_VDecFrameList.GetCount() > 0; });
            continue;
        }
        // Every picture of this frame is copied out under the codec lock and delivered after it, so
        // that the callback may call into this decoder.
        TEGMO_YUV_FRAME ready[kPendingCapacity];
        int readyCount = 0;
        {
            std::lock_guard<std::mutex> codecGuard(m_codecLock);
            CheckAttribute(entry.info);
            DecodeFrame(entry.info, entry.data, entry.length);
            if (m_pendingCount == 0) {
                CountFailure();
                LogDecodeFalse(entry.info, entry.length, 0);
            }
            while (m_pendingCount > 0) {
                TEGMO_YUV_FRAME& frame = ready[readyCount];
                std::memset(static_cast<void*>(&frame), 0, sizeof frame);
                if (TakePendingPicture(entry.info.sequence, &frame)) ++readyCount;
            }
        }
        for (int i = 0; i < readyCount; ++i) {
            m_outputCallback(reinterpret_cast<TEGMO_DEC_HANDLE>(this), &ready[i], m_userValue);
        }
        m_VDecFrameList.Pop();  // frees the entry's bytes
    }
    m_VDecFrameList.Flush();
    g_DebugLog.Format("[TIP][%" KAVIMO_LOG_ADDR "]VDecThread() exit\n", KAVIMO_LOG_ADDR_ARG(this));
    m_threadId.store(std::thread::id());
    m_threadAlive.store(false);
}
