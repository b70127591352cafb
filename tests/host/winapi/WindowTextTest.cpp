#include "WinApiTestSupport.h"

#include <cstring>

using namespace host;
using namespace zt_test;

namespace {
using WindowTextTest = TWinApiTest;
}

TEST_F(WindowTextTest, TextMessagesTruncateToTheBuffer) {
    const HWND Button = Child(Top("Dlg", WS_POPUP), 1, 0, 0, 10, 10, WC_BUTTON, "Cancel");
    EXPECT_EQ(GetWindowTextLengthA(Button), 6);
    char Buffer[8];
    std::memset(Buffer, 'x', sizeof Buffer);
    EXPECT_EQ(SendMessageA(Button, WM_GETTEXT, 4, LPARAM(Buffer)), 3);
    EXPECT_STREQ(Buffer, "Can");
    EXPECT_EQ(Buffer[4], 'x'); // nothing written past the size given
    EXPECT_EQ(SendMessageA(Button, WM_GETTEXT, 0, LPARAM(Buffer)), 0);
    EXPECT_EQ(Buffer[0], 'C');
    EXPECT_EQ(GetWindowTextA(Button, Buffer, 1), 0);
    EXPECT_STREQ(Buffer, "");
    EXPECT_EQ(GetWindowTextA(Button, Buffer, sizeof Buffer), 6);
    EXPECT_STREQ(Buffer, "Cancel");

    EXPECT_TRUE(SendMessageA(Button, WM_SETTEXT, 0, LPARAM("Annuler la commande")));
    EXPECT_EQ(GetWindowTextA(Button, Buffer, sizeof Buffer), 7);
    EXPECT_STREQ(Buffer, "Annuler");
    EXPECT_TRUE(SetWindowTextA(Button, nullptr));
    EXPECT_EQ(GetWindowTextLengthA(Button), 0);
}

TEST_F(WindowTextTest, FontsAreKeptPerWindow) {
    const HWND Dlg = Top("Dlg", WS_POPUP);
    const HWND Edit = Child(Dlg, 1);
    EXPECT_EQ(SendMessageA(Edit, WM_GETFONT, 0, 0), 0); // the system font
    const HGDIOBJ Gui = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(Dlg, WM_SETFONT, WPARAM(Gui), MAKELPARAM(1, 0));
    EXPECT_EQ(HGDIOBJ(SendMessageA(Dlg, WM_GETFONT, 0, 0)), Gui);
    EXPECT_EQ(SendMessageA(Edit, WM_GETFONT, 0, 0), 0);
}
