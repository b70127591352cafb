// Locale information of the platform, answered from ICU's CLDR data the way Windows answers:
// GetLocaleInfoA, the user's and system's default locales, the thread locale, enumeration.
#pragma once

#include "host/winapi/LocaleErrors.h"
#include "host/winapi/Nls.h"
#include "host/winapi/NlsCodePage.h"

#include <cstdint>
#include <string_view>

namespace host {

// Writes the text of item LCType (with its terminating zero) of locale Locale into lpLCData,
// in the process code page. cchData 0 asks for the size needed (terminating zero included).
// Returns the number of characters written, or 0 with the last error set to
// ERROR_INSUFFICIENT_BUFFER (buffer too small), ERROR_INVALID_PARAMETER (unknown locale,
// negative size, missing buffer) or ERROR_INVALID_FLAGS (an item the platform does not
// know). LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT and LOCALE_NEUTRAL stand for the
// default locales. With LOCALE_RETURN_NUMBER a numeric item is written as a 32-bit value
// and the result is 4.
int GetLocaleInfoA(LCID Locale, LCTYPE LCType, char* lpLCData, int cchData);

// The user's locale: the first set of LC_ALL, LC_TIME and LANG; the system's: LANG.
// "C", "POSIX", unset and unknown names all count as English (United States), 1033.
LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
LANGID GetUserDefaultLangID();
LANGID GetSystemDefaultLangID();

// The identifier of a POSIX locale name such as "fr_FR.UTF-8" or "de"; 1033 when unknown.
LCID LcidFromPosixLocale(std::string_view Name);

// Calls Proc with every known identifier as 8 hexadecimal digits until Proc returns 0.
// Flags must be LCID_INSTALLED or LCID_SUPPORTED; returns 0 (ERROR_INVALID_FLAGS /
// ERROR_INVALID_PARAMETER) otherwise or without Proc.
using LOCALE_ENUMPROCA = int (*)(const char* LocaleString);
int EnumSystemLocalesA(LOCALE_ENUMPROCA Proc, std::uint32_t Flags);

// Whether the platform knows the locale (exact identifier, sort 0).
int IsValidLocale(LCID Locale, std::uint32_t Flags);

// The calling thread's locale, the user's default until set; setting an unknown
// locale fails with ERROR_INVALID_PARAMETER and changes nothing.
int SetThreadLocale(LCID Locale);
LCID GetThreadLocale();

} // namespace host
