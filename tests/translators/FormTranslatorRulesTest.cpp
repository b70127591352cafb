// The form translator's rules that a walk alone does not show: value kinds both ways, the
// design state, switching with nothing to apply, refused restores, load and group behaviour.
#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include "host/classes/Component.h"
#include "host/controls/Application.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Format.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

using namespace zantor;

namespace {

// A component with the value kinds that the standard controls do not publish.
class TKindsProbe : public TComponent {
    ZT_CLASS(TKindsProbe, TComponent)
public:
    using TComponent::TComponent;
    char FMark = 'a';
    double FRatio = 1.5;
    String FFixed = "fixed";
    int Writes = 0;
    void SetMark(char Value) { FMark = Value, ++Writes; }
    void SetRatio(double Value) { FRatio = Value, ++Writes; }
    String GetFixed() const { return FFixed; }
};

// Answers every form-level request of a walk with Skip.
class TRefuser : public TObject {
    ZT_CLASS(TRefuser, TObject)
public:
    bool Refuse = false;
    void FormEvent(TObject*, TStrings*, bool& Skip) { Skip = Refuse; }
};

const char* const TwoButtonForm = "object %s: TForm\n"
                                  "  Caption = 'Orders'\n"
                                  "  object Button1: TButton\n"
                                  "    Caption = 'Cancel'\n"
                                  "  end\n"
                                  "  object T: TFormTranslator\n"
                                  "    Locale = %d\n"
                                  "    Translate = False\n"
                                  "    Translations.Strings = (\n"
                                  "      'Button1.Caption=''%s''')\n"
                                  "  end\n"
                                  "end\n";

} // namespace

TClass TKindsProbe::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TKindsProbe>("TKindsProbe")
                                       .Prop("Mark", &TKindsProbe::FMark, &TKindsProbe::SetMark)
                                       .Prop("Ratio", &TKindsProbe::FRatio, &TKindsProbe::SetRatio)
                                       .Prop("Fixed", &TKindsProbe::GetFixed);
    return &Info;
}

TClass TRefuser::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TRefuser>("TRefuser");
    return &Info;
}

class FormTranslatorRules : public ::testing::Test {
protected:
    FormTranslatorRules() { RegisterTranslatorClasses(); }
    host::TApplicationScope App;

    host::TForm* LoadForm(const char* Name, int Locale, const char* Translation) {
        auto* Form = new host::TForm(host::Application);
        host::ReadComponentFromText(host::Format(TwoButtonForm, {Name, Locale, Translation}), Form);
        return Form;
    }
    static TFormTranslator* TranslatorOf(host::TForm* Form) {
        return static_cast<TFormTranslator*>(Form->FindComponent("T"));
    }
    static String Caption(host::TForm* Form) {
        return host::GetStrProp(Form->FindComponent("Button1"), "Caption");
    }
    static TFormTranslator* NewTranslator(host::TForm* Form,
                                          std::initializer_list<const char*> Lines) {
        auto* T = new TFormTranslator(Form);
        T->SetName("Coded");
        T->SetLocale(1036);
        T->SetTranslate(false);
        for (const char* L : Lines)
            T->Translations()->SortInsert(L);
        return T;
    }
};

TEST_F(FormTranslatorRules, LoadedTranslatorsOfLocaleZeroStandAloneWhileOthersSpread) {
    host::TForm* A = LoadForm("FormA", 1036, "Annuler");
    host::TForm* B = LoadForm("FormB", 1036, "Abbrechen");
    TranslatorOf(A)->SetTranslate(true);
    EXPECT_EQ(Caption(B), "Abbrechen"); // the same non-zero locale spreads

    host::TForm* C = LoadForm("FormC", 0, "Zéro");
    host::TForm* D = LoadForm("FormD", 0, "Null");
    TranslatorOf(C)->SetTranslate(true);
    EXPECT_EQ(Caption(C), "Zéro");
    EXPECT_FALSE(TranslatorOf(D)->Translate());
    EXPECT_EQ(Caption(D), "Cancel");
    TranslatorOf(A)->SetTranslate(false);
    EXPECT_TRUE(TranslatorOf(C)->Translate()); // nor is it switched by another locale
}

TEST_F(FormTranslatorRules, ALoadedTranslatorAppliesItsTranslationsOutsideTheDesignState) {
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText("object Form1: TForm\n"
                                "  object Button1: TButton\n"
                                "    Caption = 'Cancel'\n"
                                "  end\n"
                                "  object T: TFormTranslator\n"
                                "    Locale = 1036\n"
                                "    Translations.Strings = (\n"
                                "      'Button1.Caption=''Annuler''')\n"
                                "  end\n"
                                "end\n",
                                Form);
    EXPECT_EQ(Caption(Form), "Annuler");
    EXPECT_TRUE(TranslatorOf(Form)->IsTranslated());
}

TEST_F(FormTranslatorRules, TheDesignStateRefusesTheApplyWalkButNotTheCollectWalk) {
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText("object Form1: TForm\n"
                                "  object Button1: TButton\n"
                                "    Caption = 'Cancel'\n"
                                "  end\n"
                                "end\n",
                                Form);
    TFormTranslator* T = NewTranslator(Form, {"Button1.Caption='Annuler'"});
    Form->SetDesigning(true);
    T->SetTranslate(true);
    EXPECT_EQ(Caption(Form), "Cancel");
    EXPECT_FALSE(T->IsTranslated());
    EXPECT_FALSE(T->TranslateForm(T->Translations(), false));
    host::TStringList Out;
    EXPECT_TRUE(T->TranslateForm(&Out, true));
    EXPECT_GE(Out.IndexOf("Button1.Caption='Cancel'"), 0);
}

TEST_F(FormTranslatorRules, SwitchingOnWithNothingToApplyTurnsTranslateBackOff) {
    auto* Form = new host::TForm(host::Application);
    TFormTranslator* T = NewTranslator(Form, {});
    T->SetTranslate(true);
    EXPECT_FALSE(T->Translate());
    EXPECT_FALSE(T->IsTranslated());
}

TEST_F(FormTranslatorRules, ARefusedRestoreKeepsTheTranslationAndItsSavedTexts) {
    host::TForm* Form = LoadForm("Form1", 1036, "Annuler");
    TFormTranslator* T = TranslatorOf(Form);
    T->SetTranslate(true);
    ASSERT_TRUE(T->IsTranslated());
    const int Saved = T->SavedTexts()->Count();
    ASSERT_GT(Saved, 0);

    TRefuser Refuser;
    Refuser.Refuse = true;
    T->SetOnTranslateForm(Zft::TTranslateFormEvent(&Refuser, &TRefuser::FormEvent));
    T->RestoreForm();
    EXPECT_TRUE(T->IsTranslated());
    EXPECT_EQ(T->SavedTexts()->Count(), Saved);
    EXPECT_EQ(Caption(Form), "Annuler");

    Refuser.Refuse = false;
    T->RestoreForm();
    EXPECT_FALSE(T->IsTranslated());
    EXPECT_EQ(T->SavedTexts()->Count(), 0);
    EXPECT_EQ(Caption(Form), "Cancel");
}

TEST_F(FormTranslatorRules, CharAndFloatPropertiesBothWaysAndReadOnlyPropertiesSkipped) {
    auto* Form = new host::TForm(host::Application);
    auto* Probe = new TKindsProbe(Form);
    Probe->SetName("Probe");
    Probe->Writes = 0;
    TFormTranslator* T =
        NewTranslator(Form, {"Probe.Fixed='changed'", "Probe.Mark=z", "Probe.Ratio=2.25"});

    host::TStringList Out;
    ASSERT_TRUE(T->TranslateForm(&Out, true));
    EXPECT_GE(Out.IndexOf("Probe.Mark=a"), 0);
    EXPECT_GE(Out.IndexOf("Probe.Ratio=1.5"), 0);
    EXPECT_GE(Out.IndexOf("Probe.Fixed='fixed'"), 0);

    T->SetTranslate(true);
    EXPECT_EQ(Probe->FMark, 'z');
    EXPECT_DOUBLE_EQ(Probe->FRatio, 2.25);
    EXPECT_EQ(Probe->FFixed, "fixed");
    EXPECT_EQ(Probe->Writes, 2);
    // Only what was written has a saved design text.
    std::vector<String> Saved;
    for (int i = 0; i < T->SavedTexts()->Count(); ++i)
        Saved.push_back(T->SavedTexts()->Line(i));
    EXPECT_EQ(Saved, (std::vector<String>{"Probe.Mark=a", "Probe.Ratio=1.5"}));

    T->SetTranslate(false);
    EXPECT_EQ(Probe->FMark, 'a');
    EXPECT_DOUBLE_EQ(Probe->FRatio, 1.5);
}

TEST_F(FormTranslatorRules, SetsAndColoursWithoutIdentifierAreCollectedAsNumbers) {
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText("object Form1: TForm\n"
                                "  object Panel1: TPanel\n"
                                "    Color = 1193046\n"
                                "    Font.Style = [fsBold, fsItalic]\n"
                                "  end\n"
                                "end\n",
                                Form);
    TFormTranslator* T = NewTranslator(Form, {});
    host::TStringList Out;
    ASSERT_TRUE(T->TranslateForm(&Out, true));
    EXPECT_GE(Out.IndexOf("Panel1.Color=1193046"), 0);
    EXPECT_GE(Out.IndexOf("Panel1.Font.Style=3"), 0);
    EXPECT_GE(Out.IndexOf("Color=clBtnFace"), 0); // a colour with an identifier, for contrast
}
