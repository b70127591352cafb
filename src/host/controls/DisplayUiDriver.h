// The UI driver for a person at a display: modal forms run a message loop until the person
// closes them, and message boxes, message dialogs and input boxes are shown as small modal
// forms whose buttons the person presses.
#pragma once

#include "host/controls/UiDriver.h"

namespace host {

class TDisplayUiDriver : public TUiDriver {
public:
    int MessageBox(const String& Text, const String& Caption, int Flags) override;
    TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType,
                            TMsgDlgButtons Buttons) override;
    bool InputQuery(const String& Caption, const String& Prompt, String& Value) override;
    // Other forms are disabled while the loop runs; returns mrNone when the form's
    // ModalResult ends it, mrCancel when the loop ends otherwise (the application ends).
    TModalResult ShowModal(TCustomForm* Form) override;
    // The message dialog MessageDlg built and showed: a loop until a button ends it.
    TModalResult ShowMessageDialog(TCustomForm& Form, const String& Msg, TMsgDlgType DlgType,
                                   TMsgDlgButtons Buttons) override;
    // A modal common dialog runs a loop until it ends: its push buttons are clicked with the
    // mouse, Enter is OK, Escape and the close button cancel. A modeless one stays open.
    void CommonDialog(TDialogSession& Session) override;
};

} // namespace host
