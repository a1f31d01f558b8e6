#pragma once
#include <QObject>
#include <functional>

// Hands completions from the SNMP thread to the receiver's thread. Answers
// that arrive together (many devices queried at once) travel in one posted
// event, so the receiving thread wakes once for them, not once each; the
// order of arrival is kept.
namespace CompletionBatch {
void Post(QObject* receiver, std::function<void()> completion);

// While a Hold lives on a thread, what that thread posts waits and goes in
// one event when the outermost Hold ends. The SNMP thread holds while it
// reads the answers one wait for the sockets brought: otherwise the
// receiving thread, on the other core, takes each answer as it comes and
// is woken again for the next one (a wake-up and a system call or three
// per answer on both threads).
class Hold {
public:
    Hold();
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
};
}  // namespace CompletionBatch
