#pragma once
#include <cstdint>
#include <functional>

class QTimer;

// The window's waits (save, apply, reboot timers) and page request time-outs
// pass through here, so that tests can shorten them all by one factor.
namespace ShellTiming {
// 1.0 in normal use; a test may set, e.g., 0.01.
void SetScale(double scale);
double Scale();
// A timer interval in milliseconds, scaled (at least 1).
int Ms(int milliseconds);
// A request time-out in hundredths of a second, scaled (at least 1).
int32_t Hundredths(int32_t hundredths);

// Starts a wait timer with the scaled interval of `milliseconds`.
void StartTimer(QTimer& timer, int milliseconds);
// Sees every StartTimer just before the timer starts: the timer (its interval
// already scaled) and the unscaled milliseconds. Returns the previous hook.
using TimerHook = std::function<void(QTimer& timer, int milliseconds)>;
TimerHook SetTimerHook(TimerHook hook);
}  // namespace ShellTiming
