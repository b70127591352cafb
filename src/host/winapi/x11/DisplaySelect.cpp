#include "host/winapi/x11/DisplaySelect.h"
#include "host/winapi/x11/X11Platform.h"

#include <cstdlib>
#include <cstring>

namespace host::x11 {

std::string SelectPlatform(bool Wanted) {
    const char* Asked = std::getenv("ZANTOR_DISPLAY");
    const char* Display = std::getenv("DISPLAY");
    const bool Forced = Asked && std::strcmp(Asked, "x11") == 0;
    const bool Refused = Asked && std::strcmp(Asked, "none") == 0;
    if (Refused || !(Forced || (Wanted && Display && *Display))) return CurrentPlatform().Name();
    try {
        SetPlatform(std::make_unique<TX11Platform>());
    } catch (const Exception&) {
        // A display that cannot be reached is only an error when it was asked for by name.
        if (Forced) throw;
    }
    return CurrentPlatform().Name();
}

} // namespace host::x11
