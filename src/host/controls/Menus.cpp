// Menu items, menus, main and pop-up menus; the menu handles are built in MenuHandles.cpp.
#include "host/controls/Menus.h"
#include "host/rtl/HostErrors.h"

#include "host/controls/ImgList.h"

#include "host/controls/ControlMessages.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <unordered_map>

namespace host {

ZT_DEFINE_ENUM(TPopupAlignment, "paLeft", "paRight", "paCenter")

namespace {

// Command identifiers stay below the system commands (0xF000) and the MDI window list.
constexpr UINT LastCommand = 0xEFFF;

struct TCommandPool {
    UINT Next = 1;
    std::vector<UINT> Released;
    std::unordered_map<UINT, TMenuItem*> Items;
};

TCommandPool& Commands() {
    static TCommandPool Pool;
    return Pool;
}

// 0 once every identifier is taken: such an item cannot be chosen by command.
UINT AllocateCommand(TMenuItem* Item) {
    TCommandPool& P = Commands();
    UINT Id = 0;
    if (!P.Released.empty()) {
        Id = P.Released.back();
        P.Released.pop_back();
    } else if (P.Next <= LastCommand) {
        Id = P.Next++;
    }
    if (Id) P.Items[Id] = Item;
    return Id;
}

void ReleaseCommand(UINT Id) {
    if (!Id) return;
    Commands().Items.erase(Id);
    Commands().Released.push_back(Id);
}

[[noreturn]] void IndexError() {
    RaiseMenuIndexError();
}

} // namespace

// ---- TMenuItem ----

TClass TMenuItem::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TMenuItem>("TMenuItem")
        .Prop("Action", &TMenuItem::Action, &TMenuItem::SetAction)
        .Prop("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false).Stored(&TMenuItem::IsAutoCheckStored)
        .Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption).Stored(&TMenuItem::IsCaptionStored)
        .Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false).Stored(&TMenuItem::IsCheckedStored)
        .Prop("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false)
        .Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true).Stored(&TMenuItem::IsEnabledStored)
        .Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0).Stored(&TMenuItem::IsGroupIndexStored)
        .Prop("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext).Default(0)
        .Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint).Stored(&TMenuItem::IsHintStored)
        .Prop("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1).Stored(&TMenuItem::IsImageIndexStored)
        .Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false)
        .Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0).Stored(&TMenuItem::IsShortCutStored)
        .Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true).Stored(&TMenuItem::IsVisibleStored)
        .Prop("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick).Stored(&TMenuItem::IsOnClickStored);
    // clang-format on
    return &Info;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(AllocateCommand(this)) {}

TMenuItem::~TMenuItem() {
    while (!FItems.empty()) {
        TMenuItem* Child = FItems.back();
        FItems.pop_back();
        Child->FParent = nullptr;
        Child->Free();
    }
    if (FParent) std::erase(FParent->FItems, this);
    DestroyMenuHandle();
    ReleaseCommand(FCommand);
}

void TMenuItem::BeforeDestruction() {
    Destroying();
    while (!FItems.empty()) {
        TMenuItem* Child = FItems.back();
        FItems.pop_back();
        Child->FParent = nullptr;
        Child->Free();
    }
    if (FParent) FParent->Remove(this);
    inherited::BeforeDestruction();
}

bool TMenuItem::Dying() const {
    if (ComponentState().Contains(csDestroying)) return true;
    return FMenu && FMenu->ComponentState().Contains(csDestroying);
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError();
    return FItems[static_cast<std::size_t>(Index)];
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) return;
    for (const TMenuItem* P = this; P; P = P->FParent)
        if (P == Item) RaiseMenuReinserted();
    if (Item->FParent) RaiseMenuReinserted();
    if (Index < 0 || Index > Count()) IndexError();
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    RebuildHandle();
    // The first sub-item turns this item into a sub-menu in its parent's handle.
    if (Count() == 1 && FParent) FParent->RebuildHandle();
    MenuChanged(true);
}

void TMenuItem::Delete(int Index) {
    if (Index < 0 || Index >= Count()) IndexError();
    TMenuItem* Item = FItems[static_cast<std::size_t>(Index)];
    FItems.erase(FItems.begin() + Index);
    Item->FParent = nullptr;
    RebuildHandle();
    if (Count() == 0 && FParent) FParent->RebuildHandle();
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
    const int Index = IndexOf(Item);
    if (Index < 0) RaiseMenuNotFound();
    Delete(Index);
}

// Detaches all first, so the handle is rebuilt once, not once per item.
void TMenuItem::Clear() {
    if (FItems.empty()) return;
    std::vector<TMenuItem*> Items;
    Items.swap(FItems);
    for (TMenuItem* Item : Items)
        Item->FParent = nullptr;
    RebuildHandle();
    if (FParent) FParent->RebuildHandle();
    MenuChanged(true);
    for (TMenuItem* Item : Items)
        Item->Free();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    const auto It = std::find(FItems.begin(), FItems.end(), Item);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TMenuItem::SetMenuIndex(int Value) {
    if (!FParent) return;
    auto& Siblings = FParent->FItems;
    Value = std::clamp(Value, 0, static_cast<int>(Siblings.size()) - 1);
    const int Current = MenuIndex();
    if (Value == Current) return;
    Siblings.erase(Siblings.begin() + Current);
    Siblings.insert(Siblings.begin() + Value, this);
    FParent->RebuildHandle();
    MenuChanged(true);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* Root = this;
    while (Root->FParent)
        Root = Root->FParent;
    return Root->FMenu;
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (FParent) FParent->Remove(this);
    if (auto* Menu = As<TMenu>(Value))
        Menu->Items()->Add(this);
    else if (auto* Item = As<TMenuItem>(Value))
        Item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& Proc, TComponent*) {
    for (TMenuItem* Item : FItems)
        Proc(Item);
}

void TMenuItem::SetChildOrder(TComponent* Child, int Order) {
    if (auto* Item = As<TMenuItem>(Child); Item && Item->FParent == this) Item->SetMenuIndex(Order);
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck && !(FActionLink && FActionLink->IsAutoCheckLinked())) SetChecked(!FChecked);
    if (FRadioItem) SetChecked(true);
    TBasicAction* A = Action();
    if (FOnClick && A && !(FOnClick == A->OnExecute()))
        FOnClick(this);
    else if (A)
        (void)FActionLink->Execute(this);
    else
        FOnClick(this);
}

// ---- actions ----

TBasicAction* TMenuItem::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* Value) {
    LinkClientAction(this, FActionLink, Value);
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* A = As<TCustomAction>(Sender);
    if (!A) return;
    if (!CheckDefaults || !FAutoCheck) SetAutoCheck(A->AutoCheck());
    if (!CheckDefaults || FCaption.empty()) SetCaption(A->Caption());
    if (!CheckDefaults || !FChecked) SetChecked(A->Checked());
    if (!CheckDefaults || FEnabled) SetEnabled(A->Enabled());
    if (!CheckDefaults || FGroupIndex == 0) SetGroupIndex(A->GroupIndex());
    if (!CheckDefaults || FHelpContext == 0) SetHelpContext(A->HelpContext());
    if (!CheckDefaults || FHint.empty()) SetHint(A->Hint());
    if (!CheckDefaults || FImageIndex == -1) SetImageIndex(A->ImageIndex());
    if (!CheckDefaults || FShortCut == 0) SetShortCut(A->ShortCut());
    if (!CheckDefaults || FVisible) SetVisible(A->Visible());
    if (!CheckDefaults || !FOnClick) FOnClick = A->OnExecute();
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && FActionLink && !FActionLink->Action() &&
        Is<TBasicAction>(AComponent))
        FActionLink.reset();
}

bool TMenuItem::IsCaptionStored() const {
    return !FActionLink || !FActionLink->IsCaptionLinked();
}
bool TMenuItem::IsCheckedStored() const {
    return !FActionLink || !FActionLink->IsCheckedLinked();
}
bool TMenuItem::IsEnabledStored() const {
    return !FActionLink || !FActionLink->IsEnabledLinked();
}
bool TMenuItem::IsHintStored() const {
    return !FActionLink || !FActionLink->IsHintLinked();
}
bool TMenuItem::IsShortCutStored() const {
    return !FActionLink || !FActionLink->IsShortCutLinked();
}
bool TMenuItem::IsVisibleStored() const {
    return !FActionLink || !FActionLink->IsVisibleLinked();
}
bool TMenuItem::IsImageIndexStored() const {
    return !FActionLink || !FActionLink->IsImageIndexLinked();
}
bool TMenuItem::IsOnClickStored() const {
    return !FActionLink || !FActionLink->IsOnExecuteLinked();
}
bool TMenuItem::IsAutoCheckStored() const {
    return !FActionLink || !FActionLink->IsAutoCheckLinked();
}
bool TMenuItem::IsGroupIndexStored() const {
    return !FActionLink || !FActionLink->IsGroupIndexLinked();
}

// ---- TMenuActionLink ----

TClass TMenuActionLink::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TMenuActionLink>("TMenuActionLink").NoCreate();
    return &Info;
}

bool TMenuActionLink::IsAutoCheckLinked() const {
    return inherited::IsAutoCheckLinked() && FClient->AutoCheck() == Custom()->AutoCheck();
}
bool TMenuActionLink::IsCaptionLinked() const {
    return inherited::IsCaptionLinked() && FClient->Caption() == Custom()->Caption();
}
bool TMenuActionLink::IsCheckedLinked() const {
    return inherited::IsCheckedLinked() && FClient->Checked() == Custom()->Checked();
}
bool TMenuActionLink::IsEnabledLinked() const {
    return inherited::IsEnabledLinked() && FClient->Enabled() == Custom()->Enabled();
}
bool TMenuActionLink::IsGroupIndexLinked() const {
    return inherited::IsGroupIndexLinked() && FClient->GroupIndex() == Custom()->GroupIndex();
}
bool TMenuActionLink::IsHelpLinked() const {
    return inherited::IsHelpLinked() && FClient->HelpContext() == Custom()->HelpContext();
}
bool TMenuActionLink::IsHintLinked() const {
    return inherited::IsHintLinked() && FClient->Hint() == Custom()->Hint();
}
bool TMenuActionLink::IsImageIndexLinked() const {
    return inherited::IsImageIndexLinked() && FClient->ImageIndex() == Custom()->ImageIndex();
}
bool TMenuActionLink::IsShortCutLinked() const {
    return inherited::IsShortCutLinked() && FClient->ShortCut() == Custom()->ShortCut();
}
bool TMenuActionLink::IsVisibleLinked() const {
    return inherited::IsVisibleLinked() && FClient->Visible() == Custom()->Visible();
}
bool TMenuActionLink::IsOnExecuteLinked() const {
    return inherited::IsOnExecuteLinked() && FClient->OnClick() == Action()->OnExecute();
}
void TMenuActionLink::SetAutoCheck(bool Value) {
    if (IsAutoCheckLinked()) FClient->SetAutoCheck(Value);
}
void TMenuActionLink::SetCaption(const String& Value) {
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}
void TMenuActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) FClient->SetChecked(Value);
}
void TMenuActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FClient->SetEnabled(Value);
}
void TMenuActionLink::SetGroupIndex(int Value) {
    if (IsGroupIndexLinked()) FClient->SetGroupIndex(Value);
}
void TMenuActionLink::SetHelpContext(int Value) {
    if (IsHelpLinked()) FClient->SetHelpContext(Value);
}
void TMenuActionLink::SetHint(const String& Value) {
    if (IsHintLinked()) FClient->SetHint(Value);
}
void TMenuActionLink::SetImageIndex(int Value) {
    if (IsImageIndexLinked()) FClient->SetImageIndex(Value);
}
void TMenuActionLink::SetShortCut(TShortCut Value) {
    if (IsShortCutLinked()) FClient->SetShortCut(Value);
}
void TMenuActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) FClient->SetVisible(Value);
}
void TMenuActionLink::SetOnExecute(const TNotifyEvent& Value) {
    if (IsOnExecuteLinked()) FClient->SetOnClick(Value);
}
void TMenuActionLink::Change() {
    inherited::Change();
    FClient->ActionChange(Action(), false);
}

// ---- properties that show in the menu handle ----

void TMenuItem::SetCaption(const String& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    UpdateInParent();
    MenuChanged(false);
}

void TMenuItem::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (HMENU P = ParentHandle(); P && FVisible)
        CheckMenuItem(P, HandlePosition(), MF_BYPOSITION | (Value ? MF_CHECKED : MF_UNCHECKED));
    if (Value && FRadioItem) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    if (HMENU P = ParentHandle(); P && FVisible)
        EnableMenuItem(P, HandlePosition(), MF_BYPOSITION | (Value ? MF_ENABLED : MF_GRAYED));
    MenuChanged(false);
}

void TMenuItem::SetDefault(bool Value) {
    if (FDefault == Value) return;
    FDefault = Value;
    UpdateInParent();
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    if (FParent) FParent->RebuildHandle();
    MenuChanged(true);
}

void TMenuItem::SetRadioItem(bool Value) {
    if (FRadioItem == Value) return;
    FRadioItem = Value;
    if (Value && FChecked) TurnSiblingsOff();
}

void TMenuItem::SetGroupIndex(int Value) {
    Value = std::clamp(Value, 0, 255);
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    if (FRadioItem && FChecked) TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* Item : FParent->FItems)
        if (Item != this && Item->FRadioItem && Item->FGroupIndex == FGroupIndex)
            Item->SetChecked(false);
}

void TMenuItem::MenuChanged(bool Rebuild) {
    if (Dying()) return;
    if (TMenu* Menu = GetParentMenu()) Menu->MenuChanged(Rebuild);
}

// ---- TMenu ----

TClass TMenu::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TMenu>("TMenu").NoCreate();
    return &Info;
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    if (FItems) FItems->Free();
}

// The items go after the menu has told those who refer to it.
void TMenu::BeforeDestruction() {
    inherited::BeforeDestruction();
    FreeAndNil(FItems);
}

TMenuItem* TMenu::FindCommand(UINT Command) const {
    const auto& Items = Commands().Items;
    const auto It = Command ? Items.find(Command) : Items.end();
    if (It == Items.end() || It->second->GetParentMenu() != this) return nullptr;
    return It->second;
}

bool TMenu::DispatchCommand(UINT Command) {
    TMenuItem* Item = FindCommand(Command);
    if (!Item) return false;
    Item->Click();
    return true;
}

void TMenu::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    FItems->GetChildren(Proc, Root);
}

void TMenu::SetChildOrder(TComponent* Child, int Order) {
    FItems->SetChildOrder(Child, Order);
}

void TMenu::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

// ---- TMainMenu, TPopupMenu ----

TClass TMainMenu::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TMainMenu>("TMainMenu")
        .Prop("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge).Default(false)
        .Prop("Images", &TMainMenu::Images, &TMainMenu::SetImages);
    // clang-format on
    return &Info;
}

void TMainMenu::MenuChanged(bool Rebuild) {
    if (!IsWindow(FWindowHandle)) return;
    DrawMenuBar(FWindowHandle);
    SendMessageA(FWindowHandle, CM_MENUCHANGED, Rebuild, 0);
}

TClass TPopupMenu::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPopupMenu>("TPopupMenu")
        .Prop("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft)
        .Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true)
        .Prop("Images", &TPopupMenu::Images, &TPopupMenu::SetImages)
        .Prop("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup);
    // clang-format on
    return &Info;
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (FPopupComponent == Value) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
    FPopupPoint = {X, Y};
    FOnPopup(this);
}

} // namespace host
