#include "translators/ResourceHook.h"

#include "host/ide/ToolServices.h"
#include "translators/LoadedTextCache.h"
#include "translators/ResourceTranslator.h"

#include <utility>

namespace zantor {

using namespace host;

TResComponent* ResComponentList = nullptr;
bool GlobalTranslation = true;
TLoadStringAProc OrgLoadString = nullptr;
bool SettingResStr = false;
DWORD GlobProt = 0;
TLoadResStringProc GlobOldBuf = nullptr;

namespace {

constexpr int LoaderBufferSize = 4096;
int UnitCounter = 0;

// The slot through which this unit's own code calls LoadStringA.
TPatchable<TLoadStringAProc>& ImportSlot() {
    return PackageModule().LoadStringASlot;
}

// A translator freed at exit, after the kept texts went, finds none (null).
constinit bool LoadedTextsGone = false;
TLoadedTextCache* LoadedTexts() {
    struct THolder {
        TLoadedTextCache Cache;
        ~THolder() { LoadedTextsGone = true; }
    };
    if (LoadedTextsGone) return nullptr;
    static THolder Holder;
    return &Holder.Cache;
}

// Whether a load through the import slot reaches the platform's loader with nothing but this
// unit's hook in between: another interception there may answer differently each time.
bool PlainImportSlot() {
    const TLoadStringAProc Slot = ImportSlot().Get();
    return Slot == &host::LoadStringA ||
           (Slot == &NewLoadString && OrgLoadString == &host::LoadStringA);
}

template <class F> void WriteProtected(TPatchable<F>& Entry, F Value) {
    DWORD Old = 0;
    VirtualProtect(&Entry, PAGE_EXECUTE_READWRITE, &Old);
    Entry.Write(Value);
    VirtualProtect(&Entry, Old, &Old);
}

// The unit's initialization runs when the program starts, as a unit's would: the loader entry
// is patched before any translator exists.
struct TUnitStart {
    TUnitStart() { InitializeResourceHookUnit(); }
} UnitStart;

// Puts the loader entry back when the process ends, for a program that never finalizes.
struct TUnitExit {
    ~TUnitExit() {
        if (UnitCounter > 0) {
            UnitCounter = 1;
            FinalizeResourceHookUnit();
        }
    }
} UnitExit;

} // namespace

bool TranslateLoadedText(char* Buffer, int& Len, int Capacity) {
    // Translators of other locales are switched off: skipped without a call.
    for (TResComponent* Node = ResComponentList; Node; Node = Node->Next)
        if (Node->Component->Translate() && Node->Component->TranslateBuffer(Buffer, Len, Capacity))
            return true;
    return false;
}

String CustomLoadResString(PResStringRec ResStringRec) {
    struct TSetting {
        TSetting() { SettingResStr = true; }
        ~TSetting() { SettingResStr = false; }
    } Setting;
    if (!ResStringRec) return String();
    if (ResStringRec->Identifier > 65535)
        return String(reinterpret_cast<const char*>(ResStringRec->Identifier));
    const UINT Id = static_cast<UINT>(ResStringRec->Identifier);
    // An answer kept earlier stands for the whole load only while nothing but this unit's hook
    // sits between the loader and the platform, and only while translators may answer.
    const bool Keep =
        ResStringRec->Module && ResComponentList && GlobalTranslation && PlainImportSlot();
    TLoadedTextCache* Texts = Keep ? LoadedTexts() : nullptr;
    std::string_view Kept;
    if (Texts && Texts->Find(ResStringRec->Module, Id, Kept)) return String(Kept);
    char Buffer[LoaderBufferSize];
    int Len = 0;
    {
        // The inner load only loads: the translators are asked below, once.
        struct TMuted {
            bool Saved = GlobalTranslation;
            TMuted() { GlobalTranslation = false; }
            ~TMuted() { GlobalTranslation = Saved; }
        } Muted;
        HINSTANCE Module = ResStringRec->Module ? ResStringRec->Module->Instance() : nullptr;
        Len = PackageModule().LoadStringA(FindResourceHInstance(Module), Id, Buffer,
                                          LoaderBufferSize);
    }
    if (Len <= 0) return String();
    if (TranslateLoadedText(Buffer, Len, LoaderBufferSize) && Texts)
        Texts->Store(ResStringRec->Module, Id,
                     std::string_view(Buffer, static_cast<std::size_t>(Len)));
    return String(Buffer, static_cast<std::size_t>(Len));
}

String WrapLoadResString(PResStringRec ResStringRec) {
    // Through the routine's address, as a copied wrapper would call it.
    static constexpr TLoadResStringProc Target = &CustomLoadResString;
    return Target(ResStringRec);
}

int NewLoadString(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax) {
    // A caller that kept the slot's value after the hook was removed still gets a load.
    TLoadStringAProc Original = OrgLoadString ? OrgLoadString : &host::LoadStringA;
    int Len = Original(Instance, Id, Buffer, BufferMax);
    // While GlobalTranslation is false no translator would answer: no need to ask.
    if (Len > 0 && ResComponentList && GlobalTranslation)
        TranslateLoadedText(Buffer, Len, BufferMax);
    return Len;
}

void HookLoadString(bool Unhook) {
    ++TranslatorsGeneration;
    if (!Unhook) {
        if (OrgLoadString) return;
        OrgLoadString = ImportSlot().Get();
        WriteProtected(ImportSlot(), TLoadStringAProc(&NewLoadString));
    } else {
        if (!OrgLoadString) return;
        WriteProtected(ImportSlot(), OrgLoadString);
        OrgLoadString = nullptr;
    }
}

void InitializeResourceHookUnit() {
    if (UnitCounter++ != 0) return;
    ResComponentList = nullptr;
    GlobalTranslation = true;
    OrgLoadString = nullptr;
    SettingResStr = false;
    VirtualProtect(&LoadResStringEntry, PAGE_EXECUTE_READWRITE, &GlobProt);
    if (!ToolServices) {
        GlobOldBuf = LoadResStringEntry.Get();
        LoadResStringEntry.Write(&WrapLoadResString);
    }
    DWORD Old = 0;
    VirtualProtect(&LoadResStringEntry, GlobProt, &Old);
}

// Restores what the initialization patched, asking GlobOldBuf rather than ToolServices again,
// so that a design-time host set up or torn down in between cannot leave the entry patched.
void FinalizeResourceHookUnit() {
    if (UnitCounter == 0 || --UnitCounter != 0) return;
    DWORD Old = 0;
    VirtualProtect(&LoadResStringEntry, PAGE_EXECUTE_READWRITE, &Old);
    if (GlobOldBuf) LoadResStringEntry.Write(GlobOldBuf);
    GlobOldBuf = nullptr;
    VirtualProtect(&LoadResStringEntry, Old, &Old);
}

void EnsureResourceHookUnit() {
    if (UnitCounter == 0) InitializeResourceHookUnit();
}

void ForgetLoadedTexts() {
    ++TranslatorsGeneration;
    if (TLoadedTextCache* Texts = LoadedTexts()) Texts->Clear();
}

void ResetResourceHookUnit() {
    ForgetLoadedTexts();
    OrgLoadString = nullptr;
    WriteProtected(ImportSlot(), TLoadStringAProc(&host::LoadStringA));
    while (ResComponentList)
        ResComponentList = std::exchange(ResComponentList->Next, nullptr);
    if (UnitCounter > 0) {
        UnitCounter = 1;
        FinalizeResourceHookUnit();
    }
    GlobalTranslation = true;
    SettingResStr = false;
    GlobProt = 0;
}

} // namespace zantor
