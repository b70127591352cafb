#include "host/classes/Component.h"
#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/ide/DesignRegistry.h"
#include "host/ide/Packages.h"
#include "host/rtl/FormatSettings.h"
#include "host/rtl/SysLocale.h"
#include "host/winapi/LocaleInfo.h"

#include "IdeTestSupport.h"

#include <set>

using namespace zt_ide_test;

namespace {

std::vector<std::string> Palette() {
    std::vector<std::string> Result;
    for (const host::TPaletteEntry& E : host::PaletteEntries())
        Result.push_back(E.Page + ":" + E.ComponentClass->ClassName);
    return Result;
}

class Packages : public ::testing::Test {
protected:
    ~Packages() override {
        host::UnloadAllPackages();
        host::ClearDesignRegistries();
    }
};

TEST_F(Packages, LoadingRegistersTheTranslatorsAndUnloadingRemovesThem) {
    for (int Round = 0; Round < 2; ++Round) { // a package unloaded can be loaded again
        host::TPackage* P = host::LoadPackage(PackageFile);
        EXPECT_EQ(P->Description(), "Tessavin Zantor");
        EXPECT_EQ(P->UnitNames(),
                  (std::vector<std::string>{"Zlt", "Zft", "Zrt", "Zct", "Zbt", "Zltedit", "Zftedit",
                                            "Zrtedit", "Zctedit", "Zsplash", "ZntWiz", "Znt"}));
        ASSERT_EQ(host::LibraryExperts().size(), 1u);
        EXPECT_EQ(host::LibraryExperts()[0]->GetIDString(), "Tessavin.Znt");
        EXPECT_EQ(Palette(), (std::vector<std::string>{
                                 "Tessavin:TLocaleTranslator", "Tessavin:TFormTranslator",
                                 "Tessavin:TResourceTranslator", "Tessavin:TCommonDialogTranslator",
                                 "Tessavin:TButtonTranslator"}));
        std::set<std::string> EditorClasses;
        for (const auto& E : host::PropertyEditorRegistrations())
            EditorClasses.insert(E.EditorClass->ClassName);
        EXPECT_EQ(host::PropertyEditorRegistrations().size(), 19u); // Zrt's editor serves two
        EXPECT_EQ(EditorClasses.size(), 18u);
        EXPECT_EQ(host::ComponentEditorRegistrations().size(), 5u);
        EXPECT_NE(host::GetClass("TFormTranslator"), nullptr);
        ASSERT_EQ(host::LoadedPackages().size(), 1u);

        host::UnloadPackage(P);
        EXPECT_TRUE(host::LoadedPackages().empty());
        EXPECT_TRUE(host::PaletteEntries().empty());
        EXPECT_TRUE(host::PropertyEditorRegistrations().empty());
        EXPECT_TRUE(host::ComponentEditorRegistrations().empty());
        EXPECT_TRUE(host::LibraryExperts().empty());
        EXPECT_EQ(host::GetClass("TFormTranslator"), nullptr);
        EXPECT_EQ(host::GetClass("TLocaleTranslator"), nullptr);
        EXPECT_EQ(host::GetClass("TButtonTranslator"), nullptr);
    }
}

TEST_F(Packages, AFailedLoadIsReportedAndLeavesTheHostAsItWas) {
    zt_test::TempDir Dir;
    const std::string Missing = Dir.File("missing.so");
    try {
        (void)host::LoadPackage(Missing);
        ADD_FAILURE() << "a missing package loaded";
    } catch (const host::EPackageError& E) {
        EXPECT_TRUE(E.Message().starts_with("Cannot load package \"" + Missing + "\": "))
            << E.Message();
    }
    const std::string Text = Dir.File("text.so");
    zt_test::WriteAll(Text, "not a library");
    EXPECT_THROW((void)host::LoadPackage(Text), host::EPackageError);

    EXPECT_THROW_MSG((void)host::LoadPackage(NoEntryPackageFile), host::EPackageError,
                     "Cannot load package \"" + NoEntryPackageFile +
                         "\": it lacks the entry point GetPackageInfoTable");

    EXPECT_THROW_MSG((void)host::LoadPackage(FailingPackageFile), host::EPackageError,
                     "Cannot load package \"" + FailingPackageFile +
                         "\": Register of unit Bad failed: no palette for you");
    EXPECT_TRUE(host::LoadedPackages().empty());
    EXPECT_TRUE(host::PaletteEntries().empty());
    EXPECT_TRUE(host::PropertyEditorRegistrations().empty());
    // Its unit was finalized: the class it registered at initialization is gone.
    EXPECT_EQ(host::GetClass("TFailingThing"), nullptr);

    // And a good package still loads afterwards.
    (void)host::LoadPackage(PackageFile);
    EXPECT_EQ(Palette().size(), 5u);
}

TEST_F(Packages, TheHostWillNotUnloadAPackageWhoseComponentsAreOnAnOpenForm) {
    TDemoCopy Demo;
    host::TDesignHost Host;
    host::TPackage* P = Host.LoadPackage(PackageFile);
    Host.OpenProject(Demo.Project());
    host::TDesignModule* M = Host.OpenModule(Demo.File("OrderForm.cpp"));
    EXPECT_THROW_MSG(Host.UnloadPackage(P), host::EPackageError,
                     "Cannot unload package \"" + PackageFile +
                         "\": form OrderForm uses TFormTranslator");
    EXPECT_TRUE(Host.CloseModule(M));
    Host.UnloadPackage(P);
    EXPECT_TRUE(host::PaletteEntries().empty());
}

// The three builds load alike; a locale switch writes the host's list separator only in the
// version-4 build, since the version-3 run-time library has none (those builds keep their own).
TEST_F(Packages, TheThreeBuildsDifferOnlyWhereTheRunTimeLibraryDoes) {
    const struct {
        const std::string& File;
        bool HostHasListSeparator;
    } Builds[] = {{PackageFile, true}, {PackageD3File, false}, {PackageC3File, false}};
    const host::LCID ThreadLocale = host::GetThreadLocale();
    host::TDesignHost Host;
    for (const auto& B : Builds) {
        host::TPackage* P = Host.LoadPackage(B.File);
        EXPECT_EQ(P->Description(), "Tessavin Zantor");
        EXPECT_EQ(Palette().size(), 5u);
        EXPECT_NE(P->Entry("ZntNewProjectExpert"), nullptr);
        host::FormatSettings().ListSeparator = "?";
        auto* Form = new host::TForm(host::Application);
        host::ReadComponentFromText("object F: TForm\n  object L: TLocaleTranslator\n"
                                    "    Translations.Strings = (\n"
                                    "      '00000407_LISTSEPARATOR=|')\n"
                                    "    StartupLocale = 'German, Germany 00000407'\n"
                                    "  end\nend\n",
                                    Form);
        EXPECT_EQ(host::FormatSettings().ListSeparator, B.HostHasListSeparator ? "|" : "?")
            << B.File;
        Form->Free();
        Host.UnloadPackage(P);
    }
    host::ResetFormatSettings();
    host::ResetSysLocale();
    host::SetThreadLocale(ThreadLocale);
}

} // namespace
