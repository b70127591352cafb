// Position, size, visibility and enabled state of windows, and the metrics of the virtual
// screen and window frames that turn outer sizes into client sizes.
#pragma once

#include "host/winapi/WinTypes.h"

namespace host {

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_NORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;
inline constexpr int SW_SHOWDEFAULT = 10;

// SetWindowPos flags.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_FRAMECHANGED = 0x0020;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;
inline constexpr UINT SWP_NOCOPYBITS = 0x0100;
inline constexpr UINT SWP_NOOWNERZORDER = 0x0200;
inline constexpr UINT SWP_NOSENDCHANGING = 0x0400;
// Set in WM_WINDOWPOSCHANGED when the client area kept its size / its position.
inline constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
inline constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

inline HWND const HWND_TOP = nullptr;
inline HWND const HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline HWND const HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline HWND const HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);

// WM_SIZE kinds.
inline constexpr WPARAM SIZE_RESTORED = 0;
inline constexpr WPARAM SIZE_MINIMIZED = 1;
inline constexpr WPARAM SIZE_MAXIMIZED = 2;
inline constexpr WPARAM SIZE_MAXSHOW = 3;
inline constexpr WPARAM SIZE_MAXHIDE = 4;

// lParam of WM_WINDOWPOSCHANGING (which may change the values) and WM_WINDOWPOSCHANGED.
struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

// Outer rectangle in screen coordinates (the parents' client origins added up).
BOOL GetWindowRect(HWND Wnd, RECT* Rect);
// Client area: (0, 0, width, height) inside the frame, caption and menu bar; empty when
// minimized.
BOOL GetClientRect(HWND Wnd, RECT* Rect);
BOOL ScreenToClient(HWND Wnd, POINT* Point);
BOOL ClientToScreen(HWND Wnd, POINT* Point);
// Converts Count points from From's client coordinates to To's (null: the screen).
int MapWindowPoints(HWND From, HWND To, POINT* Points, UINT Count);

// Sets position (in the parent's client coordinates) and size, z-order and visibility.
// Sends WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED; the default processing of the latter
// sends WM_MOVE and WM_SIZE when the client area moved or changed size. Negative sizes count as
// 0.
BOOL SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Cx, int Cy, UINT Flags);
BOOL MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, BOOL Repaint);

// Returns whether the window was visible before. Showing a top-level window activates it
// unless the command is one of the NOACTIVATE/NA kinds; hiding or minimizing the active window
// activates another one. SW_MAXIMIZE fills the parent's client area (the screen for top-level
// windows) with the client area; SW_RESTORE returns to the rectangle before.
BOOL ShowWindow(HWND Wnd, int Cmd);
// Visible when the window and all its parents have WS_VISIBLE.
BOOL IsWindowVisible(HWND Wnd);
BOOL IsIconic(HWND Wnd);
BOOL IsZoomed(HWND Wnd);
// Returns whether the window was disabled before; sends WM_ENABLE on a change, and a disabled
// window loses the focus.
BOOL EnableWindow(HWND Wnd, BOOL Enable);
BOOL IsWindowEnabled(HWND Wnd);

// GetSystemMetrics indexes; the emulated screen is 1024 x 768 with classic frame sizes.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
int GetSystemMetrics(int Index);

// Grows a client rectangle into the outer rectangle of a window with these styles.
BOOL AdjustWindowRectEx(RECT* Rect, DWORD Style, BOOL Menu, DWORD ExStyle);

} // namespace host
