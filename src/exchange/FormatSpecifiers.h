// The argument specifiers of a Format text ("%d", "%0:s", "%-8.2f", "%*d"), read with the
// same grammar Format uses, so that a translation can be checked against its design text
// without formatting anything.
#pragma once

#include "host/rtl/Types.h"

#include <map>
#include <string_view>

namespace zantor {

using host::String;

// What an argument must be for its specifiers.
enum class TArgKind { Integer, Float, Pointer, String };

struct TFormatSpecifiers {
    // False when some "%" does not start a specifier Format accepts ("100%", "%y").
    bool Valid = true;
    // The arguments the text uses, by index, with the kind each must have. An argument used
    // with two different kinds makes the text invalid.
    std::map<int, TArgKind> Args;
    // The text is a Format text: valid, and at least one argument.
    bool IsFormat() const { return Valid && !Args.empty(); }
};

[[nodiscard]] TFormatSpecifiers ReadFormatSpecifiers(std::string_view Text);

// Why Translation would make Format fail (or print other arguments) where Design works;
// "" when both use the same arguments the same way, or Design is no Format text.
[[nodiscard]] String FormatMismatch(std::string_view Design, std::string_view Translation);

} // namespace zantor
