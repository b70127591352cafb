#include "ExchangeCommands.h"
#include "ExchangeRun.h"

#include "host/rtl/FileNames.h"

#include <stdexcept>

using namespace host;

namespace {

void PrintExport(const zantor::TExportReport& Report, std::ostream& Out) {
    for (const auto& F : Report.Files) {
        Out << "wrote " << F.Name << ": " << F.Entries << " entries";
        if (F.LCID) Out << ", " << F.Translated << " translated";
        if (F.Fuzzy) Out << ", " << F.Fuzzy << " fuzzy (to review)";
        if (F.Skipped) Out << ", " << F.Skipped << " left out (control characters)";
        Out << "\n";
    }
}

std::vector<String> InputFiles(const std::vector<String>& Names) {
    std::vector<String> Files;
    for (const String& F : Names)
        Files.push_back(TExchangeRun::Full(F));
    for (const String& F : Files)
        if (!FileExists(F)) throw std::runtime_error("cannot read " + F);
    return Files;
}

// Entries still to review (fuzzy, or an XLIFF state asking for more work) count as fuzzy.
void PrintImport(const zantor::TImportReport& Report, std::ostream& Out) {
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

} // namespace

void RunExportFiles(const TProjectCommandOptions& Options, std::ostream& Out,
                    std::ostream* Progress) {
    TExchangeRun Run(Options.Packages, Options.ProjectFile, Progress);
    if (!Options.PoDir.empty())
        PrintExport(Run.Exchange->ExportPo(TExchangeRun::Full(Options.PoDir), Options.Locales),
                    Out);
    else
        PrintExport(
            Run.Exchange->ExportXliff(TExchangeRun::Full(Options.XliffDir), Options.Locales), Out);
}

void RunImportFiles(const TProjectCommandOptions& Options, std::ostream& Out,
                    std::ostream* Progress) {
    const bool Po = !Options.PoFiles.empty();
    const std::vector<String> Files = InputFiles(Po ? Options.PoFiles : Options.XliffFiles);
    TExchangeRun Run(Options.Packages, Options.ProjectFile, Progress);
    PrintImport(Po ? Run.Exchange->ImportPo(Files) : Run.Exchange->ImportXliff(Files), Out);
}
