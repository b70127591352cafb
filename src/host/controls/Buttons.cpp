#include "host/controls/Buttons.h"

#include "host/controls/ControlProps.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/rtl/ResStringHost.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
               "bkAbort", "bkRetry", "bkIgnore", "bkAll")
ZT_DEFINE_ENUM(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")
ZT_DEFINE_ENUM(TButtonStyle, "bsAutoDetect", "bsWin31", "bsNew")

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

struct TKindEntry {
    PResStringRec Caption;
    TModalResult Result;
};

TKindEntry KindEntry(TBitBtnKind Kind) {
    switch (Kind) {
    case bkOK:
        return {&SOKButton, mrOk};
    case bkCancel:
        return {&SCancelButton, mrCancel};
    case bkHelp:
        return {&SHelpButton, mrNone};
    case bkYes:
        return {&SYesButton, mrYes};
    case bkNo:
        return {&SNoButton, mrNo};
    case bkClose:
        return {&SCloseButton, mrNone};
    case bkAbort:
        return {&SAbortButton, mrAbort};
    case bkRetry:
        return {&SRetryButton, mrRetry};
    case bkIgnore:
        return {&SIgnoreButton, mrIgnore};
    case bkAll:
        return {&SAllButton, mrAll};
    default:
        return {nullptr, mrNone};
    }
}

} // namespace

String BitBtnCaption(TBitBtnKind Kind) {
    TKindEntry E = KindEntry(Kind);
    return E.Caption ? LoadResString(E.Caption) : String();
}

// ---- TBitBtn ----

TClass TBitBtn::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBitBtn>("TBitBtn")
        .Prop("Align", &TBitBtn::Align, &TBitBtn::SetAlign).Default(alNone)
        .Prop("Anchors", &TBitBtn::Anchors, &TBitBtn::SetAnchors).Default(DefaultAnchors)
        .Prop("Cancel", &TBitBtn::Cancel, &TBitBtn::SetCancel).Default(false).Stored(&TBitBtn::IsCustom)
        .Prop("Caption", &TBitBtn::Caption, &TBitBtn::SetCaption).Stored(&TBitBtn::IsCustomCaption)
        .Prop("Default", &TBitBtn::Default, &TBitBtn::SetDefault).Default(false).Stored(&TBitBtn::IsCustom)
        .Prop("Enabled", &TBitBtn::Enabled, &TBitBtn::SetEnabled).Default(true).Stored(&TBitBtn::IsEnabledStored)
        .Prop("Font", &TBitBtn::Font, &TBitBtn::SetFont).Stored(&TBitBtn::IsFontStored)
        .Prop("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph).Stored(&TBitBtn::IsCustom)
        .Prop("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom)
        .Prop("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft)
        .Prop("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1)
        .Prop("ModalResult", &TBitBtn::ModalResult, &TBitBtn::SetModalResult).Default(mrNone).Stored(&TBitBtn::IsCustom)
        .Prop("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1)
        .Prop("ParentFont", &TBitBtn::ParentFont, &TBitBtn::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TBitBtn::ParentShowHint, &TBitBtn::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TBitBtn::PopupMenu, &TBitBtn::SetPopupMenu)
        .Prop("ShowHint", &TBitBtn::ShowHint, &TBitBtn::SetShowHint).Stored(&TBitBtn::IsShowHintStored)
        .Prop("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4)
        .Prop("Style", &TBitBtn::Style, &TBitBtn::SetStyle).Default(bsAutoDetect)
        .Prop("TabOrder", &TBitBtn::TabOrder, &TBitBtn::SetTabOrder).Default(-1)
        .Prop("TabStop", &TBitBtn::TabStop, &TBitBtn::SetTabStop).Default(true)
        .Prop("Visible", &TBitBtn::Visible, &TBitBtn::SetVisible).Default(true).Stored(&TBitBtn::IsVisibleStored)
        .Prop("WordWrap", &TBitBtn::WordWrap, &TBitBtn::SetWordWrap).Default(false)
        .Prop("OnClick", &TBitBtn::OnClick, &TBitBtn::SetOnClick).Stored(&TBitBtn::IsOnClickStored)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner), FGlyph(new TBitmap) {}

TBitBtn::~TBitBtn() {}

void TBitBtn::SetKind(TBitBtnKind Value) {
    if (FKind == Value) return;
    if (Value != bkCustom) {
        SetDefault(Value == bkOK || Value == bkYes);
        SetCancel(Value == bkCancel || Value == bkNo);
        if (!IsLoading() || Caption().empty()) SetCaption(BitBtnCaption(Value));
        SetModalResult(KindEntry(Value).Result);
        FGlyph->Assign(nullptr);
    }
    FKind = Value;
}

bool TBitBtn::IsCustomCaption() const {
    if (!IsCaptionStored()) return false;
    return FKind == bkCustom || Caption() != BitBtnCaption(FKind);
}

void TBitBtn::SetNumGlyphs(TNumGlyphs Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
}

void TBitBtn::Click() {
    if (FKind == bkClose) {
        if (TCustomForm* Form = GetParentForm(this)) {
            Form->Close();
            return;
        }
    }
    inherited::Click();
}

// ---- TSpeedButton ----

TClass TSpeedButton::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TSpeedButton>("TSpeedButton")
        .Prop("Align", &TSpeedButton::Align, &TSpeedButton::SetAlign).Default(alNone)
        .Prop("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false)
        .Prop("Anchors", &TSpeedButton::Anchors, &TSpeedButton::SetAnchors).Default(DefaultAnchors)
        .Prop("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0)
        .Prop("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false)
        .Prop("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption).Stored(&TSpeedButton::IsCaptionStored)
        .Prop("Enabled", &TSpeedButton::Enabled, &TSpeedButton::SetEnabled).Default(true).Stored(&TSpeedButton::IsEnabledStored)
        .Prop("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false)
        .Prop("Font", &TSpeedButton::Font, &TSpeedButton::SetFont).Stored(&TSpeedButton::IsFontStored)
        .Prop("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph)
        .Prop("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft)
        .Prop("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1)
        .Prop("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1)
        .Prop("ParentFont", &TSpeedButton::ParentFont, &TSpeedButton::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TSpeedButton::ParentShowHint, &TSpeedButton::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TSpeedButton::PopupMenu, &TSpeedButton::SetPopupMenu)
        .Prop("ShowHint", &TSpeedButton::ShowHint, &TSpeedButton::SetShowHint).Stored(&TSpeedButton::IsShowHintStored)
        .Prop("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4)
        .Prop("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(true)
        .Prop("Visible", &TSpeedButton::Visible, &TSpeedButton::SetVisible).Default(true).Stored(&TSpeedButton::IsVisibleStored)
        .Prop("OnClick", &TSpeedButton::OnClick, &TSpeedButton::SetOnClick).Stored(&TSpeedButton::IsOnClickStored)
        .Prop("OnDblClick", &TSpeedButton::OnDblClick, &TSpeedButton::SetOnDblClick)
        .With(ControlProps).With(MouseEvents);
    // clang-format on
    return &Info;
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TControl(AOwner), FGlyph(new TBitmap) {
    FControlStyle = {csCaptureMouse, csDoubleClicks, csSetCaption};
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() {}

void TSpeedButton::SetAllowAllUp(bool Value) {
    FAllowAllUp = Value;
}

void TSpeedButton::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    if (FDown == Value) return;
    // The last button of a group stays down unless all may be up.
    if (FDown && !FAllowAllUp && !IsLoading()) return;
    FDown = Value;
    if (!Value || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* Other = As<TSpeedButton>(Parent()->Controls(i));
            Other && Other != this && Other->FGroupIndex == FGroupIndex && Other->FDown) {
            Other->FDown = false;
        }
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
}

void TSpeedButton::Click() {
    if (Enabled() && FGroupIndex != 0) {
        if (!FDown)
            SetDown(true);
        else if (FAllowAllUp)
            FDown = false;
    }
    inherited::Click();
}

void TSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    inherited::ActionChange(Sender, CheckDefaults);
    if (auto* A = As<TCustomAction>(Sender)) {
        if (!CheckDefaults || FGroupIndex == 0) SetGroupIndex(A->GroupIndex());
        if (!CheckDefaults || !FDown) {
            if (A->Checked() && FGroupIndex == 0) FGroupIndex = A->GroupIndex();
            FDown = A->Checked() && FGroupIndex != 0;
        }
    }
}

} // namespace host
