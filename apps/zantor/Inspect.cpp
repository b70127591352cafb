#include "Inspect.h"

#include "host/classes/Component.h"
#include "host/ide/DesignHost.h"
#include "host/ide/DesignRegistry.h"
#include "host/ide/ObjectInspector.h"
#include "host/rtl/FileNames.h"

#include <algorithm>

using namespace host;

namespace {

void ListPalette(std::ostream& Out) {
    for (const String& Page : PalettePages()) {
        Out << "Palette page " << Page << ":\n";
        for (const TPaletteEntry& E : PaletteEntries())
            if (E.Page == Page) Out << "  " << E.ComponentClass->ClassName << "\n";
    }
}

void ListUnits(const TProject& Project, std::ostream& Out) {
    Out << "Project " << Project.Name() << " (" << Project.FileName() << "):\n";
    for (const TProjectUnit& U : Project.Units()) {
        Out << "  " << U.Name << ": " << ExtractFileName(U.SourceFile);
        if (!U.FormFile.empty()) Out << ", form " << ExtractFileName(U.FormFile);
        Out << "\n";
    }
}

const TProjectUnit& FindUnit(const TProject& Project, const String& Name) {
    if (const TProjectUnit* U = Project.FindUnit(Name)) return *U;
    if (const TProjectUnit* U = Project.FindUnitByFile(ExpandFileName(Project.Folder(), Name)))
        return *U;
    throw EProjectError("Project " + Project.Name() + " has no unit " + Name);
}

void ListComponents(const TDesignModule& Module, std::ostream& Out) {
    TComponent* Form = Module.Form();
    if (!Form) {
        Out << "Unit " << Module.Unit().Name << " has no form\n";
        return;
    }
    Out << Form->Name() << ": " << Module.FormClassName() << "\n";
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* C = Form->Components(i);
        Out << "  " << C->Name() << ": " << C->ClassName() << "\n";
    }
}

void PrintRows(const std::vector<TInspectorRow>& Rows, std::ostream& Out) {
    std::size_t Width = 0;
    for (const TInspectorRow& R : Rows)
        Width = std::max(Width, R.Name.size());
    for (const TInspectorRow& R : Rows) {
        Out << "  " << R.Name << String(Width - R.Name.size(), ' ') << " = " << R.Value;
        String Attributes = AttributeText(R.Attributes);
        if (!Attributes.empty()) Out << "  [" << Attributes << "]";
        Out << "  (" << R.EditorClass << ")\n";
        if (!R.Attributes.Contains(paValueList)) continue;
        Out << "  " << String(Width, ' ') << "   values:";
        if (R.Values.empty()) Out << " (none)";
        for (std::size_t i = 0; i < R.Values.size(); ++i)
            Out << (i ? " | " : " ") << R.Values[i];
        Out << "\n";
    }
}

void ListComponent(TDesignModule& Module, const String& Name, std::ostream& Out) {
    TComponent* C = Module.GetComponent(Name);
    if (!C) throw EComponentError("Unit " + Module.Unit().Name + " has no component " + Name);
    TObjectInspector Inspector(&Module);
    Inspector.Select(C);
    Out << C->Name() << ": " << (C == Module.Form() ? Module.FormClassName() : C->ClassName())
        << "\nProperties:\n";
    PrintRows(Inspector.Properties(), Out);
    std::vector<TInspectorRow> Events = Inspector.Events();
    if (Events.empty()) return;
    Out << "Events:\n";
    PrintRows(Events, Out);
}

} // namespace

void RunInspect(const TInspectOptions& Options, std::ostream& Out) {
    TDesignHost Host;
    for (const String& P : Options.Packages)
        Host.LoadPackage(P);
    Host.OpenProject(Options.ProjectFile);
    const TProject& Project = *Host.Project();
    if (Options.Unit.empty()) {
        ListUnits(Project, Out);
        ListPalette(Out);
        return;
    }
    TDesignModule* Module = Host.OpenModule(FindUnit(Project, Options.Unit).SourceFile);
    if (Options.Component.empty())
        ListComponents(*Module, Out);
    else
        ListComponent(*Module, Options.Component, Out);
}
