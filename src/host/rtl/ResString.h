// Resource strings: texts that a module declares in its string table and the run-time library
// loads by record, so that they can be replaced without touching the code that shows them.
//
//   ZT_RESOURCESTRING(host::MainModule, SReady, "Ready");   // in a .cpp of the module
//   extern const host::TResStringRec SReady;                // in its header, when shared
//   Status->SetCaption(host::LoadResString(&SReady));
//
// Every load goes through LoadResStringEntry, a patchable entry that a resource-string
// translator may point elsewhere.
#pragma once

#include "host/rtl/Modules.h"

#include <cstdint>

namespace host {

// A resource string: its module and its identifier in the module's string table. An identifier
// above 65535 is no table identifier but the address of a zero-terminated literal.
struct TResStringRec {
    TLibModule* Module = nullptr;
    std::uintptr_t Identifier = 0;
};
using PResStringRec = const TResStringRec*;

// A record that carries a literal's address instead of an identifier.
inline TResStringRec LiteralResString(const char* Text) {
    return {nullptr, reinterpret_cast<std::uintptr_t>(Text)};
}

// Puts Text into Module's string table under the next free identifier (downwards from 65535).
TResStringRec DeclareResourceString(TLibModule& Module, const char* Text);

// Declares resource string Name of the module that ModuleFn() returns. Identifiers follow the
// order of declaration within a source file.
#define ZT_RESOURCESTRING(ModuleFn, Name, Text)                                                    \
    extern const ::host::TResStringRec Name;                                                       \
    const ::host::TResStringRec Name = ::host::DeclareResourceString(ModuleFn(), Text)

using TLoadResStringProc = String (*)(PResStringRec ResStringRec);

// The run-time library's loader as it was built: the record's text from the string table of
// the module's resource module (loaded through the run-time library's own import of
// LoadStringA, at most 4095 characters), the literal for an identifier above 65535, and ""
// for a null record.
String SysLoadResString(PResStringRec ResStringRec);

// The loader's entry: every LoadResString goes through it.
extern TPatchable<TLoadResStringProc> LoadResStringEntry;

[[nodiscard]] inline String LoadResString(PResStringRec ResStringRec) {
    return LoadResStringEntry.Get()(ResStringRec);
}
[[nodiscard]] inline String LoadResString(const TResStringRec& ResStringRec) {
    return LoadResString(&ResStringRec);
}

} // namespace host
