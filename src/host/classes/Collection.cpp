#include "host/classes/Collection.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/StreamedLayout.h"
#include "host/classes/UpdateScope.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

namespace {

[[noreturn]] void ListIndexError(int Index) {
    RaiseListIndexError<EListError>(Index);
}

} // namespace

// --- TCollectionItem ---

TClass TCollectionItem::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCollectionItem>("TCollectionItem");
    return &Info;
}

TCollectionItem::TCollectionItem(TCollection* Collection) {
    // Not through SetCollection: its class check would see only the base part here.
    if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
    ForgetStreamedLayout(this);
}

void TCollectionItem::BeforeDestruction() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (FCollection == Value) return;
    if (Value && !InheritsFrom(Value->ItemClass())) RaiseInvalidPropertyValue<EListError>();
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    const auto& Items = FCollection->FItems;
    return static_cast<int>(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    int Current = Index();
    if (Current < 0 || Current == Value) return;
    auto& Items = FCollection->FItems;
    if (Value < 0 || Value >= static_cast<int>(Items.size())) ListIndexError(Value);
    if (Value < Current)
        std::rotate(Items.begin() + Value, Items.begin() + Current, Items.begin() + Current + 1);
    else
        std::rotate(Items.begin() + Current, Items.begin() + Current + 1,
                    Items.begin() + Value + 1);
    Changed(true);
}

String TCollectionItem::DisplayName() const {
    return ClassName();
}

void TCollectionItem::SetDisplayName(const String&) {
    Changed(false);
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

String TCollectionItem::GetNamePath() const {
    if (!FCollection) return ClassName();
    return FCollection->GetNamePath() + "[" + IntToStr(Index()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

// --- TCollection ---

TClass TCollection::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCollection>("TCollection");
    return &Info;
}

TCollection::TCollection(TClass ItemClass) : FItemClass(ItemClass) {
    if (!ItemClass || !ItemClass->InheritsFrom(TCollectionItem::StaticClass()) ||
        !ItemClass->Create)
        throw EAssertionFailed("Collection item class must be a creatable TCollectionItem");
}

TCollection::~TCollection() {
    // Held in the updating state so that no Update reaches a half-destroyed collection.
    FUpdateCount = 1;
    Clear();
}

TCollectionItem* TCollection::Add() {
    return static_cast<TCollectionItem*>(FItemClass->Create(this));
}

TCollectionItem* TCollection::Insert(int Index) {
    if (Index < 0 || Index > Count()) ListIndexError(Index);
    TCollectionItem* Item = Add();
    Item->SetIndex(Index);
    return Item;
}

void TCollection::Delete(int Index) {
    TCollectionItem* Item = Items(Index);
    Notify(Item, cnDeleting);
    Item->Free();
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    WithUpdate(this, [this] {
        while (!FItems.empty())
            FItems.back()->Free();
    });
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

void TCollection::SetItems(int Index, const TCollectionItem* Value) {
    Items(Index)->Assign(Value);
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    Changed();
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

TCollectionItem* TCollection::FindItemID(int ID) const {
    auto It = FIDIndex.find(ID);
    return It == FIDIndex.end() ? nullptr : It->second;
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    FIDIndex[Item->FID] = Item;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    Notify(Item, cnExtracting);
    // Items mostly leave from the end (Clear, destruction), so search backwards.
    auto It = std::find(FItems.rbegin(), FItems.rend(), Item);
    if (It != FItems.rend()) FItems.erase(std::next(It).base());
    FIDIndex.erase(Item->FID);
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::Assign(const TPersistent* Source) {
    const auto* Other = As<TCollection>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    if (Other == this) return;
    WithUpdate(this, [&] {
        Clear();
        for (TCollectionItem* Item : Other->FItems)
            Add()->Assign(Item);
    });
}

String TCollection::PropName() const {
    const TPersistent* Owner = GetOwner();
    for (PPropInfo Prop : Owner->ClassType()->Props)
        if (Prop->Kind() == tkClass && Prop->GetObj && Prop->GetObj(Owner) == this)
            return Prop->Name;
    return "";
}

String TCollection::GetNamePath() const {
    if (!GetOwner()) return ClassName();
    String OwnerPath = GetOwner()->GetNamePath();
    String Prop = OwnerPath.empty() ? String() : PropName();
    return Prop.empty() ? ClassName() : OwnerPath + "." + Prop;
}

// --- TOwnedCollection ---

TClass TOwnedCollection::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TOwnedCollection>("TOwnedCollection");
    return &Info;
}

} // namespace host
