// TFormDesigner: what property and component editors may ask of the designer of the form
// they edit: the form, its components by name and class, names for new components, the
// event handlers bound in the form, and Modified.
#pragma once

#include "host/typinfo/PropInfo.h"

#include <functional>
#include <string_view>

namespace host {

class TComponent;

using TGetStrProc = std::function<void(const String& S)>;

class TFormDesigner {
public:
    virtual ~TFormDesigner() = default;

    // Tells the designer that the form changed, so that it is saved.
    virtual void Modified() = 0;
    // The form (or data module) being designed.
    virtual TComponent* GetRoot() const = 0;

    // Names of the form's components (the form included) that are of Class, descendants
    // included, in component order; unnamed components are left out.
    virtual void GetComponentNames(TClass Class, const TGetStrProc& Proc) const;
    // The form's component of that name (case ignored), the form itself by its own name, or
    // nullptr.
    virtual TComponent* GetComponent(std::string_view Name) const;
    // A name no component of the form has: the class name without its leading "T" and the
    // first free number ("FormTranslator1").
    virtual String UniqueName(std::string_view ClassName) const;

    // Name of the handler bound to an event property of a component of the form ("" for none).
    virtual String GetMethodName(TComponent* Component, PPropInfo Event) const;
    // Binds (or, with "", unbinds) a handler by name; raises EPropertyError for a name that is
    // no identifier.
    virtual void SetMethodName(TComponent* Component, PPropInfo Event, const String& Name);
};

} // namespace host
