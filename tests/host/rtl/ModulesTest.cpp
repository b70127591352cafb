#include "host/winapi/Modules.h"
#include "host/rtl/ResString.h"
#include "host/rtl/ResStringHost.h"
#include "host/winapi/Process.h"

#include "TestUtil.h"

#include <algorithm>
#include <cstring>

using namespace host;

namespace {

TLibModule& TestModule() {
    static TLibModule Module("ModulesTest.bpl");
    return Module;
}

ZT_RESOURCESTRING(TestModule, SFirst, "First text");
ZT_RESOURCESTRING(TestModule, SSecond, "Second text");

// Puts the loader entry back however a test leaves it.
struct TEntryGuard {
    TLoadResStringProc Saved = LoadResStringEntry.Get();
    ~TEntryGuard() {
        DWORD Old = 0;
        VirtualProtect(&LoadResStringEntry, PAGE_EXECUTE_READWRITE, &Old);
        LoadResStringEntry.Write(Saved);
        VirtualProtect(&LoadResStringEntry, PAGE_EXECUTE_READ, &Old);
    }
};

String Shouting(PResStringRec Rec) {
    return "!" + SysLoadResString(Rec);
}

} // namespace

TEST(Modules, LoadStringACopiesAtMostBufferMaxMinusOneAndAZero) {
    TLibModule M("strings.bpl");
    UINT Id = M.AddString("Hello world");
    char Buffer[16];
    std::memset(Buffer, 'x', sizeof Buffer);
    EXPECT_EQ(LoadStringA(M.Instance(), Id, Buffer, 16), 11);
    EXPECT_STREQ(Buffer, "Hello world");

    std::memset(Buffer, 'x', sizeof Buffer);
    EXPECT_EQ(LoadStringA(M.Instance(), Id, Buffer, 6), 5);
    EXPECT_STREQ(Buffer, "Hello");
    EXPECT_EQ(Buffer[6], 'x'); // nothing beyond the given size

    EXPECT_EQ(LoadStringA(M.Instance(), Id, Buffer, 1), 0);
    EXPECT_STREQ(Buffer, "");
    Buffer[0] = 'x';
    EXPECT_EQ(LoadStringA(M.Instance(), Id, Buffer, 0), 0);
    EXPECT_EQ(Buffer[0], 'x');
    EXPECT_EQ(LoadStringA(M.Instance(), Id, nullptr, 16), 0);

    // Missing strings, identifiers beyond the table's range and unknown modules load nothing.
    EXPECT_EQ(LoadStringA(M.Instance(), Id - 1, Buffer, 16), 0);
    EXPECT_STREQ(Buffer, "");
    EXPECT_EQ(LoadStringA(M.Instance(), 70000, Buffer, 16), 0);
    EXPECT_EQ(LoadStringA(reinterpret_cast<HINSTANCE>(0x1234), Id, Buffer, 16), 0);
    M.SetString(7, "");
    EXPECT_EQ(LoadStringA(M.Instance(), 7, Buffer, 16), 0);
}

TEST(Modules, StringTableIdentifiersGoDownFrom65535) {
    TLibModule M("table.bpl");
    EXPECT_EQ(M.AddString("a"), 65535u);
    EXPECT_EQ(M.AddString("b"), 65534u);
    M.SetString(100, "low");
    EXPECT_EQ(M.AddString("c"), 65533u);
    EXPECT_EQ(M.AddedCount(), 3);
    EXPECT_EQ(M.FindString(100), "low");
    EXPECT_EQ(M.FindString(101), std::nullopt);
    M.SetString(100, "replaced");
    EXPECT_EQ(M.FindString(100), "replaced");
    EXPECT_EQ(M.FindString(65535), "a");
    M.SetString(100, "");
    EXPECT_EQ(M.FindString(100), std::nullopt);
    EXPECT_THROW_MSG(M.SetString(65536, "x"), EListError, "String identifier out of range (65536)");

    TLibModule Full("full.bpl");
    for (int i = 0; i < 65535; ++i)
        Full.AddString("s");
    EXPECT_EQ(Full.FindString(1), "s");
    EXPECT_THROW_MSG(Full.AddString("one too many"), EListError,
                     "The string table of full.bpl is full (65535 strings)");

    // Declared strings take identifiers in declaration order.
    EXPECT_EQ(SFirst.Module, &TestModule());
    EXPECT_EQ(SFirst.Identifier, 65535u);
    EXPECT_EQ(SSecond.Identifier, 65534u);
}

TEST(Modules, ModuleListFileNamesAndResourceModules) {
    EXPECT_EQ(MainInstance(), HInstance());
    EXPECT_EQ(GetModuleHandleA(nullptr), MainInstance());
    EXPECT_EQ(FindModule(nullptr), &MainModule());
    EXPECT_NE(RtlModule().Instance(), PackageModule().Instance());

    auto Listed = [] {
        std::vector<HINSTANCE> Handles;
        EnumModules([&](HINSTANCE H) {
            Handles.push_back(H);
            return true;
        });
        return Handles;
    };
    const std::vector<HINSTANCE> Before = Listed();
    {
        TLibModule Library("plugin.bpl");
        TLibModule Satellite("plugin.fra", TModuleKind::Resource);
        std::vector<HINSTANCE> Now = Listed();
        ASSERT_EQ(Now.size(), Before.size() + 1); // resource modules are not listed
        EXPECT_EQ(Now.front(), Library.Instance());
        EXPECT_EQ(std::vector<HINSTANCE>(Now.begin() + 1, Now.end()), Before);

        // Resources of a module may live in another one.
        EXPECT_EQ(FindResourceHInstance(Library.Instance()), Library.Instance());
        Satellite.SetString(65535, "Bonjour");
        Library.SetString(65535, "Hello");
        Library.SetResInstance(Satellite.Instance());
        EXPECT_EQ(FindResourceHInstance(Library.Instance()), Satellite.Instance());
        TResStringRec Rec{&Library, 65535};
        EXPECT_EQ(LoadResString(&Rec), "Bonjour");
        Library.SetResInstance(nullptr);
        EXPECT_EQ(LoadResString(&Rec), "Hello");
        HINSTANCE NoModule = reinterpret_cast<HINSTANCE>(0x77);
        EXPECT_EQ(FindResourceHInstance(NoModule), NoModule);

        char Name[20];
        EXPECT_EQ(GetModuleFileNameA(Library.Instance(), Name, 20), 10u);
        EXPECT_STREQ(Name, "plugin.bpl");
        EXPECT_EQ(GetModuleFileNameA(Library.Instance(), Name, 7), 7u); // cut, still ended
        EXPECT_STREQ(Name, "plugin");
        EXPECT_EQ(GetModuleFileNameA(Library.Instance(), Name, 0), 0u);
        EXPECT_EQ(GetModuleFileNameA(NoModule, Name, 20), 0u);
    }
    EXPECT_EQ(Listed(), Before); // gone with their objects

    std::vector<HINSTANCE> FirstOnly;
    EnumModules([&](HINSTANCE H) {
        FirstOnly.push_back(H);
        return false;
    });
    EXPECT_EQ(FirstOnly.size(), 1u);
    char Name[1024];
    ASSERT_GT(GetModuleFileNameA(nullptr, Name, sizeof Name), 0u);
    EXPECT_EQ(String(Name), MainModule().FileName());
}

TEST(Modules, PatchableEntriesMustBeMadeWritableFirst) {
    TPatchable<TLoadStringAProc> Slot{&LoadStringA, PAGE_READONLY};
    EXPECT_THROW_MSG(Slot.Write(nullptr), EAccessViolation,
                     "Access violation: write to a protected routine entry");
    EXPECT_EQ(Slot.Get(), &LoadStringA);
    DWORD Old = 0;
    EXPECT_TRUE(VirtualProtect(&Slot, PAGE_EXECUTE_READWRITE, &Old));
    EXPECT_EQ(Old, PAGE_READONLY);
    Slot.Write(nullptr);
    EXPECT_EQ(Slot.Get(), nullptr);
    EXPECT_TRUE(VirtualProtect(&Slot, Old, &Old));
    EXPECT_EQ(Old, PAGE_EXECUTE_READWRITE);
    EXPECT_FALSE(Slot.Writable());
    EXPECT_FALSE(VirtualProtect(&Slot, PAGE_READWRITE, nullptr));
    EXPECT_FALSE(VirtualProtect(nullptr, PAGE_READWRITE, &Old));
}

TEST(ResString, LoaderReadsTablesLiteralsAndGoesThroughItsEntry) {
    EXPECT_EQ(LoadResString(&SFirst), "First text");
    EXPECT_EQ(LoadResString(SSecond), "Second text");
    EXPECT_EQ(LoadResString(nullptr), "");
    const char* Literal = "A literal";
    TResStringRec ByAddress = LiteralResString(Literal);
    EXPECT_GT(ByAddress.Identifier, 65535u);
    EXPECT_EQ(LoadResString(&ByAddress), "A literal");
    TResStringRec Missing{&TestModule(), 100};
    EXPECT_EQ(LoadResString(&Missing), "");
    // A record without a module reads the application's table.
    TResStringRec FromMain{nullptr, MainModule().AddString("Main text")};
    EXPECT_EQ(LoadResString(&FromMain), "Main text");

    // The loader's buffer holds 4095 characters and the zero.
    TLibModule Long("long.bpl");
    TResStringRec LongRec{&Long, Long.AddString(String(5000, 'y'))};
    EXPECT_EQ(LoadResString(&LongRec), String(4095, 'y'));

    // The entry may already lead to a resource translator's loader (its unit patches it when
    // the program starts); the system loader stays reachable behind it.
    TEntryGuard Guard;
    EXPECT_EQ(LoadResStringEntry.Protect(), PAGE_EXECUTE_READ);
    EXPECT_THROW(LoadResStringEntry.Write(&Shouting), EAccessViolation);
    DWORD Old = 0;
    VirtualProtect(&LoadResStringEntry, PAGE_EXECUTE_READWRITE, &Old);
    LoadResStringEntry.Write(&Shouting);
    VirtualProtect(&LoadResStringEntry, Old, &Old);
    EXPECT_EQ(LoadResString(&SFirst), "!First text");
}

TEST(ResString, HostTextsAreResourceStringsOfTheRunTimeLibrary) {
    const std::vector<std::pair<const TResStringRec*, const char*>> Texts = {
        {&SMsgDlgYes, "&Yes"},        {&SMsgDlgNo, "&No"},
        {&SMsgDlgOK, "OK"},           {&SMsgDlgCancel, "Cancel"},
        {&SMsgDlgHelp, "&Help"},      {&SMsgDlgAbort, "&Abort"},
        {&SMsgDlgRetry, "&Retry"},    {&SMsgDlgIgnore, "&Ignore"},
        {&SMsgDlgAll, "&All"},        {&SMsgDlgWarning, "Warning"},
        {&SMsgDlgError, "Error"},     {&SMsgDlgInformation, "Information"},
        {&SMsgDlgConfirm, "Confirm"}, {&SOKButton, "OK"},
        {&SCancelButton, "Cancel"},   {&SListIndexError, "List index out of bounds (%d)"}};
    for (const auto& [Rec, Text] : Texts) {
        EXPECT_EQ(Rec->Module, &RtlModule()) << Text;
        EXPECT_GE(Rec->Identifier, 32768u) << Text;
        EXPECT_EQ(LoadResString(Rec), Text);
    }
    // A tool reading the module's table from 65535 down finds them all.
    std::vector<String> Table;
    char Buffer[256];
    for (UINT Id = 65535; Id >= 32768; --Id)
        if (LoadStringA(RtlModule().Instance(), Id, Buffer, 255) > 0) Table.push_back(Buffer);
    EXPECT_EQ(static_cast<int>(Table.size()), RtlModule().AddedCount());
    EXPECT_EQ(SMsgDlgWarning.Identifier, SMsgDlgError.Identifier + 1); // declaration order
    EXPECT_NE(std::find(Table.begin(), Table.end(), "&Yes"), Table.end());
}
