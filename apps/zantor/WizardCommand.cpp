#include "WizardCommand.h"

#include "UiScript.h"

#include "host/controls/DisplayUiDriver.h"
#include "host/controls/Menus.h"
#include "host/ide/DesignHost.h"
#include "host/rtl/FileNames.h"
#include "host/winapi/x11/DisplaySelect.h"

#include <optional>
#include <stdexcept>

#include <unistd.h>

using namespace host;

void AddWizardCommand(CLI::App& App, TWizardOptions& Options) {
    Options.Command = App.add_subcommand(
        "wizard", "Run the project wizard on PROJECT through the host's menu entry: on the "
                  "display, or doing what the script says (see zantor(1) for its steps).");
    Options.Command->add_option("PROJECT", Options.ProjectFile, "Project file")->required();
    Options.Command->add_option("--script", Options.ScriptFile, "What the person does")
        ->check(CLI::ExistingFile);
    Options.Command->add_option("-p,--package", Options.Packages,
                                "Package to load (repeatable; default: ZntD4.so)");
}

bool RunWizardCommand(TWizardOptions& Options, const String& DefaultPackage) {
    if (!*Options.Command) return false;
    // Without a script a person answers on the display; headless there is nobody to ask.
    const bool Scripted = !Options.ScriptFile.empty();
    std::optional<TUiScriptDriver> Script;
    std::optional<TDisplayUiDriver> Person;
    if (Scripted) {
        Script.emplace(ReadUiScript(Options.ScriptFile));
    } else if (x11::SelectPlatform(true) == "x11") {
        Person.emplace();
    } else {
        throw std::runtime_error("no display to show the wizard on: set DISPLAY, or give the "
                                 "steps with --script FILE");
    }

    char Cwd[4096];
    if (!::getcwd(Cwd, sizeof Cwd)) throw std::runtime_error("cannot read the current folder");
    TDesignHost Host;
    if (Options.Packages.empty()) Options.Packages.push_back(DefaultPackage);
    for (const String& P : Options.Packages)
        Host.LoadPackage(P);
    Host.OpenProject(ExpandFileName(IncludeTrailingPathDelimiter(Cwd), Options.ProjectFile));
    TMenuItem* Entry = Host.HelpMenu()->FindItem("Zantor Expert");
    if (!Entry) throw std::runtime_error("no loaded package has the Zantor Expert");
    {
        TUiDriverGuard Guard(Person ? static_cast<TUiDriver&>(*Person) : *Script);
        Entry->Click();
    }
    if (Script) Script->VerifyDone();
    return true;
}
