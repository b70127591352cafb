// A platform that paints every top-level window into an image in memory, as a display would,
// without one: for pictures of forms and for measuring painting.
#pragma once

#include "host/winapi/Platform.h"

#include <cairo.h>

#include <string>
#include <unordered_map>

namespace host::x11 {

class TOffscreenPlatform : public TPlatform {
public:
    TOffscreenPlatform() = default;
    ~TOffscreenPlatform() override;
    TOffscreenPlatform(const TOffscreenPlatform&) = delete;
    TOffscreenPlatform& operator=(const TOffscreenPlatform&) = delete;

    const char* Name() const override { return "offscreen"; }
    void WindowCreated(HWND Wnd) override;
    void WindowChanged(HWND Wnd, TWindowChange Change) override;
    void WindowDestroyed(HWND Wnd) override;
    std::unique_ptr<TPainter> CreatePainter(HWND TopLevel) override;

    // The image of a top-level window (whole window, frame included); null when it has none.
    cairo_surface_t* Surface(HWND TopLevel) const;
    // Writes it as PNG; false when the window has no image or the file cannot be written.
    [[nodiscard]] bool WritePng(HWND TopLevel, const std::string& FileName) const;
    int SurfaceCount() const { return int(FSurfaces.size()); }

protected:
    // The image is made again at the window's size (its content is painted again anyway).
    void ResizeSurface(HWND Wnd);

private:
    std::unordered_map<HWND, cairo_surface_t*> FSurfaces;
};

} // namespace host::x11
