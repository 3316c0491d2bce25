// A lock-guarded container of owned object pointers: the lists of live objects behind the handles of
// a media library. The container owns its elements and destroys them through their virtual
// destructors; elements are compared by identity only, so a handle that is not in the container is
// never dereferenced.
//
// Every operation holds the container's own lock for its duration. An object found with
// FindPtrObject is used after that lock is released, so the owner must not delete an object while
// another thread is inside a call that looked it up. Deleting destroys the object after the lock is
// released, so a destructor that stops a thread or touches another container never runs under this
// lock (and cannot deadlock against a thread that is looking something up meanwhile).
#pragma once

#include <algorithm>
#include <mutex>
#include <vector>

#include "media/support/debuglog.h"

template <class T>
class CPtrVectorTemplate {
public:
    using ForEachFun = void (*)(T* object, void* context);

    CPtrVectorTemplate() = default;
    ~CPtrVectorTemplate() { DeleteAll(); }
    CPtrVectorTemplate(const CPtrVectorTemplate&) = delete;
    CPtrVectorTemplate& operator=(const CPtrVectorTemplate&) = delete;

    // Appends the object and takes ownership of it. An object that is already present is not added a
    // second time (the error is logged) and false is returned; so is a null pointer.
    bool AddPtrObject(T* object) {
        if (!object) return false;
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        if (std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end()) {
            g_DebugLog.Format("[ERROR]CPtrVectorTemplate::AddPtrObject(%" KAVIMO_LOG_ADDR ")已存在\n",
                              KAVIMO_LOG_ADDR_ARG(object));
            return false;
        }
        m_objects.push_back(object);
        return true;
    }

    // The element identical to `key`, or null. `key` is only compared, never dereferenced.
    T* FindPtrObject(const void* key) const {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        for (T* object : m_objects) {
            if (static_cast<const void*>(object) == key) return object;
        }
        return nullptr;
    }

    // The first element for which `predicate(const T&)` is true, or null; the predicate runs under
    // the lock.
    template <class Predicate>
    T* FindPtrObjectIf(Predicate predicate) const {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        for (T* object : m_objects) {
            if (object && predicate(*object)) return object;
        }
        return nullptr;
    }

    // Removes the element identical to `key` (later elements move down one place) and destroys it;
    // true when it was there, false otherwise (nothing changes).
    bool DeletePtrObject(const void* key) {
        T* removed = nullptr;
        {
            std::lock_guard<std::recursive_mutex> guard(m_lock);
            auto it = std::find_if(m_objects.begin(), m_objects.end(),
                                   [key](T* object) { return static_cast<const void*>(object) == key; });
            if (it == m_objects.end()) return false;
            removed = *it;
            m_objects.erase(it);
        }
        delete removed;
        return true;
    }

    // Destroys every element, first to last, each outside the lock.
    void DeleteAll() {
        std::vector<T*> removed;
        {
            std::lock_guard<std::recursive_mutex> guard(m_lock);
            removed.swap(m_objects);
        }
        for (T* object : removed) delete object;
    }

    int GetCount() const {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        return static_cast<int>(m_objects.size());
    }

    // Calls `function(object, context)` for every element under the lock, first to last.
    void ForEach(ForEachFun function, void* context) {
        if (!function) return;
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        for (T* object : m_objects) {
            if (object) function(object, context);
        }
    }

    // The same with any callable taking a T&.
    template <class Function>
    void ForEachObject(Function function) {
        std::lock_guard<std::recursive_mutex> guard(m_lock);
        for (T* object : m_objects) {
            if (object) function(*object);
        }
    }

private:
    mutable std::recursive_mutex m_lock;
    std::vector<T*> m_objects;
};
