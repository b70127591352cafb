// Window timers and the virtual clock they run on.
#include "host/winapi/Timers.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <vector>

namespace host {

namespace {

struct TTimer {
    HWND Wnd = nullptr;
    UINT_PTR Id = 0;
    UINT Elapse = 0;
    TIMERPROC Proc = nullptr;
    std::uint64_t Due = 0;
    std::uint64_t PendingSince = 0; // 0: not due; otherwise the order in which it became due
};

struct TTimerState {
    std::vector<TTimer> Timers;
    std::uint64_t Now = 0;
    std::uint64_t DueCounter = 0;
    UINT_PTR NextThreadTimerId = 1;
};

TTimerState& State() {
    static TTimerState S;
    return S;
}

std::vector<TTimer>::iterator Find(HWND Wnd, UINT_PTR Id) {
    auto& T = State().Timers;
    return std::find_if(T.begin(), T.end(),
                        [&](const TTimer& X) { return X.Wnd == Wnd && X.Id == Id; });
}

MSG TimerMessage(const TTimer& T) {
    MSG M;
    M.hwnd = T.Wnd;
    M.message = WM_TIMER;
    M.wParam = T.Id;
    M.lParam = reinterpret_cast<LPARAM>(T.Proc);
    M.time = GetTickCount();
    return M;
}

} // namespace

namespace detail {

std::optional<MSG> TakeDueTimer(HWND Filter, UINT FilterMin, UINT FilterMax, bool Remove) {
    TTimer* First = nullptr;
    for (TTimer& T : State().Timers)
        if (T.PendingSince && MessageMatches(T.Wnd, WM_TIMER, Filter, FilterMin, FilterMax) &&
            (!First || T.PendingSince < First->PendingSince))
            First = &T;
    if (!First) return std::nullopt;
    if (Remove) First->PendingSince = 0;
    return TimerMessage(*First);
}

void KillWindowTimers(HWND Wnd) {
    auto& T = State().Timers;
    T.erase(std::remove_if(T.begin(), T.end(), [Wnd](const TTimer& X) { return X.Wnd == Wnd; }),
            T.end());
}

bool IsTimerProc(HWND Wnd, UINT_PTR IdEvent, TIMERPROC Proc) {
    const auto It = Find(Wnd, IdEvent);
    return It != State().Timers.end() && It->Proc == Proc;
}

int MillisecondsToNextTimer() {
    const auto& S = State();
    std::int64_t Best = -1;
    for (const TTimer& T : S.Timers) {
        if (T.PendingSince) return 0;
        const std::int64_t Left = T.Due > S.Now ? std::int64_t(T.Due - S.Now) : 0;
        if (Best < 0 || Left < Best) Best = Left;
    }
    return int(Best);
}

void ResetTimers() {
    State() = TTimerState{};
}

} // namespace detail

UINT_PTR SetTimer(HWND Wnd, UINT_PTR IdEvent, UINT Elapse, TIMERPROC Proc) {
    if (Wnd && !IsWindow(Wnd)) return 0;
    auto& S = State();
    if (!Wnd) IdEvent = S.NextThreadTimerId++;
    Elapse = std::clamp(Elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    auto It = Find(Wnd, IdEvent);
    if (It == S.Timers.end()) {
        S.Timers.push_back({Wnd, IdEvent, 0, nullptr, 0, 0});
        It = S.Timers.end() - 1;
    }
    It->Elapse = Elapse;
    It->Proc = Proc;
    It->Due = S.Now + Elapse;
    It->PendingSince = 0;
    return IdEvent ? IdEvent : 1;
}

BOOL KillTimer(HWND Wnd, UINT_PTR IdEvent) {
    const auto It = Find(Wnd, IdEvent);
    if (It == State().Timers.end()) return false;
    State().Timers.erase(It);
    return true;
}

DWORD GetTickCount() {
    return DWORD(State().Now);
}

void AdvanceClock(DWORD Milliseconds) {
    auto& S = State();
    S.Now += Milliseconds;
    std::vector<TTimer*> Expired;
    for (TTimer& T : S.Timers)
        if (T.Due <= S.Now) Expired.push_back(&T);
    // Timers that ran out earlier come first in the queue.
    std::stable_sort(Expired.begin(), Expired.end(),
                     [](const TTimer* A, const TTimer* B) { return A->Due < B->Due; });
    for (TTimer* T : Expired) {
        if (!T->PendingSince) T->PendingSince = ++S.DueCounter;
        T->Due += ((S.Now - T->Due) / T->Elapse + 1) * T->Elapse;
    }
}

int ActiveTimerCount() {
    return int(State().Timers.size());
}

} // namespace host
