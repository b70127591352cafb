#include "host/controls/Timer.h"

#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Timers.h"

#include <unordered_map>

namespace host {

namespace {

std::unordered_map<UINT_PTR, TTimer*>& RunningTimers() {
    static std::unordered_map<UINT_PTR, TTimer*> Map;
    return Map;
}

void TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
    auto It = RunningTimers().find(Id);
    if (It != RunningTimers().end()) It->second->Timer();
}

} // namespace

TClass TTimer::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTimer>("TTimer")
        .Prop("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true)
        .Prop("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000)
        .Prop("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
    // clang-format on
    return &Info;
}

TTimer::~TTimer() {
    if (FTimerId) {
        KillTimer(nullptr, FTimerId);
        RunningTimers().erase(FTimerId);
    }
}

void TTimer::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(UINT Value) {
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& Value) {
    FOnTimer = Value;
    UpdateTimer();
}

void TTimer::Loaded() {
    inherited::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (FTimerId) {
        KillTimer(nullptr, FTimerId);
        RunningTimers().erase(FTimerId);
        FTimerId = 0;
    }
    if (!FEnabled || FInterval == 0 || !FOnTimer || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDesigning))
        return;
    FTimerId = SetTimer(nullptr, 0, FInterval, TimerProc);
    if (FTimerId) RunningTimers()[FTimerId] = this;
}

} // namespace host
