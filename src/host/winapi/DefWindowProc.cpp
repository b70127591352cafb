// Default message processing and calls through window-procedure pointers.
#include "host/winapi/Activation.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Hooks.h"
#include "host/winapi/Input.h"
#include "host/winapi/Menus.h"
#include "host/winapi/NonClient.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <cctype>
#include <cstring>

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

LRESULT SetText(HWND Wnd, LPARAM LParam) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    const char* Text = reinterpret_cast<const char*>(LParam);
    const String Old = W->Text;
    W->Text = Text ? Text : "";
    if (detail::IsMdiChild(*W)) detail::MdiChildChanged(Wnd);
    // Only a text that changed is painted again.
    if ((W = FindWindowRec(Wnd)) && W->Text != Old) {
        if (detail::IsTopLevel(*W) || detail::IsMdiChild(*W)) {
            if (IsWindowVisible(Wnd)) W->FrameInvalid = true;
            detail::NotifyPlatform(Wnd, TWindowChange::Text);
        } else {
            InvalidateRect(Wnd, nullptr, true);
        }
    }
    return true;
}

LRESULT GetText(const TWindowRec& W, WPARAM Size, LPARAM Buffer) {
    const int MaxCount = Size > 0x7FFFFFFF ? 0x7FFFFFFF : int(Size);
    return detail::CopyText(W.Text, reinterpret_cast<char*>(Buffer), MaxCount);
}

// Alt+letter opens the menu bar item with that underlined letter; Alt or F10 alone the first.
void KeyMenu(HWND Wnd, LPARAM Key) {
    const HMENU Bar = GetMenu(Wnd);
    const int Count = GetMenuItemCount(Bar);
    if (Count <= 0) return;
    if (!Key) {
        TrackMenuBar(Wnd, 0);
        return;
    }
    const int Typed = std::toupper(int(Key & 0xFF));
    for (int I = 0; I < Count; ++I) {
        char Text[256] = {};
        GetMenuStringA(Bar, UINT(I), Text, sizeof(Text), MF_BYPOSITION);
        const char* Amp = std::strchr(Text, '&');
        if (Amp && std::toupper(static_cast<unsigned char>(Amp[1])) == Typed) {
            TrackMenuBar(Wnd, I);
            return;
        }
    }
}

// A click in the frame: caption buttons, the menu bar, or the caption to move the window.
LRESULT FrameClick(HWND Wnd, WPARAM Hit, LPARAM LParam) {
    switch (Hit) {
    case HTCLOSE:
        return SendMessageA(Wnd, WM_SYSCOMMAND, SC_CLOSE, LParam);
    case HTMINBUTTON:
        return SendMessageA(Wnd, WM_SYSCOMMAND, SC_MINIMIZE, LParam);
    case HTMAXBUTTON:
        return SendMessageA(Wnd, WM_SYSCOMMAND, IsZoomed(Wnd) ? SC_RESTORE : SC_MAXIMIZE, LParam);
    case HTMENU:
        TrackMenuBar(Wnd, MenuBarItemFromPoint(Wnd, {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)}));
        return 0;
    case HTCAPTION:
        SetActiveWindow(Wnd);
        CurrentPlatform().BeginWindowMove(Wnd, {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
        return 0;
    default:
        return 0;
    }
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
    case SC_KEYMENU:
        KeyMenu(Wnd, LParam);
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
        // The caption shows whether the window is active.
        if (IsWindowVisible(Wnd) && !detail::IsChildStyle(*W)) W->FrameInvalid = true;
        return true;
    case WM_NCHITTEST:
        return detail::HitTest(Wnd, {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
    case WM_NCLBUTTONDOWN:
        return FrameClick(Wnd, WParam, LParam);
    case WM_SYSCHAR:
        // Alt+letter goes to the top-level window's menu bar.
        return SendMessageA(detail::RootWindow(Wnd), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(WParam));
    case WM_SYSKEYDOWN:
        if (WParam == WPARAM(VK_F4) && GetKeyState(VK_MENU) < 0)
            return SendMessageA(detail::RootWindow(Wnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        if (WParam == WPARAM(VK_F10))
            return SendMessageA(detail::RootWindow(Wnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
        return 0;
    case WM_NCPAINT:
        detail::PaintFrame(Wnd);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT Ps;
        BeginPaint(Wnd, &Ps);
        EndPaint(Wnd, &Ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT R;
        GetClientRect(Wnd, &R);
        const bool Dialog = detail::IsTopLevel(*W) || (W->ExStyle & WS_EX_CONTROLPARENT);
        FillRect(HDC(WParam), &R, GetSysColorBrush(Dialog ? COLOR_BTNFACE : COLOR_WINDOW));
        return 1;
    }
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
