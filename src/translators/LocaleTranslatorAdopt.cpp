#include "translators/LocaleTranslator.h"

#include "host/controls/Dialogs.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"

#include <algorithm>
#include <optional>

using namespace host;

namespace zantor {

namespace {

enum class TAdoptKind {
    None,
    TabSet,
    ListBox,
    ComboBox,
    RadioGroup,
    MainMenu,
    PopupMenu,
    MenuItem
};

TAdoptKind KindOf(const TComponent* C) {
    if (!C) return TAdoptKind::None;
    if (C->InheritsFrom(TTabSet::StaticClass())) return TAdoptKind::TabSet;
    if (C->InheritsFrom(TListBox::StaticClass())) return TAdoptKind::ListBox;
    if (C->InheritsFrom(TComboBox::StaticClass())) return TAdoptKind::ComboBox;
    if (C->InheritsFrom(TRadioGroup::StaticClass())) return TAdoptKind::RadioGroup;
    if (C->InheritsFrom(TMainMenu::StaticClass())) return TAdoptKind::MainMenu;
    if (C->InheritsFrom(TPopupMenu::StaticClass())) return TAdoptKind::PopupMenu;
    if (C->InheritsFrom(TMenuItem::StaticClass())) return TAdoptKind::MenuItem;
    return TAdoptKind::None;
}

} // namespace

bool TLocaleTranslator::IsAdoptable(const TComponent* C) {
    return KindOf(C) != TAdoptKind::None;
}

namespace {

bool IsMenu(TAdoptKind K) {
    return K == TAdoptKind::MainMenu || K == TAdoptKind::PopupMenu || K == TAdoptKind::MenuItem;
}

// One per process: set while a pick in an adopted radio group is handled, so that the
// selection update it causes neither re-enters the handler nor refills the group.
bool RadioGroupGuard = false;

class TRadioGroupPick {
public:
    TRadioGroupPick() { RadioGroupGuard = true; }
    ~TRadioGroupPick() { RadioGroupGuard = false; }
    TRadioGroupPick(const TRadioGroupPick&) = delete;
    TRadioGroupPick& operator=(const TRadioGroupPick&) = delete;
};

// The entries of a list-type control.
TStrings* EntriesOf(TComponent* C, TAdoptKind K) {
    switch (K) {
    case TAdoptKind::TabSet:
        return static_cast<TTabSet*>(C)->Tabs();
    case TAdoptKind::ListBox:
        return static_cast<TListBox*>(C)->Items();
    case TAdoptKind::ComboBox:
        return static_cast<TComboBox*>(C)->Items();
    case TAdoptKind::RadioGroup:
        return static_cast<TRadioGroup*>(C)->Items();
    default:
        return nullptr;
    }
}

int SelectionOf(TComponent* C, TAdoptKind K) {
    switch (K) {
    case TAdoptKind::TabSet:
        return static_cast<TTabSet*>(C)->TabIndex();
    case TAdoptKind::ListBox:
        return static_cast<TListBox*>(C)->ItemIndex();
    case TAdoptKind::ComboBox:
        return static_cast<TComboBox*>(C)->ItemIndex();
    case TAdoptKind::RadioGroup:
        return static_cast<TRadioGroup*>(C)->ItemIndex();
    default:
        return -1;
    }
}

void Select(TComponent* C, TAdoptKind K, int Index) {
    switch (K) {
    case TAdoptKind::TabSet:
        static_cast<TTabSet*>(C)->SetTabIndex(Index);
        break;
    case TAdoptKind::ListBox:
        static_cast<TListBox*>(C)->SetItemIndex(Index);
        break;
    case TAdoptKind::ComboBox:
        static_cast<TComboBox*>(C)->SetItemIndex(Index);
        break;
    case TAdoptKind::RadioGroup:
        static_cast<TRadioGroup*>(C)->SetItemIndex(Index);
        break;
    default:
        break;
    }
}

// The item whose sub-items the language items are.
TMenuItem* MenuRoot(TComponent* C, TAdoptKind K) {
    if (K == TAdoptKind::MenuItem) return static_cast<TMenuItem*>(C);
    return static_cast<TMenu*>(C)->Items();
}

int PositionOf(const TStrings& Entries, Integer Id) {
    for (int i = 0; i < Entries.Count(); ++i)
        if (ObjectToInt(Entries.Objects(i)) == Id) return i;
    return -1;
}

// The locale of the selected entry of a control of kind K; nothing when no entry is
// selected or the control is of another kind.
std::optional<Integer> PickedLocale(TObject* Sender, TAdoptKind K) {
    auto* C = As<TComponent>(Sender);
    if (!C || KindOf(C) != K) return std::nullopt;
    const int Index = SelectionOf(C, K);
    TStrings* Entries = EntriesOf(C, K);
    if (!Entries || Index < 0 || Index >= Entries->Count()) return std::nullopt;
    return ObjectToInt(Entries->Objects(Index));
}

} // namespace

void TLocaleTranslator::SetAdoptOn(TComponent* Value) {
    if (Value == FAdoptOn) return;
    if (Value && KindOf(Value) == TAdoptKind::None) {
        ShowMessage("Error setting AdoptOn property, an illigal component");
        return;
    }
    FAdoptOn = Value;
    if (Value) Value->FreeNotification(this);
    UpdateAdoptOn();
}

void TLocaleTranslator::UpdateAdoptOn() {
    if (!FAdoptOn) {
        UpdateLanguageSelection();
        return;
    }
    FillAdoptOn();
    UpdateLanguageSelection();
}

void TLocaleTranslator::InstallHandler(TComponent* C, const TNotifyEvent& Handler) {
    static_cast<TControl*>(C)->SetOnClick(Handler);
    if (std::find(FHandled.begin(), FHandled.end(), C) == FHandled.end()) FHandled.push_back(C);
}

// Items this translator made are freed; others are only taken out of the menu.
void TLocaleTranslator::ClearMenu(TMenuItem* Root) {
    for (int i = Root->Count() - 1; i >= 0; --i) {
        TMenuItem* Item = Root->Items(i);
        Root->Delete(i);
        if (Item->Owner() == this) Item->Free();
    }
}

void TLocaleTranslator::FillAdoptOn() {
    const TAdoptKind K = KindOf(FAdoptOn);
    const bool Untouched = K == TAdoptKind::RadioGroup && RadioGroupGuard;
    TStrings* Entries = Untouched ? nullptr : EntriesOf(FAdoptOn, K);
    switch (K) {
    case TAdoptKind::TabSet:
        InstallHandler(FAdoptOn, TNotifyEvent(this, &TLocaleTranslator::OnTabSetClick));
        break;
    case TAdoptKind::ListBox:
        InstallHandler(FAdoptOn, TNotifyEvent(this, &TLocaleTranslator::OnListBoxClick));
        break;
    case TAdoptKind::ComboBox:
        InstallHandler(FAdoptOn, TNotifyEvent(this, &TLocaleTranslator::OnComboBoxClick));
        break;
    case TAdoptKind::RadioGroup:
        if (!Untouched)
            InstallHandler(FAdoptOn, TNotifyEvent(this, &TLocaleTranslator::OnRadioGroupClick));
        break;
    default:
        ClearMenu(MenuRoot(FAdoptOn, K));
        break;
    }
    UpdateLangList();
    // One change for the control, however many locales: a radio group rebuilds its buttons.
    if (Entries) {
        Entries->BeginUpdate();
        Entries->Clear();
    }
    for (int i = 0; i < FLangList->Count(); ++i) {
        const String& Text = FLangList->Line(i);
        TObject* Id = FLangList->Objects(i);
        if (Entries) {
            Entries->AddObject(Text, Id);
        } else if (IsMenu(K)) {
            auto* Item = new TMenuItem(this);
            Item->SetCaption(Text);
            Item->SetRadioItem(true);
            Item->SetTag(ObjectToInt(Id));
            Item->SetOnClick(TNotifyEvent(this, &TLocaleTranslator::OnMenuItemClick));
            MenuRoot(FAdoptOn, K)->Add(Item);
        }
    }
    if (Entries) Entries->EndUpdate();
}

void TLocaleTranslator::UpdateLanguageSelection() {
    const TAdoptKind K = KindOf(FAdoptOn);
    if (K == TAdoptKind::None) return;
    if (IsMenu(K)) {
        TMenuItem* Root = MenuRoot(FAdoptOn, K);
        for (int i = 0; i < Root->Count(); ++i)
            Root->Items(i)->SetChecked(Root->Items(i)->Tag() == FCurrentLocale);
        return;
    }
    Select(FAdoptOn, K, PositionOf(*EntriesOf(FAdoptOn, K), FCurrentLocale));
}

// A pick whose switch did not happen puts the mark back on the current locale, so the
// control never shows another locale than the one in force.
void TLocaleTranslator::PickLocale(Integer Id) {
    if (Id == FCurrentLocale) return;
    if (!TranslateLocale(Id)) UpdateLanguageSelection();
    FOnLocaleSelect(this);
}

void TLocaleTranslator::OnMenuItemClick(TObject* Sender) {
    if (auto* Item = As<TMenuItem>(Sender)) PickLocale(Item->Tag());
}

void TLocaleTranslator::OnTabSetClick(TObject* Sender) {
    if (auto Id = PickedLocale(Sender, TAdoptKind::TabSet)) PickLocale(*Id);
}

void TLocaleTranslator::OnListBoxClick(TObject* Sender) {
    if (auto Id = PickedLocale(Sender, TAdoptKind::ListBox)) PickLocale(*Id);
}

void TLocaleTranslator::OnComboBoxClick(TObject* Sender) {
    if (auto Id = PickedLocale(Sender, TAdoptKind::ComboBox)) PickLocale(*Id);
}

void TLocaleTranslator::OnRadioGroupClick(TObject* Sender) {
    if (RadioGroupGuard) return;
    const auto Id = PickedLocale(Sender, TAdoptKind::RadioGroup);
    if (!Id || *Id == FCurrentLocale) return;
    TRadioGroupPick Guard;
    PickLocale(*Id);
}

// Handlers left on controls would call a freed translator.
void TLocaleTranslator::ForgetHandlers() {
    for (TComponent* C : FHandled) {
        auto* Control = static_cast<TControl*>(C);
        if (Control->OnClick().Method().Data == this) Control->SetOnClick(nullptr);
    }
    FHandled.clear();
}

} // namespace zantor
