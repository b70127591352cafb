#include "translators/Literals.h"

#include "host/rtl/Exceptions.h"

#include "TestUtil.h"

#include <random>

using namespace zantor;

TEST(Literals, TheNotationBothWays) {
    const std::pair<String, String> Table[] = {
        {"Hello", "'Hello'"},
        {"It's", "'It''s'"},
        {"", "''"},
        {"A\r\nB", "'A'#13#10'B'"},
        {"\r\n", "#13#10"},
        {"\rA", "#13'A'"},
        {"A\t", "'A'#9"},
        {"\t\n", "#9#10"},
        {"''", "''''''"},
        {"\x1F\x7F\xE9", "#31'\x7F\xE9'"},
        {String(1, '\0'), "#0"},
    };
    for (const auto& [Text, Literal] : Table) {
        SCOPED_TRACE(Literal);
        EXPECT_EQ(ToLiterals(Text), Literal);
        EXPECT_EQ(FromLiterals(Literal), Text);
        String S = Text;
        ConvertToLiterals(S);
        ConvertFromLiterals(S);
        EXPECT_EQ(S, Text);
    }
}

TEST(Literals, BareValuesAndHashesInsideQuotesPassUnchanged) {
    EXPECT_EQ(FromLiterals("120"), "120");
    EXPECT_EQ(FromLiterals("True"), "True");
    EXPECT_EQ(FromLiterals("'#1'"), "#1");
    EXPECT_EQ(FromLiterals("#65#066#0677"), "AB"
                                            "C7"); // at most three digits per code
    EXPECT_EQ(FromLiterals("#300"), String(1, static_cast<char>(300 % 256)));
    EXPECT_EQ(FromLiterals("'unterminated"), "unterminated");
}

TEST(Literals, AHashWithoutDigitsStopsTheConversion) {
    EXPECT_THROW_MSG(FromLiterals("'a'#x"), host::EConvertError,
                     "Character code expected after '#' at position 4 of 'a'#x");
    String S = "#";
    EXPECT_THROW(ConvertFromLiterals(S), host::EConvertError);
    EXPECT_EQ(S, "#");
}

TEST(Literals, EveryTextSurvivesTheRoundTrip) {
    std::mt19937 Rng(42);
    const char Alphabet[] = {'\0', '\t', '\r', '\n', '\x1F', ' ',
                             '\'', '#',  'a',  '9',  '\x7F', '\xFF'};
    for (int n = 0; n < 2000; ++n) {
        String S;
        for (std::size_t len = Rng() % 12; len > 0; --len)
            S += Alphabet[Rng() % sizeof Alphabet];
        ASSERT_EQ(FromLiterals(ToLiterals(S)), S) << ToLiterals(S);
    }
}

// Recognizing a text's literal form agrees with writing it, for the text and for near misses.
TEST(Literals, ALiteralIsRecognizedExactlyWhenItIsTheTextsOwn) {
    std::mt19937 Rng(7);
    const char Alphabet[] = {'\0', '\r', '\x1F', ' ', '\'', '#', 'a', '\xFF'};
    for (int n = 0; n < 2000; ++n) {
        String S, Other;
        for (std::size_t len = Rng() % 6; len > 0; --len)
            S += Alphabet[Rng() % sizeof Alphabet];
        for (std::size_t len = Rng() % 6; len > 0; --len)
            Other += Alphabet[Rng() % sizeof Alphabet];
        const String Literal = ToLiterals(S);
        ASSERT_TRUE(IsLiteralOf(Literal, S)) << Literal;
        ASSERT_EQ(IsLiteralOf(ToLiterals(Other), S), Other == S) << Literal;
        ASSERT_FALSE(IsLiteralOf(Literal.substr(0, Literal.size() - 1), S)) << Literal;
        ASSERT_FALSE(IsLiteralOf(S, S + "'")) << Literal;
    }
    EXPECT_TRUE(IsLiteralOf("'It''s'", "It's"));
    EXPECT_FALSE(IsLiteralOf("'It's'", "It's"));
    EXPECT_FALSE(IsLiteralOf("It", "It"));
    EXPECT_TRUE(IsLiteralOf("''", ""));
}

TEST(HexToInt, DigitsOfEitherCaseOthersSkipped) {
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("0000040C"), 1036);
    EXPECT_EQ(HexToInt("00 00 04 0c"), 1036);
    EXPECT_EQ(HexToInt("ffffffff"), -1);
    EXPECT_EQ(HexToInt("French (France) 0000040C"), 1036); // letters before drop out again
    EXPECT_EQ(HexToInt("123456789"), 0x23456789);          // bits beyond 32 are lost
    String Long(300, 'x');
    Long += "1F";
    EXPECT_EQ(HexToInt(Long), 31); // every character counts, however long the text
}
