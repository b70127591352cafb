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
}

void TMainForm::GreetButtonClick(TObject*) {
    String Greeting = "Hello, " + NameEdit->Text() + "!";
    LogMemo->Lines()->Add(LoudCheck->Checked() ? UpperCase(Greeting) : Greeting);
}
