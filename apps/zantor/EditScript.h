// The script of "zantor edit --script FILE": what a person does with the editor form and how
// they answer its questions, one step a line, played in order without a person.
//
//   # a comment; blank lines are skipped
//   click CONTROL           BM_CLICK on a button or check box of the editor
//   pick LIST ITEM          choose ITEM of a list box (the rest of the line)
//   toggle LIST ITEM        Ctrl+click ITEM of a multi-select list box
//   type EDIT TEXT          focus EDIT, select its text and type TEXT over it
//   key CONTROL KEY         a key: Escape, PageUp, PageDown, Insert, Delete, Home, End, Enter
//   focus CONTROL           move the focus (the control left fires OnExit)
//   page NOTEBOOK INDEX     click the tab INDEX (from 0) of a page control
//   answer yes|no|ok|cancel answer the next message dialog
//   input TEXT              answer the next input box with TEXT; "input-cancel" cancels it
//   file PATH               choose PATH in the next open or save dialog; "file-cancel" cancels
//
// In TEXT and ITEM, "\t", "\n" and "\\" stand for a tab, a line break and a backslash.
// Control names are the editor's (BtnOK, PropList, EdtTranslation ...). Steps run when the
// editor is shown; an answer step is taken by the question it answers, which must be the next
// step when the question comes. When the script ends with the editor still open, the editor
// is closed as by its window's close box (nothing is kept).
#pragma once

#include "host/controls/UiDriver.h"

#include <vector>

struct TScriptStep {
    int Line = 0;
    host::String Verb;
    host::String Target;
    host::String Text;
};

// Reads a script; raises host::Exception "Script FILE, line N: ..." for a step it does not know.
std::vector<TScriptStep> ReadEditScript(const host::String& FileName);

class TEditScriptDriver : public host::TUiDriver {
public:
    TEditScriptDriver(host::String FileName, std::vector<TScriptStep> Steps);

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
    // The next step, which must be an answer of one of Verbs to What.
    const TScriptStep& TakeAnswer(std::initializer_list<const char*> Verbs,
                                  const host::String& What);
    void Play(host::TCustomForm& Form, const TScriptStep& Step);
    [[noreturn]] void Fail(const TScriptStep& Step, const host::String& Why) const;

    host::String FFileName;
    std::vector<TScriptStep> FSteps;
    std::size_t FNext = 0;
};
