// Sending, posting and retrieving messages on the UI thread's queue.
#include "host/winapi/Messages.h"
#include "host/winapi/Process.h"
#include "host/winapi/Timers.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <chrono>
#include <deque>

namespace host {

namespace {

struct TQueue {
    std::deque<MSG> Posted;
    bool QuitPosted = false;
    int QuitCode = 0;
    TIdleHandler Idle;
};

TQueue& Queue() {
    static TQueue Q;
    return Q;
}

const HWND ThreadMessagesOnly = reinterpret_cast<HWND>(-1);

MSG QuitMessage(int Code) {
    MSG M;
    M.message = WM_QUIT;
    M.wParam = WPARAM(Code);
    M.time = GetTickCount();
    return M;
}

void Post(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    MSG M;
    M.hwnd = Wnd;
    M.message = Msg;
    M.wParam = WParam;
    M.lParam = LParam;
    M.time = GetTickCount();
    Queue().Posted.push_back(M);
}

bool Peek(MSG& Msg, HWND Wnd, UINT FilterMin, UINT FilterMax, bool Remove) {
    CurrentPlatform().PumpInput();
    auto& Q = Queue();
    const auto It = std::find_if(Q.Posted.begin(), Q.Posted.end(), [&](const MSG& M) {
        return detail::MessageMatches(M.hwnd, M.message, Wnd, FilterMin, FilterMax);
    });
    if (It != Q.Posted.end()) {
        Msg = *It;
        if (Remove) {
            Q.Posted.erase(It);
            detail::KeyMessageRetrieved(Msg);
        }
        return true;
    }
    if (Q.QuitPosted) {
        Msg = QuitMessage(Q.QuitCode);
        if (Remove) Q.QuitPosted = false;
        return true;
    }
    if (auto Paint = detail::TakePaintMessage(Wnd, FilterMin, FilterMax)) {
        Msg = *Paint;
        return true;
    }
    if (auto Timer = detail::TakeDueTimer(Wnd, FilterMin, FilterMax, Remove)) {
        Msg = *Timer;
        return true;
    }
    return false;
}

bool WaitForInputOrTimer() {
    TPlatform& Platform = CurrentPlatform();
    if (!Platform.RealTime()) return false;
    const int Next = detail::MillisecondsToNextTimer();
    const auto Start = std::chrono::steady_clock::now();
    if (!Platform.WaitForInput(Next)) return false;
    const auto Elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - Start);
    if (Elapsed.count() > 0) AdvanceClock(DWORD(Elapsed.count()));
    return true;
}

} // namespace

namespace detail {

bool MessageMatches(HWND MsgWnd, UINT Msg, HWND Filter, UINT FilterMin, UINT FilterMax) {
    if (Filter == ThreadMessagesOnly) {
        if (MsgWnd) return false;
    } else if (Filter && MsgWnd != Filter && !IsChild(Filter, MsgWnd)) {
        return false;
    }
    return (FilterMin == 0 && FilterMax == 0) || (Msg >= FilterMin && Msg <= FilterMax);
}

void PurgeWindowMessages(HWND Wnd) {
    auto& Posted = Queue().Posted;
    Posted.erase(
        std::remove_if(Posted.begin(), Posted.end(), [Wnd](const MSG& M) { return M.hwnd == Wnd; }),
        Posted.end());
}

void ResetMessageQueue() {
    Queue() = TQueue{};
}

} // namespace detail

LRESULT SendMessageA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    const detail::TWindowRec* W = detail::FindWindowRec(Wnd);
    if (!W || !W->Proc) return 0;
    return W->Proc(Wnd, Msg, WParam, LParam);
}

BOOL PostMessageA(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Wnd && !IsWindow(Wnd)) return false;
    Post(Wnd, Msg, WParam, LParam);
    return true;
}

BOOL PostThreadMessageA(DWORD ThreadId, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (ThreadId != GetCurrentThreadId()) return false;
    Post(nullptr, Msg, WParam, LParam);
    return true;
}

void PostQuitMessage(int ExitCode) {
    Queue().QuitPosted = true;
    Queue().QuitCode = ExitCode;
}

BOOL GetMessageA(MSG* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax) {
    if (!Msg) return -1;
    while (!Peek(*Msg, Wnd, FilterMin, FilterMax, true)) {
        // A copy, because the handler may replace itself.
        const TIdleHandler Idle = Queue().Idle;
        if (Idle && Idle()) continue;
        // With a display the loop waits for the person or the next timer, on real time.
        if (!WaitForInputOrTimer()) {
            *Msg = QuitMessage(0);
            return 0;
        }
    }
    return Msg->message == WM_QUIT ? 0 : 1;
}

BOOL PeekMessageA(MSG* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax, UINT RemoveMsg) {
    MSG Found;
    if (!Peek(Found, Wnd, FilterMin, FilterMax, (RemoveMsg & PM_REMOVE) != 0)) return false;
    if (Msg) *Msg = Found;
    return true;
}

LRESULT DispatchMessageA(const MSG* Msg) {
    if (!Msg) return 0;
    if (Msg->message == WM_TIMER && Msg->lParam) {
        // Only procedures of running timers are called: lParam could be anything.
        const auto Proc = reinterpret_cast<TIMERPROC>(Msg->lParam);
        if (detail::IsTimerProc(Msg->hwnd, Msg->wParam, Proc))
            Proc(Msg->hwnd, WM_TIMER, Msg->wParam, GetTickCount());
        return 0;
    }
    if (Msg->message == WM_PAINT) {
        const LRESULT Result = SendMessageA(Msg->hwnd, WM_PAINT, Msg->wParam, Msg->lParam);
        // A procedure that never calls BeginPaint would get WM_PAINT for ever.
        if (detail::TWindowRec* W = detail::FindWindowRec(Msg->hwnd)) {
            W->Update = {};
            W->FrameInvalid = false;
        }
        return Result;
    }
    return SendMessageA(Msg->hwnd, Msg->message, Msg->wParam, Msg->lParam);
}

BOOL TranslateMessage(const MSG*) {
    return false;
}

void SetIdleHandler(TIdleHandler Handler) {
    Queue().Idle = std::move(Handler);
}

int QueuedMessageCount() {
    return int(Queue().Posted.size());
}

} // namespace host
