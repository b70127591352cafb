// Internal to the window layer: the window records and the links between its parts. Not for
// callers outside src/host/winapi.
#pragma once

#include "host/rtl/Types.h"
#include "host/winapi/Messages.h"
#include "host/winapi/Platform.h"
#include "host/winapi/WinTypes.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace host::detail {

inline constexpr int ScreenWidth = 1024;
inline constexpr int ScreenHeight = 768;

// Handle values for every kind of object come from one counter, so no two objects ever share a
// value and a stale handle never names a newer object.
std::uintptr_t NewHandleValue();
template <typename H> H NewHandle() {
    return reinterpret_cast<H>(NewHandleValue());
}

// Copies at most MaxCount - 1 characters and a terminator; returns the count copied (0 when
// there is no room at all).
int CopyText(const String& Text, char* Buffer, int MaxCount);

struct TWindowClass {
    String Name;
    ATOM Atom = 0;
    UINT Style = 0;
    WNDPROC Proc = nullptr;
    int ClsExtra = 0;
    int WndExtra = 0;
    HINSTANCE Instance = nullptr;
    bool Predefined = false;
    bool MdiClient = false;
    int WindowCount = 0;
};

struct TWindowRec {
    HWND Handle = nullptr;
    TWindowClass* Class = nullptr;
    WNDPROC Proc = nullptr;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    // Control identifier of a child window, menu bar of a top-level window.
    LONG_PTR IdOrMenu = 0;
    LONG_PTR UserData = 0;
    HINSTANCE Instance = nullptr;
    String Text;
    HFONT Font = nullptr;
    HWND Parent = nullptr; // the desktop for top-level windows
    HWND Owner = nullptr;
    HWND FirstChild = nullptr;
    HWND LastChild = nullptr;
    HWND Next = nullptr;
    HWND Prev = nullptr;
    RECT Bounds;       // outer rectangle in the parent's client coordinates
    RECT NormalBounds; // rectangle to go back to from maximized or minimized
    HMENU SysMenu = nullptr;
    std::vector<unsigned char> Extra;
    bool Destroying = false;
    // Paint cycle: bounding rectangle of the update region (client coordinates), whether the
    // background is to be erased, and whether the frame (caption, borders, menu bar) is due.
    RECT Update;
    bool UpdateErase = false;
    bool FrameInvalid = false;
};

// Window store (WindowStore.cpp).
TWindowRec* FindWindowRec(HWND Wnd);
TWindowRec& DesktopRec();
TWindowRec& NewWindowRec();
void EraseWindowRec(HWND Wnd);
void ResetWindowStore();
bool IsTopLevel(const TWindowRec& W);
inline bool IsChildStyle(const TWindowRec& W) {
    return (W.Style & 0x40000000u) != 0;
}
bool IsMdiChild(const TWindowRec& W);
// Inserts W among Parent's children: first (HWND_TOP), last (HWND_BOTTOM) or after a sibling.
void LinkWindow(TWindowRec& W, TWindowRec& Parent, HWND InsertAfter);
void UnlinkWindow(TWindowRec& W);
std::vector<HWND> ChildHandles(const TWindowRec& W);
// True when Wnd lies below Ancestor in the parent tree (not counting Ancestor itself).
bool IsDescendant(HWND Ancestor, HWND Wnd);
HWND RootWindow(HWND Wnd);

// Classes (WindowClasses.cpp).
TWindowClass* FindWindowClass(LPCSTR Name);
void ResetWindowClasses();

// Geometry (WindowGeometry.cpp).
RECT NonClientInsets(DWORD Style, DWORD ExStyle, bool Menu);
RECT WindowInsets(const TWindowRec& W);
SIZE ClientSize(const TWindowRec& W);
POINT ClientOrigin(const TWindowRec& W); // on the screen
// Client origin in the parent's client coordinates (what WM_MOVE reports).
POINT ClientOriginInParent(const TWindowRec& W);
WPARAM SizeKind(const TWindowRec& W);
void SendSizeAndMove(HWND Wnd);
// Maximizes (SW_MAXIMIZE), minimizes (SW_MINIMIZE) or restores (SW_RESTORE) without changing
// visibility or activation; false when the window is already in that state or the HCBT_MINMAX
// hook refused.
bool ChangePlacement(HWND Wnd, int Cmd);
// Fits a maximized window to its parent's client area again after the parent changed size.
void RefitMaximized(HWND Wnd);

// Activation and focus (Activation.cpp).
// Takes the focus and activation away from a window that is hidden (focus moves to the
// parent) or destroyed (focus is lost).
void ReleaseFocusAndActivation(HWND Wnd, bool Destroying);
void ForgetActivation(HWND Wnd);
void ResetActivation();

// Queue (MessageQueue.cpp).
bool MessageMatches(HWND MsgWnd, UINT Msg, HWND Filter, UINT FilterMin, UINT FilterMax);
void PurgeWindowMessages(HWND Wnd);
void ResetMessageQueue();

// Timers (Timers.cpp).
std::optional<MSG> TakeDueTimer(HWND Filter, UINT FilterMin, UINT FilterMax, bool Remove);
void KillWindowTimers(HWND Wnd);
bool IsTimerProc(HWND Wnd, UINT_PTR IdEvent, TIMERPROC Proc);
void ResetTimers();
// Time until the next timer is due (0 when one is); -1 when no timer runs.
int MillisecondsToNextTimer();

// Hooks, menus, fonts, process (their own files).
void ResetHooks();
void ResetMenus();
void ResetFonts();
void ResetProcess();

// Painting (Painting.cpp, NonClient.cpp, Platform.cpp).
// WM_PAINT for the first window due (parents before children) that matches the filter.
std::optional<MSG> TakePaintMessage(HWND Filter, UINT FilterMin, UINT FilterMax);
// Invalidates the window's frame and client area (shown, moved, resized, restyled).
void InvalidateWholeWindow(HWND Wnd);
// Invalidates the area a window covered in its parent (hidden, moved, destroyed).
void InvalidateUnder(const TWindowRec& W);
// Tells the platform about a change of a top-level window.
void NotifyPlatform(HWND Wnd, TWindowChange Change);
void PlatformWindowCreated(HWND Wnd);
void PlatformWindowDestroyed(HWND Wnd);
// Draws the frame of a window: borders, caption and caption buttons, menu bar.
void PaintFrame(HWND Wnd);
// Rectangles (window coordinates) of the menu bar items of a top-level window.
std::vector<RECT> MenuBarItemRects(HWND Wnd);
void ResetPainting();
// WM_NCHITTEST of the default window procedure.
LRESULT HitTest(HWND Wnd, POINT ScreenPoint);
void ResetInput();
// Keeps GetKeyState in step with the key messages as they are taken from the queue.
void KeyMessageRetrieved(const MSG& Msg);
// The menu window class's procedure (MenuTracking.cpp).
LRESULT MenuWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// A menu changed: a window showing it as its menu bar draws its frame again.
void MenuBarChanged(HMENU Menu);

// MDI (MdiClient.cpp).
void MdiChildCreated(HWND Client, HWND Child);
// Rebuilds the window-menu list after a child's text or visibility changed.
void MdiChildChanged(HWND Child);
// Called as a window's record goes: forgets a client's data, or removes a child from its
// client's list and activates another child.
void MdiWindowFreed(HWND Wnd, HWND Parent);
void MdiActivateChild(HWND Client, HWND Child);
void ResetMdi();

} // namespace host::detail
