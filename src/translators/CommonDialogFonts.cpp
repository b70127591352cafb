// The font operations of TCommonDialogTranslator, apart from the rest because the window
// layer's character-set constants and those of the component layer share their names.
#include "translators/CommonDialogTranslator.h"

#include "host/winapi/Fonts.h"

#include <cstring>

namespace zantor {

using namespace host;

namespace {

bool ReadFont(HFONT Font, LOGFONTA& Description) {
    return Font && GetObjectA(Font, sizeof Description, &Description) == int(sizeof Description);
}

} // namespace

String TCommonDialogTranslator::GetFontName(HFONT Font) {
    LOGFONTA D;
    if (!ReadFont(Font, D)) return "System";
    return String(D.lfFaceName, strnlen(D.lfFaceName, LF_FACESIZE));
}

HFONT TCommonDialogTranslator::SetFontName(HFONT Font, const String& Name) {
    LOGFONTA D;
    if (!ReadFont(Font, D)) return Font;
    SetFaceName(D, Name.c_str());
    return CreateFontIndirectA(&D);
}

BYTE TCommonDialogTranslator::GetFontCharset(HFONT Font) {
    LOGFONTA D;
    return ReadFont(Font, D) ? D.lfCharSet : BYTE(DEFAULT_CHARSET);
}

HFONT TCommonDialogTranslator::SetFontCharset(HFONT Font, BYTE Charset) {
    LOGFONTA D;
    if (!ReadFont(Font, D)) return Font;
    D.lfCharSet = Charset;
    return CreateFontIndirectA(&D);
}

void TCommonDialogTranslator::DeleteDialogFont(HFONT Font) {
    DeleteObject(Font);
}

} // namespace zantor
