#include "translators/DictionaryFile.h"
#include "translators/TranslationFile.h"

#include "host/rtl/Exceptions.h"

#include "TestUtil.h"

using namespace zantor;
using zt_test::ReadAll;
using zt_test::WriteAll;

TEST(TranslationFile, SavingOneLocaleKeepsEveryOtherLine) {
    zt_test::TempDir Dir;
    String File = Dir.File("app.txt");
    WriteAll(File, "#0Form1.TOpenDialog.Caption%1036='Ouvrir'\r\n"
                   "#1Form1.Res0%-1='Cannot open file'\r\n"
                   "Form1.Button1.Caption%-1='Cancel'\r\n"
                   "Form1.Button1.Caption%1031='Abbrechen'\r\n"
                   "Form1.Button1.Caption%1036='Annuler (old)'\r\n"
                   "Form1.Label1.Caption%1036='Old'\r\n"
                   "Form2.Button1.Caption%1036='Autre'\r\n");
    SaveTranslationFile(File, "Form1", 1036, {{"Button1.Caption", "'Annuler'"}, {"Edit1.Text", "'a=b%c'"}},
                        {{"Button1.Caption", "'Cancel'"}, {"Edit1.Text", "'x'"}}, false);
    EXPECT_EQ(ReadAll(File), "#0Form1.TOpenDialog.Caption%1036='Ouvrir'\r\n"
                             "#1Form1.Res0%-1='Cannot open file'\r\n"
                             "Form1.Button1.Caption%-1='Cancel'\r\n"
                             "Form1.Button1.Caption%1031='Abbrechen'\r\n"
                             "Form1.Button1.Caption%1036='Annuler'\r\n"
                             "Form1.Edit1.Text%-1='x'\r\n"
                             "Form1.Edit1.Text%1036='a=b%c'\r\n"
                             "Form2.Button1.Caption%1036='Autre'\r\n");

    auto Entries = ReadTranslationFile(File, "Form1");
    ASSERT_TRUE(Entries);
    ASSERT_EQ(Entries->size(), 5u);
    EXPECT_EQ((*Entries)[4].Key, "Edit1.Text");
    EXPECT_EQ((*Entries)[4].Locale, 1036);
    EXPECT_EQ((*Entries)[4].Value, "'a=b%c'");
    EXPECT_EQ((*Entries)[0].Locale, -1);
    EXPECT_FALSE(ReadTranslationFile(Dir.File("none.txt"), "Form1"));
}

TEST(TranslationFile, EqualLinesOfKindsThatReplaceObjectsAreWrittenOnce) {
    zt_test::TempDir Dir;
    String File = Dir.File("t.txt");
    WriteAll(File, "#0F.X%7='a'\n");
    SaveTranslationFile(File, "#1F", 7, {{"Res0", "'b'"}, {"Res0", "'b'"}}, {}, true);
    EXPECT_EQ(ReadAll(File), "#0F.X%7='a'\r\n#1F.Res0%7='b'\r\n");
    SaveTranslationFile(File, "#1F", 8, {{"Res0", "'b'"}, {"Res0", "'b'"}}, {}, false);
    EXPECT_EQ(ReadAll(File), "#0F.X%7='a'\r\n#1F.Res0%7='b'\r\n#1F.Res0%8='b'\r\n#1F.Res0%8='b'\r\n");
}

TEST(TranslationFile, ABadLocaleNumberStopsWithoutTouchingTheFile) {
    zt_test::TempDir Dir;
    String File = Dir.File("bad.txt");
    const String Before = "Form1.A%x=1\r\nForm2.B%1=2\r\n";
    WriteAll(File, Before);
    EXPECT_THROW_MSG(SaveTranslationFile(File, "Form1", 1, {{"A", "2"}}, {}, false), host::EConvertError,
                     "'x' is not a valid integer value");
    EXPECT_EQ(ReadAll(File), Before);
    EXPECT_THROW(ReadTranslationFile(File, "Form1"), host::EConvertError);
    // Lines of other heads are never interpreted.
    EXPECT_NO_THROW(SaveTranslationFile(File, "Form2", 1, {{"B", "3"}}, {}, false));
}

TEST(TranslationFile, LongValuesAndHandEditedOrder) {
    zt_test::TempDir Dir;
    String File = Dir.File("long.txt");
    String Long = "'" + String(10000, 'x') + "'";
    SaveTranslationFile(File, "F", 5, {{"K", Long}}, {}, false);
    EXPECT_EQ((*ReadTranslationFile(File, "F"))[0].Value, Long);

    WriteAll(File, "Z.b%1=1\r\nA.a%1=1\r\nM.c%1=1\r\n"); // out of order
    SaveTranslationFile(File, "F", 5, {{"K", "v"}}, {}, false);
    String Text = ReadAll(File);
    EXPECT_NE(Text.find("Z.b%1=1\r\n"), String::npos);
    EXPECT_NE(Text.find("F.K%5=v\r\n"), String::npos);
    EXPECT_EQ(std::count(Text.begin(), Text.end(), '\n'), 4);
}

TEST(TranslationFile, HeadsUseTheOwnersNameOrItsClassName) {
    host::TComponent Named(nullptr);
    Named.SetName("MainForm");
    EXPECT_EQ(TranslationHead("#2", &Named), "#2MainForm");
    host::TComponent Unnamed(nullptr);
    EXPECT_EQ(TranslationHead("", &Unnamed), "Component"); // TComponent without its "T"
}

TEST(DictionaryFile, EscapingRoundTrip) {
    for (String S : {String("plain"), String("a\\nb"), String("\\"), String("line\r\nnext\ttab"),
                     String("\\\\n"), String("")}) {
        String W = WriteString(S);
        EXPECT_EQ(W.find_first_of("\r\n\t"), String::npos);
        EXPECT_EQ(ReadString(W), S);
    }
    EXPECT_EQ(WriteString("a\\b\n"), "a\\\\b\\n");
    EXPECT_EQ(ReadString("\\x\\"), "\\x\\");
}

TEST(DictionaryFile, AnyLineEndReadsTheSame) {
    TTextPairs Expected{{"One", "Un"}, {"Two\nlines", "Deux"}};
    for (const char* Text : {"One\tUn\r\nTwo\\nlines\tDeux\r\n", "One\tUn\nTwo\\nlines\tDeux",
                             "One\tUn\rTwo\\nlines\tDeux\r", "no tab here\nOne\tUn\n\nTwo\\nlines\tDeux\n"})
        EXPECT_EQ(ParseDictionary(Text), Expected) << Text;
}

TEST(DictionaryFile, MergingReplacesKnownTextsAndKeepsOthers) {
    zt_test::TempDir Dir;
    String File = Dir.File("dict.txt");
    WriteAll(File, "Zebra\tZ\nCancel\tAbbrechen\nOK\tOK\n");
    MergeDictionaryFile(File, {{"Cancel", "Annuler"}, {"Apply", "Appliquer"}, {"Tab\there", "x"}}, false);
    EXPECT_EQ(ReadAll(File), "Apply\tAppliquer\r\nCancel\tAnnuler\r\nOK\tOK\r\nTab\\there\tx\r\nZebra\tZ\r\n");
    MergeDictionaryFile(Dir.File("new.txt"), {{"b", "2"}, {"a", "1"}}, true);
    EXPECT_EQ(ReadAll(Dir.File("new.txt")), "a\t1\r\nb\t2\r\n");
    EXPECT_FALSE(ReadDictionaryFile(Dir.File("missing.txt")));
}
