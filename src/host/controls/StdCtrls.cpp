// Labels, static texts and group boxes; the buttons are in StdButtons.cpp, the edits in
// StdEdits.cpp, the lists in StdLists.cpp.
#include "host/controls/StdCtrls.h"

#include "host/controls/ControlMessages.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
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
        .Prop("Caption", &TLabel::Caption, &TLabel::SetCaption).Stored(&TLabel::IsCaptionStored)
        .Prop("Color", &TLabel::Color, &TLabel::SetColor).Default(clWindow).Stored(&TLabel::IsColorStored)
        .Prop("Enabled", &TLabel::Enabled, &TLabel::SetEnabled).Default(true).Stored(&TLabel::IsEnabledStored)
        .Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
        .Prop("Font", &TLabel::Font, &TLabel::SetFont).Stored(&TLabel::IsFontStored)
        .Prop("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).Default(true)
        .Prop("ParentFont", &TLabel::ParentFont, &TLabel::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TLabel::ParentShowHint, &TLabel::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TLabel::PopupMenu, &TLabel::SetPopupMenu)
        .Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true)
        .Prop("ShowHint", &TLabel::ShowHint, &TLabel::SetShowHint).Stored(&TLabel::IsShowHintStored)
        .Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false)
        .Prop("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop)
        .Prop("Visible", &TLabel::Visible, &TLabel::SetVisible).Default(true).Stored(&TLabel::IsVisibleStored)
        .Prop("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false)
        .Prop("OnClick", &TLabel::OnClick, &TLabel::SetOnClick).Stored(&TLabel::IsOnClickStored)
        .Prop("OnDblClick", &TLabel::OnDblClick, &TLabel::SetOnDblClick)
        .With(ControlProps).With(MouseEvents).With(DragEvents);
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

// ---- TGroupBox ----

TClass TCustomGroupBox::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomGroupBox>("TCustomGroupBox").NoCreate();
    return &Info;
}

TClass TGroupBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TGroupBox>("TGroupBox")
        .Prop("Align", &TGroupBox::Align, &TGroupBox::SetAlign).Default(alNone)
        .Prop("Anchors", &TGroupBox::Anchors, &TGroupBox::SetAnchors).Default(DefaultAnchors)
        .Prop("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption).Stored(&TGroupBox::IsCaptionStored)
        .Prop("Color", &TGroupBox::Color, &TGroupBox::SetColor).Default(clBtnFace).Stored(&TGroupBox::IsColorStored)
        .Prop("Enabled", &TGroupBox::Enabled, &TGroupBox::SetEnabled).Default(true).Stored(&TGroupBox::IsEnabledStored)
        .Prop("Font", &TGroupBox::Font, &TGroupBox::SetFont).Stored(&TGroupBox::IsFontStored)
        .Prop("ParentColor", &TGroupBox::ParentColor, &TGroupBox::SetParentColor).Default(true)
        .Prop("ParentFont", &TGroupBox::ParentFont, &TGroupBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TGroupBox::ParentShowHint, &TGroupBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TGroupBox::PopupMenu, &TGroupBox::SetPopupMenu)
        .Prop("ShowHint", &TGroupBox::ShowHint, &TGroupBox::SetShowHint).Stored(&TGroupBox::IsShowHintStored)
        .Prop("TabOrder", &TGroupBox::TabOrder, &TGroupBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TGroupBox::TabStop, &TGroupBox::SetTabStop).Default(false)
        .Prop("Visible", &TGroupBox::Visible, &TGroupBox::SetVisible).Default(true).Stored(&TGroupBox::IsVisibleStored)
        .Prop("OnClick", &TGroupBox::OnClick, &TGroupBox::SetOnClick).Stored(&TGroupBox::IsOnClickStored)
        .Prop("OnDblClick", &TGroupBox::OnDblClick, &TGroupBox::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents)
        .Prop("Padding", &TGroupBox::Padding, &TGroupBox::SetPadding)
        .Prop("ParentBackground", &TGroupBox::ParentBackground, &TGroupBox::SetParentBackground).Default(true);
    // clang-format on
    return &Info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                     csSetCaption,      csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 105);
    SetColor(clBtnFace);
    SetParentBackground(true);
    SetParentColor(true);
}

// ---- TStaticText ----

TClass TCustomStaticText::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomStaticText>("TCustomStaticText").NoCreate();
    return &Info;
}

TClass TStaticText::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TStaticText>("TStaticText")
        .Prop("Align", &TStaticText::Align, &TStaticText::SetAlign).Default(alNone)
        .Prop("Alignment", &TStaticText::Alignment, &TStaticText::SetAlignment).Default(taLeftJustify)
        .Prop("Anchors", &TStaticText::Anchors, &TStaticText::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSize", &TStaticText::AutoSize, &TStaticText::SetAutoSize).Default(true)
        .Prop("Caption", &TStaticText::Caption, &TStaticText::SetCaption).Stored(&TStaticText::IsCaptionStored)
        .Prop("Color", &TStaticText::Color, &TStaticText::SetColor).Default(clBtnFace).Stored(&TStaticText::IsColorStored)
        .Prop("Enabled", &TStaticText::Enabled, &TStaticText::SetEnabled).Default(true).Stored(&TStaticText::IsEnabledStored)
        .Prop("Font", &TStaticText::Font, &TStaticText::SetFont).Stored(&TStaticText::IsFontStored)
        .Prop("ParentColor", &TStaticText::ParentColor, &TStaticText::SetParentColor).Default(true)
        .Prop("ParentFont", &TStaticText::ParentFont, &TStaticText::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TStaticText::ParentShowHint, &TStaticText::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TStaticText::PopupMenu, &TStaticText::SetPopupMenu)
        .Prop("ShowAccelChar", &TStaticText::ShowAccelChar, &TStaticText::SetShowAccelChar).Default(true)
        .Prop("ShowHint", &TStaticText::ShowHint, &TStaticText::SetShowHint).Stored(&TStaticText::IsShowHintStored)
        .Prop("TabOrder", &TStaticText::TabOrder, &TStaticText::SetTabOrder).Default(-1)
        .Prop("TabStop", &TStaticText::TabStop, &TStaticText::SetTabStop).Default(false)
        .Prop("Visible", &TStaticText::Visible, &TStaticText::SetVisible).Default(true).Stored(&TStaticText::IsVisibleStored)
        .Prop("OnClick", &TStaticText::OnClick, &TStaticText::SetOnClick).Stored(&TStaticText::IsOnClickStored)
        .Prop("OnDblClick", &TStaticText::OnDblClick, &TStaticText::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TCustomStaticText::TCustomStaticText(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csReplicatable, csDoubleClicks};
    SetBounds(0, 0, 65, 17);
    SetColor(clBtnFace);
    SetParentColor(true);
}

void TCustomStaticText::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.WinClassName = "STATIC";
    Params.Style |= FAlignment == taCenter         ? SS_CENTER
                    : FAlignment == taRightJustify ? SS_RIGHT
                                                   : SS_LEFT;
}

} // namespace host
