// The script format of the command line's "wizard" and "edit": read, then played on forms
// built here, with a form opened from a button and questions on the way.
#include "zantor/UiScript.h"

#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/WinApi.h"

#include "TestUtil.h"

#include <optional>

using namespace host;

namespace {

// An order form: an edit, a check box, a list, a combo box, buttons that ask a question, ask
// for a value and open a second form, OK and a disabled button. What the handlers saw is logged.
class TOrderForm : public TObject {
    ZT_CLASS(TOrderForm, TObject)
public:
    TOrderForm() {
        Form = new TForm(Application);
        Form->SetName("Orders");
        Edit = Make<TEdit>(Form, "EdtName", Form);
        Rush = Make<TCheckBox>(Form, "CkxRush", Form);
        List = Make<TListBox>(Form, "ListItems", Form);
        List->Items()->Add("Tea");
        List->Items()->Add("Coffee");
        Combo = Make<TComboBox>(Form, "CbxSize", Form);
        Combo->SetStyle(csDropDownList);
        Combo->Items()->Add("Small");
        Combo->Items()->Add("Large");
        Make<TButton>(Form, "BtnAsk", Form)->SetOnClick(TNotifyEvent(this, &TOrderForm::Ask));
        Make<TButton>(Form, "BtnName", Form)->SetOnClick(TNotifyEvent(this, &TOrderForm::Name));
        Make<TButton>(Form, "BtnMore", Form)->SetOnClick(TNotifyEvent(this, &TOrderForm::More));
        Make<TButton>(Form, "BtnOK", Form)->SetModalResult(mrOk);
        Make<TButton>(Form, "BtnOff", Form)->SetEnabled(false);
    }
    ~TOrderForm() override { delete Form; }

    template <class T> static T* Make(TComponent* Owner, const char* Name, TWinControl* Parent) {
        auto* C = new T(Owner);
        C->SetName(Name);
        C->SetParent(Parent);
        return C;
    }

    void Ask(TObject*) {
        Log.push_back("ask " +
                      std::to_string(MessageDlg("Send the order?", mtConfirmation, mbYesNoCancel)));
    }
    void Name(TObject*) {
        String Value = "nobody";
        const bool Ok = InputQuery("Order", "Customer", Value);
        Log.push_back("name " + std::to_string(Ok) + " " + Value);
    }
    void More(TObject*) {
        auto* Extras = new TForm(Application);
        Extras->SetName("Extras");
        auto* Sugar = Make<TCheckBox>(Extras, "CkxSugar", Extras);
        Make<TButton>(Extras, "BtnDone", Extras)->SetModalResult(mrOk);
        const TModalResult R = Extras->ShowModal();
        Log.push_back("extras " + std::to_string(R) + " sugar " + std::to_string(Sugar->Checked()));
        delete Extras;
    }

    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    TCheckBox* Rush = nullptr;
    TListBox* List = nullptr;
    TComboBox* Combo = nullptr;
    std::vector<String> Log;
};

class UiScript : public ::testing::Test {
protected:
    // Plays Text on a fresh order form; the form's modal result.
    TModalResult Play(const String& Text) {
        Driver.emplace(ParseUiScript("order.txt", Text));
        TUiDriverGuard Guard(*Driver);
        return Order->Form->ShowModal();
    }
    // The message Text is stopped with (the script must not run through).
    String FailureOf(const String& Text) {
        Order.emplace();
        try {
            (void)Play(Text);
            Driver->VerifyDone();
        } catch (const Exception& E) {
            return E.Message();
        }
        return "(no failure)";
    }

    TWindowLayerGuard WindowLayer;
    TApplicationScope App;
    std::optional<TOrderForm> Order{std::in_place};
    std::optional<TUiScriptDriver> Driver;
};

} // namespace

host::TClass TOrderForm::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TOrderForm>("TOrderForm");
    return &Info;
}

TEST_F(UiScript, TheReaderRefusesWhatItCannotPlayAndNamesTheLine) {
    const std::pair<const char*, const char*> Cases[] = {
        {"form Orders\n  wiggle BtnOK\nend\n", "line 2: unknown step \"wiggle\""},
        {"# first\n\nclick BtnOK\n", "line 3: click needs the form it is done on: put it between "
                                     "\"form NAME\" and \"end\""},
        {"end\n", "line 1: end without form"},
        {"form Orders\n  form Extras\n  end\n", "line 1: form without end"},
        {"form\n", "line 1: form needs the form's name"},
        {"form Orders\n  click\nend\n", "line 2: click needs a control name"},
        {"form Orders\n  click BtnOK # close\nend\n",
         "line 2: unexpected text after click (comments have lines of their own)"},
        {"form Orders\n  pick ListItems\nend\n", "line 2: pick needs a value"},
        {"form Orders\n  check CkxRush yes\nend\n", "line 2: check takes on or off"},
        {"form Orders\n  key EdtName F13\nend\n", "line 2: unknown key \"F13\""},
        {"form Orders\n  page Notes first\nend\n", "line 2: page takes the page's index, from 0"},
        {"form Orders\n  expect Caption Orders\nend\n",
         "line 2: expect takes NAME.PROPERTY and the value"},
        {"answer Save? => Maybe\n", "line 1: answer is OK, Cancel, Yes, No, Abort, Retry, Ignore, "
                                    "All, YesToAll or NoToAll, not \"Maybe\""},
        {"file-cancel now\n",
         "line 1: unexpected text after file-cancel (comments have lines of their own)"}};
    for (const auto& [Text, Message] : Cases) {
        SCOPED_TRACE(Text);
        EXPECT_THROW_MSG(ParseUiScript("s.txt", Text), Exception,
                         String("Script s.txt, ") + Message);
    }
}

TEST_F(UiScript, TheReaderSplitsPromptsFromAnswersAndUnescapesTexts) {
    const TUiScript S = ParseUiScript("s.txt", "\tform Orders\r\n"
                                               "  type EdtName a\\tb\\\\c\\s\n"
                                               "  answer Is 1 => 2 so? => yes\n"
                                               "  answer cancel\n"
                                               "  input Customer => Ann => Bo\n"
                                               "  input\n"
                                               "  input-cancel Customer\n"
                                               "  set EdtName\n"
                                               "end\n");
    ASSERT_EQ(S.Steps.size(), 9u);
    EXPECT_EQ(S.Steps[0].Verb, "form");
    EXPECT_EQ(S.Steps[0].Target, "Orders");
    EXPECT_EQ(S.Steps[1].Line, 2);
    EXPECT_EQ(S.Steps[1].Text, "a\tb\\c ");
    // The button is the last word; the message may hold the arrow.
    EXPECT_EQ(S.Steps[2].Prompt, "Is 1 => 2 so?");
    EXPECT_EQ(S.Steps[2].Text, "Yes");
    EXPECT_FALSE(S.Steps[3].HasPrompt);
    EXPECT_EQ(S.Steps[3].Text, "Cancel");
    // A value may hold the arrow; the prompt is before the first one.
    EXPECT_TRUE(S.Steps[4].HasPrompt);
    EXPECT_EQ(S.Steps[4].Prompt, "Customer");
    EXPECT_EQ(S.Steps[4].Text, "Ann => Bo");
    EXPECT_FALSE(S.Steps[5].HasPrompt);
    EXPECT_EQ(S.Steps[5].Text, "");
    EXPECT_TRUE(S.Steps[6].HasPrompt);
    EXPECT_EQ(S.Steps[6].Prompt, "Customer");
    EXPECT_EQ(S.Steps[7].Text, "");
}

TEST_F(UiScript, AFormItsQuestionsAndAFormOpenedFromItArePlayedInOrder) {
    const TModalResult R = Play("form Orders\n"
                                "  set EdtName Ann\n"
                                "  expect EdtName.Text Ann\n"
                                "  check CkxRush on\n"
                                "  click CkxRush\n" // a click toggles the box back
                                "  pick ListItems Coffee\n"
                                "  pick CbxSize Large\n"
                                "  click BtnAsk\n"
                                "  answer Send the order? => No\n"
                                "  click BtnName\n"
                                "  input Customer => Bo\n"
                                "  click BtnName\n"
                                "  input-cancel\n"
                                "  click BtnMore\n"
                                "  form Extras\n"
                                "    click CkxSugar\n"
                                "    click BtnDone\n"
                                "  end\n"
                                "  click BtnMore\n"
                                "  form TForm\n" // by class name; left open: closed unchanged
                                "  end\n"
                                "  expect .Name Orders\n"
                                "  expect ListItems.Items Tea\\nCoffee\n"
                                "  expect CkxRush.Checked 0\n"
                                "  click BtnOK\n"
                                "end\n");
    EXPECT_EQ(R, mrOk);
    Driver->VerifyDone();
    EXPECT_EQ(Order->Edit->Text(), "Ann");
    EXPECT_FALSE(Order->Rush->Checked());
    EXPECT_EQ(Order->List->ItemIndex(), 1);
    EXPECT_EQ(Order->Combo->ItemIndex(), 1);
    EXPECT_EQ(Order->Log,
              (std::vector<String>{"ask " + std::to_string(mrNo), "name 1 Bo", "name 0 nobody",
                                   "extras " + std::to_string(mrOk) + " sugar 1",
                                   "extras " + std::to_string(mrCancel) + " sugar 0"}));
}

TEST_F(UiScript, AFormLeftOpenAtItsEndIsCancelledAndTypedTextGoesKeyByKey) {
    EXPECT_EQ(Play("form Orders\n  type EdtName Bo\\nb\nend\n"), mrCancel);
    Driver->VerifyDone();
    EXPECT_EQ(Order->Edit->Text(), "Bob");
}

TEST_F(UiScript, EveryMismatchStopsThePlayAtItsLine) {
    const std::pair<const char*, const char*> Cases[] = {
        {"form Extras\nend\n", "line 1: form Orders is shown, not Extras"},
        {"answer OK\n", "line 1: form Orders is asked, the script says \"answer\""},
        {"form Orders\n  click BtnNowhere\nend\n", "line 2: Orders has no control BtnNowhere"},
        {"form Orders\n  click BtnOff\nend\n", "line 2: BtnOff is disabled"},
        {"form Orders\n  pick ListItems Milk\nend\n", "line 2: ListItems has no item \"Milk\""},
        {"form Orders\n  pick EdtName Milk\nend\n",
         "line 2: EdtName is no list, combo box or radio group"},
        {"form Orders\n  toggle CbxSize Large\nend\n", "line 2: CbxSize is no list box"},
        {"form Orders\n  set CkxRush x\nend\n", "line 2: CkxRush is no edit"},
        {"form Orders\n  page CkxRush 1\nend\n", "line 2: CkxRush has no pages"},
        {"form Orders\n  expect CkxRush.Checked 1\nend\n",
         "line 2: CkxRush.Checked is \"0\", not \"1\""},
        {"form Orders\n  expect CkxRush.Colour 1\nend\n",
         "line 2: CkxRush.Colour is not a property"},
        {"form Orders\n  expect .Font x\nend\n", "line 2: .Font is neither text, number nor lines"},
        {"form Orders\n  click BtnAsk\n  answer Send it? => Yes\nend\n",
         "line 3: the message is \"Send the order?\", not \"Send it?\""},
        {"form Orders\n  click BtnAsk\n  answer OK\nend\n",
         "line 3: message \"Send the order?\" does not offer OK"},
        {"form Orders\n  click BtnAsk\nend\n",
         "line 3: message \"Send the order?\" is asked, the script says \"end\""},
        {"form Orders\n  click BtnName\n  input Client => x\nend\n",
         "line 3: the input box asks \"Customer\", not \"Client\""},
        {"form Orders\n  answer Yes\nend\n", "line 2: no question is asked for \"answer\""},
        {"form Orders\n  click BtnOK\n  form Extras\n  end\nend\n",
         "line 3: Orders has closed before this step"},
        {"form Orders\n  click BtnOK\n  answer Yes\nend\n",
         "line 3: Orders has closed before this step (a question asked as it closes is answered "
         "after its end)"},
        {"form Orders\n  click CkxRush\n  form Extras\n  end\nend\n",
         "line 3: form Extras is not shown"},
        {"form Orders\n  click BtnMore\n  click BtnDone\nend\n",
         "line 3: form Extras is asked, the script says \"click\""},
        {"form Orders\nend\nfile-cancel\n", "line 3: step \"file-cancel\" was never played"}};
    for (const auto& [Text, Message] : Cases)
        EXPECT_EQ(FailureOf(Text), String("Script order.txt, ") + Message) << Text;
    EXPECT_EQ(FailureOf(""), "Script order.txt has no answer for form Orders");
}
