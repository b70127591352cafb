#include "translators/TranslatorFrame.h"
#include "translators/Literals.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/ide/FakeToolServices.h"
#include "host/rtl/FileNames.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

#include <map>

using namespace zantor;

namespace {

// The body of the translator kinds for tests: form-translator shapes, design texts given by
// the test, the group switch of the kind.
class TTestKindBase : public TTranslatorFrame {
public:
    TTestKindBase(TComponent* AOwner, TGroupSwitch Switch)
        : TTranslatorFrame(AOwner, false), FSwitch(Switch) {
        FTranslate = true;
    }
    std::vector<bool> Switches; // every InternalTranslate
    std::map<String, String> DesignTexts;
    int LoadedSteps = 0;

    void InternalTranslate(bool Value) override {
        Switches.push_back(Value);
        TTranslatorFrame::InternalTranslate(Value);
    }

protected:
    String KindPrefix() const override { return ""; }
    String AboutText() const override { return "Test Translator 1.0"; }
    TGroupSwitch GroupSwitch() const override { return FSwitch; }
    void LoadedFirst() override { ++LoadedSteps; }
    void FileEntries(TKeyValues& Own, TKeyValues& Design) const override {
        TTranslatorFrame::FileEntries(Own, Design);
        for (const auto& [Key, Value] : Own)
            if (auto It = DesignTexts.find(Key); It != DesignTexts.end())
                Design.emplace_back(Key, ToLiterals(It->second));
    }
    void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const override {
        for (int i = 0; i < FTranslations->Count(); ++i) {
            const String& Line = FTranslations->Line(i);
            String Key = Line.substr(0, Line.find('='));
            if (auto It = DesignTexts.find(Key); It != DesignTexts.end())
                Entries.push_back({It->second, FromLiterals(Line.substr(Key.size() + 1)), i});
        }
    }

private:
    TGroupSwitch FSwitch;
};

// A kind whose groups are its locales.
class TTestTranslator : public TTestKindBase {
    ZT_CLASS(TTestTranslator, TTranslatorFrame)
public:
    explicit TTestTranslator(TComponent* AOwner)
        : TTestKindBase(AOwner, TGroupSwitch::SameLocale) {}
};

// The one-locale-at-a-time kind.
class TExclusiveTranslator : public TTestKindBase {
    ZT_CLASS(TExclusiveTranslator, TTranslatorFrame)
public:
    explicit TExclusiveTranslator(TComponent* AOwner)
        : TTestKindBase(AOwner, TGroupSwitch::OneLocaleOnly) {}
};

// What an application makes of a kind: a descendant belongs to the kind's groups.
class TDerivedTestTranslator : public TTestTranslator {
    ZT_CLASS(TDerivedTestTranslator, TTestTranslator)
public:
    using TTestTranslator::TTestTranslator;
};

} // namespace

TClass TTestTranslator::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TTestTranslator> B("TTestTranslator");
        return TClassInfo(PublishFrame(B, {}));
    }();
    return &Info;
}

TClass TDerivedTestTranslator::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TDerivedTestTranslator>("TDerivedTestTranslator");
    return &Info;
}

TClass TExclusiveTranslator::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TExclusiveTranslator> B("TExclusiveTranslator");
        return TClassInfo(PublishFrame(
            B,
            {.TranslationsAlwaysStored = true, .HasEvents = false, .TranslateDefaultTrue = true}));
    }();
    return &Info;
}

class TranslatorFrame : public ::testing::Test {
protected:
    TranslatorFrame() {
        host::RegisterClasses({TTestTranslator::StaticClass(), TExclusiveTranslator::StaticClass(),
                               TDerivedTestTranslator::StaticClass()});
    }
    host::TApplicationScope App;
    zt_test::TempDir Dir;

    template <class T = TTestTranslator> T* OnNewForm(const String& FormName, Integer Locale) {
        auto* Form = new host::TForm(host::Application);
        Form->SetName(FormName);
        auto* T1 = new T(Form);
        T1->SetName("Translator1");
        T1->SetLocale(Locale);
        return T1;
    }
};

TEST_F(TranslatorFrame, PublishedPropertiesInTheirOrderWithTheKindsDifferences) {
    std::vector<String> Names;
    for (PPropInfo P : GetPropList(TTestTranslator::StaticClass(), host::tkAny))
        Names.push_back(P->Name);
    EXPECT_EQ(Names, (std::vector<String>{"Name", "Tag", "About", "FileName", "Locale", "Translate",
                                          "Translations", "OnTranslate", "OnTranslated"}));
    EXPECT_EQ(GetPropInfo(TTestTranslator::StaticClass(), "Translate")->Default, host::NoDefault);
    EXPECT_EQ(GetPropInfo(TExclusiveTranslator::StaticClass(), "Translate")->Default, 1);
    EXPECT_EQ(GetPropInfo(TExclusiveTranslator::StaticClass(), "Translations")->StoredFn, nullptr);
    EXPECT_NE(GetPropInfo(TTestTranslator::StaticClass(), "Translations")->StoredFn, nullptr);
}

TEST_F(TranslatorFrame, SameLocaleGroupsFollowEachOtherAcrossForms) {
    auto* A = OnNewForm("Form1", 1036);
    auto* B = OnNewForm("Form2", 1036);
    auto* C = OnNewForm("Form3", 1031);
    A->SetTranslate(false);
    EXPECT_FALSE(B->Translate());
    EXPECT_TRUE(C->Translate());
    A->SetTranslate(true);
    EXPECT_TRUE(B->Translate());
    EXPECT_EQ(B->Switches, (std::vector<bool>{false, true}));
    A->SetTranslate(true); // no change, nothing propagates
    EXPECT_EQ(B->Switches.size(), 2u);

    auto* Zero1 = OnNewForm("Form4", 0);
    auto* Zero2 = OnNewForm("Form5", 0);
    Zero1->SetTranslate(false);
    EXPECT_TRUE(Zero2->Translate()); // locale 0: independent
}

TEST_F(TranslatorFrame, ADescendantOfAKindSpreadsAndJoinsWithTheKind) {
    auto* Base = OnNewForm("Form1", 1036);
    auto* Derived = OnNewForm<TDerivedTestTranslator>("Form2", 1036);
    auto* Exclusive = OnNewForm<TExclusiveTranslator>("Form3", 1036);
    Derived->SetTranslate(false);
    EXPECT_FALSE(Base->Translate());
    EXPECT_TRUE(Exclusive->Translate()); // another kind
    Base->SetTranslate(true);
    EXPECT_TRUE(Derived->Translate());

    Base->SetTranslate(false);
    auto* Loading = OnNewForm<TDerivedTestTranslator>("Form4", 1036);
    EXPECT_TRUE(Loading->Translate());
    Loading->Loaded();
    EXPECT_FALSE(Loading->Translate()); // joined the group of the base class's instance
}

TEST_F(TranslatorFrame, SwitchingOnOneLocaleSwitchesOffTheOthers) {
    auto* French = OnNewForm<TExclusiveTranslator>("Form1", 1036);
    auto* German = OnNewForm<TExclusiveTranslator>("Form2", 1031);
    auto* Neutral = OnNewForm<TExclusiveTranslator>("Form3", 0);
    auto* OtherKind = OnNewForm<TTestTranslator>("Form4", 1031);
    French->SetTranslate(false);
    EXPECT_TRUE(German->Translate());
    French->SetTranslate(true);
    EXPECT_FALSE(German->Translate());
    EXPECT_TRUE(Neutral->Translate());
    EXPECT_TRUE(OtherKind->Translate()); // another class is never touched
    French->SetTranslate(false);
    EXPECT_FALSE(German->Translate()); // switching off leaves the others off
}

// Translators are found from the living ones, not by visiting components: the order must
// still be the application's forms, then each form's components, whatever order they were made in.
TEST_F(TranslatorFrame, OtherInstancesComeInFormAndComponentOrder) {
    auto* Form1 = new host::TForm(host::Application);
    auto* Form2 = new host::TForm(host::Application);
    auto* OnForm2 = new TTestTranslator(Form2);
    auto* Later = new TDerivedTestTranslator(Form1);
    new host::TComponent(Form1);
    auto* Earlier = new TTestTranslator(Form1);
    Earlier->SetComponentIndex(0);   // made after Later, now before it
    new TExclusiveTranslator(Form1); // another kind
    auto* NotAForm = new host::TComponent(host::Application);
    new TTestTranslator(NotAForm);
    host::TForm Unowned(nullptr);
    new TTestTranslator(&Unowned);
    auto* Asking = new TTestTranslator(nullptr);

    EXPECT_EQ(Asking->OtherInstances(), (std::vector<TTranslatorFrame*>{Earlier, Later, OnForm2}));
    EXPECT_EQ(Earlier->OtherInstances(), (std::vector<TTranslatorFrame*>{Later, OnForm2}));
    Form2->SetComponentIndex(0);
    EXPECT_EQ(Asking->OtherInstances(), (std::vector<TTranslatorFrame*>{OnForm2, Earlier, Later}));
    EXPECT_EQ(TTranslatorFrame::OnForm(*Form1, TTestTranslator::StaticClass()),
              (std::vector<TTranslatorFrame*>{Earlier, Later}));
    EXPECT_EQ(TTranslatorFrame::OnForm(*Form1, TDerivedTestTranslator::StaticClass()),
              (std::vector<TTranslatorFrame*>{Later}));
    Later->Free();
    EXPECT_FALSE(TTranslatorFrame::IsAlive(Later));
    EXPECT_EQ(Asking->OtherInstances(), (std::vector<TTranslatorFrame*>{OnForm2, Earlier}));
    Asking->Free();
}

TEST_F(TranslatorFrame, LoadedJoinsTheGroupOfItsLocale) {
    auto* A = OnNewForm("Form1", 1036);
    A->SetTranslate(false);
    auto* Later = new host::TForm(host::Application);
    Later->SetName("Later");
    host::ReadComponentFromText("object Later: TForm\n"
                                "  object T: TTestTranslator\n"
                                "    Locale = 1036\n"
                                "    Translate = True\n"
                                "  end\nend\n",
                                Later);
    auto* T = static_cast<TTestTranslator*>(Later->FindComponent("T"));
    EXPECT_EQ(T->LoadedSteps, 1);
    EXPECT_FALSE(T->Translate());

    auto* Coded = OnNewForm("Form9", 1036); // made in code: never loaded, stays as made
    EXPECT_TRUE(Coded->Translate());
    EXPECT_EQ(Coded->LoadedSteps, 0);
}

TEST_F(TranslatorFrame, FileNameMovesTranslationsOutOfTheForm) {
    auto* T = OnNewForm("Form1", 1036);
    T->Translations()->SortInsert("Button1.Caption='Annuler'");
    T->DesignTexts["Button1.Caption"] = "Cancel";
    host::TCustomForm* Form = static_cast<host::TCustomForm*>(T->Owner());
    String InForm = host::WriteComponentToText(Form);
    EXPECT_NE(InForm.find("Translations.Strings = ("), String::npos);
    EXPECT_NE(InForm.find("Storage = 0"), String::npos);

    String File = Dir.File("shared.txt");
    T->SetFileName(File);
    String Written = host::WriteComponentToText(Form);
    EXPECT_EQ(Written.find("Translations.Strings"), String::npos);
    EXPECT_NE(Written.find("Storage = 0"), String::npos);
    EXPECT_EQ(zt_test::ReadAll(File), "Form1.Button1.Caption%-1='Cancel'\r\n"
                                      "Form1.Button1.Caption%1036='Annuler'\r\n");

    // Reading the form loads the file; its entries replace streamed ones of the same key.
    zt_test::WriteAll(
        File, "Form1.Button1.Caption%1036='Fermer'\r\nForm1.Label1.Caption%1036='Texte'\r\n");
    Form->Free();
    auto* Copy = new host::TForm(host::Application);
    host::ReadComponentFromText(Written, Copy);
    auto* Loaded = static_cast<TTestTranslator*>(Copy->FindComponent("Translator1"));
    ASSERT_EQ(Loaded->Translations()->Count(), 2);
    EXPECT_EQ(Loaded->Translations()->Line(0), "Button1.Caption='Fermer'");
}

TEST_F(TranslatorFrame, ABareFileNameIsResolvedBesideTheProgramOrTheProject) {
    auto* T = OnNewForm("Form1", 1);
    EXPECT_EQ(T->GetAppDir(), host::ExtractFilePath(host::ParamStr0()));
    zt_test::TFakeToolServices Project;
    Project.ProjectName = Dir.File("project.dpr");
    host::ToolServices = &Project;
    T->SetDesigning(true);
    EXPECT_EQ(T->GetAppDir(), Dir.Path().string() + "/");
    host::ToolServices = nullptr;

    T->SetFileName("missing-translations.txt"); // found nowhere: only streamed entries
    T->Translations()->SortInsert("A='a'");
    T->SetDesigning(false);
    auto* Form = new host::TForm(host::Application);
    String Text =
        "object F: TForm\n  object X: TTestTranslator\n    FileName = 'missing-translations.txt'\n"
        "    Translations.Strings = (\n      'A=''a''')\n    Storage = 0\n  end\nend\n";
    host::ReadComponentFromText(Text, Form);
    EXPECT_EQ(static_cast<TTestTranslator*>(Form->FindComponent("X"))->Translations()->Count(), 1);
}

TEST_F(TranslatorFrame, SaveAndLoadTouchOnlyTheirOwnLines) {
    auto* T = OnNewForm("Form1", 1036);
    String File = Dir.File("t.txt");
    zt_test::WriteAll(
        File, "Form1.Button1.Caption%1031='Abbrechen'\r\nForm1.Button1.CaptionX%1036='Other'\r\n");
    T->Translations()->SortInsert("Button1.Caption='Annuler'");
    T->Translations()->SortInsert("Edit1.Text='100%=sure'");
    T->SaveTo(File);
    EXPECT_EQ(zt_test::ReadAll(File), "Form1.Button1.Caption%1031='Abbrechen'\r\n"
                                      "Form1.Button1.Caption%1036='Annuler'\r\n"
                                      "Form1.Edit1.Text%1036='100%=sure'\r\n");
    T->Owner()->Free();
    auto* Fresh = OnNewForm("Form1", 1036);
    EXPECT_FALSE(Fresh->LoadFrom(Dir.File("nothing.txt")));
    Fresh->Translations()->SortInsert("Button1.CaptionX='keep'");
    Fresh->Translations()->SortInsert("Zeta='stays'");
    ASSERT_TRUE(Fresh->LoadFrom(File));
    EXPECT_EQ(Fresh->Translations()->Text(),
              "Button1.Caption='Annuler'\r\nButton1.CaptionX='keep'\r\n"
              "Edit1.Text='100%=sure'\r\nZeta='stays'\r\n");
}

TEST_F(TranslatorFrame, DictionaryExchangeByDesignText) {
    auto* T = OnNewForm("Form1", 1036);
    T->Translations()->SortInsert("Button1.Caption='Annuler'");
    T->Translations()->SortInsert("Button2.Caption='x'");
    T->Translations()->SortInsert("Panel1.Width=120");
    T->DesignTexts = {
        {"Button1.Caption", "Cancel"}, {"Button2.Caption", "Cancel"}, {"Panel1.Width", "100"}};
    String File = Dir.File("dict.txt");
    T->TranslateTo(File);
    EXPECT_EQ(zt_test::ReadAll(File), "100\t120\r\nCancel\tx\r\n");
    zt_test::WriteAll(File, "Cancel\tFermer\nLine\\nBreak\tx\n100\t150\n");
    ASSERT_TRUE(T->TranslateFrom(File));
    EXPECT_EQ(T->Translations()->Text(),
              "Button1.Caption='Fermer'\r\nButton2.Caption='Fermer'\r\nPanel1.Width=150\r\n");
    EXPECT_FALSE(T->TranslateFrom(Dir.File("none.txt")));
}

TEST_F(TranslatorFrame, AboutBoxNamesTheComponentAndVersion) {
    host::TScriptedUiDriver Driver;
    Driver.ExpectMessageBox("Test Translator 1.0", host::IDOK);
    host::TUiDriverGuard Guard(Driver);
    OnNewForm("Form1", 0)->ShowAbout();
    Driver.VerifyAllConsumed();
    EXPECT_EQ(Driver.Log().size(), 1u);
}

TEST_F(TranslatorFrame, SettingTranslationsKeepsTheListSorted) {
    auto* T = OnNewForm("Form1", 0);
    host::TStringList Given;
    Given.AddObject("b=2", IntToObject(2));
    Given.AddObject("a=1", IntToObject(1));
    T->SetTranslations(&Given);
    EXPECT_EQ(T->Translations()->Text(), "a=1\r\nb=2\r\n");
    EXPECT_EQ(ObjectToInt(T->Translations()->Objects(0)), 1);
}
