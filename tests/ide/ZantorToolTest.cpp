// The command-line tool, run as the real executable.
#include "IdeTestSupport.h"

#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/typinfo/TypInfo.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>

using namespace zt_ide_test;

namespace {

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Quote(const std::string& S) {
    std::string Q = "'";
    for (char C : S)
        Q += C == '\'' ? std::string("'\\''") : std::string(1, C);
    return Q + "'";
}

TRun RunZantor(const std::string& Args) {
    zt_test::TempDir Dir;
    const std::string Err = Dir.File("stderr");
    TRun R;
    FILE* P = popen((Quote(ZantorExe) + " " + Args + " 2>" + Quote(Err)).c_str(), "r");
    if (!P) return R;
    char Buffer[4096];
    for (std::size_t N; (N = fread(Buffer, 1, sizeof Buffer, P)) > 0;)
        R.Out.append(Buffer, N);
    int Status = pclose(P);
    R.Status = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    R.Err = zt_test::ReadAll(Err);
    return R;
}

TEST(ZantorInspect, ListsTheUnitsAndThePalette) {
    TDemoCopy Demo;
    TRun R = RunZantor("inspect " + Quote(Demo.Project()));
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_NE(R.Out.find("Project ZantorDemo"), std::string::npos) << R.Out;
    EXPECT_NE(R.Out.find("  MainForm: MainForm.cpp, form MainForm.dfm\n"), std::string::npos)
        << R.Out;
    EXPECT_NE(R.Out.find("Palette page Tessavin:\n  TLocaleTranslator\n  TFormTranslator\n"
                         "  TResourceTranslator\n  TCommonDialogTranslator\n  TButtonTranslator\n"),
              std::string::npos)
        << R.Out;
}

TEST(ZantorInspect, ListsAUnitsComponents) {
    TDemoCopy Demo;
    TRun R = RunZantor("inspect " + Quote(Demo.Project()) + " OrderForm");
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_TRUE(R.Out.starts_with("OrderForm: TOrderForm\n")) << R.Out;
    EXPECT_NE(R.Out.find("  FrenchTranslator: TFormTranslator\n"), std::string::npos) << R.Out;
}

TEST(ZantorInspect, ShowsAComponentsObjectInspectorRows) {
    TDemoCopy Demo;
    TRun R = RunZantor("inspect " + Quote(Demo.Project()) + " MainForm LocaleTranslator1");
    EXPECT_EQ(R.Status, 0) << R.Err;
    for (const char* Line :
         {"LocaleTranslator1: TLocaleTranslator\n",
          "  About         = (About...)  [dialog, read-only]  (TLocAboutProperty)\n",
          "  AdoptOn       = LanguageItem  [value list, sorted, multi-select, revertable]  "
          "(TLocAdoptOnProperty)\n",
          "values: LanguageItem | MainMenu1\n",
          "  Translations  = [Locale Editor]  [dialog, read-only]"})
        EXPECT_NE(R.Out.find(Line), std::string::npos) << Line << "\n" << R.Out;
}

TEST(ZantorInspect, FollowsTheGnuConventions) {
    TRun Help = RunZantor("--help");
    EXPECT_EQ(Help.Status, 0);
    EXPECT_NE(Help.Out.find("inspect"), std::string::npos);
    TRun Version = RunZantor("--version");
    EXPECT_EQ(Version.Status, 0);
    EXPECT_TRUE(Version.Out.starts_with("zantor (Zantor for C++) ")) << Version.Out;
    EXPECT_EQ(RunZantor("").Status, 2);
    EXPECT_EQ(RunZantor("frobnicate").Status, 2);
    EXPECT_EQ(RunZantor("inspect").Status, 2);

    TDemoCopy Demo;
    TRun Missing = RunZantor("inspect " + Quote(Demo.File("none.zproj")));
    EXPECT_EQ(Missing.Status, 1);
    EXPECT_TRUE(Missing.Err.starts_with("zantor: ")) << Missing.Err;
    TRun NoUnit = RunZantor("inspect " + Quote(Demo.Project()) + " Nowhere");
    EXPECT_EQ(NoUnit.Status, 1);
    EXPECT_EQ(NoUnit.Err, "zantor: Project ZantorDemo has no unit Nowhere\n");
    TRun NoPackage =
        RunZantor("inspect --package " + Quote(Demo.File("none.so")) + " " + Quote(Demo.Project()));
    EXPECT_EQ(NoPackage.Status, 1);
    EXPECT_TRUE(NoPackage.Err.starts_with("zantor: Cannot load package")) << NoPackage.Err;
}

// The files of a folder whose names end in one of the extensions, with their bytes.
std::map<std::string, std::string> FilesOf(const TDemoCopy& Demo,
                                           std::initializer_list<const char*> Extensions) {
    std::map<std::string, std::string> Files;
    for (const auto& E : std::filesystem::directory_iterator(Demo.Dir.Path()))
        for (const char* Ext : Extensions)
            if (E.path().extension() == Ext)
                Files[E.path().filename().string()] = zt_test::ReadAll(E.path().string());
    return Files;
}

// Replaces the first occurrence of From in the file, as a translator's editor would.
void EditFile(const std::string& FileName, const std::string& From, const std::string& To) {
    std::string Text = zt_test::ReadAll(FileName);
    const auto At = Text.find(From);
    ASSERT_NE(At, std::string::npos) << From << " not in\n" << Text;
    zt_test::WriteAll(FileName, Text.replace(At, From.size(), To));
}

class ZantorExpert : public IdeTest {
protected:
    // The main form as the application loads it, with the translator of LCID switched on.
    std::string CaptionIn(host::Integer LCID) {
        // The handlers belong to the application's form class; a plain form goes without.
        const std::string Text =
            std::regex_replace(zt_test::ReadAll(Demo.File("MainForm.dfm")),
                               std::regex("\\r?\\n *On[A-Za-z]+ = [A-Za-z]+(?=\\r?\\n)"), "");
        auto* Live = new host::TForm(host::Application);
        host::ReadComponentFromText(host::StringReplace(Text, "TMainForm", "TForm"), Live);
        std::string Caption;
        for (int i = 0; i < Live->ComponentCount(); ++i) {
            host::TComponent* C = Live->Components(i);
            if (C->ClassName() == "TFormTranslator" && host::GetOrdProp(C, "Locale") == LCID) {
                host::SetOrdProp(C, "Translate", 1);
                Caption = host::GetStrProp(Live, "Caption");
            }
        }
        Live->Free();
        return Caption;
    }
};

TEST_F(ZantorExpert, GlobalizeExportTranslateImportRun) {
    const auto Sources = FilesOf(Demo, {".cpp", ".h", ".zproj", ".lng"});
    const auto Forms = FilesOf(Demo, {".dfm"});
    const std::string Project = Quote(Demo.Project());

    TRun Glob = RunZantor("globalize " + Project + " --locales 1036,1031,1034");
    ASSERT_EQ(Glob.Status, 0) << Glob.Err;
    EXPECT_EQ(Glob.Err, ""); // no terminal: no progress
    EXPECT_EQ(FilesOf(Demo, {".cpp", ".h", ".zproj", ".lng"}), Sources);
    const auto Globalized = FilesOf(Demo, {".dfm"});
    for (const auto& [Name, Text] : Globalized) {
        EXPECT_NE(Text, Forms.at(Name)) << Name;
        EXPECT_NE(Text.find("Locale = 1034"), std::string::npos) << Name;
    }
    EXPECT_EQ(CaptionIn(1034), "Zantor demo"); // entered with an empty translation
    // The French and German translators kept their locales and the texts of Demo.lng, now in
    // the form.
    const std::string French = CaptionIn(1036);
    EXPECT_NE(French, "");
    EXPECT_NE(French, "Zantor demo");

    const std::string Dict = Demo.File("es.dict"), Props = Demo.File("es.txt");
    TRun ExportDict =
        RunZantor("export " + Project + " --locales 1034 --dictionary " + Quote(Dict));
    ASSERT_EQ(ExportDict.Status, 0) << ExportDict.Err;
    TRun ExportProps =
        RunZantor("export " + Project + " --locales 1034 --properties " + Quote(Props));
    ASSERT_EQ(ExportProps.Status, 0) << ExportProps.Err;
    EXPECT_EQ(FilesOf(Demo, {".dfm"}), Globalized); // exporting changes no form

    // The translator's work, then the import: the application shows Spanish.
    EditFile(Dict, "Zantor demo\t", "Zantor demo\tDemo de Zantor");
    TRun ImportDict =
        RunZantor("import " + Project + " --dictionary " + Quote(Dict) + " --locale 1034");
    ASSERT_EQ(ImportDict.Status, 0) << ImportDict.Err;
    EXPECT_EQ(CaptionIn(1034), "Demo de Zantor");
    EXPECT_NE(CaptionIn(1036), "Demo de Zantor");

    EditFile(Props, "MainForm.Caption%1034=''", "MainForm.Caption%1034='Demostración de Zantor'");
    TRun ImportProps = RunZantor("import " + Project + " --properties " + Quote(Props));
    ASSERT_EQ(ImportProps.Status, 0) << ImportProps.Err;
    EXPECT_EQ(CaptionIn(1034), "Demostración de Zantor");
    EXPECT_EQ(FilesOf(Demo, {".cpp", ".h", ".zproj", ".lng"}), Sources);
}

TEST(ZantorExpertCommands, RefuseBadInputClearly) {
    TDemoCopy Demo;
    const std::string Project = Quote(Demo.Project());
    const auto Forms = FilesOf(Demo, {".dfm"});
    TRun NoLocales = RunZantor("globalize " + Project);
    EXPECT_EQ(NoLocales.Status, 2);
    EXPECT_NE(NoLocales.Err.find("--locales"), std::string::npos) << NoLocales.Err;
    EXPECT_EQ(RunZantor("globalize " + Project + " --locales 1036,x").Status, 2);
    EXPECT_EQ(RunZantor("globalize " + Project + " --locales 1036 --split 10").Status, 2);
    EXPECT_EQ(RunZantor("globalize " + Project +
                        " --locales 1036 --store-in-form "
                        "--store-in-file a.txt")
                  .Status,
              2);
    TRun Unknown = RunZantor("globalize " + Project + " --locales 999999");
    EXPECT_EQ(Unknown.Status, 1);
    EXPECT_EQ(Unknown.Err, "zantor: '999999' is not a locale identifier of this system\n");
    TRun NotAForm = RunZantor("globalize " + Project + " --locales 1036 --main-form Nope.dfm");
    EXPECT_EQ(NotAForm.Status, 1);
    EXPECT_EQ(NotAForm.Err, "zantor: Nope.dfm is not a form file of project ZantorDemo\n");
    EXPECT_EQ(RunZantor("export " + Project + " --locales 1036").Status, 2);
    EXPECT_EQ(
        RunZantor("export " + Project + " --locales 1036 --dictionary a --properties b").Status, 2);
    TRun NoFile = RunZantor("import " + Project + " --dictionary " + Quote(Demo.File("no.txt")));
    EXPECT_EQ(NoFile.Status, 1);
    EXPECT_EQ(NoFile.Err, "zantor: cannot read " + Demo.File("no.txt") + "\n");
    EXPECT_EQ(FilesOf(Demo, {".dfm"}), Forms);
    TRun Help = RunZantor("globalize --help");
    EXPECT_EQ(Help.Status, 0);
    EXPECT_NE(Help.Out.find("--store-in-file"), std::string::npos);
}

TEST(ZantorTokens, ShowsTheParsersTokens) {
    zt_test::TempDir Dir;
    zt_test::WriteAll(Dir.File("a.pas"), "S = 'it''s'#33;\n{ note } x := $1F + 2.5;");
    TRun R = RunZantor("tokens " + Quote(Dir.File("a.pas")));
    EXPECT_EQ(R.Status, 0) << R.Err;
    // A doubled quote ends one literal and starts the next; the closing brace of a comment is
    // a token; a token's line is counted after the character read beyond it.
    EXPECT_EQ(R.Out, "1:0 symbol S\n1:2 char \"=\"\n1:4 string \"it\"\n1:8 string \"s\"\n"
                     "1:11 string \"!\"\n2:14 char \";\"\n2:23 char \"}\"\n2:25 symbol x\n"
                     "2:27 char \":\"\n2:28 char \"=\"\n2:30 integer 1F\n2:34 char \"+\"\n"
                     "2:36 float 2.5\n2:39 char \";\"\n");
    zt_test::WriteAll(Dir.File("b.pas"), "x\n'open");
    TRun Broken = RunZantor("tokens " + Quote(Dir.File("b.pas")));
    EXPECT_EQ(Broken.Status, 1);
    EXPECT_EQ(Broken.Err, "zantor: Invalid string constant on line 2\n");
}

} // namespace
