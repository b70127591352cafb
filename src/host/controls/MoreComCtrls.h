// Common controls beyond the page control, status bar and list view: TTabControl (tabs over
// one client area), TDateTimePicker, TComboBoxEx (items with images, ItemsEx) and TRichEdit.
#pragma once

#include <memory>

#include "host/classes/Collection.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/StdCtrls.h"

namespace host {

class TCustomImageList;
class TStrings;

// The tab styles of a tab control (named apart from the tab set's TTabStyle).
enum TTabControlStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// Tabs over one client area; the application shows what belongs to TabIndex. Setting
// TabIndex changes quietly; the person's pick (Pick) asks OnChanging, then fires OnChange.
class TTabControl : public TWinControl {
    ZT_CLASS(TTabControl, TWinControl)
public:
    explicit TTabControl(TComponent* AOwner);
    ~TTabControl() override;
    using TControl::Font;
    using TControl::ParentFont;
    using TControl::SetFont;
    using TControl::SetParentFont;
    TStrings* Tabs() const { return FTabs.get(); }
    void SetTabs(TStrings* Value);
    // -1 for none; other values outside the tabs are ignored (kept while loading).
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool Value) { FHotTrack = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value) { FMultiLine = Value; }
    bool RaggedRight() const { return FRaggedRight; }
    void SetRaggedRight(bool Value) { FRaggedRight = Value; }
    TTabControlStyle Style() const { return FStyle; }
    void SetStyle(TTabControlStyle Value) { FStyle = Value; }
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value) { FTabHeight = Value; }
    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value) { FTabPosition = Value; }
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int Value) { FTabWidth = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TTabChangingEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(const TTabChangingEvent& Value) { FOnChanging = Value; }
    void Pick(int Index);
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TStrings> FTabs;
    int FTabIndex = -1;
    bool FHotTrack = false;
    TCustomImageList* FImages = nullptr;
    bool FMultiLine = false;
    bool FRaggedRight = false;
    TTabControlStyle FStyle = tsTabs;
    int FTabHeight = 0;
    TTabPosition FTabPosition = tpTop;
    int FTabWidth = 0;
    TNotifyEvent FOnChange;
    TTabChangingEvent FOnChanging;
};

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };
enum TDTDateMode { dmComboBox, dmUpDown };

// A date or time field with a drop-down calendar. Date is the whole days, Time the fraction
// of a day of one date-time value.
class TDateTimePicker : public TWinControl {
    ZT_CLASS(TDateTimePicker, TWinControl)
public:
    explicit TDateTimePicker(TComponent* AOwner);
    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;
    double DateTime() const { return FDateTime; }
    void SetDateTime(double Value);
    double Date() const;
    void SetDate(double Value);
    double Time() const;
    void SetTime(double Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; }
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat Value) { FDateFormat = Value; }
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode Value) { FDateMode = Value; }
    const String& Format() const { return FFormat; }
    void SetFormat(const String& Value) { FFormat = Value; }
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value) { FKind = Value; }
    double MaxDate() const { return FMaxDate; }
    void SetMaxDate(double Value) { FMaxDate = Value; }
    double MinDate() const { return FMinDate; }
    void SetMinDate(double Value) { FMinDate = Value; }
    bool ParseInput() const { return FParseInput; }
    void SetParseInput(bool Value) { FParseInput = Value; }
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool Value) { FShowCheckbox = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TNotifyEvent& OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(const TNotifyEvent& Value) { FOnCloseUp = Value; }
    const TNotifyEvent& OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(const TNotifyEvent& Value) { FOnDropDown = Value; }

private:
    double FDateTime = 0;
    bool FChecked = true;
    TDTDateFormat FDateFormat = dfShort;
    TDTDateMode FDateMode = dmComboBox;
    String FFormat;
    TDateTimeKind FKind = dtkDate;
    double FMaxDate = 0;
    double FMinDate = 0;
    bool FParseInput = false;
    bool FShowCheckbox = false;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnCloseUp;
    TNotifyEvent FOnDropDown;
};

// One item of an extended combo box.
class TComboExItem : public TCollectionItem {
    ZT_CLASS(TComboExItem, TCollectionItem)
public:
    explicit TComboExItem(TCollection* Collection) : TCollectionItem(Collection) {}
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    int Indent() const { return FIndent; }
    void SetIndent(int Value) { FIndent = Value; }
    int OverlayImageIndex() const { return FOverlayImageIndex; }
    void SetOverlayImageIndex(int Value) { FOverlayImageIndex = Value; }
    int SelectedImageIndex() const { return FSelectedImageIndex; }
    void SetSelectedImageIndex(int Value) { FSelectedImageIndex = Value; }
    String DisplayName() const override { return FCaption; }
    void Assign(const TPersistent* Source) override;

private:
    String FCaption;
    int FImageIndex = -1;
    int FIndent = -1;
    int FOverlayImageIndex = -1;
    int FSelectedImageIndex = -1;
};

class TComboExItems : public TOwnedCollection {
    ZT_CLASS(TComboExItems, TOwnedCollection)
public:
    explicit TComboExItems(TPersistent* Owner)
        : TOwnedCollection(Owner, TComboExItem::StaticClass()) {}
    TComboExItem* Add() { return static_cast<TComboExItem*>(TCollection::Add()); }
    TComboExItem* Items(int Index) const {
        return static_cast<TComboExItem*>(TCollection::Items(Index));
    }
    void Update(TCollectionItem* Item) override;
};

enum TComboBoxExStyle { csExDropDown, csExSimple, csExDropDownList };

// A combo box whose items (ItemsEx) carry images and indents; Items follows their captions.
class TComboBoxEx : public TCustomComboBox {
    ZT_CLASS(TComboBoxEx, TCustomComboBox)
public:
    explicit TComboBoxEx(TComponent* AOwner);
    ~TComboBoxEx() override;
    TComboExItems* ItemsEx() const { return FItemsEx.get(); }
    void SetItemsEx(TComboExItems* Value) { FItemsEx->Assign(Value); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TComboBoxExStyle StyleEx() const { return FStyleEx; }
    void SetStyleEx(TComboBoxExStyle Value) { FStyleEx = Value; }
    // The captions of ItemsEx again as Items.
    void ItemsExChanged();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TComboExItems> FItemsEx;
    TCustomImageList* FImages = nullptr;
    TComboBoxExStyle FStyleEx = csExDropDown;
};

// A memo with character formatting; the host keeps plain text lines here.
class TRichEdit : public TCustomMemo {
    ZT_CLASS(TRichEdit, TCustomMemo)
public:
    explicit TRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) {}
    bool HideScrollBars() const { return FHideScrollBars; }
    void SetHideScrollBars(bool Value) { FHideScrollBars = Value; }
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool Value) { FPlainText = Value; }
    int Zoom() const { return FZoom; }
    void SetZoom(int Value) { FZoom = Value; }

private:
    bool FHideScrollBars = true;
    bool FPlainText = false;
    int FZoom = 100;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TTabControlStyle);
ZT_DECLARE_TYPEINFO(host::TTabPosition);
ZT_DECLARE_TYPEINFO(host::TDateTimeKind);
ZT_DECLARE_TYPEINFO(host::TDTDateFormat);
ZT_DECLARE_TYPEINFO(host::TDTDateMode);
ZT_DECLARE_TYPEINFO(host::TComboBoxExStyle);
