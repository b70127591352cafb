#include "MainForm.h"

#include "MainFormDfm.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/ClassBuilder.h"

using namespace host;

TClass TMainForm::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TMainForm>("TMainForm")
        .Field("TopPanel", &TMainForm::TopPanel)
        .Field("NameLabel", &TMainForm::NameLabel)
        .Field("NameEdit", &TMainForm::NameEdit)
        .Field("GreetButton", &TMainForm::GreetButton)
        .Field("LogMemo", &TMainForm::LogMemo)
        .Field("LoudCheck", &TMainForm::LoudCheck)
        .Field("MainMenu1", &TMainForm::MainMenu1)
        .Field("LanguageItem", &TMainForm::LanguageItem)
        .Field("FrenchTranslator", &TMainForm::FrenchTranslator)
        .Field("GermanTranslator", &TMainForm::GermanTranslator)
        .Field("LocaleTranslator1", &TMainForm::LocaleTranslator1)
        .Method("FormCreate", &TMainForm::FormCreate)
        .Method("GreetButtonClick", &TMainForm::GreetButtonClick);
    // clang-format on
    return &Info;
}

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    InitForm(this, "MainForm.dfm", MainFormDfm);
}

TMainForm::TMainForm(TComponent* AOwner, TCreateNew) : TForm(AOwner) {}

void TMainForm::FormCreate(TObject*) {
    LogMemo->Lines()->Add("Form created.");
    // The catalogue is built from the platform's locale data rather than stored in the form,
    // so the form file stays short and every run offers the same four languages.
    static constexpr Integer Offered[] = {1033, 1031, 1036, 1053};
    LocaleTranslator1->Translations()->Clear();
    zantor::AddOrgProps(Offered, LocaleTranslator1->Translations());
    LocaleTranslator1->UpdateLangList();
    LocaleTranslator1->UpdateAdoptOn();
    // A design locale the platform lacks leaves the demo in the user's locale.
    static_cast<void>(LocaleTranslator1->TranslateLocale(
        zantor::LocaleOfString(LocaleTranslator1->DesignLocale())));
}

void TMainForm::GreetButtonClick(TObject*) {
    String Greeting = "Hello, " + NameEdit->Text() + "!";
    LogMemo->Lines()->Add(LoudCheck->Checked() ? UpperCase(Greeting) : Greeting);
}
