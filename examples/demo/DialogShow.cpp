#include "DialogShow.h"

#include "DemoStrings.h"

#include "host/controls/CommonDialogWindow.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/Dialogs.h"
#include "host/controls/MessageBoxConsts.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"

using namespace host;

void ShowDialogs(std::ostream& Out, TForm* Form) {
    auto* Open = As<TOpenDialog>(Form->FindComponent("OpenDialog1"));
    if (!Open) throw Exception("The form has no OpenDialog1");
    TScriptedUiDriver Person;
    TUiDriverGuard Guard(Person);
    Person.ExpectCommonDialog("TOpenDialog", [&Out](TDialogSession& S) {
        Out << "  Open dialog " << QuotedStr(S.Caption()) << ":";
        // The labels and buttons a person reads, in the dialog's order.
        for (HWND Child : S.Children()) {
            char Text[256] = {};
            GetWindowTextA(Child, Text, sizeof Text);
            const int Id = GetDlgCtrlID(Child);
            const bool Label = Id == 65535 || Id == stc2 || Id == stc3 || Id == stc4;
            const bool Button = Id == IDOK || Id == IDCANCEL || Id == pshHelp;
            if ((Label || Button) && Text[0]) Out << " " << QuotedStr(Text);
        }
        Out << "\n";
        S.Click(IDCANCEL);
    });
    Open->Execute();

    const String Msg = LoadResString(SSaveError);
    Person.ExpectMessageDlg(Msg, mrCancel, [&Out](TCustomForm& Dialog) {
        Out << "  Message dialog " << QuotedStr(Dialog.Caption()) << ":";
        for (int i = 0; i < Dialog.ComponentCount(); ++i)
            if (auto* B = As<TButton>(Dialog.Components(i))) Out << " " << QuotedStr(B->Caption());
        Out << "\n";
    });
    MessageDlg(Msg, mtConfirmation, mbYesNoCancel);
    Person.VerifyAllConsumed();
}
