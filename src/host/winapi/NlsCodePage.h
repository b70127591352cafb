// The process's ANSI code page: the 8-bit encoding of every text the platform hands out.
#pragma once

#include <string>
#include <string_view>

namespace host {

inline constexpr unsigned CP_UTF8 = 65001;

// The current ANSI code page; UTF-8 until changed.
unsigned GetACP();

// Makes CodePage (a Windows code page number such as 1252 or 932) the process's code page.
// Returns false and changes nothing when no converter for it exists.
bool SetProcessCodePage(unsigned CodePage);

// UTF-8 text in CodePage; characters the page cannot represent become "?".
std::string Utf8ToCodePage(std::string_view Utf8, unsigned CodePage);
// 8-bit text of code page From in code page To (unchanged when both are the same); characters
// that To cannot represent become "?". Unknown pages leave the text as it is.
std::string ConvertCodePage(std::string_view Text, unsigned From, unsigned To);
// Text in CodePage as UTF-8 (unknown pages pass the bytes through).
std::string CodePageToUtf8(std::string_view Text, unsigned CodePage);

} // namespace host
