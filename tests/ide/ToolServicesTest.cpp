#include "host/classes/Component.h"
#include "host/classes/Filer.h"
#include "host/classes/Strings.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/ide/ObjectInspector.h"
#include "host/typinfo/TypInfo.h"

#include "IdeTestSupport.h"

#include <filesystem>

using namespace zt_ide_test;
using host::String;

namespace {

class ToolServices : public IdeTest {};

int UnitIndex(const String& FileName) {
    for (int i = 0; i < host::ToolServices->GetUnitCount(); ++i)
        if (host::ToolServices->GetUnitName(i) == FileName) return i;
    return -1;
}

TEST_F(ToolServices, AreThereOnlyWhileTheDesignHostLives) {
    EXPECT_EQ(host::ToolServices, Host.get());
    EXPECT_EQ(host::ToolServices->GetProjectName(), Demo.Project());
    EXPECT_EQ(host::ToolServices->GetUnitCount(), 6);
    EXPECT_EQ(host::ToolServices->GetUnitName(1), Demo.File("MainForm.cpp"));
    EXPECT_EQ(host::ToolServices->GetUnitName(6), "");
    EXPECT_THROW(host::TDesignHost Second, host::EInvalidOperation);
    Host.reset();
    EXPECT_EQ(host::ToolServices, nullptr);
}

TEST_F(ToolServices, PlaceASavedTranslatorOnAUnitThatWasNotOpen) {
    const String Unit = Demo.File("OrderForm.cpp");
    ASSERT_EQ(UnitIndex(Unit), 2);
    host::TIToolServices* Tools = host::ToolServices;
    EXPECT_FALSE(Tools->IsFileOpen(Unit));
    EXPECT_EQ(Tools->GetModuleInterface(Unit), nullptr);
    ASSERT_TRUE(Tools->OpenFile(Unit));
    EXPECT_TRUE(Tools->IsFileOpen(Unit));
    {
        host::TInterfaceRef Module(Tools->GetModuleInterface(Unit));
        ASSERT_TRUE(Module);
        EXPECT_TRUE(Module->ShowForm());
        host::TInterfaceRef Form(Module->GetFormInterface());
        ASSERT_TRUE(Form);
        host::TInterfaceRef Root(Form->GetFormComponent());
        host::TComponent* Live = Root->GetComponentHandle();
        ASSERT_NE(Live, nullptr);
        EXPECT_EQ(Live->Name(), "OrderForm");
        // The form and every component are in the designing state.
        EXPECT_TRUE(Live->ComponentState().Contains(host::csDesigning));
        for (int i = 0; i < Live->ComponentCount(); ++i)
            EXPECT_TRUE(Live->Components(i)->ComponentState().Contains(host::csDesigning));

        EXPECT_EQ(Form->CreateComponent(Root.Get(), "TNoSuchClass", -1, -1, -1, -1), nullptr);
        host::TInterfaceRef Created(
            Form->CreateComponent(Root.Get(), "TFormTranslator", -1, -1, -1, -1));
        ASSERT_TRUE(Created);
        host::TComponent* T = Created->GetComponentHandle();
        EXPECT_EQ(T->Name(), "FormTranslator1");
        EXPECT_EQ(T->Owner(), Live);
        host::SetOrdProp(T, "Locale", 1053);
        EXPECT_TRUE(Module->Save(true));
        EXPECT_TRUE(Module->Close());
        // Interfaces kept past the close answer nothing.
        EXPECT_EQ(Created->GetComponentHandle(), nullptr);
        EXPECT_FALSE(Module->ShowForm());
    }
    EXPECT_FALSE(Tools->CloseFile(Unit)); // the module's close closed the file
    EXPECT_FALSE(Tools->IsFileOpen(Unit));

    const String Text = zt_test::ReadAll(Demo.File("OrderForm.dfm"));
    EXPECT_NE(Text.find("object OrderForm: TOrderForm"), String::npos);
    EXPECT_NE(Text.find("object FormTranslator1: TFormTranslator"), String::npos);
    EXPECT_NE(Text.find("Locale = 1053"), String::npos);
    // Handlers of the application's form class are kept.
    const String Original = zt_test::ReadAll(DemoDir + "/OrderForm.dfm");
    for (const char* Event : {"OnClick = ", "OnCreate = "})
        EXPECT_EQ(Text.find(Event) == String::npos, Original.find(Event) == String::npos) << Event;

    // The file reads back, in the host and in a plain reader.
    host::TDesignModule* Again = Host->OpenModule(Unit);
    host::TComponent* T = Again->Form()->FindComponent("FormTranslator1");
    ASSERT_NE(T, nullptr);
    EXPECT_EQ(host::GetOrdProp(T, "Locale"), 1053);
    auto* Plain = new host::TForm(nullptr);
    host::ReadComponentFromText(Text, Plain);
    EXPECT_NE(Plain->FindComponent("FormTranslator1"), nullptr);
    Plain->Free();
}

TEST_F(ToolServices, OpeningAndSavingUnchangedKeepsTheFormText) {
    host::TDesignModule* M = Host->OpenModule(Demo.File("MainForm.dfm"));
    EXPECT_FALSE(M->IsModified());
    EXPECT_FALSE(M->Save(false)); // nothing to write
    ASSERT_TRUE(M->Save(true));
    host::TDesignModule* Again =
        (Host->CloseModule(M), Host->OpenModule(Demo.File("MainForm.cpp")));
    EXPECT_EQ(Again->FormText(), zt_test::ReadAll(Demo.File("MainForm.dfm")));
    EXPECT_EQ(Again->FormClassName(), "TMainForm");
}

TEST_F(ToolServices, ClosingAModifiedModuleAsksFirst) {
    host::TDesignModule* M = Host->OpenModule(Demo.File("OrderForm.cpp"));
    M->CreateComponent("TFormTranslator", nullptr, -1, -1, -1, -1);
    ASSERT_TRUE(M->IsModified());
    const String Prompt = "Save changes to OrderForm.cpp?";
    host::TScriptedUiDriver Ui;
    Ui.ExpectMessageDlg(Prompt, host::mrCancel)
        .ExpectMessageDlg(Prompt, host::mrCancel)
        .ExpectMessageDlg(Prompt, host::mrNo);
    host::TUiDriverGuard Guard(Ui);
    EXPECT_FALSE(Host->CloseModule(M));
    EXPECT_THROW(Host->OpenProject(Demo.Project()), host::EAbort);
    EXPECT_TRUE(Host->IsFileOpen(Demo.File("OrderForm.cpp")));
    EXPECT_TRUE(Host->CloseFile(Demo.File("OrderForm.cpp")));
    Ui.VerifyAllConsumed();
    EXPECT_EQ(zt_test::ReadAll(Demo.File("OrderForm.dfm")),
              zt_test::ReadAll(DemoDir + "/OrderForm.dfm"));
}

TEST_F(ToolServices, BareTranslationFileNamesAreFoundInTheProjectFolder) {
    host::TDesignModule* M = Host->OpenModule(Demo.File("MainForm.cpp"));
    auto* Lines = host::As<host::TStrings>(
        host::GetObjectProp(M->GetComponent("FrenchTranslator"), "Translations"));
    ASSERT_NE(Lines, nullptr);
    EXPECT_GT(Lines->Count(), 0); // read from Demo.lng beside Demo.zproj
    ASSERT_TRUE(Host->CloseModule(M));
    std::filesystem::remove(Demo.File("Demo.lng"));
    M = Host->OpenModule(Demo.File("MainForm.cpp"));
    Lines = host::As<host::TStrings>(
        host::GetObjectProp(M->GetComponent("FrenchTranslator"), "Translations"));
    EXPECT_EQ(Lines->Count(), 0);
}

TEST_F(ToolServices, TheInspectorOfTheExampleForm) {
    host::TDesignModule* M = Host->OpenModule(Demo.File("MainForm.cpp"));
    host::TObjectInspector Inspector(M);
    Inspector.Select(M->GetComponent("LocaleTranslator1"));
    EXPECT_EQ(Inspector.Editor("AdoptOn").ValueList(),
              (std::vector<String>{"LanguageItem", "MainMenu1"}));
    EXPECT_EQ(Inspector.Editor("AdoptOn").GetValue(), "LanguageItem");
    EXPECT_EQ(Inspector.Editor("About").GetValue(), "(About...)");
    Inspector.Select(M->GetComponent("GreetButton"));
    EXPECT_EQ(Inspector.Editor("OnClick").GetValue(), "GreetButtonClick");
    EXPECT_EQ(Inspector.Editor("Caption").GetValue(), "&Greet");
    EXPECT_FALSE(M->IsModified());
    Inspector.SetValue("Caption", "&Hello");
    EXPECT_TRUE(M->IsModified());
}

TEST_F(ToolServices, TranslatorsDoNotTranslateAFormBeingDesigned) {
    const String Text = "object TrForm: TTrForm\n  Caption = 'Hello'\n"
                        "  object T: TFormTranslator\n    Locale = 1036\n    Translate = True\n"
                        "    Translations.Strings = (\n      'Caption=''Bonjour''')\n"
                        "    Storage = 0\n  end\nend\n";
    zt_test::WriteAll(Demo.File("Tr.dfm"), Text);
    zt_test::WriteAll(Demo.File("Tr.zproj"), "[Unit Tr]\nSource=Tr.cpp\nForm=Tr.dfm\n");
    Host->OpenProject(Demo.File("Tr.zproj"));
    host::TDesignModule* M = Host->OpenModule(Demo.File("Tr.cpp"));
    EXPECT_EQ(host::GetStrProp(M->Form(), "Caption"), "Hello");

    // The same form outside the designer is translated when it loads.
    auto* Live = new host::TForm(host::Application);
    host::ReadComponentFromText(host::StringReplace(Text, "TTrForm", "TForm"), Live);
    EXPECT_EQ(host::GetStrProp(Live, "Caption"), "Bonjour");
    Live->Free();
}

TEST_F(ToolServices, ProjectFileErrorsNameTheLine) {
    zt_test::WriteAll(Demo.File("Bad.zproj"),
                      "[Project]\nName=X\n[Unit A]\nForm=A.dfm\n[Unit B]\nSource=b.cpp\n");
    EXPECT_THROW_MSG(Host->OpenProject(Demo.File("Bad.zproj")), host::EProjectError,
                     Demo.File("Bad.zproj") + ", line 3: unit A has no Source");
    zt_test::WriteAll(Demo.File("Bad.zproj"), "[Project]\nColour=red\n");
    EXPECT_THROW_MSG(Host->OpenProject(Demo.File("Bad.zproj")), host::EProjectError,
                     Demo.File("Bad.zproj") + ", line 2: unknown key \"Colour\"");
    zt_test::WriteAll(Demo.File("Bad.zproj"), "[Unit A]\nSource=a.cpp\n[Unit a]\nSource=b.cpp\n");
    EXPECT_THROW_MSG(Host->OpenProject(Demo.File("Bad.zproj")), host::EProjectError,
                     Demo.File("Bad.zproj") + ", line 3: unit a is listed twice");
    // The project open before stays open.
    EXPECT_EQ(Host->GetProjectName(), Demo.Project());
}

} // namespace
