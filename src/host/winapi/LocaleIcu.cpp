#include "host/winapi/LocaleIcu.h"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>

#include <memory>

namespace host {

namespace {

using icu::DateFormatSymbols;
using icu::DecimalFormatSymbols;
using icu::Locale;
using icu::UnicodeString;

std::string Utf8(const UnicodeString& Text) {
    std::string Result;
    Text.toUTF8String(Result);
    return Result;
}

// ICU's weekday arrays are 1-based (index 0 unused); month arrays are 0-based.
template <std::size_t N, typename TGetter>
void CopyNames(std::array<std::string, N>& Target, TGetter Get, int32_t First) {
    int32_t Count = 0;
    const UnicodeString* Names = Get(Count);
    for (std::size_t I = 0; I < N && First + static_cast<int32_t>(I) < Count; ++I)
        Target[I] = Utf8(Names[First + I]);
}

void ReadNames(const Locale& Loc, TIcuLocaleData& Data, UErrorCode& Status) {
    DateFormatSymbols Symbols(Loc, Status);
    if (U_FAILURE(Status)) return;
    const auto Alone = DateFormatSymbols::STANDALONE;
    auto Days = [&](DateFormatSymbols::DtWidthType Width) {
        return [&Symbols, Alone, Width](int32_t& Count) {
            return Symbols.getWeekdays(Count, Alone, Width);
        };
    };
    auto Months = [&](DateFormatSymbols::DtWidthType Width) {
        return [&Symbols, Alone, Width](int32_t& Count) {
            return Symbols.getMonths(Count, Alone, Width);
        };
    };
    CopyNames(Data.LongDays, Days(DateFormatSymbols::WIDE), 1);
    CopyNames(Data.ShortDays, Days(DateFormatSymbols::ABBREVIATED), 1);
    CopyNames(Data.LongMonths, Months(DateFormatSymbols::WIDE), 0);
    CopyNames(Data.ShortMonths, Months(DateFormatSymbols::ABBREVIATED), 0);
    int32_t Count = 0;
    const UnicodeString* AmPm = Symbols.getAmPmStrings(Count);
    if (Count >= 2) {
        Data.Am = Utf8(AmPm[0]);
        Data.Pm = Utf8(AmPm[1]);
    }
}

std::string PatternOf(icu::DateFormat* Format) {
    UnicodeString Pattern;
    if (auto* Simple = dynamic_cast<icu::SimpleDateFormat*>(Format)) Simple->toPattern(Pattern);
    return Utf8(Pattern);
}

void ReadPatterns(const Locale& Loc, TIcuLocaleData& Data) {
    using icu::DateFormat;
    std::unique_ptr<DateFormat> Short(DateFormat::createDateInstance(DateFormat::kShort, Loc));
    std::unique_ptr<DateFormat> Full(DateFormat::createDateInstance(DateFormat::kFull, Loc));
    std::unique_ptr<DateFormat> Time(DateFormat::createTimeInstance(DateFormat::kMedium, Loc));
    Data.ShortDatePattern = PatternOf(Short.get());
    Data.LongDatePattern = PatternOf(Full.get());
    Data.TimePattern = PatternOf(Time.get());
    UErrorCode Status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> Calendar(icu::Calendar::createInstance(Loc, Status));
    if (U_SUCCESS(Status)) Data.FirstDayOfWeek = Calendar->getFirstDayOfWeek(Status);
}

void ReadSymbols(const Locale& Loc, TIcuLocaleData& Data, UErrorCode& Status) {
    DecimalFormatSymbols Symbols(Loc, Status);
    if (U_FAILURE(Status)) return;
    auto Get = [&](DecimalFormatSymbols::ENumberFormatSymbol Which) {
        return Utf8(Symbols.getSymbol(Which));
    };
    Data.DecimalSeparator = Get(DecimalFormatSymbols::kDecimalSeparatorSymbol);
    Data.GroupingSeparator = Get(DecimalFormatSymbols::kGroupingSeparatorSymbol);
    Data.PlusSign = Get(DecimalFormatSymbols::kPlusSignSymbol);
    Data.MinusSign = Get(DecimalFormatSymbols::kMinusSignSymbol);
    Data.CurrencySymbol = Get(DecimalFormatSymbols::kCurrencySymbol);
    Data.IntlCurrencySymbol = Get(DecimalFormatSymbols::kIntlCurrencySymbol);
    Data.MonetaryDecimal = Get(DecimalFormatSymbols::kMonetarySeparatorSymbol);
    Data.MonetaryGrouping = Get(DecimalFormatSymbols::kMonetaryGroupingSeparatorSymbol);
}

void ReadNumberPatterns(const Locale& Loc, TIcuLocaleData& Data) {
    UErrorCode Status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> Number(icu::NumberFormat::createInstance(Loc, Status));
    if (auto* Decimal = dynamic_cast<icu::DecimalFormat*>(Number.get())) {
        Data.PrimaryGrouping = Decimal->isGroupingUsed() ? Decimal->getGroupingSize() : 0;
        Data.SecondaryGrouping = Decimal->getSecondaryGroupingSize();
        Data.MinIntegerDigits = Decimal->getMinimumIntegerDigits();
    }
    Status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> Currency(
        icu::NumberFormat::createCurrencyInstance(Loc, Status));
    if (auto* Decimal = dynamic_cast<icu::DecimalFormat*>(Currency.get())) {
        UnicodeString Pattern;
        Data.CurrencyPattern = Utf8(Decimal->toPattern(Pattern));
        Data.CurrencyDigits = Decimal->getMinimumFractionDigits();
    }
}

void ReadDisplayNames(const Locale& Loc, TIcuLocaleData& Data) {
    UnicodeString Text;
    const Locale& English = Locale::getEnglish();
    Data.EnglishLanguage = Utf8(Loc.getDisplayLanguage(English, Text));
    Data.EnglishCountry = Utf8(Loc.getDisplayCountry(English, Text));
    Data.NativeLanguage = Utf8(Loc.getDisplayLanguage(Loc, Text));
    Data.NativeCountry = Utf8(Loc.getDisplayCountry(Loc, Text));
    Data.Language = Loc.getLanguage();
    Data.Country = Loc.getCountry();
    Locale Likely(Loc);
    UErrorCode Status = U_ZERO_ERROR;
    Likely.addLikelySubtags(Status);
    Data.Script = Likely.getScript();
}

} // namespace

std::optional<TIcuLocaleData> ReadIcuLocale(std::string_view Bcp47Name) {
    UErrorCode Status = U_ZERO_ERROR;
    Locale Loc = Locale::forLanguageTag(
        icu::StringPiece(Bcp47Name.data(), static_cast<int32_t>(Bcp47Name.size())), Status);
    if (U_FAILURE(Status) || Loc.isBogus()) return std::nullopt;
    // The run-time library counts in the Gregorian calendar with Latin digits everywhere.
    Loc.setKeywordValue("calendar", "gregorian", Status);
    Loc.setKeywordValue("numbers", "latn", Status);
    TIcuLocaleData Data;
    ReadNames(Loc, Data, Status);
    ReadSymbols(Loc, Data, Status);
    if (U_FAILURE(Status)) return std::nullopt;
    ReadPatterns(Loc, Data);
    ReadNumberPatterns(Loc, Data);
    ReadDisplayNames(Loc, Data);
    return Data;
}

} // namespace host
