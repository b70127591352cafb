#include "EditCommand.h"

#include "UiScript.h"

#include "host/controls/DisplayUiDriver.h"
#include "host/ide/ComponentEditor.h"
#include "host/ide/DesignHost.h"
#include "host/ide/DesignRegistry.h"
#include "host/rtl/FileNames.h"
#include "host/winapi/x11/DisplaySelect.h"

#include <memory>
#include <optional>

using namespace host;

namespace {

const TProjectUnit& FindEditUnit(const TProject& Project, const String& Name) {
    if (const TProjectUnit* U = Project.FindUnit(Name)) return *U;
    if (const TProjectUnit* U = Project.FindUnitByFile(ExpandFileName(Project.Folder(), Name)))
        return *U;
    throw EProjectError("Project " + Project.Name() + " has no unit " + Name);
}

} // namespace

bool RunEdit(const TEditOptions& Options, std::ostream& Out) {
    // The script is read first: a bad one changes nothing.
    std::optional<TUiScriptDriver> Script;
    if (!Options.Script.empty()) Script.emplace(ReadUiScript(Options.Script));
    TDesignHost Host;
    for (const String& P : Options.Packages)
        Host.LoadPackage(P);
    Host.OpenProject(Options.ProjectFile);
    TDesignModule* Module = Host.OpenModule(FindEditUnit(*Host.Project(), Options.Unit).SourceFile);
    TComponent* C = Module->GetComponent(Options.Translator);
    if (!C || C == Module->Form())
        throw EComponentError("Unit " + Module->Unit().Name + " has no component " +
                              Options.Translator);
    // The editor opens as the component editor's first command opens it.
    std::unique_ptr<TComponentEditor> Editor = CreateComponentEditor(C, Module);
    if (!Editor || Editor->GetVerbCount() < 3)
        throw EComponentError(Options.Translator + " (" + C->ClassName() +
                              ") has no translation editor");
    {
        // Without a script a person answers on the display when there is one; headless, the
        // default driver closes the editor unchanged.
        std::optional<TDisplayUiDriver> Person;
        std::optional<TUiDriverGuard> Guard;
        if (Script)
            Guard.emplace(*Script);
        else if (x11::SelectPlatform(true) == "x11")
            Guard.emplace(Person.emplace());
        Editor->ExecuteVerb(0);
    }
    if (Script) Script->VerifyDone();
    if (!Module->IsModified()) {
        Out << Options.Translator << ": no change\n";
        return false;
    }
    (void)Module->Save(false);
    Out << Options.Translator << ": saved " << ExtractFileName(Module->Unit().FormFile) << "\n";
    return true;
}
