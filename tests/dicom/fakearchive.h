// A misbehaving archive for the tests, in-process on 127.0.0.1, one association at a time: it
// accepts associations and then never answers anything, or answers a worklist query with
// "pending" entries for ever; or it rejects associations, aborts them at the first request,
// accepts no picture storage, or answers every store with a status the test sets. The behaviour
// can change while it runs (taking effect with the next association), as an archive that is
// mended. Stopped (its thread joined) when the object goes away.
#pragma once

#include <atomic>
#include <cstdint>
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
        Reject,          // rejects every association
        Abort,           // accepts, then aborts the association at the first request
        NoPictures,      // accepts verification and the worklist but no picture storage
        Answer,          // answers echoes, and each store with the status of SetStoreStatus (0)
    };

    explicit FakeArchive(Behaviour behaviour);
    // From any thread; the association in progress keeps the behaviour it began with, except for
    // the store status, which the next store answers with.
    void SetBehaviour(Behaviour behaviour) { m_behaviour = behaviour; }
    void SetStoreStatus(uint16_t status) { m_storeStatus = status; }
    ~FakeArchive();
    FakeArchive(const FakeArchive&) = delete;
    FakeArchive& operator=(const FakeArchive&) = delete;

    // False, with the reason, when it could not listen.
    bool Listening(std::string* error) const;
    dicom::PacsAddress Address() const;  // FAKE@127.0.0.1:port, calling KAVIMO
    // Associations accepted so far.
    int Accepted() const { return m_accepted; }
    // Stores received so far (whatever the answer), and associations rejected or aborted.
    int Stores() const { return m_stores; }
    int Rejected() const { return m_rejected; }
    int Aborted() const { return m_aborted; }

private:
    void Serve();
    void AnswerPendingForever(T_ASC_Association* association);
    // Answers echoes and stores until the peer releases or goes.
    void AnswerRequests(T_ASC_Association* association, Behaviour behaviour);

    std::atomic<Behaviour> m_behaviour;
    std::atomic<uint16_t> m_storeStatus{0};
    std::atomic<int> m_stores{0};
    std::atomic<int> m_rejected{0};
    std::atomic<int> m_aborted{0};
    int m_port = 0;
    std::string m_error;
    T_ASC_Network* m_network = nullptr;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_accepted{0};
    std::thread m_thread;
};

}  // namespace dicomtest
