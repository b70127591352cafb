// The translation file shared by many translators: lines
//   <kind prefix><owner name>.<key>%<locale number>=<value>
// kept in byte-wise order. A translator touches only the lines of its own head.
#pragma once

#include "translators/HostNames.h"

#include <optional>
#include <utility>
#include <vector>

namespace zantor {

// One line of a translator's own head.
struct TFileEntry {
    String Key;
    Integer Locale = 0; // -1 for a line holding the untranslated text
    String Value;
};

using TKeyValues = std::vector<std::pair<String, String>>;

// Kind prefix followed by the owner's name, or its class name without the first letter
// when the name is empty.
String TranslationHead(std::string_view KindPrefix, const TComponent* Owner);

// Replaces, in FileName, the lines of Head for Locale and for -1 by Own (written with
// Locale) and Design (written with -1), leaving every other line as it was. The file is
// created when missing and replaced atomically. Raises EConvertError, writing nothing,
// when a line of Head carries a locale number that is not an integer.
void SaveTranslationFile(const String& FileName, const String& Head, Integer Locale,
                         const TKeyValues& Own, const TKeyValues& Design, bool ReplaceObjects);

// The lines of Head in file order; nullopt when the file does not exist. Raises
// EConvertError for a line of Head whose locale number is not an integer.
[[nodiscard]] std::optional<std::vector<TFileEntry>> ReadTranslationFile(const String& FileName,
                                                                         const String& Head);

} // namespace zantor
