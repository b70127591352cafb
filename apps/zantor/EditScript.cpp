#include "EditScript.h"

#include "host/controls/ComCtrls.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Input.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <map>

using namespace host;

namespace {

const std::map<String, int> KeyCodes = {
    {"escape", VK_ESCAPE}, {"pageup", VK_PRIOR}, {"pagedown", VK_NEXT}, {"insert", 0x2D},
    {"delete", VK_DELETE}, {"home", VK_HOME},    {"end", VK_END},       {"enter", VK_RETURN},
    {"tab", VK_TAB},       {"up", VK_UP},        {"down", VK_DOWN}};

// The verbs and whether each names a control and takes text after it.
struct TVerb {
    const char* Name;
    bool HasTarget;
    bool HasText;
};
constexpr TVerb Verbs[] = {
    {"click", true, false},         {"pick", true, true},    {"toggle", true, true},
    {"type", true, true},           {"key", true, true},     {"focus", true, false},
    {"page", true, true},           {"answer", false, true}, {"input", false, true},
    {"input-cancel", false, false}, {"file", false, true},   {"file-cancel", false, false}};

String Unescape(const String& S) {
    String R;
    for (std::size_t I = 0; I < S.size(); ++I) {
        if (S[I] != '\\' || I + 1 == S.size()) {
            R += S[I];
            continue;
        }
        const char N = S[++I];
        R += N == 't' ? '\t' : N == 'n' ? '\n' : N;
    }
    return R;
}

// The first word of S, S keeping the rest (leading blanks gone).
String Word(String& S) {
    const std::size_t Start = S.find_first_not_of(' ');
    if (Start == String::npos) {
        S.clear();
        return String();
    }
    const std::size_t End = S.find(' ', Start);
    String W = S.substr(Start, End == String::npos ? String::npos : End - Start);
    S = End == String::npos ? String() : S.substr(End + 1);
    return W;
}

} // namespace

std::vector<TScriptStep> ReadEditScript(const String& FileName) {
    const String Text = ReadFileBytes(FileName);
    std::vector<TScriptStep> Steps;
    int LineNo = 0;
    std::size_t Pos = 0;
    while (Pos < Text.size()) {
        std::size_t End = Text.find('\n', Pos);
        if (End == String::npos) End = Text.size();
        String Line = Text.substr(Pos, End - Pos);
        Pos = End + 1;
        ++LineNo;
        if (!Line.empty() && Line.back() == '\r') Line.pop_back();
        String Rest = Line;
        TScriptStep Step;
        Step.Line = LineNo;
        Step.Verb = LowerCase(Word(Rest));
        if (Step.Verb.empty() || Step.Verb.front() == '#') continue;
        const auto* V = std::find_if(std::begin(Verbs), std::end(Verbs),
                                     [&](const TVerb& X) { return Step.Verb == X.Name; });
        auto Bad = [&](const String& Why) {
            return Exception("Script " + FileName + ", line " + std::to_string(LineNo) + ": " +
                             Why);
        };
        if (V == std::end(Verbs)) throw Bad("unknown step \"" + Step.Verb + "\"");
        if (V->HasTarget) {
            Step.Target = Word(Rest);
            if (Step.Target.empty()) throw Bad(Step.Verb + " needs a control name");
        }
        if (V->HasText) {
            Step.Text = Unescape(Rest);
            if (Step.Text.empty() && Step.Verb != "type" && Step.Verb != "input")
                throw Bad(Step.Verb + " needs a value");
        } else if (!Word(Rest).empty()) {
            throw Bad("unexpected text after " + Step.Verb);
        }
        if (Step.Verb == "key" && !KeyCodes.contains(LowerCase(Step.Text)))
            throw Bad("unknown key \"" + Step.Text + "\"");
        if (Step.Verb == "answer" && !(SameText(Step.Text, "yes") || SameText(Step.Text, "no") ||
                                       SameText(Step.Text, "ok") || SameText(Step.Text, "cancel")))
            throw Bad("answer is yes, no, ok or cancel");
        Steps.push_back(std::move(Step));
    }
    return Steps;
}

TEditScriptDriver::TEditScriptDriver(String FileName, std::vector<TScriptStep> Steps)
    : FFileName(std::move(FileName)), FSteps(std::move(Steps)) {}

void TEditScriptDriver::Fail(const TScriptStep& Step, const String& Why) const {
    throw Exception("Script " + FFileName + ", line " + std::to_string(Step.Line) + ": " + Why);
}

const TScriptStep& TEditScriptDriver::TakeAnswer(std::initializer_list<const char*> Accepted,
                                                 const String& What) {
    if (FNext >= FSteps.size())
        throw Exception("Script " + FFileName + " has no answer for " + What);
    const TScriptStep& Step = FSteps[FNext];
    if (std::none_of(Accepted.begin(), Accepted.end(),
                     [&](const char* V) { return Step.Verb == V; }))
        Fail(Step, What + " is asked, the script says \"" + Step.Verb + "\"");
    ++FNext;
    return Step;
}

int TEditScriptDriver::MessageBox(const String& Text, const String&, int Flags) {
    const TScriptStep& S = TakeAnswer({"answer"}, "message box \"" + Text + "\"");
    const int Answer = SameText(S.Text, "yes")  ? IDYES
                       : SameText(S.Text, "no") ? IDNO
                       : SameText(S.Text, "ok") ? IDOK
                                                : IDCANCEL;
    const std::vector<int> Offered = MessageBoxButtons(Flags);
    if (std::find(Offered.begin(), Offered.end(), Answer) == Offered.end())
        Fail(S, "message box \"" + Text + "\" does not offer " + S.Text);
    return Answer;
}

TModalResult TEditScriptDriver::MessageDlg(const String& Msg, TMsgDlgType, TMsgDlgButtons Buttons) {
    const TScriptStep& S = TakeAnswer({"answer"}, "message \"" + Msg + "\"");
    const TMsgDlgBtn Button = SameText(S.Text, "yes")  ? mbYes
                              : SameText(S.Text, "no") ? mbNo
                              : SameText(S.Text, "ok") ? mbOK
                                                       : mbCancel;
    if (!Buttons.Contains(Button)) Fail(S, "message \"" + Msg + "\" does not offer " + S.Text);
    return ModalResultOf(Button);
}

bool TEditScriptDriver::InputQuery(const String&, const String& Prompt, String& Value) {
    const TScriptStep& S = TakeAnswer({"input", "input-cancel"}, "input \"" + Prompt + "\"");
    if (S.Verb == "input-cancel") return false;
    Value = S.Text;
    return true;
}

void TEditScriptDriver::CommonDialog(TDialogSession& Session) {
    if (Session.Modeless()) return;
    const TScriptStep& S =
        TakeAnswer({"file", "file-cancel"}, "dialog \"" + Session.Caption() + "\"");
    if (S.Verb == "file-cancel") return Session.Click(IDCANCEL);
    Session.SetText(edt1, S.Text);
    Session.Click(IDOK);
}

TModalResult TEditScriptDriver::ShowModal(TCustomForm* Form) {
    while (FNext < FSteps.size() && Form->ModalResult() == mrNone) {
        const TScriptStep& Step = FSteps[FNext++];
        Play(*Form, Step);
    }
    // A script that ends with the editor open closes it without keeping anything.
    return Form->ModalResult() == mrNone ? mrCancel : mrNone;
}

void TEditScriptDriver::Play(TCustomForm& Form, const TScriptStep& Step) {
    if (Step.Verb == "answer" || Step.Verb.starts_with("input") || Step.Verb.starts_with("file"))
        Fail(Step, "no question is asked for \"" + Step.Verb + "\"");
    TComponent* C = Form.FindComponent(Step.Target);
    auto* Control = As<TWinControl>(C);
    if (!Control) Fail(Step, Form.Name() + " has no control " + Step.Target);
    const HWND Wnd = Control->Handle();
    if (Step.Verb == "click") {
        SendMessageA(Wnd, BM_CLICK, 0, 0);
    } else if (Step.Verb == "focus") {
        SetFocus(Wnd);
    } else if (Step.Verb == "key") {
        SendMessageA(Wnd, WM_KEYDOWN, WPARAM(KeyCodes.at(LowerCase(Step.Text))), 0);
    } else if (Step.Verb == "type") {
        auto* Edit = As<TCustomEdit>(Control);
        if (!Edit) Fail(Step, Step.Target + " is no edit");
        SetFocus(Wnd);
        SendMessageA(Wnd, EM_SETSEL, 0, -1);
        for (char Ch : Step.Text)
            SendMessageA(Wnd, WM_CHAR, Ch == '\n' ? 13 : static_cast<unsigned char>(Ch), 0);
    } else if (Step.Verb == "pick" || Step.Verb == "toggle") {
        auto* List = As<TCustomListBox>(Control);
        if (!List) Fail(Step, Step.Target + " is no list box");
        const int I = List->Items()->IndexOf(Step.Text);
        if (I < 0) Fail(Step, Step.Target + " has no item \"" + Step.Text + "\"");
        if (Step.Verb == "pick")
            List->Pick(I);
        else
            List->PickToggle(I);
    } else if (Step.Verb == "page") {
        auto* Pages = As<TPageControl>(Control);
        const int I = StrToIntDef(Step.Text, -1);
        if (!Pages || I < 0 || I >= Pages->PageCount())
            Fail(Step, Step.Target + " has no page " + Step.Text);
        Pages->Pick(I);
    }
}

void TEditScriptDriver::VerifyDone() const {
    if (FNext < FSteps.size())
        Fail(FSteps[FNext], "step \"" + FSteps[FNext].Verb + "\" was never played");
}
