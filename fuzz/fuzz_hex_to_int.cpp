// HexToInt on any text must agree with a plain reading of its hexadecimal digits.
#include "translators/Literals.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    std::uint32_t Expected = 0;
    for (unsigned char C : Text)
        if (std::isxdigit(C))
            Expected = Expected * 16 + static_cast<std::uint32_t>(
                                           std::isdigit(C) ? C - '0' : (C | 0x20) - 'a' + 10);
    if (static_cast<std::uint32_t>(zantor::HexToInt(Text)) != Expected) std::abort();
    return 0;
}
