#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {

using TimersTest = TWinApiTest;
std::vector<UINT_PTR> ProcCalls;

void RecordTimer(HWND, UINT Msg, UINT_PTR Id, DWORD) {
    if (Msg == WM_TIMER) ProcCalls.push_back(Id);
}

// Runs the queue dry and returns the WM_TIMER identifiers dispatched.
std::vector<UINT_PTR> Pump() {
    std::vector<UINT_PTR> Ids;
    MSG Msg;
    while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
        if (Msg.message == WM_TIMER) Ids.push_back(Msg.wParam);
        DispatchMessageA(&Msg);
    }
    return Ids;
}

} // namespace

TEST_F(TimersTest, TimersFireWhenTheClockPassesThem) {
    const HWND Splash = Top("Splash", WS_POPUP);
    EXPECT_EQ(SetTimer(Splash, 1, 2000, nullptr), 1u);
    EXPECT_EQ(SetTimer(Splash, 2, 500, nullptr), 2u);
    AdvanceClock(1999);
    EXPECT_EQ(GetTickCount(), 1999u);
    // Timer 2 ran out 3 times; the expiries coalesce into one message.
    EXPECT_EQ(Pump(), std::vector<UINT_PTR>{2});
    AdvanceClock(1);
    PostMessageA(Splash, WM_USER, 0, 0);
    MSG Msg;
    ASSERT_TRUE(PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.message, WM_USER);                  // posted messages come before timers
    EXPECT_EQ(Pump(), (std::vector<UINT_PTR>{1, 2})); // due together: in creation order
    EXPECT_EQ(Received(Splash, WM_TIMER).size(), 3u);

    // Restarting resets the period; killing stops it.
    AdvanceClock(400);
    SetTimer(Splash, 2, 10, nullptr);
    EXPECT_TRUE(Pump().empty());
    AdvanceClock(10);
    EXPECT_TRUE(KillTimer(Splash, 1));
    EXPECT_FALSE(KillTimer(Splash, 1));
    AdvanceClock(5000);
    EXPECT_EQ(Pump(), std::vector<UINT_PTR>{2});
    DestroyWindow(Splash);
    EXPECT_EQ(ActiveTimerCount(), 0);
    EXPECT_EQ(SetTimer(Splash, 1, 10, nullptr), 0u);
}

TEST_F(TimersTest, TimerProceduresAndThreadTimers) {
    ProcCalls.clear();
    const HWND Wnd = Top("W", WS_POPUP);
    SetTimer(Wnd, 7, 100, RecordTimer);
    const UINT_PTR Thread = SetTimer(nullptr, 0, 1, RecordTimer); // clamped to 10 ms
    ASSERT_NE(Thread, 0u);
    EXPECT_NE(SetTimer(nullptr, 0, 50, nullptr), Thread);
    AdvanceClock(10);
    Pump();
    EXPECT_EQ(ProcCalls, std::vector<UINT_PTR>{Thread});
    AdvanceClock(90);
    Pump();
    EXPECT_EQ(ProcCalls.size(), 3u); // thread timer again and timer 7, through the procedure
    EXPECT_TRUE(Received(Wnd, WM_TIMER).empty());

    // A forged WM_TIMER naming a procedure that no timer uses calls nothing.
    MSG Forged;
    Forged.hwnd = Wnd;
    Forged.message = WM_TIMER;
    Forged.wParam = 99;
    Forged.lParam = LPARAM(&RecordTimer);
    DispatchMessageA(&Forged);
    EXPECT_EQ(ProcCalls.size(), 3u);
}
