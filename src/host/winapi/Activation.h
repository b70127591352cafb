// The active (foreground) top-level window and the keyboard focus of the UI thread.
#pragma once

#include "host/winapi/WinTypes.h"

namespace host {

// WM_ACTIVATE kinds (low word of wParam).
inline constexpr WPARAM WA_INACTIVE = 0;
inline constexpr WPARAM WA_ACTIVE = 1;
inline constexpr WPARAM WA_CLICKACTIVE = 2;

HWND GetActiveWindow();
// Activates a top-level window (child windows are refused and the active one returned). The
// HCBT_ACTIVATE hook runs first and can veto (null result). Then the old window gets
// WM_NCACTIVATE and WM_ACTIVATE(WA_INACTIVE, new), the new one moves to the top and gets
// WM_NCACTIVATE and WM_ACTIVATE(WA_ACTIVE, old). Returns the previously active window.
HWND SetActiveWindow(HWND Wnd);
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND Wnd);

HWND GetFocus();
// Activates the window's top-level ancestor first when needed; the HCBT_SETFOCUS hook can veto.
// The old window gets WM_KILLFOCUS(new), the new one WM_SETFOCUS(old). Null removes the focus.
// Returns the window that had the focus, or null on failure.
HWND SetFocus(HWND Wnd);

} // namespace host
