// TScriptedUiDriver: a UI driver that plays a script of expected prompts and answers, for
// tests. Prompts must come in the scripted order with the scripted text; anything else
// raises EAssertionFailed naming the prompt seen and the one expected.
#pragma once

#include "host/controls/UiDriver.h"

#include <deque>
#include <functional>
#include <optional>

namespace host {

class TScriptedUiDriver : public TUiDriver {
public:
    // Something done with a modal form while it is shown: fill in controls, click buttons.
    using TFormAction = std::function<void(TCustomForm& Form)>;
    // What the person does with a shown common dialog: type, choose, click OK or Cancel.
    using TDialogAction = std::function<void(TDialogSession& Session)>;

    // The next prompt is a message box with exactly this text, answered with Answer, which
    // must be one of its buttons.
    TScriptedUiDriver& ExpectMessageBox(const String& Text, int Answer);
    // The next prompt is a message dialog with this message; Answer must be the modal
    // result of one of its buttons.
    // Action runs first with the shown dialog form (message dialogs that are forms).
    TScriptedUiDriver& ExpectMessageDlg(const String& Msg, TModalResult Answer,
                                        TFormAction Action = {});
    // The next prompt is an input box with this prompt; std::nullopt cancels it.
    TScriptedUiDriver& ExpectInputQuery(const String& Prompt, std::optional<String> Answer);
    // The next prompt is the modal form of this name (or class name, case ignored). Action
    // runs first; then Answer is returned (mrNone leaves the result to the form).
    TScriptedUiDriver& ExpectShowModal(const String& FormName, TModalResult Answer,
                                       TFormAction Action = {});

    // The next prompt is the common dialog whose class name (case ignored) or caption as shown
    // is Dialog; Action is what the person does (a modal dialog left open is cancelled). A
    // modeless dialog does not wait for the person: it is a prompt only when the next step
    // expects it, and is otherwise left open without a log entry.
    TScriptedUiDriver& ExpectCommonDialog(const String& Dialog, TDialogAction Action);

    int Pending() const { return static_cast<int>(FScript.size()); }
    // Raises EAssertionFailed "Expected prompts not shown: message box 'x', ..." when part
    // of the script is left.
    void VerifyAllConsumed() const;
    // Every prompt met so far, as "message box 'text'".
    const std::vector<String>& Log() const { return FLog; }

    int MessageBox(const String& Text, const String& Caption, int Flags) override;
    TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType,
                            TMsgDlgButtons Buttons) override;
    bool InputQuery(const String& Caption, const String& Prompt, String& Value) override;
    TModalResult ShowModal(TCustomForm* Form) override;
    TModalResult ShowMessageDialog(TCustomForm& Form, const String& Msg, TMsgDlgType DlgType,
                                   TMsgDlgButtons Buttons) override;
    void CommonDialog(TDialogSession& Session) override;

private:
    enum class TKind { MessageBox, MessageDlg, InputQuery, ShowModal, CommonDialog };
    struct TStep {
        TKind Kind;
        String Text;
        int Answer = 0;
        std::optional<String> Input;
        TFormAction Action;
        TDialogAction DialogAction;
    };

    static String KindName(TKind Kind);
    static String Describe(TKind Kind, const String& Text);
    // The next step, checked against the prompt met (Shown describes it in messages);
    // removed from the script.
    TStep Take(TKind Kind, const String& Shown, const std::function<bool(const String&)>& Matches);

    std::deque<TStep> FScript;
    std::vector<String> FLog;
};

} // namespace host
