// Common controls: the page control with its tab sheets, the status bar with its panels and
// the list view with its columns.
#pragma once

#include <memory>

#include "host/classes/Collection.h"
#include "host/controls/Controls.h"
#include "host/controls/Forms.h"

#include <vector>

namespace host {

class TPageControl;

ZT_EVENT_TYPE(TTabChangingEvent, TObject*, bool&);
// Sender, the item, what changes (0 text, 1 image, 2 state), may the change happen.
ZT_EVENT_TYPE(TLVChangingEvent, TObject*, TObject*, int, bool&);

// A page of a page control: the control it is placed on (its parent) lists it.
class TTabSheet : public TWinControl {
    ZT_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* AOwner);

    using TControl::Caption;
    using TControl::Font;
    using TControl::ParentFont;
    using TControl::SetCaption;
    using TControl::SetFont;
    using TControl::SetParentFont;

    // The page control it is on, or nullptr; setting it is SetParent.
    TPageControl* PageControl() const;
    void SetPageControl(TPageControl* Value);
    // Position among the page control's pages, -1 without one; setting moves the page
    // (clamped to the valid positions).
    int PageIndex() const;
    void SetPageIndex(int Value);
    // Whether its tab shows.
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value) { FTabVisible = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }

    // Joining or leaving a page control adds it to or removes it from the pages.
    void SetParent(TWinControl* AParent) override;

private:
    bool FTabVisible = true;
    int FImageIndex = 0;
};

// Tabbed pages, of which ActivePage shows. Setting ActivePage changes the page quietly; the
// person's click on a tab (Pick) asks OnChanging, which may refuse, then fires OnChange.
class TPageControl : public TWinControl {
    ZT_CLASS(TPageControl, TWinControl)
public:
    explicit TPageControl(TComponent* AOwner);

    using TControl::Font;
    using TControl::ParentFont;
    using TControl::SetFont;
    using TControl::SetParentFont;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TTabSheet* Pages(int Index) const;
    // A sheet of another page control is ignored; nullptr shows none.
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Value);
    // -1 without an active page; other values outside the pages are ignored.
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // What the person's click on the tab of page Index does.
    void Pick(int Index);

    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value) { FMultiLine = Value; }
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value) { FTabHeight = Value; }
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int Value) { FTabWidth = Value; }

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TTabChangingEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TTabChangingEvent& Value) { FOnChanging = Value; }

    // The sheets owned by Root, in page order.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int Index);
    void ShowActivePage();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    bool FMultiLine = false;
    int FTabHeight = 0;
    int FTabWidth = 0;
    TNotifyEvent FOnChange;
    TTabChangingEvent FOnChanging;
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

// One panel of a status bar.
class TStatusPanel : public TCollectionItem {
    ZT_CLASS(TStatusPanel, TCollectionItem)
public:
    explicit TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);
    const String& Text() const { return FText; }
    void SetText(const String& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);

    // The text, or the class name for an empty one.
    String DisplayName() const override;
    void Assign(const TPersistent* Source) override;

private:
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
    String FText;
    int FWidth = 50;
};

class TStatusPanels : public TOwnedCollection {
    ZT_CLASS(TStatusPanels, TOwnedCollection)
public:
    explicit TStatusPanels(TPersistent* Owner)
        : TOwnedCollection(Owner, TStatusPanel::StaticClass()) {}
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const {
        return static_cast<TStatusPanel*>(TCollection::Items(Index));
    }
};

// A bar of text panels at the bottom of a form; with SimplePanel it shows SimpleText alone.
class TStatusBar : public TWinControl {
    ZT_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    using TControl::Font;
    using TControl::ParentFont;
    using TControl::SetFont;
    using TControl::SetParentFont;

    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value) { FSimplePanel = Value; }
    const String& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const String& Value) { FSimpleText = Value; }
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value) { FSizeGrip = Value; }

private:
    std::unique_ptr<TStatusPanels> FPanels;
    bool FSimplePanel = false;
    String FSimpleText;
    bool FSizeGrip = true;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

// One column of a list view in report style.
class TListColumn : public TCollectionItem {
    ZT_CLASS(TListColumn, TCollectionItem)
public:
    explicit TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    // Kept between MinWidth and MaxWidth (where those are not 0).
    int Width() const { return FWidth; }
    void SetWidth(int Value);

    // The caption, or the class name for an empty one.
    String DisplayName() const override;
    void Assign(const TPersistent* Source) override;

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
    String FCaption;
    int FMaxWidth = 0;
    int FMinWidth = 0;
    int FWidth = 50;
};

class TListColumns : public TOwnedCollection {
    ZT_CLASS(TListColumns, TOwnedCollection)
public:
    explicit TListColumns(TPersistent* Owner)
        : TOwnedCollection(Owner, TListColumn::StaticClass()) {}
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int Index) const {
        return static_cast<TListColumn*>(TCollection::Items(Index));
    }
};

// A list of items shown as icons, a list or a report with Columns.
class TListView : public TWinControl {
    ZT_CLASS(TListView, TWinControl)
public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;

    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;

    TListColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TListColumns* Value) { FColumns->Assign(Value); }
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value) { FViewStyle = Value; }
    bool ColumnClick() const { return FColumnClick; }
    void SetColumnClick(bool Value) { FColumnClick = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value) { FMultiSelect = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool Value) { FShowColumnHeaders = Value; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    const TLVChangingEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TLVChangingEvent& Value) { FOnChanging = Value; }

private:
    std::unique_ptr<TListColumns> FColumns;
    TViewStyle FViewStyle = vsIcon;
    bool FColumnClick = true;
    bool FHideSelection = true;
    bool FMultiSelect = false;
    bool FReadOnly = false;
    bool FRowSelect = false;
    bool FShowColumnHeaders = true;
    TFormBorderStyle FBorderStyle = bsSingle;
    TLVChangingEvent FOnChanging;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TStatusPanelBevel);
ZT_DECLARE_TYPEINFO(host::TStatusPanelStyle);
ZT_DECLARE_TYPEINFO(host::TViewStyle);
