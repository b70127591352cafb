// Window rectangles: frames and client areas, coordinate conversion, and SetWindowPos with the
// messages that announce a change.
#include "host/winapi/Activation.h"
#include "host/winapi/Menus.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

struct TMetric {
    int Index;
    int Value;
};

// Classic frame sizes; every client-size calculation goes through these.
const TMetric Metrics[] = {
    {SM_CXSCREEN, detail::ScreenWidth},
    {SM_CYSCREEN, detail::ScreenHeight},
    {SM_CXVSCROLL, 16},
    {SM_CYHSCROLL, 16},
    {SM_CYCAPTION, 19},
    {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},
    {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3},
    {SM_CYMENU, 19},
    {SM_CXFRAME, 4},
    {SM_CYFRAME, 4},
    {SM_CXEDGE, 2},
    {SM_CYEDGE, 2},
};

LONG Width(const RECT& R) {
    return R.right - R.left;
}
LONG Height(const RECT& R) {
    return R.bottom - R.top;
}

POINT ParentClientOrigin(const TWindowRec& W) {
    const TWindowRec* Parent = FindWindowRec(W.Parent);
    return Parent ? detail::ClientOrigin(*Parent) : POINT{};
}

// Screen position of From's client origin; the screen itself for null.
bool OriginOf(HWND Wnd, POINT& Origin) {
    Origin = {};
    if (!Wnd) return true;
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    Origin = detail::ClientOrigin(*W);
    return true;
}

// Fills the values that the flags say to keep and clamps sizes.
void CompleteWindowPos(const TWindowRec& W, WINDOWPOS& Wp) {
    if (Wp.flags & SWP_NOMOVE) {
        Wp.x = W.Bounds.left;
        Wp.y = W.Bounds.top;
    }
    if (Wp.flags & SWP_NOSIZE) {
        Wp.cx = Width(W.Bounds);
        Wp.cy = Height(W.Bounds);
    }
    Wp.cx = std::max(Wp.cx, 0);
    Wp.cy = std::max(Wp.cy, 0);
}

void Reorder(TWindowRec& W, HWND InsertAfter) {
    if (InsertAfter == W.Handle) return;
    if (InsertAfter == HWND_TOPMOST) W.ExStyle |= WS_EX_TOPMOST;
    if (InsertAfter == HWND_NOTOPMOST) W.ExStyle &= ~WS_EX_TOPMOST;
    TWindowRec* Parent = FindWindowRec(W.Parent);
    if (!Parent) return;
    detail::UnlinkWindow(W);
    detail::LinkWindow(W, *Parent, InsertAfter);
}

// What a move, resize, show or hide leaves to paint, and what the platform must follow.
void Repaint(TWindowRec& W, const RECT& OldBounds, bool WasVisible, UINT Flags) {
    const bool Visible = (W.Style & WS_VISIBLE) != 0;
    const bool Moved = !(W.Bounds == OldBounds);
    if (Moved || WasVisible != Visible || (Flags & SWP_FRAMECHANGED)) {
        if (WasVisible && !detail::IsTopLevel(W)) {
            const RECT Now = W.Bounds;
            W.Bounds = OldBounds;
            detail::InvalidateUnder(W);
            W.Bounds = Now;
        }
        if (Visible && !(Flags & SWP_NOREDRAW)) detail::InvalidateWholeWindow(W.Handle);
    }
    if (Moved) detail::NotifyPlatform(W.Handle, TWindowChange::Bounds);
    if (WasVisible != Visible) detail::NotifyPlatform(W.Handle, TWindowChange::Visibility);
    if (Flags & SWP_FRAMECHANGED) detail::NotifyPlatform(W.Handle, TWindowChange::Style);
}

bool SameSize(const SIZE& A, const SIZE& B) {
    return A.cx == B.cx && A.cy == B.cy;
}

} // namespace

namespace detail {

RECT NonClientInsets(DWORD Style, DWORD ExStyle, bool Menu) {
    int Border = 0;
    if (Style & WS_THICKFRAME)
        Border = GetSystemMetrics(SM_CXFRAME);
    else if ((Style & WS_DLGFRAME) || (ExStyle & WS_EX_DLGMODALFRAME))
        Border = GetSystemMetrics(SM_CXDLGFRAME);
    else if (Style & WS_BORDER)
        Border = GetSystemMetrics(SM_CXBORDER);
    if (ExStyle & WS_EX_CLIENTEDGE) Border += GetSystemMetrics(SM_CXEDGE);
    if (ExStyle & WS_EX_STATICEDGE) Border += GetSystemMetrics(SM_CXBORDER);
    RECT Insets{Border, Border, Border, Border};
    if ((Style & WS_CAPTION) == WS_CAPTION) Insets.top += GetSystemMetrics(SM_CYCAPTION);
    if (Menu) Insets.top += GetSystemMetrics(SM_CYMENU);
    return Insets;
}

RECT WindowInsets(const TWindowRec& W) {
    if (W.Handle == DesktopRec().Handle) return {};
    const bool Menu = !IsChildStyle(W) && IsMenu(reinterpret_cast<HMENU>(W.IdOrMenu));
    return NonClientInsets(W.Style, W.ExStyle, Menu);
}

SIZE ClientSize(const TWindowRec& W) {
    if (W.Style & WS_MINIMIZE) return {};
    const RECT I = WindowInsets(W);
    return {std::max(0, Width(W.Bounds) - I.left - I.right),
            std::max(0, Height(W.Bounds) - I.top - I.bottom)};
}

POINT ClientOriginInParent(const TWindowRec& W) {
    const RECT I = WindowInsets(W);
    return {W.Bounds.left + I.left, W.Bounds.top + I.top};
}

POINT ClientOrigin(const TWindowRec& W) {
    if (W.Handle == DesktopRec().Handle) return {};
    const POINT Base = ParentClientOrigin(W);
    const POINT Own = ClientOriginInParent(W);
    return {Base.x + Own.x, Base.y + Own.y};
}

WPARAM SizeKind(const TWindowRec& W) {
    if (W.Style & WS_MINIMIZE) return SIZE_MINIMIZED;
    return (W.Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

void SendSizeAndMove(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return;
    const SIZE Size = ClientSize(*W);
    SendMessageA(Wnd, WM_SIZE, SizeKind(*W), MAKELPARAM(Size.cx, Size.cy));
    if (!(W = FindWindowRec(Wnd))) return;
    const POINT Origin = ClientOriginInParent(*W);
    SendMessageA(Wnd, WM_MOVE, 0, MAKELPARAM(Origin.x, Origin.y));
}

} // namespace detail

int GetSystemMetrics(int Index) {
    for (const TMetric& M : Metrics)
        if (M.Index == Index) return M.Value;
    return 0;
}

BOOL AdjustWindowRectEx(RECT* Rect, DWORD Style, BOOL Menu, DWORD ExStyle) {
    if (!Rect) return false;
    const RECT I = detail::NonClientInsets(Style, ExStyle, Menu != 0);
    *Rect = {Rect->left - I.left, Rect->top - I.top, Rect->right + I.right,
             Rect->bottom + I.bottom};
    return true;
}

BOOL GetWindowRect(HWND Wnd, RECT* Rect) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || !Rect) return false;
    const POINT Base = ParentClientOrigin(*W);
    *Rect = {W->Bounds.left + Base.x, W->Bounds.top + Base.y, W->Bounds.right + Base.x,
             W->Bounds.bottom + Base.y};
    return true;
}

BOOL GetClientRect(HWND Wnd, RECT* Rect) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || !Rect) return false;
    const SIZE Size = detail::ClientSize(*W);
    *Rect = {0, 0, Size.cx, Size.cy};
    return true;
}

BOOL ScreenToClient(HWND Wnd, POINT* Point) {
    POINT Origin;
    if (!Wnd || !Point || !OriginOf(Wnd, Origin)) return false;
    Point->x -= Origin.x;
    Point->y -= Origin.y;
    return true;
}

BOOL ClientToScreen(HWND Wnd, POINT* Point) {
    POINT Origin;
    if (!Wnd || !Point || !OriginOf(Wnd, Origin)) return false;
    Point->x += Origin.x;
    Point->y += Origin.y;
    return true;
}

int MapWindowPoints(HWND From, HWND To, POINT* Points, UINT Count) {
    POINT FromOrigin;
    POINT ToOrigin;
    if (!OriginOf(From, FromOrigin) || !OriginOf(To, ToOrigin)) return 0;
    const LONG Dx = FromOrigin.x - ToOrigin.x;
    const LONG Dy = FromOrigin.y - ToOrigin.y;
    for (UINT I = 0; Points && I < Count; ++I) {
        Points[I].x += Dx;
        Points[I].y += Dy;
    }
    return int(MAKELONG(Dx, Dy));
}

BOOL SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Cx, int Cy, UINT Flags) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W || Wnd == GetDesktopWindow()) return false;
    WINDOWPOS Wp{Wnd, InsertAfter, X, Y, Cx, Cy, Flags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE)};
    CompleteWindowPos(*W, Wp);
    if (!(Flags & SWP_NOSENDCHANGING)) {
        SendMessageA(Wnd, WM_WINDOWPOSCHANGING, 0, LPARAM(&Wp));
        if (!(W = FindWindowRec(Wnd))) return false;
        CompleteWindowPos(*W, Wp);
    }
    const SIZE OldSize = detail::ClientSize(*W);
    const POINT OldOrigin = detail::ClientOriginInParent(*W);
    const bool WasVisible = (W->Style & WS_VISIBLE) != 0;
    const RECT OldBounds = W->Bounds;
    W->Bounds = {Wp.x, Wp.y, Wp.x + Wp.cx, Wp.y + Wp.cy};
    if (!(Wp.flags & SWP_NOZORDER)) Reorder(*W, Wp.hwndInsertAfter);
    if (Wp.flags & SWP_SHOWWINDOW) W->Style |= WS_VISIBLE;
    if (Wp.flags & SWP_HIDEWINDOW) W->Style &= ~WS_VISIBLE;
    if (!(Wp.flags & SWP_FRAMECHANGED)) {
        if (SameSize(detail::ClientSize(*W), OldSize)) Wp.flags |= SWP_NOCLIENTSIZE;
        if (detail::ClientOriginInParent(*W) == OldOrigin) Wp.flags |= SWP_NOCLIENTMOVE;
    }
    const bool Visible = (W->Style & WS_VISIBLE) != 0;
    Repaint(*W, OldBounds, WasVisible, Wp.flags);
    SendMessageA(Wnd, WM_WINDOWPOSCHANGED, 0, LPARAM(&Wp));
    if (!(W = FindWindowRec(Wnd))) return true;
    if (WasVisible && !Visible)
        detail::ReleaseFocusAndActivation(Wnd, false);
    else if (!(Wp.flags & SWP_NOACTIVATE) && Visible && !detail::IsChildStyle(*W))
        SetActiveWindow(Wnd);
    return true;
}

BOOL MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, BOOL Repaint) {
    const UINT Flags = SWP_NOZORDER | SWP_NOACTIVATE | (Repaint ? 0 : SWP_NOREDRAW);
    return SetWindowPos(Wnd, nullptr, X, Y, Width, Height, Flags);
}

} // namespace host
