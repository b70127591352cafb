#include "translators/DesignRegistration.h"

#include "host/controls/CommonDialogWindow.h"
#include "host/controls/DialogData.h"
#include "host/controls/Menus.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/StdCtrls.h"
#include "host/ide/DesignRegistry.h"
#include "host/ide/ObjectInspector.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/Process.h"
#include "translators/ButtonTranslator.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/EditorForms.h"
#include "translators/FormTranslator.h"
#include "translators/ResourceHook.h"
#include "translators/ResourceTranslator.h"

#include "DesignTestUtil.h"
#include "LocaleTestSupport.h"

using namespace zantor;

namespace {

class ZltDesign : public zlt_test::ZltTest {
protected:
    ZltDesign() {
        Form = NewForm("Form1");
        Form->SetDesigning(true);
        Designer.Root = Form;
    }
    ~ZltDesign() override { InstallEditorForm(TFormTranslator::StaticClass(), nullptr); }

    std::unique_ptr<host::TPropertyEditor> Editor(host::TComponent* C, const char* Prop) {
        return host::CreatePropertyEditor(&Designer, C, host::GetPropInfo(C, Prop));
    }
    static std::vector<String> BuiltValues(const host::TPropertyEditor& E) {
        std::vector<String> Values;
        E.GetValues([&](const String& S) { Values.push_back(S); });
        return Values;
    }
    template <class C> C* NewComponent(const char* Name) {
        auto* Component = new C(Form);
        Component->SetName(Name);
        return Component;
    }

    host::TForm* Form;
    zt_design::TCountingDesigner Designer;
    TResourceHookGuard Hooks;
    zt_design::TRegisteredUnits Units{Zlt::Register, Zft::Register, Zrt::Register, Zct::Register,
                                      Zbt::Register};
};

TEST_F(ZltDesign, RegisterPutsTheTranslatorsOnTheirPageWithTheirEditors) {
    std::vector<String> Palette;
    for (const host::TPaletteEntry& E : host::PaletteEntries())
        Palette.push_back(E.Page + ":" + E.ComponentClass->ClassName);
    EXPECT_EQ(Palette, (std::vector<String>{
                           "Tessavin:TLocaleTranslator", "Tessavin:TFormTranslator",
                           "Tessavin:TResourceTranslator", "Tessavin:TCommonDialogTranslator",
                           "Tessavin:TButtonTranslator"}));
    std::vector<String> ComponentEditors;
    for (const auto& E : host::ComponentEditorRegistrations())
        ComponentEditors.push_back(E.EditorClass->ClassName);
    EXPECT_EQ(ComponentEditors,
              (std::vector<String>{"TLocaleTranslatorEditor", "TFormTranslatorEditor",
                                   "TResTranslatorEditor", "TCdtTranslatorEditor",
                                   "TBtnTranslatorEditor"}));
    // Zlt registers its component editor first, the others last but one.
    std::vector<String> Order;
    for (const auto& E : host::PropertyEditorRegistrations())
        Order.push_back(E.ComponentClass->ClassName + "." + E.PropertyName);
    EXPECT_EQ(Order, (std::vector<String>{
                         "TLocaleTranslator.Translations", "TLocaleTranslator.About",
                         "TLocaleTranslator.DesignLocale", "TLocaleTranslator.FileName",
                         "TLocaleTranslator.ListFormat", "TLocaleTranslator.StartupLocale",
                         "TLocaleTranslator.AdoptOn", "TFormTranslator.About",
                         "TFormTranslator.Translations", "TFormTranslator.FileName",
                         "TResourceTranslator.About", "TResourceTranslator.Translations",
                         "TResourceTranslator.ResStrings", "TResourceTranslator.FileName",
                         "TCommonDialogTranslator.About", "TCommonDialogTranslator.FileName",
                         "TCommonDialogTranslator.Translations", "TButtonTranslator.About",
                         "TButtonTranslator.FileName"}));

    host::UnregisterOwner(Units.Owner());
    EXPECT_TRUE(host::PaletteEntries().empty());
    EXPECT_TRUE(host::PropertyEditorRegistrations().empty());
    EXPECT_TRUE(host::ComponentEditorRegistrations().empty());
}

TEST_F(ZltDesign, EachPropertyGetsTheEditorOfItsTable) {
    host::TComponent* L = NewTranslator(Form, {1036});
    host::TComponent* F = NewComponent<TFormTranslator>("FormTranslator1");
    host::TComponent* R = NewComponent<TResourceTranslator>("ResourceTranslator1");
    host::TComponent* D = NewComponent<TCommonDialogTranslator>("DialogTranslator1");
    host::TComponent* B = NewComponent<TButtonTranslator>("ButtonTranslator1");
    const std::vector<std::tuple<host::TComponent*, const char*, const char*>> Table{
        {L, "About", "TLocAboutProperty"},
        {L, "Translations", "TLocaleTranslationsProperty"},
        {L, "FileName", "TLocFileNameProperty"},
        {L, "DesignLocale", "TDesignLocaleProperty"},
        {L, "StartupLocale", "TStartupLocaleProperty"},
        {L, "ListFormat", "TLocListFormatProperty"},
        {L, "AdoptOn", "TLocAdoptOnProperty"},
        {L, "Locale", "TIntegerProperty"},
        {L, "Translate", "TEnumProperty"},
        {L, "OnTranslate", "TMethodProperty"},
        {F, "About", "TFormAboutProperty"},
        {F, "Translations", "TFormTranslationsProperty"},
        {F, "FileName", "TFormFileNameProperty"},
        {F, "TranslateEmpty", "TEnumProperty"},
        {R, "About", "TResAboutProperty"},
        {R, "Translations", "TResourceEditor"},
        {R, "FileName", "TResFileNameProperty"},
        {R, "Name", "TStringProperty"},
        {D, "About", "TCdtAboutProperty"},
        {D, "FileName", "TCdtFileNameProperty"},
        {D, "Translations", "TCdtTranslationsProperty"},
        {B, "About", "TBtnAboutProperty"},
        {B, "FileName", "TBtnFileNameProperty"}};
    for (const auto& [C, Prop, Expected] : Table)
        EXPECT_EQ(Editor(C, Prop)->ClassName(), Expected) << C->ClassName() << "." << Prop;
}

TEST_F(ZltDesign, ShownValuesAndAttributes) {
    auto* L = NewTranslator(Form, {1036});
    auto* F = NewComponent<TFormTranslator>("FormTranslator1");
    auto* R = NewComponent<TResourceTranslator>("ResourceTranslator1");
    F->SetFileName("/work/lang.txt");
    for (host::TComponent* C :
         {static_cast<host::TComponent*>(L), static_cast<host::TComponent*>(F),
          static_cast<host::TComponent*>(R)}) {
        auto About = Editor(C, "About");
        EXPECT_EQ(About->GetValue(), "(About...)");
        EXPECT_EQ(About->GetAttributes(),
                  (host::TPropertyAttributes{host::paDialog, host::paReadOnly}));
        EXPECT_EQ(Editor(C, "Translations")->GetAttributes(),
                  (host::TPropertyAttributes{host::paDialog, host::paReadOnly}));
        EXPECT_EQ(Editor(C, "FileName")->GetAttributes(),
                  host::TPropertyAttributes{host::paDialog});
    }
    EXPECT_EQ(Editor(L, "Translations")->GetValue(), "[Locale Editor]");
    EXPECT_EQ(Editor(F, "Translations")->GetValue(), "[Form Editor]");
    EXPECT_EQ(Editor(R, "Translations")->GetValue(), "[Resource Editor]");
    EXPECT_EQ(Editor(F, "FileName")->GetValue(), "/work/lang.txt");
    EXPECT_EQ(Editor(L, "DesignLocale")->GetAttributes(),
              (host::TPropertyAttributes{host::paValueList, host::paSortList}));
    EXPECT_EQ(Editor(L, "ListFormat")->GetAttributes(),
              host::TPropertyAttributes{host::paValueList});
}

TEST_F(ZltDesign, LocaleListsOfferTheDefaultsFirstEvenForAnEmptyCatalogue) {
    auto* T = NewTranslator(Form, {});
    EXPECT_EQ(BuiltValues(*Editor(T, "StartupLocale")),
              (std::vector<String>{"User default 00000400", "System default 00000800"}));
    EXPECT_TRUE(BuiltValues(*Editor(T, "DesignLocale")).empty());

    // The language list is rebuilt from the catalogue before it is listed.
    AddOrgProps(1031, T->Translations());
    AddOrgProps(1036, T->Translations());
    EXPECT_EQ(BuiltValues(*Editor(T, "DesignLocale")),
              (std::vector<String>{"French, France 0000040C", "German, Germany 00000407"}));
    EXPECT_EQ(BuiltValues(*Editor(T, "StartupLocale")),
              (std::vector<String>{"User default 00000400", "System default 00000800",
                                   "French, France 0000040C", "German, Germany 00000407"}));
    EXPECT_EQ(BuiltValues(*Editor(T, "ListFormat")),
              (std::vector<String>{"%0:s", "%2:s", "%0:s, %1:s", "%2:s, %3:s",
                                   "%2:s (%0:s), %3:s (%1:s)", "%0:s (%2:s), %1:s (%3:s)"}));
}

TEST_F(ZltDesign, ChosenValuesGoThroughTheSetter) {
    auto* T = NewTranslator(Form, {1036});
    auto ListFormat = Editor(T, "ListFormat");
    host::TScriptedUiDriver Ui;
    Ui.ExpectMessageDlg("Invalid format string, you must provide at least one string index",
                        host::mrOk);
    host::TUiDriverGuard Guard(Ui);
    ListFormat->SetValue("no index");
    Ui.VerifyAllConsumed();
    EXPECT_EQ(T->ListFormat(), "%0:s, %1:s");
    EXPECT_EQ(Designer.ModifiedCount, 0);
    ListFormat->SetValue("%2:s");
    EXPECT_EQ(T->ListFormat(), "%2:s");
    EXPECT_EQ(Designer.ModifiedCount, 1);

    auto Startup = Editor(T, "StartupLocale");
    Startup->SetValue("French, France 0000040C");
    EXPECT_EQ(T->StartupLocale(), "French, France 0000040C");
    EXPECT_EQ(Designer.ModifiedCount, 2);
}

TEST_F(ZltDesign, AdoptOnListsTheNamedAdoptableComponentsOfTheForm) {
    auto* T = NewTranslator(Form, {1036});
    NewComponent<host::TButton>("Button1");
    NewComponent<host::TLabel>("Label1");
    auto AdoptOn = Editor(T, "AdoptOn");
    EXPECT_TRUE(AdoptOn->ValueList().empty());

    NewComponent<host::TListBox>("List");
    NewComponent<host::TComboBox>("Combo");
    new host::TListBox(Form); // unnamed: not offered
    auto* Menu = NewComponent<host::TMainMenu>("MainMenu1");
    auto* Item = NewComponent<host::TMenuItem>("LanguageItem");
    Menu->Items()->Add(Item);
    NewComponent<host::TPopupMenu>("Popup");
    EXPECT_EQ(AdoptOn->ValueList(),
              (std::vector<String>{"Combo", "LanguageItem", "List", "MainMenu1", "Popup"}));
    AdoptOn->SetValue("LanguageItem");
    EXPECT_EQ(T->AdoptOn(), Item);
    EXPECT_EQ(AdoptOn->GetValue(), "LanguageItem");
    EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(ZltDesign, ComponentEditorCommands) {
    auto* F = NewComponent<TFormTranslator>("FormTranslator1");
    auto* L = NewTranslator(Form, {1036});
    auto* R = NewComponent<TResourceTranslator>("ResourceTranslator1");
    auto Verbs = [&](host::TComponent* C) {
        auto E = host::CreateComponentEditor(C, &Designer);
        std::vector<String> Result;
        for (int i = 0; i < E->GetVerbCount(); ++i)
            Result.push_back(E->GetVerb(i));
        return Result;
    };
    EXPECT_EQ(Verbs(L), (std::vector<String>{"Locale Translation Editor", "About Locale Translator",
                                             "Help Contents"}));
    EXPECT_EQ(Verbs(F), (std::vector<String>{"Form Translation Editor", "About Form Translator",
                                             "Help Contents"}));
    EXPECT_EQ(Verbs(R), (std::vector<String>{"Resource Translation Editor",
                                             "About Resource Translator", "Help Contents"}));

    auto E = host::CreateComponentEditor(F, &Designer);
    EXPECT_THROW_MSG(E->GetVerb(3), host::EListError, "List index out of bounds (3)");
    // No editor form yet: the first command (and a double-click) says so.
    EXPECT_THROW_MSG(E->Edit(), host::EComponentError,
                     "No editor form is installed for TFormTranslator");
    InstallEditorForm(TFormTranslator::StaticClass(), [](TTranslatorFrame*) { return true; });
    E->Edit();
    EXPECT_EQ(Designer.ModifiedCount, 1);
    InstallEditorForm(TFormTranslator::StaticClass(), [](TTranslatorFrame*) { return false; });
    Editor(F, "Translations")->Edit();
    EXPECT_EQ(Designer.ModifiedCount, 1);

    host::TScriptedUiDriver Ui;
    Ui.ExpectMessageBox("Form Translator 1.0", host::IDOK);
    host::TUiDriverGuard Guard(Ui);
    E->ExecuteVerb(1);
    Ui.VerifyAllConsumed();

    E->ExecuteVerb(2);
    ASSERT_FALSE(host::WinExecLog().empty());
    EXPECT_EQ(host::WinExecLog().back().CmdLine, "WINHLP32.EXE ZFT.HLP");
    EXPECT_EQ(host::WinExecLog().back().CmdShow, 0u);
    host::CreateComponentEditor(L, &Designer)->ExecuteVerb(2);
    EXPECT_EQ(host::WinExecLog().back().CmdLine, "WINHLP32.EXE ZLT.HLP");
    host::CreateComponentEditor(R, &Designer)->ExecuteVerb(2);
    EXPECT_EQ(host::WinExecLog().back().CmdLine, "WINHLP32.EXE ZRT.HLP");
}

TEST_F(ZltDesign, TheFileNameDialogStoresTheChosenFullPathAndCancelChangesNothing) {
    zt_test::TempDir Dir;
    zt_test::WriteAll(Dir.File("lang.txt"), "");
    auto* F = NewComponent<TFormTranslator>("FormTranslator1");
    F->SetFileName("old.txt");
    auto FileName = Editor(F, "FileName");
    host::TScriptedUiDriver Ui;
    String Caption;
    std::vector<String> Types;
    Ui.ExpectCommonDialog("TOpenDialog", [&](host::TDialogSession& S) {
          Caption = S.Caption();
          Types = S.Items(host::cmb1);
          S.Click(host::IDCANCEL);
      }).ExpectCommonDialog("TOpenDialog", [&](host::TDialogSession& S) {
        S.SetText(host::edt1, Dir.File("lang.txt"));
        S.Click(host::IDOK);
    });
    host::TUiDriverGuard Guard(Ui);
    FileName->Edit();
    EXPECT_EQ(Caption, "Select a Form translations file");
    EXPECT_EQ(Types, std::vector<String>{"Form translations (*.txt)"});
    EXPECT_EQ(F->FileName(), "old.txt");
    EXPECT_EQ(Designer.ModifiedCount, 0);
    FileName->Edit();
    Ui.VerifyAllConsumed();
    EXPECT_EQ(F->FileName(), Dir.File("lang.txt"));
    EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(ZltDesign, DialogAndButtonTranslatorEditors) {
    auto* D = NewComponent<TCommonDialogTranslator>("DialogTranslator1");
    auto* B = NewComponent<TButtonTranslator>("ButtonTranslator1");
    EXPECT_EQ(Editor(D, "Translations")->GetValue(), "(Dialog Editor)");
    EXPECT_EQ(Editor(B, "About")->GetValue(), "(About...)");
    auto DialogEditor = host::CreateComponentEditor(D, &Designer);
    ASSERT_EQ(DialogEditor->GetVerbCount(), 3);
    EXPECT_EQ(DialogEditor->GetVerb(0), "Common Dialog Translation Editor");
    EXPECT_EQ(DialogEditor->GetVerb(1), "About Common Dialog Translator");
    DialogEditor->ExecuteVerb(2);
    EXPECT_EQ(host::WinExecLog().back().CmdLine, "WINHLP32.EXE ZCT.HLP");

    auto ButtonEditor = host::CreateComponentEditor(B, &Designer);
    ASSERT_EQ(ButtonEditor->GetVerbCount(), 2);
    EXPECT_EQ(ButtonEditor->GetVerb(0), "About Button Translator");
    EXPECT_EQ(ButtonEditor->GetVerb(1), "Help Contents");
    // Double-click: the About box, its first command.
    host::TScriptedUiDriver Ui;
    Ui.ExpectMessageBox("Button Translator 2.1", host::IDOK);
    host::TUiDriverGuard Guard(Ui);
    ButtonEditor->Edit();
    Ui.VerifyAllConsumed();
    EXPECT_EQ(Designer.ModifiedCount, 0);
    ButtonEditor->ExecuteVerb(1);
    EXPECT_EQ(host::WinExecLog().back().CmdLine, "WINHLP32.EXE ZBT.HLP");
    EXPECT_EQ(host::WinExecLog().back().CmdShow, 0u);
}

TEST_F(ZltDesign, TheInspectorListsEveryPublishedPropertyWithItsEditor) {
    auto* T = NewTranslator(Form, {1036});
    host::TObjectInspector Inspector(&Designer);
    Inspector.Select(T);
    std::vector<String> Names;
    for (const host::TInspectorRow& Row : Inspector.Properties())
        Names.push_back(Row.Name);
    std::vector<String> Published;
    for (host::PPropInfo P : host::GetPropList(T, host::tkProperties))
        Published.push_back(P->Name);
    EXPECT_EQ(Names, Published);
    EXPECT_EQ(Inspector.Editor("adopton").ClassName(), "TLocAdoptOnProperty");
    EXPECT_THROW_MSG(Inspector.Editor("Nope"), host::EPropertyError,
                     "Property Nope does not exist");
    Inspector.SetValue("Locale", "1036");
    EXPECT_EQ(T->Locale(), 1036);
    EXPECT_THROW(Inspector.SetValue("Locale", "x"), host::EConvertError);
    EXPECT_THROW_MSG(Inspector.SetValue("Translate", "Maybe"), host::EPropertyError,
                     "Invalid property value");
}

} // namespace
