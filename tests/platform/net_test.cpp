#include "platform/net.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <cstring>

namespace {

TEST(Net, LoopbackAddressesAreRecognised) {
    EXPECT_TRUE(platform::IsLoopbackAddress("127.0.0.1"));
    EXPECT_TRUE(platform::IsLoopbackAddress("127.255.1.2"));
    EXPECT_FALSE(platform::IsLoopbackAddress("128.0.0.1"));
    EXPECT_FALSE(platform::IsLoopbackAddress("0.0.0.0"));
    EXPECT_FALSE(platform::IsLoopbackAddress(""));
    EXPECT_FALSE(platform::IsLoopbackAddress("localhost"));
}

TEST(Net, UdpDatagramTravelsBetweenKernelChosenPorts) {
    int a = platform::OpenUdpSocket("127.0.0.1", 0, true);
    int b = platform::OpenUdpSocket("127.0.0.1", 0, false);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    uint16_t portA = platform::LocalPort(a);
    ASSERT_NE(portA, 0);
    EXPECT_EQ(platform::WaitReadable(a, 10), 0);
    ASSERT_EQ(platform::SendTo(b, "hello", 5, "127.0.0.1", portA), 5);
    EXPECT_EQ(platform::WaitReadable(a, 1000), 1);
    char buf[16] = {};
    EXPECT_EQ(::recv(a, buf, sizeof buf, 0), 5);
    EXPECT_STREQ(buf, "hello");
    EXPECT_EQ(platform::SendTo(b, "x", 1, "not an address", portA), -1);
    platform::CloseSocket(a);
    platform::CloseSocket(b);
}

TEST(Net, TcpConnectSucceedsOnListenerAndFailsWhenRefused) {
    int listener = platform::OpenTcpListener("127.0.0.1", 0);
    ASSERT_GE(listener, 0);
    uint16_t port = platform::LocalPort(listener);
    int client = platform::ConnectTcp("127.0.0.1", port, 1000);
    EXPECT_GE(client, 0);
    platform::CloseSocket(client);
    platform::CloseSocket(listener);
    // Nobody listens on that port any more: refused at once, not after the wait.
    EXPECT_EQ(platform::ConnectTcp("127.0.0.1", port, 1000), -1);
}

}  // namespace
