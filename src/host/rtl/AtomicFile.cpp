#include "host/rtl/AtomicFile.h"
#include "host/rtl/HostErrors.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

namespace host {

namespace {

// The process umask, read without the umask(0)/umask(old) dance that races other threads.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (String line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    return 022;
}

// Permission bits the replacement gets: the old file's, or those of a newly created file.
mode_t TargetMode(const String& Target) {
    struct stat st {};
    if (::stat(Target.c_str(), &st) == 0) return st.st_mode & 07777;
    return 0644 & ~CurrentUmask();
}

bool WriteAll(int Fd, std::string_view Data) {
    while (!Data.empty()) {
        ssize_t n = ::write(Fd, Data.data(), Data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        Data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error.
void SyncFolder(const String& Folder) {
    int fd = ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool HasNul(std::string_view S) {
    return S.find('\0') != std::string_view::npos;
}

} // namespace

void WriteFileAtomic(std::string_view FileName, std::string_view Data) {
    const String target = LocalFileName(FileName);
    const String folder = ExtractFilePath(target);
    if (HasNul(FileName) || ExtractFileName(target).empty())
        RaiseFCreateError(FileName);
    // Shortened so that a long target name still leaves room for the unique suffix.
    String temp = folder + "." + ExtractFileName(target).substr(0, 200) + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) RaiseFCreateError(FileName);

    bool ok = ::fchmod(fd, TargetMode(target)) == 0 && WriteAll(fd, Data) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw EWriteError("Stream write error");
    }
    SyncFolder(folder);
}

String ReadFileBytes(std::string_view FileName) {
    const String name = LocalFileName(FileName);
    int fd = HasNul(FileName) ? -1 : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0) RaiseFOpenError(FileName);
    String data;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            throw EReadError("Stream read error");
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

} // namespace host
