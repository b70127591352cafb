#include "host/winapi/LocaleInfo.h"

#include "TestUtil.h"
#include "host/winapi/LocalePictures.h"
#include "host/winapi/LocaleTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace host;

namespace {

// The text of an item, or nullopt when the query fails.
std::optional<std::string> Info(LCID Locale, LCTYPE Item) {
    char Buffer[256];
    if (GetLocaleInfoA(Locale, Item, Buffer, sizeof Buffer) == 0) return std::nullopt;
    return std::string(Buffer);
}

// Puts the process code page back to UTF-8.
struct TCodePageGuard {
    ~TCodePageGuard() { SetProcessCodePage(CP_UTF8); }
};

struct TLocaleRow {
    LCID Id;
    const char* Monday;
    const char* Sunday;
    const char* ShortMonday;
    const char* January;
    const char* ShortJanuary;
    const char* ShortDate;
    const char* LongDate;
    const char* TimeFormat;
    const char* DateSeparator;
    const char* Decimal;
    const char* Thousand;
    const char* Currency;
    const char* PositiveCurrency;
    const char* NegativeCurrency;
    const char* Time24;
};

void PrintTo(const TLocaleRow& Row, std::ostream* Out) {
    *Out << "LCID " << Row.Id;
}

// Where CLDR (ICU 72) and Windows disagree the row holds CLDR's value; the comments say
// what Windows gives.
const TLocaleRow LocaleRows[] = {
    // Windows gives INEGCURR 0 "($1.1)"; CLDR's standard currency pattern is "-$1.1".
    {1033, "Monday", "Sunday", "Mon", "January", "Jan", "M/d/yyyy", "dddd, MMMM d, yyyy",
     "h:mm:ss tt", "/", ".", ",", "$", "0", "1", "0"},
    // Thousands separator: CLDR's narrow no-break space; older Windows a no-break space.
    {1036, "lundi", "dimanche", "lun.", "janvier", "janv.", "dd/MM/yyyy", "dddd d MMMM yyyy",
     "HH:mm:ss", "/", ",", "\u202F", "€", "3", "8", "1"},
    {1031, "Montag", "Sonntag", "Mo", "Januar", "Jan", "dd.MM.yyyy", "dddd, d. MMMM yyyy",
     "HH:mm:ss", ".", ",", ".", "€", "3", "8", "1"},
    // Windows' long date is "dd MMMM yyyy".
    {2057, "Monday", "Sunday", "Mon", "January", "Jan", "dd/MM/yyyy", "dddd, d MMMM yyyy",
     "HH:mm:ss", "/", ".", ",", "£", "0", "1", "1"},
    // Windows writes the yen sign half-width and the long date without the weekday.
    {1041, "月曜日", "日曜日", "月", "1月", "1月", "yyyy/MM/dd", "yyyy'年'M'月'd'日'dddd",
     "H:mm:ss", "/", ".", ",", "￥", "0", "1", "1"},
    // Windows capitalizes the month ("Январь") and writes the long date "d MMMM yyyy 'г.'".
    {1049, "понедельник", "воскресенье", "пн", "январь", "янв.", "dd.MM.yyyy",
     "dddd, d MMMM yyyy 'г'.", "HH:mm:ss", ".", ",", "\u00A0", "₽", "3", "8", "1"},
    // Windows' short date is "dd/MM/yyyy".
    {3082, "lunes", "domingo", "lun", "enero", "ene", "d/M/yyyy", "dddd, d 'de' MMMM 'de' yyyy",
     "H:mm:ss", "/", ",", ".", "€", "3", "8", "1"},
    {2052, "星期一", "星期日", "周一", "一月", "1月", "yyyy/M/d", "yyyy'年'M'月'd'日'dddd",
     "HH:mm:ss", "/", ".", ",", "¥", "0", "1", "1"},
    // Windows' short date is "d-M-yyyy".
    {1043, "maandag", "zondag", "ma", "januari", "jan", "dd-MM-yyyy", "dddd d MMMM yyyy",
     "HH:mm:ss", "-", ",", ".", "€", "2", "12", "1"},
    {1053, "måndag", "söndag", "mån", "januari", "jan.", "yyyy-MM-dd", "dddd d MMMM yyyy",
     "HH:mm:ss", "-", ",", "\u00A0", "kr", "3", "8", "1"},
};

class LocaleRowTest : public ::testing::TestWithParam<TLocaleRow> {};

TEST_P(LocaleRowTest, NamesPicturesSeparatorsAndCurrencyAsWindowsGives) {
    const TLocaleRow& R = GetParam();
    EXPECT_EQ(Info(R.Id, LOCALE_SDAYNAME1), R.Monday);
    EXPECT_EQ(Info(R.Id, LOCALE_SDAYNAME7), R.Sunday);
    EXPECT_EQ(Info(R.Id, LOCALE_SABBREVDAYNAME1), R.ShortMonday);
    EXPECT_EQ(Info(R.Id, LOCALE_SMONTHNAME1), R.January);
    EXPECT_EQ(Info(R.Id, LOCALE_SABBREVMONTHNAME1), R.ShortJanuary);
    EXPECT_EQ(Info(R.Id, LOCALE_SSHORTDATE), R.ShortDate);
    EXPECT_EQ(Info(R.Id, LOCALE_SLONGDATE), R.LongDate);
    EXPECT_EQ(Info(R.Id, LOCALE_STIMEFORMAT), R.TimeFormat);
    EXPECT_EQ(Info(R.Id, LOCALE_SDATE), R.DateSeparator);
    EXPECT_EQ(Info(R.Id, LOCALE_STIME), ":");
    EXPECT_EQ(Info(R.Id, LOCALE_SDECIMAL), R.Decimal);
    EXPECT_EQ(Info(R.Id, LOCALE_STHOUSAND), R.Thousand);
    EXPECT_EQ(Info(R.Id, LOCALE_SCURRENCY), R.Currency);
    EXPECT_EQ(Info(R.Id, LOCALE_ICURRENCY), R.PositiveCurrency);
    EXPECT_EQ(Info(R.Id, LOCALE_INEGCURR), R.NegativeCurrency);
    EXPECT_EQ(Info(R.Id, LOCALE_ITIME), R.Time24);
    EXPECT_EQ(Info(R.Id, LOCALE_SLIST), std::string(R.Decimal) == "," ? ";" : ",");
    EXPECT_EQ(Info(R.Id, LOCALE_SGROUPING), "3;0");
}

INSTANTIATE_TEST_SUITE_P(Windows, LocaleRowTest, ::testing::ValuesIn(LocaleRows));

TEST(LocaleInfoTest, NamesCodesAndNumbersOfSeveralLocales) {
    EXPECT_EQ(Info(1036, LOCALE_SENGLANGUAGE), "French");
    EXPECT_EQ(Info(1036, LOCALE_SENGCOUNTRY), "France");
    EXPECT_EQ(Info(1036, LOCALE_SNATIVELANGNAME), "français");
    EXPECT_EQ(Info(1031, LOCALE_SNATIVECTRYNAME), "Deutschland");
    EXPECT_EQ(Info(1036, LOCALE_SLANGUAGE), "French (France)");
    EXPECT_EQ(Info(1033, LOCALE_SABBREVLANGNAME), "ENU");
    EXPECT_EQ(Info(2057, LOCALE_SABBREVLANGNAME), "ENG");
    EXPECT_EQ(Info(1031, LOCALE_SABBREVLANGNAME), "DEU");
    EXPECT_EQ(Info(0x3801, LOCALE_SABBREVLANGNAME), "ARA"); // ar-AE by the rule: AR + A(E)
    EXPECT_EQ(Info(0x580A, LOCALE_SABBREVLANGNAME), "ESX"); // es-419: numeric region
    EXPECT_EQ(Info(1033, LOCALE_IDEFAULTANSICODEPAGE), "1252");
    EXPECT_EQ(Info(1049, LOCALE_IDEFAULTANSICODEPAGE), "1251");
    EXPECT_EQ(Info(1041, LOCALE_IDEFAULTANSICODEPAGE), "932");
    EXPECT_EQ(Info(1045, LOCALE_IDEFAULTANSICODEPAGE), "1250");
    EXPECT_EQ(Info(1081, LOCALE_IDEFAULTANSICODEPAGE), "0"); // Hindi: Unicode only
    EXPECT_EQ(Info(1033, LOCALE_SINTLSYMBOL), "USD");
    EXPECT_EQ(Info(1041, LOCALE_ICURRDIGITS), "0");
    EXPECT_EQ(Info(1033, LOCALE_ICURRDIGITS), "2");
    EXPECT_EQ(Info(1081, LOCALE_SGROUPING), "3;2;0");
    EXPECT_EQ(Info(1033, LOCALE_ILZERO), "1");
    EXPECT_EQ(Info(1033, LOCALE_IFIRSTDAYOFWEEK), "6"); // Sunday
    EXPECT_EQ(Info(1036, LOCALE_IFIRSTDAYOFWEEK), "0"); // Monday
    EXPECT_EQ(Info(1033, LOCALE_IDATE), "0");
    EXPECT_EQ(Info(1036, LOCALE_IDATE), "1");
    EXPECT_EQ(Info(1041, LOCALE_IDATE), "2");
    EXPECT_EQ(Info(1033, LOCALE_S1159), "AM");
    EXPECT_EQ(Info(1033, LOCALE_S2359), "PM");
    EXPECT_EQ(Info(1033, LOCALE_ITIMEMARKPOSN), "0");
    EXPECT_EQ(Info(1042, LOCALE_ITIMEMARKPOSN), "1");           // Korean: "tt h:mm:ss"
    EXPECT_EQ(Info(1035, LOCALE_STIME), ".");                   // Finnish: "H.mm.ss"
    EXPECT_EQ(Info(1035, LOCALE_SMONTHNAME1), "tammikuu");      // nominative, not "tammikuuta"
    EXPECT_EQ(Info(1045, LOCALE_SMONTHNAME1), "styczeń");       // nominative, not "stycznia"
    EXPECT_EQ(Info(0x0812, LOCALE_SENGCOUNTRY), "South Korea"); // Korean (Johab), not North Korea
    EXPECT_EQ(Info(0x0812, LOCALE_SENGLANGUAGE), "Korean");
    EXPECT_EQ(Info(0x081A, LOCALE_SENGLANGUAGE), "Serbian");
    EXPECT_EQ(Info(0x081A, LOCALE_SNATIVELANGNAME), "srpski");
    EXPECT_EQ(Info(0x0C1A, LOCALE_SNATIVELANGNAME), "српски");
    // Arabic counts in the Gregorian calendar with Latin digits.
    EXPECT_EQ(Info(1025, LOCALE_SSHORTDATE), "d/M/yyyy");
    EXPECT_EQ(Info(1025, LOCALE_SDECIMAL), ".");
}

TEST(LocaleInfoTest, BufferSizeProtocol) {
    const int Needed = GetLocaleInfoA(1036, LOCALE_SDAYNAME1, nullptr, 0);
    EXPECT_EQ(Needed, 6); // "lundi" and its terminating zero

    char Buffer[16];
    std::memset(Buffer, 'x', sizeof Buffer);
    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_SDAYNAME1, Buffer, Needed), Needed);
    EXPECT_STREQ(Buffer, "lundi");

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_SDAYNAME1, Buffer, Needed - 1), 0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);

    // UTF-8 sizes count bytes: "€" takes three.
    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_SCURRENCY, nullptr, 0), 4);

    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_SDAYNAME1, Buffer, -1), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_SDAYNAME1, nullptr, 10), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(LocaleInfoTest, FlagsAndNumbers) {
    EXPECT_EQ(Info(1036, LOCALE_SDAYNAME1 | LOCALE_NOUSEROVERRIDE), "lundi");
    EXPECT_EQ(Info(1036, LOCALE_SDAYNAME1 | LOCALE_USE_CP_ACP), "lundi");

    std::uint32_t Value = 0;
    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_INEGCURR | LOCALE_RETURN_NUMBER,
                             reinterpret_cast<char*>(&Value), sizeof Value),
              4);
    EXPECT_EQ(Value, 8u);
    SetLastError(ERROR_SUCCESS);
    char Buffer[8];
    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_SDAYNAME1 | LOCALE_RETURN_NUMBER, Buffer, 8), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
    EXPECT_EQ(GetLocaleInfoA(1036, 0x7777, Buffer, 8), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

TEST(LocaleInfoTest, UnknownLocalesFail) {
    for (LCID Id : {LCID{0x1234}, LCID{9999}, LCID{0x0009}, LCID{0x10407}, LOCALE_INVARIANT}) {
        SetLastError(ERROR_SUCCESS);
        char Buffer[64];
        EXPECT_EQ(GetLocaleInfoA(Id, LOCALE_SENGLANGUAGE, Buffer, sizeof Buffer), 0) << Id;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << Id;
        EXPECT_EQ(GetLocaleInfoA(Id, LOCALE_SENGLANGUAGE, nullptr, 0), 0) << Id;
        EXPECT_FALSE(IsValidLocale(Id, LCID_SUPPORTED)) << Id;
    }
    EXPECT_TRUE(IsValidLocale(1036, LCID_INSTALLED));
    EXPECT_FALSE(IsValidLocale(1036, 0x10));
}

TEST(LocaleInfoTest, TextsFollowTheProcessCodePage) {
    TCodePageGuard Guard;
    EXPECT_EQ(GetACP(), CP_UTF8);
    ASSERT_TRUE(SetProcessCodePage(1252));
    EXPECT_EQ(GetACP(), 1252u);
    EXPECT_EQ(Info(1036, LOCALE_SCURRENCY), "\x80");
    EXPECT_EQ(Info(2057, LOCALE_SCURRENCY), "\xA3");
    EXPECT_EQ(Info(1036, LOCALE_SNATIVELANGNAME), "fran\xE7"
                                                  "ais");
    EXPECT_EQ(GetLocaleInfoA(1036, LOCALE_SCURRENCY, nullptr, 0), 2);
    EXPECT_EQ(Info(1049, LOCALE_SMONTHNAME1), "??????"); // Cyrillic has no place in 1252
    ASSERT_TRUE(SetProcessCodePage(1251));
    EXPECT_EQ(Info(1049, LOCALE_SMONTHNAME1), "\xFF\xED\xE2\xE0\xF0\xFC");
    EXPECT_FALSE(SetProcessCodePage(12345));
    EXPECT_EQ(GetACP(), 1251u);
    ASSERT_TRUE(SetProcessCodePage(932));
    EXPECT_EQ(Info(1041, LOCALE_SMONTHNAME1), "1\x8C\x8E"); // "1月" in Shift-JIS
}

TEST(LocaleInfoTest, DefaultLocalesComeFromTheEnvironment) {
    zt_test::TEnvGuard Env;
    EXPECT_EQ(GetUserDefaultLCID(), 1033u);
    EXPECT_EQ(GetSystemDefaultLCID(), 1033u);

    Env.Set("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(GetUserDefaultLCID(), 1036u);
    EXPECT_EQ(GetSystemDefaultLCID(), 1036u);
    EXPECT_EQ(Info(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME1), "lundi");

    Env.Set("LC_TIME", "de_DE.UTF-8");
    EXPECT_EQ(GetUserDefaultLCID(), 1031u);
    EXPECT_EQ(GetSystemDefaultLCID(), 1036u); // the system's locale reads LANG only
    EXPECT_EQ(Info(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME7), "Sonntag");
    EXPECT_EQ(Info(LOCALE_SYSTEM_DEFAULT, LOCALE_SDAYNAME7), "dimanche");

    Env.Set("LC_ALL", "ja_JP.eucJP");
    EXPECT_EQ(GetUserDefaultLCID(), 1041u);
    EXPECT_EQ(GetUserDefaultLangID(), 0x0411);

    Env.Set("LC_ALL", "zh_CN.GB18030");
    EXPECT_EQ(GetUserDefaultLangID(), 0x0804);
    Env.Set("LANG", "C.UTF-8");
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0409);
}

TEST(LocaleInfoTest, PosixNamesMapToIdentifiers) {
    EXPECT_EQ(LcidFromPosixLocale(""), 1033u);
    EXPECT_EQ(LcidFromPosixLocale("C"), 1033u);
    EXPECT_EQ(LcidFromPosixLocale("POSIX"), 1033u);
    EXPECT_EQ(LcidFromPosixLocale("xx_YY.UTF-8"), 1033u);
    EXPECT_EQ(LcidFromPosixLocale("fr_FR.UTF-8"), 1036u);
    EXPECT_EQ(LcidFromPosixLocale("fr_CA"), 3084u);
    EXPECT_EQ(LcidFromPosixLocale("de_DE@euro"), 1031u);
    EXPECT_EQ(LcidFromPosixLocale("es_ES.UTF-8"), 3082u); // modern sort, not 1034
    EXPECT_EQ(LcidFromPosixLocale("zh_TW.Big5"), 1028u);
    EXPECT_EQ(LcidFromPosixLocale("de"), 1031u);      // likely region
    EXPECT_EQ(LcidFromPosixLocale("sr_RS"), 0x281Au); // likely script: Cyrillic
    EXPECT_EQ(LcidFromPosixLocale("sr_Latn_RS"), 0x241Au);
}

std::vector<std::string> Enumerated;
int Collect(const char* Text) {
    Enumerated.emplace_back(Text);
    return 1;
}
int StopAtFirst(const char* Text) {
    Enumerated.emplace_back(Text);
    return 0;
}

TEST(LocaleInfoTest, EnumerationListsEveryKnownLocaleOnce) {
    Enumerated.clear();
    ASSERT_TRUE(EnumSystemLocalesA(Collect, LCID_SUPPORTED));
    EXPECT_GE(Enumerated.size(), 200u);
    EXPECT_LT(Enumerated.size(), 1000u);
    EXPECT_EQ(Enumerated.size(), KnownLocales().size());
    EXPECT_EQ(std::set<std::string>(Enumerated.begin(), Enumerated.end()).size(),
              Enumerated.size());
    for (LCID Facts :
         {1025, 1027, 2052, 1029, 1030, 1043, 1033, 1035, 1036, 1031, 1032, 1037, 1038, 1040,
          1041, 1042, 1044, 1045, 1049, 1051, 1060, 1034, 1053, 1028, 1055, 3082, 2068}) {
        char Text[9];
        std::snprintf(Text, sizeof Text, "%08x", Facts);
        EXPECT_NE(std::find(Enumerated.begin(), Enumerated.end(), Text), Enumerated.end()) << Text;
    }
    Enumerated.clear();
    EXPECT_TRUE(EnumSystemLocalesA(StopAtFirst, LCID_INSTALLED));
    EXPECT_EQ(Enumerated, std::vector<std::string>{"00000401"});

    EXPECT_FALSE(EnumSystemLocalesA(Collect, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
    EXPECT_FALSE(EnumSystemLocalesA(nullptr, LCID_INSTALLED));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

// Every known locale answers every item the locale settings read, with usable pictures.
TEST(LocaleInfoTest, EveryKnownLocaleAnswersTheSettingsItems) {
    const LCTYPE Texts[] = {LOCALE_STIME,       LOCALE_S1159,           LOCALE_S2359,
                            LOCALE_SDATE,       LOCALE_ICURRENCY,       LOCALE_INEGCURR,
                            LOCALE_ICURRDIGITS, LOCALE_SCURRENCY,       LOCALE_STHOUSAND,
                            LOCALE_SDECIMAL,    LOCALE_SENGLANGUAGE,    LOCALE_SNATIVELANGNAME,
                            LOCALE_SENGCOUNTRY, LOCALE_SNATIVECTRYNAME, LOCALE_SLIST,
                            LOCALE_ILZERO,      LOCALE_ITIME,           LOCALE_ITIMEMARKPOSN};
    for (const TLocaleEntry& Entry : KnownLocales()) {
        SCOPED_TRACE(Entry.Name);
        for (LCTYPE Item = LOCALE_SDAYNAME1; Item <= LOCALE_SABBREVMONTHNAME12; ++Item)
            EXPECT_GT(Info(Entry.Id, Item).value_or("").size(), 0u) << Item;
        for (LCTYPE Item : Texts)
            EXPECT_GT(Info(Entry.Id, Item).value_or("").size(), 0u) << Item;
        const std::string Short = Info(Entry.Id, LOCALE_SSHORTDATE).value_or("");
        EXPECT_NE(Short.find('d'), std::string::npos) << Short;
        EXPECT_NE(Short.find('M'), std::string::npos) << Short;
        EXPECT_NE(Short.find("yy"), std::string::npos) << Short;
        const std::string Time = Info(Entry.Id, LOCALE_STIMEFORMAT).value_or("");
        EXPECT_NE(Time.find_first_of("hH"), std::string::npos) << Time;
        const int Negative = std::stoi(Info(Entry.Id, LOCALE_INEGCURR).value_or("-1"));
        EXPECT_TRUE(Negative >= 0 && Negative <= 15) << Negative;
    }
}

TEST(LocaleInfoTest, ThreadLocaleIsPerThreadAndChecked) {
    // Run on a thread of its own so the test thread's locale stays unset.
    std::thread([] {
        zt_test::TEnvGuard Env;
        Env.Set("LANG", "de_DE.UTF-8");
        EXPECT_EQ(GetThreadLocale(), 1031u);
        EXPECT_TRUE(SetThreadLocale(1036));
        EXPECT_EQ(GetThreadLocale(), 1036u);
        std::thread([] { EXPECT_EQ(GetThreadLocale(), 1031u); }).join();
        EXPECT_FALSE(SetThreadLocale(0x1234));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
        EXPECT_EQ(GetThreadLocale(), 1036u);
        EXPECT_TRUE(SetThreadLocale(LOCALE_USER_DEFAULT));
        EXPECT_EQ(GetThreadLocale(), 1031u);
    }).join();
}

TEST(LocaleInfoTest, IdentifierMacros) {
    EXPECT_EQ(MAKELANGID(0x0C, 1), 0x040C);
    EXPECT_EQ(MAKELANGID(0x0A, 3), 0x0C0A);
    EXPECT_EQ(PRIMARYLANGID(0x0804), 0x04u);
    EXPECT_EQ(SUBLANGID(0x0804), 2u);
    EXPECT_EQ(MAKELCID(0x0407, 1), 0x10407u);
    EXPECT_EQ(LANGIDFROMLCID(0x10407), 0x0407);
    EXPECT_EQ(LOCALE_USER_DEFAULT, MAKELCID(MAKELANGID(0, 1), 0));
    EXPECT_EQ(LOCALE_SYSTEM_DEFAULT, MAKELCID(MAKELANGID(0, 2), 0));
}

TEST(LocaleTableTest, LooksUpBothWays) {
    EXPECT_EQ(LocaleNameOf(1036), "fr-FR");
    EXPECT_EQ(LocaleNameOf(1034), "es-ES-u-co-trad");
    EXPECT_EQ(LocaleNameOf(0x1234), std::nullopt);
    EXPECT_EQ(LcidOfLocaleName("fr_fr"), 1036u);
    EXPECT_EQ(LcidOfLocaleName("ZH-tw"), 1028u);
    EXPECT_EQ(LcidOfLocaleName("fr"), std::nullopt);
    EXPECT_EQ(LcidOfLocaleName(""), std::nullopt);
    EXPECT_EQ(LcidOfLocaleName("ko-KR"), 0x0412u); // not the Johab 0x0812
    const auto All = KnownLocales();
    for (std::size_t I = 0; I < All.size(); ++I) {
        if (I > 0) {
            EXPECT_LT(All[I - 1].Id, All[I].Id);
        }
        // A name shared by two identifiers resolves to the first of them.
        const auto First = std::find_if(All.begin(), All.end(),
                                        [&](const auto& E) { return E.Name == All[I].Name; });
        EXPECT_EQ(LcidOfLocaleName(All[I].Name), First->Id) << All[I].Name;
        EXPECT_EQ(LocaleNameOf(All[I].Id), All[I].Name);
    }
}

TEST(LocalePicturesTest, IcuPatternsBecomeWindowsPictures) {
    EXPECT_EQ(IcuPatternToPicture("EEEE, MMMM d, y"), "dddd, MMMM d, yyyy");
    EXPECT_EQ(IcuPatternToPicture("M/d/yy"), "M/d/yy");
    EXPECT_EQ(IcuPatternToPicture("M/d/yy", TYearDigits::Four), "M/d/yyyy");
    EXPECT_EQ(IcuPatternToPicture("h:mm:ss\u202Fa"), "h:mm:ss tt");
    EXPECT_EQ(IcuPatternToPicture("y年M月d日EEEE"), "yyyy'年'M'月'd'日'dddd");
    EXPECT_EQ(IcuPatternToPicture("d\u200F/M\u200F/y GGGGG"), "d/M/yyyy"); // era and marks out
    EXPECT_EQ(IcuPatternToPicture("cccc d. MMMM y"), "dddd d. MMMM yyyy");
    EXPECT_EQ(IcuPatternToPicture("HH 'h' mm 'min' ss 's'"), "HH 'h' mm 'min' ss 's'");
    EXPECT_EQ(IcuPatternToPicture("h 'o''clock' a, zzzz"), "h 'o''clock' tt,");
    EXPECT_EQ(IcuPatternToPicture("HH:mm:ss.SSS"), "HH:mm:ss.");
    EXPECT_EQ(IcuPatternToPicture("Bh:mm"), "tth:mm");
    EXPECT_EQ(IcuPatternToPicture("MMMMM LLL EEE EEEEEE"), "MMM MMM ddd ddd");
    EXPECT_EQ(IcuPatternToPicture("'unterminated"), "'unterminated'");
    EXPECT_EQ(IcuPatternToPicture(""), "");
}

TEST(LocalePicturesTest, SeparatorsOrderAndClockOfPictures) {
    EXPECT_EQ(DateSeparatorOf("M/d/yyyy"), "/");
    EXPECT_EQ(DateSeparatorOf("yyyy. M. d."), ".");
    EXPECT_EQ(DateSeparatorOf("dddd'年'"), "年");
    EXPECT_EQ(DateSeparatorOf("yyyyMMdd"), "/");
    EXPECT_EQ(DateSeparatorOf("", "-"), "-");
    EXPECT_EQ(TimeSeparatorOf("H.mm.ss"), ".");
    EXPECT_EQ(TimeSeparatorOf("tt h:mm:ss"), ":");
    EXPECT_EQ(TimeSeparatorOf("HHmm"), ":");
    EXPECT_EQ(DateOrderOf("M/d/yyyy"), 0);
    EXPECT_EQ(DateOrderOf("dddd, MMMM d, yyyy"), 0); // the weekday is not the day
    EXPECT_EQ(DateOrderOf("dd.MM.yyyy"), 1);
    EXPECT_EQ(DateOrderOf("yyyy-MM-dd"), 2);
    EXPECT_TRUE(PictureUses24Hour("HH:mm"));
    EXPECT_FALSE(PictureUses24Hour("h:mm tt 'H'"));
    EXPECT_TRUE(AmPmPrecedesHour("tt h:mm"));
    EXPECT_FALSE(AmPmPrecedesHour("h:mm tt"));
    EXPECT_FALSE(AmPmPrecedesHour("HH:mm"));
    EXPECT_TRUE(HourHasLeadingZero("HH:mm"));
    EXPECT_FALSE(HourHasLeadingZero("h:mm"));
}

TEST(LocalePicturesTest, CurrencyPatternsGiveWindowsModes) {
    struct TCase {
        const char* Pattern;
        int Positive, Negative;
    };
    const TCase Cases[] = {
        {"¤#,##0.00", 0, 1},
        {"#,##0.00 ¤", 3, 8},
        {"#,##0.00\u00A0¤", 3, 8},
        {"#,##0.00¤", 1, 5},
        {"¤ #,##0.00", 2, 9},
        {"¤ #,##0.00;¤ -#,##0.00", 2, 12},
        {"¤#,##0.00;(¤#,##0.00)", 0, 0},
        {"#,##0.00 ¤;(#,##0.00 ¤)", 3, 15},
        {"¤#,##0.00;¤#,##0.00-", 0, 3},
        {"\u200F#,##0.00 \u200F¤;\u200F-#,##0.00 \u200F¤", 3, 8},
        {"¤¤ #,##0.00", 2, 9},
        {"¤#,##0.00;[¤#,##0.00]", 0, 1}, // no Windows mode: minus in front
    };
    for (const TCase& C : Cases) {
        const TCurrencyModes Modes = CurrencyModesOf(C.Pattern);
        EXPECT_EQ(Modes.Positive, C.Positive) << C.Pattern;
        EXPECT_EQ(Modes.Negative, C.Negative) << C.Pattern;
    }
    EXPECT_EQ(GroupingText(3, 0), "3;0");
    EXPECT_EQ(GroupingText(3, 3), "3;0");
    EXPECT_EQ(GroupingText(3, 2), "3;2;0");
    EXPECT_EQ(GroupingText(0, 0), "0");
}

} // namespace
