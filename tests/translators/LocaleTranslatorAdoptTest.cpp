#include "translators/LocaleTranslator.h"

#include "host/classes/FormText.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Menus.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"

#include "LocaleTestSupport.h"

using namespace zantor;
using host::FormatSettings;

namespace {

// Counts the picks reported through OnLocaleSelect and the switches that ran.
class TPickLog : public TObject {
public:
    int Selects = 0;
    int Switches = 0;
    void Select(TObject*) { ++Selects; }
    void Translated(TObject*) { ++Switches; }
};

class ZltAdopt : public zlt_test::ZltTest {
protected:
    ZltAdopt() {
        Form = NewForm("Main");
        T = NewTranslator(Form, {1031, 1036, 1053});
        EXPECT_TRUE(T->TranslateLocale(1036));
        T->SetOnLocaleSelect(host::TNotifyEvent(&Log, &TPickLog::Select));
        T->SetOnTranslated(TTranslatedEvent(&Log, &TPickLog::Translated));
    }

    template <class C> C* NewControl(const char* Name) {
        auto* Control = new C(Form);
        Control->SetName(Name);
        Control->SetParent(Form);
        return Control;
    }

    static std::vector<String> Lines(const host::TStrings& L) {
        std::vector<String> Result;
        for (int i = 0; i < L.Count(); ++i)
            Result.push_back(L.Strings(i) + "|" + std::to_string(ObjectToInt(L.Objects(i))));
        return Result;
    }
    static std::vector<String> Items(const host::TMenuItem& Root) {
        std::vector<String> Result;
        for (int i = 0; i < Root.Count(); ++i) {
            const host::TMenuItem* I = Root.Items(i);
            Result.push_back(I->Caption() + "|" + std::to_string(I->Tag()) +
                             (I->Checked() ? "|checked" : "") +
                             (I->RadioItem() ? "" : "|not radio"));
        }
        return Result;
    }

    const std::vector<String> Languages{"French, France|1036", "German, Germany|1031",
                                        "Swedish, Sweden|1053"};
    host::TForm* Form;
    TLocaleTranslator* T;
    TPickLog Log;
};

} // namespace

TEST_F(ZltAdopt, AMenuItemGetsOneRadioItemPerLocaleAndPicksSwitch) {
    auto* Menu = new host::TMainMenu(Form);
    auto* Language = new host::TMenuItem(Form);
    Language->SetName("Language");
    Menu->Items()->Add(Language);
    auto* Old = new host::TMenuItem(Form);
    Language->Add(Old);

    T->SetAdoptOn(Language);
    EXPECT_EQ(Items(*Language),
              (std::vector<String>{"French, France|1036|checked", "German, Germany|1031",
                                   "Swedish, Sweden|1053"}));
    EXPECT_EQ(Old->Parent(), nullptr); // taken out, still the form's
    EXPECT_EQ(Old->Owner(), Form);
    EXPECT_EQ(Language->Items(1)->Owner(), T);

    Language->Items(1)->Click(); // German
    EXPECT_EQ(T->CurrentLocale(), 1031);
    EXPECT_EQ(FormatSettings().LongDayNames[1], "Montag");
    EXPECT_EQ(Items(*Language),
              (std::vector<String>{"French, France|1036", "German, Germany|1031|checked",
                                   "Swedish, Sweden|1053"}));
    EXPECT_EQ(Log.Selects, 1);

    Language->Items(1)->Click(); // the current one: nothing, not even the event
    EXPECT_EQ(Log.Selects, 1);
    EXPECT_EQ(Log.Switches, 1);

    EXPECT_TRUE(T->TranslateLocale(1053)); // a switch by code moves the check too
    EXPECT_TRUE(Language->Items(2)->Checked());
    EXPECT_FALSE(Language->Items(1)->Checked());

    T->UpdateAdoptOn(); // refilling frees the items made before
    EXPECT_EQ(Language->Count(), 3);
    EXPECT_EQ(T->ComponentCount(), 3);
}

TEST_F(ZltAdopt, MainAndPopupMenusHaveTheirTopLevelReplaced) {
    auto* Menu = new host::TMainMenu(Form);
    for (const char* Caption : {"&File", "&Edit"}) {
        auto* Item = new host::TMenuItem(Form);
        Item->SetCaption(Caption);
        Menu->Items()->Add(Item);
    }
    T->SetAdoptOn(Menu);
    EXPECT_EQ(Items(*Menu->Items()),
              (std::vector<String>{"French, France|1036|checked", "German, Germany|1031",
                                   "Swedish, Sweden|1053"}));
    auto* Popup = new host::TPopupMenu(Form);
    T->SetAdoptOn(Popup);
    EXPECT_EQ(Popup->Items()->Count(), 3);
    EXPECT_EQ(Menu->Items()->Count(), 3); // the menu adopted before keeps its items
    Popup->Items()->Items(2)->Click();
    EXPECT_EQ(T->CurrentLocale(), 1053);
    EXPECT_TRUE(Popup->Items()->Items(2)->Checked());
    EXPECT_TRUE(Menu->Items()->Items(0)->Checked()); // no longer adopted: not kept in step
    Menu->Items()->Items(1)->Click();                // but its handler still switches
    EXPECT_EQ(T->CurrentLocale(), 1031);
}

TEST_F(ZltAdopt, ListBoxAndComboBoxHoldTheLocalesAsObjects) {
    auto* List = NewControl<host::TListBox>("ListBox1");
    List->Items()->Add("stale");
    T->SetAdoptOn(List);
    EXPECT_EQ(Lines(*List->Items()), Languages);
    EXPECT_EQ(List->ItemIndex(), 0);
    List->Pick(2);
    EXPECT_EQ(T->CurrentLocale(), 1053);
    EXPECT_EQ(Log.Selects, 1);
    List->Pick(2);
    EXPECT_EQ(Log.Selects, 1);
    List->SetItemIndex(-1);
    List->Click(); // nothing selected: nothing to pick
    EXPECT_EQ(Log.Selects, 1);
    EXPECT_EQ(T->CurrentLocale(), 1053);

    auto* Combo = NewControl<host::TComboBox>("ComboBox1");
    T->SetAdoptOn(Combo);
    EXPECT_EQ(Lines(*Combo->Items()), Languages);
    EXPECT_EQ(Combo->ItemIndex(), 2);
    Combo->Pick(1);
    EXPECT_EQ(T->CurrentLocale(), 1031);
    EXPECT_TRUE(T->TranslateLocale(1036));
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_EQ(List->ItemIndex(), -1); // the list box is no longer adopted: left as it was
}

TEST_F(ZltAdopt, TabSetFollowsAndSwitches) {
    auto* Tabs = NewControl<host::TTabSet>("TabSet1");
    T->SetAdoptOn(Tabs);
    EXPECT_EQ(Lines(*Tabs->Tabs()), Languages);
    EXPECT_EQ(Tabs->TabIndex(), 0);
    Tabs->Pick(1);
    EXPECT_EQ(T->CurrentLocale(), 1031);
    EXPECT_EQ(Log.Selects, 1);
    EXPECT_TRUE(
        T->TranslateLocale(1053)); // the tab set reports the change as a click: no pick comes of it
    EXPECT_EQ(Tabs->TabIndex(), 2);
    EXPECT_EQ(Log.Selects, 1);
    EXPECT_EQ(Log.Switches, 2);
}

TEST_F(ZltAdopt, RadioGroupPickIsGuardedAgainstItsOwnSelectionUpdate) {
    auto* Group = NewControl<host::TRadioGroup>("RadioGroup1");
    T->SetAdoptOn(Group);
    EXPECT_EQ(Lines(*Group->Items()), Languages);
    EXPECT_EQ(Group->ItemIndex(), 0);

    // Refilling from inside a pick leaves the group alone until the pick is over.
    struct TRefill : TObject {
        TLocaleTranslator* T;
        host::TStrings* GroupItems;
        void Translated(TObject*) {
            GroupItems->Add("marker");
            T->UpdateAdoptOn();
        }
    } Refill;
    Refill.T = T;
    Refill.GroupItems = Group->Items();
    T->SetOnTranslated(TTranslatedEvent(&Refill, &TRefill::Translated));
    Group->Pick(1);
    EXPECT_EQ(T->CurrentLocale(), 1031);
    EXPECT_EQ(Group->Items()->Count(), 4);
    EXPECT_EQ(Group->Items()->Strings(3), "marker");
    EXPECT_EQ(Group->ItemIndex(), 1);
    EXPECT_EQ(Log.Selects, 1);

    T->SetOnTranslated(nullptr);
    EXPECT_TRUE(
        T->TranslateLocale(1053)); // by code, outside a pick: selection follows, no pick fires
    EXPECT_EQ(Group->ItemIndex(), 2);
    EXPECT_EQ(Log.Selects, 1);
    T->UpdateAdoptOn();
    EXPECT_EQ(Lines(*Group->Items()), Languages);
}

TEST_F(ZltAdopt, APickThatDoesNotSwitchPutsTheMarkBack) {
    auto* List = NewControl<host::TListBox>("ListBox1");
    T->SetAdoptOn(List);
    T->SetTranslate(false);
    List->Pick(1);
    EXPECT_EQ(T->CurrentLocale(), 1036);
    EXPECT_EQ(List->ItemIndex(), 0);
    EXPECT_EQ(Log.Selects, 1); // reported whether or not the switch ran
}

TEST_F(ZltAdopt, IllegalControlAndFormatWithoutIndexAreRefusedWithAMessage) {
    host::TScriptedUiDriver Driver;
    Driver.ExpectMessageDlg("Error setting AdoptOn property, an illigal component", host::mrOk);
    Driver.ExpectMessageDlg("Invalid format string, you must provide at least one string index",
                            host::mrOk);
    host::TUiDriverGuard Guard(Driver);
    auto* List = NewControl<host::TListBox>("ListBox1");
    T->SetAdoptOn(List);
    T->SetAdoptOn(NewControl<host::TButton>("Button1"));
    EXPECT_EQ(T->AdoptOn(), List);
    T->SetListFormat("English");
    EXPECT_EQ(T->ListFormat(), "%0:s, %1:s");
    T->SetListFormat("%2:s"); // native names only, refilled at once
    EXPECT_EQ(Lines(*List->Items()),
              (std::vector<String>{"Deutsch|1031", "français|1036", "svenska|1053"}));
    EXPECT_EQ(List->ItemIndex(), 1);
    T->SetAdoptOn(nullptr);
    EXPECT_EQ(T->AdoptOn(), nullptr);
    EXPECT_EQ(List->Items()->Count(), 3); // keeps its entries
    Driver.VerifyAllConsumed();
}

TEST_F(ZltAdopt, RemovingTheAdoptedControlClearsAdoptOn) {
    auto* List = NewControl<host::TListBox>("ListBox1");
    T->SetAdoptOn(List);
    List->Free();
    EXPECT_EQ(T->AdoptOn(), nullptr);
    EXPECT_TRUE(T->TranslateLocale(1031)); // nothing left to update

    auto* Other = NewForm("Other"); // on another form, and without a name
    auto* Combo = new host::TComboBox(Other);
    T->SetAdoptOn(Combo);
    Other->Free();
    EXPECT_EQ(T->AdoptOn(), nullptr);
}

TEST_F(ZltAdopt, AFreedTranslatorLeavesNoHandlerBehind) {
    auto* List = NewControl<host::TListBox>("ListBox1");
    T->SetAdoptOn(List);
    EXPECT_TRUE(List->OnClick().Assigned());
    T->Free();
    EXPECT_FALSE(List->OnClick().Assigned());
    List->Pick(1); // nobody listens; nothing breaks
}

TEST_F(ZltAdopt, TheAdoptedControlIsFilledWhenTheFormIsRead) {
    host::RegisterClasses({host::TListBox::StaticClass()});
    NewControl<host::TListBox>("ListBox1");
    T->SetName("Languages");
    T->SetDesignLocale("French, France 0000040C"); // the user's 1033 is not held: the fallback
    const String Text = host::WriteComponentToText(Form);
    EXPECT_EQ(Text.find("AdoptOn"), String::npos);
    T->SetAdoptOn(Form->FindComponent("ListBox1"));
    const String Adopted = host::WriteComponentToText(Form);
    EXPECT_NE(Adopted.find("AdoptOn = ListBox1"), String::npos);
    EXPECT_EQ(Adopted.find("OnClick"), String::npos); // the handler is not the form's
    Form->Free();

    auto* Copy = new host::TForm(host::Application);
    host::ReadComponentFromText(Adopted, Copy);
    auto* List = static_cast<host::TListBox*>(Copy->FindComponent("ListBox1"));
    auto* Loaded = static_cast<TLocaleTranslator*>(Copy->FindComponent("Languages"));
    EXPECT_EQ(Loaded->AdoptOn(), List);
    EXPECT_EQ(Lines(*List->Items()), Languages);
    EXPECT_EQ(Loaded->CurrentLocale(), 1036);
    EXPECT_EQ(List->ItemIndex(), 0);
}
