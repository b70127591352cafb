#include "host/controls/Dialogs.h"
#include "host/controls/Forms.h"
#include "host/rtl/Exceptions.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

using namespace host;

TEST(UiDriver, DefaultDriverAcceptsEveryDefault) {
    TDefaultUiDriver D;
    EXPECT_EQ(D.MessageBox("x", "y", MB_OK), IDOK);
    EXPECT_EQ(D.MessageBox("x", "y", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(D.MessageBox("x", "y", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(D.MessageBox("x", "y", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2), IDRETRY);
    EXPECT_EQ(D.MessageBox("x", "y", MB_OKCANCEL | MB_DEFBUTTON3), IDOK); // no third button
    EXPECT_EQ(D.MessageBox("x", "y", MB_RETRYCANCEL | MB_DEFBUTTON2 | MB_ICONERROR), IDCANCEL);
    EXPECT_EQ(D.MessageBox("x", "y", 0xE), IDOK); // unknown button set

    EXPECT_EQ(D.MessageDlg("m", mtConfirmation, mbYesNoCancel), mrYes);
    EXPECT_EQ(D.MessageDlg("m", mtWarning, {mbYes, mbOK, mbCancel}), mrOk);
    EXPECT_EQ(D.MessageDlg("m", mtError, mbAbortRetryIgnore), mrAbort);
    EXPECT_EQ(D.MessageDlg("m", mtError, {mbHelp, mbIgnore}), mrIgnore);
    EXPECT_EQ(D.MessageDlg("m", mtError, {mbHelp}), mrCancel);
    EXPECT_EQ(D.MessageDlg("m", mtError, {}), mrCancel);

    String Value = "keep";
    EXPECT_FALSE(D.InputQuery("c", "p", Value));
    EXPECT_EQ(Value, "keep");
    EXPECT_EQ(D.ShowModal(nullptr), mrCancel);
}

TEST(UiDriver, GuardsRestoreThePreviousDriver) {
    TUiDriver* Before = &GetUiDriver();
    TScriptedUiDriver Outer;
    {
        TUiDriverGuard G1(Outer);
        EXPECT_EQ(&GetUiDriver(), &Outer);
        TScriptedUiDriver Inner;
        {
            TUiDriverGuard G2(Inner);
            EXPECT_EQ(&GetUiDriver(), &Inner);
        }
        EXPECT_EQ(&GetUiDriver(), &Outer);
    }
    EXPECT_EQ(&GetUiDriver(), Before);
    EXPECT_NE(dynamic_cast<TDefaultUiDriver*>(Before), nullptr);
}

class Dialogs : public ControlsTest {};

TEST_F(Dialogs, ScriptedAnswersReachTheProgram) {
    Driver.ExpectMessageDlg("Saved.", mrOk)
        .ExpectMessageDlg("Overwrite?", mrNo)
        .ExpectInputQuery("Name:", String("Ann"))
        .ExpectInputQuery("Age:", std::nullopt)
        .ExpectMessageBox("Retry?", IDRETRY);

    ShowMessage("Saved.");
    EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, mbYesNoCancel), mrNo);
    EXPECT_EQ(InputBox("Person", "Name:", "Bob"), "Ann");
    String Age = "30";
    EXPECT_FALSE(InputQuery("Person", "Age:", Age));
    EXPECT_EQ(Age, "30");
    EXPECT_EQ(GetUiDriver().MessageBox("Retry?", "", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(Driver.Pending(), 0);
    Driver.VerifyAllConsumed();
    EXPECT_EQ(
        Driver.Log(),
        (std::vector<String>{"message dialog 'Saved.'", "message dialog 'Overwrite?'",
                             "input query 'Name:'", "input query 'Age:'", "message box 'Retry?'"}));
}

TEST_F(Dialogs, UnexpectedPromptsFailClearly) {
    EXPECT_THROW_MSG(ShowMessage("Hello"), EAssertionFailed,
                     "Unexpected message dialog: 'Hello' (no more prompts expected)");

    Driver.ExpectMessageDlg("Delete file?", mrYes);
    EXPECT_THROW_MSG(
        GetUiDriver().MessageBox("Delete file?", "", MB_YESNO), EAssertionFailed,
        "Unexpected message box: 'Delete file?' (expected message dialog 'Delete file?')");
    EXPECT_THROW_MSG(
        MessageDlg("Delete files?", mtConfirmation, {mbYes, mbNo}), EAssertionFailed,
        "Unexpected message dialog: 'Delete files?' (expected message dialog 'Delete file?')");
    // The script stays where it was.
    EXPECT_EQ(MessageDlg("Delete file?", mtConfirmation, {mbYes, mbNo}), mrYes);

    Driver.ExpectMessageDlg("Continue?", mrYes).ExpectMessageBox("Sure?", IDOK);
    EXPECT_THROW_MSG(MessageDlg("Continue?", mtConfirmation, mbOKCancel), EAssertionFailed,
                     "Answer 6 is not offered by message dialog 'Continue?'");
    EXPECT_THROW_MSG(GetUiDriver().MessageBox("Sure?", "", MB_YESNO), EAssertionFailed,
                     "Answer 1 is not offered by message box 'Sure?'");

    Driver.ExpectShowModal("AboutBox", mrOk).ExpectInputQuery("Name:", std::nullopt);
    auto* Form = new TForm(nullptr);
    Form->SetName("MainForm");
    EXPECT_THROW_MSG(Form->ShowModal(), EAssertionFailed,
                     "Unexpected modal form: 'MainForm' (expected modal form 'AboutBox')");
    EXPECT_FALSE(Form->Visible());
    Form->Free();
    EXPECT_THROW_MSG(Driver.VerifyAllConsumed(), EAssertionFailed,
                     "Expected prompts not shown: modal form 'AboutBox', input query 'Name:'");
}
