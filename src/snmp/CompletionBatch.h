#pragma once
#include <QObject>
#include <functional>

// Hands completions from the SNMP thread to the receiver's thread. Answers
// that arrive together (many devices queried at once) travel in one posted
// event, so the receiving thread wakes once for them, not once each; the
// order of arrival is kept.
namespace CompletionBatch {
void Post(QObject* receiver, std::function<void()> completion);
}  // namespace CompletionBatch
