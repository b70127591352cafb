// Serialises the read-merge-write of one file across processes, so that two programs
// updating different parts of a shared file at the same moment both keep their part.
//
// The lock is an exclusive advisory lock (flock) on the lock file "." + name + ".lock" beside
// the file (links followed, so every name of a file shares one lock). The holder removes the
// lock file when it is done; a waiter that then wins a removed lock file takes the new one.
// Where no lock file can be made (read-only folder, file system without locks) the update
// goes on unlocked and its write reports the real problem.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace host {

class TFileUpdateLock {
public:
    // Waits until no other process holds the lock of FileName.
    explicit TFileUpdateLock(std::string_view FileName);
    ~TFileUpdateLock();
    TFileUpdateLock(const TFileUpdateLock&) = delete;
    TFileUpdateLock& operator=(const TFileUpdateLock&) = delete;

    // False when the update goes on unlocked.
    bool Locked() const { return FFd >= 0; }

private:
    String FLockName;
    int FFd = -1;
};

} // namespace host
