// Choosing the platform at start-up: the X11 display when the application wants one and
// $DISPLAY names one (or ZANTOR_DISPLAY=x11 asks for it), headless otherwise
// (ZANTOR_DISPLAY=none forces that).
#pragma once

#include "host/winapi/Platform.h"

#include <string>

namespace host::x11 {

// Installs the X11 platform when the environment and Wanted say so; returns the name of the
// platform in use. ZANTOR_DISPLAY=x11 without a reachable display raises the display error.
std::string SelectPlatform(bool Wanted);

} // namespace host::x11
