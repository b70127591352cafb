#include "translators/ResourceStringTable.h"

#include "host/typinfo/ClassBuilder.h"
#include "translators/LoadedTextCache.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include <sys/mman.h>

using namespace host;

namespace zantor {

namespace {

// Sixteen bytes at a time, folded in by a 64 x 64 -> 128 bit multiplication: every load of a
// string pays for one hash per living translator, so it must cost only a few cycles.
__extension__ typedef unsigned __int128 TUInt128;

inline std::uint64_t Mix(std::uint64_t A, std::uint64_t B) {
    const TUInt128 M = static_cast<TUInt128>(A) * B;
    return static_cast<std::uint64_t>(M) ^ static_cast<std::uint64_t>(M >> 64);
}

inline std::uint64_t Load8(const char* P) {
    std::uint64_t W;
    std::memcpy(&W, P, 8);
    return W;
}

inline std::uint64_t Load4(const char* P) {
    std::uint32_t W;
    std::memcpy(&W, P, 4);
    return W;
}

// The last 1 to 16 bytes are read as two overlapping words, so no copy of variable length is
// needed.
// Up to sixteen last bytes as two words, with overlapping loads; both hashes use it.
[[gnu::always_inline]] inline void LoadTail(const char* P, std::size_t N, std::uint64_t& A,
                                            std::uint64_t& B) {
    A = B = 0;
    if (N >= 8) {
        A = Load8(P);
        B = Load8(P + N - 8);
    } else if (N >= 4) {
        A = Load4(P) << 32 | Load4(P + N - 4);
    } else if (N > 0) {
        A = std::uint64_t(static_cast<unsigned char>(P[0])) << 16 |
            std::uint64_t(static_cast<unsigned char>(P[N / 2])) << 8 |
            static_cast<unsigned char>(P[N - 1]);
    }
}

[[gnu::always_inline]] inline std::uint64_t HashOf(std::string_view S) {
    constexpr std::uint64_t K1 = 0xa0761d6478bd642full, K2 = 0xe7037ed1a0b428dbull;
    const char* P = S.data();
    std::size_t N = S.size();
    std::uint64_t H = N ^ K1;
    for (; N > 16; P += 16, N -= 16)
        H = Mix(Load8(P) ^ K2, Load8(P + 8) ^ H);
    std::uint64_t A, B;
    LoadTail(P, N, A, B);
    return Mix(Mix(A ^ K2, B ^ H) ^ K1, K2);
}

// A cheap fingerprint (length, first and last eight bytes) for the filter that turns most misses
// away before the full hash is computed.
[[gnu::always_inline]] inline std::uint64_t QuickHashOf(std::string_view S) {
    constexpr std::uint64_t K1 = 0xa0761d6478bd642full, K2 = 0xe7037ed1a0b428dbull;
    std::uint64_t A, B;
    LoadTail(S.data(), S.size(), A, B);
    return Mix(A ^ K2, B ^ S.size() ^ K1);
}

// Below this many lines a bisection is as quick as hashing.
constexpr int MinIndexedCount = 16;
constexpr std::size_t MaxIndexedLength = 0xFFFF;
constexpr std::uint32_t NoTranslation = 0xFFFFFFFF;
constexpr std::size_t HugePage = std::size_t(2) << 20;

inline std::uint64_t FilterBits(std::uint64_t Quick) {
    return std::uint64_t(1) << (Quick >> 52 & 63) | std::uint64_t(1) << (Quick >> 58 & 63);
}

inline void Store4(char* P, std::uint32_t V) {
    std::memcpy(P, &V, 4);
}

} // namespace

TClass TWatchedSortList::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWatchedSortList>("TWatchedSortList");
    return &Info;
}

void TWatchedSortList::Changing() {
    ++TranslatorsGeneration;
    if (FIndex) FIndex->Invalidate();
    TSortList::Changing();
}

TResStringIndex::TBlock::TBlock(std::size_t Size) : FSize(Size) {
    if (Size >= HugePage) {
        FData = static_cast<char*>(
            std::aligned_alloc(HugePage, (Size + HugePage - 1) / HugePage * HugePage));
        if (FData) madvise(FData, Size, MADV_HUGEPAGE);
    } else {
        FData = static_cast<char*>(std::malloc(Size ? Size : 1));
    }
    if (!FData) throw std::bad_alloc();
    std::memset(FData, 0, Size);
}

TResStringIndex::TBlock::~TBlock() {
    std::free(FData);
}

TResStringIndex::TBlock::TBlock(TBlock&& Other) noexcept
    : FData(std::exchange(Other.FData, nullptr)), FSize(std::exchange(Other.FSize, 0)) {}

TResStringIndex::TBlock& TResStringIndex::TBlock::operator=(TBlock&& Other) noexcept {
    std::swap(FData, Other.FData);
    std::swap(FSize, Other.FSize);
    return *this;
}

TResLookup TResStringIndex::LookupOf(int Object) const {
    TResLookup R;
    R.Object = Object;
    if (Object >= 0 && Object < FTranslations->Count()) {
        const String& T = FTranslations->Line(Object);
        R.Trans = T.data();
        R.TransLen = T.size();
    }
    return R;
}

bool TResStringIndex::FindBySearch(std::string_view S, TResLookup& Result) const {
    int Index = -1;
    if (!FLines->SortFind(S, Index)) return false;
    Result = LookupOf(ObjectToInt(FLines->Objects(Index)));
    return true;
}

bool TResStringIndex::Ready() const {
    if (!FBuilt && FLines->Count() >= MinIndexedCount &&
        ++FLookupsSinceChange > static_cast<std::size_t>(FLines->Count()) / 16)
        FUsable = Build();
    return FBuilt && FUsable;
}

bool TResStringIndex::Find(std::string_view S, TResLookup& Result) const {
    if (!Ready()) return FindBySearch(S, Result);
    const std::uint64_t Quick = QuickHashOf(S);
    const std::uint64_t Bits = FilterBits(Quick);
    if ((Filter()[Quick & FFilterMask] & Bits) != Bits || S.size() >= MaxIndexedLength)
        return false;
    const std::uint64_t Hash = HashOf(S);
    const std::uint64_t* Slots = this->Slots();
    // Tag and length together, as they sit in the low half of a slot.
    const std::uint64_t Key = (Hash >> 48) << 16 | S.size();
    for (std::size_t i = Hash & FSlotMask;; i = (i + 1) & FSlotMask) {
        const std::uint64_t Slot = Slots[i];
        if (Slot == 0) return false;
        if ((Slot & 0xFFFFFFFF) != Key) continue;
        const char* Entry = FEntries.Data() + (Slot >> 32);
        if (std::memcmp(Entry, S.data(), S.size()) != 0) continue;
        std::uint32_t TransLen;
        std::memcpy(&TransLen, Entry + S.size(), 4);
        if (TransLen == NoTranslation) {
            std::int32_t Object;
            std::memcpy(&Object, Entry + S.size() + 4, 4);
            Result = TResLookup{Object, nullptr, 0};
        } else {
            Result = TResLookup{0, Entry + S.size() + 4, TransLen};
        }
        return true;
    }
}

// False (no index) when the texts are not strictly ascending, since SortFind may then miss a
// line or meet either of two equal ones, or when a text or the whole table is too large for
// the slots' fields.
bool TResStringIndex::Build() const {
    FBuilt = true;
    const int N = FLines->Count();
    std::size_t Size = 8;
    for (int i = 0; i < N; ++i) {
        const String& Text = FLines->Line(i);
        if (Text.size() >= MaxIndexedLength || (i > 0 && !(FLines->Line(i - 1) < Text)))
            return false;
        const TResLookup T = LookupOf(ObjectToInt(FLines->Objects(i)));
        Size += Text.size() + 8 + T.TransLen;
    }
    if (Size > NoTranslation) return false;
    const std::size_t SlotCount = std::bit_ceil(static_cast<std::size_t>(N) * 2);
    const std::size_t FilterWords =
        std::max<std::size_t>(1, std::bit_ceil(static_cast<std::size_t>(N)) / 8);
    FSlots = TBlock(SlotCount * 8);
    FSlotMask = SlotCount - 1;
    FFilter = TBlock(FilterWords * 8);
    FFilterMask = FilterWords - 1;
    FEntries = TBlock(Size);
    auto* Slots = reinterpret_cast<std::uint64_t*>(FSlots.Data());
    auto* Filter = reinterpret_cast<std::uint64_t*>(FFilter.Data());
    std::size_t Offset = 8;
    for (int L = 0; L < N; ++L) {
        const String& Text = FLines->Line(L);
        const std::uint64_t Quick = QuickHashOf(Text);
        Filter[Quick & FFilterMask] |= FilterBits(Quick);
        const std::uint64_t Hash = HashOf(Text);
        std::size_t i = Hash & FSlotMask;
        while (Slots[i] != 0)
            i = (i + 1) & FSlotMask;
        Slots[i] = std::uint64_t(Offset) << 32 | (Hash >> 48) << 16 | Text.size();

        char* Entry = FEntries.Data() + Offset;
        std::memcpy(Entry, Text.data(), Text.size());
        const TResLookup T = LookupOf(ObjectToInt(FLines->Objects(L)));
        if (T.Trans) {
            Store4(Entry + Text.size(), static_cast<std::uint32_t>(T.TransLen));
            std::memcpy(Entry + Text.size() + 4, T.Trans, T.TransLen);
            Offset += Text.size() + 4 + T.TransLen;
        } else {
            Store4(Entry + Text.size(), NoTranslation);
            Store4(Entry + Text.size() + 4, static_cast<std::uint32_t>(T.Object));
            Offset += Text.size() + 8;
        }
    }
    return true;
}

} // namespace zantor
