// Finding the end of a line in a text that may break lines with CR, LF or CR LF.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace host {

// Position of the first CR or LF at or after From, String::npos when there is none. Scans
// with memchr: find_first_of("\r\n") tests each byte against the set one call at a time.
[[nodiscard]] std::size_t FindLineBreak(std::string_view S, std::size_t From = 0);

} // namespace host
