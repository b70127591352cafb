// The literal notation of translated texts, and the hexadecimal reader of locale numbers.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace zantor {

using host::String;

// Runs of characters from 32 up in single quotes (quotes doubled inside), every character
// below 32 as "#" and its decimal code outside the quotes: "A\r\nB" gives 'A'#13#10'B'.
String ToLiterals(std::string_view S);
// The same, added to the end of Out.
void AppendLiterals(String& Out, std::string_view S);
void ConvertToLiterals(String& S);
// True when Literal is what ToLiterals gives for S; the usual plain text is not copied for it.
[[nodiscard]] bool IsLiteralOf(std::string_view Literal, std::string_view S);

// The inverse. Characters outside quotes other than "#" and "'" pass unchanged, so a bare
// value such as 120 comes through. Raises EConvertError when a "#" outside quotes has no
// digit after it, and converts nothing then.
String FromLiterals(std::string_view S);
void ConvertFromLiterals(String& S);

// Hexadecimal digits of S (either case) in 32-bit arithmetic; every other character is
// skipped. "0000040C" gives 1036, "" gives 0, "ffffffff" gives -1.
host::Integer HexToInt(std::string_view S);

} // namespace zantor
