#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"

#include "host/classes/FormText.h"
#include "host/controls/Screen.h"
#include "host/controls/StdCtrls.h"
#include "host/typinfo/TypInfo.h"

#include "LocaleTestSupport.h"

using namespace zantor;
using host::FormatSettings;

namespace {

// A class unrelated to the translators that takes part by publishing the two properties.
class TLocaleAware : public TComponent {
    ZT_CLASS(TLocaleAware, TComponent)
public:
    using TComponent::TComponent;
    Integer Locale() const { return FLocale; }
    void SetLocale(Integer Value) { FLocale = Value; }
    bool Translate() const { return FTranslate; }
    void SetTranslate(bool Value) {
        FTranslate = Value;
        Calls.push_back(Value);
    }
    std::vector<bool> Calls;

private:
    Integer FLocale = 0;
    bool FTranslate = true;
};

// Publishes Locale as a text: not an ordinal, so not switched.
class TTextLocale : public TComponent {
    ZT_CLASS(TTextLocale, TComponent)
public:
    using TComponent::TComponent;
    String Locale() const { return "1036"; }
    void SetLocale(const String&) {}
    bool Translate() const { return FTranslate; }
    void SetTranslate(bool Value) { FTranslate = Value; }
    bool FTranslate = true;
};

// Records the events of a locale translator and can skip the switch.
class TSink : public TObject {
public:
    bool SkipNext = false;
    std::vector<String> Log;
    void Translate(TObject*, bool& Skip) {
        Log.push_back("translate cursor=" + std::to_string(host::Screen->Cursor()));
        Skip = SkipNext;
    }
    void Translated(TObject*) { Log.push_back("translated"); }
    void Select(TObject*) { Log.push_back("select"); }
};

} // namespace

TClass TLocaleAware::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TLocaleAware>("TLocaleAware")
            .Prop("Locale", &TLocaleAware::Locale, &TLocaleAware::SetLocale)
            .Prop("Translate", &TLocaleAware::Translate, &TLocaleAware::SetTranslate);
    return &Info;
}

TClass TTextLocale::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TTextLocale>("TTextLocale")
            .Prop("Locale", &TTextLocale::Locale, &TTextLocale::SetLocale)
            .Prop("Translate", &TTextLocale::Translate, &TTextLocale::SetTranslate);
    return &Info;
}

using ZltSwitch = zlt_test::ZltTest;

TEST_F(ZltSwitch, ANewComponentHoldsTheUsersDefaultLocale) {
    Env.SetUserLocale("de_DE.UTF-8");
    TLocaleTranslator T(nullptr);
    ASSERT_EQ(T.Translations()->Count(), 58);
    for (int i = 0; i < 58; ++i) {
        EXPECT_TRUE(T.Translations()->Line(i).starts_with("00000407_"))
            << T.Translations()->Line(i);
        EXPECT_EQ(ObjectToInt(T.Translations()->Objects(i)), 1031);
    }
    ASSERT_EQ(T.LangList()->Count(), 1);
    EXPECT_EQ(T.LangList()->Line(0), "German, Germany");
    EXPECT_EQ(T.CurrentLocale(), 1031);
    EXPECT_EQ(T.DesignLocale(), "German, Germany 00000407");
    EXPECT_EQ(T.StartupLocale(), "User default 00000400");
    EXPECT_EQ(T.ListFormat(), "%0:s, %1:s");
    EXPECT_TRUE(T.Translate());
    EXPECT_EQ(T.AdoptOn(), nullptr);

    std::vector<String> Names;
    for (PPropInfo P : GetPropList(TLocaleTranslator::StaticClass(), host::tkAny))
        Names.push_back(P->Name);
    EXPECT_EQ(Names, (std::vector<String>{"Name", "Tag", "About", "FileName", "Locale", "Translate",
                                          "Translations", "OnTranslate", "OnTranslated", "AdoptOn",
                                          "DesignLocale", "ListFormat", "StartupLocale"}));
}

TEST_F(ZltSwitch, TranslateLocaleSwitchesSettingsThreadLocaleAndRecord) {
    auto* T = NewTranslator(NewForm("Form1"), {1033, 1036});
    TSink Sink;
    T->SetOnTranslate(TTranslateEvent(&Sink, &TSink::Translate));
    T->SetOnTranslated(TTranslatedEvent(&Sink, &TSink::Translated));
    host::Screen->SetCursor(host::crCross);

    EXPECT_TRUE(T->TranslateLocale(1036));
    EXPECT_EQ(Sink.Log,
              (std::vector<String>{"translate cursor=" + std::to_string(host::crHourGlass),
                                   "translated"}));
    EXPECT_EQ(host::Screen->Cursor(), host::crCross);
    EXPECT_EQ(T->CurrentLocale(), 1036);
    EXPECT_EQ(FormatSettings().LongMonthNames[0], "janvier");
    EXPECT_EQ(host::GetThreadLocale(), 1036u);
    EXPECT_EQ(host::SysLocale().DefaultLCID, 1036);
    EXPECT_EQ(host::SysLocale().PriLangID, 0x0C);
    EXPECT_EQ(host::SysLocale().SubLangID, 1);

    // A locale the catalogue lacks: OnTranslate fired, nothing else changes.
    Sink.Log.clear();
    EXPECT_FALSE(T->TranslateLocale(1031));
    EXPECT_EQ(Sink.Log.size(), 1u);
    EXPECT_EQ(T->CurrentLocale(), 1036);
    EXPECT_EQ(host::GetThreadLocale(), 1036u);
    EXPECT_EQ(host::Screen->Cursor(), host::crCross);

    // Skipped by the handler.
    Sink.Log.clear();
    Sink.SkipNext = true;
    EXPECT_FALSE(T->TranslateLocale(1033));
    EXPECT_EQ(Sink.Log.size(), 1u);
    EXPECT_EQ(FormatSettings().LongMonthNames[0], "janvier");

    // Switched off: no events at all.
    Sink.Log.clear();
    T->SetTranslate(false);
    EXPECT_FALSE(T->TranslateLocale(1033));
    EXPECT_TRUE(Sink.Log.empty());
}

TEST_F(ZltSwitch, AFailingSettingRestoresTheCursorAndKeepsTheCurrentLocale) {
    auto* T = NewTranslator(NewForm("Form1"), {1033});
    T->Translations()->SortInsert("0000040C_CURRENCYDECIMALS=x");
    host::Screen->SetCursor(host::crCross);
    EXPECT_THROW_MSG(static_cast<void>(T->TranslateLocale(1036)), host::EConvertError,
                     "'x' is not a valid integer value");
    EXPECT_EQ(host::Screen->Cursor(), host::crCross);
    EXPECT_EQ(T->CurrentLocale(), 1033);
}

TEST_F(ZltSwitch, SetLocalesSwitchesEveryComponentPublishingLocaleAndTranslate) {
    host::RegisterClasses({TLocaleAware::StaticClass(), TTextLocale::StaticClass()});
    auto* Main = NewForm("Main");
    auto* T = NewTranslator(Main, {1031, 1036});
    auto* Module = new host::TDataModule(host::Application);
    auto* French = new TLocaleAware(Main);
    French->SetLocale(1036);
    auto* German = new TLocaleAware(Module);
    German->SetLocale(1031);
    auto* Neutral = new TLocaleAware(NewForm("Other"));
    auto* Text = new TTextLocale(Main);

    ASSERT_TRUE(T->TranslateLocale(1036));
    EXPECT_EQ(French->Calls, (std::vector<bool>{true}));
    EXPECT_EQ(German->Calls, (std::vector<bool>{false}));
    EXPECT_TRUE(Neutral->Calls.empty()); // Locale 0 is never switched
    EXPECT_TRUE(Text->FTranslate);

    ASSERT_TRUE(T->TranslateLocale(1031));
    EXPECT_EQ(French->Calls, (std::vector<bool>{true, false}));
    EXPECT_EQ(German->Calls, (std::vector<bool>{false, true}));
    EXPECT_TRUE(Neutral->Calls.empty());

    T->SetLocales(0); // nothing
    EXPECT_EQ(French->Calls.size(), 2u);
}

TEST_F(ZltSwitch, SetLocalesSwitchesTheFormTranslatorsOfEveryForm) {
    auto* T = NewTranslator(NewForm("Main"), {1031, 1036});
    struct TOnForm {
        host::TLabel* Label;
        TFormTranslator* French;
        TFormTranslator* German;
        TFormTranslator* Neutral;
    };
    auto Make = [this](const char* Name) {
        auto* Form = NewForm(Name);
        auto* Label = new host::TLabel(Form);
        Label->SetName("Label1");
        Label->SetCaption("Hello");
        auto Add = [Form](Integer Locale, const char* Line) {
            auto* F = new TFormTranslator(Form);
            F->SetLocale(Locale);
            F->SetTranslate(false);
            F->Translations()->SortInsert(Line);
            return F;
        };
        return TOnForm{Label, Add(1036, "Label1.Caption='Bonjour'"),
                       Add(1031, "Label1.Caption='Hallo'"), Add(0, "Label1.Caption='Hi'")};
    };
    const TOnForm A = Make("FormA"), B = Make("FormB");

    ASSERT_TRUE(T->TranslateLocale(1036));
    for (const TOnForm& F : {A, B}) {
        EXPECT_EQ(F.Label->Caption(), "Bonjour");
        EXPECT_TRUE(F.French->Translate());
        EXPECT_FALSE(F.German->Translate());
        EXPECT_FALSE(F.Neutral->Translate());
    }
    ASSERT_TRUE(T->TranslateLocale(1031));
    for (const TOnForm& F : {A, B}) {
        EXPECT_EQ(F.Label->Caption(), "Hallo");
        EXPECT_FALSE(F.French->Translate());
        EXPECT_TRUE(F.German->Translate());
        EXPECT_FALSE(F.Neutral->Translate()); // Locale 0: kept through both switches
    }
}

TEST_F(ZltSwitch, OtherLocaleTranslatorsFollowOnlyWhenThisOneHasALocale) {
    auto* T = NewTranslator(NewForm("Form1"), {1031, 1036});
    auto* Same = NewTranslator(NewForm("Form2"), {1033});
    auto* Other = NewTranslator(NewForm("Form3"), {1033});
    Other->SetLocale(7);
    ASSERT_TRUE(T->TranslateLocale(1036)); // this one's Locale is 0: the others stay as they are
    EXPECT_TRUE(Same->Translate());
    EXPECT_TRUE(Other->Translate());
    EXPECT_EQ(Same->CurrentLocale(), 1033);

    Same->SetTranslate(false); // before joining the group, which would take T along
    T->SetLocale(5);
    Same->SetLocale(5);
    ASSERT_TRUE(T->TranslateLocale(1031));
    EXPECT_TRUE(Same->Translate());
    EXPECT_EQ(Same->CurrentLocale(), 1031);
    EXPECT_FALSE(Other->Translate());
}

TEST_F(ZltSwitch, StartupLocaleOnLoadFallsBackToTheDesignLocale) {
    auto* T = NewTranslator(NewForm("Form1"), {1031, 1036});
    ASSERT_EQ(T->DesignLocale(), "English, United States 00000409"); // made under en_US
    T->SetDesignLocale("French, France 0000040C");
    const String WithGerman = host::WriteComponentToText(T->Owner());
    T->Translations()->Clear();
    AddOrgProps(1036, T->Translations());
    const String WithoutGerman = host::WriteComponentToText(T->Owner());
    T->Owner()->Free();

    Env.SetUserLocale("de_DE.UTF-8");
    auto Load = [](const String& Text) {
        auto* Form = new host::TForm(host::Application);
        host::ReadComponentFromText(Text, Form);
        return static_cast<TLocaleTranslator*>(Form->FindComponent("LocaleTranslator1"));
    };
    auto* Loaded = Load(WithGerman);
    EXPECT_EQ(Loaded->CurrentLocale(), 1031);
    EXPECT_EQ(FormatSettings().LongDayNames[1], "Montag");
    Loaded->Owner()->Free();

    Loaded = Load(WithoutGerman);
    EXPECT_EQ(Loaded->CurrentLocale(), 1036);
    EXPECT_EQ(FormatSettings().LongDayNames[1], "lundi");
}

TEST_F(ZltSwitch, StartupLocaleMayNameTheSystemDefaultOrAnyLocale) {
    Env.SetUserLocale("de_DE.UTF-8", "sv_SE.UTF-8");
    auto* T = NewTranslator(NewForm("Form1"), {1031, 1036, 1053});
    T->SetStartupLocale("System default 00000800");
    auto* Form = T->Owner();
    const String Text = host::WriteComponentToText(Form);
    Form->Free();
    auto* Copy = new host::TForm(host::Application);
    host::ReadComponentFromText(Text, Copy);
    EXPECT_EQ(
        static_cast<TLocaleTranslator*>(Copy->FindComponent("LocaleTranslator1"))->CurrentLocale(),
        1053);

    host::ReadComponentFromText("object F: TForm\n  object L: TLocaleTranslator\n    StartupLocale "
                                "= 'French, France 0000040C'\n  end\nend\n",
                                new host::TForm(host::Application));
    EXPECT_EQ(FormatSettings().LongDayNames[1],
              "Montag"); // 1036 not held: the design locale (German)
}

TEST_F(ZltSwitch, LocaleStringSettersCheckTheirTail) {
    auto* T = NewTranslator(NewForm("Form1"), {1036});
    const String Before = T->StartupLocale();
    T->SetStartupLocale("0000040");         // seven characters
    T->SetStartupLocale("French G000040C"); // tail starts with a letter beyond F
    EXPECT_EQ(T->StartupLocale(), Before);
    T->SetStartupLocale("x 0GGGGGGG"); // only the first character of the tail is examined
    EXPECT_EQ(T->StartupLocale(), "x 0GGGGGGG");
    T->SetStartupLocale("f0000040C");
    EXPECT_EQ(T->StartupLocale(), "f0000040C");

    T->SetDesignLocale("French, France 0000040C");
    EXPECT_EQ(T->DesignLocale(), "French, France 0000040C");
    EXPECT_EQ(T->CurrentLocale(), 1033); // not designing: the current locale stays
    T->SetDesigning(true);
    T->SetDesignLocale("German 00000407");
    EXPECT_EQ(T->CurrentLocale(), 1031);
    T->SetDesignLocale("Nonsense");
    EXPECT_EQ(T->DesignLocale(), "German 00000407");
}

TEST_F(ZltSwitch, TranslationFileHoldsTheSettingsAsTheyAre) {
    zt_test::TempDir Dir;
    const String File = Dir.File("lang.txt");
    zt_test::WriteAll(File,
                      "#1Form1.Res0%-1='Cancel'\r\n#2Form1.0000040C_CURRENCYSTRING%0='EUR'\r\n"
                      "#2Form2.00000407_CURRENCYSTRING%0=DM\r\n");
    auto* T = NewTranslator(NewForm("Form1"), {});
    T->Translations()->SortInsert("0000040C_CURRENCYSTRING=€");
    T->Translations()->SortInsert("0000040C_LONGDATEFORMAT=dddd d 'de' MMMM");
    T->SaveTo(File);
    EXPECT_EQ(zt_test::ReadAll(File), "#1Form1.Res0%-1='Cancel'\r\n"
                                      "#2Form1.0000040C_CURRENCYSTRING%0=€\r\n"
                                      "#2Form1.0000040C_LONGDATEFORMAT%0=dddd d 'de' MMMM\r\n"
                                      "#2Form2.00000407_CURRENCYSTRING%0=DM\r\n");

    // Values are read back unconverted, quotes and all.
    zt_test::WriteAll(
        File, "#2Form1.0000040C_CURRENCYSTRING%0='EUR'\r\n#2Form1.0000040C_DATESEPARATOR%3=-\r\n");
    ASSERT_TRUE(T->LoadFrom(File));
    EXPECT_EQ(T->Translations()->Text(),
              "0000040C_CURRENCYSTRING='EUR'\r\n0000040C_LONGDATEFORMAT=dddd d 'de' MMMM\r\n");

    // A line break would split a line: refused, the file left as it was.
    T->Translations()->SortInsert("0000040C_TIMEAMSTRING=a\r\nb");
    EXPECT_THROW_MSG(
        T->SaveTo(File), host::EWriteError,
        "Locale setting 0000040C_TIMEAMSTRING holds a line break and cannot be written");
    EXPECT_EQ(zt_test::ReadAll(File),
              "#2Form1.0000040C_CURRENCYSTRING%0='EUR'\r\n#2Form1.0000040C_DATESEPARATOR%3=-\r\n");
}

TEST_F(ZltSwitch, ACatalogueInAFileJoinsTheEntriesOfTheUsersLocale) {
    zt_test::TempDir Dir;
    const String File = Dir.File("locales.txt");
    auto* T = NewTranslator(NewForm("Form1"), {1036});
    T->SetFileName(File);
    const String Text = host::WriteComponentToText(T->Owner()); // writes the file, not the form
    EXPECT_EQ(Text.find("Translations"), String::npos);
    T->Owner()->Free();
    String Lines = zt_test::ReadAll(File);
    EXPECT_NE(Lines.find("#2Form1.0000040C_LONGDAYNAMES[1]%0=lundi\r\n"), String::npos);
    EXPECT_EQ(Lines.find("%-1="), String::npos);
    zt_test::WriteAll(File, Lines + "#2Form1.00000409_LONGDAYNAMES[1]%0=Moonday\r\n");

    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText(Text, Form);
    auto* Loaded = static_cast<TLocaleTranslator*>(Form->FindComponent("LocaleTranslator1"));
    EXPECT_EQ(Loaded->Translations()->Count(), 2 * 58);
    EXPECT_NE(Loaded->Translations()->IndexOf("00000409_LONGDAYNAMES[1]=Moonday"), -1);
    EXPECT_EQ(Loaded->CurrentLocale(), 1033); // the user's locale, held since construction
    EXPECT_EQ(FormatSettings().LongDayNames[1], "Moonday");
}
