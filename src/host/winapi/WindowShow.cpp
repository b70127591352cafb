// Visibility, maximized/minimized placement and the enabled state of windows.
#include "host/winapi/Activation.h"
#include "host/winapi/Hooks.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

enum class TPlacement { Keep, Normal, Maximized, Minimized };

struct TShowCommand {
    int Cmd;
    bool Show;
    bool Activate;
    TPlacement Placement;
};

const TShowCommand ShowCommands[] = {
    {SW_HIDE, false, false, TPlacement::Keep},
    {SW_SHOWNORMAL, true, true, TPlacement::Normal},
    {SW_SHOWMINIMIZED, true, true, TPlacement::Minimized},
    {SW_SHOWMAXIMIZED, true, true, TPlacement::Maximized},
    {SW_SHOWNOACTIVATE, true, false, TPlacement::Normal},
    {SW_SHOW, true, true, TPlacement::Keep},
    {SW_MINIMIZE, true, false, TPlacement::Minimized},
    {SW_SHOWMINNOACTIVE, true, false, TPlacement::Minimized},
    {SW_SHOWNA, true, false, TPlacement::Keep},
    {SW_RESTORE, true, true, TPlacement::Normal},
    {SW_SHOWDEFAULT, true, true, TPlacement::Normal},
};

const TShowCommand* FindShowCommand(int Cmd) {
    for (const TShowCommand& C : ShowCommands)
        if (C.Cmd == Cmd) return &C;
    return nullptr;
}

TPlacement CurrentPlacement(const TWindowRec& W) {
    if (W.Style & WS_MAXIMIZE) return TPlacement::Maximized;
    return (W.Style & WS_MINIMIZE) ? TPlacement::Minimized : TPlacement::Normal;
}

// The client area covers the parent's client area; a top-level window keeps its caption on
// the screen.
RECT MaximizedRect(const TWindowRec& W) {
    const TWindowRec* Parent = FindWindowRec(W.Parent);
    const SIZE Area = Parent ? detail::ClientSize(*Parent) : SIZE{};
    const RECT I = detail::WindowInsets(W);
    const LONG Top = detail::IsChildStyle(W) ? I.top : I.left;
    return {-I.left, -Top, Area.cx + I.right, Area.cy + I.bottom};
}

int PlacementCmd(TPlacement P) {
    if (P == TPlacement::Maximized) return SW_MAXIMIZE;
    return P == TPlacement::Minimized ? SW_MINIMIZE : SW_RESTORE;
}

bool Place(HWND Wnd, TPlacement Target) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W || Target == TPlacement::Keep || CurrentPlacement(*W) == Target) return false;
    if (CallHookChain(WH_CBT, HCBT_MINMAX, WPARAM(Wnd), PlacementCmd(Target))) return false;
    if (!(W = FindWindowRec(Wnd))) return false;
    if (CurrentPlacement(*W) == TPlacement::Normal) W->NormalBounds = W->Bounds;
    W->Style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
    if (Target == TPlacement::Maximized) W->Style |= WS_MAXIMIZE;
    if (Target == TPlacement::Minimized) W->Style |= WS_MINIMIZE;
    const RECT R = Target == TPlacement::Maximized ? MaximizedRect(*W)
                   : Target == TPlacement::Normal  ? W->NormalBounds
                                                   : W->Bounds;
    SetWindowPos(Wnd, nullptr, R.left, R.top, R.right - R.left, R.bottom - R.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

void ActivateShown(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return;
    if (detail::IsMdiChild(*W))
        detail::MdiActivateChild(W->Parent, Wnd);
    else if (!detail::IsChildStyle(*W))
        SetActiveWindow(Wnd);
}

} // namespace

namespace detail {

bool ChangePlacement(HWND Wnd, int Cmd) {
    const TShowCommand* C = FindShowCommand(Cmd);
    return C && Place(Wnd, C->Placement);
}

void RefitMaximized(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || !(W->Style & WS_MAXIMIZE)) return;
    const RECT R = MaximizedRect(*W);
    SetWindowPos(Wnd, nullptr, R.left, R.top, R.right - R.left, R.bottom - R.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace detail

BOOL ShowWindow(HWND Wnd, int Cmd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    const TShowCommand* C = FindShowCommand(Cmd);
    if (!W || !C || Wnd == GetDesktopWindow()) return false;
    const bool WasVisible = (W->Style & WS_VISIBLE) != 0;
    if (C->Show != WasVisible) SendMessageA(Wnd, WM_SHOWWINDOW, C->Show, 0);
    Place(Wnd, C->Placement);
    if (!(W = FindWindowRec(Wnd))) return WasVisible;
    if (C->Show != ((W->Style & WS_VISIBLE) != 0)) {
        const UINT Flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                           (C->Show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, Flags);
        if ((W = FindWindowRec(Wnd)) && detail::IsMdiChild(*W)) detail::MdiChildChanged(Wnd);
    }
    if (C->Show && C->Activate)
        ActivateShown(Wnd);
    else if (C->Placement == TPlacement::Minimized && GetActiveWindow() == Wnd)
        detail::ReleaseFocusAndActivation(Wnd, false);
    return WasVisible;
}

BOOL IsWindowVisible(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    const HWND Desktop = GetDesktopWindow();
    for (; W && W->Handle != Desktop; W = FindWindowRec(W->Parent))
        if (!(W->Style & WS_VISIBLE)) return false;
    return true;
}

BOOL IsIconic(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    return W && (W->Style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    return W && (W->Style & WS_MAXIMIZE);
}

BOOL EnableWindow(HWND Wnd, BOOL Enable) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    const bool WasDisabled = (W->Style & WS_DISABLED) != 0;
    if (Enable && WasDisabled) {
        W->Style &= ~WS_DISABLED;
        SendMessageA(Wnd, WM_ENABLE, true, 0);
    } else if (!Enable && !WasDisabled) {
        W->Style |= WS_DISABLED;
        const HWND Focus = GetFocus();
        if (Focus == Wnd || detail::IsDescendant(Wnd, Focus)) SetFocus(nullptr);
        SendMessageA(Wnd, WM_ENABLE, false, 0);
    }
    if (WasDisabled != !Enable) detail::InvalidateWholeWindow(Wnd);
    return WasDisabled;
}

BOOL IsWindowEnabled(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    return W && !(W->Style & WS_DISABLED);
}

} // namespace host
