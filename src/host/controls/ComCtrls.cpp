// Page controls and tab sheets; status bars and list views are in ComLists.cpp.
#include "host/controls/ComCtrls.h"
#include "host/rtl/HostErrors.h"

#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

} // namespace

// ---- TTabSheet ----

TClass TTabSheet::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTabSheet>("TTabSheet")
        .Prop("Left", &TTabSheet::Left, &TTabSheet::SetLeft).Stored(false)
        .Prop("Top", &TTabSheet::Top, &TTabSheet::SetTop).Stored(false)
        .Prop("Width", &TTabSheet::Width, &TTabSheet::SetWidth).Stored(false)
        .Prop("Height", &TTabSheet::Height, &TTabSheet::SetHeight).Stored(false)
        .Prop("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption).Stored(&TTabSheet::IsCaptionStored)
        .Prop("Enabled", &TTabSheet::Enabled, &TTabSheet::SetEnabled).Default(true).Stored(&TTabSheet::IsEnabledStored)
        .Prop("Font", &TTabSheet::Font, &TTabSheet::SetFont).Stored(&TTabSheet::IsFontStored)
        .Prop("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(0)
        .Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false)
        .Prop("ParentFont", &TTabSheet::ParentFont, &TTabSheet::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TTabSheet::ParentShowHint, &TTabSheet::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TTabSheet::PopupMenu, &TTabSheet::SetPopupMenu)
        .Prop("ShowHint", &TTabSheet::ShowHint, &TTabSheet::SetShowHint).Stored(&TTabSheet::IsShowHintStored)
        .Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true)
        .Prop("OnResize", &TTabSheet::OnResize, &TTabSheet::SetOnResize)
        .With(WinControlProps).With(KeyEvents)
        .Prop("BorderWidth", &TTabSheet::BorderWidth, &TTabSheet::SetBorderWidth).Default(0)
        .Prop("Padding", &TTabSheet::Padding, &TTabSheet::SetPadding)
        .Prop("ParentBackground", &TTabSheet::ParentBackground, &TTabSheet::SetParentBackground).Default(false);
    // clang-format on
    return &Info;
}

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csClickEvents, csSetCaption, csDoubleClicks};
    SetAlign(alClient);
    SetVisible(false);
}

TPageControl* TTabSheet::PageControl() const {
    return const_cast<TPageControl*>(As<TPageControl>(Parent()));
}

void TTabSheet::SetPageControl(TPageControl* Value) {
    SetParent(Value);
}

int TTabSheet::PageIndex() const {
    const TPageControl* P = PageControl();
    if (!P) return -1;
    const auto It = std::find(P->FPages.begin(), P->FPages.end(), this);
    return It == P->FPages.end() ? -1 : static_cast<int>(It - P->FPages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
    if (TPageControl* P = PageControl()) P->MovePage(this, Value);
}

void TTabSheet::SetParent(TWinControl* AParent) {
    TPageControl* Old = PageControl();
    inherited::SetParent(AParent);
    if (Old && Parent() != Old) Old->RemovePage(this);
    if (TPageControl* New = PageControl(); New && New != Old) New->InsertPage(this);
}

// ---- TPageControl ----

TClass TPageControl::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPageControl>("TPageControl")
        .Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
        .Prop("Align", &TPageControl::Align, &TPageControl::SetAlign).Default(alNone)
        .Prop("Anchors", &TPageControl::Anchors, &TPageControl::SetAnchors).Default(DefaultAnchors)
        .Prop("Enabled", &TPageControl::Enabled, &TPageControl::SetEnabled).Default(true).Stored(&TPageControl::IsEnabledStored)
        .Prop("Font", &TPageControl::Font, &TPageControl::SetFont).Stored(&TPageControl::IsFontStored)
        .Prop("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine).Default(false)
        .Prop("ParentFont", &TPageControl::ParentFont, &TPageControl::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TPageControl::ParentShowHint, &TPageControl::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TPageControl::PopupMenu, &TPageControl::SetPopupMenu)
        .Prop("ShowHint", &TPageControl::ShowHint, &TPageControl::SetShowHint).Stored(&TPageControl::IsShowHintStored)
        .Prop("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight).Default(0)
        .Prop("TabOrder", &TPageControl::TabOrder, &TPageControl::SetTabOrder).Default(-1)
        .Prop("TabStop", &TPageControl::TabStop, &TPageControl::SetTabStop).Default(true)
        .Prop("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth).Default(0)
        .Prop("Visible", &TPageControl::Visible, &TPageControl::SetVisible).Default(true).Stored(&TPageControl::IsVisibleStored)
        .Prop("OnChange", &TPageControl::OnChange, &TPageControl::SetOnChange)
        .Prop("OnChanging", &TPageControl::OnChanging, &TPageControl::SetOnChanging)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csDoubleClicks};
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TTabSheet* TPageControl::Pages(int Index) const {
    if (Index < 0 || Index >= PageCount()) RaiseListIndexError<EListError>(Index);
    return FPages[static_cast<std::size_t>(Index)];
}

void TPageControl::InsertPage(TTabSheet* Page) {
    FPages.push_back(Page);
    Page->FreeNotification(this);
    if (!FActivePage && !IsLoading() && !Page->ComponentState().Contains(csLoading))
        SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page) {
    const auto It = std::find(FPages.rbegin(), FPages.rend(), Page);
    if (It == FPages.rend()) return;
    const auto Index = static_cast<int>(std::distance(FPages.begin(), std::next(It).base()));
    FPages.erase(std::next(It).base());
    if (FActivePage != Page) return;
    FActivePage = nullptr;
    if (ComponentState().Contains(csDestroying) || FPages.empty()) return;
    SetActivePage(FPages[static_cast<std::size_t>(std::min(Index, PageCount() - 1))]);
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
    const int Current = Page->PageIndex();
    if (Current < 0) return;
    Index = std::clamp(Index, 0, PageCount() - 1);
    FPages.erase(FPages.begin() + Current);
    FPages.insert(FPages.begin() + Index, Page);
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove)
        if (auto* Page = As<TTabSheet>(AComponent)) RemovePage(Page);
}

void TPageControl::SetActivePage(TTabSheet* Value) {
    if (Value && Value->PageControl() != this) return;
    FActivePage = Value;
    if (!IsLoading()) ShowActivePage();
}

void TPageControl::Loaded() {
    inherited::Loaded();
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    for (TTabSheet* Page : FPages)
        Page->SetVisible(Page == FActivePage);
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value) {
    if (Value == -1) SetActivePage(nullptr);
    if (Value >= 0 && Value < PageCount()) SetActivePage(Pages(Value));
}

void TPageControl::Pick(int Index) {
    TTabSheet* Page = Pages(Index);
    if (Page == FActivePage) return;
    bool AllowChange = true;
    FOnChanging(this, AllowChange);
    if (!AllowChange) return;
    SetActivePage(Page);
    FOnChange(this);
}

void TPageControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TTabSheet* Page : FPages)
        if (Page->Owner() == Root) Proc(Page);
}

void TPageControl::SetChildOrder(TComponent* Child, int Order) {
    if (auto* Page = As<TTabSheet>(Child); Page && Page->PageControl() == this)
        Page->SetPageIndex(Order);
}

} // namespace host
