// The interception of loaded strings: every string loaded through the run-time library's
// resource-string loader or through the package's import of LoadStringA is offered to the
// living resource translators, newest first, until one translates it. The loader keeps the
// translated answers (LoadedTextCache.h) for as long as nothing they depend on changes.
//
// Unit start-up: the loader entry is pointed at this unit's loader by
// InitializeResourceHookUnit, which runs when the program starts (a program that never links a
// translator never patches anything) and again, counted, for the first TResourceTranslator made
// after a finalization. Inside the design-time host (ToolServices set) the entry stays
// untouched. The import slot is redirected while at least one translator made outside the
// design state lives.
#pragma once

#include "host/rtl/ResString.h"

namespace zantor {

using host::HINSTANCE;
using host::LPSTR;
using host::PResStringRec;
using host::String;
using host::UINT;

class TResourceTranslator;

// A node of ResComponentList; each translator embeds its own, so linking allocates nothing.
struct TResComponent {
    TResComponent* Next = nullptr;
    TResourceTranslator* Component = nullptr;
};

// Living translators, the most recently made first.
extern TResComponent* ResComponentList;
// Master switch: while false no translator answers.
extern bool GlobalTranslation;
// What the import slot held before the hook; non-null exactly while the hook is in force.
extern host::TLoadStringAProc OrgLoadString;
// True while CustomLoadResString runs.
extern bool SettingResStr;
// The loader entry's protection and routine before the patch (the routine stays null while the
// entry is not patched).
extern host::DWORD GlobProt;
extern host::TLoadResStringProc GlobOldBuf;

// Installs (Unhook false) or removes (Unhook true) the redirection of the package's LoadStringA
// import slot to NewLoadString; does nothing when already in that state.
void HookLoadString(bool Unhook);
// The loader that the patched entry leads to: loads untranslated, then asks the translators.
String CustomLoadResString(PResStringRec ResStringRec);
// What the patch writes into the entry; passes the record on to CustomLoadResString.
String WrapLoadResString(PResStringRec ResStringRec);
// LoadStringA as the hooked slot answers it: the original load, then the translators.
int NewLoadString(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax);
// Offers a loaded text (Len > 0 characters in a buffer of Capacity) to the translators, newest
// first; true when one replaced it (Len is then the new length).
bool TranslateLoadedText(char* Buffer, int& Len, int Capacity);

// Drops the translated texts kept for loading them again (when the last translator goes).
void ForgetLoadedTexts();

// Unit initialization and finalization, counted: only the first initialization and the last
// finalization act.
void InitializeResourceHookUnit();
void FinalizeResourceHookUnit();
// Initializes the unit unless it already is (used by the translator's constructor).
void EnsureResourceHookUnit();

// For tests: puts the entry, the slot and every variable back to how they were before the
// unit's initialization, whatever the counter says. Translators still alive are unlinked first.
void ResetResourceHookUnit();

// Resets the unit when made and again when it goes.
class TResourceHookGuard {
public:
    TResourceHookGuard() { ResetResourceHookUnit(); }
    ~TResourceHookGuard() { ResetResourceHookUnit(); }
    TResourceHookGuard(const TResourceHookGuard&) = delete;
    TResourceHookGuard& operator=(const TResourceHookGuard&) = delete;
};

} // namespace zantor
