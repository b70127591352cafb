#include "host/ide/DesignHost.h"

#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/ide/DesignRegistry.h"
#include "host/rtl/FileNames.h"

#include <algorithm>

namespace host {

TIModuleInterface* NewModuleInterface(TDesignHost* Host, unsigned long long Serial);

TDesignHost::TDesignHost() {
    if (ToolServices) throw EInvalidOperation("A design-time host is already running");
    if (!Application) {
        InitApplication();
        FOwnsApplication = true;
    }
    ToolServices = this;
}

TDesignHost::~TDesignHost() {
    FHelpMenu.reset();
    FModules.clear();
    for (auto It = FPackages.rbegin(); It != FPackages.rend(); ++It) {
        try {
            host::UnloadPackage(*It);
        } catch (...) {
            // A finalization failing on the way out must not stop the others.
        }
    }
    ToolServices = nullptr;
    if (FOwnsApplication) DoneApplication();
}

TPackage* TDesignHost::LoadPackage(const String& FileName) {
    TPackage* P = host::LoadPackage(FileName);
    FPackages.push_back(P);
    return P;
}

void TDesignHost::UnloadPackage(TPackage* Package) {
    auto It = std::find(FPackages.begin(), FPackages.end(), Package);
    if (It == FPackages.end()) return;
    // The classes the package put on the palette: none of them may still have instances.
    std::vector<TClass> Classes;
    for (const TPaletteEntry& E : PaletteEntries())
        if (E.Owner == Package) Classes.push_back(E.ComponentClass);
    for (const auto& M : FModules) {
        TComponent* Root = M->Form();
        if (!Root) continue;
        for (int i = 0; i < Root->ComponentCount(); ++i)
            for (TClass C : Classes)
                if (Root->Components(i)->ClassType() == C)
                    throw EPackageError("Cannot unload package \"" + Package->FileName() +
                                        "\": form " + Root->Name() + " uses " + C->ClassName);
    }
    FPackages.erase(It);
    host::UnloadPackage(Package);
}

TExpertMenu* TDesignHost::HelpMenu() {
    if (!FHelpMenu) FHelpMenu.reset(new TExpertMenu(nullptr));
    FHelpMenu->Rebuild();
    return FHelpMenu.get();
}

void TDesignHost::OpenProject(const String& FileName) {
    TProject Project = TProject::LoadFromFile(FileName);
    if (!CloseProject()) throw EAbort("Project " + FProject->Name() + " stays open");
    FProject = std::move(Project);
}

bool TDesignHost::CloseProject() {
    while (!FModules.empty())
        if (!CloseModule(FModules.back().get())) return false;
    FProject.reset();
    return true;
}

String TDesignHost::FullName(const String& FileName) const {
    return ExpandFileName(FProject ? FProject->Folder() : String(), FileName);
}

TDesignModule* TDesignHost::FindModule(const String& FileName) const {
    const String Full = FullName(FileName);
    for (const auto& M : FModules)
        if (M->Unit().SourceFile == Full ||
            (!M->Unit().FormFile.empty() && M->Unit().FormFile == Full))
            return M.get();
    return nullptr;
}

TDesignModule* TDesignHost::OpenModule(const String& FileName) {
    if (TDesignModule* M = FindModule(FileName)) return M;
    const TProjectUnit* Unit = FProject ? FProject->FindUnitByFile(FullName(FileName)) : nullptr;
    if (!Unit) throw EProjectError("\"" + FileName + "\" is no unit of the project");
    FModules.push_back(std::make_unique<TDesignModule>(*Unit));
    return FModules.back().get();
}

bool TDesignHost::CloseModule(TDesignModule* Module) {
    auto It = std::find_if(FModules.begin(), FModules.end(),
                           [&](const auto& M) { return M.get() == Module; });
    if (It == FModules.end()) return false;
    if (Module->IsModified()) {
        switch (MessageDlg("Save changes to " + ExtractFileName(Module->Unit().SourceFile) + "?",
                           mtConfirmation, mbYesNoCancel)) {
        case mrYes:
            Module->Save(true);
            break;
        case mrNo:
            break;
        default:
            return false;
        }
    }
    FModules.erase(It);
    return true;
}

TDesignModule* TDesignHost::ModuleBySerial(unsigned long long Serial) const {
    for (const auto& M : FModules)
        if (M->Serial() == Serial) return M.get();
    return nullptr;
}

String TDesignHost::GetProjectName() {
    return FProject ? FProject->FileName() : String();
}

int TDesignHost::GetUnitCount() {
    return FProject ? static_cast<int>(FProject->Units().size()) : 0;
}

String TDesignHost::GetUnitName(int Index) {
    if (Index < 0 || Index >= GetUnitCount()) return String();
    return FProject->Units()[static_cast<std::size_t>(Index)].SourceFile;
}

bool TDesignHost::IsFileOpen(const String& FileName) {
    return FindModule(FileName) != nullptr;
}

bool TDesignHost::OpenFile(const String& FileName) {
    try {
        OpenModule(FileName);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool TDesignHost::CloseFile(const String& FileName) {
    TDesignModule* M = FindModule(FileName);
    return M && CloseModule(M);
}

TIModuleInterface* TDesignHost::GetModuleInterface(const String& FileName) {
    TDesignModule* M = FindModule(FileName);
    return M ? NewModuleInterface(this, M->Serial()) : nullptr;
}

} // namespace host
