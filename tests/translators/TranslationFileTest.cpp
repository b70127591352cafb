#include "translators/TranslationFile.h"
#include "translators/DictionaryFile.h"
#include "translators/TextLines.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"

#include "TestUtil.h"

#include <set>

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
    SaveTranslationFile(File, "Form1", 1036,
                        {{"Button1.Caption", "'Annuler'"}, {"Edit1.Text", "'a=b%c'"}},
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
    EXPECT_EQ(ReadAll(File),
              "#0F.X%7='a'\r\n#1F.Res0%7='b'\r\n#1F.Res0%8='b'\r\n#1F.Res0%8='b'\r\n");
}

TEST(TranslationFile, ABadLocaleNumberStopsWithoutTouchingTheFile) {
    zt_test::TempDir Dir;
    String File = Dir.File("bad.txt");
    const String Before = "Form1.A%x=1\r\nForm2.B%1=2\r\n";
    WriteAll(File, Before);
    EXPECT_THROW_MSG(SaveTranslationFile(File, "Form1", 1, {{"A", "2"}}, {}, false),
                     host::EConvertError, "'x' is not a valid integer value");
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

TEST(TranslationFile, DesignLinesStayWhileSomeLocaleRefersToThem) {
    zt_test::TempDir Dir;
    String File = Dir.File("t.txt");
    WriteAll(File, "F.A%-1='a'\r\n"
                   "F.A%1031='A de'\r\n"
                   "F.B%-1='stale'\r\n"
                   "F.C%-1='c'\r\n"
                   "F.C%1036='C old'\r\n"
                   "F.E%-1='e old'\r\n"
                   "F.E%1031='E de'\r\n");
    SaveTranslationFile(File, "F", 1036, {{"C", "'C fr'"}, {"D", "'D fr'"}, {"E", "'E fr'"}},
                        {{"D", "'d'"}, {"E", "'e'"}}, false);
    EXPECT_EQ(ReadAll(File), "F.A%-1='a'\r\n"      // the German line refers to it
                             "F.A%1031='A de'\r\n" // B: no line of any locale any more
                             "F.C%-1='c'\r\n"      // this locale's line refers to it
                             "F.C%1036='C fr'\r\n"
                             "F.D%-1='d'\r\n"
                             "F.D%1036='D fr'\r\n"
                             "F.E%-1='e'\r\n" // the newer design text
                             "F.E%1031='E de'\r\n"
                             "F.E%1036='E fr'\r\n");
}

TEST(TranslationFile, KeysWithPercentAndLineBreaksAreRefusedBeforeWriting) {
    zt_test::TempDir Dir;
    String File = Dir.File("t.txt");
    const String Before = "Form1.A%1=x\r\nForm2.A%1=y\r\n";
    WriteAll(File, Before);
    EXPECT_THROW_MSG(
        SaveTranslationFile(File, "Form1", 1, {{"A", "1"}, {"Button%1.Caption", "'x'"}}, {}, false),
        host::EWriteError,
        "Translation Button%1.Caption holds \"%\" in its key and cannot be written");
    EXPECT_THROW_MSG(SaveTranslationFile(File, "Form1", 1,
                                         {{"Label1.Caption", "'a'\r\nForm2.A%1=z"}}, {}, false),
                     host::EWriteError,
                     "Translation Label1.Caption holds a line break and cannot be written");
    EXPECT_THROW_MSG(
        SaveTranslationFile(File, "Form1", 1, {{"A", "1"}}, {{"Line\nKey", "'a'"}}, false),
        host::EWriteError, "Translation Line\nKey holds a line break and cannot be written");
    EXPECT_EQ(ReadAll(File), Before);
    EXPECT_FALSE(host::FileExists(Dir.File("new.txt")));
    EXPECT_THROW(SaveTranslationFile(Dir.File("new.txt"), "Form1", 1, {{"%", ""}}, {}, false),
                 host::EWriteError);
    EXPECT_FALSE(host::FileExists(Dir.File("new.txt")));
    // A "%" or "=" in a value is no separator.
    SaveTranslationFile(File, "Form1", 1, {{"A", "'50%=half'"}}, {}, false);
    EXPECT_EQ((*ReadTranslationFile(File, "Form1"))[0].Value, "'50%=half'");
}

TEST(TranslationFile, AByteOrderMarkIsNoPartOfTheFirstKey) {
    zt_test::TempDir Dir;
    String File = Dir.File("bom.txt");
    WriteAll(File, "\xEF\xBB\xBF"
                   "Form1.A%1=old\r\nForm1.B%1=b\r\n");
    auto Entries = ReadTranslationFile(File, "Form1");
    ASSERT_TRUE(Entries);
    ASSERT_EQ(Entries->size(), 2u);
    EXPECT_EQ((*Entries)[0].Key, "A");
    SaveTranslationFile(File, "Form1", 1, {{"A", "new"}}, {}, false);
    EXPECT_EQ(ReadAll(File), "\xEF\xBB\xBF"
                             "Form1.A%1=new\r\n"); // no orphan; the mark stays
}

TEST(TranslationFile, LocaleNumbersAreReadWhole) {
    zt_test::TempDir Dir;
    String File = Dir.File("long.txt");
    const String Long = String(253, '0') + "1036"; // its first 255 characters read 10
    WriteAll(File, "Form1.A%" + Long + "=fr\r\nForm1.B%+" + String(300, '0') + "=zero\r\n");
    auto Entries = ReadTranslationFile(File, "Form1");
    ASSERT_TRUE(Entries);
    EXPECT_EQ((*Entries)[0].Locale, 1036);
    EXPECT_EQ((*Entries)[1].Locale, 0);
    SaveTranslationFile(File, "Form1", 1036, {{"A", "neu"}}, {}, false);
    EXPECT_EQ(ReadAll(File), "Form1.A%1036=neu\r\nForm1.B%+" + String(300, '0') + "=zero\r\n");
    WriteAll(File, "Form1.A%" + String(300, '1') + "=x\r\n");
    EXPECT_THROW_MSG(ReadTranslationFile(File, "Form1"), host::EConvertError,
                     "'" + String(300, '1') + "' is not a valid integer value");
}

// Each process saves heads of its own, one new head per round: a save that another
// process's save overwrote would lose its head for good.
TEST(TranslationFile, ProcessesSavingOtherHeadsAtOnceKeepEverySave) {
    zt_test::TempDir Dir;
    const String File = Dir.File("shared.txt");
    const int Processes = 3, Rounds = 40;
    std::vector<pid_t> Children;
    for (int p = 0; p < Processes; ++p)
        Children.push_back(zt_test::StartChild([&, p] {
            for (int r = 0; r < Rounds; ++r)
                SaveTranslationFile(File, "F" + std::to_string(p) + "x" + std::to_string(r), 1036,
                                    {{"Caption", "'" + std::to_string(r) + "'"}},
                                    {{"Caption", "'c'"}}, false);
        }));
    for (pid_t Child : Children)
        EXPECT_EQ(zt_test::WaitChild(Child), 0);
    const String Text = ReadAll(File);
    std::set<String> Heads;
    for (std::string_view Line : SplitLines(Text))
        Heads.insert(String(Line.substr(0, Line.find('.'))));
    EXPECT_EQ(Heads.size(), static_cast<std::size_t>(Processes * Rounds));
    EXPECT_EQ(std::count(Text.begin(), Text.end(), '\n'), 2 * Processes * Rounds);
}

TEST(DictionaryFile, AByteOrderMarkIsNoPartOfTheFirstText) {
    zt_test::TempDir Dir;
    String File = Dir.File("bom.dic");
    WriteAll(File, "\xEF\xBB\xBF"
                   "Cancel\tAnnuler\r\nOK\tOK\r\n");
    EXPECT_EQ(*ReadDictionaryFile(File), (TTextPairs{{"Cancel", "Annuler"}, {"OK", "OK"}}));
    MergeDictionaryFile(File, {{"Cancel", "Abbrechen"}}, false);
    EXPECT_EQ(ReadAll(File), "\xEF\xBB\xBF"
                             "Cancel\tAbbrechen\r\nOK\tOK\r\n");
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
    for (const char* Text :
         {"One\tUn\r\nTwo\\nlines\tDeux\r\n", "One\tUn\nTwo\\nlines\tDeux",
          "One\tUn\rTwo\\nlines\tDeux\r", "no tab here\nOne\tUn\n\nTwo\\nlines\tDeux\n"})
        EXPECT_EQ(ParseDictionary(Text), Expected) << Text;
}

TEST(DictionaryFile, MergingReplacesKnownTextsAndKeepsOthers) {
    zt_test::TempDir Dir;
    String File = Dir.File("dict.txt");
    WriteAll(File, "Zebra\tZ\nCancel\tAbbrechen\nOK\tOK\n");
    MergeDictionaryFile(File, {{"Cancel", "Annuler"}, {"Apply", "Appliquer"}, {"Tab\there", "x"}},
                        false);
    EXPECT_EQ(ReadAll(File),
              "Apply\tAppliquer\r\nCancel\tAnnuler\r\nOK\tOK\r\nTab\\there\tx\r\nZebra\tZ\r\n");
    MergeDictionaryFile(Dir.File("new.txt"), {{"b", "2"}, {"a", "1"}}, true);
    EXPECT_EQ(ReadAll(Dir.File("new.txt")), "a\t1\r\nb\t2\r\n");
    EXPECT_FALSE(ReadDictionaryFile(Dir.File("missing.txt")));
}
