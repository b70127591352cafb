// Creation and destruction of windows, with their hooks and notification messages.
#include "host/winapi/Hooks.h"
#include "host/winapi/Menus.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowErrors.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

// Default placement: top-level windows at the origin with three quarters of the parent's
// client size; child windows at 0 with size 0.
void ResolveDefaults(CREATESTRUCTA& Cs, const TWindowRec& Parent, bool Child) {
    if (Cs.x == CW_USEDEFAULT) Cs.x = Cs.y = 0;
    if (Cs.cx == CW_USEDEFAULT) {
        const SIZE Area = detail::ClientSize(Parent);
        Cs.cx = Child ? 0 : Area.cx * 3 / 4;
        Cs.cy = Child ? 0 : Area.cy * 3 / 4;
    }
    Cs.cx = std::max(Cs.cx, 0);
    Cs.cy = std::max(Cs.cy, 0);
}

void SetBounds(TWindowRec& W, const CREATESTRUCTA& Cs) {
    W.Bounds = {Cs.x, Cs.y, Cs.x + std::max(Cs.cx, 0), Cs.y + std::max(Cs.cy, 0)};
    W.NormalBounds = W.Bounds;
}

// Releases what the record holds and removes it; no messages.
void ReleaseRecord(TWindowRec& W) {
    const HWND Wnd = W.Handle;
    const HWND Parent = W.Parent;
    detail::PlatformWindowDestroyed(Wnd);
    detail::KillWindowTimers(Wnd);
    detail::PurgeWindowMessages(Wnd);
    detail::ForgetActivation(Wnd);
    if (!detail::IsChildStyle(W) && W.IdOrMenu) DestroyMenu(reinterpret_cast<HMENU>(W.IdOrMenu));
    if (W.SysMenu) DestroyMenu(W.SysMenu);
    W.Class->WindowCount--;
    detail::UnlinkWindow(W);
    detail::EraseWindowRec(Wnd);
    detail::MdiWindowFreed(Wnd, Parent);
}

// Children first, each gets WM_NCDESTROY just before its record goes.
void FreeWindowTree(HWND Wnd) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return;
    W->Destroying = true;
    for (HWND Child : detail::ChildHandles(*W))
        FreeWindowTree(Child);
    SendMessageA(Wnd, WM_NCDESTROY, 0, 0);
    if ((W = FindWindowRec(Wnd))) ReleaseRecord(*W);
}

// Parents before children.
void SendDestroyMessages(HWND Wnd) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return;
    W->Destroying = true;
    SendMessageA(Wnd, WM_DESTROY, 0, 0);
    if (!(W = FindWindowRec(Wnd))) return;
    for (HWND Child : detail::ChildHandles(*W))
        SendDestroyMessages(Child);
}

void DestroyOwnedWindows(HWND Owner) {
    std::vector<HWND> Owned;
    for (HWND Top : detail::ChildHandles(detail::DesktopRec()))
        if (const TWindowRec* W = FindWindowRec(Top); W && W->Owner == Owner) Owned.push_back(Top);
    for (HWND Wnd : Owned)
        DestroyWindow(Wnd);
}

TWindowRec* NewWindow(detail::TWindowClass& Class, const CREATESTRUCTA& Cs, TWindowRec& Parent,
                      bool Child) {
    TWindowRec& W = detail::NewWindowRec();
    W.Class = &Class;
    W.Proc = Class.Proc;
    W.Style = DWORD(Cs.style) & ~(WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE);
    W.ExStyle = Cs.dwExStyle;
    W.Instance = Cs.hInstance;
    W.Extra.assign(size_t(Class.WndExtra), 0);
    Class.WindowCount++;
    if (Child) {
        W.IdOrMenu = reinterpret_cast<LONG_PTR>(Cs.hMenu);
        detail::LinkWindow(W, Parent, HWND_BOTTOM);
    } else {
        W.Owner = Cs.hwndParent ? detail::RootWindow(Cs.hwndParent) : nullptr;
        W.IdOrMenu = IsMenu(Cs.hMenu) ? reinterpret_cast<LONG_PTR>(Cs.hMenu) : 0;
        detail::LinkWindow(W, Parent, HWND_TOP);
    }
    SetBounds(W, Cs);
    return &W;
}

// The window exists and has been told it was created; now the asked-for state is applied.
void ApplyInitialState(HWND Wnd, DWORD Style) {
    if (Style & WS_MAXIMIZE)
        detail::ChangePlacement(Wnd, SW_MAXIMIZE);
    else if (Style & WS_MINIMIZE)
        detail::ChangePlacement(Wnd, SW_MINIMIZE);
    if ((Style & WS_VISIBLE) && IsWindow(Wnd)) ShowWindow(Wnd, SW_SHOW);
}

// Applies the parent rules to the styles: children of an MDI client are MDI children, a child
// needs a parent, an overlapped window gets a caption. False (error set) when it cannot be made.
bool CheckParentAndStyle(HWND Parent, TWindowRec*& ParentRec, DWORD& Style, DWORD& ExStyle) {
    ParentRec = Parent ? FindWindowRec(Parent) : nullptr;
    if (Parent && !ParentRec) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (ParentRec && ParentRec->Class->MdiClient) {
        Style = (Style | WS_CHILD) & ~WS_POPUP;
        ExStyle |= WS_EX_MDICHILD;
    }
    if ((Style & WS_CHILD) && !ParentRec) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return false;
    }
    if (!(Style & (WS_CHILD | WS_POPUP))) Style |= WS_CAPTION | WS_CLIPSIBLINGS;
    return true;
}

// The hook may veto or change the creation values; then the window hears of its creation.
bool RunCreation(HWND Wnd, CREATESTRUCTA& Cs) {
    CBT_CREATEWNDA Cbt{&Cs, HWND_TOP};
    if (CallHookChain(WH_CBT, HCBT_CREATEWND, WPARAM(Wnd), LPARAM(&Cbt))) {
        if (TWindowRec* W = FindWindowRec(Wnd)) ReleaseRecord(*W);
        return false;
    }
    if (TWindowRec* W = FindWindowRec(Wnd)) SetBounds(*W, Cs);
    if (!SendMessageA(Wnd, WM_NCCREATE, 0, LPARAM(&Cs)) ||
        SendMessageA(Wnd, WM_CREATE, 0, LPARAM(&Cs)) == -1) {
        FreeWindowTree(Wnd);
        return false;
    }
    return IsWindow(Wnd);
}

} // namespace

HWND CreateWindowExA(DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style, int X, int Y,
                     int Width, int Height, HWND Parent, HMENU Menu, HINSTANCE Instance,
                     LPVOID Param) {
    detail::TWindowClass* Class = detail::FindWindowClass(ClassName);
    if (!Class) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    TWindowRec* ParentRec = nullptr;
    if (!CheckParentAndStyle(Parent, ParentRec, Style, ExStyle)) return nullptr;
    const bool Child = (Style & WS_CHILD) != 0;
    CREATESTRUCTA Cs{Param, Instance, Menu,        Parent,     Height,    Width,
                     Y,     X,        LONG(Style), WindowName, ClassName, ExStyle};
    TWindowRec& Container = Child ? *ParentRec : detail::DesktopRec();
    ResolveDefaults(Cs, Container, Child);
    const HWND Wnd = NewWindow(*Class, Cs, Container, Child)->Handle;
    if (!RunCreation(Wnd, Cs)) return nullptr;
    detail::PlatformWindowCreated(Wnd);
    detail::SendSizeAndMove(Wnd);
    if ((ExStyle & WS_EX_MDICHILD) && IsWindow(Wnd)) detail::MdiChildCreated(Parent, Wnd);
    if (IsWindow(Wnd)) ApplyInitialState(Wnd, Style);
    return IsWindow(Wnd) ? Wnd : nullptr;
}

BOOL DestroyWindow(HWND Wnd) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W || W->Destroying || Wnd == GetDesktopWindow()) {
        if (!W) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (CallHookChain(WH_CBT, HCBT_DESTROYWND, WPARAM(Wnd), 0)) return false;
    W = FindWindowRec(Wnd);
    if (!W || W->Destroying) return false;
    W->Destroying = true;
    if (W->Style & WS_VISIBLE) detail::InvalidateUnder(*W);
    detail::ReleaseFocusAndActivation(Wnd, true);
    DestroyOwnedWindows(Wnd);
    SendDestroyMessages(Wnd);
    FreeWindowTree(Wnd);
    return true;
}

BOOL IsWindow(HWND Wnd) {
    return FindWindowRec(Wnd) != nullptr;
}

HWND GetDesktopWindow() {
    return detail::DesktopRec().Handle;
}

} // namespace host
