#include "camlink/cameraprotocol.h"

namespace camlink {

namespace {
void PutLe32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
    out[2] = static_cast<uint8_t>(value >> 16);
    out[3] = static_cast<uint8_t>(value >> 24);
}

uint32_t GetLe32(const uint8_t* in) {
    return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 | static_cast<uint32_t>(in[2]) << 16 |
           static_cast<uint32_t>(in[3]) << 24;
}
}  // namespace

void EncodeCommand(const CameraCommand& command, uint8_t out[kCommandDatagramSize]) {
    PutLe32(out, command.magic);
    PutLe32(out + 4, command.code);
    PutLe32(out + 8, command.arg1);
    PutLe32(out + 12, command.arg2);
}

bool DecodeCommand(const uint8_t* data, size_t length, CameraCommand* command) {
    if (!data || length != kCommandDatagramSize) return false;
    command->magic = GetLe32(data);
    command->code = GetLe32(data + 4);
    command->arg1 = GetLe32(data + 8);
    command->arg2 = GetLe32(data + 12);
    return true;
}

void EncodePictureHeader(const PictureHeader& header, uint8_t out[kPictureHeaderSize]) {
    PutLe32(out, header.type);
    PutLe32(out + 4, header.length);
}

PictureHeader DecodePictureHeader(const uint8_t in[kPictureHeaderSize]) {
    PictureHeader header;
    header.type = GetLe32(in);
    header.length = GetLe32(in + 4);
    return header;
}

}  // namespace camlink
