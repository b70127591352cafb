// The whole emulated window layer in one include, and the reset that test fixtures use.
#pragma once

#include "host/winapi/Activation.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/Hooks.h"
#include "host/winapi/Mdi.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/Process.h"
#include "host/winapi/Timers.h"
#include "host/winapi/WinTypes.h"
#include "host/winapi/WindowErrors.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

// Drops every window, window class registered by the program, menu, font, hook and timer, the
// message queue, the quit request, the idle handler, focus and activation, the logs, and sets
// the clock back to 0. Nothing is sent to the windows: their owners may already be gone.
// Handles from before stay invalid.
void ResetWindowLayer();

// Resets the window layer when made and again when it goes, so a test leaves nothing behind.
class TWindowLayerGuard {
public:
    TWindowLayerGuard() { ResetWindowLayer(); }
    ~TWindowLayerGuard() { ResetWindowLayer(); }
    TWindowLayerGuard(const TWindowLayerGuard&) = delete;
    TWindowLayerGuard& operator=(const TWindowLayerGuard&) = delete;
};

} // namespace host
