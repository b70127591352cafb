#include "ProjectCommands.h"

#include "expert/ProjectExpertIntf.h"
#include "host/ide/DesignHost.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/StrUtils.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include <unistd.h>

using namespace host;
using zantor::TExchangeKind;
using zantor::TIProjectExpert;

namespace {

// The design-time host with the packages loaded and the project open, and the expert of the
// first package that has one. The expert goes before the host unloads its package.
class TProjectRun {
public:
    TProjectRun(const TProjectCommandOptions& Options, std::ostream* Progress) {
        for (const String& P : Options.Packages)
            Host.LoadPackage(P);
        for (const auto& P : LoadedPackages())
            if (void* Entry = P->Entry(zantor::ProjectExpertEntry)) {
                Expert.reset(reinterpret_cast<zantor::TNewProjectExpertProc>(Entry)());
                break;
            }
        if (!Expert) throw std::runtime_error("no loaded package has the project expert");
        Host.OpenProject(ExpandFileName(CurrentFolder(), Options.ProjectFile));
        if (Progress)
            Expert->SetOnProgress([Progress](const String& Gauge, const String& Status) {
                const auto Slash = Gauge.find(" / ");
                const int Index = std::stoi(Gauge.substr(0, Slash)) + 1;
                *Progress << "unit " << Index << " of " << Gauge.substr(Slash + 3) << ": "
                          << ExtractFileName(Status) << "\n";
            });
    }

    static String CurrentFolder() { return IncludeTrailingPathDelimiter(GetCurrentDir()); }
    // A file named on the command line, relative to the current folder.
    static String Full(const String& Name) { return ExpandFileName(CurrentFolder(), Name); }

    TDesignHost Host;
    std::unique_ptr<TIProjectExpert> Expert;

private:
    static String GetCurrentDir();
};

String TProjectRun::GetCurrentDir() {
    char Buffer[4096];
    if (!::getcwd(Buffer, sizeof Buffer))
        throw std::runtime_error("cannot read the current folder");
    return Buffer;
}

// The form file of the project that FileName names (relative to the current folder or, bare,
// to the project folder); the first form file by name when FileName is "".
String MainFormOf(const TProject& Project, const String& FileName) {
    std::vector<String> Forms;
    for (const TProjectUnit& U : Project.Units())
        if (!U.FormFile.empty()) Forms.push_back(U.FormFile);
    if (Forms.empty()) return "";
    if (FileName.empty())
        return *std::min_element(Forms.begin(), Forms.end(), [](const String& A, const String& B) {
            return CompareText(ExtractFileName(A), ExtractFileName(B)) < 0;
        });
    for (const String& Candidate :
         {TProjectRun::Full(FileName), ExpandFileName(Project.Folder(), FileName)})
        for (const String& F : Forms)
            if (SameText(F, Candidate)) return F;
    throw std::runtime_error(FileName + " is not a form file of project " + Project.Name());
}

void NeedLocales(const TProjectCommandOptions& Options) {
    if (Options.Locales.empty()) throw std::runtime_error("--locales names no locale");
}

} // namespace

void RunGlobalize(const TProjectCommandOptions& Options, std::ostream* Progress) {
    NeedLocales(Options);
    TProjectRun Run(Options, Progress);
    zantor::TProjectSettings& S = Run.Expert->Settings();
    const bool Chosen =
        Options.Forms || Options.ScanForms || Options.Resources || Options.CommonDialogs;
    S.Forms = Chosen ? Options.Forms || Options.ScanForms : true;
    S.ScanForms = Chosen ? Options.ScanForms : true;
    S.Resources = Chosen ? Options.Resources : true;
    S.CommonDialogs = Options.CommonDialogs;
    S.IncludeEmpty = Options.IncludeEmpty;
    S.StoreInForm = Options.StoreInFile.empty();
    S.FormStorage = Options.StoreInFile;
    S.Split = IntToStr(Options.SplitKb);
    S.MainForm = MainFormOf(*Run.Host.Project(), Options.MainForm);
    Run.Expert->SelectLocales(Options.Locales);
    if (S.Resources) {
        // Every unit of the project that declares resource strings.
        S.ModulesInApp.clear();
        Run.Expert->UpdateModuleList();
        for (const zantor::TModuleItem& M : Run.Expert->ModuleList())
            if (M.IsUnit()) S.ModulesInApp.push_back(M);
    }
    Run.Expert->GlobalizeProject();
}

void RunExport(const TProjectCommandOptions& Options, std::ostream* Progress) {
    NeedLocales(Options);
    TProjectRun Run(Options, Progress);
    zantor::TProjectSettings& S = Run.Expert->Settings();
    S.ExportKind =
        Options.Dictionary.empty() ? TExchangeKind::Properties : TExchangeKind::Dictionary;
    S.ExportFile =
        TProjectRun::Full(Options.Dictionary.empty() ? Options.Properties : Options.Dictionary);
    S.ExportLocales.clear();
    for (int LCID : Options.Locales)
        S.ExportLocales.push_back({IntToStr(LCID), LCID});
    Run.Expert->PrepareProject();
}

void RunImport(const TProjectCommandOptions& Options, std::ostream* Progress) {
    const String File =
        TProjectRun::Full(Options.Dictionary.empty() ? Options.Properties : Options.Dictionary);
    if (!FileExists(File)) throw std::runtime_error("cannot read " + File);
    TProjectRun Run(Options, Progress);
    zantor::TProjectSettings& S = Run.Expert->Settings();
    S.ImportKind =
        Options.Dictionary.empty() ? TExchangeKind::Properties : TExchangeKind::Dictionary;
    S.ImportFile = File;
    S.ImportLocale = Options.Locale;
    S.SaveImported = true;
    Run.Expert->TranslateProject();
}
