// The Zantor demo: an application whose main form loads its form file, shows its component
// tree, reacts to a click, switches both of its forms, its resource strings and the run-time
// library's formats from language to language through its Language menu, and proves that
// writing the form and reading it back gives the same form text. After each pick it shows an
// Open dialog and a confirmation message dialog as the person sees them.
#include "DialogShow.h"
#include "LanguageShow.h"
#include "MainForm.h"
#include "OrderForm.h"
#include "PropertyDump.h"

#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"
#include "translators/Registration.h"

#include <iostream>

using namespace host;

namespace {

// Form text is written with CR LF line ends; the console wants LF.
String ForConsole(const String& Text) {
    return StringReplace(Text, "\r\n", "\n");
}

void ShowGreeting(TMainForm* MainForm) {
    std::cout << "== Clicking " << MainForm->GreetButton->Name() << " twice, once loud\n";
    MainForm->GreetButton->Click();
    MainForm->LoudCheck->SetChecked(true);
    MainForm->GreetButton->Click();
    std::cout << ForConsole(MainForm->LogMemo->Lines()->Text());
}

// Picks LCID in the Language menu the way the end user would, then shows the result.
void PickLanguage(TMainForm* MainForm, TOrderForm* OrderForm, Integer LCID) {
    TMenuItem* Entry = LanguageEntry(MainForm->LanguageItem, LCID);
    if (!Entry) throw Exception("Locale " + IntToStr(LCID) + " is not on the Language menu");
    std::cout << "\n== Language: " << Entry->Caption() << "\n";
    Entry->Click();
    PrintFormTexts(std::cout, MainForm);
    PrintFormTexts(std::cout, OrderForm);
    PrintResourceStrings(std::cout);
    PrintFormats(std::cout);
    ShowDialogs(std::cout, MainForm);
}

// Writes the form, reads the text into a fresh instance and writes that: both texts agree.
bool RoundTrip(TMainForm* MainForm) {
    String First = WriteComponentToText(MainForm);
    auto* Copy = new TMainForm(nullptr, CreateNew);
    String Second;
    try {
        ReadComponentFromText(First, Copy);
        Second = WriteComponentToText(Copy);
    } catch (...) {
        Copy->Free();
        throw;
    }
    Copy->Free();
    if (First != Second) {
        std::cout << "\n== Round trip FAILED: the text\n"
                  << ForConsole(First) << "is read back and written as\n"
                  << ForConsole(Second);
        return false;
    }
    std::cout << "\n== Round trip of " << MainForm->Name() << " (" << First.size()
              << " bytes of form text): OK\n";
    return true;
}

int Run() {
    zantor::RegisterTranslatorClasses();
    TApplicationScope App;
    TMainForm* MainForm = nullptr;
    TOrderForm* OrderForm = nullptr;
    Application->CreateForm(MainForm);
    Application->CreateForm(OrderForm);

    // The order form's whole component tree with every published property, its two form
    // translators holding what they read from Demo.lng.
    std::cout << "== Component tree of " << OrderForm->Name() << "\n";
    PrintComponentTree(std::cout, OrderForm, OrderForm);
    std::cout << "\n";
    ShowGreeting(MainForm);

    std::cout << "\n== Language menu\n";
    PrintLanguageMenu(std::cout, MainForm->LanguageItem);
    for (Integer LCID : {1036, 1031, 1053})
        PickLanguage(MainForm, OrderForm, LCID);
    PickLanguage(MainForm, OrderForm,
                 zantor::LocaleOfString(MainForm->LocaleTranslator1->DesignLocale()));
    std::cout << "\n== Language menu\n";
    PrintLanguageMenu(std::cout, MainForm->LanguageItem);

    return RoundTrip(MainForm) ? 0 : 1;
}

} // namespace

int main() {
    try {
        return Run();
    } catch (const Exception& E) {
        std::cerr << "Error: " << E.Message() << "\n";
        return 1;
    }
}
