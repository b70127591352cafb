#include "host/rtl/Format.h"

#include "TestUtil.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FormatSettings.h"

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using namespace host;

namespace {

class FormatTest : public ::testing::Test {
protected:
    ~FormatTest() override { ResetFormatSettings(); }
};

String Invalid(std::string_view Fmt) {
    return "Format '" + String(Fmt) + "' invalid or incompatible with argument";
}

struct Row {
    String Fmt;
    std::vector<TVarRec> Args;
    String Text;
};

void ExpectRows(const std::vector<Row>& Rows) {
    for (const Row& r : Rows)
        EXPECT_EQ(Format(r.Fmt, r.Args), r.Text) << "Format: " << r.Fmt;
}

TEST_F(FormatTest, MalformedSpecifiersAndMismatchedArgumentsAreRejected) {
    const std::vector<std::pair<String, std::vector<TVarRec>>> rows = {
        {"%", {}},
        {"abc%", {1}},
        {"%5", {1}},
        {"%q", {1}},
        {"%z", {}},
        {"%ld", {1}},
        {"%-", {1}},
        {"%- 5d", {1}},
        {"%5-d", {1}},
        {"%1:", {1}},
        {"%1", {1}},
        {"%:d", {1}},
        {"%.", {1}},
        {"%5.2", {1.0}},
        {"%*d", {"x", 1}},
        {"%*d", {-3, 1}},
        {"%.*f", {-1, 1.0}},
        {"%*:s", {"a", "b"}},
        {"%d", {}},
        {"%d %d", {1}},
        {"%1:d", {1}},
        {"%d", {1.5}},
        {"%d", {"s"}},
        {"%u", {"a"}},
        {"%x", {1.0}},
        {"%s", {1}},
        {"%s", {1.0}},
        {"%f", {1}},
        {"%e", {"x"}},
        {"%g", {nullptr}},
        {"%n", {1}},
        {"%m", {1}},
        {"%p", {1}},
        {"%p", {"x"}},
        {"%1000001d", {1}},
        {"%.1000001s", {"a"}},
        {"%99999999999999999999999:d", {1}},
        {"%*d", {1000001, 1}},
        {String("%\0d", 3), {1}},
    };
    for (const auto& [fmt, args] : rows) {
        SCOPED_TRACE(fmt);
        EXPECT_THROW_MSG(Format(fmt, args), EConvertError, Invalid(fmt));
    }
}

TEST_F(FormatTest, IntegersWithWidthPrecisionAndAlignment) {
    ExpectRows({
        {"%d", {42}, "42"},
        {"%d", {-42}, "-42"},
        {"%D", {7}, "7"},
        {"%5d", {42}, "   42"},
        {"%-5d|", {42}, "42   |"},
        {"%1d", {12345}, "12345"},
        {"%.5d", {-42}, "-00042"},
        {"%8.5d", {42}, "   00042"},
        {"%.0d", {0}, "0"},
        {"%d", {std::numeric_limits<Int64>::min()}, "-9223372036854775808"},
        {"%u", {5}, "5"},
        {"%u", {-1}, "4294967295"},
        {"%u", {Int64{-5000000000}}, "18446744068709551616"},
        {"%.3u", {5}, "005"},
        {"%x", {255}, "FF"},
        {"%X", {255}, "FF"},
        {"%.4x", {255}, "00FF"},
        {"%6.4x|", {255}, "  00FF|"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%x", {0}, "0"},
        {"%x", {Int64{0x123456789A}}, "123456789A"},
    });
}

TEST_F(FormatTest, FloatingPointConversions) {
    ExpectRows({
        {"%e", {1.5}, "1.50000000000000E+000"},
        {"%E", {0.0}, "0.00000000000000E+000"},
        {"%.3e", {-1234.5}, "-1.23E+003"},
        {"%.0e", {1.5}, "2E+000"},
        {"%e", {1e-300}, "1.00000000000000E-300"},
        {"%f", {3.14159}, "3.14"},
        {"%.0f", {2.5}, "3"},
        {"%.3f", {-0.0005}, "-0.001"},
        {"%.1f", {-0.04}, "0.0"},
        {"%10.2f|", {-1.5}, "     -1.50|"},
        {"%-8.1f|", {1.25}, "1.3     |"},
        {"%f", {1e17}, "100000000000000000.00"},
        {"%.20f", {0.5}, "0.500000000000000000"},
        {"%g", {0.1}, "0.1"},
        {"%g", {1e20}, "1E20"},
        {"%.3g", {1234.5}, "1.23E3"},
        {"%G", {1.0 / 3}, "0.333333333333333"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%.0n", {1234.5}, "1,235"},
        {"%n", {-0.5}, "-0.50"},
        {"%m", {5.0}, "$5.00"},
        {"%m", {-1234.5}, "($1,234.50)"},
        {"%.1m", {2.25}, "$2.3"},
        {"%f", {std::numeric_limits<double>::infinity()}, "INF"},
    });
    FormatSettings().DecimalSeparator = ",";
    FormatSettings().ThousandSeparator = ".";
    FormatSettings().CurrencyDecimals = 0;
    FormatSettings().CurrencyString = "EUR";
    FormatSettings().CurrencyFormat = 3;
    ExpectRows({
        {"%n", {1234567.891}, "1.234.567,89"},
        {"%f", {1.5}, "1,50"},
        {"%m", {1234.5}, "1.235 EUR"},
        {"%e", {1.5}, "1,50000000000000E+000"},
    });
}

TEST_F(FormatTest, StringsPointersAndPercent) {
    int target = 0;
    const void* p = &target;
    char hex[32];
    std::snprintf(hex, sizeof hex, "%016llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(p)));
    ExpectRows({
        {"%s", {"abc"}, "abc"},
        {"%S", {String("abc")}, "abc"},
        {"%s", {std::string_view("xy")}, "xy"},
        {"%s", {'x'}, "x"},
        {"[%s]", {""}, "[]"},
        {"%5s", {"ab"}, "   ab"},
        {"%-5s|", {"ab"}, "ab   |"},
        {"%.2s", {"abcdef"}, "ab"},
        {"%.10s", {"abc"}, "abc"},
        {"%.0s|", {"abc"}, "|"},
        {"%.s|", {"abc"}, "|"},
        {"%5.2s", {"abcdef"}, "   ab"},
        {"%p", {p}, hex},
        {"%p", {nullptr}, "0000000000000000"},
        {"%%", {}, "%"},
        {"100%%", {}, "100%"},
        {"%d%%", {5}, "5%"},
        {"plain", {}, "plain"},
        {"", {}, ""},
        {"a%sb", {"-"}, "a-b"},
        {"%d", {1, 2}, "1"}, // unused arguments are allowed
        {String("a\0%s", 4), {"b"}, String("a\0b", 3)},
    });
}

TEST_F(FormatTest, IndexesAndStarsTakeArgumentsInOrder) {
    ExpectRows({
        {"%1:s %0:s", {"a", "b"}, "b a"},
        {"%1:s %s", {"a", "b", "c"}, "b c"},
        {"%0:s %0:s", {"x"}, "x x"},
        {"%s %0:s %s", {"a", "b"}, "a a b"},
        {"%1:-4s|", {"a", "b"}, "b   |"},
        {"%1:5.1f", {"a", 1.25}, "  1.3"},
        {"%*d", {5, 42}, "   42"},
        {"%-*d|", {5, 42}, "42   |"},
        {"%.*f", {3, 1.5}, "1.500"},
        {"%*.*f", {8, 2, 1.5}, "    1.50"},
        {"%*:s", {2, "a", "b"}, "b"},
        {"%*s", {0, "ab"}, "ab"},
        {"%2:s %0:*d", {3, 7, "z"}, "z   7"}, // the width is the argument at the index
    });
}

// Any text, any arguments: either a result or the host error, never anything else.
TEST_F(FormatTest, RandomFormatTextsFailOnlyWithTheHostError) {
    const char alphabet[] = "%%%%dsxefgnmpu*.:-0123456789 aDS";
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 2);
    int thrown = 0, formatted = 0;
    for (int i = 0; i < 20000; ++i) {
        String fmt;
        for (int n = length(rng); n > 0; --n)
            fmt += alphabet[pick(rng)];
        try {
            Format(fmt, {3, 2.5, "str", nullptr, -1, 12});
            ++formatted;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), Invalid(fmt));
            ++thrown;
        }
    }
    EXPECT_GT(thrown, 0);
    EXPECT_GT(formatted, 0);
}

} // namespace
