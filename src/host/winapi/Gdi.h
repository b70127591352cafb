// Drawing on windows: colours and system colours, brushes, device contexts with the paint cycle
// (InvalidateRect, UpdateWindow, BeginPaint/EndPaint) and the classic drawing calls (FillRect,
// DrawEdge, DrawFrameControl, DrawTextA ...). What a device context draws on is the current
// platform's business: headless it draws nothing, on a display it draws on the window.
#pragma once

#include "host/winapi/WinTypes.h"

namespace host {

using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE R, BYTE G, BYTE B) {
    return COLORREF(R) | (COLORREF(G) << 8) | (COLORREF(B) << 16);
}
constexpr BYTE GetRValue(COLORREF C) {
    return BYTE(C & 0xFF);
}
constexpr BYTE GetGValue(COLORREF C) {
    return BYTE((C >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF C) {
    return BYTE((C >> 16) & 0xFF);
}

struct HDC__;
struct HBRUSH__;
using HDC = HDC__*;
using HBRUSH = HBRUSH__*;

// System colour indexes (GetSysColor); a class background "COLOR_x + 1" is that colour's brush.
inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_HOTLIGHT = 26;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;

// The classic scheme; 0 for an unknown index.
DWORD GetSysColor(int Index);
// A brush of that system colour (never deleted); null for an unknown index.
HBRUSH GetSysColorBrush(int Index);
// A brush of one colour, freed with DeleteObject.
HBRUSH CreateSolidBrush(COLORREF Color);
// GetStockObject index of the brush whose colour each device context sets (SetDCBrushColor).
inline constexpr int DC_BRUSH = 18;
HBRUSH DcBrush();

inline constexpr UINT WM_NCPAINT = 0x0085;

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = false;
    RECT rcPaint;
};

// The paint cycle. A window's update region (kept as its bounding rectangle) grows with
// InvalidateRect and is emptied by ValidateRect and BeginPaint. Invalidating a window
// invalidates the part of its children that it covers, since a parent paints under them.
// GetMessageA returns WM_PAINT for an invalid visible window, parents before children, when
// no posted message or quit request is waiting (before timers). A null rectangle means the
// whole client area.
BOOL InvalidateRect(HWND Wnd, const RECT* Rect, BOOL Erase);
BOOL ValidateRect(HWND Wnd, const RECT* Rect);
// Sends WM_PAINT now when the window (or one of its children) is invalid.
BOOL UpdateWindow(HWND Wnd);
// The bounding rectangle of the update region; FALSE when the window is valid.
BOOL GetUpdateRect(HWND Wnd, RECT* Rect, BOOL Erase);
// Sends WM_NCPAINT when the frame needs it and WM_ERASEBKGND when asked to erase, validates
// the window and gives a device context clipped to the update rectangle.
HDC BeginPaint(HWND Wnd, PAINTSTRUCT* Paint);
BOOL EndPaint(HWND Wnd, const PAINTSTRUCT* Paint);
// A device context for the client area outside the paint cycle.
HDC GetDC(HWND Wnd);
// A device context for the whole window, frame included.
HDC GetWindowDC(HWND Wnd);
int ReleaseDC(HWND Wnd, HDC Dc);
// The window a device context draws on.
HWND WindowFromDC(HDC Dc);

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

COLORREF SetTextColor(HDC Dc, COLORREF Color);
COLORREF GetTextColor(HDC Dc);
COLORREF SetBkColor(HDC Dc, COLORREF Color);
int SetBkMode(HDC Dc, int Mode);
COLORREF SetDCBrushColor(HDC Dc, COLORREF Color);
COLORREF SetDCPenColor(HDC Dc, COLORREF Color);
// Selects a font (HFONT) into the context and returns the previous one.
HGDIOBJ SelectObject(HDC Dc, HGDIOBJ Object);

int FillRect(HDC Dc, const RECT* Rect, HBRUSH Brush);
// A one-pixel frame in the brush's colour.
int FrameRect(HDC Dc, const RECT* Rect, HBRUSH Brush);
BOOL MoveToEx(HDC Dc, int X, int Y, POINT* Previous);
// A one-pixel line in the pen colour, not including the end point.
BOOL LineTo(HDC Dc, int X, int Y);
// Outline in the pen colour, inside filled with the brush colour.
BOOL Ellipse(HDC Dc, int Left, int Top, int Right, int Bottom);
// Dotted frame of the focused control.
BOOL DrawFocusRect(HDC Dc, const RECT* Rect);

// DrawEdge edges and sides.
inline constexpr UINT BDR_RAISEDOUTER = 0x0001;
inline constexpr UINT BDR_SUNKENOUTER = 0x0002;
inline constexpr UINT BDR_RAISEDINNER = 0x0004;
inline constexpr UINT BDR_SUNKENINNER = 0x0008;
inline constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
inline constexpr UINT BF_LEFT = 0x0001;
inline constexpr UINT BF_TOP = 0x0002;
inline constexpr UINT BF_RIGHT = 0x0004;
inline constexpr UINT BF_BOTTOM = 0x0008;
inline constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr UINT BF_MIDDLE = 0x0800;
inline constexpr UINT BF_SOFT = 0x1000;
inline constexpr UINT BF_ADJUST = 0x2000;
inline constexpr UINT BF_FLAT = 0x4000;
// 3-D edges in the system colours; BF_ADJUST shrinks Rect by what was drawn.
BOOL DrawEdge(HDC Dc, RECT* Rect, UINT Edge, UINT Flags);

// DrawFrameControl kinds and states.
inline constexpr UINT DFC_CAPTION = 1;
inline constexpr UINT DFC_MENU = 2;
inline constexpr UINT DFC_SCROLL = 3;
inline constexpr UINT DFC_BUTTON = 4;
inline constexpr UINT DFCS_CAPTIONCLOSE = 0x0000;
inline constexpr UINT DFCS_CAPTIONMIN = 0x0001;
inline constexpr UINT DFCS_CAPTIONMAX = 0x0002;
inline constexpr UINT DFCS_CAPTIONRESTORE = 0x0003;
inline constexpr UINT DFCS_MENUCHECK = 0x0001;
inline constexpr UINT DFCS_MENUARROW = 0x0000;
inline constexpr UINT DFCS_SCROLLUP = 0x0000;
inline constexpr UINT DFCS_SCROLLDOWN = 0x0001;
inline constexpr UINT DFCS_SCROLLLEFT = 0x0002;
inline constexpr UINT DFCS_SCROLLRIGHT = 0x0003;
inline constexpr UINT DFCS_SCROLLCOMBOBOX = 0x0005;
inline constexpr UINT DFCS_BUTTONCHECK = 0x0000;
inline constexpr UINT DFCS_BUTTONRADIO = 0x0004;
inline constexpr UINT DFCS_BUTTONPUSH = 0x0010;
inline constexpr UINT DFCS_INACTIVE = 0x0100;
inline constexpr UINT DFCS_PUSHED = 0x0200;
inline constexpr UINT DFCS_CHECKED = 0x0400;
inline constexpr UINT DFCS_FLAT = 0x4000;
BOOL DrawFrameControl(HDC Dc, RECT* Rect, UINT Kind, UINT State);

// DrawTextA formats.
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_EXPANDTABS = 0x0040;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_HIDEPREFIX = 0x00100000;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;
inline constexpr UINT DT_RTLREADING = 0x00020000;
// Text in the process code page, in the selected font and text colour (on the background colour
// when the mode is OPAQUE). An ampersand underlines the next character unless DT_NOPREFIX
// ("&&" is one ampersand). With DT_CALCRECT nothing is drawn and Rect gets the text's size.
// Returns the height of the text.
int DrawTextA(HDC Dc, LPCSTR Text, int Count, RECT* Rect, UINT Format);
BOOL GetTextExtentPoint32A(HDC Dc, LPCSTR Text, int Count, SIZE* Size);

// Saved states of a context (colours, font, clip, origin); RestoreDC(-1) goes back one.
int SaveDC(HDC Dc);
BOOL RestoreDC(HDC Dc, int Saved);
// Narrows the clip rectangle; the result is 1 when empty, 2 otherwise (0 on failure).
int IntersectClipRect(HDC Dc, int Left, int Top, int Right, int Bottom);
// Moves the origin of later drawing (in the context's coordinates).
BOOL OffsetViewportOrgEx(HDC Dc, int X, int Y, POINT* Previous);

} // namespace host
