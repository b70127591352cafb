#include "expert/ProjectExpert.h"

#include "host/classes/Component.h"
#include "host/controls/StdCtrls.h"
#include "host/ide/DesignHost.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/Modules.h"
#include "host/typinfo/TypInfo.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"
#include "translators/ResourceTranslator.h"

#include "TestUtil.h"

#include <algorithm>
#include <fstream>

using namespace zantor;

namespace {

constexpr Integer French = 1036, German = 1031, Spanish = 1034, English = 1033;

// A project of the design-time host in a temporary folder, its forms written from text.
class ExpertTest : public ::testing::Test {
protected:
    ExpertTest() {
        for (TClass C : {TFormTranslator::StaticClass(), TLocaleTranslator::StaticClass(),
                         TResourceTranslator::StaticClass(), TCommonDialogTranslator::StaticClass(),
                         host::TButton::StaticClass()})
            if (!host::GetClass(C->ClassName)) host::RegisterClass(C);
        Expert.LocaleCatalogue()->SetDesignLocale("English, United States 00000409");
    }

    String File(const String& Name) const { return Dir.File(Name); }
    // Units: name, source text (or none), form text (or none).
    struct TUnit {
        String Name, SourceExt, Source, Form;
    };
    void OpenProject(const std::vector<TUnit>& Units) {
        String Project = "[Project]\nName=Test\n";
        for (const TUnit& U : Units) {
            Project += "[Unit " + U.Name + "]\nSource=" + U.Name + U.SourceExt + "\n";
            zt_test::WriteAll(File(U.Name + U.SourceExt), U.Source);
            if (U.Form.empty()) continue;
            Project += "Form=" + U.Name + ".dfm\n";
            zt_test::WriteAll(File(U.Name + ".dfm"), U.Form);
        }
        zt_test::WriteAll(File("Test.zproj"), Project);
        if (!Host) Host = std::make_unique<host::TDesignHost>();
        Host->OpenProject(File("Test.zproj"));
    }
    // The live form of a unit, opened in the host.
    TComponent* Form(const String& Unit) { return Host->OpenModule(File(Unit + ".cpp"))->Form(); }
    template <class T> std::vector<T*> Translators(TComponent* Root) {
        std::vector<T*> Found;
        for (int i = 0; i < Root->ComponentCount(); ++i)
            if (auto* X = host::As<T>(Root->Components(i))) Found.push_back(X);
        return Found;
    }
    void UseLocales(std::vector<Integer> LCIDs) {
        Expert.Settings().Locales.clear();
        for (Integer L : LCIDs)
            Expert.Settings().Locales.push_back({host::IntToStr(L), L});
    }

    zt_test::TempDir Dir;
    std::unique_ptr<host::TDesignHost> Host;
    TProjectExpert Expert;
};

String FormText(const String& Name, const String& Body) {
    return "object " + Name + ": T" + Name + "\n  Caption = 'Hello'\n" + Body + "end\n";
}

String TranslatorText(const String& Name, Integer Locale, const String& FileName = "") {
    String Text = "  object " + Name + ": TFormTranslator\n";
    if (!FileName.empty()) Text += "    FileName = '" + FileName + "'\n";
    return Text + "    Locale = " + host::IntToStr(Locale) + "\n    Storage = 0\n  end\n";
}

TEST_F(ExpertTest, WithoutToolServicesNothingHappens) {
    UseLocales({English, French});
    Expert.GlobalizeProject();
    Expert.PrepareProject();
    Expert.TranslateProject();
    EXPECT_FALSE(Expert.IsResourceStringUnit(__FILE__));
}

TEST_F(ExpertTest, OnlyTheDesignLocaleLeavesTranslatorsAlone) {
    OpenProject({{"One", ".cpp", "", FormText("One", TranslatorText("T1", French, "old.txt"))},
                 {"Two", ".cpp", "", FormText("Two", "")}});
    UseLocales({English});
    Expert.Settings().StoreInForm = true;
    Expert.GlobalizeProject();
    auto One = Translators<TFormTranslator>(Form("One"));
    ASSERT_EQ(One.size(), 1u);
    EXPECT_EQ(One[0]->Locale(), French);
    EXPECT_EQ(One[0]->FileName(), "old.txt");
    EXPECT_TRUE(One[0]->Translations()->Count() == 0);
    EXPECT_TRUE(Translators<TFormTranslator>(Form("Two")).empty());
}

TEST_F(ExpertTest, ExistingTranslatorsTakeTheLocalesLeftAndNewOnesTheRest) {
    OpenProject({{"One", ".cpp", "",
                  FormText("One", TranslatorText("TA", French) + TranslatorText("TB", German))},
                 {"Two", ".cpp", "", FormText("Two", TranslatorText("TC", Spanish, "x.txt"))},
                 {"Code", ".cpp", "int x;\n", ""},
                 {"Gone", ".cpp", "", ""}});
    std::filesystem::remove(File("Gone.cpp")); // a unit missing on disk is skipped
    UseLocales({English, French, Spanish});
    std::vector<String> Seen;
    Expert.SetOnProgress([&](const String& Gauge, const String& Status) {
        Seen.push_back(Gauge + " " + host::ExtractFileName(Status));
    });
    Expert.GlobalizeProject();
    EXPECT_EQ(Seen, (std::vector<String>{"0 / 4 One.cpp", "1 / 4 Two.cpp", "2 / 4 Code.cpp",
                                         "3 / 4 Gone.cpp"}));
    // The wizard closed what it opened.
    EXPECT_FALSE(Host->IsFileOpen(File("One.cpp")));

    auto One = Translators<TFormTranslator>(Form("One"));
    ASSERT_EQ(One.size(), 2u);
    EXPECT_EQ(One[0]->Name(), "TA");
    EXPECT_EQ(One[0]->Locale(), French);
    EXPECT_EQ(One[1]->Locale(), Spanish); // German is not wanted: it becomes the locale left
    // Spanish kept; French is new, with the scanned caption and an empty translation.
    auto Two = Translators<TFormTranslator>(Form("Two"));
    ASSERT_EQ(Two.size(), 2u);
    EXPECT_EQ(Two[0]->Locale(), Spanish);
    EXPECT_EQ(Two[1]->Locale(), French);
    for (TFormTranslator* T : Two) {
        EXPECT_EQ(T->FileName(), ""); // stored in the form
        EXPECT_GE(T->Translations()->IndexOf("Caption=''"), 0);
    }
    // Only the main form gets the other kinds.
    EXPECT_TRUE(Translators<TLocaleTranslator>(Form("Two")).empty());
}

TEST_F(ExpertTest, TheMainFormIsFoundByItsFormFileName) {
    for (const char* Ext : {".pas", ".cpp"}) {
        OpenProject(
            {{"Main", Ext, "", FormText("Main", "")}, {"Other", Ext, "", FormText("Other", "")}});
        UseLocales({English, French});
        Expert.Settings().Forms = false;
        Expert.Settings().Resources = true;
        Expert.Settings().CommonDialogs = true;
        Expert.Settings().MainForm = "MAIN.DFM";
        Expert.GlobalizeProject();
        TComponent* Main = Host->OpenModule(File(String("Main") + Ext))->Form();
        TComponent* Other = Host->OpenModule(File(String("Other") + Ext))->Form();
        auto Locale = Translators<TLocaleTranslator>(Main);
        ASSERT_EQ(Locale.size(), 1u) << Ext;
        EXPECT_GT(Locale[0]->Translations()->Count(), 0);
        EXPECT_EQ(Translators<TResourceTranslator>(Main).size(), 1u);
        ASSERT_EQ(Translators<TCommonDialogTranslator>(Main).size(), 1u);
        EXPECT_EQ(Translators<TCommonDialogTranslator>(Main)[0]->Locale(), French);
        EXPECT_EQ(Other->ComponentCount(), 0) << Ext;
        EXPECT_TRUE(Host->CloseProject());
    }
}

TEST_F(ExpertTest, StoringInAFileNumbersFullFilesInTheSameFolder) {
    std::filesystem::create_directory(File("my.dir"));
    const String Lang = File("my.dir/lang.txt");
    std::ofstream(Lang) << String(600 * 1024, 'x');
    OpenProject({{"One", ".cpp", "",
                  FormText("One", TranslatorText("Kept", French, Lang + ".old") +
                                      TranslatorText("Other", German, "elsewhere.txt"))}});
    UseLocales({English, French, German, Spanish});
    Expert.Settings().StoreInForm = false;
    Expert.Settings().FormStorage = Lang;
    Expert.Settings().Split = "500";
    Expert.Settings().ScanForms = false;
    Expert.GlobalizeProject();
    auto T = Translators<TFormTranslator>(Form("One"));
    ASSERT_EQ(T.size(), 3u);
    EXPECT_EQ(T[0]->FileName(), Lang + ".old");            // begins with the storage name
    EXPECT_EQ(T[1]->FileName(), File("my.dir/lang0.txt")); // lang.txt is over the limit
    EXPECT_EQ(T[2]->FileName(), File("my.dir/lang0.txt"));

    // A numbered file that is full too is passed over; a limit that is no number is refused.
    ASSERT_TRUE(Host->CloseProject());
    std::ofstream(File("my.dir/lang0.txt")) << String(501 * 1024, 'x');
    OpenProject({{"Two", ".cpp", "", FormText("Two", "")}});
    UseLocales({English, Spanish});
    Expert.GlobalizeProject();
    auto Two = Translators<TFormTranslator>(Form("Two"));
    ASSERT_EQ(Two.size(), 1u);
    EXPECT_EQ(Two[0]->FileName(), File("my.dir/lang1.txt"));
    Expert.Settings().Split = "half a meg";
    Expert.Settings().FormStorage = File("other.txt");
    EXPECT_THROW(Expert.GlobalizeProject(), host::EConvertError);
}

TEST_F(ExpertTest, StoringInTheFormEmptiesFileNames) {
    OpenProject({{"One", ".cpp", "", FormText("One", TranslatorText("T", French, "a.txt"))}});
    UseLocales({English, French, German});
    Expert.Settings().StoreInForm = true;
    Expert.Settings().FormStorage = "a.txt";
    Expert.GlobalizeProject();
    for (TFormTranslator* T : Translators<TFormTranslator>(Form("One")))
        EXPECT_EQ(T->FileName(), "");
}

TEST_F(ExpertTest, FormScanEntersCommonPropertiesOnce) {
    const String Body = "  object Btn: TButton\n    Caption = 'Go'\n    Hint = ''\n  end\n"
                        "  object List: TListBox\n    Items.Strings = (\n      'a'\n      'b')\n"
                        "  end\n"
                        "  object T: TFormTranslator\n    Locale = 1036\n"
                        "    Translations.Strings = (\n      'Caption=''Bonjour''')\n"
                        "    Storage = 0\n  end\n";
    OpenProject({{"One", ".cpp", "", FormText("One", Body)}});
    TComponent* Root = Form("One");
    TFormTranslator* T = Translators<TFormTranslator>(Root)[0];
    Expert.SetFormProps(Root, T);
    const TSortList& L = *T->Translations();
    EXPECT_GE(L.IndexOf("Caption='Bonjour'"), 0); // kept, not overwritten
    EXPECT_LT(L.IndexOf("Caption=''"), 0);
    EXPECT_GE(L.IndexOf("Btn.Caption=''"), 0);   // found through its last part
    EXPECT_GE(L.IndexOf("List.Items[0]=''"), 0); // Items[*]
    EXPECT_GE(L.IndexOf("List.Items[1]=''"), 0);
    EXPECT_LT(L.IndexOf("Btn.Hint=''"), 0); // empty design text
    for (int i = 0; i < L.Count(); ++i)
        EXPECT_EQ(L.Line(i).find("Name="), String::npos) << L.Line(i);
    const int Count = L.Count();
    Expert.SetFormProps(Root, T);
    EXPECT_EQ(L.Count(), Count);
    Expert.Settings().IncludeEmpty = true;
    Expert.SetFormProps(Root, T);
    EXPECT_GE(L.IndexOf("Btn.Hint=''"), 0);
}

TEST_F(ExpertTest, PathIndexesAndLiterals) {
    for (auto [In, Out] :
         std::vector<std::pair<String, String>>{{"Items[3]", "Items[*]"},
                                                {"A.Items[12].B[4]", "A.Items[*].B[4]"},
                                                {"Caption", "Caption"},
                                                {"Odd]x[", "Odd]x["}}) {
        TProjectExpert::RemoveIndex(In);
        EXPECT_EQ(In, Out);
    }
    EXPECT_TRUE(TProjectExpert::IsStringLiteral("'x'"));
    EXPECT_TRUE(TProjectExpert::IsStringLiteral("#13#10"));
    EXPECT_FALSE(TProjectExpert::IsStringLiteral("12"));
    EXPECT_FALSE(TProjectExpert::IsStringLiteral(""));
    EXPECT_EQ(TProjectExpert::GetFileSize("/no/such/file"), 0u);
}

TEST_F(ExpertTest, ResourceStringUnitsOfBothLanguages) {
    OpenProject({{"Before", ".pas",
                  "unit Before;\ninterface\nresourcestring\n  SHello = 'Hello' + ', you';\n"
                  "  SBye = 'Bye';\nconst X = 'no';\nimplementation\nend.\n",
                  ""},
                 {"After", ".pas",
                  "unit After;\ninterface\n{ resourcestring }\nimplementation\n"
                  "resourcestring\n  SHidden = 'Hidden';\nend.\n",
                  ""},
                 {"Strings", ".cpp",
                  "#include \"Strings.h\"\nZT_RESOURCESTRING(host::MainModule, SA, \"One \" "
                  "\"piece\");\n// ZT_RESOURCESTRING(x, y, \"commented\")\n"
                  "ZT_RESOURCESTRING(host::MainModule, SB, \"Two (2)\");\n",
                  ""},
                 {"Shared", ".cpp", "int y;\n", ""},
                 {"Plain", ".cpp", "const char* S = \"ZT_RESOURCESTRING\";\n", ""}});
    zt_test::WriteAll(File("Shared.h"), "extern const host::TResStringRec SShared;\n");
    EXPECT_TRUE(Expert.IsResourceStringUnit(File("Before.pas")));
    EXPECT_FALSE(Expert.IsResourceStringUnit(File("After.pas")));
    EXPECT_TRUE(Expert.IsResourceStringUnit(File("Strings.cpp")));
    EXPECT_TRUE(Expert.IsResourceStringUnit(File("Shared.cpp")));
    EXPECT_FALSE(Expert.IsResourceStringUnit(File("Plain.cpp")));
    EXPECT_FALSE(Expert.IsResourceStringUnit(File("Missing.pas")));
    zt_test::WriteAll(File("Broken.pas"), "unit Broken;\nconst S = 'open\n");
    EXPECT_THROW((void)Expert.IsResourceStringUnit(File("Broken.pas")), host::EParserError);

    EXPECT_EQ(Expert.GetResStrings({"", nullptr, 0}), 2);
    EXPECT_EQ(Expert.ModStrList(), (std::vector<String>{"Hello, you", "Bye"}));
    EXPECT_EQ(Expert.GetResStrings({"", nullptr, 2}), 2);
    EXPECT_EQ(Expert.ModStrList(), (std::vector<String>{"One piece", "Two (2)"}));

    Expert.UpdateModuleList();
    std::vector<String> Units;
    for (const TModuleItem& M : Expert.ModuleList())
        if (M.IsUnit()) Units.push_back(host::ExtractFileName(M.Name));
    EXPECT_EQ(Units, (std::vector<String>{"Before.pas", "Strings.cpp", "Shared.cpp"}));
    // Loaded modules come with their handles.
    EXPECT_TRUE(std::any_of(Expert.ModuleList().begin(), Expert.ModuleList().end(),
                            [](const TModuleItem& M) { return M.Handle == host::HInstance(); }));
}

TEST_F(ExpertTest, ResourceTranslatorsGetTheStringsTheyLack) {
    host::TLibModule Module("strings.so");
    Module.AddString("From the table");
    Module.AddString("Hello, you");
    OpenProject({{"Before", ".pas",
                  "unit Before;\ninterface\nresourcestring\n  SHello = 'Hello, you';\n"
                  "implementation\nend.\n",
                  ""},
                 {"Main", ".cpp", "", FormText("Main", "")}});
    EXPECT_EQ(Expert.GetResStrings({"strings.so", Module.Instance()}), 2);
    Expert.Settings().ModulesInApp = {{"strings.so", Module.Instance()},
                                      {"Before.pas", nullptr, 0}};
    Expert.Settings().MainForm = "Main.dfm";
    Expert.Settings().Forms = false;
    UseLocales({English, French});
    Expert.GlobalizeProject();
    auto R = Translators<TResourceTranslator>(Form("Main"));
    ASSERT_EQ(R.size(), 1u);
    EXPECT_EQ(R[0]->Locale(), French);
    const TSortList& S = *R[0]->ResStrings();
    EXPECT_EQ(S.Count(), 2);
    EXPECT_GE(S.IndexOf("From the table"), 0);
    EXPECT_GE(S.IndexOf("Hello, you"), 0);
}

TEST_F(ExpertTest, ExportAndImportThroughThePropertyFile) {
    OpenProject({{"One", ".cpp", "", FormText("One", "")}});
    UseLocales({English, French, German});
    Expert.GlobalizeProject();
    const String Exported = File("out.txt");
    Expert.Settings().ExportFile = Exported;
    Expert.Settings().ExportKind = TExchangeKind::Properties;
    Expert.Settings().ExportLocales = {{"", French}};
    Expert.PrepareProject();
    String Text = zt_test::ReadAll(Exported);
    EXPECT_EQ(Text.find("%1031"), String::npos) << Text; // German was not asked for

    // A translator fills in the French caption; the import brings it into the form.
    const String Empty = "One.Caption%1036=''";
    const auto At = Text.find(Empty);
    ASSERT_NE(At, String::npos) << Text;
    Text.replace(At, Empty.size(), "One.Caption%1036='Bonjour'");
    zt_test::WriteAll(Exported, Text);
    Expert.Settings().ImportFile = Exported;
    Expert.Settings().ImportKind = TExchangeKind::Properties;
    Expert.Settings().SaveImported = true;
    Expert.TranslateProject();
    auto T = Translators<TFormTranslator>(Form("One"));
    ASSERT_EQ(T.size(), 2u);
    EXPECT_GE(T[0]->Translations()->IndexOf("Caption='Bonjour'"), 0);
    EXPECT_LT(T[1]->Translations()->IndexOf("Caption='Bonjour'"), 0);
}

} // namespace
