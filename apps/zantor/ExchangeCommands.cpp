#include "ExchangeCommands.h"
#include "ExchangeRun.h"

#include "host/rtl/FileNames.h"

#include <stdexcept>

using namespace host;

void RunExportPo(const TProjectCommandOptions& Options, std::ostream& Out, std::ostream* Progress) {
    TExchangeRun Run(Options.Packages, Options.ProjectFile, Progress);
    const zantor::TPoExportReport Report =
        Run.Exchange->ExportPo(TExchangeRun::Full(Options.PoDir), Options.Locales);
    for (const auto& F : Report.Files) {
        Out << "wrote " << F.Name << ": " << F.Entries << " entries";
        if (F.LCID) Out << ", " << F.Translated << " translated";
        if (F.Fuzzy) Out << ", " << F.Fuzzy << " fuzzy (to review)";
        Out << "\n";
    }
}

void RunImportPo(const TProjectCommandOptions& Options, std::ostream& Out, std::ostream* Progress) {
    std::vector<String> Files;
    for (const String& F : Options.PoFiles)
        Files.push_back(TExchangeRun::Full(F));
    for (const String& F : Files)
        if (!FileExists(F)) throw std::runtime_error("cannot read " + F);
    TExchangeRun Run(Options.Packages, Options.ProjectFile, Progress);
    const zantor::TPoImportReport Report = Run.Exchange->ImportPo(Files);
    for (const auto& F : Report.Files) {
        Out << F.Name << ": " << F.Taken << " taken, " << F.Unchanged << " unchanged, "
            << F.Untranslated << " untranslated, " << F.Fuzzy.size() << " fuzzy skipped, "
            << F.Unknown.size() << " not in the project\n";
        for (const String& C : F.Fuzzy)
            Out << "  fuzzy, skipped: " << C << "\n";
        for (const String& C : F.Plural)
            Out << "  plural forms, skipped: " << C << "\n";
        for (const String& C : F.Unknown)
            Out << "  not in the project: " << C << "\n";
    }
}
