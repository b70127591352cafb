// zantor: the command-line face of the design-time host and of the project expert.
//
//   zantor inspect PROJECT [UNIT [COMPONENT]]
//   zantor globalize PROJECT --locales L,... [feature and storage options]
//   zantor export PROJECT --locales L,... --dictionary FILE | --properties FILE
//   zantor export PROJECT [--locales L,...] --po DIR | --xliff DIR
//   zantor import PROJECT --dictionary FILE | --properties FILE [--locale L]
//   zantor import PROJECT --po FILE... | --xliff FILE...
//   zantor stats PROJECT [--locales L,...] [--json]
//   zantor check PROJECT [--locales L,...] [--json] [--no-width]
//   zantor wizard PROJECT --script FILE
//   zantor pseudo PROJECT --locale L [--expand PERCENT]
//   zantor edit PROJECT UNIT TRANSLATOR [--script FILE]
//   zantor tokens FILE
//
// Exit status: 0 on success, 1 when the work failed (package, project, form or file errors),
// 2 for a command line that is not understood, 3 when check found an error. Source files are never
// written.
#include "EditCommand.h"
#include "ExchangeCommands.h"
#include "Inspect.h"
#include "ProjectCommands.h"
#include "QualityCommands.h"
#include "Tokens.h"
#include "WizardCommand.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"

#include <CLI/CLI.hpp>

#include <iostream>

#include <unistd.h>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

void AddPackageOption(CLI::App* Cmd, std::vector<host::String>& Packages) {
    Cmd->add_option("-p,--package", Packages,
                    "Package to load (repeatable; default: ZntD4.so beside zantor, else in the "
                    "installed package folder)");
}

CLI::Option* AddLocalesOption(CLI::App* Cmd, std::vector<int>& Locales, const char* What) {
    return Cmd->add_option("--locales", Locales, What)
        ->delimiter(',')
        ->required()
        ->check(CLI::PositiveNumber);
}

// --dictionary FILE or --properties FILE (or another kind the caller adds), exactly one.
CLI::Option_group* AddFileKindOptions(CLI::App* Cmd, TProjectCommandOptions& O, const char* Verb) {
    CLI::Option_group* Kind = Cmd->add_option_group("file kind", "One of");
    Kind->add_option("--dictionary", O.Dictionary,
                     std::string(Verb) + " a dictionary file (source<TAB>translation)");
    Kind->add_option("--properties", O.Properties,
                     std::string(Verb) + " a property (translation) file");
    Kind->require_option(1);
    return Kind;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App App{"Zantor for C++: the design-time host and the project expert on the command "
                 "line."};
    App.name("zantor");
    App.set_version_flag("--version", "zantor (Zantor for C++) " ZT_VERSION);
    App.require_subcommand(1);

    TInspectOptions Inspect;
    CLI::App* InspectCmd = App.add_subcommand(
        "inspect", "List the palette and units of PROJECT, the components of UNIT, or the Object "
                   "Inspector rows of COMPONENT on UNIT's form.");
    InspectCmd->add_option("PROJECT", Inspect.ProjectFile, "Project file")->required();
    InspectCmd->add_option("UNIT", Inspect.Unit, "Unit name or file");
    InspectCmd->add_option("COMPONENT", Inspect.Component, "Component (or form) name");
    AddPackageOption(InspectCmd, Inspect.Packages);

    TProjectCommandOptions Glob;
    CLI::App* GlobCmd = App.add_subcommand(
        "globalize", "Place and configure translators on the forms of PROJECT for the locales "
                     "given. Without a feature option: --forms --scan-forms --resources.");
    GlobCmd->add_option("PROJECT", Glob.ProjectFile, "Project file")->required();
    AddLocalesOption(GlobCmd, Glob.Locales, "Locale identifiers to add, e.g. 1036,1031");
    GlobCmd->add_flag("--forms", Glob.Forms, "A form translator per locale on every form");
    GlobCmd->add_flag("--scan-forms", Glob.ScanForms,
                      "Enter the forms' common properties in the form translators (implies "
                      "--forms)");
    GlobCmd->add_flag("--resources", Glob.Resources,
                      "Resource translators on the main form, with the project's resource "
                      "strings");
    GlobCmd->add_flag("--common-dialogs", Glob.CommonDialogs,
                      "Common-dialog translators on the main form");
    GlobCmd->add_flag("--include-empty", Glob.IncludeEmpty,
                      "Enter properties whose design text is empty too");
    auto* InForm = GlobCmd->add_flag("--store-in-form", Glob.StoreInForm,
                                     "Keep translations in the form files (default)");
    auto* InFile = GlobCmd->add_option("--store-in-file", Glob.StoreInFile,
                                       "Keep translations in this text file (beside the "
                                       "project unless a folder is given)");
    InForm->excludes(InFile);
    GlobCmd
        ->add_option("--split", Glob.SplitKb,
                     "Start a numbered file when the file exceeds KB kilobytes (default 500)")
        ->needs(InFile)
        ->check(CLI::PositiveNumber);
    GlobCmd->add_option("--main-form", Glob.MainForm,
                        "Form file of the main form (default: the first form file by name)");
    AddPackageOption(GlobCmd, Glob.Packages);

    TProjectCommandOptions Export;
    CLI::App* ExportCmd = App.add_subcommand(
        "export", "Write the translations of the translators on PROJECT's forms to a file for "
                  "translators.");
    ExportCmd->add_option("PROJECT", Export.ProjectFile, "Project file")->required();
    // Portable-object files default to every locale of the project.
    AddLocalesOption(ExportCmd, Export.Locales,
                     "Locale identifiers to export (with --po: default every locale)")
        ->required(false);
    CLI::Option_group* ExportKind = AddFileKindOptions(ExportCmd, Export, "Write");
    ExportKind->add_option("--po", Export.PoDir,
                           "Write portable-object files into DIR: one .po per locale and a .pot");
    ExportKind->add_option("--xliff", Export.XliffDir,
                           "Write XLIFF 1.2 files into DIR: one .xlf per locale");
    AddPackageOption(ExportCmd, Export.Packages);

    TProjectCommandOptions Import;
    CLI::App* ImportCmd = App.add_subcommand(
        "import", "Read translations from a file into the translators on PROJECT's forms and "
                  "save the forms.");
    ImportCmd->add_option("PROJECT", Import.ProjectFile, "Project file")->required();
    CLI::Option_group* ImportKind = AddFileKindOptions(ImportCmd, Import, "Read");
    ImportKind->add_option("--po", Import.PoFiles,
                           "Read portable-object files (each names its locale); fuzzy entries are "
                           "skipped");
    ImportKind->add_option("--xliff", Import.XliffFiles,
                           "Read XLIFF 1.2 files (locale from target-language); targets still to "
                           "review are skipped");
    ImportCmd
        ->add_option("--locale", Import.Locale, "Only the translators of this locale take the file")
        ->check(CLI::PositiveNumber);
    AddPackageOption(ImportCmd, Import.Packages);

    TQualityCommands Quality;
    AddQualityCommands(App, Quality);

    TWizardOptions Wizard;
    AddWizardCommand(App, Wizard);

    TEditOptions EditOpts;
    CLI::App* EditCmd = App.add_subcommand(
        "edit", "Open the editor form of TRANSLATOR on UNIT's form; the form is saved when the "
                "editor closes with OK.");
    EditCmd->add_option("PROJECT", EditOpts.ProjectFile, "Project file")->required();
    EditCmd->add_option("UNIT", EditOpts.Unit, "Unit name or file")->required();
    EditCmd->add_option("TRANSLATOR", EditOpts.Translator, "Translator component name")->required();
    EditCmd->add_option("--script", EditOpts.Script,
                        "Play the steps of FILE instead of asking a person (see zantor(1))");
    AddPackageOption(EditCmd, EditOpts.Packages);

    host::String TokensFile;
    CLI::App* TokensCmd =
        App.add_subcommand("tokens", "Show the source parser's tokens of FILE, one a line.");
    TokensCmd->add_option("FILE", TokensFile, "Source file")->required();

    try {
        App.parse(argc, argv);
    } catch (const CLI::CallForHelp& E) {
        return App.exit(E);
    } catch (const CLI::CallForAllHelp& E) {
        return App.exit(E);
    } catch (const CLI::CallForVersion& E) {
        return App.exit(E);
    } catch (const CLI::ParseError& E) {
        App.exit(E);
        return ExitUsage;
    }

    // Beside the tool in the build tree; in the package folder of an installed tree.
    const host::String ToolDir = host::ExtractFilePath(host::ParamStr0());
    host::String DefaultPackage = ToolDir + "ZntD4.so";
    if (!host::FileExists(DefaultPackage) &&
        host::FileExists(ToolDir + ZT_PACKAGE_RELDIR "/ZntD4.so"))
        DefaultPackage = ToolDir + ZT_PACKAGE_RELDIR "/ZntD4.so";
    auto WithPackage = [&](std::vector<host::String>& Packages) {
        if (Packages.empty()) Packages.push_back(DefaultPackage);
    };
    std::ostream* Progress = ::isatty(STDERR_FILENO) ? &std::cerr : nullptr;
    try {
        if (int Status = 0;
            RunQualityCommands(Quality, DefaultPackage, std::cout, Progress, Status))
            return Status;
        if (RunWizardCommand(Wizard, DefaultPackage)) return 0;
        if (*InspectCmd) {
            WithPackage(Inspect.Packages);
            RunInspect(Inspect, std::cout);
        } else if (*GlobCmd) {
            WithPackage(Glob.Packages);
            RunGlobalize(Glob, Progress);
        } else if (*ExportCmd) {
            WithPackage(Export.Packages);
            if (!Export.PoDir.empty() || !Export.XliffDir.empty())
                RunExportFiles(Export, std::cout, Progress);
            else
                RunExport(Export, Progress);
        } else if (*ImportCmd) {
            WithPackage(Import.Packages);
            if (!Import.PoFiles.empty() || !Import.XliffFiles.empty())
                RunImportFiles(Import, std::cout, Progress);
            else
                RunImport(Import, Progress);
        } else if (*EditCmd) {
            WithPackage(EditOpts.Packages);
            (void)RunEdit(EditOpts, std::cout);
        } else if (*TokensCmd) {
            RunTokens(TokensFile, std::cout);
        }
    } catch (const std::exception& E) {
        std::cerr << "zantor: " << E.what() << "\n";
        return ExitFailure;
    }
    return 0;
}
