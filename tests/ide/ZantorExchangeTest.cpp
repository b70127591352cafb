// The tool's exchange with the gettext tools, run as the real executables on a copy of the
// example application's project.
#include "IdeTestSupport.h"

#include "ToolRun.h"

#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/TypInfo.h"

#include <filesystem>
#include <map>
#include <regex>
#include <set>

using namespace zt_ide_test;
using zt_test::RunTool;
using zt_test::ShellQuote;
using zt_test::TToolRun;

namespace {

TToolRun Zantor(const std::string& Args) {
    return RunTool(ShellQuote(ZantorExe) + " " + Args);
}

// The files the project consists of (forms, the translation file), with their bytes.
std::map<std::string, std::string> ProjectFiles(const TDemoCopy& Demo) {
    std::map<std::string, std::string> Files;
    for (const auto& E : std::filesystem::directory_iterator(Demo.Dir.Path()))
        if (E.is_regular_file() && E.path().extension() != ".po")
            Files[E.path().filename().string()] = zt_test::ReadAll(E.path().string());
    return Files;
}

void Replace(const std::string& FileName, const std::string& From, const std::string& To) {
    std::string Text = zt_test::ReadAll(FileName);
    const auto At = Text.find(From);
    ASSERT_NE(At, std::string::npos) << From << " not in\n" << Text;
    zt_test::WriteAll(FileName, Text.replace(At, From.size(), To));
}

class ZantorPo : public ::testing::Test {
protected:
    std::string Project() const { return ShellQuote(Demo.Project()); }
    std::string Po(const std::string& Name) const { return Demo.File("po/" + Name); }
    TToolRun Export() {
        return Zantor("export " + Project() + " --po " + ShellQuote(Demo.File("po")));
    }
    TToolRun Import(const std::string& Files) {
        return Zantor("import " + Project() + " --po " + Files);
    }

    TDemoCopy Demo;
};

} // namespace

TEST_F(ZantorPo, ExportWritesFilesTheGettextToolsKeepAsTheyAre) {
    const auto Before = ProjectFiles(Demo);
    const TToolRun R = Export();
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, "wrote " + Po("Demo.pot") + ": 23 entries\nwrote " + Po("de_DE.po") +
                         ": 23 entries, 23 translated\nwrote " + Po("fr_FR.po") +
                         ": 23 entries, 23 translated\n");
    EXPECT_EQ(ProjectFiles(Demo), Before); // exporting changes nothing of the project
    const std::string Fr = zt_test::ReadAll(Po("fr_FR.po"));
    EXPECT_NE(Fr.find("#: MainForm.GreetButton\nmsgctxt \"MainForm.GreetButton.Caption\"\n"
                      "msgid \"&Greet\"\nmsgstr \"&Saluer\"\n"),
              std::string::npos)
        << Fr;
    EXPECT_NE(Fr.find("msgctxt \"#1MainForm\"\nmsgid \"The file could not be saved.\"\n"
                      "msgstr \"Le fichier n'a pas pu être enregistré.\"\n"),
              std::string::npos)
        << Fr;
    for (const char* Name : {"fr_FR.po", "de_DE.po", "Demo.pot"}) {
        const std::string File = ShellQuote(Po(Name));
        const std::string Text = zt_test::ReadAll(Po(Name));
        const TToolRun Check = RunTool("msgfmt -c --check-format -o /dev/null " + File);
        EXPECT_EQ(Check.Status, 0) << Name << "\n" << Check.Err;
        const TToolRun Cat = RunTool("msgcat --no-wrap " + File);
        EXPECT_EQ(Cat.Out, Text) << Name;
        if (std::string(Name) != "Demo.pot") {
            const TToolRun Merge =
                RunTool("msgmerge --quiet --no-wrap " + File + " " + ShellQuote(Po("Demo.pot")));
            EXPECT_EQ(Merge.Out, Text) << Name << "\n" << Merge.Err;
        }
    }
}

TEST_F(ZantorPo, TranslationsComeBackThroughTheGettextToolsUnchanged) {
    ASSERT_EQ(Export().Status, 0);
    const auto Before = ProjectFiles(Demo);
    // The translator's round: update from the template, compile, decompile.
    const std::string Merged = Po("merged.po"), Mo = Po("fr.mo"), Back = Po("back.po");
    ASSERT_EQ(RunTool("msgmerge --quiet -o " + ShellQuote(Merged) + " " +
                      ShellQuote(Po("fr_FR.po")) + " " + ShellQuote(Po("Demo.pot")))
                  .Status,
              0);
    ASSERT_EQ(RunTool("msgfmt -c -o " + ShellQuote(Mo) + " " + ShellQuote(Merged)).Status, 0);
    ASSERT_EQ(RunTool("msgunfmt -o " + ShellQuote(Back) + " " + ShellQuote(Mo)).Status, 0);

    TToolRun Same = Import(ShellQuote(Back));
    ASSERT_EQ(Same.Status, 0) << Same.Err;
    EXPECT_EQ(Same.Out, Back + ": 0 taken, 23 unchanged, 0 untranslated, 0 fuzzy skipped, 0 not "
                               "in the project\n");
    EXPECT_EQ(ProjectFiles(Demo), Before); // nothing changed: nothing written

    // A changed translation comes into the project's translation file.
    Replace(Back, "msgstr \"&Saluer\"", "msgstr \"&Bonjour\"");
    TToolRun Changed = Import(ShellQuote(Back));
    ASSERT_EQ(Changed.Status, 0) << Changed.Err;
    EXPECT_TRUE(Changed.Out.starts_with(Back + ": 1 taken, 22 unchanged,")) << Changed.Out;
    const std::string Lng = zt_test::ReadAll(Demo.File("Demo.lng"));
    EXPECT_NE(Lng.find("MainForm.GreetButton.Caption%1036='&Bonjour'"), std::string::npos) << Lng;
    EXPECT_NE(Lng.find("MainForm.GreetButton.Caption%1031='&Grüßen'"), std::string::npos) << Lng;
    // Exported again, the file carries it.
    ASSERT_EQ(Export().Status, 0);
    EXPECT_NE(zt_test::ReadAll(Po("fr_FR.po")).find("msgstr \"&Bonjour\""), std::string::npos);
}

TEST_F(ZantorPo, ImportSkipsFuzzyEntriesAndReportsWhatTheProjectLacks) {
    ASSERT_EQ(Export().Status, 0);
    const std::string Fr = Po("fr_FR.po"), De = Po("de_DE.po");
    Replace(Fr, "msgctxt \"OrderForm.Caption\"\nmsgid \"Order\"\nmsgstr \"Commande\"",
            "#, fuzzy\nmsgctxt \"OrderForm.Caption\"\nmsgid \"Order\"\nmsgstr \"Ordre\"");
    Replace(Fr, "msgid \"Cancel\"\nmsgstr \"Annuler\"", "msgid \"Cancel\"\nmsgstr \"\"");
    zt_test::WriteAll(Fr,
                      zt_test::ReadAll(Fr) +
                          "\nmsgctxt \"MainForm.Gone.Caption\"\nmsgid \"Gone\"\nmsgstr \"Parti\"\n"
                          "\nmsgctxt \"MainForm.Caption\"\nmsgid \"Old demo\"\nmsgstr \"Vieux\"\n");
    Replace(De, "msgstr \"Bereit.\"", "msgstr \"Fertig.\"");
    TToolRun R = Import(ShellQuote(Fr) + " " + ShellQuote(De));
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, Fr +
                         ": 0 taken, 21 unchanged, 1 untranslated, 1 fuzzy skipped, 2 not in the "
                         "project\n"
                         "  fuzzy, skipped: OrderForm.Caption\n"
                         "  not in the project: MainForm.Caption: Old demo\n"
                         "  not in the project: MainForm.Gone.Caption: Gone\n" +
                         De +
                         ": 1 taken, 22 unchanged, 0 untranslated, 0 fuzzy skipped, 0 not in "
                         "the project\n");
    const std::string Lng = zt_test::ReadAll(Demo.File("Demo.lng"));
    EXPECT_NE(Lng.find("OrderForm.Caption%1036='Commande'"),
              std::string::npos); // not the fuzzy one
    EXPECT_NE(Lng.find("OrderForm.CancelButton.Caption%1036='Annuler'"), std::string::npos);
    EXPECT_NE(Lng.find("#1MainForm.Res1%1031='Fertig.'"), std::string::npos) << Lng;
}

TEST_F(ZantorPo, TranslationsThatWouldFailTheChecksGoOutForReview) {
    // A resource string whose French translation drops an argument of Format.
    Replace(Demo.File("Demo.lng"), "MainForm.Caption%1031",
            "#1MainForm.Res3%-1='%d files in %s'\r\n#1MainForm.Res3%1036='%s fichiers'\r\n"
            "MainForm.Caption%1031");
    TToolRun R = Export();
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_NE(R.Out.find("fr_FR.po: 24 entries, 24 translated, 1 fuzzy (to review)\n"),
              std::string::npos)
        << R.Out;
    const std::string Fr = zt_test::ReadAll(Po("fr_FR.po"));
    EXPECT_NE(Fr.find("#. To review: argument 0 is an integer in the design text but a string in "
                      "the translation.\n#: MainForm\n#, fuzzy, object-pascal-format\n"
                      "msgctxt \"#1MainForm\"\nmsgid \"%d files in %s\"\nmsgstr \"%s fichiers\"\n"),
              std::string::npos)
        << Fr;
    EXPECT_EQ(RunTool("msgfmt -c --check-format -o /dev/null " + ShellQuote(Po("fr_FR.po"))).Status,
              0);
    // The template marks the Format text for every language.
    EXPECT_NE(
        zt_test::ReadAll(Po("Demo.pot")).find("#, object-pascal-format\nmsgctxt \"#1MainForm\""),
        std::string::npos);
}

TEST_F(ZantorPo, RefusesBadInputBeforeChangingAnything) {
    const auto Before = ProjectFiles(Demo);
    TToolRun Missing = Import(ShellQuote(Demo.File("none.po")));
    EXPECT_EQ(Missing.Status, 1);
    EXPECT_EQ(Missing.Err, "zantor: cannot read " + Demo.File("none.po") + "\n");

    ASSERT_EQ(Export().Status, 0);
    Replace(Po("de_DE.po"), "msgstr \"Bereit.\"", "msgstr \"Fertig.\"");
    const std::string Broken = Demo.File("broken.po");
    zt_test::WriteAll(Broken,
                      "msgid \"\"\nmsgstr \"Language: fr\\n\"\n\nmsgid \"x\nmsgstr \"y\"\n");
    TToolRun Bad = Import(ShellQuote(Po("de_DE.po")) + " " + ShellQuote(Broken));
    EXPECT_EQ(Bad.Status, 1);
    EXPECT_EQ(Bad.Err, "zantor: " + Broken + ":4: a string not in quotes\n");
    const std::string Latin = Demo.File("latin.po");
    zt_test::WriteAll(Latin, "msgid \"\"\nmsgstr \"Language: fr\\nContent-Type: text/plain; "
                             "charset=ISO-8859-1\\n\"\n");
    TToolRun Charset = Import(ShellQuote(Latin));
    EXPECT_EQ(Charset.Status, 1);
    EXPECT_EQ(Charset.Err,
              "zantor: " + Latin +
                  ": charset ISO-8859-1 is not UTF-8 (msgconv --to-code=UTF-8 converts "
                  "it)\n");
    auto After = ProjectFiles(Demo);
    for (auto It = After.begin(); It != After.end();)
        It = Before.count(It->first) ? std::next(It) : After.erase(It);
    EXPECT_EQ(After, Before); // the good file was not taken either

    TToolRun Unknown =
        Zantor("export " + Project() + " --locales 999999 --po " + ShellQuote(Po("")));
    EXPECT_EQ(Unknown.Status, 1);
    EXPECT_EQ(Unknown.Err, "zantor: '999999' is not a locale identifier of this system\n");
    EXPECT_EQ(Zantor("export " + Project() + " --po a --dictionary b").Status, 2);
}

namespace {

class ZantorQuality : public IdeTest {
protected:
    std::string Project() const { return ShellQuote(Demo.Project()); }
    std::string Lng() const { return Demo.File("Demo.lng"); }
    // Lines of Out that contain Text.
    static int Count(const std::string& Out, const std::string& Text) {
        int N = 0;
        for (auto At = Out.find(Text); At != std::string::npos; At = Out.find(Text, At + 1))
            ++N;
        return N;
    }
};

} // namespace

TEST_F(ZantorQuality, CheckFindsEveryKindOfProblemOnAPreparedProject) {
    TToolRun Clean = Zantor("check " + Project() + " --no-width");
    EXPECT_EQ(Clean.Status, 0) << Clean.Err;
    // The message-box captions of the built-in tables carry no accelerators.
    EXPECT_TRUE(Clean.Out.ends_with("0 errors, 14 warnings\n")) << Clean.Out;
    EXPECT_EQ(Count(Clean.Out, "1036 MainForm: warning [accelerator] #4MainForm: \"Oui\" has lost "
                               "the accelerator of \"&Yes\"\n"),
              1)
        << Clean.Out;

    Replace(Lng(), "GreetButton.Caption%1036='&Saluer'", "GreetButton.Caption%1036='Saluer'");
    Replace(Lng(), "LoudCheck.Caption%1036='&Fort'", "LoudCheck.Caption%1036='&Fort '");
    Replace(Lng(), "GreetButton.Caption%1031='&Grüßen'", "GreetButton.Caption%1031='&Los'");
    Replace(Lng(), "Lines[0]%1031='Vor Mittag liefern.'",
            "Lines[0]%1031='Vor Mittag liefern.'#13#10");
    Replace(Lng(), "CancelButton.Caption%1036='Annuler'",
            "CancelButton.Caption%1036='Annuler la commande en cours'");
    Replace(Lng(), "MainForm.Caption%1031",
            "#1MainForm.Res3%-1='%d files in %s'\r\n#1MainForm.Res3%1036='%s fichiers'\r\n"
            "MainForm.Caption%1031");
    TToolRun R = Zantor("check " + Project());
    EXPECT_EQ(R.Status, 3) << R.Err;
    for (const char* Line :
         {"1036 MainForm: error [format] #1MainForm: \"%s fichiers\" would make Format fail for "
          "\"%d files in %s\": argument 0 is an integer in the design text but a string in the "
          "translation\n",
          "1036 MainForm: warning [accelerator] MainForm.GreetButton.Caption: \"Saluer\" has lost "
          "the accelerator of \"&Greet\"\n",
          "1036 MainForm: warning [blanks] MainForm.LoudCheck.Caption: \"&Fort \" ends with blanks "
          "differently from \"&Loud\"\n",
          "1031 MainForm: warning [accelerator] MainForm.LoudCheck.Caption: the accelerator \"l\" "
          "is used by 2 texts: MainForm.GreetButton.Caption, MainForm.LoudCheck.Caption\n",
          "1031 OrderForm: warning [line-breaks] OrderForm.NotesMemo.Lines[0]: \"Vor Mittag "
          "liefern.\\r\\n\" ends with line breaks differently from \"Deliver before noon.\"\n",
          "1 error, 19 warnings\n"})
        EXPECT_EQ(Count(R.Out, Line), 1) << Line << "\n" << R.Out;
    // The button cuts the long caption off; the narrow labels wrap the design texts already.
    EXPECT_EQ(Count(R.Out, "warning [width] OrderForm.CancelButton.Caption: \"Annuler la commande "
                           "en cours\" is "),
              1)
        << R.Out;

    TToolRun Json = Zantor("check " + Project() + " --json --locales 1036");
    EXPECT_EQ(Json.Status, 3);
    EXPECT_TRUE(Json.Out.starts_with("{\"errors\": 1, \"warnings\": 10, \"findings\": [\n"))
        << Json.Out;
    EXPECT_EQ(Count(Json.Out, "{\"severity\": \"error\", \"locale\": 1036, \"form\": \"MainForm\", "
                              "\"context\": \"#1MainForm\", \"check\": \"format\", \"message\": "
                              "\"\\\"%s fichiers\\\" would make Format fail"),
              1)
        << Json.Out;
    EXPECT_EQ(Count(Json.Out, "\"locale\": 1031"), 0);
    // Warnings alone do not fail the check.
    TToolRun German = Zantor("check " + Project() + " --locales 1031");
    EXPECT_EQ(German.Status, 0) << German.Out;
}

TEST_F(ZantorQuality, StatsCountEntriesTranslatedAndEmpty) {
    Replace(Lng(), "OrderForm.Caption%1036='Commande'", "OrderForm.Caption%1036=''");
    TToolRun R = Zantor("stats " + Project());
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, "Form      Locale  Entries  Translated  Empty   Done\n"
                     "MainForm    1031       17          17      0   100%\n"
                     "MainForm    1036       17          17      0   100%\n"
                     "OrderForm   1031        6           6      0   100%\n"
                     "OrderForm   1036        6           5      1    83%\n"
                     "Total       1031       23          23      0   100%\n"
                     "Total       1036       23          22      1    95%\n");
    TToolRun Json = Zantor("stats " + Project() + " --json --locales 1036");
    ASSERT_EQ(Json.Status, 0) << Json.Err;
    EXPECT_EQ(Json.Out,
              "{\"forms\": [\n"
              "  {\"form\": \"MainForm\", \"locale\": 1036, \"entries\": 17, \"translated\": 17, "
              "\"empty\": 0},\n"
              "  {\"form\": \"OrderForm\", \"locale\": 1036, \"entries\": 6, \"translated\": 5, "
              "\"empty\": 1}],\n"
              " \"totals\": [\n"
              "  {\"locale\": 1036, \"entries\": 23, \"translated\": 22, \"empty\": 1}]}\n");
}

// The example application in a pseudo-locale: the texts show it, and the check names the
// controls that cut them off, more of them the longer the texts grow.
TEST_F(ZantorQuality, PseudoLocaleShowsWhatTheFormsCutOff) {
    TToolRun None = Zantor("pseudo " + Project() + " --locale 1034");
    EXPECT_EQ(None.Status, 1);
    EXPECT_EQ(None.Err, "zantor: the project has no translators of locale 1034 (zantor globalize "
                        "PROJECT --locales 1034 places them)\n");
    ASSERT_EQ(Zantor("globalize " + Project() + " --locales 1034").Status, 0);
    TToolRun Fill = Zantor("pseudo " + Project() + " --locale 1034 --expand 40");
    ASSERT_EQ(Fill.Status, 0) << Fill.Err;
    EXPECT_TRUE(Fill.Out.starts_with("locale 1034: ")) << Fill.Out;
    EXPECT_TRUE(Fill.Out.ends_with(" texts on 2 forms\n")) << Fill.Out;
    TToolRun Stats = Zantor("stats " + Project() + " --locales 1034");
    EXPECT_EQ(Count(Stats.Out, "   100%\n"), 3) << Stats.Out; // two forms and the total

    // The application's main form as it shows in the pseudo-locale.
    const std::string Text =
        std::regex_replace(zt_test::ReadAll(Demo.File("MainForm.dfm")),
                           std::regex("\\r?\\n *On[A-Za-z]+ = [A-Za-z]+(?=\\r?\\n)"), "");
    auto* Live = new host::TForm(host::Application);
    host::ReadComponentFromText(host::StringReplace(Text, "TMainForm", "TForm"), Live);
    for (int i = 0; i < Live->ComponentCount(); ++i) {
        host::TComponent* C = Live->Components(i);
        if (C->ClassName() == "TFormTranslator" && host::GetOrdProp(C, "Locale") == 1034)
            host::SetOrdProp(C, "Translate", 1);
    }
    EXPECT_EQ(host::GetStrProp(Live->FindComponent("GreetButton"), "Caption"), "[&Gŕééţ]");
    EXPECT_EQ(host::GetStrProp(Live, "Caption"), "[Žáñţöŕ đéɱö ~~]");
    Live->Free();

    auto Clipped = [&](int Expand) {
        EXPECT_EQ(
            Zantor("pseudo " + Project() + " --locale 1034 --expand " + std::to_string(Expand))
                .Status,
            0);
        const TToolRun R = Zantor("check " + Project() + " --locales 1034");
        std::set<std::string> Controls;
        const std::regex Control("\\[width\\] [A-Za-z]+\\.([A-Za-z]+)\\.Caption");
        for (std::sregex_iterator It(R.Out.begin(), R.Out.end(), Control), End; It != End; ++It)
            Controls.insert((*It)[1]);
        return Controls;
    };
    const auto Some = Clipped(40);
    const auto More = Clipped(250);
    EXPECT_TRUE(Some.count("CustomerLabel")) << R"(at 40%)";
    EXPECT_FALSE(Some.count("GreetButton"));
    for (const std::string& C : Some)
        EXPECT_TRUE(More.count(C)) << C;
    EXPECT_TRUE(More.count("GreetButton"));
    EXPECT_TRUE(More.count("CancelButton"));
    EXPECT_GT(More.size(), Some.size());
}

TEST_F(ZantorPo, XliffFilesAreValidAndBringTranslationsBack) {
    const std::string Dir = Demo.File("xlf");
    TToolRun R = Zantor("export " + Project() + " --xliff " + ShellQuote(Dir));
    ASSERT_EQ(R.Status, 0) << R.Err;
    const std::string Fr = Dir + "/fr_FR.xlf", De = Dir + "/de_DE.xlf";
    EXPECT_EQ(R.Out, "wrote " + De + ": 23 entries, 23 translated\nwrote " + Fr +
                         ": 23 entries, 23 translated\n");
    const std::string Schema = DemoDir + "/../../docs/xliff-1.2-subset.xsd";
    for (const std::string& F : {Fr, De}) {
        const TToolRun Valid =
            RunTool("xmllint --noout --schema " + ShellQuote(Schema) + " " + ShellQuote(F));
        EXPECT_EQ(Valid.Status, 0) << Valid.Err << zt_test::ReadAll(F);
    }
    const std::string Text = zt_test::ReadAll(Fr);
    EXPECT_NE(Text.find("<file original=\"MainForm\" source-language=\"en-US\" "
                        "target-language=\"fr-FR\" datatype=\"plaintext\">"),
              std::string::npos)
        << Text;
    EXPECT_NE(Text.find("<trans-unit id=\"2\" resname=\"MainForm.GreetButton.Caption\" "
                        "xml:space=\"preserve\">\n        <source>&amp;Greet</source>\n"
                        "        <target state=\"translated\">&amp;Saluer</target>\n"
                        "        <note>MainForm.GreetButton</note>\n"),
              std::string::npos)
        << Text;

    const auto Before = ProjectFiles(Demo);
    TToolRun Same = Zantor("import " + Project() + " --xliff " + ShellQuote(Fr));
    ASSERT_EQ(Same.Status, 0) << Same.Err;
    EXPECT_EQ(Same.Out, Fr + ": 0 taken, 23 unchanged, 0 untranslated, 0 fuzzy skipped, 0 not in "
                             "the project\n");
    EXPECT_EQ(ProjectFiles(Demo), Before);

    // A CAT tool's work: one target changed, one sent back for review.
    Replace(Fr, "&amp;Saluer</target>", "&amp;Bonjour</target>");
    Replace(Fr, "<target state=\"translated\">Commande</target>",
            "<target state=\"needs-review-translation\">Ordre</target>");
    TToolRun Changed = Zantor("import " + Project() + " --xliff " + ShellQuote(Fr));
    ASSERT_EQ(Changed.Status, 0) << Changed.Err;
    EXPECT_EQ(Changed.Out, Fr + ": 1 taken, 21 unchanged, 0 untranslated, 1 fuzzy skipped, 0 not "
                                "in the project\n  fuzzy, skipped: OrderForm.Caption\n");
    const std::string Lng = zt_test::ReadAll(Demo.File("Demo.lng"));
    EXPECT_NE(Lng.find("MainForm.GreetButton.Caption%1036='&Bonjour'"), std::string::npos);
    EXPECT_NE(Lng.find("OrderForm.Caption%1036='Commande'"), std::string::npos);

    zt_test::WriteAll(Demo.File("broken.xlf"), "<xliff version=\"1.2\"><file>");
    TToolRun Broken =
        Zantor("import " + Project() + " --xliff " + ShellQuote(Demo.File("broken.xlf")));
    EXPECT_EQ(Broken.Status, 1);
    EXPECT_EQ(Broken.Err, "zantor: " + Demo.File("broken.xlf") +
                              ":1: Premature end of data in tag file line 1\n");
}
