// Font objects of the window layer for TFont, kept apart because the window layer's character
// set constants and those of Graphics.h share their names.
#pragma once

#include "host/rtl/Types.h"
#include "host/winapi/WinTypes.h"

#include <cstdint>

namespace host {

// What CreateFontIndirectA is given for a TFont.
struct TFontHandleSpec {
    enum TPitch { Default, Fixed, Variable };
    int Height = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint8_t Charset = 0;
    TPitch Pitch = Default;
    String Name;
};

HFONT CreateFontHandle(const TFontHandleSpec& Spec);
// False for a null handle or one the window layer no longer knows.
bool IsFontHandle(HFONT Font);
// Ignores null and unknown handles.
void DeleteFontHandle(HFONT Font);

} // namespace host
