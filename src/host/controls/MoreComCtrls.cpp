#include "host/controls/MoreComCtrls.h"

#include "host/classes/StringList.h"
#include "host/controls/ControlProps.h"
#include "host/controls/ImgList.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

#include <cmath>

namespace host {

ZT_DEFINE_ENUM(TTabControlStyle, "tsTabs", "tsButtons", "tsFlatButtons")
ZT_DEFINE_ENUM(TTabPosition, "tpTop", "tpBottom", "tpLeft", "tpRight")
ZT_DEFINE_ENUM(TDateTimeKind, "dtkDate", "dtkTime")
ZT_DEFINE_ENUM(TDTDateFormat, "dfShort", "dfLong")
ZT_DEFINE_ENUM(TDTDateMode, "dmComboBox", "dmUpDown")
ZT_DEFINE_ENUM(TComboBoxExStyle, "csExDropDown", "csExSimple", "csExDropDownList")

namespace {
constexpr TAnchors DefaultAnchors{akLeft, akTop};
}

// ---- TTabControl ----

TClass TTabControl::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTabControl>("TTabControl")
        .Prop("Align", &TTabControl::Align, &TTabControl::SetAlign).Default(alNone)
        .Prop("Anchors", &TTabControl::Anchors, &TTabControl::SetAnchors).Default(DefaultAnchors)
        .Prop("Enabled", &TTabControl::Enabled, &TTabControl::SetEnabled).Default(true)
        .Prop("Font", &TTabControl::Font, &TTabControl::SetFont).Stored(&TTabControl::IsFontStored)
        .Prop("HotTrack", &TTabControl::HotTrack, &TTabControl::SetHotTrack).Default(false)
        .Prop("Images", &TTabControl::Images, &TTabControl::SetImages)
        .Prop("MultiLine", &TTabControl::MultiLine, &TTabControl::SetMultiLine).Default(false)
        .Prop("ParentFont", &TTabControl::ParentFont, &TTabControl::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TTabControl::ParentShowHint, &TTabControl::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TTabControl::PopupMenu, &TTabControl::SetPopupMenu)
        .Prop("RaggedRight", &TTabControl::RaggedRight, &TTabControl::SetRaggedRight).Default(false)
        .Prop("ShowHint", &TTabControl::ShowHint, &TTabControl::SetShowHint).Stored(&TTabControl::IsShowHintStored)
        .Prop("Style", &TTabControl::Style, &TTabControl::SetStyle).Default(tsTabs)
        .Prop("TabHeight", &TTabControl::TabHeight, &TTabControl::SetTabHeight).Default(0)
        .Prop("TabOrder", &TTabControl::TabOrder, &TTabControl::SetTabOrder).Default(-1)
        .Prop("TabPosition", &TTabControl::TabPosition, &TTabControl::SetTabPosition).Default(tpTop)
        .Prop("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs)
        .Prop("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex).Default(-1)
        .Prop("TabStop", &TTabControl::TabStop, &TTabControl::SetTabStop).Default(true)
        .Prop("TabWidth", &TTabControl::TabWidth, &TTabControl::SetTabWidth).Default(0)
        .Prop("Visible", &TTabControl::Visible, &TTabControl::SetVisible).Default(true)
        .Prop("OnChange", &TTabControl::OnChange, &TTabControl::SetOnChange)
        .Prop("OnChanging", &TTabControl::OnChanging, &TTabControl::SetOnChanging)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TTabControl::TTabControl(TComponent* AOwner) : TWinControl(AOwner), FTabs(new TStringList) {
    FControlStyle = {csAcceptsControls, csDoubleClicks};
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TTabControl::~TTabControl() {}

void TTabControl::SetTabs(TStrings* Value) {
    FTabs->Assign(Value);
    if (FTabIndex >= FTabs->Count() && !IsLoading()) FTabIndex = FTabs->Count() - 1;
}

void TTabControl::SetTabIndex(int Value) {
    if (!IsLoading() && (Value < -1 || Value >= FTabs->Count())) return;
    FTabIndex = Value;
}

void TTabControl::Loaded() {
    inherited::Loaded();
    if (FTabIndex >= FTabs->Count()) FTabIndex = -1;
}

void TTabControl::Pick(int Index) {
    if (Index < 0 || Index >= FTabs->Count() || Index == FTabIndex) return;
    bool Allow = true;
    FOnChanging(this, Allow);
    if (!Allow) return;
    FTabIndex = Index;
    FOnChange(this);
}

void TTabControl::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
}

void TTabControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

// ---- TDateTimePicker ----

TClass TDateTimePicker::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDateTimePicker>("TDateTimePicker")
        .Prop("Align", &TDateTimePicker::Align, &TDateTimePicker::SetAlign).Default(alNone)
        .Prop("Anchors", &TDateTimePicker::Anchors, &TDateTimePicker::SetAnchors).Default(DefaultAnchors)
        .Prop("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
        .Prop("Format", &TDateTimePicker::Format, &TDateTimePicker::SetFormat)
        .Prop("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
        .Prop("Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked).Default(true)
        .Prop("Color", &TDateTimePicker::Color, &TDateTimePicker::SetColor).Default(clWindow).Stored(&TDateTimePicker::IsColorStored)
        .Prop("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat).Default(dfShort)
        .Prop("DateMode", &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode).Default(dmComboBox)
        .Prop("Enabled", &TDateTimePicker::Enabled, &TDateTimePicker::SetEnabled).Default(true)
        .Prop("Font", &TDateTimePicker::Font, &TDateTimePicker::SetFont).Stored(&TDateTimePicker::IsFontStored)
        .Prop("Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind).Default(dtkDate)
        .Prop("MaxDate", &TDateTimePicker::MaxDate, &TDateTimePicker::SetMaxDate)
        .Prop("MinDate", &TDateTimePicker::MinDate, &TDateTimePicker::SetMinDate)
        .Prop("ParseInput", &TDateTimePicker::ParseInput, &TDateTimePicker::SetParseInput).Default(false)
        .Prop("ParentColor", &TDateTimePicker::ParentColor, &TDateTimePicker::SetParentColor).Default(false)
        .Prop("ParentFont", &TDateTimePicker::ParentFont, &TDateTimePicker::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TDateTimePicker::ParentShowHint, &TDateTimePicker::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TDateTimePicker::PopupMenu, &TDateTimePicker::SetPopupMenu)
        .Prop("ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox).Default(false)
        .Prop("ShowHint", &TDateTimePicker::ShowHint, &TDateTimePicker::SetShowHint).Stored(&TDateTimePicker::IsShowHintStored)
        .Prop("TabOrder", &TDateTimePicker::TabOrder, &TDateTimePicker::SetTabOrder).Default(-1)
        .Prop("TabStop", &TDateTimePicker::TabStop, &TDateTimePicker::SetTabStop).Default(true)
        .Prop("Visible", &TDateTimePicker::Visible, &TDateTimePicker::SetVisible).Default(true)
        .Prop("OnChange", &TDateTimePicker::OnChange, &TDateTimePicker::SetOnChange)
        .Prop("OnCloseUp", &TDateTimePicker::OnCloseUp, &TDateTimePicker::SetOnCloseUp)
        .Prop("OnDropDown", &TDateTimePicker::OnDropDown, &TDateTimePicker::SetOnDropDown)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TDateTimePicker::SetDateTime(double Value) {
    if (FDateTime == Value) return;
    FDateTime = Value;
    if (!IsLoading()) FOnChange(this);
}

double TDateTimePicker::Date() const {
    return std::trunc(FDateTime);
}

void TDateTimePicker::SetDate(double Value) {
    SetDateTime(std::trunc(Value) + (FDateTime - std::trunc(FDateTime)));
}

double TDateTimePicker::Time() const {
    return FDateTime - std::trunc(FDateTime);
}

void TDateTimePicker::SetTime(double Value) {
    SetDateTime(std::trunc(FDateTime) + (Value - std::trunc(Value)));
}

// ---- TComboExItem, TComboBoxEx ----

TClass TComboExItem::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TComboExItem>("TComboExItem")
        .Prop("Caption", &TComboExItem::Caption, &TComboExItem::SetCaption)
        .Prop("ImageIndex", &TComboExItem::ImageIndex, &TComboExItem::SetImageIndex).Default(-1)
        .Prop("Indent", &TComboExItem::Indent, &TComboExItem::SetIndent).Default(-1)
        .Prop("OverlayImageIndex", &TComboExItem::OverlayImageIndex, &TComboExItem::SetOverlayImageIndex).Default(-1)
        .Prop("SelectedImageIndex", &TComboExItem::SelectedImageIndex, &TComboExItem::SetSelectedImageIndex).Default(-1);
    // clang-format on
    return &Info;
}

void TComboExItem::SetCaption(const String& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed(false);
}

void TComboExItem::Assign(const TPersistent* Source) {
    auto* S = As<TComboExItem>(Source);
    if (!S) return inherited::Assign(Source);
    FCaption = S->FCaption;
    FImageIndex = S->FImageIndex;
    FIndent = S->FIndent;
    FOverlayImageIndex = S->FOverlayImageIndex;
    FSelectedImageIndex = S->FSelectedImageIndex;
    Changed(false);
}

TClass TComboExItems::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TComboExItems>("TComboExItems").NoCreate();
    return &Info;
}

void TComboExItems::Update(TCollectionItem*) {
    if (auto* Combo = As<TComboBoxEx>(GetOwner())) Combo->ItemsExChanged();
}

TClass TComboBoxEx::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TComboBoxEx>("TComboBoxEx")
        .Prop("Align", &TComboBoxEx::Align, &TComboBoxEx::SetAlign).Default(alNone)
        .Prop("Anchors", &TComboBoxEx::Anchors, &TComboBoxEx::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TComboBoxEx::Color, &TComboBoxEx::SetColor).Default(clWindow).Stored(&TComboBoxEx::IsColorStored)
        .Prop("DropDownCount", &TComboBoxEx::DropDownCount, &TComboBoxEx::SetDropDownCount).Default(8)
        .Prop("Enabled", &TComboBoxEx::Enabled, &TComboBoxEx::SetEnabled).Default(true)
        .Prop("Font", &TComboBoxEx::Font, &TComboBoxEx::SetFont).Stored(&TComboBoxEx::IsFontStored)
        .Prop("Images", &TComboBoxEx::Images, &TComboBoxEx::SetImages)
        .Prop("ItemIndex", &TComboBoxEx::ItemIndex, &TComboBoxEx::SetItemIndex).Default(-1)
        .Prop("ItemsEx", &TComboBoxEx::ItemsEx, &TComboBoxEx::SetItemsEx)
        .Prop("ParentColor", &TComboBoxEx::ParentColor, &TComboBoxEx::SetParentColor).Default(false)
        .Prop("ParentFont", &TComboBoxEx::ParentFont, &TComboBoxEx::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TComboBoxEx::ParentShowHint, &TComboBoxEx::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TComboBoxEx::PopupMenu, &TComboBoxEx::SetPopupMenu)
        .Prop("ShowHint", &TComboBoxEx::ShowHint, &TComboBoxEx::SetShowHint).Stored(&TComboBoxEx::IsShowHintStored)
        .Prop("Style", &TComboBoxEx::StyleEx, &TComboBoxEx::SetStyleEx).Default(csExDropDown)
        .Prop("TabOrder", &TComboBoxEx::TabOrder, &TComboBoxEx::SetTabOrder).Default(-1)
        .Prop("TabStop", &TComboBoxEx::TabStop, &TComboBoxEx::SetTabStop).Default(true)
        .Prop("Text", &TComboBoxEx::Text, &TComboBoxEx::SetText)
        .Prop("Visible", &TComboBoxEx::Visible, &TComboBoxEx::SetVisible).Default(true)
        .Prop("OnChange", &TComboBoxEx::OnChange, &TComboBoxEx::SetOnChange)
        .Prop("OnClick", &TComboBoxEx::OnClick, &TComboBoxEx::SetOnClick)
        .Prop("OnDropDown", &TComboBoxEx::OnDropDown, &TComboBoxEx::SetOnDropDown)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TComboBoxEx::TComboBoxEx(TComponent* AOwner)
    : TCustomComboBox(AOwner), FItemsEx(new TComboExItems(this)) {}

TComboBoxEx::~TComboBoxEx() {}

void TComboBoxEx::ItemsExChanged() {
    TStringList Captions;
    for (int i = 0; i < FItemsEx->Count(); ++i)
        Captions.Add(FItemsEx->Items(i)->Caption());
    Items()->Assign(&Captions);
}

void TComboBoxEx::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
}

void TComboBoxEx::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

// ---- TRichEdit ----

TClass TRichEdit::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TRichEdit>("TRichEdit")
        .Prop("Align", &TRichEdit::Align, &TRichEdit::SetAlign).Default(alNone)
        .Prop("Alignment", &TRichEdit::Alignment, &TRichEdit::SetAlignment).Default(taLeftJustify)
        .Prop("Anchors", &TRichEdit::Anchors, &TRichEdit::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TRichEdit::Color, &TRichEdit::SetColor).Default(clWindow).Stored(&TRichEdit::IsColorStored)
        .Prop("Enabled", &TRichEdit::Enabled, &TRichEdit::SetEnabled).Default(true)
        .Prop("Font", &TRichEdit::Font, &TRichEdit::SetFont).Stored(&TRichEdit::IsFontStored)
        .Prop("HideScrollBars", &TRichEdit::HideScrollBars, &TRichEdit::SetHideScrollBars).Default(true)
        .Prop("HideSelection", &TRichEdit::HideSelection, &TRichEdit::SetHideSelection).Default(true)
        .Prop("Lines", &TRichEdit::Lines, &TRichEdit::SetLines)
        .Prop("MaxLength", &TRichEdit::MaxLength, &TRichEdit::SetMaxLength).Default(0)
        .Prop("ParentColor", &TRichEdit::ParentColor, &TRichEdit::SetParentColor).Default(false)
        .Prop("ParentFont", &TRichEdit::ParentFont, &TRichEdit::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TRichEdit::ParentShowHint, &TRichEdit::SetParentShowHint).Default(true)
        .Prop("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText).Default(false)
        .Prop("PopupMenu", &TRichEdit::PopupMenu, &TRichEdit::SetPopupMenu)
        .Prop("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly).Default(false)
        .Prop("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars).Default(ssNone)
        .Prop("ShowHint", &TRichEdit::ShowHint, &TRichEdit::SetShowHint).Stored(&TRichEdit::IsShowHintStored)
        .Prop("TabOrder", &TRichEdit::TabOrder, &TRichEdit::SetTabOrder).Default(-1)
        .Prop("TabStop", &TRichEdit::TabStop, &TRichEdit::SetTabStop).Default(true)
        .Prop("Visible", &TRichEdit::Visible, &TRichEdit::SetVisible).Default(true)
        .Prop("WantReturns", &TRichEdit::WantReturns, &TRichEdit::SetWantReturns).Default(true)
        .Prop("WantTabs", &TRichEdit::WantTabs, &TRichEdit::SetWantTabs).Default(false)
        .Prop("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap).Default(true)
        .Prop("Zoom", &TRichEdit::Zoom, &TRichEdit::SetZoom).Default(100)
        .Prop("OnChange", &TRichEdit::OnChange, &TRichEdit::SetOnChange)
        .Prop("OnClick", &TRichEdit::OnClick, &TRichEdit::SetOnClick)
        .Prop("OnDblClick", &TRichEdit::OnDblClick, &TRichEdit::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

} // namespace host
