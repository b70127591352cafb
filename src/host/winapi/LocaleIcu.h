// CLDR data of one locale read through ICU, as UTF-8, before any Windows conversion.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace host {

struct TIcuLocaleData {
    // Stand-alone (nominative) names; days start with Sunday as in ICU.
    std::array<std::string, 7> LongDays, ShortDays;
    std::array<std::string, 12> LongMonths, ShortMonths;
    std::string Am, Pm;
    // ICU patterns of the Gregorian calendar: short and full date, medium time.
    std::string ShortDatePattern, LongDatePattern, TimePattern;
    // Numbers with Latin digits.
    std::string DecimalSeparator, GroupingSeparator, PlusSign, MinusSign;
    int PrimaryGrouping = 3, SecondaryGrouping = 0, MinIntegerDigits = 1;
    std::string CurrencyPattern, CurrencySymbol, IntlCurrencySymbol;
    std::string MonetaryDecimal, MonetaryGrouping;
    int CurrencyDigits = 2;
    int FirstDayOfWeek = 1; // 1 = Sunday .. 7 = Saturday
    std::string EnglishLanguage, EnglishCountry, NativeLanguage, NativeCountry;
    std::string Language, Country, Script; // codes; Script is the likely script ("Latn")
};

// Reads the data of a BCP 47 locale name; nullopt when ICU cannot open the locale at all.
std::optional<TIcuLocaleData> ReadIcuLocale(std::string_view Bcp47Name);

} // namespace host
