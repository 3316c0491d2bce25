#include "dicom/outbox.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <unordered_set>

#include "dicom/installation.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "dicom/textlines.h"
#include "platform/text.h"
#include "records/recordfile.h"

namespace dicom {
namespace {

// The sender's limits on waiting for the archive: connecting and each step of opening and
// releasing the association; each answer to a store.
constexpr int kConnectSeconds = 2;
constexpr int kAnswerSeconds = 30;
// Removals are written out at most this often while a round runs.
constexpr std::chrono::seconds kSaveInterval{1};

template <typename Entries>
bool WriteOutbox(const std::string& hostPath, const Entries& entries, std::string* error) {
    std::string text;
    for (const OutboxEntry& entry : entries) {
        text += std::to_string(entry.uid);
        text += '\t';
        text += entry.logicalPath;
        text += '\n';
    }
    int errorNumber = 0;
    if (records::ReplaceFile(hostPath, text.data(), text.size(), &errorNumber)) return true;
    if (error) *error = text::Arg(text::Tr("cannot write the outbox %1: %2"), {hostPath, std::strerror(errorNumber)});
    return false;
}

}  // namespace

bool LoadOutboxFile(const std::string& hostPath, std::vector<OutboxEntry>* entries, std::string* error) {
    entries->clear();
    std::string text;
    char buffer[65536];
    int errorNumber = 0;
    for (off_t offset = 0;;) {
        const ssize_t n = records::ReadFileAt(hostPath, buffer, sizeof buffer, offset, &errorNumber);
        if (n < 0) {
            if (errorNumber == ENOENT) return true;
            if (error) {
                *error = text::Arg(text::Tr("cannot read the outbox %1: %2"), {hostPath, std::strerror(errorNumber)});
            }
            return false;
        }
        text.append(buffer, size_t(n));
        offset += n;
        if (size_t(n) < sizeof buffer) break;
    }
    ParseOutboxText(text, entries);
    return true;
}

void ParseOutboxText(const std::string& text, std::vector<OutboxEntry>* entries) {
    entries->clear();
    std::unordered_set<OutboxEntry, OutboxEntryHash> seen;
    TextLines lines(text);
    std::string line;
    while (lines.Next(&line)) {
        const size_t tab = line.find('\t');
        if (tab == 0 || tab == std::string::npos || tab + 1 == line.size()) continue;
        OutboxEntry entry;
        bool digits = true;
        for (size_t i = 0; i < tab; ++i) digits = digits && line[i] >= '0' && line[i] <= '9';
        if (!digits || tab > 19) continue;
        entry.uid = std::stoull(line.substr(0, tab));
        entry.logicalPath = line.substr(tab + 1);
        if (seen.insert(entry).second) entries->push_back(std::move(entry));
    }
}

bool SaveOutboxFile(const std::string& hostPath, const std::vector<OutboxEntry>& entries, std::string* error) {
    return WriteOutbox(hostPath, entries, error);
}

PacsOutbox::PacsOutbox(std::string queueHostPath, Listener listener)
    : m_queuePath(std::move(queueHostPath)), m_listener(std::move(listener)) {
    m_progress.finished = true;
}

PacsOutbox::~PacsOutbox() { Stop(); }

void PacsOutbox::SetPictureListener(PictureListener listener) { m_pictureListener = std::move(listener); }

void PacsOutbox::SetAddress(const PacsAddress& address) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_address = address;
}

void PacsOutbox::Start() {
    Stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_entries.clear();
        m_index.clear();
        m_unacceptable.clear();
        m_loaded = false;
        m_changes = m_savedChanges = 0;
        m_stop = false;
        m_progress = Progress();
        m_progress.finished = true;
    }
    m_thread = std::thread(&PacsOutbox::Run, this);
}

void PacsOutbox::Stop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        if (m_client) m_client->Abort();
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void PacsOutbox::WaitUntilLoaded(std::unique_lock<std::mutex>& lock) const {
    m_loadedChanged.wait(lock, [this] { return m_loaded; });
}

bool PacsOutbox::Enqueue(uint64_t uid, const std::vector<std::string>& logicalPaths, std::string* error) {
    std::vector<OutboxEntry> added;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        WaitUntilLoaded(lock);
        for (const std::string& path : logicalPaths) {
            if (path.empty() || path.find_first_of("\t\r\n") != std::string::npos) continue;
            OutboxEntry entry{uid, path};
            if (AddLocked(entry)) added.push_back(std::move(entry));
        }
        if (added.empty()) return true;
        ++m_changes;
    }
    const bool saved = SaveQueue(error);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!saved) {
            // Not queued after all. Pictures the sender took meanwhile are sent all the same,
            // which is harmless; the queue differs from the file until the next write.
            for (const OutboxEntry& entry : added) {
                const auto found = m_index.find(entry);
                if (found == m_index.end()) continue;
                m_entries.erase(found->second);
                m_index.erase(found);
            }
            ++m_changes;
            m_progress.pending = m_entries.size();
            return false;
        }
        if (!m_progress.finished) m_progress.total += added.size();
        m_progress.pending = m_entries.size();
        if (!m_progress.waiting) m_retryNow = true;
    }
    m_wake.notify_all();
    return true;
}

void PacsOutbox::RetryNow() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_retryNow = true;
    }
    m_wake.notify_all();
}

size_t PacsOutbox::Pending() const {
    std::unique_lock<std::mutex> lock(m_mutex);
    WaitUntilLoaded(lock);
    return m_entries.size();
}

void PacsOutbox::SetRetryPauses(std::chrono::milliseconds first, std::chrono::milliseconds longest) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firstPause = first;
    m_longestPause = std::max(first, longest);
}

bool PacsOutbox::AddLocked(const OutboxEntry& entry) {
    if (m_index.count(entry)) return false;
    m_index.emplace(entry, m_entries.insert(m_entries.end(), entry));
    return true;
}

bool PacsOutbox::SaveQueue(std::string* error) {
    // Writers take turns, and each takes its copy of the queue only once it is its turn: the file
    // written last always holds the newest copy, so an entry queued before a write started is
    // in the file when the write is over.
    std::lock_guard<std::mutex> turn(m_saveMutex);
    std::vector<OutboxEntry> snapshot;
    uint64_t changes = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_changes == m_savedChanges) return true;
        snapshot.assign(m_entries.begin(), m_entries.end());
        changes = m_changes;
    }
    const bool written = WriteOutbox(m_queuePath, snapshot, error);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (written) {
        m_savedChanges = changes;
        m_lastSave = std::chrono::steady_clock::now();
    }
    return written;
}

void PacsOutbox::Flush(bool now) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_changes == m_savedChanges || (!now && std::chrono::steady_clock::now() - m_lastSave < kSaveInterval)) {
            return;
        }
    }
    std::string error;
    // On failure the pictures stay on the disk; sending them again later is harmless (same
    // objects), and the next flush tries again.
    if (!SaveQueue(&error)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_progress.lastError = error;
    }
}

void PacsOutbox::RemoveLocked(const OutboxEntry& entry) {
    const auto found = m_index.find(entry);
    if (found == m_index.end()) return;
    m_entries.erase(found->second);
    m_index.erase(found);
    m_unacceptable.erase(entry);
    m_progress.pending = m_entries.size();
    ++m_changes;
}

void PacsOutbox::Notify() {
    if (!m_listener) return;
    Progress progress;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        progress = m_progress;
    }
    m_listener(progress);
}

void PacsOutbox::Run() {
    PacsClient client;
    client.SetTimeouts(kConnectSeconds, kAnswerSeconds);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_client = &client;
        if (m_stop) client.Abort();
    }
    LoadQueue();
    std::chrono::milliseconds pause{0};
    Batch batch;
    for (;;) {
        // An exception must not leave this thread (it would end the program at every start while
        // its picture stays queued): the round counts as failed and is tried again after a pause.
        try {
            if (!TakeBatch(client, &batch)) break;
            Notify();
            const BatchOutcome outcome = SendBatch(client, batch);
            const AfterBatch next = EndBatch(outcome, &pause);
            if (next == AfterBatch::Stop) break;
            if (next == AfterBatch::SendAgain) continue;
            Notify();
            if (next == AfterBatch::Retry) WaitBeforeRetry(pause);
        } catch (const std::exception& exception) {
            client.Close();
            BatchOutcome failed;
            failed.refused = true;
            failed.error = text::Arg(text::Tr("the sending failed: %1"), {exception.what()});
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_progress.lastError = failed.error;
            }
            if (EndBatch(failed, &pause) == AfterBatch::Stop) break;
            Notify();
            WaitBeforeRetry(pause);
        }
    }
    Flush(true);
    client.Close();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_client = nullptr;
}

void PacsOutbox::LoadQueue() {
    std::vector<OutboxEntry> entries;
    std::string error;
    const bool loaded = LoadOutboxFile(m_queuePath, &entries, &error);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (OutboxEntry& entry : entries) AddLocked(entry);
        m_loaded = true;
        m_progress.pending = m_entries.size();
        if (!loaded) m_progress.lastError = error;
    }
    m_loadedChanged.notify_all();
    if (!loaded) Notify();
}

bool PacsOutbox::TakeBatch(PacsClient& client, Batch* batch) {
    for (;;) {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_stop) return false;
        if (!m_entries.empty()) break;
        if (client.IsOpen()) {
            // Nothing to send: the association goes, without the lock, so that Enqueue, Pending
            // and Stop never wait on the archive's answer to the release.
            lock.unlock();
            client.Close();
            continue;
        }
        m_wake.wait(lock, [this] { return m_stop || !m_entries.empty(); });
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stop) return false;
    if (m_progress.finished) {
        m_progress = Progress();
        m_progress.total = m_entries.size();
        m_progress.pending = m_entries.size();
    }
    m_retryNow = false;
    batch->address = m_address;
    batch->entries.assign(m_entries.begin(), m_entries.end());
    return true;
}

PacsOutbox::BatchOutcome PacsOutbox::SendBatch(PacsClient& client, const Batch& batch) {
    BatchOutcome outcome;
    // An association to an archive no longer set (the settings changed) goes; the pictures go to
    // the new one.
    if (client.IsOpen() && m_openAddress != batch.address) client.Close();
    // Without the installation's identity no object can be made; unlike a picture that is gone,
    // that can be mended (the file restored), so the queue waits as for an unreachable archive.
    std::string installationId;
    outcome.broken = !LoadInstallationId(&installationId, &outcome.error);
    if (!outcome.broken && !client.IsOpen()) {
        outcome.broken = !client.Open(batch.address, &outcome.error);
        if (!outcome.broken) m_openAddress = batch.address;
    }
    for (size_t i = 0; i < batch.entries.size() && !outcome.broken; ++i) {
        if (StopRequested()) break;
        const OutboxEntry& entry = batch.entries[i];
        std::string error;
        const std::unique_ptr<PictureObject> object = BuildObject(entry, &error);
        PacsClient::StoreResult result = PacsClient::StoreResult::Refused;
        if (object) result = client.Store(*object, &error);
        if (!object || result != PacsClient::StoreResult::Stored) outcome.error = error;
        PictureAnswer answer;
        answer.kind = RecordStore(entry, object != nullptr, result, &error, &outcome);
        Flush(false);
        if (outcome.broken) client.Close();
        if (m_pictureListener && result != PacsClient::StoreResult::Broken) {
            answer.reason = error;
            answer.archive = batch.address.Text();
            m_pictureListener(entry, answer);
        }
        Notify();
    }
    // An association that failed a round is not used again: the archive may have refused its
    // presentation context, dropped it, or be mended by the next try; the next round negotiates
    // a new one after the pause.
    if (outcome.broken || outcome.refused) client.Close();
    return outcome;
}

std::unique_ptr<PictureObject> PacsOutbox::BuildObject(const OutboxEntry& entry, std::string* error) {
    try {
        PictureSource source;
        if (!LoadPictureSource(entry.uid, entry.logicalPath, &source, error)) return nullptr;
        return PictureObject::Build(source, error);
    } catch (const std::exception& exception) {
        //: a picture, then why it cannot be made into a DICOM object
        *error = text::Arg(text::Tr("%1: %2"), {entry.logicalPath, exception.what()});
        return nullptr;
    }
}

bool PacsOutbox::StopRequested() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stop;
}

PacsOutbox::PictureAnswer::Kind PacsOutbox::RecordStore(const OutboxEntry& entry, bool built,
                                                        PacsClient::StoreResult result, std::string* reason,
                                                        BatchOutcome* outcome) {
    using Kind = PictureAnswer::Kind;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (result == PacsClient::StoreResult::Unacceptable && ++m_unacceptable[entry] >= kOutboxUnacceptableTries) {
        // The archive will not take the object as kavimo makes it: sending it again changes
        // nothing, and it would hold up the queue for ever.
        *reason = text::Arg(text::Tr("refused %n times: %1", nullptr, kOutboxUnacceptableTries), {*reason});
        outcome->error = *reason;
        built = false;
    }
    if (!built) {
        // The picture is gone, is no picture, or the archive will never take it: it can never be
        // sent. It stays in the patient's directory; only the queue forgets it.
        RemoveLocked(entry);
        ++m_progress.failed;
        m_progress.lastError = outcome->error;
        return Kind::NotSent;
    }
    if (result == PacsClient::StoreResult::Stored) {
        RemoveLocked(entry);
        ++m_progress.sent;
        return Kind::Stored;
    }
    m_progress.lastError = outcome->error;
    if (result == PacsClient::StoreResult::Broken) {
        outcome->broken = true;
    } else {
        ++m_progress.failed;
        outcome->refused = true;
    }
    return Kind::Refused;
}

PacsOutbox::AfterBatch PacsOutbox::EndBatch(const BatchOutcome& outcome, std::chrono::milliseconds* pause) {
    Flush(true);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stop) return AfterBatch::Stop;
    if (outcome.broken) m_progress.lastError = outcome.error;
    if ((outcome.broken || outcome.refused) && !m_entries.empty()) {
        *pause = pause->count() == 0 ? m_firstPause : std::min(*pause * 2, m_longestPause);
        m_progress.finished = true;
        m_progress.waiting = outcome.broken;
        m_progress.pending = m_entries.size();
        return AfterBatch::Retry;
    }
    *pause = std::chrono::milliseconds(0);
    if (!m_entries.empty()) return AfterBatch::SendAgain;
    m_progress.finished = true;
    m_progress.waiting = false;
    m_progress.pending = 0;
    return AfterBatch::Finished;
}

void PacsOutbox::WaitBeforeRetry(std::chrono::milliseconds pause) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait_for(lock, pause, [this] { return m_stop || m_retryNow; });
}

}  // namespace dicom
