// Colours, brushes and the drawing calls of device contexts.
#include "host/winapi/DeviceContext.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/NlsCodePage.h"
#include "host/winapi/WinInternal.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace host {

using detail::FindDc;
using detail::TDcRec;

namespace {

// The classic (Windows Standard) scheme.
const COLORREF SysColors[] = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(192, 192, 192), RGB(0, 0, 255),     RGB(16, 132, 208),
    RGB(181, 181, 181),
};
constexpr int SysColorCount = int(sizeof(SysColors) / sizeof(SysColors[0]));

// System-colour brushes are the values 1..SysColorCount (colour index + 1), as class
// backgrounds name them; the DC brush is one more; solid brushes come from the handle counter.
const std::uintptr_t DcBrushValue = SysColorCount + 1;

std::unordered_map<HBRUSH, COLORREF>& SolidBrushes() {
    static std::unordered_map<HBRUSH, COLORREF> M;
    return M;
}

POINT ToTop(const TDcRec& Dc, LONG X, LONG Y) {
    return {X + Dc.State.Origin.x, Y + Dc.State.Origin.y};
}

RECT ToTop(const TDcRec& Dc, const RECT& R) {
    const POINT O = Dc.State.Origin;
    return {R.left + O.x, R.top + O.y, R.right + O.x, R.bottom + O.y};
}

void Fill(TDcRec& Dc, const RECT& R, COLORREF C) {
    if (R.right > R.left && R.bottom > R.top) Dc.Painter->FillRect(ToTop(Dc, R), C);
}

void HLine(TDcRec& Dc, LONG X1, LONG X2, LONG Y, COLORREF C) {
    Fill(Dc, {X1, Y, X2, Y + 1}, C);
}

void VLine(TDcRec& Dc, LONG X, LONG Y1, LONG Y2, COLORREF C) {
    Fill(Dc, {X, Y1, X + 1, Y2}, C);
}

// One ring of a 3-D edge: TopLeft colour on the left and top, BottomRight on the others.
void Ring(TDcRec& Dc, RECT& R, UINT Flags, COLORREF TopLeft, COLORREF BottomRight) {
    if (Flags & BF_TOP) HLine(Dc, R.left, R.right, R.top, TopLeft);
    if (Flags & BF_LEFT) VLine(Dc, R.left, R.top, R.bottom, TopLeft);
    if (Flags & BF_BOTTOM) HLine(Dc, R.left, R.right, R.bottom - 1, BottomRight);
    if (Flags & BF_RIGHT) VLine(Dc, R.right - 1, R.top, R.bottom, BottomRight);
    if (Flags & BF_TOP) R.top++;
    if (Flags & BF_LEFT) R.left++;
    if (Flags & BF_BOTTOM) R.bottom--;
    if (Flags & BF_RIGHT) R.right--;
}

std::string ToUtf8(LPCSTR Text, int Count) {
    const std::size_t Length = Count < 0 ? std::strlen(Text) : std::size_t(Count);
    return CodePageToUtf8(std::string_view(Text, Length), GetACP());
}

void Check(TDcRec& Dc, const RECT& Box, COLORREF C) {
    // The classic 7x7 tick.
    const LONG X = Box.left + (Box.right - Box.left - 7) / 2;
    const LONG Y = Box.top + (Box.bottom - Box.top - 7) / 2;
    for (int I = 0; I < 7; ++I) {
        const LONG Top = I < 3 ? Y + 2 + I : Y + 4 - (I - 2);
        Fill(Dc, {X + I, Top, X + I + 1, Top + 3}, C);
    }
}

void Arrow(TDcRec& Dc, const RECT& Box, int Direction, COLORREF C) {
    // Direction: 0 up, 1 down, 2 left, 3 right; a triangle of 4 rows.
    const LONG Cx = (Box.left + Box.right) / 2;
    const LONG Cy = (Box.top + Box.bottom) / 2;
    for (int I = 0; I < 4; ++I) {
        const int Half = Direction == 0 || Direction == 2 ? I : 3 - I;
        if (Direction <= 1)
            Fill(Dc, {Cx - Half, Cy - 2 + I, Cx + Half + 1, Cy - 1 + I}, C);
        else
            Fill(Dc, {Cx - 2 + I, Cy - Half, Cx - 1 + I, Cy + Half + 1}, C);
    }
}

} // namespace

namespace detail {

bool BrushColor(HBRUSH Brush, const TDcRec& Dc, COLORREF& Color) {
    const auto Value = reinterpret_cast<std::uintptr_t>(Brush);
    if (Value >= 1 && Value <= std::uintptr_t(SysColorCount)) {
        Color = SysColors[Value - 1];
        return true;
    }
    if (Value == DcBrushValue) {
        Color = Dc.State.BrushColor;
        return true;
    }
    const auto It = SolidBrushes().find(Brush);
    if (It == SolidBrushes().end()) return false;
    Color = It->second;
    return true;
}

bool DeleteBrush(HGDIOBJ Object) {
    return SolidBrushes().erase(static_cast<HBRUSH>(Object)) > 0;
}

void ResetBrushes() {
    SolidBrushes().clear();
}

LOGFONTA DcFont(const TDcRec& Dc) {
    LOGFONTA F;
    HGDIOBJ Font = Dc.State.Font ? HGDIOBJ(Dc.State.Font) : GetStockObject(DEFAULT_GUI_FONT);
    if (!GetObjectA(Font, sizeof(F), &F))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(F), &F);
    return F;
}

} // namespace detail

DWORD GetSysColor(int Index) {
    return Index >= 0 && Index < SysColorCount ? SysColors[Index] : 0;
}

HBRUSH GetSysColorBrush(int Index) {
    if (Index < 0 || Index >= SysColorCount) return nullptr;
    return reinterpret_cast<HBRUSH>(std::uintptr_t(Index + 1));
}

HBRUSH CreateSolidBrush(COLORREF Color) {
    const HBRUSH Brush = detail::NewHandle<HBRUSH>();
    SolidBrushes()[Brush] = Color & 0xFFFFFF;
    return Brush;
}

HBRUSH DcBrush() {
    return reinterpret_cast<HBRUSH>(DcBrushValue);
}

COLORREF SetTextColor(HDC Dc, COLORREF Color) {
    TDcRec* D = FindDc(Dc);
    if (!D) return 0xFFFFFFFF;
    return std::exchange(D->State.TextColor, Color);
}

COLORREF GetTextColor(HDC Dc) {
    const TDcRec* D = FindDc(Dc);
    return D ? D->State.TextColor : 0xFFFFFFFF;
}

COLORREF SetBkColor(HDC Dc, COLORREF Color) {
    TDcRec* D = FindDc(Dc);
    if (!D) return 0xFFFFFFFF;
    return std::exchange(D->State.BkColor, Color);
}

int SetBkMode(HDC Dc, int Mode) {
    TDcRec* D = FindDc(Dc);
    if (!D || (Mode != TRANSPARENT && Mode != OPAQUE)) return 0;
    return std::exchange(D->State.BkMode, Mode);
}

COLORREF SetDCBrushColor(HDC Dc, COLORREF Color) {
    TDcRec* D = FindDc(Dc);
    if (!D) return 0xFFFFFFFF;
    return std::exchange(D->State.BrushColor, Color);
}

COLORREF SetDCPenColor(HDC Dc, COLORREF Color) {
    TDcRec* D = FindDc(Dc);
    if (!D) return 0xFFFFFFFF;
    return std::exchange(D->State.PenColor, Color);
}

HGDIOBJ SelectObject(HDC Dc, HGDIOBJ Object) {
    TDcRec* D = FindDc(Dc);
    if (!D || !Object || !GetObjectA(Object, 0, nullptr)) return nullptr;
    HGDIOBJ Previous = D->State.Font ? HGDIOBJ(D->State.Font) : GetStockObject(SYSTEM_FONT);
    D->State.Font = static_cast<HFONT>(Object);
    return Previous;
}

int FillRect(HDC Dc, const RECT* Rect, HBRUSH Brush) {
    TDcRec* D = FindDc(Dc);
    COLORREF C = 0;
    if (!D || !Rect || !detail::BrushColor(Brush, *D, C)) return 0;
    Fill(*D, *Rect, C);
    return 1;
}

int FrameRect(HDC Dc, const RECT* Rect, HBRUSH Brush) {
    TDcRec* D = FindDc(Dc);
    COLORREF C = 0;
    if (!D || !Rect || !detail::BrushColor(Brush, *D, C)) return 0;
    RECT R = *Rect;
    Ring(*D, R, BF_RECT, C, C);
    return 1;
}

BOOL MoveToEx(HDC Dc, int X, int Y, POINT* Previous) {
    TDcRec* D = FindDc(Dc);
    if (!D) return false;
    if (Previous) *Previous = D->State.Pen;
    D->State.Pen = {X, Y};
    return true;
}

BOOL LineTo(HDC Dc, int X, int Y) {
    TDcRec* D = FindDc(Dc);
    if (!D) return false;
    D->Painter->Line(ToTop(*D, D->State.Pen.x, D->State.Pen.y), ToTop(*D, X, Y), D->State.PenColor);
    D->State.Pen = {X, Y};
    return true;
}

BOOL Ellipse(HDC Dc, int Left, int Top, int Right, int Bottom) {
    TDcRec* D = FindDc(Dc);
    if (!D) return false;
    D->Painter->Ellipse(ToTop(*D, RECT{Left, Top, Right, Bottom}), D->State.BrushColor,
                        D->State.PenColor);
    return true;
}

BOOL DrawFocusRect(HDC Dc, const RECT* Rect) {
    TDcRec* D = FindDc(Dc);
    if (!D || !Rect) return false;
    const COLORREF C = RGB(0, 0, 0);
    for (LONG X = Rect->left; X < Rect->right; X += 2) {
        HLine(*D, X, X + 1, Rect->top, C);
        HLine(*D, X, X + 1, Rect->bottom - 1, C);
    }
    for (LONG Y = Rect->top; Y < Rect->bottom; Y += 2) {
        VLine(*D, Rect->left, Y, Y + 1, C);
        VLine(*D, Rect->right - 1, Y, Y + 1, C);
    }
    return true;
}

BOOL DrawEdge(HDC Dc, RECT* Rect, UINT Edge, UINT Flags) {
    TDcRec* D = FindDc(Dc);
    if (!D || !Rect) return false;
    RECT R = *Rect;
    const COLORREF Light = GetSysColor(COLOR_3DLIGHT);
    const COLORREF Highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF Shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF DarkShadow = GetSysColor(COLOR_3DDKSHADOW);
    const UINT Sides = Flags & BF_RECT;
    if (Flags & BF_FLAT) {
        if (Edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) Ring(*D, R, Sides, Shadow, Shadow);
        if (Edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
            Ring(*D, R, Sides, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    } else {
        if (Edge & BDR_RAISEDOUTER)
            Ring(*D, R, Sides, Flags & BF_SOFT ? Highlight : Light, DarkShadow);
        if (Edge & BDR_SUNKENOUTER) Ring(*D, R, Sides, Shadow, Highlight);
        if (Edge & BDR_RAISEDINNER) Ring(*D, R, Sides, Flags & BF_SOFT ? Light : Highlight, Shadow);
        if (Edge & BDR_SUNKENINNER) Ring(*D, R, Sides, DarkShadow, Light);
    }
    if (Flags & BF_MIDDLE) Fill(*D, R, GetSysColor(COLOR_BTNFACE));
    if (Flags & BF_ADJUST) *Rect = R;
    return true;
}

BOOL DrawFrameControl(HDC Dc, RECT* Rect, UINT Kind, UINT State) {
    TDcRec* D = FindDc(Dc);
    if (!D || !Rect) return false;
    RECT R = *Rect;
    const bool Inactive = State & DFCS_INACTIVE;
    const COLORREF Mark = Inactive ? GetSysColor(COLOR_GRAYTEXT) : GetSysColor(COLOR_BTNTEXT);
    switch (Kind) {
    case DFC_BUTTON:
        if ((State & 0x1F) == DFCS_BUTTONPUSH) {
            DrawEdge(Dc, &R, State & DFCS_PUSHED ? EDGE_SUNKEN : EDGE_RAISED,
                     BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
        } else if ((State & 0x1F) == DFCS_BUTTONRADIO) {
            D->Painter->Ellipse(ToTop(*D, R),
                                Inactive ? GetSysColor(COLOR_BTNFACE) : GetSysColor(COLOR_WINDOW),
                                GetSysColor(COLOR_BTNSHADOW));
            if (State & DFCS_CHECKED) {
                const LONG Cx = (R.left + R.right) / 2, Cy = (R.top + R.bottom) / 2;
                D->Painter->Ellipse(ToTop(*D, RECT{Cx - 2, Cy - 2, Cx + 2, Cy + 2}), Mark, Mark);
            }
        } else {
            DrawEdge(Dc, &R, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
            Fill(*D, R,
                 Inactive || (State & DFCS_PUSHED) ? GetSysColor(COLOR_BTNFACE)
                                                   : GetSysColor(COLOR_WINDOW));
            if (State & DFCS_CHECKED) Check(*D, R, Mark);
        }
        return true;
    case DFC_CAPTION: {
        DrawEdge(Dc, &R, State & DFCS_PUSHED ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
        const LONG Cx = (R.left + R.right) / 2, Cy = (R.top + R.bottom) / 2;
        switch (State & 0xF) {
        case DFCS_CAPTIONCLOSE:
            for (int I = -3; I <= 3; ++I) {
                Fill(*D, {Cx + I - 1, Cy + I, Cx + I + 1, Cy + I + 1}, Mark);
                Fill(*D, {Cx + I - 1, Cy - I, Cx + I + 1, Cy - I + 1}, Mark);
            }
            break;
        case DFCS_CAPTIONMIN:
            Fill(*D, {Cx - 4, Cy + 2, Cx + 2, Cy + 4}, Mark);
            break;
        case DFCS_CAPTIONMAX:
            Ring(*D, R = RECT{Cx - 4, Cy - 4, Cx + 5, Cy + 4}, BF_RECT, Mark, Mark);
            Fill(*D, {Cx - 4, Cy - 3, Cx + 5, Cy - 2}, Mark);
            break;
        default:
            Ring(*D, R = RECT{Cx - 4, Cy - 1, Cx + 2, Cy + 4}, BF_RECT, Mark, Mark);
            Ring(*D, R = RECT{Cx - 2, Cy - 4, Cx + 4, Cy + 1}, BF_TOP | BF_RIGHT, Mark, Mark);
            break;
        }
        return true;
    }
    case DFC_SCROLL: {
        DrawEdge(Dc, &R, State & DFCS_PUSHED ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT | BF_MIDDLE | BF_ADJUST);
        const UINT Which = State & 0xF;
        Arrow(*D, R, Which == DFCS_SCROLLCOMBOBOX ? 1 : int(Which), Mark);
        return true;
    }
    case DFC_MENU:
        if ((State & 0xF) == DFCS_MENUCHECK)
            Check(*D, R, Mark);
        else
            Arrow(*D, R, 3, Mark);
        return true;
    default:
        return false;
    }
}

int DrawTextA(HDC Dc, LPCSTR Text, int Count, RECT* Rect, UINT Format) {
    TDcRec* D = FindDc(Dc);
    if (!D || !Text || !Rect) return 0;
    const std::string Utf8 = ToUtf8(Text, Count);
    const LOGFONTA Font = detail::DcFont(*D);
    const RECT Box = ToTop(*D, *Rect);
    if (Format & DT_CALCRECT) {
        const SIZE S = D->Painter->Text(Box, Utf8, Font, D->State.TextColor, Format, true);
        Rect->right = Rect->left + S.cx;
        Rect->bottom = Rect->top + S.cy;
        return S.cy;
    }
    if (D->State.BkMode == OPAQUE) Fill(*D, *Rect, D->State.BkColor);
    RECT Saved = D->State.Clip;
    if (!(Format & DT_NOCLIP)) {
        RECT Clip{std::max(Saved.left, Box.left), std::max(Saved.top, Box.top),
                  std::min(Saved.right, Box.right), std::min(Saved.bottom, Box.bottom)};
        D->Painter->SetClip(Clip);
    }
    const SIZE S = D->Painter->Text(Box, Utf8, Font, D->State.TextColor, Format, false);
    D->Painter->SetClip(Saved);
    return S.cy;
}

BOOL GetTextExtentPoint32A(HDC Dc, LPCSTR Text, int Count, SIZE* Size) {
    TDcRec* D = FindDc(Dc);
    if (!D || !Text || !Size) return false;
    *Size = D->Painter->Text({}, ToUtf8(Text, Count), detail::DcFont(*D), 0,
                             DT_SINGLELINE | DT_NOPREFIX, true);
    return true;
}

int SaveDC(HDC Dc) {
    TDcRec* D = FindDc(Dc);
    if (!D) return 0;
    D->Saved.push_back(D->State);
    return int(D->Saved.size());
}

BOOL RestoreDC(HDC Dc, int Saved) {
    TDcRec* D = FindDc(Dc);
    if (!D) return false;
    const int Count = int(D->Saved.size());
    const int Level = Saved < 0 ? Count + Saved + 1 : Saved;
    if (Level < 1 || Level > Count) return false;
    D->State = D->Saved[std::size_t(Level - 1)];
    D->Saved.resize(std::size_t(Level - 1));
    D->Painter->SetClip(D->State.Clip);
    return true;
}

int IntersectClipRect(HDC Dc, int Left, int Top, int Right, int Bottom) {
    TDcRec* D = FindDc(Dc);
    if (!D) return 0;
    const RECT R = ToTop(*D, RECT{Left, Top, Right, Bottom});
    RECT& C = D->State.Clip;
    C = {std::max(C.left, R.left), std::max(C.top, R.top), std::min(C.right, R.right),
         std::min(C.bottom, R.bottom)};
    if (C.right <= C.left || C.bottom <= C.top) C = {};
    D->Painter->SetClip(C);
    return C.right > C.left ? 2 : 1;
}

BOOL OffsetViewportOrgEx(HDC Dc, int X, int Y, POINT* Previous) {
    TDcRec* D = FindDc(Dc);
    if (!D) return false;
    if (Previous) *Previous = D->State.Origin;
    D->State.Origin.x += X;
    D->State.Origin.y += Y;
    return true;
}

} // namespace host
