// The table of locales the platform knows: Windows locale identifiers and their BCP 47 names.
#pragma once

#include "host/winapi/Nls.h"

#include <optional>
#include <span>
#include <string_view>

namespace host {

struct TLocaleEntry {
    LCID Id;
    const char* Name; // BCP 47, as ICU reads it ("fr-FR", "sr-Latn-RS", "es-ES-u-co-trad")
};

// All known locales in ascending identifier order.
std::span<const TLocaleEntry> KnownLocales();

// The name of an identifier; nullopt for one the table lacks (sort bits included).
std::optional<std::string_view> LocaleNameOf(LCID Id);

// The identifier of a name; case is ignored and "_" counts as "-" ("fr_fr" finds 1036).
std::optional<LCID> LcidOfLocaleName(std::string_view Name);

} // namespace host
