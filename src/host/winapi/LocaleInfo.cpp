#include "host/winapi/LocaleInfo.h"

#include "host/winapi/LocaleIcu.h"
#include "host/winapi/LocaleItems.h"
#include "host/winapi/LocaleTable.h"

#include <cstring>
#include <map>
#include <mutex>
#include <optional>

namespace host {

namespace {

constexpr LCTYPE ItemFlags = LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP | LOCALE_RETURN_NUMBER;

LCID ResolveDefault(LCID Locale) {
    if (Locale == LOCALE_USER_DEFAULT || Locale == LOCALE_NEUTRAL) return GetUserDefaultLCID();
    if (Locale == LOCALE_SYSTEM_DEFAULT) return GetSystemDefaultLCID();
    return Locale;
}

// Items of each locale are computed once; there are a few hundred locales at most.
const TLocaleItems* ItemsOf(LCID Locale) {
    static std::mutex Lock;
    static std::map<LCID, std::optional<TLocaleItems>> Cache;
    const std::lock_guard<std::mutex> Guard(Lock);
    auto It = Cache.find(Locale);
    if (It == Cache.end()) {
        std::optional<TLocaleItems> Items;
        if (auto Name = LocaleNameOf(Locale)) {
            if (auto Data = ReadIcuLocale(*Name)) Items = BuildLocaleItems(Locale, *Data);
        }
        It = Cache.emplace(Locale, std::move(Items)).first;
    }
    return It->second ? &*It->second : nullptr;
}

int Fail(std::uint32_t Error) {
    SetLastError(Error);
    return 0;
}

bool IsNumericItem(LCTYPE Item) {
    switch (Item) {
    case LOCALE_IDEFAULTCODEPAGE:
    case LOCALE_IDEFAULTANSICODEPAGE:
    case LOCALE_IDIGITS:
    case LOCALE_ILZERO:
    case LOCALE_ICURRDIGITS:
    case LOCALE_ICURRENCY:
    case LOCALE_INEGCURR:
    case LOCALE_IDATE:
    case LOCALE_ILDATE:
    case LOCALE_ITIME:
    case LOCALE_ITLZERO:
    case LOCALE_ITIMEMARKPOSN:
    case LOCALE_IFIRSTDAYOFWEEK:
        return true;
    default:
        return false;
    }
}

int CopyNumber(const std::string& Text, char* Buffer, int Size) {
    constexpr int Needed = sizeof(std::uint32_t);
    if (Size == 0) return Needed;
    if (Size < Needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
    const std::uint32_t Value = static_cast<std::uint32_t>(std::stoul(Text));
    std::memcpy(Buffer, &Value, sizeof Value);
    return Needed;
}

int CopyText(const std::string& Text, char* Buffer, int Size) {
    const int Needed = static_cast<int>(Text.size()) + 1;
    if (Size == 0) return Needed;
    if (Size < Needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(Buffer, Text.c_str(), static_cast<std::size_t>(Needed));
    return Needed;
}

} // namespace

int GetLocaleInfoA(LCID Locale, LCTYPE LCType, char* lpLCData, int cchData) {
    if (cchData < 0 || (cchData > 0 && lpLCData == nullptr)) return Fail(ERROR_INVALID_PARAMETER);
    const TLocaleItems* Items = ItemsOf(ResolveDefault(Locale));
    if (Items == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    const LCTYPE Item = LCType & ~ItemFlags;
    const auto It = Items->find(Item);
    if (It == Items->end()) return Fail(ERROR_INVALID_FLAGS);
    if (LCType & LOCALE_RETURN_NUMBER) {
        if (!IsNumericItem(Item)) return Fail(ERROR_INVALID_FLAGS);
        return CopyNumber(It->second, lpLCData, cchData);
    }
    return CopyText(Utf8ToCodePage(It->second, GetACP()), lpLCData, cchData);
}

} // namespace host
