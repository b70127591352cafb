// The resource translator's look-up: from a loaded text to its translation, answering exactly
// what the sorted search of the source texts answers, in constant time on average.
//
// TResStringIndex hashes the source texts into slots that point into one block holding each text
// next to its translation, so that a hit costs one slot and one entry; a small filter turns most
// absent texts away before they are hashed in full. Any change to either list drops the index
// (both lists tell it through TWatchedSortList); it is built again once enough look-ups have
// passed since (so that rebuilding costs no more than the bisections it saves), and only over
// source texts in strictly ascending byte order, where it cannot disagree with SortFind.
#pragma once

#include "translators/SortList.h"

#include <cstdint>
#include <vector>

namespace zantor {

class TResStringIndex;

// A TSortList that drops an index before each of its changes.
class TWatchedSortList : public TSortList {
    ZT_CLASS(TWatchedSortList, TSortList)
public:
    TWatchedSortList(bool ReplaceObjects, const TResStringIndex* Index)
        : TSortList(ReplaceObjects), FIndex(Index) {}

protected:
    void Changing() override;

private:
    const TResStringIndex* FIndex;
};

// What a look-up found: the object of the text's line and, when that object is a valid index of
// the translations, the translation's characters (Trans null otherwise).
struct TResLookup {
    int Object = 0;
    const char* Trans = nullptr;
    std::size_t TransLen = 0;
};

class TResStringIndex {
public:
    TResStringIndex() = default;
    TResStringIndex(const TResStringIndex&) = delete;
    TResStringIndex& operator=(const TResStringIndex&) = delete;

    // The two lists to index: source texts (objects: translation indices) and translations.
    void Attach(const TSortList* Lines, const TSortList* Translations) {
        FLines = Lines;
        FTranslations = Translations;
        Invalidate();
    }
    // True when a line equal to S exists (the line SortFind finds), with what it points to.
    [[nodiscard]] bool Find(std::string_view S, TResLookup& Result) const;
    void Invalidate() const {
        FBuilt = false;
        FLookupsSinceChange = 0;
    }

private:
    // Memory for large tables, on huge pages where the system offers them: a look-up touches
    // a random slot and a random entry, and a page-table walk for each would double its cost.
    class TBlock {
    public:
        TBlock() = default;
        explicit TBlock(std::size_t Size);
        ~TBlock();
        TBlock(TBlock&& Other) noexcept;
        TBlock& operator=(TBlock&& Other) noexcept;
        char* Data() const { return FData; }
        std::size_t Size() const { return FSize; }

    private:
        char* FData = nullptr;
        std::size_t FSize = 0;
    };

    bool Ready() const;
    bool Build() const;
    bool FindBySearch(std::string_view S, TResLookup& Result) const;
    TResLookup LookupOf(int Object) const;
    const std::uint64_t* Slots() const {
        return reinterpret_cast<const std::uint64_t*>(FSlots.Data());
    }
    const std::uint64_t* Filter() const {
        return reinterpret_cast<const std::uint64_t*>(FFilter.Data());
    }

    const TSortList* FLines = nullptr;
    const TSortList* FTranslations = nullptr;
    // Each slot: entry offset (32 bits), 16 bits of the hash, text length (16 bits); 0 is empty.
    mutable TBlock FSlots;
    mutable std::size_t FSlotMask = 0;
    // Two bits per text in one 64-bit word.
    mutable TBlock FFilter;
    mutable std::size_t FFilterMask = 0;
    // Entries: the text, then the translation's length (4 bytes) and characters, or all ones and
    // the object when that is no index of the translations. Offset 0 is never an entry.
    mutable TBlock FEntries;
    mutable bool FBuilt = false;
    mutable bool FUsable = false;
    mutable std::size_t FLookupsSinceChange = 0;
};

} // namespace zantor
