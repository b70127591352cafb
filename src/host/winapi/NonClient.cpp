// The frame the layer draws around top-level windows and framed children: borders, the caption
// with its buttons, and the menu bar.
#include "host/winapi/NonClient.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Menus.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

struct TMenuBarState {
    HWND Wnd = nullptr;
    int Hot = -1;
};

TMenuBarState& MenuBar() {
    static TMenuBarState S;
    return S;
}

LOGFONTA MenuFont(bool Bold) {
    LOGFONTA F;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(F), &F);
    if (Bold) F.lfWeight = FW_BOLD;
    return F;
}

int Border(const TWindowRec& W) {
    const RECT I = detail::NonClientInsets(W.Style, W.ExStyle & ~WS_EX_CLIENTEDGE, false);
    return I.left;
}

bool HasCaption(const TWindowRec& W) {
    return (W.Style & WS_CAPTION) == WS_CAPTION;
}

String MenuText(HMENU Menu, int Pos) {
    const int Length = GetMenuStringA(Menu, UINT(Pos), nullptr, 0, MF_BYPOSITION);
    String Text(std::size_t(std::max(Length, 0)) + 1, '\0');
    GetMenuStringA(Menu, UINT(Pos), Text.data(), Length + 1, MF_BYPOSITION);
    Text.resize(std::size_t(std::max(Length, 0)));
    return Text;
}

void PaintCaption(HDC Dc, const TWindowRec& W, const RECT& Caption) {
    const bool Active = GetActiveWindow() == W.Handle;
    const COLORREF From = GetSysColor(Active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF To =
        GetSysColor(Active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    // The classic gradient, in bands of a few pixels.
    const LONG Width = std::max<LONG>(1, Caption.right - Caption.left);
    for (LONG X = Caption.left; X < Caption.right; X += 4) {
        const double T = double(X - Caption.left) / double(Width);
        auto Mix = [T](BYTE A, BYTE B) { return BYTE(A + (B - A) * T); };
        SetDCBrushColor(Dc, RGB(Mix(GetRValue(From), GetRValue(To)),
                                Mix(GetGValue(From), GetGValue(To)),
                                Mix(GetBValue(From), GetBValue(To))));
        const RECT Band{X, Caption.top, std::min(X + 4, Caption.right), Caption.bottom};
        FillRect(Dc, &Band, DcBrush());
    }
    RECT Buttons = Caption;
    Buttons.right -= 2;
    const LONG Bw = 16, Bh = Caption.bottom - Caption.top - 4;
    if (W.Style & WS_SYSMENU) {
        RECT B{Buttons.right - Bw, Caption.top + 2, Buttons.right, Caption.top + 2 + Bh};
        DrawFrameControl(Dc, &B, DFC_CAPTION, DFCS_CAPTIONCLOSE);
        Buttons.right -= Bw + 2;
        if (W.Style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) {
            RECT Max{Buttons.right - Bw, B.top, Buttons.right, B.bottom};
            DrawFrameControl(Dc, &Max, DFC_CAPTION,
                             (W.Style & WS_MAXIMIZE ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) |
                                 (W.Style & WS_MAXIMIZEBOX ? 0 : DFCS_INACTIVE));
            RECT Min{Max.left - Bw, B.top, Max.left, B.bottom};
            DrawFrameControl(Dc, &Min, DFC_CAPTION,
                             DFCS_CAPTIONMIN | (W.Style & WS_MINIMIZEBOX ? 0 : DFCS_INACTIVE));
            Buttons.right = Min.left - 2;
        }
    }
    const LOGFONTA Font = MenuFont(true);
    const HFONT Bold = CreateFontIndirectA(&Font);
    const HGDIOBJ Old = SelectObject(Dc, Bold);
    SetBkMode(Dc, TRANSPARENT);
    SetTextColor(Dc, GetSysColor(Active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    RECT Text{Caption.left + 4, Caption.top, Buttons.right, Caption.bottom};
    DrawTextA(Dc, W.Text.c_str(), -1, &Text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(Dc, Old);
    DeleteObject(Bold);
}

void PaintMenuBar(HDC Dc, const TWindowRec& W, HMENU Menu) {
    const std::vector<RECT> Items = detail::MenuBarItemRects(W.Handle);
    if (Items.empty()) return;
    RECT Bar{Items.front().left - 2, Items.front().top,
             LONG(W.Bounds.right - W.Bounds.left) - Border(W), Items.front().bottom + 1};
    FillRect(Dc, &Bar, GetSysColorBrush(COLOR_MENU));
    const LOGFONTA Font = MenuFont(false);
    const HFONT Normal = CreateFontIndirectA(&Font);
    const HGDIOBJ Old = SelectObject(Dc, Normal);
    SetBkMode(Dc, TRANSPARENT);
    for (int I = 0; I < int(Items.size()); ++I) {
        RECT R = Items[std::size_t(I)];
        const UINT State = GetMenuState(Menu, UINT(I), MF_BYPOSITION);
        if (MenuBar().Wnd == W.Handle && MenuBar().Hot == I)
            DrawEdge(Dc, &R, BDR_SUNKENOUTER, BF_RECT);
        SetTextColor(
            Dc, GetSysColor(State & (MF_GRAYED | MF_DISABLED) ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
        const String Text = MenuText(Menu, I);
        DrawTextA(Dc, Text.c_str(), -1, &R, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    SelectObject(Dc, Old);
    DeleteObject(Normal);
}

} // namespace

namespace detail {

void PaintFrame(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return;
    const HDC Dc = GetWindowDC(Wnd);
    RECT R{0, 0, W->Bounds.right - W->Bounds.left, W->Bounds.bottom - W->Bounds.top};
    if (W->Style & WS_THICKFRAME) {
        DrawEdge(Dc, &R, EDGE_RAISED, BF_RECT | BF_ADJUST);
        FrameRect(Dc, &R, GetSysColorBrush(COLOR_ACTIVEBORDER));
        R = {R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
        FrameRect(Dc, &R, GetSysColorBrush(COLOR_BTNFACE));
        R = {R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
    } else if ((W->Style & WS_DLGFRAME) || (W->ExStyle & WS_EX_DLGMODALFRAME)) {
        DrawEdge(Dc, &R, EDGE_RAISED, BF_RECT | BF_ADJUST);
        FrameRect(Dc, &R, GetSysColorBrush(COLOR_BTNFACE));
        R = {R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
    } else if (W->Style & WS_BORDER) {
        FrameRect(Dc, &R, GetSysColorBrush(COLOR_WINDOWFRAME));
        R = {R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
    }
    if (!IsChildStyle(*W) || IsMdiChild(*W)) {
        if (HasCaption(*W)) {
            RECT Caption{R.left, R.top, R.right, R.top + GetSystemMetrics(SM_CYCAPTION) - 1};
            PaintCaption(Dc, *W, Caption);
            RECT Line{R.left, Caption.bottom, R.right, Caption.bottom + 1};
            FillRect(Dc, &Line, GetSysColorBrush(COLOR_BTNFACE));
            R.top = Caption.bottom + 1;
        }
        const HMENU Menu = IsChildStyle(*W) ? nullptr : reinterpret_cast<HMENU>(W->IdOrMenu);
        if (IsMenu(Menu)) {
            PaintMenuBar(Dc, *W, Menu);
            R.top += GetSystemMetrics(SM_CYMENU);
        }
    }
    if (W->ExStyle & WS_EX_CLIENTEDGE) DrawEdge(Dc, &R, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (W->ExStyle & WS_EX_STATICEDGE) DrawEdge(Dc, &R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    ReleaseDC(Wnd, Dc);
}

std::vector<RECT> MenuBarItemRects(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    std::vector<RECT> Rects;
    if (!W || IsChildStyle(*W)) return Rects;
    const HMENU Menu = reinterpret_cast<HMENU>(W->IdOrMenu);
    if (!IsMenu(Menu)) return Rects;
    const LONG B = Border(*W);
    const LONG Top = B + (HasCaption(*W) ? GetSystemMetrics(SM_CYCAPTION) : 0);
    const LONG Right = W->Bounds.right - W->Bounds.left - B;
    const HDC Dc = GetWindowDC(Wnd);
    const LOGFONTA Font = MenuFont(false);
    const HFONT Normal = CreateFontIndirectA(&Font);
    const HGDIOBJ Old = SelectObject(Dc, Normal);
    LONG X = B + 2;
    const int Count = GetMenuItemCount(Menu);
    for (int I = 0; I < Count; ++I) {
        const String Text = MenuText(Menu, I);
        RECT Size{0, 0, 0, 0};
        DrawTextA(Dc, Text.c_str(), -1, &Size, DT_SINGLELINE | DT_CALCRECT);
        const LONG Width = Size.right + 14;
        Rects.push_back(
            {X, Top, std::min(X + Width, Right), Top + GetSystemMetrics(SM_CYMENU) - 1});
        X += Width;
    }
    SelectObject(Dc, Old);
    DeleteObject(Normal);
    ReleaseDC(Wnd, Dc);
    return Rects;
}

void MenuBarChanged(HMENU Menu) {
    if (!Menu) return;
    for (HWND Top : ChildHandles(DesktopRec()))
        if (TWindowRec* W = FindWindowRec(Top);
            W && reinterpret_cast<HMENU>(W->IdOrMenu) == Menu && (W->Style & WS_VISIBLE))
            W->FrameInvalid = true;
}

} // namespace detail

void SetMenuBarHotItem(HWND Wnd, int Item) {
    TMenuBarState& S = MenuBar();
    if (S.Wnd == Wnd && S.Hot == Item) return;
    const HWND Previous = S.Wnd;
    S = {Item >= 0 ? Wnd : nullptr, Item};
    for (HWND Changed : {Previous, Wnd})
        if (TWindowRec* W = FindWindowRec(Changed)) W->FrameInvalid = true;
}

int MenuBarItemFromPoint(HWND Wnd, POINT ScreenPoint) {
    RECT Outer;
    if (!GetWindowRect(Wnd, &Outer)) return -1;
    const POINT P{ScreenPoint.x - Outer.left, ScreenPoint.y - Outer.top};
    const std::vector<RECT> Items = detail::MenuBarItemRects(Wnd);
    for (int I = 0; I < int(Items.size()); ++I) {
        const RECT& R = Items[std::size_t(I)];
        if (P.x >= R.left && P.x < R.right && P.y >= R.top && P.y < R.bottom) return I;
    }
    return -1;
}

BOOL GetMenuBarItemRect(HWND Wnd, int Item, RECT* Rect) {
    const std::vector<RECT> Items = detail::MenuBarItemRects(Wnd);
    RECT Outer;
    if (!Rect || Item < 0 || Item >= int(Items.size()) || !GetWindowRect(Wnd, &Outer)) return false;
    const RECT& R = Items[std::size_t(Item)];
    *Rect = {R.left + Outer.left, R.top + Outer.top, R.right + Outer.left, R.bottom + Outer.top};
    return true;
}

} // namespace host
