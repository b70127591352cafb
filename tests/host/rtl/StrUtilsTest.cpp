#include "host/rtl/StrUtils.h"
#include "host/rtl/LineBreaks.h"

#include "TestUtil.h"

#include <unordered_set>

using namespace host;

namespace {

TEST(StrUtilsTest, CopyAndPosStayInsideTheText) {
    EXPECT_EQ(Copy("hello", 1, 3), "ell");
    EXPECT_EQ(Copy("hello", 0), "hello");
    EXPECT_EQ(Copy("hello", 3, 99), "lo");
    EXPECT_EQ(Copy("hello", 5), "");
    EXPECT_EQ(Copy("hello", 99, 2), "");
    EXPECT_EQ(Copy("hello", 2, 0), "");

    EXPECT_EQ(Pos("l", "hello"), 2u);
    EXPECT_EQ(Pos("l", "hello", 3), 3u);
    EXPECT_EQ(Pos("lo", "hello", 4), NotFound);
    EXPECT_EQ(Pos("x", "hello"), NotFound);
    EXPECT_EQ(Pos("", "hello"), NotFound);
    EXPECT_EQ(Pos("h", "hello", 99), NotFound);
    EXPECT_EQ(Pos("hello!", "hello"), NotFound);
}

TEST(StrUtilsTest, CaseMappingTouchesOnlyAscii) {
    EXPECT_EQ(UpperCase("aZ9_\xC3\xA9"), "AZ9_\xC3\xA9");
    EXPECT_EQ(LowerCase("AbC\xC3\x89"), "abc\xC3\x89");
    EXPECT_EQ(UpCase('q'), 'Q');
    EXPECT_EQ(UpCase('{'), '{');
    EXPECT_EQ(UpCase('\xE9'), '\xE9');
}

TEST(StrUtilsTest, ComparisonsOrdinalAndCaseInsensitive) {
    EXPECT_EQ(CompareStr("abc", "abc"), 0);
    EXPECT_LT(CompareStr("B", "a"), 0); // ordinal: upper case first
    EXPECT_LT(CompareStr("", "a"), 0);
    EXPECT_GT(CompareStr("\x80", "a"), 0); // bytes compare unsigned
    EXPECT_GT(CompareStr("ab", "a"), 0);

    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_LT(CompareText("a", "B"), 0);
    EXPECT_GT(CompareText("_", "a"), 0); // both sides upper-cased, as the host does
    EXPECT_GT(CompareText("ab", "A"), 0);
    EXPECT_LT(CompareText("", "a"), 0);
    EXPECT_NE(CompareText("\xC3\xA9", "\xC3\x89"), 0);
    EXPECT_TRUE(SameText("Caption", "CAPTION"));
    EXPECT_FALSE(SameText("Caption", "Captio"));
    EXPECT_FALSE(SameText("a_", "a\x7F"));
}

TEST(StrUtilsTest, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft(" \t a b \r\n"), "a b \r\n");
    EXPECT_EQ(TrimRight(" \t a b \r\n"), " \t a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim(String("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(StrUtilsTest, PrefixesAndSuffixes) {
    EXPECT_TRUE(StartsStr("ab", "abc"));
    EXPECT_FALSE(StartsStr("AB", "abc"));
    EXPECT_TRUE(StartsStr("", "abc"));
    EXPECT_FALSE(StartsStr("abcd", "abc"));
    EXPECT_TRUE(EndsStr("bc", "abc"));
    EXPECT_FALSE(EndsStr("xbc", "bc"));
    EXPECT_TRUE(StartsText("AB", "abc"));
    EXPECT_FALSE(StartsText("abcd", "ABC"));
}

TEST(StrUtilsTest, StringReplaceAllOrFirst) {
    EXPECT_EQ(StringReplace("a-b-c", "-", "+"), "a+b+c");
    EXPECT_EQ(StringReplace("a-b-c", "-", "+", TReplaceMode::First), "a+b-c");
    EXPECT_EQ(StringReplace("aaa", "aa", "b"), "ba"); // matches do not overlap
    EXPECT_EQ(StringReplace("aba", "a", "aa"), "aabaa");
    EXPECT_EQ(StringReplace("abc", "", "x"), "abc");
    EXPECT_EQ(StringReplace("abc", "abc", ""), "");
    EXPECT_EQ(StringReplace("", "a", "b"), "");
}

TEST(StrUtilsTest, SplitStringKeepsEmptyParts) {
    EXPECT_EQ(SplitString("", ','), std::vector<String>{""});
    EXPECT_EQ(SplitString("abc", ','), std::vector<String>{"abc"});
    EXPECT_EQ(SplitString("a,,b,", ','), (std::vector<String>{"a", "", "b", ""}));
    EXPECT_EQ(SplitString(",", ','), (std::vector<String>{"", ""}));
}

// Agrees with find_first_of("\r\n") on every start of texts mixing both breaks.
TEST(StrUtilsTest, FindLineBreakFindsTheFirstCarriageReturnOrLineFeed) {
    for (std::string_view Text :
         {"", "a", "\r", "\n", "ab\r\ncd", "ab\ncd\re", "\n\r\r\n", "no break at all", "x\ry\nz"})
        for (std::size_t From = 0; From <= Text.size() + 1; ++From)
            EXPECT_EQ(FindLineBreak(Text, From), Text.find_first_of("\r\n", From))
                << "'" << Text << "' from " << From;
}

TEST(StrUtilsTest, IdentifiersAndQuoting) {
    EXPECT_TRUE(IsValidIdent("_a1"));
    EXPECT_TRUE(IsValidIdent("Form1"));
    EXPECT_FALSE(IsValidIdent(""));
    EXPECT_FALSE(IsValidIdent("1a"));
    EXPECT_FALSE(IsValidIdent("a-b"));
    EXPECT_FALSE(IsValidIdent("a.b"));
    EXPECT_FALSE(IsValidIdent("a b"));
    EXPECT_FALSE(IsValidIdent("\xC3\xA9"));

    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(QuotedStr(""), "''");
    EXPECT_EQ(QuotedStr("''"), "''''''");
    EXPECT_EQ(QuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");
}

TEST(StrUtilsTest, TextHashAgreesWithSameText) {
    TextHash hash;
    EXPECT_EQ(hash("Button1"), hash("BUTTON1"));
    EXPECT_EQ(hash(""), hash(""));
    EXPECT_NE(hash("Button1"), hash("Button2"));
    std::unordered_set<String, TextHash, TextEqual> names{"Caption"};
    EXPECT_FALSE(names.insert("CAPTION").second);
    EXPECT_TRUE(names.insert("Hint").second);
    EXPECT_EQ(names.size(), 2u);
}

TEST(StrUtilsTest, AppendUtf8EncodesEachLengthAndReplacesInvalidCodePoints) {
    struct Row {
        char32_t Code;
        const char* Bytes;
    } rows[] = {
        {U'A', "A"},
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0xE9, "\xC3\xA9"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0x20AC, "\xE2\x82\xAC"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x1F600, "\xF0\x9F\x98\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0xD800, "\xEF\xBF\xBD"},
        {0xDFFF, "\xEF\xBF\xBD"},
        {0x110000, "\xEF\xBF\xBD"},
    };
    for (const Row& r : rows) {
        String out = "x";
        AppendUtf8(out, r.Code);
        EXPECT_EQ(out, String("x") + r.Bytes) << std::hex << static_cast<unsigned>(r.Code);
    }
    String nul;
    AppendUtf8(nul, 0);
    EXPECT_EQ(nul, String(1, '\0'));
}

} // namespace
