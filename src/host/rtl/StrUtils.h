// String helpers of the run-time library. Positions are 0-based here; callers that think in
// the host's 1-based positions convert at the edge, never inside these helpers.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>
#include <vector>

namespace host {

// Sentinel for "not found" from Pos.
inline constexpr std::size_t NotFound = String::npos;

// Substring of at most Count bytes from Index; an Index past the end gives "".
String Copy(std::string_view S, std::size_t Index, std::size_t Count = String::npos);
// Position of the first Sub in S at or after From, or NotFound (also for an empty Sub).
std::size_t Pos(std::string_view Sub, std::string_view S, std::size_t From = 0);

// ASCII case mapping; bytes >= 128 are left as they are.
String UpperCase(std::string_view S);
String LowerCase(std::string_view S);
char UpCase(char C);

// Ordinal comparison: negative, 0 or positive.
int CompareStr(std::string_view A, std::string_view B);
// Comparison that ignores ASCII case.
int CompareText(std::string_view A, std::string_view B);
bool SameText(std::string_view A, std::string_view B);

// Removes leading and/or trailing characters <= ' '.
String Trim(std::string_view S);
String TrimLeft(std::string_view S);
String TrimRight(std::string_view S);

bool StartsStr(std::string_view Prefix, std::string_view S);
bool EndsStr(std::string_view Suffix, std::string_view S);
bool StartsText(std::string_view Prefix, std::string_view S);

// Replaces every (or only the first) occurrence of From by To.
enum class TReplaceMode { All, First };
String StringReplace(std::string_view S, std::string_view From, std::string_view To,
                     TReplaceMode Mode = TReplaceMode::All);

// Splits at each Separator; an empty S gives one empty part.
std::vector<String> SplitString(std::string_view S, char Separator);

// A valid Pascal identifier: a letter or "_" first, then letters, digits or "_".
bool IsValidIdent(std::string_view Ident);

// Quotes S with Quote, doubling every Quote inside.
String QuotedStr(std::string_view S, char Quote = '\'');

// Hash and equality that ignore ASCII case, for name indexes.
struct TextHash {
    using is_transparent = void;
    // Not noexcept: the standard maps then keep each key's hash, and neither a rehash nor a
    // look-up meeting other keys in a bucket folds and hashes names again.
    std::size_t operator()(std::string_view S) const;
};
struct TextEqual {
    using is_transparent = void;
    bool operator()(std::string_view A, std::string_view B) const noexcept {
        return SameText(A, B);
    }
};

// UTF-8 encoding of one code point (used where texts are given as character codes);
// surrogates and values past U+10FFFF are written as U+FFFD.
void AppendUtf8(String& Out, char32_t CodePoint);

} // namespace host
