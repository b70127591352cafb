#include "host/rtl/FileNames.h"

#include "TestUtil.h"

#include <filesystem>

using namespace host;

namespace {

struct PartsRow {
    const char* Name;
    const char* Path;
    const char* Dir;
    const char* File;
    const char* Ext;
};

TEST(FileNamesTest, PartsWithEitherSeparator) {
    const PartsRow rows[] = {
        {"C:\\a\\b.txt", "C:\\a\\", "C:\\a", "b.txt", ".txt"},
        {"/x/y/z.txt", "/x/y/", "/x/y", "z.txt", ".txt"},
        {"a/b\\c.txt", "a/b\\", "a/b", "c.txt", ".txt"},
        {"a\\b/c", "a\\b/", "a\\b", "c", ""},
        {"name.txt", "", "", "name.txt", ".txt"},
        {"a.tar.gz", "", "", "a.tar.gz", ".gz"},
        {"dir.x/name", "dir.x/", "dir.x", "name", ""},
        {"dir.x\\name", "dir.x\\", "dir.x", "name", ""},
        {"name.", "", "", "name.", "."},
        {".bashrc", "", "", ".bashrc", ".bashrc"},
        {"dir/", "dir/", "dir", "", ""},
        {"/a", "/", "/", "a", ""},
        {"C:\\b", "C:\\", "C:\\", "b", ""},
        {"C:b.txt", "C:", "C:", "b.txt", ".txt"},
        {"/tmp/a:b.txt", "/tmp/", "/tmp", "a:b.txt", ".txt"},
        {"", "", "", "", ""},
    };
    for (const PartsRow& r : rows) {
        SCOPED_TRACE(r.Name);
        EXPECT_EQ(ExtractFilePath(r.Name), r.Path);
        EXPECT_EQ(ExtractFileDir(r.Name), r.Dir);
        EXPECT_EQ(ExtractFileName(r.Name), r.File);
        EXPECT_EQ(ExtractFileExt(r.Name), r.Ext);
    }
    EXPECT_TRUE(IsPathDelimiter('\\'));
    EXPECT_TRUE(IsPathDelimiter('/'));
    EXPECT_FALSE(IsPathDelimiter(':'));
}

TEST(FileNamesTest, ChangeFileExtTouchesOnlyTheNamePart) {
    EXPECT_EQ(ChangeFileExt("a/b.txt", ".ini"), "a/b.ini");
    EXPECT_EQ(ChangeFileExt("a.d/b", ".x"), "a.d/b.x");
    EXPECT_EQ(ChangeFileExt("a.d\\b", ".x"), "a.d\\b.x");
    EXPECT_EQ(ChangeFileExt("a\\b.txt", ""), "a\\b");
    EXPECT_EQ(ChangeFileExt("c.tar.gz", ".zip"), "c.tar.zip");
    EXPECT_EQ(ChangeFileExt("", ".x"), ".x");
}

TEST(FileNamesTest, TrailingDelimiterAndLocalNames) {
    EXPECT_EQ(IncludeTrailingPathDelimiter("a"), "a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("a/"), "a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("a\\"), "a\\");
    EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\x"), "C:\\x\\");
    EXPECT_EQ(IncludeTrailingPathDelimiter("a\\b/c"), "a\\b/c/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "");
    EXPECT_EQ(LocalFileName("a\\b\\c.txt"), "a/b/c.txt");
    EXPECT_EQ(LocalFileName("/x/y"), "/x/y");
}

TEST(FileNamesTest, ExistenceChecksTellFilesFromFolders) {
    zt_test::TempDir dir;
    const String file = dir.File("f.txt");
    zt_test::WriteAll(file, "x");
    std::filesystem::create_directory(dir.Path() / "sub");
    const String folder = dir.File("sub");
    const String hostStyle = dir.Path().string() + "\\f.txt";

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(hostStyle));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(dir.File("missing")));
    EXPECT_FALSE(DirectoryExists(dir.File("missing")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(file + String(1, '\0') + "junk"));

    EXPECT_FALSE(DeleteFile(folder));
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_TRUE(DeleteFile(hostStyle));
    EXPECT_FALSE(FileExists(file));
    EXPECT_FALSE(DeleteFile(file));
}

TEST(FileNamesTest, ParamStr0IsTheRunningProgram) {
    const String self = ParamStr0();
    EXPECT_EQ(self, std::filesystem::canonical("/proc/self/exe").string());
    EXPECT_TRUE(FileExists(self));
}

} // namespace
