// Menus attached to windows: the menu bar of a top-level window and the system menu.
#include "host/winapi/Menus.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

struct TSystemMenuEntry {
    UINT Id;              // 0 for a separator
    const char* TopLevel; // null: absent from a top-level window's menu
    const char* MdiChild;
};

const TSystemMenuEntry SystemMenuEntries[] = {
    {SC_RESTORE, "&Restore", "&Restore"},
    {SC_MOVE, "&Move", "&Move"},
    {SC_SIZE, "&Size", "&Size"},
    {SC_MINIMIZE, "Mi&nimize", "Mi&nimize"},
    {SC_MAXIMIZE, "Ma&ximize", "Ma&ximize"},
    {0, "", ""},
    {SC_CLOSE, "&Close\tAlt+F4", "&Close\tCtrl+F4"},
    {0, nullptr, ""},
    {SC_NEXTWINDOW, nullptr, "Nex&t\tCtrl+F6"},
};

HMENU BuildSystemMenu(bool MdiChild) {
    const HMENU Menu = CreatePopupMenu();
    for (const TSystemMenuEntry& E : SystemMenuEntries) {
        const char* Text = MdiChild ? E.MdiChild : E.TopLevel;
        if (!Text) continue;
        if (E.Id == 0)
            AppendMenuA(Menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(Menu, MF_STRING | (E.Id == SC_CLOSE ? MF_DEFAULT : 0), E.Id, Text);
    }
    return Menu;
}

} // namespace

BOOL SetMenu(HWND Wnd, HMENU Menu) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W || detail::IsChildStyle(*W) || Wnd == GetDesktopWindow()) return false;
    if (Menu && !IsMenu(Menu)) return false;
    W->IdOrMenu = reinterpret_cast<LONG_PTR>(Menu);
    SetWindowPos(Wnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

HMENU GetMenu(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || detail::IsChildStyle(*W)) return nullptr;
    return reinterpret_cast<HMENU>(W->IdOrMenu);
}

BOOL DrawMenuBar(HWND Wnd) {
    detail::MenuBarChanged(GetMenu(Wnd));
    return IsMenu(GetMenu(Wnd));
}

HMENU GetSystemMenu(HWND Wnd, BOOL Revert) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W || Wnd == GetDesktopWindow()) return nullptr;
    const bool MdiChild = detail::IsMdiChild(*W);
    if (detail::IsChildStyle(*W) && !MdiChild) return nullptr;
    if (Revert) {
        if (W->SysMenu) DestroyMenu(W->SysMenu);
        W->SysMenu = nullptr;
        return nullptr;
    }
    if (!IsMenu(W->SysMenu)) W->SysMenu = BuildSystemMenu(MdiChild);
    return W->SysMenu;
}

} // namespace host
