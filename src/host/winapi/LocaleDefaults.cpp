// Default, thread and enumerated locales of the platform, taken from the POSIX environment.
#include "host/winapi/LocaleInfo.h"

#include "host/winapi/LocaleTable.h"

#include <unicode/locid.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace host {

namespace {

constexpr LCID EnglishUnitedStates = 0x0409;

std::string_view EnvValue(const char* Name) {
    const char* Value = std::getenv(Name);
    return Value ? std::string_view(Value) : std::string_view();
}

// "de" or "sr_RS": complete the name with ICU's likely script and region and try again.
std::optional<LCID> LikelyLcid(const std::string& Name) {
    icu::Locale Likely(Name.c_str());
    UErrorCode Status = U_ZERO_ERROR;
    Likely.addLikelySubtags(Status);
    if (U_FAILURE(Status) || Likely.isBogus()) return std::nullopt;
    const std::string Language = Likely.getLanguage();
    const std::string Region = Likely.getCountry();
    if (auto Id = LcidOfLocaleName(Language + "-" + Likely.getScript() + "-" + Region)) return Id;
    return LcidOfLocaleName(Language + "-" + Region);
}

bool IsEnumFlag(std::uint32_t Flags) {
    return Flags == LCID_INSTALLED || Flags == LCID_SUPPORTED;
}

thread_local std::optional<LCID> ThreadLocale;

} // namespace

LCID LcidFromPosixLocale(std::string_view Name) {
    const std::string Base(Name.substr(0, Name.find_first_of(".@")));
    if (Base.empty() || Base == "C" || Base == "POSIX") return EnglishUnitedStates;
    if (auto Id = LcidOfLocaleName(Base)) return *Id;
    return LikelyLcid(Base).value_or(EnglishUnitedStates);
}

LCID GetUserDefaultLCID() {
    for (const char* Variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const std::string_view Value = EnvValue(Variable);
        if (!Value.empty()) return LcidFromPosixLocale(Value);
    }
    return EnglishUnitedStates;
}

LCID GetSystemDefaultLCID() {
    return LcidFromPosixLocale(EnvValue("LANG"));
}

LANGID GetUserDefaultLangID() {
    return LANGIDFROMLCID(GetUserDefaultLCID());
}

LANGID GetSystemDefaultLangID() {
    return LANGIDFROMLCID(GetSystemDefaultLCID());
}

int EnumSystemLocalesA(LOCALE_ENUMPROCA Proc, std::uint32_t Flags) {
    if (Proc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!IsEnumFlag(Flags)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    for (const TLocaleEntry& Entry : KnownLocales()) {
        char Text[16];
        std::snprintf(Text, sizeof Text, "%08x", static_cast<unsigned>(Entry.Id));
        if (!Proc(Text)) break;
    }
    return 1;
}

int IsValidLocale(LCID Locale, std::uint32_t Flags) {
    return IsEnumFlag(Flags) && LocaleNameOf(Locale).has_value() ? 1 : 0;
}

int SetThreadLocale(LCID Locale) {
    if (Locale == LOCALE_USER_DEFAULT) Locale = GetUserDefaultLCID();
    if (Locale == LOCALE_SYSTEM_DEFAULT) Locale = GetSystemDefaultLCID();
    if (!LocaleNameOf(Locale)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ThreadLocale = Locale;
    return 1;
}

LCID GetThreadLocale() {
    return ThreadLocale.value_or(GetUserDefaultLCID());
}

} // namespace host
