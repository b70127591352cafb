#include "host/controls/MoreStdCtrls.h"

#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/HostErrors.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TScrollCode, "scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition",
               "scTrack", "scTop", "scBottom", "scEndScroll")

namespace {
constexpr TAnchors DefaultAnchors{akLeft, akTop};
}

// ---- TScrollBar ----

TClass TScrollBar::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TScrollBar>("TScrollBar")
        .Prop("Align", &TScrollBar::Align, &TScrollBar::SetAlign).Default(alNone)
        .Prop("Anchors", &TScrollBar::Anchors, &TScrollBar::SetAnchors).Default(DefaultAnchors)
        .Prop("Enabled", &TScrollBar::Enabled, &TScrollBar::SetEnabled).Default(true)
        .Prop("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal)
        .Prop("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1)
        .Prop("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100)
        .Prop("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0)
        .Prop("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
        .Prop("ParentShowHint", &TScrollBar::ParentShowHint, &TScrollBar::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TScrollBar::PopupMenu, &TScrollBar::SetPopupMenu)
        .Prop("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0)
        .Prop("ShowHint", &TScrollBar::ShowHint, &TScrollBar::SetShowHint).Stored(&TScrollBar::IsShowHintStored)
        .Prop("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1)
        .Prop("TabOrder", &TScrollBar::TabOrder, &TScrollBar::SetTabOrder).Default(-1)
        .Prop("TabStop", &TScrollBar::TabStop, &TScrollBar::SetTabStop).Default(true)
        .Prop("Visible", &TScrollBar::Visible, &TScrollBar::SetVisible).Default(true)
        .Prop("OnChange", &TScrollBar::OnChange, &TScrollBar::SetOnChange)
        .Prop("OnScroll", &TScrollBar::OnScroll, &TScrollBar::SetOnScroll)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 17);
    SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
    if (FKind == Value) return;
    FKind = Value;
    if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetPosition(int Value) {
    if (!IsLoading()) {
        const int Top = std::max(FMin, FMax - std::max(FPageSize - 1, 0));
        Value = std::clamp(Value, FMin, Top);
    }
    if (FPosition == Value) return;
    FPosition = Value;
    if (!IsLoading()) FOnChange(this);
}

void TScrollBar::Scroll(TScrollCode Code) {
    int Next = FPosition;
    switch (Code) {
    case scLineUp:
        Next -= FSmallChange;
        break;
    case scLineDown:
        Next += FSmallChange;
        break;
    case scPageUp:
        Next -= FLargeChange;
        break;
    case scPageDown:
        Next += FLargeChange;
        break;
    case scTop:
        Next = FMin;
        break;
    case scBottom:
        Next = FMax;
        break;
    default:
        break;
    }
    FOnScroll(this, Code, Next);
    SetPosition(Next);
}

// ---- TCheckListBox ----

TClass TCheckListBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TCheckListBox>("TCheckListBox")
        .Prop("AllowGrayed", &TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed).Default(false)
        .Prop("Align", &TCheckListBox::Align, &TCheckListBox::SetAlign).Default(alNone)
        .Prop("Anchors", &TCheckListBox::Anchors, &TCheckListBox::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TCheckListBox::Color, &TCheckListBox::SetColor).Default(clWindow).Stored(&TCheckListBox::IsColorStored)
        .Prop("Columns", &TCheckListBox::Columns, &TCheckListBox::SetColumns).Default(0)
        .Prop("Enabled", &TCheckListBox::Enabled, &TCheckListBox::SetEnabled).Default(true)
        .Prop("Flat", &TCheckListBox::Flat, &TCheckListBox::SetFlat).Default(true)
        .Prop("Font", &TCheckListBox::Font, &TCheckListBox::SetFont).Stored(&TCheckListBox::IsFontStored)
        .Prop("IntegralHeight", &TCheckListBox::IntegralHeight, &TCheckListBox::SetIntegralHeight).Default(false)
        .Prop("ItemHeight", &TCheckListBox::ItemHeight, &TCheckListBox::SetItemHeight).Default(16)
        .Prop("Items", &TCheckListBox::Items, &TCheckListBox::SetItems)
        .Prop("ParentColor", &TCheckListBox::ParentColor, &TCheckListBox::SetParentColor).Default(false)
        .Prop("ParentFont", &TCheckListBox::ParentFont, &TCheckListBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TCheckListBox::ParentShowHint, &TCheckListBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TCheckListBox::PopupMenu, &TCheckListBox::SetPopupMenu)
        .Prop("ShowHint", &TCheckListBox::ShowHint, &TCheckListBox::SetShowHint).Stored(&TCheckListBox::IsShowHintStored)
        .Prop("Sorted", &TCheckListBox::Sorted, &TCheckListBox::SetSorted).Default(false)
        .Prop("Style", &TCheckListBox::Style, &TCheckListBox::SetStyle).Default(lbStandard)
        .Prop("TabOrder", &TCheckListBox::TabOrder, &TCheckListBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TCheckListBox::TabStop, &TCheckListBox::SetTabStop).Default(true)
        .Prop("TabWidth", &TCheckListBox::TabWidth, &TCheckListBox::SetTabWidth).Default(0)
        .Prop("Visible", &TCheckListBox::Visible, &TCheckListBox::SetVisible).Default(true)
        .Prop("OnClick", &TCheckListBox::OnClick, &TCheckListBox::SetOnClick)
        .Prop("OnClickCheck", &TCheckListBox::OnClickCheck, &TCheckListBox::SetOnClickCheck)
        .Prop("OnDblClick", &TCheckListBox::OnDblClick, &TCheckListBox::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TCheckBoxState TCheckListBox::State(int Index) const {
    if (Index < 0 || Index >= Items()->Count()) RaiseListIndexError<EListError>(Index);
    return static_cast<std::size_t>(Index) < FStates.size()
               ? FStates[static_cast<std::size_t>(Index)]
               : cbUnchecked;
}

void TCheckListBox::SetState(int Index, TCheckBoxState Value) {
    (void)State(Index);
    if (FStates.size() <= static_cast<std::size_t>(Index))
        FStates.resize(static_cast<std::size_t>(Index) + 1, cbUnchecked);
    FStates[static_cast<std::size_t>(Index)] = Value;
}

void TCheckListBox::ToggleCheck(int Index) {
    switch (State(Index)) {
    case cbUnchecked:
        SetState(Index, FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbGrayed:
        SetState(Index, cbChecked);
        break;
    case cbChecked:
        SetState(Index, cbUnchecked);
        break;
    }
    FOnClickCheck(this);
}

} // namespace host
