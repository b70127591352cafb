// The UI driver: whatever stands for the person in front of the program. Every place where
// the program waits for a person (message boxes, message dialogs, input boxes, modal forms)
// asks the current driver what that person does. Tests install a scripted driver, the
// command line runs with the default one, and an interactive front end is a driver too.
#pragma once

#include "host/controls/Controls.h"
#include "host/controls/MessageBoxConsts.h"

#include <vector>

namespace host {

class TCustomForm;
class TDialogSession;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The modal result a message dialog button ends with; mbHelp ends nothing (mrNone).
TModalResult ModalResultOf(TMsgDlgBtn Button);
// The answers a message box offers for its flags, in button order (MB_OK for unknown sets).
std::vector<int> MessageBoxButtons(int Flags);
// The answer of the default button (MB_DEFBUTTONn); the first button when n is too large.
int DefaultMessageBoxButton(int Flags);

class TUiDriver {
public:
    virtual ~TUiDriver() = default;
    // A platform message box; returns IDOK, IDCANCEL ... (see MessageBoxConsts.h).
    virtual int MessageBox(const String& Text, const String& Caption, int Flags) = 0;
    // A message dialog; returns the modal result of the button chosen.
    virtual TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType,
                                    TMsgDlgButtons Buttons) = 0;
    // An input box; true with Value changed when confirmed, false with Value unchanged.
    virtual bool InputQuery(const String& Caption, const String& Prompt, String& Value) = 0;
    // The person works with the shown modal form; returns how the form was closed, or
    // mrNone when the form's own ModalResult (set by a button) says it.
    virtual TModalResult ShowModal(TCustomForm* Form) = 0;
    // The person works with a shown message dialog (a form built by MessageDlg); by default
    // answered as MessageDlg answers.
    virtual TModalResult ShowMessageDialog(TCustomForm& Form, const String& Msg,
                                           TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
        (void)Form;
        return MessageDlg(Msg, DlgType, Buttons);
    }
    // The person works with a shown common dialog through the session (Click(IDOK) ...). A
    // modal dialog that is left open afterwards is cancelled.
    virtual void CommonDialog(TDialogSession& Session) = 0;
};

// Answers as a person who accepts every default: a message box gets its default button,
// a message dialog mrOk when offered, else mrYes, else its first button (mrCancel when it
// has none but Help), an input box is cancelled, a modal form is closed (mrCancel), and a modal
// common dialog is cancelled (a modeless one is left alone).
class TDefaultUiDriver : public TUiDriver {
public:
    int MessageBox(const String& Text, const String& Caption, int Flags) override;
    TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType,
                            TMsgDlgButtons Buttons) override;
    bool InputQuery(const String& Caption, const String& Prompt, String& Value) override;
    TModalResult ShowModal(TCustomForm* Form) override;
    void CommonDialog(TDialogSession& Session) override;
};

// The installed driver, or a process-wide TDefaultUiDriver when none is.
TUiDriver& GetUiDriver();
// Installs Driver (not owned; nullptr restores the default) and returns the previous one.
TUiDriver* SetUiDriver(TUiDriver* Driver);

// Installs a driver for the lifetime of the guard, then restores the previous one.
class TUiDriverGuard {
public:
    explicit TUiDriverGuard(TUiDriver& Driver) : FPrevious(SetUiDriver(&Driver)) {}
    ~TUiDriverGuard() { SetUiDriver(FPrevious); }
    TUiDriverGuard(const TUiDriverGuard&) = delete;
    TUiDriverGuard& operator=(const TUiDriverGuard&) = delete;

private:
    TUiDriver* FPrevious;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TMsgDlgType);
ZT_DECLARE_TYPEINFO(host::TMsgDlgBtn);
ZT_DECLARE_TYPEINFO(host::TMsgDlgButtons);
