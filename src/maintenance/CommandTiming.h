#pragma once

// The fixed SNMP time-outs of the device commands, with a scale that tests
// may set to shorten them (percent; 100 outside tests).
namespace CommandTiming {
void SetScalePercent(int percent);
// A time-out in hundredths of a second, scaled (at least 1).
int Scaled(int hundredths);
}  // namespace CommandTiming
