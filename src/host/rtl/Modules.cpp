// The module list, the string tables and the string loader.
#include "host/rtl/Modules.h"

#include "host/rtl/FileNames.h"
#include "host/rtl/ResStringHost.h"

#include <algorithm>
#include <cstring>

namespace host {

namespace {

constexpr UINT MaxStringId = 65535;

std::uint64_t TablesGeneration = 0;

// Every module, code or resource, in the order made.
std::vector<TLibModule*>& Registry() {
    static std::vector<TLibModule*> Modules;
    return Modules;
}

// Module handles are 64 KB aligned, like load addresses, and far above the window layer's
// handle values, so the two never meet.
HINSTANCE NewModuleHandle() {
    static std::uintptr_t Next = 0x40000000;
    Next += 0x10000;
    return reinterpret_cast<HINSTANCE>(Next);
}

struct TBuiltinModules {
    TLibModule Rtl{"HostRtl.bpl"};
    TLibModule Package{"ZntD4.bpl"};
    TLibModule Main{ParamStr0(), TModuleKind::Code, HInstance()};
};

TBuiltinModules& Builtins() {
    static TBuiltinModules Modules;
    return Modules;
}

} // namespace

bool TPatchableBase::Writable() const {
    return (FProtect & (PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE |
                        PAGE_EXECUTE_WRITECOPY)) != 0;
}

BOOL VirtualProtect(TPatchableBase* Entry, DWORD NewProtect, DWORD* OldProtect) {
    if (!Entry || !OldProtect) return 0;
    *OldProtect = Entry->FProtect;
    Entry->FProtect = NewProtect;
    return 1;
}

TLibModule::TLibModule(String FileName, TModuleKind Kind, HINSTANCE Instance)
    : FInstance(Instance ? Instance : NewModuleHandle()), FResInstance(FInstance),
      FFileName(std::move(FileName)), FKind(Kind) {
    Registry().push_back(this);
    ++TablesGeneration;
}

TLibModule::~TLibModule() {
    ++TablesGeneration;
    auto& R = Registry();
    R.erase(std::remove(R.begin(), R.end(), this), R.end());
}

UINT TLibModule::AddString(String Text) {
    if (FNextId == 0)
        throw EListError("The string table of " + FFileName + " is full (65535 strings)");
    UINT Id = FNextId--;
    SetString(Id, std::move(Text));
    return Id;
}

void TLibModule::SetResInstance(HINSTANCE Value) {
    FResInstance = Value ? Value : FInstance;
    ++TablesGeneration;
}

void TLibModule::SetString(UINT Id, String Text) {
    if (Id > MaxStringId)
        throw EListError("String identifier out of range (" + std::to_string(Id) + ")");
    if (FChars.size() + Text.size() + 5 > 0xFFFFFFFFu)
        throw EListError("The string table of " + FFileName + " is full");
    ++TablesGeneration;
    const std::size_t Index = MaxStringId - Id;
    if (Index >= FOffsets.size()) FOffsets.resize(Index + 1);
    if (Text.empty()) {
        FOffsets[Index] = 0;
        return;
    }
    FOffsets[Index] = static_cast<std::uint32_t>(FChars.size() + 1);
    const auto Len = static_cast<std::uint32_t>(Text.size());
    FChars.append(reinterpret_cast<const char*>(&Len), 4);
    FChars.append(Text);
}

std::optional<std::string_view> TLibModule::FindString(UINT Id) const {
    const std::size_t Index = MaxStringId - Id;
    if (Id > MaxStringId || Index >= FOffsets.size() || FOffsets[Index] == 0) return std::nullopt;
    const char* P = FChars.data() + FOffsets[Index] - 1;
    std::uint32_t Len;
    std::memcpy(&Len, P, 4);
    return std::string_view(P + 4, Len);
}

TLibModule& RtlModule() {
    // Referencing the host's texts keeps their unit in every program that has modules.
    detail::LinkHostResourceStrings();
    return Builtins().Rtl;
}
TLibModule& PackageModule() {
    return Builtins().Package;
}
TLibModule& MainModule() {
    return Builtins().Main;
}
HINSTANCE HInstance() {
    static const HINSTANCE Instance = NewModuleHandle();
    return Instance;
}
HINSTANCE MainInstance() {
    return MainModule().Instance();
}

std::uint64_t ModuleTablesGeneration() {
    return TablesGeneration;
}

TLibModule* FindModule(HINSTANCE Instance) {
    if (!Instance) return &MainModule();
    Builtins(); // the built-in modules exist before anyone asks for one
    for (TLibModule* M : Registry())
        if (M->Instance() == Instance) return M;
    return nullptr;
}

void EnumModules(const std::function<bool(HINSTANCE Instance)>& Callback) {
    Builtins();
    std::vector<HINSTANCE> Handles;
    for (TLibModule* M : Registry())
        if (M->Kind() == TModuleKind::Code) Handles.push_back(M->Instance());
    for (auto It = Handles.rbegin(); It != Handles.rend(); ++It)
        if (!Callback(*It)) return;
}

HINSTANCE FindResourceHInstance(HINSTANCE Instance) {
    TLibModule* M = Instance ? FindModule(Instance) : nullptr;
    return M ? M->ResInstance() : Instance;
}

int LoadStringA(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax) {
    if (!Buffer || BufferMax <= 0) return 0;
    Buffer[0] = '\0';
    const TLibModule* M = FindModule(Instance);
    const std::optional<std::string_view> S = M ? M->FindString(Id) : std::nullopt;
    if (!S) return 0;
    std::size_t Count = std::min(S->size(), static_cast<std::size_t>(BufferMax - 1));
    std::memcpy(Buffer, S->data(), Count);
    Buffer[Count] = '\0';
    return static_cast<int>(Count);
}

} // namespace host
