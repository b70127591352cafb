// The script of "zantor wizard --script" and "zantor edit --script": what a person does with
// the forms the command shows and how they answer its questions, one step a line, played in
// order without a person.
//
//   # a comment (a line of its own); blank lines and indentation are skipped
//   form NAME               the modal form NAME (its name or class name) is shown; the steps
//     ...                   up to its "end" are done on it
//   end                     a form still open here is closed as by its close box (nothing kept)
//
// Steps on the controls of the form shown (by the control's name); click, pick and toggle move
// the focus to the control first, as the mouse does:
//   click CONTROL           a click on a button, check box or radio button (refused disabled)
//   check BOX on|off        set a check box
//   set EDIT TEXT           put TEXT into an edit (the rest of the line; may be empty)
//   type EDIT TEXT          focus EDIT, select its text and type TEXT over it, key by key
//   pick LIST ITEM          choose ITEM of a list box, combo box or radio group
//   toggle LIST ITEM        Ctrl+click ITEM of a multi-select list box
//   key CONTROL KEY         Escape, Enter, Tab, PageUp, PageDown, Insert, Delete, Home, End,
//                           Up, Down
//   focus CONTROL           move the focus (the control left fires OnExit)
//   page NOTEBOOK INDEX     show page INDEX (from 0) of a page control, notebook or tab set
//   expect NAME.PROP VALUE  stop unless the property reads VALUE (Booleans read 0 or 1, string
//                           lists their lines joined by "\n"); ".PROP" is the form's own
//
// Answers, taken by the question they answer, which must come when the script has it next:
//   answer [TEXT =>] BUTTON a message box or message dialog (with TEXT: saying exactly that),
//                           answered with OK, Cancel, Yes, No, Abort, Retry, Ignore, All,
//                           YesToAll or NoToAll (it must offer it)
//   input [PROMPT =>] VALUE an input box, confirmed with VALUE
//   input-cancel [PROMPT]   an input box, cancelled
//   file PATH               the next open or save dialog, confirmed with PATH
//   file-cancel             the next open or save dialog, cancelled
// A form opened by a step (an editor behind a button) is a form ... end block right after that
// step; so is a question. In TEXT, ITEM, PROMPT and VALUE, "\t", "\n", "\s" and "\\" stand for
// a tab, a line break, a blank and a backslash.
#pragma once

#include "host/controls/UiDriver.h"

#include <vector>

struct TUiStep {
    int Line = 0;
    host::String Verb;
    host::String Target;
    host::String Text;
    // answer/input: the text the question must show (HasPrompt), before "=>".
    host::String Prompt;
    bool HasPrompt = false;
};

struct TUiScript {
    host::String FileName;
    std::vector<TUiStep> Steps;
};

// Reads the script in Text; raises host::Exception "Script FILE, line N: ..." for a line it
// does not understand, a control step outside a form block, or a block left open.
[[nodiscard]] TUiScript ParseUiScript(const host::String& FileName, const host::String& Text);
// The same for the file's contents; raises when it cannot be read.
[[nodiscard]] TUiScript ReadUiScript(const host::String& FileName);

// Plays a script as the person in front of the program. Every mismatch between what is shown
// and what the script says next raises host::Exception naming the script line.
class TUiScriptDriver : public host::TUiDriver {
public:
    explicit TUiScriptDriver(TUiScript Script);

    int MessageBox(const host::String& Text, const host::String& Caption, int Flags) override;
    host::TModalResult MessageDlg(const host::String& Msg, host::TMsgDlgType DlgType,
                                  host::TMsgDlgButtons Buttons) override;
    bool InputQuery(const host::String& Caption, const host::String& Prompt,
                    host::String& Value) override;
    host::TModalResult ShowModal(host::TCustomForm* Form) override;
    void CommonDialog(host::TDialogSession& Session) override;

    // Raises when steps are left that were never played.
    void VerifyDone() const;

private:
    // The next step, which must be one of Verbs, taken for the question What.
    const TUiStep& TakeAnswer(std::initializer_list<const char*> Verbs, const host::String& What);
    // The button of an answer step, with the question it answers checked against its TEXT.
    const TUiStep& TakeMessageAnswer(const host::String& Text);
    void Play(host::TCustomForm& Form, const TUiStep& Step);
    [[noreturn]] void Fail(const TUiStep& Step, const host::String& Why) const;

    TUiScript FScript;
    std::size_t FNext = 0;
};
