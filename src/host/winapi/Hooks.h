// Window hooks of the UI thread: a chain per hook kind, newest first. The window layer calls the
// WH_CBT chain on window creation, destruction, activation and focus changes.
#pragma once

#include "host/winapi/WinTypes.h"

namespace host {

inline constexpr int WH_MSGFILTER = -1;
inline constexpr int WH_JOURNALRECORD = 0;
inline constexpr int WH_JOURNALPLAYBACK = 1;
inline constexpr int WH_KEYBOARD = 2;
inline constexpr int WH_GETMESSAGE = 3;
inline constexpr int WH_CALLWNDPROC = 4;
inline constexpr int WH_CBT = 5;
inline constexpr int WH_SYSMSGFILTER = 6;
inline constexpr int WH_MOUSE = 7;
inline constexpr int WH_HARDWARE = 8;
inline constexpr int WH_DEBUG = 9;
inline constexpr int WH_SHELL = 10;
inline constexpr int WH_FOREGROUNDIDLE = 11;
inline constexpr int WH_CALLWNDPROCRET = 12;
inline constexpr int WH_KEYBOARD_LL = 13;
inline constexpr int WH_MOUSE_LL = 14;

// CBT hook codes.
inline constexpr int HCBT_MOVESIZE = 0;
inline constexpr int HCBT_MINMAX = 1;
inline constexpr int HCBT_QS = 2;
inline constexpr int HCBT_CREATEWND = 3;
inline constexpr int HCBT_DESTROYWND = 4;
inline constexpr int HCBT_ACTIVATE = 5;
inline constexpr int HCBT_CLICKSKIPPED = 6;
inline constexpr int HCBT_KEYSKIPPED = 7;
inline constexpr int HCBT_SYSCOMMAND = 8;
inline constexpr int HCBT_SETFOCUS = 9;

struct CREATESTRUCTA;

// lParam of HCBT_CREATEWND: the hook may change the creation values.
struct CBT_CREATEWNDA {
    CREATESTRUCTA* lpcs = nullptr;
    HWND hwndInsertAfter = nullptr;
};

// lParam of HCBT_ACTIVATE.
struct CBTACTIVATESTRUCT {
    BOOL fMouse = 0;
    HWND hWndActive = nullptr;
};

// Installs Proc at the head of the chain of kind HookId. ThreadId must be 0 or the UI thread's
// identifier. Null for an unknown kind, a null procedure or another thread.
HHOOK SetWindowsHookExA(int HookId, HOOKPROC Proc, HINSTANCE Module, DWORD ThreadId);
// FALSE for an unknown or already removed hook. A hook may remove itself while it runs.
BOOL UnhookWindowsHookEx(HHOOK Hook);
// Calls the hook after Hook in its chain and returns its answer (0 at the end of the chain).
// A null or stale Hook continues after the hook that is currently running.
LRESULT CallNextHookEx(HHOOK Hook, int Code, WPARAM WParam, LPARAM LParam);

// Runs the chain of kind HookId from its head; 0 when the chain is empty.
LRESULT CallHookChain(int HookId, int Code, WPARAM WParam, LPARAM LParam);

} // namespace host
