// A lock-guarded FIFO of fixed-size records, copied in and out by value: the frame queues of the
// media libraries.
//
// Release and keep-last: when a release callback is set, every record leaving the list is handed to
// it exactly once. With keep-last set, a popped record is not released at once but retained as the
// "last record" (for repaints and snapshots); it is released when the next pop replaces it, or by
// Flush / destruction. The retained record is all zeros at first, so the first pop of a keep-last
// list hands an all-zero record to the callback: a release callback must accept one. Without a
// release callback nothing is released and nothing is retained.
//
// Storage is a ring of `limit` records allocated once at construction: pushing and popping never
// allocate.
//
// Every operation holds the list's own lock for its whole duration (the callback runs under it).
// The lock is recursive; a caller that needs the retained record to stay put while it uses it
// (refresh, snapshot) holds Lock() around CopyRetained and its use.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <type_traits>

template <class T>
class CFrameListTemplate {
    static_assert(std::is_trivially_copyable<T>::value, "records are copied by value");

public:
    // The limit every list of the system uses.
    static constexpr uint32_t kDefaultLimit = 1024;

    using ReleaseFun = void (*)(T* record, void* user);

    explicit CFrameListTemplate(uint32_t limit = kDefaultLimit)
        : m_records(new T[limit > 0 ? limit : 1]), m_capacity(limit > 0 ? limit : 1), m_limit(limit) {
        std::memset(static_cast<void*>(&m_retained), 0, sizeof m_retained);
    }

    // Releases every record still queued, then the retained one.
    ~CFrameListTemplate() { Flush(); }

    CFrameListTemplate(const CFrameListTemplate&) = delete;
    CFrameListTemplate& operator=(const CFrameListTemplate&) = delete;

    void SetKeepLast(bool keepLast) {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        m_keepLast = keepLast;
    }
    bool GetKeepLast() const {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        return m_keepLast;
    }

    // Sets (or with null clears) the release callback and its user value.
    void SetReleaseCallback(ReleaseFun release, void* user) {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        m_release = release;
        m_releaseUser = user;
    }

    // Appends a copy of the record; false when the list already holds `limit` records.
    bool PushBack(const T& record) {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        if (m_count >= m_limit) return false;
        m_records[(m_head + m_count) % m_capacity] = record;
        ++m_count;
        return true;
    }

    // Copies the head record out; false when the list is empty.
    bool Peek(T* record) const {
        if (!record) return false;
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        if (m_count == 0) return false;
        *record = m_records[m_head];
        return true;
    }

    // Removes the head record, releasing and retaining as described above; false when empty.
    bool Pop() {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        if (m_count == 0) return false;
        T& head = m_records[m_head];
        if (m_release) {
            if (m_keepLast) {
                m_release(&m_retained, m_releaseUser);
                m_retained = head;
            } else {
                m_release(&head, m_releaseUser);
            }
        }
        m_head = (m_head + 1) % m_capacity;
        --m_count;
        return true;
    }

    // Releases and removes every queued record, then releases the retained record (which becomes
    // all zeros, so it is never released twice).
    void Flush() {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        while (m_count > 0) {
            if (m_release) m_release(&m_records[m_head], m_releaseUser);
            m_head = (m_head + 1) % m_capacity;
            --m_count;
        }
        m_head = 0;
        if (m_release) m_release(&m_retained, m_releaseUser);
        std::memset(static_cast<void*>(&m_retained), 0, sizeof m_retained);
    }

    uint32_t GetCount() const {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        return m_count;
    }

    uint32_t GetLimit() const { return m_limit; }

    // Copies the retained last record (all zeros before the first pop); false when the list retains
    // nothing (keep-last clear or no release callback).
    bool CopyRetained(T* record) const {
        if (!record) return false;
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        if (!m_keepLast || !m_release) return false;
        *record = m_retained;
        return true;
    }

    // Holds the list's lock for the caller's scope (recursive: list operations still work inside).
    std::unique_lock<std::recursive_mutex> Lock() const { return std::unique_lock<std::recursive_mutex>(m_lock); }

private:
    mutable std::recursive_mutex m_lock;
    std::unique_ptr<T[]> m_records;
    uint32_t m_capacity;
    uint32_t m_limit;
    uint32_t m_head = 0;
    uint32_t m_count = 0;
    bool m_keepLast = false;
    ReleaseFun m_release = nullptr;
    void* m_releaseUser = nullptr;
    T m_retained;
};
