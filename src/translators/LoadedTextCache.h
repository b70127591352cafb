// Translated texts already answered by the interception, per resource string (module and
// identifier), so that loading one again skips the string table and the translators' look-up:
// at a million texts those cost a handful of cache misses each, the kept answer one or two.
// An answer holds while neither the module tables (host::ModuleTablesGeneration) nor the
// translators (TranslatorsGeneration) moved; the first look-up after a move drops them all.
#pragma once

#include "host/rtl/Modules.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zantor {

class TLoadedTextCache {
public:
    // The text kept for string Id of Module, when one is kept under the current generations.
    [[nodiscard]] bool Find(const host::TLibModule* Module, host::UINT Id, std::string_view& Text);
    // Keeps Text as the answer for string Id of Module (Id at most 65535).
    void Store(const host::TLibModule* Module, host::UINT Id, std::string_view Text);
    void Clear();

private:
    // Laid out as a module's own table: FOffsets[65535 - Id] is 0 (nothing kept) or 1 + the
    // offset in FChars of the text's length (4 bytes) and characters.
    struct TModuleTexts {
        const host::TLibModule* Module = nullptr;
        std::vector<std::uint32_t> Offsets;
        std::string Chars;
    };
    TModuleTexts* TextsOf(const host::TLibModule* Module);
    bool Current();

    std::vector<TModuleTexts> FModules;
    std::size_t FLast = 0;
    std::uint64_t FTablesGeneration = 0;
    std::uint64_t FTranslatorsGeneration = 0;
};

// Moves with every change that can alter what a translator answers: the list of translators,
// one switched on or off, a change to their texts, the hooks.
extern std::uint64_t TranslatorsGeneration;

} // namespace zantor
