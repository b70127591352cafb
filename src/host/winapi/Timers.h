// Window timers on a virtual clock. Time stands still until AdvanceClock moves it; a timer that
// became due makes the queue produce one WM_TIMER (repeated expiries coalesce, as on the real
// system), after the posted messages.
#pragma once

#include "host/winapi/WinTypes.h"

namespace host {

// Shortest and longest periods; others are clamped into this range.
inline constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
inline constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// Starts (or restarts) timer IdEvent of Wnd. With a null window a fresh identifier is chosen
// and returned. With Proc the WM_TIMER dispatch calls Proc instead of the window procedure.
// Returns the identifier (1 when IdEvent is 0), or 0 for an unknown window.
UINT_PTR SetTimer(HWND Wnd, UINT_PTR IdEvent, UINT Elapse, TIMERPROC Proc);
// FALSE when no such timer runs. A WM_TIMER already taken from the queue is not recalled.
BOOL KillTimer(HWND Wnd, UINT_PTR IdEvent);

// Milliseconds of the virtual clock since the window layer was reset.
DWORD GetTickCount();
// Moves the clock forward and marks every timer whose period ran out as due.
void AdvanceClock(DWORD Milliseconds);
// Number of running timers.
int ActiveTimerCount();

} // namespace host
