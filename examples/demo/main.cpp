// The Zantor demo: an application whose main form loads its form file, shows its component
// tree, reacts to a click, and proves that writing the form and reading it back gives the
// same form text.
#include "MainForm.h"
#include "PropertyDump.h"

#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"

#include <iostream>
#include <memory>

using namespace host;

namespace {

// Form text is written with CR LF line ends; the console wants LF.
String ForConsole(const String& Text) {
    return StringReplace(Text, "\r\n", "\n");
}

int Run() {
    TApplicationScope App;
    TMainForm* MainForm = nullptr;
    Application->CreateForm(MainForm);

    std::cout << "== Component tree\n";
    PrintComponentTree(std::cout, MainForm, MainForm);

    std::cout << "\n== Clicking " << MainForm->GreetButton->Name() << " twice, once loud\n";
    MainForm->GreetButton->Click();
    MainForm->LoudCheck->SetChecked(true);
    MainForm->GreetButton->Click();
    std::cout << ForConsole(MainForm->LogMemo->Lines()->Text());

    String First = WriteComponentToText(MainForm);
    std::cout << "\n== Form text\n" << ForConsole(First);

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
        std::cout << "\n== Round trip FAILED: the text read back is written as\n"
                  << ForConsole(Second);
        return 1;
    }
    std::cout << "\n== Round trip: OK\n";
    return 0;
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
