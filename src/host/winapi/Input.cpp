// Mouse capture, key state, hit testing, and the messages a platform posts for input.
#include "host/winapi/Input.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Menus.h"
#include "host/winapi/NlsCodePage.h"
#include "host/winapi/PlatformInput.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <unordered_set>

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

struct TInputState {
    HWND Capture = nullptr;
    // As the retrieved messages left the keys (GetKeyState), and as the platform has posted
    // them (which decides between WM_KEYDOWN and WM_SYSKEYDOWN).
    std::unordered_set<int> Down;
    std::unordered_set<int> Posted;
};

TInputState& Input() {
    static TInputState S;
    return S;
}

bool Contains(const RECT& R, POINT P) {
    return P.x >= R.left && P.x < R.right && P.y >= R.top && P.y < R.bottom;
}

HWND ChildAt(HWND Parent, POINT Screen) {
    const TWindowRec* W = FindWindowRec(Parent);
    if (!W) return nullptr;
    for (HWND Child : detail::ChildHandles(*W)) {
        const TWindowRec* C = FindWindowRec(Child);
        if (!C || !(C->Style & WS_VISIBLE)) continue;
        RECT R;
        GetWindowRect(Child, &R);
        if (!Contains(R, Screen)) continue;
        if (C->Style & WS_DISABLED) return Parent;
        return ChildAt(Child, Screen);
    }
    return Parent;
}

} // namespace

HWND SetCapture(HWND Wnd) {
    const HWND Old = Input().Capture;
    Input().Capture = IsWindow(Wnd) ? Wnd : nullptr;
    if (Old && Old != Wnd) SendMessageA(Old, WM_CAPTURECHANGED, 0, LPARAM(Wnd));
    return Old;
}

HWND GetCapture() {
    if (Input().Capture && !IsWindow(Input().Capture)) Input().Capture = nullptr;
    return Input().Capture;
}

BOOL ReleaseCapture() {
    const HWND Old = Input().Capture;
    Input().Capture = nullptr;
    if (Old && IsWindow(Old)) SendMessageA(Old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

short GetKeyState(int VirtualKey) {
    return Input().Down.count(VirtualKey) ? short(0x8000) : 0;
}

void SetKeyDown(int VirtualKey, bool Down) {
    if (Down)
        Input().Down.insert(VirtualKey);
    else
        Input().Down.erase(VirtualKey);
}

HWND WindowFromPoint(POINT Screen) {
    // Top-level windows are kept topmost first.
    for (HWND Top : detail::ChildHandles(detail::DesktopRec())) {
        const TWindowRec* W = FindWindowRec(Top);
        if (!W || !(W->Style & WS_VISIBLE) || !Contains(W->Bounds, Screen)) continue;
        RECT Client;
        GetClientRect(Top, &Client);
        POINT Local = Screen;
        ScreenToClient(Top, &Local);
        if (!Contains(Client, Local)) return Top;
        return ChildAt(Top, Screen);
    }
    return nullptr;
}

void PostMouseInput(UINT Msg, POINT Screen, WPARAM Keys, int Wheel) {
    HWND Target = GetCapture();
    if (!Target) Target = WindowFromPoint(Screen);
    if (!Target) return;
    if (Msg == WM_MOUSEWHEEL) {
        // The wheel scrolls what has the focus, as the classic platform does.
        const HWND Focus = GetFocus();
        PostMessageA(Focus ? Focus : Target, WM_MOUSEWHEEL,
                     MAKEWPARAM(Keys, WORD(short(Wheel * WHEEL_DELTA))),
                     MAKELPARAM(Screen.x, Screen.y));
        return;
    }
    const LRESULT Hit = GetCapture()
                            ? HTCLIENT
                            : SendMessageA(Target, WM_NCHITTEST, 0, MAKELPARAM(Screen.x, Screen.y));
    if (Hit == HTCLIENT) {
        POINT Local = Screen;
        ScreenToClient(Target, &Local);
        PostMessageA(Target, Msg, Keys, MAKELPARAM(Local.x, Local.y));
        return;
    }
    UINT NcMsg = 0;
    if (Msg == WM_MOUSEMOVE) NcMsg = WM_NCMOUSEMOVE;
    if (Msg == WM_LBUTTONDOWN) NcMsg = WM_NCLBUTTONDOWN;
    if (Msg == WM_LBUTTONUP) NcMsg = WM_NCLBUTTONUP;
    if (NcMsg) PostMessageA(Target, NcMsg, WPARAM(Hit), MAKELPARAM(Screen.x, Screen.y));
}

void PostKeyInput(int VirtualKey, bool Down) {
    auto& Posted = Input().Posted;
    if (Down)
        Posted.insert(VirtualKey);
    else
        Posted.erase(VirtualKey);
    HWND Target = GetFocus();
    if (!Target) Target = GetActiveWindow();
    if (!Target) return;
    const bool Alt = Posted.count(VK_MENU) && VirtualKey != VK_MENU;
    const UINT Msg = Alt || VirtualKey == VK_F10 ? (Down ? WM_SYSKEYDOWN : WM_SYSKEYUP)
                                                 : (Down ? WM_KEYDOWN : WM_KEYUP);
    PostMessageA(Target, Msg, WPARAM(VirtualKey), Down ? 1 : LPARAM(0xC0000001u));
}

void PostCharInput(std::string_view Utf8) {
    HWND Target = GetFocus();
    if (!Target) Target = GetActiveWindow();
    if (!Target) return;
    const UINT Msg = Input().Posted.count(VK_MENU) ? WM_SYSCHAR : WM_CHAR;
    for (unsigned char Byte : Utf8ToCodePage(Utf8, GetACP()))
        PostMessageA(Target, Msg, WPARAM(Byte), 1);
}

namespace detail {

LRESULT HitTest(HWND Wnd, POINT Screen) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return HTNOWHERE;
    RECT Outer;
    GetWindowRect(Wnd, &Outer);
    if (!Contains(Outer, Screen)) return HTNOWHERE;
    POINT Local = Screen;
    ScreenToClient(Wnd, &Local);
    RECT Client;
    GetClientRect(Wnd, &Client);
    if (Contains(Client, Local)) return HTCLIENT;
    if (IsChildStyle(*W) && !IsMdiChild(*W)) return HTBORDER;
    const POINT P{Screen.x - Outer.left, Screen.y - Outer.top};
    const RECT Insets = NonClientInsets(W->Style & ~WS_CAPTION, W->ExStyle, false);
    const LONG Border = Insets.left;
    const bool Caption = (W->Style & WS_CAPTION) == WS_CAPTION;
    const LONG CaptionBottom = Border + (Caption ? GetSystemMetrics(SM_CYCAPTION) : 0);
    if (Caption && P.y >= Border && P.y < CaptionBottom) {
        const LONG Right = Outer.right - Outer.left - Border - 2;
        if ((W->Style & WS_SYSMENU) && P.x >= Right - 16) return HTCLOSE;
        if ((W->Style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) && (W->Style & WS_SYSMENU)) {
            if (P.x >= Right - 34 && P.x < Right - 18) return HTMAXBUTTON;
            if (P.x >= Right - 50 && P.x < Right - 34) return HTMINBUTTON;
        }
        return HTCAPTION;
    }
    if (P.y >= CaptionBottom && P.y < CaptionBottom + GetSystemMetrics(SM_CYMENU) &&
        IsMenu(reinterpret_cast<HMENU>(W->IdOrMenu)))
        return HTMENU;
    return HTBORDER;
}

void KeyMessageRetrieved(const MSG& Msg) {
    if (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN)
        SetKeyDown(int(Msg.wParam), true);
    else if (Msg.message == WM_KEYUP || Msg.message == WM_SYSKEYUP)
        SetKeyDown(int(Msg.wParam), false);
}

void ResetInput() {
    Input() = TInputState{};
}

} // namespace detail

} // namespace host
