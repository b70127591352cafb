// The locale catalogue of the locale translator: lines LCIDHEX_SETTING=text in a sorted
// list, produced from the platform's locale information, and the language list derived from
// their names.
#pragma once

#include "translators/SortList.h"

#include <span>
#include <string_view>

namespace zantor {

// What a catalogue entry is applied to when a locale is switched to.
enum class TSettingKind {
    LongDayName, // index 1 = Monday .. 7 = Sunday
    ShortDayName,
    LongMonthName, // index 1 = January .. 12
    ShortMonthName,
    Text,      // a string setting
    Separator, // its first character
    Number,    // an integer setting
    NotApplied // names of the language list
};

// One row of the catalogue: the setting after "LCIDHEX", the platform item read for it
// (0 for settings composed or fixed) and the text used when the query fails.
struct TLocaleSetting {
    const char* Name; // "_LONGDAYNAMES[1]", "_TIMESEPARATOR", ...
    unsigned Item;
    const char* Fallback;
    TSettingKind Kind;
    int Index; // day or month number; 0 otherwise
};

// The 58 settings of a locale, in the order AddOrgProps produces them.
std::span<const TLocaleSetting> LocaleSettings();
// The row of a setting name such as "_LONGDAYNAMES[1]"; nullptr for one that is unknown.
const TLocaleSetting* FindLocaleSetting(std::string_view Name);

// The identifier as exactly eight upper-case hexadecimal digits ("0000040C").
String LocaleHex(Integer LCID);
// The identifier of a locale string: HexToInt of its last eight characters (of all of it
// when shorter).
Integer LocaleOfString(std::string_view LocaleString);

// Appends by SortInsert the 58 entries of LCID read from the platform, each with LCID as
// object; a failed query gives the fallback text. Time formats are composed from the
// leading-zero, clock and AM/PM-position items; the century window is always 0. Entries of
// LCID already in List are not removed (they are duplicated).
// Each call places its 58 lines one by one, shifting the lines after them: cheap at the end
// of the list (locales added in ascending order), costly in front of a large catalogue.
void AddOrgProps(Integer LCID, TSortList* List);
// The same for many locales at once, in one merge: what AddOrgProps of each in turn would
// give, in O((n + m) log m) for n lines present and m added, whatever the order.
void AddOrgProps(std::span<const Integer> LCIDs, TSortList* List);

// Empties LangList and lists every locale of Catalogue that has a "_NATIVENAME" entry, with
// the display text Format(ListFormat, English name, English country, native name, native
// country) and the identifier as object, sorted by display text. The name slots are kept
// across locales, as the entries of one locale sort _ENGLISHCOUNTRYNAME, _ENGLISHNAME,
// _NATIVECOUNTRYNAME, _NATIVENAME. Values are taken up to 4095 characters.
void BuildLangList(const TSortList& Catalogue, std::string_view ListFormat, TSortList& LangList);

} // namespace zantor
