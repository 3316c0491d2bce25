// The work directory belongs to one kavimo at a time: two programs writing UserList.fdb and the
// picture lists at once would interleave their writes. The first kavimo holds an exclusive lock on
// "kavimo.lock" in the work directory for its whole run; a second one, on this machine or on
// another chair sharing the directory over the network, finds the lock taken and learns from the
// file who holds it.
//
// The lock is an open-file-description lock (fcntl F_OFD_SETLK): the kernel releases it when the
// holder ends, crash included, and NFS passes it on to the server. Reading the records (the
// kavimo-records tool) needs no lock.
#pragma once

#include <string>

namespace records {

class WorkDirLock {
public:
    enum class Status {
        Held,        // the lock is ours until this object goes
        InUse,       // another kavimo holds it; Message() says which
        ReadOnly,    // the work directory is on a read-only file system: nobody can write
                     // there, so there is nothing to lock; Message() says so
        Unlockable,  // no lock could be taken (Message() says why); nothing is held
    };

    WorkDirLock() = default;
    ~WorkDirLock();
    WorkDirLock(const WorkDirLock&) = delete;
    WorkDirLock& operator=(const WorkDirLock&) = delete;

    // Takes the lock of the work directory at `hostWorkDir`, creating the directory (and its
    // parents) when it is missing, and writes this host's name and process number into the lock
    // file. Never waits for another holder.
    Status Acquire(const std::string& hostWorkDir);

    // For InUse: "The patient records in <dir> are in use by kavimo on <host> (process <pid>)."
    // For Unlockable: what failed and why (a symbolic link or anything but a plain file in the
    // lock file's place is refused and left as it is).
    const std::string& Message() const { return m_message; }

    // The work directory did not exist and Acquire made it.
    bool CreatedWorkDir() const { return m_createdWorkDir; }

    // Releases the lock (also done by the destructor).
    void Release();

private:
    int m_fd = -1;
    bool m_createdWorkDir = false;
    std::string m_message;
};

}  // namespace records
