// Command datagrams as the two listeners receive them, without sockets. The input is a sequence of
// datagrams, each a header byte (bit 7: the picture camera's reply port; bits 0..5: length) and
// that many bytes; an identify reply's text datagram is the next one in the input.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "camlink/udp.h"

namespace {

class Owner : public CUdpOwner {
public:
    void AddHeartbeat() override { ++heartbeats; }
    void PostCameraKey(int code) override {
        if (code < 81 || code > 85) __builtin_trap();  // only keys are posted
        ++posted;
    }
    bool IsDeleteConfirmOpen() const override { return confirmOpen; }
    int AnswerDeleteConfirm(int answer) override {
        if (answer != 'y' && answer != 'n') __builtin_trap();
        return 1;
    }
    unsigned heartbeats = 0;
    unsigned posted = 0;
    bool confirmOpen = false;
};

struct Input {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    // The next datagram: its port, bytes and length; false at the end.
    bool Next(bool* picturePort, const uint8_t** bytes, size_t* length) {
        if (pos >= size) return false;
        uint8_t header = data[pos++];
        *picturePort = header & 0x80;
        size_t wanted = header & 0x3F;
        *length = wanted < size - pos ? wanted : size - pos;
        *bytes = data + pos;
        pos += *length;
        return true;
    }
};

long ReadText(void* context, uint8_t* buffer, size_t capacity) {
    auto* input = static_cast<Input*>(context);
    bool port;
    const uint8_t* bytes;
    size_t length;
    if (!input->Next(&port, &bytes, &length)) return -1;
    if (length > capacity) return -1;  // a longer datagram is a receive error
    std::memcpy(buffer, bytes, length);
    return static_cast<long>(length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CUdp* udp = new CUdp();  // never Init: no sockets, no threads
    Owner owner;
    owner.confirmOpen = size > 0 && (data[0] & 0x40);
    udp->SetOwner(&owner);
    Input input{data, size};
    bool picturePort;
    const uint8_t* bytes;
    size_t length;
    while (input.Next(&picturePort, &bytes, &length)) {
        bool command = udp->HandleCommandDatagram(picturePort ? CUdp::ListenPort::Port5000 : CUdp::ListenPort::Port7777,
                                                  bytes, length, ReadText, &input);
        if (command != (length == 16)) __builtin_trap();
    }
    (void)udp->CameraInfo();
    udp->SetOwner(nullptr);
    return 0;
}
