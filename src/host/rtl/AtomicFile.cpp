#include "host/rtl/AtomicFile.h"
#include "host/rtl/HostErrors.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <system_error>

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

// Folder part of a local path, with its final "/" ("" for a bare name).
String FolderOf(const String& Path) {
    std::size_t Slash = Path.rfind('/');
    return Slash == String::npos ? String() : Path.substr(0, Slash + 1);
}

String NameOf(const String& Path) {
    return Path.substr(FolderOf(Path).size());
}

bool WriteAll(int Fd, std::string_view Data, int& Error) {
    while (!Data.empty()) {
        ssize_t n = ::write(Fd, Data.data(), Data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Error = n < 0 ? errno : ENOSPC;
            return false;
        }
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

// A file the user made read-only (no write bit at all, which binds even the super-user, as
// the read-only attribute does) or that this process may not write is refused, as is a
// folder, device or pipe in the target's place.
void CheckReplaceable(const String& Target, std::string_view FileName) {
    struct stat st {};
    if (::stat(Target.c_str(), &st) != 0) return;
    if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 ||
        ::faccessat(AT_FDCWD, Target.c_str(), W_OK, AT_EACCESS) != 0)
        RaiseFCreateError(FileName);
}

// Permission bits the replacement gets: the old file's, or those of a newly created file.
mode_t TargetMode(const String& Target) {
    struct stat st {};
    if (::stat(Target.c_str(), &st) == 0) return st.st_mode & 07777;
    return 0644 & ~CurrentUmask();
}

// Shortened so that a long target name still leaves room for the suffix.
String TemporaryPrefix(const String& Target) {
    return "." + NameOf(Target).substr(0, 200) + ".~";
}

// "<pid>.XXXXXX" after the prefix: the writer's process id, or 0 when Rest is no such name.
pid_t WriterOf(std::string_view Rest) {
    std::size_t Dot = Rest.find('.');
    if (Dot == std::string_view::npos || Rest.size() - Dot - 1 != 6) return 0;
    pid_t Pid = 0;
    auto [End, Error] = std::from_chars(Rest.data(), Rest.data() + Dot, Pid);
    return Error == std::errc() && End == Rest.data() + Dot ? Pid : 0;
}

// Removes the temporary files of Target whose writer died: its process is gone and nobody
// holds the file's lock (which also covers a writer whose process id this system does not
// see). Temporaries of this process are left to it.
void RemoveStaleTemporaries(const String& Folder, const String& Prefix) {
    DIR* Dir = ::opendir(Folder.empty() ? "." : Folder.c_str());
    if (!Dir) return;
    while (dirent* Entry = ::readdir(Dir)) {
        std::string_view Name = Entry->d_name;
        if (!Name.starts_with(Prefix)) continue;
        pid_t Pid = WriterOf(Name.substr(Prefix.size()));
        if (Pid <= 0 || Pid == ::getpid() || ::kill(Pid, 0) == 0 || errno != ESRCH) continue;
        int Fd =
            ::openat(::dirfd(Dir), Entry->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (Fd < 0) continue;
        struct stat st {};
        if (::fstat(Fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(Fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(Dir), Entry->d_name, 0);
        ::close(Fd);
    }
    ::closedir(Dir);
}

} // namespace

String WriteTargetOf(std::string_view FileName) {
    String Path = LocalFileName(FileName);
    // The kernel gives up after 40 links as well; the write then fails on the link itself.
    for (int Hops = 0; Hops < 40; ++Hops) {
        struct stat st {};
        if (::lstat(Path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        String Link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        ssize_t n = ::readlink(Path.c_str(), Link.data(), Link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= Link.size()) break;
        Link.resize(static_cast<std::size_t>(n));
        Path = Link.starts_with('/') ? Link : FolderOf(Path) + Link;
    }
    return Path;
}

TFileSink::TFileSink(int Fd) : FFd(Fd), FBuffer(std::make_unique<char[]>(Capacity)) {}

TFileSink::~TFileSink() = default;

void TFileSink::Spill(std::string_view Bytes) {
    if (Flush() != 0) return;
    if (Bytes.size() >= Capacity) {
        WriteAll(FFd, Bytes, FError);
        return;
    }
    std::memcpy(FBuffer.get(), Bytes.data(), Bytes.size());
    FUsed = Bytes.size();
}

int TFileSink::Flush() {
    if (FError == 0 && FUsed > 0) WriteAll(FFd, std::string_view(FBuffer.get(), FUsed), FError);
    FUsed = 0;
    return FError;
}

void WriteFileAtomic(std::string_view FileName, std::string_view Data) {
    WriteFileAtomic(FileName, [Data](TFileSink& Sink) { Sink.Write(Data); });
}

void WriteFileAtomic(std::string_view FileName, const std::function<void(TFileSink&)>& Produce) {
    if (HasNul(FileName) || ExtractFileName(LocalFileName(FileName)).empty())
        RaiseFCreateError(FileName);
    const String target = WriteTargetOf(FileName);
    const String folder = FolderOf(target);
    CheckReplaceable(target, FileName);
    const String prefix = TemporaryPrefix(target);
    RemoveStaleTemporaries(folder, prefix);

    String temp = folder + prefix + std::to_string(::getpid()) + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) RaiseFCreateError(FileName);
    ::flock(fd, LOCK_EX | LOCK_NB); // tells cleaners that its writer lives

    int error = 0;
    auto Done = [&error](bool Succeeded) {
        if (!Succeeded && error == 0) error = errno;
        return Succeeded;
    };
    bool ok = Done(::fchmod(fd, TargetMode(target)) == 0);
    if (ok) {
        try {
            TFileSink Sink(fd);
            Produce(Sink);
            error = Sink.Flush();
        } catch (...) {
            ::close(fd);
            ::unlink(temp.c_str());
            throw;
        }
        ok = error == 0 && Done(::fsync(fd) == 0);
    }
    ok = Done(::close(fd) == 0) && ok;
    ok = ok && Done(::rename(temp.c_str(), target.c_str()) == 0);
    if (!ok) {
        ::unlink(temp.c_str());
        RaiseFWriteError(FileName, std::generic_category().message(error));
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
    if (st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));
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
