#include "host/controls/ToolBars.h"

#include "host/controls/ControlProps.h"
#include "host/controls/ImgList.h"
#include "host/controls/Menus.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/HostErrors.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TEdgeBorder, "ebLeft", "ebTop", "ebRight", "ebBottom")
ZT_DEFINE_SET(TEdgeBorders)
ZT_DEFINE_ENUM(TEdgeStyle, "esNone", "esRaised", "esLowered")
ZT_DEFINE_ENUM(TToolButtonStyle, "tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator",
               "tbsDivider", "tbsTextButton")

namespace {
constexpr TAnchors DefaultAnchors{akLeft, akTop};
}

// ---- TToolBar ----

TClass TToolBar::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TToolBar>("TToolBar")
        .Prop("Align", &TToolBar::Align, &TToolBar::SetAlign).Default(alTop)
        .Prop("Anchors", &TToolBar::Anchors, &TToolBar::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSize", &TToolBar::AutoSize, &TToolBar::SetAutoSize).Default(false)
        .Prop("BorderWidth", &TToolBar::BorderWidth, &TToolBar::SetBorderWidth).Default(0)
        .Prop("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22)
        .Prop("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23)
        .Prop("Caption", &TToolBar::Caption, &TToolBar::SetCaption).Stored(&TToolBar::IsCaptionStored)
        .Prop("Color", &TToolBar::Color, &TToolBar::SetColor).Stored(&TToolBar::IsColorStored)
        .Prop("DisabledImages", &TToolBar::DisabledImages, &TToolBar::SetDisabledImages)
        .Prop("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders).Default(TEdgeBorders{ebTop})
        .Prop("EdgeInner", &TToolBar::EdgeInner, &TToolBar::SetEdgeInner).Default(esRaised)
        .Prop("EdgeOuter", &TToolBar::EdgeOuter, &TToolBar::SetEdgeOuter).Default(esLowered)
        .Prop("Enabled", &TToolBar::Enabled, &TToolBar::SetEnabled).Default(true)
        .Prop("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(true)
        .Prop("Font", &TToolBar::Font, &TToolBar::SetFont).Stored(&TToolBar::IsFontStored)
        .Prop("HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages)
        .Prop("Images", &TToolBar::Images, &TToolBar::SetImages)
        .Prop("Indent", &TToolBar::Indent, &TToolBar::SetIndent).Default(0)
        .Prop("List", &TToolBar::List, &TToolBar::SetList).Default(false)
        .Prop("ParentColor", &TToolBar::ParentColor, &TToolBar::SetParentColor).Default(false)
        .Prop("ParentFont", &TToolBar::ParentFont, &TToolBar::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TToolBar::ParentShowHint, &TToolBar::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TToolBar::PopupMenu, &TToolBar::SetPopupMenu)
        .Prop("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(false)
        .Prop("ShowHint", &TToolBar::ShowHint, &TToolBar::SetShowHint).Stored(&TToolBar::IsShowHintStored)
        .Prop("TabOrder", &TToolBar::TabOrder, &TToolBar::SetTabOrder).Default(-1)
        .Prop("TabStop", &TToolBar::TabStop, &TToolBar::SetTabStop).Default(false)
        .Prop("Transparent", &TToolBar::Transparent, &TToolBar::SetTransparent).Default(false)
        .Prop("Visible", &TToolBar::Visible, &TToolBar::SetVisible).Default(true)
        .Prop("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(true)
        .Prop("OnClick", &TToolBar::OnClick, &TToolBar::SetOnClick)
        .Prop("OnDblClick", &TToolBar::OnDblClick, &TToolBar::SetOnDblClick)
        .Prop("OnResize", &TToolBar::OnResize, &TToolBar::SetOnResize)
        .With(WinControlProps).With(KeyEvents)
        .Prop("Padding", &TToolBar::Padding, &TToolBar::SetPadding)
        .Prop("ParentBackground", &TToolBar::ParentBackground, &TToolBar::SetParentBackground).Default(true);
    // clang-format on
    return &Info;
}

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csDoubleClicks,    csMenuEvents,   csSetCaption};
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
    SetParentColor(false);
    SetParentBackground(true);
}

void TToolBar::SetImageList(TCustomImageList*& Field, TCustomImageList* Value) {
    if (Field == Value) return;
    if (Field) Field->RemoveFreeNotification(this);
    Field = Value;
    if (Value) Value->FreeNotification(this);
}

int TToolBar::ButtonCount() const {
    int Count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        Count += Is<TToolButton>(Controls(i));
    return Count;
}

TToolButton* TToolBar::Buttons(int Index) const {
    for (int i = 0, Seen = 0; i < ControlCount(); ++i)
        if (auto* B = As<TToolButton>(Controls(i)); B && Seen++ == Index) return B;
    RaiseListIndexError<EListError>(Index);
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    if (AComponent == FDisabledImages) FDisabledImages = nullptr;
    if (AComponent == FHotImages) FHotImages = nullptr;
}

// ---- TToolButton ----

TClass TToolButton::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TToolButton>("TToolButton")
        .Prop("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(false)
        .Prop("AutoSize", &TToolButton::AutoSize, &TToolButton::SetAutoSize).Default(false)
        .Prop("Caption", &TToolButton::Caption, &TToolButton::SetCaption).Stored(&TToolButton::IsCaptionStored)
        .Prop("Down", &TToolButton::Down, &TToolButton::SetDown).Default(false).Stored(&TToolButton::IsCheckedStored)
        .Prop("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu)
        .Prop("Enabled", &TToolButton::Enabled, &TToolButton::SetEnabled).Default(true).Stored(&TToolButton::IsEnabledStored)
        .Prop("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false)
        .Prop("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1).Stored(&TToolButton::IsImageIndexStored)
        .Prop("ImageName", &TToolButton::ImageName, &TToolButton::SetImageName)
        .Prop("Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate).Default(false)
        .Prop("Marked", &TToolButton::Marked, &TToolButton::SetMarked).Default(false)
        .Prop("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem)
        .Prop("ParentShowHint", &TToolButton::ParentShowHint, &TToolButton::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TToolButton::PopupMenu, &TToolButton::SetPopupMenu)
        .Prop("ShowHint", &TToolButton::ShowHint, &TToolButton::SetShowHint).Stored(&TToolButton::IsShowHintStored)
        .Prop("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton)
        .Prop("Visible", &TToolButton::Visible, &TToolButton::SetVisible).Default(true).Stored(&TToolButton::IsVisibleStored)
        .Prop("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap).Default(false)
        .Prop("OnClick", &TToolButton::OnClick, &TToolButton::SetOnClick).Stored(&TToolButton::IsOnClickStored)
        .With(ControlProps).With(MouseEvents).With(DragEvents);
    // clang-format on
    return &Info;
}

TToolButton::TToolButton(TComponent* AOwner) : TControl(AOwner) {
    FControlStyle = {csCaptureMouse, csSetCaption, csClickEvents};
    SetBounds(0, 0, 23, 22);
}

void TToolButton::SetDown(bool Value) {
    if (FDown == Value) return;
    FDown = Value;
    if (!Value || !FGrouped || !Parent()) return;
    // Other checked buttons of the same run of grouped buttons go up.
    const int Self = [&] {
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (Parent()->Controls(i) == this) return i;
        return -1;
    }();
    auto Raise = [&](int i) {
        auto* B = As<TToolButton>(Parent()->Controls(i));
        if (!B || !B->FGrouped || B->FStyle != tbsCheck) return false;
        B->FDown = false;
        return true;
    };
    for (int i = Self - 1; i >= 0 && Raise(i); --i) {
    }
    for (int i = Self + 1; i < Parent()->ControlCount() && Raise(i); ++i) {
    }
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value) {
    if (FDropdownMenu == Value) return;
    if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
    FDropdownMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TToolButton::SetMenuItem(TMenuItem* Value) {
    if (FMenuItem == Value) return;
    if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
    FMenuItem = Value;
    if (Value) {
        Value->FreeNotification(this);
        if (!IsLoading()) {
            SetCaption(Value->Caption());
            SetHint(Value->Hint());
            SetImageIndex(Value->ImageIndex());
            SetEnabled(Value->Enabled());
        }
    }
}

bool TToolButton::IsImageIndexStored() const {
    auto* A = As<TCustomAction>(Action());
    return !A || FImageIndex != A->ImageIndex();
}

bool TToolButton::IsCheckedStored() const {
    auto* A = As<TCustomAction>(Action());
    return !A || FDown != A->Checked();
}

void TToolButton::Click() {
    if (Enabled() && FStyle == tbsCheck) {
        if (!FDown)
            SetDown(true);
        else if (!FGrouped || FAllowAllUp)
            SetDown(false);
    }
    inherited::Click();
}

void TToolButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    inherited::ActionChange(Sender, CheckDefaults);
    if (auto* A = As<TCustomAction>(Sender)) {
        if (!CheckDefaults || !FDown) SetDown(A->Checked());
        if (!CheckDefaults || FImageIndex == -1) SetImageIndex(A->ImageIndex());
    }
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FDropdownMenu) FDropdownMenu = nullptr;
    if (AComponent == FMenuItem) FMenuItem = nullptr;
}

} // namespace host
