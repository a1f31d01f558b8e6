#pragma once
#include <cstdint>

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
}  // namespace ShellTiming
