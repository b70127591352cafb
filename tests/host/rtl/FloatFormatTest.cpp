#include "host/rtl/FloatFormat.h"

#include "TestUtil.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FormatSettings.h"

#include <cmath>
#include <limits>

using namespace host;

namespace {

class FloatFormatTest : public ::testing::Test {
protected:
    ~FloatFormatTest() override { ResetFormatSettings(); }
};

constexpr double Pi = 3.14159265358979;

TEST_F(FloatFormatTest, GeneralKeepsPrecisionDigitsAndHonoursExponentDigits) {
    EXPECT_EQ(FloatToStrF(1234.5678, ffGeneral, 4, 0), "1235");
    EXPECT_EQ(FloatToStrF(1234.5678, ffGeneral, 2, 0), "1.2E3");
    EXPECT_EQ(FloatToStrF(1e20, ffGeneral, 15, 4), "1E0020");
    EXPECT_EQ(FloatToStrF(1.5e-7, ffGeneral, 15, 2), "1.5E-07");
    EXPECT_EQ(FloatToStrF(1e20, ffGeneral, 15, 9), "1E0020"); // at most 4 exponent digits
    // Precision is clamped to 1..18.
    EXPECT_EQ(FloatToStrF(0.1234, ffGeneral, 0, 0), "0.1");
    EXPECT_EQ(FloatToStrF(0.1 + 0.2, ffGeneral, 40, 0), "0.30000000000000004");
}

TEST_F(FloatFormatTest, ExponentAlwaysShowsPrecisionDigitsAndExponentSign) {
    EXPECT_EQ(FloatToStrF(1.5, ffExponent, 15, 3), "1.50000000000000E+000");
    EXPECT_EQ(FloatToStrF(-1234.5, ffExponent, 4, 2), "-1.235E+03");
    EXPECT_EQ(FloatToStrF(0.0, ffExponent, 3, 0), "0.00E+0");
    EXPECT_EQ(FloatToStrF(1e-10, ffExponent, 1, 4), "1E-0010");
    EXPECT_EQ(FloatToStrF(9.99, ffExponent, 2, 0), "1.0E+1");
    EXPECT_EQ(FloatToStrF(123456.0, ffExponent, 18, 0), "1.23456000000000000E+5");
}

TEST_F(FloatFormatTest, FixedRoundsHalfAwayFromZero) {
    EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2), "1234.57");
    EXPECT_EQ(FloatToStrF(2.5, ffFixed, 15, 0), "3");
    EXPECT_EQ(FloatToStrF(-2.5, ffFixed, 15, 0), "-3");
    EXPECT_EQ(FloatToStrF(0.125, ffFixed, 15, 2), "0.13");
    EXPECT_EQ(FloatToStrF(9.995, ffFixed, 15, 2), "10.00");
    EXPECT_EQ(FloatToStrF(0.5, ffFixed, 15, 0), "1");
    EXPECT_EQ(FloatToStrF(0.04, ffFixed, 15, 1), "0.0");
    EXPECT_EQ(FloatToStrF(-0.004, ffFixed, 15, 2), "0.00"); // no "-0.00"
    // Precision limits the significant digits, decimals are then zero-filled.
    EXPECT_EQ(FloatToStrF(Pi, ffFixed, 3, 5), "3.14000");
    EXPECT_EQ(FloatToStrF(0.1, ffFixed, 15, 30), "0.100000000000000000"); // at most 18 decimals
    // More integer digits than the precision: scientific instead.
    EXPECT_EQ(FloatToStrF(1e20, ffFixed, 15, 2), "1.00000000000000E+20");
    EXPECT_EQ(FloatToStrF(123456.0, ffFixed, 6, 1), "123456.0");
    EXPECT_EQ(FloatToStrF(1234567.0, ffFixed, 6, 1), "1.23457E+6");
}

TEST_F(FloatFormatTest, NumberGroupsThousands) {
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1,234,567.89");
    EXPECT_EQ(FloatToStrF(-1234.0, ffNumber, 15, 0), "-1,234");
    EXPECT_EQ(FloatToStrF(999.999, ffNumber, 15, 2), "1,000.00");
    EXPECT_EQ(FloatToStrF(123.0, ffNumber, 15, 0), "123");
    EXPECT_EQ(FloatToStrF(0.5, ffNumber, 15, 2), "0.50");
    FormatSettings().ThousandSeparator = ".";
    FormatSettings().DecimalSeparator = ",";
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
    FormatSettings().ThousandSeparator = ""; // no separator at all
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1234567,89");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1234567,89");
    FormatSettings().ThousandSeparator = "\u202F"; // French: three bytes in UTF-8
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1\u202F234\u202F567,89");
    EXPECT_EQ(FormatFloat("#,##0.00", -1234567.891), "-1\u202F234\u202F567,89");
    FormatSettings().DecimalSeparator = "\u066B"; // Arabic decimal separator, two bytes
    EXPECT_EQ(FloatToStrF(0.5, ffGeneral, 15, 0), "0\u066B5");
    EXPECT_EQ(FloatToStrF(1.5e20, ffExponent, 3, 2), "1\u066B50E+20");
}

TEST_F(FloatFormatTest, CurrencyFollowsThePositiveFormatCode) {
    const char* expected[] = {"$1,234.50", "1,234.50$", "$ 1,234.50", "1,234.50 $"};
    for (int code = 0; code < 4; ++code) {
        FormatSettings().CurrencyFormat = code;
        EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), expected[code]) << code;
    }
    FormatSettings().CurrencyFormat = 3;
    FormatSettings().CurrencyString = "kr";
    EXPECT_EQ(FloatToStrF(7.0, ffCurrency, 15, 0), "7 kr");
    // A code out of range (as a corrupt setting could give) falls back to the first one.
    FormatSettings().CurrencyFormat = 99;
    EXPECT_EQ(FloatToStrF(7.0, ffCurrency, 15, 0), "kr7");
}

TEST_F(FloatFormatTest, CurrencyFollowsTheNegativeFormatCode) {
    const char* expected[] = {"($1.5)", "-$1.5",  "$-1.5",   "$1.5-",  "(1.5$)", "-1.5$",
                              "1.5-$",  "1.5$-",  "-1.5 $",  "-$ 1.5", "1.5 $-", "$ 1.5-",
                              "$ -1.5", "1.5- $", "($ 1.5)", "(1.5 $)"};
    for (int code = 0; code < 16; ++code) {
        FormatSettings().NegCurrFormat = code;
        EXPECT_EQ(FloatToStrF(-1.5, ffCurrency, 15, 1), expected[code]) << code;
    }
    FormatSettings().NegCurrFormat = -4;
    EXPECT_EQ(FloatToStrF(-1.5, ffCurrency, 15, 1), "($1.5)");
    // Rounded to zero it is no longer negative.
    FormatSettings().NegCurrFormat = 1;
    EXPECT_EQ(FloatToStrF(-0.001, ffCurrency, 15, 2), "$0.00");
}

TEST_F(FloatFormatTest, SpecialValuesAreNamed) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (TFloatFormat f : {ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency}) {
        EXPECT_EQ(FloatToStrF(nan, f, 15, 2), "NAN");
        EXPECT_EQ(FloatToStrF(-inf, f, 15, 2), "-INF");
    }
    EXPECT_EQ(FormatFloat("0.00", inf), "INF");
    EXPECT_EQ(CurrToStr(nan), "NAN");
}

struct PictureRow {
    const char* Picture;
    double Value;
    const char* Text;
};

void ExpectPictures(std::initializer_list<PictureRow> Rows) {
    for (const PictureRow& r : Rows)
        EXPECT_EQ(FormatFloat(r.Picture, r.Value), r.Text)
            << "FormatFloat(\"" << r.Picture << "\", " << r.Value << ")";
}

TEST_F(FloatFormatTest, FormatFloatPlacesDigitsOnPlaceholders) {
    ExpectPictures({
        {"0.00", 3.14159, "3.14"},
        {"0.00", 2.0, "2.00"},
        {"#.##", 3.1, "3.1"},
        {"#.##", 0.0, ""},
        {"0.##", 0.0, "0"},
        {"0.#", 2.96, "3"},
        {"000", 7.0, "007"},
        {"#0#", 5.0, "05"},
        {"#", 1234.0, "1234"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.0", 0.25, "0.3"},
        {"0.0", -0.25, "-0.3"},
        {"0.00", 1.005, "1.01"}, // the decimal that was written, not its binary neighbour
        {"0.00", -0.001, "0.00"},
        {"00.0", 0.05, "00.1"},
        {".00", 0.25, ".25"},
        {".00", 5.25, "5.25"},
        {"0.", 5.0, "5"},
        {"0.0.0", 1.25, "1.2.5"}, // a second point is plain text
        {"abc", 5.0, "abc"},
        {"abc", -5.0, "abc"},
        {"0", 1e20, "1E20"}, // too many integer digits for a picture
        {"", 1.0 / 3, "0.333333333333333"},
    });
}

TEST_F(FloatFormatTest, FormatFloatThousandsAndLiterals) {
    ExpectPictures({
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0", 999.0, "999"},
        {"#,##0", 1000.0, "1,000"},
        {"#,##0", -1234.0, "-1,234"},
        {"0,000", 5.0, "0,005"},
        {",0", 1234567.0, "1,234,567"},
        {"0.0,0", 1234.5, "1234.50"}, // a comma after the point does not group
        {"'$'#,##0.00", -5.0, "-$5.00"},
        {"\"pct\" 0%", 12.0, "pct 12%"},
        {"(000) 000-0000", 5551234567.0, "(555) 123-4567"},
        {"'0.0#'0", 3.0, "0.0#3"},
        {"'unterminated 0", 3.0, "unterminated 0"},
    });
    FormatSettings().ThousandSeparator = ".";
    FormatSettings().DecimalSeparator = ",";
    ExpectPictures({{"#,##0.00", 1234.5, "1.234,50"}});
}

TEST_F(FloatFormatTest, FormatFloatChoosesSections) {
    ExpectPictures({
        {"0.00;(0.00);'zero'", 1.5, "1.50"},
        {"0.00;(0.00);'zero'", -1.5, "(1.50)"},
        {"0.00;(0.00);'zero'", 0.0, "zero"},
        {"0.00;(0.00);'zero'", 0.001, "zero"},  // rounds to zero
        {"0.00;(0.00);'zero'", -0.001, "zero"}, // rounds to zero
        {"0.00;;'zero'", -1.5, "-1.50"},        // empty negative section: positive one
        {"0;(0)", 0.0, "0"},
        {"0;(0)", -0.2, "(0)"},
        {"'a;b'0", 5.0, "a;b5"},
        {"0;-0;z;ignored", 0.0, "z"},
        {";(0)", 2.5, "2.5"}, // empty positive section: general format
        {";(0)", -2.5, "(3)"},
    });
}

TEST_F(FloatFormatTest, FormatFloatScientific) {
    ExpectPictures({
        {"0.00E+00", 1234.0, "1.23E+03"},
        {"0.00E+00", 0.000123, "1.23E-04"},
        {"0.00E+00", -1234.0, "-1.23E+03"},
        {"0.00E+00", 0.0, "0.00E+00"},
        {"0.00E-00", 1234.0, "1.23E03"},
        {"0.00e-0", 0.000123, "1.23e-4"},
        {"00.0E+0", 1234.0, "12.3E+2"},
        {"0.0E+0000", 5.0, "5.0E+0000"},
        {"0.###E+0", 1.5, "1.5E+0"},
        {"0.0E+0", 9.96, "1.0E+1"},
        {"#,##0.0E+0", 12345.0, "1234.5E+1"}, // no grouping in scientific form
        {"0E+0 'kg'", 2e6, "2E+6 kg"},
        {"0.0E", 5.0, "5.0E"}, // "E" without a sign is text
    });
}

TEST_F(FloatFormatTest, CurrencyHelpers) {
    EXPECT_EQ(CurrToStr(1.23456), "1.2346");
    EXPECT_EQ(CurrToStr(100.0), "100");
    EXPECT_EQ(CurrToStr(-0.5), "-0.5");
    EXPECT_EQ(CurrToStr(0.00004), "0");
    EXPECT_EQ(FormatCurr("#,##0.00", 1234.5), FormatFloat("#,##0.00", 1234.5));
}

} // namespace
