#include "host/classes/FormText.h"
#include "host/rtl/Exceptions.h"

#include "TestUtil.h"

#include <filesystem>

using namespace host;

namespace {

const TFormProperty& Prop(const TFormObject& O, std::string_view Name) {
    for (const TFormProperty& P : O.Props)
        if (P.Name == Name) return P;
    throw std::runtime_error("no property " + std::string(Name));
}

String Reprint(std::string_view Text) {
    return PrintFormText(ParseFormText(Text));
}

} // namespace

TEST(FormParser, ObjectHeadersNestingAndOrderIndexes) {
    TFormObject Root =
        ParseFormText("\xEF\xBB\xBFinherited Form1: TForm1\r\n"
                      "  object TPage\n  end\n"
                      "  inline Frame1: TFrame1 [2]\n    inherited Label1: TLabel\n    end\n  end\n"
                      "end\n\n");
    EXPECT_EQ(Root.Kind, TFormObjectKind::Inherited);
    EXPECT_EQ(Root.Name, "Form1");
    EXPECT_EQ(Root.ClassName, "TForm1");
    ASSERT_EQ(Root.Children.size(), 2u);
    EXPECT_EQ(Root.Children[0].Name, "");
    EXPECT_EQ(Root.Children[0].ClassName, "TPage");
    EXPECT_EQ(Root.Children[1].Kind, TFormObjectKind::Inline);
    EXPECT_EQ(Root.Children[1].Index, 2);
    EXPECT_EQ(Root.Children[1].Line, 4);
    EXPECT_EQ(Root.Children[1].Children[0].Kind, TFormObjectKind::Inherited);
}

TEST(FormParser, EveryValueKind) {
    TFormObject O = ParseFormText("object A: TA\n"
                                  "  Int = -11\n"
                                  "  Hex = $FF\n"
                                  "  Big = 5000000000\n"
                                  "  F1 = 1.500000000000000000\n"
                                  "  F2 = 1E-5\n"
                                  "  F3 = -2.5E+3\n"
                                  "  Cur = 12.5c\n"
                                  "  S1 = 'It''s'#13#10'x'\n"
                                  "  S2 = '(*'#8230'*)'\n"
                                  "  S3 = #55357#56832\n"
                                  "  S4 = #$41'b'\n"
                                  "  S5 = \n"
                                  "    'abc' +\n"
                                  "    'def'\n"
                                  "  Empty = ''\n"
                                  "  Raw = '\xE2\x80\x9Cw\xE2\x80\x9D'\n"
                                  "  B1 = True\n"
                                  "  B2 = false\n"
                                  "  N = nil\n"
                                  "  Ref = DataModule1.Table1\n"
                                  "  Font.Style = [fsBold, fsItalic]\n"
                                  "  NoStyle = []\n"
                                  "  Lines.Strings = (\n"
                                  "    'a'\n"
                                  "    \n"
                                  "    'b' + \n"
                                  "    'c'\n"
                                  "    1 2.5 True\n"
                                  "    ()\n"
                                  "    (1 ('x')))\n"
                                  "  Items = <\n"
                                  "    item\n"
                                  "      Caption = 'x'\n"
                                  "    end\n"
                                  "    item [3]\n"
                                  "    end> \n"
                                  "  None = <>\n"
                                  "  Data = {\n"
                                  "    0A0b\n"
                                  "    FF}\n"
                                  "end\n");
    EXPECT_EQ(Prop(O, "Int").Value.Int, -11);
    EXPECT_EQ(Prop(O, "Int").Value.Type, vaInt8);
    EXPECT_EQ(Prop(O, "Hex").Value.Int, 255);
    EXPECT_EQ(Prop(O, "Big").Value.Type, vaInt64);
    EXPECT_DOUBLE_EQ(Prop(O, "F1").Value.Float, 1.5);
    EXPECT_DOUBLE_EQ(Prop(O, "F2").Value.Float, 1e-5);
    EXPECT_DOUBLE_EQ(Prop(O, "F3").Value.Float, -2500);
    EXPECT_EQ(Prop(O, "Cur").Value.Type, vaCurrency);
    EXPECT_EQ(Prop(O, "S1").Value.Str, "It's\r\nx");
    EXPECT_EQ(Prop(O, "S2").Value.Str, "(*\xE2\x80\xA6*)");
    EXPECT_EQ(Prop(O, "S3").Value.Str, "\xF0\x9F\x98\x80");
    EXPECT_EQ(Prop(O, "S4").Value.Str, "Ab");
    EXPECT_EQ(Prop(O, "S5").Value.Str, "abcdef");
    EXPECT_EQ(Prop(O, "S5").Line, 13);
    EXPECT_EQ(Prop(O, "Empty").Value.Type, vaString);
    EXPECT_EQ(Prop(O, "Raw").Value.Str, "\xE2\x80\x9Cw\xE2\x80\x9D");
    EXPECT_EQ(Prop(O, "B1").Value.Type, vaTrue);
    EXPECT_EQ(Prop(O, "B2").Value.Type, vaFalse);
    EXPECT_EQ(Prop(O, "N").Value.Type, vaNil);
    EXPECT_EQ(Prop(O, "Ref").Value.Str, "DataModule1.Table1");
    EXPECT_EQ(Prop(O, "Font.Style").Value.SetItems, (std::vector<String>{"fsBold", "fsItalic"}));
    EXPECT_TRUE(Prop(O, "NoStyle").Value.SetItems.empty());
    const TFormValue& L = Prop(O, "Lines.Strings").Value;
    ASSERT_EQ(L.Items.size(), 7u);
    EXPECT_EQ(L.Items[1].Str, "bc");
    EXPECT_EQ(L.Items[4].Type, vaTrue);
    EXPECT_TRUE(L.Items[5].Items.empty());
    EXPECT_EQ(L.Items[6].Items[1].Items[0].Str, "x");
    const TFormValue& C = Prop(O, "Items").Value;
    ASSERT_EQ(C.Collection.size(), 2u);
    EXPECT_EQ(C.Collection[0].Props[0].Value.Str, "x");
    EXPECT_EQ(C.Collection[1].Index, 3);
    EXPECT_TRUE(Prop(O, "None").Value.Collection.empty());
    EXPECT_EQ(Prop(O, "Data").Value.Str, String("\x0A\x0B\xFF", 3));
}

// Negative hexadecimal numbers negate the 64 bits as written; the most negative one used to
// overflow a signed integer.
TEST(FormParser, SixtyFourBitEdgesReadWithoutOverflow) {
    TFormObject O = ParseFormText("object A: TA\n"
                                  "  T1 = -$8000000000000000\n"
                                  "  T2 = $8000000000000000\n"
                                  "  T3 = -$FFFFFFFFFFFFFFFF\n"
                                  "  T4 = -9223372036854775808\n"
                                  "  T5 = 9223372036854775807\n"
                                  "  T6 = -$1\n"
                                  "end\n");
    EXPECT_EQ(Prop(O, "T1").Value.Int, INT64_MIN);
    EXPECT_EQ(Prop(O, "T2").Value.Int, INT64_MIN);
    EXPECT_EQ(Prop(O, "T3").Value.Int, 1);
    EXPECT_EQ(Prop(O, "T4").Value.Int, INT64_MIN);
    EXPECT_EQ(Prop(O, "T5").Value.Int, INT64_MAX);
    EXPECT_EQ(Prop(O, "T6").Value.Int, -1);
    EXPECT_THROW(ParseFormText("object A: TA\n  T = -9223372036854775809\nend\n"), EParserError);
    EXPECT_THROW(ParseFormText("object A: TA\n  T = $10000000000000000\nend\n"), EParserError);
}

TEST(FormParser, MalformedTextNamesTheProblemAndItsLine) {
    struct Case {
        const char* Text;
        const char* Message;
    };
    const Case Cases[] = {
        {"", "'object' expected on line 1"},
        {"objec A: TA\nend", "'object' expected on line 1"},
        {"object A: TA\n  X = 1\n", "Unexpected end of file on line 3"},
        {"object A: TA\n  X 1\nend", "'=' expected on line 2"},
        {"object A: TA\n  X = 'abc\nend", "Invalid string constant on line 2"},
        {"object A: TA\n  X = #\nend", "Invalid string constant on line 2"},
        {"object A: TA\n  X = #99999999\nend", "Invalid string constant on line 2"},
        {"object A: TA\n  X = 'a' +\n  1\nend", "String expected on line 3"},
        {"object A: TA\n  X = {0A1}\nend", "Invalid binary value on line 2"},
        {"object A: TA\n  X = {0G}\nend", "Invalid binary value on line 2"},
        {"object A: TA\n  X = [a b]\nend", "',' expected on line 2"},
        {"object A: TA\n  X = <\n  Y = 1>\nend", "'item' expected on line 3"},
        {"object A: TA\n  X = (1 2\n", "Unexpected end of file on line 3"},
        {"object A: TA\n  X = 99999999999999999999\nend", "Number too large on line 2"},
        {"object A: TA\n  X = -abc\nend", "Number expected on line 2"},
        {"object A: TA\n  X = ;\nend", "Invalid property value on line 2"},
        {"object A: TA\n  = 1\nend", "Identifier expected on line 2"},
        {"object A: TA [x]\nend", "Number expected on line 1"},
        {"object A: TA\nend\nobject B: TB\nend", "End of file expected on line 3"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_THROW_MSG(ParseFormText(C.Text), EParserError, C.Message);
    }
    // CR alone ends a line too; a NUL byte is no form text.
    EXPECT_THROW_MSG(ParseFormText(std::string_view("object A: TA\r\rX = \0\nend", 22)),
                     EParserError, "Invalid character on line 3");
}

TEST(FormParser, DeepNestingIsRefusedInsteadOfExhaustingTheStack) {
    String Deep = "object A: TA\n  X = " + String(5000, '(') + String(5000, ')') + "\nend\n";
    EXPECT_THROW_MSG(ParseFormText(Deep), EParserError, "Values nested too deeply on line 2");
}

TEST(FormPrinter, WritesTheIdeLayout) {
    TFormObject O = ParseFormText(
        "object Form1: TForm1 Caption = 'It''s' Tag = 1 Font.Style = [fsBold,fsItalic]"
        " Lines.Strings = ('a' 'b') Items = <item Caption = 'x' end item end> None = <>"
        " Empty = () Data = {0A0B} F = 1.5 G = 2.0 object B: TButton OnClick = BClick end end");
    EXPECT_EQ(PrintFormText(O), "object Form1: TForm1\r\n"
                                "  Caption = 'It'#39's'\r\n"
                                "  Tag = 1\r\n"
                                "  Font.Style = [fsBold, fsItalic]\r\n"
                                "  Lines.Strings = (\r\n"
                                "    'a'\r\n"
                                "    'b')\r\n"
                                "  Items = <\r\n"
                                "    item\r\n"
                                "      Caption = 'x'\r\n"
                                "    end\r\n"
                                "    item\r\n"
                                "    end>\r\n"
                                "  None = <>\r\n"
                                "  Empty = ()\r\n"
                                "  Data = {\r\n"
                                "    0A0B}\r\n"
                                "  F = 1.5\r\n"
                                "  G = 2.0\r\n"
                                "  object B: TButton\r\n"
                                "    OnClick = BClick\r\n"
                                "  end\r\n"
                                "end\r\n");
}

TEST(FormPrinter, LongAndSpecialStringsSurviveTheRoundTrip) {
    TFormObject O;
    O.Name = "A";
    O.ClassName = "TA";
    String Long;
    for (int i = 0; i < 300; ++i)
        Long += static_cast<char>(i % 256);
    Long += "\xE2\x80\xA6 end";
    O.Props.push_back({"Long", {}, 0});
    O.Props.back().Value.Type = vaLString;
    O.Props.back().Value.Str = Long;
    String Text = PrintFormText(O);
    EXPECT_NE(Text.find(" +\r\n"), String::npos);
    TFormObject Back = ParseFormText(Text);
    EXPECT_EQ(Back.Props[0].Value.Str, Long);
    EXPECT_EQ(PrintFormText(Back), Text);
}

TEST(FormCorpus, EveryRealFormParsesAndReprintsStably) {
    std::filesystem::path Dir = ZT_CORPUS_DIR;
    ASSERT_TRUE(std::filesystem::is_directory(Dir)) << "corpus not found at " << Dir;
    int Files = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir)) {
        String Ext = Entry.path().extension().string();
        if (Ext != ".dfm" && Ext != ".lfm") continue;
        SCOPED_TRACE(Entry.path().filename().string());
        String Text = zt_test::ReadAll(Entry.path().string());
        String Once;
        ASSERT_NO_THROW(Once = Reprint(Text));
        EXPECT_EQ(Reprint(Once), Once);
        ++Files;
    }
    EXPECT_EQ(Files, 39);
}
