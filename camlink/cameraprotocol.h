// The wire formats between the application and the two cameras: the 16-byte command datagram
// (both cameras, both directions) and the picture message of the picture camera's TCP channel.
// Plain encode/decode functions without sockets, shared by the camera link and the simulator.
#pragma once

#include <cstddef>
#include <cstdint>

namespace camlink {

constexpr uint32_t CAMERA_CMD_MAGIC = 0x5A5A5A5A;
constexpr size_t kCommandDatagramSize = 16;
constexpr size_t kCameraInfoSize = 32;  // the identify reply's text datagram, at most

// Command codes.
constexpr uint32_t kCmdIdentify = 1;   // to a camera: identify; from it: the reply
constexpr uint32_t kCmdHeartbeat = 2;  // stream camera's periodic status message
constexpr uint32_t kKeyFirst = 81;     // camera keys 0x51..0x55
constexpr uint32_t kKeyLast = 85;
constexpr uint32_t kKeyDelete = 81;  // answers an open delete confirmation with 'y'
constexpr uint32_t kKeyFreeze = 85;  // answers an open delete confirmation with 'n'

struct CameraCommand {
    uint32_t magic = CAMERA_CMD_MAGIC;
    uint32_t code = 0;
    uint32_t arg1 = 0;
    uint32_t arg2 = 0;
};

// Writes the 16 little-endian bytes of a command.
void EncodeCommand(const CameraCommand& command, uint8_t out[kCommandDatagramSize]);

// Reads a command from exactly 16 bytes. False for any other length; the magic is not checked
// here (a datagram with a foreign magic is still a well-formed datagram that the caller ignores).
bool DecodeCommand(const uint8_t* data, size_t length, CameraCommand* command);

// Picture message on the TCP channel: type (1 = captured picture, anything else = preview),
// length, then `length` bytes of JPEG data.
constexpr size_t kPictureHeaderSize = 8;
constexpr uint32_t kPictureCaptured = 1;
constexpr uint32_t kPicturePreview = 0;
constexpr uint32_t kMaxPictureLength = 1048576;  // one receive buffer

struct PictureHeader {
    uint32_t type = kPicturePreview;
    uint32_t length = 0;
};

void EncodePictureHeader(const PictureHeader& header, uint8_t out[kPictureHeaderSize]);
PictureHeader DecodePictureHeader(const uint8_t in[kPictureHeaderSize]);

inline bool IsCameraKey(uint32_t code) { return code >= kKeyFirst && code <= kKeyLast; }

}  // namespace camlink
