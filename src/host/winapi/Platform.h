// The platform the window layer runs on: headless (the default, deterministic, for tests and
// the command line) or a display. The layer tells the platform about its top-level windows and
// asks it for painters, input and waiting; nothing above the layer knows which one runs.
#pragma once

#include "host/winapi/Painter.h"

#include <memory>

namespace host {

// What changed about a top-level window.
enum class TWindowChange { Bounds, Text, Visibility, Style, Menu, Activation };

class TPlatform {
public:
    virtual ~TPlatform() = default;
    // "headless", "offscreen", "x11" ...
    virtual const char* Name() const = 0;

    // Top-level windows as they come, change and go.
    virtual void WindowCreated(HWND) {}
    virtual void WindowChanged(HWND, TWindowChange) {}
    virtual void WindowDestroyed(HWND) {}

    // A painter on the top-level window's surface for one paint; after it is gone the layer
    // calls Present with the rectangle drawn (window coordinates).
    virtual std::unique_ptr<TPainter> CreatePainter(HWND TopLevel) = 0;
    virtual void Present(HWND, const RECT&) {}

    // The person drags the caption of a top-level window from a screen point.
    virtual void BeginWindowMove(HWND, POINT) {}

    // Turns the input that has arrived into posted messages, without waiting.
    virtual void PumpInput() {}
    // Waits for input for at most TimeoutMs (-1: no limit); false when this platform has
    // nothing to wait for (then a message loop with nothing to do ends).
    virtual bool WaitForInput(int) { return false; }
    // True when timers run on real time (the layer's clock then follows the wall clock).
    virtual bool RealTime() const { return false; }
};

// The headless platform: no surfaces, nothing to wait for.
class THeadlessPlatform : public TPlatform {
public:
    const char* Name() const override { return "headless"; }
    std::unique_ptr<TPainter> CreatePainter(HWND) override;
};

TPlatform& CurrentPlatform();
// Installs a platform (null: headless again) and tells it about the top-level windows that
// exist; returns the previous one, which has been told they are gone.
std::unique_ptr<TPlatform> SetPlatform(std::unique_ptr<TPlatform> Platform);

} // namespace host
