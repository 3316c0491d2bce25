// Every address and port of the camera link. The defaults are the product's: the cameras' own
// addresses on their WiFi networks. Tests and the demo mode point everything at 127.0.0.1 and use
// port 0 for the local sockets (the kernel chooses; CUdp reports what it got).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct CameraLinkConfig {
    // Stream camera: commands go to streamCameraIp:streamCameraPort; its replies, heartbeats and
    // keys arrive on local port streamLocalPort. Its video arrives on videoPort (used by the
    // stream receiver of the live view, not by CUdp).
    std::string streamCameraIp = "172.16.10.1";
    uint16_t streamCameraPort = 7777;
    uint16_t streamLocalPort = 7777;
    uint16_t videoPort = 8888;

    // Picture camera: commands go to pictureCameraIp:pictureCameraPort, replies arrive on local
    // port pictureLocalPort, pictures come over TCP from pictureCameraIp:pictureTcpPort.
    std::string pictureCameraIp = "192.168.239.1";
    uint16_t pictureCameraPort = 6000;
    uint16_t pictureLocalPort = 5000;
    uint16_t pictureTcpPort = 5000;

    // Local address the two receiving sockets bind to ("0.0.0.0": all addresses).
    std::string localBindIp = "0.0.0.0";

    // Longest wait for one TCP connection attempt to the picture camera, so that a camera that
    // does not answer cannot hold the picture thread for the system's minutes-long default.
    int connectTimeoutMs = 2000;

    // The millisecond tick count the preview frame-rate window is measured with. Empty: the
    // system's (platform::TickCountMs). Tests substitute a clock they advance themselves.
    std::function<uint32_t()> tickCountMs;
};
