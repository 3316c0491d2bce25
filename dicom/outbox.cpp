#include "dicom/outbox.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>

#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "dicom/textlines.h"
#include "records/recordfile.h"

namespace dicom {

bool LoadOutboxFile(const std::string& hostPath, std::vector<OutboxEntry>* entries, std::string* error) {
    entries->clear();
    std::string text;
    char buffer[65536];
    int errorNumber = 0;
    for (off_t offset = 0;;) {
        const ssize_t n = records::ReadFileAt(hostPath, buffer, sizeof buffer, offset, &errorNumber);
        if (n < 0) {
            if (errorNumber == ENOENT) return true;
            if (error) *error = "cannot read the outbox " + hostPath + ": " + std::strerror(errorNumber);
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
        if (std::find(entries->begin(), entries->end(), entry) == entries->end()) {
            entries->push_back(entry);
        }
    }
}

bool SaveOutboxFile(const std::string& hostPath, const std::vector<OutboxEntry>& entries, std::string* error) {
    std::string text;
    for (const OutboxEntry& entry : entries) {
        text += std::to_string(entry.uid) + '\t' + entry.logicalPath + '\n';
    }
    int errorNumber = 0;
    if (records::ReplaceFile(hostPath, text.data(), text.size(), &errorNumber)) return true;
    if (error) *error = "cannot write the outbox " + hostPath + ": " + std::strerror(errorNumber);
    return false;
}

PacsOutbox::PacsOutbox(std::string queueHostPath, Listener listener)
    : m_queuePath(std::move(queueHostPath)), m_listener(std::move(listener)) {
    m_progress.finished = true;
}

PacsOutbox::~PacsOutbox() { Stop(); }

void PacsOutbox::SetAddress(const PacsAddress& address) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_address = address;
}

bool PacsOutbox::Start(std::string* error) {
    Stop();
    std::vector<OutboxEntry> entries;
    const bool loaded = LoadOutboxFile(m_queuePath, &entries, error);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_entries = entries;
        m_stop = false;
        m_progress = Progress();
        m_progress.finished = true;
        m_progress.pending = m_entries.size();
    }
    m_thread = std::thread(&PacsOutbox::Run, this);
    return loaded;
}

void PacsOutbox::Stop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

bool PacsOutbox::Enqueue(uint64_t uid, const std::vector<std::string>& logicalPaths, std::string* error) {
    size_t added = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const std::vector<OutboxEntry> before = m_entries;
        for (const std::string& path : logicalPaths) {
            if (path.empty() || path.find_first_of("\t\r\n") != std::string::npos) continue;
            const OutboxEntry entry{uid, path};
            if (std::find(m_entries.begin(), m_entries.end(), entry) != m_entries.end()) continue;
            m_entries.push_back(entry);
            ++added;
        }
        if (added == 0) return true;
        if (!SaveLocked(error)) {
            m_entries = before;
            return false;
        }
        if (!m_progress.finished) m_progress.total += added;
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
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries.size();
}

void PacsOutbox::SetRetryPauses(std::chrono::milliseconds first, std::chrono::milliseconds longest) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firstPause = first;
    m_longestPause = std::max(first, longest);
}

bool PacsOutbox::SaveLocked(std::string* error) { return SaveOutboxFile(m_queuePath, m_entries, error); }

bool PacsOutbox::RemoveLocked(const OutboxEntry& entry) {
    const auto found = std::find(m_entries.begin(), m_entries.end(), entry);
    if (found == m_entries.end()) return true;
    m_entries.erase(found);
    m_progress.pending = m_entries.size();
    std::string error;
    if (SaveLocked(&error)) return true;
    // The entry stays on the disk; sending it again later is harmless (same object).
    m_progress.lastError = error;
    return false;
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
            failed.error = std::string("the sending failed: ") + exception.what();
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_progress.lastError = failed.error;
            }
            if (EndBatch(failed, &pause) == AfterBatch::Stop) break;
            Notify();
            WaitBeforeRetry(pause);
        }
    }
    client.Close();
}

bool PacsOutbox::TakeBatch(PacsClient& client, Batch* batch) {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop && m_entries.empty()) {
        client.Close();
        m_wake.wait(lock, [this] { return m_stop || !m_entries.empty(); });
    }
    if (m_stop) return false;
    if (m_progress.finished) {
        m_progress = Progress();
        m_progress.total = m_entries.size();
        m_progress.pending = m_entries.size();
    }
    m_retryNow = false;
    batch->address = m_address;
    batch->entries = m_entries;
    return true;
}

PacsOutbox::BatchOutcome PacsOutbox::SendBatch(PacsClient& client, const Batch& batch) {
    BatchOutcome outcome;
    outcome.broken = !client.IsOpen() && !client.Open(batch.address, &outcome.error);
    for (size_t i = 0; i < batch.entries.size() && !outcome.broken; ++i) {
        if (StopRequested()) break;
        const OutboxEntry& entry = batch.entries[i];
        const std::unique_ptr<PictureObject> object = BuildObject(entry, &outcome.error);
        PacsClient::StoreResult result = PacsClient::StoreResult::Refused;
        if (object) result = client.Store(*object, &outcome.error);
        RecordStore(entry, object != nullptr, result, &outcome);
        if (outcome.broken) client.Close();
        Notify();
    }
    return outcome;
}

std::unique_ptr<PictureObject> PacsOutbox::BuildObject(const OutboxEntry& entry, std::string* error) {
    try {
        PictureSource source;
        if (!LoadPictureSource(entry.uid, entry.logicalPath, &source, error)) return nullptr;
        return PictureObject::Build(source, error);
    } catch (const std::exception& exception) {
        *error = entry.logicalPath + ": " + exception.what();
        return nullptr;
    }
}

bool PacsOutbox::StopRequested() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stop;
}

void PacsOutbox::RecordStore(const OutboxEntry& entry, bool built, PacsClient::StoreResult result,
                             BatchOutcome* outcome) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!built) {
        // The picture is gone or is no picture: it can never be sent. It stays in the patient's
        // directory; only the queue forgets it.
        RemoveLocked(entry);
        ++m_progress.failed;
        m_progress.lastError = outcome->error;
    } else if (result == PacsClient::StoreResult::Stored) {
        RemoveLocked(entry);
        ++m_progress.sent;
    } else {
        m_progress.lastError = outcome->error;
        if (result == PacsClient::StoreResult::Refused) {
            ++m_progress.failed;
            outcome->refused = true;
        } else {
            outcome->broken = true;
        }
    }
}

PacsOutbox::AfterBatch PacsOutbox::EndBatch(const BatchOutcome& outcome, std::chrono::milliseconds* pause) {
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
