#include "host/classes/StringList.h"
#include "host/rtl/HostErrors.h"

#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>
#include <numeric>

namespace host {

TClass TStringList::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TStringList>("TStringList");
    return &Info;
}

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

void TStringList::CheckUnsorted() const {
    if (FSorted) RaiseSortedListError();
}

String TStringList::Get(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<std::size_t>(Index)].FString;
}

void TStringList::Put(int Index, const String& S) {
    CheckUnsorted();
    CheckIndex(Index);
    Changing();
    FList[static_cast<std::size_t>(Index)].FString = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<std::size_t>(Index)].FObject;
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    FList[static_cast<std::size_t>(Index)].FObject = AObject;
    Changed();
}

void TStringList::Insert(int Index, const String& S) {
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const String& S, TObject* AObject) {
    CheckUnsorted();
    if (Index < 0 || Index > Count()) IndexError(Index);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    FList.erase(FList.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    FList.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(FList[static_cast<std::size_t>(Index1)], FList[static_cast<std::size_t>(Index2)]);
    Changed();
}

int TStringList::Add(const String& S) {
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const String& S, TObject* AObject) {
    int Index = Count();
    if (FSorted && Find(S, Index)) {
        if (FDuplicates == dupIgnore) return Index;
        if (FDuplicates == dupError) RaiseDuplicateString();
    }
    InsertItem(Index, S, AObject);
    return Index;
}

bool TStringList::Find(std::string_view S, int& Index) const {
    bool Found = false;
    int L = 0;
    int H = Count() - 1;
    while (L <= H) {
        int I = L + (H - L) / 2;
        int C = CompareStrings(FList[static_cast<std::size_t>(I)].FString, S);
        if (C < 0) {
            L = I + 1;
        } else {
            H = I - 1;
            if (C == 0) {
                Found = true;
                // Without duplicates any match is the match; with them, keep going left
                // to the first one.
                if (FDuplicates != dupAccept) L = I;
            }
        }
    }
    Index = L;
    return Found;
}

int TStringList::IndexOf(std::string_view S) const {
    if (FSorted) {
        int Index = -1;
        return Find(S, Index) ? Index : -1;
    }
    for (std::size_t I = 0; I < FList.size(); ++I)
        if (CompareStrings(FList[I].FString, S) == 0) return static_cast<int>(I);
    return -1;
}

void TStringList::Sort() {
    if (!FSorted) SortItems();
}

void TStringList::SortItems() {
    if (FList.size() < 2) return;
    Changing();
    std::stable_sort(FList.begin(), FList.end(),
                     [this](const TStringItem& A, const TStringItem& B) {
                         return CompareStrings(A.FString, B.FString) < 0;
                     });
    Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    if (FSorted || FList.size() < 2) return;
    // Compare sees the list unchanged while the order is worked out on indexes; a stable
    // merge sort stays within bounds even for a Compare that is not a strict ordering.
    std::vector<int> Order(FList.size());
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(),
                     [&](int A, int B) { return Compare(this, A, B) < 0; });
    Changing();
    std::vector<TStringItem> Sorted;
    Sorted.reserve(FList.size());
    for (int I : Order)
        Sorted.push_back(std::move(FList[static_cast<std::size_t>(I)]));
    FList = std::move(Sorted);
    Changed();
}

void TStringList::SetSorted(bool Value) {
    if (FSorted == Value) return;
    if (Value) SortItems();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    if (FSorted) SortItems();
}

int TStringList::CompareStrings(std::string_view S1, std::string_view S2) const {
    return FCaseSensitive ? CompareStr(S1, S2) : CompareText(S1, S2);
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changed() {
    if (UpdateCount() == 0) FOnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0) FOnChanging(this);
}

} // namespace host

namespace host {

std::vector<TStringList::TStringItem> TStringList::TakeItems() {
    std::vector<TStringItem> Taken;
    if (FList.empty()) return Taken;
    Changing();
    Taken.swap(FList);
    Changed();
    return Taken;
}

void TStringList::ReplaceItems(std::vector<TStringItem> Items) {
    Changing();
    FList = std::move(Items);
    Changed();
}

} // namespace host
