// The Zantor demo: an application whose main form loads its form file, reacts to a click,
// switches both of its forms, its resource strings and the run-time library's formats from
// language to language through its Language menu, and proves that writing the form and reading
// it back gives the same form text. After each pick it shows an Open dialog and a confirmation
// message dialog as the person sees them. With a display it opens as a window; without one it
// tells its tour as a short story and draws the main form in each language on a private display.
#include "DialogShow.h"
#include "LanguageShow.h"
#include "MainForm.h"
#include "OrderForm.h"
#include "Pictures.h"
#include "PropertyDump.h"
#include "Story.h"

#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/DisplayUiDriver.h"
#include "host/controls/MessageLoop.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"
#include "host/winapi/x11/DisplaySelect.h"
#include "translators/Registration.h"

#include <iostream>

using namespace host;

namespace {

// Form text is written with CR LF line ends; the console wants LF.
String ForConsole(const String& Text) {
    return StringReplace(Text, "\r\n", "\n");
}

void ShowGreeting(TMainForm* MainForm) {
    MainForm->GreetButton->Click();
    MainForm->LoudCheck->SetChecked(true);
    MainForm->GreetButton->Click();
    std::cout << "1. The demo opens its main form, \"" << MainForm->Caption()
              << "\", in the language it was designed in. You press "
              << MainForm->GreetButton->Name() << " twice, the second time with "
              << MainForm->LoudCheck->Name() << " ticked, and the log reads:\n";
    for (int I = 0; I < MainForm->LogMemo->Lines()->Count(); ++I)
        std::cout << "     " << MainForm->LogMemo->Lines()->Strings(I) << "\n";
}

// Picks LCID in the Language menu the way the end user would, then tells what changed.
void PickLanguage(int Step, TMainForm* MainForm, TOrderForm* OrderForm, Integer LCID,
                  bool Details) {
    TMenuItem* Entry = LanguageEntry(MainForm->LanguageItem, LCID);
    if (!Entry) throw Exception("Locale " + IntToStr(LCID) + " is not on the Language menu");
    const TScreenTexts Before = CaptureTexts(MainForm, OrderForm);
    std::cout << "\n"
              << Step << ". You open the Language menu and pick " << Entry->Caption()
              << ". What changes on screen:\n";
    Entry->Click();
    PrintChanges(std::cout, Before, CaptureTexts(MainForm, OrderForm));
    ShowDialogs(std::cout, MainForm);
    if (!Details) return;
    PrintFormTexts(std::cout, MainForm);
    PrintFormTexts(std::cout, OrderForm);
    PrintResourceStrings(std::cout);
    PrintFormats(std::cout);
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

struct TOptions {
    bool Details = false; // the full property dump and every text after each pick
    bool Tour = false;    // the scripted tour even when a display is there
    std::string Pictures = "demo-pictures";
};

TOptions ParseOptions(int Argc, char** Argv) {
    TOptions O;
    for (int I = 1; I < Argc; ++I) {
        const std::string A = Argv[I];
        if (A == "--details")
            O.Details = true;
        else if (A == "--tour")
            O.Tour = true;
        else if (A == "--pictures" && I + 1 < Argc)
            O.Pictures = Argv[++I];
        else
            throw Exception("Usage: zantor_demo [--tour] [--details] [--pictures FOLDER]");
    }
    return O;
}

int Run(const TOptions& Options) {
    zantor::RegisterTranslatorClasses();
    TApplicationScope App;
    // With a display the demo is a window; otherwise (or with --tour) it tells its tour.
    const bool Window = !Options.Tour && x11::SelectPlatform(true) == "x11";
    TMainForm* MainForm = nullptr;
    TOrderForm* OrderForm = nullptr;
    Application->CreateForm(MainForm);
    Application->CreateForm(OrderForm);
    if (Window) {
        TDisplayUiDriver Person;
        TUiDriverGuard Guard(Person);
        RunApplication();
        return 0;
    }

    if (Options.Details) {
        // The order form's whole component tree with every published property, its two form
        // translators holding what they read from Demo.lng.
        std::cout << "== Component tree of " << OrderForm->Name() << "\n";
        PrintComponentTree(std::cout, OrderForm, OrderForm);
        std::cout << "\n";
    }
    std::cout << "== The Zantor demo, told as a short story\n";
    ShowGreeting(MainForm);
    int Step = 2;
    for (Integer LCID : {1036, 1031, 1053})
        PickLanguage(Step++, MainForm, OrderForm, LCID, Options.Details);
    PickLanguage(Step, MainForm, OrderForm,
                 zantor::LocaleOfString(MainForm->LocaleTranslator1->DesignLocale()),
                 Options.Details);
    if (Options.Details) {
        std::cout << "\n== Language menu\n";
        PrintLanguageMenu(std::cout, MainForm->LanguageItem);
    }
    const bool Same = RoundTrip(MainForm);
    std::cout << "\n";
    DrawPictures(std::cout, MainForm, MainForm->LanguageItem, {1033, 1036, 1031, 1053},
                 Options.Pictures);
    return Same ? 0 : 1;
}

} // namespace

int main(int Argc, char** Argv) {
    try {
        return Run(ParseOptions(Argc, Argv));
    } catch (const Exception& E) {
        std::cerr << "Error: " << E.Message() << "\n";
        return 1;
    }
}
