#include "editors/CaselessText.h"

#include "host/winapi/NlsCodePage.h"

#include <unicode/unistr.h>

#include <algorithm>

namespace zantor {

host::String CaselessKey(const host::String& Text) {
    // Plain ASCII, by far the most common, needs no conversion.
    if (std::all_of(Text.begin(), Text.end(), [](char C) { return (C & 0x80) == 0; })) {
        host::String Key = Text;
        for (char& C : Key)
            if (C >= 'A' && C <= 'Z') C = char(C - 'A' + 'a');
        return Key;
    }
    const std::string Utf8 = host::CodePageToUtf8(Text, host::GetACP());
    icu::UnicodeString U = icu::UnicodeString::fromUTF8(Utf8);
    U.foldCase();
    std::string Key;
    U.toUTF8String(Key);
    return Key;
}

} // namespace zantor
