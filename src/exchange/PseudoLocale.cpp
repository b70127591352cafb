#include "exchange/PseudoLocale.h"

#include <cstring>

namespace zantor {

namespace {

// Accented forms of a to z and A to Z.
const char* const Lower[26] = {"á", "ƀ", "ç", "đ", "é", "ƒ", "ĝ", "ĥ", "í", "ĵ", "ķ", "ĺ", "ɱ",
                               "ñ", "ö", "þ", "ǫ", "ŕ", "š", "ţ", "ü", "ṽ", "ŵ", "ẋ", "ý", "ž"};
const char* const Upper[26] = {"Å", "Ɓ", "Ç", "Đ", "É", "Ƒ", "Ĝ", "Ĥ", "Î", "Ĵ", "Ķ", "Ĺ", "Ṁ",
                               "Ñ", "Ö", "Þ", "Ǫ", "Ŕ", "Š", "Ţ", "Ü", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};

std::size_t CharLength(std::string_view S, std::size_t At) {
    const auto C = static_cast<unsigned char>(S[At]);
    std::size_t N = C < 0x80 ? 1 : (C >> 5) == 6 ? 2 : (C >> 4) == 14 ? 3 : 4;
    return std::min(N, S.size() - At);
}

bool IsEdge(char C) {
    return C == ' ' || C == '\t' || C == '\n' || C == '\r';
}

// The length of the Format specifier at S[At] == '%' (as Format reads it); 1 when none.
std::size_t SpecifierLength(std::string_view S, std::size_t At) {
    std::size_t i = At + 1;
    if (i < S.size() && S[i] == '%') return 2;
    while (i < S.size() && std::strchr("0123456789:-.*", S[i]))
        ++i;
    if (i < S.size() && std::strchr("dDuUxXeEfFgGnNmMpPsS", S[i])) return i + 1 - At;
    return 1;
}

} // namespace

String PseudoTranslate(std::string_view Text, int ExpandPercent) {
    std::size_t Begin = 0, End = Text.size();
    while (Begin < End && IsEdge(Text[Begin]))
        ++Begin;
    while (End > Begin && IsEdge(Text[End - 1]))
        --End;
    if (Begin == End) return String(Text);
    const std::string_view Core = Text.substr(Begin, End - Begin);

    String Out;
    std::size_t Chars = 0;
    for (std::size_t i = 0; i < Core.size();) {
        const char C = Core[i];
        std::size_t N = CharLength(Core, i);
        if (C == '%') {
            N = SpecifierLength(Core, i);
            Out.append(Core.substr(i, N));
        } else if (C == '&' && i + 1 < Core.size()) {
            // The accelerator keeps its letter, so the same key works.
            N = 1 + CharLength(Core, i + 1);
            Out.append(Core.substr(i, N));
        } else if (C >= 'a' && C <= 'z') {
            Out += Lower[C - 'a'];
        } else if (C >= 'A' && C <= 'Z') {
            Out += Upper[C - 'A'];
        } else {
            Out.append(Core.substr(i, N));
        }
        ++Chars;
        i += N;
    }
    // The brackets count towards the length the text grows to.
    const std::size_t Target =
        (Chars * static_cast<std::size_t>(100 + std::max(ExpandPercent, 0)) + 99) / 100;
    const std::size_t Pad = Target > Chars + 2 ? Target - Chars - 2 : 0;
    String Padding;
    if (Pad >= 2)
        Padding = " " + String(Pad - 1, '~');
    else if (Pad == 1)
        Padding = "~";
    return String(Text.substr(0, Begin)) + "[" + Out + Padding + "]" + String(Text.substr(End));
}

} // namespace zantor
