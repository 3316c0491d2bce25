// The outbox: pictures waiting to be sent to the archive. The queue lives in a file of the work
// directory, rewritten as a whole (never half-written), so queued pictures survive a restart, a
// kill or a power cut. New pictures are on the disk before Enqueue returns; pictures that left
// the queue are written out at most a second later, at the end of each round and before Stop
// returns (after a kill they are sent once more, which the archive takes as the same object).
// A picture leaves the queue only when the archive has confirmed its store (a warning included),
// or when it can never be sent (the picture is gone, unreadable, not a JPEG, larger than kavimo
// decodes or outside the work directory, or the archive refused it as unacceptable on
// kOutboxUnacceptableTries tries; the listener hears the reason). While the archive cannot be
// reached, or refuses pictures, the sender tries again with a growing pause, each time over a
// new association: one that failed a round, or that goes to an archive no longer set, is closed.
//
// Threads: Enqueue, Start, Stop, RetryNow and the getters may be called from any thread (the
// application calls them from the user-interface thread). The queue file is read, and the
// sending runs, on the outbox's own thread, which also calls the listener. No call from another
// thread waits on the archive: Stop ends a wait on it at once (only a TCP connect in progress
// runs to its 2 s timeout); Enqueue and Pending wait only for the queue file to be read.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "dicom/pacsclient.h"

namespace dicom {

class PictureObject;

// The queue file in the work directory.
inline constexpr const char* kOutboxFile = "PacsOutbox.txt";

// How often the archive may refuse a picture as unacceptable before it leaves the queue. The
// count lives in memory: after a restart the picture gets its tries anew.
inline constexpr int kOutboxUnacceptableTries = 3;

struct OutboxEntry {
    uint64_t uid = 0;         // the patient
    std::string logicalPath;  // the picture, as the records name it

    bool operator==(const OutboxEntry& other) const { return uid == other.uid && logicalPath == other.logicalPath; }
};

struct OutboxEntryHash {
    size_t operator()(const OutboxEntry& entry) const {
        return std::hash<std::string>()(entry.logicalPath) ^ (std::hash<uint64_t>()(entry.uid) * 0x9e3779b97f4a7c15ull);
    }
};

// Reads and writes the queue file: one "uid<TAB>path" line per picture. Load treats a missing
// file as an empty queue, skips lines it cannot read and keeps the first of repeated lines.
bool LoadOutboxFile(const std::string& hostPath, std::vector<OutboxEntry>* entries, std::string* error);
// The lines of a queue file's text, as Load reads them.
void ParseOutboxText(const std::string& text, std::vector<OutboxEntry>* entries);
bool SaveOutboxFile(const std::string& hostPath, const std::vector<OutboxEntry>& entries, std::string* error);

class PacsOutbox {
public:
    // What the sender is doing, for the status area.
    struct Progress {
        size_t sent = 0;        // confirmed in the current round
        size_t total = 0;       // pictures in the current round
        size_t failed = 0;      // refused or unreadable in the current round
        size_t pending = 0;     // still queued
        bool finished = false;  // the round is over (queue empty, or waiting to try again)
        bool waiting = false;   // the archive cannot be reached; trying again later
        std::string lastError;  // the latest failure, named for the user
    };
    using Listener = std::function<void(const Progress&)>;

    // The archive's answer for one picture of a round.
    struct PictureAnswer {
        enum class Kind {
            Stored,   // the archive confirmed the store; the picture left the queue
            Refused,  // the archive refused it; it stays queued and is tried again
            NotSent,  // it can never be sent (gone, unreadable, not a JPEG, refused as
                      // unacceptable on every try); it left the queue
        } kind = Kind::Stored;
        std::string reason;   // why, for Refused and NotSent; the archive's warning, if any, for Stored
        std::string archive;  // the archive the round went to (PacsAddress::Text)
    };
    using PictureListener = std::function<void(const OutboxEntry&, const PictureAnswer&)>;

    // The queue file is `queueHostPath`; the listener (may be empty) hears every change.
    PacsOutbox(std::string queueHostPath, Listener listener);
    ~PacsOutbox();
    PacsOutbox(const PacsOutbox&) = delete;
    PacsOutbox& operator=(const PacsOutbox&) = delete;

    // Hears the answer for each picture sent (on the outbox's thread); a picture whose store got
    // no answer (the link broke) is not reported, since it stays queued. Call before Start.
    void SetPictureListener(PictureListener listener);

    // The archive to send to. A change takes effect with the next attempt.
    void SetAddress(const PacsAddress& address);

    // Starts the outbox's thread, which reads what an earlier run left queued and sends it. When
    // the queue file cannot be read the outbox starts empty and the listener hears why.
    void Start();

    // Stops the sender; a picture in flight is abandoned and stays queued. The queue is in its
    // file when it returns.
    void Stop();

    // Queues pictures of a patient (already queued ones are not added twice). The queue file is
    // on the disk when it returns true. Waits until the queue file has been read.
    bool Enqueue(uint64_t uid, const std::vector<std::string>& logicalPaths, std::string* error);

    // Ends a pause and tries again at once (after the address changed, say).
    void RetryNow();

    // Waits until the queue file has been read.
    size_t Pending() const;

    // The pause after the first failed attempt, doubled after each further one up to `longest`.
    void SetRetryPauses(std::chrono::milliseconds first, std::chrono::milliseconds longest);

private:
    // What one round sends: the queue as it stood when the round began.
    struct Batch {
        PacsAddress address;
        std::vector<OutboxEntry> entries;
    };
    // How a round went.
    struct BatchOutcome {
        bool broken = false;   // the archive could not be reached, or the link broke
        bool refused = false;  // the archive refused at least one picture
        std::string error;     // the latest failure
    };
    // What the sender does once a round is over.
    enum class AfterBatch { Stop, SendAgain, Finished, Retry };

    using EntryList = std::list<OutboxEntry>;

    void Run();
    // Reads the queue file into the queue and lets Enqueue and Pending go on.
    void LoadQueue();
    // Waits until there is something to send or the outbox stops; false when it stops. Otherwise
    // starts a round with a copy of the queue. An idle association is closed, without the lock.
    bool TakeBatch(PacsClient& client, Batch* batch);
    // The object of a queued picture; null, with the reason, when it can never be made (the
    // picture is gone, unreadable, too large or not a JPEG). Never throws.
    static std::unique_ptr<PictureObject> BuildObject(const OutboxEntry& entry, std::string* error);
    // Sends a round's pictures one by one, no lock held while the archive is talked to.
    BatchOutcome SendBatch(PacsClient& client, const Batch& batch);
    bool StopRequested() const;
    // Books one picture's store into the queue and the progress (under the lock) and says what
    // became of it; `reason` is why it failed, and becomes the reason it left the queue.
    PictureAnswer::Kind RecordStore(const OutboxEntry& entry, bool built, PacsClient::StoreResult result,
                                    std::string* reason, BatchOutcome* outcome);
    // Books the end of a round (under the lock) and says what comes next; reckons the pause
    // before a retry.
    AfterBatch EndBatch(const BatchOutcome& outcome, std::chrono::milliseconds* pause);
    // Waits out the pause before a retry; Stop and RetryNow end it early, and so do new pictures
    // unless the archive is out of reach.
    void WaitBeforeRetry(std::chrono::milliseconds pause);
    void Notify();
    bool AddLocked(const OutboxEntry& entry);
    // Writes the queue to its file unless the file holds it already. Called without m_mutex: the
    // queue is copied under it and written outside it, so that no caller of Pending, Enqueue or
    // SetAddress waits on the disk while the sender writes.
    bool SaveQueue(std::string* error);
    // Writes out removals not yet on the disk: always with `now`, else at most once a second.
    void Flush(bool now);
    void RemoveLocked(const OutboxEntry& entry);
    void WaitUntilLoaded(std::unique_lock<std::mutex>& lock) const;

    const std::string m_queuePath;
    const Listener m_listener;
    PictureListener m_pictureListener;  // set before the thread starts, then only read by it

    std::mutex m_saveMutex;  // one queue file write at a time; taken before m_mutex, never under it
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    mutable std::condition_variable m_loadedChanged;
    EntryList m_entries;  // in the order they were queued
    std::unordered_map<OutboxEntry, EntryList::iterator, OutboxEntryHash> m_index;
    std::unordered_map<OutboxEntry, int, OutboxEntryHash> m_unacceptable;  // refusals so far, by picture
    bool m_loaded = true;         // the queue file has been read (false from Start until it is)
    uint64_t m_changes = 0;       // changes of the queue so far
    uint64_t m_savedChanges = 0;  // how many of them the queue file holds
    std::chrono::steady_clock::time_point m_lastSave;
    PacsClient* m_client = nullptr;  // the sender's client while it runs, for Stop to abort
    PacsAddress m_openAddress;       // where the client's association goes (sender's thread only)
    PacsAddress m_address;
    Progress m_progress;
    bool m_stop = false;
    bool m_retryNow = false;
    std::chrono::milliseconds m_firstPause{2000};
    std::chrono::milliseconds m_longestPause{60000};
    std::thread m_thread;
};

}  // namespace dicom
