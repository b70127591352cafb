// Number/text conversions with the host's rules and error messages.
#pragma once

#include "host/rtl/Types.h"

#include <optional>
#include <string_view>

namespace host {

String IntToStr(Int64 Value);
// Upper-case hexadecimal, at least Digits digits (negative values as 64-bit two's complement).
String IntToHex(Int64 Value, int Digits);

// Decimal with optional sign and surrounding blanks, or "$"/"0x" followed by hexadecimal.
// Out-of-range values fail like malformed ones.
std::optional<Integer> TryStrToInt(std::string_view S);
std::optional<Int64> TryStrToInt64(std::string_view S);
// Raise EConvertError "'abc' is not a valid integer value".
Integer StrToInt(std::string_view S);
Int64 StrToInt64(std::string_view S);
Integer StrToIntDef(std::string_view S, Integer Default);

// Text to float using the global DecimalSeparator; blanks around, sign, exponent allowed.
std::optional<Extended> TryStrToFloat(std::string_view S);
// Raises EConvertError "'abc' is not a valid floating point value".
Extended StrToFloat(std::string_view S);
// General format with 15 significant digits, using the global DecimalSeparator.
String FloatToStr(Extended Value);

// "True"/"False"; StrToBool also accepts any integer (non-zero is true), case ignored.
String BoolToStr(bool Value, bool UseBoolStrs = true);
[[nodiscard]] bool StrToBool(std::string_view S);

} // namespace host
