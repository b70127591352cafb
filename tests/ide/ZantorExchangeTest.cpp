// The tool's exchange with the gettext tools, run as the real executables on a copy of the
// example application's project.
#include "IdeTestSupport.h"

#include "ToolRun.h"

#include <filesystem>
#include <map>

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
    EXPECT_EQ(R.Out, "wrote " + Po("Demo.pot") + ": 14 entries\nwrote " + Po("de_DE.po") +
                         ": 14 entries, 14 translated\nwrote " + Po("fr_FR.po") +
                         ": 14 entries, 14 translated\n");
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
    EXPECT_EQ(Same.Out, Back + ": 0 taken, 14 unchanged, 0 untranslated, 0 fuzzy skipped, 0 not "
                               "in the project\n");
    EXPECT_EQ(ProjectFiles(Demo), Before); // nothing changed: nothing written

    // A changed translation comes into the project's translation file.
    Replace(Back, "msgstr \"&Saluer\"", "msgstr \"&Bonjour\"");
    TToolRun Changed = Import(ShellQuote(Back));
    ASSERT_EQ(Changed.Status, 0) << Changed.Err;
    EXPECT_TRUE(Changed.Out.starts_with(Back + ": 1 taken, 13 unchanged,")) << Changed.Out;
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
                         ": 0 taken, 12 unchanged, 1 untranslated, 1 fuzzy skipped, 2 not in the "
                         "project\n"
                         "  fuzzy, skipped: OrderForm.Caption\n"
                         "  not in the project: MainForm.Caption: Old demo\n"
                         "  not in the project: MainForm.Gone.Caption: Gone\n" +
                         De +
                         ": 1 taken, 13 unchanged, 0 untranslated, 0 fuzzy skipped, 0 not in "
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
    EXPECT_NE(R.Out.find("fr_FR.po: 15 entries, 15 translated, 1 fuzzy (to review)\n"),
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
