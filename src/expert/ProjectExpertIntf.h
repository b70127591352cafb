// TIProjectExpert: the project operations as the package hands them to a program that loads
// it (the command-line tool), so that the program runs the package's own code on the
// package's own translator classes. A package exports ProjectExpertEntry, which makes one.
#pragma once

#include "expert/ProjectSettings.h"

#include <functional>

namespace zantor {

// Progress of the unit loop: "i / n" and the unit's file name.
using TProgressProc = std::function<void(const String& Gauge, const String& Status)>;

class TIProjectExpert {
public:
    virtual ~TIProjectExpert() = default;

    virtual TProjectSettings& Settings() = 0;
    virtual void SetOnProgress(TProgressProc Proc) = 0;

    // Fills the locale catalogue from the main form's locale translator (when the main form
    // has one), adds the catalogue entries of LCIDs, and makes Settings().Locales the design
    // locale followed by LCIDs. Raises EConvertError for an identifier the platform does not
    // know.
    virtual void SelectLocales(const std::vector<Integer>& LCIDs) = 0;
    virtual Integer DesignLocale() const = 0;

    // Lists the loaded modules and the project's resource-string units not in ModulesInApp.
    virtual void UpdateModuleList() = 0;
    virtual const std::vector<TModuleItem>& ModuleList() const = 0;

    virtual void GlobalizeProject() = 0;
    virtual void PrepareProject() = 0;
    virtual void TranslateProject() = 0;
};

using TNewProjectExpertProc = TIProjectExpert* (*)();
inline constexpr const char* ProjectExpertEntry = "ZntNewProjectExpert";

} // namespace zantor
