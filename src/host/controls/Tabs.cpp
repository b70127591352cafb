#include "host/controls/Tabs.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/StringList.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TTabStyle, "tsStandard", "tsOwnerDraw")

TClass TTabSet::StaticClass() {
    constexpr TAnchors DefaultAnchors{akLeft, akTop};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTabSet>("TTabSet")
        .Prop("Align", &TTabSet::Align, &TTabSet::SetAlign).Default(alNone)
        .Prop("Anchors", &TTabSet::Anchors, &TTabSet::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoScroll", &TTabSet::AutoScroll, &TTabSet::SetAutoScroll).Default(true)
        .Prop("BackgroundColor", &TTabSet::BackgroundColor, &TTabSet::SetBackgroundColor).Default(clBtnFace)
        .Prop("DitherBackground", &TTabSet::DitherBackground, &TTabSet::SetDitherBackground).Default(true)
        .Prop("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin).Default(5)
        .Prop("Font", &TTabSet::Font, &TTabSet::SetFont).Stored(&TTabSet::IsFontStored)
        .Prop("ParentFont", &TTabSet::ParentFont, &TTabSet::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TTabSet::ParentShowHint, &TTabSet::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TTabSet::PopupMenu, &TTabSet::SetPopupMenu)
        .Prop("SelectedColor", &TTabSet::SelectedColor, &TTabSet::SetSelectedColor).Default(clBtnFace)
        .Prop("ShowHint", &TTabSet::ShowHint, &TTabSet::SetShowHint).Stored(&TTabSet::IsShowHintStored)
        .Prop("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin).Default(5)
        .Prop("Style", &TTabSet::Style, &TTabSet::SetStyle).Default(tsStandard)
        .Prop("TabHeight", &TTabSet::TabHeight, &TTabSet::SetTabHeight).Default(20)
        .Prop("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs)
        .Prop("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex).Default(-1)
        .Prop("UnselectedColor", &TTabSet::UnselectedColor, &TTabSet::SetUnselectedColor).Default(clWindow)
        .Prop("Visible", &TTabSet::Visible, &TTabSet::SetVisible).Default(true).Stored(&TTabSet::IsVisibleStored)
        .Prop("OnChange", &TTabSet::OnChange, &TTabSet::SetOnChange)
        .Prop("OnClick", &TTabSet::OnClick, &TTabSet::SetOnClick).Stored(&TTabSet::IsOnClickStored)
        .With(ControlProps).With(MouseEvents).With(DragEvents);
    // clang-format on
    return &Info;
}

TTabSet::TTabSet(TComponent* AOwner) : TWinControl(AOwner), FTabs(new TStringList) {
    FTabs->SetOnChange(TNotifyEvent(this, &TTabSet::TabsChanged));
    FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 185, 21);
}

TTabSet::~TTabSet() {
    FTabs->SetOnChange(TNotifyEvent());
}

TStrings* TTabSet::Tabs() const {
    return FTabs.get();
}

void TTabSet::SetTabs(TStrings* Value) {
    FTabs->Assign(Value);
}

bool TTabSet::CanChange(int NewIndex) {
    bool AllowChange = true;
    FOnChange(this, NewIndex, AllowChange);
    return AllowChange;
}

void TTabSet::SetTabIndex(int Value) {
    if (IsLoading()) {
        FTabIndex = Value;
        return;
    }
    if (Value == FTabIndex) return;
    if (Value < -1 || Value >= FTabs->Count()) RaiseTabIndexError();
    if (!CanChange(Value)) return;
    FTabIndex = Value;
    Click();
}

void TTabSet::TabsChanged(TObject*) {
    if (!IsLoading() && FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
}

void TTabSet::Loaded() {
    inherited::Loaded();
    FTabIndex = std::clamp(FTabIndex, -1, FTabs->Count() - 1);
}

} // namespace host
