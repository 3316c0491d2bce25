// A hostile archive for the tests, in-process on 127.0.0.1: it accepts associations and then
// either never answers anything, or answers a worklist query with "pending" entries for ever.
// Stopped (its thread joined) when the object goes away.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "dicom/pacsclient.h"

struct T_ASC_Network;
struct T_ASC_Association;

namespace dicomtest {

class FakeArchive {
public:
    enum class Behaviour {
        Silent,          // accepts the association, then reads and answers nothing
        PendingForever,  // answers a worklist query with one pending entry after another
    };

    explicit FakeArchive(Behaviour behaviour);
    ~FakeArchive();
    FakeArchive(const FakeArchive&) = delete;
    FakeArchive& operator=(const FakeArchive&) = delete;

    // False, with the reason, when it could not listen.
    bool Listening(std::string* error) const;
    dicom::PacsAddress Address() const;  // FAKE@127.0.0.1:port, calling KAVIMO
    // Associations accepted so far.
    int Accepted() const { return m_accepted; }

private:
    void Serve();
    void AnswerPendingForever(T_ASC_Association* association);

    const Behaviour m_behaviour;
    int m_port = 0;
    std::string m_error;
    T_ASC_Network* m_network = nullptr;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_accepted{0};
    std::thread m_thread;
};

}  // namespace dicomtest
