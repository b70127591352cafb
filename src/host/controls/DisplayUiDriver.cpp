#include "host/controls/DisplayUiDriver.h"
#include "host/controls/Application.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/controls/DialogKeys.h"
#include "host/controls/Forms.h"
#include "host/controls/MessageLoop.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Input.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace host {

namespace {

struct TButtonSpec {
    String Caption;
    TModalResult Result;
};

String DialogCaption(TMsgDlgType Type) {
    switch (Type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirmation";
    default:
        return Application ? Application->Title() : String();
    }
}

String ButtonCaption(TModalResult Result) {
    switch (Result) {
    case mrOk:
        return "OK";
    case mrCancel:
        return "Cancel";
    case mrAbort:
        return "&Abort";
    case mrRetry:
        return "&Retry";
    case mrIgnore:
        return "&Ignore";
    case mrYes:
        return "&Yes";
    case mrNo:
        return "&No";
    case mrAll:
        return "&All";
    case mrNoToAll:
        return "N&o to All";
    case mrYesToAll:
        return "Yes to &All";
    case 10 + 100: // IDTRYAGAIN, shifted out of the modal results
        return "&Try Again";
    case 11 + 100:
        return "&Continue";
    default:
        return "&Help";
    }
}

// Frees the dialog form however the modal loop ends.
struct TFormFree {
    void operator()(TCustomForm* F) const { F->Free(); }
};

// A small dialog: the message, an optional edit, and a row of buttons; returns the result of
// the button pressed (Cancel's result when the window is closed).
TModalResult RunDialog(const String& Caption, const String& Text,
                       const std::vector<TButtonSpec>& Buttons, TModalResult Default,
                       TModalResult Cancel, String* Input) {
    std::unique_ptr<TCustomForm, TFormFree> Form(new TForm(nullptr));
    Form->SetBorderStyle(bsDialog);
    Form->SetCaption(Caption);
    const int ButtonWidth = 75, Gap = 6;
    const int Lines = int(std::count(Text.begin(), Text.end(), '\n')) + 1;
    int Longest = 0, Run = 0;
    for (char C : Text) {
        Run = C == '\n' ? 0 : Run + 1;
        Longest = std::max(Longest, Run);
    }
    const int Width = std::max(
        {Longest * 6 + 40, int(Buttons.size()) * (ButtonWidth + Gap) + 40, Input ? 260 : 0});
    const int TextHeight = Lines * 14;
    auto* Label = new TLabel(Form.get());
    Label->SetParent(Form.get());
    Label->SetBounds(16, 14, Width - 32, TextHeight);
    Label->SetCaption(Text);
    int Y = 14 + TextHeight + 12;
    TEdit* Edit = nullptr;
    if (Input) {
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(16, Y, Width - 32, 21);
        Edit->SetText(*Input);
        Edit->SetTabOrder(0);
        Y += 21 + 12;
    }
    int X = (Width - int(Buttons.size()) * (ButtonWidth + Gap) + Gap) / 2;
    TButton* First = nullptr;
    for (const TButtonSpec& Spec : Buttons) {
        auto* B = new TButton(Form.get());
        B->SetParent(Form.get());
        B->SetBounds(X, Y, ButtonWidth, 25);
        B->SetCaption(Spec.Caption);
        B->SetModalResult(Spec.Result);
        B->SetDefault(Spec.Result == Default);
        B->SetCancel(Spec.Result == Cancel);
        B->SetTabStop(true);
        if (Spec.Result == Default || !First) First = B;
        X += ButtonWidth + Gap;
    }
    Form->SetClientWidth(Width);
    Form->SetClientHeight(Y + 25 + 12);
    Form->SetPosition(poScreenCenter);
    Form->SetActiveControl(Edit ? static_cast<TWinControl*>(Edit) : First);
    TModalResult Result = Form->ShowModal();
    if (Result == mrNone) Result = Cancel;
    if (Input && Result == mrOk) *Input = Edit->Text();
    return Result;
}

} // namespace

int TDisplayUiDriver::MessageBox(const String& Text, const String& Caption, int Flags) {
    // Message box answers and modal results share their numbers up to IDNO; the later
    // answers are shifted so they cannot be taken for the modal results of other buttons.
    std::vector<TButtonSpec> Buttons;
    for (int Id : MessageBoxButtons(Flags))
        Buttons.push_back(
            {ButtonCaption(Id >= IDTRYAGAIN ? Id + 100 : Id), Id >= IDTRYAGAIN ? Id + 100 : Id});
    const int Default = DefaultMessageBoxButton(Flags);
    const auto Has = [&](int Id) {
        return std::any_of(Buttons.begin(), Buttons.end(),
                           [Id](const TButtonSpec& B) { return B.Result == Id; });
    };
    const int Cancel = Has(IDCANCEL)         ? IDCANCEL
                       : Buttons.size() == 1 ? Buttons.front().Result
                                             : IDCANCEL;
    const int Result = RunDialog(Caption, Text, Buttons,
                                 Default >= IDTRYAGAIN ? Default + 100 : Default, Cancel, nullptr);
    return Result > 100 ? Result - 100 : Result;
}

TModalResult TDisplayUiDriver::MessageDlg(const String& Msg, TMsgDlgType DlgType,
                                          TMsgDlgButtons Buttons) {
    std::vector<TButtonSpec> Specs;
    for (int B = mbYes; B <= mbHelp; ++B)
        if (Buttons.Contains(static_cast<TMsgDlgBtn>(B))) {
            const TModalResult R = ModalResultOf(static_cast<TMsgDlgBtn>(B));
            Specs.push_back({R == mrNone ? String("&Help") : ButtonCaption(R), R});
        }
    if (Specs.empty()) Specs.push_back({"OK", mrOk});
    const TModalResult Default = Buttons.Contains(mbOK)    ? mrOk
                                 : Buttons.Contains(mbYes) ? mrYes
                                                           : Specs.front().Result;
    const TModalResult Cancel = Buttons.Contains(mbCancel) ? mrCancel
                                : Buttons.Contains(mbNo)   ? mrNo
                                                           : Default;
    return RunDialog(DialogCaption(DlgType), Msg, Specs, Default, Cancel, nullptr);
}

bool TDisplayUiDriver::InputQuery(const String& Caption, const String& Prompt, String& Value) {
    String Edited = Value;
    if (RunDialog(Caption, Prompt, {{"OK", mrOk}, {"Cancel", mrCancel}}, mrOk, mrCancel, &Edited) !=
        mrOk)
        return false;
    Value = Edited;
    return true;
}

TModalResult TDisplayUiDriver::ShowModal(TCustomForm* Form) {
    // The other windows wait while the person answers this one.
    std::vector<HWND> Disabled;
    const HWND Own = Form->Handle();
    for (HWND Top = GetWindow(GetDesktopWindow(), GW_CHILD); Top; Top = GetWindow(Top, GW_HWNDNEXT))
        if (Top != Own && IsWindowVisible(Top) && IsWindowEnabled(Top)) {
            EnableWindow(Top, false);
            Disabled.push_back(Top);
        }
    if (TWinControl* First = Form->ActiveControl() ? Form->ActiveControl()
                                                   : FindNextTabControl(*Form, nullptr, true))
        if (First->CanFocus()) SetFocus(First->Handle());
    bool Ended = false;
    while (Form->ModalResult() == mrNone && Form->Visible() && IsWindow(Own)) {
        if (!Application || !HandleMessage()) {
            Ended = true;
            break;
        }
    }
    for (HWND Wnd : Disabled)
        if (IsWindow(Wnd)) EnableWindow(Wnd, true);
    if (Ended && Application && Application->Terminated()) {
        // The loop ended for the whole application: let the outer loop see the quit too.
        PostQuitMessage(0);
    }
    return Form->ModalResult() == mrNone ? mrCancel : mrNone;
}

TModalResult TDisplayUiDriver::ShowMessageDialog(TCustomForm& Form, const String&, TMsgDlgType,
                                                 TMsgDlgButtons) {
    ShowModal(&Form);
    return Form.ModalResult() == mrNone ? mrCancel : Form.ModalResult();
}

void TDisplayUiDriver::CommonDialog(TDialogSession& Session) {
    if (Session.Modeless()) return;
    MSG Msg;
    while (!Session.Ended() && IsWindow(Session.Handle())) {
        if (!GetMessageA(&Msg, nullptr, 0, 0)) {
            PostQuitMessage(int(Msg.wParam));
            break;
        }
        const bool Inside = Msg.hwnd == Session.Handle() || IsChild(Session.Handle(), Msg.hwnd);
        if (Inside && Msg.message == WM_KEYDOWN && Msg.wParam == WPARAM(VK_RETURN)) {
            Session.Click(IDOK);
        } else if (Inside && Msg.message == WM_KEYDOWN && Msg.wParam == WPARAM(VK_ESCAPE)) {
            Session.Click(IDCANCEL);
        } else if (Inside && Msg.message == WM_LBUTTONUP && Msg.hwnd != Session.Handle() &&
                   GetDlgCtrlID(Msg.hwnd)) {
            Session.Click(GetDlgCtrlID(Msg.hwnd));
        } else {
            DispatchMessageA(&Msg);
        }
    }
}

} // namespace host
