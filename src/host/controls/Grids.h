// Grids: TStringGrid, a grid of text cells (the cells are the program's; the form file holds
// the grid's shape, with ColWidths/RowHeights where they differ from the defaults), and
// TValueListEditor, a two-column grid of name=value lines (Strings) under TitleCaptions.
#pragma once

#include <memory>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"

#include <vector>

namespace host {

class TStrings;

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
    goFixedColClick,
    goFixedRowClick,
    goFixedHotTrack
};
using TGridOptions = TSet<TGridOption>;

class TCustomGrid : public TWinControl {
    ZT_CLASS(TCustomGrid, TWinControl)
public:
    explicit TCustomGrid(TComponent* AOwner);
    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    // Changing the counts keeps the widths and heights of the columns and rows that stay.
    int ColCount() const { return static_cast<int>(FColWidths.size()); }
    void SetColCount(int Value);
    int RowCount() const { return static_cast<int>(FRowHeights.size()); }
    void SetRowCount(int Value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value) { FFixedColor = Value; }
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value) { FFixedCols = Value; }
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value) { FFixedRows = Value; }
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value) { FOptions = Value; }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value) { FScrollBars = Value; }
    // Raise EListError for a column or row outside the grid.
    int ColWidths(int Col) const;
    void SetColWidths(int Col, int Width);
    int RowHeights(int Row) const;
    void SetRowHeights(int Row, int Height);

    // ColWidths and RowHeights, as lists, where one differs from the default.
    void DefineProperties(TFiler* Filer) override;

private:
    TFormBorderStyle FBorderStyle = bsSingle;
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    TColor FFixedColor = clBtnFace;
    int FFixedCols = 1;
    int FFixedRows = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle FScrollBars = ssBoth;
};

class TStringGrid : public TCustomGrid {
    ZT_CLASS(TStringGrid, TCustomGrid)
public:
    explicit TStringGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
    // "" outside the grid; writing outside raises EListError.
    String Cells(int Col, int Row) const;
    void SetCells(int Col, int Row, const String& Value);

private:
    std::vector<std::vector<String>> FCells;
};

enum TKeyOption { keyEdit, keyAdd, keyDelete, keyUnique };
using TKeyOptions = TSet<TKeyOption>;
enum TDisplayOption { doColumnTitles, doAutoColResize, doKeyColFixed };
using TDisplayOptions = TSet<TDisplayOption>;

class TValueListEditor : public TCustomGrid {
    ZT_CLASS(TValueListEditor, TCustomGrid)
public:
    explicit TValueListEditor(TComponent* AOwner);
    ~TValueListEditor() override;
    // The name=value lines shown, one per row.
    TStrings* Strings() const { return FStrings.get(); }
    void SetStrings(TStrings* Value);
    // The captions of the two column titles ("Key", "Value").
    TStrings* TitleCaptions() const { return FTitleCaptions.get(); }
    void SetTitleCaptions(TStrings* Value);
    TKeyOptions KeyOptions() const { return FKeyOptions; }
    void SetKeyOptions(TKeyOptions Value) { FKeyOptions = Value; }
    TDisplayOptions DisplayOptions() const { return FDisplayOptions; }
    void SetDisplayOptions(TDisplayOptions Value) { FDisplayOptions = Value; }
    // The value of the line named Key, "" when there is none.
    String Values(const String& Key) const;

private:
    std::unique_ptr<TStrings> FStrings;
    std::unique_ptr<TStrings> FTitleCaptions;
    TKeyOptions FKeyOptions;
    TDisplayOptions FDisplayOptions{doColumnTitles, doAutoColResize, doKeyColFixed};
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TGridOption);
ZT_DECLARE_TYPEINFO(host::TGridOptions);
ZT_DECLARE_TYPEINFO(host::TKeyOption);
ZT_DECLARE_TYPEINFO(host::TKeyOptions);
ZT_DECLARE_TYPEINFO(host::TDisplayOption);
ZT_DECLARE_TYPEINFO(host::TDisplayOptions);
