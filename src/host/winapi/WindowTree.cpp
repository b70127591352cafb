// Relations between windows: parent, owner, siblings, and dialog items by identifier.
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

int GetDlgCtrlID(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    return W && detail::IsChildStyle(*W) ? int(W->IdOrMenu) : 0;
}

HWND GetDlgItem(HWND Parent, int Id) {
    const TWindowRec* P = FindWindowRec(Parent);
    if (!P) return nullptr;
    for (const TWindowRec* C = FindWindowRec(P->FirstChild); C; C = FindWindowRec(C->Next))
        if (C->IdOrMenu == LONG_PTR(Id)) return C->Handle;
    return nullptr;
}

LRESULT SendDlgItemMessageA(HWND Parent, int Id, UINT Msg, WPARAM WParam, LPARAM LParam) {
    const HWND Item = GetDlgItem(Parent, Id);
    return Item ? SendMessageA(Item, Msg, WParam, LParam) : 0;
}

BOOL SetDlgItemTextA(HWND Parent, int Id, LPCSTR Text) {
    return SetWindowTextA(GetDlgItem(Parent, Id), Text);
}

UINT GetDlgItemTextA(HWND Parent, int Id, LPSTR Buffer, int MaxCount) {
    const HWND Item = GetDlgItem(Parent, Id);
    if (!Item && Buffer && MaxCount > 0) Buffer[0] = '\0';
    return Item ? UINT(GetWindowTextA(Item, Buffer, MaxCount)) : 0;
}

HWND GetParent(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return nullptr;
    if (detail::IsChildStyle(*W)) return W->Parent;
    return (W->Style & WS_POPUP) ? W->Owner : nullptr;
}

HWND SetParent(HWND Child, HWND NewParent) {
    TWindowRec* W = FindWindowRec(Child);
    TWindowRec* P = NewParent ? FindWindowRec(NewParent) : &detail::DesktopRec();
    if (!W || !P || Child == GetDesktopWindow() || Child == P->Handle ||
        detail::IsDescendant(Child, P->Handle))
        return nullptr;
    const HWND Old = W->Parent;
    detail::UnlinkWindow(*W);
    detail::LinkWindow(*W, *P, HWND_BOTTOM); // at the end, like a new child
    if (detail::IsChildStyle(*W)) W->Owner = nullptr;
    return Old;
}

HWND GetWindow(HWND Wnd, UINT Cmd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return nullptr;
    const TWindowRec* Parent = FindWindowRec(W->Parent);
    switch (Cmd) {
    case GW_HWNDFIRST:
        return Parent ? Parent->FirstChild : Wnd;
    case GW_HWNDLAST:
        return Parent ? Parent->LastChild : Wnd;
    case GW_HWNDNEXT:
        return W->Next;
    case GW_HWNDPREV:
        return W->Prev;
    case GW_OWNER:
        return W->Owner;
    case GW_CHILD:
        return W->FirstChild;
    default:
        return nullptr;
    }
}

HWND GetAncestor(HWND Wnd, UINT Flags) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || Wnd == GetDesktopWindow()) return nullptr;
    switch (Flags) {
    case GA_PARENT:
        return W->Parent;
    case GA_ROOT:
        return detail::RootWindow(Wnd);
    case GA_ROOTOWNER: {
        // Owners set through GWL_HWNDPARENT could form a cycle; the count ends it.
        HWND Root = detail::RootWindow(Wnd);
        const TWindowRec* R = FindWindowRec(Root);
        for (int Steps = 0; R && R->Owner && Steps < 64; ++Steps) {
            Root = R->Owner;
            R = FindWindowRec(Root);
        }
        return Root;
    }
    default:
        return nullptr;
    }
}

BOOL IsChild(HWND Parent, HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    while (W && detail::IsChildStyle(*W)) {
        if (W->Parent == Parent) return Parent != nullptr;
        W = FindWindowRec(W->Parent);
    }
    return false;
}

} // namespace host
