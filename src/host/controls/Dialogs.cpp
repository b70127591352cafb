#include "host/controls/Dialogs.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"

namespace host {

void ShowMessage(const String& Msg) {
    GetUiDriver().MessageDlg(Msg, mtCustom, {mbOK});
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
    if (!Application) return GetUiDriver().MessageDlg(Msg, DlgType, Buttons);
    TForm* Form = CreateMessageDialog(Msg, DlgType, Buttons);
    struct TFree {
        TForm* F;
        ~TFree() { F->Free(); }
    } Free{Form};
    return ShowMessageDialog(*Form, Msg, DlgType, Buttons);
}

bool InputQuery(const String& ACaption, const String& APrompt, String& Value) {
    return GetUiDriver().InputQuery(ACaption, APrompt, Value);
}

String InputBox(const String& ACaption, const String& APrompt, const String& ADefault) {
    String Value = ADefault;
    InputQuery(ACaption, APrompt, Value);
    return Value;
}

} // namespace host
