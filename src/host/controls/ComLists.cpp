// Status bars and list views of ComCtrls.h, with the collections they stream.
#include "host/controls/ComCtrls.h"

#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TStatusPanelBevel, "pbNone", "pbLowered", "pbRaised")
ZT_DEFINE_ENUM(TStatusPanelStyle, "psText", "psOwnerDraw")
ZT_DEFINE_ENUM(TViewStyle, "vsIcon", "vsSmallIcon", "vsList", "vsReport")

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

// Sets a field of a collection item and tells the collection when it changed.
template <class T, class V> bool Change(T& Field, const V& Value) {
    if (Field == Value) return false;
    Field = Value;
    return true;
}

} // namespace

// ---- TStatusPanel ----

TClass TStatusPanel::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TStatusPanel>("TStatusPanel")
        .Prop("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify)
        .Prop("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered)
        .Prop("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText)
        .Prop("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
        .Prop("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
    // clang-format on
    return &Info;
}

void TStatusPanel::SetAlignment(TAlignment Value) {
    if (Change(FAlignment, Value)) Changed(false);
}
void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
    if (Change(FBevel, Value)) Changed(false);
}
void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
    if (Change(FStyle, Value)) Changed(false);
}
void TStatusPanel::SetText(const String& Value) {
    if (Change(FText, Value)) Changed(false);
}
void TStatusPanel::SetWidth(int Value) {
    if (Change(FWidth, Value)) Changed(true);
}

String TStatusPanel::DisplayName() const {
    return FText.empty() ? inherited::DisplayName() : FText;
}

void TStatusPanel::Assign(const TPersistent* Source) {
    const auto* Other = As<TStatusPanel>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    SetAlignment(Other->FAlignment);
    SetBevel(Other->FBevel);
    SetStyle(Other->FStyle);
    SetText(Other->FText);
    SetWidth(Other->FWidth);
}

TClass TStatusPanels::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TStatusPanels>("TStatusPanels").NoCreate();
    return &Info;
}

// ---- TStatusBar ----

TClass TStatusBar::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TStatusBar>("TStatusBar")
        .Prop("Align", &TStatusBar::Align, &TStatusBar::SetAlign).Default(alBottom)
        .Prop("Anchors", &TStatusBar::Anchors, &TStatusBar::SetAnchors).Default(DefaultAnchors)
        .Prop("Font", &TStatusBar::Font, &TStatusBar::SetFont).Stored(&TStatusBar::IsFontStored)
        .Prop("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels)
        .Prop("ParentFont", &TStatusBar::ParentFont, &TStatusBar::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TStatusBar::ParentShowHint, &TStatusBar::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TStatusBar::PopupMenu, &TStatusBar::SetPopupMenu)
        .Prop("ShowHint", &TStatusBar::ShowHint, &TStatusBar::SetShowHint).Stored(&TStatusBar::IsShowHintStored)
        .Prop("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false)
        .Prop("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
        .Prop("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true)
        .Prop("Visible", &TStatusBar::Visible, &TStatusBar::SetVisible).Default(true).Stored(&TStatusBar::IsVisibleStored)
        .Prop("OnClick", &TStatusBar::OnClick, &TStatusBar::SetOnClick).Stored(&TStatusBar::IsOnClickStored)
        .Prop("OnDblClick", &TStatusBar::OnDblClick, &TStatusBar::SetOnDblClick)
        .Prop("OnResize", &TStatusBar::OnResize, &TStatusBar::SetOnResize)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner), FPanels(new TStatusPanels(this)) {
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetBounds(0, 0, 185, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {}

// ---- TListColumn ----

TClass TListColumn::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TListColumn>("TListColumn")
        .Prop("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment).Default(taLeftJustify)
        .Prop("AutoSize", &TListColumn::AutoSize, &TListColumn::SetAutoSize).Default(false)
        .Prop("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
        .Prop("MaxWidth", &TListColumn::MaxWidth, &TListColumn::SetMaxWidth).Default(0)
        .Prop("MinWidth", &TListColumn::MinWidth, &TListColumn::SetMinWidth).Default(0)
        .Prop("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
    // clang-format on
    return &Info;
}

void TListColumn::SetAlignment(TAlignment Value) {
    if (Change(FAlignment, Value)) Changed(false);
}
void TListColumn::SetAutoSize(bool Value) {
    if (Change(FAutoSize, Value)) Changed(false);
}
void TListColumn::SetCaption(const String& Value) {
    if (Change(FCaption, Value)) Changed(false);
}
void TListColumn::SetMaxWidth(int Value) {
    if (!Change(FMaxWidth, std::max(0, Value))) return;
    SetWidth(FWidth);
    Changed(false);
}
void TListColumn::SetMinWidth(int Value) {
    if (!Change(FMinWidth, std::max(0, Value))) return;
    SetWidth(FWidth);
    Changed(false);
}
void TListColumn::SetWidth(int Value) {
    if (FMaxWidth > 0) Value = std::min(Value, FMaxWidth);
    if (FMinWidth > 0) Value = std::max(Value, FMinWidth);
    if (Change(FWidth, Value)) Changed(false);
}

String TListColumn::DisplayName() const {
    return FCaption.empty() ? inherited::DisplayName() : FCaption;
}

void TListColumn::Assign(const TPersistent* Source) {
    const auto* Other = As<TListColumn>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FMinWidth = 0;
    FMaxWidth = 0;
    SetAlignment(Other->FAlignment);
    SetAutoSize(Other->FAutoSize);
    SetCaption(Other->FCaption);
    SetWidth(Other->FWidth);
    SetMaxWidth(Other->FMaxWidth);
    SetMinWidth(Other->FMinWidth);
}

TClass TListColumns::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TListColumns>("TListColumns").NoCreate();
    return &Info;
}

// ---- TListView ----

TClass TListView::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TListView>("TListView")
        .Prop("Align", &TListView::Align, &TListView::SetAlign).Default(alNone)
        .Prop("Anchors", &TListView::Anchors, &TListView::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TListView::Color, &TListView::SetColor).Default(clWindow).Stored(&TListView::IsColorStored)
        .Prop("ColumnClick", &TListView::ColumnClick, &TListView::SetColumnClick).Default(true)
        .Prop("Columns", &TListView::Columns, &TListView::SetColumns)
        .Prop("Enabled", &TListView::Enabled, &TListView::SetEnabled).Default(true).Stored(&TListView::IsEnabledStored)
        .Prop("Font", &TListView::Font, &TListView::SetFont).Stored(&TListView::IsFontStored)
        .Prop("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection).Default(true)
        .Prop("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect).Default(false)
        .Prop("ParentColor", &TListView::ParentColor, &TListView::SetParentColor).Default(false)
        .Prop("ParentFont", &TListView::ParentFont, &TListView::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TListView::ParentShowHint, &TListView::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TListView::PopupMenu, &TListView::SetPopupMenu)
        .Prop("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly).Default(false)
        .Prop("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect).Default(false)
        .Prop("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders).Default(true)
        .Prop("ShowHint", &TListView::ShowHint, &TListView::SetShowHint).Stored(&TListView::IsShowHintStored)
        .Prop("TabOrder", &TListView::TabOrder, &TListView::SetTabOrder).Default(-1)
        .Prop("TabStop", &TListView::TabStop, &TListView::SetTabStop).Default(true)
        .Prop("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle).Default(vsIcon)
        .Prop("Visible", &TListView::Visible, &TListView::SetVisible).Default(true).Stored(&TListView::IsVisibleStored)
        .Prop("OnClick", &TListView::OnClick, &TListView::SetOnClick).Stored(&TListView::IsOnClickStored)
        .Prop("OnDblClick", &TListView::OnDblClick, &TListView::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents)
        .Prop("BorderStyle", &TListView::BorderStyle, &TListView::SetBorderStyle).Default(bsSingle)
        .Prop("OnChanging", &TListView::OnChanging, &TListView::SetOnChanging);
    // clang-format on
    return &Info;
}

TListView::TListView(TComponent* AOwner) : TWinControl(AOwner), FColumns(new TListColumns(this)) {
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetParentColor(false);
}

TListView::~TListView() {}

} // namespace host
