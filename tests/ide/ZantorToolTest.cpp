// The command-line tool, run as the real executable.
#include "IdeTestSupport.h"

#include <sys/wait.h>

#include <cstdio>

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

} // namespace
