#include "editors/DlgEditor.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/controls/CommonDialogs.h"
#include "translators/CommonDialogTranslator.h"

#include "EditorDriving.h"

using namespace zt_editors;
using namespace zantor;
using host::TCustomForm;

namespace {

class DlgEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        Zctedit::Install();
        auto* Open = new host::TOpenDialog(Form);
        Open->SetName("OpenDialog1");
        auto* Save = new host::TSaveDialog(Form);
        Save->SetName("SaveDialog1");
        T = new TCommonDialogTranslator(Form);
        T->SetName("DialogTranslator1");
        T->SetLocale(1036);
    }
    void TearDown() override {
        Zctedit::Uninstall();
        EditorTest::TearDown();
    }

    void ExpectEditor(const std::function<void(TDlgEditor&)>& Steps) {
        Driver.ExpectShowModal("DlgEditor", host::mrNone,
                               [Steps](TCustomForm& F) { Steps(dynamic_cast<TDlgEditor&>(F)); });
    }
    bool Open() {
        const bool Result = T->ShowEditor();
        Driver.VerifyAllConsumed();
        return Result;
    }
    bool Edit(const std::function<void(TDlgEditor&)>& Steps) {
        ExpectEditor(Steps);
        return Open();
    }

    TCommonDialogTranslator* T = nullptr;
};

TEST_F(DlgEditorTest, DialogsNotYetKnownAreCapturedOnceAndIncludedKeysTakeTheirOriginals) {
    String WidthValue;
    EXPECT_TRUE(Edit([&](TDlgEditor& E) {
        EXPECT_EQ(Lines(E.ScannedDialogs()), (std::vector<String>{"TOpenDialog", "TSaveDialog"}));
        EXPECT_GE(E.ListAvail->Items()->IndexOf("TOpenDialog.Caption"), 0);
        EXPECT_GE(E.ListAvail->Items()->IndexOf("TSaveDialog.Width"), 0);
        const int W = E.Editing().OriginalIndex("TSaveDialog.Width");
        ASSERT_GE(W, 0);
        WidthValue = TTranslationEditing::ValueOf(E.WorkOrgProps()->Strings(W));
        E.ListAvail->PickToggle(E.ListAvail->Items()->IndexOf("TOpenDialog.Caption")); // Ctrl+click
        E.ListAvail->PickToggle(E.ListAvail->Items()->IndexOf("TSaveDialog.Width"));
        Click(E.BtnIncludeProp);
        Pick(E.PropList, "TOpenDialog.Caption");
        EXPECT_EQ(E.EdtOrgTranslation->Text(), "Open");
        TypeOver(E.EdtTranslation, "Ouvrir");
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Lines(T->Translations()), (std::vector<String>{"TOpenDialog.Caption='Ouvrir'",
                                                             "TSaveDialog.Width=" + WidthValue}));
    EXPECT_GT(T->OrgProps()->Count(), 4);
    EXPECT_TRUE(T->OrgProps()->Line(0).starts_with("TOpenDialog."));

    // The classes are known from the stored originals: nothing is captured again, and OK
    // without changes leaves the translator alone.
    const std::vector<String> Before = Lines(T->OrgProps());
    EXPECT_FALSE(Edit([&](TDlgEditor& E) {
        EXPECT_EQ(E.ListAvail->Items()->IndexOf("TOpenDialog.Caption"), -1);
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Lines(T->OrgProps()), Before);

    // Rescan captures every dialog anew.
    EXPECT_TRUE(Edit([&](TDlgEditor& E) {
        Click(E.BtnRescan);
        EXPECT_TRUE(E.Editing().IsModified());
        Click(E.BtnOK);
    }));
}

TEST_F(DlgEditorTest, NewAddsByNameWithoutMarkingChangesAndTheScratchLeavesTheActiveTranslator) {
    T->OrgProps()->SortInsert("TOpenDialog.Caption='Open'");
    T->OrgProps()->SortInsert("TSaveDialog.Caption='Save As'");
    zt_test::TempDir Dir;
    ExpectEditor([&](TDlgEditor& E) {
        Click(E.BtnNew);
        Click(E.BtnNew);
        EXPECT_EQ(Lines(E.Editing().Work()),
                  (std::vector<String>{"TColorDialog.Caption=", "TOpenDialog.Caption=''"}));
        EXPECT_FALSE(E.Editing().IsModified());
        Click(E.BtnSave);
        EXPECT_TRUE(T->Translate()); // on again after the scratch translator
        Click(E.BtnOK);
    });
    Driver.ExpectInputQuery("Please enter the property name", String("TOpenDialog.Caption"))
        .ExpectInputQuery("Please enter the property name", String("TColorDialog.Caption"));
    Driver.ExpectCommonDialog("TSaveDialog", [&](host::TDialogSession& S) {
        S.SetText(host::edt1, Dir.File("dialogs.txt"));
        S.Click(host::IDOK);
    });
    EXPECT_FALSE(Open());
    EXPECT_EQ(T->Translations()->Count(), 0);
    EXPECT_NE(zt_test::ReadAll(Dir.File("dialogs.txt")).find("TOpenDialog.Caption"), String::npos);
}

} // namespace
