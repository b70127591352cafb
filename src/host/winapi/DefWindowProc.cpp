// Default message processing and calls through window-procedure pointers.
#include "host/winapi/Hooks.h"
#include "host/winapi/Menus.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

LRESULT SetText(HWND Wnd, LPARAM LParam) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    const char* Text = reinterpret_cast<const char*>(LParam);
    W->Text = Text ? Text : "";
    if (detail::IsMdiChild(*W)) detail::MdiChildChanged(Wnd);
    return true;
}

LRESULT GetText(const TWindowRec& W, WPARAM Size, LPARAM Buffer) {
    const int MaxCount = Size > 0x7FFFFFFF ? 0x7FFFFFFF : int(Size);
    return detail::CopyText(W.Text, reinterpret_cast<char*>(Buffer), MaxCount);
}

LRESULT SystemCommand(HWND Wnd, WPARAM WParam, LPARAM LParam) {
    if (CallHookChain(WH_CBT, HCBT_SYSCOMMAND, WParam, LParam)) return 0;
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return 0;
    switch (WParam & 0xFFF0) {
    case SC_CLOSE:
        SendMessageA(Wnd, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        ShowWindow(Wnd, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowWindow(Wnd, SW_MAXIMIZE);
        break;
    case SC_RESTORE:
        ShowWindow(Wnd, SW_RESTORE);
        break;
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
        if (detail::IsMdiChild(*W))
            SendMessageA(W->Parent, WM_MDINEXT, WPARAM(Wnd),
                         (WParam & 0xFFF0) == SC_PREVWINDOW ? 1 : 0);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT PositionChanged(HWND Wnd, LPARAM LParam) {
    const auto* Pos = reinterpret_cast<const WINDOWPOS*>(LParam);
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!Pos || !W) return 0;
    if (!(Pos->flags & SWP_NOCLIENTMOVE)) {
        const POINT Origin = detail::ClientOriginInParent(*W);
        SendMessageA(Wnd, WM_MOVE, 0, MAKELPARAM(Origin.x, Origin.y));
    }
    if (!(Pos->flags & SWP_NOCLIENTSIZE) && (W = FindWindowRec(Wnd))) {
        const SIZE Size = detail::ClientSize(*W);
        SendMessageA(Wnd, WM_SIZE, detail::SizeKind(*W), MAKELPARAM(Size.cx, Size.cy));
    }
    return 0;
}

} // namespace

LRESULT DefWindowProcA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return 0;
    switch (Msg) {
    case WM_NCCREATE: {
        const auto* Cs = reinterpret_cast<const CREATESTRUCTA*>(LParam);
        if (Cs && Cs->lpszName) W->Text = Cs->lpszName;
        return true;
    }
    case WM_SETTEXT:
        return SetText(Wnd, LParam);
    case WM_GETTEXT:
        return GetText(*W, WParam, LParam);
    case WM_GETTEXTLENGTH:
        return LRESULT(W->Text.size());
    case WM_SETFONT:
        W->Font = reinterpret_cast<HFONT>(WParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(W->Font);
    case WM_CLOSE:
        DestroyWindow(Wnd);
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommand(Wnd, WParam, LParam);
    case WM_NCACTIVATE:
        return true;
    case WM_WINDOWPOSCHANGED:
        return PositionChanged(Wnd, LParam);
    default:
        return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return Proc ? Proc(Wnd, Msg, WParam, LParam) : 0;
}

} // namespace host
