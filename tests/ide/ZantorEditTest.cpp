// "zantor edit": the translator editors opened by the command-line tool on a copy of the
// example project, played by a script.
#include "IdeTestSupport.h"

#include <sys/wait.h>

#include <cstdio>

using namespace zt_ide_test;

namespace {

std::string Quote(const std::string& S) {
    std::string Q = "'";
    for (char C : S)
        Q += C == '\'' ? std::string("'\\''") : std::string(1, C);
    return Q + "'";
}

struct TEditRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

class ZantorEdit : public ::testing::Test {
protected:
    // Runs zantor edit with a settings store of the test's own and the script's steps.
    TEditRun Edit(const std::string& Args, const std::string& Script) {
        zt_test::WriteAll(Demo.File("script.txt"), Script);
        const std::string Err = Config.File("stderr");
        const std::string Command = "XDG_CONFIG_HOME=" + Quote(Config.Path().string()) + " " +
                                    Quote(ZantorExe) + " edit " + Quote(Demo.Project()) + " " +
                                    Args + " --script " + Quote(Demo.File("script.txt")) + " 2>" +
                                    Quote(Err);
        TEditRun R;
        FILE* P = popen(Command.c_str(), "r");
        if (!P) return R;
        char Buffer[4096];
        for (std::size_t N; (N = fread(Buffer, 1, sizeof Buffer, P)) > 0;)
            R.Out.append(Buffer, N);
        const int Status = pclose(P);
        R.Status = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
        R.Err = zt_test::ReadAll(Err);
        return R;
    }

    TDemoCopy Demo;
    zt_test::TempDir Config;
};

TEST_F(ZantorEdit, AScriptedEditorAddsATranslationAndTheFormIsSavedOnOk) {
    TEditRun R = Edit("MainForm FrenchTranslator", "form FormEditor\n"
                                                   "  # a new caption, typed over the old one\n"
                                                   "  pick PropList Caption\n"
                                                   "  type EdtTranslation Demo en francais\n"
                                                   "  focus PropList\n"
                                                   "  click CkxMove\n"
                                                   "  click BtnOK\n"
                                                   "end\n");
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, "FrenchTranslator: saved MainForm.dfm\n");
    const std::string Lng = zt_test::ReadAll(Demo.File("Demo.lng"));
    EXPECT_NE(Lng.find("MainForm.Caption%1036='Demo en francais'\r\n"), std::string::npos) << Lng;
    EXPECT_NE(Lng.find("MainForm.Caption%1031='Zantor-Demo'"), std::string::npos) << Lng;
    // The check box's setting went to the store of the test.
    EXPECT_NE(zt_test::ReadAll(Config.File("zantor/registry.reg"))
                  .find("[HKEY_CURRENT_USER\\Software\\Tessavin\\FormTranslator]\n"
                        "\"MoveNextUntranslated\"=dword:00000000"),
              std::string::npos);
}

TEST_F(ZantorEdit, AResourceTranslatorOpensTheResourceEditorAndItsFileKeepsTheNewText) {
    TEditRun R = Edit("MainForm FrenchResTranslator",
                      "form ResEditor\n"
                      "  expect .Caption Resource Editor\n"
                      "  pick ResList Ready.\n"
                      "  type EdtTranslation Prêt !\n"
                      "  click BtnNew\n"
                      "  input Please provide the original string => Goodbye\n"
                      "  type EdtTranslation Au revoir\n"
                      "  click BtnOK\n"
                      "end\n");
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, "FrenchResTranslator: saved MainForm.dfm\n");
    const std::string Lng = zt_test::ReadAll(Demo.File("Demo.lng"));
    EXPECT_NE(Lng.find("%-1='Goodbye'\r\n"), std::string::npos) << Lng;
    EXPECT_NE(Lng.find("%1036='Au revoir'\r\n"), std::string::npos) << Lng;
    EXPECT_NE(Lng.find("%1036='Prêt !'\r\n"), std::string::npos) << Lng;
    EXPECT_EQ(Lng.find("%1036='Prêt.'"), std::string::npos) << Lng;
    // The other locale's translations in the shared file stay.
    EXPECT_NE(Lng.find("%1031='Bereit.'"), std::string::npos) << Lng;
}

TEST_F(ZantorEdit, CancelLeavesTheFormAloneAndBadScriptsAreRefusedBeforeAnythingOpens) {
    const std::string Lng = zt_test::ReadAll(Demo.File("Demo.lng"));
    TEditRun R = Edit("MainForm FrenchTranslator", "form FormEditor\n  click BtnCancel\nend\n");
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, "FrenchTranslator: no change\n");
    EXPECT_EQ(zt_test::ReadAll(Demo.File("Demo.lng")), Lng);

    TEditRun Bad = Edit("MainForm FrenchTranslator", "form FormEditor\nwiggle PropList\nend\n");
    EXPECT_EQ(Bad.Status, 1);
    EXPECT_EQ(Bad.Err,
              "zantor: Script " + Demo.File("script.txt") + ", line 2: unknown step \"wiggle\"\n");
    // A question the script does not answer, and an answer nobody asked for, stop the run.
    TEditRun Short = Edit("MainForm FrenchTranslator",
                          "form FormEditor\npick PropList Caption\nclick BtnRemove\nend\n");
    EXPECT_EQ(Short.Status, 1);
    EXPECT_NE(Short.Err.find("line 4: message \"Do you want to remove the selected property ?\" "
                             "is asked, the script says \"end\""),
              std::string::npos)
        << Short.Err;
    TEditRun Unasked = Edit("MainForm FrenchTranslator", "form FormEditor\nanswer yes\nend\n");
    EXPECT_NE(Unasked.Err.find("line 2: no question is asked for \"answer\""), std::string::npos)
        << Unasked.Err;
    EXPECT_EQ(zt_test::ReadAll(Demo.File("Demo.lng")), Lng);
    TEditRun NoEditor = Edit("MainForm FrenchButtonTranslator", "");
    EXPECT_EQ(NoEditor.Status, 1);
    EXPECT_EQ(NoEditor.Err,
              "zantor: FrenchButtonTranslator (TButtonTranslator) has no translation editor\n");
    TEditRun NoComponent = Edit("MainForm Nobody", "");
    EXPECT_EQ(NoComponent.Err, "zantor: Unit MainForm has no component Nobody\n");
}

TEST_F(ZantorEdit, TheLocaleEditorCopiesASystemLocaleIntoTheCatalogueSavedWithTheForm) {
    const std::string Before = zt_test::ReadAll(Demo.File("MainForm.dfm"));
    ASSERT_EQ(Before.find("0000040C_"), std::string::npos);
    TEditRun R = Edit("MainForm LocaleTranslator1", "form LocaleEditor\n"
                                                    "  page FormNotebook 1\n"
                                                    "  pick LangList French, France\n"
                                                    "  click BtnCopyLang\n"
                                                    "  page FormNotebook 0\n"
                                                    "  pick CbxLang French, France\n"
                                                    "  pick PropList LONGDAYNAMES[1]\n"
                                                    "  type EdtTranslation Lundi\n"
                                                    "  focus PropList\n"
                                                    "  click BtnOK\n"
                                                    "end\n");
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, "LocaleTranslator1: saved MainForm.dfm\n");
    const std::string After = zt_test::ReadAll(Demo.File("MainForm.dfm"));
    EXPECT_NE(After.find("0000040C_ENGLISHNAME=French"), std::string::npos) << After;
    EXPECT_NE(After.find("0000040C_LONGDAYNAMES[1]=Lundi"), std::string::npos) << After;
    EXPECT_NE(After.find("DesignLocale = 'English, United States 00000409'"), std::string::npos);

    // Opened again, French is in the application and may be removed; a New that is not a
    // number adds nothing, and OK without changes leaves the form alone.
    TEditRun Again =
        Edit("MainForm LocaleTranslator1", "form LocaleEditor\n"
                                           "  page FormNotebook 1\n"
                                           "  pick LangListInApp French, France\n"
                                           "  expect BtnRemoveLang.Enabled 1\n"
                                           "  expect BtnSetDefault.Enabled 1\n"
                                           "  click BtnUserLang\n"
                                           "  input Locale identifier (integer) => abc\n"
                                           "  answer 'abc' is not a valid integer value => OK\n"
                                           "  click BtnOK\n"
                                           "end\n");
    ASSERT_EQ(Again.Status, 0) << Again.Err;
    EXPECT_EQ(Again.Out, "LocaleTranslator1: no change\n");
    TEditRun Gone = Edit("MainForm LocaleTranslator1", "form LocaleEditor\n"
                                                       "  page FormNotebook 1\n"
                                                       "  pick LangList French, France\n"
                                                       "end\n");
    EXPECT_EQ(Gone.Status, 1);
    EXPECT_NE(Gone.Err.find("LangList has no item \"French, France\""), std::string::npos)
        << Gone.Err;
}

} // namespace
