// The application's message loop.
#include "host/controls/Application.h"
#include "host/controls/DialogKeys.h"
#include "host/controls/MessageLoop.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/Platform.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

bool HandleMessage() {
    MSG Msg;
    if (!GetMessageA(&Msg, nullptr, 0, 0)) {
        if (Application) Application->Terminate();
        return false;
    }
    if (!IsDialogKey(Msg)) {
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    FreeReleasedForms();
    return Application && !Application->Terminated();
}

void RunApplication() {
    if (!Application) return;
    if (TCustomForm* Main = Application->MainForm()) Main->Show();
    while (!Application->Terminated() && HandleMessage()) {
    }
}

} // namespace host
