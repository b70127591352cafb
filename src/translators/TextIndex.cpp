#include "translators/TextIndex.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace zantor {

namespace {

std::uint64_t HashOf(std::string_view S) {
    return std::hash<std::string_view>()(S);
}

std::uint32_t TagOf(std::uint64_t Hash) {
    return static_cast<std::uint32_t>(Hash >> 32);
}

// At most half the slots in use keeps probe runs short.
std::size_t SlotCountFor(std::size_t Texts) {
    return std::bit_ceil(std::max<std::size_t>(16, Texts * 2));
}

} // namespace

TTextIndex::TTextIndex(std::size_t Expected) : FSlots(SlotCountFor(Expected)) {
    FTexts.reserve(Expected);
    FHashes.reserve(Expected);
}

std::size_t TTextIndex::SlotOf(std::string_view S, std::uint64_t Hash) const {
    const std::size_t Mask = FSlots.size() - 1;
    const std::uint32_t Tag = TagOf(Hash);
    for (std::size_t i = Hash & Mask;; i = (i + 1) & Mask) {
        const TSlot& Slot = FSlots[i];
        if (Slot.Number == 0 || (Slot.Tag == Tag && FTexts[Slot.Number - 1] == S)) return i;
    }
}

std::uint32_t TTextIndex::Add(std::string_view S) {
    const std::uint64_t Hash = HashOf(S);
    std::size_t i = SlotOf(S, Hash);
    if (FSlots[i].Number != 0) return FSlots[i].Number - 1;
    const auto Number = static_cast<std::uint32_t>(FTexts.size());
    FTexts.push_back(S);
    FHashes.push_back(Hash);
    if (FTexts.size() * 2 > FSlots.size()) {
        Grow();
    } else {
        FSlots[i] = {Number + 1, TagOf(Hash)};
    }
    return Number;
}

std::uint32_t TTextIndex::Find(std::string_view S) const {
    const TSlot& Slot = FSlots[SlotOf(S, HashOf(S))];
    return Slot.Number == 0 ? NotFound : Slot.Number - 1;
}

void TTextIndex::Grow() {
    std::vector<TSlot> Slots(SlotCountFor(FTexts.size()));
    const std::size_t Mask = Slots.size() - 1;
    for (std::uint32_t n = 0; n < FTexts.size(); ++n) {
        std::size_t i = FHashes[n] & Mask;
        while (Slots[i].Number != 0)
            i = (i + 1) & Mask;
        Slots[i] = {n + 1, TagOf(FHashes[n])};
    }
    FSlots = std::move(Slots);
}

} // namespace zantor
