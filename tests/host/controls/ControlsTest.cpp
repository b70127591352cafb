#include "host/classes/Strings.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Exceptions.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

using namespace host;

namespace {

class Controls : public ControlsTest {};

// Frees Victim when Watched goes away: a notification handler that frees a sibling.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Watched = nullptr;
    TComponent* Victim = nullptr;
    std::vector<String>* Log = nullptr;
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        if (Log) Log->push_back(AComponent->Name());
        if (AComponent == Victim) Victim = nullptr;
        if (AComponent == Watched && Victim) FreeAndNil(Victim);
    }
};

std::vector<String> ChildNames(TWinControl* Parent) {
    std::vector<String> Names;
    for (int i = 0; i < Parent->ControlCount(); ++i)
        Names.push_back(Parent->Controls(i)->Name());
    return Names;
}

template <class T> T* Make(TComponent* Owner, const char* Name, TWinControl* Parent) {
    return MakeControl<T>(Owner, Name, Parent);
}

} // namespace

TEST_F(Controls, ParentsListNonWindowedChildrenFirst) {
    auto* Form = new TForm(nullptr);
    auto* Panel = Make<TPanel>(Form, "Panel1", Form);
    auto* Label = Make<TLabel>(Form, "Label1", Form);
    auto* Edit = Make<TEdit>(Form, "Edit1", Panel);
    auto* Label2 = Make<TLabel>(Form, "Label2", Form);
    EXPECT_EQ(ChildNames(Form), (std::vector<String>{"Label1", "Label2", "Panel1"}));
    EXPECT_EQ(Edit->Parent(), Panel);
    EXPECT_EQ(Edit->GetParentComponent(), Panel);
    EXPECT_TRUE(Form->ContainsControl(Edit));
    EXPECT_TRUE(Panel->ContainsControl(Panel));
    EXPECT_FALSE(Panel->ContainsControl(Label));
    EXPECT_EQ(GetParentForm(Edit), Form);
    EXPECT_THROW_MSG(Form->Controls(3), EListError, "List index out of bounds (3)");

    // Moving keeps the child in exactly one list.
    Edit->SetParent(Form);
    EXPECT_EQ(Panel->ControlCount(), 0);
    EXPECT_EQ(ChildNames(Form), (std::vector<String>{"Label1", "Label2", "Panel1", "Edit1"}));
    Label->SetParentComponent(Label2); // not a windowed control: ignored
    EXPECT_EQ(Label->Parent(), Form);
    Form->RemoveControl(Label2);
    EXPECT_EQ(Label2->Parent(), nullptr);
    EXPECT_EQ(GetParentForm(Label2), nullptr);
    Panel->InsertControl(Label2);
    EXPECT_EQ(Label2->Parent(), Panel);

    EXPECT_THROW_MSG(Panel->SetParent(Panel), EInvalidOperation,
                     "A control cannot have itself as its parent");
    auto* Inner = Make<TPanel>(Form, "Inner", Panel);
    EXPECT_THROW_MSG(Panel->SetParent(Inner), EInvalidOperation,
                     "A control cannot have itself as its parent");
    EXPECT_EQ(Panel->Parent(), Form);
    Form->Free();
}

TEST_F(Controls, FreeingAParentFreesItsChildControlsWhoeverOwnsThem) {
    auto* Form = new TForm(nullptr);
    auto* Other = new TComponent(nullptr); // owns a control shown on the form
    auto* Panel = Make<TPanel>(Form, "Panel1", Form);
    Make<TButton>(Form, "Button1", Panel);
    auto* Nested = Make<TPanel>(Form, "Nested", Panel);
    Make<TLabel>(Other, "Foreign", Nested);
    auto* Keep = Make<TEdit>(Form, "Keep", Form);
    ASSERT_EQ(Form->ComponentCount(), 4);
    ASSERT_EQ(Other->ComponentCount(), 1);

    Panel->Free();
    EXPECT_EQ(Form->ComponentCount(), 1);
    EXPECT_EQ(Form->Components(0), Keep);
    EXPECT_EQ(Form->FindComponent("Button1"), nullptr);
    EXPECT_EQ(Other->ComponentCount(), 0);
    EXPECT_EQ(ChildNames(Form), (std::vector<String>{"Keep"}));
    EXPECT_EQ(Keep->TabOrder(), 0);
    Other->Free();
    Form->Free();
}

TEST_F(Controls, ANotificationHandlerMayFreeASibling) {
    std::vector<String> Log;
    auto* Form = new TForm(nullptr);
    auto* Watcher = new TWatcher(Form); // notified before the victim
    Watcher->SetName("Watcher");
    auto* Panel = Make<TPanel>(Form, "Panel1", Form);
    auto* Button = Make<TButton>(Form, "Button1", Panel);
    Watcher->Watched = Button;
    Watcher->Victim = Make<TEdit>(Form, "Victim", Form);
    Watcher->Log = &Log;

    Panel->Free(); // frees Button, whose removal makes the watcher free Victim
    EXPECT_EQ(Watcher->Victim, nullptr);
    EXPECT_EQ(Form->ControlCount(), 0);
    EXPECT_EQ(Form->ComponentCount(), 1);
    EXPECT_EQ(Log, (std::vector<String>{"Button1", "Victim", "Panel1"}));

    // The same while the whole form goes: the victim is one of the child controls that the
    // form is still to free. Whether the watcher hears of it is the components' business;
    // the sanitizer build checks that nothing is freed twice.
    Watcher->Victim = Make<TEdit>(Form, "Victim2", Form);
    Panel = Make<TPanel>(Form, "Panel2", Form);
    Watcher->Watched = Make<TButton>(Form, "Button2", Panel);
    Make<TEdit>(Form, "Last", Form);
    Watcher->Log = nullptr;
    Form->Free();
}

TEST_F(Controls, TabOrderFollowsInsertionAndMoves) {
    auto* Form = new TForm(nullptr);
    auto* A = Make<TEdit>(Form, "A", Form);
    auto* B = Make<TButton>(Form, "B", Form);
    auto* C = Make<TCheckBox>(Form, "C", Form);
    Make<TLabel>(Form, "L", Form); // not in the tab order
    EXPECT_EQ(A->TabOrder(), 0);
    EXPECT_EQ(C->TabOrder(), 2);

    C->SetTabOrder(0);
    EXPECT_EQ(Form->TabList(), (std::vector<TWinControl*>{C, A, B}));
    EXPECT_EQ(A->TabOrder(), 1);
    A->SetTabOrder(99); // clamped
    EXPECT_EQ(A->TabOrder(), 2);
    B->SetTabOrder(-5);
    EXPECT_EQ(Form->TabList(), (std::vector<TWinControl*>{B, C, A}));

    C->SetParent(nullptr);
    EXPECT_EQ(C->TabOrder(), -1);
    EXPECT_EQ(A->TabOrder(), 1);
    C->SetTabOrder(0); // no parent: nothing to order
    EXPECT_EQ(C->TabOrder(), -1);
    C->Free();
    Form->Free();
}

TEST_F(Controls, ParentFontColorAndShowHintFollowTheParent) {
    auto* Form = new TForm(nullptr);
    auto* Panel = Make<TPanel>(Form, "Panel1", Form);
    auto* Label = Make<TLabel>(Form, "Label1", Panel);
    auto* Edit = Make<TEdit>(Form, "Edit1", Panel);
    EXPECT_EQ(Panel->Color(), clBtnFace);
    EXPECT_TRUE(Label->ParentColor());
    EXPECT_EQ(Label->Color(), clBtnFace);
    EXPECT_EQ(Edit->Color(), clWindow); // edits have their own colour

    Form->Font()->SetName("Tahoma");
    Form->SetColor(clInfoBk);
    Form->SetShowHint(true);
    EXPECT_EQ(Label->Font()->Name(), "Tahoma");
    EXPECT_EQ(Label->Color(), clInfoBk);
    EXPECT_TRUE(Label->ShowHint());
    EXPECT_TRUE(Label->ParentFont());
    EXPECT_EQ(Edit->Color(), clWindow);

    // A control's own setting ends the inheritance, and only for that control.
    Panel->Font()->SetHeight(-13);
    EXPECT_FALSE(Panel->ParentFont());
    EXPECT_EQ(Label->Font()->Height(), -13);
    Label->Font()->SetStyle({fsBold});
    EXPECT_FALSE(Label->ParentFont());
    Form->Font()->SetName("Arial");
    EXPECT_EQ(Panel->Font()->Name(), "Tahoma");
    EXPECT_EQ(Label->Font()->Name(), "Tahoma");

    Label->SetParentFont(true);
    EXPECT_EQ(Label->Font()->Height(), -13);
    EXPECT_TRUE(Label->Font()->Style().Empty());

    // A control taken over by another parent takes that parent's attributes.
    auto* Loose = new TLabel(Form);
    Loose->SetParent(Form);
    EXPECT_EQ(Loose->Font()->Name(), "Arial");
    EXPECT_EQ(Loose->Color(), clInfoBk);
    Form->Free();
}

TEST_F(Controls, CaptionFollowsTheNameUntilChanged) {
    auto* Form = new TForm(nullptr);
    auto* Button = new TButton(Form);
    Button->SetName("Button1");
    EXPECT_EQ(Button->Caption(), "Button1");
    Button->SetName("OkButton");
    EXPECT_EQ(Button->Caption(), "OkButton");
    Button->SetCaption("&OK");
    Button->SetName("Button2");
    EXPECT_EQ(Button->Caption(), "&OK");
    auto* Memo = new TMemo(Form);
    Memo->SetName("Memo1");
    EXPECT_EQ(Memo->Lines()->Count(), 1);
    EXPECT_EQ(Memo->Lines()->Strings(0), "Memo1");
    Form->Free();
}

TEST_F(Controls, CanFocusNeedsVisibleEnabledControlsOnAForm) {
    auto* Form = new TForm(nullptr);
    auto* Panel = Make<TPanel>(Form, "Panel1", Form);
    auto* Edit = Make<TEdit>(Form, "Edit1", Panel);
    EXPECT_TRUE(Edit->CanFocus()); // the form itself need not be shown
    Panel->SetEnabled(false);
    EXPECT_FALSE(Edit->CanFocus());
    Panel->SetEnabled(true);
    Edit->Hide();
    EXPECT_FALSE(Edit->CanFocus());
    Edit->Show();
    Panel->SetParent(nullptr);
    EXPECT_FALSE(Edit->CanFocus());
    Panel->Free();
    Form->Free();
}
