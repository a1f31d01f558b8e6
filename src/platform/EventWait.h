#pragma once
#include <functional>

// Waiting on the calling thread's event loop without spinning.
// QCoreApplication::processEvents(flags, ms) never sleeps: it returns at once
// when nothing is pending, so a loop around it keeps a core busy for the whole
// wait (and takes it from the devices, servers and simulators it waits for).
// These block in the event dispatcher instead and wake for each event, or
// after `checkMs` to test the condition and the time limit again.
namespace EventWait {
// Runs events until `done` holds or `timeoutMs` have passed; returns whether
// it held. `done` is tested once first and then after each turn of events.
bool Until(const std::function<bool()>& done, int timeoutMs, int checkMs = 10);
// Runs events for `ms` milliseconds.
void For(int ms);
}  // namespace EventWait
