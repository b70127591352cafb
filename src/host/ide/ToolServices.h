// The design-time host's tool services: the project being edited, its units, the files open in
// the editor, and the module, form and component interfaces through which a package works on
// the live design-time forms. ToolServices is null outside the design-time host.
//
// Every interface handed out holds one reference for the caller, who releases it when done.
#pragma once

#include "host/ide/Interface.h"
#include "host/rtl/Types.h"

namespace host {

class TComponent;

// A component on a form being designed.
class TIComponentInterface : public TInterface {
public:
    // The live component object.
    virtual TComponent* GetComponentHandle() = 0;
};

// The form of an open module.
class TIFormInterface : public TInterface {
public:
    // The form itself (the root component); nullptr when the module has no form.
    virtual TIComponentInterface* GetFormComponent() = 0;
    // Creates a component of a registered class by name inside Container (nullptr: the form),
    // with a unique name; -1 for a position or size keeps the class's default. nullptr when the
    // class is unknown or cannot be put there.
    virtual TIComponentInterface* CreateComponent(TIComponentInterface* Container,
                                                  const String& TypeName, int X, int Y, int W,
                                                  int H) = 0;
};

// One unit open in the host.
class TIModuleInterface : public TInterface {
public:
    // Shows the module's form in the designer; false when it has none.
    virtual bool ShowForm() = 0;
    // nullptr when the module has no form.
    virtual TIFormInterface* GetFormInterface() = 0;
    // Saves the form file when modified, or always with ForceSave; false on failure.
    virtual bool Save(bool ForceSave) = 0;
    // Closes the module (its form leaves the designer); false when it stays open.
    virtual bool Close() = 0;
};

class TIToolServices {
public:
    virtual ~TIToolServices() = default;
    // Full file name of the current project; "" when no project is open.
    virtual String GetProjectName() = 0;
    // Units of the current project and the full source file name of unit Index ("" when out
    // of range).
    virtual int GetUnitCount() = 0;
    virtual String GetUnitName(int Index) = 0;
    // Files open in the editor, by full file name.
    virtual bool IsFileOpen(const String& FileName) = 0;
    virtual bool OpenFile(const String& FileName) = 0;
    virtual bool CloseFile(const String& FileName) = 0;
    // The module of an open file; nullptr when the file is not open.
    virtual TIModuleInterface* GetModuleInterface(const String& FileName) = 0;
};

extern TIToolServices* ToolServices;

} // namespace host
