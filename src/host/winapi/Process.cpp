// Module handle, thread identifier and the record of program starts.
#include "host/winapi/Process.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowErrors.h"

namespace host {

namespace {

std::vector<TWinExecCall>& ExecLog() {
    static std::vector<TWinExecCall> Log;
    return Log;
}

// The UI thread's identifier is fixed, so runs are reproducible.
constexpr DWORD UiThreadId = 1;

} // namespace

namespace detail {

void ResetProcess() {
    ExecLog().clear();
}

} // namespace detail

HMODULE GetModuleHandleA(LPCSTR ModuleName) {
    return ModuleName ? nullptr : HInstance();
}

DWORD GetCurrentThreadId() {
    return UiThreadId;
}

UINT WinExec(LPCSTR CmdLine, UINT CmdShow) {
    if (!CmdLine || !*CmdLine) return UINT(ERROR_FILE_NOT_FOUND);
    ExecLog().push_back({CmdLine, CmdShow});
    return 33;
}

const std::vector<TWinExecCall>& WinExecLog() {
    return ExecLog();
}

} // namespace host
