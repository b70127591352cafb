// The translation file shared by many translators: lines
//   <kind prefix><owner name>.<key>%<locale number>=<value>
// kept in byte-wise order. A translator touches only the lines of its own head; the -1
// lines of a head carry the untranslated texts that the lines of every locale refer to.
#pragma once

#include "translators/HostNames.h"

#include <functional>
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

// Head + "." + Key + "%" + Locale + "=" + Value.
String TranslationLine(std::string_view Head, std::string_view Key, Integer Locale,
                       std::string_view Value);

// Raises EWriteError naming the key when an entry would not read back as it is written: a
// key holding "%" or a line break, a value holding a line break.
void CheckTranslationEntries(const TKeyValues& Entries);

// Replaces, in FileName, the lines of Head for Locale by Own (written with Locale) and the
// -1 lines of Design's keys by Design (written with -1). Other -1 lines of Head stay while a
// line of another locale or of Own has their key, and go otherwise; every line of another
// head stays as it was. Raises, writing nothing, what CheckTranslationEntries raises and
// EConvertError for a line of Head whose locale number is not an integer.
void SaveTranslationFile(const String& FileName, const String& Head, Integer Locale,
                         const TKeyValues& Own, const TKeyValues& Design, bool ReplaceObjects);

// The lines of Head in file order; nullopt when the file does not exist. Raises
// EConvertError for a line of Head whose locale number is not an integer.
[[nodiscard]] std::optional<std::vector<TFileEntry>> ReadTranslationFile(const String& FileName,
                                                                         const String& Head);

// A line of the head being saved, as the file holds it (views into the file's text).
struct THeadLine {
    std::string_view Line;
    std::string_view Key;
    Integer Locale = 0;
    std::string_view Value;
    bool Keep = false; // set by the merge: the line stays as it is
};

// Decides the new lines of a head from its old ones: marks the old lines that stay and adds
// new whole lines.
using THeadMerge = std::function<void(std::vector<THeadLine>& Old, std::vector<String>& Added)>;

// The read-merge-write of a save, under the file's update lock so that processes saving
// other heads of the same file at the same moment keep their lines: reads FileName (nothing
// when it is missing; a byte-order mark is skipped and kept), lets Merge decide the lines of
// Head, and replaces the file atomically with every other line kept and the added lines
// inserted in byte-wise order (an added line equal to one present is written once when
// ReplaceObjects). Raises EConvertError, writing nothing, for a line of Head whose locale
// number is not an integer.
void UpdateTranslationFile(const String& FileName, const String& Head, bool ReplaceObjects,
                           const THeadMerge& Merge);

} // namespace zantor
