#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {

class MessageQueueTest : public TWinApiTest {
protected:
    void TearDown() override { SetIdleHandler(nullptr); }
};

} // namespace

TEST_F(MessageQueueTest, SendIsImmediatePostWaitsInOrder) {
    const HWND A = Top("A", WS_OVERLAPPED);
    const HWND B = Top("B", WS_OVERLAPPED);
    MessageLog().clear();

    EXPECT_TRUE(PostMessageA(A, WM_USER + 1, 1, 0));
    EXPECT_TRUE(PostMessageA(B, WM_USER + 2, 2, 0));
    EXPECT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_USER + 3, 3, 0));
    EXPECT_FALSE(PostThreadMessageA(GetCurrentThreadId() + 1, WM_USER, 0, 0));
    SendMessageA(B, WM_USER + 4, 4, 0);
    EXPECT_EQ(MessagesOf(nullptr), std::vector<UINT>{WM_USER + 4}); // posts not delivered yet
    EXPECT_EQ(QueuedMessageCount(), 3);

    PostQuitMessage(7); // retrieved only after the posted messages
    MSG Msg;
    std::vector<WPARAM> Order;
    while (GetMessageA(&Msg, nullptr, 0, 0) > 0) {
        Order.push_back(Msg.wParam);
        EXPECT_FALSE(TranslateMessage(&Msg));
        DispatchMessageA(&Msg);
    }
    EXPECT_EQ(Msg.message, WM_QUIT);
    EXPECT_EQ(Msg.wParam, 7u);
    EXPECT_EQ(Order, (std::vector<WPARAM>{1, 2, 3}));
    EXPECT_EQ(MessagesOf(nullptr), (std::vector<UINT>{WM_USER + 4, WM_USER + 1, WM_USER + 2}));
    EXPECT_EQ(GetMessageA(nullptr, nullptr, 0, 0), -1);
}

TEST_F(MessageQueueTest, PeekFiltersAndRemoves) {
    const HWND Parent = Top("P", WS_OVERLAPPED);
    const HWND Kid = Child(Parent, 1);
    const HWND Other = Top("O", WS_OVERLAPPED);
    PostMessageA(Other, WM_USER, 0, 0);
    PostMessageA(Kid, WM_COMMAND, 0, 0);
    PostMessageA(nullptr, WM_TIMER + 100, 0, 0);

    MSG Msg;
    // The window filter includes the window's children; NOREMOVE leaves the message there.
    ASSERT_TRUE(PeekMessageA(&Msg, Parent, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(Msg.hwnd, Kid);
    EXPECT_EQ(QueuedMessageCount(), 3);
    ASSERT_TRUE(PeekMessageA(&Msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(Msg.message, WM_TIMER + 100u);
    EXPECT_FALSE(PeekMessageA(&Msg, nullptr, WM_MOVE, WM_SIZE, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&Msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(Msg.hwnd, Other);
    EXPECT_EQ(QueuedMessageCount(), 1);

    // A destroyed window's messages leave the queue with it; posting to it fails.
    DestroyWindow(Parent);
    EXPECT_EQ(QueuedMessageCount(), 0);
    EXPECT_FALSE(PostMessageA(Kid, WM_USER, 0, 0));
    EXPECT_FALSE(PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, IdleHandlerFeedsTheLoopUntilItGivesUp) {
    const HWND Wnd = Top("W", WS_OVERLAPPED);
    MSG Msg;
    // Without a handler an empty queue ends the loop as if quit were posted.
    EXPECT_EQ(GetMessageA(&Msg, nullptr, 0, 0), 0);
    EXPECT_EQ(Msg.message, WM_QUIT);
    EXPECT_EQ(Msg.wParam, 0u);

    int Rounds = 0;
    SetIdleHandler([&] {
        if (++Rounds > 2) return false;
        PostMessageA(Wnd, WM_USER, WPARAM(Rounds), 0);
        return true;
    });
    std::vector<WPARAM> Seen;
    while (GetMessageA(&Msg, nullptr, 0, 0))
        Seen.push_back(Msg.wParam);
    EXPECT_EQ(Seen, (std::vector<WPARAM>{1, 2}));
    EXPECT_EQ(Rounds, 3);

    // PeekMessageA never runs the handler.
    Rounds = 0;
    EXPECT_FALSE(PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Rounds, 0);
}
