// Internal to the window layer: the record behind a device context.
#pragma once

#include "host/winapi/Fonts.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Painter.h"

#include <memory>
#include <vector>

namespace host::detail {

struct TDcState {
    POINT Origin; // of the context's coordinates, in the top-level window's coordinates
    RECT Clip;    // in the top-level window's coordinates
    HFONT Font = nullptr;
    COLORREF TextColor = 0;
    COLORREF BkColor = 0xFFFFFF;
    int BkMode = OPAQUE;
    COLORREF BrushColor = 0xFFFFFF;
    COLORREF PenColor = 0;
    POINT Pen;
};

struct TDcRec {
    HDC Handle = nullptr;
    HWND Wnd = nullptr;
    HWND TopLevel = nullptr;
    std::unique_ptr<TPainter> Painter;
    TDcState State;
    RECT Area; // what the context may draw on, for presenting it afterwards
    std::vector<TDcState> Saved;
};

TDcRec* FindDc(HDC Dc);
// The brush's colour; false for an unknown brush. The DC brush takes the context's colour.
bool BrushColor(HBRUSH Brush, const TDcRec& Dc, COLORREF& Color);
// Frees a brush made by CreateSolidBrush; false when Object is none.
bool DeleteBrush(HGDIOBJ Object);
void ResetBrushes();
// The font description of a context's font (the default GUI font when none).
LOGFONTA DcFont(const TDcRec& Dc);

} // namespace host::detail
