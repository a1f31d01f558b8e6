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
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return done();
}

void For(int ms) {
    // A repeating tick, not one timer for the whole time: a coarse timer may
    // fire a little before the deadline, and the wait after it would find
    // nothing to wake it.
    Until([] { return false; }, ms);
}

}  // namespace EventWait
