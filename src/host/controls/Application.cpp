#include "host/controls/Application.h"

#include "host/classes/Filer.h"
#include "host/controls/Screen.h"
#include "host/controls/UiDriver.h"
#include "host/rtl/FileNames.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Messages.h"

namespace host {

TApplication* Application = nullptr;

namespace {

constexpr int MaxProcessedMessages = 10000;

TComponent* FindModule(std::string_view Name) {
    return Screen ? Screen->FindGlobalComponent(Name) : nullptr;
}

} // namespace

TClass TApplication::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TApplication>("TApplication").NoCreate();
    return &Info;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
    RegisterControlClasses();
}

void TApplication::FormCreated(TComponent* Instance) {
    if (!FMainForm && Is<TForm>(Instance)) FMainForm = static_cast<TForm*>(Instance);
}

String TApplication::ExeName() const {
    return ParamStr0();
}

String TApplication::Title() const {
    if (!FTitle.empty()) return FTitle;
    return ChangeFileExt(ExtractFileName(ParamStr0()), "");
}

int TApplication::MessageBox(const String& Text, const String& Caption, int Flags) {
    return GetUiDriver().MessageBox(Text, Caption, Flags);
}

void TApplication::ProcessMessages() {
    // What is posted meanwhile is handled too, up to a bound, so that a window that keeps
    // posting to itself cannot hold the program here. Timers that are due come last.
    MSG Msg;
    for (int Left = MaxProcessedMessages; Left > 0; --Left) {
        if (!PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) break;
        if (Msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(Msg.wParam));
            break;
        }
        DispatchMessageA(&Msg);
    }
    FreeReleasedForms();
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMainForm) FMainForm = nullptr;
    if (Operation == opRemove && AComponent == FHintControl) {
        FHintControl = nullptr;
        CancelHint();
    }
}

void TApplication::HintMouseMessage(TControl* Control) {
    if (Control == FHintControl && FHintShowing) return;
    if (FHintControl != Control) {
        if (FHintControl) FHintControl->RemoveFreeNotification(this);
        FHintControl = Control;
        if (Control) Control->FreeNotification(this);
    }
    FHintShowing = true;
    FShownHint.clear();
    if (!FShowHint || !Control || !Control->ShowHint()) return;
    const String& Hint = Control->Hint();
    FShownHint = Hint.substr(0, Hint.find('|'));
}

void TApplication::CancelHint() {
    FHintShowing = false;
    FShownHint.clear();
}

void TApplication::SetShowHint(bool Value) {
    FShowHint = Value;
    if (!Value) CancelHint();
}

void InitApplication() {
    if (Application) return;
    Screen = new TScreen(nullptr);
    Application = new TApplication(nullptr);
    SetFindGlobalComponent(FindModule);
}

void DoneApplication() {
    FreeReleasedForms();
    if (Application) {
        Application->Free();
        Application = nullptr;
    }
    if (Screen) {
        Screen->Free();
        Screen = nullptr;
    }
    SetFindGlobalComponent(nullptr);
}

} // namespace host
