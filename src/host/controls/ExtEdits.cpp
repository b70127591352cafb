#include "host/controls/ExtEdits.h"

#include "host/controls/ControlProps.h"
#include "host/controls/ImgList.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TLabelPosition, "lpAbove", "lpBelow", "lpLeft", "lpRight")

namespace {
constexpr TAnchors DefaultAnchors{akLeft, akTop};
}

// ---- TBoundLabel ----

TClass TBoundLabel::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBoundLabel>("TBoundLabel")
        .Prop("Left", &TBoundLabel::Left, &TBoundLabel::SetLeft).Stored(false)
        .Prop("Top", &TBoundLabel::Top, &TBoundLabel::SetTop).Stored(false)
        .Prop("Caption", &TBoundLabel::Caption, &TBoundLabel::SetCaption)
        .Prop("Color", &TBoundLabel::Color, &TBoundLabel::SetColor).Stored(&TBoundLabel::IsColorStored)
        .Prop("Font", &TBoundLabel::Font, &TBoundLabel::SetFont).Stored(&TBoundLabel::IsFontStored)
        .Prop("Layout", &TBoundLabel::Layout, &TBoundLabel::SetLayout).Default(tlTop)
        .Prop("ParentColor", &TBoundLabel::ParentColor, &TBoundLabel::SetParentColor).Default(true)
        .Prop("ParentFont", &TBoundLabel::ParentFont, &TBoundLabel::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TBoundLabel::ParentShowHint, &TBoundLabel::SetParentShowHint).Default(true)
        .Prop("ShowAccelChar", &TBoundLabel::ShowAccelChar, &TBoundLabel::SetShowAccelChar).Default(true)
        .Prop("ShowHint", &TBoundLabel::ShowHint, &TBoundLabel::SetShowHint).Stored(&TBoundLabel::IsShowHintStored)
        .Prop("Transparent", &TBoundLabel::Transparent, &TBoundLabel::SetTransparent).Default(false)
        .Prop("WordWrap", &TBoundLabel::WordWrap, &TBoundLabel::SetWordWrap).Default(false)
        .Prop("OnClick", &TBoundLabel::OnClick, &TBoundLabel::SetOnClick)
        .Prop("OnDblClick", &TBoundLabel::OnDblClick, &TBoundLabel::SetOnDblClick)
        .NoCreate();
    // clang-format on
    return &Info;
}

TBoundLabel::TBoundLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
    SetName("SubLabel");
    SetCaption("");
}

// ---- TLabeledEdit ----

TClass TLabeledEdit::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TLabeledEdit>("TLabeledEdit")
        .Prop("Align", &TLabeledEdit::Align, &TLabeledEdit::SetAlign).Default(alNone)
        .Prop("Anchors", &TLabeledEdit::Anchors, &TLabeledEdit::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSelect", &TLabeledEdit::AutoSelect, &TLabeledEdit::SetAutoSelect).Default(true)
        .Prop("AutoSize", &TLabeledEdit::AutoSize, &TLabeledEdit::SetAutoSize).Default(true)
        .Prop("CharCase", &TLabeledEdit::CharCase, &TLabeledEdit::SetCharCase).Default(ecNormal)
        .Prop("Color", &TLabeledEdit::Color, &TLabeledEdit::SetColor).Default(clWindow).Stored(&TLabeledEdit::IsColorStored)
        .Prop("EditLabel", &TLabeledEdit::EditLabel)
        .Prop("Enabled", &TLabeledEdit::Enabled, &TLabeledEdit::SetEnabled).Default(true).Stored(&TLabeledEdit::IsEnabledStored)
        .Prop("Font", &TLabeledEdit::Font, &TLabeledEdit::SetFont).Stored(&TLabeledEdit::IsFontStored)
        .Prop("HideSelection", &TLabeledEdit::HideSelection, &TLabeledEdit::SetHideSelection).Default(true)
        .Prop("LabelPosition", &TLabeledEdit::LabelPosition, &TLabeledEdit::SetLabelPosition).Default(lpAbove)
        .Prop("LabelSpacing", &TLabeledEdit::LabelSpacing, &TLabeledEdit::SetLabelSpacing).Default(3)
        .Prop("MaxLength", &TLabeledEdit::MaxLength, &TLabeledEdit::SetMaxLength).Default(0)
        .Prop("NumbersOnly", &TLabeledEdit::NumbersOnly, &TLabeledEdit::SetNumbersOnly).Default(false)
        .Prop("ParentColor", &TLabeledEdit::ParentColor, &TLabeledEdit::SetParentColor).Default(false)
        .Prop("ParentFont", &TLabeledEdit::ParentFont, &TLabeledEdit::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TLabeledEdit::ParentShowHint, &TLabeledEdit::SetParentShowHint).Default(true)
        .Prop("PasswordChar", &TLabeledEdit::PasswordChar, &TLabeledEdit::SetPasswordChar).Default(0)
        .Prop("PopupMenu", &TLabeledEdit::PopupMenu, &TLabeledEdit::SetPopupMenu)
        .Prop("ReadOnly", &TLabeledEdit::ReadOnly, &TLabeledEdit::SetReadOnly).Default(false)
        .Prop("ShowHint", &TLabeledEdit::ShowHint, &TLabeledEdit::SetShowHint).Stored(&TLabeledEdit::IsShowHintStored)
        .Prop("TabOrder", &TLabeledEdit::TabOrder, &TLabeledEdit::SetTabOrder).Default(-1)
        .Prop("TabStop", &TLabeledEdit::TabStop, &TLabeledEdit::SetTabStop).Default(true)
        .Prop("Text", &TLabeledEdit::Text, &TLabeledEdit::SetText)
        .Prop("TextHint", &TLabeledEdit::TextHint, &TLabeledEdit::SetTextHint)
        .Prop("Visible", &TLabeledEdit::Visible, &TLabeledEdit::SetVisible).Default(true).Stored(&TLabeledEdit::IsVisibleStored)
        .Prop("OnChange", &TLabeledEdit::OnChange, &TLabeledEdit::SetOnChange)
        .Prop("OnClick", &TLabeledEdit::OnClick, &TLabeledEdit::SetOnClick).Stored(&TLabeledEdit::IsOnClickStored)
        .Prop("OnDblClick", &TLabeledEdit::OnDblClick, &TLabeledEdit::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TLabeledEdit::TLabeledEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), FEditLabel(new TBoundLabel(this)) {
    FEditLabel->FreeNotification(this);
}

TLabeledEdit::~TLabeledEdit() {
    if (FEditLabel) FEditLabel->RemoveFreeNotification(this);
}

void TLabeledEdit::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FEditLabel) FEditLabel = nullptr;
}

void TLabeledEdit::SetParent(TWinControl* AParent) {
    inherited::SetParent(AParent);
    if (!FEditLabel) return;
    FEditLabel->SetParent(AParent);
    FEditLabel->SetVisible(true);
}

void TLabeledEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceLabel();
}

void TLabeledEdit::SetLabelPosition(TLabelPosition Value) {
    FLabelPosition = Value;
    PlaceLabel();
}

void TLabeledEdit::SetLabelSpacing(int Value) {
    FLabelSpacing = Value;
    PlaceLabel();
}

void TLabeledEdit::PlaceLabel() {
    if (!FEditLabel) return;
    const TControl* L = FEditLabel;
    int X = Left();
    int Y = Top();
    switch (FLabelPosition) {
    case lpAbove:
        Y = Top() - L->Height() - FLabelSpacing;
        break;
    case lpBelow:
        Y = Top() + Height() + FLabelSpacing;
        break;
    case lpLeft:
        X = Left() - L->Width() - FLabelSpacing;
        break;
    case lpRight:
        X = Left() + Width() + FLabelSpacing;
        break;
    }
    FEditLabel->SetBounds(X, Y, L->Width(), L->Height());
}

// ---- TEditButton, TButtonedEdit ----

TClass TEditButton::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TEditButton>("TEditButton")
        .Prop("Enabled", &TEditButton::Enabled, &TEditButton::SetEnabled).Default(true)
        .Prop("Hint", &TEditButton::Hint, &TEditButton::SetHint)
        .Prop("ImageIndex", &TEditButton::ImageIndex, &TEditButton::SetImageIndex).Default(-1)
        .Prop("Visible", &TEditButton::Visible, &TEditButton::SetVisible).Default(false);
    // clang-format on
    return &Info;
}

void TEditButton::Assign(const TPersistent* Source) {
    auto* S = As<TEditButton>(Source);
    if (!S) return inherited::Assign(Source);
    FEnabled = S->FEnabled;
    FHint = S->FHint;
    FImageIndex = S->FImageIndex;
    FVisible = S->FVisible;
}

TClass TButtonedEdit::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TButtonedEdit>("TButtonedEdit")
        .Prop("Align", &TButtonedEdit::Align, &TButtonedEdit::SetAlign).Default(alNone)
        .Prop("Anchors", &TButtonedEdit::Anchors, &TButtonedEdit::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSelect", &TButtonedEdit::AutoSelect, &TButtonedEdit::SetAutoSelect).Default(true)
        .Prop("AutoSize", &TButtonedEdit::AutoSize, &TButtonedEdit::SetAutoSize).Default(true)
        .Prop("CharCase", &TButtonedEdit::CharCase, &TButtonedEdit::SetCharCase).Default(ecNormal)
        .Prop("Color", &TButtonedEdit::Color, &TButtonedEdit::SetColor).Default(clWindow).Stored(&TButtonedEdit::IsColorStored)
        .Prop("Enabled", &TButtonedEdit::Enabled, &TButtonedEdit::SetEnabled).Default(true).Stored(&TButtonedEdit::IsEnabledStored)
        .Prop("Font", &TButtonedEdit::Font, &TButtonedEdit::SetFont).Stored(&TButtonedEdit::IsFontStored)
        .Prop("HideSelection", &TButtonedEdit::HideSelection, &TButtonedEdit::SetHideSelection).Default(true)
        .Prop("Images", &TButtonedEdit::Images, &TButtonedEdit::SetImages)
        .Prop("LeftButton", &TButtonedEdit::LeftButton, &TButtonedEdit::SetLeftButton)
        .Prop("MaxLength", &TButtonedEdit::MaxLength, &TButtonedEdit::SetMaxLength).Default(0)
        .Prop("NumbersOnly", &TButtonedEdit::NumbersOnly, &TButtonedEdit::SetNumbersOnly).Default(false)
        .Prop("ParentColor", &TButtonedEdit::ParentColor, &TButtonedEdit::SetParentColor).Default(false)
        .Prop("ParentFont", &TButtonedEdit::ParentFont, &TButtonedEdit::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TButtonedEdit::ParentShowHint, &TButtonedEdit::SetParentShowHint).Default(true)
        .Prop("PasswordChar", &TButtonedEdit::PasswordChar, &TButtonedEdit::SetPasswordChar).Default(0)
        .Prop("PopupMenu", &TButtonedEdit::PopupMenu, &TButtonedEdit::SetPopupMenu)
        .Prop("ReadOnly", &TButtonedEdit::ReadOnly, &TButtonedEdit::SetReadOnly).Default(false)
        .Prop("RightButton", &TButtonedEdit::RightButton, &TButtonedEdit::SetRightButton)
        .Prop("ShowHint", &TButtonedEdit::ShowHint, &TButtonedEdit::SetShowHint).Stored(&TButtonedEdit::IsShowHintStored)
        .Prop("TabOrder", &TButtonedEdit::TabOrder, &TButtonedEdit::SetTabOrder).Default(-1)
        .Prop("TabStop", &TButtonedEdit::TabStop, &TButtonedEdit::SetTabStop).Default(true)
        .Prop("Text", &TButtonedEdit::Text, &TButtonedEdit::SetText)
        .Prop("TextHint", &TButtonedEdit::TextHint, &TButtonedEdit::SetTextHint)
        .Prop("Visible", &TButtonedEdit::Visible, &TButtonedEdit::SetVisible).Default(true).Stored(&TButtonedEdit::IsVisibleStored)
        .Prop("OnChange", &TButtonedEdit::OnChange, &TButtonedEdit::SetOnChange)
        .Prop("OnClick", &TButtonedEdit::OnClick, &TButtonedEdit::SetOnClick).Stored(&TButtonedEdit::IsOnClickStored)
        .Prop("OnDblClick", &TButtonedEdit::OnDblClick, &TButtonedEdit::SetOnDblClick)
        .Prop("OnLeftButtonClick", &TButtonedEdit::OnLeftButtonClick, &TButtonedEdit::SetOnLeftButtonClick)
        .Prop("OnRightButtonClick", &TButtonedEdit::OnRightButtonClick, &TButtonedEdit::SetOnRightButtonClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TButtonedEdit::TButtonedEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), FLeftButton(new TEditButton), FRightButton(new TEditButton) {}

TButtonedEdit::~TButtonedEdit() {}

void TButtonedEdit::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
}

void TButtonedEdit::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

} // namespace host
