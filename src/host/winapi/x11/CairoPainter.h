// A painter over a Cairo context, with text laid out by Pango: the drawing side of the display
// and off-screen platforms.
#pragma once

#include "host/winapi/Painter.h"

#include <cairo.h>

namespace host::x11 {

class TCairoPainter : public TPainter {
public:
    // Takes a reference on Surface for its lifetime.
    explicit TCairoPainter(cairo_surface_t* Surface);
    ~TCairoPainter() override;
    TCairoPainter(const TCairoPainter&) = delete;
    TCairoPainter& operator=(const TCairoPainter&) = delete;

    void SetClip(const RECT& Clip) override;
    void FillRect(const RECT& Rect, COLORREF Color) override;
    void Line(POINT From, POINT To, COLORREF Color) override;
    void Ellipse(const RECT& Rect, COLORREF Fill, COLORREF Outline) override;
    SIZE Text(const RECT& Box, std::string_view Text, const LOGFONTA& Font, COLORREF Color,
              UINT Format, bool Measure) override;

private:
    cairo_t* FCairo;
};

// The fontconfig family list that stands for a classic face ("MS Sans Serif" ...).
const char* FamilyForFace(const char* Face);

} // namespace host::x11
