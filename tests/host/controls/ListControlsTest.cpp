#include "host/controls/ComCtrls.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"
#include "host/winapi/Windows.h"

#include "ControlsFixture.h"
#include "EventLog.h"
#include "TestUtil.h"

using namespace host;

namespace {

class ListControls : public ControlsTest {
protected:
    void SetUp() override {
        Form = new TForm(Application);
        Form->SetName("Form1");
    }

    template <class T> T* Make(const char* Name, TWinControl* Parent = nullptr) {
        auto* C = new T(Form);
        C->SetName(Name);
        C->SetParent(Parent ? Parent : Form);
        return C;
    }

    static void Fill(TStrings* Items, std::initializer_list<const char*> Lines) {
        for (const char* L : Lines)
            Items->Add(L);
    }

    TForm* Form = nullptr;
    TEventLog Log;
};

} // namespace

TEST_F(ListControls, ListBoxesSelectQuietlyAndTellThePersonsPick) {
    auto* List = Make<TListBox>("List1");
    List->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
    Fill(List->Items(), {"English", "Deutsch", "Francais"});
    List->SetItemIndex(1);
    EXPECT_EQ(List->ItemIndex(), 1);
    EXPECT_TRUE(Log.Events.empty());
    List->SetItemIndex(3);
    EXPECT_EQ(List->ItemIndex(), -1);
    List->Pick(2);
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Log.Events, (std::vector<String>{"click List1"}));
    EXPECT_FALSE(List->HandleAllocated()); // a pick needs no window
    List->Items()->Delete(2);
    EXPECT_EQ(List->ItemIndex(), -1);
    List->SetSorted(true);
    EXPECT_EQ(List->Items()->Strings(0), "Deutsch");

    // Through the window: the standard list box messages and the parent's WM_COMMAND.
    HWND Wnd = List->Handle();
    EXPECT_EQ(SendMessageA(Wnd, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(Wnd, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(Wnd, LB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(List->ItemIndex(), 1);
    char Text[32] = {};
    EXPECT_EQ(SendMessageA(Wnd, LB_GETTEXTLEN, 1, 0), 7);
    EXPECT_EQ(SendMessageA(Wnd, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(Text)), 7);
    EXPECT_STREQ(Text, "English");
    EXPECT_EQ(SendMessageA(Wnd, LB_GETTEXT, 5, reinterpret_cast<LPARAM>(Text)), LB_ERR);
    SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Wnd));
    EXPECT_EQ(Log.Count("click List1"), 2);
    List->Pick(0);
    EXPECT_EQ(Log.Count("click List1"), 3);
}

TEST_F(ListControls, ComboBoxTextFollowsTheSelection) {
    auto* Combo = Make<TComboBox>("Combo1");
    Combo->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
    Combo->SetOnChange(TNotifyEvent(&Log, &TEventLog::Change));
    Fill(Combo->Items(), {"Red", "Green", "red"});
    Combo->SetItemIndex(1);
    EXPECT_EQ(Combo->Text(), "Green");
    Combo->SetText("Blue"); // a drop-down edit takes any text
    EXPECT_EQ(Combo->Text(), "Blue");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_TRUE(Log.Events.empty());
    Combo->Pick(0);
    EXPECT_EQ(Combo->Text(), "Red");
    EXPECT_EQ(Log.Events, (std::vector<String>{"click Combo1", "change Combo1"}));

    // In a drop-down list the text is the selected item.
    Combo->SetStyle(csDropDownList);
    Combo->SetItemIndex(2);
    EXPECT_EQ(Combo->Text(), "red"); // not its case-blind twin
    EXPECT_EQ(Combo->ItemIndex(), 2);
    Combo->SetText("Green");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    Combo->SetText("Purple");
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_EQ(Combo->Text(), "");
    Combo->SetItemIndex(0);
    Combo->Items()->Clear();
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_EQ(Combo->Text(), "");

    Fill(Combo->Items(), {"One", "Two"});
    HWND Wnd = Combo->Handle();
    char ClassName[16] = {};
    GetClassNameA(Wnd, ClassName, sizeof ClassName);
    EXPECT_STREQ(ClassName, "COMBOBOX");
    EXPECT_EQ(SendMessageA(Wnd, CB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(Combo->Text(), "Two");
    char Text[16] = {};
    GetWindowTextA(Wnd, Text, sizeof Text);
    EXPECT_STREQ(Text, "Two");
    EXPECT_EQ(SendMessageA(Wnd, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(Wnd, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(Text)), 3);
    EXPECT_STREQ(Text, "One");
    Log.Events.clear();
    SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(Wnd));
    EXPECT_EQ(Log.Events, (std::vector<String>{"change Combo1"}));
}

TEST_F(ListControls, RadioGroupsKeepOneButtonPerItem) {
    auto* Group = Make<TRadioGroup>("Group1");
    Group->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
    Group->SetBounds(0, 0, 210, 105);
    Group->SetColumns(2);
    Fill(Group->Items(), {"English", "Deutsch", "Francais"});
    ASSERT_EQ(Group->ButtonCount(), 3);
    EXPECT_EQ(Group->Buttons(2)->Caption(), "Francais");
    EXPECT_EQ(Group->Buttons(0)->Parent(), Group);
    // Two columns of two rows below the caption line.
    EXPECT_EQ(Group->Buttons(1)->Left(), 8);
    EXPECT_EQ(Group->Buttons(2)->Left(), 108);
    EXPECT_EQ(Group->Buttons(1)->Top(), Group->Buttons(0)->Top() + Group->Buttons(0)->Height());
    EXPECT_EQ(Group->Buttons(2)->Top(), Group->Buttons(0)->Top());

    // Setting ItemIndex clicks, as the host does; the person's pick too; a pick of the
    // checked button changes nothing.
    Group->SetItemIndex(1);
    EXPECT_TRUE(Group->Buttons(1)->Checked());
    EXPECT_EQ(Log.Events, (std::vector<String>{"click Group1"}));
    Group->Pick(2);
    EXPECT_EQ(Group->ItemIndex(), 2);
    EXPECT_FALSE(Group->Buttons(1)->Checked());
    Group->Pick(2);
    EXPECT_EQ(Log.Count("click Group1"), 2);
    Group->SetItemIndex(7);
    EXPECT_EQ(Group->ItemIndex(), 2);

    // Through the windows: the button's BM_CLICK reaches the group's window and comes back.
    SendMessageA(Group->Buttons(0)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Group->ItemIndex(), 0);
    EXPECT_EQ(Log.Count("click Group1"), 3);

    Group->Items()->SetStrings(0, "Englisch");
    EXPECT_EQ(Group->Buttons(0)->Caption(), "Englisch");
    Group->Items()->Delete(0);
    Group->Items()->Delete(0);
    EXPECT_EQ(Group->ButtonCount(), 1);
    EXPECT_EQ(Group->ItemIndex(), 0); // clamped to what is left
    EXPECT_TRUE(Group->Buttons(0)->Checked());
    EXPECT_THROW_MSG(Group->Buttons(1), EListError, "List index out of bounds (1)");
    std::vector<TComponent*> Written;
    Group->GetChildren([&](TComponent* C) { Written.push_back(C); }, Form);
    EXPECT_TRUE(Written.empty());
}

TEST_F(ListControls, TabSetsAskBeforeChangingTheTab) {
    auto* Tabs = Make<TTabSet>("Tabs1");
    Tabs->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
    Tabs->SetOnChange(TTabChangeEvent(&Log, &TEventLog::TabChange));
    Fill(Tabs->Tabs(), {"General", "Colours", "Fonts"});
    Tabs->SetTabIndex(1);
    EXPECT_EQ(Log.Events, (std::vector<String>{"change 1", "click Tabs1"}));
    Log.AllowChange = false;
    Tabs->Pick(2);
    EXPECT_EQ(Tabs->TabIndex(), 1);
    Log.AllowChange = true;
    Tabs->Pick(2);
    EXPECT_EQ(Tabs->TabIndex(), 2);
    EXPECT_EQ(Log.Count("click Tabs1"), 2);
    EXPECT_THROW_MSG(Tabs->SetTabIndex(3), EListError, "Tab index out of bounds");
    EXPECT_THROW_MSG(Tabs->SetTabIndex(-2), EListError, "Tab index out of bounds");
    Tabs->Tabs()->Delete(2);
    EXPECT_EQ(Tabs->TabIndex(), 1);
    EXPECT_EQ(Log.Count("click Tabs1"), 2);
}

TEST_F(ListControls, PagesOfPageControlsAndNotebooks) {
    auto* Pages = Make<TPageControl>("Pages1");
    Pages->SetOnChange(TNotifyEvent(&Log, &TEventLog::Change));
    Pages->SetOnChanging(TTabChangingEvent(&Log, &TEventLog::Changing));
    auto* Sheet1 = Make<TTabSheet>("Sheet1", Pages);
    auto* Sheet2 = Make<TTabSheet>("Sheet2", Pages);
    EXPECT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Pages->ActivePage(), Sheet1); // the first page shows
    EXPECT_TRUE(Sheet1->Visible());
    EXPECT_FALSE(Sheet2->Visible());
    Sheet2->SetPageIndex(0);
    EXPECT_EQ(Pages->Pages(0), Sheet2);
    EXPECT_EQ(Sheet1->PageIndex(), 1);
    Log.AllowChange = false;
    Pages->Pick(0);
    EXPECT_EQ(Pages->ActivePage(), Sheet1);
    Log.AllowChange = true;
    Pages->Pick(0);
    EXPECT_EQ(Pages->ActivePage(), Sheet2);
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
    EXPECT_EQ(Log.Events,
              (std::vector<String>{"changing Pages1", "changing Pages1", "change Pages1"}));
    auto* Stranger = new TTabSheet(Form);
    Pages->SetActivePage(Stranger); // not one of its pages
    EXPECT_EQ(Pages->ActivePage(), Sheet2);
    Sheet2->Free();
    EXPECT_EQ(Pages->PageCount(), 1);
    EXPECT_EQ(Pages->ActivePage(), Sheet1);

    auto* Book = Make<TNotebook>("Book1");
    EXPECT_EQ(Book->Pages()->Text(), "Default\r\n");
    Book->Pages()->SetStrings(0, "First");
    Book->Pages()->Add("Second");
    Book->Pages()->Insert(0, "Zeroth");
    EXPECT_EQ(Book->Pages()->CommaText(), "Zeroth,First,Second");
    EXPECT_EQ(Book->Page(1)->Owner(), Book);
    Book->SetActivePage("Second");
    EXPECT_EQ(Book->PageIndex(), 2);
    EXPECT_TRUE(Book->Page(2)->Visible());
    EXPECT_FALSE(Book->Page(0)->Visible());
    Book->Pages()->Delete(2);
    EXPECT_EQ(Book->PageCount(), 2);
    EXPECT_EQ(Book->PageIndex(), 1);
    EXPECT_EQ(Book->ActivePage(), "First");
    EXPECT_THROW_MSG(Book->Pages()->Strings(5), EStringListError, "List index out of bounds (5)");
}
