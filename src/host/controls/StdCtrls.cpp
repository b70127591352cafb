// Labels, buttons and check boxes; the edits are in StdEdits.cpp.
#include "host/controls/StdCtrls.h"

#include "host/controls/Forms.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TTextLayout, "tlTop", "tlCenter", "tlBottom")
ZT_DEFINE_ENUM(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

} // namespace

// ---- TLabel ----

TClass TCustomLabel::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomLabel>("TCustomLabel").NoCreate();
    return &Info;
}

TClass TLabel::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TLabel>("TLabel")
        .Prop("Align", &TLabel::Align, &TLabel::SetAlign).Default(alNone)
        .Prop("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify)
        .Prop("Anchors", &TLabel::Anchors, &TLabel::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true)
        .Prop("Caption", &TLabel::Caption, &TLabel::SetCaption)
        .Prop("Color", &TLabel::Color, &TLabel::SetColor).Default(clWindow).Stored(&TLabel::IsColorStored)
        .Prop("Enabled", &TLabel::Enabled, &TLabel::SetEnabled).Default(true)
        .Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
        .Prop("Font", &TLabel::Font, &TLabel::SetFont).Stored(&TLabel::IsFontStored)
        .Prop("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).Default(true)
        .Prop("ParentFont", &TLabel::ParentFont, &TLabel::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TLabel::ParentShowHint, &TLabel::SetParentShowHint).Default(true)
        .Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true)
        .Prop("ShowHint", &TLabel::ShowHint, &TLabel::SetShowHint).Stored(&TLabel::IsShowHintStored)
        .Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false)
        .Prop("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop)
        .Prop("Visible", &TLabel::Visible, &TLabel::SetVisible).Default(true)
        .Prop("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false)
        .Prop("OnClick", &TLabel::OnClick, &TLabel::SetOnClick)
        .Prop("OnDblClick", &TLabel::OnDblClick, &TLabel::SetOnDblClick);
    // clang-format on
    return &Info;
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TControl(AOwner) {
    FControlStyle = {csSetCaption, csOpaque, csReplicatable};
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

// ---- TButton ----

TClass TButton::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TButton>("TButton")
        .Prop("Anchors", &TButton::Anchors, &TButton::SetAnchors).Default(DefaultAnchors)
        .Prop("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false)
        .Prop("Caption", &TButton::Caption, &TButton::SetCaption)
        .Prop("Default", &TButton::Default, &TButton::SetDefault).Default(false)
        .Prop("Enabled", &TButton::Enabled, &TButton::SetEnabled).Default(true)
        .Prop("Font", &TButton::Font, &TButton::SetFont).Stored(&TButton::IsFontStored)
        .Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone)
        .Prop("ParentFont", &TButton::ParentFont, &TButton::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TButton::ParentShowHint, &TButton::SetParentShowHint).Default(true)
        .Prop("ShowHint", &TButton::ShowHint, &TButton::SetShowHint).Stored(&TButton::IsShowHintStored)
        .Prop("TabOrder", &TButton::TabOrder, &TButton::SetTabOrder).Default(-1)
        .Prop("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true)
        .Prop("Visible", &TButton::Visible, &TButton::SetVisible).Default(true)
        .Prop("OnClick", &TButton::OnClick, &TButton::SetOnClick);
    // clang-format on
    return &Info;
}

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::Click() {
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
    inherited::Click();
}

// ---- TCheckBox ----

TClass TCustomCheckBox::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomCheckBox>("TCustomCheckBox").NoCreate();
    return &Info;
}

TClass TCheckBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TCheckBox>("TCheckBox")
        .Prop("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).Default(taRightJustify)
        .Prop("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false)
        .Prop("Anchors", &TCheckBox::Anchors, &TCheckBox::SetAnchors).Default(DefaultAnchors)
        .Prop("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption)
        .Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false)
        .Prop("Color", &TCheckBox::Color, &TCheckBox::SetColor).Default(clWindow).Stored(&TCheckBox::IsColorStored)
        .Prop("Enabled", &TCheckBox::Enabled, &TCheckBox::SetEnabled).Default(true)
        .Prop("Font", &TCheckBox::Font, &TCheckBox::SetFont).Stored(&TCheckBox::IsFontStored)
        .Prop("ParentColor", &TCheckBox::ParentColor, &TCheckBox::SetParentColor).Default(true)
        .Prop("ParentFont", &TCheckBox::ParentFont, &TCheckBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TCheckBox::ParentShowHint, &TCheckBox::SetParentShowHint).Default(true)
        .Prop("ShowHint", &TCheckBox::ShowHint, &TCheckBox::SetShowHint).Stored(&TCheckBox::IsShowHintStored)
        .Prop("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked)
        .Prop("TabOrder", &TCheckBox::TabOrder, &TCheckBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).Default(true)
        .Prop("Visible", &TCheckBox::Visible, &TCheckBox::SetVisible).Default(true)
        .Prop("OnClick", &TCheckBox::OnClick, &TCheckBox::SetOnClick);
    // clang-format on
    return &Info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    Click();
}

void TCustomCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

} // namespace host
