// How a platform hands what the person does to the window layer: as posted messages for the
// window under the mouse (or holding the capture) and for the window with the focus.
#pragma once

#include "host/winapi/WinTypes.h"

#include <string_view>

namespace host {

// Msg is a client mouse message (WM_LBUTTONDOWN ...); the layer hit-tests the point and posts
// it, or its non-client form, to the window there. Wheel is in WHEEL_DELTA units.
void PostMouseInput(UINT Msg, POINT ScreenPoint, WPARAM Keys, int Wheel = 0);
// A key going down or up, as a virtual key; with Alt held it becomes WM_SYSKEYDOWN/UP.
void PostKeyInput(int VirtualKey, bool Down);
// Typed text (UTF-8) as WM_CHAR messages in the process code page (WM_SYSCHAR with Alt).
void PostCharInput(std::string_view Utf8);

} // namespace host
