// TDesignModule: one unit of the project open in the design-time host, with its form read
// from the form file into the designing state (csDesigning on the form and every component,
// so that components do design-time work only). It is the designer of that form: it creates
// components by class name with unique names, keeps the event handlers the form file binds,
// records Modified, and saves the form file atomically.
#pragma once

#include "host/ide/FormDesigner.h"
#include "host/ide/Project.h"
#include "host/rtl/StrUtils.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace host {

class TComponent;
struct TFormObject;

class TDesignModule : public TFormDesigner {
public:
    // Reads the unit's form file when it has one. The form's own class (the application's
    // form class, which the host does not have) is stood in for by TForm, or by the class of
    // that name when one is registered; the form file keeps the name. Reading errors
    // propagate (EReadError, EClassNotFound, EParserError, EFOpenError).
    explicit TDesignModule(const TProjectUnit& Unit);
    ~TDesignModule() override;
    TDesignModule(const TDesignModule&) = delete;
    TDesignModule& operator=(const TDesignModule&) = delete;

    const TProjectUnit& Unit() const { return FUnit; }
    // Distinct for every module opened in the process, so a stale reference can tell.
    unsigned long long Serial() const { return FSerial; }
    // The form being designed; nullptr for a unit without a form.
    TComponent* Form() const { return FForm; }
    // The class name the form file gives the form.
    const String& FormClassName() const { return FFormClassName; }
    bool IsModified() const { return FModified; }
    bool IsShown() const { return FShown; }
    void Show() { FShown = true; }

    // A component of a registered class on the form, inside Container (nullptr: the form) when
    // it is a control, named uniquely after its class. -1 keeps the class's default for a
    // position or size. Raises EClassNotFound for an unknown class and EComponentError for a
    // class that is no component or a module without a form.
    TComponent* CreateComponent(const String& ClassName, TComponent* Container, int X, int Y, int W,
                                int H);
    // Writes the form file (replacing it atomically) when modified or Force; clears Modified.
    // False when there is nothing to write.
    bool Save(bool Force);
    // The form file's text as it would be saved.
    String FormText() const;

    // TFormDesigner
    void Modified() override { FModified = true; }
    TComponent* GetRoot() const override { return FForm; }
    String GetMethodName(TComponent* Component, PPropInfo Event) const override;
    void SetMethodName(TComponent* Component, PPropInfo Event, const String& Name) override;

private:
    void StripEvents(TFormObject& Obj, TClass Class, bool IsRoot);
    void RestoreEvents(TFormObject& Obj, TComponent* Component) const;

    TProjectUnit FUnit;
    unsigned long long FSerial;
    TComponent* FForm = nullptr;
    String FFormClassName;
    bool FModified = false;
    bool FShown = false;
    // Handlers bound by the form file or the designer: component name ("" for the form) ->
    // event name -> handler. Names, not objects, so that a handler outlives nothing.
    using TEventMap = std::unordered_map<String, String, TextHash, TextEqual>;
    std::unordered_map<String, TEventMap, TextHash, TextEqual> FEvents;
};

} // namespace host
