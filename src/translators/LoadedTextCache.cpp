#include "translators/LoadedTextCache.h"

#include <cstring>

namespace zantor {

std::uint64_t TranslatorsGeneration = 0;

namespace {
constexpr host::UINT MaxStringId = 65535;
// Past this many characters nothing more is kept: the offsets are 32 bits.
constexpr std::size_t MaxArena = 0xFFFF0000u;
} // namespace

bool TLoadedTextCache::Current() {
    const std::uint64_t Tables = host::ModuleTablesGeneration();
    if (Tables == FTablesGeneration && TranslatorsGeneration == FTranslatorsGeneration) return true;
    Clear();
    FTablesGeneration = Tables;
    FTranslatorsGeneration = TranslatorsGeneration;
    return false;
}

TLoadedTextCache::TModuleTexts* TLoadedTextCache::TextsOf(const host::TLibModule* Module) {
    if (FLast < FModules.size() && FModules[FLast].Module == Module) return &FModules[FLast];
    for (std::size_t i = 0; i < FModules.size(); ++i)
        if (FModules[i].Module == Module) {
            FLast = i;
            return &FModules[i];
        }
    return nullptr;
}

bool TLoadedTextCache::Find(const host::TLibModule* Module, host::UINT Id, std::string_view& Text) {
    if (!Current() || Id > MaxStringId) return false;
    const TModuleTexts* M = TextsOf(Module);
    const std::size_t Index = MaxStringId - Id;
    if (!M || Index >= M->Offsets.size() || M->Offsets[Index] == 0) return false;
    const char* P = M->Chars.data() + M->Offsets[Index] - 1;
    std::uint32_t Len;
    std::memcpy(&Len, P, 4);
    Text = std::string_view(P + 4, Len);
    return true;
}

void TLoadedTextCache::Store(const host::TLibModule* Module, host::UINT Id, std::string_view Text) {
    Current();
    if (Id > MaxStringId) return;
    TModuleTexts* M = TextsOf(Module);
    if (!M) {
        M = &FModules.emplace_back();
        M->Module = Module;
        FLast = FModules.size() - 1;
    }
    if (M->Chars.size() + Text.size() + 4 > MaxArena) return;
    const std::size_t Index = MaxStringId - Id;
    if (Index >= M->Offsets.size()) M->Offsets.resize(Index + 1);
    M->Offsets[Index] = static_cast<std::uint32_t>(M->Chars.size() + 1);
    const auto Len = static_cast<std::uint32_t>(Text.size());
    M->Chars.append(reinterpret_cast<const char*>(&Len), 4);
    M->Chars.append(Text);
}

void TLoadedTextCache::Clear() {
    FModules.clear();
    FLast = 0;
}

} // namespace zantor
