#include "WinApiTestSupport.h"

#include "host/winapi/Gdi.h"

using namespace host;
using namespace zt_test;

namespace {

class PaintCycleTest : public TWinApiTest {
protected:
    // Retrieves and dispatches every message waiting, returning the windows painted in order.
    std::vector<HWND> PaintAll() {
        MessageLog().clear();
        MSG Msg;
        while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE) && Msg.message != WM_QUIT)
            DispatchMessageA(&Msg);
        std::vector<HWND> Painted;
        for (const TMsgRecord& R : Received(nullptr, WM_PAINT))
            Painted.push_back(R.Wnd);
        return Painted;
    }
};

bool Invalid(HWND Wnd) {
    RECT R;
    return GetUpdateRect(Wnd, &R, false) != 0;
}

} // namespace

TEST_F(PaintCycleTest, ShownWindowsPaintParentsFirstAndOnlyOnce) {
    const HWND Form = Top("Form", WS_OVERLAPPEDWINDOW);
    const HWND A = Child(Form, 1, 10, 10, 50, 20);
    const HWND B = Child(Form, 2, 10, 40, 50, 20);
    EXPECT_FALSE(Invalid(Form)); // hidden windows have nothing to paint
    ShowWindow(Form, SW_SHOW);
    ShowWindow(A, SW_SHOW);
    ShowWindow(B, SW_SHOW);
    EXPECT_EQ(PaintAll(), (std::vector<HWND>{Form, A, B}));
    // The frame was drawn too, and everything is valid afterwards.
    EXPECT_FALSE(Received(Form, WM_NCPAINT).empty());
    EXPECT_FALSE(Invalid(Form) || Invalid(A) || Invalid(B));
    EXPECT_TRUE(PaintAll().empty());
}

TEST_F(PaintCycleTest, UpdateRectanglesGrowAndReachCoveredChildren) {
    const HWND Form = Top("Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND A = Child(Form, 1, 10, 10, 50, 20);
    const HWND B = Child(Form, 2, 100, 100, 50, 20);
    ShowWindow(A, SW_SHOW);
    ShowWindow(B, SW_SHOW);
    PaintAll();

    const RECT Part{0, 0, 30, 15};
    InvalidateRect(Form, &Part, true);
    RECT U;
    ASSERT_TRUE(GetUpdateRect(Form, &U, false));
    EXPECT_EQ(U, Part);
    // A lies under the rectangle (its part in its own coordinates), B does not.
    ASSERT_TRUE(GetUpdateRect(A, &U, false));
    EXPECT_EQ(U, (RECT{0, 0, 20, 5}));
    EXPECT_FALSE(Invalid(B));
    const RECT More{20, 0, 40, 30};
    InvalidateRect(Form, &More, false);
    GetUpdateRect(Form, &U, false);
    EXPECT_EQ(U, (RECT{0, 0, 40, 30}));

    PAINTSTRUCT Ps;
    const HDC Dc = BeginPaint(Form, &Ps);
    ASSERT_NE(Dc, nullptr);
    EXPECT_EQ(Ps.rcPaint, (RECT{0, 0, 40, 30}));
    EXPECT_FALSE(Invalid(Form));
    EXPECT_EQ(WindowFromDC(Dc), Form);
    EXPECT_TRUE(EndPaint(Form, &Ps));
    EXPECT_EQ(WindowFromDC(Dc), nullptr);
}

TEST_F(PaintCycleTest, PaintComesAfterPostedMessagesAndBeforeTimers) {
    const HWND Form = Top("Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    PaintAll();
    SetTimer(Form, 1, 10, nullptr);
    AdvanceClock(10);
    InvalidateRect(Form, nullptr, true);
    PostMessageA(Form, WM_USER, 0, 0);
    MSG Msg;
    std::vector<UINT> Order;
    while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
        Order.push_back(Msg.message);
        DispatchMessageA(&Msg);
    }
    EXPECT_EQ(Order, (std::vector<UINT>{WM_USER, WM_PAINT, WM_TIMER}));
}

TEST_F(PaintCycleTest, OnlyChangedTextsAndMovedWindowsPaintAgain) {
    const HWND Form = Top("Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND A = Child(Form, 1, 10, 10, 50, 20, RecorderClass, "Same");
    const HWND B = Child(Form, 2, 10, 40, 50, 20, RecorderClass, "Old");
    ShowWindow(A, SW_SHOW);
    ShowWindow(B, SW_SHOW);
    PaintAll();
    SetWindowTextA(A, "Same");
    SetWindowTextA(B, "New");
    EXPECT_EQ(PaintAll(), std::vector<HWND>{B});
    // A moved child is painted at its new place, and its parent where it left.
    MoveWindow(A, 200, 10, 50, 20, true);
    EXPECT_EQ(PaintAll(), (std::vector<HWND>{Form, A}));
    // The caption belongs to the frame: only the frame is drawn again.
    SetWindowTextA(Form, "Renamed");
    EXPECT_EQ(PaintAll(), std::vector<HWND>{Form});
    EXPECT_FALSE(Received(Form, WM_NCPAINT).empty());
    EXPECT_TRUE(Received(Form, WM_ERASEBKGND).empty());
}

namespace {

LRESULT IgnoresPaint(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_PAINT) return 0;
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

} // namespace

TEST_F(PaintCycleTest, AProcedureThatDoesNotPaintDoesNotSpin) {
    WNDCLASSA C;
    C.lpfnWndProc = IgnoresPaint;
    C.lpszClassName = "Lazy";
    ASSERT_NE(RegisterClassA(&C), 0);
    const HWND Wnd = CreateWindowExA(0, "Lazy", "", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 100,
                                     nullptr, nullptr, nullptr, nullptr);
    MSG Msg;
    int Count = 0;
    while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE) && Count < 10) {
        DispatchMessageA(&Msg);
        ++Count;
    }
    EXPECT_EQ(Count, 1);
    EXPECT_FALSE(Invalid(Wnd));
}

TEST_F(PaintCycleTest, DeviceContextsKeepStateAndRejectUnknownHandles) {
    const HWND Form = Top("Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HDC Dc = GetDC(Form);
    ASSERT_NE(Dc, nullptr);
    EXPECT_EQ(SetTextColor(Dc, RGB(1, 2, 3)), GetSysColor(COLOR_WINDOWTEXT));
    const int Saved = SaveDC(Dc);
    SetTextColor(Dc, RGB(9, 9, 9));
    EXPECT_EQ(IntersectClipRect(Dc, 5, 5, 5, 5), 1); // empty
    EXPECT_TRUE(RestoreDC(Dc, Saved));
    EXPECT_EQ(GetTextColor(Dc), RGB(1, 2, 3));
    EXPECT_FALSE(RestoreDC(Dc, 5));
    const RECT R{0, 0, 10, 10};
    EXPECT_EQ(FillRect(Dc, &R, GetSysColorBrush(COLOR_BTNFACE)), 1);
    const HBRUSH Brush = CreateSolidBrush(RGB(1, 1, 1));
    EXPECT_EQ(FillRect(Dc, &R, Brush), 1);
    EXPECT_TRUE(DeleteObject(Brush));
    EXPECT_EQ(FillRect(Dc, &R, Brush), 0);
    RECT Measured{0, 0, 0, 0};
    EXPECT_GT(DrawTextA(Dc, "&Hello", -1, &Measured, DT_CALCRECT | DT_SINGLELINE), 0);
    EXPECT_GT(Measured.right, 0);
    EXPECT_EQ(ReleaseDC(Form, Dc), 1);
    EXPECT_EQ(ReleaseDC(Form, Dc), 0);
    EXPECT_EQ(SetTextColor(Dc, 0), 0xFFFFFFFFu);
}
