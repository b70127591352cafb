#include "host/controls/UiDriver.h"

#include "host/controls/CommonDialogWindow.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TMsgDlgType, "mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom")
ZT_DEFINE_ENUM(TMsgDlgBtn, "mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore",
               "mbAll", "mbNoToAll", "mbYesToAll", "mbHelp")
ZT_DEFINE_SET(TMsgDlgButtons)

namespace {

TUiDriver* CurrentDriver = nullptr;

} // namespace

TModalResult ModalResultOf(TMsgDlgBtn Button) {
    static constexpr TModalResult Results[] = {mrYes,     mrNo,       mrOk,     mrCancel,
                                               mrAbort,   mrRetry,    mrIgnore, mrAll,
                                               mrNoToAll, mrYesToAll, mrNone};
    return Results[Button];
}

std::vector<int> MessageBoxButtons(int Flags) {
    switch (Flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE:
        return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default:
        return {IDOK};
    }
}

int DefaultMessageBoxButton(int Flags) {
    std::vector<int> Buttons = MessageBoxButtons(Flags);
    auto Index = static_cast<std::size_t>((Flags & MB_DEFMASK) >> 8);
    return Index < Buttons.size() ? Buttons[Index] : Buttons.front();
}

int TDefaultUiDriver::MessageBox(const String&, const String&, int Flags) {
    return DefaultMessageBoxButton(Flags);
}

TModalResult TDefaultUiDriver::MessageDlg(const String&, TMsgDlgType, TMsgDlgButtons Buttons) {
    if (Buttons.Contains(mbOK)) return mrOk;
    if (Buttons.Contains(mbYes)) return mrYes;
    for (int B = mbYes; B <= mbYesToAll; ++B)
        if (Buttons.Contains(static_cast<TMsgDlgBtn>(B)))
            return ModalResultOf(static_cast<TMsgDlgBtn>(B));
    return mrCancel;
}

bool TDefaultUiDriver::InputQuery(const String&, const String&, String&) {
    return false;
}

TModalResult TDefaultUiDriver::ShowModal(TCustomForm*) {
    return mrCancel;
}

void TDefaultUiDriver::CommonDialog(TDialogSession& Session) {
    if (!Session.Modeless()) Session.Click(IDCANCEL);
}

TUiDriver& GetUiDriver() {
    static TDefaultUiDriver Default;
    return CurrentDriver ? *CurrentDriver : Default;
}

TUiDriver* SetUiDriver(TUiDriver* Driver) {
    TUiDriver* Previous = CurrentDriver;
    CurrentDriver = Driver;
    return Previous;
}

} // namespace host
