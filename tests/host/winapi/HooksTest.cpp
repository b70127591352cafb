#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {

struct THookCall {
    std::string Hook;
    int Code;
    WPARAM WParam;
    HWND Previous; // HCBT_ACTIVATE: the window still active
};

std::vector<THookCall> HookCalls;
HHOOK FirstHook = nullptr;
HHOOK SecondHook = nullptr;
int VetoCode = -1;
bool UnhookSelf = false;

LRESULT FirstProc(int Code, WPARAM WParam, LPARAM LParam) {
    HWND Previous = nullptr;
    if (Code == HCBT_ACTIVATE) Previous = reinterpret_cast<CBTACTIVATESTRUCT*>(LParam)->hWndActive;
    HookCalls.push_back({"first", Code, WParam, Previous});
    if (Code == VetoCode) return 1;
    return CallNextHookEx(FirstHook, Code, WParam, LParam);
}

LRESULT SecondProc(int Code, WPARAM WParam, LPARAM LParam) {
    HookCalls.push_back({"second", Code, WParam, nullptr});
    if (UnhookSelf) UnhookWindowsHookEx(SecondHook);
    // A null handle continues after the running hook.
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

// Translates the OK button of a window as it is activated, the way a caption translator does.
LRESULT TranslateOnActivate(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == HCBT_ACTIVATE) {
        const HWND Ok = GetDlgItem(reinterpret_cast<HWND>(WParam), 1);
        char Text[16];
        if (Ok && GetWindowTextA(Ok, Text, sizeof Text) && std::string(Text) == "OK")
            SendMessageA(Ok, WM_SETTEXT, 0, LPARAM("D'acord"));
    }
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

class HooksTest : public TWinApiTest {
protected:
    HooksTest() {
        HookCalls.clear();
        FirstHook = SecondHook = nullptr;
        VetoCode = -1;
        UnhookSelf = false;
    }
};

} // namespace

TEST_F(HooksTest, ActivationAsksTheHookFirst) {
    const HWND A = Top("A", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND B = Top("B", WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetActiveWindow(), A);
    FirstHook = SetWindowsHookExA(WH_CBT, FirstProc, HInstance(), GetCurrentThreadId());
    ASSERT_TRUE(FirstHook);
    MessageLog().clear();

    EXPECT_EQ(SetActiveWindow(B), A);
    ASSERT_EQ(HookCalls.size(), 1u);
    EXPECT_EQ(HookCalls[0].Code, HCBT_ACTIVATE);
    EXPECT_EQ(HookCalls[0].WParam, WPARAM(B));
    EXPECT_EQ(HookCalls[0].Previous, A);
    const auto Activations = Received(nullptr, WM_ACTIVATE);
    ASSERT_EQ(Activations.size(), 2u);
    EXPECT_EQ(Activations[0].Wnd, A);
    EXPECT_EQ(LOWORD(Activations[0].WParam), WA_INACTIVE);
    EXPECT_EQ(Activations[0].LParam, LPARAM(B));
    EXPECT_EQ(Activations[1].Wnd, B);
    EXPECT_EQ(LOWORD(Activations[1].WParam), WA_ACTIVE);
    EXPECT_EQ(Activations[1].LParam, LPARAM(A));
    EXPECT_EQ(GetForegroundWindow(), B);
    EXPECT_EQ(GetFocus(), B);
    EXPECT_EQ(GetWindow(A, GW_HWNDFIRST), B); // the active window is on top

    // A vetoing hook leaves everything as it was and sends nothing.
    VetoCode = HCBT_ACTIVATE;
    MessageLog().clear();
    EXPECT_EQ(SetActiveWindow(A), nullptr);
    EXPECT_EQ(GetActiveWindow(), B);
    EXPECT_TRUE(Received(nullptr, WM_ACTIVATE).empty());
    EXPECT_EQ(SetActiveWindow(Child(A, 1)), B); // child windows are not activated
}

TEST_F(HooksTest, ChainRunsNewestFirstAndUnhooks) {
    FirstHook = SetWindowsHookExA(WH_CBT, FirstProc, nullptr, 0);
    SecondHook = SetWindowsHookExA(WH_CBT, SecondProc, nullptr, 0);
    const HWND Wnd = Top("W", WS_OVERLAPPED);
    ASSERT_GE(HookCalls.size(), 2u);
    EXPECT_EQ(HookCalls[0].Hook, "second");
    EXPECT_EQ(HookCalls[1].Hook, "first");
    EXPECT_EQ(HookCalls[0].Code, HCBT_CREATEWND);
    EXPECT_EQ(HookCalls[0].WParam, WPARAM(Wnd));

    // A hook that removes itself while it runs still passes the call on, then is gone.
    HookCalls.clear();
    UnhookSelf = true;
    CallHookChain(WH_CBT, HCBT_QS, 0, 0);
    EXPECT_EQ(HookCalls.size(), 2u);
    HookCalls.clear();
    CallHookChain(WH_CBT, HCBT_QS, 0, 0);
    ASSERT_EQ(HookCalls.size(), 1u);
    EXPECT_EQ(HookCalls[0].Hook, "first");
    EXPECT_FALSE(UnhookWindowsHookEx(SecondHook));
    EXPECT_TRUE(UnhookWindowsHookEx(FirstHook));
    EXPECT_EQ(CallHookChain(WH_CBT, HCBT_QS, 0, 0), 0);
    EXPECT_EQ(CallNextHookEx(FirstHook, HCBT_QS, 0, 0), 0);

    EXPECT_FALSE(SetWindowsHookExA(WH_CBT, nullptr, nullptr, 0));
    EXPECT_FALSE(SetWindowsHookExA(99, FirstProc, nullptr, 0));
    EXPECT_FALSE(SetWindowsHookExA(WH_CBT, FirstProc, nullptr, GetCurrentThreadId() + 1));
}

TEST_F(HooksTest, CreationAndDestructionCanBeVetoed) {
    FirstHook = SetWindowsHookExA(WH_CBT, FirstProc, nullptr, 0);
    VetoCode = HCBT_CREATEWND;
    EXPECT_EQ(Top("No", WS_OVERLAPPED), nullptr);
    EXPECT_TRUE(Received(nullptr, WM_CREATE).empty());

    VetoCode = HCBT_DESTROYWND;
    const HWND Wnd = Top("Yes", WS_OVERLAPPED);
    ASSERT_TRUE(Wnd);
    EXPECT_FALSE(DestroyWindow(Wnd));
    EXPECT_TRUE(IsWindow(Wnd));
    VetoCode = -1;
    EXPECT_TRUE(DestroyWindow(Wnd));
    EXPECT_EQ(HookCalls.back().Code, HCBT_DESTROYWND);
}

TEST_F(HooksTest, HookTranslatesButtonsOfTheActivatedWindow) {
    FirstHook = SetWindowsHookExA(WH_CBT, TranslateOnActivate, HInstance(), GetCurrentThreadId());
    const HWND Dlg = Top("Confirm", WS_POPUP | WS_CAPTION);
    const HWND Ok = Child(Dlg, 1, 0, 0, 75, 23, WC_BUTTON, "OK");
    const HWND Amp = Child(Dlg, 2, 0, 0, 75, 23, WC_BUTTON, "&OK");
    EXPECT_EQ(Text(Ok), "OK"); // nothing happens before activation
    ShowWindow(Dlg, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), Dlg);
    EXPECT_EQ(Text(Ok), "D'acord");
    EXPECT_EQ(Text(Amp), "&OK");
}
