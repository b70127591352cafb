#include "editors/ResEditor.h"
#include "host/classes/StringList.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/ide/DesignRegistry.h"
#include "host/ide/FormDesigner.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/Registry.h"
#include "translators/DesignRegistration.h"
#include "translators/ResourceTranslator.h"

#include "DesignTestUtil.h"
#include "EditorDriving.h"

using namespace zt_editors;
using namespace zantor;
using host::TCustomForm;

namespace {

using TPairs = std::vector<std::pair<String, String>>;

// The interception is reset before the application exists and after it is gone, so that every
// translator is freed in between.
struct THookReset {
    TResourceHookGuard Hook;
};

class ResEditorTest : private THookReset, public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        Zrtedit::Install();
        T = NewTranslator("FrenchRes", {});
    }
    void TearDown() override {
        Zrtedit::Uninstall();
        EditorTest::TearDown();
    }

    TResourceTranslator* NewTranslator(const char* Name, const TPairs& Pairs) {
        auto* R = new TResourceTranslator(Form);
        R->SetName(Name);
        R->SetLocale(1036);
        for (const auto& [Orig, Trans] : Pairs)
            R->SetTranslation(Orig, Trans);
        return R;
    }
    void ExpectEditor(const std::function<void(TResEditor&)>& Steps) {
        Driver.ExpectShowModal("ResEditor", host::mrNone,
                               [Steps](TCustomForm& F) { Steps(dynamic_cast<TResEditor&>(F)); });
    }
    bool Open() {
        const bool Result = T->ShowEditor();
        Driver.VerifyAllConsumed();
        return Result;
    }
    bool Edit(const std::function<void(TResEditor&)>& Steps) {
        ExpectEditor(Steps);
        return Open();
    }

    // The table as the translator holds it: each text (in ResStrings order) with its index.
    static std::vector<std::pair<String, int>> Table(const TResourceTranslator* R) {
        std::vector<std::pair<String, int>> Result;
        for (int I = 0; I < R->ResStrings()->Count(); ++I)
            Result.emplace_back(R->ResStrings()->Line(I), ObjectToInt(R->ResStrings()->Objects(I)));
        return Result;
    }
    // The table as the loaders see it: each text with the translation it points to.
    static TPairs Meaning(const TResourceTranslator* R) {
        TPairs Result;
        for (const auto& [Text, Index] : Table(R))
            Result.emplace_back(Text, R->Translations()->Strings(Index));
        return Result;
    }
    // What ResList shows, with the translation of each entry.
    static TPairs Shown(const TResEditor& E) {
        TPairs Result;
        for (int I = 0; I < E.ResList->Items()->Count(); ++I)
            Result.emplace_back(E.ResList->Items()->Strings(I), E.TranslationAt(I));
        return Result;
    }
    static void Toggle(host::TListBox* L, const String& Item) {
        const int I = L->Items()->IndexOf(Item);
        ASSERT_GE(I, 0) << Item;
        L->PickToggle(I);
    }

    TResourceTranslator* T = nullptr;
};

TEST_F(ResEditorTest, GlobalTranslationIsOffWhileTheEditorExistsAndAsBeforeAfterwards) {
    for (const bool Before : {true, false}) {
        GlobalTranslation = Before;
        bool During = true;
        EXPECT_FALSE(Edit([&](TResEditor& E) {
            During = GlobalTranslation;
            Click(E.BtnCancel);
        }));
        EXPECT_FALSE(During);
        EXPECT_EQ(GlobalTranslation, Before);
    }
    // A form that goes without being shown puts the switch back too.
    GlobalTranslation = true;
    {
        auto* E = new TResEditor(host::Application);
        EXPECT_FALSE(GlobalTranslation);
        E->Free();
    }
    EXPECT_TRUE(GlobalTranslation);
}

TEST_F(ResEditorTest, ModulesAreListedByTheirResourceModuleAndTheirStringsComeUntranslated) {
    host::TLibModule Code("/opt/app/Orders.bpl");
    host::TLibModule Res("/opt/app/Orders.fra", host::TModuleKind::Resource);
    Code.SetResInstance(Res.Instance());
    Res.SetString(65535, "Ready");
    Res.SetString(32768, "Lowest");
    Res.SetString(32767, "Below the range");
    const String Long(300, 'x');
    Res.SetString(40000, Long);
    // A translator that is on translates "Ready" for everyone but the editor.
    T->SetTranslation("Ready", "Prêt");
    char Buffer[64];
    ASSERT_GT(host::PackageModule().LoadStringA(Res.Instance(), 65535, Buffer, sizeof Buffer), 0);
    ASSERT_EQ(String(Buffer), "Prêt");

    std::vector<String> Modules;
    std::vector<String> Strings;
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        Modules = Lines(E.ModuleList->Items());
        EXPECT_FALSE(E.BtnInclude->Enabled());
        Pick(E.ModuleList, "/opt/app/Orders.fra");
        Strings = Lines(E.ModuleStrList->Items());
        EXPECT_TRUE(E.BtnInclude->Enabled());
        Click(E.BtnInclude);
        Click(E.BtnOK);
    }));
    EXPECT_NE(std::find(Modules.begin(), Modules.end(), "/opt/app/Orders.fra"), Modules.end());
    EXPECT_EQ(std::find(Modules.begin(), Modules.end(), "/opt/app/Orders.bpl"), Modules.end());
    EXPECT_EQ(Strings, (std::vector<String>{"Lowest", "Ready", Long}));
    // The long text is included whole, so that the loader's text finds it.
    EXPECT_EQ(Meaning(T), (TPairs{{"Lowest", ""}, {"Ready", "Prêt"}, {Long, ""}}));
}

TEST_F(ResEditorTest, IncludingTwiceOrTextsDifferingInLetterCaseAddsNothing) {
    host::TLibModule Mod("/opt/app/Strings.bpl");
    Mod.SetString(65535, "Ready");
    Mod.SetString(65534, "File not found");
    Mod.SetString(65533, "ÄRGER");
    T->SetTranslation("READY", "PRÊT");
    T->SetTranslation("ärger", "ennui");
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        Pick(E.ModuleList, "/opt/app/Strings.bpl");
        Click(E.BtnInclude);
        EXPECT_TRUE(E.IsModified());
        const TPairs Once = Shown(E);
        EXPECT_EQ(Once, (TPairs{{"File not found", ""}, {"READY", "PRÊT"}, {"ärger", "ennui"}}));
        EXPECT_EQ(E.WorkTranslations()->Count(), 3);
        Click(E.BtnInclude);
        EXPECT_EQ(Shown(E), Once);
        EXPECT_EQ(E.WorkTranslations()->Count(), 3);
        // Typed in another case, the text is not added either.
        Driver.ExpectInputQuery("Please provide the original string", String("file NOT found"))
            .ExpectInputQuery("Please provide the original string", String("Saved"));
        Click(E.BtnNew);
        Click(E.BtnNew);
        EXPECT_EQ(
            Shown(E),
            (TPairs{{"File not found", ""}, {"READY", "PRÊT"}, {"Saved", ""}, {"ärger", "ennui"}}));
        // The new text is selected for its translation.
        EXPECT_EQ(E.ResList->SelCount(), 1);
        EXPECT_TRUE(E.ResList->Selected(2));
        TypeOver(E.EdtTranslation, "Enregistré");
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Meaning(T), (TPairs{{"File not found", ""},
                                  {"READY", "PRÊT"},
                                  {"Saved", "Enregistré"},
                                  {"ärger", "ennui"}}));
}

TEST_F(ResEditorTest, TheListShowsItsOwnOrderAndTheTranslatorGetsByteOrderWithPairsKept) {
    for (const char* Text : {"b", "B", "a", "Ä"})
        T->SetTranslation(Text, String("tr-") + Text);
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        // Letter case ignored in the list; both texts that differ only in case stay.
        EXPECT_EQ(Shown(E), (TPairs{{"a", "tr-a"}, {"B", "tr-B"}, {"b", "tr-b"}, {"Ä", "tr-Ä"}}));
        Pick(E.ResList, "a");
        TypeOver(E.EdtTranslation, "A!");
        Focus(E.ResList);
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Table(T),
              (std::vector<std::pair<String, int>>{{"B", 1}, {"a", 0}, {"b", 2}, {"Ä", 3}}));
    EXPECT_EQ(Lines(T->Translations()), (std::vector<String>{"A!", "tr-B", "tr-b", "tr-Ä"}));
    // The loaders find each text's own translation.
    for (const auto& [Text, Trans] :
         TPairs{{"B", "tr-B"}, {"b", "tr-b"}, {"a", "A!"}, {"Ä", "tr-Ä"}}) {
        char Buffer[64];
        std::snprintf(Buffer, sizeof Buffer, "%s", Text.c_str());
        int Len = int(Text.size());
        ASSERT_TRUE(T->TranslateBuffer(Buffer, Len, sizeof Buffer)) << Text;
        EXPECT_EQ(String(Buffer, std::size_t(Len)), Trans);
    }
}

TEST_F(ResEditorTest, RemoveThenOkLeavesOneTranslationPerTextNumberedInListOrder) {
    for (const char* Text : {"Delta", "alpha", "Charlie", "bravo", "Echo"})
        T->SetTranslation(Text, String("t-") + Text);
    // A translation nothing points to, left by an earlier replacement.
    T->Translations()->Add("orphan");
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        EXPECT_FALSE(E.BtnRemove->Enabled());
        Toggle(E.ResList, "bravo");
        Toggle(E.ResList, "Delta");
        EXPECT_TRUE(E.BtnRemove->Enabled());
        Driver.ExpectMessageDlg("Do you want to remove the selected strings ?", host::mrNo)
            .ExpectMessageDlg("Do you want to remove the selected strings ?", host::mrYes);
        Click(E.BtnRemove);
        EXPECT_EQ(E.ResList->Items()->Count(), 5);
        Click(E.BtnRemove);
        EXPECT_EQ(Shown(E),
                  (TPairs{{"alpha", "t-alpha"}, {"Charlie", "t-Charlie"}, {"Echo", "t-Echo"}}));
        EXPECT_FALSE(E.BtnRemove->Enabled());
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Table(T),
              (std::vector<std::pair<String, int>>{{"Charlie", 1}, {"Echo", 2}, {"alpha", 0}}));
    EXPECT_EQ(Lines(T->Translations()), (std::vector<String>{"t-alpha", "t-Charlie", "t-Echo"}));
}

TEST_F(ResEditorTest, AnEmptyTranslatorIsOfferedTheTextsOfAnotherUntilTheFirstYes) {
    NewTranslator("GermanRes", {{"Ready", "Bereit"}, {"ready", "bereit"}});
    NewTranslator("EmptyRes", {});
    NewTranslator("SpanishRes", {{"Cancel", "Cancelar"}, {"Ready", "Listo"}});
    NewTranslator("ItalianRes", {{"Open", "Apri"}});
    Driver.ExpectMessageDlg("Do you want to include resource strings from GermanRes ?", host::mrNo)
        .ExpectMessageDlg("Do you want to include resource strings from SpanishRes ?", host::mrYes);
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        EXPECT_TRUE(E.IsModified());
        EXPECT_EQ(Shown(E), (TPairs{{"Cancel", ""}, {"Ready", ""}}));
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Meaning(T), (TPairs{{"Cancel", ""}, {"Ready", ""}}));

    // Texts that differ only in case are two texts in the other translator and stay two.
    auto* Second = NewTranslator("SecondRes", {});
    T->Translations()->Clear();
    T->ResStrings()->Clear();
    T->Free();
    T = Second;
    Driver.ExpectMessageDlg("Do you want to include resource strings from GermanRes ?",
                            host::mrYes);
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        EXPECT_EQ(Shown(E), (TPairs{{"Ready", ""}, {"ready", ""}}));
        Click(E.BtnOK);
    }));
}

TEST_F(ResEditorTest, MemoKeysMoveAndRestoreAndOptionsCountTranslatedTexts) {
    for (const auto& [Text, Trans] :
         TPairs{{"One", "Un"}, {"Two", ""}, {"Three", "Trois"}, {"Four", ""}, {"Five", "Cinq"}})
        T->SetTranslation(Text, Trans);
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        // List order: Five, Four, One, Three, Two.
        Pick(E.ResList, "Five");
        EXPECT_EQ(E.EntryText(), "Cinq");
        TypeOver(E.EdtTranslation, "5");
        Key(E.EdtTranslation, host::VK_ESCAPE);
        EXPECT_EQ(E.EdtTranslation->Text(), "Cinq");
        EXPECT_EQ(E.WorkTranslations()->Strings(ObjectToInt(E.ResList->Items()->Objects(0))),
                  "Cinq");
        // Untranslated ones only: Four, then Two; the last entry stops the walk.
        Key(E.EdtTranslation, host::VK_NEXT);
        EXPECT_EQ(E.ResList->Items()->Strings(E.ResList->ItemIndex()), "Four");
        TypeOver(E.EdtTranslation, "Quatre");
        Key(E.EdtTranslation, host::VK_NEXT);
        EXPECT_EQ(E.ResList->Items()->Strings(E.ResList->ItemIndex()), "Two");
        Key(E.EdtTranslation, host::VK_NEXT);
        EXPECT_EQ(E.ResList->Items()->Strings(E.ResList->ItemIndex()), "Two");
        EXPECT_EQ(E.ResList->SelCount(), 1);
        E.ResNotebook->SetActivePageIndex(1);
        E.ResNotebookChange(&E);
        EXPECT_EQ(E.LblTot->Caption(), "5");
        EXPECT_EQ(E.LblLocalized->Caption(), "4");
        Click(E.BtnOK);
    }));
    EXPECT_EQ(
        Meaning(T),
        (TPairs{
            {"Five", "Cinq"}, {"Four", "Quatre"}, {"One", "Un"}, {"Three", "Trois"}, {"Two", ""}}));
}

TEST_F(ResEditorTest, CancelAsksBeforeDiscardingAndOkClosesWithOkEvenUnchanged) {
    T->SetTranslation("Ready", "Prêt");
    EXPECT_FALSE(Edit([&](TResEditor& E) {
        Driver.ExpectMessageDlg("Do you want to discard the changes ?", host::mrNo)
            .ExpectMessageDlg("Do you want to discard the changes ?", host::mrYes);
        Pick(E.ResList, "Ready");
        TypeOver(E.EdtTranslation, "Fini");
        Click(E.BtnCancel);
        EXPECT_EQ(E.ModalResult(), host::mrNone);
        Click(E.BtnCancel);
    }));
    EXPECT_EQ(Meaning(T), (TPairs{{"Ready", "Prêt"}}));
    EXPECT_TRUE(Edit([&](TResEditor& E) { Click(E.BtnOK); }));
    EXPECT_EQ(Meaning(T), (TPairs{{"Ready", "Prêt"}}));
}

TEST_F(ResEditorTest, DictionarySaveAndLoadGoThroughAScratchTranslatorUntilOk) {
    T->SetTranslation("Ready", "Prêt");
    T->SetTranslation("Open", "Ouvrir");
    zt_test::TempDir Dir;
    const String File = Dir.File("res.txt");
    auto Choose = [&](host::TDialogSession& S) {
        S.SetText(host::edt1, File);
        S.Click(host::IDOK);
    };
    const int Components = Form->ComponentCount();
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        Driver.ExpectCommonDialog("TSaveDialog", Choose);
        Click(E.BtnSave);
        EXPECT_EQ(Form->ComponentCount(), Components); // the scratch is gone
        Click(E.BtnOK);
    }));
    const String Saved = zt_test::ReadAll(File);
    EXPECT_NE(Saved.find("'Ouvrir'"), String::npos) << Saved;

    T->Translations()->Clear();
    T->ResStrings()->Clear();
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        Driver.ExpectCommonDialog("TOpenDialog", Choose);
        Click(E.BtnLoad);
        EXPECT_TRUE(E.IsModified());
        EXPECT_EQ(Shown(E), (TPairs{{"Open", "Ouvrir"}, {"Ready", "Prêt"}}));
        EXPECT_EQ(T->ResStrings()->Count(), 0); // not before OK
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Meaning(T), (TPairs{{"Open", "Ouvrir"}, {"Ready", "Prêt"}}));
}

TEST_F(ResEditorTest, ExportThenTranslateCarriesTranslationsToAnotherTranslatorOnOk) {
    T->SetTranslation("Ready", "Prêt");
    T->SetTranslation("Open", "Ouvrir");
    zt_test::TempDir Dir;
    const String File = Dir.File("dictionary.txt");
    auto Choose = [&](host::TDialogSession& S) {
        S.SetText(host::edt1, File);
        S.Click(host::IDOK);
    };
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        Driver.ExpectCommonDialog("TSaveDialog", Choose);
        Click(E.BtnExport);
        EXPECT_FALSE(E.IsModified());
        Click(E.BtnOK);
    }));

    T = NewTranslator("GermanRes", {{"Ready", ""}, {"Open", "Öffnen"}, {"Close", ""}});
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        Driver.ExpectCommonDialog("TOpenDialog", Choose);
        Click(E.BtnTranslate);
        EXPECT_TRUE(E.IsModified());
        EXPECT_EQ(Shown(E), (TPairs{{"Close", ""}, {"Open", "Ouvrir"}, {"Ready", "Prêt"}}));
        EXPECT_EQ(Meaning(T), (TPairs{{"Close", ""}, {"Open", "Öffnen"}, {"Ready", ""}}));
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Meaning(T), (TPairs{{"Close", ""}, {"Open", "Ouvrir"}, {"Ready", "Prêt"}}));
}

TEST_F(ResEditorTest, SettingsAreKeptInTheResourceTranslatorSection) {
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        EXPECT_TRUE(E.CkxMove->Checked());
        EXPECT_EQ(E.EdtTranslation->Alignment(), host::taLeftJustify);
        Click(E.CkxMove);
        E.GroupReadingOrder->Pick(0);
        Click(E.BtnOK);
    }));
    const host::TRegIniFile Ini(SettingsKey);
    EXPECT_FALSE(Ini.ReadBool("ResourceTranslator", "MoveNextUntranslated", true));
    EXPECT_EQ(Ini.ReadInteger("ResourceTranslator", "ReadingOrderIndex", -1), 0);
    EXPECT_TRUE(Edit([&](TResEditor& E) {
        EXPECT_FALSE(E.CkxMove->Checked());
        EXPECT_EQ(E.EdtTranslation->Alignment(), host::taRightJustify);
        Click(E.BtnOK);
    }));
}

TEST_F(ResEditorTest, TheComponentEditorAndThePropertyEditorsOpenTheEditor) {
    zt_design::TRegisteredUnits Units{Zrt::Register};
    zt_design::TCountingDesigner Designer;
    Designer.Root = Form;

    ExpectEditor([&](TResEditor& E) {
        Driver.ExpectInputQuery("Please provide the original string", String("Ready"));
        Click(E.BtnNew);
        Click(E.BtnOK);
    });
    host::CreateComponentEditor(T, &Designer)->ExecuteVerb(0);
    Driver.VerifyAllConsumed();
    EXPECT_EQ(Designer.ModifiedCount, 1);
    EXPECT_EQ(Meaning(T), (TPairs{{"Ready", ""}}));

    // Cancel: the designer is not told of a change.
    ExpectEditor([&](TResEditor& E) { Click(E.BtnCancel); });
    auto Editor = host::CreatePropertyEditor(&Designer, T, host::GetPropInfo(T, "Translations"));
    ASSERT_TRUE(Editor);
    EXPECT_EQ(Editor->GetValue(), "[Resource Editor]");
    Editor->Edit();
    Driver.VerifyAllConsumed();
    EXPECT_EQ(Designer.ModifiedCount, 1);
}

} // namespace
