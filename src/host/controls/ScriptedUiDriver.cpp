#include "host/controls/ScriptedUiDriver.h"

#include "host/controls/CommonDialogWindow.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/Forms.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"

#include <algorithm>

namespace host {

namespace {

bool Offers(TMsgDlgButtons Buttons, TModalResult Answer) {
    for (int B = mbYes; B <= mbHelp; ++B)
        if (Buttons.Contains(static_cast<TMsgDlgBtn>(B)) &&
            ModalResultOf(static_cast<TMsgDlgBtn>(B)) == Answer)
            return true;
    return false;
}

} // namespace

String TScriptedUiDriver::KindName(TKind Kind) {
    static const char* const Names[] = {"message box", "message dialog", "input query",
                                        "modal form", "common dialog"};
    return Names[static_cast<int>(Kind)];
}

String TScriptedUiDriver::Describe(TKind Kind, const String& Text) {
    return KindName(Kind) + " '" + Text + "'";
}

TScriptedUiDriver& TScriptedUiDriver::ExpectMessageBox(const String& Text, int Answer) {
    FScript.push_back({TKind::MessageBox, Text, Answer, std::nullopt, {}, {}});
    return *this;
}

TScriptedUiDriver& TScriptedUiDriver::ExpectMessageDlg(const String& Msg, TModalResult Answer,
                                                       TFormAction Action) {
    FScript.push_back({TKind::MessageDlg, Msg, Answer, std::nullopt, std::move(Action), {}});
    return *this;
}

TScriptedUiDriver& TScriptedUiDriver::ExpectInputQuery(const String& Prompt,
                                                       std::optional<String> Answer) {
    FScript.push_back({TKind::InputQuery, Prompt, 0, std::move(Answer), {}, {}});
    return *this;
}

TScriptedUiDriver& TScriptedUiDriver::ExpectShowModal(const String& FormName, TModalResult Answer,
                                                      TFormAction Action) {
    FScript.push_back({TKind::ShowModal, FormName, Answer, std::nullopt, std::move(Action), {}});
    return *this;
}

TScriptedUiDriver& TScriptedUiDriver::ExpectCommonDialog(const String& Dialog,
                                                         TDialogAction Action) {
    FScript.push_back({TKind::CommonDialog, Dialog, 0, std::nullopt, {}, std::move(Action)});
    return *this;
}

void TScriptedUiDriver::VerifyAllConsumed() const {
    if (FScript.empty()) return;
    String List;
    for (const TStep& S : FScript)
        List += (List.empty() ? "" : ", ") + Describe(S.Kind, S.Text);
    throw EAssertionFailed("Expected prompts not shown: " + List);
}

TScriptedUiDriver::TStep
TScriptedUiDriver::Take(TKind Kind, const String& Shown,
                        const std::function<bool(const String&)>& Matches) {
    FLog.push_back(Describe(Kind, Shown));
    auto Unexpected = [&](const String& Expected) {
        return EAssertionFailed("Unexpected " + KindName(Kind) + ": '" + Shown + "' (" + Expected +
                                ")");
    };
    if (FScript.empty()) throw Unexpected("no more prompts expected");
    if (FScript.front().Kind != Kind || !Matches(FScript.front().Text))
        throw Unexpected("expected " + Describe(FScript.front().Kind, FScript.front().Text));
    TStep Step = std::move(FScript.front());
    FScript.pop_front();
    return Step;
}

int TScriptedUiDriver::MessageBox(const String& Text, const String&, int Flags) {
    TStep S = Take(TKind::MessageBox, Text, [&Text](const String& E) { return E == Text; });
    std::vector<int> Buttons = MessageBoxButtons(Flags);
    if (std::find(Buttons.begin(), Buttons.end(), S.Answer) == Buttons.end())
        throw EAssertionFailed("Answer " + std::to_string(S.Answer) + " is not offered by " +
                               Describe(S.Kind, Text));
    return S.Answer;
}

TModalResult TScriptedUiDriver::MessageDlg(const String& Msg, TMsgDlgType, TMsgDlgButtons Buttons) {
    TStep S = Take(TKind::MessageDlg, Msg, [&Msg](const String& E) { return E == Msg; });
    if (!Offers(Buttons, S.Answer))
        throw EAssertionFailed("Answer " + std::to_string(S.Answer) + " is not offered by " +
                               Describe(S.Kind, Msg));
    return S.Answer;
}

TModalResult TScriptedUiDriver::ShowMessageDialog(TCustomForm& Form, const String& Msg, TMsgDlgType,
                                                  TMsgDlgButtons Buttons) {
    TStep S = Take(TKind::MessageDlg, Msg, [&Msg](const String& E) { return E == Msg; });
    if (!Offers(Buttons, S.Answer))
        throw EAssertionFailed("Answer " + std::to_string(S.Answer) + " is not offered by " +
                               Describe(S.Kind, Msg));
    if (S.Action) S.Action(Form);
    return S.Answer;
}

void TScriptedUiDriver::CommonDialog(TDialogSession& Session) {
    const String Caption = Session.Caption();
    const String& ClassName = Session.Dialog().ClassName();
    auto Matches = [&](const String& E) { return SameText(E, ClassName) || E == Caption; };
    if (Session.Modeless() && (FScript.empty() || FScript.front().Kind != TKind::CommonDialog ||
                               !Matches(FScript.front().Text)))
        return;
    TStep S = Take(TKind::CommonDialog, Caption, Matches);
    if (S.DialogAction) S.DialogAction(Session);
}

bool TScriptedUiDriver::InputQuery(const String&, const String& Prompt, String& Value) {
    TStep S = Take(TKind::InputQuery, Prompt, [&Prompt](const String& E) { return E == Prompt; });
    if (!S.Input) return false;
    Value = *S.Input;
    return true;
}

TModalResult TScriptedUiDriver::ShowModal(TCustomForm* Form) {
    TStep S = Take(TKind::ShowModal, Form->Name(), [Form](const String& E) {
        return SameText(E, Form->Name()) || SameText(E, Form->ClassName());
    });
    if (S.Action) S.Action(*Form);
    return S.Answer;
}

} // namespace host
