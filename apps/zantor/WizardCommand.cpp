#include "WizardCommand.h"

#include "host/classes/Component.h"
#include "host/controls/DisplayUiDriver.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/MessageBoxConsts.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/StdCtrls.h"
#include "host/ide/DesignHost.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/x11/DisplaySelect.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

using namespace host;

namespace {

// One thing the person does on the wizard: the verb, the control, the rest of the line.
struct TScriptAction {
    int Line = 0;
    String Verb;
    String Name;
    String Arg;
};

[[noreturn]] void Fail(int Line, const String& Message) {
    throw std::runtime_error("script line " + std::to_string(Line) + ": " + Message);
}

String Trim(const String& S) {
    const auto B = S.find_first_not_of(" \t\r");
    if (B == String::npos) return "";
    return S.substr(B, S.find_last_not_of(" \t\r") - B + 1);
}

// "first rest": splits off the first word.
std::pair<String, String> Word(const String& S) {
    const String T = Trim(S);
    const auto Space = T.find_first_of(" \t");
    if (Space == String::npos) return {T, ""};
    return {T.substr(0, Space), Trim(T.substr(Space))};
}

int ButtonOf(int Line, const String& Name) {
    static const std::pair<const char*, int> Buttons[] = {
        {"OK", IDOK},         {"Cancel", IDCANCEL}, {"Abort", IDABORT}, {"Retry", IDRETRY},
        {"Ignore", IDIGNORE}, {"Yes", IDYES},       {"No", IDNO}};
    for (const auto& [Text, Id] : Buttons)
        if (SameText(Name, Text)) return Id;
    Fail(Line, "unknown button \"" + Name + "\"");
}

TComponent* Control(TCustomForm& Form, const TScriptAction& A) {
    TComponent* C = Form.FindComponent(A.Name);
    if (!C) Fail(A.Line, Form.Name() + " has no control " + A.Name);
    return C;
}

void Perform(TCustomForm& Form, const TScriptAction& A) {
    if (A.Verb == "click") {
        TComponent* C = Control(Form, A);
        if (auto* Radio = As<TRadioButton>(C))
            Radio->SetChecked(true);
        else if (auto* Box = As<TCheckBox>(C))
            Box->SetChecked(!Box->Checked());
        else if (auto* Ctl = As<TControl>(C); Ctl && Ctl->Enabled())
            Ctl->Click();
        else
            Fail(A.Line, A.Name + " is disabled or cannot be clicked");
    } else if (A.Verb == "check") {
        auto* Box = As<TCheckBox>(Control(Form, A));
        if (!Box || (A.Arg != "on" && A.Arg != "off"))
            Fail(A.Line, "check takes a check box and on|off");
        Box->SetChecked(A.Arg == "on");
    } else if (A.Verb == "set") {
        auto* Edit = As<TCustomEdit>(Control(Form, A));
        if (!Edit) Fail(A.Line, A.Name + " is not an edit");
        Edit->SetText(A.Arg);
    } else if (A.Verb == "pick") {
        TComponent* C = Control(Form, A);
        if (auto* List = As<TCustomListBox>(C)) {
            const int Index = List->Items()->IndexOf(A.Arg);
            if (Index < 0) Fail(A.Line, A.Name + " has no item \"" + A.Arg + "\"");
            List->Pick(Index);
        } else if (auto* Combo = As<TCustomComboBox>(C)) {
            const int Index = Combo->Items()->IndexOf(A.Arg);
            if (Index < 0) Fail(A.Line, A.Name + " has no item \"" + A.Arg + "\"");
            Combo->Pick(Index);
        } else {
            Fail(A.Line, A.Name + " is not a list");
        }
    } else if (A.Verb == "tab") {
        auto* Note = As<TNotebook>(Control(Form, A));
        if (!Note) Fail(A.Line, A.Name + " is not a notebook");
        Note->SetPageIndex(StrToInt(A.Arg));
    } else if (A.Verb == "expect") {
        const auto Dot = A.Name.find('.');
        if (Dot == String::npos) Fail(A.Line, "expect takes NAME.PROPERTY");
        TComponent* C = Dot == 0 ? &Form : Form.FindComponent(A.Name.substr(0, Dot));
        if (!C) Fail(A.Line, Form.Name() + " has no control " + A.Name.substr(0, Dot));
        const String Prop = A.Name.substr(Dot + 1);
        PPropInfo Info = GetPropInfo(C, Prop);
        if (!Info) Fail(A.Line, A.Name + " is not a property");
        const TTypeKind Kind = Info->Kind();
        const bool Text = Kind == tkString || Kind == tkLString || Kind == tkWString;
        const String Shown = Text ? GetStrProp(C, Prop) : IntToStr(GetOrdProp(C, Prop));
        if (Shown != A.Arg) Fail(A.Line, A.Name + " is \"" + Shown + "\", not \"" + A.Arg + "\"");
    } else {
        Fail(A.Line, "unknown action \"" + A.Verb + "\"");
    }
}

} // namespace

void ReadWizardScript(const String& Text, TScriptedUiDriver& Driver) {
    std::istringstream In(Text);
    String Raw;
    int Line = 0;
    bool InBlock = false;
    int BlockLine = 0;
    auto Blocks = std::make_shared<std::vector<std::vector<TScriptAction>>>();
    while (std::getline(In, Raw)) {
        ++Line;
        const String L = Trim(Raw);
        if (L.empty() || L[0] == '#') continue;
        auto [Verb, Rest] = Word(L);
        if (InBlock) {
            if (Verb == "end") {
                InBlock = false;
                continue;
            }
            auto [Name, Arg] = Word(Rest);
            Blocks->back().push_back({Line, Verb, Name, Arg});
            continue;
        }
        if (Verb == "form") {
            auto [Name, Answer] = Word(Rest);
            if (Name.empty()) Fail(Line, "form takes the form's name");
            Blocks->emplace_back();
            InBlock = true;
            BlockLine = Line;
            const std::size_t Index = Blocks->size() - 1;
            Driver.ExpectShowModal(Name, mrNone, [Blocks, Index](TCustomForm& Form) {
                for (const TScriptAction& A : (*Blocks)[Index])
                    Perform(Form, A);
            });
        } else if (Verb == "message" || Verb == "ask" || Verb == "input") {
            const auto Arrow = Rest.rfind("=>");
            if (Arrow == String::npos) Fail(Line, Verb + " takes TEXT => ANSWER");
            const String Prompt = Trim(Rest.substr(0, Arrow));
            const String Answer = Trim(Rest.substr(Arrow + 2));
            // Message boxes answer with IDOK ..., message dialogs with mrOk ...: the same numbers.
            if (Verb == "message")
                Driver.ExpectMessageBox(Prompt, ButtonOf(Line, Answer));
            else if (Verb == "ask")
                Driver.ExpectMessageDlg(Prompt, ButtonOf(Line, Answer));
            else
                Driver.ExpectInputQuery(Prompt, SameText(Answer, "cancel")
                                                    ? std::optional<String>()
                                                    : std::optional<String>(Answer));
        } else {
            Fail(Line, "unknown step \"" + Verb + "\"");
        }
    }
    if (InBlock) Fail(BlockLine, "form without end");
}

void AddWizardCommand(CLI::App& App, TWizardOptions& Options) {
    Options.Command = App.add_subcommand(
        "wizard", "Run the project wizard on PROJECT through the host's menu entry: on the "
                  "display, or doing what the script says (see zantor(1) for its steps).");
    Options.Command->add_option("PROJECT", Options.ProjectFile, "Project file")->required();
    Options.Command->add_option("--script", Options.ScriptFile, "What the person does")
        ->check(CLI::ExistingFile);
    Options.Command->add_option("-p,--package", Options.Packages,
                                "Package to load (repeatable; default: ZntD4.so)");
}

bool RunWizardCommand(TWizardOptions& Options, const String& DefaultPackage) {
    if (!*Options.Command) return false;
    // Without a script a person answers on the display; headless there is nobody to ask.
    const bool Scripted = !Options.ScriptFile.empty();
    TScriptedUiDriver Driver;
    std::optional<TDisplayUiDriver> Person;
    if (Scripted) {
        std::ifstream In(Options.ScriptFile, std::ios::binary);
        std::ostringstream Text;
        Text << In.rdbuf();
        if (!In) throw std::runtime_error("cannot read " + Options.ScriptFile);
        ReadWizardScript(Text.str(), Driver);
    } else if (x11::SelectPlatform(true) == "x11") {
        Person.emplace();
    } else {
        throw std::runtime_error("no display to show the wizard on: set DISPLAY, or give the "
                                 "steps with --script FILE");
    }

    char Cwd[4096];
    if (!::getcwd(Cwd, sizeof Cwd)) throw std::runtime_error("cannot read the current folder");
    TDesignHost Host;
    if (Options.Packages.empty()) Options.Packages.push_back(DefaultPackage);
    for (const String& P : Options.Packages)
        Host.LoadPackage(P);
    Host.OpenProject(ExpandFileName(IncludeTrailingPathDelimiter(Cwd), Options.ProjectFile));
    TMenuItem* Entry = Host.HelpMenu()->FindItem("Zantor Expert");
    if (!Entry) throw std::runtime_error("no loaded package has the Zantor Expert");
    {
        TUiDriverGuard Guard(Person ? static_cast<TUiDriver&>(*Person) : Driver);
        Entry->Click();
    }
    if (Scripted) Driver.VerifyAllConsumed();
    return true;
}
