#include "editors/FormEditor.h"
#include "host/controls/CommonDialogWindow.h"
#include "host/winapi/Registry.h"
#include "translators/FormTranslator.h"

#include "EditorDriving.h"

#include <filesystem>

using namespace zt_editors;
using namespace zantor;
using host::TCustomForm;

namespace {

class FormEditorTest : public EditorTest {
protected:
    // The editor is shown next; Steps is what the person does with it.
    void ExpectEditor(const std::function<void(TFormEditor&)>& Steps) {
        Driver.ExpectShowModal("FormEditor", host::mrNone,
                               [Steps](TCustomForm& F) { Steps(dynamic_cast<TFormEditor&>(F)); });
    }
    // Opens the editor of T as the component editor does.
    bool Open(TFormTranslator* T) {
        const bool Result = T->ShowEditor();
        Driver.VerifyAllConsumed();
        return Result;
    }
    // For an editor whose steps are the only prompts.
    bool Edit(TFormTranslator* T, const std::function<void(TFormEditor&)>& Steps) {
        ExpectEditor(Steps);
        return Open(T);
    }
};

TEST_F(FormEditorTest, AnEmptyTranslatorIsOfferedOtherTranslatorsInComponentOrderUntilTheFirstYes) {
    AddTranslator("German", {"Button1.Caption='Senden'", "Button1.Width=90"});
    AddTranslator("Empty", {});
    AddTranslator("Spanish", {"Caption='Pedidos'", "Label1.Caption=#13'Cliente'"});
    AddTranslator("Italian", {"Caption='Ordini'"});
    TFormTranslator* T = AddTranslator("French", {});
    Driver.ExpectMessageDlg("Do you want to insert properties from German ?", host::mrNo)
        .ExpectMessageDlg("Do you want to insert properties from Spanish ?", host::mrYes);
    std::vector<String> Shown;
    EXPECT_TRUE(Edit(T, [&](TFormEditor& E) {
        Shown = Lines(E.PropList->Items());
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Shown, (std::vector<String>{"Caption", "Label1.Caption"}));
    EXPECT_EQ(Lines(T->Translations()), (std::vector<String>{"Caption=''", "Label1.Caption=''"}));
}

TEST_F(FormEditorTest, ARunningFormShowsItsTranslationAgainAfterTheEditorTheEditedOneAfterOk) {
    auto* Button = dynamic_cast<host::TButton*>(Form->FindComponent("Button1"));
    TFormTranslator* T = AddTranslator("French", {"Button1.Caption='Envoyer'"});
    TFormTranslator* Off = AddTranslator("Spanish", {"Button1.Caption='Enviar'"});
    Off->SetLocale(1034);
    Off->SetTranslate(false);
    T->SetTranslate(false);
    T->SetTranslate(true);
    ASSERT_EQ(Button->Caption(), "Envoyer");
    String DuringEdit;
    EXPECT_TRUE(Edit(T, [&](TFormEditor& E) {
        DuringEdit = Button->Caption();
        Pick(E.PropList, "Button1.Caption");
        TypeOver(E.EdtTranslation, "Expedier");
        Focus(E.PropList);
        Click(E.BtnOK);
    }));
    EXPECT_EQ(DuringEdit, "Send");
    EXPECT_EQ(Button->Caption(), "Expedier");
    EXPECT_TRUE(T->Translate());
    EXPECT_FALSE(Off->Translate());
    EXPECT_FALSE(Edit(T, [&](TFormEditor& E) { Click(E.BtnCancel); }));
    EXPECT_EQ(Button->Caption(), "Expedier");
    // A translator that is off stays off: the form keeps its design texts.
    EXPECT_TRUE(Edit(Off, [&](TFormEditor& E) {
        Pick(E.PropList, "Button1.Caption");
        TypeOver(E.EdtTranslation, "Mandar");
        Focus(E.PropList);
        Click(E.BtnOK);
    }));
    EXPECT_FALSE(Off->Translate());
    EXPECT_EQ(Button->Caption(), "Expedier");
}

TEST_F(FormEditorTest, TypedTranslationsFollowTheLiteralRuleAndEscapeRestoresTheLineExactly) {
    TFormTranslator* T = AddTranslator(
        "French", {"Button1.Caption='Envoyer'", "Button1.Font.Height=-11", "Label1.Caption=''"});
    EXPECT_TRUE(Edit(T, [&](TFormEditor& E) {
        Pick(E.PropList, "Button1.Font.Height");
        EXPECT_EQ(E.EdtOrgTranslation->Text(), "-11");
        EXPECT_EQ(E.EdtTranslation->Text(), "-11");
        TypeOver(E.EdtTranslation, "-13");
        Focus(E.PropList); // leaving the memo stores it
        Pick(E.PropList, "Label1.Caption");
        EXPECT_EQ(E.EdtOrgTranslation->Text(), "Customer");
        TypeOver(E.EdtTranslation, "Client 'A'");
        Key(E.EdtTranslation, host::VK_NEXT); // PageDown leaves the memo too
        // Escape puts back what the entry held when it was selected.
        Pick(E.PropList, "Button1.Caption");
        TypeOver(E.EdtTranslation, "Expédier");
        Focus(E.PropList);
        Focus(E.EdtTranslation);
        TypeOver(E.EdtTranslation, "Autre");
        Key(E.EdtTranslation, host::VK_ESCAPE);
        EXPECT_EQ(E.EdtTranslation->Text(), "Envoyer");
        Click(E.BtnOK);
    }));
    EXPECT_EQ(Lines(T->Translations()),
              (std::vector<String>{"Button1.Caption='Envoyer'", "Button1.Font.Height=-13",
                                   "Label1.Caption='Client ''A'''"}));
}

TEST_F(FormEditorTest, PageDownWithMoveNextSkipsTranslatedEntriesAndStopsAtTheLast) {
    TFormTranslator* T =
        AddTranslator("French", {"Button1.Caption=''", "Caption='Commandes'",
                                 "Label1.Caption='Client'", "Memo1.Lines[0]='premier'"});
    std::vector<String> Reached;
    EXPECT_FALSE(Edit(T, [&](TFormEditor& E) {
        ASSERT_TRUE(E.CkxMove->Checked());
        Pick(E.PropList, "Button1.Caption");
        Key(E.EdtTranslation, host::VK_NEXT);
        Reached.push_back(E.PropList->Items()->Strings(E.PropList->ItemIndex()));
        Key(E.EdtTranslation, host::VK_NEXT);
        Reached.push_back(E.PropList->Items()->Strings(E.PropList->ItemIndex()));
        Key(E.EdtTranslation, host::VK_PRIOR); // back over translated ones to the first
        Reached.push_back(E.PropList->Items()->Strings(E.PropList->ItemIndex()));
        Click(E.CkxMove); // one entry at a time now
        Key(E.EdtTranslation, host::VK_NEXT);
        Reached.push_back(E.PropList->Items()->Strings(E.PropList->ItemIndex()));
        EXPECT_EQ(E.PropList->SelCount(), 1);
        EXPECT_EQ(E.EdtTranslation->Text(), "Commandes");
        Click(E.BtnOK); // nothing changed: Cancel for the caller
    }));
    EXPECT_EQ(Reached, (std::vector<String>{"Memo1.Lines[0]", "Memo1.Lines[0]", "Button1.Caption",
                                            "Caption"}));
    // The choice is kept for the next editor.
    EXPECT_FALSE(host::TRegIniFile("Software\\Tessavin")
                     .ReadBool("FormTranslator", "MoveNextUntranslated", true));
}

TEST_F(FormEditorTest, SelectPicksCommonPropertiesWithValuesAndIncludeAddsThem) {
    TFormTranslator* T = AddTranslator("French", {"Caption='Commandes'"});
    EXPECT_TRUE(Edit(T, [&](TFormEditor& E) {
        Click(E.BtnSelect);
        std::vector<String> Selected;
        for (int I = 0; I < E.ListAvail->Items()->Count(); ++I)
            if (E.ListAvail->Selected(I)) Selected.push_back(E.ListAvail->Items()->Strings(I));
        // Edit1.Text and Memo1.Lines[1] are empty, Button1.Width is no common property.
        EXPECT_GE(E.ListAvail->Items()->IndexOf("Memo1.Lines[1]"), 0);
        EXPECT_EQ(Selected, (std::vector<String>{
                                "Button1.Caption", "Label1.Caption", "Memo1.Lines[0]",
                                "SystemMenuClose", "SystemMenuMaximize", "SystemMenuMinimize",
                                "SystemMenuMove", "SystemMenuRestore", "SystemMenuSize"}));
        EXPECT_EQ(E.LblSelected->Caption(), "9 Selected");
        EXPECT_TRUE(E.BtnIncludeProp->Enabled());
        E.ListAvail->ClearSelection();
        E.ListAvail->SetSelected(E.ListAvail->Items()->IndexOf("Label1.Caption"), true);
        E.ListAvail->SetSelected(E.ListAvail->Items()->IndexOf("Button1.Width"), true);
        Click(E.BtnIncludeProp);
        EXPECT_EQ(E.ListAvail->Items()->IndexOf("Label1.Caption"), -1);
        EXPECT_EQ(E.LblSelected->Caption(), "0 Selected");
        Click(E.BtnOK);
    }));
    EXPECT_EQ(
        Lines(T->Translations()),
        (std::vector<String>{"Button1.Width=75", "Caption='Commandes'", "Label1.Caption=''"}));
}

TEST_F(FormEditorTest, CancelAsksBeforeDiscardingAndNothingReachesTheTranslator) {
    TFormTranslator* T = AddTranslator("French", {"Caption='Commandes'"});
    ExpectEditor([&](TFormEditor& E) {
        Pick(E.PropList, "Caption");
        TypeOver(E.EdtTranslation, "Ordres");
        Click(E.BtnCancel);
        EXPECT_EQ(E.ModalResult(), host::mrNone); // No keeps the editor open
        Click(E.BtnCancel);
        EXPECT_EQ(E.ModalResult(), host::mrCancel);
    });
    Driver.ExpectMessageDlg("Do you want to discard the changes ?", host::mrNo)
        .ExpectMessageDlg("Do you want to discard the changes ?", host::mrYes);
    EXPECT_FALSE(Open(T));
    EXPECT_EQ(Lines(T->Translations()), (std::vector<String>{"Caption='Commandes'"}));
}

TEST_F(FormEditorTest, NewAndRemoveChangeTheListAndOptionsCountWhatIsTranslated) {
    TFormTranslator* T = AddTranslator("French", {"Caption='Commandes'", "Label1.Caption=''"});
    ExpectEditor([&](TFormEditor& E) {
        E.FormNotebook->Pick(1);
        EXPECT_EQ(E.LblTot->Caption(), "2");
        EXPECT_EQ(E.LblLocalized->Caption(), "1");
        E.FormNotebook->Pick(0);
        Key(E.PropList, 0x2D); // Insert: New
        EXPECT_EQ(E.PropList->Items()->Strings(E.PropList->ItemIndex()), "Panel9.Caption");
        Pick(E.PropList, "Label1.Caption");
        Key(E.PropList, host::VK_DELETE);                              // Delete: Remove
        EXPECT_GE(E.ListAvail->Items()->IndexOf("Label1.Caption"), 0); // back on offer
        EXPECT_FALSE(E.BtnRemove->Enabled());
        Click(E.BtnOK);
    });
    Driver.ExpectInputQuery("Please enter the property name", String("Panel9.Caption"))
        .ExpectMessageDlg("Do you want to remove the selected property ?", host::mrYes);
    EXPECT_TRUE(Open(T));
    EXPECT_EQ(Lines(T->Translations()),
              (std::vector<String>{"Caption='Commandes'", "Panel9.Caption="}));
}

TEST_F(FormEditorTest, DictionaryOperationsWorkOnACopyUntilOk) {
    zt_test::TempDir Dir;
    const String Saved = Dir.File("saved.txt");
    TFormTranslator* T = AddTranslator("French", {"Caption='Commandes'"});
    int FormComponents = 0;
    ExpectEditor([&](TFormEditor& E) {
        FormComponents = Form->ComponentCount();
        Click(E.BtnSave);
        EXPECT_EQ(Lines(T->Translations()), (std::vector<String>{"Caption='Commandes'"}));
        Click(E.BtnLoad); // the missing file: nothing changes
        EXPECT_FALSE(E.Editing().IsModified());
        zt_test::WriteAll(Saved, zt_test::ReadAll(Saved) + "\r\n");
        EXPECT_EQ(E.Editing().Work()->Count(), 1);
        Click(E.BtnLoad);
        EXPECT_TRUE(E.Editing().IsModified());
        EXPECT_EQ(Form->ComponentCount(), FormComponents); // the scratch translator is gone
        EXPECT_EQ(T->Translations()->Count(), 1);
        Click(E.BtnCancel);
    });
    Driver
        .ExpectCommonDialog("TSaveDialog",
                            [&](host::TDialogSession& S) {
                                EXPECT_EQ(S.Caption(),
                                          "Save current properties to an external textfile.");
                                S.SetText(host::edt1, Saved);
                                S.Click(host::IDOK);
                            })
        .ExpectCommonDialog("TOpenDialog",
                            [&](host::TDialogSession& S) {
                                S.SetText(host::edt1, Dir.File("missing.txt"));
                                S.Click(host::IDOK);
                            })
        .ExpectMessageDlg("Cannot open file \"" + Dir.File("missing.txt") + "\"", host::mrOk)
        .ExpectCommonDialog("TOpenDialog",
                            [&](host::TDialogSession& S) {
                                S.SetText(host::edt1, Saved);
                                S.Click(host::IDOK);
                            })
        .ExpectMessageDlg("Do you want to discard the changes ?", host::mrYes);
    EXPECT_FALSE(Open(T));
    EXPECT_NE(zt_test::ReadAll(Saved).find("Form1.Caption%0='Commandes'"), String::npos)
        << zt_test::ReadAll(Saved);
}

} // namespace

namespace {

// The editors are ordinary forms: a form translator collects their texts and translates them.
TEST_F(FormEditorTest, TheEditorsOwnTextsAreTranslatedByAFormTranslator) {
    auto* E = new TFormEditor(host::Application);
    auto* T = new TFormTranslator(E);
    T->SetName("FrenchTranslator");
    host::TStringList Collected;
    ASSERT_TRUE(T->TranslateForm(&Collected, true));
    for (const char* Line :
         {"Caption='Form Translations Editor'", "TabTranslations.Caption='Translations'",
          "BtnNew.Caption='&New'", "LblSelected.Caption='%s Selected'",
          "CommonPropList.Items[23]='Translations[*]'",
          "GroupReadingOrder.Items[0]='Right To Left (Arabic, Hebrew)'",
          "EdtTranslation.Hint='Edit the translation. Use PageUp/PageDown to "
          "move between properties'"})
        EXPECT_GE(Collected.IndexOf(Line), 0) << Line;
    host::TStringList French;
    French.Add("BtnCancel.Caption='Annuler'");
    French.Add("Caption='Editeur de traductions'");
    French.Add("LblSelected.Caption='%s choisies'");
    ASSERT_TRUE(T->TranslateForm(&French, false));
    EXPECT_EQ(E->Caption(), "Editeur de traductions");
    EXPECT_EQ(E->BtnCancel->Caption(), "Annuler");
    E->Free();
}

} // namespace

namespace {

// The Font page: the chosen font goes to both lists of the display, its name to the label and to
// the settings; a cancelled dialog changes nothing.
TEST_F(FormEditorTest, AFontChosenOnTheFontPageIsShownAndRemembered) {
    TFormTranslator* T = AddTranslator("French", {"Caption='Commandes'"});
    String EditFont;
    ExpectEditor([&](TFormEditor& E) {
        EditFont = E.EdtTranslation->Font()->Name();
        Click(E.BtnDisplayFont);
        Click(E.BtnEditFont);
        EXPECT_EQ(E.PropList->Font()->Name(), "DejaVu Sans");
        EXPECT_EQ(E.EdtOrgTranslation->Font()->Name(), "DejaVu Sans");
        EXPECT_EQ(E.LblDisplayFont->Caption(), "DejaVu Sans");
        EXPECT_EQ(E.EdtTranslation->Font()->Name(), EditFont);
        EXPECT_EQ(E.LblEditFont->Caption(), EditFont);
        Click(E.BtnCancel);
    });
    Driver.ExpectCommonDialog("Font", [](host::TDialogSession& S) {
        S.SetText(host::cmb1, "DejaVu Sans");
        S.Click(host::IDOK);
    });
    Driver.ExpectCommonDialog("Font", [](host::TDialogSession& S) { S.Click(host::IDCANCEL); });
    EXPECT_FALSE(Open(T));
    host::TRegIniFile Ini("Software\\Tessavin");
    EXPECT_EQ(Ini.ReadString("FormTranslator", "DisplayFontName", ""), "DejaVu Sans");
    EXPECT_EQ(Ini.ReadString("FormTranslator", "EditFontName", ""), "");
}

// Settings are written as they change and a second editor, in another process, starts with
// them.
TEST_F(FormEditorTest, SettingsChangedInOneProcessAreWhereTheNextEditorStarts) {
    TFormTranslator* T = AddTranslator("French", {"Caption='Commandes'"});
    const pid_t Child = zt_test::StartChild([&] {
        ExpectEditor([](TFormEditor& E) {
            Click(E.CkxMove);
            E.GroupReadingOrder->Pick(0);
            Click(E.BtnCancel);
        });
        if (T->ShowEditor()) throw host::Exception("nothing was changed");
    });
    ASSERT_EQ(zt_test::WaitChild(Child), 0);
    EXPECT_FALSE(Edit(T, [&](TFormEditor& E) {
        EXPECT_FALSE(E.CkxMove->Checked());
        EXPECT_EQ(E.GroupReadingOrder->ItemIndex(), 0);
        EXPECT_EQ(E.EdtTranslation->Alignment(), host::taRightJustify);
        Click(E.BtnOK);
    }));
    host::TRegIniFile Ini("Software\\Tessavin");
    EXPECT_EQ(Ini.ReadInteger("FormTranslator", "ReadingOrderIndex", -1), 0);
}

} // namespace

namespace {

// A store that cannot take the settings is told of once; the editor goes on with defaults.
TEST_F(FormEditorTest, ASettingsStoreThatCannotBeWrittenIsReportedOnceAndLeftAsItIs) {
    std::filesystem::create_directories(Config.Path() / "zantor");
    const String Store = Config.File("zantor/registry.reg");
    zt_test::WriteAll(Store, "not a store\n");
    TFormTranslator* T = AddTranslator("French", {"Caption='Commandes'"});
    ExpectEditor([&](TFormEditor& E) {
        EXPECT_TRUE(E.CkxMove->Checked()); // the default
        Click(E.CkxMove);
        Click(E.CkxMove);
        EXPECT_TRUE(E.CkxMove->Checked());
        Pick(E.PropList, "Caption");
        TypeOver(E.EdtTranslation, "Ordres");
        Click(E.BtnOK);
    });
    Driver.ExpectMessageDlg(
        "Settings store \"" + Store +
            "\" is damaged on line 1: \"REGEDIT4\" expected; it is left as it is",
        host::mrOk);
    EXPECT_TRUE(Open(T));
    EXPECT_EQ(Lines(T->Translations()), (std::vector<String>{"Caption='Ordres'"}));
    EXPECT_EQ(zt_test::ReadAll(Store), "not a store\n");
}

} // namespace
