// Strict reading of real form files, gap by gap: reads a form with the strict reader, and on
// each error records what was missing, takes the offending object or property out of the
// parsed text and reads again, until the rest reads. Tells the standard classes and
// properties that the host lacks apart from what the form's own code or third-party packages
// would bring (their classes, the form's event handlers, ancestors of inherited forms).
#pragma once

#include "host/classes/FormText.h"
#include "host/typinfo/Object.h"

#include <vector>

namespace zt_test {

enum class TGapKind {
    MissingClass,    // a standard class the host lacks
    MissingProperty, // a property of a standard class that the host lacks or refuses
    ThirdPartyClass, // a class from a package outside the host's library
    FormHandler,     // an event handler of the form's own code
    Ancestor,        // an inherited or inline object whose ancestor was not read
    Other            // any other reading error
};

struct TGap {
    TGapKind Kind;
    host::String What; // "TBitBtn", "TPanel.Padding.Left: Property Padding does not exist"
    int Line;
};

// Every gap, in the order the reader met them. The root is read into an instance of TForm,
// TFrame or TDataModule, whichever the root's properties suggest.
// With Pruned, the parsed form without the objects and properties that were missing.
std::vector<TGap> AuditForm(const host::String& Text, host::TFormObject* Pruned = nullptr);
// The class a form's root is read into: TForm, TFrame or TDataModule.
host::TClass AuditRootClass(const host::TFormObject& Root);

// True for the gaps that the host's standard library must not have.
bool IsStandardGap(const TGap& Gap);

} // namespace zt_test
