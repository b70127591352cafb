// Floating-point formatting of the host's run-time library (FloatToStrF, FormatFloat).
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace host {

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Precision is the number of significant digits (clamped to 1..18); Digits is the minimum
// exponent digits (ffGeneral/ffExponent) or the decimals (ffFixed/ffNumber/ffCurrency).
// Uses the global format settings (separators, currency string and formats).
String FloatToStrF(Extended Value, TFloatFormat Format, int Precision, int Digits);

// Picture format with "0", "#", ".", ",", "E+"/"E-", quoted literals and ";" sections.
String FormatFloat(std::string_view Picture, Extended Value);

String FormatCurr(std::string_view Picture, Extended Value);
String CurrToStr(Extended Value);

} // namespace host
