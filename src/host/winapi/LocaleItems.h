// The answers to the locale-information items of one locale, computed from its CLDR data.
#pragma once

#include "host/winapi/LocaleIcu.h"
#include "host/winapi/Nls.h"

#include <string>
#include <unordered_map>

namespace host {

// Item -> UTF-8 text; an item missing from the map is one the platform does not answer.
using TLocaleItems = std::unordered_map<LCTYPE, std::string>;

TLocaleItems BuildLocaleItems(LCID Id, const TIcuLocaleData& Data);

// Windows three-letter language abbreviation ("ENU", "FRA", "DEU").
std::string AbbreviatedLanguageName(LCID Id, const TIcuLocaleData& Data);

// Default ANSI and OEM code pages; 0 and 1 for locales that have only Unicode.
struct TCodePages {
    unsigned Ansi;
    unsigned Oem;
};
TCodePages CodePagesOf(LCID Id, const TIcuLocaleData& Data);

} // namespace host
