#include "translators/Literals.h"

#include "host/rtl/Exceptions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

using namespace host;

namespace zantor {

namespace {

void AppendCode(String& Out, unsigned char C) {
    Out += '#';
    if (C >= 10) Out += static_cast<char>('0' + C / 10);
    Out += static_cast<char>('0' + C % 10);
}

} // namespace

namespace {

bool IsControl(char C) {
    return static_cast<unsigned char>(C) < 32;
}

} // namespace

// Plain runs are copied whole; only quotes and control characters are looked at one by one.
String ToLiterals(std::string_view S) {
    String Out;
    AppendLiterals(Out, S);
    return Out;
}

void AppendLiterals(String& Out, std::string_view S) {
    Out.reserve(Out.size() + S.size() + S.size() / 8 + 2);
    bool InQuote = S.empty() || !IsControl(S[0]);
    if (InQuote) Out += '\'';
    std::size_t i = 0;
    while (i < S.size()) {
        std::size_t Run = i;
        while (Run < S.size() && !IsControl(S[Run]) && S[Run] != '\'')
            ++Run;
        Out.append(S.data() + i, Run - i);
        i = Run;
        if (i == S.size()) break;
        if (S[i] == '\'') {
            Out += "''";
            ++i;
            continue;
        }
        if (InQuote) Out += '\'';
        while (i < S.size() && IsControl(S[i]))
            AppendCode(Out, static_cast<unsigned char>(S[i++]));
        InQuote = i < S.size();
        if (InQuote) Out += '\'';
    }
    if (InQuote) Out += '\'';
}

bool IsLiteralOf(std::string_view Literal, std::string_view S) {
    // Without quotes or control characters a text is its literal between quotes; with any, its
    // literal is longer than that.
    static constexpr auto Special = [] {
        std::array<bool, 256> Table{};
        for (int C = 0; C < 32; ++C)
            Table[static_cast<std::size_t>(C)] = true;
        Table['\''] = true;
        return Table;
    }();
    const bool Plain = std::none_of(S.begin(), S.end(),
                                    [](char C) { return Special[static_cast<unsigned char>(C)]; });
    if (Literal.size() == S.size() + 2 && Literal.front() == '\'' && Literal.back() == '\'' &&
        std::memcmp(Literal.data() + 1, S.data(), S.size()) == 0)
        return Plain;
    return !Plain && Literal == ToLiterals(S);
}

void ConvertToLiterals(String& S) {
    S = ToLiterals(S);
}

String FromLiterals(std::string_view S) {
    String Out;
    Out.reserve(S.size());
    bool InQuote = false;
    std::size_t i = 0;
    while (i < S.size()) {
        // Copy up to the next character with a meaning here.
        std::size_t Next = InQuote ? S.find('\'', i) : S.find_first_of("'#", i);
        if (Next == std::string_view::npos) Next = S.size();
        Out.append(S.data() + i, Next - i);
        i = Next;
        if (i == S.size()) break;
        if (S[i] == '#') {
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
        } else if (InQuote && i + 1 < S.size() && S[i + 1] == '\'') {
            Out += '\'';
            i += 2;
        } else {
            InQuote = !InQuote;
            ++i;
        }
    }
    return Out;
}

void ConvertFromLiterals(String& S) {
    S = FromLiterals(S);
}

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
