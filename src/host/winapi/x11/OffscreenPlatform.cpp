#include "host/winapi/x11/OffscreenPlatform.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/x11/CairoPainter.h"

#include <algorithm>

namespace host::x11 {

TOffscreenPlatform::~TOffscreenPlatform() {
    for (auto& [Wnd, Surface] : FSurfaces)
        cairo_surface_destroy(Surface);
}

void TOffscreenPlatform::ResizeSurface(HWND Wnd) {
    RECT R;
    if (!GetWindowRect(Wnd, &R)) return;
    const int W = std::max<int>(1, R.right - R.left), H = std::max<int>(1, R.bottom - R.top);
    auto It = FSurfaces.find(Wnd);
    if (It != FSurfaces.end()) {
        if (cairo_image_surface_get_width(It->second) == W &&
            cairo_image_surface_get_height(It->second) == H)
            return;
        cairo_surface_destroy(It->second);
        FSurfaces.erase(It);
    }
    cairo_surface_t* S = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
    // Until painted, a window shows the button face colour, as a fresh classic window does.
    cairo_t* Cr = cairo_create(S);
    const COLORREF Face = GetSysColor(COLOR_BTNFACE);
    cairo_set_source_rgb(Cr, GetRValue(Face) / 255.0, GetGValue(Face) / 255.0,
                         GetBValue(Face) / 255.0);
    cairo_paint(Cr);
    cairo_destroy(Cr);
    FSurfaces[Wnd] = S;
}

void TOffscreenPlatform::WindowCreated(HWND Wnd) {
    ResizeSurface(Wnd);
}

void TOffscreenPlatform::WindowChanged(HWND Wnd, TWindowChange Change) {
    if (Change == TWindowChange::Bounds) ResizeSurface(Wnd);
}

void TOffscreenPlatform::WindowDestroyed(HWND Wnd) {
    const auto It = FSurfaces.find(Wnd);
    if (It == FSurfaces.end()) return;
    cairo_surface_destroy(It->second);
    FSurfaces.erase(It);
}

std::unique_ptr<TPainter> TOffscreenPlatform::CreatePainter(HWND TopLevel) {
    cairo_surface_t* S = Surface(TopLevel);
    if (!S) return std::make_unique<TNullPainter>();
    return std::make_unique<TCairoPainter>(S);
}

cairo_surface_t* TOffscreenPlatform::Surface(HWND TopLevel) const {
    const auto It = FSurfaces.find(TopLevel);
    return It == FSurfaces.end() ? nullptr : It->second;
}

bool TOffscreenPlatform::WritePng(HWND TopLevel, const std::string& FileName) const {
    cairo_surface_t* S = Surface(TopLevel);
    if (!S) return false;
    cairo_surface_flush(S);
    return cairo_surface_write_to_png(S, FileName.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace host::x11
