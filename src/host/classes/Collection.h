// TCollection and TCollectionItem: an owned, ordered list of items of one class, streamed
// as a collection value (< item ... end >) of the object that publishes it.
#pragma once

#include "host/classes/Persistent.h"

#include <unordered_map>
#include <vector>

namespace host {

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    ZT_CLASS(TCollectionItem, TPersistent)
public:
    // The class builder creates items of any descendant with this owner type.
    using TOwnerType = TCollection;

    // Joins Collection (when not null) as its last item. While the constructor runs the
    // item is only a TCollectionItem: the collection's notifications see it as such.
    explicit TCollectionItem(TCollection* Collection);
    // Leaves the collection.
    ~TCollectionItem() override;
    void BeforeDestruction() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to the end of another collection (or out of any, with null). Raises
    // EListError "Invalid property value" when the item is not of Value's item class.
    void SetCollection(TCollection* Value);
    // Position in the collection, -1 without one.
    int Index() const;
    // Moves the item; raises EListError "List index out of bounds (i)" for a bad index.
    void SetIndex(int Value);
    // Unique within the collection for its lifetime; never reused.
    int ID() const { return FID; }
    // Name shown in editors; the class name unless a descendant knows better.
    virtual String DisplayName() const;
    virtual void SetDisplayName(const String& Value);

    TPersistent* GetOwner() const override;
    // "<collection's name path>[index]", or the class name without a collection.
    String GetNamePath() const override;

protected:
    // Tells the collection (unless it is updating) that this item, or all items, changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
    ZT_CLASS(TCollection, TPersistent)
public:
    // ItemClass must descend from TCollectionItem and be creatable with a collection.
    explicit TCollection(TClass ItemClass);
    // Frees the items, without calling Update.
    ~TCollection() override;

    // A new item of ItemClass at the end.
    TCollectionItem* Add();
    // A new item moved to Index.
    TCollectionItem* Insert(int Index);
    // Frees the item at Index.
    void Delete(int Index);
    // Frees every item.
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TCollectionItem* Items(int Index) const;
    // Items(Index)->Assign(Value).
    void SetItems(int Index, const TCollectionItem* Value);
    TClass ItemClass() const { return FItemClass; }

    // Update is held back while updating; the last EndUpdate calls Update(nullptr).
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    // The item with that ID, or null; constant time.
    TCollectionItem* FindItemID(int ID) const;

    // From another collection: clears, then adds one item per source item and assigns it.
    void Assign(const TPersistent* Source) override;
    // "<owner's name path>.<property>", where the owner publishes this collection under
    // that property; the class name without an owner or such a property.
    String GetNamePath() const override;

    // Called after changes: with the item that changed, or null when all may have.
    virtual void Update(TCollectionItem* /*Item*/) {}

protected:
    // Told when an item joins (cnAdded), is about to leave (cnExtracting) or is about to
    // be freed by Delete (cnDeleting).
    virtual void Notify(TCollectionItem* /*Item*/, TCollectionNotification /*Action*/) {}
    // Calls Update(nullptr) unless updating.
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    // Name under which GetOwner() publishes this collection, or "".
    String PropName() const;

    TClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    std::unordered_map<int, TCollectionItem*> FIDIndex;
    int FNextID = 0;
    int FUpdateCount = 0;
};

// A collection that names an owner, so that its items have a name path.
class TOwnedCollection : public TCollection {
    ZT_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* Owner, TClass ItemClass)
        : TCollection(ItemClass), FOwner(Owner) {}
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};

} // namespace host
