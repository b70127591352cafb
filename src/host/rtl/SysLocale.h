// The run-time library's record of the locale the program runs in: its identifier split
// into primary and sub-language, and whether its script needs far-eastern (multi-byte) or
// middle-eastern (right-to-left) handling. Switching the locale updates it.
#pragma once

#include "host/rtl/Types.h"

namespace host {

struct TSysLocale {
    Integer DefaultLCID = 0x0409;
    Integer PriLangID = 0x09; // LCID and 0x3FF
    Integer SubLangID = 0x01; // LCID shr 10, kept to 16 bits
    bool FarEast = false;
    bool MiddleEast = false;
};

// The process-wide record; English (United States) until someone switches it.
TSysLocale& SysLocale();
// Restores the record above; tests use it to isolate themselves.
void ResetSysLocale();

} // namespace host
