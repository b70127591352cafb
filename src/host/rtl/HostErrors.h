// One raiser per host error message. Each loads its text from the host's resource strings, so
// that a resource-string translator translates the host's errors as well.
#pragma once

#include "host/rtl/Exceptions.h"
#include "host/rtl/Format.h"
#include "host/rtl/ResStringHost.h"

#include <string_view>

namespace host {

// Format over a resource string. A translation that is no valid format for these arguments
// falls back to the module's own text, so that a bad translation cannot hide the error.
String FormatResString(const TResStringRec& Rec, std::initializer_list<TVarRec> Args);

// "List index out of bounds (i)"; the list decides the class (EListError, EStringListError).
template <class E = EListError> [[noreturn]] void RaiseListIndexError(Int64 Index) {
    throw E(FormatResString(SListIndexError, {Index}));
}
// "Invalid property value"; the caller decides the class (reading, writing, a property).
template <class E> [[noreturn]] void RaiseInvalidPropertyValue() {
    throw E(LoadResString(SInvalidPropertyValue));
}

[[noreturn]] void RaiseSortedListError();                  // EStringListError
[[noreturn]] void RaiseDuplicateString();                  // EStringListError
[[noreturn]] void RaiseInvalidInteger(std::string_view S); // EConvertError
[[noreturn]] void RaiseInvalidFloat(std::string_view S);   // EConvertError
[[noreturn]] void RaiseInvalidDate(std::string_view S);    // EConvertError
// The file name appears in double quotes.
[[noreturn]] void RaiseFOpenError(std::string_view FileName);   // EFOpenError
[[noreturn]] void RaiseFCreateError(std::string_view FileName); // EFCreateError
// Reason: the system's description of what failed ("No space left on device").
[[noreturn]] void RaiseFWriteError(std::string_view FileName,
                                   std::string_view Reason); // EWriteError
[[noreturn]] void RaiseControlParentSetToSelf();             // EInvalidOperation
[[noreturn]] void RaiseCannotFocus();                        // EInvalidOperation
[[noreturn]] void RaiseCannotShowModal();                    // EInvalidOperation
[[noreturn]] void RaiseNoMDIForm();                          // EInvalidOperation
[[noreturn]] void RaiseWindowClassError();                   // EOutOfResources
[[noreturn]] void RaiseWindowCreateError();                  // EOutOfResources
[[noreturn]] void RaiseMenuIndexError();                     // EMenuError
[[noreturn]] void RaiseMenuReinserted();                     // EMenuError
[[noreturn]] void RaiseMenuNotFound();                       // EMenuError
[[noreturn]] void RaiseTabIndexError();                      // EListError

} // namespace host
