// TTimer: a component that fires OnTimer every Interval milliseconds while Enabled, through a
// timer of the window layer (which runs on its virtual clock).
#pragma once

#include "host/classes/Component.h"
#include "host/winapi/WinTypes.h"

namespace host {

class TTimer : public TComponent {
    ZT_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* AOwner) : TComponent(AOwner) {}
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // 0 stops the timer.
    UINT Interval() const { return FInterval; }
    void SetInterval(UINT Value);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(const TNotifyEvent& Value);
    // Whether a window-layer timer runs for it now.
    bool Running() const { return FTimerId != 0; }
    // What the window layer's timer calls.
    void Timer() { FOnTimer(this); }
    void Loaded() override;

private:
    // Starts or stops the window-layer timer as Enabled, Interval and OnTimer say.
    void UpdateTimer();
    bool FEnabled = true;
    UINT FInterval = 1000;
    TNotifyEvent FOnTimer;
    UINT_PTR FTimerId = 0;
};

} // namespace host
