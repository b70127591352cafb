// The expert as the design-time host meets it in the loaded package: its answers, the splash
// on the virtual clock, and the Help menu entry that runs the wizard.
#include "host/classes/Component.h"
#include "host/controls/Application.h"
#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/controls/Screen.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/StdCtrls.h"
#include "host/ide/DesignRegistry.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/Timers.h"

#include "IdeTestSupport.h"

using namespace zt_ide_test;

namespace {

host::TCustomForm* FindForm(const char* ClassName) {
    for (int i = 0; i < host::Screen->FormCount(); ++i)
        if (host::Screen->Forms(i)->ClassName() == std::string_view(ClassName))
            return host::Screen->Forms(i);
    return nullptr;
}

host::TCustomForm* Splash() {
    return FindForm("TZFormSplash");
}

// Moves the virtual clock and lets the timer messages run.
void Wait(unsigned Milliseconds) {
    host::AdvanceClock(Milliseconds);
    host::Application->ProcessMessages();
}

class ExpertAddIn : public IdeTest {};

TEST_F(ExpertAddIn, TheExpertAnswersTheHostsQuestions) {
    ASSERT_EQ(host::LibraryExperts().size(), 1u);
    host::TIExpert* E = host::LibraryExperts()[0];
    EXPECT_EQ(E->GetName(), "Zantor Expert");
    EXPECT_EQ(E->GetAuthor(), "Tessavin Ltd");
    EXPECT_EQ(E->GetComment(), "A complete globalization package");
    EXPECT_EQ(E->GetPage(), "");
    EXPECT_EQ(E->GetGlyph(), 0u);
    EXPECT_EQ(E->GetStyle(), host::esStandard);
    EXPECT_EQ(E->GetState(), host::TExpertState{host::esEnabled});
    EXPECT_EQ(E->GetIDString(), "Tessavin.Znt");
    EXPECT_EQ(E->GetMenuText(), "Zantor Expert");
}

TEST_F(ExpertAddIn, TheSplashShowsForTwoSecondsOnTheClock) {
    host::TCustomForm* S = Splash();
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->Visible());
    EXPECT_EQ(S->BorderStyle(), host::bsNone);
    EXPECT_EQ(S->FormStyle(), host::fsStayOnTop);
    EXPECT_FALSE(S->Scaled());
    // The panel fits the picture with a 4-pixel border, and the window fits the panel.
    auto* Panel = host::As<host::TControl>(S->FindComponent("Panel"));
    auto* Image = host::As<host::TControl>(S->FindComponent("SplashImage"));
    ASSERT_TRUE(Panel && Image);
    EXPECT_EQ(Panel->Left(), 0);
    EXPECT_EQ(Panel->Width(), Image->Width() + 8);
    EXPECT_EQ(Panel->Height(), Image->Height() + 8);
    EXPECT_EQ(S->ClientWidth(), Panel->Width());
    EXPECT_EQ(S->ClientHeight(), Panel->Height());

    Wait(1999);
    EXPECT_EQ(Splash(), S);
    Wait(1);
    EXPECT_EQ(Splash(), nullptr);
    EXPECT_EQ(host::ActiveTimerCount(), 0);
}

TEST_F(ExpertAddIn, AClickOnThePictureFreesTheSplashWithinTenMilliseconds) {
    Wait(500);
    host::TCustomForm* S = Splash();
    ASSERT_NE(S, nullptr);
    host::As<host::TControl>(S->FindComponent("SplashImage"))->Click();
    Wait(9);
    EXPECT_EQ(Splash(), S);
    Wait(1);
    EXPECT_EQ(Splash(), nullptr);
}

TEST_F(ExpertAddIn, UnloadingThePackageTakesASplashStillShowing) {
    ASSERT_NE(Splash(), nullptr);
    ASSERT_EQ(host::LoadedPackages().size(), 1u);
    Host->UnloadPackage(host::LoadedPackages()[0].get());
    EXPECT_EQ(Splash(), nullptr);
    EXPECT_TRUE(host::LibraryExperts().empty());
}

TEST_F(ExpertAddIn, TheHelpMenuEntryRunsANewWizardEachTime) {
    host::TMenuItem* Item = Host->HelpMenu()->FindItem("Zantor Expert");
    ASSERT_NE(Item, nullptr);
    EXPECT_TRUE(Item->Enabled());

    std::vector<host::TCustomForm*> Seen;
    host::TScriptedUiDriver Driver;
    auto FirstRun = [&](host::TCustomForm& Form) {
        Seen.push_back(&Form);
        EXPECT_EQ(Form.Caption(), "Zantor Expert");
        EXPECT_EQ(host::GetStrProp(Form.FindComponent("PnlProjectName"), "Caption"),
                  Demo.Project());
        // Radio2 leads to the export path; the person goes there and closes the wizard.
        host::As<host::TRadioButton>(Form.FindComponent("Radio2"))->SetChecked(true);
        host::As<host::TButton>(Form.FindComponent("BtnNext"))->Click();
        EXPECT_EQ(host::GetOrdProp(Form.FindComponent("WizNote"), "PageIndex"), 7);
        host::As<host::TButton>(Form.FindComponent("BtnClose"))->Click();
    };
    auto SecondRun = [&](host::TCustomForm& Form) {
        Seen.push_back(&Form);
        // A fresh wizard: on the first page, with the choices as designed.
        EXPECT_EQ(host::GetOrdProp(Form.FindComponent("WizNote"), "PageIndex"), 0);
        EXPECT_TRUE(host::As<host::TRadioButton>(Form.FindComponent("Radio1"))->Checked());
    };
    Driver.ExpectShowModal("ZntWizard", host::mrNone, FirstRun)
        .ExpectShowModal("ZntWizard", host::mrCancel, SecondRun);
    host::TUiDriverGuard Guard(Driver);
    Item->Click();
    EXPECT_EQ(FindForm("TZntWizard"), nullptr); // freed when it closed
    Item->Click();
    Driver.VerifyAllConsumed();
    ASSERT_EQ(Seen.size(), 2u);
    EXPECT_EQ(FindForm("TZntWizard"), nullptr);
}

} // namespace
