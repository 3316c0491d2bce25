#include "stream/streamwriter.h"

#include <cstring>

namespace stream {

namespace {

constexpr uint8_t kLastFragmentFlag = 0x02;

void put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void put64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Payload bytes carried by fragment `index` of `count`.
size_t fragmentPayloadSize(const OutgoingFrame& frame, size_t fragmentPayload, size_t count, size_t index) {
    if (count == 1) return frame.payloadSize;
    if (index + 1 < count) return fragmentPayload;
    return frame.payloadSize - fragmentPayload * (count - 1);
}

}  // namespace

size_t FragmentCount(const OutgoingFrame& frame, size_t fragmentPayload) {
    if (fragmentPayload == 0 || frame.payloadSize <= fragmentPayload) return 1;
    return (frame.payloadSize + fragmentPayload - 1) / fragmentPayload;
}

size_t FragmentSize(const OutgoingFrame& frame, size_t fragmentPayload, size_t index) {
    size_t count = FragmentCount(frame, fragmentPayload);
    if (index >= count) return 0;
    size_t size = FRAME_PACKET_HEADER_SIZE + fragmentPayloadSize(frame, fragmentPayload, count, index);
    if (index + 1 == count) size += FRAME_BLOCK_SIZE;
    return size;
}

size_t FragmentedSize(const OutgoingFrame& frame, size_t fragmentPayload) {
    size_t count = FragmentCount(frame, fragmentPayload);
    return count * FRAME_PACKET_HEADER_SIZE + FRAME_BLOCK_SIZE + frame.payloadSize;
}

size_t WriteFragment(const OutgoingFrame& frame, size_t fragmentPayload, size_t index, uint8_t* out, size_t outSize) {
    size_t count = FragmentCount(frame, fragmentPayload);
    size_t size = FragmentSize(frame, fragmentPayload, index);
    if (size == 0 || !out || outSize < size) return 0;
    const bool last = index + 1 == count;
    size_t payloadLength = fragmentPayloadSize(frame, fragmentPayload, count, index);

    uint8_t* p = out;
    p[0] = 0x00;
    p[1] = 0x00;
    p[2] = 0x01;
    p[3] = frame.type;
    p[4] = frame.packetInfo;
    p[5] = frame.sequence;
    p[6] = static_cast<uint8_t>(index);  // the index byte wraps on frames of over 256 fragments
    p[7] = last ? static_cast<uint8_t>(frame.fragmentFlags | kLastFragmentFlag)
                : static_cast<uint8_t>(frame.fragmentFlags & ~kLastFragmentFlag);
    put32(p + 8, static_cast<uint32_t>(payloadLength));
    p += FRAME_PACKET_HEADER_SIZE;

    if (last) {
        put64(p, frame.timestamp);
        std::memcpy(p + 8, frame.blockInfo, 3);
        p[11] = frame.attribute;
        put16(p + 12, frame.sizeWord1);
        put16(p + 14, frame.sizeWord2);
        put32(p + 16, frame.blockWord);
        put32(p + 20, frame.frameLength());
        p[24] = frame.limitedValue;
        p[25] = frame.blockByte25;
        p[26] = frame.blockFlags;
        p[27] = frame.blockByte27;
        p += FRAME_BLOCK_SIZE;
    }
    if (payloadLength) std::memcpy(p, frame.payload + index * fragmentPayload, payloadLength);
    return size;
}

size_t WriteFragmented(const OutgoingFrame& frame, size_t fragmentPayload, uint8_t* out, size_t outSize) {
    size_t total = FragmentedSize(frame, fragmentPayload);
    if (!out || outSize < total) return 0;
    size_t count = FragmentCount(frame, fragmentPayload);
    size_t at = 0;
    for (size_t i = 0; i < count; ++i) {
        at += WriteFragment(frame, fragmentPayload, i, out + at, outSize - at);
    }
    return at;
}

std::vector<uint8_t> Fragmented(const OutgoingFrame& frame, size_t fragmentPayload) {
    std::vector<uint8_t> bytes(FragmentedSize(frame, fragmentPayload));
    WriteFragmented(frame, fragmentPayload, bytes.data(), bytes.size());
    return bytes;
}

size_t WholeFrameSize(const OutgoingFrame& frame) { return FRAME_HEADER_SIZE + frame.payloadSize; }

size_t WriteWholeFrame(const OutgoingFrame& frame, uint8_t* out, size_t outSize) {
    size_t total = WholeFrameSize(frame);
    if (!out || outSize < total) return 0;
    ParsedFrameHeader header = HeaderFor(frame);
    std::memcpy(out, &header, sizeof header);  // the stream formats are little-endian, as we are
    if (frame.payloadSize) std::memcpy(out + FRAME_HEADER_SIZE, frame.payload, frame.payloadSize);
    return total;
}

std::vector<uint8_t> WholeFrame(const OutgoingFrame& frame) {
    std::vector<uint8_t> bytes(WholeFrameSize(frame));
    WriteWholeFrame(frame, bytes.data(), bytes.size());
    return bytes;
}

ParsedFrameHeader HeaderFor(const OutgoingFrame& frame) {
    ParsedFrameHeader header;
    std::memset(&header, 0, sizeof header);
    header.startCode[0] = 0x00;
    header.startCode[1] = 0x00;
    header.startCode[2] = 0x01;
    header.startCode[3] = frame.type;
    header.packetInfo = frame.packetInfo;
    std::memcpy(header.blockInfo, frame.blockInfo, 3);
    header.attribute = frame.attribute;
    header.sequence = frame.sequence;
    header.limitedValue = frame.limitedValue;
    header.blockWord = frame.blockWord;
    header.frameLength = frame.frameLength();
    header.blockFlag10 = frame.blockFlags & 0x10u;
    header.size = (static_cast<uint32_t>(frame.sizeWord1) << 16) | frame.sizeWord2;
    header.blockFlag01 = frame.blockFlags & 0x01u;
    header.timestamp = frame.timestamp;
    header.blockByte25 = frame.blockByte25;
    header.sequenceTail = frame.sequence;
    return header;
}

}  // namespace stream
