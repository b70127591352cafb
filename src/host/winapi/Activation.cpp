// The active top-level window and the focus window, with the CBT hook's say over both.
#include "host/winapi/Activation.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Hooks.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

struct TActivationState {
    HWND Active = nullptr;
    HWND Focus = nullptr;
};

TActivationState& State() {
    static TActivationState S;
    return S;
}

void BringToTop(HWND Wnd) {
    TWindowRec* W = FindWindowRec(Wnd);
    TWindowRec* Parent = W ? FindWindowRec(W->Parent) : nullptr;
    if (!Parent || Parent->FirstChild == Wnd) return;
    detail::UnlinkWindow(*W);
    detail::LinkWindow(*W, *Parent, HWND_TOP);
}

// Moves the focus without asking the hook: the old window hears WM_KILLFOCUS, the new one
// WM_SETFOCUS. Returns the window that had it.
HWND MoveFocus(HWND Wnd) {
    const HWND Old = State().Focus;
    if (Old == Wnd) return Old;
    State().Focus = Wnd;
    // The focus shows (focus rectangle, caret), so both windows paint again.
    if (Old && IsWindow(Old)) InvalidateRect(Old, nullptr, true);
    if (Wnd) InvalidateRect(Wnd, nullptr, true);
    if (Old && IsWindow(Old)) SendMessageA(Old, WM_KILLFOCUS, WPARAM(Wnd), 0);
    if (Wnd && State().Focus == Wnd && IsWindow(Wnd))
        SendMessageA(Wnd, WM_SETFOCUS, WPARAM(Old), 0);
    return Old;
}

bool FocusInside(HWND Wnd) {
    const HWND Focus = State().Focus;
    return Focus && (Focus == Wnd || detail::IsDescendant(Wnd, Focus));
}

void SendActivate(HWND Wnd, bool Active, HWND Other) {
    SendMessageA(Wnd, WM_NCACTIVATE, Active, 0);
    if (!IsWindow(Wnd)) return;
    const WPARAM Kind = Active ? WA_ACTIVE : WA_INACTIVE;
    SendMessageA(Wnd, WM_ACTIVATE, MAKEWPARAM(Kind, IsIconic(Wnd) ? 1 : 0), LPARAM(Other));
}

bool Activate(HWND Wnd) {
    const HWND Old = State().Active;
    if (Wnd == Old) return true;
    if (Wnd) {
        CBTACTIVATESTRUCT Info{false, Old};
        if (CallHookChain(WH_CBT, HCBT_ACTIVATE, WPARAM(Wnd), LPARAM(&Info))) return false;
        if (!IsWindow(Wnd)) return false;
    }
    State().Active = Wnd;
    if (Old && IsWindow(Old)) SendActivate(Old, false, Wnd);
    if (Wnd && State().Active == Wnd && IsWindow(Wnd)) {
        BringToTop(Wnd);
        SendActivate(Wnd, true, Old);
    }
    // The activated window takes the focus unless its own handling put it inside already.
    if (State().Active == Wnd && !(Wnd && FocusInside(Wnd))) MoveFocus(Wnd);
    return State().Active == Wnd;
}

bool CanActivate(const TWindowRec& W, HWND Leaving) {
    return W.Handle != Leaving && !W.Destroying && (W.Style & WS_VISIBLE) &&
           !(W.Style & WS_DISABLED) && !detail::IsChildStyle(W) && W.Owner != Leaving;
}

// The owner if it can take over, else the topmost window that can.
void ActivateOtherWindow(HWND Leaving) {
    const TWindowRec* W = FindWindowRec(Leaving);
    const TWindowRec* Owner = W ? FindWindowRec(W->Owner) : nullptr;
    HWND Next = nullptr;
    if (Owner && CanActivate(*Owner, Leaving)) Next = Owner->Handle;
    for (const TWindowRec* C = FindWindowRec(detail::DesktopRec().FirstChild); C && !Next;
         C = FindWindowRec(C->Next))
        if (CanActivate(*C, Leaving)) Next = C->Handle;
    if (!Next || !Activate(Next)) Activate(nullptr);
}

bool AcceptsFocus(HWND Wnd) {
    const HWND Desktop = GetDesktopWindow();
    for (const TWindowRec* W = FindWindowRec(Wnd); W && W->Handle != Desktop;
         W = FindWindowRec(W->Parent))
        if (W->Style & (WS_DISABLED | WS_MINIMIZE)) return false;
    return true;
}

} // namespace

namespace detail {

void ReleaseFocusAndActivation(HWND Wnd, bool Destroying) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return;
    if (FocusInside(Wnd)) {
        const bool ToParent = !Destroying && IsChildStyle(*W);
        MoveFocus(ToParent ? W->Parent : nullptr);
    }
    if (State().Active == Wnd) ActivateOtherWindow(Wnd);
}

void ForgetActivation(HWND Wnd) {
    if (State().Active == Wnd) State().Active = nullptr;
    if (State().Focus == Wnd) State().Focus = nullptr;
}

void ResetActivation() {
    State() = {};
}

} // namespace detail

HWND GetActiveWindow() {
    return State().Active;
}

HWND SetActiveWindow(HWND Wnd) {
    const HWND Old = State().Active;
    if (Wnd) {
        const TWindowRec* W = FindWindowRec(Wnd);
        if (!W || Wnd == GetDesktopWindow()) return nullptr;
        if (detail::IsChildStyle(*W)) return Old;
    }
    if (!Activate(Wnd)) return nullptr;
    if (Wnd && Wnd != Old) detail::NotifyPlatform(Wnd, TWindowChange::Activation);
    return Old;
}

HWND GetForegroundWindow() {
    return State().Active;
}

BOOL SetForegroundWindow(HWND Wnd) {
    const HWND Root = detail::RootWindow(Wnd);
    if (!Root) return false;
    SetActiveWindow(Root);
    return GetActiveWindow() == Root;
}

HWND GetFocus() {
    return State().Focus;
}

HWND SetFocus(HWND Wnd) {
    const HWND Old = State().Focus;
    if (!Wnd) {
        if (CallHookChain(WH_CBT, HCBT_SETFOCUS, 0, LPARAM(Old))) return nullptr;
        return MoveFocus(nullptr);
    }
    if (!IsWindow(Wnd) || Wnd == GetDesktopWindow() || !AcceptsFocus(Wnd)) return nullptr;
    if (Wnd == Old) return Old;
    if (CallHookChain(WH_CBT, HCBT_SETFOCUS, WPARAM(Wnd), LPARAM(Old))) return nullptr;
    const HWND Root = detail::RootWindow(Wnd);
    if (Root != State().Active && (!Activate(Root) || State().Active != Root)) return nullptr;
    if (!IsWindow(Wnd)) return nullptr;
    return MoveFocus(Wnd);
}

} // namespace host
