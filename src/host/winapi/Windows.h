// Windows of the emulated platform: classes, creation and destruction, window procedures and
// subclassing, per-window values (GWL_*), texts, control identifiers and the parent/child tree.
// Every function accepts an unknown or destroyed handle and then returns 0/FALSE/null.
#pragma once

#include "host/winapi/Messages.h"
#include "host/winapi/WinTypes.h"

namespace host {

inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_MINIMIZE = 0x20000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_MAXIMIZE = 0x01000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_DLGFRAME = 0x00400000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;

inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr DWORD WS_EX_NOPARENTNOTIFY = 0x00000004;
inline constexpr DWORD WS_EX_TOPMOST = 0x00000008;
inline constexpr DWORD WS_EX_MDICHILD = 0x00000040;
inline constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr DWORD WS_EX_CONTROLPARENT = 0x00010000;
inline constexpr DWORD WS_EX_STATICEDGE = 0x00020000;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

inline constexpr int CW_USEDEFAULT = int(0x80000000);

// GetWindowLongPtrA / SetWindowLongPtrA indexes.
inline constexpr int GWL_WNDPROC = -4;
inline constexpr int GWL_HINSTANCE = -6;
inline constexpr int GWL_HWNDPARENT = -8;
inline constexpr int GWL_ID = -12;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWL_USERDATA = -21;
inline constexpr int GWLP_WNDPROC = GWL_WNDPROC;
inline constexpr int GWLP_HINSTANCE = GWL_HINSTANCE;
inline constexpr int GWLP_HWNDPARENT = GWL_HWNDPARENT;
inline constexpr int GWLP_ID = GWL_ID;
inline constexpr int GWLP_USERDATA = GWL_USERDATA;

// Extra bytes of the dialog class and the values kept in them.
inline constexpr int DLGWINDOWEXTRA = 30;
inline constexpr int DWLP_MSGRESULT = 0;
inline constexpr int DWLP_DLGPROC = DWLP_MSGRESULT + int(sizeof(LRESULT));
inline constexpr int DWLP_USER = DWLP_DLGPROC + int(sizeof(void*));

// GetWindow relations.
inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST = 1;
inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_HWNDPREV = 3;
inline constexpr UINT GW_OWNER = 4;
inline constexpr UINT GW_CHILD = 5;
inline constexpr UINT GW_ENABLEDPOPUP = 6;

// GetAncestor relations.
inline constexpr UINT GA_PARENT = 1;
inline constexpr UINT GA_ROOT = 2;
inline constexpr UINT GA_ROOTOWNER = 3;

// Names of the predefined classes; the dialog class is "#32770".
inline constexpr const char* WC_BUTTON = "BUTTON";
inline constexpr const char* WC_STATIC = "STATIC";
inline constexpr const char* WC_EDIT = "EDIT";
inline constexpr const char* WC_LISTBOX = "LISTBOX";
inline constexpr const char* WC_COMBOBOX = "COMBOBOX";
inline constexpr const char* WC_MDICLIENT = "MDICLIENT";
inline constexpr const char* WC_DIALOG = "#32770";

struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HANDLE hIcon = nullptr;
    HANDLE hCursor = nullptr;
    HANDLE hbrBackground = nullptr;
    LPCSTR lpszMenuName = nullptr;
    LPCSTR lpszClassName = nullptr;
};

// lParam of WM_NCCREATE and WM_CREATE.
struct CREATESTRUCTA {
    LPVOID lpCreateParams = nullptr;
    HINSTANCE hInstance = nullptr;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    LPCSTR lpszName = nullptr;
    LPCSTR lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// Registers a class under a case-insensitive name. 0 when the name is taken, or the name or
// procedure is missing. Classes are process-wide whatever the instance.
ATOM RegisterClassA(const WNDCLASSA* WndClass);
// FALSE for an unknown or predefined class, or while windows of the class exist.
BOOL UnregisterClassA(LPCSTR ClassName, HINSTANCE Instance);
BOOL GetClassInfoA(HINSTANCE Instance, LPCSTR ClassName, WNDCLASSA* WndClass);
// Copies the class name (as registered) like GetWindowTextA; returns the length copied.
int GetClassNameA(HWND Wnd, LPSTR Buffer, int MaxCount);

// Creates a window: HCBT_CREATEWND hook (a non-zero answer vetoes), WM_NCCREATE (0 fails),
// WM_CREATE (-1 fails), then WM_SIZE and WM_MOVE, and ShowWindow when WS_VISIBLE was asked.
// WS_CHILD windows need a parent and take Menu as their control identifier; a top-level window
// takes Menu as its menu bar and Parent as its owner. Children of an "MDICLIENT" window are MDI
// child windows. Null on failure (GetLastError tells why).
HWND CreateWindowExA(DWORD ExStyle, LPCSTR ClassName, LPCSTR WindowName, DWORD Style, int X, int Y,
                     int Width, int Height, HWND Parent, HMENU Menu, HINSTANCE Instance,
                     LPVOID Param);
inline HWND CreateWindowA(LPCSTR ClassName, LPCSTR WindowName, DWORD Style, int X, int Y, int Width,
                          int Height, HWND Parent, HMENU Menu, HINSTANCE Instance, LPVOID Param) {
    return CreateWindowExA(0, ClassName, WindowName, Style, X, Y, Width, Height, Parent, Menu,
                           Instance, Param);
}

// Destroys owned windows first, then sends WM_DESTROY to the window and then to its children
// (parents before children), then WM_NCDESTROY children first, after which the handles are
// invalid. The window's timers, queued messages, menu bar and system menu go with it. The
// HCBT_DESTROYWND hook can veto (FALSE). Re-entrant calls for a window already being destroyed
// return FALSE.
BOOL DestroyWindow(HWND Wnd);
BOOL IsWindow(HWND Wnd);
// Parent of every top-level window; it is never destroyed.
HWND GetDesktopWindow();

// Default processing: WM_NCCREATE takes the text from CREATESTRUCTA, WM_SETTEXT/WM_GETTEXT/
// WM_GETTEXTLENGTH and WM_SETFONT/WM_GETFONT use the values stored per window, WM_CLOSE destroys
// the window, WM_SYSCOMMAND carries out SC_CLOSE/SC_MINIMIZE/SC_MAXIMIZE/SC_RESTORE (and
// SC_NEXTWINDOW for MDI children) after asking the HCBT_SYSCOMMAND hook, WM_WINDOWPOSCHANGED sends
// WM_MOVE/WM_SIZE, WM_NCACTIVATE answers TRUE. Others (WM_GETMINMAXINFO...): 0.
LRESULT DefWindowProcA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Calls Proc (typically the one a subclass replaced); 0 when Proc is null.
LRESULT CallWindowProcA(WNDPROC Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

// GWL_* values, or the extra bytes of the class at a non-negative offset. Setting GWL_WNDPROC
// returns the previous procedure, which is how a window is subclassed. 0 with
// ERROR_INVALID_INDEX for an unknown index.
LONG_PTR GetWindowLongPtrA(HWND Wnd, int Index);
LONG_PTR SetWindowLongPtrA(HWND Wnd, int Index, LONG_PTR NewValue);
// On this platform LONG-sized window values are pointer-sized, so these carry procedures too.
inline LONG_PTR GetWindowLongA(HWND Wnd, int Index) {
    return GetWindowLongPtrA(Wnd, Index);
}
inline LONG_PTR SetWindowLongA(HWND Wnd, int Index, LONG_PTR NewValue) {
    return SetWindowLongPtrA(Wnd, Index, NewValue);
}
// Procedure pointer <-> window value, for GWL_WNDPROC.
inline LONG_PTR ProcToLong(WNDPROC Proc) {
    return reinterpret_cast<LONG_PTR>(Proc);
}
inline WNDPROC LongToProc(LONG_PTR Value) {
    return reinterpret_cast<WNDPROC>(Value);
}

// Text through WM_GETTEXT/WM_GETTEXTLENGTH/WM_SETTEXT, so a subclass sees the requests. At most
// MaxCount - 1 characters and a terminator are written; the result is the length copied.
int GetWindowTextA(HWND Wnd, LPSTR Buffer, int MaxCount);
int GetWindowTextLengthA(HWND Wnd);
BOOL SetWindowTextA(HWND Wnd, LPCSTR Text);

// Control identifier of a child window (0 for a top-level window).
int GetDlgCtrlID(HWND Wnd);
// First direct child of Parent with this identifier; null when there is none.
HWND GetDlgItem(HWND Parent, int Id);
LRESULT SendDlgItemMessageA(HWND Parent, int Id, UINT Msg, WPARAM WParam, LPARAM LParam);
BOOL SetDlgItemTextA(HWND Parent, int Id, LPCSTR Text);
UINT GetDlgItemTextA(HWND Parent, int Id, LPSTR Buffer, int MaxCount);

// The parent of a child window, the owner of a WS_POPUP window, otherwise null.
HWND GetParent(HWND Wnd);
// Moves a window under another parent (null: the desktop) at the end of its children; returns
// the previous parent.
HWND SetParent(HWND Child, HWND NewParent);
// Siblings in z-order (children in creation order), first child, owner.
HWND GetWindow(HWND Wnd, UINT Cmd);
HWND GetAncestor(HWND Wnd, UINT Flags);
BOOL IsChild(HWND Parent, HWND Wnd);

} // namespace host
