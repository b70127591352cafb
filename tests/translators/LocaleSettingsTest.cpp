#include "translators/LocaleSettings.h"

#include "host/rtl/DateTime.h"
#include "host/rtl/FloatFormat.h"
#include "host/rtl/Format.h"
#include "host/winapi/NlsCodePage.h"
#include "translators/LocaleCatalogue.h"

#include "LocaleTestSupport.h"

#include <memory>

using namespace zantor;
using host::EncodeDate;
using host::EncodeTime;
using host::FormatSettings;

namespace {

class ZltSettings : public ::testing::Test {
protected:
    zlt_test::TRtlStateGuard Rtl;

    std::vector<std::unique_ptr<TSortList>> FLists;

    TSortList& Catalogue(std::initializer_list<Integer> Locales) {
        auto& L = *FLists.emplace_back(std::make_unique<TSortList>(false));
        for (Integer Id : Locales)
            AddOrgProps(Id, &L);
        return L;
    }
    TSortList& Lines(std::initializer_list<const char*> Texts) {
        auto& L = *FLists.emplace_back(std::make_unique<TSortList>(false));
        for (const char* T : Texts)
            L.SortInsert(T);
        return L;
    }
};

} // namespace

TEST_F(ZltSettings, SwitchingToFrenchChangesWhatTheRunTimeLibraryWrites) {
    const host::TDateTime Afternoon = EncodeDate(2003, 2, 5) + EncodeTime(14, 7, 9, 0);
    EXPECT_EQ(host::DateTimeToStr(Afternoon), "2/5/2003 2:07:09 PM");
    ASSERT_TRUE(ApplyLocaleSettings(Catalogue({1033, 1036, 1031}), 1036, RtlSettingsTarget()));
    EXPECT_EQ(host::DateToStr(Afternoon), "05/02/2003");
    EXPECT_EQ(host::TimeToStr(Afternoon), "14:07:09");
    EXPECT_EQ(host::FormatDateTime("dddddd", Afternoon), "mercredi 5 février 2003");
    EXPECT_EQ(host::FormatDateTime("ddd d mmm", Afternoon), "mer. 5 févr.");
    EXPECT_EQ(host::FormatFloat("#,##0.00", 1234567.891), "1\u202F234\u202F567,89");
    EXPECT_EQ(host::Format("%m", {1234.5}), "1\u202F234,50 €");
    EXPECT_EQ(host::CurrToStr(1234.5), "1234,5");
    EXPECT_EQ(host::FloatToStrF(-1234.5, host::ffCurrency, 15, 2), "-1\u202F234,50 €");
    EXPECT_EQ(FormatSettings().ListSeparator, ";");
    EXPECT_EQ(FormatSettings().TwoDigitYearCenturyWindow, 0);
}

TEST_F(ZltSettings, CatalogueDaysStartOnMondayTheRunTimeTablesOnSunday) {
    ASSERT_TRUE(ApplyLocaleSettings(Catalogue({1031}), 1031, RtlSettingsTarget()));
    const auto& Fs = FormatSettings();
    EXPECT_EQ(Fs.LongDayNames[0], "Sonntag");
    EXPECT_EQ(Fs.LongDayNames[1], "Montag");
    EXPECT_EQ(Fs.LongDayNames[6], "Samstag");
    EXPECT_EQ(Fs.ShortDayNames[0], "So");
    EXPECT_EQ(host::FormatDateTime("dddd", EncodeDate(2023, 1, 1)), "Sonntag"); // a Sunday
    EXPECT_EQ(host::FormatDateTime("dddd", EncodeDate(2023, 1, 2)), "Montag");
    EXPECT_EQ(Fs.LongMonthNames[0], "Januar");
    EXPECT_EQ(Fs.ShortMonthNames[0], "Jan");
}

TEST_F(ZltSettings, OnlyTheRequestedLocaleAndOnlyKnownSettingsApply) {
    TSortList& L = Lines({"0000040C_LONGDAYNAMES[1]=lundi", "0000040C_FUTURESETTING=1",
                          "0000040C_LONGDAYNAMES[8]=x", "0000040C", "0000040CX_CURRENCYSTRING=no",
                          "00000407_LONGDAYNAMES[1]=Montag", "0000040D_LONGDAYNAMES[1]=other"});
    EXPECT_FALSE(ApplyLocaleSettings(L, 1033, RtlSettingsTarget()));
    EXPECT_EQ(FormatSettings().LongDayNames[1], "Monday");
    EXPECT_TRUE(ApplyLocaleSettings(L, 1036, RtlSettingsTarget()));
    EXPECT_EQ(FormatSettings().LongDayNames[1], "lundi");
    EXPECT_EQ(FormatSettings().CurrencyString, "$");
    // An identifier whose only entries are unknown settings is still held.
    EXPECT_TRUE(ApplyLocaleSettings(Lines({"00000419_NOTHING=1"}), 1049, RtlSettingsTarget()));
}

TEST_F(ZltSettings, SeparatorsTakeTheirFirstCharacterAndAnEmptyOneKeepsThePrevious) {
    TSortList& L = Lines({"00000409_DATESEPARATOR=", "00000409_TIMESEPARATOR=.:",
                          "00000409_THOUSANDSEPARATOR=\u202F and more",
                          "00000409_DECIMALSEPARATOR=,", "00000409_LISTSEPARATOR=;x"});
    ASSERT_TRUE(ApplyLocaleSettings(L, 1033, RtlSettingsTarget()));
    const auto& Fs = FormatSettings();
    EXPECT_EQ(Fs.DateSeparator, "/");
    EXPECT_EQ(Fs.TimeSeparator, ".");
    EXPECT_EQ(Fs.ThousandSeparator, "\u202F");
    EXPECT_EQ(Fs.DecimalSeparator, ",");
    EXPECT_EQ(Fs.ListSeparator, ";");
}

TEST_F(ZltSettings, FirstCharacterFollowsTheCodePage) {
    EXPECT_EQ(FirstCharacter("", host::CP_UTF8), "");
    EXPECT_EQ(FirstCharacter("ab", host::CP_UTF8), "a");
    EXPECT_EQ(FirstCharacter("\u00A0x", host::CP_UTF8), "\u00A0");
    EXPECT_EQ(FirstCharacter("\u202Fx", host::CP_UTF8), "\u202F");
    EXPECT_EQ(FirstCharacter("\U0001F600x", host::CP_UTF8), "\U0001F600");
    EXPECT_EQ(FirstCharacter("\xE2\x80", host::CP_UTF8), "\xE2\x80"); // cut short
    EXPECT_EQ(FirstCharacter("\xA0x", 1252), "\xA0");
    EXPECT_EQ(FirstCharacter("\x81\x40x", 932), "\x81\x40");
    EXPECT_EQ(FirstCharacter("\xA1\x40x", 932), "\xA1"); // half-width katakana: one byte
    EXPECT_EQ(FirstCharacter("\xA1\x40x", 950), "\xA1\x40");
    EXPECT_EQ(FirstCharacter("\xE2\x80\xAF", 1252), "\xE2");
}

TEST_F(ZltSettings, SeparatorsInASingleByteCodePage) {
    ASSERT_TRUE(host::SetProcessCodePage(1252));
    TSortList& L = Catalogue({1053}); // Swedish: a no-break space groups thousands
    EXPECT_NE(L.IndexOf("0000041D_THOUSANDSEPARATOR=\xA0"), -1);
    ASSERT_TRUE(ApplyLocaleSettings(L, 1053, RtlSettingsTarget()));
    EXPECT_EQ(FormatSettings().ThousandSeparator, "\xA0");
    EXPECT_EQ(FormatSettings().LongDayNames[1], "m\xE5ndag");
}

TEST_F(ZltSettings, NumbersCurrencyFormatAndCenturyWindow) {
    TSortList& L = Lines({"00000409_CURRENCYFORMAT=2", "00000409_NEGCURRFORMAT=12",
                          "00000409_CURRENCYDECIMALS=3", "00000409_CURRENCYSTRING=CHF",
                          "00000409_TWODIGITYEARCENTURYWINDOW=65566"});
    ASSERT_TRUE(ApplyLocaleSettings(L, 1033, RtlSettingsTarget()));
    EXPECT_EQ(host::Format("%m", {5.0}), "CHF 5.000");
    EXPECT_EQ(host::Format("%m", {-5.0}), "CHF -5.000");
    EXPECT_EQ(FormatSettings().TwoDigitYearCenturyWindow, 30); // kept to 16 bits
}

TEST_F(ZltSettings, ANonNumericIntegerStopsTheSwitchAtThatEntry) {
    // In list order: _CURRENCYFORMAT, _CURRENCYSTRING, _NEGCURRFORMAT, _TIMEAMSTRING.
    TSortList& L = Lines({"00000409_CURRENCYFORMAT=1", "00000409_NEGCURRFORMAT=two",
                          "00000409_CURRENCYSTRING=EUR", "00000409_TIMEAMSTRING=vorm."});
    EXPECT_THROW_MSG(ApplyLocaleSettings(L, 1033, RtlSettingsTarget()), host::EConvertError,
                     "'two' is not a valid integer value");
    EXPECT_EQ(FormatSettings().CurrencyFormat, 1); // applied before the failure
    EXPECT_EQ(FormatSettings().CurrencyString, "EUR");
    EXPECT_EQ(FormatSettings().TimeAMString, "AM"); // after it: not reached
}

TEST_F(ZltSettings, EntriesFromAFileApplyLikeThoseReadFromThePlatform) {
    TSortList& FromPlatform = Catalogue({1049});
    TSortList FromFile(false);
    for (int i = 0; i < FromPlatform.Count(); ++i)
        FromFile.SortInsert(FromPlatform.Line(i)); // no objects
    ASSERT_TRUE(ApplyLocaleSettings(FromPlatform, 1049, RtlSettingsTarget()));
    const host::TFormatSettings Expected = FormatSettings();
    host::ResetFormatSettings();
    ASSERT_TRUE(ApplyLocaleSettings(FromFile, 1049, RtlSettingsTarget()));
    const auto& Fs = FormatSettings();
    EXPECT_EQ(Fs.LongMonthNames, Expected.LongMonthNames);
    EXPECT_EQ(Fs.LongDayNames, Expected.LongDayNames);
    EXPECT_EQ(Fs.ShortDateFormat, Expected.ShortDateFormat);
    EXPECT_EQ(Fs.ThousandSeparator, Expected.ThousandSeparator);
    EXPECT_EQ(Fs.CurrencyString, Expected.CurrencyString);
    EXPECT_EQ(Fs.LongDayNames[1], "понедельник");
}

TEST_F(ZltSettings, AVersionThreeTargetKeepsListSeparatorAndWindowApart) {
    host::TFormatSettings Settings;
    String List = "?";
    std::uint16_t Window = 99;
    TLocaleSettingsTarget Target{Settings, List, Window};
    ASSERT_TRUE(ApplyLocaleSettings(Catalogue({1031}), 1031, Target));
    EXPECT_EQ(List, ";");
    EXPECT_EQ(Window, 0);
    EXPECT_EQ(Settings.DecimalSeparator, ",");
    EXPECT_EQ(Settings.ListSeparator, ",");            // untouched here
    EXPECT_EQ(FormatSettings().DecimalSeparator, "."); // the globals were not the target
}
