#include "EditorDriving.h"

#include "editors/FormEditor.h"
#include "host/classes/StringList.h"
#include "host/controls/Forms.h"

#include <cstdlib>

namespace zt_editors {

void EditorTest::SetUp() {
    // Every test has a settings store of its own.
    if (const char* Old = std::getenv("XDG_CONFIG_HOME")) FSavedConfigHome = Old;
    ::setenv("XDG_CONFIG_HOME", Config.Path().c_str(), 1);
    zantor::Zftedit::Install();
    MakeForm();
}

void EditorTest::TearDown() {
    zantor::Zftedit::Uninstall();
    if (FSavedConfigHome)
        ::setenv("XDG_CONFIG_HOME", FSavedConfigHome->c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

void EditorTest::MakeForm() {
    Form = new host::TForm(host::Application);
    Form->SetName("Form1");
    Form->SetCaption("Orders");
    auto* Label = new host::TLabel(Form);
    Label->SetName("Label1");
    Label->SetParent(Form);
    Label->SetCaption("Customer");
    auto* Edit = new host::TEdit(Form);
    Edit->SetName("Edit1");
    Edit->SetParent(Form);
    Edit->SetText("");
    auto* Memo = new host::TMemo(Form);
    Memo->SetName("Memo1");
    Memo->SetParent(Form);
    Memo->Lines()->Clear();
    Memo->Lines()->Add("first");
    Memo->Lines()->Add("");
    auto* Button = new host::TButton(Form);
    Button->SetName("Button1");
    Button->SetParent(Form);
    Button->SetCaption("Send");
}

zantor::TFormTranslator* EditorTest::AddTranslator(const char* Name,
                                                   std::initializer_list<String> Lines) {
    auto* T = new zantor::TFormTranslator(Form);
    T->SetName(Name);
    T->SetLocale(1036);
    host::TStringList L;
    for (const String& S : Lines)
        L.Add(S);
    T->SetTranslations(&L);
    return T;
}

std::vector<String> EditorTest::Lines(const host::TStrings* S) const {
    std::vector<String> R;
    for (int I = 0; I < S->Count(); ++I)
        R.push_back(S->Strings(I));
    return R;
}

} // namespace zt_editors
