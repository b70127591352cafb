// List boxes and combo boxes of StdCtrls.h.
#include "host/classes/StringList.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace host {

ZT_DEFINE_ENUM(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable")
ZT_DEFINE_ENUM(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
               "csOwnerDrawVariable")

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

bool ValidIndex(const TStrings* Items, WPARAM Index) {
    return Index < static_cast<WPARAM>(Items->Count());
}

// LB_GETTEXT / CB_GETLBTEXT: the item and a terminator into the caller's buffer.
LRESULT CopyItem(const TStrings* Items, WPARAM Index, LPARAM Buffer, LRESULT Err) {
    if (!ValidIndex(Items, Index)) return Err;
    const String S = Items->Strings(static_cast<int>(Index));
    if (Buffer) std::memcpy(reinterpret_cast<char*>(Buffer), S.c_str(), S.size() + 1);
    return static_cast<LRESULT>(S.size());
}

LRESULT ItemLength(const TStrings* Items, WPARAM Index, LRESULT Err) {
    if (!ValidIndex(Items, Index)) return Err;
    return static_cast<LRESULT>(Items->Strings(static_cast<int>(Index)).size());
}

} // namespace

// ---- TListBox ----

TClass TCustomListBox::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomListBox>("TCustomListBox").NoCreate();
    return &Info;
}

TClass TListBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TListBox>("TListBox")
        .Prop("Align", &TListBox::Align, &TListBox::SetAlign).Default(alNone)
        .Prop("Anchors", &TListBox::Anchors, &TListBox::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TListBox::Color, &TListBox::SetColor).Default(clWindow).Stored(&TListBox::IsColorStored)
        .Prop("Columns", &TListBox::Columns, &TListBox::SetColumns).Default(0)
        .Prop("Enabled", &TListBox::Enabled, &TListBox::SetEnabled).Default(true).Stored(&TListBox::IsEnabledStored)
        .Prop("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(true)
        .Prop("Font", &TListBox::Font, &TListBox::SetFont).Stored(&TListBox::IsFontStored)
        .Prop("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight).Default(false)
        .Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).Default(16)
        .Prop("Items", &TListBox::Items, &TListBox::SetItems)
        .Prop("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(false)
        .Prop("ParentColor", &TListBox::ParentColor, &TListBox::SetParentColor).Default(false)
        .Prop("ParentFont", &TListBox::ParentFont, &TListBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TListBox::ParentShowHint, &TListBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TListBox::PopupMenu, &TListBox::SetPopupMenu)
        .Prop("ShowHint", &TListBox::ShowHint, &TListBox::SetShowHint).Stored(&TListBox::IsShowHintStored)
        .Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(false)
        .Prop("Style", &TListBox::Style, &TListBox::SetStyle).Default(lbStandard)
        .Prop("TabOrder", &TListBox::TabOrder, &TListBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TListBox::TabStop, &TListBox::SetTabStop).Default(true)
        .Prop("TabWidth", &TListBox::TabWidth, &TListBox::SetTabWidth).Default(0)
        .Prop("Visible", &TListBox::Visible, &TListBox::SetVisible).Default(true).Stored(&TListBox::IsVisibleStored)
        .Prop("OnClick", &TListBox::OnClick, &TListBox::SetOnClick).Stored(&TListBox::IsOnClickStored)
        .Prop("OnDblClick", &TListBox::OnDblClick, &TListBox::SetOnDblClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TCustomListBox::TCustomListBox(TComponent* AOwner) : TWinControl(AOwner), FItems(new TStringList) {
    FItems->SetOnChange(TNotifyEvent(this, &TCustomListBox::ItemsChanged));
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomListBox::~TCustomListBox() {
    FItems->SetOnChange(TNotifyEvent());
}

TStrings* TCustomListBox::Items() const {
    return FItems.get();
}

void TCustomListBox::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

bool TCustomListBox::Sorted() const {
    return FItems->Sorted();
}

void TCustomListBox::SetSorted(bool Value) {
    FItems->SetSorted(Value);
}

void TCustomListBox::SetItemIndex(int Value) {
    FItemIndex = Value >= 0 && Value < FItems->Count() ? Value : -1;
    if (!FMultiSelect) return;
    // Setting the current item of a multi-select list selects it alone, as the host does.
    ClearSelection();
    if (FItemIndex >= 0) SetSelected(FItemIndex, true);
}

void TCustomListBox::Pick(int Index) {
    SetItemIndex(Index);
    NotifyParent(LBN_SELCHANGE);
}

void TCustomListBox::PickToggle(int Index) {
    if (!FMultiSelect) return Pick(Index);
    CheckIndex(Index);
    SetSelected(Index, !Selected(Index));
    FItemIndex = Index;
    NotifyParent(LBN_SELCHANGE);
}

void TCustomListBox::SetMultiSelect(bool Value) {
    if (Value == FMultiSelect) return;
    FMultiSelect = Value;
    const int Current = FItemIndex;
    FSelected.assign(std::size_t(FItems->Count()), 0);
    FSelectedTexts.clear();
    if (Value && Current >= 0) SetSelected(Current, true);
}

void TCustomListBox::CheckIndex(int Index) const {
    if (Index < 0 || Index >= FItems->Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

bool TCustomListBox::Selected(int Index) const {
    CheckIndex(Index);
    if (!FMultiSelect) return Index == FItemIndex;
    return std::size_t(Index) < FSelected.size() && FSelected[std::size_t(Index)] != 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
    CheckIndex(Index);
    if (!FMultiSelect) {
        if (Value)
            FItemIndex = Index;
        else if (Index == FItemIndex)
            FItemIndex = -1;
        return;
    }
    const auto N = std::size_t(FItems->Count());
    if (FSelected.size() != N) FSelected.resize(N, 0);
    if (FSelectedTexts.size() != N) {
        FSelectedTexts.clear();
        for (int I = 0; I < FItems->Count(); ++I)
            FSelectedTexts.push_back(FItems->Strings(I));
    }
    FSelected[std::size_t(Index)] = Value ? 1 : 0;
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, true);
}

int TCustomListBox::SelCount() const {
    if (!FMultiSelect) return FItemIndex >= 0 ? 1 : 0;
    return static_cast<int>(std::count(FSelected.begin(), FSelected.end(), 1));
}

void TCustomListBox::ClearSelection() {
    if (!FMultiSelect) {
        FItemIndex = -1;
        return;
    }
    FSelected.assign(std::size_t(FItems->Count()), 0);
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, true);
}

void TCustomListBox::ItemsChanged(TObject*) {
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    if (!FMultiSelect) return;
    const auto N = std::size_t(FItems->Count());
    if (std::count(FSelected.begin(), FSelected.end(), 1) == 0) {
        FSelected.assign(N, 0);
        FSelectedTexts.clear();
        return;
    }
    // The selected texts keep their selection wherever the change moved them.
    std::map<String, int> Chosen;
    for (std::size_t I = 0; I < FSelected.size() && I < FSelectedTexts.size(); ++I)
        if (FSelected[I]) ++Chosen[FSelectedTexts[I]];
    FSelected.assign(N, 0);
    FSelectedTexts.clear();
    for (std::size_t I = 0; I < N; ++I) {
        FSelectedTexts.push_back(FItems->Strings(int(I)));
        auto It = Chosen.find(FSelectedTexts.back());
        if (It != Chosen.end() && It->second > 0) {
            FSelected[I] = 1;
            --It->second;
        }
    }
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.WinClassName = "LISTBOX";
    Params.ExStyle |= WS_EX_CLIENTEDGE;
    Params.Style |= LBS_NOTIFY | WS_VSCROLL;
    if (Sorted()) Params.Style |= LBS_SORT;
    if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
}

void TCustomListBox::CNCommand(TMessage& Message) {
    switch (HIWORD(Message.WParam)) {
    case LBN_SELCHANGE:
        Click();
        break;
    case LBN_DBLCLK:
        DblClick();
        break;
    default:
        break;
    }
}

void TCustomListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case LB_GETCOUNT:
        Message.Result = FItems->Count();
        return;
    case LB_GETCURSEL:
        Message.Result = FItemIndex < 0 ? LB_ERR : FItemIndex;
        return;
    case LB_SETCURSEL:
        SetItemIndex(static_cast<int>(Message.WParam));
        Message.Result = FItemIndex < 0 ? LB_ERR : FItemIndex;
        return;
    case LB_SETSEL: {
        // lParam -1 stands for every item.
        const int Index = static_cast<int>(Message.LParam);
        if (!FMultiSelect || Index < -1 || Index >= FItems->Count()) {
            Message.Result = LB_ERR;
            return;
        }
        for (int I = Index < 0 ? 0 : Index; I < (Index < 0 ? FItems->Count() : Index + 1); ++I)
            SetSelected(I, Message.WParam != 0);
        Message.Result = 0;
        return;
    }
    case LB_GETSEL: {
        const int Index = static_cast<int>(Message.WParam);
        Message.Result = Index < 0 || Index >= FItems->Count() ? LB_ERR : Selected(Index) ? 1 : 0;
        return;
    }
    case LB_GETSELCOUNT:
        Message.Result = FMultiSelect ? SelCount() : LB_ERR;
        return;
    case LB_GETTEXT:
        Message.Result = CopyItem(FItems.get(), Message.WParam, Message.LParam, LB_ERR);
        return;
    case LB_GETTEXTLEN:
        Message.Result = ItemLength(FItems.get(), Message.WParam, LB_ERR);
        return;
    default:
        inherited::WndProc(Message);
    }
}

// ---- TComboBox ----

TClass TCustomComboBox::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomComboBox>("TCustomComboBox").NoCreate();
    return &Info;
}

// Items come last, as the host writes them; ItemIndex waits for them in Loaded.
TClass TComboBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TComboBox>("TComboBox")
        .Prop("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown)
        .Prop("Anchors", &TComboBox::Anchors, &TComboBox::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TComboBox::Color, &TComboBox::SetColor).Default(clWindow).Stored(&TComboBox::IsColorStored)
        .Prop("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8)
        .Prop("Enabled", &TComboBox::Enabled, &TComboBox::SetEnabled).Default(true).Stored(&TComboBox::IsEnabledStored)
        .Prop("Font", &TComboBox::Font, &TComboBox::SetFont).Stored(&TComboBox::IsFontStored)
        .Prop("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight).Default(16)
        .Prop("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).Default(-1)
        .Prop("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).Default(0)
        .Prop("ParentColor", &TComboBox::ParentColor, &TComboBox::SetParentColor).Default(false)
        .Prop("ParentFont", &TComboBox::ParentFont, &TComboBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TComboBox::ParentShowHint, &TComboBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TComboBox::PopupMenu, &TComboBox::SetPopupMenu)
        .Prop("ShowHint", &TComboBox::ShowHint, &TComboBox::SetShowHint).Stored(&TComboBox::IsShowHintStored)
        .Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(false)
        .Prop("TabOrder", &TComboBox::TabOrder, &TComboBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop).Default(true)
        .Prop("Text", &TComboBox::Text, &TComboBox::SetText)
        .Prop("Visible", &TComboBox::Visible, &TComboBox::SetVisible).Default(true).Stored(&TComboBox::IsVisibleStored)
        .Prop("OnChange", &TComboBox::OnChange, &TComboBox::SetOnChange)
        .Prop("OnClick", &TComboBox::OnClick, &TComboBox::SetOnClick).Stored(&TComboBox::IsOnClickStored)
        .Prop("OnDblClick", &TComboBox::OnDblClick, &TComboBox::SetOnDblClick)
        .Prop("OnDropDown", &TComboBox::OnDropDown, &TComboBox::SetOnDropDown)
        .Prop("Items", &TComboBox::Items, &TComboBox::SetItems)
        .With(WinControlProps).With(KeyEvents)
        .Prop("Align", &TComboBox::Align, &TComboBox::SetAlign).Default(alNone)
        .Prop("AutoComplete", &TComboBox::AutoComplete, &TComboBox::SetAutoComplete).Default(true)
        .Prop("AutoDropDown", &TComboBox::AutoDropDown, &TComboBox::SetAutoDropDown).Default(false)
        .Prop("TextHint", &TComboBox::TextHint, &TComboBox::SetTextHint);
    // clang-format on
    return &Info;
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(new TStringList) {
    FItems->SetOnChange(TNotifyEvent(this, &TCustomComboBox::ItemsChanged));
    FControlStyle = {csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomComboBox::~TCustomComboBox() {
    FItems->SetOnChange(TNotifyEvent());
}

TStrings* TCustomComboBox::Items() const {
    return FItems.get();
}

void TCustomComboBox::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

bool TCustomComboBox::Sorted() const {
    return FItems->Sorted();
}

void TCustomComboBox::SetSorted(bool Value) {
    FItems->SetSorted(Value);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    if (FStyle == csDropDownList && !IsLoading())
        SetText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : String());
}

void TCustomComboBox::SetItemIndex(int Value) {
    if (IsLoading()) {
        FItemIndex = Value;
        return;
    }
    FItemIndex = Value >= 0 && Value < FItems->Count() ? Value : -1;
    SetText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : String());
}

// In a drop-down list the text is the selected item: a text selects the item it names.
void TCustomComboBox::StoreText(const String& Value) {
    if (FStyle != csDropDownList || IsLoading()) {
        inherited::StoreText(Value);
        return;
    }
    if (FItemIndex < 0 || FItems->Strings(FItemIndex) != Value)
        FItemIndex = Value.empty() ? -1 : FItems->IndexOf(Value);
    inherited::StoreText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : String());
}

void TCustomComboBox::Loaded() {
    inherited::Loaded();
    if (FItemIndex >= FItems->Count() || FItemIndex < -1) FItemIndex = -1;
    if (FStyle == csDropDownList)
        inherited::StoreText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : String());
}

void TCustomComboBox::Pick(int Index) {
    SetItemIndex(Index);
    NotifyParent(CBN_SELCHANGE);
}

void TCustomComboBox::ItemsChanged(TObject*) {
    if (IsLoading() || FItemIndex < FItems->Count()) return;
    FItemIndex = -1;
    if (FStyle == csDropDownList) SetText(String());
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.WinClassName = "COMBOBOX";
    Params.Style |= FStyle == csSimple     ? CBS_SIMPLE
                    : FStyle == csDropDown ? CBS_DROPDOWN
                                           : CBS_DROPDOWNLIST;
    if (Sorted()) Params.Style |= CBS_SORT;
}

void TCustomComboBox::CNCommand(TMessage& Message) {
    switch (HIWORD(Message.WParam)) {
    case CBN_SELCHANGE:
        Click();
        Change();
        break;
    case CBN_EDITCHANGE:
        Change();
        break;
    default:
        break;
    }
}

void TCustomComboBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CB_GETCOUNT:
        Message.Result = FItems->Count();
        return;
    case CB_GETCURSEL:
        Message.Result = FItemIndex < 0 ? CB_ERR : FItemIndex;
        return;
    case CB_SETCURSEL:
        SetItemIndex(static_cast<int>(Message.WParam));
        Message.Result = FItemIndex < 0 ? CB_ERR : FItemIndex;
        return;
    case CB_GETLBTEXT:
        Message.Result = CopyItem(FItems.get(), Message.WParam, Message.LParam, CB_ERR);
        return;
    case CB_GETLBTEXTLEN:
        Message.Result = ItemLength(FItems.get(), Message.WParam, CB_ERR);
        return;
    default:
        inherited::WndProc(Message);
    }
}

} // namespace host
