#include "translators/CommonDialogTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/Forms.h"
#include "host/controls/MessageBoxConsts.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/rtl/ExitProc.h"
#include "host/winapi/Activation.h"
#include "host/winapi/WindowPos.h"

#include "TestUtil.h"
#include "host/winapi/WinApi.h"

#include <cstdint>
#include <map>

using namespace zantor;
using namespace host;

namespace {

class ZctTest : public ::testing::Test {
protected:
    ZctTest() {
        Form = new TForm(Application);
        Form->SetName("Form1");
        Form->Show();
    }
    // A translator on the form, with entries.
    TCommonDialogTranslator* Translator(std::vector<String> Lines) {
        auto* T = new TCommonDialogTranslator(Form);
        TStringList L;
        for (const String& S : Lines)
            L.Add(S);
        T->SetTranslations(&L);
        return T;
    }
    // What the person sees: the caption and every child's text, position and font.
    struct TShown {
        String Caption;
        std::vector<String> Texts;
        std::vector<RECT> Rects;
        RECT Rect{};
        std::vector<String> Fonts; // face name and character set of each child's font
        std::vector<HFONT> FontHandles;
        std::map<int, POINT> Origins; // each identified child's corner in client coordinates
    };
    static TShown Look(TDialogSession& S) {
        TShown R;
        R.Caption = S.Caption();
        GetWindowRect(S.Handle(), &R.Rect);
        for (HWND C : S.Children()) {
            char B[256] = {};
            GetWindowTextA(C, B, sizeof B);
            R.Texts.push_back(B);
            RECT CR{};
            GetWindowRect(C, &CR);
            R.Rects.push_back(CR);
            POINT P{CR.left, CR.top};
            ScreenToClient(S.Handle(), &P);
            R.Origins.emplace(GetDlgCtrlID(C), P);
            auto F = reinterpret_cast<HFONT>(SendMessageA(C, WM_GETFONT, 0, 0));
            R.FontHandles.push_back(F);
            R.Fonts.push_back(TCommonDialogTranslator::GetFontName(F) + "/" +
                              std::to_string(TCommonDialogTranslator::GetFontCharset(F)));
        }
        return R;
    }
    TShown Show(TCommonDialog* D) {
        TShown R;
        Driver.ExpectCommonDialog(D->ClassName(), [&](TDialogSession& S) {
            R = Look(S);
            S.Click(IDCANCEL);
        });
        D->Execute();
        return R;
    }

    TCommonDialogUnitGuard Unit;
    TWindowLayerGuard Layer;
    TApplicationScope App;
    TScriptedUiDriver Driver;
    TUiDriverGuard DriverGuard{Driver};
    TForm* Form;
};

// Logs the events with what a window shows at that moment.
class TEventSink : public TObject {
public:
    HWND Wnd = nullptr;
    bool SkipNext = false;
    TObject* Sender = nullptr;
    std::vector<String> Log;
    void Translate(TObject* S, bool& Skip) {
        Sender = S;
        Log.push_back("translate:" + Text());
        Skip = SkipNext;
    }
    void Translated(TObject*) { Log.push_back("translated:" + Text()); }

private:
    String Text() const {
        char B[64] = {};
        if (Wnd) GetWindowTextA(Wnd, B, sizeof B);
        return B;
    }
};

HWND MakeChild(HWND Dlg, const char* Text, int Id, int Top) {
    return CreateWindowExA(0, WC_STATIC, Text, WS_CHILD, 10, Top, 60, 12, Dlg,
                           reinterpret_cast<HMENU>(static_cast<std::intptr_t>(Id)), nullptr,
                           nullptr);
}

bool Same(const RECT& A, const RECT& B) {
    return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

} // namespace

TEST_F(ZctTest, FrenchTranslatorTranslatesTheOpenDialogOnly) {
    auto* Open = new TOpenDialog(Form);
    auto* Save = new TSaveDialog(Form);
    auto* T = Translator({"TOpenDialog.Caption='Ouvrir'", "TOpenDialog.Caption[1090]='&Nom :'",
                          "TOpenDialog.Caption[-4]='&Dossiers :'", "TOpenDialog.Font.Name='Arial'",
                          "TOpenDialog.Font.Charset=238", "TOpenDialog.Width=500",
                          "TOpenDialog.Left[1152]=30", "TSaveDialog.Caption='Enregistrer'"});
    T->SetLocale(1036);
    ASSERT_TRUE(RegisterDialogClass(TOpenDialog::StaticClass()));
    TShown Fr = Show(Open);
    EXPECT_EQ(Fr.Caption, "Ouvrir");
    EXPECT_EQ(Fr.Texts[0], "&Nom :");
    EXPECT_EQ(Fr.Texts[3], "&Dossiers :");
    EXPECT_EQ(Fr.Rect.right - Fr.Rect.left, 500);
    EXPECT_EQ(Fr.Origins.at(1152).x, 30);
    EXPECT_EQ(Fr.Fonts[0], "Arial/238"); // name and character set in one font
    // The font made for the dialog is deleted when it closes.
    EXPECT_EQ(T->LiveDialogFonts(), 0);
    EXPECT_EQ(GetObjectA(Fr.FontHandles[0], 0, nullptr), 0);
    EXPECT_NE(GetObjectA(Form->Font()->Handle(), 0, nullptr), 0);

    // TSaveDialog has its own table: not registered, not translated.
    Save->SetTitle("");
    EXPECT_EQ(Show(Save).Caption, "Save As");
    ASSERT_TRUE(RegisterDialogClass(TSaveDialog::StaticClass()));
    EXPECT_EQ(Show(Save).Caption, "Enregistrer");
}

TEST_F(ZctTest, RetranslatingOnEveryActivationGivesTheSameDialog) {
    auto* Open = new TOpenDialog(Form);
    auto* T = Translator({"TOpenDialog.Caption='Ouvrir'", "TOpenDialog.Font.Name='Arial'",
                          "TOpenDialog.Height[1]=40"});
    ASSERT_TRUE(RegisterDialogClass(TOpenDialog::StaticClass()));
    TShown First, Again;
    Driver.ExpectCommonDialog("TOpenDialog", [&](TDialogSession& S) {
        First = Look(S);
        SendMessageA(S.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
        SendMessageA(S.Handle(), WM_COMMAND, psh1, 0);
        Again = Look(S);
        EXPECT_EQ(T->LiveDialogFonts(), 1); // earlier passes' fonts are not kept
        S.Click(IDCANCEL);
    });
    Open->Execute();
    EXPECT_EQ(First.Caption, Again.Caption);
    EXPECT_EQ(First.Texts, Again.Texts);
    for (std::size_t i = 0; i < First.Rects.size(); ++i)
        EXPECT_TRUE(Same(First.Rects[i], Again.Rects[i]));
    EXPECT_EQ(Again.Fonts[2], "Arial/1");
    EXPECT_EQ(First.Rects[10].bottom - First.Rects[10].top, 40);
}

TEST_F(ZctTest, BadEntriesAreSkippedAndEmptyOnesObeyTranslateEmpty) {
    auto* Open = new TOpenDialog(Form);
    auto* T = Translator({"TOpenDialog.Caption=''", "TOpenDialog.Caption[1]='#'",
                          "TOpenDialog.Caption[x]='no'", "TOpenDialog.Caption[2]='Annuler'",
                          "TOpenDialog.Width=12abc", "TOpenDialog.Height=3.5",
                          "TOpenDialog.Font.Charset=999"});
    ASSERT_TRUE(RegisterDialogClass(TOpenDialog::StaticClass()));
    TShown R = Show(Open);
    EXPECT_EQ(R.Caption, "Open");
    EXPECT_EQ(R.Texts[11], "Annuler"); // the good entry after the bad ones still applies
    EXPECT_NE(R.Rect.right - R.Rect.left, 12);
    T->SetTranslateEmpty(true);
    EXPECT_EQ(Show(Open).Caption, "");
}

TEST_F(ZctTest, EveryKindIsCapturedAndTheLinesApplyUnchanged) {
    TCommonDialog* Kinds[] = {new TOpenDialog(Form),  new TSaveDialog(Form),
                              new TFontDialog(Form),  new TColorDialog(Form),
                              new TPrintDialog(Form), new TPrinterSetupDialog(Form),
                              new TFindDialog(Form)};
    auto* T = new TCommonDialogTranslator(Form);
    for (TCommonDialog* D : Kinds) {
        SCOPED_TRACE(D->ClassName());
        TStringList Lines;
        T->GetDlgProps(D, &Lines);
        ASSERT_GT(Lines.Count(), 5);
        EXPECT_EQ(D->Handle(), nullptr); // closed by the capture
        const String P = D->ClassName() + ".";
        EXPECT_EQ(Lines.Strings(0).substr(0, P.size() + 8), P + "Caption=");
        EXPECT_EQ(Lines.Strings(1), P + "Font.Name='MS Sans Serif'");
        EXPECT_EQ(Lines.Strings(2), P + "Font.Charset=1");
        for (int i = 0; i < Lines.Count(); ++i)
            EXPECT_EQ(Lines.Strings(i).substr(0, P.size()), P);

        // Applied unchanged, the lines leave the dialog as it was.
        auto LookAt = [&] {
            TShown R;
            if (D->Modeless()) {
                EXPECT_TRUE(D->Execute());
                Application->ProcessMessages();
                R = Look(*D->Session());
                static_cast<TFindDialog*>(D)->CloseDialog();
            } else {
                R = Show(D);
            }
            return R;
        };
        TShown Before = LookAt();
        T->SetTranslations(&Lines);
        TShown After = LookAt();
        T->SetTranslations(nullptr);
        EXPECT_EQ(Before.Caption, After.Caption);
        EXPECT_EQ(Before.Texts, After.Texts);
        EXPECT_TRUE(Same(Before.Rect, After.Rect));
        ASSERT_EQ(Before.Rects.size(), After.Rects.size());
        for (std::size_t i = 0; i < Before.Rects.size(); ++i) {
            EXPECT_TRUE(Same(Before.Rects[i], After.Rects[i])) << i;
            EXPECT_EQ(After.Fonts[i], "MS Sans Serif/1");
        }
        EXPECT_EQ(T->LiveDialogFonts(), 0);
    }
}

TEST_F(ZctTest, CaptureReadsTheWindowAndItsDirectChildrenOnly) {
    auto* T = new TCommonDialogTranslator(Form);
    TStringList Lines;
    T->GetDlgProps(nullptr, &Lines); // only names the target list
    HWND Dlg = CreateWindowExA(0, WC_DIALOG, "", WS_POPUP, 100, 50, 400, 300, nullptr, nullptr,
                               nullptr, nullptr);
    HWND Group = CreateWindowExA(0, WC_BUTTON, "Group", WS_CHILD, 10, 20, 200, 100, Dlg,
                                 reinterpret_cast<HMENU>(1072), nullptr, nullptr);
    CreateWindowExA(0, WC_STATIC, "Inner", WS_CHILD, 5, 5, 50, 10, Group,
                    reinterpret_cast<HMENU>(77), nullptr, nullptr);
    CreateWindowExA(0, WC_STATIC, "Label", WS_CHILD, 30, 40, 60, 12, Dlg,
                    reinterpret_cast<HMENU>(0xFFFF), nullptr, nullptr);
    OwnerClassName = "TTest";
    T->GetProps(Dlg);
    EXPECT_EQ(Lines.Text(),
              "TTest.Font.Name='System'\r\nTTest.Font.Charset=1\r\nTTest.Width=400\r\n"
              "TTest.Height=300\r\nTTest.Caption[1072]='Group'\r\nTTest.Width[1072]=200\r\n"
              "TTest.Height[1072]=100\r\nTTest.Left[1072]=10\r\nTTest.Top[1072]=20\r\n"
              "TTest.Caption[-2]='Label'\r\nTTest.Width[-2]=60\r\nTTest.Height[-2]=12\r\n"
              "TTest.Left[-2]=30\r\nTTest.Top[-2]=40\r\n");
    // The position key reaches the same child when applied.
    TStringList Entries;
    Entries.Add("TTest.Caption[-2]='Etiquette'");
    Entries.Add("TTest.Width=400");
    T->SetTranslations(&Entries);
    T->TranslateDialog(Dlg);
    char Text[32] = {};
    GetWindowTextA(GetDlgItem(Dlg, 0xFFFF), Text, sizeof Text);
    EXPECT_STREQ(Text, "Etiquette");
    RECT R{};
    GetWindowRect(Dlg, &R);
    EXPECT_EQ(R.right - R.left, 400);
    DestroyWindow(Dlg);
}

TEST_F(ZctTest, ChildrenWithoutIdentifierAreKeyedByPosition) {
    auto* Find = new TFindDialog(Form);
    auto* T = new TCommonDialogTranslator(Form);
    TStringList Lines;
    T->GetDlgProps(Find, &Lines);
    EXPECT_GE(Lines.IndexOf("TFindDialog.Caption[-1]='Fi&nd what:'"), 0);
    EXPECT_GE(Lines.IndexOf("TFindDialog.Caption[1040]='Match &whole word only'"), 0);
    EXPECT_LT(Lines.IndexOf("TFindDialog.Caption[-12]=''"), 0); // empty texts are not captured
    TStringList Entries;
    Entries.Add("TFindDialog.Caption[-1]='&Rechercher :'");
    T->SetTranslations(&Entries);
    ASSERT_TRUE(Find->Execute());
    Application->ProcessMessages();
    EXPECT_EQ(Find->Session()->Text(0xFFFF), "&Rechercher :");
    Find->CloseDialog();
}

TEST_F(ZctTest, RegistrationIsPerClassAndTheExitProcedureRestoresEveryEntry) {
    TCodePointer Open =
        DialogMethodTable(TOpenDialog::StaticClass())->Get(TDialogMethod::MessageHook);
    TCodePointer Find =
        DialogMethodTable(TReplaceDialog::StaticClass())->Get(TDialogMethod::MessageHook);
    new TCommonDialogTranslator(Form); // starts the unit
    EXPECT_FALSE(RegisterDialogClass(nullptr));
    EXPECT_FALSE(RegisterDialogClass(TForm::StaticClass()));
    EXPECT_TRUE(RegisterDialogClass(TOpenDialog::StaticClass()));
    EXPECT_FALSE(RegisterDialogClass(TOpenDialog::StaticClass()));
    EXPECT_TRUE(RegisterDialogClass(TReplaceDialog::StaticClass()));
    EXPECT_EQ(OrgDlgProc.size(), 2u);
    EXPECT_NE(DialogMethodTable(TOpenDialog::StaticClass())->Get(TDialogMethod::MessageHook), Open);
    EXPECT_EQ(DialogMethodTable(TReplaceDialog::StaticClass())->Get(TDialogMethod::MessageHook),
              CodeOf(&FindDlgHookMessageHook));
    EXPECT_FALSE(UnRegisterDialogClass(TSaveDialog::StaticClass()));
    RunExitProcs();
    EXPECT_TRUE(ClassRegs.empty());
    EXPECT_EQ(DialogMethodTable(TOpenDialog::StaticClass())->Get(TDialogMethod::MessageHook), Open);
    EXPECT_EQ(DialogMethodTable(TReplaceDialog::StaticClass())->Get(TDialogMethod::MessageHook),
              Find);
}

TEST_F(ZctTest, LoadedEnrolsTheDialogClassesOfTheForms) {
    new TFontDialog(Form);
    auto* T = new TCommonDialogTranslator(Form);
    T->RegisterDialogClasses();
    EXPECT_EQ(ClassRegs, (std::vector<TClass>{TFontDialog::StaticClass()}));
}

TEST_F(ZctTest, TheActiveSlotPassesOnAndNeverNamesADestroyedInstance) {
    auto* A = new TCommonDialogTranslator(Form);
    auto* B = new TCommonDialogTranslator(Form);
    EXPECT_EQ(mctInstance, B);
    B->SetTranslate(false);
    EXPECT_EQ(mctInstance, A);
    B->SetTranslate(true);
    B->Free();
    EXPECT_EQ(mctInstance, A);
    A->Free();
    EXPECT_EQ(mctInstance, nullptr);
    // A dialog shown now is left alone rather than handed to a gone instance.
    auto* Open = new TOpenDialog(Form);
    RegisterDialogClass(TOpenDialog::StaticClass());
    EXPECT_EQ(Show(Open).Caption, "Open");
}

TEST_F(ZctTest, FilesCarryThePrefixAndTheUntranslatedValues) {
    zt_test::TempDir Dir;
    auto* T = Translator({"TOpenDialog.Caption='Ouvrir'", "TOpenDialog.Width=500"});
    T->SetLocale(1036);
    T->OrgProps()->SortInsert("TOpenDialog.Caption='Open'");
    T->SaveTo(Dir.File("t.lng"));
    const String Text = zt_test::ReadAll(Dir.File("t.lng"));
    EXPECT_EQ(
        Text,
        "#0Form1.TOpenDialog.Caption%-1='Open'\r\n#0Form1.TOpenDialog.Caption%1036='Ouvrir'\r\n"
        "#0Form1.TOpenDialog.Width%1036=500\r\n");
    T->TranslateTo(Dir.File("t.dic"));
    EXPECT_EQ(zt_test::ReadAll(Dir.File("t.dic")), "Open\tOuvrir\r\n");
    zt_test::WriteAll(Dir.File("t.dic"), "Open\tOuvrir un fichier\r\n");
    ASSERT_TRUE(T->TranslateFrom(Dir.File("t.dic")));
    EXPECT_EQ(T->Translations()->Strings(0), "TOpenDialog.Caption='Ouvrir un fichier'");
}

TEST_F(ZctTest, OnTranslateMaySkipAPassAndOnTranslatedFollowsIt) {
    auto* T = Translator({"TTest.Caption='Titre'"});
    TEventSink Sink;
    T->SetOnTranslate(TTranslateEvent(&Sink, &TEventSink::Translate));
    T->SetOnTranslated(TTranslatedEvent(&Sink, &TEventSink::Translated));
    HWND Dlg = CreateWindowExA(0, WC_DIALOG, "Title", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
    Sink.Wnd = Dlg;
    OwnerClassName = "TTest";
    T->TranslateDialog(Dlg);
    EXPECT_EQ(Sink.Log, (std::vector<String>{"translate:Title", "translated:Titre"}));
    EXPECT_EQ(Sink.Sender, T);

    SetWindowTextA(Dlg, "Title");
    Sink.Log.clear();
    Sink.SkipNext = true;
    T->TranslateDialog(Dlg);
    EXPECT_EQ(Sink.Log, (std::vector<String>{"translate:Title"}));
    Sink.SkipNext = false;

    // No pass, no events: switched off, or nothing to apply.
    Sink.Log.clear();
    T->SetTranslate(false);
    T->TranslateDialog(Dlg);
    T->SetTranslate(true);
    T->SetTranslations(nullptr);
    T->TranslateDialog(Dlg);
    EXPECT_TRUE(Sink.Log.empty());
    DestroyWindow(Dlg);

    // Through the hook: every pass on the shown dialog is announced and then reported.
    auto* Open = new TOpenDialog(Form);
    T->Translations()->SortInsert("TOpenDialog.Caption='Ouvrir'");
    ASSERT_TRUE(RegisterDialogClass(TOpenDialog::StaticClass()));
    Sink.Wnd = nullptr;
    EXPECT_EQ(Show(Open).Caption, "Ouvrir");
    ASSERT_FALSE(Sink.Log.empty());
    for (std::size_t i = 0; i < Sink.Log.size(); ++i)
        EXPECT_EQ(Sink.Log[i], i % 2 ? "translated:" : "translate:");
    Sink.SkipNext = true;
    EXPECT_EQ(Show(Open).Caption, "Open");
}

TEST_F(ZctTest, ChildrenAreFoundByIdentifierAndPositionAsTheWindowTreeHasThem) {
    auto* T = new TCommonDialogTranslator(Form);
    HWND Dlg = CreateWindowExA(0, WC_DIALOG, "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    HWND Lead = MakeChild(Dlg, "z", 5, 0);
    HWND First = MakeChild(Dlg, "a", 7, 10);
    HWND Twin = MakeChild(Dlg, "b", 7, 30); // same identifier: the first one is meant
    HWND Third = MakeChild(Dlg, "c", 9, 50);
    TStringList Entries;
    for (const char* L : {"TTest.Caption[7]='A'", "TTest.Width[7]=90", "TTest.Caption[-4]='C'",
                          "TTest.Caption[-5]='none'", "TTest.Caption[-2147483648]='none'",
                          "TTest.Caption[8]='none'", "TTest.Top[9]=70"})
        Entries.Add(L);
    T->SetTranslations(&Entries);
    OwnerClassName = "TTest";
    T->TranslateDialog(Dlg);
    auto TextOf = [](HWND W) {
        char B[16] = {};
        GetWindowTextA(W, B, sizeof B);
        return String(B);
    };
    EXPECT_EQ(TextOf(Lead), "z"); // no position reaches it: -2147483648 is past the end
    EXPECT_EQ(TextOf(First), "A");
    EXPECT_EQ(TextOf(Twin), "b");
    EXPECT_EQ(TextOf(Third), "C");
    RECT R{};
    GetWindowRect(First, &R);
    EXPECT_EQ(R.right - R.left, 90);
    GetWindowRect(Twin, &R);
    EXPECT_EQ(R.right - R.left, 60);
    POINT P{};
    GetWindowRect(Third, &R);
    P = {R.left, R.top};
    ScreenToClient(Dlg, &P);
    EXPECT_EQ(P.y, 70);
    DestroyWindow(Dlg);
}

TEST_F(ZctTest, ADialogWhoseOwnerHasNoWindowIsCaughtToo) {
    auto* Holder = new TComponent(Application); // like a data module: no window to compare
    auto* Open = new TOpenDialog(Holder);
    Translator({"TOpenDialog.Caption='Ouvrir'"});
    ASSERT_TRUE(RegisterDialogClass(TOpenDialog::StaticClass()));
    EXPECT_EQ(Show(Open).Caption, "Ouvrir");
}
