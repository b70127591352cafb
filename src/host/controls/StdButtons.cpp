// Push buttons, check boxes and radio buttons.
#include "host/controls/ActnList.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

} // namespace

// ---- TButtonControl ----

TClass TButtonControl::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TButtonControl>("TButtonControl").NoCreate();
    return &Info;
}

void TButtonControl::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.WinClassName = "BUTTON";
}

void TButtonControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case BM_CLICK:
        // A disabled button ignores the person.
        if (Enabled()) NotifyParent(BN_CLICKED);
        return;
    case BM_GETCHECK:
        Message.Result = CheckState();
        return;
    default:
        inherited::WndProc(Message);
    }
}

void TButtonControl::CNCommand(TMessage& Message) {
    if (HIWORD(Message.WParam) == BN_CLICKED) UserClick();
}

// ---- TButton ----

TClass TButton::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TButton>("TButton")
        .Prop("Anchors", &TButton::Anchors, &TButton::SetAnchors).Default(DefaultAnchors)
        .Prop("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false)
        .Prop("Caption", &TButton::Caption, &TButton::SetCaption).Stored(&TButton::IsCaptionStored)
        .Prop("Default", &TButton::Default, &TButton::SetDefault).Default(false)
        .Prop("Enabled", &TButton::Enabled, &TButton::SetEnabled).Default(true).Stored(&TButton::IsEnabledStored)
        .Prop("Font", &TButton::Font, &TButton::SetFont).Stored(&TButton::IsFontStored)
        .Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone)
        .Prop("ParentFont", &TButton::ParentFont, &TButton::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TButton::ParentShowHint, &TButton::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TButton::PopupMenu, &TButton::SetPopupMenu)
        .Prop("ShowHint", &TButton::ShowHint, &TButton::SetShowHint).Stored(&TButton::IsShowHintStored)
        .Prop("TabOrder", &TButton::TabOrder, &TButton::SetTabOrder).Default(-1)
        .Prop("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true)
        .Prop("Visible", &TButton::Visible, &TButton::SetVisible).Default(true).Stored(&TButton::IsVisibleStored)
        .Prop("OnClick", &TButton::OnClick, &TButton::SetOnClick).Stored(&TButton::IsOnClickStored)
        .With(WinControlProps).With(KeyEvents)
        .Prop("Align", &TButton::Align, &TButton::SetAlign).Default(alNone)
        .Prop("WordWrap", &TButton::WordWrap, &TButton::SetWordWrap).Default(false);
    // clang-format on
    return &Info;
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::Click() {
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
    inherited::Click();
}

void TButton::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
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
        .Prop("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption).Stored(&TCheckBox::IsCaptionStored)
        .Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false)
        .Prop("Color", &TCheckBox::Color, &TCheckBox::SetColor).Default(clWindow).Stored(&TCheckBox::IsColorStored)
        .Prop("Enabled", &TCheckBox::Enabled, &TCheckBox::SetEnabled).Default(true).Stored(&TCheckBox::IsEnabledStored)
        .Prop("Font", &TCheckBox::Font, &TCheckBox::SetFont).Stored(&TCheckBox::IsFontStored)
        .Prop("ParentColor", &TCheckBox::ParentColor, &TCheckBox::SetParentColor).Default(true)
        .Prop("ParentFont", &TCheckBox::ParentFont, &TCheckBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TCheckBox::ParentShowHint, &TCheckBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TCheckBox::PopupMenu, &TCheckBox::SetPopupMenu)
        .Prop("ShowHint", &TCheckBox::ShowHint, &TCheckBox::SetShowHint).Stored(&TCheckBox::IsShowHintStored)
        .Prop("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked)
        .Prop("TabOrder", &TCheckBox::TabOrder, &TCheckBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).Default(true)
        .Prop("Visible", &TCheckBox::Visible, &TCheckBox::SetVisible).Default(true).Stored(&TCheckBox::IsVisibleStored)
        .Prop("OnClick", &TCheckBox::OnClick, &TCheckBox::SetOnClick).Stored(&TCheckBox::IsOnClickStored)
        .With(WinControlProps).With(KeyEvents)
        .Prop("Align", &TCheckBox::Align, &TCheckBox::SetAlign).Default(alNone)
        .Prop("WordWrap", &TCheckBox::WordWrap, &TCheckBox::SetWordWrap).Default(false);
    // clang-format on
    return &Info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    Click();
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style |= FAllowGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::ActionChange(TObject* Sender, bool CheckDefaults) {
    inherited::ActionChange(Sender, CheckDefaults);
    if (auto* A = As<TCustomAction>(Sender); A && (!CheckDefaults || FState == cbUnchecked)) {
        // Quietly: following the action is no click.
        FState = A->Checked() ? cbChecked : cbUnchecked;
    }
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

// ---- TRadioButton ----

TClass TRadioButton::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TRadioButton>("TRadioButton")
        .Prop("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify)
        .Prop("Anchors", &TRadioButton::Anchors, &TRadioButton::SetAnchors).Default(DefaultAnchors)
        .Prop("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption).Stored(&TRadioButton::IsCaptionStored)
        .Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false)
        .Prop("Color", &TRadioButton::Color, &TRadioButton::SetColor).Default(clWindow).Stored(&TRadioButton::IsColorStored)
        .Prop("Enabled", &TRadioButton::Enabled, &TRadioButton::SetEnabled).Default(true).Stored(&TRadioButton::IsEnabledStored)
        .Prop("Font", &TRadioButton::Font, &TRadioButton::SetFont).Stored(&TRadioButton::IsFontStored)
        .Prop("ParentColor", &TRadioButton::ParentColor, &TRadioButton::SetParentColor).Default(true)
        .Prop("ParentFont", &TRadioButton::ParentFont, &TRadioButton::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TRadioButton::ParentShowHint, &TRadioButton::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TRadioButton::PopupMenu, &TRadioButton::SetPopupMenu)
        .Prop("ShowHint", &TRadioButton::ShowHint, &TRadioButton::SetShowHint).Stored(&TRadioButton::IsShowHintStored)
        .Prop("TabOrder", &TRadioButton::TabOrder, &TRadioButton::SetTabOrder).Default(-1)
        .Prop("TabStop", &TRadioButton::TabStop, &TRadioButton::SetTabStop).Default(false)
        .Prop("Visible", &TRadioButton::Visible, &TRadioButton::SetVisible).Default(true).Stored(&TRadioButton::IsVisibleStored)
        .Prop("OnClick", &TRadioButton::OnClick, &TRadioButton::SetOnClick).Stored(&TRadioButton::IsOnClickStored)
        .Prop("OnDblClick", &TRadioButton::OnDblClick, &TRadioButton::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents)
        .Prop("Align", &TRadioButton::Align, &TRadioButton::SetAlign).Default(alNone);
    // clang-format on
    return &Info;
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (!Value || IsLoading()) return;
    if (TWinControl* P = Parent())
        for (int i = 0; i < P->ControlCount(); ++i)
            if (auto* Other = As<TRadioButton>(P->Controls(i)); Other && Other != this)
                Other->SetChecked(false);
    Click();
}

} // namespace host
