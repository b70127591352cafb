#include "host/controls/ActnList.h"

#include "host/classes/StringList.h"
#include "host/controls/ImgList.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/HostErrors.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TActionListState, "asNormal", "asSuspended", "asSuspendedEnabled")

// ---- TBasicActionLink ----

TClass TBasicActionLink::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TBasicActionLink>("TBasicActionLink").NoCreate();
    return &Info;
}

TBasicActionLink::~TBasicActionLink() {
    if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
    if (FAction == Value) return;
    if (FAction) FAction->UnRegisterChanges(this);
    if (Value) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* Component) {
    if (!FAction) return false;
    FAction->SetActionComponent(Component);
    bool Result = false;
    try {
        Result = FAction->Execute();
    } catch (...) {
        if (FAction) FAction->SetActionComponent(nullptr);
        throw;
    }
    if (FAction) FAction->SetActionComponent(nullptr);
    return Result;
}

bool TBasicActionLink::Update() {
    return FAction && FAction->Update();
}

// ---- TBasicAction ----

TClass TBasicAction::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBasicAction>("TBasicAction")
        .Prop("OnExecute", &TBasicAction::OnExecute, &TBasicAction::SetOnExecute)
        .Prop("OnUpdate", &TBasicAction::OnUpdate, &TBasicAction::SetOnUpdate);
    // clang-format on
    return &Info;
}

TBasicAction::~TBasicAction() {
    for (TBasicActionLink* L : FClients)
        L->FAction = nullptr;
}

void TBasicAction::BeforeDestruction() {
    // The clients forget the action through their own free notification; the links only
    // need to let go of it.
    std::vector<TBasicActionLink*> Links = std::move(FClients);
    FClients.clear();
    for (TBasicActionLink* L : Links)
        L->FAction = nullptr;
    inherited::BeforeDestruction();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Link) {
    Link->FAction = this;
    FClients.push_back(Link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Link) {
    auto It = std::find(FClients.begin(), FClients.end(), Link);
    if (It == FClients.end()) return;
    FClients.erase(It);
    Link->FAction = nullptr;
}

bool TBasicAction::Execute() {
    if (!FOnExecute) return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!FOnUpdate) return false;
    FOnUpdate(this);
    return true;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
    if (FOnExecute == Value) return;
    ForEachLink([&](TBasicActionLink* L) { L->SetOnExecute(Value); });
    FOnExecute = Value;
    Change();
}

void TBasicAction::Change() {
    ForEachLink([](TBasicActionLink* L) { L->Change(); });
}

// ---- TContainedAction ----

TClass TContainedAction::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TContainedAction>("TContainedAction")
        .Prop("Category", &TContainedAction::Category, &TContainedAction::SetCategory);
    // clang-format on
    return &Info;
}

TContainedAction::~TContainedAction() {
    if (FActionList) FActionList->RemoveAction(this);
}

void TContainedAction::BeforeDestruction() {
    if (FActionList) FActionList->RemoveAction(this);
    inherited::BeforeDestruction();
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
    if (FActionList == Value) return;
    if (FActionList) FActionList->RemoveAction(this);
    if (Value) Value->AddAction(this);
}

int TContainedAction::Index() const {
    return FActionList ? FActionList->IndexOf(this) : -1;
}

void TContainedAction::SetIndex(int Value) {
    if (FActionList) FActionList->MoveAction(this, Value);
}

TComponent* TContainedAction::GetParentComponent() const {
    return FActionList;
}

void TContainedAction::SetParentComponent(TComponent* Value) {
    if (auto* List = As<TCustomActionList>(Value)) SetActionList(List);
}

bool TContainedAction::Execute() {
    if (FActionList && FActionList->ExecuteAction(this)) return true;
    return inherited::Execute();
}

bool TContainedAction::Update() {
    if (FActionList && FActionList->UpdateAction(this)) return true;
    return inherited::Update();
}

// ---- TCustomAction ----

TClass TCustomAction::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomAction>("TCustomAction").NoCreate();
    return &Info;
}

TClass TAction::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TAction>("TAction")
        .Prop("AutoCheck", &TAction::AutoCheck, &TAction::SetAutoCheck).Default(false)
        .Prop("Caption", &TAction::Caption, &TAction::SetCaption)
        .Prop("Checked", &TAction::Checked, &TAction::SetChecked).Default(false)
        .Prop("Enabled", &TAction::Enabled, &TAction::SetEnabled).Default(true)
        .Prop("GroupIndex", &TAction::GroupIndex, &TAction::SetGroupIndex).Default(0)
        .Prop("HelpContext", &TAction::HelpContext, &TAction::SetHelpContext).Default(0)
        .Prop("HelpKeyword", &TAction::HelpKeyword, &TAction::SetHelpKeyword)
        .Prop("HelpType", &TAction::HelpType, &TAction::SetHelpType).Default(htContext)
        .Prop("Hint", &TAction::Hint, &TAction::SetHint)
        .Prop("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex).Default(-1)
        .Prop("ImageName", &TAction::ImageName, &TAction::SetImageName)
        .Prop("ShortCut", &TAction::ShortCut, &TAction::SetShortCut).Default(0)
        .Prop("SecondaryShortCuts", &TAction::SecondaryShortCuts, &TAction::SetSecondaryShortCuts).Stored(&TAction::IsSecondaryShortCutsStored)
        .Prop("Visible", &TAction::Visible, &TAction::SetVisible).Default(true)
        .Prop("OnHint", &TAction::OnHint, &TAction::SetOnHint);
    // clang-format on
    return &Info;
}

TCustomAction::TCustomAction(TComponent* AOwner)
    : TContainedAction(AOwner), FSecondaryShortCuts(new TStringList) {}

TCustomAction::~TCustomAction() {}

void TCustomAction::SetSecondaryShortCuts(TStrings* Value) {
    FSecondaryShortCuts->Assign(Value);
}

bool TCustomAction::IsSecondaryShortCutsStored() const {
    return FSecondaryShortCuts->Count() > 0;
}

void TCustomAction::SetAutoCheck(bool Value) {
    if (FAutoCheck == Value) return;
    ForEachLink([&](TBasicActionLink* L) { L->SetAutoCheck(Value); });
    FAutoCheck = Value;
    Change();
}

void TCustomAction::SetCaption(const String& Value) {
    if (FCaption == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsCaptionLinked()) L->SetCaption(Value);
    });
    FCaption = Value;
    Change();
}

void TCustomAction::SetChecked(bool Value) {
    if (FChecked == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsCheckedLinked()) L->SetChecked(Value);
    });
    FChecked = Value;
    if (Value && FGroupIndex > 0 && ActionList())
        for (int i = 0; i < ActionList()->ActionCount(); ++i)
            if (auto* Other = As<TCustomAction>(ActionList()->Actions(i));
                Other && Other != this && Other->FGroupIndex == FGroupIndex)
                Other->SetChecked(false);
    Change();
}

void TCustomAction::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsEnabledLinked()) L->SetEnabled(Value);
    });
    FEnabled = Value;
    Change();
}

void TCustomAction::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsGroupIndexLinked()) L->SetGroupIndex(Value);
    });
    FGroupIndex = Value;
    Change();
}

void TCustomAction::SetHelpContext(int Value) {
    if (FHelpContext == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsHelpLinked()) L->SetHelpContext(Value);
    });
    FHelpContext = Value;
    Change();
}

void TCustomAction::SetHelpKeyword(const String& Value) {
    if (FHelpKeyword == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsHelpLinked()) L->SetHelpKeyword(Value);
    });
    FHelpKeyword = Value;
    Change();
}

void TCustomAction::SetHelpType(THelpType Value) {
    if (FHelpType == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsHelpLinked()) L->SetHelpType(Value);
    });
    FHelpType = Value;
    Change();
}

void TCustomAction::SetHint(const String& Value) {
    if (FHint == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsHintLinked()) L->SetHint(Value);
    });
    FHint = Value;
    Change();
}

void TCustomAction::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsImageIndexLinked()) L->SetImageIndex(Value);
    });
    FImageIndex = Value;
    Change();
}

void TCustomAction::SetShortCut(TShortCut Value) {
    if (FShortCut == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsShortCutLinked()) L->SetShortCut(Value);
    });
    FShortCut = Value;
    Change();
}

void TCustomAction::SetVisible(bool Value) {
    if (FVisible == Value) return;
    ForEachLink([&](TBasicActionLink* L) {
        if (L->IsVisibleLinked()) L->SetVisible(Value);
    });
    FVisible = Value;
    Change();
}

bool TCustomAction::Execute() {
    if (!FEnabled) return false;
    if (FAutoCheck) SetChecked(!FChecked);
    return inherited::Execute();
}

// ---- TCustomActionList ----

TClass TCustomActionList::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomActionList>("TCustomActionList").NoCreate();
    return &Info;
}

TClass TActionList::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TActionList>("TActionList")
        .Prop("Images", &TActionList::Images, &TActionList::SetImages)
        .Prop("State", &TActionList::State, &TActionList::SetState).Default(asNormal)
        .Prop("OnChange", &TActionList::OnChange, &TActionList::SetOnChange)
        .Prop("OnExecute", &TActionList::OnExecute, &TActionList::SetOnExecute)
        .Prop("OnStateChange", &TActionList::OnStateChange, &TActionList::SetOnStateChange)
        .Prop("OnUpdate", &TActionList::OnUpdate, &TActionList::SetOnUpdate);
    // clang-format on
    return &Info;
}

TCustomActionList::~TCustomActionList() {
    for (TContainedAction* A : FActions)
        A->FActionList = nullptr;
}

void TCustomActionList::BeforeDestruction() {
    std::vector<TContainedAction*> Actions = std::move(FActions);
    FActions.clear();
    for (TContainedAction* A : Actions)
        A->FActionList = nullptr;
    inherited::BeforeDestruction();
}

TContainedAction* TCustomActionList::Actions(int Index) const {
    if (Index < 0 || Index >= ActionCount()) RaiseListIndexError<EListError>(Index);
    return FActions[static_cast<std::size_t>(Index)];
}

void TCustomActionList::AddAction(TContainedAction* Action) {
    FActions.push_back(Action);
    Action->FActionList = this;
    FOnChange(this);
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
    auto It = std::find(FActions.begin(), FActions.end(), Action);
    if (It == FActions.end()) return;
    FActions.erase(It);
    Action->FActionList = nullptr;
    if (!ComponentState().Contains(csDestroying)) FOnChange(this);
}

int TCustomActionList::IndexOf(const TContainedAction* Action) const {
    auto It = std::find(FActions.begin(), FActions.end(), Action);
    return It == FActions.end() ? -1 : static_cast<int>(It - FActions.begin());
}

void TCustomActionList::MoveAction(TContainedAction* Action, int Index) {
    const int Current = IndexOf(Action);
    if (Current < 0) return;
    Index = std::clamp(Index, 0, ActionCount() - 1);
    FActions.erase(FActions.begin() + Current);
    FActions.insert(FActions.begin() + Index, Action);
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
    bool Handled = false;
    FOnExecute(Action, Handled);
    return Handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
    bool Handled = false;
    FOnUpdate(Action, Handled);
    return Handled;
}

void TCustomActionList::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TContainedAction* A : FActions)
        if (A->Owner() == Root) Proc(A);
}

void TCustomActionList::SetChildOrder(TComponent* Child, int Order) {
    if (auto* A = As<TContainedAction>(Child); A && A->ActionList() == this) MoveAction(A, Order);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    if (auto* A = As<TContainedAction>(AComponent)) RemoveAction(A);
}

// ---- TActionLink ----

TClass TActionLink::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TActionLink>("TActionLink").NoCreate();
    return &Info;
}

TCustomAction* TActionLink::Custom() const {
    return As<TCustomAction>(Action());
}

// ---- TControlActionLink ----

TClass TControlActionLink::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TControlActionLink>("TControlActionLink").NoCreate();
    return &Info;
}

bool TControlActionLink::IsCaptionLinked() const {
    return inherited::IsCaptionLinked() && FClient->Caption() == Custom()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const {
    return inherited::IsEnabledLinked() && FClient->Enabled() == Custom()->Enabled();
}

bool TControlActionLink::IsHelpLinked() const {
    return inherited::IsHelpLinked() && FClient->HelpContext() == Custom()->HelpContext() &&
           FClient->HelpKeyword() == Custom()->HelpKeyword() &&
           FClient->HelpType() == Custom()->HelpType();
}

bool TControlActionLink::IsHintLinked() const {
    return inherited::IsHintLinked() && FClient->Hint() == Custom()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const {
    return inherited::IsVisibleLinked() && FClient->Visible() == Custom()->Visible();
}

bool TControlActionLink::IsOnExecuteLinked() const {
    return inherited::IsOnExecuteLinked() && FClient->OnClick() == Action()->OnExecute();
}

void TControlActionLink::SetCaption(const String& Value) {
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TControlActionLink::SetHelpContext(int Value) {
    if (IsHelpLinked()) FClient->SetHelpContext(Value);
}

void TControlActionLink::SetHelpKeyword(const String& Value) {
    if (IsHelpLinked()) FClient->SetHelpKeyword(Value);
}

void TControlActionLink::SetHelpType(THelpType Value) {
    if (IsHelpLinked()) FClient->SetHelpType(Value);
}

void TControlActionLink::SetHint(const String& Value) {
    if (IsHintLinked()) FClient->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) FClient->SetVisible(Value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent& Value) {
    if (IsOnExecuteLinked()) FClient->SetOnClick(Value);
}

void TControlActionLink::Change() {
    inherited::Change();
    FClient->ActionChange(Action(), false);
}

} // namespace host
