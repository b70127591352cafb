#include "host/classes/Component.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Filer.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

namespace {
std::uint64_t NamesAndPlaces = 0;
}

std::uint64_t TComponent::NamesAndPlacesGeneration() {
    return NamesAndPlaces;
}

TClass TComponent::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TComponent>("TComponent")
                                       .Prop("Name", &TComponent::FName, &TComponent::SetName)
                                       .Stored(false)
                                       .Prop("Tag", &TComponent::FTag, &TComponent::SetTag)
                                       .Default(0);
    return &Info;
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    Teardown();
}

void TComponent::BeforeDestruction() {
    Teardown();
}

// The host's destructor sequence; run once, from Free() when possible so that every
// notification sees the whole object.
void TComponent::Teardown() {
    if (FTornDown) return;
    FTornDown = true;
    Destroying();
    while (!FFreeNotifies.empty()) {
        TComponent* Other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        Other->RemoveNotification(this);
        Other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
    RemoveFixupReferences(this);
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount()) RaiseListIndexError<EListError>(Index);
    return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& L = FOwner->FComponents;
    return static_cast<int>(std::find(L.begin(), L.end(), this) - L.begin());
}

void TComponent::SetComponentIndex(int Value) {
    if (!FOwner) return;
    auto& L = FOwner->FComponents;
    int Count = static_cast<int>(L.size());
    int Current = ComponentIndex();
    Value = std::clamp(Value, 0, Count - 1);
    if (Value == Current) return;
    L.erase(L.begin() + Current);
    L.insert(L.begin() + Value, this);
    ++NamesAndPlaces;
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
    if (AName.empty()) return nullptr;
    auto It = FNameIndex.find(AName);
    return It == FNameIndex.end() ? nullptr : It->second;
}

void TComponent::SetName(const String& NewName) {
    if (FName == NewName) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    SetReference(false);
    ChangeName(NewName);
    SetReference(true);
}

void TComponent::ChangeName(const String& NewName) {
    ++NamesAndPlaces;
    if (FOwner && !FName.empty()) FOwner->FNameIndex.erase(FName);
    FName = NewName;
    if (FOwner && !FName.empty()) FOwner->FNameIndex[FName] = this;
}

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName,
                                const String& NewName) {
    if (!AComponent || SameText(CurName, NewName) || NewName.empty()) return;
    TComponent* Existing = FindComponent(NewName);
    if (Existing && Existing != AComponent)
        throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::ValidateContainer(TComponent* AComponent) {
    AComponent->ValidateInsertInto(this);
}

void TComponent::SetReference(bool Enable) {
    if (!FOwner || FName.empty()) return;
    const TFieldEntry* Field = FOwner->ClassType()->FindField(FName);
    if (!Field) return;
    if (!Enable) {
        if (Field->Get(FOwner) == this) Field->Set(FOwner, nullptr);
    } else if (InheritsFrom(Field->FieldClass())) {
        Field->Set(FOwner, this);
    }
}

void TComponent::InsertComponent(TComponent* AComponent) {
    AComponent->ValidateContainer(this);
    ValidateRename(AComponent, "", AComponent->FName);
    Insert(AComponent);
    AComponent->SetReference(true);
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    ValidateRename(AComponent, AComponent->FName, "");
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
    ++NamesAndPlaces;
    FComponents.push_back(AComponent);
    if (!AComponent->FName.empty()) FNameIndex[AComponent->FName] = AComponent;
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
    ++NamesAndPlaces;
    // Components are usually removed from the end (teardown), so search backwards.
    auto It = std::find(FComponents.rbegin(), FComponents.rend(), AComponent);
    if (It != FComponents.rend()) FComponents.erase(std::next(It).base());
    auto Named = FNameIndex.find(AComponent->FName);
    if (Named != FNameIndex.end() && Named->second == AComponent) FNameIndex.erase(Named);
    AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* Instance = FComponents.back();
        if (Instance->FComponentState.Contains(csFreeNotification))
            RemoveComponent(Instance);
        else
            Remove(Instance);
        Instance->Free();
    }
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (TComponent* C : FComponents)
        C->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FreeNotification(this);
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
    auto It = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (It != FFreeNotifies.end()) FFreeNotifies.erase(It);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // Insertions reach the owner only: announcing each new component to every sibling would
    // make building a form of n components take n² steps. Removals do reach every owned
    // component, since siblings hold references that must be cleared.
    if (Operation == opInsert) return;
    // An owner that is going away takes all its components with it: none needs to hear of
    // a sibling leaving, and telling each of them would make closing a form quadratic.
    if (FComponentState.Contains(csDestroying)) return;
    // A handler may free siblings: walk the live list from the end and clamp the index to
    // what is left after every call.
    for (int i = ComponentCount() - 1; i >= 0;) {
        FComponents[static_cast<std::size_t>(i)]->Notification(AComponent, Operation);
        i = std::min(i - 1, ComponentCount() - 1);
    }
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    if (SetChildren)
        for (TComponent* C : FComponents)
            C->SetDesigning(Value);
}

void TComponent::SetInline(bool Value) {
    Value ? FComponentState.Include(csInline) : FComponentState.Exclude(csInline);
}

void TComponent::SetAncestor(bool Value) {
    Value ? FComponentState.Include(csAncestor) : FComponentState.Exclude(csAncestor);
    for (TComponent* C : FComponents)
        C->SetAncestor(Value);
}

void TComponent::SetLoading(bool Value) {
    Value ? FComponentState.Include(csLoading) : FComponentState.Exclude(csLoading);
}
void TComponent::SetReading(bool Value) {
    Value ? FComponentState.Include(csReading) : FComponentState.Exclude(csReading);
}
void TComponent::SetWriting(bool Value) {
    Value ? FComponentState.Include(csWriting) : FComponentState.Exclude(csWriting);
}

void TComponent::Updating() {
    FComponentState.Include(csUpdating);
}
void TComponent::Updated() {
    FComponentState.Exclude(csUpdating);
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

void TComponent::Loaded() {
    FComponentState.Exclude(csLoading);
}

// Non-visual components keep their place on the design surface as "Left" and "Top".
void TComponent::DefineProperties(TFiler* Filer) {
    auto Lo = [this] { return static_cast<std::int16_t>(FDesignInfo & 0xFFFF); };
    auto Hi = [this] { return static_cast<std::int16_t>((FDesignInfo >> 16) & 0xFFFF); };
    Filer->DefineProperty(
        "Left",
        [this](TReader* R) {
            FDesignInfo =
                static_cast<Integer>((FDesignInfo & ~0xFFFF) | (R->ReadInteger() & 0xFFFF));
        },
        [Lo](TWriter* W) { W->WriteInteger(Lo()); }, Lo() != 0);
    Filer->DefineProperty(
        "Top",
        [this](TReader* R) {
            FDesignInfo = static_cast<Integer>(
                (FDesignInfo & 0xFFFF) | (static_cast<std::uint32_t>(R->ReadInteger()) << 16));
        },
        [Hi](TWriter* W) { W->WriteInteger(Hi()); }, Hi() != 0);
}

TComponent* CreateComponent(TClass Class, TComponent* Owner) {
    if (!Class->InheritsFrom(TComponent::StaticClass()) || !Class->Create)
        throw EComponentError("Cannot create an instance of " + Class->ClassName);
    return static_cast<TComponent*>(Class->Create(Owner));
}

} // namespace host
