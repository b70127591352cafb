#include "host/controls/StdCtrls.h"
#include "host/classes/StringList.h"
#include "host/controls/Forms.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

using namespace host;

namespace {

class StdCtrls : public ControlsTest {};

class TCounter : public TObject {
public:
    int Count = 0;
    void Count1(TObject*) { ++Count; }
};

} // namespace

TEST_F(StdCtrls, CheckBoxStatesAndClicks) {
    TCounter Clicks;
    auto* Box = new TCheckBox(nullptr);
    Box->SetOnClick(TNotifyEvent(&Clicks, &TCounter::Count1));
    EXPECT_EQ(Box->State(), cbUnchecked);
    Box->Toggle();
    EXPECT_TRUE(Box->Checked());
    Box->Toggle();
    EXPECT_EQ(Box->State(), cbUnchecked);
    Box->SetAllowGrayed(true);
    Box->Toggle();
    EXPECT_EQ(Box->State(), cbGrayed);
    EXPECT_FALSE(Box->Checked());
    Box->Toggle();
    EXPECT_EQ(Box->State(), cbChecked);
    Box->SetChecked(true); // no change, no click
    EXPECT_EQ(Clicks.Count, 4);
    Box->SetChecked(false);
    EXPECT_EQ(Clicks.Count, 5);
    Box->Free();
}

TEST_F(StdCtrls, EditTextCaseAndChangeEvents) {
    TCounter Changes;
    auto* Edit = new TEdit(nullptr);
    Edit->SetOnChange(TNotifyEvent(&Changes, &TCounter::Count1));
    Edit->SetText("Mixed Case");
    Edit->SetText("Mixed Case");
    EXPECT_EQ(Changes.Count, 1);
    Edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(Edit->Text(), "MIXED CASE");
    EXPECT_EQ(Changes.Count, 2);
    Edit->SetText("mixed case"); // becomes what it already is: no change
    EXPECT_EQ(Edit->Text(), "MIXED CASE");
    EXPECT_EQ(Changes.Count, 2);
    Edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(Edit->Text(), "mixed case");
    Edit->SetMaxLength(3); // limits typing only
    Edit->SetText("longer text");
    EXPECT_EQ(Edit->Text(), "longer text");
    Edit->Free();
}

TEST_F(StdCtrls, MemoTextIsItsLines) {
    TCounter Changes;
    auto* Memo = new TMemo(nullptr);
    Memo->SetOnChange(TNotifyEvent(&Changes, &TCounter::Count1));
    Memo->Lines()->Add("one");
    Memo->Lines()->Add("two");
    EXPECT_EQ(Memo->Text(), "one\r\ntwo");
    EXPECT_EQ(Changes.Count, 2);
    Memo->SetText("a\nb\r\nc");
    ASSERT_EQ(Memo->Lines()->Count(), 3);
    EXPECT_EQ(Memo->Lines()->Strings(2), "c");
    EXPECT_EQ(Memo->Text(), "a\r\nb\r\nc");

    TStringList Source;
    Source.Add("x");
    Memo->SetLines(&Source);
    EXPECT_EQ(Memo->Text(), "x");
    EXPECT_NE(Memo->Lines(), &Source);
    Memo->SetText("");
    EXPECT_EQ(Memo->Lines()->Count(), 0);
    Memo->Free();
}

TEST_F(StdCtrls, ButtonsSetTheirFormsModalResult) {
    auto* Form = new TForm(nullptr);
    auto* Panel = new TWinControl(Form);
    Panel->SetParent(Form);
    auto* Yes = new TButton(Form);
    Yes->SetParent(Panel);
    Yes->SetModalResult(mrYes);
    TCounter Clicks;
    Yes->SetOnClick(TNotifyEvent(&Clicks, &TCounter::Count1));
    Yes->Click();
    EXPECT_EQ(Form->ModalResult(), mrYes);
    EXPECT_EQ(Clicks.Count, 1);
    auto* Plain = new TButton(Form);
    Plain->SetParent(Form);
    Plain->Click(); // a button without modal result clears the form's
    EXPECT_EQ(Form->ModalResult(), mrNone);
    auto* Loose = new TButton(nullptr);
    Loose->SetModalResult(mrOk);
    Loose->Click(); // no form: nothing to tell
    Loose->Free();
    Form->Free();
}

TEST_F(StdCtrls, LabelsForgetAFreedFocusControl) {
    auto* Form = new TForm(nullptr);
    auto* Label = new TLabel(Form);
    auto* Other = new TComponent(nullptr);
    auto* Edit = new TEdit(Other);
    Label->SetFocusControl(Edit);
    EXPECT_EQ(Label->FocusControl(), Edit);
    Edit->Free();
    EXPECT_EQ(Label->FocusControl(), nullptr);
    Other->Free();
    Form->Free();
}
