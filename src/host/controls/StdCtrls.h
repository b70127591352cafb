// Standard controls: labels, static texts, push buttons, check boxes, radio buttons, group
// boxes, single- and multi-line edits, list boxes and combo boxes. The TCustom* classes hold
// the behaviour; the plain classes publish what form files stream. Windowed ones live in the
// window layer's predefined classes ("BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX"),
// whose standard messages they answer themselves.
#pragma once

#include <memory>
#include <vector>

#include "host/classes/Strings.h"
#include "host/controls/Controls.h"

namespace host {

class TStringList;

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// Text on its parent's surface; "&" marks the accelerator that focuses FocusControl.
class TCustomLabel : public TControl {
    ZT_CLASS(TCustomLabel, TControl)
public:
    explicit TCustomLabel(TComponent* AOwner);

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
    // Kept for streaming; sizing to the text comes with text measuring.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value) { FLayout = Value; }
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value) { FShowAccelChar = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TWinControl* FFocusControl = nullptr;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FWordWrap = false;
};

class TLabel : public TCustomLabel {
    ZT_CLASS(TLabel, TCustomLabel)
public:
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

// Push buttons, check boxes and radio buttons: windows of the "BUTTON" class. BM_CLICK, and
// BN_CLICKED from the window to its parent, do what a click of the person does; BM_GETCHECK
// answers the check state.
class TButtonControl : public TWinControl {
    ZT_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {}
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CNCommand(TMessage& Message) override;
    // What a click of the person does.
    virtual void UserClick() = 0;
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    virtual LRESULT CheckState() const { return 0; }
};

// A push button. Clicking it sets its form's ModalResult to its own, which ends a modal
// form when not mrNone.
class TButton : public TButtonControl {
    ZT_CLASS(TButton, TButtonControl)
public:
    explicit TButton(TComponent* AOwner);

    using TControl::Caption;
    using TControl::Font;
    using TControl::ParentFont;
    using TControl::SetCaption;
    using TControl::SetFont;
    using TControl::SetParentFont;

    // Default: Enter clicks it; Cancel: Esc clicks it.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void UserClick() override { Click(); }

private:
    bool FDefault = false;
    bool FCancel = false;
    bool FWordWrap = false;
    TModalResult FModalResult = mrNone;
};

// A check box; setting State (or Checked) fires OnClick, as a click does.
class TCustomCheckBox : public TButtonControl {
    ZT_CLASS(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* AOwner);

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

    // Side of the box the caption is on: taLeftJustify or taRightJustify.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    // What a click of the person does: unchecked, (grayed when allowed,) checked, unchecked.
    void Toggle();
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    // A linked action's Checked comes over too.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void UserClick() override { Toggle(); }
    LRESULT CheckState() const override { return FState; }

private:
    TAlignment FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    bool FWordWrap = false;
    TCheckBoxState FState = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
    ZT_CLASS(TCheckBox, TCustomCheckBox)
public:
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

// A radio button. Checking it unchecks the other radio buttons of its parent and fires
// OnClick (not while loading); a click of the person checks it.
class TRadioButton : public TButtonControl {
    ZT_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* AOwner);

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
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void UserClick() override { SetChecked(true); }
    LRESULT CheckState() const override { return FChecked ? 1 : 0; }

private:
    TAlignment FAlignment = taRightJustify;
    bool FChecked = false;
};

// A captioned frame around other controls.
class TCustomGroupBox : public TWinControl {
    ZT_CLASS(TCustomGroupBox, TWinControl)
public:
    explicit TCustomGroupBox(TComponent* AOwner);

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
};

class TGroupBox : public TCustomGroupBox {
    ZT_CLASS(TGroupBox, TCustomGroupBox)
public:
    explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};

// Text in a window of its own (the "STATIC" class), unlike a label.
class TCustomStaticText : public TWinControl {
    ZT_CLASS(TCustomStaticText, TWinControl)
public:
    explicit TCustomStaticText(TComponent* AOwner);

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
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value) { FShowAccelChar = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FShowAccelChar = true;
};

class TStaticText : public TCustomStaticText {
    ZT_CLASS(TStaticText, TCustomStaticText)
public:
    explicit TStaticText(TComponent* AOwner) : TCustomStaticText(AOwner) {}
};

// An editable text. MaxLength limits what the person types (0: no limit), not what the
// program sets; CharCase converts every text set.
class TCustomEdit : public TWinControl {
    ZT_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* AOwner);

    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;
    using TControl::SetText;
    using TControl::Text;

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    // Shown greyed while the edit is empty.
    const String& TextHint() const { return FTextHint; }
    void SetTextHint(const String& Value) { FTextHint = Value; }
    bool NumbersOnly() const { return FNumbersOnly; }
    void SetNumbersOnly(bool Value) { FNumbersOnly = Value; }
    // Kept for streaming; sizing to the font comes with text measuring.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value; }
    // Shown instead of each character when not #0.
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char Value) { FPasswordChar = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    // The selection as byte offsets into Text; with nothing selected SelStart is the caret.
    // Setting SelStart puts the caret there and selects nothing; SelLength selects from
    // SelStart. Values are kept within the text. EM_GETSEL/EM_SETSEL do the same.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    String SelText() const;
    void SelectAll();

    void WndProc(TMessage& Message) override;

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void StoreText(const String& Value) override;
    void TextChanged() override { Change(); }
    // Fires OnChange.
    virtual void Change() { FOnChange(this); }

private:
    bool FAutoSelect = true;
    bool FNumbersOnly = false;
    String FTextHint;
    bool FAutoSize = true;
    TEditCharCase FCharCase = ecNormal;
    bool FHideSelection = true;
    int FMaxLength = 0;
    char FPasswordChar = '\0';
    bool FReadOnly = false;
    TNotifyEvent FOnChange;
};

class TEdit : public TCustomEdit {
    ZT_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

// A multi-line edit. Its text is its Lines joined with CR LF; every change of the lines
// fires OnChange.
class TCustomMemo : public TCustomEdit {
    ZT_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    TStrings* Lines() const;
    // Copies Value's lines.
    void SetLines(TStrings* Value);
    // taRightJustify puts the lines against the right edge (right-to-left reading).
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value) { FScrollBars = Value; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    String StoredText() const override;
    void StoreText(const String& Value) override;
    // The lines' change event already told.
    void TextChanged() override {}

private:
    void LinesChanged(TObject* Sender);

    std::unique_ptr<TStringList> FLines;
    TAlignment FAlignment = taLeftJustify;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
    ZT_CLASS(TMemo, TCustomMemo)
public:
    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};

// A list of strings to choose one from. Setting ItemIndex selects quietly; the person's
// choice (Pick, or LBN_SELCHANGE from the window) fires OnClick. The window answers
// LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL, LB_GETTEXT and LB_GETTEXTLEN from Items.
class TCustomListBox : public TWinControl {
    ZT_CLASS(TCustomListBox, TWinControl)
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;

    // The list's own strings; SetItems copies Value's lines.
    TStrings* Items() const;
    void SetItems(TStrings* Value);
    // -1 for no selection; values outside the items select nothing. An item deleted from
    // under the selection leaves none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // What the person's choice of item Index does: selects it (only it, in a multi-select
    // list), then tells the parent's window LBN_SELCHANGE, which fires OnClick.
    void Pick(int Index);
    // What a Ctrl+click on item Index of a multi-select list does: toggles it and makes it the
    // current item, then LBN_SELCHANGE. In a single-select list the same as Pick.
    void PickToggle(int Index);

    // Several items may be selected at once; ItemIndex is then the item with the focus.
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    // Whether item Index is selected (ItemIndex in a single-select list). Selection follows
    // the items' texts when items are added or deleted. Raises EListError "List index out of
    // bounds (i)" for a bad index.
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    void ClearSelection();
    // The item at a point of the client area as the list shows it; -1 below the last item
    // when Existing, else the index the point would have.
    int ItemAtPos(POINT Pos, bool Existing) const;

    // Sorted keeps Items in order (case ignored).
    bool Sorted() const;
    void SetSorted(bool Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value) { FExtendedSelect = Value; }
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value) { FStyle = Value; }
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int Value) { FTabWidth = Value; }

    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CNCommand(TMessage& Message) override;

private:
    void ItemsChanged(TObject* Sender);
    void CheckIndex(int Index) const;

    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    bool FMultiSelect = false;
    // One flag per item, and the items' texts the flags were set for.
    std::vector<char> FSelected;
    std::vector<String> FSelectedTexts;
    int FColumns = 0;
    bool FExtendedSelect = true;
    bool FIntegralHeight = false;
    int FItemHeight = 16;
    TListBoxStyle FStyle = lbStandard;
    int FTabWidth = 0;
};

class TListBox : public TCustomListBox {
    ZT_CLASS(TListBox, TCustomListBox)
public:
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

// An edit with a drop-down list (csDropDown, csSimple), or a drop-down list whose text is
// always the selected item (csDropDownList, where setting Text selects the item of that
// text). Setting ItemIndex selects quietly and puts the item's text in the edit; the
// person's choice (Pick, or CBN_SELCHANGE from the window) fires OnClick, then OnChange, as
// does CBN_EDITCHANGE OnChange. The window answers CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL,
// CB_GETLBTEXT and CB_GETLBTEXTLEN from Items.
class TCustomComboBox : public TWinControl {
    ZT_CLASS(TCustomComboBox, TWinControl)
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;
    using TControl::SetText;
    using TControl::Text;

    TStrings* Items() const;
    void SetItems(TStrings* Value);
    // -1 for no selection; values outside the items select nothing. While loading the value
    // is kept and applied once the items are read.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // What the person's choice of item Index does.
    void Pick(int Index);

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    bool Sorted() const;
    void SetSorted(bool Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value; }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }
    bool AutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool Value) { FAutoDropDown = Value; }
    const String& TextHint() const { return FTextHint; }
    void SetTextHint(const String& Value) { FTextHint = Value; }

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TNotifyEvent& OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(const TNotifyEvent& Value) { FOnDropDown = Value; }

    void WndProc(TMessage& Message) override;
    void Loaded() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CNCommand(TMessage& Message) override;
    void StoreText(const String& Value) override;
    virtual void Change() { FOnChange(this); }

private:
    void ItemsChanged(TObject* Sender);

    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    int FItemHeight = 16;
    int FMaxLength = 0;
    bool FAutoComplete = true;
    bool FAutoDropDown = false;
    String FTextHint;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnDropDown;
};

class TComboBox : public TCustomComboBox {
    ZT_CLASS(TComboBox, TCustomComboBox)
public:
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TTextLayout);
ZT_DECLARE_TYPEINFO(host::TCheckBoxState);
ZT_DECLARE_TYPEINFO(host::TEditCharCase);
ZT_DECLARE_TYPEINFO(host::TScrollStyle);
ZT_DECLARE_TYPEINFO(host::TListBoxStyle);
ZT_DECLARE_TYPEINFO(host::TComboBoxStyle);
