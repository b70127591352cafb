// Texts compared without regard to letter case, in the process's ANSI code page: the key under
// which a set finds "Ready", "READY" and "ready" as one text (accented letters included).
#pragma once

#include "host/rtl/Types.h"

namespace zantor {

// The case-folded form of Text; two texts that differ only in letter case give the same key.
[[nodiscard]] host::String CaselessKey(const host::String& Text);

} // namespace zantor
