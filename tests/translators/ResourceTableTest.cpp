#include "ResourceTestSupport.h"

#include "host/classes/StringList.h"
#include "host/typinfo/TypInfo.h"

#include <random>

using namespace zantor;
using namespace zrt_test;
using host::LoadResString;

namespace {

// "text=index" for each line, then the translations: the whole table in one string.
String Dump(const TResourceTranslator* T) {
    String S;
    for (int i = 0; i < T->ResStrings()->Count(); ++i)
        S += T->ResStrings()->Line(i) + "=" +
             std::to_string(ObjectToInt(T->ResStrings()->Objects(i))) + ";";
    S += "|";
    for (int i = 0; i < T->Translations()->Count(); ++i)
        S += T->Translations()->Line(i) + ";";
    return S;
}

// "text->translation" for each line: the table as the loaders see it, whatever the numbering.
String Meaning(const TResourceTranslator* T) {
    String S;
    for (int i = 0; i < T->ResStrings()->Count(); ++i)
        S += T->ResStrings()->Line(i) + "->" +
             T->Translations()->Strings(ObjectToInt(T->ResStrings()->Objects(i))) + ";";
    return S;
}

} // namespace

class ZrtTable : public ZrtFixture {};

TEST_F(ZrtTable, PublishedPropertiesAndTheirDefaults) {
    std::vector<String> Names;
    for (host::PPropInfo P : host::GetPropList(TResourceTranslator::StaticClass(), host::tkAny))
        Names.push_back(P->Name);
    EXPECT_EQ(Names, (std::vector<String>{"Name", "Tag", "About", "FileName", "Locale", "Translate",
                                          "Translations", "OnTranslate", "OnTranslated"}));
    EXPECT_EQ(host::GetPropInfo(TResourceTranslator::StaticClass(), "Translate")->Default, 1);
    EXPECT_EQ(host::GetPropInfo(TResourceTranslator::StaticClass(), "Translations")->StoredFn,
              nullptr);
    auto* T = OnNewForm("Form1", 0);
    EXPECT_TRUE(T->Translate());
}

TEST_F(ZrtTable, SetTranslationAddsOrReplacesAndRemoveTranslationRenumbers) {
    auto* T = OnNewForm("Form1", 0);
    T->SetTranslation("b", "B1");
    T->SetTranslation("a", "A");
    T->SetTranslation("c", "C");
    T->SetTranslation("b", "B2"); // one line, the second translation
    EXPECT_EQ(Dump(T), "a=1;b=0;c=2;|B2;A;C;");

    EXPECT_FALSE(T->RemoveTranslation("B")); // case matters
    EXPECT_EQ(Dump(T), "a=1;b=0;c=2;|B2;A;C;");
    EXPECT_TRUE(T->RemoveTranslation("a")); // the first of three
    EXPECT_EQ(Dump(T), "b=0;c=1;|B2;C;");

    // Translations no line refers to vanish when renumbering.
    host::TStringList Items;
    Items.SetText("orphan\nB\nC\nX\n");
    T->SetTranslations(&Items);
    host::TStringList Lines;
    Lines.AddObject("c", IntToObject(2));
    Lines.AddObject("b", IntToObject(1));
    Lines.AddObject("x", IntToObject(3));
    T->SetResStrings(&Lines); // sorted on the way in, objects kept
    EXPECT_EQ(Dump(T), "b=1;c=2;x=3;|orphan;B;C;X;");
    EXPECT_TRUE(T->RemoveTranslation("x"));
    EXPECT_EQ(Dump(T), "b=0;c=1;|B;C;");
    EXPECT_TRUE(T->RemoveTranslation("b"));
    EXPECT_TRUE(T->RemoveTranslation("c"));
    EXPECT_EQ(Dump(T), "|");
}

TEST_F(ZrtTable, AnIndexOutsideTranslationsFailsWithTheListError) {
    auto* T = OnNewForm("Form1", 0);
    host::TStringList Lines;
    Lines.AddObject("Ready", IntToObject(5));
    T->SetResStrings(&Lines);
    EXPECT_THROW_MSG(LoadResString(SReady), host::EStringListError, "List index out of bounds (5)");
    GlobalTranslation = false; // the editor's way of reading untranslated texts
    EXPECT_EQ(LoadResString(SReady), "Ready");
    GlobalTranslation = true;
}

TEST_F(ZrtTable, LookUpsFindWhatTheSortedSearchFindsAsTheTableChanges) {
    auto* T = OnNewForm("Form1", 0);
    std::mt19937 Random(7);
    std::vector<String> Texts;
    for (int i = 0; i < 500; ++i)
        Texts.push_back("Text " + std::to_string(Random() % 100000));
    for (const String& S : Texts)
        T->SetTranslation(S, "T:" + S);
    auto Translated = [&](const String& S) {
        std::vector<char> Buffer(S.begin(), S.end());
        Buffer.resize(S.size() + 64);
        int Len = static_cast<int>(S.size());
        return T->TranslateBuffer(Buffer.data(), Len, static_cast<int>(Buffer.size()))
                   ? String(Buffer.data(), static_cast<std::size_t>(Len))
                   : String();
    };
    auto ExpectAgreement = [&] {
        for (int Round = 0; Round < 3; ++Round) // enough look-ups for the index to be built
            for (const String& S : Texts) {
                int Index = -1;
                bool Found = T->ResStrings()->SortFind(S, Index);
                EXPECT_EQ(Translated(S), Found ? T->Translations()->Line(
                                                     ObjectToInt(T->ResStrings()->Objects(Index)))
                                               : "")
                    << S;
                EXPECT_EQ(Translated(S + "x"), "");
            }
    };
    ExpectAgreement();
    // Changes of either list after the index was built are seen at once.
    T->SetTranslation(Texts[0], "changed");
    EXPECT_EQ(Translated(Texts[0]), "changed");
    T->Translations()->SetStrings(ObjectToInt(T->ResStrings()->Objects(1)), "direct");
    EXPECT_EQ(Translated(T->ResStrings()->Line(1)), "direct");
    for (const String& S : Texts)
        T->SetTranslation(S, "T:" + S);
    ExpectAgreement();
    T->SetTranslation("Text new", "T:new");
    EXPECT_EQ(Translated("Text new"), "T:new");
    EXPECT_TRUE(T->RemoveTranslation(Texts[3]));
    EXPECT_EQ(Translated(Texts[3]), "");
    ExpectAgreement();

    // A caller that breaks the order directly gets what the sorted search gives, not more.
    T->ResStrings()->InsertObject(0, "zzz out of order", IntToObject(0));
    Texts.push_back("zzz out of order");
    ExpectAgreement();
    T->ResStrings()->Delete(0);
    T->ResStrings()->AddObject(T->ResStrings()->Line(0), IntToObject(1)); // a duplicate at the end
    ExpectAgreement();
    T->ResStrings()->Delete(T->ResStrings()->Count() - 1);
    T->SetTranslation(String(70000, 'L'), "long"); // longer than a slot can describe
    Texts.push_back(String(70000, 'L'));
    ExpectAgreement();
}

TEST_F(ZrtTable, TwoLocalesSwitchEachOtherOff) {
    auto* French = OnNewForm("Form1", 1036);
    auto* German = OnNewForm("Form2", 1031);
    auto* Neutral = OnNewForm("Form3", 0);
    French->SetTranslation("Ready", "Prêt");
    German->SetTranslation("Ready", "Bereit");
    Neutral->SetTranslation("File not found", "Fichier introuvable");
    French->SetTranslate(false);
    EXPECT_TRUE(German->Translate());
    EXPECT_EQ(LoadResString(SReady), "Bereit");

    French->SetTranslate(true);
    EXPECT_FALSE(German->Translate());
    EXPECT_TRUE(Neutral->Translate()); // locale 0 is never switched
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    EXPECT_EQ(LoadResString(SNotFound), "Fichier introuvable");

    German->SetTranslate(true);
    EXPECT_FALSE(French->Translate());
    EXPECT_EQ(LoadResString(SReady), "Bereit");
    German->SetTranslate(false);
    EXPECT_FALSE(French->Translate()); // switching off leaves the others off
    EXPECT_EQ(LoadResString(SReady), "Ready");

    // A translator of the same locale on a form read later joins its group's state.
    auto* Later = new host::TForm(host::Application);
    host::ReadComponentFromText("object Later: TForm\n  object R: TResourceTranslator\n"
                                "    Locale = 1036\n    ResStrings = ()\n  end\nend\n",
                                Later);
    EXPECT_FALSE(static_cast<TResourceTranslator*>(Later->FindComponent("R"))->Translate());
}

TEST_F(ZrtTable, FormStreamCarriesPairsUnlessAFileHoldsTheTable) {
    auto* T = OnNewForm("Form1", 1036);
    T->SetTranslation("Ready", "Prêt");
    T->SetTranslation("Cannot open file", "Impossible d'ouvrir");
    auto* Form = static_cast<host::TCustomForm*>(T->Owner());
    String Text = host::WriteComponentToText(Form);
    EXPECT_NE(Text.find("ResStrings = (\r\n"
                        "      'Cannot open file'\r\n"
                        "      1\r\n"
                        "      'Ready'\r\n"
                        "      0)"),
              String::npos)
        << Text;
    EXPECT_EQ(Text.find("Translate ="), String::npos); // the default, not written

    auto* Copy = new host::TForm(host::Application);
    host::ReadComponentFromText(Text, Copy);
    auto* Read = static_cast<TResourceTranslator*>(Copy->FindComponent("ResTranslator1"));
    EXPECT_EQ(Dump(Read), Dump(T));
    Copy->Free();

    // Hand-edited pairs out of order are sorted on reading.
    auto* Edited = new host::TForm(host::Application);
    host::ReadComponentFromText("object E: TForm\n  object R: TResourceTranslator\n"
                                "    Translations.Strings = ('Pr'#234't' 'Impossible')\n"
                                "    ResStrings = ('Ready' 0 'Cannot open file' 1)\n  end\nend\n",
                                Edited);
    EXPECT_EQ(Dump(static_cast<TResourceTranslator*>(Edited->FindComponent("R"))),
              "Cannot open file=1;Ready=0;|Prêt;Impossible;");
    Edited->Free();

    // With FileName the pairs are written empty and the table goes to the file.
    String File = Dir.File("res.txt");
    T->SetFileName(File);
    String WithFile = host::WriteComponentToText(Form);
    EXPECT_NE(WithFile.find("ResStrings = ()"), String::npos) << WithFile;
    EXPECT_NE(WithFile.find("Translations.Strings"), String::npos); // always stored
    EXPECT_EQ(zt_test::ReadAll(File), "#1Form1.Res0%-1='Cannot open file'\r\n"
                                      "#1Form1.Res0%1036='Impossible d''ouvrir'\r\n"
                                      "#1Form1.Res1%-1='Ready'\r\n"
                                      "#1Form1.Res1%1036='Prêt'\r\n");
    String Expected = Meaning(T);
    Form->Free();
    auto* Again = new host::TForm(host::Application);
    host::ReadComponentFromText(WithFile, Again);
    auto* FromFile = static_cast<TResourceTranslator*>(Again->FindComponent("ResTranslator1"));
    EXPECT_EQ(Meaning(FromFile), Expected);
    // Loading renumbers in line order; the streamed translations that no line refers to go.
    EXPECT_EQ(Dump(FromFile), "Cannot open file=0;Ready=1;|Impossible d'ouvrir;Prêt;");
    EXPECT_EQ(LoadResString(SReady), "Prêt");
    // Saving and reading again does not grow the table.
    String Second = host::WriteComponentToText(Again);
    Again->Free();
    auto* Third = new host::TForm(host::Application);
    host::ReadComponentFromText(Second, Third);
    EXPECT_EQ(Dump(static_cast<TResourceTranslator*>(Third->FindComponent("ResTranslator1"))),
              "Cannot open file=0;Ready=1;|Impossible d'ouvrir;Prêt;");
}

TEST_F(ZrtTable, SharedTranslationFileKeepsEachLocaleAndOtherKinds) {
    String File = Dir.File("shared.txt");
    zt_test::WriteAll(File, "#0Form1.TOpenDialog.Caption%1036='Ouvrir'\r\n"
                            "#1Form2.Res0%-1='Ready'\r\n"
                            "Form1.Button1.Caption%1036='Annuler'\r\n");
    auto* French = OnNewForm("Form1", 1036);
    French->SetTranslation("Ready", "Prêt");
    French->SetTranslation("Line\r\nbreak", "Saut\r\nde ligne");
    French->SetTranslation("Untranslated", "");
    French->SaveTo(File);
    // A German translator of the same form with the same texts.
    auto* Form1 = French->Owner();
    auto* German = new TResourceTranslator(Form1);
    German->SetLocale(1031);
    German->SetTranslation("Ready", "Bereit");
    German->SetTranslation("Line\r\nbreak", "Zeilen\r\numbruch");
    German->SetTranslation("Untranslated", "");
    German->SaveTo(File);
    EXPECT_EQ(zt_test::ReadAll(File), "#0Form1.TOpenDialog.Caption%1036='Ouvrir'\r\n"
                                      "#1Form1.Res0%-1='Line'#13#10'break'\r\n"
                                      "#1Form1.Res0%1031='Zeilen'#13#10'umbruch'\r\n"
                                      "#1Form1.Res0%1036='Saut'#13#10'de ligne'\r\n"
                                      "#1Form1.Res1%-1='Ready'\r\n"
                                      "#1Form1.Res1%1031='Bereit'\r\n"
                                      "#1Form1.Res1%1036='Prêt'\r\n"
                                      "#1Form1.Res2%-1='Untranslated'\r\n"
                                      "#1Form1.Res2%1031=''\r\n"
                                      "#1Form1.Res2%1036=''\r\n"
                                      "#1Form2.Res0%-1='Ready'\r\n"
                                      "Form1.Button1.Caption%1036='Annuler'\r\n");
    const String FrenchTable = Meaning(French);
    const String GermanTable = Meaning(German);
    Form1->Free();

    auto* NewFrench = OnNewForm("Form1", 1036);
    auto* NewGerman = new TResourceTranslator(NewFrench->Owner());
    NewGerman->SetLocale(1031);
    EXPECT_FALSE(NewFrench->LoadFrom(Dir.File("missing.txt")));
    ASSERT_TRUE(NewFrench->LoadFrom(File));
    ASSERT_TRUE(NewGerman->LoadFrom(File));
    EXPECT_EQ(Meaning(NewFrench), FrenchTable);
    EXPECT_EQ(Meaning(NewGerman), GermanTable);
    EXPECT_EQ(NewFrench->Translations()->Count(), 3);

    // Loading again changes nothing; a key without its -1 line names no text; the -1 lines
    // alone bring the source texts.
    ASSERT_TRUE(NewFrench->LoadFrom(File));
    EXPECT_EQ(Meaning(NewFrench), FrenchTable);
    EXPECT_EQ(NewFrench->Translations()->Count(), 3);
    zt_test::WriteAll(File, "#1Form1.Res0%-1='Ready'\r\n#1Form1.Res7%1036='Orphan'\r\n");
    auto* Fresh = new TResourceTranslator(NewFrench->Owner());
    Fresh->SetLocale(1036);
    ASSERT_TRUE(Fresh->LoadFrom(File));
    EXPECT_EQ(Dump(Fresh), "Ready=0;|;");
}

TEST_F(ZrtTable, DictionaryExchangesPlainTexts) {
    auto* T = OnNewForm("Form1", 1036);
    T->SetTranslation("Ready", "Prêt");
    T->SetTranslation("Tab\there", "");
    String File = Dir.File("dict.txt");
    zt_test::WriteAll(File, "Other\tAutre\r\n");
    T->TranslateTo(File);
    EXPECT_EQ(zt_test::ReadAll(File), "Other\tAutre\r\nReady\tPrêt\r\nTab\\there\t\r\n");
    zt_test::WriteAll(File, "Tab\\there\tTab\\tici\nReady\tPrêt !\nUnknown\tx\n");
    ASSERT_TRUE(T->TranslateFrom(File));
    EXPECT_EQ(Dump(T), "Ready=0;Tab\there=1;|Prêt !;Tab\tici;");
}
