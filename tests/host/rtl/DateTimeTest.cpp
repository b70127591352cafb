#include "host/rtl/DateTime.h"

#include "TestUtil.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FormatSettings.h"

#include <cmath>

using namespace host;

namespace {

class DateTimeTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }

    // Wednesday, 5 February 2003, 14:07:09.045.
    const TDateTime Afternoon = EncodeDate(2003, 2, 5) + EncodeTime(14, 7, 9, 45);
    const TDateTime Morning = EncodeDate(2003, 2, 5) + EncodeTime(0, 30, 4, 5);
    const TDateTime Noon = EncodeDate(2003, 2, 5) + EncodeTime(12, 0, 0, 0);
};

struct TYmd {
    Word Year = 0, Month = 0, Day = 0;
    bool operator==(const TYmd&) const = default;
};
TYmd Ymd(TDateTime DateTime) {
    TYmd R;
    DecodeDate(DateTime, R.Year, R.Month, R.Day);
    return R;
}
void PrintTo(const TYmd& D, std::ostream* Out) {
    *Out << D.Year << "-" << D.Month << "-" << D.Day;
}

TEST_F(DateTimeTest, EncodeDateCountsDaysFrom1899_12_30AndChecksItsArguments) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585.0);
    for (auto [Y, M, D] : {std::array<Word, 3>{2001, 2, 29},
                           {1900, 2, 29},
                           {0, 1, 1},
                           {10000, 1, 1},
                           {2000, 13, 1},
                           {2000, 0, 1},
                           {2000, 4, 31},
                           {2000, 1, 0}}) {
        EXPECT_THROW_MSG(EncodeDate(Y, M, D), EConvertError, "Invalid argument to date encode");
        EXPECT_FALSE(TryEncodeDate(Y, M, D).has_value());
    }
}

TEST_F(DateTimeTest, EncodeTimeIsTheFractionOfTheDay) {
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / 86400000.0);
    for (auto [H, M, S, Ms] :
         {std::array<Word, 4>{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}}) {
        EXPECT_THROW_MSG(EncodeTime(H, M, S, Ms), EConvertError, "Invalid argument to time encode");
    }
}

TEST_F(DateTimeTest, DecodeDateInvertsEncodeDateOverTheWholeRange) {
    TYmd Previous = Ymd(-693593);
    EXPECT_EQ(Previous, (TYmd{1, 1, 1}));
    for (Int64 Day = -693593 + 1; Day <= 2958465; Day += 1) {
        const TYmd Current = Ymd(static_cast<TDateTime>(Day));
        // Each day follows the one before: same month and the next day, or day 1.
        const bool Next =
            (Current.Day == Previous.Day + 1 && Current.Month == Previous.Month) ||
            (Current.Day == 1 && Previous.Day == DaysInMonth(Previous.Year, Previous.Month));
        if (!Next) {
            ADD_FAILURE() << "day " << Day;
            break;
        }
        Previous = Current;
    }
    EXPECT_EQ(Previous, (TYmd{9999, 12, 31}));
    EXPECT_EQ(Ymd(EncodeDate(2024, 2, 29)), (TYmd{2024, 2, 29}));
    // Outside years 1..9999 (and for non-numbers) every part is 0.
    EXPECT_EQ(Ymd(-693594), TYmd{});
    EXPECT_EQ(Ymd(2958466), TYmd{});
    EXPECT_EQ(Ymd(1e300), TYmd{});
    EXPECT_EQ(Ymd(NAN), TYmd{});
}

TEST_F(DateTimeTest, DecodeTimeRoundsToTheMillisecondAndIgnoresTheSign) {
    Word H, M, S, Ms;
    DecodeTime(Afternoon, H, M, S, Ms);
    EXPECT_EQ((std::array<Word, 4>{H, M, S, Ms}), (std::array<Word, 4>{14, 7, 9, 45}));
    // -1.25 is the day before 1899-12-30 at six in the morning.
    DecodeTime(-1.25, H, M, S, Ms);
    EXPECT_EQ(H, 6);
    EXPECT_EQ(Ymd(-1.25), (TYmd{1899, 12, 29}));
    // A fraction a hair below the next day rounds up to its midnight.
    const TDateTime AlmostNextDay = 2.0 - 1e-10;
    DecodeTime(AlmostNextDay, H, M, S, Ms);
    EXPECT_EQ(H + M + S + Ms, 0);
    EXPECT_EQ(Ymd(AlmostNextDay), (TYmd{1900, 1, 1}));
    EXPECT_EQ(Ymd(-1 + 1e-10), (TYmd{1899, 12, 29}));
}

TEST_F(DateTimeTest, DayOfWeekCountsFromSunday) {
    EXPECT_EQ(DayOfWeek(0), 7);                        // 1899-12-30, a Saturday
    EXPECT_EQ(DayOfWeek(Afternoon), 4);                // Wednesday
    EXPECT_EQ(DayOfWeek(EncodeDate(2023, 1, 1)), 1);   // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);      // Monday
    EXPECT_EQ(DayOfWeek(EncodeDate(9999, 12, 31)), 6); // Friday
    EXPECT_EQ(DayOfWeek(-1.5), 6);                     // 1899-12-29, a Friday
}

TEST_F(DateTimeTest, NowDateAndTimeAgree) {
    const TDateTime Before = Now();
    const TDateTime Today = Date();
    const TDateTime Clock = Time();
    EXPECT_EQ(Today, std::floor(Today));
    EXPECT_GE(Clock, 0.0);
    EXPECT_LT(Clock, 1.0);
    EXPECT_NEAR(Before, Today + Clock, 1.0);
    EXPECT_GT(Today, EncodeDate(2020, 1, 1));
}

TEST_F(DateTimeTest, DateSpecifiers) {
    EXPECT_EQ(FormatDateTime("d dd m mm yy yyyy y yyy", Afternoon), "5 05 2 02 03 2003 03 2003");
    EXPECT_EQ(FormatDateTime("ddd dddd mmm mmmm", Afternoon), "Wed Wednesday Feb February");
    EXPECT_EQ(FormatDateTime("mmmmm", Afternoon), "February");
    EXPECT_EQ(FormatDateTime("ddddd", Afternoon), "2/5/2003");
    EXPECT_EQ(FormatDateTime("dddddd", Afternoon), "Wednesday, February 05, 2003");
    EXPECT_EQ(FormatDateTime("ddddddd", Afternoon), "Wednesday, February 05, 2003");
    EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(33, 1, 1)), "0033");
    EXPECT_EQ(FormatDateTime("yy", EncodeDate(2100, 1, 1)), "00");
}

TEST_F(DateTimeTest, TimeSpecifiers) {
    EXPECT_EQ(FormatDateTime("h hh n nn s ss z zz zzz", Afternoon), "14 14 7 07 9 09 45 45 045");
    EXPECT_EQ(FormatDateTime("h hh n nn s ss z zzz", Morning), "0 00 30 30 4 04 5 005");
    EXPECT_EQ(FormatDateTime("hhh nnn sss zzzz", Morning), "00 30 04 005");
    EXPECT_EQ(FormatDateTime("t", Afternoon), "2:07 PM");
    EXPECT_EQ(FormatDateTime("tt", Afternoon), "2:07:09 PM");
}

TEST_F(DateTimeTest, MIsTheMinuteRightAfterAnHour) {
    EXPECT_EQ(FormatDateTime("h:m", Afternoon), "14:7");
    EXPECT_EQ(FormatDateTime("hh:mm:ss", Afternoon), "14:07:09");
    EXPECT_EQ(FormatDateTime("hm", Afternoon), "147");
    EXPECT_EQ(FormatDateTime("HH.MM", Afternoon), "14.07");
    EXPECT_EQ(FormatDateTime("h'x'm", Afternoon), "14x7");    // quotes are not letters
    EXPECT_EQ(FormatDateTime("mm hh", Afternoon), "02 14");   // no hour before: month
    EXPECT_EQ(FormatDateTime("hh d m", Afternoon), "14 5 2"); // the day came between
    EXPECT_EQ(FormatDateTime("h s m", Afternoon), "14 9 2");
    EXPECT_EQ(FormatDateTime("h x m", Afternoon), "14 x 2"); // any letter breaks the rule
    EXPECT_EQ(FormatDateTime("h m m", Afternoon), "14 7 2"); // only the first m follows h
}

TEST_F(DateTimeTest, AmPmVariants) {
    EXPECT_EQ(FormatDateTime("h:nn am/pm", Afternoon), "2:07 pm");
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", Afternoon), "2:07 PM");
    EXPECT_EQ(FormatDateTime("h:nn Am/pM", Afternoon), "2:07 pM");
    EXPECT_EQ(FormatDateTime("h:nn am/pm", Morning), "12:30 am");
    EXPECT_EQ(FormatDateTime("hh:nn am/pm", Noon), "12:00 pm");
    EXPECT_EQ(FormatDateTime("h:nn a/p", Afternoon), "2:07 p");
    EXPECT_EQ(FormatDateTime("h:nn A/P", Morning), "12:30 A");
    EXPECT_EQ(FormatDateTime("h:nn ampm", Afternoon), "2:07 PM");
    EXPECT_EQ(FormatDateTime("h:nn AMPM", Morning), "12:30 AM");
    EXPECT_EQ(FormatDateTime("am/pm h", Afternoon), "pm 2");       // the clock stays 12-hour
    EXPECT_EQ(FormatDateTime("h 'am/pm'", Afternoon), "14 am/pm"); // quoted: 24-hour
    EXPECT_EQ(FormatDateTime("h h am/pm", Afternoon), "14 2 pm");  // only the nearest h
    EXPECT_EQ(FormatDateTime("h ax", Afternoon), "14 ax");
    EXPECT_EQ(FormatDateTime("h ap", Afternoon), "14 ap");
    FormatSettings().TimePMString = "nachm.";
    EXPECT_EQ(FormatDateTime("h ampm", Afternoon), "2 nachm.");
}

TEST_F(DateTimeTest, LiteralsSeparatorsAndCase) {
    EXPECT_EQ(FormatDateTime("'dd' \"mm\" dd", Afternoon), "dd mm 05");
    EXPECT_EQ(FormatDateTime("\"it's\" 'say \"x\"'", Afternoon), "it's say \"x\"");
    EXPECT_EQ(FormatDateTime("'abc", Afternoon), "abc");
    EXPECT_EQ(FormatDateTime("d/m/y h:n", Afternoon), "5/2/03 14:7");
    EXPECT_EQ(FormatDateTime("DD MM YYYY HH:NN:SS", Afternoon), "05 02 2003 14:07:09");
    EXPECT_EQ(FormatDateTime("dD", Afternoon), "55"); // a run is of one letter as written
    EXPECT_EQ(FormatDateTime("[x,-;]", Afternoon), "[x,-;]");
    FormatSettings().DateSeparator = "-";
    FormatSettings().TimeSeparator = ".";
    EXPECT_EQ(FormatDateTime("d/m/y h:n", Afternoon), "5-2-03 14.7");
    FormatSettings().DateSeparator = "";
    EXPECT_EQ(FormatDateTime("d/m", Afternoon), "52");
    FormatSettings().TimeSeparator = "\u2236"; // a ratio sign, three bytes in UTF-8
    EXPECT_EQ(FormatDateTime("h:n", Afternoon), "14\u22367");
}

TEST_F(DateTimeTest, EmptyFormatAndCLeaveOutAZeroTime) {
    EXPECT_EQ(FormatDateTime("", Afternoon), "2/5/2003 2:07:09 PM");
    EXPECT_EQ(FormatDateTime("c", Afternoon), "2/5/2003 2:07:09 PM");
    EXPECT_EQ(FormatDateTime("", EncodeDate(2003, 2, 5)), "2/5/2003");
    // Milliseconds alone do not count as a time.
    EXPECT_EQ(FormatDateTime("cc", EncodeDate(2003, 2, 5) + EncodeTime(0, 0, 0, 500)), "2/5/2003");
    EXPECT_EQ(DateTimeToStr(Afternoon), "2/5/2003 2:07:09 PM");
    EXPECT_EQ(DateToStr(Afternoon), "2/5/2003");
    EXPECT_EQ(TimeToStr(Afternoon), "2:07:09 PM");
}

TEST_F(DateTimeTest, NestedFormatsStopAtTheSecondLevel) {
    FormatSettings().ShortDateFormat = "ddddd";
    EXPECT_EQ(FormatDateTime("<ddddd>", Afternoon), "<>");
    FormatSettings().ShortDateFormat = "[c]";
    FormatSettings().LongTimeFormat = "hh";
    EXPECT_EQ(FormatDateTime("c", Afternoon), "[ ] 14");
    EXPECT_EQ(FormatDateTime("yyyy mm dd", 1e10), "0000 00 00"); // out of range: zeros
}

TEST_F(DateTimeTest, SwitchedSettingsChangeTheOutput) {
    TFormatSettings& Fs = FormatSettings();
    Fs.LongDayNames = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    Fs.ShortDayNames = {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."};
    Fs.LongMonthNames[1] = "février";
    Fs.ShortMonthNames[1] = "févr.";
    Fs.ShortDateFormat = "dd/MM/yyyy";
    Fs.LongDateFormat = "dddd d MMMM yyyy";
    Fs.LongTimeFormat = "hh:mm:ss";
    Fs.DateSeparator = ".";
    EXPECT_EQ(DateTimeToStr(Afternoon), "05.02.2003 14:07:09");
    EXPECT_EQ(FormatDateTime("dddddd", Afternoon), "mercredi 5 février 2003");
    EXPECT_EQ(FormatDateTime("ddd d mmm", Afternoon), "mer. 5 févr.");
    EXPECT_EQ(FormatDateTime("dddd", EncodeDate(2023, 1, 1)), "dimanche");
    EXPECT_EQ(FormatDateTime("dddd", EncodeDate(2022, 12, 31)), "samedi");
}

TEST_F(DateTimeTest, StrToDateReadsTheShortDateOrder) {
    EXPECT_EQ(StrToDate("2/5/2003"), EncodeDate(2003, 2, 5));
    EXPECT_EQ(StrToDate(" 2 / 5 / 2003 "), EncodeDate(2003, 2, 5));
    EXPECT_EQ(Ymd(StrToDate("2/5")), (TYmd{Ymd(Date()).Year, 2, 5}));
    EXPECT_EQ(StrToDate("2/5/03"), EncodeDate(2003, 2, 5));
    EXPECT_EQ(StrToDate("2/5/99"), EncodeDate(1999, 2, 5)); // within the 50-year window
    FormatSettings().TwoDigitYearCenturyWindow = 0;         // the current century
    EXPECT_EQ(StrToDate("2/5/99"), EncodeDate(2099, 2, 5));

    FormatSettings().ShortDateFormat = "dd.MM.yyyy";
    FormatSettings().DateSeparator = ".";
    EXPECT_EQ(StrToDate("05.02.2003"), EncodeDate(2003, 2, 5));
    EXPECT_EQ(Ymd(StrToDate("5.2")), (TYmd{Ymd(Date()).Year, 2, 5}));
    FormatSettings().ShortDateFormat = "yyyy-MM-dd";
    FormatSettings().DateSeparator = "-";
    EXPECT_EQ(StrToDate("2003-02-05"), EncodeDate(2003, 2, 5));
    EXPECT_EQ(Ymd(StrToDate("2-5")), (TYmd{Ymd(Date()).Year, 2, 5}));
    FormatSettings().DateSeparator = "\u00B7";
    EXPECT_EQ(StrToDate("2003\u00B702\u00B705"), EncodeDate(2003, 2, 5));
    const std::string HalfSeparators = "2003\xC2" + std::string("02\xC2") + "05";
    EXPECT_FALSE(TryStrToDate(HalfSeparators).has_value());
    FormatSettings().DateSeparator = "-";

    for (const char* Bad : {"2003-02-30", "", "abc", "2003-02", "2003-02-05-01", "12345-1-1",
                            "2003/02/05", "2003-02-05x", "-1-2-3"}) {
        EXPECT_THROW_MSG(StrToDate(Bad), EConvertError,
                         "'" + std::string(Bad) + "' is not a valid date");
    }
    EXPECT_FALSE(TryStrToDate("2003-02").has_value()); // month 2003 of this year
}

} // namespace
