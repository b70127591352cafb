// The form translator's saved design texts: a TSortList that a restore empties while keeping its
// lines aside, because the next apply usually saves the very same texts again; it can then take
// them back instead of building and sorting each anew.
#pragma once

#include "translators/SortList.h"

#include <string_view>
#include <vector>

namespace zantor {

// To the type information it is the TSortList it extends: it adds no published state.
class TSavedTextList : public TSortList {
public:
    TSavedTextList() : TSortList(false) {}

    // Empties the list (with its change events), keeping the lines it had until the next
    // ClearKeeping or DropKept.
    void ClearKeeping() {
        FKeptGeneration = Generation();
        FKept = TakeItems();
    }
    void DropKept() { std::vector<TStringItem>().swap(FKept); }
    [[nodiscard]] std::size_t KeptCount() const { return FKept.size(); }
    [[nodiscard]] const String& KeptLine(std::size_t Index) const { return FKept[Index].FString; }
    [[nodiscard]] const TObject* KeptObject(std::size_t Index) const {
        return FKept[Index].FObject;
    }
    [[nodiscard]] std::pair<String, TObject*> TakeKept(std::size_t Index) {
        return {std::move(FKept[Index].FString), FKept[Index].FObject};
    }
    // The kept lines become the list's lines again; the list must be empty.
    // The list is then as it was, so it has its generation again: what was worked out from its
    // lines (a restore's plan) still holds.
    void PutKeptBack() {
        ReplaceItems(std::move(FKept));
        FKept.clear();
        ResumeGeneration(FKeptGeneration);
    }

    // Takes every line of From, which is left empty (both lose what they kept). The lines keep
    // the generation they had in From: it still tells their content from any other.
    void TakeLinesOf(TSavedTextList& From) {
        const std::uint64_t Moved = From.Generation();
        DropKept();
        From.DropKept();
        ReplaceItems(From.TakeItems());
        ResumeGeneration(Moved);
    }
    // The lines From kept become the ones this list keeps (it keeps none), with their
    // generation.
    void TakeKeptOf(TSavedTextList& From) {
        FKept = std::move(From.FKept);
        FKeptGeneration = From.FKeptGeneration;
        From.DropKept();
    }
    // Keeps only the lines at the places Keep marks, in their order.
    void KeepOnly(const std::vector<bool>& Keep) {
        std::vector<TStringItem> Lines = TakeItems();
        std::size_t Kept = 0;
        for (std::size_t i = 0; i < Lines.size(); ++i)
            if (Keep[i]) {
                if (Kept != i) Lines[Kept] = std::move(Lines[i]);
                ++Kept;
            }
        Lines.resize(Kept);
        ReplaceItems(std::move(Lines));
    }

private:
    std::vector<TStringItem> FKept;
    std::uint64_t FKeptGeneration = 0;
};

} // namespace zantor
