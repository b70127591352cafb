// The dictionary file: one "source TAB translation" line per text, both escaped so that
// neither holds a line break or a TAB, kept in byte-wise order.
#pragma once

#include "host/rtl/Types.h"

#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace zantor {

using host::String;

// "\" becomes "\\", LF "\n", CR "\r", TAB "\t".
String WriteString(std::string_view S);
// The inverse in one left-to-right scan; a "\" before any other character stays as it is.
String ReadString(std::string_view S);

using TTextPairs = std::vector<std::pair<String, String>>;

// Merges (source, translation) pairs of plain texts into FileName: the line of a source
// text that the file has is replaced, other pairs are inserted in order, and lines of
// texts not given stay. Creates the file when missing; replaces it atomically under the
// file's update lock. A byte-order mark at the start is skipped and kept.
void MergeDictionaryFile(const String& FileName, const TTextPairs& Pairs, bool ReplaceObjects);

// The (source, translation) pairs of FileName in file order, unescaped; CR and LF both end
// a line, lines without TAB are left out. nullopt when the file does not exist.
[[nodiscard]] std::optional<TTextPairs> ReadDictionaryFile(const String& FileName);
// The same for text already in memory.
TTextPairs ParseDictionary(std::string_view Text);

// Calls Line for every line of Text (a byte-order mark skipped) that has a TAB, with the unescaped
// source text and the still escaped translation; fast for large files where most lines are not
// wanted.
void ScanDictionary(
    std::string_view Text,
    const std::function<void(std::string_view Source, std::string_view Translation)>& Line);

} // namespace zantor
