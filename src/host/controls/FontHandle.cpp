#include "host/controls/FontHandle.h"

#include "host/winapi/Fonts.h"

namespace host {

HFONT CreateFontHandle(const TFontHandleSpec& Spec) {
    LOGFONTA Font;
    Font.lfHeight = Spec.Height;
    Font.lfWeight = Spec.Bold ? FW_BOLD : FW_NORMAL;
    Font.lfItalic = Spec.Italic;
    Font.lfUnderline = Spec.Underline;
    Font.lfStrikeOut = Spec.StrikeOut;
    Font.lfCharSet = Spec.Charset;
    Font.lfPitchAndFamily = Spec.Pitch == TFontHandleSpec::Fixed      ? FIXED_PITCH
                            : Spec.Pitch == TFontHandleSpec::Variable ? VARIABLE_PITCH
                                                                      : DEFAULT_PITCH;
    SetFaceName(Font, Spec.Name.c_str());
    return CreateFontIndirectA(&Font);
}

bool IsFontHandle(HFONT Font) {
    return Font && GetObjectA(Font, 0, nullptr) != 0;
}

void DeleteFontHandle(HFONT Font) {
    if (IsFontHandle(Font)) DeleteObject(Font);
}

} // namespace host
