// The platform's view of the process's modules: the module list and string tables live in the
// run-time library; this adds the platform calls that answer from them.
#pragma once

#include "host/rtl/Modules.h"
#include "host/winapi/WinTypes.h"

namespace host {

// Copies the module's file name (null: the application's) into Buffer with a terminating zero
// and returns its length. A name that does not fit is cut to Size - 1 characters and Size is
// returned. 0 for an unknown module or no room.
DWORD GetModuleFileNameA(HMODULE Module, LPSTR Buffer, DWORD Size);

} // namespace host
