// The resource translator's lines of the translation file. Keys "Res" + n number the source
// texts of a head; the -1 line of a key carries its text, and the lines of every locale that
// shares the head refer to texts through these numbers.
#pragma once

#include "translators/TranslationFile.h"

namespace zantor {

// Saves Texts (plain source text, plain translation) as the lines of Locale under Head. The
// texts are numbered in byte-wise order together with the texts of the head's -1 lines that
// another locale's line still refers to; the lines of the other locales are renumbered to
// match, and a text that no locale refers to any more loses its -1 line. A line of another
// locale whose key has no -1 line names no text and goes.
void SaveResStringsFile(const String& FileName, const String& Head, Integer Locale,
                        const TKeyValues& Texts);

} // namespace zantor
