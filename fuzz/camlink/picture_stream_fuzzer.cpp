// The picture channel's message stream: arbitrary bytes from a fake TCP peer, delivered in pieces
// of varying size, run through the picture loop as over a real connection.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "camlink/udp.h"

namespace {

// Hands the input out in pieces whose sizes come from the input itself, and plays the main
// window: every read takes the waiting preview, so a held preview never stalls the loop.
class FuzzSource : public CUdpByteSource {
public:
    FuzzSource(CUdp* udp, const uint8_t* data, size_t size) : m_udp(udp), m_data(data), m_size(size) {}
    long Read(uint8_t* buffer, size_t capacity) override {
        m_udp->m_bPreviewReady = 0;
        if (m_pos >= m_size) return 0;  // the peer closed the connection
        size_t piece = 1 + (m_data[m_pos] % 97) * 37;
        if (piece > capacity) piece = capacity;
        if (piece > m_size - m_pos) piece = m_size - m_pos;
        std::memcpy(buffer, m_data + m_pos, piece);
        m_pos += piece;
        return static_cast<long>(piece);
    }

private:
    CUdp* m_udp;
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CUdp* udp = new CUdp();  // never Init: no sockets, no threads, no records store
    udp->m_bPictureEnable = 1;
    FuzzSource source(udp, data, size);
    CUdp::SessionEnd end = udp->RunPictureSession(source);
    if (end != CUdp::SessionEnd::ReadFailed) __builtin_trap();  // the input always runs out
    const CPreviewStream* preview = udp->PreviewStream();
    if (preview->Size() > camlink::kMaxPictureLength) __builtin_trap();
    if (udp->m_bSaved.load()) __builtin_trap();  // nowhere to save without a patient
    return 0;
}
