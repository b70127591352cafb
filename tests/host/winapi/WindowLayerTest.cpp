#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {
using WindowLayerTest = TWinApiTest;
}

TEST_F(WindowLayerTest, ResetLeavesNothingBehind) {
    const HWND Wnd = Top("W", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HMENU Menu = CreateMenu();
    const LOGFONTA Lf;
    const HFONT Font = CreateFontIndirectA(&Lf);
    WNDCLASSA Class;
    Class.lpfnWndProc = DefWindowProcA;
    Class.lpszClassName = "Leftover";
    RegisterClassA(&Class);
    SetTimer(Wnd, 1, 10, nullptr);
    AdvanceClock(50);
    PostQuitMessage(0);
    EXPECT_EQ(WinExec("winhlp32.exe -k Index", SW_SHOWNORMAL), 33u);
    EXPECT_EQ(WinExec("", SW_SHOWNORMAL), 2u);
    ASSERT_EQ(WinExecLog().size(), 1u);
    EXPECT_EQ(WinExecLog()[0].CmdLine, "winhlp32.exe -k Index");

    ResetWindowLayer();
    EXPECT_FALSE(IsWindow(Wnd));
    EXPECT_FALSE(IsMenu(Menu));
    EXPECT_EQ(GetObjectA(Font, 0, nullptr), 0);
    WNDCLASSA Info;
    EXPECT_FALSE(GetClassInfoA(nullptr, "Leftover", &Info));
    EXPECT_TRUE(GetClassInfoA(nullptr, "button", &Info));
    EXPECT_EQ(GetTickCount(), 0u);
    EXPECT_EQ(ActiveTimerCount(), 0);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_TRUE(WinExecLog().empty());
    MSG Msg;
    EXPECT_FALSE(PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE));
}
