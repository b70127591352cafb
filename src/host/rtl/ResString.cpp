// The run-time library's resource-string loader and its entry.
#include "host/rtl/ResString.h"

namespace host {

namespace {
constexpr int LoaderBufferSize = 4096;
}

// Constant-initialized, so a load during another unit's start-up already finds it.
constinit TPatchable<TLoadResStringProc> LoadResStringEntry{&SysLoadResString, PAGE_EXECUTE_READ};

TResStringRec DeclareResourceString(TLibModule& Module, const char* Text) {
    return {&Module, Module.AddString(Text)};
}

String SysLoadResString(PResStringRec ResStringRec) {
    if (!ResStringRec) return String();
    if (ResStringRec->Identifier > 65535)
        return String(reinterpret_cast<const char*>(ResStringRec->Identifier));
    char Buffer[LoaderBufferSize];
    HINSTANCE Module = ResStringRec->Module ? ResStringRec->Module->Instance() : nullptr;
    int Len = RtlModule().LoadStringA(FindResourceHInstance(Module),
                                      static_cast<UINT>(ResStringRec->Identifier), Buffer,
                                      LoaderBufferSize);
    return String(Buffer, static_cast<std::size_t>(Len));
}

} // namespace host
