// TDBGrid: a grid that shows the records of a data source, with persistent Columns whose
// titles (Title.Caption) default to the display labels of their fields.
#pragma once

#include <memory>

#include "host/classes/Collection.h"
#include "host/controls/Controls.h"
#include "host/controls/Db.h"
#include "host/controls/Forms.h"

namespace host {

class TColumn;
class TDBGrid;
class TStrings;

enum TColumnButtonStyle { cbsAuto, cbsEllipsis, cbsNone };
enum TDBGridOption {
    dgEditing,
    dgAlwaysShowEditor,
    dgTitles,
    dgIndicator,
    dgColumnResize,
    dgColLines,
    dgRowLines,
    dgTabs,
    dgRowSelect,
    dgAlwaysShowSelection,
    dgConfirmDelete,
    dgCancelOnExit,
    dgMultiSelect,
    dgTitleClick,
    dgTitleHotTrack
};
using TDBGridOptions = TSet<TDBGridOption>;

// The title of a column: Caption is the field's display label until one is set.
class TColumnTitle : public TPersistent {
    ZT_CLASS(TColumnTitle, TPersistent)
public:
    explicit TColumnTitle(TColumn* Column);
    ~TColumnTitle() override;
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    String Caption() const;
    void SetCaption(const String& Value);
    bool IsCaptionStored() const { return FCaptionAssigned; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override;
    bool IsFontStored() const { return FFontAssigned; }

private:
    void FontChanged(TObject*) { FFontAssigned = true; }
    TColumn* FColumn;
    bool FFontAssigned = false;
    TAlignment FAlignment = taLeftJustify;
    String FCaption;
    bool FCaptionAssigned = false;
    TColor FColor = clBtnFace;
    std::unique_ptr<TFont> FFont;
};

class TColumn : public TCollectionItem {
    ZT_CLASS(TColumn, TCollectionItem)
public:
    explicit TColumn(TCollection* Collection);
    ~TColumn() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TColumnButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TColumnButtonStyle Value) { FButtonStyle = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    int DropDownRows() const { return FDropDownRows; }
    void SetDropDownRows(int Value) { FDropDownRows = Value; }
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool Value) { FExpanded = Value; }
    const String& FieldName() const { return FFieldName; }
    void SetFieldName(const String& Value) { FFieldName = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TStrings* PickList() const { return FPickList.get(); }
    void SetPickList(TStrings* Value);
    bool IsPickListStored() const;
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    TColumnTitle* Title() const { return FTitle.get(); }
    void SetTitle(TColumnTitle* Value) { FTitle->Assign(Value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // The field's display width in pixels until one is set.
    int Width() const { return FWidthAssigned ? FWidth : DefaultWidth(); }
    void SetWidth(int Value);
    bool IsWidthStored() const { return FWidthAssigned; }

    bool IsFontStored() const { return FFontAssigned; }
    TDBGrid* Grid() const;
    // The field of the grid's data set that FieldName names, or nullptr.
    TField* Field() const;
    String DisplayName() const override;
    void Assign(const TPersistent* Source) override;

private:
    int DefaultWidth() const;
    void FontChanged(TObject*) { FFontAssigned = true; }
    bool FFontAssigned = false;
    TAlignment FAlignment = taLeftJustify;
    TColumnButtonStyle FButtonStyle = cbsAuto;
    TColor FColor = clWindow;
    int FDropDownRows = 7;
    bool FExpanded = true;
    String FFieldName;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TStrings> FPickList;
    bool FReadOnly = false;
    std::unique_ptr<TColumnTitle> FTitle;
    bool FVisible = true;
    int FWidth = 64;
    bool FWidthAssigned = false;
};

class TDBGridColumns : public TOwnedCollection {
    ZT_CLASS(TDBGridColumns, TOwnedCollection)
public:
    explicit TDBGridColumns(TPersistent* Owner) : TOwnedCollection(Owner, TColumn::StaticClass()) {}
    TColumn* Add() { return static_cast<TColumn*>(TCollection::Add()); }
    TColumn* Items(int Index) const { return static_cast<TColumn*>(TCollection::Items(Index)); }
};

ZT_EVENT_TYPE(TDBGridClickEvent, TObject*);

class TDBGrid : public TWinControl {
    ZT_CLASS(TDBGrid, TWinControl)
public:
    explicit TDBGrid(TComponent* AOwner);
    ~TDBGrid() override;

    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;

    TDBGridColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TDBGridColumns* Value) { FColumns->Assign(Value); }
    TDataSource* DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource* Value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value) { FFixedColor = Value; }
    TDBGridOptions Options() const { return FOptions; }
    void SetOptions(TDBGridOptions Value) { FOptions = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    TFont* TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(TFont* Value) { FTitleFont->Assign(Value); }
    const TNotifyEvent& OnTitleClick() const { return FOnTitleClick; }
    void SetOnTitleClick(const TNotifyEvent& Value) { FOnTitleClick = Value; }
    const TNotifyEvent& OnCellClick() const { return FOnCellClick; }
    void SetOnCellClick(const TNotifyEvent& Value) { FOnCellClick = Value; }
    const TNotifyEvent& OnColEnter() const { return FOnColEnter; }
    void SetOnColEnter(const TNotifyEvent& Value) { FOnColEnter = Value; }
    const TNotifyEvent& OnColExit() const { return FOnColExit; }
    void SetOnColExit(const TNotifyEvent& Value) { FOnColExit = Value; }
    const TNotifyEvent& OnEditButtonClick() const { return FOnEditButtonClick; }
    void SetOnEditButtonClick(const TNotifyEvent& Value) { FOnEditButtonClick = Value; }

    // The texts the grid shows: the column titles (a title row), then one row per record.
    std::vector<std::vector<String>> Cells() const;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TDBGridColumns> FColumns;
    TDataSource* FDataSource = nullptr;
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FDefaultDrawing = true;
    TColor FFixedColor = clBtnFace;
    TDBGridOptions FOptions{dgEditing,      dgTitles,     dgIndicator,    dgColumnResize,
                            dgColLines,     dgRowLines,   dgTabs,         dgConfirmDelete,
                            dgCancelOnExit, dgTitleClick, dgTitleHotTrack};
    bool FReadOnly = false;
    std::unique_ptr<TFont> FTitleFont;
    TNotifyEvent FOnTitleClick;
    TNotifyEvent FOnCellClick;
    TNotifyEvent FOnColEnter;
    TNotifyEvent FOnColExit;
    TNotifyEvent FOnEditButtonClick;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TColumnButtonStyle);
ZT_DECLARE_TYPEINFO(host::TDBGridOption);
ZT_DECLARE_TYPEINFO(host::TDBGridOptions);
