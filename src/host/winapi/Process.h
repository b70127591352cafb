// The process as the window layer sees it: its module handle, the UI thread's identifier, and
// program start, which is recorded instead of run.
#pragma once

#include "host/rtl/Modules.h"
#include "host/winapi/WinTypes.h"

#include <string>
#include <vector>

namespace host {

// Null name: the program's module; named modules are unknown (null).
HMODULE GetModuleHandleA(LPCSTR ModuleName);
// Identifier of the UI thread, the only thread with a message queue.
DWORD GetCurrentThreadId();

// One program start asked for through WinExec.
struct TWinExecCall {
    std::string CmdLine;
    UINT CmdShow = 0;
};
// Records the command line and returns 33 (values above 31 mean success); an empty or null
// command line gives ERROR_FILE_NOT_FOUND (2) and is not recorded. No process is started.
UINT WinExec(LPCSTR CmdLine, UINT CmdShow);
const std::vector<TWinExecCall>& WinExecLog();

} // namespace host
