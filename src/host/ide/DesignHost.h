// TDesignHost: the design-time host itself. It opens a project, keeps the units open in the
// editor with their forms in the designing state, loads and unloads packages, and answers
// the tool services (ToolServices points at it while it lives; only one lives at a time).
#pragma once

#include "host/ide/DesignModule.h"
#include "host/ide/ExpertMenu.h"
#include "host/ide/Packages.h"
#include "host/ide/Project.h"
#include "host/ide/ToolServices.h"

#include <memory>
#include <optional>
#include <vector>

namespace host {

class TDesignHost : public TIToolServices {
public:
    // Makes the application object when there is none (the host's forms need its classes).
    // Raises EInvalidOperation when another design-time host lives.
    TDesignHost();
    // Closes every file without saving, unloads the packages it loaded.
    ~TDesignHost() override;
    TDesignHost(const TDesignHost&) = delete;
    TDesignHost& operator=(const TDesignHost&) = delete;

    // Packages (see Packages.h). Unloading raises EPackageError while an open form holds a
    // component of a class the package registered.
    TPackage* LoadPackage(const String& FileName);
    void UnloadPackage(TPackage* Package);

    // The Help menu with an item per library expert as registered now; choosing an item runs
    // the expert's Execute.
    TExpertMenu* HelpMenu();

    // Opens a project after closing the files of the one before (see CloseModule); raises
    // EAbort and keeps the old project when a file stays open. Errors of the project file
    // propagate before anything is closed.
    void OpenProject(const String& FileName);
    // Closes every file (see CloseModule) and the project; false, with the project still open,
    // when a file stays open.
    bool CloseProject();
    const TProject* Project() const { return FProject ? &*FProject : nullptr; }

    // The module of an open file (source or form file name); nullptr when not open.
    TDesignModule* FindModule(const String& FileName) const;
    // Opens the unit of that file, or returns its module when open. Raises EProjectError for a
    // file of no unit of the project; reading errors of the form propagate.
    TDesignModule* OpenModule(const String& FileName);
    // Closes a module; a modified one asks whether to save it first (Cancel keeps it open,
    // and the result is false).
    bool CloseModule(TDesignModule* Module);

    // TIToolServices
    String GetProjectName() override;
    int GetUnitCount() override;
    String GetUnitName(int Index) override;
    bool IsFileOpen(const String& FileName) override;
    bool OpenFile(const String& FileName) override;
    bool CloseFile(const String& FileName) override;
    TIModuleInterface* GetModuleInterface(const String& FileName) override;

    // The open module of that serial; nullptr once it closed (interfaces check before they act).
    TDesignModule* ModuleBySerial(unsigned long long Serial) const;

private:
    String FullName(const String& FileName) const;

    std::optional<TProject> FProject;
    std::vector<std::unique_ptr<TDesignModule>> FModules;
    std::vector<TPackage*> FPackages;
    bool FOwnsApplication = false;
    struct TFreeMenu {
        void operator()(TExpertMenu* Menu) const { Menu->Free(); }
    };
    std::unique_ptr<TExpertMenu, TFreeMenu> FHelpMenu;
};

} // namespace host
