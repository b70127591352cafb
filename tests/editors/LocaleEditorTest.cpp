#include "editors/LocaleEditor.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/ide/DesignRegistry.h"
#include "host/ide/FormDesigner.h"
#include "host/typinfo/TypInfo.h"
#include "translators/DesignRegistration.h"
#include "translators/LocaleCatalogue.h"
#include "translators/LocaleTranslator.h"

#include "DesignTestUtil.h"
#include "EditorDriving.h"
#include "translators/LocaleTestSupport.h"

#include <set>

using namespace zt_editors;
using namespace zantor;
using host::TCustomForm;

namespace {

constexpr host::Integer English = 0x0409; // the user's locale of these tests
constexpr host::Integer French = 0x040C;
constexpr host::Integer German = 0x0407;

class LocaleEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        Zltedit::Install();
    }
    void TearDown() override {
        Zltedit::Uninstall();
        EditorTest::TearDown();
    }

    TLocaleTranslator* NewTranslator(bool Designing) {
        if (Designing) Form->SetDesigning(true);
        auto* T = new TLocaleTranslator(Form);
        T->SetName("LocaleTranslator1");
        return T;
    }
    void ExpectEditor(const std::function<void(TLocaleEditor&)>& Steps) {
        Driver.ExpectShowModal("LocaleEditor", host::mrNone,
                               [Steps](TCustomForm& F) { Steps(dynamic_cast<TLocaleEditor&>(F)); });
    }
    bool Open(TLocaleTranslator* T) {
        const bool Result = T->ShowEditor();
        Driver.VerifyAllConsumed();
        return Result;
    }
    bool Edit(TLocaleTranslator* T, const std::function<void(TLocaleEditor&)>& Steps) {
        ExpectEditor(Steps);
        return Open(T);
    }
    // The identifiers a list box carries, in its order.
    static std::vector<host::Integer> Ids(const host::TStrings* Items) {
        std::vector<host::Integer> R;
        for (int I = 0; I < Items->Count(); ++I)
            R.push_back(ObjectToInt(Items->Objects(I)));
        return R;
    }
    static void PickId(host::TListBox* L, host::Integer Id) {
        const int I = L->Items()->IndexOfObject(IntToObject(Id));
        ASSERT_GE(I, 0) << Id;
        L->Pick(I);
    }
    static void ShowLocale(TLocaleEditor& E, host::Integer Id) {
        const int I = E.CbxLang->Items()->IndexOfObject(IntToObject(Id));
        ASSERT_GE(I, 0) << Id;
        E.CbxLang->Pick(I);
    }
    // Replaces the value of one setting of the translator's catalogue.
    static void SetSetting(TLocaleTranslator* T, host::Integer Id, const String& Name,
                           const String& Value) {
        TSortList* L = T->Translations();
        const String Head = LocaleHex(Id) + "_" + Name + "=";
        const int I = L->SortPosition(Head);
        ASSERT_TRUE(I < L->Count() && L->Line(I).starts_with(Head)) << Head;
        L->Delete(I);
        L->SortInsert(Head + Value);
    }
    static std::vector<String> LinesOfLocale(const TSortList* L, host::Integer Id) {
        std::vector<String> R;
        for (int I = 0; I < L->Count(); ++I)
            if (L->Line(I).starts_with(LocaleHex(Id) + "_")) R.push_back(L->Line(I));
        return R;
    }

    zt_test::TEnvGuard Env;
    zlt_test::TRtlStateGuard Rtl;

public:
    LocaleEditorTest() { Env.SetUserLocale("en_US.UTF-8"); }
};

TEST_F(LocaleEditorTest, ANewComponentOffersItsOneLocaleAndEveryOtherSystemLocaleForCopying) {
    TLocaleTranslator* T = NewTranslator(false);
    const std::vector<String> Before = Lines(T->Translations());
    std::set<host::Integer> Offered;
    EXPECT_FALSE(Edit(T, [&](TLocaleEditor& E) {
        EXPECT_EQ(E.Caption(), "Locale Translation Editor");
        EXPECT_EQ(Ids(E.LangListInApp->Items()), std::vector<host::Integer>{English});
        EXPECT_EQ(Ids(E.CbxLang->Items()), std::vector<host::Integer>{English});
        EXPECT_EQ(E.SelectedLocale(), English);
        EXPECT_EQ(E.LangListInApp->Items()->Strings(0), "English, United States");
        for (host::Integer Id : Ids(E.LangList->Items()))
            Offered.insert(Id);
        EXPECT_EQ(int(Offered.size()), E.LangList->Items()->Count()) << "listed twice";
        // Not designed: no design-time or start-up choice, and nothing selected yet.
        EXPECT_FALSE(E.BtnSetStartup->Visible());
        EXPECT_FALSE(E.BtnSetDefault->Visible());
        EXPECT_EQ(E.PropList->Items()->Count(), 58);
        EXPECT_FALSE(E.EdtTranslation->Enabled());
        EXPECT_EQ(E.LblProp->Caption(), "");
        Click(E.BtnOK); // nothing changed: as Cancel
    }));
    std::set<host::Integer> Expected(SystemLocaleIds().begin(), SystemLocaleIds().end());
    Expected.erase(English);
    EXPECT_EQ(Offered, Expected);
    EXPECT_GT(Offered.size(), 100u);
    EXPECT_EQ(Lines(T->Translations()), Before);
}

TEST_F(LocaleEditorTest, CopyThenCancelAsksAndYesLeavesTheComponentAsItWas) {
    TLocaleTranslator* T = NewTranslator(false);
    T->SetTranslate(true);
    const std::vector<String> Before = Lines(T->Translations());
    ExpectEditor([&](TLocaleEditor& E) {
        EXPECT_FALSE(T->Translate()); // off while the editor is open
        EXPECT_FALSE(E.BtnCopyLang->Enabled());
        PickId(E.LangList, French);
        EXPECT_TRUE(E.BtnCopyLang->Enabled());
        Click(E.BtnCopyLang);
        EXPECT_EQ(E.LangList->Items()->IndexOfObject(IntToObject(French)), -1);
        EXPECT_EQ(Ids(E.LangListInApp->Items()), (std::vector<host::Integer>{English, French}));
        EXPECT_EQ(LinesOfLocale(E.Editing().Work(), French).size(), 58u);
        EXPECT_TRUE(LinesOfLocale(E.Editing().System(), French).empty());
        ShowLocale(E, French);
        EXPECT_EQ(E.PropList->Items()->Count(), 58);
        Click(E.BtnCancel); // No: the editor stays open
        EXPECT_EQ(E.ModalResult(), host::mrNone);
        Click(E.BtnCancel);
    });
    Driver.ExpectMessageDlg("Do you want to discard the changes ?", host::mrNo)
        .ExpectMessageDlg("Do you want to discard the changes ?", host::mrYes);
    EXPECT_FALSE(Open(T));
    EXPECT_EQ(Lines(T->Translations()), Before);
    EXPECT_TRUE(T->Translate());

    // A translator that was off stays off.
    T->SetTranslate(false);
    EXPECT_FALSE(Edit(T, [&](TLocaleEditor& E) { Click(E.BtnCancel); }));
    EXPECT_FALSE(T->Translate());
}

TEST_F(LocaleEditorTest, DesignLocaleAndDefaultsFollowTheEnableRulesAndOkWritesTheLocaleStrings) {
    TLocaleTranslator* T = NewTranslator(true);
    ASSERT_EQ(LocaleOfString(T->DesignLocale()), English);
    ASSERT_EQ(T->StartupLocale(), "User default 00000400");
    auto* Menu = new host::TListBox(Form);
    Menu->SetName("Languages");
    T->SetAdoptOn(Menu);
    ASSERT_EQ(Menu->Items()->Count(), 1);
    EXPECT_TRUE(Edit(T, [&](TLocaleEditor& E) {
        EXPECT_TRUE(E.BtnSetStartup->Visible());
        EXPECT_TRUE(E.BtnSetDefault->Visible());
        EXPECT_EQ(
            Lines(E.LangListInApp->Items()),
            (std::vector<String>{"(System default)", "(User default)", "English, United States"}));
        // The design locale stays and cannot be set again.
        PickId(E.LangListInApp, English);
        EXPECT_FALSE(E.BtnRemoveLang->Enabled());
        EXPECT_FALSE(E.BtnSetDefault->Enabled());
        EXPECT_TRUE(E.BtnSetStartup->Enabled());
        // The two default entries are never design locales nor removable.
        PickId(E.LangListInApp, 1024);
        EXPECT_FALSE(E.BtnRemoveLang->Enabled());
        EXPECT_FALSE(E.BtnSetDefault->Enabled());
        EXPECT_FALSE(E.BtnSetStartup->Enabled()); // the start-up locale already
        PickId(E.LangListInApp, 2048);
        EXPECT_FALSE(E.BtnRemoveLang->Enabled());
        EXPECT_FALSE(E.BtnSetDefault->Enabled());
        EXPECT_TRUE(E.BtnSetStartup->Enabled());
        Click(E.BtnSetStartup);
        EXPECT_FALSE(E.BtnSetStartup->Enabled());

        PickId(E.LangList, French);
        Click(E.BtnCopyLang);
        PickId(E.LangListInApp, French);
        EXPECT_TRUE(E.BtnRemoveLang->Enabled());
        EXPECT_TRUE(E.BtnSetDefault->Enabled());
        Click(E.BtnSetDefault);
        EXPECT_FALSE(E.BtnRemoveLang->Enabled());
        EXPECT_EQ(E.DesignLocale, French);
        // The former design locale may go now; it is offered for copying again.
        PickId(E.LangListInApp, English);
        EXPECT_TRUE(E.BtnRemoveLang->Enabled());
        Click(E.BtnRemoveLang);
        EXPECT_GE(E.LangList->Items()->IndexOfObject(IntToObject(English)), 0);
        EXPECT_EQ(Ids(E.CbxLang->Items()), std::vector<host::Integer>{French});
        EXPECT_EQ(E.SelectedLocale(), French);
        Click(E.BtnOK);
    }));
    EXPECT_EQ(T->DesignLocale(), "French, France 0000040C");
    EXPECT_EQ(T->StartupLocale(), "System default 00000800");
    EXPECT_TRUE(LinesOfLocale(T->Translations(), English).empty());
    EXPECT_EQ(LinesOfLocale(T->Translations(), French).size(), 58u);
    // The adopted control shows the new catalogue.
    EXPECT_EQ(Lines(Menu->Items()), std::vector<String>{"French, France"});
}

TEST_F(LocaleEditorTest, RemovedLocalesGoBackOnceAndCopyingThemAgainDoesNotDoubleTheirSettings) {
    TLocaleTranslator* T = NewTranslator(true);
    ExpectEditor([&](TLocaleEditor& E) {
        for (int Round = 0; Round < 2; ++Round) {
            PickId(E.LangList, German);
            Click(E.BtnCopyLang);
            PickId(E.LangListInApp, German);
            Click(E.BtnRemoveLang);
            EXPECT_EQ(LinesOfLocale(E.Editing().System(), German).size(), 58u);
        }
        // A locale added with New and removed again leaves one set of lines behind.
        Click(E.BtnUserLang);
        EXPECT_EQ(LinesOfLocale(E.Editing().Work(), German).size(), 58u);
        PickId(E.LangListInApp, German);
        Click(E.BtnRemoveLang);
        EXPECT_EQ(LinesOfLocale(E.Editing().System(), German).size(), 58u);
        PickId(E.LangList, German);
        Click(E.BtnCopyLang);
        Click(E.BtnOK);
    });
    Driver.ExpectInputQuery("Locale identifier (integer)", String("1031"));
    EXPECT_TRUE(Open(T));
    EXPECT_EQ(LinesOfLocale(T->Translations(), German).size(), 58u);
}

TEST_F(LocaleEditorTest, NewTakesANumberAndANonNumericAnswerAddsNothing) {
    TLocaleTranslator* T = NewTranslator(false);
    const std::vector<String> Before = Lines(T->Translations());
    ExpectEditor([&](TLocaleEditor& E) {
        Click(E.BtnUserLang); // "abc"
        Click(E.BtnUserLang); // cancelled
        Click(E.BtnUserLang); // the locale that is there
        EXPECT_FALSE(E.Editing().IsModified());
        EXPECT_EQ(E.LangListInApp->Items()->Count(), 1);
        Click(E.BtnUserLang); // German
        EXPECT_TRUE(E.Editing().IsModified());
        EXPECT_EQ(Ids(E.LangListInApp->Items()), (std::vector<host::Integer>{English, German}));
        EXPECT_EQ(E.LangList->Items()->IndexOfObject(IntToObject(German)), -1);
        EXPECT_EQ(E.SelectedLocale(), English); // the locale shown stays
        Click(E.BtnCancel);
    });
    Driver.ExpectInputQuery("Locale identifier (integer)", String("abc"))
        .ExpectMessageDlg("'abc' is not a valid integer value", host::mrOk)
        .ExpectInputQuery("Locale identifier (integer)", std::nullopt)
        .ExpectInputQuery("Locale identifier (integer)", String("1033"))
        .ExpectInputQuery("Locale identifier (integer)", String("1031"))
        .ExpectMessageDlg("Do you want to discard the changes ?", host::mrYes);
    EXPECT_FALSE(Open(T));
    EXPECT_EQ(Lines(T->Translations()), Before);
}

TEST_F(LocaleEditorTest, PageDownWithMoveNextStopsAtTheNextEmptySettingAndStoresWhatWasTyped) {
    TLocaleTranslator* T = NewTranslator(false);
    SetSetting(T, English, "DATESEPARATOR", "");
    SetSetting(T, English, "SHORTMONTHNAMES[1]", "''");
    EXPECT_TRUE(Edit(T, [&](TLocaleEditor& E) {
        host::TStrings* Names = E.PropList->Items();
        const int First = 0;
        const int Empty = Names->IndexOf("DATESEPARATOR");
        const int Quoted = Names->IndexOf("SHORTMONTHNAMES[1]");
        ASSERT_GT(Empty, First + 1);
        ASSERT_GT(Quoted, Empty + 1);
        E.PropList->Pick(First);
        EXPECT_TRUE(E.EdtTranslation->Enabled());
        EXPECT_EQ(E.LblProp->Caption(), E.Description(Names->Strings(First)));
        TypeOver(E.EdtTranslation, "7");
        Key(E.EdtTranslation, host::VK_NEXT);
        EXPECT_EQ(E.PropList->ItemIndex(), Empty);
        EXPECT_EQ(E.EdtTranslation->Text(), "");
        EXPECT_EQ(E.Editing().ShownValue(English, Names->Strings(First)), "7");
        TypeOver(E.EdtTranslation, "-");
        Key(E.EdtTranslation, host::VK_NEXT); // an empty literal counts as empty
        EXPECT_EQ(E.PropList->ItemIndex(), Quoted);
        Key(E.EdtTranslation, host::VK_PRIOR); // back to the first: every other has a value
        EXPECT_EQ(E.PropList->ItemIndex(), First);
        Key(E.EdtTranslation, host::VK_NEXT);
        EXPECT_EQ(E.PropList->ItemIndex(), Quoted);
        Key(E.EdtTranslation, host::VK_NEXT); // nothing empty after it: the last setting
        EXPECT_EQ(E.PropList->ItemIndex(), Names->Count() - 1);
        // Without the option the keys move one setting at a time.
        E.FormNotebook->Pick(2);
        Click(E.CkxMove);
        E.PropList->Pick(First);
        Key(E.EdtTranslation, host::VK_NEXT);
        EXPECT_EQ(E.PropList->ItemIndex(), First + 1);
        Click(E.BtnOK);
    }));
    const std::vector<String> Stored = Lines(T->Translations());
    EXPECT_NE(std::find(Stored.begin(), Stored.end(), "00000409_DATESEPARATOR=-"), Stored.end());
    // The option was remembered.
    EXPECT_FALSE(TEditorSettings("LocaleTranslator").ReadBool("MoveNextUntranslated", true));
}

TEST_F(LocaleEditorTest, QuotedValuesAreShownDecodedAndKeptExactlyUnlessEdited) {
    TLocaleTranslator* T = NewTranslator(false);
    SetSetting(T, English, "LONGDATEFORMAT", "d 'de' MMMM 'de' yyyy");
    SetSetting(T, English, "SHORTDATEFORMAT", "'#'dd");
    SetSetting(T, English, "LONGTIMEFORMAT", "h#mm"); // "#" without digits: not a literal
    const std::vector<String> Before = Lines(T->Translations());
    EXPECT_FALSE(Edit(T, [&](TLocaleEditor& E) {
        Pick(E.PropList, "LONGDATEFORMAT");
        EXPECT_EQ(E.EdtTranslation->Text(), "d de MMMM de yyyy");
        Pick(E.PropList, "SHORTDATEFORMAT");
        EXPECT_EQ(E.EdtTranslation->Text(), "#dd");
        Pick(E.PropList, "LONGTIMEFORMAT");
        EXPECT_EQ(E.EdtTranslation->Text(), "h#mm");
        Focus(E.EdtTranslation);
        Focus(E.PropList);
        Key(E.EdtTranslation, host::VK_PRIOR);
        Key(E.EdtTranslation, host::VK_NEXT);
        Click(E.BtnOK); // nothing edited: nothing changes
    }));
    EXPECT_EQ(Lines(T->Translations()), Before);

    EXPECT_TRUE(Edit(T, [&](TLocaleEditor& E) {
        Pick(E.PropList, "LONGDATEFORMAT");
        TypeOver(E.EdtTranslation, "d 'of' MMMM");
        Focus(E.PropList);
        // Escape goes back to the line as it was when selected.
        Pick(E.PropList, "SHORTDATEFORMAT");
        TypeOver(E.EdtTranslation, "dd/MM");
        Focus(E.PropList);
        Focus(E.EdtTranslation);
        TypeOver(E.EdtTranslation, "yy");
        Key(E.EdtTranslation, host::VK_ESCAPE);
        EXPECT_EQ(E.EdtTranslation->Text(), "#dd");
        Click(E.BtnOK);
    }));
    const std::vector<String> After = Lines(T->Translations());
    auto Has = [&](const String& Line) {
        return std::find(After.begin(), After.end(), Line) != After.end();
    };
    EXPECT_TRUE(Has("00000409_LONGDATEFORMAT=d 'of' MMMM"));
    EXPECT_TRUE(Has("00000409_SHORTDATEFORMAT='#'dd"));
    EXPECT_TRUE(Has("00000409_LONGTIMEFORMAT=h#mm"));
    EXPECT_EQ(After.size(), Before.size());
}

TEST_F(LocaleEditorTest, EverySettingHasADescriptionShownWhenItIsSelected) {
    TLocaleTranslator* T = NewTranslator(false);
    EXPECT_FALSE(Edit(T, [&](TLocaleEditor& E) {
        for (const TLocaleSetting& S : LocaleSettings())
            EXPECT_FALSE(E.Description(String(S.Name).substr(1)).empty()) << S.Name;
        EXPECT_FALSE(E.Description("COMPANIONTAG").empty());
        EXPECT_EQ(E.Description("LONGDAYNAMES[1]"), "Native name for Monday.");
        EXPECT_EQ(E.Description("CURRENCYFORMAT"),
                  "Positive currency format. 0=$1.1, 1=1.1$, 2=$ 1, 3=1 $");
        EXPECT_EQ(E.DescList->Items()->Count(), int(LocaleSettings().size()) + 1);
        EXPECT_FALSE(E.DescList->Visible());
        Pick(E.PropList, "LONGMONTHNAMES[12]");
        EXPECT_EQ(E.LblProp->Caption(), "Native name for December.");
        Click(E.BtnCancel);
    }));
}

TEST_F(LocaleEditorTest, SystemLocalesComeFromTheNamedFileAndFromThePlatformWhenTheNameIsCleared) {
    zt_test::TempDir Dir;
    const String File = Dir.File("locales.txt");
    {
        // Written for a translator of the same form, as the file is read.
        auto* Source = new TLocaleTranslator(Form);
        Source->Translations()->Clear();
        AddOrgProps(French, Source->Translations());
        AddOrgProps(German, Source->Translations());
        Source->SaveTo(File);
        Source->Free();
    }
    TEditorSettings("LocaleTranslator").WriteString("LoadLocales", File);
    TLocaleTranslator* T = NewTranslator(false);
    EXPECT_FALSE(Edit(T, [&](TLocaleEditor& E) {
        EXPECT_EQ(E.EdtLocaleList->Text(), File);
        EXPECT_EQ(Lines(E.LangList->Items()),
                  (std::vector<String>{"French, France", "German, Germany"}));
        E.FormNotebook->Pick(2);
        TypeOver(E.EdtLocaleList, Dir.File("missing.txt"));
        Focus(E.CkxMove); // a file that is not there changes nothing
        EXPECT_EQ(E.LangList->Items()->Count(), 2);
        Focus(E.EdtLocaleList);
        E.EdtLocaleList->SetText("");
        Focus(E.CkxMove);
        EXPECT_GT(E.LangList->Items()->Count(), 100);
        Click(E.BtnCancel);
    }));
    EXPECT_EQ(TEditorSettings("LocaleTranslator").ReadString("LoadLocales", "x"), "");
}

TEST_F(LocaleEditorTest, DictionarySaveAndLoadGoThroughAFileAndTouchTheComponentOnlyOnOk) {
    zt_test::TempDir Dir;
    const String File = Dir.File("catalogue.txt");
    TLocaleTranslator* T = NewTranslator(false);
    const std::vector<String> Before = Lines(T->Translations());
    ExpectEditor([&](TLocaleEditor& E) {
        PickId(E.LangList, French);
        Click(E.BtnCopyLang);
        ShowLocale(E, French);
        Pick(E.PropList, "LONGDAYNAMES[1]");
        TypeOver(E.EdtTranslation, "Lundi");
        Click(E.BtnSave); // the memo is stored before the file is written
        Click(E.BtnCancel);
    });
    Driver.ExpectCommonDialog("TSaveDialog", [&](host::TDialogSession& S) {
        S.SetText(host::edt1, File);
        S.Click(host::IDOK);
    });
    Driver.ExpectMessageDlg("Do you want to discard the changes ?", host::mrYes);
    EXPECT_FALSE(Open(T));
    EXPECT_EQ(Lines(T->Translations()), Before);

    ExpectEditor([&](TLocaleEditor& E) {
        Click(E.BtnLoad);
        EXPECT_EQ(Ids(E.CbxLang->Items()), (std::vector<host::Integer>{English, French}));
        EXPECT_EQ(E.Editing().ShownValue(French, "LONGDAYNAMES[1]"), "Lundi");
        EXPECT_EQ(E.LangList->Items()->IndexOfObject(IntToObject(French)), -1);
        Click(E.BtnOK);
    });
    Driver.ExpectCommonDialog("TOpenDialog", [&](host::TDialogSession& S) {
        S.SetText(host::edt1, File);
        S.Click(host::IDOK);
    });
    EXPECT_TRUE(Open(T));
    const std::vector<String> After = Lines(T->Translations());
    EXPECT_NE(std::find(After.begin(), After.end(), "0000040C_LONGDAYNAMES[1]=Lundi"), After.end());
    EXPECT_EQ(LinesOfLocale(T->Translations(), French).size(), 58u);
}

TEST_F(LocaleEditorTest, TheComponentEditorAndTheTranslationsPropertyOpenTheEditor) {
    zt_design::TRegisteredUnits Units{Zlt::Register};
    TLocaleTranslator* T = NewTranslator(true);
    zt_design::TCountingDesigner Designer;
    Designer.Root = Form;

    ExpectEditor([&](TLocaleEditor& E) {
        PickId(E.LangList, French);
        Click(E.BtnCopyLang);
        Click(E.BtnOK);
    });
    host::CreateComponentEditor(T, &Designer)->ExecuteVerb(0);
    Driver.VerifyAllConsumed();
    EXPECT_EQ(Designer.ModifiedCount, 1);
    EXPECT_EQ(LinesOfLocale(T->Translations(), French).size(), 58u);

    // OK without a change is a Cancel: the designer is not told of one.
    ExpectEditor([&](TLocaleEditor& E) { Click(E.BtnOK); });
    auto Editor = host::CreatePropertyEditor(&Designer, T, host::GetPropInfo(T, "Translations"));
    ASSERT_TRUE(Editor);
    Editor->Edit();
    Driver.VerifyAllConsumed();
    EXPECT_EQ(Designer.ModifiedCount, 1);
}

} // namespace
