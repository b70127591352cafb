#include "translators/Literals.h"

#include "host/rtl/Exceptions.h"

#include <cstdint>

namespace zantor {

namespace {

void AppendCode(String& Out, unsigned char C) {
    Out += '#';
    if (C >= 10) Out += static_cast<char>('0' + C / 10);
    Out += static_cast<char>('0' + C % 10);
}

} // namespace

String ToLiterals(std::string_view S) {
    String Out;
    Out.reserve(S.size() + S.size() / 8 + 2);
    bool InQuote = S.empty() || static_cast<unsigned char>(S[0]) >= 32;
    if (InQuote) Out += '\'';
    std::size_t i = 0;
    while (i < S.size()) {
        auto C = static_cast<unsigned char>(S[i]);
        if (C >= 32) {
            if (C == '\'') Out += '\'';
            Out += static_cast<char>(C);
            ++i;
            continue;
        }
        if (InQuote) Out += '\'';
        while (i < S.size() && static_cast<unsigned char>(S[i]) < 32)
            AppendCode(Out, static_cast<unsigned char>(S[i++]));
        InQuote = i < S.size();
        if (InQuote) Out += '\'';
    }
    if (InQuote) Out += '\'';
    return Out;
}

void ConvertToLiterals(String& S) { S = ToLiterals(S); }

String FromLiterals(std::string_view S) {
    String Out;
    Out.reserve(S.size());
    bool InQuote = false;
    std::size_t i = 0;
    while (i < S.size()) {
        char C = S[i];
        if (!InQuote && C == '#') {
            unsigned Code = 0;
            std::size_t Digits = 0;
            while (Digits < 3 && i + 1 + Digits < S.size() && S[i + 1 + Digits] >= '0' &&
                   S[i + 1 + Digits] <= '9')
                Code = Code * 10 + static_cast<unsigned>(S[i + 1 + Digits++] - '0');
            if (Digits == 0)
                throw host::EConvertError("Character code expected after '#' at position " +
                                          std::to_string(i + 1) + " of " + String(S));
            Out += static_cast<char>(Code % 256);
            i += 1 + Digits;
        } else if (C == '\'') {
            if (InQuote && i + 1 < S.size() && S[i + 1] == '\'') {
                Out += '\'';
                i += 2;
            } else {
                InQuote = !InQuote;
                ++i;
            }
        } else {
            Out += C;
            ++i;
        }
    }
    return Out;
}

void ConvertFromLiterals(String& S) { S = FromLiterals(S); }

host::Integer HexToInt(std::string_view S) {
    std::uint32_t Result = 0;
    for (char Ch : S) {
        int D = Ch >= '0' && Ch <= '9'   ? Ch - '0'
                : Ch >= 'A' && Ch <= 'F' ? Ch - 'A' + 10
                : Ch >= 'a' && Ch <= 'f' ? Ch - 'a' + 10
                                         : -1;
        if (D >= 0) Result = (Result << 4) + static_cast<std::uint32_t>(D);
    }
    return static_cast<host::Integer>(Result);
}

} // namespace zantor
