// Hook chains: installation, removal (also from inside a running hook) and calling along the
// chain.
#include "host/winapi/Hooks.h"
#include "host/winapi/Process.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowErrors.h"

#include <algorithm>
#include <vector>

namespace host {

namespace {

struct THook {
    HHOOK Handle = nullptr;
    int Kind = 0;
    HOOKPROC Proc = nullptr;
    bool Live = true;
};

struct THookState {
    std::vector<THook> Hooks; // newest first, all kinds
    std::vector<HHOOK> Running;
};

THookState& State() {
    static THookState S;
    return S;
}

std::ptrdiff_t IndexOf(HHOOK Hook) {
    const auto& H = State().Hooks;
    const auto It =
        std::find_if(H.begin(), H.end(), [Hook](const THook& X) { return X.Handle == Hook; });
    return It == H.end() ? -1 : It - H.begin();
}

// Removed hooks stay in the list while any hook runs, so positions stay valid for
// CallNextHookEx; they are dropped once the outermost call returns.
void Purge() {
    auto& S = State();
    if (!S.Running.empty()) return;
    S.Hooks.erase(
        std::remove_if(S.Hooks.begin(), S.Hooks.end(), [](const THook& X) { return !X.Live; }),
        S.Hooks.end());
}

struct TRunningGuard {
    explicit TRunningGuard(HHOOK Hook) { State().Running.push_back(Hook); }
    ~TRunningGuard() {
        State().Running.pop_back();
        Purge();
    }
    TRunningGuard(const TRunningGuard&) = delete;
    TRunningGuard& operator=(const TRunningGuard&) = delete;
};

LRESULT CallFrom(size_t Start, int Kind, int Code, WPARAM WParam, LPARAM LParam) {
    const auto& Hooks = State().Hooks;
    for (size_t I = Start; I < Hooks.size(); ++I) {
        if (!Hooks[I].Live || Hooks[I].Kind != Kind) continue;
        const THook Hook = Hooks[I];
        TRunningGuard Guard(Hook.Handle);
        return Hook.Proc(Code, WParam, LParam);
    }
    return 0;
}

} // namespace

namespace detail {

void ResetHooks() {
    State().Hooks.clear();
}

} // namespace detail

HHOOK SetWindowsHookExA(int HookId, HOOKPROC Proc, HINSTANCE, DWORD ThreadId) {
    if (HookId < WH_MSGFILTER || HookId > WH_MOUSE_LL) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    if (!Proc) {
        SetLastError(ERROR_INVALID_FILTER_PROC);
        return nullptr;
    }
    if (ThreadId != 0 && ThreadId != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HHOOK Handle = detail::NewHandle<HHOOK>();
    auto& Hooks = State().Hooks;
    Hooks.insert(Hooks.begin(), THook{Handle, HookId, Proc, true});
    return Handle;
}

BOOL UnhookWindowsHookEx(HHOOK Hook) {
    const std::ptrdiff_t Index = IndexOf(Hook);
    if (Index < 0 || !State().Hooks[size_t(Index)].Live) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return false;
    }
    State().Hooks[size_t(Index)].Live = false;
    Purge();
    return true;
}

LRESULT CallNextHookEx(HHOOK Hook, int Code, WPARAM WParam, LPARAM LParam) {
    std::ptrdiff_t Index = IndexOf(Hook);
    if (Index < 0 && !State().Running.empty()) Index = IndexOf(State().Running.back());
    if (Index < 0) return 0;
    const int Kind = State().Hooks[size_t(Index)].Kind;
    return CallFrom(size_t(Index) + 1, Kind, Code, WParam, LParam);
}

LRESULT CallHookChain(int HookId, int Code, WPARAM WParam, LPARAM LParam) {
    return CallFrom(0, HookId, Code, WParam, LParam);
}

} // namespace host
