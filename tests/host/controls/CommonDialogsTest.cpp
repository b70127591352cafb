#include "host/controls/CommonDialogs.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/controls/DialogData.h"
#include "host/controls/Forms.h"
#include "host/controls/MessageBoxConsts.h"
#include "host/winapi/WindowPos.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

using namespace host;

namespace {

struct TSearchLog : TObject {
    TReplaceDialog* Dialog = nullptr;
    std::vector<String> Seen;
    void Find(TObject*) { Seen.push_back("find " + Dialog->FindText()); }
    void Replace(TObject*) { Seen.push_back("replace " + Dialog->ReplaceText()); }
};

class CommonDialogsTest : public ControlsTest {
protected:
    CommonDialogsTest() {
        Form = new TForm(Application);
        Form->SetName("MainForm");
        Form->Show();
    }
    TForm* Form;
};

} // namespace

TEST_F(CommonDialogsTest, OpenDialogListsTheFolderThroughTheFilterAndTakesTheChoice) {
    zt_test::TempDir Dir;
    zt_test::WriteAll(Dir.File("b.txt"), "");
    zt_test::WriteAll(Dir.File("a.TXT"), "");
    zt_test::WriteAll(Dir.File("c.dat"), "");
    std::filesystem::create_directory(Dir.Path() / "sub");
    auto* D = new TOpenDialog(Form);
    D->SetInitialDir(Dir.Path().string());
    D->SetFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*");
    std::vector<String> Files, AllFiles, Folders, Types;
    String Caption, Label, Found;
    Driver.ExpectCommonDialog("TOpenDialog", [&](TDialogSession& S) {
        Caption = S.Caption();
        Label = S.Text(stc3);
        Files = S.Items(lst1);
        Folders = S.Items(lst2);
        Types = S.Items(cmb1);
        EXPECT_EQ(GetDlgCtrlID(S.Children()[3]), 65535); // "&Directories:" has no id
        S.Select(cmb1, 1);
        AllFiles = S.Items(lst1);
        S.Select(lst1, 1);
        S.Click(IDOK);
    });
    ASSERT_TRUE(D->Execute());
    Driver.VerifyAllConsumed();
    EXPECT_EQ(Caption, "Open");
    EXPECT_EQ(Label, "File &Name:");
    EXPECT_EQ(Files, (std::vector<String>{"a.TXT", "b.txt"}));
    EXPECT_EQ(AllFiles, (std::vector<String>{"a.TXT", "b.txt", "c.dat"}));
    EXPECT_EQ(Folders, (std::vector<String>{"[..]", "[sub]"}));
    EXPECT_EQ(Types, (std::vector<String>{"Text files (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(D->FileName(), (Dir.Path() / "b.txt").string());
    EXPECT_EQ(D->FilterIndex(), 2);
    EXPECT_EQ(D->Handle(), nullptr);
}

TEST_F(CommonDialogsTest, CancelledOrClosedDialogLeavesTheComponentAlone) {
    auto* D = new TSaveDialog(Form);
    D->SetFileName("keep.txt");
    Driver.ExpectCommonDialog("Save As", [](TDialogSession& S) {
        S.SetText(edt1, "other.txt");
        PostMessageA(S.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(D->Execute());
    EXPECT_EQ(D->FileName(), "keep.txt");
    // Without a script the default driver cancels.
    TDefaultUiDriver Default;
    TUiDriverGuard Guard(Default);
    EXPECT_FALSE(D->Execute());
}

TEST_F(CommonDialogsTest, EveryModalKindTakesItsResult) {
    auto* Font = new TFontDialog(Form);
    Driver.ExpectCommonDialog("Font", [](TDialogSession& S) {
        S.SetText(cmb1, "DejaVu Sans");
        S.SetText(cmb3, "14");
        S.Select(cmb2, 2);
        S.SetCheck(chx2, true);
        S.Click(IDOK);
    });
    ASSERT_TRUE(Font->Execute());
    EXPECT_EQ(Font->Font()->Name(), "DejaVu Sans");
    EXPECT_EQ(Font->Font()->Size(), 14);
    EXPECT_TRUE(Font->Font()->Style().Contains(fsBold));
    EXPECT_TRUE(Font->Font()->Style().Contains(fsUnderline));

    auto* Color = new TColorDialog(Form);
    Driver.ExpectCommonDialog("TColorDialog", [](TDialogSession& S) {
        S.SetText(COLOR_RED, "255");
        S.SetText(COLOR_GREEN, "128");
        S.Click(IDOK);
    });
    ASSERT_TRUE(Color->Execute());
    EXPECT_EQ(static_cast<int>(Color->Color()), 0x0080FF);

    auto* Print = new TPrintDialog(Form);
    Driver.ExpectCommonDialog("Print", [](TDialogSession& S) {
        EXPECT_EQ(S.Items(cmb4), ListPrinters()); // none is a valid answer
        S.SetText(edt3, "3");
        S.Click(IDOK);
    });
    ASSERT_TRUE(Print->Execute());
    EXPECT_EQ(Print->Copies(), 3);

    auto* Setup = new TPrinterSetupDialog(Form);
    Driver.ExpectCommonDialog("Print Setup", [](TDialogSession& S) {
        S.SetCheck(rad2, true);
        S.Click(IDOK);
    });
    ASSERT_TRUE(Setup->Execute());
    EXPECT_TRUE(Setup->Landscape());
}

TEST_F(CommonDialogsTest, FindDialogIsModelessAndReportsEachSearch) {
    auto* D = new TReplaceDialog(Form);
    D->SetFindText("old");
    TSearchLog Log;
    Log.Dialog = D;
    D->SetOnFind(TNotifyEvent(&Log, &TSearchLog::Find));
    D->SetOnReplace(TNotifyEvent(&Log, &TSearchLog::Replace));
    ASSERT_TRUE(D->Execute());
    ASSERT_NE(D->Handle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(D->Handle()));
    TDialogSession& S = *D->Session();
    EXPECT_EQ(S.Text(edt1), "old");
    S.SetText(edt1, "new");
    S.Click(IDOK);
    S.SetText(edt2, "newer");
    S.Click(psh2);
    EXPECT_EQ(Log.Seen, (std::vector<String>{"find new", "replace newer"}));
    EXPECT_TRUE(D->Options().Contains(frReplaceAll));
    D->CloseDialog();
    EXPECT_EQ(D->Handle(), nullptr);
}

TEST_F(CommonDialogsTest, EachClassHasItsOwnTableOfVirtualOperations) {
    TDialogMethodTable* Open = DialogMethodTable(TOpenDialog::StaticClass());
    TDialogMethodTable* Save = DialogMethodTable(TSaveDialog::StaticClass());
    ASSERT_NE(Open, nullptr);
    EXPECT_EQ(DialogMethodTable(TForm::StaticClass()), nullptr);
    EXPECT_NE(Open, Save);
    EXPECT_EQ(DialogMethodTable(TFindDialog::StaticClass())->Get(TDialogMethod::MessageHook),
              CodeOf(&TFindDialog::FindMessageHookEntry));
    TDialogMethodEntry& E = Open->Entry(TDialogMethod::MessageHook);
    const TCodePointer Before = E.Get();
    EXPECT_THROW(E.Write(nullptr), EAccessViolation); // protected like code
    DWORD Old = 0;
    ASSERT_TRUE(VirtualProtect(&E, PAGE_READWRITE, &Old));
    static int Calls = 0;
    E.Write(CodeOf(+[](TCommonDialog*, TMessage&) {
        ++Calls;
        return true;
    }));
    VirtualProtect(&E, Old, &Old);
    TOpenDialog O(nullptr);
    TSaveDialog SD(nullptr);
    TMessage M{WM_NULL, 0, 0, 0};
    EXPECT_TRUE(O.MessageHook(M));
    EXPECT_FALSE(SD.MessageHook(M));
    EXPECT_EQ(Calls, 1);
    VirtualProtect(&E, PAGE_READWRITE, &Old);
    E.Write(Before);
    VirtualProtect(&E, Old, &Old);
}

TEST(DialogData, FileMasks) {
    EXPECT_TRUE(MatchesFileMasks("a.TXT", "*.txt"));
    EXPECT_TRUE(MatchesFileMasks("a.text", "*.txt; *.text"));
    EXPECT_TRUE(MatchesFileMasks("noext", "*.*"));
    EXPECT_FALSE(MatchesFileMasks("a.dat", "*.txt;"));
    EXPECT_FALSE(MatchesFileMasks("a.txt", ""));
}
