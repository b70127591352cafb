// The design-time host's registries: palette pages with their component classes, property
// editors, component editors and library experts. Packages fill them from their Register
// routines; every entry remembers the package that made it, so that unloading the package
// removes exactly its entries.
#pragma once

#include "host/ide/ComponentEditor.h"
#include "host/ide/Expert.h"
#include "host/ide/PropertyEditor.h"

#include <initializer_list>
#include <vector>

namespace host {

// Who is registering: a package being loaded, or nullptr for the host itself.
using TRegistrationOwner = const void*;

struct TPaletteEntry {
    String Page;
    TClass ComponentClass;
    TRegistrationOwner Owner;
};

struct TPropertyEditorRegistration {
    PTypeInfo PropertyType; // the property's type (a class type covers its descendants)
    TClass ComponentClass;  // nullptr: any component
    String PropertyName;    // "": any property of that type
    TPropertyEditorClass EditorClass;
    TRegistrationOwner Owner;
};

struct TComponentEditorRegistration {
    TClass ComponentClass;
    TComponentEditorClass EditorClass;
    TRegistrationOwner Owner;
};

// Puts the classes on the palette page (made when new) and makes them known to the form
// reader. A class already on the palette moves to the new page.
void RegisterComponents(const String& Page, std::initializer_list<TClass> Classes);
// Registers an editor for properties of PropertyType (and, for class types, descendants),
// optionally only on components of ComponentClass (descendants included) and only for the
// property PropertyName (case ignored).
void RegisterPropertyEditor(PTypeInfo PropertyType, TClass ComponentClass,
                            const String& PropertyName, TPropertyEditorClass EditorClass);
void RegisterComponentEditor(TClass ComponentClass, TComponentEditorClass EditorClass);
// The host takes over the reference that Expert holds and releases it at unregistration.
void RegisterLibraryExpert(TIExpert* Expert);

// The editor class the host chooses for a property of a component. Among the registrations
// that fit, the most specific wins: one naming the property beats one that does not, then
// the one for the most derived component class, then the one for the most derived property
// class; among equals the later registration wins. Without one, the default of the kind.
TPropertyEditorClass GetPropertyEditorClass(const TComponent* Component, PPropInfo Prop);
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TFormDesigner* Designer,
                                                      TComponent* Component, PPropInfo Prop);
// The editor of the most derived registered class of the component; TDefaultEditor when none.
TComponentEditorClass GetComponentEditorClass(const TComponent* Component);
std::unique_ptr<TComponentEditor> CreateComponentEditor(TComponent* Component,
                                                        TFormDesigner* Designer);

// What the registries hold, in registration order.
const std::vector<TPaletteEntry>& PaletteEntries();
// Page names in the order they were first used.
std::vector<String> PalettePages();
const std::vector<TPropertyEditorRegistration>& PropertyEditorRegistrations();
const std::vector<TComponentEditorRegistration>& ComponentEditorRegistrations();
std::vector<TIExpert*> LibraryExperts();

// The owner that registrations made from now on are recorded with; returns the previous one.
TRegistrationOwner SetRegistrationOwner(TRegistrationOwner Owner);
// Removes every entry of Owner (releasing its experts and unregistering the classes that
// RegisterComponents made known).
void UnregisterOwner(TRegistrationOwner Owner);
// Empties every registry (tests).
void ClearDesignRegistries();

} // namespace host
