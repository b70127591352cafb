// Types and constants of the platform's national-language support: locale identifiers,
// locale-information items and the macros that take identifiers apart.
#pragma once

#include <cstdint>

namespace host {

using LCID = std::uint32_t;
using LCTYPE = std::uint32_t;
using LANGID = std::uint16_t;

// Identifier layout: bits 0-9 primary language, 10-15 sublanguage, 16-19 sort.
constexpr LANGID MAKELANGID(unsigned Primary, unsigned Sub) {
    return static_cast<LANGID>((Sub << 10) | Primary);
}
constexpr LCID MAKELCID(LANGID LangId, unsigned SortId) {
    return (static_cast<LCID>(SortId) << 16) | LangId;
}
constexpr LANGID LANGIDFROMLCID(LCID Id) {
    return static_cast<LANGID>(Id & 0xFFFF);
}
constexpr unsigned PRIMARYLANGID(LANGID LangId) {
    return LangId & 0x3FF;
}
constexpr unsigned SUBLANGID(LANGID LangId) {
    return LangId >> 10;
}

inline constexpr LCID LOCALE_NEUTRAL = 0x0000;
inline constexpr LCID LOCALE_INVARIANT = 0x007F;
inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;

// Flags OR-ed into an item.
inline constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000;
inline constexpr LCTYPE LOCALE_USE_CP_ACP = 0x40000000;
inline constexpr LCTYPE LOCALE_RETURN_NUMBER = 0x20000000;

// Flags of EnumSystemLocalesA and IsValidLocale.
inline constexpr std::uint32_t LCID_INSTALLED = 0x1;
inline constexpr std::uint32_t LCID_SUPPORTED = 0x2;

// Names and codes of the language and country.
inline constexpr LCTYPE LOCALE_ILANGUAGE = 0x0001;
inline constexpr LCTYPE LOCALE_SLANGUAGE = 0x0002;
inline constexpr LCTYPE LOCALE_SABBREVLANGNAME = 0x0003;
inline constexpr LCTYPE LOCALE_SNATIVELANGNAME = 0x0004;
inline constexpr LCTYPE LOCALE_SCOUNTRY = 0x0006;
inline constexpr LCTYPE LOCALE_SNATIVECTRYNAME = 0x0008;
inline constexpr LCTYPE LOCALE_IDEFAULTCODEPAGE = 0x000B;
inline constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001;
inline constexpr LCTYPE LOCALE_SENGCOUNTRY = 0x1002;
inline constexpr LCTYPE LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
inline constexpr LCTYPE LOCALE_SISO639LANGNAME = 0x0059;
inline constexpr LCTYPE LOCALE_SISO3166CTRYNAME = 0x005A;
inline constexpr LCTYPE LOCALE_SNAME = 0x005C;

// Numbers and currency.
inline constexpr LCTYPE LOCALE_SLIST = 0x000C;
inline constexpr LCTYPE LOCALE_SDECIMAL = 0x000E;
inline constexpr LCTYPE LOCALE_STHOUSAND = 0x000F;
inline constexpr LCTYPE LOCALE_SGROUPING = 0x0010;
inline constexpr LCTYPE LOCALE_IDIGITS = 0x0011;
inline constexpr LCTYPE LOCALE_ILZERO = 0x0012;
inline constexpr LCTYPE LOCALE_SCURRENCY = 0x0014;
inline constexpr LCTYPE LOCALE_SINTLSYMBOL = 0x0015;
inline constexpr LCTYPE LOCALE_SMONDECIMALSEP = 0x0016;
inline constexpr LCTYPE LOCALE_SMONTHOUSANDSEP = 0x0017;
inline constexpr LCTYPE LOCALE_ICURRDIGITS = 0x0019;
inline constexpr LCTYPE LOCALE_ICURRENCY = 0x001B;
inline constexpr LCTYPE LOCALE_INEGCURR = 0x001C;
inline constexpr LCTYPE LOCALE_SPOSITIVESIGN = 0x0050;
inline constexpr LCTYPE LOCALE_SNEGATIVESIGN = 0x0051;

// Dates and times.
inline constexpr LCTYPE LOCALE_SDATE = 0x001D;
inline constexpr LCTYPE LOCALE_STIME = 0x001E;
inline constexpr LCTYPE LOCALE_SSHORTDATE = 0x001F;
inline constexpr LCTYPE LOCALE_SLONGDATE = 0x0020;
inline constexpr LCTYPE LOCALE_IDATE = 0x0021;
inline constexpr LCTYPE LOCALE_ILDATE = 0x0022;
inline constexpr LCTYPE LOCALE_ITIME = 0x0023;
inline constexpr LCTYPE LOCALE_ITLZERO = 0x0025;
inline constexpr LCTYPE LOCALE_S1159 = 0x0028;
inline constexpr LCTYPE LOCALE_S2359 = 0x0029;
inline constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
inline constexpr LCTYPE LOCALE_ITIMEMARKPOSN = 0x1005;
inline constexpr LCTYPE LOCALE_IFIRSTDAYOFWEEK = 0x100C;

// Day names run Monday (1) to Sunday (7).
inline constexpr LCTYPE LOCALE_SDAYNAME1 = 0x002A;
inline constexpr LCTYPE LOCALE_SDAYNAME2 = 0x002B;
inline constexpr LCTYPE LOCALE_SDAYNAME3 = 0x002C;
inline constexpr LCTYPE LOCALE_SDAYNAME4 = 0x002D;
inline constexpr LCTYPE LOCALE_SDAYNAME5 = 0x002E;
inline constexpr LCTYPE LOCALE_SDAYNAME6 = 0x002F;
inline constexpr LCTYPE LOCALE_SDAYNAME7 = 0x0030;
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME1 = 0x0031;
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME2 = 0x0032;
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME3 = 0x0033;
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME4 = 0x0034;
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME5 = 0x0035;
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME6 = 0x0036;
inline constexpr LCTYPE LOCALE_SABBREVDAYNAME7 = 0x0037;
inline constexpr LCTYPE LOCALE_SMONTHNAME1 = 0x0038;
inline constexpr LCTYPE LOCALE_SMONTHNAME2 = 0x0039;
inline constexpr LCTYPE LOCALE_SMONTHNAME3 = 0x003A;
inline constexpr LCTYPE LOCALE_SMONTHNAME4 = 0x003B;
inline constexpr LCTYPE LOCALE_SMONTHNAME5 = 0x003C;
inline constexpr LCTYPE LOCALE_SMONTHNAME6 = 0x003D;
inline constexpr LCTYPE LOCALE_SMONTHNAME7 = 0x003E;
inline constexpr LCTYPE LOCALE_SMONTHNAME8 = 0x003F;
inline constexpr LCTYPE LOCALE_SMONTHNAME9 = 0x0040;
inline constexpr LCTYPE LOCALE_SMONTHNAME10 = 0x0041;
inline constexpr LCTYPE LOCALE_SMONTHNAME11 = 0x0042;
inline constexpr LCTYPE LOCALE_SMONTHNAME12 = 0x0043;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME1 = 0x0044;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME2 = 0x0045;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME3 = 0x0046;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME4 = 0x0047;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME5 = 0x0048;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME6 = 0x0049;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME7 = 0x004A;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME8 = 0x004B;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME9 = 0x004C;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME10 = 0x004D;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME11 = 0x004E;
inline constexpr LCTYPE LOCALE_SABBREVMONTHNAME12 = 0x004F;

} // namespace host
