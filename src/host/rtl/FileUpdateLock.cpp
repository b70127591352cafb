#include "host/rtl/FileUpdateLock.h"

#include "host/rtl/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace host {

namespace {

String LockNameOf(const String& Target) {
    std::size_t Slash = Target.rfind('/');
    std::size_t Start = Slash == String::npos ? 0 : Slash + 1;
    return Target.substr(0, Start) + "." + Target.substr(Start) + ".lock";
}

bool SameFile(int Fd, const String& Name) {
    struct stat Held {
    }, Named{};
    return ::fstat(Fd, &Held) == 0 && ::stat(Name.c_str(), &Named) == 0 &&
           Held.st_dev == Named.st_dev && Held.st_ino == Named.st_ino;
}

} // namespace

TFileUpdateLock::TFileUpdateLock(std::string_view FileName) {
    const String Target = WriteTargetOf(FileName);
    // A name that cannot be a file gets its error from the write.
    if (FileName.find('\0') != std::string_view::npos || Target.empty() || Target.ends_with('/'))
        return;
    FLockName = LockNameOf(Target);
    for (;;) {
        int Fd = ::open(FLockName.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (Fd < 0) return;
        int Result;
        while ((Result = ::flock(Fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (Result != 0) {
            ::close(Fd);
            return;
        }
        // The previous holder may have removed the file while this process waited for it.
        if (SameFile(Fd, FLockName)) {
            FFd = Fd;
            return;
        }
        ::close(Fd);
    }
}

// Removed before it is released, so that nobody can lock the old file afterwards unnoticed.
// A file of that name with content is not one of these and stays.
TFileUpdateLock::~TFileUpdateLock() {
    if (FFd < 0) return;
    struct stat st {};
    if (::fstat(FFd, &st) == 0 && st.st_size == 0) ::unlink(FLockName.c_str());
    ::close(FFd);
}

} // namespace host
