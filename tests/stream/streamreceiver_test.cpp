// The stream receiver on 127.0.0.1, ports chosen by the kernel.
#include <gtest/gtest.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/debug.h"
#include "receivertestutil.h"
#include "stream/streamreceiver.h"
#include "stream/streamwriter.h"
#include "streamtestutil.h"

namespace {

using namespace streamtest;
using stream::OutgoingFrame;

size_t EntriesIn(const char* directory) {
    size_t n = 0;
    for (auto it = std::filesystem::directory_iterator(directory); it != std::filesystem::directory_iterator(); ++it) {
        ++n;
    }
    return n;
}

// Threads of this process. A thread is started and joined first, so that a helper thread a
// sanitizer's runtime starts with the first thread is already counted.
size_t ThreadCount() {
    static const bool warmedUp = [] {
        std::thread([] {}).join();
        return true;
    }();
    (void)warmedUp;
    return EntriesIn("/proc/self/task");
}

// A joined thread may linger in the task list for a moment after the join returns.
bool ThreadCountSettlesAt(size_t expected) {
    for (int i = 0; i < 200 && ThreadCount() != expected; ++i) platform::SleepMs(5);
    return ThreadCount() == expected;
}

StreamFrameInfo InfoFor(const OutgoingFrame& frame, uint8_t kind) {
    StreamFrameInfo info;
    std::memset(&info, 0, sizeof info);
    info.frameKind = kind;
    info.attribute = frame.attribute;
    info.sizeWord1 = frame.sizeWord1;
    info.sizeWord2 = frame.sizeWord2;
    info.timestamp = frame.timestamp;
    info.sequence = frame.sequence;
    return info;
}

// Sends each fragment in a datagram of its own, as the camera does.
void SendFragmented(LoopbackSender& sender, const OutgoingFrame& frame, size_t fragmentPayload) {
    std::vector<uint8_t> datagram(65536);
    for (size_t i = 0; i < stream::FragmentCount(frame, fragmentPayload); ++i) {
        size_t n = stream::WriteFragment(frame, fragmentPayload, i, datagram.data(), datagram.size());
        ASSERT_GT(n, 0u);
        sender.Send(datagram.data(), n);
    }
}

TEST(StreamReceiver, DeliversVideoFramesWithTheirInfoButNeverKinds3And4) {
    Collector collector;
    uint16_t port = 0;
    StreamReceiver* receiver =
        CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, Collector::Callback, &collector, &port);
    ASSERT_NE(receiver, nullptr);
    LoopbackSender sender(port);

    std::mt19937 rng(20);
    const uint8_t types[] = {0xA1, 0xA4, 0xA0, 0xA5, 0xA2, 0xA1};
    const size_t sizes[] = {3000, 100, 20000, 50, 1, 60000};
    std::vector<std::vector<uint8_t>> payloads;
    std::vector<OutgoingFrame> frames;
    for (size_t i = 0; i < 6; ++i) {
        payloads.push_back(RandomPayload(rng, sizes[i]));
        OutgoingFrame f = FullFrame(payloads.back(), types[i], static_cast<uint8_t>(254 + i));
        f.attribute = static_cast<uint8_t>(i + 1);
        f.sizeWord1 = static_cast<uint16_t>(640 + i);
        f.sizeWord2 = static_cast<uint16_t>(480 + i);
        f.timestamp = 1000000ull * (i + 1);
        frames.push_back(f);
    }
    for (const auto& f : frames) SendFragmented(sender, f, 1400);

    ASSERT_TRUE(collector.WaitFor(4));
    StreamReceiver_Destroy(receiver);
    auto delivered = collector.Frames();
    ASSERT_EQ(delivered.size(), 4u);  // the A4 and A5 frames came before the last one
    const size_t video[] = {0, 2, 4, 5};
    const uint8_t kinds[] = {0, 1, 2, 0};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const OutgoingFrame& f = frames[video[i]];
        StreamFrameInfo expected = InfoFor(f, kinds[i]);
        EXPECT_EQ(0, std::memcmp(&delivered[i].info, &expected, sizeof expected));
        EXPECT_EQ(delivered[i].info.frameKind, kinds[i]);
        EXPECT_EQ(delivered[i].info.sequence, f.sequence);
        EXPECT_EQ(delivered[i].info.timestamp, f.timestamp);
        EXPECT_EQ(delivered[i].length, static_cast<int32_t>(f.payloadSize));
        EXPECT_EQ(delivered[i].data, payloads[video[i]]);
        EXPECT_EQ(delivered[i].receiver, receiver);
        EXPECT_EQ(delivered[i].userData, &collector);
    }
}

TEST(StreamReceiver, FramesWithALostDatagramAreSkippedAndTheOthersDelivered) {
    Collector collector;
    uint16_t port = 0;
    StreamReceiver* receiver =
        CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, Collector::Callback, &collector, &port);
    ASSERT_NE(receiver, nullptr);
    LoopbackSender sender(port);
    auto payload = CleanPayload(14000);
    std::vector<uint8_t> datagram(2000);
    // Frame 1 loses its middle fragment, frame 3 its first: neither may be delivered.
    const size_t lost[] = {99, 4, 99, 0, 99};
    for (uint8_t seq = 0; seq < 5; ++seq) {
        OutgoingFrame frame = FullFrame(payload, 0xA0, seq);
        for (size_t i = 0; i < stream::FragmentCount(frame, 1400); ++i) {
            if (i == lost[seq]) continue;
            size_t n = stream::WriteFragment(frame, 1400, i, datagram.data(), datagram.size());
            sender.Send(datagram.data(), n);
        }
    }
    ASSERT_TRUE(collector.WaitFor(3));
    StreamReceiver_Destroy(receiver);
    auto delivered = collector.Frames();
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_EQ(delivered[0].info.sequence, 0);
    EXPECT_EQ(delivered[1].info.sequence, 2);
    EXPECT_EQ(delivered[2].info.sequence, 4);
    for (const auto& frame : delivered) EXPECT_EQ(frame.data, payload);
}

// A fragment claiming nearly the whole ring fills it without ever completing: with no room for
// the next datagram and nothing consumed for a second, the ring is cleared and the stream goes on.
TEST(StreamReceiver, RingThatCanNeverYieldAFrameIsClearedAfterASecond) {
    std::vector<std::string> lines;
    auto previous = platform::SetDebugSink(
        [](const char* text, void* context) { static_cast<std::vector<std::string>*>(context)->push_back(text); },
        &lines);
    Collector collector;
    uint16_t port = 0;
    StreamReceiver* receiver =
        CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, Collector::Callback, &collector, &port);
    ASSERT_NE(receiver, nullptr);
    LoopbackSender sender(port);
    auto filler = CleanPayload(60000);
    OutgoingFrame claim = FullFrame(filler, 0xA1, 1);
    auto header = stream::Fragmented(claim, 0);
    const uint32_t claimed = 500000;  // fits the 512000-byte ring, yet never arrives
    std::memcpy(header.data() + 8, &claimed, 4);
    sender.Send(header);                              // header, frame block and the first 60000 bytes
    for (int i = 0; i < 8; ++i) sender.Send(filler);  // 540000 bytes claimed so far
    auto payload = CleanPayload(1000, 9);
    OutgoingFrame good = FullFrame(payload, 0xA0, 2);
    sender.Send(stream::Fragmented(good, 0));
    ASSERT_TRUE(collector.WaitFor(1, std::chrono::seconds(5)));
    StreamReceiver_Destroy(receiver);
    platform::SetDebugSink(previous, nullptr);
    auto delivered = collector.Frames();
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].data, payload);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("ring cleared"), std::string::npos) << lines[0];
}

TEST(StreamReceiver, WholeFrameStreamTypesDeliverFrames) {
    for (int type : {STREAM_TYPE_WHOLE_FRAME_13, STREAM_TYPE_WHOLE_FRAME}) {
        SCOPED_TRACE(type);
        Collector collector;
        uint16_t port = 0;
        StreamReceiver* receiver = CreateOnFreePort("127.0.0.1", type, Collector::Callback, &collector, &port);
        ASSERT_NE(receiver, nullptr);
        LoopbackSender sender(port);
        std::mt19937 rng(21);
        auto payload = RandomPayload(rng, 30000);
        OutgoingFrame frame = FullFrame(payload, 0xA0, 9);
        auto wire = stream::WholeFrame(frame);
        // Datagrams of 1000 bytes: the header and the data arrive cut at arbitrary places.
        for (size_t at = 0; at < wire.size(); at += 1000) {
            sender.Send(wire.data() + at, std::min<size_t>(1000, wire.size() - at));
        }
        ASSERT_TRUE(collector.WaitFor(1));
        StreamReceiver_Destroy(receiver);
        auto delivered = collector.Frames();
        ASSERT_EQ(delivered.size(), 1u);
        StreamFrameInfo expected = InfoFor(frame, 1);
        EXPECT_EQ(0, std::memcmp(&delivered[0].info, &expected, sizeof expected));
        EXPECT_EQ(delivered[0].data, payload);
    }
}

TEST(StreamReceiver, AnyAddressReceivesOnEveryLocalAddress) {
    for (const char* address : {"0.0.0.0", "", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(address ? address : "null");
        Collector collector;
        uint16_t port = 0;
        StreamReceiver* receiver =
            CreateOnFreePort(address, STREAM_TYPE_FRAGMENTED, Collector::Callback, &collector, &port);
        ASSERT_NE(receiver, nullptr);
        LoopbackSender sender(port);
        auto payload = CleanPayload(10);
        sender.Send(stream::Fragmented(FullFrame(payload), 0));
        EXPECT_TRUE(collector.WaitFor(1));
        StreamReceiver_Destroy(receiver);
    }
}

TEST(StreamReceiver, FailedCreationLeavesNothingOpenOrRunning) {
    const size_t fds = EntriesIn("/proc/self/fd");
    const size_t threads = ThreadCount();
    int holder = platform::OpenUdpSocket("127.0.0.1", 0, false);
    uint16_t port = platform::LocalPort(holder);
    platform::CloseSocket(holder);

    for (int type : {0, 4, -1}) {
        EXPECT_EQ(StreamReceiver_Create("127.0.0.1", port, nullptr, type, nullptr, nullptr), nullptr);
    }
    EXPECT_EQ(StreamReceiver_Create("127.0.0.1", -1, nullptr, 1, nullptr, nullptr), nullptr);
    EXPECT_EQ(StreamReceiver_Create("127.0.0.1", 65536, nullptr, 1, nullptr, nullptr), nullptr);
    EXPECT_EQ(StreamReceiver_Create("not an address", port, nullptr, 1, nullptr, nullptr), nullptr);
    // Opened as multicast by the textual rule; not a group, so the join fails.
    EXPECT_EQ(StreamReceiver_Create("23.1.1.1", port, nullptr, 1, nullptr, nullptr), nullptr);
    EXPECT_EQ(StreamReceiver_Create("225.1.1.1", port, "bogus", 1, nullptr, nullptr), nullptr);

    // A port held by a socket that does not share it.
    int exclusive = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr;
    platform::MakeAddress("127.0.0.1", 0, &addr);
    ASSERT_EQ(::bind(exclusive, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    uint16_t taken = platform::LocalPort(exclusive);
    EXPECT_EQ(StreamReceiver_Create("127.0.0.1", taken, nullptr, 1, nullptr, nullptr), nullptr);
    platform::CloseSocket(exclusive);

    EXPECT_EQ(EntriesIn("/proc/self/fd"), fds);
    EXPECT_TRUE(ThreadCountSettlesAt(threads));
    EXPECT_TRUE(PortIsFree(port));
    StreamReceiver_Destroy(nullptr);
}

TEST(StreamReceiver, DestroyClosesTheSocketAndEndsTheThreads) {
    const size_t fds = EntriesIn("/proc/self/fd");
    const size_t threads = ThreadCount();
    uint16_t port = 0;
    StreamReceiver* receiver = CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, nullptr, nullptr, &port);
    ASSERT_NE(receiver, nullptr);
    EXPECT_EQ(ThreadCount(), threads + 2);
    EXPECT_FALSE(PortIsFree(port));
    StreamReceiver_Destroy(receiver);
    EXPECT_TRUE(PortIsFree(port));
    EXPECT_EQ(EntriesIn("/proc/self/fd"), fds);
    EXPECT_TRUE(ThreadCountSettlesAt(threads));
}

TEST(StreamReceiver, MulticastChoiceIsTextual) {
    EXPECT_TRUE(StreamReceiver_IsMulticastAddress("225.1.1.1"));
    EXPECT_TRUE(StreamReceiver_IsMulticastAddress("224.0.0.1"));
    EXPECT_TRUE(StreamReceiver_IsMulticastAddress("239.255.255.254"));
    EXPECT_TRUE(StreamReceiver_IsMulticastAddress("23.1.1.1"));  // sorts between, as text
    EXPECT_TRUE(StreamReceiver_IsMulticastAddress("230.a"));     // case plays no part
    EXPECT_TRUE(StreamReceiver_IsMulticastAddress("230.A"));
    EXPECT_FALSE(StreamReceiver_IsMulticastAddress("224.0.0.0"));
    EXPECT_FALSE(StreamReceiver_IsMulticastAddress("239.255.255.255"));
    EXPECT_FALSE(StreamReceiver_IsMulticastAddress("24.1.1.1"));
    EXPECT_FALSE(StreamReceiver_IsMulticastAddress("127.0.0.1"));
    EXPECT_FALSE(StreamReceiver_IsMulticastAddress("0.0.0.0"));
    EXPECT_FALSE(StreamReceiver_IsMulticastAddress(""));
    EXPECT_FALSE(StreamReceiver_IsMulticastAddress(nullptr));
}

// Exit codes of the child that tries a real join.
enum JoinResult { kJoined = 0, kNoNamespace = 10, kJoinFailed = 11, kNotListed = 12 };

// In a network namespace of its own (only a loopback interface, so nothing can leave the host),
// the child creates a receiver for 225.1.1.1 on the loopback interface and looks for the group in
// the kernel's membership list. Nothing is sent to the group.
int TryMulticastJoinInPrivateNamespace() {
    if (::unshare(CLONE_NEWNET) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0) {
        return kNoNamespace;
    }
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    request.ifr_flags = IFF_UP | IFF_LOOPBACK | IFF_RUNNING | IFF_MULTICAST;
    bool up = ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    if (!up) return kNoNamespace;
    StreamReceiver* receiver = StreamReceiver_Create("225.1.1.1", 0, "127.0.0.1", 1, nullptr, nullptr);
    if (!receiver) return kJoinFailed;
    std::ifstream igmp("/proc/net/igmp");
    std::stringstream text;
    text << igmp.rdbuf();
    StreamReceiver_Destroy(receiver);
    return text.str().find("010101E1") != std::string::npos ? kJoined : kNotListed;
}

TEST(StreamReceiver, MulticastAddressJoinsTheGroup) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(TryMulticastJoinInPrivateNamespace());
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    switch (WEXITSTATUS(status)) {
        case kNoNamespace:
            GTEST_SKIP() << "no private network namespace available here; the join is tested "
                            "only where nothing can leave the host";
        case kJoinFailed:
            GTEST_SKIP() << "joining 225.1.1.1 on the loopback interface failed: no multicast "
                            "support in this environment";
        default:
            EXPECT_EQ(WEXITSTATUS(status), kJoined) << "the group is missing from /proc/net/igmp";
    }
}

struct SlowCallback {
    std::chrono::milliseconds delay;
    std::atomic<int> entered{0};
    std::atomic<int> returned{0};

    static int32_t Callback(StreamReceiver*, StreamFrameInfo*, uint8_t*, int32_t, void* user) {
        auto* self = static_cast<SlowCallback*>(user);
        ++self->entered;
        std::this_thread::sleep_for(self->delay);
        ++self->returned;
        return 0;
    }
};

void ExpectDestroyWaitsFor(SlowCallback& slow) {
    uint16_t port = 0;
    StreamReceiver* receiver =
        CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, SlowCallback::Callback, &slow, &port);
    ASSERT_NE(receiver, nullptr);
    LoopbackSender sender(port);
    auto payload = CleanPayload(100);
    for (uint8_t seq = 0; seq < 3; ++seq) {
        sender.Send(stream::Fragmented(FullFrame(payload, 0xA1, seq), 0));
    }
    for (int i = 0; i < 1000 && slow.entered.load() == 0; ++i) platform::SleepMs(5);
    ASSERT_EQ(slow.entered.load(), 1);
    StreamReceiver_Destroy(receiver);
    EXPECT_EQ(slow.returned.load(), 1);  // the running callback had ended
    EXPECT_EQ(slow.entered.load(), 1);   // and no frame was delivered after destroy began
    EXPECT_TRUE(PortIsFree(port));
}

TEST(StreamReceiver, DestroyWaitsForASlowCallback) {
    SlowCallback slow{std::chrono::milliseconds(300)};
    ExpectDestroyWaitsFor(slow);
}

void CaptureLine(const char* text, void* context) { static_cast<std::vector<std::string>*>(context)->push_back(text); }

// Past the three seconds of polling, destroy keeps waiting: the thread's resources are never
// freed under it.
TEST(StreamReceiver, DestroyKeepsWaitingForACallbackBeyondThreeSeconds) {
    std::vector<std::string> lines;
    auto previous = platform::SetDebugSink(CaptureLine, &lines);
    SlowCallback slow{std::chrono::milliseconds(3700)};
    ExpectDestroyWaitsFor(slow);
    platform::SetDebugSink(previous, nullptr);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("parse thread still running"), std::string::npos) << lines[0];
}

struct SelfDestroyingCallback {
    std::atomic<int> calls{0};
    static int32_t Callback(StreamReceiver* receiver, StreamFrameInfo*, uint8_t*, int32_t, void* user) {
        ++static_cast<SelfDestroyingCallback*>(user)->calls;
        StreamReceiver_Destroy(receiver);
        return 0;
    }
};

TEST(StreamReceiver, CallbackMayDestroyItsOwnReceiver) {
    SelfDestroyingCallback self;
    uint16_t port = 0;
    StreamReceiver* receiver =
        CreateOnFreePort("127.0.0.1", STREAM_TYPE_FRAGMENTED, SelfDestroyingCallback::Callback, &self, &port);
    ASSERT_NE(receiver, nullptr);
    LoopbackSender sender(port);
    auto payload = CleanPayload(100);
    std::vector<uint8_t> wire;
    for (uint8_t seq = 0; seq < 5; ++seq) {
        Append(wire, stream::Fragmented(FullFrame(payload, 0xA1, seq), 0));
    }
    sender.Send(wire);  // five frames in one datagram: all in the ring at once
    bool freed = false;
    for (int i = 0; i < 500 && !freed; ++i) {
        platform::SleepMs(10);
        freed = self.calls.load() > 0 && PortIsFree(port);
    }
    EXPECT_TRUE(freed);
    EXPECT_EQ(self.calls.load(), 1);
}

}  // namespace
