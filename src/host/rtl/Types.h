// Basic value types of the host run-time library.
#pragma once

#include <cstdint>
#include <string>

namespace host {

// Texts are 8-bit strings in the process code page, compared byte-wise.
using String = std::string;
using Integer = std::int32_t;
using Cardinal = std::uint32_t;
using Int64 = std::int64_t;
using Extended = double;
// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

} // namespace host
