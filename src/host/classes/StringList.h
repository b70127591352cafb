// TStringList: the host's general-purpose string list, holding an object pointer (not
// owned) beside each string, optionally kept sorted, with change events.
#pragma once

#include "host/classes/Strings.h"
#include "host/typinfo/Events.h"

#include <functional>
#include <vector>

namespace host {

class TStringList;

// Negative, 0 or positive as the line at Index1 sorts before, with or after Index2.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
    ZT_CLASS(TStringList, TStrings)
public:
    TStringList() = default;

    int Count() const override { return static_cast<int>(FList.size()); }
    String Get(int Index) const override;
    // Raises EStringListError "Operation not allowed on sorted string list" when sorted.
    void Put(int Index, const String& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    // Insert and InsertObject raise EStringListError "Operation not allowed on sorted
    // string list" when sorted; Index may be Count (append).
    void Insert(int Index, const String& S) override;
    void InsertObject(int Index, const String& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;

    // On a sorted list the line goes to its sorted place, and a duplicate is dropped
    // (dupIgnore: the existing index is returned), added (dupAccept: before its equals) or
    // refused (dupError: EStringListError "String list does not allow duplicates").
    int Add(const String& S) override;
    int AddObject(const String& S, TObject* AObject) override;
    // Binary search, in logarithmic time, on a sorted list. Index is the line found, or
    // where S would be inserted; with dupAccept the first of several equal lines.
    [[nodiscard]] virtual bool Find(std::string_view S, int& Index) const;
    [[nodiscard]] int IndexOf(std::string_view S) const override;

    // Sorts by CompareStrings in O(n log n); lines that compare equal keep their order.
    // Does nothing on a list that is already Sorted.
    void Sort();
    // Sorts with Compare, which is given indexes into the list as it was before sorting.
    // Does nothing on a Sorted list.
    void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return FSorted; }
    // Turning Sorted on sorts the list.
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    // Default false: ASCII case is ignored. A sorted list re-sorts when this changes.
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

    // OnChanging fires before and OnChange after every change, except while updating:
    // then the first BeginUpdate fires OnChanging and the last EndUpdate fires OnChange.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TNotifyEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TNotifyEvent& Value) { FOnChanging = Value; }

    void SetUpdateState(bool Updating) override;

protected:
    struct TStringItem {
        String FString;
        TObject* FObject = nullptr;
    };

    virtual void Changed();
    virtual void Changing();
    int CompareStrings(std::string_view S1, std::string_view S2) const override;
    // Direct access for descendants that keep their own order (no events, no checks).
    const std::vector<TStringItem>& Items() const { return FList; }
    // Replaces every line at once, firing the change events once.
    void ReplaceItems(std::vector<TStringItem> Items);
    // Takes every line out at once, as Clear does but handing them over with their storage.
    std::vector<TStringItem> TakeItems();

private:
    void CheckIndex(int Index) const;
    void CheckUnsorted() const;
    void InsertItem(int Index, const String& S, TObject* AObject);
    // Sorts regardless of Sorted, with firing of the change events.
    void SortItems();

    std::vector<TStringItem> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
    bool FCaseSensitive = false;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};

} // namespace host
