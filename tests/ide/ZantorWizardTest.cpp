// "zantor wizard": the package's wizard run through the host's menu entry by a script, on a
// copy of the example application, as the real executable.
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
    std::string Err;
};

std::string Quote(const std::string& S) {
    std::string Q = "'";
    for (char C : S)
        Q += C == '\'' ? std::string("'\\''") : std::string(1, C);
    return Q + "'";
}

// The user's settings (the registry file) live in Config.
TRun RunZantor(const std::string& Args, const std::string& Config,
               const std::string& Environment = "") {
    zt_test::TempDir Dir;
    const std::string Err = Dir.File("stderr");
    TRun R;
    const int Status = std::system((Environment + "XDG_CONFIG_HOME=" + Quote(Config) + " " +
                                    Quote(ZantorExe) + " " + Args + " >/dev/null 2>" + Quote(Err))
                                       .c_str());
    R.Status = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    R.Err = zt_test::ReadAll(Err);
    return R;
}

std::map<std::string, std::string> FilesOf(const TDemoCopy& Demo,
                                           std::initializer_list<const char*> Extensions) {
    std::map<std::string, std::string> Files;
    for (const auto& E : std::filesystem::directory_iterator(Demo.Dir.Path()))
        for (const char* Ext : Extensions)
            if (E.path().extension() == Ext)
                Files[E.path().filename().string()] = zt_test::ReadAll(E.path().string());
    return Files;
}

// The host with the package loaded reads the forms back as the application would.
class ZantorWizard : public IdeTest {
protected:
    // Runs in the project's folder: the wizard keeps the user's translation of itself in the
    // current folder.
    TRun Wizard(const std::string& Script) {
        const std::string File = Demo.File("script.txt");
        zt_test::WriteAll(File, Script);
        return RunZantor("wizard " + Quote(Demo.Project()) + " --script " + Quote(File),
                         Config.Path().string(), "cd " + Quote(Demo.Dir.Path().string()) + " && ");
    }
    // The main form as the application loads it, with the translator of LCID switched on.
    std::string CaptionIn(host::Integer LCID) {
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

    zt_test::TempDir Config;
};

TEST_F(ZantorWizard, GlobalizesExportsAndImportsAsThePersonChooses) {
    const auto Sources = FilesOf(Demo, {".cpp", ".h", ".zproj", ".lng"});
    // The main form's locale translator gets the project's languages first.
    TRun Glob = RunZantor("globalize " + Quote(Demo.Project()) + " --locales 1036,1034",
                          Config.Path().string());
    ASSERT_EQ(Glob.Status, 0) << Glob.Err;
    const std::string Dict = Demo.File("es.dict");
    TRun First = Wizard("form ZntWizard\n"
                        "  expect WizNote.PageIndex 0\n"
                        "  expect Radio1.Checked 1\n"
                        "  click BtnNext\n" // features
                        "  check CkxResources off\n"
                        "  click BtnNext\n" // locales
                        "  click BtnNext\n" // common properties
                        "  click BtnNext\n" // finish
                        "  expect BtnNext.Caption &Apply\n"
                        "  click BtnNext\n" // globalize, back on the first page
                        "  expect WizNote.PageIndex 0\n"
                        "  expect Radio2.Checked 1\n" // the settings of this project, read back
                        "  expect CkxResources.Checked 0\n"
                        "  click BtnNext\n" // export
                        "  click RadioLocType1\n"
                        "  click BtnNext\n"
                        "  expect BtnNext.Enabled 0\n"
                        "  pick ListLocInProject Spanish, Spain\n"
                        "  click BtnLocInclude\n"
                        "  set EdtExportFile " +
                        Dict +
                        "\n"
                        "  click BtnNext\n" // export, back on the first page
                        "  click BtnClose\n"
                        "end\n");
    ASSERT_EQ(First.Status, 0) << First.Err;
    const std::string Exported = zt_test::ReadAll(Dict);
    ASSERT_NE(Exported.find("Zantor demo\t"), std::string::npos) << Exported;

    // The translator's work, then the import through the wizard.
    zt_test::WriteAll(Dict, std::regex_replace(Exported, std::regex("Zantor demo\t[^\r\n]*"),
                                               "Zantor demo\tDemo de Zantor"));
    // A second run reads this project's settings back from the user's registry.
    TRun Second = Wizard("form ZntWizard\n"
                         "  expect Radio2.Checked 1\n"
                         "  expect CkxResources.Checked 0\n"
                         "  click Radio3\n"
                         "  click BtnNext\n"
                         "  set EdtImportFile " +
                         Dict +
                         "\n"
                         "  click BtnNext\n"
                         "  expect RadioDictType.Checked 1\n"
                         "  pick CbxDictLangs Spanish, Spain\n"
                         "  click BtnNext\n" // import
                         "  click BtnClose\n"
                         "end\n");
    ASSERT_EQ(Second.Status, 0) << Second.Err;
    EXPECT_EQ(CaptionIn(1034), "Demo de Zantor");
    EXPECT_EQ(FilesOf(Demo, {".cpp", ".h", ".zproj", ".lng"}), Sources);
}

TEST_F(ZantorWizard, ThePersonsOwnTranslationOfTheWizardIsEditedSavedShownAndReadBack) {
    const std::string UsrLang = Demo.File("UsrLang.txt");
    // The form editor starts from the Swedish translator's properties, with empty texts. The
    // Next button takes its caption from the hidden label LblNext.
    TRun First =
        Wizard("form ZntWizard\n"
               "  expect BtnClose.Caption &Close\n"
               "  click BtnUserTranslate\n"
               "  answer Do you want to insert properties from SwedishTranslation ? => Yes\n"
               "  form FormEditor\n"
               "    pick PropList BtnClose.Caption\n"
               "    expect EdtOrgTranslation.Lines &Close\n"
               "    type EdtTranslation &Fermer\n"
               "    pick PropList LblNext.Caption\n"
               "    type EdtTranslation &Suivant\n"
               "    click BtnOK\n"
               "  end\n"
               "  expect BtnClose.Caption &Fermer\n"
               "  click BtnNext\n"
               "  expect BtnNext.Caption &Suivant\n"
               "  click BtnPrev\n"
               // The wizard's own languages take over when chosen.
               "  pick CbxLang Swedish, Sweden\n"
               "  expect BtnClose.Caption S&täng\n"
               "  pick CbxLang English, United States\n"
               "  expect BtnClose.Caption &Close\n"
               "  click BtnClose\n"
               "end\n");
    ASSERT_EQ(First.Status, 0) << First.Err;
    const std::string Saved = zt_test::ReadAll(UsrLang);
    EXPECT_NE(Saved.find("ZntWizard.BtnClose.Caption%0='&Fermer'\r\n"), std::string::npos) << Saved;
    EXPECT_NE(Saved.find("ZntWizard.BtnClose.Caption%-1='&Close'\r\n"), std::string::npos);
    EXPECT_NE(Saved.find("ZntWizard.LblNext.Caption%0='&Suivant'\r\n"), std::string::npos);
    EXPECT_NE(Saved.find("ZntWizard.BtnPrev.Caption%0=''\r\n"), std::string::npos);

    // The next run shows the person's texts from the start; the editor opens on them.
    TRun Second = Wizard("form ZntWizard\n"
                         "  expect BtnClose.Caption &Fermer\n"
                         "  expect BtnNext.Caption &Suivant\n"
                         "  expect BtnPrev.Caption &Previous\n"
                         "  click BtnUserTranslate\n"
                         "  form FormEditor\n"
                         "    pick PropList BtnClose.Caption\n"
                         "    expect EdtTranslation.Lines &Fermer\n"
                         "    click BtnCancel\n"
                         "  end\n"
                         "  expect BtnClose.Caption &Fermer\n"
                         "  click BtnClose\n"
                         "end\n");
    ASSERT_EQ(Second.Status, 0) << Second.Err;
    EXPECT_EQ(zt_test::ReadAll(UsrLang), Saved);
}

TEST_F(ZantorWizard, LocalesAddedInTheLocaleEditorAreTheOnesTheProjectIsGlobalizedWith) {
    // No globalize --locales first: the main form's locale translator has no catalogue, so only
    // the design locale is listed until the person copies locales in the locale editor.
    const auto Sources = FilesOf(Demo, {".cpp", ".h", ".zproj"});
    const std::string Locales =
        "German, Germany\\nEnglish, United States\\nFrench, France\\nItalian, Italy";
    TRun First = Wizard("form ZntWizard\n"
                        "  click BtnNext\n" // features: keep the project's translation file
                        "  click RadioStorage2\n"
                        "  set EdtFormStorage Demo.lng\n"
                        "  click BtnNext\n" // locales
                        "  expect ListLocales.Items English, United States\n"
                        "  click BtnLocaleProp\n"
                        "  form LocaleEditor\n"
                        "    page FormNotebook 1\n"
                        "    pick LangList French, France\n"
                        "    click BtnCopyLang\n"
                        "    pick LangList German, Germany\n"
                        "    click BtnCopyLang\n"
                        "    pick LangList Italian, Italy\n"
                        "    click BtnCopyLang\n"
                        "    click BtnOK\n"
                        "  end\n"
                        "  expect ListLocales.Items " +
                        Locales +
                        "\n"
                        "  click BtnNext\n" // common properties
                        "  click BtnNext\n" // resources
                        "  click BtnNext\n" // finish
                        "  expect WizNote.PageIndex 6\n"
                        "  click BtnNext\n" // globalize
                        "  expect WizNote.PageIndex 0\n"
                        "  click BtnClose\n"
                        "end\n");
    ASSERT_EQ(First.Status, 0) << First.Err;
    const std::string Main = zt_test::ReadAll(Demo.File("MainForm.dfm"));
    // The French and German translators keep their locales; Italian ones are new.
    EXPECT_NE(Main.find("object FrenchTranslator: TFormTranslator\r\n    FileName = 'Demo.lng'\r\n"
                        "    Locale = 1036"),
              std::string::npos)
        << Main;
    EXPECT_NE(Main.find("object GermanTranslator: TFormTranslator\r\n    FileName = 'Demo.lng'\r\n"
                        "    Locale = 1031"),
              std::string::npos);
    EXPECT_NE(Main.find("object FormTranslator1: TFormTranslator\r\n    FileName = 'Demo.lng'\r\n"
                        "    Locale = 1040"),
              std::string::npos);
    EXPECT_NE(Main.find(": TResourceTranslator\r\n    FileName = 'Demo.lng'\r\n    Locale = 1040"),
              std::string::npos);
    EXPECT_NE(zt_test::ReadAll(Demo.File("OrderForm.dfm")).find("Locale = 1040"),
              std::string::npos);
    // The catalogue went to the main form's locale translator, kept in the project's file.
    EXPECT_NE(
        zt_test::ReadAll(Demo.File("Demo.lng")).find("MainForm.00000410_ENGLISHNAME%0=Italian"),
        std::string::npos);
    EXPECT_EQ(FilesOf(Demo, {".cpp", ".h", ".zproj"}), Sources);

    // The next run finds the four locales on the main form. A locale copied in the editor and
    // then cancelled is not listed.
    TRun Second = Wizard("form ZntWizard\n"
                         "  click Radio1\n"
                         "  click BtnNext\n"
                         "  click BtnNext\n"
                         "  expect ListLocales.Items " +
                         Locales +
                         "\n"
                         "  click BtnLocaleProp\n"
                         "  form LocaleEditor\n"
                         "    page FormNotebook 1\n"
                         "    pick LangList Dutch, Netherlands\n"
                         "    click BtnCopyLang\n"
                         "    click BtnCancel\n"
                         "    answer Do you want to discard the changes ? => Yes\n"
                         "  end\n"
                         "  expect ListLocales.Items " +
                         Locales +
                         "\n"
                         "  click BtnClose\n"
                         "end\n");
    ASSERT_EQ(Second.Status, 0) << Second.Err;
}

TEST_F(ZantorWizard, AScriptThatDoesNotMatchTheWizardFailsClearly) {
    TRun Unknown = Wizard("form ZntWizard\n  click BtnNowhere\nend\n");
    EXPECT_EQ(Unknown.Status, 1);
    EXPECT_NE(Unknown.Err.find("line 2: ZntWizard has no control BtnNowhere"), std::string::npos)
        << Unknown.Err;
    TRun Wrong = Wizard("form ZntWizard\n  expect WizNote.PageIndex 3\nend\n");
    EXPECT_EQ(Wrong.Status, 1);
    EXPECT_NE(Wrong.Err.find("WizNote.PageIndex is \"0\", not \"3\""), std::string::npos)
        << Wrong.Err;
    TRun Syntax = Wizard("dance\n");
    EXPECT_EQ(Syntax.Status, 1);
    EXPECT_NE(Syntax.Err.find("line 1: unknown step \"dance\""), std::string::npos);
    TRun Left = Wizard("form ZntWizard\nend\nanswer Save? => Yes\n");
    EXPECT_EQ(Left.Status, 1);
    EXPECT_NE(Left.Err.find("line 3: step \"answer\" was never played"), std::string::npos)
        << Left.Err;
    // Without a script the wizard needs a display to show itself on.
    TRun Headless = RunZantor("wizard " + Quote(Demo.Project()), Config.Path().string(),
                              "ZANTOR_DISPLAY=none ");
    EXPECT_EQ(Headless.Status, 1);
    EXPECT_NE(Headless.Err.find("no display to show the wizard on"), std::string::npos)
        << Headless.Err;
}

} // namespace
