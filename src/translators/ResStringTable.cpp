#include "translators/ResStringTable.h"

#include "host/typinfo/ClassBuilder.h"

#include <bit>
#include <functional>

namespace zantor {

namespace {

std::uint64_t HashOf(std::string_view S) { return std::hash<std::string_view>{}(S); }

// Below this many lines a bisection is as quick as hashing.
constexpr int MinIndexedCount = 16;

} // namespace

TClass TResStringList::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TResStringList>("TResStringList");
    return &Info;
}

void TResStringList::Changing() {
    FIndexed = false;
    FLookupsSinceChange = 0;
    TSortList::Changing();
}

int TResStringList::FindLine(std::string_view S) const {
    if (!FIndexed && Count() >= MinIndexedCount &&
        ++FLookupsSinceChange > static_cast<std::size_t>(Count()) / 16)
        FIndexUsable = BuildIndex();
    if (FIndexed && FIndexUsable) return Probe(S);
    int Index = -1;
    return SortFind(S, Index) ? Index : -1;
}

int TResStringList::Probe(std::string_view S) const {
    const std::uint64_t Hash = HashOf(S);
    const std::uint64_t Tag = Hash >> 32;
    const std::size_t Mask = FSlots.size() - 1;
    for (std::size_t i = Hash & Mask;; i = (i + 1) & Mask) {
        const std::uint64_t Slot = FSlots[i];
        if (Slot == 0) return -1;
        if ((Slot >> 32) != Tag) continue;
        const int L = static_cast<int>((Slot & 0xFFFFFFFFu) - 1);
        if (Line(L) == S) return L;
    }
}

// False (no index) when the lines are not strictly ascending: there SortFind may miss a line
// or meet either of two equal ones, and the index must not answer differently.
bool TResStringList::BuildIndex() const {
    FIndexed = true;
    const int N = Count();
    for (int i = 1; i < N; ++i)
        if (!(Line(i - 1) < Line(i))) return false;
    FSlots.assign(std::bit_ceil(static_cast<std::size_t>(N) * 2), 0);
    const std::size_t Mask = FSlots.size() - 1;
    for (int L = 0; L < N; ++L) {
        const std::uint64_t Hash = HashOf(Line(L));
        std::size_t i = Hash & Mask;
        while (FSlots[i] != 0) i = (i + 1) & Mask;
        FSlots[i] = (Hash >> 32 << 32) | static_cast<std::uint32_t>(L + 1);
    }
    return true;
}

} // namespace zantor
