// Multiple-document interface: the "MDICLIENT" window that holds the MDI child windows of a
// frame, keeps the active child and lists the children in the frame's window menu.
#pragma once

#include "host/winapi/WinTypes.h"

#include <vector>

namespace host {

// lParam of CreateWindowExA for an "MDICLIENT" window.
struct CLIENTCREATESTRUCT {
    HANDLE hWindowMenu = nullptr;
    UINT idFirstChild = 0;
};

// lParam of WM_MDICREATE.
struct MDICREATESTRUCTA {
    LPCSTR szClass = nullptr;
    LPCSTR szTitle = nullptr;
    HANDLE hOwner = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    LPARAM lParam = 0;
};

// The window menu lists at most this many children; then comes "&More Windows...".
inline constexpr int MDI_MOREWINDOWSLIMIT = 9;

// One WM_MDI* message that reached an MDI client, in arrival order.
struct TMdiCall {
    HWND Client = nullptr;
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
};
// Every WM_MDI* message (WM_MDICREATE..WM_MDIREFRESHMENU) the MDI clients received since the
// last reset, so that tests can observe what callers asked for.
const std::vector<TMdiCall>& MdiCallLog();
void ClearMdiCallLog();

// Window procedure of the "MDICLIENT" class. WM_MDISETMENU stores the window menu (and sets the
// frame menu when wParam is not 0) and returns the previous frame menu; WM_MDIREFRESHMENU
// rebuilds the list "&1 Title", "&2 Title"... after a separator at the end of the window menu,
// with identifiers from idFirstChild on and the active child checked, and returns the frame
// menu. WM_MDIACTIVATE, WM_MDIGETACTIVE (lParam: BOOL* maximized), WM_MDINEXT, WM_MDIMAXIMIZE,
// WM_MDIRESTORE, WM_MDIDESTROY and WM_MDICREATE act on the children.
LRESULT MdiClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

// Default processing of an MDI child (system commands go to its client); otherwise
// DefWindowProcA.
LRESULT DefMDIChildProcA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

} // namespace host
