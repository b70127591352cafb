// Radio groups of ExtCtrls.h and their buttons.
#include "host/classes/StringList.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ControlProps.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Menus.h"
#include "host/rtl/HostErrors.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

} // namespace

// Items that say which line a Put replaced, so a renamed item renames one button only.
class TCustomRadioGroup::TItemStrings : public TStringList {
public:
    void Put(int Index, const String& S) override {
        PutIndex = Index;
        try {
            TStringList::Put(Index, S);
        } catch (...) {
            PutIndex = -1;
            throw;
        }
        PutIndex = -1;
    }
    int PutIndex = -1;
};

// ---- TGroupButton ----

TClass TGroupButton::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TGroupButton>("TGroupButton").NoCreate();
    return &Info;
}

TGroupButton::TGroupButton(TCustomRadioGroup* Group) : TRadioButton(Group) {
    SetParent(Group);
}

void TGroupButton::Click() {
    inherited::Click();
    if (auto* Group = As<TCustomRadioGroup>(Parent()); Group && Checked())
        Group->ButtonClicked(this);
}

// ---- TRadioGroup ----

TClass TCustomRadioGroup::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomRadioGroup>("TCustomRadioGroup").NoCreate();
    return &Info;
}

TClass TRadioGroup::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TRadioGroup>("TRadioGroup")
        .Prop("Align", &TRadioGroup::Align, &TRadioGroup::SetAlign).Default(alNone)
        .Prop("Anchors", &TRadioGroup::Anchors, &TRadioGroup::SetAnchors).Default(DefaultAnchors)
        .Prop("Caption", &TRadioGroup::Caption, &TRadioGroup::SetCaption).Stored(&TRadioGroup::IsCaptionStored)
        .Prop("Color", &TRadioGroup::Color, &TRadioGroup::SetColor).Default(clBtnFace).Stored(&TRadioGroup::IsColorStored)
        .Prop("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1)
        .Prop("Enabled", &TRadioGroup::Enabled, &TRadioGroup::SetEnabled).Default(true).Stored(&TRadioGroup::IsEnabledStored)
        .Prop("Font", &TRadioGroup::Font, &TRadioGroup::SetFont).Stored(&TRadioGroup::IsFontStored)
        .Prop("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1)
        .Prop("Items", &TRadioGroup::Items, &TRadioGroup::SetItems)
        .Prop("ParentColor", &TRadioGroup::ParentColor, &TRadioGroup::SetParentColor).Default(true)
        .Prop("ParentFont", &TRadioGroup::ParentFont, &TRadioGroup::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TRadioGroup::ParentShowHint, &TRadioGroup::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TRadioGroup::PopupMenu, &TRadioGroup::SetPopupMenu)
        .Prop("ShowHint", &TRadioGroup::ShowHint, &TRadioGroup::SetShowHint).Stored(&TRadioGroup::IsShowHintStored)
        .Prop("TabOrder", &TRadioGroup::TabOrder, &TRadioGroup::SetTabOrder).Default(-1)
        .Prop("TabStop", &TRadioGroup::TabStop, &TRadioGroup::SetTabStop).Default(false)
        .Prop("Visible", &TRadioGroup::Visible, &TRadioGroup::SetVisible).Default(true).Stored(&TRadioGroup::IsVisibleStored)
        .Prop("OnClick", &TRadioGroup::OnClick, &TRadioGroup::SetOnClick).Stored(&TRadioGroup::IsOnClickStored)
        .With(WinControlProps).With(KeyEvents)
        .Prop("ParentBackground", &TRadioGroup::ParentBackground, &TRadioGroup::SetParentBackground).Default(true);
    // clang-format on
    return &Info;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), FItems(new TItemStrings) {
    FItems->SetOnChange(TNotifyEvent(this, &TCustomRadioGroup::ItemsChanged));
    FControlStyle = {csSetCaption, csDoubleClicks};
}

TCustomRadioGroup::~TCustomRadioGroup() {
    FButtons.clear();
    FItems->SetOnChange(TNotifyEvent());
}

// The buttons go with the other child controls; the list must not outlive them.
void TCustomRadioGroup::BeforeDestruction() {
    FButtons.clear();
    inherited::BeforeDestruction();
}

void TCustomRadioGroup::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove) std::erase(FButtons, AComponent);
}

TStrings* TCustomRadioGroup::Items() const {
    return FItems.get();
}

void TCustomRadioGroup::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

TRadioButton* TCustomRadioGroup::Buttons(int Index) const {
    if (Index < 0 || Index >= ButtonCount()) RaiseListIndexError<EListError>(Index);
    return FButtons[static_cast<std::size_t>(Index)];
}

void TCustomRadioGroup::SetItemIndex(int Value) {
    if (IsLoading()) {
        FItemIndex = Value;
        return;
    }
    Value = std::clamp(Value, -1, ButtonCount() - 1);
    if (FItemIndex == Value) return;
    if (FItemIndex >= 0) FButtons[static_cast<std::size_t>(FItemIndex)]->SetChecked(false);
    FItemIndex = Value;
    // Checking the button clicks it, and the click reaches ButtonClicked.
    if (Value >= 0) FButtons[static_cast<std::size_t>(Value)]->SetChecked(true);
}

void TCustomRadioGroup::Pick(int Index) {
    Buttons(Index)->Perform(BM_CLICK);
}

void TCustomRadioGroup::ButtonClicked(TGroupButton* Button) {
    if (FUpdating) return;
    const auto It = std::find(FButtons.begin(), FButtons.end(), Button);
    if (It == FButtons.end()) return;
    FItemIndex = static_cast<int>(It - FButtons.begin());
    Click();
}

void TCustomRadioGroup::SetColumns(int Value) {
    Value = std::clamp(Value, 1, 16);
    if (FColumns == Value) return;
    FColumns = Value;
    ArrangeButtons();
}

void TCustomRadioGroup::ItemsChanged(TObject*) {
    if (IsLoading()) return;
    const int Renamed = FItems->PutIndex;
    if (Renamed >= 0 && Renamed < ButtonCount() && ButtonCount() == FItems->Count()) {
        FButtons[static_cast<std::size_t>(Renamed)]->SetCaption(FItems->Strings(Renamed));
        return;
    }
    if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
    UpdateButtons();
}

// One button per item, captioned with it, the ItemIndex one checked without a click.
void TCustomRadioGroup::UpdateButtons() {
    FUpdating = true;
    const auto Count = static_cast<std::size_t>(FItems->Count());
    while (FButtons.size() > Count) {
        TGroupButton* Last = FButtons.back();
        FButtons.pop_back();
        Last->Free();
    }
    while (FButtons.size() < Count)
        FButtons.push_back(new TGroupButton(this));
    for (std::size_t i = 0; i < Count; ++i) {
        FButtons[i]->SetCaption(FItems->Strings(static_cast<int>(i)));
        FButtons[i]->SetChecked(static_cast<int>(i) == FItemIndex);
    }
    FUpdating = false;
    ArrangeButtons();
}

// Columns of equal width below the caption; the rows share the height left.
void TCustomRadioGroup::ArrangeButtons() {
    if (FButtons.empty()) return;
    const int Count = ButtonCount();
    const int PerColumn = (Count + FColumns - 1) / FColumns;
    const int ButtonWidth = std::max(0, (Width() - 10) / FColumns);
    const int TextHeight = Font()->TextHeight();
    const int Space = std::max(0, Height() - TextHeight - 5);
    const int ButtonHeight = Space / PerColumn;
    const int TopMargin = TextHeight + 1 + (Space % PerColumn) / 2;
    for (int i = 0; i < Count; ++i)
        FButtons[static_cast<std::size_t>(i)]->SetBounds((i / PerColumn) * ButtonWidth + 8,
                                                         (i % PerColumn) * ButtonHeight + TopMargin,
                                                         ButtonWidth, ButtonHeight);
}

void TCustomRadioGroup::GetChildren(const TGetChildProc&, TComponent*) {}

void TCustomRadioGroup::Resize() {
    ArrangeButtons();
    inherited::Resize();
}

void TCustomRadioGroup::FontChanged() {
    inherited::FontChanged();
    ArrangeButtons();
}

void TCustomRadioGroup::Loaded() {
    inherited::Loaded();
    FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
    UpdateButtons();
}

} // namespace host
