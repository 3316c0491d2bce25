// The decoding thread: submissions through VDecFrameList, pictures through the output callback.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/decoder/decodertest.h"
#include "tests/media/support/logcapture.h"

namespace {

using namespace std::chrono_literals;

// Collects what the output callback receives; optionally holds the decoding thread inside the
// callback until Open() is called.
struct Receiver {
    std::mutex lock;
    std::condition_variable changed;
    std::vector<int64_t> shown;
    std::vector<uint8_t> sequences;
    TEGMO_DEC_HANDLE handleSeen = 0;
    std::thread::id threadSeen;
    bool gateClosed = false;
    bool insideCallback = false;
    std::chrono::milliseconds delay{0};

    static int32_t TEGMO_API Output(TEGMO_DEC_HANDLE decoder, TEGMO_YUV_FRAME* frame, void* user) {
        auto* self = static_cast<Receiver*>(user);
        std::unique_lock<std::mutex> guard(self->lock);
        self->handleSeen = decoder;
        self->threadSeen = std::this_thread::get_id();
        self->shown.push_back(IndexOf(frame->pts));
        self->sequences.push_back(frame->sequence);
        EXPECT_LT(testmedia::LumaDifference(static_cast<int>(IndexOf(frame->pts)), frame->width, frame->height,
                                            frame->planeY, frame->strideY),
                  4.0);
        self->insideCallback = true;
        self->changed.notify_all();
        self->changed.wait(guard, [self] { return !self->gateClosed; });
        self->insideCallback = false;
        guard.unlock();
        if (self->delay.count() > 0) std::this_thread::sleep_for(self->delay);
        TEGMO_DEC_ReleaseYUVFrame(frame);  // the planes are the callback's
        return 1;
    }

    bool WaitFor(size_t count, std::chrono::milliseconds timeout = 10s) {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, timeout, [&] { return shown.size() >= count; });
    }
    bool WaitInside(std::chrono::milliseconds timeout = 10s) {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, timeout, [&] { return insideCallback; });
    }
    void Open() {
        std::lock_guard<std::mutex> guard(lock);
        gateClosed = false;
        changed.notify_all();
    }
    size_t Count() {
        std::lock_guard<std::mutex> guard(lock);
        return shown.size();
    }
};

int32_t Submit(TEGMO_DEC_HANDLE decoder, const testmedia::EncodedVideoFrame& frame, uint8_t sequence,
               uint8_t attribute = 0) {
    StreamFrameInfo info = testmedia::MakeFrameInfo(frame, sequence, TimestampOf(frame.displayIndex), attribute);
    return TEGMO_DEC_VideoDecodeAsyn(decoder, &info, frame.data.data(), static_cast<int32_t>(frame.data.size()));
}

std::string AddressOf(TEGMO_DEC_HANDLE handle) { return std::to_string(static_cast<intptr_t>(handle)); }

TEST(VideoAsync, DeliversEveryPictureInOrderOnTheDecodingThread) {
    LibraryScope library;
    LogCapture capture;
    Receiver receiver;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, &Receiver::Output, &receiver);
    ASSERT_NE(decoder, 0u);
    for (size_t i = 0; i < stream.size(); ++i) ASSERT_EQ(Submit(decoder, stream[i], static_cast<uint8_t>(i + 1)), 1);
    ASSERT_TRUE(receiver.WaitFor(stream.size()));
    {
        std::lock_guard<std::mutex> guard(receiver.lock);
        for (size_t i = 0; i < receiver.shown.size(); ++i) {
            EXPECT_EQ(receiver.shown[i], static_cast<int64_t>(i));
            EXPECT_EQ(receiver.sequences[i], static_cast<uint8_t>(i + 1));
        }
        EXPECT_EQ(receiver.handleSeen, decoder);
        EXPECT_NE(receiver.threadSeen, std::this_thread::get_id());
    }
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);
    EXPECT_EQ(capture.Count("[TIP][" + AddressOf(decoder) + "]VDecThread() entry\n"), 1);
    EXPECT_EQ(capture.Count("[TIP][" + AddressOf(decoder) + "]VDecThread() exit\n"), 1);
}

TEST(VideoAsync, RefusesSubmissionsWhileFiftyArePending) {
    LibraryScope library;
    LogCapture capture;
    Receiver receiver;
    receiver.gateClosed = true;  // the thread stops inside the callback of the first picture
    testmedia::H264Options options;
    options.width = 64;
    options.height = 64;
    options.frameCount = 52;
    const auto stream = testmedia::EncodeH264(options);
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, &Receiver::Output, &receiver);
    ASSERT_EQ(Submit(decoder, stream[0], 1), 1);
    ASSERT_TRUE(receiver.WaitInside());  // its entry stays queued until the callback returns
    for (int i = 1; i < 49; ++i) ASSERT_EQ(Submit(decoder, stream[i], static_cast<uint8_t>(i + 1)), 1) << i;
    EXPECT_EQ(Submit(decoder, stream[49], 50), 1);  // 49 pending: accepted
    EXPECT_EQ(capture.CountPrefix("[TEST]VDecFrameList Count is"), 0);
    EXPECT_EQ(Submit(decoder, stream[50], 51), 0);  // 50 pending: refused
    EXPECT_EQ(capture.Count("[TEST]VDecFrameList Count is 50, too more\n"), 1);

    receiver.Open();
    ASSERT_TRUE(receiver.WaitFor(50));
    EXPECT_EQ(receiver.Count(), 50u);
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);
}

TEST(VideoAsync, DeleteStopsTheThreadAndFreesQueuedFrames) {
    LibraryScope library;
    Receiver receiver;
    receiver.delay = 5ms;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, &Receiver::Output, &receiver);
    for (size_t i = 0; i < stream.size(); ++i) ASSERT_EQ(Submit(decoder, stream[i], static_cast<uint8_t>(i + 1)), 1);
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);  // frames still queued are freed (ASan)
    const size_t delivered = receiver.Count();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(receiver.Count(), delivered);  // nothing arrives after the delete returned
    EXPECT_EQ(TEGMO_DEC_GetVideoDecoderCount(), 0);
}

TEST(VideoAsync, StopWarnsAboutALateThreadButStillWaitsForIt) {
    LibraryScope library;
    LogCapture capture;
    Receiver receiver;
    receiver.gateClosed = true;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, &Receiver::Output, &receiver);
    ASSERT_EQ(Submit(decoder, stream[0], 1), 1);
    ASSERT_TRUE(receiver.WaitInside());
    const std::string warning = "[WARN][" + AddressOf(decoder) + "]StopVDecThread() return false\n";
    std::thread opener([&] {
        // The callback returns only after the stop has given up waiting and said so.
        for (int i = 0; i < 2000 && capture.Count(warning) == 0; ++i) std::this_thread::sleep_for(5ms);
        receiver.Open();
    });
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);
    opener.join();
    EXPECT_EQ(capture.Count(warning), 1);
    // The thread finished before the decoder was freed: its exit line was written.
    EXPECT_EQ(capture.Count("[TIP][" + AddressOf(decoder) + "]VDecThread() exit\n"), 1);
}

TEST(VideoAsync, AttributeChangeRebuildsInsideTheThreadAndKeepsDecoding) {
    LibraryScope library;
    LogCapture capture;
    Receiver receiver;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, &Receiver::Output, &receiver);
    for (size_t i = 0; i < stream.size(); ++i) {
        const uint8_t attribute = i < 6 ? 0 : 2;  // changes with the I-frame at 6
        ASSERT_EQ(Submit(decoder, stream[i], static_cast<uint8_t>(i + 1), attribute), 1);
    }
    ASSERT_TRUE(receiver.WaitFor(stream.size()));
    EXPECT_EQ(capture.Count("[WARN]视频属性发生更改, 重建视频解码器\n"), 1);
    std::lock_guard<std::mutex> guard(receiver.lock);
    for (size_t i = 0; i < receiver.shown.size(); ++i) EXPECT_EQ(receiver.shown[i], static_cast<int64_t>(i));
}

TEST(VideoAsync, SubmissionRulesMatchTheSynchronousDecode) {
    LibraryScope library;
    Receiver receiver;
    const auto& stream = StreamIPB();
    TEGMO_DEC_HANDLE withoutCallback = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, nullptr, nullptr);
    EXPECT_EQ(Submit(withoutCallback, stream[0], 1), 0);

    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, &Receiver::Output, &receiver);
    StreamFrameInfo info = testmedia::MakeFrameInfo(stream[0], 1, 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecodeAsyn(decoder, &info, stream[0].data.data(), 0), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecodeAsyn(decoder, &info, stream[0].data.data(), -5), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecodeAsyn(decoder, &info, nullptr, 10), 0);
    EXPECT_EQ(TEGMO_DEC_VideoDecodeAsyn(decoder, nullptr, stream[0].data.data(), 10), 0);
    EXPECT_EQ(Submit(decoder, stream[1], 7), 0);  // P-frame after a gap
    EXPECT_EQ(TEGMO_DEC_ThrowBFrame(decoder, 1), 1);
    ASSERT_EQ(stream[2].kind, TEGMO_FRAME_B);
    EXPECT_EQ(Submit(decoder, stream[0], 1), 1);
    EXPECT_EQ(Submit(decoder, stream[1], 2), 1);
    EXPECT_EQ(Submit(decoder, stream[2], 3), 0);  // B-frame refused at submission
    EXPECT_EQ(Submit(decoder, stream[3], 4), 0);
    EXPECT_EQ(Submit(decoder, stream[4], 5), 1);  // the refused B-frames' numbers still count: no gap
}

TEST(VideoAsync, SynchronousDecodeOnAThreadedDecoderTakesTurnsWithTheThread) {
    LibraryScope library;
    Receiver receiver;
    const auto& stream = StreamIP();
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 0, 1, &Receiver::Output, &receiver);
    // Both paths feed whole GOPs of I-frames only, so every frame decodes whichever path runs first.
    std::vector<const testmedia::EncodedVideoFrame*> keys;
    for (const auto& frame : stream) {
        if (frame.kind == TEGMO_FRAME_I) keys.push_back(&frame);
    }
    ASSERT_EQ(keys.size(), 3u);
    int synchronous = 0;
    for (int round = 0; round < 10; ++round) {
        for (const auto* key : keys) {
            ASSERT_EQ(Submit(decoder, *key, 0), 1);
            YuvPicture picture;
            StreamFrameInfo info = testmedia::MakeFrameInfo(*key, 0, TimestampOf(key->displayIndex));
            synchronous += TEGMO_DEC_VideoDecode(decoder, &info, key->data.data(),
                                                 static_cast<int32_t>(key->data.size()), &picture.frame);
        }
    }
    EXPECT_TRUE(receiver.WaitFor(30));
    EXPECT_EQ(synchronous, 30);
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);
}

TEST(VideoAsync, DeleteFromTheOutputCallbackIsRefused) {
    LibraryScope library;
    struct SelfDeleter {
        static int32_t TEGMO_API Output(TEGMO_DEC_HANDLE decoder, TEGMO_YUV_FRAME* frame, void* user) {
            static_cast<std::atomic<int32_t>*>(user)->store(TEGMO_DEC_DeleteVideoDecoder(decoder) + 10);
            TEGMO_DEC_ReleaseYUVFrame(frame);
            return 1;
        }
    };
    std::atomic<int32_t> result{0};
    TEGMO_DEC_HANDLE decoder = TEGMO_DEC_CreateVideoDecoder(1, 1, 1, &SelfDeleter::Output, &result);
    ASSERT_EQ(Submit(decoder, StreamIP()[0], 1), 1);
    for (int i = 0; i < 1000 && result.load() == 0; ++i) std::this_thread::sleep_for(5ms);
    EXPECT_EQ(result.load(), 10);  // 0 from the delete
    EXPECT_EQ(TEGMO_DEC_GetVideoDecoderCount(), 1);
    EXPECT_EQ(TEGMO_DEC_DeleteVideoDecoder(decoder), 1);
}

}  // namespace
