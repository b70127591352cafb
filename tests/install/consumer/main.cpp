// A small application on the installed headers and libraries: a form read from text, a form
// translator switched to French, the caption checked; and the installed packages present.
#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/rtl/FileNames.h"
#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include <cstdio>

int main() {
    host::TApplicationScope App;
    host::RegisterControlClasses();
    zantor::RegisterTranslatorClasses();
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText("object Form1: TForm\n"
                                "  Caption = 'Orders'\n"
                                "  object Button1: TButton\n"
                                "    Caption = 'Cancel'\n"
                                "  end\n"
                                "end\n",
                                Form);
    auto* Translator = new zantor::TFormTranslator(Form);
    Translator->SetLocale(1036);
    Translator->SetTranslate(false); // on by default: switched on below, with its texts
    Translator->Translations()->SortInsert("Button1.Caption='Annuler'");
    Translator->Translations()->SortInsert("Caption='Commandes'");
    Translator->SetTranslate(true);
    const host::String Caption = Form->Caption();
    const bool Packages = host::FileExists(ZT_PACKAGE_DIR "/ZntD4.so") &&
                          host::FileExists(ZT_PACKAGE_DIR "/ZntD3.so") &&
                          host::FileExists(ZT_PACKAGE_DIR "/ZntC3.so");
    std::printf("%s %s\n", Caption.c_str(), Packages ? "packages" : "no packages");
    return Caption == "Commandes" && Packages ? 0 : 1;
}
