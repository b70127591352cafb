// What a device context draws through: one painter per paint of a top-level window, in that
// window's coordinates (its outer rectangle's top-left corner is 0, 0), clipped to one
// rectangle at a time. Each platform supplies its own; text arrives in UTF-8.
#pragma once

#include "host/winapi/Gdi.h"

#include <string_view>

namespace host {

struct LOGFONTA;

class TPainter {
public:
    virtual ~TPainter() = default;
    virtual void SetClip(const RECT& Clip) = 0;
    virtual void FillRect(const RECT& Rect, COLORREF Color) = 0;
    // A one-pixel line from From up to (not including) To.
    virtual void Line(POINT From, POINT To, COLORREF Color) = 0;
    virtual void Ellipse(const RECT& Rect, COLORREF Fill, COLORREF Outline) = 0;
    // Lays out Text in Box with the DrawTextA format bits (alignment, word breaks, prefix,
    // reading order) and draws it unless Measure; returns the size the text takes.
    virtual SIZE Text(const RECT& Box, std::string_view Text, const LOGFONTA& Font, COLORREF Color,
                      UINT Format, bool Measure) = 0;
};

// A painter that draws nothing and measures text by a fixed cell, for headless windows.
class TNullPainter : public TPainter {
public:
    void SetClip(const RECT&) override {}
    void FillRect(const RECT&, COLORREF) override {}
    void Line(POINT, POINT, COLORREF) override {}
    void Ellipse(const RECT&, COLORREF, COLORREF) override {}
    SIZE Text(const RECT& Box, std::string_view Text, const LOGFONTA& Font, COLORREF Color,
              UINT Format, bool Measure) override;
};

} // namespace host
