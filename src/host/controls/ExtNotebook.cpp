// Notebooks of ExtCtrls.h and their pages.
#include "host/controls/ControlProps.h"
#include "host/controls/ExtCtrls.h"
#include "host/rtl/HostErrors.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

// The notebook's Pages: a string list whose lines are the pages themselves.
class TNotebookPages : public TStrings {
public:
    explicit TNotebookPages(TNotebook* Notebook) : FNotebook(Notebook) {}

    int Count() const override { return FNotebook->PageCount(); }
    String Get(int Index) const override { return Page(Index)->Caption(); }
    void Put(int Index, const String& S) override { Page(Index)->SetCaption(S); }
    void Insert(int Index, const String& S) override {
        if (Index < 0 || Index > Count()) IndexError(Index);
        FNotebook->InsertPage(Index, S);
    }
    void Delete(int Index) override { Page(Index)->Free(); }
    void Clear() override {
        while (Count() > 0)
            Delete(Count() - 1);
    }

private:
    TPage* Page(int Index) const {
        if (Index < 0 || Index >= Count()) IndexError(Index);
        return FNotebook->FPages[static_cast<std::size_t>(Index)];
    }

    TNotebook* FNotebook;
};

// ---- TPage ----

TClass TPage::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPage>("TPage")
        .Prop("Width", &TPage::Width, &TPage::SetWidth).Stored(false)
        .Prop("Height", &TPage::Height, &TPage::SetHeight).Stored(false)
        .Prop("Caption", &TPage::Caption, &TPage::SetCaption);
    // clang-format on
    return &Info;
}

TPage::TPage(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls};
    SetAlign(alClient);
    SetVisible(false);
}

TComponent* TPage::GetChildOwner() {
    return Owner() ? Owner()->Owner() : nullptr;
}

void TPage::SetParent(TWinControl* AParent) {
    auto* Old = As<TNotebook>(Parent());
    inherited::SetParent(AParent);
    if (Old && Parent() != Old) Old->PageGone(this);
    if (auto* Notebook = As<TNotebook>(AParent); Notebook && Notebook != Old)
        Notebook->AddPage(this);
}

// ---- TNotebook ----

TClass TNotebook::StaticClass() {
    constexpr TAnchors DefaultAnchors{akLeft, akTop};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TNotebook>("TNotebook")
        .Prop("Align", &TNotebook::Align, &TNotebook::SetAlign).Default(alNone)
        .Prop("Anchors", &TNotebook::Anchors, &TNotebook::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TNotebook::Color, &TNotebook::SetColor).Default(clBtnFace).Stored(&TNotebook::IsColorStored)
        .Prop("Enabled", &TNotebook::Enabled, &TNotebook::SetEnabled).Default(true).Stored(&TNotebook::IsEnabledStored)
        .Prop("Font", &TNotebook::Font, &TNotebook::SetFont).Stored(&TNotebook::IsFontStored)
        .Prop("ActivePage", &TNotebook::ActivePage, &TNotebook::SetActivePage).Stored(false)
        .Prop("PageIndex", &TNotebook::PageIndex, &TNotebook::SetPageIndex).Default(0)
        .Prop("Pages", &TNotebook::Pages, &TNotebook::SetPages).Stored(false)
        .Prop("ParentColor", &TNotebook::ParentColor, &TNotebook::SetParentColor).Default(true)
        .Prop("ParentFont", &TNotebook::ParentFont, &TNotebook::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TNotebook::ParentShowHint, &TNotebook::SetParentShowHint).Default(true)
        .Prop("ShowHint", &TNotebook::ShowHint, &TNotebook::SetShowHint).Stored(&TNotebook::IsShowHintStored)
        .Prop("TabOrder", &TNotebook::TabOrder, &TNotebook::SetTabOrder).Default(-1)
        .Prop("TabStop", &TNotebook::TabStop, &TNotebook::SetTabStop).Default(false)
        .Prop("Visible", &TNotebook::Visible, &TNotebook::SetVisible).Default(true).Stored(&TNotebook::IsVisibleStored)
        .Prop("OnPageChanged", &TNotebook::OnPageChanged, &TNotebook::SetOnPageChanged)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TNotebook::TNotebook(TComponent* AOwner)
    : TWinControl(AOwner), FPageList(new TNotebookPages(this)) {
    FControlStyle = {csAcceptsControls, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 150, 150);
    SetColor(clBtnFace);
    SetParentColor(true);
    InsertPage(0, "Default");
    FDefaultPage = FPages.front();
}

TNotebook::~TNotebook() {}

TStrings* TNotebook::Pages() const {
    return FPageList.get();
}

void TNotebook::SetPages(TStrings* Value) {
    FPageList->Assign(Value);
}

TPage* TNotebook::Page(int Index) const {
    if (Index < 0 || Index >= PageCount()) RaiseListIndexError<EListError>(Index);
    return FPages[static_cast<std::size_t>(Index)];
}

void TNotebook::InsertPage(int Index, const String& Caption) {
    auto* Page = new TPage(this);
    Page->SetCaption(Caption);
    Page->SetParent(this);
    // AddPage put it last.
    std::rotate(FPages.begin() + Index, FPages.end() - 1, FPages.end());
    ShowPages();
}

// A notebook being read gets the file's pages instead of the one it started with.
void TNotebook::AddPage(TPage* Page) {
    if (IsLoading() && FDefaultPage && Page != FDefaultPage) {
        TPage* Default = FDefaultPage;
        FDefaultPage = nullptr;
        Default->Free();
    }
    FPages.push_back(Page);
    if (!IsLoading()) Page->SetVisible(PageCount() - 1 == FPageIndex);
}

void TNotebook::PageGone(TPage* Page) {
    if (!Page) return;
    const auto It = std::find(FPages.rbegin(), FPages.rend(), Page);
    if (It == FPages.rend()) return;
    FPages.erase(std::next(It).base());
    if (Page == FDefaultPage) FDefaultPage = nullptr;
    // While loading, PageIndex waits for the pages still to come.
    if (ComponentState().Contains(csDestroying) || IsLoading()) return;
    FPageIndex = std::clamp(FPageIndex, 0, std::max(0, PageCount() - 1));
    ShowPages();
}

// Pages freed by anyone (the notebook's destruction included) leave the list.
void TNotebook::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove) PageGone(static_cast<TPage*>(As<TPage>(AComponent)));
}

void TNotebook::ShowPages() {
    for (int i = 0; i < PageCount(); ++i)
        FPages[static_cast<std::size_t>(i)]->SetVisible(i == FPageIndex);
}

void TNotebook::SetPageIndex(int Value) {
    if (IsLoading()) {
        FPageIndex = Value;
        return;
    }
    if (Value < 0 || Value >= PageCount() || Value == FPageIndex) return;
    FPageIndex = Value;
    ShowPages();
    FOnPageChanged(this);
}

String TNotebook::ActivePage() const {
    return FPageIndex >= 0 && FPageIndex < PageCount() ? Page(FPageIndex)->Caption() : String();
}

void TNotebook::SetActivePage(const String& Value) {
    SetPageIndex(FPageList->IndexOf(Value));
}

void TNotebook::GetChildren(const TGetChildProc& Proc, TComponent*) {
    for (TPage* Page : FPages)
        Proc(Page);
}

void TNotebook::Loaded() {
    inherited::Loaded();
    if (FPageIndex < 0 || FPageIndex >= PageCount()) FPageIndex = 0;
    ShowPages();
}

} // namespace host
