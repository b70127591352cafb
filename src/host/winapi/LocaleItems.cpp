#include "host/winapi/LocaleItems.h"

#include "host/rtl/StrUtils.h"
#include "host/winapi/LocalePictures.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace host {

namespace {

// Abbreviations that do not follow the rule of language + first letter of the region.
constexpr std::array<std::pair<LCID, const char*>, 67> AbbreviationTable{{
    {0x0401, "ARA"}, {0x0402, "BGR"}, {0x0403, "CAT"}, {0x0404, "CHT"}, {0x0405, "CSY"},
    {0x0406, "DAN"}, {0x0407, "DEU"}, {0x0408, "ELL"}, {0x0409, "ENU"}, {0x040A, "ESP"},
    {0x040B, "FIN"}, {0x040C, "FRA"}, {0x040D, "HEB"}, {0x040E, "HUN"}, {0x040F, "ISL"},
    {0x0410, "ITA"}, {0x0411, "JPN"}, {0x0412, "KOR"}, {0x0413, "NLD"}, {0x0414, "NOR"},
    {0x0415, "PLK"}, {0x0416, "PTB"}, {0x0418, "ROM"}, {0x0419, "RUS"}, {0x041A, "HRV"},
    {0x041B, "SKY"}, {0x041C, "SQI"}, {0x041D, "SVE"}, {0x041E, "THA"}, {0x041F, "TRK"},
    {0x0420, "URD"}, {0x0421, "IND"}, {0x0422, "UKR"}, {0x0423, "BEL"}, {0x0424, "SLV"},
    {0x0425, "ETI"}, {0x0426, "LVI"}, {0x0427, "LTH"}, {0x0429, "FAR"}, {0x042A, "VIT"},
    {0x042D, "EUQ"}, {0x042F, "MKI"}, {0x0436, "AFK"}, {0x0439, "HIN"}, {0x0804, "CHS"},
    {0x0807, "DES"}, {0x0809, "ENG"}, {0x080A, "ESM"}, {0x080C, "FRB"}, {0x0810, "ITS"},
    {0x0813, "NLB"}, {0x0814, "NON"}, {0x0816, "PTG"}, {0x0C04, "ZHH"}, {0x0C07, "DEA"},
    {0x0C09, "ENA"}, {0x0C0A, "ESN"}, {0x0C0C, "FRC"}, {0x1004, "ZHI"}, {0x1009, "ENC"},
    {0x100C, "FRS"}, {0x1404, "ZHM"}, {0x1409, "ENZ"}, {0x1809, "ENI"}, {0x1C09, "ENS"},
    {0x2C0A, "ESS"}, {0x3009, "ENW"},
}};

bool IsOneOf(std::string_view Value, std::initializer_list<std::string_view> Set) {
    return std::find(Set.begin(), Set.end(), Value) != Set.end();
}

TCodePages LatinCodePages(LCID Id, std::string_view Language) {
    if (IsOneOf(Language, {"cs", "sk", "pl", "hu", "sl", "hr", "ro", "sq", "bs", "sr", "tk"}))
        return {1250, 852};
    if (IsOneOf(Language, {"tr", "az", "uz"})) return {1254, 857};
    if (IsOneOf(Language, {"et", "lv", "lt"})) return {1257, 775};
    if (Language == "vi") return {1258, 1258};
    return {1252, Id == 0x0409 ? 437u : 850u};
}

void AddNames(TLocaleItems& Items, LCID Id, const TIcuLocaleData& Data) {
    const TCodePages Pages = CodePagesOf(Id, Data);
    Items[LOCALE_SENGLANGUAGE] = Data.EnglishLanguage;
    Items[LOCALE_SENGCOUNTRY] = Data.EnglishCountry;
    Items[LOCALE_SNATIVELANGNAME] = Data.NativeLanguage;
    Items[LOCALE_SNATIVECTRYNAME] = Data.NativeCountry;
    // Localized names are given in English, the language of this platform's user interface.
    Items[LOCALE_SLANGUAGE] = Data.EnglishLanguage + " (" + Data.EnglishCountry + ")";
    Items[LOCALE_SCOUNTRY] = Data.EnglishCountry;
    Items[LOCALE_SABBREVLANGNAME] = AbbreviatedLanguageName(Id, Data);
    Items[LOCALE_SISO639LANGNAME] = Data.Language;
    Items[LOCALE_SISO3166CTRYNAME] = Data.Country;
    Items[LOCALE_IDEFAULTANSICODEPAGE] = std::to_string(Pages.Ansi);
    Items[LOCALE_IDEFAULTCODEPAGE] = std::to_string(Pages.Oem);
}

// Windows numbers days Monday = 1 .. Sunday = 7, ICU Sunday = 0 .. Saturday = 6.
void AddDayAndMonthNames(TLocaleItems& Items, const TIcuLocaleData& Data) {
    for (LCTYPE Day = 0; Day < 7; ++Day) {
        Items[LOCALE_SDAYNAME1 + Day] = Data.LongDays[(Day + 1) % 7];
        Items[LOCALE_SABBREVDAYNAME1 + Day] = Data.ShortDays[(Day + 1) % 7];
    }
    for (LCTYPE Month = 0; Month < 12; ++Month) {
        Items[LOCALE_SMONTHNAME1 + Month] = Data.LongMonths[Month];
        Items[LOCALE_SABBREVMONTHNAME1 + Month] = Data.ShortMonths[Month];
    }
}

void AddDatesAndTimes(TLocaleItems& Items, const TIcuLocaleData& Data) {
    const std::string ShortDate = IcuPatternToPicture(Data.ShortDatePattern, TYearDigits::Four);
    const std::string LongDate = IcuPatternToPicture(Data.LongDatePattern);
    const std::string Time = IcuPatternToPicture(Data.TimePattern);
    Items[LOCALE_SSHORTDATE] = ShortDate;
    Items[LOCALE_SLONGDATE] = LongDate;
    Items[LOCALE_STIMEFORMAT] = Time;
    Items[LOCALE_SDATE] = DateSeparatorOf(ShortDate);
    Items[LOCALE_STIME] = TimeSeparatorOf(Time);
    Items[LOCALE_IDATE] = std::to_string(DateOrderOf(ShortDate));
    Items[LOCALE_ILDATE] = std::to_string(DateOrderOf(LongDate));
    Items[LOCALE_ITIME] = PictureUses24Hour(Time) ? "1" : "0";
    Items[LOCALE_ITLZERO] = HourHasLeadingZero(Time) ? "1" : "0";
    Items[LOCALE_ITIMEMARKPOSN] = AmPmPrecedesHour(Time) ? "1" : "0";
    Items[LOCALE_S1159] = Data.Am;
    Items[LOCALE_S2359] = Data.Pm;
    Items[LOCALE_IFIRSTDAYOFWEEK] = std::to_string((Data.FirstDayOfWeek + 5) % 7);
}

void AddNumbers(TLocaleItems& Items, const TIcuLocaleData& Data) {
    Items[LOCALE_SDECIMAL] = Data.DecimalSeparator;
    Items[LOCALE_STHOUSAND] = Data.GroupingSeparator;
    Items[LOCALE_SGROUPING] = GroupingText(Data.PrimaryGrouping, Data.SecondaryGrouping);
    // CLDR has no count of decimals for plain numbers; Windows gives 2 almost everywhere.
    Items[LOCALE_IDIGITS] = "2";
    Items[LOCALE_ILZERO] = Data.MinIntegerDigits > 0 ? "1" : "0";
    Items[LOCALE_SLIST] = Data.DecimalSeparator == "," ? ";" : ",";
    Items[LOCALE_SPOSITIVESIGN] = Data.PlusSign == "+" ? "" : Data.PlusSign;
    Items[LOCALE_SNEGATIVESIGN] = Data.MinusSign;
}

void AddCurrency(TLocaleItems& Items, const TIcuLocaleData& Data) {
    const TCurrencyModes Modes = CurrencyModesOf(Data.CurrencyPattern);
    Items[LOCALE_SCURRENCY] = Data.CurrencySymbol;
    Items[LOCALE_SINTLSYMBOL] = Data.IntlCurrencySymbol;
    Items[LOCALE_SMONDECIMALSEP] = Data.MonetaryDecimal;
    Items[LOCALE_SMONTHOUSANDSEP] = Data.MonetaryGrouping;
    Items[LOCALE_ICURRDIGITS] = std::to_string(Data.CurrencyDigits);
    Items[LOCALE_ICURRENCY] = std::to_string(Modes.Positive);
    Items[LOCALE_INEGCURR] = std::to_string(Modes.Negative);
}

} // namespace

std::string AbbreviatedLanguageName(LCID Id, const TIcuLocaleData& Data) {
    const auto It = std::find_if(AbbreviationTable.begin(), AbbreviationTable.end(),
                                 [Id](const auto& Row) { return Row.first == Id; });
    if (It != AbbreviationTable.end()) return It->second;
    std::string Result = UpperCase(Data.Language.substr(0, 2));
    const char Region = Data.Country.empty() ? 'X' : Data.Country[0];
    // A numeric region (such as 419) has no letter of its own.
    Result += (Region >= '0' && Region <= '9') ? 'X' : UpCase(Region);
    return Result;
}

TCodePages CodePagesOf(LCID Id, const TIcuLocaleData& Data) {
    const std::string& Script = Data.Script;
    if (Script == "Latn") return LatinCodePages(Id, Data.Language);
    if (Script == "Cyrl") return {1251, 866};
    if (Script == "Grek") return {1253, 737};
    if (Script == "Hebr") return {1255, 862};
    if (Script == "Arab") return {1256, 720};
    if (Script == "Thai") return {874, 874};
    if (Script == "Jpan") return {932, 932};
    if (Script == "Hans") return {936, 936};
    if (Script == "Hant") return {950, 950};
    if (Script == "Kore") return {949, 949};
    return {0, 1};
}

TLocaleItems BuildLocaleItems(LCID Id, const TIcuLocaleData& Data) {
    TLocaleItems Items;
    AddNames(Items, Id, Data);
    AddDayAndMonthNames(Items, Data);
    AddDatesAndTimes(Items, Data);
    AddNumbers(Items, Data);
    AddCurrency(Items, Data);
    return Items;
}

} // namespace host
