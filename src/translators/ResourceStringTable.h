// The resource translator's look-up: from a loaded text to its translation, answering exactly
// what the sorted search of the source texts answers, in constant time on average.
//
// TResStringIndex hashes the source texts into buckets of one block that holds each text next
// to its translation, bucket after bucket; a small table of where each bucket starts is all
// that lies between a text and its entry, and it is small enough to stay in the cache, so a hit
// costs one fetch from memory. (At 1,000,000 texts a table of slots pointing to the entries
// cost a second fetch: 860 ns a hit against 480 ns for the load alone, 0.34 times gettext.)
// A small filter turns most absent texts away. Any change to either list drops the index (both
// lists tell it through TWatchedSortList); it is built again once enough look-ups have passed
// since (so that rebuilding costs no more than the bisections it saves), and only over source
// texts in strictly ascending byte order, where it cannot disagree with SortFind.
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
    // Memory for large tables, on huge pages where the system offers them: a look-up touches a
    // random bucket start and a random entry, and a page-table walk for each would double its cost.
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
    const std::uint32_t* Starts() const {
        return reinterpret_cast<const std::uint32_t*>(FStarts.Data());
    }
    const std::uint64_t* Filter() const {
        return reinterpret_cast<const std::uint64_t*>(FFilter.Data());
    }

    const TSortList* FLines = nullptr;
    const TSortList* FTranslations = nullptr;
    // Where each bucket's entries start in FEntries, and one past the last bucket's end.
    mutable TBlock FStarts;
    mutable std::size_t FBucketMask = 0;
    // Two bits per text in one 64-bit word.
    mutable TBlock FFilter;
    mutable std::size_t FFilterMask = 0;
    // Entries: 16 bits of the hash and the text's length (16 bits), the text, then the
    // translation's length (4 bytes) and characters, or all ones and the object when that is no
    // index of the translations.
    mutable TBlock FEntries;
    mutable bool FBuilt = false;
    mutable bool FUsable = false;
    mutable std::size_t FLookupsSinceChange = 0;
};

} // namespace zantor
