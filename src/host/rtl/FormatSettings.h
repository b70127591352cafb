// The run-time library's global format settings, read by the formatting routines.
// Defaults are those of English (United States); the locale translator switches them.
#pragma once

#include "host/rtl/Types.h"

#include <array>
#include <cstdint>

namespace host {

struct TFormatSettings {
    String CurrencyString = "$";
    Integer CurrencyFormat = 0; // positive currency format code 0..3
    Integer NegCurrFormat = 0;  // negative currency format code 0..15
    Integer CurrencyDecimals = 2;
    // A separator is one character of the process code page: one byte in a single-byte
    // code page, a whole multi-byte sequence in UTF-8 or a double-byte one (the French
    // thousands separator U+202F is three bytes in UTF-8). Empty means none.
    String ThousandSeparator = ",";
    String DecimalSeparator = ".";
    String DateSeparator = "/";
    String TimeSeparator = ":";
    String ListSeparator = ",";
    String ShortDateFormat = "M/d/yyyy";
    String LongDateFormat = "dddd, MMMM dd, yyyy";
    String ShortTimeFormat = "h:mm AMPM";
    String LongTimeFormat = "h:mm:ss AMPM";
    String TimeAMString = "AM";
    String TimePMString = "PM";
    std::array<String, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<String, 12> LongMonthNames{"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    // Index 0 is Sunday.
    std::array<String, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<String, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
    // Years a two-digit year may lie behind the current one; 0 keeps the current century.
    std::uint16_t TwoDigitYearCenturyWindow = 50;
};

// The process-wide settings (the host keeps them as globals).
TFormatSettings& FormatSettings();
// Restores the defaults above; tests use it to isolate themselves.
void ResetFormatSettings();

} // namespace host
