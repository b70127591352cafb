// Window messages and the message queue of the UI thread: synchronous sending through the
// window procedure, a FIFO of posted messages, the retrieval loop and the idle callback that
// keeps a headless loop from waiting for ever.
#pragma once

#include "host/winapi/WinTypes.h"

#include <functional>

namespace host {

inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_SETREDRAW = 0x000B;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_GETTEXT = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH = 0x000E;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_ACTIVATEAPP = 0x001C;
inline constexpr UINT WM_GETMINMAXINFO = 0x0024;
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_GETFONT = 0x0031;
inline constexpr UINT WM_WINDOWPOSCHANGING = 0x0046;
inline constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_NCCREATE = 0x0081;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_NCACTIVATE = 0x0086;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_INITMENU = 0x0116;
inline constexpr UINT WM_INITMENUPOPUP = 0x0117;
inline constexpr UINT WM_ENTERIDLE = 0x0121;
inline constexpr UINT WM_CTLCOLORBTN = 0x0135;
inline constexpr UINT WM_CTLCOLORDLG = 0x0136;
inline constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
inline constexpr UINT WM_MDICREATE = 0x0220;
inline constexpr UINT WM_MDIDESTROY = 0x0221;
inline constexpr UINT WM_MDIACTIVATE = 0x0222;
inline constexpr UINT WM_MDIRESTORE = 0x0223;
inline constexpr UINT WM_MDINEXT = 0x0224;
inline constexpr UINT WM_MDIMAXIMIZE = 0x0225;
inline constexpr UINT WM_MDITILE = 0x0226;
inline constexpr UINT WM_MDICASCADE = 0x0227;
inline constexpr UINT WM_MDIICONARRANGE = 0x0228;
inline constexpr UINT WM_MDIGETACTIVE = 0x0229;
inline constexpr UINT WM_MDISETMENU = 0x0230;
inline constexpr UINT WM_MDIREFRESHMENU = 0x0234;
inline constexpr UINT WM_USER = 0x0400;
inline constexpr UINT WM_APP = 0x8000;

// PeekMessageA options.
inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;
inline constexpr UINT PM_NOYIELD = 0x0002;

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

// Calls the window's current procedure and returns its answer; 0 for an unknown window.
LRESULT SendMessageA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

// Appends a message to the queue; a null window makes it a thread message. FALSE for an
// unknown window.
BOOL PostMessageA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Only the UI thread (GetCurrentThreadId) has a queue; FALSE for any other thread id.
BOOL PostThreadMessageA(DWORD ThreadId, UINT Msg, WPARAM WParam, LPARAM LParam);
// WM_QUIT with this exit code is retrieved once the posted messages before it are gone.
void PostQuitMessage(int ExitCode);

// Takes the next message for Wnd (null: any; (HWND)-1: thread messages only) in
// [FilterMin, FilterMax] (both 0: all). Order: posted messages in FIFO order, then WM_QUIT,
// then due timers. Returns 0 on WM_QUIT, -1 when Msg is null, 1 otherwise.
// When nothing is waiting, the idle handler runs and the search repeats while it returns
// true. Without a handler, or once it returns false, the loop ends as if PostQuitMessage(0)
// had been called: a headless program never waits for input that cannot come.
BOOL GetMessageA(MSG* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax);
// Like GetMessageA without waiting or idling; TRUE when a message was found. PM_REMOVE takes it
// out of the queue.
BOOL PeekMessageA(MSG* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax, UINT RemoveMsg);
// Sends the message to its window; WM_TIMER with a timer procedure in lParam calls that
// procedure instead. Thread messages and unknown windows give 0.
LRESULT DispatchMessageA(const MSG* Msg);
// Keyboard translation does not exist here; always FALSE.
BOOL TranslateMessage(const MSG* Msg);

// Called by GetMessageA when nothing is waiting; it should post, advance the clock or act as
// the user, and return false when it has nothing more to do. An empty function removes it.
using TIdleHandler = std::function<bool()>;
void SetIdleHandler(TIdleHandler Handler);

// Number of messages waiting in the posted queue (WM_QUIT and timers not counted).
int QueuedMessageCount();

} // namespace host
