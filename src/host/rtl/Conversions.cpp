#include "host/rtl/Conversions.h"
#include "host/rtl/HostErrors.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/FloatFormat.h"
#include "host/rtl/FormatSettings.h"
#include "host/rtl/StrUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace host {

namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t';
}

std::string_view StripBlanks(std::string_view S) {
    while (!S.empty() && IsBlank(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back()))
        S.remove_suffix(1);
    return S;
}

int HexDigit(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    C = UpCase(C);
    return C >= 'A' && C <= 'F' ? C - 'A' + 10 : -1;
}

// Magnitude and sign of an integer text. Hexadecimal is a bit pattern of at most Bits bits
// (so "$FFFFFFFF" is -1 as a 32-bit value); decimal must fit the signed range.
std::optional<Int64> ParseInteger(std::string_view S, int Bits) {
    S = StripBlanks(S);
    bool negative = false;
    if (!S.empty() && (S[0] == '+' || S[0] == '-')) {
        negative = S[0] == '-';
        S.remove_prefix(1);
    }
    std::uint64_t value = 0;
    if (S.starts_with('$') || S.starts_with("0x") || S.starts_with("0X")) {
        S.remove_prefix(S[0] == '$' ? 1 : 2);
        if (S.empty()) return std::nullopt;
        const std::uint64_t limit = Bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << Bits) - 1;
        for (char c : S) {
            int d = HexDigit(c);
            if (d < 0 || value > (limit >> 4)) return std::nullopt;
            value = value << 4 | static_cast<unsigned>(d);
        }
        // Reinterpret the pattern as a signed value of the given width.
        Int64 pattern = Bits == 64 ? static_cast<Int64>(value)
                                   : static_cast<Int64>(static_cast<std::int32_t>(value));
        return negative ? static_cast<Int64>(0 - static_cast<std::uint64_t>(pattern)) : pattern;
    }
    if (S.empty()) return std::nullopt;
    const std::uint64_t limit = (std::uint64_t{1} << (Bits - 1)) - (negative ? 0 : 1);
    for (char c : S) {
        if (c < '0' || c > '9') return std::nullopt;
        auto d = static_cast<unsigned>(c - '0');
        if (value > (limit - d) / 10) return std::nullopt;
        value = value * 10 + d;
    }
    return negative ? static_cast<Int64>(0 - value) : static_cast<Int64>(value);
}

// Checks the host's float syntax and returns it with "." as separator for from_chars.
// DecimalExponent receives the power of ten of the leading digit, to tell overflow from
// underflow when from_chars reports the value out of range.
std::optional<String> NormaliseFloatText(std::string_view S, long& DecimalExponent) {
    const String& sep = FormatSettings().DecimalSeparator;
    String out;
    std::size_t i = 0;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) out += S[i++];
    long intDigits = 0, leadingFracZeros = 0, digits = 0;
    bool nonZeroSeen = false, inFraction = false;
    for (; i < S.size(); ++i) {
        char c = S[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (!inFraction && (nonZeroSeen || c != '0')) ++intDigits;
            if (inFraction && !nonZeroSeen && c == '0') ++leadingFracZeros;
            nonZeroSeen = nonZeroSeen || c != '0';
            out += c;
        } else if (!inFraction && !sep.empty() && S.substr(i, sep.size()) == sep) {
            inFraction = true;
            out += '.';
            i += sep.size() - 1;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    long exponent = 0;
    if (i < S.size() && (S[i] == 'E' || S[i] == 'e')) {
        out += 'e';
        ++i;
        bool negExp = false;
        if (i < S.size() && (S[i] == '+' || S[i] == '-')) {
            negExp = S[i] == '-';
            out += S[i++];
        }
        std::size_t expStart = i;
        for (; i < S.size() && S[i] >= '0' && S[i] <= '9'; ++i) {
            out += S[i];
            exponent = std::min(exponent * 10 + (S[i] - '0'), 100000L);
        }
        if (i == expStart) return std::nullopt;
        if (negExp) exponent = -exponent;
    }
    if (i != S.size()) return std::nullopt;
    DecimalExponent = (intDigits > 0 ? intDigits - 1 : -leadingFracZeros - 1) + exponent;
    return out;
}

} // namespace

String IntToStr(Int64 Value) {
    return std::to_string(Value);
}

String IntToHex(Int64 Value, int Digits) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint64_t>(Value), 16);
    String hex = UpperCase(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
    // Capped so that a wild Digits cannot ask for gigabytes of zeros.
    const auto width = static_cast<std::size_t>(std::clamp(Digits, 0, 1000000));
    if (hex.size() < width) hex.insert(0, width - hex.size(), '0');
    return hex;
}

std::optional<Integer> TryStrToInt(std::string_view S) {
    auto v = ParseInteger(S, 32);
    if (!v) return std::nullopt;
    return static_cast<Integer>(*v);
}

std::optional<Int64> TryStrToInt64(std::string_view S) {
    return ParseInteger(S, 64);
}

Integer StrToInt(std::string_view S) {
    if (auto v = TryStrToInt(S)) return *v;
    RaiseInvalidInteger(S);
}

Int64 StrToInt64(std::string_view S) {
    if (auto v = TryStrToInt64(S)) return *v;
    RaiseInvalidInteger(S);
}

Integer StrToIntDef(std::string_view S, Integer Default) {
    return TryStrToInt(S).value_or(Default);
}

std::optional<Extended> TryStrToFloat(std::string_view S) {
    long decimalExponent = 0;
    auto text = NormaliseFloatText(StripBlanks(S), decimalExponent);
    if (!text) return std::nullopt;
    const char* first = text->data();
    // from_chars takes no "+" sign.
    if (*first == '+') ++first;
    double value = 0;
    auto r = std::from_chars(first, text->data() + text->size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        if (decimalExponent > 0) return std::nullopt;
        value = (*text)[0] == '-' ? -0.0 : 0.0;
    } else if (r.ec != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

Extended StrToFloat(std::string_view S) {
    if (auto v = TryStrToFloat(S)) return *v;
    RaiseInvalidFloat(S);
}

String FloatToStr(Extended Value) {
    return FloatToStrF(Value, ffGeneral, 15, 0);
}

String BoolToStr(bool Value, bool UseBoolStrs) {
    if (UseBoolStrs) return Value ? "True" : "False";
    return Value ? "-1" : "0";
}

bool StrToBool(std::string_view S) {
    if (SameText(S, "True")) return true;
    if (SameText(S, "False")) return false;
    if (auto v = TryStrToInt64(S)) return *v != 0;
    throw EConvertError("'" + String(S) + "' is not a valid boolean value");
}

} // namespace host
