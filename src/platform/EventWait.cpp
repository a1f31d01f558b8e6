#include "EventWait.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace EventWait {

bool Until(const std::function<bool()>& done, int timeoutMs, int checkMs) {
    if (done())
        return true;
    QDeadlineTimer deadline(timeoutMs);
    // The tick only wakes the dispatcher; its own event does nothing.
    QTimer tick;
    tick.start(std::max(1, checkMs));
    // `done` runs once before the wait and once after each turn of events,
    // never twice in a row (it may have effects of its own).
    bool held = false;
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        held = done();
    } while (!held && !deadline.hasExpired());
    return held;
}

void For(int ms) {
    // A repeating tick, not one timer for the whole time: a coarse timer may
    // fire a little before the deadline, and the wait after it would find
    // nothing to wake it.
    Until([] { return false; }, ms);
}

}  // namespace EventWait
