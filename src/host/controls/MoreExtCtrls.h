// Edits and pickers of the extended and sample sets: TSpinEdit (a number with arrows),
// TMaskEdit (an edit with an input mask), TLinkLabel (text with <a> links) and TColorBox
// (a combo box of colours).
#pragma once

#include "host/controls/StdCtrls.h"

namespace host {

// Value is kept within MinValue .. MaxValue (no limit while both are 0) and shown as Text.
class TSpinEdit : public TCustomEdit {
    ZT_CLASS(TSpinEdit, TCustomEdit)
public:
    explicit TSpinEdit(TComponent* AOwner);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) { FMaxValue = Value; }
    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value) { FMinValue = Value; }
    // The text as a number; MinValue when it is none.
    int Value() const;
    void SetValue(int Value);
    // What the person's click on an arrow does.
    void StepUp() { SetValue(Value() + FIncrement); }
    void StepDown() { SetValue(Value() - FIncrement); }

private:
    int Constrain(int Value) const;
    bool FEditorEnabled = true;
    int FIncrement = 1;
    int FMaxValue = 0;
    int FMinValue = 0;
};

class TMaskEdit : public TCustomEdit {
    ZT_CLASS(TMaskEdit, TCustomEdit)
public:
    explicit TMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
    // The mask as the host writes it ("!99/99/0000;1;_").
    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& Value) { FEditMask = Value; }

private:
    String FEditMask;
};

ZT_EVENT_TYPE(TSysLinkEvent, TObject*, const String&, int);

class TLinkLabel : public TWinControl {
    ZT_CLASS(TLinkLabel, TWinControl)
public:
    explicit TLinkLabel(TComponent* AOwner);
    using TControl::Caption;
    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetCaption;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    bool UseVisualStyle() const { return FUseVisualStyle; }
    void SetUseVisualStyle(bool Value) { FUseVisualStyle = Value; }
    const TSysLinkEvent& OnLinkClick() const { return FOnLinkClick; }
    void SetOnLinkClick(const TSysLinkEvent& Value) { FOnLinkClick = Value; }
    // The targets of the caption's <a href="..."> links, in order.
    std::vector<String> Links() const;

private:
    TAlignment FAlignment = taLeftJustify;
    bool FUseVisualStyle = false;
    TSysLinkEvent FOnLinkClick;
};

enum TColorBoxStyles {
    cbStandardColors,
    cbExtendedColors,
    cbSystemColors,
    cbIncludeNone,
    cbIncludeDefault,
    cbCustomColor,
    cbPrettyNames,
    cbCustomColors
};
using TColorBoxStyle = TSet<TColorBoxStyles>;

// A drop-down list of colours; Selected is the chosen one.
class TColorBox : public TCustomComboBox {
    ZT_CLASS(TColorBox, TCustomComboBox)
public:
    explicit TColorBox(TComponent* AOwner);
    TColor Selected() const { return FSelected; }
    void SetSelected(TColor Value) { FSelected = Value; }
    TColorBoxStyle ColorStyle() const { return FColorStyle; }
    void SetColorStyle(TColorBoxStyle Value);
    TColor DefaultColorColor() const { return FDefaultColorColor; }
    void SetDefaultColorColor(TColor Value) { FDefaultColorColor = Value; }
    TColor NoneColorColor() const { return FNoneColorColor; }
    void SetNoneColorColor(TColor Value) { FNoneColorColor = Value; }

private:
    // Items: the names of the colours the style asks for.
    void FillColors();
    TColor FSelected = clBlack;
    TColorBoxStyle FColorStyle{cbStandardColors, cbExtendedColors, cbSystemColors};
    TColor FDefaultColorColor = clBlack;
    TColor FNoneColorColor = clBlack;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TColorBoxStyles);
ZT_DECLARE_TYPEINFO(host::TColorBoxStyle);
