// Single- and multi-line edits of StdCtrls.h.
#include "host/controls/StdCtrls.h"

#include "host/classes/StringList.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ControlPaint.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase")
ZT_DEFINE_ENUM(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

String ApplyCharCase(TEditCharCase CharCase, const String& S) {
    switch (CharCase) {
    case ecUpperCase:
        return UpperCase(S);
    case ecLowerCase:
        return LowerCase(S);
    default:
        return S;
    }
}

} // namespace

// ---- TEdit ----

TClass TCustomEdit::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomEdit>("TCustomEdit").NoCreate();
    return &Info;
}

TClass TEdit::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TEdit>("TEdit")
        .Prop("Anchors", &TEdit::Anchors, &TEdit::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(true)
        .Prop("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize).Default(true)
        .Prop("CharCase", &TEdit::CharCase, &TEdit::SetCharCase).Default(ecNormal)
        .Prop("Color", &TEdit::Color, &TEdit::SetColor).Default(clWindow).Stored(&TEdit::IsColorStored)
        .Prop("Enabled", &TEdit::Enabled, &TEdit::SetEnabled).Default(true).Stored(&TEdit::IsEnabledStored)
        .Prop("Font", &TEdit::Font, &TEdit::SetFont).Stored(&TEdit::IsFontStored)
        .Prop("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection).Default(true)
        .Prop("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0)
        .Prop("ParentColor", &TEdit::ParentColor, &TEdit::SetParentColor).Default(false)
        .Prop("ParentFont", &TEdit::ParentFont, &TEdit::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TEdit::ParentShowHint, &TEdit::SetParentShowHint).Default(true)
        .Prop("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar).Default(0)
        .Prop("PopupMenu", &TEdit::PopupMenu, &TEdit::SetPopupMenu)
        .Prop("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(false)
        .Prop("ShowHint", &TEdit::ShowHint, &TEdit::SetShowHint).Stored(&TEdit::IsShowHintStored)
        .Prop("TabOrder", &TEdit::TabOrder, &TEdit::SetTabOrder).Default(-1)
        .Prop("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).Default(true)
        .Prop("Text", &TEdit::Text, &TEdit::SetText)
        .Prop("Visible", &TEdit::Visible, &TEdit::SetVisible).Default(true).Stored(&TEdit::IsVisibleStored)
        .Prop("OnChange", &TEdit::OnChange, &TEdit::SetOnChange)
        .Prop("OnClick", &TEdit::OnClick, &TEdit::SetOnClick).Stored(&TEdit::IsOnClickStored)
        .Prop("OnDblClick", &TEdit::OnDblClick, &TEdit::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents)
        .Prop("Align", &TEdit::Align, &TEdit::SetAlign).Default(alNone)
        .Prop("NumbersOnly", &TEdit::NumbersOnly, &TEdit::SetNumbersOnly).Default(false)
        .Prop("TextHint", &TEdit::TextHint, &TEdit::SetTextHint)
        .Prop("BevelEdges", &TEdit::BevelEdges, &TEdit::SetBevelEdges).Default(TBevelEdges{beLeft, beTop, beRight, beBottom})
        .Prop("BevelInner", &TEdit::BevelInner, &TEdit::SetBevelInner).Default(bvRaised)
        .Prop("BevelKind", &TEdit::BevelKind, &TEdit::SetBevelKind).Default(bkNone)
        .Prop("BevelOuter", &TEdit::BevelOuter, &TEdit::SetBevelOuter).Default(bvLowered);
    // clang-format on
    return &Info;
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    if (FCharCase == Value) return;
    FCharCase = Value;
    String Old = StoredText();
    StoreText(Old);
    if (StoredText() == Old) return;
    UpdateWindowText();
    TextChanged();
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.WinClassName = "EDIT";
    Params.ExStyle |= WS_EX_CLIENTEDGE;
    Params.Style |= ES_AUTOHSCROLL;
    if (FReadOnly) Params.Style |= ES_READONLY;
    if (FPasswordChar) Params.Style |= ES_PASSWORD;
    if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
}

void TCustomEdit::StoreText(const String& Value) {
    inherited::StoreText(ApplyCharCase(FCharCase, Value));
}

namespace {

int Clamp(int Value, int Size) {
    return std::clamp(Value, 0, Size);
}

} // namespace

int TCustomEdit::SelStart() const {
    const TControlUiState& S = UiState(*this);
    const int Size = int(GetText().size());
    if (S.SelLength > 0) return Clamp(S.SelStart, Size);
    return S.Caret < 0 ? Size : Clamp(S.Caret, Size);
}

void TCustomEdit::SetSelStart(int Value) {
    TControlUiState& S = UiState(*this);
    const int At = Clamp(Value, int(GetText().size()));
    S.SelStart = At;
    S.SelLength = 0;
    S.Caret = At;
    if (HandleAllocated()) InvalidateRect(WindowHandle(), nullptr, true);
}

int TCustomEdit::SelLength() const {
    const TControlUiState& S = UiState(*this);
    return S.SelLength > 0 ? std::min(S.SelLength, int(GetText().size()) - SelStart()) : 0;
}

void TCustomEdit::SetSelLength(int Value) {
    const int Start = SelStart();
    TControlUiState& S = UiState(*this);
    S.SelStart = Start;
    S.SelLength = Clamp(Value, int(GetText().size()) - Start);
    S.Caret = Start + S.SelLength;
    if (HandleAllocated()) InvalidateRect(WindowHandle(), nullptr, true);
}

String TCustomEdit::SelText() const {
    return GetText().substr(std::size_t(SelStart()), std::size_t(SelLength()));
}

void TCustomEdit::SelectAll() {
    SetSelStart(0);
    SetSelLength(int(GetText().size()));
}

void TCustomEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case EM_GETSEL: {
        const auto Start = DWORD(SelStart());
        const auto End = DWORD(SelStart() + SelLength());
        if (Message.WParam) *reinterpret_cast<DWORD*>(Message.WParam) = Start;
        if (Message.LParam) *reinterpret_cast<DWORD*>(Message.LParam) = End;
        Message.Result = LRESULT(MAKELONG(WORD(Start), WORD(End)));
        return;
    }
    case EM_SETSEL: {
        // (0, -1) selects everything; a negative start selects nothing.
        const int From = static_cast<int>(Message.WParam);
        const int To = static_cast<int>(Message.LParam);
        const int Size = int(GetText().size());
        if (From < 0) {
            SetSelStart(SelStart());
        } else {
            SetSelStart(std::min(From, Size));
            SetSelLength((To < 0 ? Size : std::min(To, Size)) - SelStart());
        }
        return;
    }
    default:
        inherited::WndProc(Message);
    }
}

// ---- TMemo ----

TClass TCustomMemo::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomMemo>("TCustomMemo").NoCreate();
    return &Info;
}

TClass TMemo::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TMemo>("TMemo")
        .Prop("Align", &TMemo::Align, &TMemo::SetAlign).Default(alNone)
        .Prop("Alignment", &TMemo::Alignment, &TMemo::SetAlignment).Default(taLeftJustify)
        .Prop("Anchors", &TMemo::Anchors, &TMemo::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TMemo::Color, &TMemo::SetColor).Default(clWindow).Stored(&TMemo::IsColorStored)
        .Prop("Enabled", &TMemo::Enabled, &TMemo::SetEnabled).Default(true).Stored(&TMemo::IsEnabledStored)
        .Prop("Font", &TMemo::Font, &TMemo::SetFont).Stored(&TMemo::IsFontStored)
        .Prop("HideSelection", &TMemo::HideSelection, &TMemo::SetHideSelection).Default(true)
        .Prop("Lines", &TMemo::Lines, &TMemo::SetLines)
        .Prop("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength).Default(0)
        .Prop("ParentColor", &TMemo::ParentColor, &TMemo::SetParentColor).Default(false)
        .Prop("ParentFont", &TMemo::ParentFont, &TMemo::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TMemo::ParentShowHint, &TMemo::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TMemo::PopupMenu, &TMemo::SetPopupMenu)
        .Prop("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).Default(false)
        .Prop("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone)
        .Prop("ShowHint", &TMemo::ShowHint, &TMemo::SetShowHint).Stored(&TMemo::IsShowHintStored)
        .Prop("TabOrder", &TMemo::TabOrder, &TMemo::SetTabOrder).Default(-1)
        .Prop("TabStop", &TMemo::TabStop, &TMemo::SetTabStop).Default(true)
        .Prop("Visible", &TMemo::Visible, &TMemo::SetVisible).Default(true).Stored(&TMemo::IsVisibleStored)
        .Prop("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(true)
        .Prop("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(false)
        .Prop("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true)
        .Prop("OnChange", &TMemo::OnChange, &TMemo::SetOnChange)
        .Prop("OnClick", &TMemo::OnClick, &TMemo::SetOnClick).Stored(&TMemo::IsOnClickStored)
        .Prop("OnDblClick", &TMemo::OnDblClick, &TMemo::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents)
        .Prop("BevelEdges", &TMemo::BevelEdges, &TMemo::SetBevelEdges).Default(TBevelEdges{beLeft, beTop, beRight, beBottom})
        .Prop("BevelInner", &TMemo::BevelInner, &TMemo::SetBevelInner).Default(bvRaised)
        .Prop("BevelKind", &TMemo::BevelKind, &TMemo::SetBevelKind).Default(bkNone)
        .Prop("BevelOuter", &TMemo::BevelOuter, &TMemo::SetBevelOuter).Default(bvLowered);
    // clang-format on
    return &Info;
}

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(new TStringList) {
    FLines->SetOnChange(TNotifyEvent(this, &TCustomMemo::LinesChanged));
    SetBounds(Left(), Top(), 185, 89);
    SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() {
    FLines->SetOnChange(TNotifyEvent());
}

TStrings* TCustomMemo::Lines() const {
    return FLines.get();
}

void TCustomMemo::SetLines(TStrings* Value) {
    FLines->Assign(Value);
}

void TCustomMemo::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    if (HandleAllocated()) InvalidateRect(WindowHandle(), nullptr, true);
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style = (Params.Style & ~ES_AUTOHSCROLL) | ES_MULTILINE;
    if (FAlignment == taRightJustify) Params.Style |= ES_RIGHT;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
}

String TCustomMemo::StoredText() const {
    String Result;
    for (int i = 0; i < FLines->Count(); ++i) {
        if (i > 0) Result += "\r\n";
        Result += FLines->Strings(i);
    }
    return Result;
}

void TCustomMemo::StoreText(const String& Value) {
    FLines->SetText(Value);
}

void TCustomMemo::LinesChanged(TObject*) {
    UpdateWindowText();
    Change();
}

} // namespace host
