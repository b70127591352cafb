#include "host/classes/Collection.h"

#include "host/classes/Component.h"
#include "host/classes/StringList.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include "TestUtil.h"

#include <algorithm>
#include <vector>

using namespace host;

namespace {

int LiveItems = 0;

class TTestItem : public TCollectionItem {
    ZT_CLASS(TTestItem, TCollectionItem)
public:
    explicit TTestItem(TCollection* Collection) : TCollectionItem(Collection) { ++LiveItems; }
    ~TTestItem() override { --LiveItems; }

    int Value() const { return FValue; }
    void SetValue(int V) {
        FValue = V;
        Changed(false);
    }
    void Assign(const TPersistent* Source) override {
        if (const auto* Item = As<TTestItem>(Source)) {
            FValue = Item->FValue;
            return;
        }
        inherited::Assign(Source);
    }

private:
    int FValue = 0;
};

class TOtherItem : public TCollectionItem {
    ZT_CLASS(TOtherItem, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
};

// Records every Update and Notify it gets, as text.
class TTestCollection : public TOwnedCollection {
    ZT_CLASS(TTestCollection, TOwnedCollection)
public:
    explicit TTestCollection(TPersistent* Owner = nullptr)
        : TOwnedCollection(Owner, TTestItem::StaticClass()) {}
    TTestItem* Item(int I) const { return static_cast<TTestItem*>(Items(I)); }

    void Update(TCollectionItem* Item) override {
        Log.push_back(Item ? "update " + std::to_string(Item->ID()) : "update all");
    }
    std::vector<String> Log;

protected:
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
        static const char* Names[] = {"added", "extracting", "deleting"};
        Log.push_back(String(Names[Action]) + " " + std::to_string(Item->ID()));
    }
};

// A component that publishes one collection and holds another unpublished.
class TCollectionOwner : public TComponent {
    ZT_CLASS(TCollectionOwner, TComponent)
public:
    TCollectionOwner() : TComponent(nullptr), FItems(this), FHidden(this) {}
    TTestCollection* GetItems() const { return const_cast<TTestCollection*>(&FItems); }
    TTestCollection FItems;
    TTestCollection FHidden;
};

std::vector<int> Values(const TTestCollection& C) {
    std::vector<int> R;
    for (int I = 0; I < C.Count(); ++I)
        R.push_back(C.Item(I)->Value());
    return R;
}

std::vector<int> IDs(const TCollection& C) {
    std::vector<int> R;
    for (int I = 0; I < C.Count(); ++I)
        R.push_back(C.Items(I)->ID());
    return R;
}

} // namespace

TClass TTestItem::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TTestItem>("TTestItem");
    return &Info;
}
TClass TOtherItem::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TOtherItem>("TOtherItem");
    return &Info;
}
TClass TTestCollection::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TTestCollection>("TTestCollection");
    return &Info;
}
TClass TCollectionOwner::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCollectionOwner>("TCollectionOwner")
                                       .Prop("Items", &TCollectionOwner::GetItems);
    return &Info;
}

TEST(CollectionTest, AddInsertDeleteAndIDs) {
    TTestCollection C;
    for (int V : {10, 20, 30})
        static_cast<TTestItem*>(C.Add())->SetValue(V);
    EXPECT_EQ(C.Items(0)->ClassName(), "TTestItem"); // made from the item class
    EXPECT_EQ(IDs(C), (std::vector<int>{0, 1, 2}));

    auto* Inserted = static_cast<TTestItem*>(C.Insert(1));
    Inserted->SetValue(15);
    EXPECT_EQ(Values(C), (std::vector<int>{10, 15, 20, 30}));
    EXPECT_EQ(Inserted->ID(), 3);
    EXPECT_EQ(Inserted->Index(), 1);
    EXPECT_EQ(Inserted->Collection(), &C);

    C.Delete(0);
    EXPECT_EQ(IDs(C), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(C.Add()->ID(), 4); // IDs are never reused
    EXPECT_EQ(C.FindItemID(1), C.Items(1));
    EXPECT_EQ(C.FindItemID(0), nullptr);

    EXPECT_THROW_MSG(C.Items(4), EListError, "List index out of bounds (4)");
    EXPECT_THROW_MSG(C.Items(-1), EListError, "List index out of bounds (-1)");
    EXPECT_THROW_MSG(C.Delete(9), EListError, "List index out of bounds (9)");
    EXPECT_THROW_MSG(C.Insert(6), EListError, "List index out of bounds (6)");
    EXPECT_EQ(C.Count(), 4); // the failed Insert created nothing
    EXPECT_EQ(C.Insert(4)->Index(), 4);
}

TEST(CollectionTest, SetIndexMovesItems) {
    TTestCollection C;
    for (int V : {0, 1, 2, 3})
        static_cast<TTestItem*>(C.Add())->SetValue(V);
    C.Item(0)->SetIndex(2);
    EXPECT_EQ(Values(C), (std::vector<int>{1, 2, 0, 3}));
    C.Item(3)->SetIndex(0);
    EXPECT_EQ(Values(C), (std::vector<int>{3, 1, 2, 0}));
    C.Log.clear();
    C.Item(1)->SetIndex(1);
    EXPECT_TRUE(C.Log.empty());
    C.Item(1)->SetIndex(3);
    EXPECT_EQ(C.Log, std::vector<String>{"update all"});
    EXPECT_THROW_MSG(C.Item(0)->SetIndex(4), EListError, "List index out of bounds (4)");
    EXPECT_THROW_MSG(C.Item(0)->SetIndex(-1), EListError, "List index out of bounds (-1)");
    EXPECT_EQ(Values(C), (std::vector<int>{3, 2, 0, 1}));
}

TEST(CollectionTest, UpdatesAndNotifications) {
    TTestCollection C;
    C.Add();
    EXPECT_EQ(C.Log, (std::vector<String>{"added 0", "update all"}));

    C.Log.clear();
    C.Item(0)->SetValue(5); // one item changed
    EXPECT_EQ(C.Log, std::vector<String>{"update 0"});

    C.Log.clear();
    C.BeginUpdate();
    C.Add();
    C.Item(1)->SetValue(2);
    C.Delete(0);
    EXPECT_EQ(C.Log, (std::vector<String>{"added 1", "deleting 0", "extracting 0"}));
    C.EndUpdate();
    EXPECT_EQ(C.Log.back(), "update all");
    EXPECT_EQ(C.Log.size(), 4u);

    // An item freed on its own leaves the collection and says so.
    C.Log.clear();
    C.Items(0)->Free();
    EXPECT_EQ(C.Count(), 0);
    EXPECT_EQ(C.FindItemID(1), nullptr);
    EXPECT_EQ(C.Log, (std::vector<String>{"extracting 1", "update all"}));
}

TEST(CollectionTest, OwnershipOfItems) {
    LiveItems = 0;
    {
        TTestCollection C;
        C.Add();
        C.Add();
        C.Add();
        EXPECT_EQ(LiveItems, 3);
        delete C.Items(1); // plain delete also leaves the collection
        EXPECT_EQ(LiveItems, 2);
        EXPECT_EQ(IDs(C), (std::vector<int>{0, 2}));
        C.Clear();
        EXPECT_EQ(LiveItems, 0);
        EXPECT_EQ(C.Count(), 0);
        C.Add();
        C.Add();
    }
    EXPECT_EQ(LiveItems, 0); // the collection frees what is left

    // Moving an item between collections, and refusing one of the wrong class.
    TTestCollection A, B;
    TCollection Others(TOtherItem::StaticClass());
    TCollectionItem* Item = A.Add();
    Item->SetCollection(&B);
    EXPECT_EQ(A.Count(), 0);
    EXPECT_EQ(B.Count(), 1);
    EXPECT_EQ(Item->Collection(), &B);
    EXPECT_THROW_MSG(Item->SetCollection(&Others), EListError, "Invalid property value");
    EXPECT_EQ(Item->Collection(), &B);
    Item->SetCollection(nullptr);
    EXPECT_EQ(Item->Index(), -1);
    EXPECT_EQ(B.Count(), 0);
    delete Item;
    EXPECT_EQ(LiveItems, 0);

    EXPECT_THROW({ TCollection Bad(TStringList::StaticClass()); }, EAssertionFailed);
}

TEST(CollectionTest, AssignCopiesItemByItem) {
    TTestCollection Source, Dest;
    for (int V : {7, 8, 9})
        static_cast<TTestItem*>(Source.Add())->SetValue(V);
    Dest.Add()->Assign(Source.Items(0));
    Dest.Log.clear();
    Dest.Assign(&Source);
    EXPECT_EQ(Values(Dest), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(IDs(Dest), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Dest.Log.back(), "update all");
    EXPECT_EQ(std::count(Dest.Log.begin(), Dest.Log.end(), "update all"), 1);

    Dest.Assign(&Dest);
    EXPECT_EQ(Values(Dest), (std::vector<int>{7, 8, 9}));

    // Items of the base class know no Assign of their own.
    TCollection Plain(TCollectionItem::StaticClass());
    Plain.Add();
    EXPECT_THROW_MSG(Dest.Assign(&Plain), EConvertError,
                     "Cannot assign a TCollectionItem to a TTestItem");
}

TEST(CollectionTest, NamePaths) {
    auto* Owner = new TCollectionOwner;
    Owner->SetName("Form1");
    Owner->FItems.Add();
    Owner->FItems.Add();
    EXPECT_EQ(Owner->FItems.GetNamePath(), "Form1.Items");
    EXPECT_EQ(Owner->FItems.Items(1)->GetNamePath(), "Form1.Items[1]");
    EXPECT_EQ(Owner->FItems.Items(1)->GetOwner(), &Owner->FItems);
    EXPECT_EQ(Owner->FItems.GetOwner(), Owner);
    // Not published, or an owner without a name: the class name.
    EXPECT_EQ(Owner->FHidden.GetNamePath(), "TTestCollection");
    Owner->SetName("");
    EXPECT_EQ(Owner->FItems.GetNamePath(), "TTestCollection");
    Owner->Free();

    TTestCollection Alone;
    EXPECT_EQ(Alone.Add()->GetNamePath(), "TTestCollection[0]");
    TTestItem Loose(nullptr);
    EXPECT_EQ(Loose.GetNamePath(), "TTestItem");
    EXPECT_EQ(Loose.DisplayName(), "TTestItem");
}
