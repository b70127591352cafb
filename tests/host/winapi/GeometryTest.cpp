#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {
using GeometryTest = TWinApiTest;

RECT Rect(HWND Wnd) {
    RECT R{};
    GetWindowRect(Wnd, &R);
    return R;
}
} // namespace

TEST_F(GeometryTest, ScreenAndClientCoordinatesOfNestedWindows) {
    // Caption 19 + frame 4: the client area starts at (104, 73) on the screen.
    const HWND Main = Top("Main", WS_OVERLAPPEDWINDOW, 100, 50, 400, 300);
    const HWND Group = Child(Main, 1, 10, 20, 200, 100);
    const HWND Edit = Child(Group, 2, 5, 6, 50, 20);
    SetWindowLongPtrA(Group, GWL_EXSTYLE, WS_EX_CLIENTEDGE); // 2-pixel edge inside the group

    EXPECT_EQ(Rect(Main), (RECT{100, 50, 500, 350}));
    EXPECT_EQ(Rect(Group), (RECT{114, 93, 314, 193}));
    EXPECT_EQ(Rect(Edit), (RECT{121, 101, 171, 121}));
    RECT Client;
    GetClientRect(Main, &Client);
    EXPECT_EQ(Client, (RECT{0, 0, 392, 273}));
    RECT Adjusted = Client;
    AdjustWindowRectEx(&Adjusted, WS_OVERLAPPEDWINDOW, false, 0);
    EXPECT_EQ(Adjusted.right - Adjusted.left, 400);
    EXPECT_EQ(Adjusted.bottom - Adjusted.top, 300);

    // The corner of the edit in the main window's client coordinates is where it was placed.
    const RECT E = Rect(Edit);
    POINT Corner{E.left, E.top};
    ASSERT_TRUE(ScreenToClient(Group, &Corner));
    EXPECT_EQ(Corner, (POINT{5, 6}));
    ASSERT_TRUE(ClientToScreen(Group, &Corner));
    EXPECT_EQ(Corner, (POINT{E.left, E.top}));
    POINT P{0, 0};
    MapWindowPoints(Edit, Main, &P, 1);
    EXPECT_EQ(P, (POINT{17, 28}));
}

TEST_F(GeometryTest, MoveWindowSendsNewClientSize) {
    const HWND Dlg = Top("Dlg", WS_POPUP | WS_CAPTION, 0, 0, 300, 200);
    const HWND Button = Child(Dlg, 1, 10, 10, 75, 23);
    MessageLog().clear();

    ASSERT_TRUE(MoveWindow(Dlg, 20, 30, 360, 240, false));
    const auto Sizes = Received(Dlg, WM_SIZE);
    ASSERT_EQ(Sizes.size(), 1u);
    EXPECT_EQ(Sizes[0].WParam, SIZE_RESTORED);
    EXPECT_EQ(LOWORD(Sizes[0].LParam), 360 - 6);      // dialog frame 3 on each side
    EXPECT_EQ(HIWORD(Sizes[0].LParam), 240 - 6 - 19); // and the caption
    const auto Moves = Received(Dlg, WM_MOVE);
    ASSERT_EQ(Moves.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(Moves[0].LParam), 23);
    EXPECT_EQ(GET_Y_LPARAM(Moves[0].LParam), 30 + 3 + 19);

    // Moving without resizing sends WM_MOVE only; the same place sends neither.
    MessageLog().clear();
    MoveWindow(Button, 40, 50, 75, 23, true);
    EXPECT_EQ(Received(Button, WM_SIZE).size(), 0u);
    EXPECT_EQ(Received(Button, WM_MOVE).size(), 1u);
    MessageLog().clear();
    MoveWindow(Button, 40, 50, 75, 23, true);
    EXPECT_EQ(Received(Button, WM_SIZE).size() + Received(Button, WM_MOVE).size(), 0u);
    EXPECT_EQ(Received(Button, WM_WINDOWPOSCHANGED).size(), 1u);

    SetWindowPos(Button, nullptr, 0, 0, -5, 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Rect(Button).right - Rect(Button).left, 0); // negative sizes count as 0
}

TEST_F(GeometryTest, MenuBarAndMaximizeChangeTheClientArea) {
    const HWND Main = Top("Main", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300);
    RECT Client;
    GetClientRect(Main, &Client);
    const LONG Before = Client.bottom;
    MessageLog().clear();
    ASSERT_TRUE(SetMenu(Main, CreateMenu()));
    GetClientRect(Main, &Client);
    EXPECT_EQ(Client.bottom, Before - GetSystemMetrics(SM_CYMENU));
    ASSERT_EQ(Received(Main, WM_SIZE).size(), 1u);
    EXPECT_EQ(HIWORD(Received(Main, WM_SIZE)[0].LParam), Client.bottom);

    ShowWindow(Main, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(Main));
    GetClientRect(Main, &Client);
    EXPECT_EQ(Client.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Received(Main, WM_SIZE).back().WParam, SIZE_MAXIMIZED);
    ShowWindow(Main, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(Main));
    EXPECT_EQ(Rect(Main), (RECT{100, 100, 500, 400}));
    EXPECT_EQ(Received(Main, WM_SIZE).back().WParam, SIZE_RESTORED);
    ShowWindow(Main, SW_MINIMIZE);
    GetClientRect(Main, &Client);
    EXPECT_EQ(Client, RECT{});
    EXPECT_EQ(Received(Main, WM_SIZE).back().WParam, SIZE_MINIMIZED);
}

TEST_F(GeometryTest, VisibilityAndEnabling) {
    const HWND Main = Top("Main", WS_OVERLAPPEDWINDOW);
    const HWND Edit = Child(Main, 1);
    EXPECT_FALSE(IsWindowVisible(Edit)); // its parent is hidden
    EXPECT_FALSE(ShowWindow(Main, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(Edit));
    EXPECT_EQ(Received(Main, WM_SHOWWINDOW).size(), 1u);
    EXPECT_TRUE(ShowWindow(Main, SW_SHOW));
    EXPECT_EQ(Received(Main, WM_SHOWWINDOW).size(), 1u); // no change, no message

    SetFocus(Edit);
    EXPECT_EQ(GetFocus(), Edit);
    EXPECT_FALSE(EnableWindow(Edit, false));
    EXPECT_FALSE(IsWindowEnabled(Edit));
    EXPECT_EQ(GetFocus(), nullptr); // a disabled window loses the focus
    EXPECT_EQ(SetFocus(Edit), nullptr);
    EXPECT_TRUE(EnableWindow(Edit, true));
    EXPECT_EQ(Received(Edit, WM_ENABLE).size(), 2u);
}
