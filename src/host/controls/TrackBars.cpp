#include "host/controls/TrackBars.h"

#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TTrackBarOrientation, "trHorizontal", "trVertical")
ZT_DEFINE_ENUM(TTickMark, "tmBottomRight", "tmTopLeft", "tmBoth")
ZT_DEFINE_ENUM(TTickStyle, "tsNone", "tsAuto", "tsManual")
ZT_DEFINE_ENUM(TProgressBarOrientation, "pbHorizontal", "pbVertical")
ZT_DEFINE_ENUM(TProgressBarStyle, "pbstNormal", "pbstMarquee")
ZT_DEFINE_ENUM(TUDAlignButton, "udLeft", "udRight")
ZT_DEFINE_ENUM(TUDOrientation, "udHorizontal", "udVertical")
ZT_DEFINE_ENUM(TUDBtnType, "btNext", "btPrev")

namespace {
constexpr TAnchors DefaultAnchors{akLeft, akTop};
}

// ---- TTrackBar ----

TClass TTrackBar::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTrackBar>("TTrackBar")
        .Prop("Align", &TTrackBar::Align, &TTrackBar::SetAlign).Default(alNone)
        .Prop("Anchors", &TTrackBar::Anchors, &TTrackBar::SetAnchors).Default(DefaultAnchors)
        .Prop("Enabled", &TTrackBar::Enabled, &TTrackBar::SetEnabled).Default(true)
        .Prop("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1)
        .Prop("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1)
        .Prop("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10)
        .Prop("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0)
        .Prop("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation).Default(trHorizontal)
        .Prop("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2)
        .Prop("ParentShowHint", &TTrackBar::ParentShowHint, &TTrackBar::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TTrackBar::PopupMenu, &TTrackBar::SetPopupMenu)
        .Prop("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0)
        .Prop("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd).Default(0)
        .Prop("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart).Default(0)
        .Prop("ShowHint", &TTrackBar::ShowHint, &TTrackBar::SetShowHint).Stored(&TTrackBar::IsShowHintStored)
        .Prop("ShowSelRange", &TTrackBar::ShowSelRange, &TTrackBar::SetShowSelRange).Default(true)
        .Prop("SliderVisible", &TTrackBar::SliderVisible, &TTrackBar::SetSliderVisible).Default(true)
        .Prop("TabOrder", &TTrackBar::TabOrder, &TTrackBar::SetTabOrder).Default(-1)
        .Prop("TabStop", &TTrackBar::TabStop, &TTrackBar::SetTabStop).Default(true)
        .Prop("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks).Default(tmBottomRight)
        .Prop("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle).Default(tsAuto)
        .Prop("Visible", &TTrackBar::Visible, &TTrackBar::SetVisible).Default(true)
        .Prop("OnChange", &TTrackBar::OnChange, &TTrackBar::SetOnChange)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::SetMax(int Value) {
    FMax = Value;
    if (!IsLoading()) SetPosition(FPosition);
}

void TTrackBar::SetMin(int Value) {
    FMin = Value;
    if (!IsLoading()) SetPosition(FPosition);
}

void TTrackBar::SetPosition(int Value) {
    // While loading the range may not be read yet; Loaded brings the position into it.
    if (!IsLoading()) Value = std::clamp(Value, std::min(FMin, FMax), std::max(FMin, FMax));
    if (FPosition == Value) return;
    FPosition = Value;
    if (!IsLoading()) FOnChange(this);
}

void TTrackBar::Loaded() {
    inherited::Loaded();
    FPosition = std::clamp(FPosition, std::min(FMin, FMax), std::max(FMin, FMax));
}

// ---- TProgressBar ----

TClass TProgressBar::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TProgressBar>("TProgressBar")
        .Prop("Align", &TProgressBar::Align, &TProgressBar::SetAlign).Default(alNone)
        .Prop("Anchors", &TProgressBar::Anchors, &TProgressBar::SetAnchors).Default(DefaultAnchors)
        .Prop("Enabled", &TProgressBar::Enabled, &TProgressBar::SetEnabled).Default(true)
        .Prop("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100)
        .Prop("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0)
        .Prop("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation).Default(pbHorizontal)
        .Prop("ParentShowHint", &TProgressBar::ParentShowHint, &TProgressBar::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TProgressBar::PopupMenu, &TProgressBar::SetPopupMenu)
        .Prop("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0)
        .Prop("ShowHint", &TProgressBar::ShowHint, &TProgressBar::SetShowHint).Stored(&TProgressBar::IsShowHintStored)
        .Prop("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(false)
        .Prop("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10)
        .Prop("Style", &TProgressBar::Style, &TProgressBar::SetStyle).Default(pbstNormal)
        .Prop("TabOrder", &TProgressBar::TabOrder, &TProgressBar::SetTabOrder).Default(-1)
        .Prop("Visible", &TProgressBar::Visible, &TProgressBar::SetVisible).Default(true)
        .With(WinControlProps);
    // clang-format on
    return &Info;
}

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetPosition(int Value) {
    FPosition = IsLoading() ? Value : std::clamp(Value, std::min(FMin, FMax), std::max(FMin, FMax));
}

void TProgressBar::StepIt() {
    int Next = FPosition + FStep;
    if (Next > FMax) Next = FMin + (Next - FMax) % std::max(1, FMax - FMin);
    FPosition = Next;
}

// ---- TUpDown ----

TClass TUpDown::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TUpDown>("TUpDown")
        .Prop("AlignButton", &TUpDown::AlignButton, &TUpDown::SetAlignButton).Default(udRight)
        .Prop("Anchors", &TUpDown::Anchors, &TUpDown::SetAnchors).Default(DefaultAnchors)
        .Prop("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys).Default(true)
        .Prop("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
        .Prop("Enabled", &TUpDown::Enabled, &TUpDown::SetEnabled).Default(true)
        .Prop("Increment", &TUpDown::Increment, &TUpDown::SetIncrement).Default(1)
        .Prop("Max", &TUpDown::Max, &TUpDown::SetMax).Default(100)
        .Prop("Min", &TUpDown::Min, &TUpDown::SetMin).Default(0)
        .Prop("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation).Default(udVertical)
        .Prop("ParentShowHint", &TUpDown::ParentShowHint, &TUpDown::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TUpDown::PopupMenu, &TUpDown::SetPopupMenu)
        .Prop("Position", &TUpDown::Position, &TUpDown::SetPosition).Default(0)
        .Prop("ShowHint", &TUpDown::ShowHint, &TUpDown::SetShowHint).Stored(&TUpDown::IsShowHintStored)
        .Prop("TabOrder", &TUpDown::TabOrder, &TUpDown::SetTabOrder).Default(-1)
        .Prop("TabStop", &TUpDown::TabStop, &TUpDown::SetTabStop).Default(false)
        .Prop("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands).Default(true)
        .Prop("Visible", &TUpDown::Visible, &TUpDown::SetVisible).Default(true)
        .Prop("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap).Default(false)
        .Prop("OnClick", &TUpDown::OnClick, &TUpDown::SetOnClick)
        .With(WinControlProps);
    // clang-format on
    return &Info;
}

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 17, 25);
}

void TUpDown::SetAssociate(TWinControl* Value) {
    if (FAssociate == Value) return;
    if (FAssociate) FAssociate->RemoveFreeNotification(this);
    FAssociate = Value;
    if (Value) {
        Value->FreeNotification(this);
        if (!IsLoading()) SetPosition(FPosition);
    }
}

void TUpDown::SetPosition(int Value) {
    FPosition = IsLoading() ? Value : std::clamp(Value, std::min(FMin, FMax), std::max(FMin, FMax));
    if (FAssociate && !IsLoading()) {
        String Text = std::to_string(FPosition);
        if (FThousands && (FPosition >= 1000 || FPosition <= -1000)) {
            // The associate shows thousands separated, as the control does.
            String Digits = std::to_string(FPosition < 0 ? -FPosition : FPosition);
            String Grouped;
            for (std::size_t i = 0; i < Digits.size(); ++i) {
                if (i > 0 && (Digits.size() - i) % 3 == 0) Grouped += ',';
                Grouped += Digits[i];
            }
            Text = (FPosition < 0 ? "-" : "") + Grouped;
        }
        // The associate shows it as its published text (an edit's Text).
        if (PPropInfo P = GetPropInfo(FAssociate, "Text"); P && P->SetStr)
            SetStrProp(FAssociate, P, Text);
    }
}

void TUpDown::ArrowClick(TUDBtnType Button) {
    int Next = FPosition + (Button == btNext ? FIncrement : -FIncrement);
    if (Next > FMax) Next = FWrap ? FMin : FMax;
    if (Next < FMin) Next = FWrap ? FMax : FMin;
    SetPosition(Next);
    FOnUDClick(this, Button);
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate) FAssociate = nullptr;
}

} // namespace host
