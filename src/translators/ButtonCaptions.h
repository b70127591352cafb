// The built-in button captions of TButtonTranslator: 25 languages, each row the texts of the
// eleven message-dialog buttons as bytes in the row's Windows code page.
#pragma once

#include "host/rtl/Types.h"
#include "host/typinfo/TypeData.h"

#include <array>

namespace zantor {

using host::String;

enum TLangName {
    lnUser,
    lnArabic,
    lnCatalan,
    lnChinese,
    lnCzech,
    lnDanish,
    lnDutch,
    lnEnglish,
    lnFinnish,
    lnFrench,
    lnGerman,
    lnGreek,
    lnHebrew,
    lnHungary,
    lnItalian,
    lnJapan,
    lnKorean,
    lnNorway,
    lnPolish,
    lnRussian,
    lnSlovak,
    lnSlovenia,
    lnSpanish,
    lnSwedish,
    lnTaiwanese,
    lnTurkish
};

inline constexpr int ButtonKeyCount = 11;

struct TButtonCaptionRow {
    unsigned CodePage;
    // Yes, No, OK, Cancel, Help, Abort, Retry, Ignore, All, OK, Cancel; bytes in CodePage.
    std::array<String, ButtonKeyCount> Texts;
};

// The row of a language other than lnUser.
const TButtonCaptionRow& ButtonCaptionRow(TLangName Language);

} // namespace zantor

ZT_DECLARE_TYPEINFO(zantor::TLangName);
