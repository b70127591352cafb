// Pseudo-translation: texts that still read as the design texts but show, when the
// application runs in the pseudo-locale, every text that is not translated (it has no
// brackets), cut off (the closing bracket is missing) or pieced together (brackets inside).
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace zantor {

using host::String;

// Text (UTF-8) with its letters accented, in brackets, lengthened with "~" to about
// (100 + ExpandPercent) percent of its characters. Format specifiers, accelerators (the "&"
// and its letter), "&&", and the blanks and line breaks at either end are kept as they are.
[[nodiscard]] String PseudoTranslate(std::string_view Text, int ExpandPercent);

} // namespace zantor
