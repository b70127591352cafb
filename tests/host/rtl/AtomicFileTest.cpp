#include "host/rtl/AtomicFile.h"

#include "TestUtil.h"
#include "host/rtl/Exceptions.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <stdexcept>

using namespace host;
namespace fs = std::filesystem;

namespace {

mode_t ModeOf(const String& Name) {
    struct stat st {};
    EXPECT_EQ(::stat(Name.c_str(), &st), 0);
    return st.st_mode & 07777;
}

std::size_t EntriesIn(const fs::path& Dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(Dir), {}));
}

// Sets the umask for one test and restores it.
class UmaskGuard {
public:
    explicit UmaskGuard(mode_t Mask) : FOld(::umask(Mask)) {}
    ~UmaskGuard() { ::umask(FOld); }

private:
    mode_t FOld;
};

// Limits the size of files this process may write, so that a write fails half-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t Bytes) {
        ::getrlimit(RLIMIT_FSIZE, &FOld);
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = FOld;
        lower.rlim_cur = Bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }

private:
    rlimit FOld{};
    void (*FOldHandler)(int);
};

TEST(AtomicFileTest, CreatesANewFileWithDefaultPermissions) {
    UmaskGuard mask(027);
    zt_test::TempDir dir;
    const String name = dir.File("new.bin");
    const String data("a\0b\r\n\xFF", 6);
    WriteFileAtomic(name, data);
    EXPECT_EQ(zt_test::ReadAll(name), data);
    EXPECT_EQ(ModeOf(name), 0640u);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileTest, ReplacesTheWholeFileAndKeepsItsPermissions) {
    zt_test::TempDir dir;
    const String name = dir.File("settings.ini");
    zt_test::WriteAll(name, "a much longer old content");
    ASSERT_EQ(::chmod(name.c_str(), 0600), 0);
    WriteFileAtomic(name, "new");
    EXPECT_EQ(zt_test::ReadAll(name), "new");
    EXPECT_EQ(ModeOf(name), 0600u);
    WriteFileAtomic(name, "");
    EXPECT_EQ(zt_test::ReadAll(name), "");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileTest, AcceptsHostStyleSeparators) {
    zt_test::TempDir dir;
    WriteFileAtomic(dir.Path().string() + "\\host.txt", "x");
    EXPECT_EQ(zt_test::ReadAll(dir.File("host.txt")), "x");
    EXPECT_EQ(ReadFileBytes(dir.Path().string() + "\\host.txt"), "x");
}

TEST(AtomicFileTest, MissingFolderIsACreateError) {
    zt_test::TempDir dir;
    const String name = dir.File("no/such/file.txt");
    EXPECT_THROW_MSG(WriteFileAtomic(name, "x"), EFCreateError,
                     "Cannot create file \"" + name + "\"");
    EXPECT_EQ(EntriesIn(dir.Path()), 0u);
}

TEST(AtomicFileTest, UnwritableFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
    zt_test::TempDir dir;
    const String name = dir.File("keep.txt");
    zt_test::WriteAll(name, "old");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0500), 0);
    EXPECT_THROW_MSG(WriteFileAtomic(name, "new"), EFCreateError,
                     "Cannot create file \"" + name + "\"");
    ::chmod(dir.Path().c_str(), 0700);
    EXPECT_EQ(zt_test::ReadAll(name), "old");
}

TEST(AtomicFileTest, FailedWriteLeavesTheOldFileAndNoTemporary) {
    zt_test::TempDir dir;
    const String name = dir.File("keep.txt");
    zt_test::WriteAll(name, "old");
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW_MSG(WriteFileAtomic(name, String(4096, 'n')), EWriteError,
                         "Cannot write file \"" + name + "\": File too large");
    }
    EXPECT_EQ(zt_test::ReadAll(name), "old");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileTest, SomethingElseThanAFileInItsPlaceIsACreateError) {
    zt_test::TempDir dir;
    const String name = dir.File("folder");
    fs::create_directory(name);
    zt_test::WriteAll(dir.File("folder/inside.txt"), "i");
    EXPECT_THROW_MSG(WriteFileAtomic(name, "x"), EFCreateError,
                     "Cannot create file \"" + name + "\"");
    EXPECT_TRUE(fs::is_directory(name));
    EXPECT_EQ(zt_test::ReadAll(dir.File("folder/inside.txt")), "i");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileTest, ReadFileBytesReadsEverythingOrFailsToOpen) {
    zt_test::TempDir dir;
    const String name = dir.File("big.bin");
    String data;
    for (int i = 0; i < 300000; ++i)
        data += static_cast<char>(i * 7);
    WriteFileAtomic(name, data);
    EXPECT_EQ(ReadFileBytes(name), data);

    const String missing = dir.File("missing.txt");
    EXPECT_THROW_MSG(ReadFileBytes(missing), EFOpenError, "Cannot open file \"" + missing + "\"");
    EXPECT_THROW_MSG(ReadFileBytes(dir.Path().string()), EFOpenError,
                     "Cannot open file \"" + dir.Path().string() + "\"");
}

TEST(AtomicFileTest, ALinkKeepsPointingAtTheFileItsWriteReplaced) {
    zt_test::TempDir dir;
    fs::create_directory(dir.Path() / "real");
    const String target = dir.File("real/app.txt");
    zt_test::WriteAll(target, "old");
    fs::create_symlink("real/app.txt", dir.Path() / "relative");
    fs::create_symlink(dir.Path() / "relative", dir.Path() / "chain"); // a link to a link
    WriteFileAtomic(dir.File("chain"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "chain"));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "relative"));
    EXPECT_EQ(zt_test::ReadAll(target), "new");
    EXPECT_EQ(EntriesIn(dir.Path() / "real"), 1u);

    // A link to a file that does not exist yet makes that file.
    fs::create_symlink("real/later.txt", dir.Path() / "dangling");
    WriteFileAtomic(dir.File("dangling"), "made");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "dangling"));
    EXPECT_EQ(zt_test::ReadAll(dir.File("real/later.txt")), "made");
    EXPECT_EQ(WriteTargetOf(dir.File("chain")), target);
}

TEST(AtomicFileTest, AReadOnlyFileIsRefusedEvenThroughALink) {
    zt_test::TempDir dir;
    const String name = dir.File("locked.txt");
    zt_test::WriteAll(name, "old");
    ASSERT_EQ(::chmod(name.c_str(), 0444), 0);
    EXPECT_THROW_MSG(WriteFileAtomic(name, "new"), EFCreateError,
                     "Cannot create file \"" + name + "\"");
    fs::create_symlink("locked.txt", dir.Path() / "link");
    EXPECT_THROW_MSG(WriteFileAtomic(dir.File("link"), "new"), EFCreateError,
                     "Cannot create file \"" + dir.File("link") + "\"");
    EXPECT_EQ(zt_test::ReadAll(name), "old");
    EXPECT_EQ(ModeOf(name), 0444u);
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}

// A file system of a few pages, mounted in a mount namespace of a child process only.
TEST(AtomicFileTest, NoSpaceLeftIsNamedWithTheFile) {
    zt_test::TempDir dir;
    fs::create_directory(dir.Path() / "small");
    const String name = dir.File("small/big.txt");
    const String result = dir.File("result");
    pid_t child = zt_test::StartChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", dir.File("small").c_str(), "tmpfs", 0, "size=16k") != 0)
            ::_exit(77);
        try {
            WriteFileAtomic(name, String(1 << 20, 'x'));
        } catch (const EWriteError& e) {
            zt_test::WriteAll(result,
                              e.Message() + "|" + std::to_string(EntriesIn(dir.Path() / "small")));
        }
    });
    int status = zt_test::WaitChild(child);
    if (status == 77) GTEST_SKIP() << "no permission to mount a small file system";
    ASSERT_EQ(status, 0);
    EXPECT_EQ(zt_test::ReadAll(result),
              "Cannot write file \"" + name + "\": No space left on device|0");
}

String TemporaryOf(const fs::path& Dir, const String& Name, pid_t Pid) {
    return (Dir / ("." + Name + ".~" + std::to_string(Pid) + ".a1B2c3")).string();
}

// A writer killed during its write (here by the file-size limit) leaves its temporary file;
// the next write of the same file removes it, but never one whose writer still runs.
TEST(AtomicFileTest, TemporariesOfKilledWritersAreRemovedByTheNextWrite) {
    zt_test::TempDir dir;
    const String name = dir.File("keep.txt");
    zt_test::WriteAll(name, "old");
    for (int round = 0; round < 3; ++round) {
        pid_t child = zt_test::StartChild([&] {
            rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            rlimit small{1024, 1024};
            ::setrlimit(RLIMIT_FSIZE, &small);
            WriteFileAtomic(name, String(1 << 16, 'n'));
        });
        ASSERT_EQ(zt_test::WaitChild(child), 128 + SIGXFSZ);
    }
    // Each writer removed its predecessor's temporary; the last one is left.
    ASSERT_EQ(EntriesIn(dir.Path()), 2u);

    pid_t sleeper = zt_test::StartChild([] { ::pause(); });
    const String living = TemporaryOf(dir.Path(), "keep.txt", sleeper);
    const String mine = TemporaryOf(dir.Path(), "keep.txt", ::getpid());
    const String other = TemporaryOf(dir.Path(), "other.txt", 1 << 30);
    for (const String& f : {living, mine, other})
        zt_test::WriteAll(f, "x");
    WriteFileAtomic(name, "new");
    EXPECT_EQ(zt_test::ReadAll(name), "new");
    EXPECT_TRUE(fs::exists(living));
    EXPECT_TRUE(fs::exists(mine));
    EXPECT_TRUE(fs::exists(other)); // another file's temporaries are left to its writers
    EXPECT_EQ(EntriesIn(dir.Path()), 4u);
    ::kill(sleeper, SIGKILL);
    zt_test::WaitChild(sleeper);
    WriteFileAtomic(name, "newer");
    EXPECT_FALSE(fs::exists(living));
    EXPECT_EQ(EntriesIn(dir.Path()), 3u);
}

} // namespace

TEST(AtomicFileTest, PiecesOfAnySizeArriveInOrder) {
    zt_test::TempDir dir;
    const String name = dir.File("pieces.txt");
    String expected;
    WriteFileAtomic(name, [&](TFileSink& Sink) {
        // Small pieces that fill the buffer unevenly, then pieces larger than it.
        for (std::size_t size : {1u, 7u, 4096u, 100000u, 300000u, 1u, 700000u, 3u}) {
            for (int i = 0; i < 40; ++i) {
                String piece(size, static_cast<char>('a' + (expected.size() + i) % 26));
                Sink.Write(piece);
                expected += piece;
            }
        }
    });
    EXPECT_EQ(zt_test::ReadAll(name), expected);
}

TEST(AtomicFileTest, AProducerThatFailsLeavesTheOldFile) {
    zt_test::TempDir dir;
    const String name = dir.File("keep.txt");
    zt_test::WriteAll(name, "old");
    EXPECT_THROW(WriteFileAtomic(name,
                                 [](TFileSink& Sink) {
                                     Sink.Write(String(600000, 'x'));
                                     throw std::runtime_error("producer failed");
                                 }),
                 std::runtime_error);
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW_MSG(WriteFileAtomic(name,
                                         [](TFileSink& Sink) {
                                             for (int i = 0; i < 1000; ++i)
                                                 Sink.Write(String(1000, 'y'));
                                         }),
                         EWriteError, "Cannot write file \"" + name + "\": File too large");
    }
    EXPECT_EQ(zt_test::ReadAll(name), "old");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileTest, AFileThatDoesNotTellItsSizeIsReadWhole) {
    // The system reports no size for its status files; the reader must not trust it.
    const String status = ReadFileBytes("/proc/self/status");
    EXPECT_NE(status.find("Umask:"), String::npos);
    EXPECT_EQ(status.find('\0'), String::npos);
}
