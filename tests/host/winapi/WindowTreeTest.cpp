#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {
using WindowTreeTest = TWinApiTest;
}

TEST_F(WindowTreeTest, ChildrenInCreationOrder) {
    const HWND Dlg = Top("Find", WS_POPUP | WS_CAPTION);
    const HWND Label = Child(Dlg, 0xFFFF, 0, 0, 10, 10, WC_STATIC, "Fi&nd what:");
    const HWND Edit = Child(Dlg, 1152, 0, 0, 10, 10, WC_EDIT);
    const HWND Ok = Child(Dlg, 1, 0, 0, 10, 10, WC_BUTTON, "&Find Next");
    const HWND Inner = Child(Edit, 7);

    EXPECT_EQ(GetWindow(Dlg, GW_CHILD), Label);
    EXPECT_EQ(GetWindow(Label, GW_HWNDNEXT), Edit);
    EXPECT_EQ(GetWindow(Edit, GW_HWNDNEXT), Ok);
    EXPECT_EQ(GetWindow(Ok, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(Ok, GW_HWNDPREV), Edit);
    EXPECT_EQ(GetWindow(Edit, GW_HWNDFIRST), Label);
    EXPECT_EQ(GetWindow(Label, GW_HWNDLAST), Ok);
    EXPECT_EQ(GetWindow(Ok, GW_CHILD), nullptr);
    EXPECT_EQ(GetWindow(Ok, 99), nullptr);

    EXPECT_EQ(GetDlgItem(Dlg, 1152), Edit);
    EXPECT_EQ(GetDlgItem(Dlg, 0xFFFF), Label);
    EXPECT_EQ(GetDlgCtrlID(Label), 0xFFFF);
    EXPECT_EQ(GetDlgItem(Dlg, 7), nullptr); // grandchildren are not dialog items
    EXPECT_EQ(GetDlgItem(Edit, 7), Inner);
    EXPECT_EQ(GetDlgCtrlID(Dlg), 0);
    EXPECT_TRUE(SetDlgItemTextA(Dlg, 1, "&Replace"));
    char Buffer[8];
    EXPECT_EQ(GetDlgItemTextA(Dlg, 1, Buffer, sizeof Buffer), 7u);
    EXPECT_STREQ(Buffer, "&Replac");
    EXPECT_EQ(GetDlgItemTextA(Dlg, 42, Buffer, sizeof Buffer), 0u);
    EXPECT_STREQ(Buffer, "");

    EXPECT_TRUE(IsChild(Dlg, Inner));
    EXPECT_FALSE(IsChild(Inner, Dlg));
    EXPECT_EQ(GetAncestor(Inner, GA_ROOT), Dlg);
    EXPECT_EQ(GetAncestor(Inner, GA_PARENT), Edit);
}

TEST_F(WindowTreeTest, ParentsOwnersAndReparenting) {
    const HWND Main = Top("Main", WS_OVERLAPPEDWINDOW);
    const HWND Panel = Child(Main, 5);
    // An owner given as a child is replaced by its top-level window.
    const HWND Popup = Top("Popup", WS_POPUP, 0, 0, 10, 10, Panel);
    const HWND Tool = Top("Tool", WS_OVERLAPPED, 0, 0, 10, 10, Main);

    EXPECT_EQ(GetParent(Panel), Main);
    EXPECT_EQ(GetParent(Popup), Main); // the owner, because it is WS_POPUP
    EXPECT_EQ(GetParent(Tool), nullptr);
    EXPECT_EQ(GetWindow(Tool, GW_OWNER), Main);
    EXPECT_EQ(GetAncestor(Popup, GA_ROOTOWNER), Main);
    EXPECT_EQ(GetParent(Main), nullptr);

    const HWND Button = Child(Main, 6);
    EXPECT_EQ(SetParent(Button, Panel), Main);
    EXPECT_EQ(GetParent(Button), Panel);
    EXPECT_EQ(GetWindow(Panel, GW_CHILD), Button);
    EXPECT_EQ(GetWindow(Panel, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(SetParent(Main, Button), nullptr); // a window cannot move under its own child
    EXPECT_EQ(SetParent(Panel, Panel), nullptr);
}
