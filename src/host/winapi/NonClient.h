// The menu bar the layer draws in a top-level window's frame: which item is under a point,
// where an item lies, and the item shown pressed while its menu is open.
#pragma once

#include "host/winapi/WinTypes.h"

namespace host {

// The position of the menu bar item at a screen point; -1 when none.
int MenuBarItemFromPoint(HWND Wnd, POINT ScreenPoint);
// The item's rectangle in screen coordinates.
BOOL GetMenuBarItemRect(HWND Wnd, int Item, RECT* Rect);
// Shows the item pressed (-1: none).
void SetMenuBarHotItem(HWND Wnd, int Item);

} // namespace host
