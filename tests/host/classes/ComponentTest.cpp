#include "host/classes/Component.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include "TestUtil.h"

using namespace host;

namespace {

// Records notifications; may free a sibling when told that a given component leaves.
class TWatcher : public TComponent {
    ZT_CLASS(TWatcher, TComponent)
public:
    using TComponent::TComponent;
    std::vector<std::pair<TComponent*, TOperation>> Seen;
    TComponent* FreeOnRemovalOf = nullptr;
    TComponent* Victim = nullptr;
    TComponent* Watched = nullptr;

    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        Seen.emplace_back(AComponent, Operation);
        if (Operation == opRemove && AComponent == Watched) Watched = nullptr;
        if (Operation == opRemove && AComponent == FreeOnRemovalOf && Victim) {
            TComponent* V = Victim;
            Victim = nullptr;
            V->Free();
        }
    }
};

class TOwnerForm : public TComponent {
    ZT_CLASS(TOwnerForm, TComponent)
public:
    using TComponent::TComponent;
    TWatcher* Button1 = nullptr;
};

int Destroyed = 0;
class TCounted : public TComponent {
    ZT_CLASS(TCounted, TComponent)
public:
    using TComponent::TComponent;
    ~TCounted() override { ++Destroyed; }
};

} // namespace

TClass TWatcher::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWatcher>("TWatcher");
    return &Info;
}
TClass TOwnerForm::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TOwnerForm>("TOwnerForm").Field("Button1", &TOwnerForm::Button1);
    return &Info;
}
TClass TCounted::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCounted>("TCounted");
    return &Info;
}

TEST(Component, NamesAreValidatedAndUniqueAmongTheOwnersComponents) {
    TComponent Owner(nullptr);
    auto* A = new TComponent(&Owner);
    auto* B = new TComponent(&Owner);
    A->SetName("Button1");
    EXPECT_THROW_MSG(B->SetName("BUTTON1"), EComponentError,
                     "A component named BUTTON1 already exists");
    EXPECT_THROW_MSG(B->SetName("1abc"), EComponentError, "'1abc' is not a valid component name");
    EXPECT_THROW_MSG(B->SetName("a b"), EComponentError, "'a b' is not a valid component name");
    EXPECT_EQ(B->Name(), "");
    A->SetName("button1"); // same component, other case: allowed
    EXPECT_EQ(Owner.FindComponent("BUTTON1"), A);
    A->SetName("Renamed");
    EXPECT_EQ(Owner.FindComponent("button1"), nullptr);
    B->SetName("Button1");
    EXPECT_EQ(Owner.FindComponent("button1"), B);
    EXPECT_EQ(Owner.FindComponent(""), nullptr);

    auto* Stray = new TComponent(nullptr);
    Stray->SetName("Renamed");
    EXPECT_THROW_MSG(Owner.InsertComponent(Stray), EComponentError,
                     "A component named Renamed already exists");
    EXPECT_EQ(Stray->Owner(), nullptr);
    Stray->Free();
}

TEST(Component, OwnershipIndexesAndRemoval) {
    TComponent Owner(nullptr);
    auto* A = new TComponent(&Owner);
    auto* B = new TComponent(&Owner);
    auto* C = new TComponent(&Owner);
    EXPECT_EQ(Owner.ComponentCount(), 3);
    EXPECT_EQ(C->ComponentIndex(), 2);
    C->SetComponentIndex(0);
    EXPECT_EQ(Owner.Components(0), C);
    EXPECT_EQ(Owner.Components(1), A);
    EXPECT_THROW_MSG(Owner.Components(3), EListError, "List index out of bounds (3)");
    Owner.RemoveComponent(B);
    EXPECT_EQ(B->Owner(), nullptr);
    EXPECT_EQ(Owner.ComponentCount(), 2);
    TComponent Other(nullptr);
    Other.InsertComponent(B);
    EXPECT_EQ(B->Owner(), &Other);
    EXPECT_EQ(TComponent(nullptr).ComponentIndex(), -1);
}

TEST(Component, FreeingAnnouncesRemovalAndFreesOwnedComponents) {
    Destroyed = 0;
    auto* Owner = new TWatcher(nullptr);
    auto* Child = new TCounted(Owner);
    new TCounted(Child);
    new TCounted(Owner);
    auto* Outsider = new TWatcher(nullptr);
    Outsider->Watched = Child;
    Child->FreeNotification(Outsider);

    Child->Free();
    EXPECT_EQ(Destroyed, 2);
    EXPECT_EQ(Outsider->Watched, nullptr);
    ASSERT_FALSE(Owner->Seen.empty());
    EXPECT_EQ(Owner->Seen.back(), std::make_pair(static_cast<TComponent*>(Child), opRemove));
    EXPECT_EQ(Owner->ComponentCount(), 1);

    // Free notification works in both directions and is dropped when one side goes.
    auto* Partner = new TWatcher(nullptr);
    Partner->FreeNotification(Outsider);
    Outsider->Watched = Partner;
    Outsider->Free();
    EXPECT_EQ(Partner->Seen.back().first, Outsider);
    Partner->Free();

    Owner->Free();
    EXPECT_EQ(Destroyed, 3);
}

TEST(Component, AHandlerThatFreesASiblingDuringNotificationIsSafe) {
    Destroyed = 0;
    TComponent Owner(nullptr);
    auto* Leaving = new TCounted(&Owner);
    auto* Watcher = new TWatcher(&Owner);
    auto* Sibling = new TCounted(&Owner);
    new TWatcher(&Owner); // notified after the sibling is gone
    Watcher->FreeOnRemovalOf = Leaving;
    Watcher->Victim = Sibling;
    Leaving->Free();
    EXPECT_EQ(Destroyed, 2);
    EXPECT_EQ(Owner.ComponentCount(), 2);
}

TEST(Component, PublishedFieldFollowsTheComponentOfThatName) {
    TOwnerForm Form(nullptr);
    auto* W = new TWatcher(&Form);
    EXPECT_EQ(Form.Button1, nullptr);
    W->SetName("Button1");
    EXPECT_EQ(Form.Button1, W);
    W->SetName("Other");
    EXPECT_EQ(Form.Button1, nullptr);
    W->SetName("Button1");
    auto* NotAWatcher = new TComponent(&Form);
    W->Free();
    EXPECT_EQ(Form.Button1, nullptr);
    NotAWatcher->SetName("Button1"); // wrong class: the field stays empty
    EXPECT_EQ(Form.Button1, nullptr);
}

TEST(Component, CreationByClassAndDesignState) {
    TComponent Owner(nullptr);
    Owner.SetDesigning(true);
    TComponent* C = CreateComponent(TCounted::StaticClass(), &Owner);
    EXPECT_EQ(C->Owner(), &Owner);
    EXPECT_TRUE(C->ComponentState().Contains(csDesigning));
    EXPECT_THROW_MSG(CreateComponent(TObject::StaticClass(), &Owner), EComponentError,
                     "Cannot create an instance of TObject");
}
