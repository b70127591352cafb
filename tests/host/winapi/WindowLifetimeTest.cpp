#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {

using WindowLifetimeTest = TWinApiTest;

LRESULT RefuseCreate(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    MessageLog().push_back({Wnd, Msg, WParam, LParam});
    return Msg == WM_CREATE ? -1 : DefWindowProcA(Wnd, Msg, WParam, LParam);
}

} // namespace

TEST_F(WindowLifetimeTest, CreationSendsItsMessagesInOrder) {
    const HWND Wnd = Top("Caption", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(Wnd);
    const std::vector<UINT> All = MessagesOf(Wnd);
    ASSERT_GE(All.size(), 5u);
    EXPECT_EQ(std::vector<UINT>(All.begin(), All.begin() + 5),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
    EXPECT_EQ(Text(Wnd), "Caption");
    EXPECT_EQ(GetActiveWindow(), Wnd); // a visible top-level window is activated
    const auto* Cs = reinterpret_cast<const CREATESTRUCTA*>(Received(Wnd, WM_CREATE)[0].LParam);
    EXPECT_NE(Cs, nullptr);

    // Default placement for CW_USEDEFAULT: three quarters of the screen.
    const HWND Def = Top("", WS_OVERLAPPED, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0);
    RECT R;
    GetWindowRect(Def, &R);
    EXPECT_EQ(R, (RECT{0, 0, 768, 576}));

    WNDCLASSA Class;
    Class.lpfnWndProc = RefuseCreate;
    Class.lpszClassName = "Refuser";
    RegisterClassA(&Class);
    MessageLog().clear();
    EXPECT_EQ(
        CreateWindowExA(0, "Refuser", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(MessagesOf(nullptr), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_NCDESTROY}));
    EXPECT_EQ(CreateWindowExA(0, RecorderClass, "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
}

TEST_F(WindowLifetimeTest, DestroyTakesChildrenAndOwnedWindows) {
    const HWND Main = Top("Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND Panel = Child(Main, 1);
    const HWND Button = Child(Panel, 2);
    const HWND Dialog = Top("Dialog", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, Main);
    const HWND Other = Top("Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetActiveWindow(Dialog);
    SetTimer(Button, 1, 100, nullptr);
    PostMessageA(Panel, WM_USER, 0, 0);
    MessageLog().clear();

    ASSERT_TRUE(DestroyWindow(Main));
    for (HWND Gone : {Main, Panel, Button, Dialog})
        EXPECT_FALSE(IsWindow(Gone));
    std::vector<std::pair<HWND, UINT>> Order;
    for (const TMsgRecord& R : MessageLog())
        if (R.Msg == WM_DESTROY || R.Msg == WM_NCDESTROY) Order.emplace_back(R.Wnd, R.Msg);
    // The owned dialog goes first; WM_DESTROY runs parent first, WM_NCDESTROY children first.
    EXPECT_EQ(Order, (std::vector<std::pair<HWND, UINT>>{{Dialog, WM_DESTROY},
                                                         {Dialog, WM_NCDESTROY},
                                                         {Main, WM_DESTROY},
                                                         {Panel, WM_DESTROY},
                                                         {Button, WM_DESTROY},
                                                         {Button, WM_NCDESTROY},
                                                         {Panel, WM_NCDESTROY},
                                                         {Main, WM_NCDESTROY}}));
    EXPECT_EQ(GetActiveWindow(), Other); // activation moved on before the windows went
    EXPECT_EQ(ActiveTimerCount(), 0);
    EXPECT_EQ(QueuedMessageCount(), 0);
    EXPECT_FALSE(DestroyWindow(Main));
    EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));

    // WM_CLOSE's default processing destroys the window.
    SendMessageA(Other, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(Other));
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowLifetimeTest, InvalidHandlesAreHarmless) {
    const HWND Gone = Top("Gone", WS_OVERLAPPED);
    DestroyWindow(Gone);
    const HWND Bogus = reinterpret_cast<HWND>(0x1234);
    char Buffer[4] = {'x', 'x', 'x', 'x'};
    RECT R{1, 2, 3, 4};
    POINT P{5, 6};
    for (HWND Wnd : {Gone, Bogus, static_cast<HWND>(nullptr)}) {
        EXPECT_EQ(SendMessageA(Wnd, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_EQ(GetWindowTextA(Wnd, Buffer, sizeof Buffer), 0);
        EXPECT_EQ(Buffer[0], '\0');
        EXPECT_EQ(Buffer[1], 'x');
        EXPECT_FALSE(SetWindowTextA(Wnd, "x"));
        EXPECT_EQ(GetWindowLongPtrA(Wnd, GWL_WNDPROC), 0);
        EXPECT_EQ(SetWindowLongPtrA(Wnd, GWL_WNDPROC, 0), 0);
        EXPECT_FALSE(GetWindowRect(Wnd, &R));
        EXPECT_FALSE(ScreenToClient(Wnd, &P));
        EXPECT_FALSE(MoveWindow(Wnd, 0, 0, 1, 1, true));
        EXPECT_FALSE(ShowWindow(Wnd, SW_SHOW));
        EXPECT_FALSE(DestroyWindow(Wnd));
        EXPECT_EQ(GetWindow(Wnd, GW_CHILD), nullptr);
        EXPECT_EQ(GetDlgItem(Wnd, 1), nullptr);
        EXPECT_EQ(GetSystemMenu(Wnd, false), nullptr);
        EXPECT_EQ(SetTimer(Wnd, 1, 10, nullptr), Wnd ? 0u : 1u);
        EXPECT_EQ(SetFocus(Wnd), nullptr);
        EXPECT_EQ(GetClassNameA(Wnd, Buffer, sizeof Buffer), 0);
    }
    EXPECT_EQ(R, (RECT{1, 2, 3, 4}));
    EXPECT_EQ(P, (POINT{5, 6}));
    const HMENU BadMenu = reinterpret_cast<HMENU>(Bogus);
    EXPECT_EQ(GetMenuStringA(BadMenu, 0, Buffer, sizeof Buffer, MF_BYPOSITION), 0);
    EXPECT_FALSE(ModifyMenuA(BadMenu, 0, MF_BYPOSITION, 0, "x"));
    EXPECT_FALSE(AppendMenuA(BadMenu, MF_STRING, 1, "x"));
    EXPECT_FALSE(UnhookWindowsHookEx(reinterpret_cast<HHOOK>(Bogus)));
    EXPECT_EQ(GetObjectA(Bogus, sizeof Buffer, Buffer), 0);
    EXPECT_FALSE(DeleteObject(Bogus));
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
}
