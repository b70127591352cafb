#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Menus.h"

#include "ControlsFixture.h"
#include "EventLog.h"
#include "TestUtil.h"

using namespace host;

namespace {

class Menus : public ControlsTest {
protected:
    void SetUp() override {
        Form = new TForm(Application);
        Menu = new TMainMenu(Form);
        Menu->SetName("MainMenu1");
    }

    TMenuItem* Item(const char* Name, const char* Caption, TMenuItem* Parent) {
        auto* I = new TMenuItem(Form);
        I->SetName(Name);
        I->SetCaption(Caption);
        I->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
        Parent->Add(I);
        return I;
    }

    static String MenuString(HMENU Menu, UINT Position) {
        char Buffer[128] = {};
        GetMenuStringA(Menu, Position, Buffer, sizeof Buffer, MF_BYPOSITION);
        return Buffer;
    }

    TForm* Form = nullptr;
    TMainMenu* Menu = nullptr;
    TEventLog Log;
};

} // namespace

TEST_F(Menus, ItemsFormATreeThatFreesItsBranches) {
    TMenuItem* File = Item("File", "&File", Menu->Items());
    TMenuItem* Open = Item("Open", "&Open", File);
    TMenuItem* Exit = Item("Exit", "E&xit", File);
    auto* Save = new TMenuItem(Form);
    Save->SetName("Save");
    File->Insert(1, Save);
    EXPECT_EQ(File->Count(), 3);
    EXPECT_EQ(File->Items(1), Save);
    EXPECT_EQ(File->IndexOf(Exit), 2);
    EXPECT_EQ(Exit->MenuIndex(), 2);
    EXPECT_EQ(Exit->Parent(), File);
    EXPECT_EQ(Exit->GetParentMenu(), Menu);
    EXPECT_EQ(File->GetParentComponent(), Menu);
    EXPECT_EQ(Open->GetParentComponent(), File);

    Exit->SetMenuIndex(0);
    EXPECT_EQ(File->Items(0), Exit);
    File->Remove(Save);
    EXPECT_EQ(Save->Parent(), nullptr);
    EXPECT_EQ(File->Count(), 2);

    EXPECT_THROW_MSG(File->Items(2), EMenuError, "Menu index out of range");
    EXPECT_THROW_MSG(File->Insert(5, Save), EMenuError, "Menu index out of range");
    EXPECT_THROW_MSG(File->Delete(-1), EMenuError, "Menu index out of range");
    EXPECT_THROW_MSG(Menu->Items()->Add(Open), EMenuError, "Menu inserted twice");
    EXPECT_THROW_MSG(Open->Add(File), EMenuError, "Menu inserted twice");
    EXPECT_THROW_MSG(File->Remove(Save), EMenuError, "Sub-menu is not in menu");

    // An item freed by its owner leaves its parent; a freed parent frees its sub-items.
    Open->Free();
    EXPECT_EQ(File->Count(), 1);
    const int Before = Form->ComponentCount();
    File->Free();
    EXPECT_EQ(Form->ComponentCount(), Before - 2); // File and Exit
    EXPECT_EQ(Menu->Items()->Count(), 0);
    Save->Free();
}

TEST_F(Menus, RadioItemsOfAGroupCheckOneAnother) {
    TMenuItem* View = Item("View", "&View", Menu->Items());
    TMenuItem* Large = Item("Large", "&Large", View);
    TMenuItem* Small = Item("Small", "&Small", View);
    TMenuItem* List = Item("List", "L&ist", View);
    TMenuItem* Toolbar = Item("Toolbar", "&Toolbar", View);
    for (TMenuItem* I : {Large, Small, List}) {
        I->SetRadioItem(true);
        I->SetGroupIndex(1);
    }
    Toolbar->SetRadioItem(true);
    Toolbar->SetGroupIndex(2);
    Toolbar->SetChecked(true);

    Small->Click();
    EXPECT_TRUE(Small->Checked());
    EXPECT_EQ(Log.Events, (std::vector<String>{"click Small"}));
    Large->Click();
    EXPECT_TRUE(Large->Checked());
    EXPECT_FALSE(Small->Checked());
    EXPECT_TRUE(Toolbar->Checked()); // another group
    // Checking in code unchecks the group as well; a plain item only fires OnClick.
    List->SetChecked(true);
    EXPECT_FALSE(Large->Checked());
    View->Click();
    EXPECT_FALSE(View->Checked());
    // A disabled item does nothing.
    Small->SetEnabled(false);
    Small->Click();
    EXPECT_FALSE(Small->Checked());
    EXPECT_EQ(Log.Count("click Small"), 1);
    // Moving an item into the checked item's group unchecks the newcomer's rivals.
    Toolbar->SetGroupIndex(1);
    EXPECT_TRUE(Toolbar->Checked());
    EXPECT_FALSE(List->Checked());
}

TEST_F(Menus, TheMenuHandleFollowsTheItems) {
    TMenuItem* File = Item("File", "&File", Menu->Items());
    TMenuItem* Open = Item("Open", "&Open", File);
    TMenuItem* Sep = Item("Sep", "-", File);
    TMenuItem* Exit = Item("Exit", "E&xit", File);
    TMenuItem* Help = Item("Help", "&Help", Menu->Items());

    HMENU Bar = Menu->Handle();
    ASSERT_EQ(GetMenuItemCount(Bar), 2);
    HMENU FileMenu = GetSubMenu(Bar, 0);
    EXPECT_EQ(FileMenu, File->Handle());
    EXPECT_EQ(GetMenuItemCount(FileMenu), 3);
    EXPECT_EQ(MenuString(FileMenu, 0), "&Open");
    EXPECT_TRUE(GetMenuState(FileMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(FileMenu, 2), Exit->Command());
    EXPECT_EQ(GetMenuItemID(Bar, 1), Help->Command()); // no sub-items: a command
    EXPECT_NE(Open->Command(), Exit->Command());

    Open->SetCaption("&Open...");
    EXPECT_EQ(MenuString(FileMenu, 0), "&Open...");
    Exit->SetChecked(true);
    EXPECT_TRUE(GetMenuState(FileMenu, 2, MF_BYPOSITION) & MF_CHECKED);
    Exit->SetEnabled(false);
    EXPECT_TRUE(GetMenuState(FileMenu, 2, MF_BYPOSITION) & MF_GRAYED);
    // Invisible items are left out; positions after them move up.
    Sep->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(FileMenu), 2);
    Exit->SetCaption("&Quit");
    EXPECT_EQ(MenuString(FileMenu, 1), "&Quit");
    EXPECT_TRUE(GetMenuState(FileMenu, 1, MF_BYPOSITION) & MF_CHECKED);
    // The first sub-item turns a command into a sub-menu.
    TMenuItem* About = Item("About", "&About", Help);
    EXPECT_EQ(GetSubMenu(Bar, 1), Help->Handle());
    EXPECT_EQ(MenuString(Help->Handle(), 0), "&About");

    // Commands find their item, in this menu only.
    EXPECT_TRUE(Menu->DispatchCommand(About->Command()));
    EXPECT_EQ(Log.Events.back(), "click About");
    auto* Other = new TPopupMenu(Form);
    TMenuItem* Cut = Item("Cut", "Cu&t", Other->Items());
    EXPECT_EQ(Menu->FindCommand(Cut->Command()), nullptr);
    EXPECT_FALSE(Menu->DispatchCommand(Cut->Command()));
    EXPECT_EQ(Other->FindCommand(Cut->Command()), Cut);
    EXPECT_TRUE(IsMenu(Other->Handle()));

    // Freeing the menu frees its items and their handles.
    Menu->Free();
    EXPECT_FALSE(IsMenu(Bar));
    EXPECT_FALSE(IsMenu(FileMenu));
    EXPECT_EQ(Form->FindComponent("Open"), nullptr);
}

TEST_F(Menus, PopupMenusShowForTheirControls) {
    auto* Popup = new TPopupMenu(Form);
    Popup->SetName("Popup1");
    Popup->SetOnPopup(TNotifyEvent(&Log, &TEventLog::Popup));
    auto* Edit = new TEdit(Form);
    Edit->SetParent(Form);
    Edit->SetPopupMenu(Popup);
    Popup->SetPopupComponent(Edit);
    EXPECT_EQ(Popup->PopupPoint().x, -1);
    Popup->Popup(30, 40);
    EXPECT_EQ(Log.Events, (std::vector<String>{"popup Popup1"}));
    EXPECT_EQ(Popup->PopupPoint().x, 30);
    EXPECT_EQ(Popup->PopupPoint().y, 40);
    Edit->Free();
    EXPECT_EQ(Popup->PopupComponent(), nullptr);
    auto* Memo = new TMemo(Form);
    Memo->SetPopupMenu(Popup);
    Popup->Free();
    EXPECT_EQ(Memo->PopupMenu(), nullptr);
}
