// The display platform: each top-level window of the layer is an X11 window, painted into an
// image that is copied to the window, with the person's mouse and keyboard coming back as the
// layer's messages. The frame (caption, borders, menu bar) is the layer's own drawing, so the
// window manager is asked for no decorations.
#pragma once

#include "host/rtl/Exceptions.h"
#include "host/winapi/x11/OffscreenPlatform.h"

#include <string>

namespace host::x11 {

// The connection to the X server was lost (the server ended, the display went away).
class EDisplayLost : public Exception {
public:
    using Exception::Exception;
};

class TX11Platform : public TOffscreenPlatform {
public:
    // Opens the display (null: $DISPLAY); raises Exception "Cannot open X display ..." when
    // there is none.
    explicit TX11Platform(const char* DisplayName = nullptr);
    ~TX11Platform() override;

    const char* Name() const override { return "x11"; }
    void WindowCreated(HWND Wnd) override;
    void WindowChanged(HWND Wnd, TWindowChange Change) override;
    void WindowDestroyed(HWND Wnd) override;
    void Present(HWND TopLevel, const RECT& Rect) override;
    void BeginWindowMove(HWND Wnd, POINT ScreenPoint) override;
    void PumpInput() override;
    bool WaitForInput(int TimeoutMs) override;
    bool RealTime() const override { return true; }

    // The X window of a top-level window (0 when none), for tests and tools.
    unsigned long XWindow(HWND Wnd) const;
    // The name the X server holds for the window (_NET_WM_NAME, UTF-8).
    std::string XWindowName(HWND Wnd) const;
    // Reads the window's pixels back from the X server into a PNG file.
    [[nodiscard]] bool CapturePng(HWND Wnd, const std::string& FileName) const;
    // Waits until the server has handled every request (and the windows are mapped).
    void Sync();
    const std::string& DisplayName() const;
    int WindowCount() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

} // namespace host::x11
