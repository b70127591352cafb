#include "UiScript.h"

#include "host/classes/Strings.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/MoreComCtrls.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/TypInfo.h"
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

// A button of a message: its message-box answer (0 where message boxes have none) and its
// message-dialog button.
struct TAnswerButton {
    const char* Name;
    int Id;
    TMsgDlgBtn Button;
};
constexpr TAnswerButton AnswerButtons[] = {{"OK", IDOK, mbOK},
                                           {"Cancel", IDCANCEL, mbCancel},
                                           {"Yes", IDYES, mbYes},
                                           {"No", IDNO, mbNo},
                                           {"Abort", IDABORT, mbAbort},
                                           {"Retry", IDRETRY, mbRetry},
                                           {"Ignore", IDIGNORE, mbIgnore},
                                           {"All", 0, mbAll},
                                           {"YesToAll", 0, mbYesToAll},
                                           {"NoToAll", 0, mbNoToAll}};

const TAnswerButton* FindButton(const String& Name) {
    const auto* B = std::find_if(std::begin(AnswerButtons), std::end(AnswerButtons),
                                 [&](const TAnswerButton& X) { return SameText(Name, X.Name); });
    return B == std::end(AnswerButtons) ? nullptr : B;
}

// Where a verb may stand, and what follows it.
enum class TPlace { Block, Control, Question };
enum class TTextRule { None, Optional, Required };
struct TVerb {
    const char* Name;
    TPlace Place;
    bool HasTarget;
    TTextRule Text;
};
constexpr TVerb Verbs[] = {{"form", TPlace::Block, true, TTextRule::None},
                           {"end", TPlace::Block, false, TTextRule::None},
                           {"click", TPlace::Control, true, TTextRule::None},
                           {"check", TPlace::Control, true, TTextRule::Required},
                           {"set", TPlace::Control, true, TTextRule::Optional},
                           {"type", TPlace::Control, true, TTextRule::Optional},
                           {"pick", TPlace::Control, true, TTextRule::Required},
                           {"toggle", TPlace::Control, true, TTextRule::Required},
                           {"key", TPlace::Control, true, TTextRule::Required},
                           {"focus", TPlace::Control, true, TTextRule::None},
                           {"page", TPlace::Control, true, TTextRule::Required},
                           {"expect", TPlace::Control, true, TTextRule::Optional},
                           {"answer", TPlace::Question, false, TTextRule::Required},
                           {"input", TPlace::Question, false, TTextRule::Optional},
                           {"input-cancel", TPlace::Question, false, TTextRule::Optional},
                           {"file", TPlace::Question, false, TTextRule::Required},
                           {"file-cancel", TPlace::Question, false, TTextRule::None}};

String Unescape(const String& S) {
    String R;
    for (std::size_t I = 0; I < S.size(); ++I) {
        if (S[I] != '\\' || I + 1 == S.size()) {
            R += S[I];
            continue;
        }
        const char N = S[++I];
        R += N == 't' ? '\t' : N == 'n' ? '\n' : N == 's' ? ' ' : N;
    }
    return R;
}

String Trim(const String& S) {
    const auto B = S.find_first_not_of(" \t\r");
    if (B == String::npos) return String();
    return S.substr(B, S.find_last_not_of(" \t\r") - B + 1);
}

// The first word of S; S keeps the rest, trimmed.
String Word(String& S) {
    S = Trim(S);
    const auto Space = S.find_first_of(" \t");
    String W = S.substr(0, Space);
    S = Space == String::npos ? String() : Trim(S.substr(Space));
    return W;
}

// "PROMPT => REST" splits at the first arrow (Last: the last), PROMPT trimmed.
bool SplitPrompt(const String& S, bool Last, String& Prompt, String& Rest) {
    const auto Arrow = Last ? S.rfind("=>") : S.find("=>");
    if (Arrow == String::npos) return false;
    Prompt = Unescape(Trim(S.substr(0, Arrow)));
    Rest = Trim(S.substr(Arrow + 2));
    return true;
}

} // namespace

TUiScript ParseUiScript(const String& FileName, const String& Text) {
    TUiScript Script{FileName, {}};
    // The lines of the form blocks open at this line, innermost last.
    std::vector<int> OpenLines;
    int LineNo = 0;
    std::size_t Pos = 0;
    while (Pos < Text.size()) {
        std::size_t EndOfLine = Text.find('\n', Pos);
        if (EndOfLine == String::npos) EndOfLine = Text.size();
        String Rest = Text.substr(Pos, EndOfLine - Pos);
        Pos = EndOfLine + 1;
        ++LineNo;
        auto Bad = [&](const String& Why) {
            return Exception("Script " + FileName + ", line " + std::to_string(LineNo) + ": " +
                             Why);
        };
        TUiStep Step;
        Step.Line = LineNo;
        Step.Verb = LowerCase(Word(Rest));
        if (Step.Verb.empty() || Step.Verb.front() == '#') continue;
        const auto* V = std::find_if(std::begin(Verbs), std::end(Verbs),
                                     [&](const TVerb& X) { return Step.Verb == X.Name; });
        if (V == std::end(Verbs)) throw Bad("unknown step \"" + Step.Verb + "\"");
        if (V->HasTarget) {
            Step.Target = Word(Rest);
            if (Step.Target.empty())
                throw Bad(Step.Verb + (Step.Verb == "form" ? " needs the form's name"
                                                           : " needs a control name"));
        }
        if (V->Text == TTextRule::None && !Rest.empty())
            throw Bad("unexpected text after " + Step.Verb + " (comments have lines of their own)");
        if (V->Text == TTextRule::Required && Rest.empty()) throw Bad(Step.Verb + " needs a value");
        if (Step.Verb == "answer") {
            String Button = Rest;
            Step.HasPrompt = SplitPrompt(Rest, true, Step.Prompt, Button);
            const TAnswerButton* B = FindButton(Button);
            if (!B)
                throw Bad("answer is OK, Cancel, Yes, No, Abort, Retry, Ignore, All, YesToAll or "
                          "NoToAll, not \"" +
                          Button + "\"");
            Step.Text = B->Name;
        } else if (Step.Verb == "input") {
            String Value = Rest;
            Step.HasPrompt = SplitPrompt(Rest, false, Step.Prompt, Value);
            Step.Text = Unescape(Value);
        } else if (Step.Verb == "input-cancel") {
            Step.HasPrompt = !Rest.empty();
            Step.Prompt = Unescape(Rest);
        } else {
            Step.Text = Unescape(Rest);
        }
        if (Step.Verb == "key" && !KeyCodes.contains(LowerCase(Step.Text)))
            throw Bad("unknown key \"" + Step.Text + "\"");
        if (Step.Verb == "check" && Step.Text != "on" && Step.Text != "off")
            throw Bad("check takes on or off");
        if (Step.Verb == "page" && StrToIntDef(Step.Text, -1) < 0)
            throw Bad("page takes the page's index, from 0");
        if (Step.Verb == "expect" && Step.Target.find('.') == String::npos)
            throw Bad("expect takes NAME.PROPERTY and the value");
        if (V->Place == TPlace::Control && OpenLines.empty())
            throw Bad(Step.Verb + " needs the form it is done on: put it between \"form NAME\" "
                                  "and \"end\"");
        if (Step.Verb == "form") {
            OpenLines.push_back(LineNo);
        } else if (Step.Verb == "end") {
            if (OpenLines.empty()) throw Bad("end without form");
            OpenLines.pop_back();
        }
        Script.Steps.push_back(std::move(Step));
    }
    if (!OpenLines.empty())
        throw Exception("Script " + FileName + ", line " + std::to_string(OpenLines.back()) +
                        ": form without end");
    return Script;
}

TUiScript ReadUiScript(const String& FileName) {
    return ParseUiScript(FileName, ReadFileBytes(FileName));
}

TUiScriptDriver::TUiScriptDriver(TUiScript Script) : FScript(std::move(Script)) {}

void TUiScriptDriver::Fail(const TUiStep& Step, const String& Why) const {
    throw Exception("Script " + FScript.FileName + ", line " + std::to_string(Step.Line) + ": " +
                    Why);
}

const TUiStep& TUiScriptDriver::TakeAnswer(std::initializer_list<const char*> Accepted,
                                           const String& What) {
    if (FNext >= FScript.Steps.size())
        throw Exception("Script " + FScript.FileName + " has no answer for " + What);
    const TUiStep& Step = FScript.Steps[FNext];
    if (std::none_of(Accepted.begin(), Accepted.end(),
                     [&](const char* V) { return Step.Verb == V; }))
        Fail(Step, What + " is asked, the script says \"" + Step.Verb + "\"");
    ++FNext;
    return Step;
}

const TUiStep& TUiScriptDriver::TakeMessageAnswer(const String& Text) {
    const TUiStep& S = TakeAnswer({"answer"}, "message \"" + Text + "\"");
    if (S.HasPrompt && S.Prompt != Text)
        Fail(S, "the message is \"" + Text + "\", not \"" + S.Prompt + "\"");
    return S;
}

int TUiScriptDriver::MessageBox(const String& Text, const String&, int Flags) {
    const TUiStep& S = TakeMessageAnswer(Text);
    const int Answer = FindButton(S.Text)->Id;
    const std::vector<int> Offered = MessageBoxButtons(Flags);
    if (Answer == 0 || std::find(Offered.begin(), Offered.end(), Answer) == Offered.end())
        Fail(S, "message \"" + Text + "\" does not offer " + S.Text);
    return Answer;
}

TModalResult TUiScriptDriver::MessageDlg(const String& Msg, TMsgDlgType, TMsgDlgButtons Buttons) {
    const TUiStep& S = TakeMessageAnswer(Msg);
    const TMsgDlgBtn Button = FindButton(S.Text)->Button;
    if (!Buttons.Contains(Button)) Fail(S, "message \"" + Msg + "\" does not offer " + S.Text);
    return ModalResultOf(Button);
}

bool TUiScriptDriver::InputQuery(const String&, const String& Prompt, String& Value) {
    const TUiStep& S = TakeAnswer({"input", "input-cancel"}, "input \"" + Prompt + "\"");
    if (S.HasPrompt && S.Prompt != Prompt)
        Fail(S, "the input box asks \"" + Prompt + "\", not \"" + S.Prompt + "\"");
    if (S.Verb == "input-cancel") return false;
    Value = S.Text;
    return true;
}

void TUiScriptDriver::CommonDialog(TDialogSession& Session) {
    // A modeless dialog (Find, Replace) does not wait for the person.
    if (Session.Modeless()) return;
    const TUiStep& S = TakeAnswer({"file", "file-cancel"}, "dialog \"" + Session.Caption() + "\"");
    if (S.Verb == "file-cancel") return Session.Click(IDCANCEL);
    Session.SetText(edt1, S.Text);
    Session.Click(IDOK);
}

TModalResult TUiScriptDriver::ShowModal(TCustomForm* Form) {
    const TUiStep& Open = TakeAnswer({"form"}, "form " + Form->Name());
    if (!SameText(Open.Target, Form->Name()) && !SameText(Open.Target, Form->ClassName()))
        Fail(Open, "form " + Form->Name() + " is shown, not " + Open.Target);
    // The reader saw to it that the block has its end.
    while (FNext < FScript.Steps.size()) {
        const TUiStep& Step = FScript.Steps[FNext];
        if (Form->ModalResult() != mrNone) {
            if (Step.Verb != "end")
                Fail(Step, Form->Name() + " has closed before this step" +
                               (Step.Verb == "answer" || Step.Verb.starts_with("input")
                                    ? String(" (a question asked as it closes is answered after "
                                             "its end)")
                                    : String()));
            ++FNext;
            return mrNone;
        }
        ++FNext;
        // A form still open at its end is closed without keeping anything.
        if (Step.Verb == "end") return mrCancel;
        Play(*Form, Step);
    }
    return mrCancel;
}

void TUiScriptDriver::Play(TCustomForm& Form, const TUiStep& Step) {
    if (Step.Verb == "form") Fail(Step, "form " + Step.Target + " is not shown");
    if (Step.Verb == "answer" || Step.Verb.starts_with("input") || Step.Verb.starts_with("file"))
        Fail(Step, "no question is asked for \"" + Step.Verb + "\"");
    if (Step.Verb == "expect") {
        const auto Dot = Step.Target.find('.');
        TComponent* C = Dot == 0 ? &Form : Form.FindComponent(Step.Target.substr(0, Dot));
        if (!C) Fail(Step, Form.Name() + " has no control " + Step.Target.substr(0, Dot));
        const String Prop = Step.Target.substr(Dot + 1);
        PPropInfo Info = GetPropInfo(C, Prop);
        if (!Info) Fail(Step, Step.Target + " is not a property");
        const TTypeKind Kind = Info->Kind();
        String Shown;
        if (Kind == tkString || Kind == tkLString || Kind == tkWString) {
            Shown = GetStrProp(C, Prop);
        } else if (Kind == tkClass) {
            // A string list (a memo's lines, a list's items) reads as its lines joined by "\n".
            auto* Lines = As<TStrings>(GetObjectProp(C, Prop));
            if (!Lines) Fail(Step, Step.Target + " is neither text, number nor lines");
            for (int I = 0; I < Lines->Count(); ++I)
                Shown += (I ? "\n" : "") + Lines->Strings(I);
        } else {
            Shown = IntToStr(GetOrdProp(C, Prop));
        }
        if (Shown != Step.Text)
            Fail(Step, Step.Target + " is \"" + Shown + "\", not \"" + Step.Text + "\"");
        return;
    }
    TComponent* C = Form.FindComponent(Step.Target);
    auto* Control = As<TControl>(C);
    if (!Control) Fail(Step, Form.Name() + " has no control " + Step.Target);
    // The mouse takes the focus to what it clicks, so the control left sees its exit first.
    auto TakeFocus = [&] {
        if (auto* W = As<TWinControl>(Control)) SetFocus(W->Handle());
    };
    if (Step.Verb == "click") {
        if (!Control->Enabled()) Fail(Step, Step.Target + " is disabled");
        TakeFocus();
        if (auto* Button = As<TButtonControl>(Control))
            SendMessageA(Button->Handle(), BM_CLICK, 0, 0);
        else
            Control->Click();
        return;
    }
    if (Step.Verb == "check") {
        auto* Box = As<TCheckBox>(Control);
        if (!Box) Fail(Step, Step.Target + " is no check box");
        if (!Box->Enabled()) Fail(Step, Step.Target + " is disabled");
        Box->SetChecked(Step.Text == "on");
        return;
    }
    if (Step.Verb == "set") {
        auto* Edit = As<TCustomEdit>(Control);
        if (!Edit) Fail(Step, Step.Target + " is no edit");
        Edit->SetText(Step.Text);
        return;
    }
    if (Step.Verb == "pick" || Step.Verb == "toggle") {
        TakeFocus();
        auto Index = [&](TStrings* Items) {
            const int I = Items->IndexOf(Step.Text);
            if (I < 0) Fail(Step, Step.Target + " has no item \"" + Step.Text + "\"");
            return I;
        };
        if (auto* List = As<TCustomListBox>(Control)) {
            const int I = Index(List->Items());
            if (Step.Verb == "pick")
                List->Pick(I);
            else
                List->PickToggle(I);
        } else if (auto* Combo = As<TCustomComboBox>(Control); Combo && Step.Verb == "pick") {
            Combo->Pick(Index(Combo->Items()));
        } else if (auto* Group = As<TCustomRadioGroup>(Control); Group && Step.Verb == "pick") {
            Group->Pick(Index(Group->Items()));
        } else {
            Fail(Step, Step.Target + (Step.Verb == "pick" ? " is no list, combo box or radio group"
                                                          : " is no list box"));
        }
        return;
    }
    if (Step.Verb == "page") {
        const int I = StrToInt(Step.Text);
        auto Check = [&](int Count) {
            if (I >= Count) Fail(Step, Step.Target + " has no page " + Step.Text);
        };
        if (auto* Pages = As<TPageControl>(Control)) {
            Check(Pages->PageCount());
            Pages->Pick(I);
        } else if (auto* Note = As<TNotebook>(Control)) {
            Check(Note->PageCount());
            Note->SetPageIndex(I);
        } else if (auto* Tabs = As<TTabSet>(Control)) {
            Check(Tabs->Tabs()->Count());
            Tabs->Pick(I);
        } else if (auto* TabCtl = As<TTabControl>(Control)) {
            Check(TabCtl->Tabs()->Count());
            TabCtl->Pick(I);
        } else {
            Fail(Step, Step.Target + " has no pages");
        }
        return;
    }
    auto* Win = As<TWinControl>(Control);
    if (!Win) Fail(Step, Step.Target + " takes no focus or keys");
    const HWND Wnd = Win->Handle();
    if (Step.Verb == "focus") {
        SetFocus(Wnd);
    } else if (Step.Verb == "key") {
        SendMessageA(Wnd, WM_KEYDOWN, WPARAM(KeyCodes.at(LowerCase(Step.Text))), 0);
    } else if (Step.Verb == "type") {
        if (!As<TCustomEdit>(Control)) Fail(Step, Step.Target + " is no edit");
        SetFocus(Wnd);
        SendMessageA(Wnd, EM_SETSEL, 0, -1);
        for (char Ch : Step.Text)
            SendMessageA(Wnd, WM_CHAR, Ch == '\n' ? 13 : static_cast<unsigned char>(Ch), 0);
    }
}

void TUiScriptDriver::VerifyDone() const {
    if (FNext < FScript.Steps.size())
        Fail(FScript.Steps[FNext], "step \"" + FScript.Steps[FNext].Verb + "\" was never played");
}
