// Applying a locale of the catalogue to the run-time library's format settings.
#pragma once

#include "host/rtl/FormatSettings.h"
#include "translators/SortList.h"

#include <cstdint>
#include <string_view>

// The three package builds set this to their host version (4, or 3 for both version-3
// builds); the version-3 run-time library has no list separator and no two-digit-year
// window.
#ifndef ZT_HOST_VERSION
#define ZT_HOST_VERSION 4
#endif

namespace zantor {

#if ZT_HOST_VERSION < 4
// The unit's own stand-ins for what the version-3 run-time library lacks.
extern String ListSeparator;
extern std::uint16_t TwoDigitYearCenturyWindow;
#endif

// Where a switch writes: the run-time library's settings, and the list separator and
// century window, which live elsewhere on a version-3 host.
struct TLocaleSettingsTarget {
    host::TFormatSettings& Settings;
    String& ListSeparator;
    std::uint16_t& TwoDigitYearCenturyWindow;
};

// The target of this build.
TLocaleSettingsTarget RtlSettingsTarget();

// The first character of S in code page CodePage: one byte in a single-byte page, the whole
// sequence of a lead byte in UTF-8 and the double-byte pages (932, 936, 949, 950); empty for
// an empty S. A sequence cut short by the end of S is taken as far as it goes.
String FirstCharacter(std::string_view S, unsigned CodePage);

// Writes every entry of locale Id found in Catalogue (a sorted catalogue, see
// ZltCatalogue.h) into Target: day names with catalogue day n (Monday = 1) going to
// run-time day (n mod 7) + 1 (Sunday = 1), month names, texts, numbers (EConvertError for
// one that is not an integer; what came before stays applied), and separators as their
// first character in the process code page. A separator entry with an empty text keeps the
// previous separator. "_CURRENCYFORMAT" sets the positive currency format, so the whole
// currency appearance switches. Returns whether the catalogue holds Id at all.
bool ApplyLocaleSettings(const TSortList& Catalogue, Integer Id,
                         const TLocaleSettingsTarget& Target);

} // namespace zantor
