// Menus: menu bars and pop-up menus made of items (text, command identifier, state, sub-menu),
// the menu bar of a top-level window, and the per-window system menu.
#pragma once

#include "host/winapi/WinTypes.h"

namespace host {

inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_BITMAP = 0x0004;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_MENUBARBREAK = 0x0020;
inline constexpr UINT MF_MENUBREAK = 0x0040;
inline constexpr UINT MF_HILITE = 0x0080;
inline constexpr UINT MF_OWNERDRAW = 0x0100;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_DEFAULT = 0x1000;
inline constexpr UINT MF_SYSMENU = 0x2000;
inline constexpr UINT MF_RIGHTJUSTIFY = 0x4000;
inline constexpr UINT MF_HELP = 0x4000;

// System commands: WM_SYSCOMMAND wParam (compare wParam & 0xFFF0) and system-menu identifiers.
inline constexpr UINT SC_SIZE = 0xF000;
inline constexpr UINT SC_SEPARATOR = 0xF00F;
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_ICON = SC_MINIMIZE;
inline constexpr UINT SC_MAXIMIZE = 0xF030;
inline constexpr UINT SC_ZOOM = SC_MAXIMIZE;
inline constexpr UINT SC_NEXTWINDOW = 0xF040;
inline constexpr UINT SC_PREVWINDOW = 0xF050;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_VSCROLL = 0xF070;
inline constexpr UINT SC_HSCROLL = 0xF080;
inline constexpr UINT SC_MOUSEMENU = 0xF090;
inline constexpr UINT SC_KEYMENU = 0xF100;
inline constexpr UINT SC_ARRANGE = 0xF110;
inline constexpr UINT SC_RESTORE = 0xF120;
inline constexpr UINT SC_TASKLIST = 0xF130;
inline constexpr UINT SC_SCREENSAVE = 0xF140;
inline constexpr UINT SC_HOTKEY = 0xF150;
inline constexpr UINT SC_DEFAULT = 0xF160;
inline constexpr UINT SC_MONITORPOWER = 0xF170;
inline constexpr UINT SC_CONTEXTHELP = 0xF180;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and, recursively, its sub-menus.
BOOL DestroyMenu(HMENU Menu);
BOOL IsMenu(HMENU Menu);

// Item flags: MF_STRING (Item is the text), MF_SEPARATOR, MF_POPUP (IdNewItem is the sub-menu),
// state bits MF_GRAYED/MF_DISABLED/MF_CHECKED/MF_DEFAULT... Items are found by command
// (searching sub-menus too) or, with MF_BYPOSITION, by zero-based position.
BOOL AppendMenuA(HMENU Menu, UINT Flags, UINT_PTR IdNewItem, LPCSTR Item);
// Inserts before the item found; position -1 (or past the end) with MF_BYPOSITION appends.
BOOL InsertMenuA(HMENU Menu, UINT Position, UINT Flags, UINT_PTR IdNewItem, LPCSTR Item);
// Replaces the item found; a sub-menu that the item no longer opens is destroyed.
BOOL ModifyMenuA(HMENU Menu, UINT Position, UINT Flags, UINT_PTR IdNewItem, LPCSTR Item);
// Removes the item and destroys its sub-menu.
BOOL DeleteMenu(HMENU Menu, UINT Position, UINT Flags);
// Removes the item and keeps its sub-menu alive.
BOOL RemoveMenu(HMENU Menu, UINT Position, UINT Flags);

// Copies at most MaxCount - 1 characters and a terminator, returns the number copied; with no
// buffer (or MaxCount 0) returns the text length. 0 when the item is not found.
int GetMenuStringA(HMENU Menu, UINT IdItem, LPSTR Buffer, int MaxCount, UINT Flags);
// -1 for an invalid menu.
int GetMenuItemCount(HMENU Menu);
// 0xFFFFFFFF for a sub-menu item or a bad position.
UINT GetMenuItemID(HMENU Menu, int Pos);
HMENU GetSubMenu(HMENU Menu, int Pos);
// State flags of the item; for a sub-menu item the high byte holds its item count.
// 0xFFFFFFFF when not found.
UINT GetMenuState(HMENU Menu, UINT Id, UINT Flags);
// Set MF_CHECKED / MF_GRAYED|MF_DISABLED; return the previous state bits or 0xFFFFFFFF.
DWORD CheckMenuItem(HMENU Menu, UINT IdItem, UINT Check);
BOOL EnableMenuItem(HMENU Menu, UINT IdItem, UINT Enable);

// Menu bar of a top-level window (FALSE for child windows). Changing it resizes the client area
// and so may send WM_SIZE. The previous menu is detached, not destroyed.
BOOL SetMenu(HWND Wnd, HMENU Menu);
HMENU GetMenu(HWND Wnd);
BOOL DrawMenuBar(HWND Wnd);
// The window's own copy of the standard English system menu, created on first use: Restore,
// Move, Size, Minimize, Maximize, separator, Close; MDI children close with Ctrl+F4 and add a
// separator and Next. Every top-level window and MDI child has one. Revert TRUE discards the
// copy (so the next call builds the default again) and returns null.
HMENU GetSystemMenu(HWND Wnd, BOOL Revert);

} // namespace host
