#pragma once
#include <cstdint>

// The fixed SNMP time-outs of the device commands, with a scale that tests
// may set to shorten them (percent; 100 outside tests), and the arithmetic of
// the host's waits, which saturates instead of wrapping: a time-out that the
// host makes very long stays very long.
namespace CommandTiming {
void SetScalePercent(int percent);
// A time-out in hundredths of a second, scaled (at least 1).
int Scaled(int hundredths);
// a + b, held within the 32-bit range.
int32_t SaturatedSum(int32_t a, int32_t b);
// Hundredths of a second as the milliseconds of a timer: 0 for a negative
// wait, at most 20 days.
int TimerMilliseconds(int64_t hundredths);
}  // namespace CommandTiming
