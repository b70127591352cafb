#include "expert/SourceParser.h"

#include "host/rtl/Exceptions.h"

#include "TestUtil.h"

#include <gtest/gtest.h>

using namespace zantor;

namespace {

struct TTok {
    int Kind;
    String Text;
    bool operator==(const TTok&) const = default;
};

std::ostream& operator<<(std::ostream& Os, const TTok& T) {
    return Os << "(" << T.Kind << " '" << T.Text << "')";
}

// Every token up to the end of input, the end itself not included.
std::vector<TTok> Tokens(const String& Source) {
    host::TStringStream Stream(Source);
    TSourceParser Parser(&Stream);
    std::vector<TTok> Result;
    while (Parser.Token != toEOF) {
        Result.push_back({Parser.Token, Parser.TokenString});
        Parser.NextToken();
    }
    return Result;
}

} // namespace

TEST(SourceParser, EmptyStreamsAndSingleBytes) {
    EXPECT_EQ(Tokens(""), std::vector<TTok>{});
    // Every byte is delivered, the last one too.
    EXPECT_EQ(Tokens("x"), (std::vector<TTok>{{toSymbol, "x"}}));
    EXPECT_EQ(Tokens(";"), (std::vector<TTok>{{';', ""}}));
    EXPECT_EQ(Tokens("x := 'abc'"),
              (std::vector<TTok>{{toSymbol, "x"}, {':', ""}, {'=', ""}, {toString, "abc"}}));
    EXPECT_EQ(
        Tokens("x := 'abc'\n"),
        (std::vector<TTok>{{toSymbol, "x"}, {':', ""}, {'=', ""}, {toString, "abc"}, {'\n', ""}}));
}

TEST(SourceParser, CommentsOfBothLanguages) {
    EXPECT_EQ(Tokens("{ a comment } begin"), (std::vector<TTok>{{'}', ""}, {toSymbol, "begin"}}));
    EXPECT_EQ(Tokens("// to the end\nx"), (std::vector<TTok>{{'\n', ""}, {toSymbol, "x"}}));
    EXPECT_EQ(Tokens("(a)"), (std::vector<TTok>{{toSymbol, "a"}, {')', ""}}));
    EXPECT_EQ(Tokens("(* old\nstyle *) y"), (std::vector<TTok>{{')', ""}, {toSymbol, "y"}}));
    // A slash and a star open no comment: the slash is dropped, the star is a token.
    EXPECT_EQ(Tokens("/* x"), (std::vector<TTok>{{'*', ""}, {toSymbol, "x"}}));
    // A comment open at the end of the input ends there.
    EXPECT_EQ(Tokens("a { open"), (std::vector<TTok>{{toSymbol, "a"}}));
    EXPECT_EQ(Tokens("a (* open"), (std::vector<TTok>{{toSymbol, "a"}}));
}

TEST(SourceParser, LiteralsOfBothLanguages) {
    EXPECT_EQ(Tokens("'it''s'"), (std::vector<TTok>{{toString, "it"}, {toString, "s"}}));
    EXPECT_EQ(Tokens("#65"), (std::vector<TTok>{{toString, "A"}}));
    EXPECT_EQ(Tokens("# 1"), (std::vector<TTok>{{toString, "#"}, {toInteger, "1"}}));
    EXPECT_EQ(
        Tokens("'a'#13#10'b'"),
        (std::vector<TTok>{{toString, "a"}, {toString, "\r"}, {toString, "\n"}, {toString, "b"}}));
    EXPECT_EQ(Tokens("#321x"), (std::vector<TTok>{{toString, "A"}, {toSymbol, "x"}})); // low 8 bits
    EXPECT_EQ(Tokens("\"a\\tb\\x41\""), (std::vector<TTok>{{toString, "a\tbA"}}));
    EXPECT_EQ(Tokens("\"\\n\\r\\\\\\q\""), (std::vector<TTok>{{toString, "\n\r\\\\q"}}));
    // A backslash before the closing quote is no escape: the quote ends the literal.
    EXPECT_EQ(Tokens("\"a\\\" b"), (std::vector<TTok>{{toString, "a\\"}, {toSymbol, "b"}}));
}

TEST(SourceParser, Numbers) {
    EXPECT_EQ(Tokens("$1F"), (std::vector<TTok>{{toInteger, "1F"}}));
    EXPECT_EQ(Tokens("1.5e3"), (std::vector<TTok>{{toFloat, "1.5e3"}}));
    EXPECT_EQ(Tokens("42"), (std::vector<TTok>{{toInteger, "42"}}));
    EXPECT_EQ(Tokens("-5"), (std::vector<TTok>{{toFloat, "-5"}}));
    EXPECT_EQ(Tokens("a42_b"), (std::vector<TTok>{{toSymbol, "a42_b"}}));
}

TEST(SourceParser, UnterminatedLiteralsNameTheirLine) {
    EXPECT_THROW_MSG(Tokens("x\ny := 'open\n"), host::EParserError,
                     "Invalid string constant on line 3");
    EXPECT_THROW_MSG(Tokens("\"open"), host::EParserError, "Invalid string constant on line 1");
    EXPECT_THROW_MSG(Tokens("'open\r\n'"), host::EParserError, "Invalid string constant on line 1");
}

TEST(SourceParser, NulEndsTheInputAndLinesCountOnce) {
    EXPECT_EQ(Tokens(String("a\0b", 3)), (std::vector<TTok>{{toSymbol, "a"}}));
    // Each line feed counts once, also where a character code or an escape ends at it.
    EXPECT_THROW_MSG(Tokens("#13\n#10x\n{\n}\n// c\n\"\\x4\n"), host::EParserError,
                     "Invalid string constant on line 7");
}

TEST(SourceParser, PositionsAndTheStreamGivenBack) {
    host::TStringStream Stream("ab  cd 'x'");
    Stream.SetPosition(0);
    {
        TSourceParser Parser(&Stream);
        EXPECT_EQ(Parser.TokenPosition, 0);
        Parser.NextToken();
        EXPECT_EQ(Parser.TokenString, "cd");
        EXPECT_EQ(Parser.TokenPosition, 4);
        Parser.NextToken();
        EXPECT_EQ(Parser.TokenPosition, 7);
        EXPECT_EQ(Parser.NextToken(), toEOF);
        EXPECT_EQ(Parser.NextToken(), toEOF); // stays at the end
    }
    EXPECT_EQ(Stream.Position(), 0);
    host::TStringStream Bad("'open");
    EXPECT_THROW(TSourceParser P(&Bad), host::EParserError);
    EXPECT_EQ(Bad.Position(), 0);
}

TEST(SourceParser, LongTokensAreDeliveredWhole) {
    const String Long(10000, 'x');
    EXPECT_EQ(Tokens(Long + " '" + Long + "'"),
              (std::vector<TTok>{{toSymbol, Long}, {toString, Long}}));
}
