#include "ResourceTestSupport.h"

#include "host/ide/FakeToolServices.h"

#include <cstring>
#include <stdexcept>

using namespace zantor;
using namespace zrt_test;
using host::LoadResString;
using host::TLoadStringAProc;

namespace {

struct TFakeIde : zt_test::TFakeToolServices {};

TLoadStringAProc Slot() {
    return host::PackageModule().LoadStringASlot.Get();
}

std::vector<TResourceTranslator*> Listed() {
    std::vector<TResourceTranslator*> Result;
    for (TResComponent* N = ResComponentList; N; N = N->Next)
        Result.push_back(N->Component);
    return Result;
}

// What the hook state table says for each situation.
void ExpectState(bool EntryPatched, bool SlotHooked) {
    EXPECT_EQ(host::LoadResStringEntry.Get(),
              EntryPatched ? &WrapLoadResString : &host::SysLoadResString);
    EXPECT_EQ(host::LoadResStringEntry.Protect(), host::PAGE_EXECUTE_READ);
    EXPECT_EQ(Slot(), SlotHooked ? &NewLoadString : &host::LoadStringA);
    EXPECT_EQ(OrgLoadString, SlotHooked ? &host::LoadStringA : nullptr);
    EXPECT_EQ(host::PackageModule().LoadStringASlot.Protect(), host::PAGE_READONLY);
    // Other modules' imports are never touched.
    EXPECT_EQ(host::MainModule().LoadStringASlot.Get(), &host::LoadStringA);
    EXPECT_EQ(host::RtlModule().LoadStringASlot.Get(), &host::LoadStringA);
}

} // namespace

class ZrtHook : public ZrtFixture {};

TEST_F(ZrtHook, EveryRowOfTheStateTableInAnyOrderOfCreationAndDestruction) {
    ExpectState(false, false);
    // Unit loaded in an application, no translator.
    InitializeResourceHookUnit();
    ExpectState(true, false);
    EXPECT_EQ(GlobOldBuf, &host::SysLoadResString);
    EXPECT_EQ(GlobProt, host::PAGE_EXECUTE_READ);
    InitializeResourceHookUnit(); // counted: a second start-up changes nothing
    ExpectState(true, false);

    // At least one translator alive: the newest first in the list, the hook installed once.
    auto* A = new TResourceTranslator(nullptr);
    ExpectState(true, true);
    auto* B = new TResourceTranslator(nullptr);
    auto* C = new TResourceTranslator(nullptr);
    ExpectState(true, true); // not installed twice: the original is still what it calls
    EXPECT_EQ(Listed(), (std::vector<TResourceTranslator*>{C, B, A}));
    B->Free(); // from the middle
    EXPECT_EQ(Listed(), (std::vector<TResourceTranslator*>{C, A}));
    ExpectState(true, true);
    C->Free(); // the head
    EXPECT_EQ(Listed(), (std::vector<TResourceTranslator*>{A}));
    ExpectState(true, true);
    auto* D = new TResourceTranslator(nullptr);
    A->Free(); // the tail
    EXPECT_EQ(Listed(), (std::vector<TResourceTranslator*>{D}));
    ExpectState(true, true);
    // Last translator destroyed.
    D->Free();
    EXPECT_EQ(ResComponentList, nullptr);
    ExpectState(true, false);
    // A new translator hooks again.
    auto* E = new TResourceTranslator(nullptr);
    ExpectState(true, true);
    E->Free();
    ExpectState(true, false);

    // Unit finalized: the first finalization only counts down.
    FinalizeResourceHookUnit();
    ExpectState(true, false);
    FinalizeResourceHookUnit();
    ExpectState(false, false);
    EXPECT_EQ(GlobOldBuf, nullptr);
    FinalizeResourceHookUnit(); // one too many does no harm
    ExpectState(false, false);
}

TEST_F(ZrtHook, InsideTheDesignHostNothingIsPatchedButTheLastTranslatorStillUnhooks) {
    TFakeIde Ide;
    host::ToolServices = &Ide;
    InitializeResourceHookUnit(); // inside the IDE
    ExpectState(false, false);
    EXPECT_EQ(host::LoadResString(SReady), "Ready");

    auto* Form = new host::TForm(host::Application);
    Form->SetDesigning(true);
    auto* Designed = new TResourceTranslator(Form);
    ExpectState(false, false); // design state: no hook
    EXPECT_EQ(Listed(), (std::vector<TResourceTranslator*>{Designed}));

    // A translator made outside the design state hooks; the design-state one, destroyed last,
    // still removes that hook.
    auto* Running = new TResourceTranslator(nullptr);
    ExpectState(false, true);
    Running->Free();
    ExpectState(false, true);
    Designed->Free();
    ExpectState(false, false);

    // The IDE going away before finalization does not make finalization patch anything.
    host::ToolServices = nullptr;
    FinalizeResourceHookUnit();
    ExpectState(false, false);
}

TEST_F(ZrtHook, TheFirstTranslatorStartsTheUnitWhenTheApplicationDidNot) {
    ExpectState(false, false);
    auto* T = OnNewForm("Form1", 1036);
    ExpectState(true, true);
    T->SetTranslation("Ready", "Prêt");
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    T->Owner()->Free();
    ExpectState(true, false);
    EXPECT_EQ(LoadResString(SReady), "Ready");
}

TEST_F(ZrtHook, TheNewestTranslatorAnswersAndAnEmptyTranslationPassesOn) {
    auto* Older = OnNewForm("Form1", 0);
    auto* Newer = OnNewForm("Form2", 0);
    Older->SetTranslation("Cannot open file", "Impossible d'ouvrir le fichier");
    Older->SetTranslation("Ready", "Prêt");
    Newer->SetTranslation("Cannot open file", "Datei kann nicht geöffnet werden");
    Newer->SetTranslation("Ready", "");

    EXPECT_EQ(LoadResString(SCannotOpen), "Datei kann nicht geöffnet werden");
    EXPECT_EQ(PackageLoadString(SCannotOpen), "Datei kann nicht geöffnet werden");
    EXPECT_EQ(LoadResString(SReady), "Prêt"); // the newer one's translation is empty
    EXPECT_EQ(PackageLoadString(SReady), "Prêt");
    EXPECT_EQ(LoadResString(SNotFound), "File not found"); // nobody knows it

    Newer->InternalTranslate(false); // a switched-off translator never answers
    EXPECT_EQ(LoadResString(SCannotOpen), "Impossible d'ouvrir le fichier");
    // The application's own import of LoadStringA is not redirected.
    EXPECT_EQ(AppLoadString(SCannotOpen), "Cannot open file");
}

TEST_F(ZrtHook, GlobalTranslationFalseGivesUntranslatedTextsOnBothPaths) {
    auto* T = OnNewForm("Form1", 0);
    T->SetTranslation("Ready", "Prêt");
    GlobalTranslation = false;
    EXPECT_EQ(LoadResString(SReady), "Ready");
    EXPECT_EQ(PackageLoadString(SReady), "Ready");
    EXPECT_FALSE(GlobalTranslation); // the loader puts back what it found
    GlobalTranslation = true;
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    EXPECT_EQ(PackageLoadString(SReady), "Prêt");
}

TEST_F(ZrtHook, LiteralRecordsAndCaseAreNeverTranslated) {
    auto* T = OnNewForm("Form1", 0);
    T->SetTranslation("Ready", "Prêt");
    T->SetTranslation("Cannot open file", "Impossible");
    host::TResStringRec Literal = host::LiteralResString("Ready");
    EXPECT_EQ(LoadResString(&Literal), "Ready");
    EXPECT_EQ(LoadResString(nullptr), "");

    host::TLibModule Other("other.bpl");
    host::TResStringRec Lower{&Other, Other.AddString("cannot open file")};
    host::TResStringRec Spaced{&Other, Other.AddString("Ready ")};
    host::TResStringRec Same{&Other, Other.AddString("Ready")};
    EXPECT_EQ(LoadResString(Lower), "cannot open file");
    EXPECT_EQ(LoadResString(Spaced), "Ready ");
    // Keyed by text: the same text from any module is translated.
    EXPECT_EQ(LoadResString(Same), "Prêt");
}

TEST_F(ZrtHook, TranslationsNeverWriteBeyondTheCallersBuffer) {
    auto* T = OnNewForm("Form1", 0);
    T->SetTranslation("Ready", "Bereit zum Arbeiten");
    EXPECT_EQ(PackageLoadString(SReady, 8), "Bereit "); // 7 characters and the zero
    EXPECT_EQ(PackageLoadString(SReady, 6), "Berei");   // the source fits, the translation not
    EXPECT_EQ(PackageLoadString(SReady, 5), "Read");    // a cut source is another text
    EXPECT_EQ(PackageLoadString(SReady, 1), "");

    char Buffer[12] = "Ready";
    std::memset(Buffer + 6, '#', 6);
    int Len = 5;
    EXPECT_TRUE(T->TranslateBuffer(Buffer, Len, 4));
    EXPECT_EQ(Len, 3);
    EXPECT_STREQ(Buffer, "Ber");
    EXPECT_EQ(Buffer[4], 'y'); // untouched beyond the capacity
    EXPECT_EQ(Buffer[6], '#');
    std::memcpy(Buffer, "Ready", 6);
    Len = 5;
    EXPECT_FALSE(T->TranslateBuffer(Buffer, Len, 0));
    EXPECT_STREQ(Buffer, "Ready");
    EXPECT_EQ(Len, 5);

    // The resource loader's own buffer holds 4095 characters.
    T->SetTranslation("File not found", String(5000, 'z'));
    EXPECT_EQ(LoadResString(SNotFound), String(4095, 'z'));
}

TEST_F(ZrtHook, TheLoaderFlagsItsWorkAndRestoresThemWhenTheLoadFails) {
    OnNewForm("Form1", 0)->SetTranslation("Ready", "Prêt");
    static bool SeenSetting, SeenGlobal, Fail;
    SeenSetting = SeenGlobal = Fail = false;
    // Spy behind the hook, where the original LoadStringA was.
    OrgLoadString = [](host::HINSTANCE I, host::UINT Id, host::LPSTR B, int Max) {
        SeenSetting = SettingResStr;
        SeenGlobal = GlobalTranslation;
        if (Fail) throw std::runtime_error("load failed");
        return host::LoadStringA(I, Id, B, Max);
    };
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    EXPECT_TRUE(SeenSetting);
    EXPECT_FALSE(SeenGlobal); // the inner load only loads
    EXPECT_FALSE(SettingResStr);
    EXPECT_TRUE(GlobalTranslation);

    Fail = true;
    EXPECT_THROW(LoadResString(SReady), std::runtime_error);
    EXPECT_FALSE(SettingResStr);
    EXPECT_TRUE(GlobalTranslation);
    OrgLoadString = &host::LoadStringA;
}

TEST_F(ZrtHook, ASlotValueKeptAfterUnhookingStillLoads) {
    auto* T = OnNewForm("Form1", 0);
    TLoadStringAProc Kept = Slot();
    EXPECT_EQ(Kept, &NewLoadString);
    T->Owner()->Free();
    char Buffer[32];
    EXPECT_EQ(
        Kept(SReady.Module->Instance(), static_cast<host::UINT>(SReady.Identifier), Buffer, 32), 5);
    EXPECT_STREQ(Buffer, "Ready");
}

// In a process of its own, before any test resets the unit: the unit's initialization has
// already run when the program starts, so the row "unit loaded, no translator yet" holds.
TEST(ZrtHookStartup, TheUnitIsInitializedWhenTheProgramStarts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool Patched = host::LoadResStringEntry.Get() == &WrapLoadResString &&
                                 GlobOldBuf == &host::SysLoadResString &&
                                 ResComponentList == nullptr && OrgLoadString == nullptr;
            std::exit(Patched ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
