#include "host/rtl/AtomicFile.h"

#include "TestUtil.h"
#include "host/rtl/Exceptions.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

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
                         "Stream write error");
    }
    EXPECT_EQ(zt_test::ReadAll(name), "old");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileTest, FailedRenameLeavesTheTargetAndNoTemporary) {
    zt_test::TempDir dir;
    const String name = dir.File("folder");
    fs::create_directory(name);
    zt_test::WriteAll(dir.File("folder/inside.txt"), "i");
    EXPECT_THROW_MSG(WriteFileAtomic(name, "x"), EWriteError, "Stream write error");
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

} // namespace
