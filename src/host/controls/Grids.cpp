#include "host/controls/Grids.h"

#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/rtl/HostErrors.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TGridOption, "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine",
               "goRangeSelect", "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving",
               "goColMoving", "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor",
               "goThumbTracking", "goFixedColClick", "goFixedRowClick", "goFixedHotTrack")
ZT_DEFINE_SET(TGridOptions)
ZT_DEFINE_ENUM(TKeyOption, "keyEdit", "keyAdd", "keyDelete", "keyUnique")
ZT_DEFINE_SET(TKeyOptions)
ZT_DEFINE_ENUM(TDisplayOption, "doColumnTitles", "doAutoColResize", "doKeyColFixed")
ZT_DEFINE_SET(TDisplayOptions)

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};
// Larger grids in a form file are taken as damaged.
constexpr int MaxGridSize = 1 << 20;

} // namespace

// ---- TCustomGrid ----

TClass TCustomGrid::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomGrid>("TCustomGrid").NoCreate();
    return &Info;
}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetColCount(5);
    SetRowCount(5);
}

void TCustomGrid::SetColCount(int Value) {
    if (Value < 1 || Value > MaxGridSize) throw EInvalidOperation("Grid index out of range");
    FColWidths.resize(static_cast<std::size_t>(Value), FDefaultColWidth);
}

void TCustomGrid::SetRowCount(int Value) {
    if (Value < 1 || Value > MaxGridSize) throw EInvalidOperation("Grid index out of range");
    FRowHeights.resize(static_cast<std::size_t>(Value), FDefaultRowHeight);
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    FDefaultColWidth = Value;
    std::fill(FColWidths.begin(), FColWidths.end(), Value);
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    FDefaultRowHeight = Value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
}

int TCustomGrid::ColWidths(int Col) const {
    if (Col < 0 || Col >= ColCount()) RaiseListIndexError<EListError>(Col);
    return FColWidths[static_cast<std::size_t>(Col)];
}

void TCustomGrid::SetColWidths(int Col, int Width) {
    if (Col < 0 || Col >= ColCount()) RaiseListIndexError<EListError>(Col);
    FColWidths[static_cast<std::size_t>(Col)] = Width;
}

int TCustomGrid::RowHeights(int Row) const {
    if (Row < 0 || Row >= RowCount()) RaiseListIndexError<EListError>(Row);
    return FRowHeights[static_cast<std::size_t>(Row)];
}

void TCustomGrid::SetRowHeights(int Row, int Height) {
    if (Row < 0 || Row >= RowCount()) RaiseListIndexError<EListError>(Row);
    FRowHeights[static_cast<std::size_t>(Row)] = Height;
}

void TCustomGrid::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    auto Define = [&](const char* Name, std::vector<int>& Sizes, const int& Default) {
        const bool Differs =
            std::any_of(Sizes.begin(), Sizes.end(), [&](int S) { return S != Default; });
        Filer->DefineProperty(
            Name,
            [&Sizes](TReader* R) {
                R->ReadListBegin();
                for (std::size_t i = 0; !R->EndOfList(); ++i) {
                    const int Size = R->ReadInteger();
                    if (i < Sizes.size()) Sizes[i] = Size;
                }
                R->ReadListEnd();
            },
            [&Sizes](TWriter* W) {
                W->WriteListBegin();
                for (int Size : Sizes)
                    W->WriteInteger(Size);
                W->WriteListEnd();
            },
            Differs);
    };
    Define("ColWidths", FColWidths, FDefaultColWidth);
    Define("RowHeights", FRowHeights, FDefaultRowHeight);
}

// ---- TStringGrid ----

TClass TStringGrid::StaticClass() {
    const TGridOptions DefaultOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                      goRangeSelect};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TStringGrid>("TStringGrid")
        .Prop("Align", &TStringGrid::Align, &TStringGrid::SetAlign).Default(alNone)
        .Prop("Anchors", &TStringGrid::Anchors, &TStringGrid::SetAnchors).Default(DefaultAnchors)
        .Prop("BorderStyle", &TStringGrid::BorderStyle, &TStringGrid::SetBorderStyle).Default(bsSingle)
        .Prop("Color", &TStringGrid::Color, &TStringGrid::SetColor).Default(clWindow).Stored(&TStringGrid::IsColorStored)
        .Prop("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount).Default(5)
        .Prop("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth).Default(64)
        .Prop("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight).Default(24)
        .Prop("Enabled", &TStringGrid::Enabled, &TStringGrid::SetEnabled).Default(true)
        .Prop("FixedColor", &TStringGrid::FixedColor, &TStringGrid::SetFixedColor).Default(clBtnFace)
        .Prop("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols).Default(1)
        .Prop("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount).Default(5)
        .Prop("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows).Default(1)
        .Prop("Font", &TStringGrid::Font, &TStringGrid::SetFont).Stored(&TStringGrid::IsFontStored)
        .Prop("Options", &TStringGrid::Options, &TStringGrid::SetOptions).Default(DefaultOptions)
        .Prop("ParentColor", &TStringGrid::ParentColor, &TStringGrid::SetParentColor).Default(false)
        .Prop("ParentFont", &TStringGrid::ParentFont, &TStringGrid::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TStringGrid::ParentShowHint, &TStringGrid::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TStringGrid::PopupMenu, &TStringGrid::SetPopupMenu)
        .Prop("ScrollBars", &TStringGrid::ScrollBars, &TStringGrid::SetScrollBars).Default(ssBoth)
        .Prop("ShowHint", &TStringGrid::ShowHint, &TStringGrid::SetShowHint).Stored(&TStringGrid::IsShowHintStored)
        .Prop("TabOrder", &TStringGrid::TabOrder, &TStringGrid::SetTabOrder).Default(-1)
        .Prop("TabStop", &TStringGrid::TabStop, &TStringGrid::SetTabStop).Default(true)
        .Prop("Visible", &TStringGrid::Visible, &TStringGrid::SetVisible).Default(true)
        .Prop("OnClick", &TStringGrid::OnClick, &TStringGrid::SetOnClick)
        .Prop("OnDblClick", &TStringGrid::OnDblClick, &TStringGrid::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

String TStringGrid::Cells(int Col, int Row) const {
    if (Row < 0 || static_cast<std::size_t>(Row) >= FCells.size()) return {};
    const auto& R = FCells[static_cast<std::size_t>(Row)];
    return Col >= 0 && static_cast<std::size_t>(Col) < R.size() ? R[static_cast<std::size_t>(Col)]
                                                                : String();
}

void TStringGrid::SetCells(int Col, int Row, const String& Value) {
    if (Col < 0 || Col >= ColCount()) RaiseListIndexError<EListError>(Col);
    if (Row < 0 || Row >= RowCount()) RaiseListIndexError<EListError>(Row);
    if (FCells.size() <= static_cast<std::size_t>(Row))
        FCells.resize(static_cast<std::size_t>(Row) + 1);
    auto& R = FCells[static_cast<std::size_t>(Row)];
    if (R.size() <= static_cast<std::size_t>(Col)) R.resize(static_cast<std::size_t>(Col) + 1);
    R[static_cast<std::size_t>(Col)] = Value;
}

// ---- TValueListEditor ----

TClass TValueListEditor::StaticClass() {
    const TGridOptions DefaultOptions{goFixedVertLine, goFixedHorzLine, goVertLine,
                                      goHorzLine,      goColSizing,     goAlwaysShowEditor,
                                      goThumbTracking};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TValueListEditor>("TValueListEditor")
        .Prop("Align", &TValueListEditor::Align, &TValueListEditor::SetAlign).Default(alNone)
        .Prop("Anchors", &TValueListEditor::Anchors, &TValueListEditor::SetAnchors).Default(DefaultAnchors)
        .Prop("BorderStyle", &TValueListEditor::BorderStyle, &TValueListEditor::SetBorderStyle).Default(bsSingle)
        .Prop("Color", &TValueListEditor::Color, &TValueListEditor::SetColor).Default(clWindow).Stored(&TValueListEditor::IsColorStored)
        .Prop("DefaultColWidth", &TValueListEditor::DefaultColWidth, &TValueListEditor::SetDefaultColWidth).Default(150)
        .Prop("DefaultRowHeight", &TValueListEditor::DefaultRowHeight, &TValueListEditor::SetDefaultRowHeight).Default(18)
        .Prop("DisplayOptions", &TValueListEditor::DisplayOptions, &TValueListEditor::SetDisplayOptions).Default(TDisplayOptions{doColumnTitles, doAutoColResize, doKeyColFixed})
        .Prop("Enabled", &TValueListEditor::Enabled, &TValueListEditor::SetEnabled).Default(true)
        .Prop("FixedColor", &TValueListEditor::FixedColor, &TValueListEditor::SetFixedColor).Default(clBtnFace)
        .Prop("Font", &TValueListEditor::Font, &TValueListEditor::SetFont).Stored(&TValueListEditor::IsFontStored)
        .Prop("KeyOptions", &TValueListEditor::KeyOptions, &TValueListEditor::SetKeyOptions).Default(TKeyOptions{})
        .Prop("Options", &TValueListEditor::Options, &TValueListEditor::SetOptions).Default(DefaultOptions)
        .Prop("ParentColor", &TValueListEditor::ParentColor, &TValueListEditor::SetParentColor).Default(false)
        .Prop("ParentFont", &TValueListEditor::ParentFont, &TValueListEditor::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TValueListEditor::ParentShowHint, &TValueListEditor::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TValueListEditor::PopupMenu, &TValueListEditor::SetPopupMenu)
        .Prop("ScrollBars", &TValueListEditor::ScrollBars, &TValueListEditor::SetScrollBars).Default(ssBoth)
        .Prop("ShowHint", &TValueListEditor::ShowHint, &TValueListEditor::SetShowHint).Stored(&TValueListEditor::IsShowHintStored)
        .Prop("Strings", &TValueListEditor::Strings, &TValueListEditor::SetStrings)
        .Prop("TabOrder", &TValueListEditor::TabOrder, &TValueListEditor::SetTabOrder).Default(-1)
        .Prop("TabStop", &TValueListEditor::TabStop, &TValueListEditor::SetTabStop).Default(true)
        .Prop("TitleCaptions", &TValueListEditor::TitleCaptions, &TValueListEditor::SetTitleCaptions)
        .Prop("Visible", &TValueListEditor::Visible, &TValueListEditor::SetVisible).Default(true)
        .Prop("OnClick", &TValueListEditor::OnClick, &TValueListEditor::SetOnClick)
        .Prop("OnDblClick", &TValueListEditor::OnDblClick, &TValueListEditor::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TValueListEditor::TValueListEditor(TComponent* AOwner)
    : TCustomGrid(AOwner), FStrings(new TStringList), FTitleCaptions(new TStringList) {
    SetColCount(2);
    SetRowCount(2);
    SetFixedCols(0);
    SetDefaultColWidth(150);
    SetDefaultRowHeight(18);
    SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing,
                goAlwaysShowEditor, goThumbTracking});
    FTitleCaptions->Add("Key");
    FTitleCaptions->Add("Value");
}

TValueListEditor::~TValueListEditor() {}

void TValueListEditor::SetStrings(TStrings* Value) {
    FStrings->Assign(Value);
    SetRowCount(FStrings->Count() + 1);
}

void TValueListEditor::SetTitleCaptions(TStrings* Value) {
    FTitleCaptions->Assign(Value);
}

String TValueListEditor::Values(const String& Key) const {
    return FStrings->Values(Key);
}

} // namespace host
