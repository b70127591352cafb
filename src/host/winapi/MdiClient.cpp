// The MDI client window: its children, the active child and the window-menu list.
#include "host/winapi/Activation.h"
#include "host/winapi/Mdi.h"
#include "host/winapi/Menus.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <unordered_map>

namespace host {

using detail::FindWindowRec;

namespace {

struct TClientData {
    HMENU WindowMenu = nullptr;
    UINT IdFirstChild = 0;
    std::vector<HWND> Children; // creation order, which is the numbering of the list
    HWND Active = nullptr;
    HMENU ListMenu = nullptr; // the menu that holds the list now
    bool AddedSeparator = false;
};

struct TMdiState {
    std::unordered_map<HWND, TClientData> Clients;
    std::vector<TMdiCall> Log;
};

TMdiState& State() {
    static TMdiState S;
    return S;
}

TClientData* FindClient(HWND Client) {
    const auto It = State().Clients.find(Client);
    return It == State().Clients.end() ? nullptr : &It->second;
}

bool IsListId(const TClientData& C, UINT Id) {
    return Id >= C.IdFirstChild && Id <= C.IdFirstChild + MDI_MOREWINDOWSLIMIT;
}

void RemoveList(TClientData& C) {
    const HMENU Menu = C.ListMenu;
    if (IsMenu(Menu)) {
        for (int I = GetMenuItemCount(Menu) - 1; I >= 0; --I)
            if (!(GetMenuState(Menu, UINT(I), MF_BYPOSITION) & (MF_SEPARATOR | MF_POPUP)) &&
                IsListId(C, GetMenuItemID(Menu, I)))
                RemoveMenu(Menu, UINT(I), MF_BYPOSITION);
        const int Last = GetMenuItemCount(Menu) - 1;
        if (C.AddedSeparator && Last >= 0 &&
            (GetMenuState(Menu, UINT(Last), MF_BYPOSITION) & MF_SEPARATOR))
            RemoveMenu(Menu, UINT(Last), MF_BYPOSITION);
    }
    C.ListMenu = nullptr;
    C.AddedSeparator = false;
}

std::vector<HWND> ListedChildren(const TClientData& C) {
    std::vector<HWND> Result;
    for (HWND Child : C.Children)
        if (IsWindowVisible(Child)) Result.push_back(Child);
    return Result;
}

void BuildList(TClientData& C) {
    RemoveList(C);
    const std::vector<HWND> Listed = ListedChildren(C);
    if (!IsMenu(C.WindowMenu) || Listed.empty()) return;
    C.ListMenu = C.WindowMenu;
    C.AddedSeparator = AppendMenuA(C.WindowMenu, MF_SEPARATOR, 0, nullptr);
    const size_t Shown = std::min(Listed.size(), size_t(MDI_MOREWINDOWSLIMIT));
    for (size_t I = 0; I < Shown; ++I) {
        const auto* W = FindWindowRec(Listed[I]);
        const String Text = "&" + std::to_string(I + 1) + " " + (W ? W->Text : String());
        const UINT Check = Listed[I] == C.Active ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuA(C.WindowMenu, MF_STRING | Check, C.IdFirstChild + I, Text.c_str());
    }
    if (Listed.size() > Shown)
        AppendMenuA(C.WindowMenu, MF_STRING, C.IdFirstChild + MDI_MOREWINDOWSLIMIT,
                    "&More Windows...");
}

void Rebuild(HWND Client) {
    if (TClientData* C = FindClient(Client)) BuildList(*C);
}

bool OwnsChild(HWND Client, HWND Child) {
    const TClientData* C = FindClient(Client);
    return C && std::find(C->Children.begin(), C->Children.end(), Child) != C->Children.end();
}

void BringToTop(HWND Child) {
    auto* W = FindWindowRec(Child);
    auto* Parent = W ? FindWindowRec(W->Parent) : nullptr;
    if (!Parent || Parent->FirstChild == Child) return;
    detail::UnlinkWindow(*W);
    detail::LinkWindow(*W, *Parent, HWND_TOP);
}

void ActivateNext(HWND Client, HWND From, bool Previous) {
    const TClientData* C = FindClient(Client);
    if (!C) return;
    const std::vector<HWND> Listed = ListedChildren(*C);
    if (Listed.empty()) return;
    const HWND Start = From ? From : C->Active;
    const auto It = std::find(Listed.begin(), Listed.end(), Start);
    const size_t Index = It == Listed.end() ? 0 : size_t(It - Listed.begin());
    const size_t N = Listed.size();
    detail::MdiActivateChild(Client, Listed[(Index + (Previous ? N - 1 : 1)) % N]);
}

LRESULT CreateChild(HWND Client, const MDICREATESTRUCTA* Mcs) {
    if (!Mcs) return 0;
    const DWORD Style = Mcs->style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION |
                        WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const HWND Child = CreateWindowExA(
        WS_EX_MDICHILD, Mcs->szClass, Mcs->szTitle, Style, Mcs->x, Mcs->y, Mcs->cx, Mcs->cy, Client,
        nullptr, static_cast<HINSTANCE>(Mcs->hOwner), const_cast<MDICREATESTRUCTA*>(Mcs));
    return reinterpret_cast<LRESULT>(Child);
}

LRESULT SetMenus(HWND Client, WPARAM FrameMenu, LPARAM WindowMenu) {
    const HWND Frame = GetParent(Client);
    const HMENU Previous = GetMenu(Frame);
    if (FrameMenu) SetMenu(Frame, reinterpret_cast<HMENU>(FrameMenu));
    if (WindowMenu) {
        TClientData& C = State().Clients[Client];
        RemoveList(C);
        C.WindowMenu = reinterpret_cast<HMENU>(WindowMenu);
        BuildList(C);
    }
    return reinterpret_cast<LRESULT>(Previous);
}

void ReadCreateParams(HWND Client, LPARAM LParam) {
    TClientData& C = State().Clients[Client];
    const auto* Cs = reinterpret_cast<const CREATESTRUCTA*>(LParam);
    const auto* Ccs = Cs ? static_cast<const CLIENTCREATESTRUCT*>(Cs->lpCreateParams) : nullptr;
    if (!Ccs) return;
    C.WindowMenu = static_cast<HMENU>(Ccs->hWindowMenu);
    C.IdFirstChild = Ccs->idFirstChild;
}

} // namespace

namespace detail {

void MdiChildCreated(HWND Client, HWND Child) {
    State().Clients[Client].Children.push_back(Child);
    MdiActivateChild(Client, Child);
    Rebuild(Client);
}

void MdiChildChanged(HWND Child) {
    const auto* W = FindWindowRec(Child);
    if (W) Rebuild(W->Parent);
}

void MdiWindowFreed(HWND Wnd, HWND Parent) {
    State().Clients.erase(Wnd);
    TClientData* C = FindClient(Parent);
    if (!C) return;
    std::erase(C->Children, Wnd);
    const bool WasActive = C->Active == Wnd;
    if (WasActive) C->Active = nullptr;
    const auto* P = FindWindowRec(Parent);
    if (!P || P->Destroying) return;
    const std::vector<HWND> Listed = ListedChildren(*C);
    if (WasActive && !Listed.empty()) {
        // The child now on top takes over, as when the user closes the active document.
        HWND Next = Listed.front();
        for (auto* Sib = FindWindowRec(P->FirstChild); Sib; Sib = FindWindowRec(Sib->Next))
            if (std::find(Listed.begin(), Listed.end(), Sib->Handle) != Listed.end()) {
                Next = Sib->Handle;
                break;
            }
        MdiActivateChild(Parent, Next);
    }
    Rebuild(Parent);
}

void MdiActivateChild(HWND Client, HWND Child) {
    TClientData* C = FindClient(Client);
    if (!C || (Child && !OwnsChild(Client, Child))) return;
    const HWND Old = C->Active;
    if (Old == Child) return;
    C->Active = Child;
    if (Old && IsWindow(Old)) {
        SendMessageA(Old, WM_NCACTIVATE, false, 0);
        SendMessageA(Old, WM_MDIACTIVATE, WPARAM(Old), LPARAM(Child));
    }
    if (Child && IsWindow(Child) && (C = FindClient(Client)) && C->Active == Child) {
        BringToTop(Child);
        SendMessageA(Child, WM_NCACTIVATE, true, 0);
        SendMessageA(Child, WM_MDIACTIVATE, WPARAM(Old), LPARAM(Child));
        if (IsWindow(Child) && GetActiveWindow() == RootWindow(Client)) SetFocus(Child);
    }
    Rebuild(Client);
}

void ResetMdi() {
    State() = TMdiState{};
}

} // namespace detail

const std::vector<TMdiCall>& MdiCallLog() {
    return State().Log;
}

void ClearMdiCallLog() {
    State().Log.clear();
}

LRESULT MdiClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg >= WM_MDICREATE && Msg <= WM_MDIREFRESHMENU)
        State().Log.push_back({Wnd, Msg, WParam, LParam});
    const HWND Child = reinterpret_cast<HWND>(WParam);
    switch (Msg) {
    case WM_CREATE:
        ReadCreateParams(Wnd, LParam);
        return 0;
    case WM_MDICREATE:
        return CreateChild(Wnd, reinterpret_cast<const MDICREATESTRUCTA*>(LParam));
    case WM_MDIDESTROY:
        if (OwnsChild(Wnd, Child)) DestroyWindow(Child);
        return 0;
    case WM_MDIACTIVATE:
        detail::MdiActivateChild(Wnd, Child);
        return 0;
    case WM_MDIGETACTIVE: {
        const TClientData* C = FindClient(Wnd);
        const HWND Active = C ? C->Active : nullptr;
        if (LParam) *reinterpret_cast<BOOL*>(LParam) = IsZoomed(Active);
        return reinterpret_cast<LRESULT>(Active);
    }
    case WM_MDINEXT:
        ActivateNext(Wnd, Child, LParam != 0);
        return 0;
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
        if (OwnsChild(Wnd, Child))
            ShowWindow(Child, Msg == WM_MDIMAXIMIZE ? SW_MAXIMIZE : SW_RESTORE);
        return 0;
    case WM_MDISETMENU:
        return SetMenus(Wnd, WParam, LParam);
    case WM_MDIREFRESHMENU:
        Rebuild(Wnd);
        return reinterpret_cast<LRESULT>(GetMenu(GetParent(Wnd)));
    case WM_SIZE:
        if (const TClientData* C = FindClient(Wnd)) detail::RefitMaximized(C->Active);
        break;
    default:
        break;
    }
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

LRESULT DefMDIChildProcA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_CLOSE) {
        const HWND Client = GetParent(Wnd);
        if (OwnsChild(Client, Wnd)) {
            SendMessageA(Client, WM_MDIDESTROY, WPARAM(Wnd), 0);
            return 0;
        }
    }
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

} // namespace host
