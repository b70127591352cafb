#include "host/controls/MoreExtCtrls.h"

#include "host/classes/StringList.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TColorBoxStyles, "cbStandardColors", "cbExtendedColors", "cbSystemColors",
               "cbIncludeNone", "cbIncludeDefault", "cbCustomColor", "cbPrettyNames",
               "cbCustomColors")
ZT_DEFINE_SET(TColorBoxStyle)

namespace {
constexpr TAnchors DefaultAnchors{akLeft, akTop};
}

// ---- TSpinEdit ----

TClass TSpinEdit::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TSpinEdit>("TSpinEdit")
        .Prop("Anchors", &TSpinEdit::Anchors, &TSpinEdit::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSelect", &TSpinEdit::AutoSelect, &TSpinEdit::SetAutoSelect).Default(true)
        .Prop("AutoSize", &TSpinEdit::AutoSize, &TSpinEdit::SetAutoSize).Default(true)
        .Prop("Color", &TSpinEdit::Color, &TSpinEdit::SetColor).Default(clWindow).Stored(&TSpinEdit::IsColorStored)
        .Prop("EditorEnabled", &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled).Default(true)
        .Prop("Enabled", &TSpinEdit::Enabled, &TSpinEdit::SetEnabled).Default(true)
        .Prop("Font", &TSpinEdit::Font, &TSpinEdit::SetFont).Stored(&TSpinEdit::IsFontStored)
        .Prop("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement).Default(1)
        .Prop("MaxLength", &TSpinEdit::MaxLength, &TSpinEdit::SetMaxLength).Default(0)
        .Prop("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue)
        .Prop("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue)
        .Prop("ParentColor", &TSpinEdit::ParentColor, &TSpinEdit::SetParentColor).Default(false)
        .Prop("ParentFont", &TSpinEdit::ParentFont, &TSpinEdit::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TSpinEdit::ParentShowHint, &TSpinEdit::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TSpinEdit::PopupMenu, &TSpinEdit::SetPopupMenu)
        .Prop("ReadOnly", &TSpinEdit::ReadOnly, &TSpinEdit::SetReadOnly).Default(false)
        .Prop("ShowHint", &TSpinEdit::ShowHint, &TSpinEdit::SetShowHint).Stored(&TSpinEdit::IsShowHintStored)
        .Prop("TabOrder", &TSpinEdit::TabOrder, &TSpinEdit::SetTabOrder).Default(-1)
        .Prop("TabStop", &TSpinEdit::TabStop, &TSpinEdit::SetTabStop).Default(true)
        .Prop("Value", &TSpinEdit::Value, &TSpinEdit::SetValue)
        .Prop("Visible", &TSpinEdit::Visible, &TSpinEdit::SetVisible).Default(true)
        .Prop("OnChange", &TSpinEdit::OnChange, &TSpinEdit::SetOnChange)
        .Prop("OnClick", &TSpinEdit::OnClick, &TSpinEdit::SetOnClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TSpinEdit::TSpinEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
    SetBounds(0, 0, 121, 22);
    SetText("0");
}

int TSpinEdit::Constrain(int V) const {
    if (FMaxValue != FMinValue)
        V = std::clamp(V, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
    return V;
}

int TSpinEdit::Value() const {
    const std::optional<Int64> V = TryStrToInt64(Trim(Text()));
    return V ? Constrain(static_cast<int>(*V)) : FMinValue;
}

void TSpinEdit::SetValue(int V) {
    SetText(std::to_string(IsLoading() ? V : Constrain(V)));
}

// ---- TMaskEdit ----

TClass TMaskEdit::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TMaskEdit>("TMaskEdit")
        .Prop("Align", &TMaskEdit::Align, &TMaskEdit::SetAlign).Default(alNone)
        .Prop("Anchors", &TMaskEdit::Anchors, &TMaskEdit::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSelect", &TMaskEdit::AutoSelect, &TMaskEdit::SetAutoSelect).Default(true)
        .Prop("AutoSize", &TMaskEdit::AutoSize, &TMaskEdit::SetAutoSize).Default(true)
        .Prop("CharCase", &TMaskEdit::CharCase, &TMaskEdit::SetCharCase).Default(ecNormal)
        .Prop("Color", &TMaskEdit::Color, &TMaskEdit::SetColor).Default(clWindow).Stored(&TMaskEdit::IsColorStored)
        .Prop("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask)
        .Prop("Enabled", &TMaskEdit::Enabled, &TMaskEdit::SetEnabled).Default(true)
        .Prop("Font", &TMaskEdit::Font, &TMaskEdit::SetFont).Stored(&TMaskEdit::IsFontStored)
        .Prop("MaxLength", &TMaskEdit::MaxLength, &TMaskEdit::SetMaxLength).Default(0)
        .Prop("ParentColor", &TMaskEdit::ParentColor, &TMaskEdit::SetParentColor).Default(false)
        .Prop("ParentFont", &TMaskEdit::ParentFont, &TMaskEdit::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TMaskEdit::ParentShowHint, &TMaskEdit::SetParentShowHint).Default(true)
        .Prop("PasswordChar", &TMaskEdit::PasswordChar, &TMaskEdit::SetPasswordChar).Default(0)
        .Prop("PopupMenu", &TMaskEdit::PopupMenu, &TMaskEdit::SetPopupMenu)
        .Prop("ReadOnly", &TMaskEdit::ReadOnly, &TMaskEdit::SetReadOnly).Default(false)
        .Prop("ShowHint", &TMaskEdit::ShowHint, &TMaskEdit::SetShowHint).Stored(&TMaskEdit::IsShowHintStored)
        .Prop("TabOrder", &TMaskEdit::TabOrder, &TMaskEdit::SetTabOrder).Default(-1)
        .Prop("TabStop", &TMaskEdit::TabStop, &TMaskEdit::SetTabStop).Default(true)
        .Prop("Text", &TMaskEdit::Text, &TMaskEdit::SetText)
        .Prop("TextHint", &TMaskEdit::TextHint, &TMaskEdit::SetTextHint)
        .Prop("Visible", &TMaskEdit::Visible, &TMaskEdit::SetVisible).Default(true)
        .Prop("OnChange", &TMaskEdit::OnChange, &TMaskEdit::SetOnChange)
        .Prop("OnClick", &TMaskEdit::OnClick, &TMaskEdit::SetOnClick)
        .Prop("OnDblClick", &TMaskEdit::OnDblClick, &TMaskEdit::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

// ---- TLinkLabel ----

TClass TLinkLabel::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TLinkLabel>("TLinkLabel")
        .Prop("Align", &TLinkLabel::Align, &TLinkLabel::SetAlign).Default(alNone)
        .Prop("Alignment", &TLinkLabel::Alignment, &TLinkLabel::SetAlignment).Default(taLeftJustify)
        .Prop("Anchors", &TLinkLabel::Anchors, &TLinkLabel::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSize", &TLinkLabel::AutoSize, &TLinkLabel::SetAutoSize).Default(true)
        .Prop("Caption", &TLinkLabel::Caption, &TLinkLabel::SetCaption)
        .Prop("Color", &TLinkLabel::Color, &TLinkLabel::SetColor).Stored(&TLinkLabel::IsColorStored)
        .Prop("Enabled", &TLinkLabel::Enabled, &TLinkLabel::SetEnabled).Default(true)
        .Prop("Font", &TLinkLabel::Font, &TLinkLabel::SetFont).Stored(&TLinkLabel::IsFontStored)
        .Prop("ParentColor", &TLinkLabel::ParentColor, &TLinkLabel::SetParentColor).Default(true)
        .Prop("ParentFont", &TLinkLabel::ParentFont, &TLinkLabel::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TLinkLabel::ParentShowHint, &TLinkLabel::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TLinkLabel::PopupMenu, &TLinkLabel::SetPopupMenu)
        .Prop("ShowHint", &TLinkLabel::ShowHint, &TLinkLabel::SetShowHint).Stored(&TLinkLabel::IsShowHintStored)
        .Prop("TabOrder", &TLinkLabel::TabOrder, &TLinkLabel::SetTabOrder).Default(-1)
        .Prop("TabStop", &TLinkLabel::TabStop, &TLinkLabel::SetTabStop).Default(false)
        .Prop("UseVisualStyle", &TLinkLabel::UseVisualStyle, &TLinkLabel::SetUseVisualStyle).Default(false)
        .Prop("Visible", &TLinkLabel::Visible, &TLinkLabel::SetVisible).Default(true)
        .Prop("OnClick", &TLinkLabel::OnClick, &TLinkLabel::SetOnClick)
        .Prop("OnLinkClick", &TLinkLabel::OnLinkClick, &TLinkLabel::SetOnLinkClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TLinkLabel::TLinkLabel(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 53, 17);
    SetAutoSize(true);
}

std::vector<String> TLinkLabel::Links() const {
    std::vector<String> Result;
    const String Text = Caption();
    for (std::size_t At = 0; (At = Text.find("href=\"", At)) != String::npos;) {
        At += 6;
        const std::size_t End = Text.find('"', At);
        if (End == String::npos) break;
        Result.push_back(Text.substr(At, End - At));
        At = End;
    }
    return Result;
}

// ---- TColorBox ----

TClass TColorBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TColorBox>("TColorBox")
        .Prop("Align", &TColorBox::Align, &TColorBox::SetAlign).Default(alNone)
        .Prop("Anchors", &TColorBox::Anchors, &TColorBox::SetAnchors).Default(DefaultAnchors)
        .Prop("DefaultColorColor", &TColorBox::DefaultColorColor, &TColorBox::SetDefaultColorColor).Default(clBlack)
        .Prop("NoneColorColor", &TColorBox::NoneColorColor, &TColorBox::SetNoneColorColor).Default(clBlack)
        .Prop("Selected", &TColorBox::Selected, &TColorBox::SetSelected).Default(clBlack)
        .Prop("Style", &TColorBox::ColorStyle, &TColorBox::SetColorStyle).Default(TColorBoxStyle{cbStandardColors, cbExtendedColors, cbSystemColors})
        .Prop("Color", &TColorBox::Color, &TColorBox::SetColor).Default(clWindow).Stored(&TColorBox::IsColorStored)
        .Prop("DropDownCount", &TColorBox::DropDownCount, &TColorBox::SetDropDownCount).Default(8)
        .Prop("Enabled", &TColorBox::Enabled, &TColorBox::SetEnabled).Default(true)
        .Prop("Font", &TColorBox::Font, &TColorBox::SetFont).Stored(&TColorBox::IsFontStored)
        .Prop("ItemHeight", &TColorBox::ItemHeight, &TColorBox::SetItemHeight).Default(16)
        .Prop("ParentColor", &TColorBox::ParentColor, &TColorBox::SetParentColor).Default(false)
        .Prop("ParentFont", &TColorBox::ParentFont, &TColorBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TColorBox::ParentShowHint, &TColorBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TColorBox::PopupMenu, &TColorBox::SetPopupMenu)
        .Prop("ShowHint", &TColorBox::ShowHint, &TColorBox::SetShowHint).Stored(&TColorBox::IsShowHintStored)
        .Prop("TabOrder", &TColorBox::TabOrder, &TColorBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TColorBox::TabStop, &TColorBox::SetTabStop).Default(true)
        .Prop("Visible", &TColorBox::Visible, &TColorBox::SetVisible).Default(true)
        .Prop("OnChange", &TColorBox::OnChange, &TColorBox::SetOnChange)
        .Prop("OnClick", &TColorBox::OnClick, &TColorBox::SetOnClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TColorBox::TColorBox(TComponent* AOwner) : TCustomComboBox(AOwner) {
    SetStyle(csOwnerDrawFixed);
    FillColors();
}

void TColorBox::SetColorStyle(TColorBoxStyle Value) {
    if (FColorStyle == Value) return;
    FColorStyle = Value;
    FillColors();
}

void TColorBox::FillColors() {
    TStringList Names;
    auto AddRange = [&](Integer From, Integer To) {
        String Ident;
        for (Integer C = From; C <= To; ++C)
            if (ColorToIdent(C, Ident))
                Names.Add(FColorStyle.Contains(cbPrettyNames) ? Ident.substr(2) : Ident);
    };
    if (FColorStyle.Contains(cbStandardColors))
        for (TColor C : {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
                         clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite}) {
            String Ident;
            if (ColorToIdent(C, Ident))
                Names.Add(FColorStyle.Contains(cbPrettyNames) ? Ident.substr(2) : Ident);
        }
    if (FColorStyle.Contains(cbSystemColors))
        AddRange(static_cast<Integer>(clScrollBar), static_cast<Integer>(clInfoBk));
    if (FColorStyle.Contains(cbIncludeNone))
        Names.Add(FColorStyle.Contains(cbPrettyNames) ? "None" : "clNone");
    if (FColorStyle.Contains(cbIncludeDefault))
        Names.Add(FColorStyle.Contains(cbPrettyNames) ? "Default" : "clDefault");
    Items()->Assign(&Names);
}

} // namespace host
