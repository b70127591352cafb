#include "host/winapi/Registry.h"

#include "TestUtil.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

using namespace host;
namespace fs = std::filesystem;

namespace {

const String Key = "Software\\Tessavin";

TEST(RegIniFileTest, ValuesComeBackWithTheirTypesAndDefaultsStandInForWhatIsMissing) {
    zt_test::TempDir Dir;
    const String Store = Dir.File("cfg/zantor/registry.reg");
    {
        TRegIniFile Ini(Key, Store);
        EXPECT_EQ(Ini.ReadString("FormTranslator", "EditFontName", "Arial"), "Arial");
        EXPECT_FALSE(fs::exists(Store)); // reading makes nothing
        Ini.WriteString("FormTranslator", "EditFontName", "Courier \"New\"\\\t\x01");
        Ini.WriteInteger("FormTranslator", "ReadingOrderIndex", -2);
        Ini.WriteBool("FormTranslator", "MoveNextUntranslated", false);
        Ini.WriteString("DlgTranslator", "CommonProperty[0]", "");
    }
    TRegIniFile Ini(Key, Store); // a fresh reader sees the file only
    EXPECT_EQ(Ini.ReadString("FormTranslator", "EditFontName", ""), "Courier \"New\"\\\t\x01");
    EXPECT_EQ(Ini.ReadString("formtranslator", "editfontname", ""), "Courier \"New\"\\\t\x01");
    EXPECT_EQ(Ini.ReadInteger("FormTranslator", "ReadingOrderIndex", 7), -2);
    EXPECT_EQ(Ini.ReadString("FormTranslator", "ReadingOrderIndex", ""), "-2");
    EXPECT_FALSE(Ini.ReadBool("FormTranslator", "MoveNextUntranslated", true));
    EXPECT_TRUE(Ini.ReadBool("FormTranslator", "Missing", true));
    // A text that is no number gives the default to ReadInteger.
    EXPECT_EQ(Ini.ReadInteger("FormTranslator", "EditFontName", 5), 5);
    EXPECT_TRUE(Ini.ValueExists("DlgTranslator", "CommonProperty[0]"));
    EXPECT_FALSE(Ini.ValueExists("CommonProperty[0]")); // not a value of the key itself
    EXPECT_EQ(Ini.ReadSection("FormTranslator"),
              (std::vector<String>{"EditFontName", "ReadingOrderIndex", "MoveNextUntranslated"}));
    const String Text = zt_test::ReadAll(Store);
    EXPECT_TRUE(Text.starts_with("REGEDIT4\n")) << Text;
    EXPECT_NE(Text.find("[HKEY_CURRENT_USER\\Software\\Tessavin\\FormTranslator]\n"
                        "\"EditFontName\"=\"Courier \\\"New\\\"\\\\\\x09\\x01\"\n"
                        "\"ReadingOrderIndex\"=dword:fffffffe\n"),
              String::npos)
        << Text;
}

TEST(RegIniFileTest, EraseSectionAndDeleteKeyRemoveOnlyWhatTheyName) {
    zt_test::TempDir Dir;
    TRegIniFile Ini(Key, Dir.File("registry.reg"));
    Ini.WriteString("FormTranslator", "A", "1");
    Ini.WriteString("FormTranslator\\Sub", "B", "2");
    Ini.WriteString("FormTranslatorX", "C", "3");
    Ini.WriteString("", "Top", "4");
    Ini.DeleteKey("FormTranslatorX", "Missing");
    Ini.EraseSection("FORMTRANSLATOR");
    EXPECT_FALSE(Ini.SectionExists("FormTranslator"));
    EXPECT_FALSE(Ini.ValueExists("FormTranslator\\Sub", "B"));
    EXPECT_EQ(Ini.ReadString("FormTranslatorX", "C", ""), "3");
    EXPECT_TRUE(Ini.ValueExists("Top"));
    Ini.DeleteKey("FormTranslatorX", "C");
    EXPECT_FALSE(Ini.ValueExists("FormTranslatorX", "C"));
    EXPECT_TRUE(Ini.SectionExists("FormTranslatorX")); // the key stays without values
}

TEST(RegIniFileTest, TheUserStoreFollowsXdgConfigHome) {
    zt_test::TempDir Dir;
    const char* Old = std::getenv("XDG_CONFIG_HOME");
    const String Saved = Old ? Old : "";
    ::setenv("XDG_CONFIG_HOME", Dir.Path().c_str(), 1);
    {
        TRegIniFile Ini(Key);
        Ini.WriteInteger("Zantor", "Page", 3);
    }
    if (Old)
        ::setenv("XDG_CONFIG_HOME", Saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(fs::exists(Dir.File("zantor/registry.reg")));
    EXPECT_EQ(TRegIniFile(Key, Dir.File("zantor/registry.reg")).ReadInteger("Zantor", "Page", 0),
              3);
}

// Damaged files, whatever their damage, give defaults and are never written over.
TEST(RegIniFileTest, ADamagedStoreGivesDefaultsAndRefusesChangesWithoutTouchingTheFile) {
    zt_test::TempDir Dir;
    const String Store = Dir.File("registry.reg");
    const std::pair<String, String> Cases[] = {
        {"[HKEY_CURRENT_USER\\Software\\Tessavin\\X]\n\"A\"=\"1\"\n",
         "on line 1: \"REGEDIT4\" expected"},
        {"REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tessavin\\X]\n\"A\"=\"1\"\n\"B\"=dword:xyz\n",
         "on line 5: a number of 1 to 8 hex digits"},
        {"REGEDIT4\n\"A\"=\"1\"\n", "on line 2: a value outside any key"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n",
         "on line 2: a key of the current user expected"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Tessavin\\X]\n\"A\"=\"unterminated\n",
         "on line 3: a quoted text or dword: expected"},
        {String("REGEDIT4\n\0\0\0", 12), "on line 1: it is not a text file"},
    };
    for (const auto& [Text, Where] : Cases) {
        zt_test::WriteAll(Store, Text);
        TRegIniFile Ini(Key, Store);
        EXPECT_EQ(Ini.ReadString("X", "A", "default"), "default");
        EXPECT_NE(Ini.Store().Damage().find(Where), String::npos) << Ini.Store().Damage();
        EXPECT_THROW_MSG(Ini.WriteString("X", "A", "2"), ERegistryException,
                         "Settings store \"" + Store + "\" is damaged " + Where +
                             "; it is left as it is");
        EXPECT_THROW(Ini.EraseSection("X"), ERegistryException);
        EXPECT_EQ(zt_test::ReadAll(Store), Text);
    }
}

TEST(RegIniFileTest, AStoreThatCannotBeWrittenRaisesAndKeepsItsValues) {
    zt_test::TempDir Dir;
    const String Store = Dir.File("registry.reg");
    TRegIniFile Ini(Key, Store);
    Ini.WriteString("X", "A", "1");
    ::chmod(Store.c_str(), 0444);
    EXPECT_THROW(Ini.WriteString("X", "A", "2"), ERegistryException);
    EXPECT_EQ(Ini.ReadString("X", "A", ""), "1");
    ::chmod(Store.c_str(), 0644);
    EXPECT_THROW_MSG(Ini.WriteString("X]", "A", "2"), ERegistryException,
                     "Invalid registry key \"Software\\Tessavin\\X]\"");
}

// Two programs changing settings at the same time both keep everything they wrote.
TEST(RegIniFileTest, TwoProcessesWritingAtOnceLoseNothing) {
    zt_test::TempDir Dir;
    const String Store = Dir.File("registry.reg");
    constexpr int Count = 60;
    pid_t Child = zt_test::StartChild([&] {
        TRegIniFile Ini(Key, Store);
        for (int I = 0; I < Count; ++I)
            Ini.WriteInteger("Child", "V" + std::to_string(I), I);
    });
    {
        TRegIniFile Ini(Key, Store);
        for (int I = 0; I < Count; ++I)
            Ini.WriteInteger("Parent", "V" + std::to_string(I), I);
    }
    ASSERT_EQ(zt_test::WaitChild(Child), 0);
    TRegIniFile Ini(Key, Store);
    for (int I = 0; I < Count; ++I) {
        EXPECT_EQ(Ini.ReadInteger("Child", "V" + std::to_string(I), -1), I);
        EXPECT_EQ(Ini.ReadInteger("Parent", "V" + std::to_string(I), -1), I);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir.Path()), {}), 1); // no lock or temp left
}

} // namespace
