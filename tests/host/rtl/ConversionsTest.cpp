#include "host/rtl/Conversions.h"

#include "TestUtil.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FormatSettings.h"

#include <cmath>
#include <limits>

using namespace host;

namespace {

class ConversionsTest : public ::testing::Test {
protected:
    ~ConversionsTest() override { ResetFormatSettings(); }
};

TEST_F(ConversionsTest, StrToIntReadsDecimalWithSignAndBlanks) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("123"), 123);
    EXPECT_EQ(StrToInt("-123"), -123);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("  42"), 42);
    EXPECT_EQ(StrToInt("42  "), 42);
    EXPECT_EQ(StrToInt("\t-5 "), -5);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), std::numeric_limits<Integer>::max());
    EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<Integer>::min());
    EXPECT_EQ(StrToInt("-0"), 0);
}

TEST_F(ConversionsTest, StrToIntReadsHexadecimalAsA32BitPattern) {
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("$ff"), 255);
    EXPECT_EQ(StrToInt("0x1A"), 26);
    EXPECT_EQ(StrToInt("0X1a"), 26);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt(" $10 "), 16);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("$80000000"), std::numeric_limits<Integer>::min());
    EXPECT_EQ(StrToInt("$000000000001"), 1);
}

TEST_F(ConversionsTest, StrToIntRejectsMalformedAndOverflowingText) {
    const char* bad[] = {"",           " ",   "abc",  "12a",        "1 2",
                         "- 1",        "--1", "+",    "-",          "$",
                         "0x",         "$G",  "1.0",  "2147483648", "-2147483649",
                         "$100000000", "1e3", "0x-1", "$-1",        "99999999999999999999999"};
    for (const char* s : bad) {
        SCOPED_TRACE(s);
        EXPECT_FALSE(TryStrToInt(s).has_value());
        EXPECT_THROW_MSG(StrToInt(s), EConvertError,
                         "'" + String(s) + "' is not a valid integer value");
    }
    // The text is quoted as given, blanks included.
    EXPECT_THROW_MSG(StrToInt(" x "), EConvertError, "' x ' is not a valid integer value");
    EXPECT_FALSE(TryStrToInt(std::string_view("1\0", 2)).has_value());
    EXPECT_EQ(StrToIntDef("x", 5), 5);
    EXPECT_EQ(StrToIntDef("12", 5), 12);
}

TEST_F(ConversionsTest, StrToInt64CoversTheFull64BitRange) {
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<Int64>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<Int64>::min());
    EXPECT_EQ(StrToInt64("2147483648"), 2147483648LL);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("$FFFFFFFF"), 4294967295LL);
    EXPECT_EQ(StrToInt64("-$7FFFFFFFFFFFFFFF"), -std::numeric_limits<Int64>::max());
    for (const char* s :
         {"9223372036854775808", "-9223372036854775809", "$10000000000000000", ""}) {
        SCOPED_TRACE(s);
        EXPECT_THROW_MSG(StrToInt64(s), EConvertError,
                         "'" + String(s) + "' is not a valid integer value");
    }
}

TEST_F(ConversionsTest, IntToStrAndIntToHex) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-1), "-1");
    EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(255, 0), "FF");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(0xABCDEF, 2), "ABCDEF"); // never truncated
    EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(10, -3), "A");
}

TEST_F(ConversionsTest, StrToFloatAcceptsTheHostSyntax) {
    EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("  -2.25 "), -2.25);
    EXPECT_DOUBLE_EQ(StrToFloat("+3"), 3.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1E+3"), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1.5E-2"), 0.015);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("5."), 5.0);
    EXPECT_DOUBLE_EQ(StrToFloat("000123.4500"), 123.45);
    EXPECT_EQ(StrToFloat("0.1"), 0.1); // correctly rounded
    EXPECT_TRUE(std::signbit(StrToFloat("-0")));
    // Below the smallest double the value is zero; above the largest it is an error.
    EXPECT_EQ(StrToFloat("1e-400"), 0.0);
    EXPECT_EQ(StrToFloat("0.00000000000000000000000001e-390"), 0.0);
    EXPECT_EQ(StrToFloat("-1e-99999999999999999999"), 0.0);
}

TEST_F(ConversionsTest, StrToFloatRejectsOtherText) {
    const char* bad[] = {"",
                         "abc",
                         "1.2.3",
                         "1,5",
                         "NaN",
                         "INF",
                         "-inf",
                         "1e",
                         "1e+",
                         "e5",
                         ".",
                         "-",
                         "1 2",
                         "0x10",
                         "$10",
                         "1e5x",
                         "1e400",
                         "1,000",
                         "1e99999999999999999999"};
    for (const char* s : bad) {
        SCOPED_TRACE(s);
        EXPECT_FALSE(TryStrToFloat(s).has_value());
        EXPECT_THROW_MSG(StrToFloat(s), EConvertError,
                         "'" + String(s) + "' is not a valid floating point value");
    }
}

TEST_F(ConversionsTest, StrToFloatUsesOnlyTheConfiguredDecimalSeparator) {
    FormatSettings().DecimalSeparator = ",";
    EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-0,25E1"), -2.5);
    EXPECT_THROW_MSG(StrToFloat("1.5"), EConvertError, "'1.5' is not a valid floating point value");
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    FormatSettings().DecimalSeparator = "\u066B";
    EXPECT_DOUBLE_EQ(StrToFloat("1\u066B25"), 1.25);
    const std::string HalfSeparator = "1\xD9" + std::string("25");
    EXPECT_FALSE(TryStrToFloat(HalfSeparator).has_value());
    EXPECT_FALSE(TryStrToFloat("1\u066B2\u066B5").has_value());
}

TEST_F(ConversionsTest, FloatToStrUsesFifteenDigitsAndSwitchesToScientific) {
    struct Row {
        double Value;
        const char* Text;
    } rows[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-2.5, "-2.5"},
        {100.0, "100"},
        {0.1 + 0.2, "0.3"},
        {123456789012345678.0, "1.23456789012346E17"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"}, // rounding carries into a 16th integer digit
        {1e20, "1E20"},
        {0.00001, "0.00001"},
        {0.0000099, "9.9E-6"},
        {1.5e-7, "1.5E-7"},
        {-1.5e-7, "-1.5E-7"},
        {1.7976931348623157e308, "1.79769313486232E308"},
        {5e-324, "5E-324"}, // the shortest text that reads back as the value
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FloatToStr(r.Value), r.Text) << r.Text;
}

TEST_F(ConversionsTest, BooleansAsText) {
    EXPECT_EQ(BoolToStr(true), "True");
    EXPECT_EQ(BoolToStr(false), "False");
    EXPECT_EQ(BoolToStr(true, false), "-1");
    EXPECT_EQ(BoolToStr(false, false), "0");
    EXPECT_TRUE(StrToBool("true"));
    EXPECT_TRUE(StrToBool("TRUE"));
    EXPECT_FALSE(StrToBool("False"));
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_TRUE(StrToBool("2"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_FALSE(StrToBool(" 0 "));
    for (const char* s : {"yes", "", "1.0", "Truth"}) {
        SCOPED_TRACE(s);
        EXPECT_THROW_MSG(StrToBool(s), EConvertError,
                         "'" + String(s) + "' is not a valid boolean value");
    }
}

} // namespace
