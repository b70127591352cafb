#include "ResourceTestSupport.h"

#include "translators/LoadedTextCache.h"

#include <cstring>
#include <memory>
#include <random>

using namespace zantor;
using namespace zrt_test;
using host::LoadResString;
using host::TLoadStringAProc;

namespace {

const String Pool[] = {"alpha", "beta", "gamma", "delta", "epsilon", ""};
constexpr int PoolTexts = 5; // the last one is the empty text

// Another interception in the package's import slot: it replaces a loaded text from the pool by
// another one, chosen by a mark that changes without any translator or table knowing.
TLoadStringAProc ForeignNext = nullptr;
int ForeignMark = 0;

int ForeignLoadString(host::HINSTANCE Instance, host::UINT Id, host::LPSTR Buffer, int BufferMax) {
    const int Len = ForeignNext(Instance, Id, Buffer, BufferMax);
    for (int p = 0; p < PoolTexts; ++p) {
        if (String(Buffer, static_cast<std::size_t>(Len)) != Pool[p]) continue;
        const String& Other = Pool[(p + ForeignMark) % PoolTexts];
        std::memcpy(Buffer, Other.c_str(), Other.size() + 1);
        return static_cast<int>(Other.size());
    }
    return Len;
}

void WriteSlot(TLoadStringAProc Value) {
    auto& Slot = host::PackageModule().LoadStringASlot;
    host::DWORD Old = 0;
    host::VirtualProtect(&Slot, host::PAGE_EXECUTE_READWRITE, &Old);
    Slot.Write(Value);
    host::VirtualProtect(&Slot, Old, &Old);
}

// Whether the slot leads to the platform's loader with no foreign interception on the way.
bool ForeignInChain() {
    const TLoadStringAProc Slot = host::PackageModule().LoadStringASlot.Get();
    return !(Slot == &host::LoadStringA ||
             (Slot == &NewLoadString && OrgLoadString == &host::LoadStringA));
}

// The interception's answer worked out afresh: the load as the hook makes it, then the
// translators, with nothing kept from an earlier load.
String Fresh(const host::TResStringRec& Rec, bool& Translated) {
    char Buffer[4096];
    int Len = 0;
    {
        const bool Saved = GlobalTranslation;
        GlobalTranslation = false;
        Len = host::PackageModule().LoadStringA(host::FindResourceHInstance(Rec.Module->Instance()),
                                                static_cast<host::UINT>(Rec.Identifier), Buffer,
                                                sizeof Buffer);
        GlobalTranslation = Saved;
    }
    Translated = Len > 0 && TranslateLoadedText(Buffer, Len, sizeof Buffer);
    return String(Buffer, static_cast<std::size_t>(Len > 0 ? Len : 0));
}

} // namespace

class ZrtLoadedTexts : public ZrtFixture {};

// Random changes to everything an answer depends on, each followed by loads that must give the
// fresh answer, loaded twice so that the second may come from what the first kept.
TEST_F(ZrtLoadedTexts, AKeptAnswerIsAlwaysTheFreshOne) {
    InitializeResourceHookUnit();
    std::mt19937 Random(20261209);
    auto Pick = [&](int N) { return static_cast<int>(Random() % static_cast<unsigned>(N)); };
    auto AnyText = [&] { return Pool[Pick(PoolTexts + 1)]; };

    std::vector<std::unique_ptr<host::TLibModule>> Modules;
    std::vector<host::TResStringRec> Records;
    for (int m = 0; m < 2; ++m) {
        Modules.push_back(std::make_unique<host::TLibModule>("zt_cache" + std::to_string(m)));
        for (int i = 0; i < 6; ++i)
            Records.push_back(
                host::DeclareResourceString(*Modules.back(), Pool[Pick(PoolTexts)].c_str()));
    }
    host::TLibModule Redirected("zt_cache_fr.res", host::TModuleKind::Resource);
    for (int i = 0; i < 6; ++i)
        Redirected.SetString(65535 - static_cast<host::UINT>(i), Pool[Pick(PoolTexts)]);

    std::vector<TResourceTranslator*> Translators;
    int Translated = 0;
    for (int Step = 0; Step < 3000; ++Step) {
        TResourceTranslator* T =
            Translators.empty()
                ? nullptr
                : Translators[static_cast<std::size_t>(Pick(static_cast<int>(Translators.size())))];
        switch (Pick(11)) {
        case 0:
            if (Translators.size() < 3) Translators.push_back(new TResourceTranslator(nullptr));
            break;
        case 1:
            if (T) {
                std::erase(Translators, T);
                T->Free();
            }
            break;
        case 2:
        case 3:
            if (T) T->SetTranslation(Pool[Pick(PoolTexts)], AnyText() + std::to_string(Pick(3)));
            break;
        case 4:
            if (T && !T->RemoveTranslation(Pool[Pick(PoolTexts)]) && T->Translations()->Count() > 0)
                T->Translations()->SetStrings(Pick(T->Translations()->Count()), AnyText());
            break;
        case 5:
            if (T) T->SetTranslate(Pick(4) != 0);
            break;
        case 6: {
            auto& M = *Modules[static_cast<std::size_t>(Pick(2))];
            M.SetString(65535 - static_cast<host::UINT>(Pick(6)), AnyText());
            break;
        }
        case 7: {
            auto& M = *Modules[static_cast<std::size_t>(Pick(2))];
            M.SetResInstance(M.ResInstance() == M.Instance() ? Redirected.Instance() : nullptr);
            break;
        }
        case 8:
            GlobalTranslation = Pick(4) != 0; // mostly on, so that answers are kept
            break;
        case 9:
            // Put in only over a plain chain, taken out only while on top (the hook's own
            // removal may have dropped it): never a loop.
            if (!ForeignInChain()) {
                ForeignNext = host::PackageModule().LoadStringASlot.Get();
                WriteSlot(&ForeignLoadString);
            } else if (host::PackageModule().LoadStringASlot.Get() == &ForeignLoadString) {
                WriteSlot(ForeignNext);
            }
            break;
        case 10:
            ++ForeignMark;
            break;
        }
        for (int k = 0; k < 4; ++k) {
            const host::TResStringRec& Rec =
                Records[static_cast<std::size_t>(Pick(static_cast<int>(Records.size())))];
            bool ByTranslator = false;
            const String Expected = Fresh(Rec, ByTranslator);
            ASSERT_EQ(LoadResString(Rec), Expected) << "step " << Step;
            ASSERT_EQ(LoadResString(Rec), Expected) << "step " << Step << ", loaded again";
            Translated += ByTranslator;
        }
    }
    EXPECT_GT(Translated, 1200); // many answers came from translators
    if (host::PackageModule().LoadStringASlot.Get() == &ForeignLoadString) WriteSlot(ForeignNext);
    for (TResourceTranslator* T : Translators)
        T->Free();
}

TEST_F(ZrtLoadedTexts, TheKeptTextsGoWithTheLastTranslatorAndComeBackAsTheTablesSay) {
    auto* T = OnNewForm("Form1", 0);
    T->SetTranslation("Ready", "Prêt");
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    // The application's table changes under a kept answer.
    AppModule().SetString(static_cast<host::UINT>(SReady.Identifier), "Ready!");
    EXPECT_EQ(LoadResString(SReady), "Ready!");
    AppModule().SetString(static_cast<host::UINT>(SReady.Identifier), "Ready");
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    T->Owner()->Free();
    EXPECT_EQ(LoadResString(SReady), "Ready");
    auto* Again = OnNewForm("Form2", 0);
    Again->SetTranslation("Ready", "Bereit");
    EXPECT_EQ(LoadResString(SReady), "Bereit");
}
