// The wizard's form, its transitions and button states, its settings and its own language,
// without a design-time host (the project operations then do nothing).
#include "expert/ProjectWizard.h"
#include "expert/WizardSettings.h"

#include "host/controls/Application.h"
#include "host/controls/Graphics.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/winapi/Process.h"
#include "translators/FormTranslator.h"
#include "translators/LocaleCatalogue.h"
#include "translators/LocaleTranslator.h"
#include "translators/Registration.h"

#include "TestUtil.h"
#include "translators/LocaleTestSupport.h"

#include <algorithm>
#include <tuple>

using namespace zantor;

namespace {

class ProjectWizard : public ::testing::Test {
protected:
    ProjectWizard() : FPrevious(SetWizardSettings(&Store)) {
        host::RegisterControlClasses();
        RegisterTranslatorClasses();
    }
    ~ProjectWizard() override {
        for (TZntWizard* W : Wizards)
            W->Free();
        SetWizardSettings(FPrevious);
    }
    // A wizard shown (not modally), as the person first sees it.
    TZntWizard* Open() {
        auto* W = new TZntWizard(host::Application);
        Wizards.push_back(W);
        W->Show();
        return W;
    }
    // Gives the wizard's project a catalogue of these locales (the first is the design
    // locale) and lists them, as the main form's locale translator would.
    static void Catalogue(TZntWizard* W, std::initializer_list<Integer> Locales) {
        TLocaleTranslator* L = W->Expert().LocaleCatalogue();
        L->Translations()->Clear();
        for (Integer LCID : Locales)
            AddOrgProps(LCID, L->Translations());
        L->SetDesignLocale(LocaleStringOf(*Locales.begin()));
        W->RefreshLocaleList();
    }
    static String LocaleStringOf(Integer LCID) {
        const char* Hex = "0123456789ABCDEF";
        String S = "Design ";
        for (int Shift = 28; Shift >= 0; Shift -= 4)
            S += Hex[(LCID >> Shift) & 0xF];
        return S;
    }
    static int Page(TZntWizard* W) { return W->WizNote->PageIndex(); }

    zlt_test::TUserLocaleGuard Locale;
    zlt_test::TRtlStateGuard Rtl;
    host::TApplicationScope App;
    zt_test::TempDir Dir;
    TMemoryWizardSettings Store;
    std::vector<TZntWizard*> Wizards;

private:
    TWizardSettings* FPrevious;
};

TEST_F(ProjectWizard, TheFormIsAsDesigned) {
    TZntWizard* W = Open();
    EXPECT_EQ(W->Caption(), "Zantor Expert");
    EXPECT_EQ(W->LblMain->Caption(), "Zantor Expert");
    EXPECT_EQ(W->BorderStyle(), host::bsDialog);
    const std::vector<String> Pages = {"Main",
                                       "Features",
                                       "Locales",
                                       "Forms",
                                       "Resources",
                                       "CommonDlg",
                                       "FinishGlobalize",
                                       "Localization",
                                       "FinishLocalization",
                                       "Import",
                                       "FinishImport"};
    ASSERT_EQ(W->WizNote->PageCount(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(W->WizNote->Pages()->Strings(i), Pages[static_cast<std::size_t>(i)]);
    EXPECT_EQ(W->StartNote->Pages()->Strings(1), "Expert options");
    EXPECT_EQ(W->NoteFeatures->Pages()->Strings(0), "General");
    EXPECT_EQ(W->PnlProjectName->Caption(), "(None)"); // no tool services
    EXPECT_EQ(W->Radio1->Caption(), "Globalize the project, modify international behavior");
    EXPECT_TRUE(W->Radio1->Checked());
    EXPECT_TRUE(W->CkxResources->Checked());
    EXPECT_FALSE(W->CkxCommonDlg->Checked());
    EXPECT_TRUE(W->CkxForms->Checked());
    EXPECT_TRUE(W->CkxScanForms->Checked());
    EXPECT_TRUE(W->RadioStorage1->Checked());
    EXPECT_FALSE(W->EdtFormStorage->Enabled());
    EXPECT_EQ(W->EdtSplit->Text(), "500");
    EXPECT_EQ(W->RadioDictType->Caption(), W->RadioLocType1->Caption());
    EXPECT_EQ(W->RadioPropType->Caption(),
              "Property text file, each property can contain a specific translation");
    EXPECT_EQ(W->LblStrCnt->Caption(), "Contains %d strings");
    EXPECT_FALSE(W->ModStrList->Visible());
    EXPECT_EQ(W->OpenDlg->Filter(), "Text files (*.txt)|*.txt|All files (*.*)|*.*");
    EXPECT_EQ(W->SaveDlg->DefaultExt(), "txt");
    // The list sorts as the host's lists do (case ignored); the items are the built-in ones.
    std::vector<String> Designed = W->DesignCommonProps(), Builtin = DefaultCommonProps();
    std::sort(Designed.begin(), Designed.end());
    std::sort(Builtin.begin(), Builtin.end());
    EXPECT_EQ(Designed, Builtin);
    EXPECT_EQ(W->UserTranslation->FileName(), "UsrLang.txt");
    EXPECT_EQ(W->SwedishTranslation->Locale(), 1053);
    EXPECT_EQ(W->LocaleTranslator1->AdoptOn(), W->CbxLang);
}

TEST_F(ProjectWizard, NextFromTheFirstPageFollowsTheChosenPath) {
    TZntWizard* W = Open();
    EXPECT_EQ(Page(W), wpMain);
    EXPECT_FALSE(W->BtnPrev->Enabled());
    for (auto [Radio, Target] :
         {std::pair{W->Radio1, wpFeatures}, std::pair{W->Radio2, wpLocalization},
          std::pair{W->Radio3, wpImport}}) {
        Radio->SetChecked(true);
        W->BtnNext->Click();
        EXPECT_EQ(Page(W), Target);
        EXPECT_TRUE(W->BtnPrev->Enabled());
        W->BtnPrev->Click();
        EXPECT_EQ(Page(W), wpMain);
        EXPECT_FALSE(W->BtnPrev->Enabled());
    }
}

// Every combination of the three feature boxes, forward from the locales page to the finish
// page and back again.
TEST_F(ProjectWizard, TheGlobalizePathSkipsThePagesOfFeaturesNotChosen) {
    for (int Mask = 0; Mask < 8; ++Mask) {
        TZntWizard* W = Open();
        const bool Scan = Mask & 1, Res = Mask & 2, Dlg = Mask & 4;
        W->BtnNext->Click();
        ASSERT_EQ(Page(W), wpFeatures);
        W->CkxScanForms->SetChecked(Scan);
        W->CkxResources->SetChecked(Res);
        W->CkxCommonDlg->SetChecked(Dlg);
        std::vector<int> Expected = {wpLocales};
        if (Scan) Expected.push_back(wpForms);
        if (Res) Expected.push_back(wpResources);
        if (Dlg) Expected.push_back(wpCommonDlg);
        Expected.push_back(wpFinishGlobalize);
        std::vector<int> Forward;
        while (Page(W) != wpFinishGlobalize) {
            ASSERT_TRUE(W->BtnNext->Enabled()) << Page(W);
            W->BtnNext->Click();
            Forward.push_back(Page(W));
        }
        EXPECT_EQ(Forward, Expected) << "mask " << Mask;
        EXPECT_EQ(W->BtnNext->Caption(), "&Apply");
        std::vector<int> Back;
        while (Page(W) != wpFeatures) {
            W->BtnPrev->Click();
            Back.push_back(Page(W));
        }
        Expected.pop_back();
        std::reverse(Expected.begin(), Expected.end());
        Expected.push_back(wpFeatures);
        EXPECT_EQ(Back, Expected) << "mask " << Mask;
        EXPECT_EQ(W->BtnNext->Caption(), "&Next");
    }
}

TEST_F(ProjectWizard, ApplyRunsTheOperationAndReturnsToTheFirstPage) {
    TZntWizard* W = Open();
    W->WizNote->SetPageIndex(wpFinishGlobalize);
    W->LblGlobStatus->SetCaption("old");
    W->WizNote->SetPageIndex(wpMain);
    W->WizNote->SetPageIndex(wpFinishGlobalize);
    EXPECT_EQ(W->LblGlobStatus->Caption(), ""); // cleared on entering the page
    W->BtnNext->Click();
    EXPECT_EQ(Page(W), wpMain);
    EXPECT_EQ(W->BtnNext->Caption(), "&Next");
}

TEST_F(ProjectWizard, StorageInAnExternalFileNeedsAFileName) {
    TZntWizard* W = Open();
    W->BtnNext->Click();
    ASSERT_EQ(Page(W), wpFeatures);
    EXPECT_TRUE(W->BtnNext->Enabled());
    W->RadioStorage2->SetChecked(true); // its click handler runs
    EXPECT_TRUE(W->EdtFormStorage->Enabled());
    EXPECT_TRUE(W->EdtSplit->Enabled());
    EXPECT_EQ(W->EdtFormStorage->Color(), host::clWindow);
    EXPECT_FALSE(W->BtnNext->Enabled());
    W->EdtFormStorage->SetText("a.tx");
    EXPECT_FALSE(W->BtnNext->Enabled());
    W->EdtFormStorage->SetText("a.txt");
    EXPECT_TRUE(W->BtnNext->Enabled());
    W->EdtFormStorage->SetText("");
    W->UpdateStepBtn(); // entering the page keeps the rule
    EXPECT_FALSE(W->BtnNext->Enabled());
    W->RadioStorage1->SetChecked(true);
    EXPECT_FALSE(W->EdtFormStorage->Enabled());
    EXPECT_EQ(W->EdtSplit->Color(), host::clBtnFace);
    EXPECT_TRUE(W->BtnNext->Enabled());
}

TEST_F(ProjectWizard, UncheckingFormsUnchecksAndDisablesTheScan) {
    TZntWizard* W = Open();
    W->CkxForms->SetChecked(false);
    EXPECT_FALSE(W->CkxScanForms->Checked());
    EXPECT_FALSE(W->CkxScanForms->Enabled());
    W->CkxForms->SetChecked(true);
    EXPECT_TRUE(W->CkxScanForms->Enabled());
    EXPECT_FALSE(W->CkxScanForms->Checked());
}

TEST_F(ProjectWizard, TheExportPageWantsAFileNameAndTwoLocales) {
    TZntWizard* W = Open();
    W->Radio2->SetChecked(true);
    W->BtnNext->Click();
    ASSERT_EQ(Page(W), wpLocalization);
    EXPECT_FALSE(W->BtnNext->Enabled()); // no kind chosen yet
    W->RadioLocType2->SetChecked(true);
    EXPECT_TRUE(W->BtnNext->Enabled());
    W->BtnNext->Click();
    ASSERT_EQ(Page(W), wpFinishLocalization);
    EXPECT_EQ(W->BtnNext->Caption(), "&Apply");
    Catalogue(W, {1033, 1036, 1031});
    ASSERT_EQ(W->ListLocInProject->Items()->Count(), 3);
    ASSERT_EQ(W->ListLocExport->Items()->Count(), 1); // the design locale
    W->EdtExportFile->SetText("out.txt");
    EXPECT_FALSE(W->BtnNext->Enabled());

    // The design locale cannot be removed; another one can be included once.
    W->ListLocExport->Pick(0);
    EXPECT_FALSE(W->BtnLocExclude->Enabled());
    const int French = W->ListLocInProject->Items()->IndexOf("French, France");
    ASSERT_GE(French, 0);
    W->ListLocInProject->Pick(French);
    EXPECT_EQ(W->ListLocExport->ItemIndex(), -1);
    EXPECT_TRUE(W->BtnLocInclude->Enabled());
    W->BtnLocInclude->Click();
    EXPECT_EQ(W->ListLocExport->Items()->Count(), 2);
    EXPECT_TRUE(W->BtnNext->Enabled());
    W->ListLocInProject->Pick(French);
    EXPECT_FALSE(W->BtnLocInclude->Enabled()); // already listed
    W->EdtExportFile->SetText("o.tx");
    EXPECT_FALSE(W->BtnNext->Enabled());
    W->EdtExportFile->SetText("o.txt");
    EXPECT_TRUE(W->BtnNext->Enabled());

    W->ListLocExport->Pick(1);
    EXPECT_EQ(W->ListLocInProject->ItemIndex(), -1);
    EXPECT_TRUE(W->BtnLocExclude->Enabled());
    W->BtnLocExclude->Click();
    EXPECT_EQ(W->ListLocExport->Items()->Count(), 1);
    EXPECT_FALSE(W->BtnNext->Enabled());
}

TEST_F(ProjectWizard, ADictionaryKeepsTheDesignLocaleAndTheLastOther) {
    TZntWizard* W = Open();
    Catalogue(W, {1033, 1036, 1031, 1053});
    for (int i = 0; i < W->ListLocInProject->Items()->Count(); ++i)
        if (ObjectToInt(W->ListLocInProject->Items()->Objects(i)) != 1033)
            W->ListLocExport->Items()->AddObject(W->ListLocInProject->Items()->Strings(i),
                                                 W->ListLocInProject->Items()->Objects(i));
    ASSERT_EQ(W->ListLocExport->Items()->Count(), 4);
    const String Last = W->ListLocExport->Items()->Strings(3);
    W->RadioLocType1->SetChecked(true);
    ASSERT_EQ(W->ListLocExport->Items()->Count(), 2);
    EXPECT_EQ(ObjectToInt(W->ListLocExport->Items()->Objects(0)), 1033);
    EXPECT_EQ(W->ListLocExport->Items()->Strings(1), Last);
    // With two listed, a dictionary takes no third.
    W->ListLocInProject->Pick(W->ListLocInProject->Items()->IndexOf("German, Germany"));
    EXPECT_FALSE(W->BtnLocInclude->Enabled());
}

TEST_F(ProjectWizard, TheImportFileDecidesTheKind) {
    const String Dict = Dir.File("dict.txt");
    const String Props = Dir.File("props.txt");
    zt_test::WriteAll(Dict, "Cancel\tAnnuler\r\nOK=\tOK\r\n");
    zt_test::WriteAll(Props, "[Form1]\r\nCaption='x'\r\n");
    zt_test::WriteAll(Props, "Form1.Caption='Commandes'\r\n");
    TZntWizard* W = Open();
    W->Radio3->SetChecked(true);
    W->BtnNext->Click();
    ASSERT_EQ(Page(W), wpImport);
    EXPECT_FALSE(W->BtnNext->Enabled());
    W->EdtImportFile->SetText(Dir.File("missing.txt"));
    EXPECT_FALSE(W->BtnNext->Enabled());
    W->EdtImportFile->SetText(Props);
    EXPECT_TRUE(W->BtnNext->Enabled());
    W->BtnNext->Click();
    ASSERT_EQ(Page(W), wpFinishImport);
    EXPECT_TRUE(W->RadioPropType->Checked());
    EXPECT_FALSE(W->CbxDictLangs->Enabled());
    EXPECT_EQ(W->CbxDictLangs->Color(), host::clBtnFace);
    EXPECT_TRUE(W->BtnNext->Enabled());
    EXPECT_EQ(W->BtnNext->Caption(), "&Apply");

    W->BtnPrev->Click();
    W->EdtImportFile->SetText(Dict);
    W->BtnNext->Click();
    EXPECT_TRUE(W->RadioDictType->Checked());
    EXPECT_TRUE(W->CbxDictLangs->Enabled());
    EXPECT_EQ(W->CbxDictLangs->Color(), host::clWindow);
    EXPECT_FALSE(W->BtnNext->Enabled()); // no language to import into
    Catalogue(W, {1033, 1036});
    W->CbxDictLangs->SetItemIndex(0);
    W->RadioDictTypeClick(W->RadioDictType);
    EXPECT_TRUE(W->BtnNext->Enabled());
}

TEST_F(ProjectWizard, AnImportFileThatCannotBeReadRaisesOnEnteringTheLastPage) {
    TZntWizard* W = Open();
    W->EdtImportFile->SetText(Dir.File("gone.txt"));
    EXPECT_THROW(W->WizNote->SetPageIndex(wpFinishImport), host::Exception);
}

TEST_F(ProjectWizard, SettingsOfTheSameProjectAreReadBackByTheNextRun) {
    TZntWizard* First = Open();
    First->CkxCommonDlg->SetChecked(true);
    First->CkxScanForms->SetChecked(false);
    First->RadioStorage2->SetChecked(true);
    First->EdtFormStorage->SetText("lang.txt");
    First->WriteSettings();
    EXPECT_EQ(Store.ReadString("Zantor", "Project", "?"), "(None)");
    EXPECT_EQ(Store.ReadString("Zantor", "StoreInFile", ""), "lang.txt");
    EXPECT_FALSE(Store.ReadBool("Zantor", "StoreInForm", true));

    TZntWizard* Second = Open();
    EXPECT_TRUE(Second->Radio2->Checked());
    EXPECT_TRUE(Second->Radio2->Enabled());
    EXPECT_TRUE(Second->Radio3->Enabled());
    EXPECT_TRUE(Second->CkxCommonDlg->Checked());
    EXPECT_FALSE(Second->CkxScanForms->Checked());
    EXPECT_TRUE(Second->RadioStorage2->Checked());
    EXPECT_EQ(Second->EdtFormStorage->Text(), "lang.txt");
    EXPECT_TRUE(Second->EdtFormStorage->Enabled());

    // Another project's settings are not read.
    Store.WriteString("Zantor", "Project", "/elsewhere/Other.zproj");
    TZntWizard* Third = Open();
    EXPECT_TRUE(Third->Radio1->Checked());
    EXPECT_FALSE(Third->CkxCommonDlg->Checked());
    EXPECT_TRUE(Third->RadioStorage1->Checked());
}

TEST_F(ProjectWizard, TheCommonPropertyListIsStoredAndPutBack) {
    for (int i = 0; i < 5; ++i)
        Store.WriteString("FormTranslator", TZntWizard::CommonPropertyName(i),
                          "Stored" + std::to_string(i));
    TZntWizard* W = Open();
    EXPECT_EQ(TZntWizard::CommonPropertyName(12), "CommonProperty[12]");
    ASSERT_EQ(W->CommonPropList->Items()->Count(), 5); // the stored list replaces the built-in
    W->WizNote->SetPageIndex(wpForms);
    EXPECT_FALSE(W->BtnDeleteCommon->Enabled());
    W->CommonPropList->Pick(0);
    EXPECT_TRUE(W->BtnDeleteCommon->Enabled());
    W->BtnDeleteCommon->Click();
    W->CommonPropList->Pick(0);
    W->BtnDeleteCommon->Click();
    EXPECT_EQ(W->BtnDeleteCommon->Enabled(), W->CommonPropList->ItemIndex() >= 0);
    EXPECT_TRUE(W->BtnSet->Enabled());
    W->BtnSet->Click();
    EXPECT_EQ(Store.ReadString("FormTranslator", "CommonProperty[0]", ""), "Stored2");
    EXPECT_EQ(Store.ReadString("FormTranslator", "CommonProperty[2]", ""), "Stored4");
    EXPECT_EQ(Store.ReadString("FormTranslator", "CommonProperty[3]", "?"), "");
    EXPECT_EQ(Store.ReadString("FormTranslator", "CommonProperty[4]", "?"), "");

    host::TScriptedUiDriver Driver;
    Driver.ExpectInputQuery("Specify the property name", String("Hint[*]"))
        .ExpectInputQuery("Specify the property name", std::nullopt);
    {
        host::TUiDriverGuard Guard(Driver);
        W->BtnAddCommon->Click();
        W->BtnAddCommon->Click(); // cancelled: nothing added
    }
    Driver.VerifyAllConsumed();
    EXPECT_EQ(W->CommonPropList->Items()->Count(), 4);
    EXPECT_EQ(W->CommonPropList->Items()->Strings(W->CommonPropList->ItemIndex()), "Hint[*]");
    EXPECT_TRUE(W->BtnDeleteCommon->Enabled());

    W->BtnDefault->Click();
    EXPECT_EQ(Store.ReadString("FormTranslator", "CommonProperty[0]", "?"), "");
    EXPECT_EQ(W->CommonPropList->Items()->Count(), static_cast<int>(DefaultCommonProps().size()));
    EXPECT_FALSE(W->BtnDeleteCommon->Enabled());
    TZntWizard* Next = Open(); // nothing stored: the built-in list
    EXPECT_EQ(Next->CommonPropList->Items()->Count(),
              static_cast<int>(DefaultCommonProps().size()));
}

TEST_F(ProjectWizard, TheLocaleListsComeFromTheCatalogue) {
    TZntWizard* W = Open();
    Catalogue(W, {1036, 1033, 1053});
    ASSERT_EQ(W->ListLocales->Items()->Count(), 3);
    EXPECT_EQ(W->ListLocales->Items()->Strings(0), "English, United States");
    EXPECT_EQ(ObjectToInt(W->ListLocales->Items()->Objects(2)), 1053);
    EXPECT_EQ(W->ListLocExport->Items()->Count(), 1);
    EXPECT_EQ(W->ListLocExport->Items()->Strings(0), "French, France");
    EXPECT_EQ(W->CbxDictLangs->Items()->Count(), 2);
    EXPECT_EQ(W->CbxDictLangs->Items()->IndexOf("French, France"), -1);
}

TEST_F(ProjectWizard, HelpStartsTheViewerAndCloseEndsTheModalRun) {
    TZntWizard* W = Open();
    const std::size_t Before = host::WinExecLog().size();
    W->BtnHelp->Click();
    ASSERT_EQ(host::WinExecLog().size(), Before + 1);
    EXPECT_EQ(host::WinExecLog().back().CmdLine, "WINHLP32.EXE ZNT.HLP");
    EXPECT_EQ(host::WinExecLog().back().CmdShow, 0u);
}

TEST_F(ProjectWizard, TheWizardSpeaksSwedishWhenSwedishIsChosen) {
    TZntWizard* W = Open();
    const int Swedish = W->CbxLang->Items()->IndexOf("Swedish, Sweden");
    const int English = W->CbxLang->Items()->IndexOf("English, United States");
    ASSERT_GE(Swedish, 0);
    ASSERT_GE(English, 0);
    W->CbxLang->Pick(Swedish);
    EXPECT_TRUE(W->SwedishTranslation->Translate());
    EXPECT_EQ(W->BtnPrev->Caption(), "&Föregående");
    EXPECT_EQ(W->Radio2->Caption(), "Förbered projektet för översättning");
    EXPECT_EQ(W->NoteFeatures->Pages()->Strings(0), "Allmänt");
    W->UpdateStepBtn(); // Next takes its caption from the translated label
    EXPECT_EQ(W->BtnNext->Caption(), "&Nästa");
    W->WizNote->SetPageIndex(wpFinishGlobalize);
    EXPECT_EQ(W->BtnNext->Caption(), "&Verkställ");
    // Every caption the Swedish translation names is one of the wizard's.
    host::TStringList Live;
    ASSERT_TRUE(W->SwedishTranslation->TranslateForm(&Live, true));
    for (int i = 0; i < W->SwedishTranslation->Translations()->Count(); ++i) {
        const String& Line = W->SwedishTranslation->Translations()->Line(i);
        const String Key = Line.substr(0, Line.find('='));
        if (Key.starts_with("SystemMenu")) continue;
        EXPECT_GE(Live.IndexOfName(Key), 0) << Key;
    }
    W->CbxLang->Pick(English);
    EXPECT_EQ(W->BtnPrev->Caption(), "&Previous");
    EXPECT_EQ(W->NoteFeatures->Pages()->Strings(0), "General");
}

} // namespace
