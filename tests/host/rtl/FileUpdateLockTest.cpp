#include "host/rtl/FileUpdateLock.h"

#include "TestUtil.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace host;
namespace fs = std::filesystem;

namespace {

void WaitFor(const String& File) {
    while (!fs::exists(File))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(FileUpdateLockTest, AnotherProcessWaitsUntilTheHolderIsDone) {
    zt_test::TempDir dir;
    const String name = dir.File("shared.txt");
    const String held = dir.File("held"), released = dir.File("released");
    pid_t holder = zt_test::StartChild([&] {
        TFileUpdateLock Lock(name);
        if (!Lock.Locked()) ::_exit(2);
        zt_test::WriteAll(held, "");
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        zt_test::WriteAll(released, "");
    });
    WaitFor(held);
    {
        TFileUpdateLock Lock(name);
        EXPECT_TRUE(Lock.Locked());
        EXPECT_TRUE(fs::exists(released));
        EXPECT_TRUE(fs::exists(dir.File(".shared.txt.lock")));
    }
    EXPECT_EQ(zt_test::WaitChild(holder), 0);
    EXPECT_FALSE(fs::exists(dir.File(".shared.txt.lock"))); // the last holder removes it
    EXPECT_FALSE(fs::exists(name));
}

TEST(FileUpdateLockTest, EveryNameOfAFileSharesOneLockAndAMissingFolderLocksNothing) {
    zt_test::TempDir dir;
    fs::create_symlink("real.txt", dir.Path() / "link.txt");
    {
        TFileUpdateLock Lock(dir.File("link.txt"));
        EXPECT_TRUE(Lock.Locked());
        EXPECT_TRUE(fs::exists(dir.File(".real.txt.lock")));
    }
    TFileUpdateLock None(dir.File("missing/file.txt"));
    EXPECT_FALSE(None.Locked());
    TFileUpdateLock NoName(dir.Path().string() + "/");
    EXPECT_FALSE(NoName.Locked());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1); // just the link
}

} // namespace
