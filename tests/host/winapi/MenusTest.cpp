#include "WinApiTestSupport.h"

#include <cstring>

using namespace host;
using namespace zt_test;

namespace {

using MenusTest = TWinApiTest;

std::string MenuText(HMENU Menu, UINT Item, UINT Flags) {
    char Buffer[256];
    GetMenuStringA(Menu, Item, Buffer, sizeof Buffer, Flags);
    return Buffer;
}

} // namespace

TEST_F(MenusTest, ItemsByCommandAndByPosition) {
    const HMENU Bar = CreateMenu();
    const HMENU File = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(File, MF_STRING, 101, "&Open..."));
    ASSERT_TRUE(AppendMenuA(File, MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(AppendMenuA(File, MF_STRING | MF_GRAYED, 102, "E&xit"));
    ASSERT_TRUE(AppendMenuA(Bar, MF_POPUP, UINT_PTR(File), "&File"));
    ASSERT_TRUE(InsertMenuA(File, 102, MF_BYCOMMAND | MF_STRING, 103, "&Save"));
    ASSERT_TRUE(InsertMenuA(File, UINT(-1), MF_BYPOSITION | MF_STRING, 104, "&About"));
    EXPECT_FALSE(AppendMenuA(Bar, MF_POPUP, 12345, "&Bad")); // not a menu

    EXPECT_EQ(GetMenuItemCount(File), 5);
    EXPECT_EQ(GetMenuItemID(File, 2), 103u);
    EXPECT_EQ(GetMenuItemID(Bar, 0), 0xFFFFFFFFu); // a sub-menu item has no command
    EXPECT_EQ(GetSubMenu(Bar, 0), File);
    EXPECT_EQ(GetSubMenu(File, 0), nullptr);
    // Commands are found in sub-menus too; positions only in the menu itself.
    EXPECT_EQ(MenuText(Bar, 102, MF_BYCOMMAND), "E&xit");
    EXPECT_EQ(MenuText(Bar, 0, MF_BYPOSITION), "&File");
    EXPECT_EQ(MenuText(File, 1, MF_BYPOSITION), "");
    EXPECT_EQ(GetMenuState(Bar, 102, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(GetMenuState(File, 1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(Bar, 0, MF_BYPOSITION), (5u << 8) | MF_POPUP);
    EXPECT_EQ(GetMenuState(Bar, 999, MF_BYCOMMAND), 0xFFFFFFFFu);

    EXPECT_EQ(CheckMenuItem(Bar, 101, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(CheckMenuItem(Bar, 101, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(EnableMenuItem(Bar, 102, MF_BYCOMMAND | MF_ENABLED), BOOL(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(Bar, 999, MF_BYCOMMAND), -1);

    ASSERT_TRUE(ModifyMenuA(Bar, 103, MF_BYCOMMAND | MF_STRING, 105, "Save &As"));
    EXPECT_EQ(MenuText(File, 2, MF_BYPOSITION), "Save &As");
    EXPECT_EQ(GetMenuItemID(File, 2), 105u);
    EXPECT_FALSE(ModifyMenuA(Bar, 103, MF_BYCOMMAND | MF_STRING, 103, "gone"));
    ASSERT_TRUE(DeleteMenu(File, 0, MF_BYPOSITION));
    ASSERT_TRUE(RemoveMenu(Bar, 105, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(File), 3);
}

TEST_F(MenusTest, GetMenuStringCopiesAtMostTheBuffer) {
    const HMENU Menu = CreatePopupMenu();
    AppendMenuA(Menu, MF_STRING, 7, "&Close\tAlt+F4");
    char Buffer[8];
    std::memset(Buffer, 'x', sizeof Buffer);
    EXPECT_EQ(GetMenuStringA(Menu, 7, Buffer, 6, MF_BYCOMMAND), 5);
    EXPECT_STREQ(Buffer, "&Clos");
    EXPECT_EQ(Buffer[6], 'x');
    EXPECT_EQ(GetMenuStringA(Menu, 7, nullptr, 0, MF_BYCOMMAND), 13); // the length
    EXPECT_EQ(GetMenuStringA(Menu, 8, Buffer, sizeof Buffer, MF_BYCOMMAND), 0);
    EXPECT_STREQ(Buffer, "");
    EXPECT_EQ(GetMenuStringA(Menu, 1, Buffer, sizeof Buffer, MF_BYPOSITION), 0);
}

TEST_F(MenusTest, DestroyingAMenuDestroysItsSubMenus) {
    const HMENU Bar = CreateMenu();
    const HMENU Edit = CreatePopupMenu();
    const HMENU Deep = CreatePopupMenu();
    AppendMenuA(Edit, MF_POPUP, UINT_PTR(Deep), "&More");
    AppendMenuA(Bar, MF_POPUP, UINT_PTR(Edit), "&Edit");
    const HMENU Help = CreatePopupMenu();
    AppendMenuA(Bar, MF_POPUP, UINT_PTR(Help), "&Help");
    // Replacing the item that opened Help destroys Help.
    ASSERT_TRUE(ModifyMenuA(Bar, 1, MF_BYPOSITION | MF_STRING, 9, "&Window"));
    EXPECT_FALSE(IsMenu(Help));
    ASSERT_TRUE(DestroyMenu(Bar));
    EXPECT_FALSE(IsMenu(Edit));
    EXPECT_FALSE(IsMenu(Deep));
    EXPECT_FALSE(DestroyMenu(Bar));
    EXPECT_EQ(GetMenuItemCount(Bar), -1);
}

TEST_F(MenusTest, SystemMenuHasTheStandardEntries) {
    const HWND Main = Top("Main", WS_OVERLAPPEDWINDOW);
    const HMENU Sys = GetSystemMenu(Main, false);
    ASSERT_TRUE(Sys);
    EXPECT_EQ(GetSystemMenu(Main, false), Sys); // one copy per window
    const std::vector<std::pair<UINT, std::string>> Expected = {
        {SC_RESTORE, "&Restore"},    {SC_MOVE, "&Move"},         {SC_SIZE, "&Size"},
        {SC_MINIMIZE, "Mi&nimize"},  {SC_MAXIMIZE, "Ma&ximize"}, {0, ""},
        {SC_CLOSE, "&Close\tAlt+F4"}};
    ASSERT_EQ(GetMenuItemCount(Sys), int(Expected.size()));
    for (size_t I = 0; I < Expected.size(); ++I) {
        EXPECT_EQ(GetMenuItemID(Sys, int(I)), Expected[I].first) << I;
        EXPECT_EQ(MenuText(Sys, UINT(I), MF_BYPOSITION), Expected[I].second) << I;
    }

    // Translating by command keeps the identifier; reverting brings the English back.
    ASSERT_TRUE(ModifyMenuA(Sys, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, "&Schließen"));
    EXPECT_EQ(MenuText(GetSystemMenu(Main, false), SC_CLOSE, MF_BYCOMMAND), "&Schließen");
    EXPECT_EQ(GetSystemMenu(Main, true), nullptr);
    EXPECT_FALSE(IsMenu(Sys));
    EXPECT_EQ(MenuText(GetSystemMenu(Main, false), SC_CLOSE, MF_BYCOMMAND), "&Close\tAlt+F4");

    EXPECT_EQ(GetSystemMenu(Child(Main, 1), false), nullptr); // controls have none
    const HMENU Last = GetSystemMenu(Main, false);
    DestroyWindow(Main);
    EXPECT_FALSE(IsMenu(Last));
}
