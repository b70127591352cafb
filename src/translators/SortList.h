// TSortList: the translators' string list, kept in byte-wise ordinal order by inserting
// through SortInsert (the list's own sorted mode stays off).
#pragma once

#include "translators/HostNames.h"

#include <cstdint>
#include <utility>

namespace zantor {

class TSortList : public host::TStringList {
    ZT_CLASS(TSortList, TStringList)
public:
    // ReplaceObjects decides what SortInsert does with a line equal to one already there:
    // false inserts it again (before the equal line), true only replaces that line's object.
    explicit TSortList(bool ReplaceObjects = false);

    bool ReplaceObjects() const { return FReplaceObjects; }
    // A number no other list, and no other state of this one, has had: it changes with every
    // change of the lines or their objects, so a result worked out from the lines can be kept
    // as long as it stays the same.
    std::uint64_t Generation() const { return FGeneration; }

    // Bisection search for S. Index = -1 on entry asks for a position: the line equal to S,
    // or where S belongs (0..Count). Any other Index asks for the object slot of the last
    // line probed, as an integer (0 for an empty list). True when a line equal to S exists.
    [[nodiscard]] bool SortFind(std::string_view S, int& Index) const;
    // Where S is or belongs (0..Count): SortFind's position mode when only the place counts.
    [[nodiscard]] int SortPosition(std::string_view S) const {
        int Index = -1;
        static_cast<void>(SortFind(S, Index));
        return Index;
    }
    void SortInsert(const String& S, TObject* AObject = nullptr);
    // Every line and object of Other, copied at once.
    void AssignLines(const TSortList& Other) { ReplaceItems(Other.Items()); }

    // Line at Index without copying it.
    const String& Line(int Index) const { return Items()[static_cast<std::size_t>(Index)].FString; }

    // Inserts many lines at once, with the result SortInsert of each in turn would give
    // on a sorted list, in O((n + m) log m).
    void SortInsertMany(std::vector<std::pair<String, TObject*>> Lines);

    // For lists of Key=Value lines: each pair replaces the value of the first line of its
    // key, or is inserted in order when the key has no line (a later pair of the same key
    // wins). Objects of replaced lines stay; new lines get none.
    void SetKeyValues(const std::vector<std::pair<String, String>>& Pairs);

protected:
    void Changing() override;
    // For a descendant that puts back, unchanged, lines it took out: the generation they had.
    void ResumeGeneration(std::uint64_t Generation) { FGeneration = Generation; }

private:
    bool FReplaceObjects;
    std::uint64_t FGeneration;
};

// Byte-wise ordinal comparison of whole lines (unsigned bytes, shorter prefix first).
inline int CompareOrdinal(std::string_view A, std::string_view B) {
    return A.compare(B);
}

// An object slot carrying an integer, as the translators use it.
inline TObject* IntToObject(Integer V) {
    return reinterpret_cast<TObject*>(static_cast<std::intptr_t>(V));
}
inline Integer ObjectToInt(const TObject* O) {
    return static_cast<Integer>(reinterpret_cast<std::intptr_t>(O));
}

} // namespace zantor
