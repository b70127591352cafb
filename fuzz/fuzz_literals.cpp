// ConvertFromLiterals on any text; ConvertToLiterals then back must give the text again.
#include "translators/Literals.h"

#include "host/rtl/Exceptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    try {
        (void)zantor::FromLiterals(Text);
    } catch (const host::EConvertError&) {
    }
    if (zantor::FromLiterals(zantor::ToLiterals(Text)) != Text) std::abort();
    return 0;
}
