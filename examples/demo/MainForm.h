// The demo's main form: a form class with published fields and event handlers, whose
// layout lives in MainForm.dfm.
#pragma once

#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"

class TMainForm : public host::TForm {
    ZT_CLASS(TMainForm, host::TForm)
public:
    // Loads MainForm.dfm (from beside the program when present, else the built-in copy).
    explicit TMainForm(host::TComponent* AOwner);
    // An empty instance, to read some other text of this form into.
    TMainForm(host::TComponent* AOwner, host::TCreateNew);

    host::TPanel* TopPanel = nullptr;
    host::TLabel* NameLabel = nullptr;
    host::TEdit* NameEdit = nullptr;
    host::TButton* GreetButton = nullptr;
    host::TMemo* LogMemo = nullptr;
    host::TCheckBox* LoudCheck = nullptr;
    host::TMainMenu* MainMenu1 = nullptr;
    host::TMenuItem* LanguageItem = nullptr;
    zantor::TFormTranslator* FrenchTranslator = nullptr;
    zantor::TFormTranslator* GermanTranslator = nullptr;
    // Fills the Language menu with the locales on offer; picking one switches both forms.
    zantor::TLocaleTranslator* LocaleTranslator1 = nullptr;

    // Adds a line to the log, and gives the locale translator its catalogue of languages.
    void FormCreate(host::TObject* Sender);
    void GreetButtonClick(host::TObject* Sender);
};
